// The real tandrel program in headless Wayland sessions, run by name from the command line: into
// native foot terminals and a native Qt window under sway, against sway's clipboard, and what it
// reports of a session that has the protocols it needs (sway) and of one that has none (weston);
// and its own window, native on sway, driven by a pointer and keys.

#include "sample_runs.h"
#include "wayland_session.h"

#include <QFile>
#include <QRegularExpression>
#include <csignal>

using namespace tandrel::e2e;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<none>";
}

SwayWindow focusedWindow(const WaylandSession& session) {
    for (const SwayWindow& window : session.windows())
        if (window.focused)
            return window;
    return {};
}

// A foot terminal whose shell writes every byte it gets to a file of the user's: keys pass one by
// one, without echo, signals or flow control, and Return arrives as a newline. It is up once the
// file is there, which the shell makes after the settings hold, and it has the focus.
class Terminal {
public:
    Terminal(WaylandSession& session, const QString& title, const QString& file)
        : file_(session.path(file)) {
        session.start(process_, "foot",
                      {"--title=" + title, "--app-id=" + appId(title), "sh", "-c",
                       "stty -icanon -isig -iexten -ixon -echo && exec cat > '" + file_ + "'"});
        started = awaitCondition([&] {
            return QFile::exists(file_) && focusedWindow(session).pid == process_.processId();
        });
    }
    ~Terminal() {
        process_.terminate(); // foot ends its shell on the way
        if (!process_.waitForFinished(e2eDeadlineMs))
            process_.kill();
    }
    static QString appId(const QString& title) { return title.toLower().replace(u' ', u'-'); }
    QByteArray received() const { return contents(file_); }
    QByteArray awaitReceived(const QByteArray& expected) const {
        return awaitValue([&] { return received(); },
                          [&](const QByteArray& now) { return now == expected; });
    }
    qint64 pid() const { return process_.processId(); }
    bool started = false;

private:
    QString file_;
    QProcess process_;
};

// A process of the user's that ends with the test, whatever way the test ends.
struct UserProcess : QProcess {
    ~UserProcess() override {
        kill();
        waitForFinished(e2eDeadlineMs);
    }
};

class SwayE2E : public SwayTest {
protected:
    // Runs the program RUN, written with CR LF line ends, with the real tandrel.
    static void startRun(UserProcess& tandrel, const QStringList& lines) {
        ASSERT_TRUE(session_->write("drive_c/TANDREL/PROGRAMS/RUN.TDX",
                                    (lines.join("\r\n") + "\r\n").toUtf8()));
        session_->start(tandrel, session_->executable(TANDREL_PATH), {"RUN"});
    }

    // The titles of its windows once it shows a box beside its run window, else empty.
    static QStringList boxShownBy(const QProcess& tandrel) {
        QStringList titles;
        for (const SwayWindow& window : session_->windows())
            if (window.pid == tandrel.processId())
                titles.append(window.name);
        return titles.size() > 1 ? titles : QStringList();
    }

    // Runs the program and expects it to end cleanly at its {eXit}; a box fails it at once.
    static bool runProgram(const QStringList& lines) {
        UserProcess tandrel;
        startRun(tandrel, lines);
        QStringList box;
        awaitCondition(
            [&] { return tandrel.waitForFinished(100) || !(box = boxShownBy(tandrel)).isEmpty(); });
        const bool ended = tandrel.state() == QProcess::NotRunning;
        EXPECT_TRUE(ended) << "tandrel shows a box; its windows: " << box.join(", ").toStdString();
        const bool clean =
            ended && tandrel.exitStatus() == QProcess::NormalExit && tandrel.exitCode() == 0;
        EXPECT_TRUE(clean || !ended) << "tandrel ended with " << tandrel.exitCode() << ": "
                                     << tandrel.readAllStandardError().toStdString();
        return clean;
    }
};

