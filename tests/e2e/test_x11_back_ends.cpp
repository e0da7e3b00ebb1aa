// The X11 back ends on a private server: typing the notation into a focused window, activation
// by title and by process, and programs started with their window focused.

#include "x11_session.h"

#include "platform/posix/drive_file_system.h"
#include "platform/posix/process_launcher.h"
#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#undef Status // Xlib's, in the way of tandrel's

namespace tandrel::e2e {
namespace {

class X11KeystrokesTest : public BareX11Test {
protected:
    void SetUp() override {
        BareX11Test::SetUp();
        ASSERT_TRUE(setKeyboardLayout(QStringLiteral("us")));
        freeAtStart_ = freeKeycodes();
        target_ = std::make_unique<TargetWindow>(QStringLiteral("Typing"));
        ASSERT_TRUE(target_->started());
        probe_.focus(probe_.windowOf(target_->pid()));
        target_->awaitRecord([](const TargetRecord& r) { return r.active; });
    }

    // Keycodes with no symbol on them.
    int freeKeycodes() {
        XkbDescPtr xkb = XkbGetMap(probe_.display(), XkbKeySymsMask, XkbUseCoreKbd);
        int count = 0;
        for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code)
            count += XkbKeyNumSyms(xkb, code) == 0 ? 1 : 0;
        XkbFreeKeyboard(xkb, 0, True);
        return count;
    }

    // After every send: nothing held down, no binding left, the first group.
    void expectKeyboardClean() {
        EXPECT_EQ(probe_.keysDown(), std::vector<int>{});
        EXPECT_EQ(freeKeycodes(), freeAtStart_);
        XkbStateRec state{};
        XkbGetState(probe_.display(), XkbUseCoreKbd, &state);
        EXPECT_EQ(state.locked_group, 0);
    }

