// Whole programs run by the real window with the real back ends, typing into real target
// windows under a private X server.

#include "x11_session.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace tandrel::e2e;

namespace {

struct RunOutcome {
    int exitCode = -1;
    QString boxes; // what the run showed in message boxes
};

template <typename Fixture> class RunnerE2E : public Fixture {
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
        EXPECT_TRUE(harness.waitForFinished(60'000));
        EXPECT_TRUE(probe().keysDown().empty()) << "a key was left down";
        return {harness.exitCode(), QString::fromUtf8(harness.readAllStandardOutput())};
    }

    X11Probe& probe() {
        if (!probe_)
            probe_ = std::make_unique<X11Probe>();
        return *probe_;
    }

    QTemporaryDir dir;

private:
    std::unique_ptr<X11Probe> probe_;
};

using RunnerWithoutManager = RunnerE2E<BareX11Test>;
using RunnerWithOpenbox = RunnerE2E<ManagedX11Test>;

const QString target = QStringLiteral("Target One");

} // namespace

TEST_F(RunnerWithOpenbox, KeyLinesAndPasteLinesReachTheFocusedWindow) {
    TargetWindow window(target);
    ASSERT_TRUE(window.started());
    QFile paste(dir.filePath(QStringLiteral("paste.txt")));
    ASSERT_TRUE(paste.open(QIODevice::WriteOnly));
    paste.write("first line\r\nsecond line\r\n");
    paste.close();

    const RunOutcome outcome =
        runProgram({"{Focus On}target one", "a", "+", "^", "%", "~", "[", "]", "{", "}", "(", ")",
                    "{SHIFT}abc", "{ENTER}", "{Text Paste}é ü € ß Ж 中",
                    "{File Paste}" + paste.fileName(), "x", "{BACKSPACE}", "{eXit}"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.boxes.toStdString();
    const TargetRecord record = window.awaitRecord(
        [](const TargetRecord& r) { return r.text.endsWith(QStringLiteral("first line\n")); });
    EXPECT_EQ(record.text, QStringLiteral("a+^%~[]{}()ABC\né ü € ß Ж 中\nfirst line\n"));
}

TEST_F(RunnerWithOpenbox, NamedKeysAndModifierLinesActOnTheTarget) {
    TargetWindow window(target);
    ASSERT_TRUE(window.started());
    const RunOutcome outcome =
        runProgram({"{Focus On}Target One", "{SHIFT}xyz", "{LEFT}", "{LEFT}", "{TAB}", "{F5}",
                    "{UP}", "{DOWN}", "{RIGHT}", "{CTRL}a", "{eXit}"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.boxes.toStdString();
    const TargetRecord record = window.awaitRecord(
        [](const TargetRecord& r) { return r.keys.contains(QStringLiteral("<Ctrl+A>")); });
    EXPECT_EQ(record.text, QStringLiteral("X\tYZ"));
    EXPECT_EQ(record.keys, (QStringList{"X", "Y", "Z", "<Left>", "<Left>", "<Tab>", "<F5>", "<Up>",
                                        "<Down>", "<Right>", "<Ctrl+A>"}));
}

TEST_F(RunnerWithOpenbox, FocusOnPicksTheRightWindowByTitleAndByPrefix) {
    TargetWindow first(QStringLiteral("Report - Editor"));
    TargetWindow second(QStringLiteral("Report"));
    ASSERT_TRUE(first.started() && second.started());
    EXPECT_EQ(
        runProgram({"{Focus On}REPORT", "1", "{Focus On}report - ed", "2", "{eXit}"}).exitCode, 0);
    EXPECT_EQ(second.awaitRecord([](const TargetRecord& r) { return !r.text.isEmpty(); }).text,
              "1");
    EXPECT_EQ(first.awaitRecord([](const TargetRecord& r) { return !r.text.isEmpty(); }).text, "2");
}

TEST_F(RunnerWithoutManager, FocusOnWorksWithoutAWindowManagerAndFailsForNoWindow) {
    TargetWindow window(target);
    ASSERT_TRUE(window.started());
    EXPECT_EQ(runProgram({"{Focus On}Target", "o", "k", "{eXit}"}).exitCode, 0);
    EXPECT_EQ(window.awaitRecord([](const TargetRecord& r) { return !r.text.isEmpty(); }).text,
              "ok");

    const RunOutcome missing = runProgram({"{Focus On}No Such Window", "a"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.boxes.contains(
        "You have an error in your program on line 1.  The window you wish to focus upon"));
    EXPECT_TRUE(missing.boxes.contains("Your program encountered an error on this line."));
}

TEST_F(RunnerWithOpenbox, RunProgramStartsTheTargetAndWaitsEndOnTime) {
    const QString record = dir.filePath(QStringLiteral("started.json"));
    const QString marker = dir.filePath(QStringLiteral("drive_c/ready.txt"));
    QDir().mkpath(dir.filePath(QStringLiteral("drive_c")));
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
    QProcess::execute(QStringLiteral("kill"), {QString::number(started.pid)});
    clipboardOwner.kill();
    clipboardOwner.waitForFinished();
}

TEST_F(RunnerWithoutManager, FailingLinesReportAndLeaveNothingPressed) {
    TargetWindow window(target);
    ASSERT_TRUE(window.started());
    const RunOutcome outcome =
        runProgram({"{Focus On}Target One", "{SHIFT}(ab", "{Run Program}C:\\nothere.exe"});
    EXPECT_EQ(outcome.exitCode, 3);
    EXPECT_TRUE(outcome.boxes.contains("Your program encountered an error on this line."));
    EXPECT_FALSE(outcome.boxes.contains("on line 3"));
}