// Each program is run with the target terminal and then a decoy open, the decoy focused last:
// its {Focus On} finds the target by a lower-case beginning of its title.
TEST_F(SwayE2E, ProgramsTypeIntoTheTerminalTheirFocusOnFinds) {
    struct Row {
        const char* what;
        QStringList lines;
        QByteArray typed;
    };
    const Row rows[] = {
        {"ASCII",
         {"H", "i", " ", "{Text Paste}The fox: 0123456789 <>?/|\\\"';,.=-_!@#$&*()"},
         "Hi The fox: 0123456789 <>?/|\\\"';,.=-_!@#$&*()\n"},
        {"beyond the US layout",
         {"{Text Paste}Grüße ✓ Ω → 日本 😀", "ß", "😀"},
         "Grüße ✓ Ω → 日本 😀\nß😀"},
        {"the notation's escapes",
         {"+", "^", "%", "~", "{", "}", "[", "]",
          "{Text Paste}1{+}2{^}3{%}4{~}5{{}6{}}7{[}8{]}9~0"},
         "+^%~{}[]1+2^3%4~5{6}7[8]9\n0\n"},
        {"shift", {"{SHIFT}abc", "{SHIFT}q", "{Text Paste}+(xy)z+w"}, "ABCQXYzW\n"},
        {"ctrl",
         {"{CTRL}a", "{CTRL}e", "{Text Paste}^(bc)d"},
         "\x01\x05\x02\x03"
         "d\n"},
        {"named keys",
         {"{TAB}", "{LEFT}", "{F5}", "{BACKSPACE}", "{ESC}", "{ENTER}"},
         "\t\x1b[D\x1b[15~\x7f\x1b\n"},
    };
    int number = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ++number;
        Terminal target(*session_, "Typing Target", QString("typed-%1").arg(number));
        Terminal decoy(*session_, "Decoy Terminal", QString("decoy-%1").arg(number));
        ASSERT_TRUE(target.started && decoy.started) << "foot did not start";
        if (!runProgram(QStringList{"{Focus On}typing t"} + row.lines + QStringList{"{eXit}"}))
            continue;
        EXPECT_EQ(target.awaitReceived(row.typed), row.typed);
        EXPECT_EQ(decoy.received(), "");
        const SwayWindow focused =
            awaitValue([&] { return focusedWindow(*session_); },
                       [&](const SwayWindow& window) { return window.pid == target.pid(); });
        EXPECT_EQ(focused.name, "Typing Target");
        EXPECT_EQ(focused.appId, Terminal::appId("Typing Target"));
    }
}

TEST_F(SwayE2E, ChordsAndNamedKeysReachANativeQtWindowAsKeys) {
    const QString record = session_->path("qt-record.json");
    UserProcess target;
    session_->start(target, session_->executable(TargetWindow::targetProgram()),
                    {"--title", "Qt Target", "--out", record});
    ASSERT_TRUE(awaitCondition([&] {
        return readTargetRecord(record).pid != 0 &&
               focusedWindow(*session_).pid == target.processId();
    })) << "tandrel_target did not start";

    if (runProgram(
            {"{Focus On}qt t", "a", "{SHIFT}b", "{Text Paste}Ω", "{F5}", "{CTRL}a", "{eXit}"})) {
        const TargetRecord got =
            awaitValue([&] { return readTargetRecord(record); },
                       [](const TargetRecord& now) { return now.keys.contains("<Ctrl+A>"); });
        EXPECT_EQ(got.text, "aBΩ\n");
        EXPECT_EQ(got.keys, QStringList({"a", "B", "Ω", "<Return>", "<F5>", "<Ctrl+A>"}));
    }
}

// The run waits for text that wl-copy offers, pastes it and clears the clipboard: wl-copy's offer
// is taken away, and wl-paste finds nothing.
TEST_F(SwayE2E, ClipboardLinesWaitForPasteAndClearWhatWlCopyOffers) {
    ASSERT_EQ(session_->run("wl-copy", {"--clear"}).status, 0);
    Terminal target(*session_, "Clip Target", "clip");
    ASSERT_TRUE(target.started) << "foot did not start";
    UserProcess tandrel;
    startRun(tandrel, {"{Focus On}clip target", "{Clip Wait}Total", "{Clip Paste}", "{Clip Clear}",
                       "{Text Paste}cleared", "{eXit}"});
    // Its window has come and the focus is back on the target: the run waits for the clipboard.
    const auto waiting = [&] {
        const QList<SwayWindow> windows = session_->windows();
        const auto any = [&](auto is) { return std::ranges::any_of(windows, is); };
        return any([&](const SwayWindow& w) { return w.pid == tandrel.processId(); }) &&
               any([&](const SwayWindow& w) { return w.focused && w.pid == target.pid(); });
    };
    ASSERT_TRUE(awaitCondition([&] { return waiting() || !boxShownBy(tandrel).isEmpty(); }) &&
                waiting())
        << "the run did not come to its {Focus On}";
    EXPECT_EQ(target.received(), "");

    UserProcess copier;
    session_->start(copier, "wl-copy", {"--foreground", "Total: 12"});
    ASSERT_TRUE(tandrel.waitForFinished(e2eDeadlineMs)) << "the run did not end";
    EXPECT_EQ(tandrel.exitCode(), 0);
    EXPECT_EQ(target.awaitReceived("Total: 12\ncleared\n"), "Total: 12\ncleared\n");
    EXPECT_TRUE(copier.waitForFinished(e2eDeadlineMs)) << "wl-copy still offers its text";
    EXPECT_EQ(session_->run("wl-paste", {"-n"}).out, "");
}