    X11Probe probe_;
    int freeAtStart_ = 0;
    std::unique_ptr<TargetWindow> target_;
    X11Keystrokes keystrokes_{x11::openDisplay()};
};

struct TypingCase {
    QString notation;
    QString text;          // the editor's content afterwards, starting from empty
    QStringList keysAtEnd; // the last key tokens the window recorded
    bool sent = true;      // false: refused, and nothing pressed
    QString before = {};   // sent first, on its own
    bool userHoldsShift = false;
};

TEST_F(X11KeystrokesTest, TypesTheNotationIntoTheFocusedWindow) {
    // More distinct characters than free keycodes: the bindings are renewed in turn.
    QString many;
    for (char32_t c = U'一'; many.size() < 2 * freeAtStart_ + 5; c += 7)
        many += QString::fromUcs4(&c, 1);
    const std::vector<TypingCase> cases{
        {"{+}{^}{%}{~}{[}{]}{{}{}}(x) 1/2=0.5;'\"`\\|<>?", "+^%~[]{}(x) 1/2=0.5;'\"`\\|<>?", {}},
        {"a~b{TAB}c{ENTER}", "a\nb\tc\n", {"a", "<Return>", "b", "<Tab>", "c", "<Return>"}},
        {"+(abc)xy{BACKSPACE}{LEFT}c{HOME}d{END}e", "dABCcxe", {}},
        {"é ü € ß Ж 中 É😀", "é ü € ß Ж 中 É😀", {}},
        {many, many, {}},
        {"{F5}{F13}{F16}{UP}{ESC}{DELETE}%{F4}^{F5}+",
         QString(),
         {"<F5>", "<F13>", "<F16>", "<Up>", "<Esc>", "<Del>", "<Alt+F4>", "<Ctrl+F5>"}},
        {"+(ab{NOPE}", QString(), {}, false},
        // Letters keep their case with CAPS LOCK on from an earlier send.
        {"aBéÉ1!{CAPSLOCK}x", "aBéÉ1!x", {}, true, "{CAPSLOCK}"},
        // And while the user holds SHIFT, which is neither released nor pressed a second time.
        {"aB1é", "aB1é", {}, true, {}, true},
    };
    for (const TypingCase& row : cases) {
        SCOPED_TRACE(row.notation.toStdString());
        ASSERT_TRUE(keystrokes_.send(QStringLiteral("^a{DELETE}"), true));
        ASSERT_EQ(target_->record().text, QString());
        ASSERT_TRUE(row.before.isEmpty() || keystrokes_.send(row.before, true));
        const QStringList keysBefore = target_->record().keys;
        const int shift = row.userHoldsShift ? probe_.pressKey(QStringLiteral("Shift_L")) : 0;
        const Status sent = keystrokes_.send(row.notation, true);
        if (shift) {
            EXPECT_EQ(probe_.keysDown(), std::vector<int>{shift});
            probe_.releaseKey(shift);
        }
        EXPECT_EQ(bool(sent), row.sent) << sent.reason().toStdString();
        // Read at once: with the wait flag the window has handled every key already.
        const TargetRecord record = target_->record();
        EXPECT_EQ(record.text, row.text);
        const QStringList expectedKeys = row.sent ? row.keysAtEnd : keysBefore;
        EXPECT_EQ(record.keys.mid(record.keys.size() - expectedKeys.size()), expectedKeys);
        expectKeyboardClean();
    }
}

TEST_F(X11KeystrokesTest, TypesOtherGroupsAndLevelThreeAndRestoresTheGroup) {
    // Typed under "us" first: the layout the server announces next is read again.
    ASSERT_TRUE(keystrokes_.send(QStringLiteral("zy"), true));
    ASSERT_TRUE(setKeyboardLayout(QStringLiteral("de,ru")));
    freeAtStart_ = freeKeycodes();
    ASSERT_TRUE(keystrokes_.send(QStringLiteral("zy@€äÖß{{}{[}{]}{}}\\{~}|µ aЖжb Привет"), true));
    EXPECT_EQ(target_->record().text, QStringLiteral("zyzy@€äÖß{[]}\\~|µ aЖжb Привет"));
    expectKeyboardClean();
}

TEST_F(X11KeystrokesTest, ClearsBindingsThatAProcessKilledMidSendLeftBehind) {
    // A window that advertises ping but never answers keeps the sender waiting with its
    // bindings in place, which is when it gets killed.
    Display* x = probe_.display();
    const Window silent = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 100, 100, 0, 0, 0);
    Atom ping = XInternAtom(x, "_NET_WM_PING", False);
    XSetWMProtocols(x, silent, &ping, 1);
    XMapRaised(x, silent);
    probe_.focus(silent);
    const pid_t child = ::fork();
    if (child == 0) {
        X11Keystrokes keystrokes(x11::openDisplay());
        keystrokes.send(QStringLiteral("中文"), true);
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    const bool boundWhileWaiting =
        awaitCondition([&] { return freeKeycodes() == freeAtStart_ - 2; });
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(boundWhileWaiting);
    EXPECT_EQ(freeKeycodes(), freeAtStart_ - 2);

    X11Keystrokes fresh(x11::openDisplay());
    expectKeyboardClean();
}

// The same with and without a window manager.
template <typename Fixture> class WindowsTest : public Fixture {
public:
    X11Windows windows_{x11::openDisplay()};
    X11Probe probe_;
};

using Sessions = ::testing::Types<BareX11Test, ManagedX11Test>;
TYPED_TEST_SUITE(WindowsTest, Sessions);

TYPED_TEST(WindowsTest, ChoosesByExactTitleThenPrefixIgnoringCaseAndFailsWithoutAMatch) {
    TargetWindow one(QStringLiteral("Target One"));
    TargetWindow two(QStringLiteral("Target Two"));
    TargetWindow twoLonger(QStringLiteral("Target Two Extra"));
    ASSERT_TRUE(one.started() && two.started() && twoLonger.started());
    Display* x = this->probe_.display(); // a window with a title that is never mapped
    XStoreName(x, XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 9, 9, 0, 0, 0),
               "Hidden Window");
    XSync(x, False);
    // Exact though a longer title is on top, exact, a prefix (the topmost of all), not shown.
    const std::vector<std::pair<const char*, const TargetWindow*>> rows{
        {"target two", &two}, {"Target One", &one}, {"target", &one}, {"Hidden Window", nullptr}};
    qint64 focused = 0;
    for (const auto& [title, expected] : rows) {
        SCOPED_TRACE(title);
        EXPECT_EQ(bool(this->windows_.activate(QString::fromUtf8(title))), expected != nullptr);
        if (expected) {
            focused = expected->pid();
            EXPECT_TRUE(
                expected->awaitRecord([](const TargetRecord& r) { return r.active; }).active);
        }
        // A failed activation leaves the focus where it was.
        EXPECT_EQ(this->probe_.focusedPid(), focused);
    }
    EXPECT_TRUE(this->windows_.activateWindowOf(two.pid()));
    EXPECT_TRUE(awaitCondition([&] { return this->probe_.focusedPid() == two.pid(); }));
    EXPECT_FALSE(this->windows_.activateWindowOf(999999));
    EXPECT_EQ(this->probe_.focusedPid(), two.pid());
}

using ProcessesTest = BareX11Test;

// The programs started here end with the session's server.
TEST_F(ProcessesTest, StartsProgramsByPathWithArgumentsAndFocusesTheirWindowOrFails) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("dir with blank"));
    ASSERT_TRUE(
        QFile::copy(TargetWindow::targetProgram(), root.filePath("dir with blank/tandrel target")));
    DriveFileSystem files({{QLatin1Char('C'), root.path()}});
    X11Windows windows(x11::openDisplay());
    ProcessLauncher launcher(files, &windows);
    X11Probe probe;
    const QString out = root.filePath("started.json");
    const Status status = launcher.start(
        "C:\\dir with blank\\tandrel target --title \"Started window\" --out " + out);
    EXPECT_TRUE(status) << status.reason().toStdString();
    // Running the event loop, until the program has written its record and has the focus.
    EXPECT_TRUE(awaitCondition([&] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        const qint64 pid = readTargetRecord(out).pid;
        return pid != 0 && probe.focusedPid() == pid;
    }));
    EXPECT_TRUE(windows.activate("Started window")) << "the quoted title is one argument";
    // Nothing executable: missing, a text file, a directory, an unknown drive, not on PATH.
    ASSERT_TRUE(files.write(QStringLiteral("C:\\notes.txt"), "not a program\n"));
    for (const QString& commandLine :
         {root.filePath("missing program"), root.filePath("notes.txt"),
          root.filePath("dir with blank"), QString("Q:\\absent drive.exe"),
          QString("no-such-program-anywhere --flag")})
        EXPECT_FALSE(launcher.start(commandLine)) << commandLine.toStdString();
}

} // namespace
} // namespace tandrel::e2e
