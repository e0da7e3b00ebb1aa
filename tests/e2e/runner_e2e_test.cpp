// Whole programs run by the real window with the real back ends, typing into real target
// windows under a private X server with a window manager. Which window a title picks is the
// windows back end's own test.

#include "x11_session.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

using namespace tandrel::e2e;

namespace {

struct RunOutcome {
    int exitCode = -1;
    QString boxes; // what the run showed in message boxes
};

class RunnerE2E : public ManagedX11Test {
protected:
    RunOutcome runProgram(const QStringList& lines) {
        const QString path = dir.filePath(QStringLiteral("program.tdx"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
        file.close();

        QProcess harness;
        harness.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TANDREL_DRIVE_C"), dir.filePath(QStringLiteral("drive_c")));
        harness.setProcessEnvironment(env);
        harness.start(QStringLiteral(TANDREL_HARNESS_PATH), {path});
        EXPECT_TRUE(harness.waitForFinished(4 * e2eDeadlineMs));
        EXPECT_TRUE(X11Probe().keysDown().empty()) << "a key was left down";
        return {harness.exitCode(), QString::fromUtf8(harness.readAllStandardOutput())};
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(RunnerE2E, KeyPasteAndNamedKeyLinesReachTheFocusedWindow) {
    TargetWindow window(QStringLiteral("Target One"));
    ASSERT_TRUE(window.started());
    QFile paste(dir.filePath(QStringLiteral("paste.txt")));
    ASSERT_TRUE(paste.open(QIODevice::WriteOnly));
    paste.write("first line\r\nsecond line\r\n");
    paste.close();

    // One line per '|'.
    const RunOutcome outcome = runProgram(
        QString("{Focus On}target one|a|+|^|%|~|[|]|{|}|(|)|{SHIFT}abc|{ENTER}|"
                "{Text Paste}é ü € ß Ж 中|{File Paste}%1|x|{BACKSPACE}|{SHIFT}xyz|{LEFT}|{LEFT}|"
                "{TAB}|{F5}|{UP}|{DOWN}|{RIGHT}|{CTRL}a|{eXit}")
            .arg(paste.fileName())
            .split(u'|'));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.boxes.toStdString();
    const TargetRecord record = window.awaitRecord(
        [](const TargetRecord& r) { return r.keys.contains(QStringLiteral("<Ctrl+A>")); });
    EXPECT_EQ(record.text, QStringLiteral("a+^%~[]{}()ABC\né ü € ß Ж 中\nfirst line\nX\tYZ"));
    const QStringList lastKeys = {"X",    "Y",    "Z",      "<Left>",  "<Left>",  "<Tab>",
                                  "<F5>", "<Up>", "<Down>", "<Right>", "<Ctrl+A>"};
    EXPECT_EQ(record.keys.mid(record.keys.size() - lastKeys.size()), lastKeys);
}

TEST_F(RunnerE2E, RunProgramStartsTheTargetAndWaitsEndOnTime) {
    const QString record = dir.filePath(QStringLiteral("started.json"));
    const QString marker = dir.filePath(QStringLiteral("drive_c/ready.txt"));
    QDir().mkpath(dir.filePath(QStringLiteral("drive_c")));
    // The file and the clipboard text come a while after the program starts waiting on them.
    QProcess clipboardOwner;
    clipboardOwner.start(QStringLiteral("sh"),
                         {"-c", "sleep 1; touch '" + marker +
                                    "'; printf 'Total: 12' | xclip -selection clipboard -i "
                                    "-loops 50"});
    const RunOutcome outcome = runProgram(
        {"{Run Program}" + TargetWindow::targetProgram() + " --title Started --out " + record,
         "{Wait}20", "{File Wait}C:\\ready.txt", "{Clip Wait}Total", "{Focus On}Started",
         "{Clip Paste}", "{eXit}"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.boxes.toStdString();
    const TargetRecord started =
        awaitTargetRecord(record, [](const TargetRecord& r) { return r.text == "Total: 12\n"; });
    EXPECT_EQ(started.text, "Total: 12\n");
    if (started.pid != 0)
        ::kill(pid_t(started.pid), SIGTERM);
    clipboardOwner.kill();
    clipboardOwner.waitForFinished(e2eDeadlineMs);
}

TEST_F(RunnerE2E, FailingLinesReportAndLeaveNothingPressed) {
    TargetWindow window(QStringLiteral("Target One"));
    ASSERT_TRUE(window.started());
    struct Row {
        QStringList lines;
        QString box;        // a fragment of what the boxes said
        QString notInBoxes; // a fragment they must not contain
    };
    const Row rows[] = {
        {{"{Focus On}No Such Window", "a"},
         "You have an error in your program on line 1.  The window you wish to focus upon",
         "on line 2"},
        {{"{Focus On}Target One", "{SHIFT}(ab", "{Run Program}C:\\nothere.exe"},
         "Your program encountered an error on this line.",
         "on line 3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines.join(" | ").toStdString());
        const RunOutcome outcome = runProgram(row.lines);
        EXPECT_EQ(outcome.exitCode, 3);
        EXPECT_TRUE(outcome.boxes.contains(row.box)) << outcome.boxes.toStdString();
        EXPECT_TRUE(outcome.boxes.contains("Your program encountered an error on this line."));
        EXPECT_FALSE(outcome.boxes.contains(row.notInBoxes)) << outcome.boxes.toStdString();
    }
}