// foot repeats a key left down 600 ms after its press, 25 times a second: no two neighbours of the
// typed text are alike, so a repeat stops the file being a beginning of it. A signal ends the
// process once the send in progress is over, which may be before its last keys reach foot.
TEST_F(SwayE2E, NoKeyIsLeftDownWhenARunEndsAtTheStartScreenOrOnSigterm) {
    QByteArray longText;
    for (int i = 0; i < 2000; ++i)
        longText += "abcdefghijklmnopqrstuvwxyz0123456789"[i % 36];
    const struct {
        const char* what;
        QStringList lines;
        QByteArray typed;
        bool terminated;
    } rows[] = {
        {"no {eXit}", {"{SHIFT}ab", "c", "{Text Paste}de"}, "ABcde\n", false},
        {"SIGTERM in a long paste", {"{Text Paste}" + longText}, longText + '\n', true},
    };
    int number = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Terminal target(*session_, "Held Target", QString("held-%1").arg(++number));
        ASSERT_TRUE(target.started) << "foot did not start";
        UserProcess tandrel;
        startRun(tandrel, QStringList{"{Focus On}held t"} + row.lines);
        if (row.terminated) {
            ASSERT_TRUE(awaitCondition([&] { return !target.received().isEmpty(); }))
                << "nothing typed";
            tandrel.terminate();
            ASSERT_TRUE(tandrel.waitForFinished(e2eDeadlineMs));
            EXPECT_EQ(tandrel.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(tandrel.exitCode(), 128 + SIGTERM);
        } else {
            EXPECT_EQ(target.awaitReceived(row.typed), row.typed);
        }
        const bool repeated =
            awaitCondition([&] { return !row.typed.startsWith(target.received()); }, 1500);
        EXPECT_FALSE(repeated) << "a key was left down: "
                               << target.received().right(40).toStdString();
        // A run without {eXit} ends at the start screen.
        EXPECT_EQ(tandrel.state(), row.terminated ? QProcess::NotRunning : QProcess::Running);
    }
}

// The line of tandrel --session's report that names the service.
QString serviceLine(WaylandSession& session, const QString& service) {
    const WaylandSession::Output output =
        session.run(session.executable(TANDREL_PATH), {"--session"});
    EXPECT_EQ(output.status, 0);
    const QRegularExpression line("^.*\\b" + service + "\\b.*$",
                                  QRegularExpression::CaseInsensitiveOption |
                                      QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(output.out)).captured();
}

// A line that says why a service is missing, which may name the mechanism it misses.
bool refuses(const QString& line) {
    static const QRegularExpression refusal("\\b(no|none|not|cannot)\\b",
                                            QRegularExpression::CaseInsensitiveOption);
    return line.contains(refusal);
}

TEST_F(SwayE2E, TheSessionReportNamesTheWaylandMechanisms) {
    for (const auto& [service, mechanism] : {std::pair{"typing", "virtual keyboard"},
                                             {"windows", "foreign toplevel"},
                                             {"clipboard", "data control"}}) {
        const QString line = serviceLine(*session_, service);
        EXPECT_TRUE(line.contains(mechanism, Qt::CaseInsensitive) && !refuses(line))
            << service << ": " << line.toStdString();
    }
}

using WestonE2E = WestonTest;

TEST_F(WestonE2E, TheSessionReportSaysKeysCannotBeTypedWithoutTheProtocols) {
    const QString line = serviceLine(*session_, "typing");
    EXPECT_TRUE(refuses(line)) << "typing: " << line.toStdString();
}

