#include "qt_printers.h"
#include "target_window.h"
#include "x11_probe.h"
#include "x11_session.h"

#include "platform/x11/x11_keystrokes.h"

#include <QTemporaryDir>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tandrel::e2e {
namespace {

class X11KeystrokesTest : public BareX11Test {
protected:
    void SetUp() override {
        BareX11Test::SetUp();
        ASSERT_TRUE(setKeyboardLayout(QStringLiteral("us")));
        freeAtStart_ = probe_.freeKeycodeCount();
    }

    // A target window with the focus.
    std::unique_ptr<TargetWindow> focusedTarget(const QString& title = QStringLiteral("Typing")) {
        auto target = std::make_unique<TargetWindow>(title);
        if (!target->started())
            return nullptr;
        probe_.focus(*probe_.windowOf(target->pid()));
        target->awaitRecord([](const TargetRecord& r) { return r.active; });
        return target;
    }

    // After every send: nothing held down, no binding left.
    void expectKeyboardClean() {
        EXPECT_EQ(probe_.keysDown(), std::vector<int>{});
        EXPECT_EQ(probe_.freeKeycodeCount(), freeAtStart_);
        EXPECT_EQ(probe_.lockedGroup(), 0);
    }

    X11Probe probe_;
    int freeAtStart_ = 0;
};

struct TypingCase {
    const char* notation;
    QString text;          // the editor's content afterwards, starting from empty
    QStringList keysAtEnd; // the last key tokens the window recorded
};

TEST_F(X11KeystrokesTest, TypesTheNotationIntoTheFocusedWindow) {
    const std::vector<TypingCase> cases{
        {"abc", QStringLiteral("abc"), {"a", "b", "c"}},
        {"Hello, World!", QStringLiteral("Hello, World!"), {}},
        {"{+}{^}{%}{~}{[}{]}{{}{}}", QStringLiteral("+^%~[]{}"), {}},
        {"(x) 1/2=0.5;'\"`\\|<>?", QStringLiteral("(x) 1/2=0.5;'\"`\\|<>?"), {}},
        {"+(abc)", QStringLiteral("ABC"), {}},
        {"+(1)", QStringLiteral("!"), {}},
        {"+ab", QStringLiteral("Ab"), {}},
        {"a~b", QStringLiteral("a\nb"), {"a", "<Return>", "b"}},
        {"a{ENTER}b{TAB}c", QStringLiteral("a\nb\tc"), {"a", "<Return>", "b", "<Tab>", "c"}},
        {"xy{BACKSPACE}", QStringLiteral("x"), {"x", "y", "<Backspace>"}},
        {"ab{LEFT}{LEFT}c", QStringLiteral("cab"), {"<Left>", "<Left>", "c"}},
        {"ab{HOME}c{END}d", QStringLiteral("cabd"), {"<Home>", "c", "<End>", "d"}},
        {"abc^az", QStringLiteral("z"), {"<Ctrl+A>", "z"}},
        {"é ü € ß Ж 中", QStringLiteral("é ü € ß Ж 中"), {}},
        {"ÉÜ😀", QStringLiteral("ÉÜ😀"), {}},
        {"{F5}{F13}{F16}{UP}{ESC}{DELETE}",
         QString(),
         {"<F5>", "<F13>", "<F16>", "<Up>", "<Esc>", "<Del>"}},
        {"%{F4}^{F5}+", QString(), {"<Alt+F4>", "<Ctrl+F5>"}},
    };
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    for (const TypingCase& row : cases) {
        SCOPED_TRACE(row.notation);
        ASSERT_TRUE(keystrokes.send(QStringLiteral("^a{DELETE}"), true));
        ASSERT_EQ(target->record().text, QString());
        const Status sent = keystrokes.send(QString::fromUtf8(row.notation), true);
        EXPECT_TRUE(sent) << sent.reason().toStdString();
        // Read at once: with the wait flag the window has handled every key already.
        const TargetRecord record = target->record();
        EXPECT_EQ(record.text, row.text);
        const QStringList keysAtEnd = record.keys.mid(record.keys.size() - row.keysAtEnd.size());
        EXPECT_EQ(keysAtEnd, row.keysAtEnd);
        expectKeyboardClean();
    }
}

TEST_F(X11KeystrokesTest, RefusesTextItCannotReadWithoutPressingAnything) {
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    for (const char* notation : {"+(ab{NOPE}", "+(ab", "ab{", "a}b", ""}) {
        SCOPED_TRACE(notation);
        EXPECT_FALSE(keystrokes.send(QString::fromUtf8(notation), true));
        expectKeyboardClean();
    }
    ASSERT_TRUE(keystrokes.send(QStringLiteral("ok"), true));
    EXPECT_EQ(target->record().text, QStringLiteral("ok"));
    EXPECT_TRUE(target->record().keys == QStringList({"o", "k"}));
}

TEST_F(X11KeystrokesTest, TypesManyCharactersThatNeedMoreBindingsThanKeysAreFree) {
    // More distinct characters than free keycodes: the bindings are renewed in turn.
    QString text;
    for (char32_t c = U'一'; text.size() < 2 * freeAtStart_ + 5; c += 7)
        text += QString::fromUcs4(&c, 1);
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    ASSERT_TRUE(keystrokes.send(text, true));
    EXPECT_EQ(target->record().text, text);
    expectKeyboardClean();
}

TEST_F(X11KeystrokesTest, TypesKeysOfAnotherLayoutGroupAndRestoresTheGroup) {
    ASSERT_TRUE(setKeyboardLayout(QStringLiteral("us,ru")));
    freeAtStart_ = probe_.freeKeycodeCount();
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    ASSERT_TRUE(keystrokes.send(QStringLiteral("aЖжb Привет"), true));
    EXPECT_EQ(target->record().text, QStringLiteral("aЖжb Привет"));
    expectKeyboardClean();
}

TEST_F(X11KeystrokesTest, TypesLevelThreeCharactersOfAGermanLayout) {
    ASSERT_TRUE(setKeyboardLayout(QStringLiteral("de")));
    freeAtStart_ = probe_.freeKeycodeCount();
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    const QString text = QStringLiteral("zy@€äÖß{[]}\\~|µ");
    ASSERT_TRUE(keystrokes.send(QStringLiteral("zy@€äÖß{{}{[}{]}{}}\\{~}|µ"), true));
    EXPECT_EQ(target->record().text, text);
    expectKeyboardClean();
}

TEST_F(X11KeystrokesTest, KeepsLetterCaseWithCapsLockOnAndLeavesItOn) {
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    ASSERT_TRUE(keystrokes.send(QStringLiteral("{CAPSLOCK}"), true));
    ASSERT_TRUE(keystrokes.send(QStringLiteral("aBéÉ1!"), true));
    EXPECT_EQ(target->record().text, QStringLiteral("aBéÉ1!"));
    ASSERT_TRUE(keystrokes.send(QStringLiteral("{CAPSLOCK}x"), true));
    EXPECT_EQ(target->record().text, QStringLiteral("aBéÉ1!x"));
    expectKeyboardClean();
}

TEST_F(X11KeystrokesTest, KeepsLetterCaseWhileTheUserHoldsShiftAndLeavesItHeld) {
    auto target = focusedTarget();
    ASSERT_TRUE(target);
    X11Keystrokes keystrokes(x11::openDisplay());
    const int shift = probe_.pressKey(QStringLiteral("Shift_L"));
    ASSERT_NE(shift, 0);
    const Status sent = keystrokes.send(QStringLiteral("aB1é"), true);
    const std::vector<int> downAfterSend = probe_.keysDown();
    probe_.releaseKey(shift);
    ASSERT_TRUE(sent);
    EXPECT_EQ(target->record().text, QStringLiteral("aB1é"))
        << target->record().keys.join(' ').toStdString();
    // The user's SHIFT was neither released nor pressed a second time.
    EXPECT_EQ(downAfterSend, std::vector<int>{shift});
    expectKeyboardClean();
}

TEST_F(X11KeystrokesTest, ClearsBindingsThatAProcessKilledMidSendLeftBehind) {
    // A window that advertises ping but never answers keeps the sender waiting with its
    // bindings in place, which is when it gets killed.
    const unsigned long silent = probe_.createSilentPingWindow();
    probe_.focus(silent);
    const pid_t child = ::fork();
    if (child == 0) {
        X11Keystrokes keystrokes(x11::openDisplay());
        keystrokes.send(QStringLiteral("中文"), true);
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    const bool boundWhileWaiting = probe_.awaitFreeKeycodeCount(freeAtStart_ - 2, 5000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(boundWhileWaiting);
    EXPECT_EQ(probe_.freeKeycodeCount(), freeAtStart_ - 2);

    X11Keystrokes fresh(x11::openDisplay());
    expectKeyboardClean();
}

} // namespace
} // namespace tandrel::e2e