// Every box's text goes to standard error too; WAYLAND_DEBUG adds the requests of its windows.
TEST_F(WestonE2E, AKeyLineStopsTheRunInABoxThatSaysWhyAndTheWindowsAreNative) {
    ASSERT_TRUE(session_->write("drive_c/TANDREL/PROGRAMS/RUN.TDX",
                                "a\r\n{Text Paste}typed\r\n{eXit}\r\n"));
    const QString errors = session_->path("errors.txt");
    QProcessEnvironment debug;
    debug.insert("WAYLAND_DEBUG", "client");
    UserProcess tandrel;
    tandrel.setStandardErrorFile(errors);
    session_->start(tandrel, session_->executable(TANDREL_PATH), {"RUN"}, debug);

    static const QRegularExpression box("^tandrel: (.*)$", QRegularExpression::MultilineOption);
    const QString first = awaitValue([&] { return box.match(contents(errors)).captured(1); },
                                     [](const QString& text) { return !text.isEmpty(); });
    EXPECT_TRUE(first.startsWith("Keys cannot reach other windows here: ")) << first.toStdString();
    // Its window and the box are weston's toplevels.
    EXPECT_TRUE(awaitCondition([&] { return contents(errors).count(".get_toplevel(") >= 2; }));
    // Nobody can answer the box here: the run waits in it and never comes to its {eXit}.
    EXPECT_FALSE(tandrel.waitForFinished(1000));
}

// Centres of controls in client-area pixels, as the X11 editor test has them; the insert button
// is that of the modifier dialogs.
const QPoint createLabel(72, 14), typingField(76, 41), insertButton(444, 124), saveButton(836, 16),
    pathField(708, 84), panelButton(776, 116);

// Tandrel's own window, native on sway, on a drive C where a first start has installed the
// system; clicks through swaymsg's cursor, keys through wtype.
class SwayEditorE2E : public SwayTest {
protected:
    static void SetUpTestSuite() {
        SwayTest::SetUpTestSuite();
        pointer_ = session_->ready && session_->addPointer();
        UserProcess first; // installs the system, the "Read Me" sample last
        session_->start(first, session_->executable(TANDREL_PATH), {});
        awaitCondition([] { return QFile::exists(programs("Read Me")); }, 2 * e2eDeadlineMs);
    }
    void SetUp() override {
        SwayTest::SetUp();
        ASSERT_TRUE(pointer_) << "sway made no virtual pointer";
        ASSERT_TRUE(QFile::exists(programs("Read Me"))) << "the first start installed nothing";
    }

    static QString programs(const QString& name) {
        return session_->path("drive_c/TANDREL/PROGRAMS/" + name);
    }
    QString mirror() const { return QString::fromUtf8(contents(session_->path("program.txt"))); }
    static QString text(const QStringList& lines) { return lines.join(u'\n') + u'\n'; }

    void click(QPoint point) {
        QRect area;
        for (const SwayWindow& window : session_->windows())
            if (window.pid == tandrel.processId())
                area = window.area;
        const QPoint at = area.topLeft() + point;
        session_->run("swaymsg", {QString("seat - cursor set %1 %2; seat - cursor press button1; "
                                          "seat - cursor release button1")
                                      .arg(at.x())
                                      .arg(at.y())});
    }
    // wtype loses its first key when it types at once.
    void type(const QStringList& keys) { session_->run("wtype", QStringList{"-s", "150"} + keys); }

    static inline bool pointer_ = false;
    UserProcess tandrel;
};

TEST_F(SwayEditorE2E, ClicksAndKeysMakeLinesAndAProgramSavedByClicksIsOnDriveC) {
    QProcessEnvironment mirrored;
    mirrored.insert("TANDREL_PROGRAM_MIRROR", session_->path("program.txt"));
    session_->start(tandrel, session_->executable(TANDREL_PATH), {}, mirrored);
    ASSERT_TRUE(awaitCondition([&] {
        const QList<SwayWindow> windows = session_->windows();
        return std::ranges::any_of(windows, [&](const SwayWindow& window) {
            return window.pid == tandrel.processId() && window.focused;
        });
    })) << "its window did not come";

    // Create ends the start screen with the caret in the typing field. Alt opens its dialog
    // after two pauses; a click before that falls on the program, empty yet.
    // Under load the Alt may come before the typing field has the caret: then it is typed again.
    // A click while no dialog is up falls on the program, still empty.
    click(createLabel);
    EXPECT_TRUE(awaitCondition([&] {
        type({"-k", "Alt_L"});
        for (int clicks = 0; clicks < 3; ++clicks) {
            click(insertButton);
            if (awaitCondition([&] { return mirror() == text({"{ALT}"}); }, 1000))
                return true;
        }
        return false;
    })) << mirror().toStdString();

    click(typingField);
    type({"-k", "a", "-k", "1", "-k", "Return", "-k", "Tab", "-k", "Left", "-k", "F5", "-k",
          "Delete"});
    const QStringList lines = {"{ALT}", "a", "1", "{ENTER}", "{TAB}", "{LEFT}", "{F5}", "{DELETE}"};
    EXPECT_EQ(awaitValue([&] { return mirror(); },
                         [&](const QString& now) { return now == text(lines); }),
              text(lines));

    // The path field proposes the programs directory; a click puts the caret at its end.
    click(saveButton);
    click(pathField);
    type({"saved"});
    click(panelButton);
    const QByteArray saved = (lines.join("\r\n") + "\r\n").toUtf8();
    EXPECT_EQ(awaitValue([] { return contents(programs("saved.TDX")); },
                         [&](const QByteArray& now) { return now == saved; }),
              saved);
}

// The sample programs as a user runs them on sway, without TANDREL_DRIVE_C or QT_QPA_PLATFORM: on
// the drive C that a first start has prepared with the stand-ins' launchers. The texts are read
// back through the stand-ins: Ctrl+A, Ctrl+C and wl-paste.
class SwaySamplesE2E : public SwayTest {
protected:
    static void SetUpTestSuite() {
        SwayTest::SetUpTestSuite();
        UserProcess first;
        start(first, {});
        awaitCondition([] { return QFile::exists(driveC() + "TANDREL/PROGRAMS/Read Me"); });
    }
    static QString driveC() { return session_->path("data/tandrel/drive_c/"); }
    static void start(QProcess& tandrel, const QStringList& arguments) {
        const QStringList user = {"-u",
                                  "TANDREL_DRIVE_C",
                                  "-u",
                                  "QT_QPA_PLATFORM",
                                  "XDG_SESSION_TYPE=wayland",
                                  session_->executable(TANDREL_PATH)};
        tandrel.setStandardErrorFile(session_->path("run-errors.txt"));
        session_->start(tandrel, "env", user + arguments);
    }
};

TEST_F(SwaySamplesE2E, TheSamplesRunToTheirEndWithTheStandIns) {
    for (const SampleRun& row : sampleRuns(driveC() + "TANDREL/PROGRAMS")) {
        SCOPED_TRACE(row.program.toStdString());
        if (row.makesCloseFile)
            session_->write("data/tandrel/drive_c/close.txt", {});
        UserProcess tandrel;
        start(tandrel, {row.program});
        EXPECT_TRUE(awaitRunAnsweringStops(
            tandrel, [] { return focusedWindow(*session_).name; },
            [] {
                session_->run("wtype", {"-s", "150", "-k", "Return"});
            }));
        EXPECT_EQ(tandrel.exitCode(), 0)
            << runErrors(session_->path("run-errors.txt")).toStdString();

        QList<SwayWindow> windows;
        const auto titles = [&] {
            windows = session_->windows();
            std::ranges::sort(windows, {}, &SwayWindow::name);
            QStringList titles;
            for (const SwayWindow& window : windows)
                titles << window.name;
            return titles;
        };
        EXPECT_EQ(
            awaitValue(titles, [&](const QStringList& now) { return now == row.windowsLeft; }),
            row.windowsLeft);
        if (!row.expectedCopy.isEmpty() && !windows.isEmpty()) {
            // Focused first, and the keys again until the copy comes: a fresh virtual keyboard may
            // lose its first key (a Shift that does nothing goes first), and under load a copy.
            const auto copy = [&] {
                session_->run("swaymsg", {QString("[pid=%1] focus").arg(windows[0].pid)});
                awaitCondition([&] { return focusedWindow(*session_).name == windows[0].name; });
                session_->run("wtype", {"-s", "150", "-k", "Shift_L", "-M", "ctrl", "-k", "a", "-k",
                                        "c", "-m", "ctrl"});
                return QString::fromUtf8(session_->run("wl-paste", {"-n"}).out);
            };
            EXPECT_EQ(awaitValue(copy, [&](const QString& now) { return now == row.expectedCopy; }),
                      row.expectedCopy);
        }
        // The next sample starts on an empty screen.
        for (const SwayWindow& window : windows)
            ::kill(pid_t(window.pid), SIGTERM);
        EXPECT_TRUE(awaitCondition([&] { return session_->windows().isEmpty(); }));
        QFile::remove(driveC() + "close.txt");
    }
}

} // namespace
