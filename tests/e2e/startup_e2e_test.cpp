// The real program's first start, its start screen and its removal, under a private X server
// with a window manager.

#include "x11_session.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace tandrel::e2e;

namespace {

class StartupE2E : public ManagedX11Test {
protected:
    StartupE2E() {
        QDir(dir.path()).mkpath("drive_c");
        QDir(dir.path()).mkpath("home/Desktop");
    }

    void start(QProcess& tandrel, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TANDREL_DRIVE_C", dir.filePath("drive_c"));
        env.insert("HOME", dir.filePath("home"));
        env.insert("XDG_DATA_HOME", dir.filePath("home/data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("home/config"));
        tandrel.setProcessEnvironment(env);
        tandrel.setProcessChannelMode(QProcess::ForwardedChannels);
        tandrel.start(TANDREL_PATH, arguments);
        ASSERT_TRUE(tandrel.waitForStarted(e2eDeadlineMs));
        ASSERT_TRUE(probe.awaitWindowOf(tandrel.processId(), 2 * e2eDeadlineMs));
    }

    // Answers each box with Return until the process ends.
    bool answerWithReturnUntilEnd(QProcess& tandrel) {
        return awaitCondition(
            [&] {
                if (tandrel.waitForFinished(1500))
                    return true;
                if (probe.focusedPid() == tandrel.processId())
                    probe.releaseKey(probe.pressKey("Return"));
                return false;
            },
            3 * e2eDeadlineMs);
    }

    QString drive(const QString& relative) const { return dir.filePath("drive_c/" + relative); }

    QTemporaryDir dir;
    X11Probe probe;
};

TEST_F(StartupE2E, FirstStartInstallsCreateLeavesTheStartScreenAndUninstallRemovesAll) {
    QProcess first;
    start(first, {});
    EXPECT_TRUE(awaitCondition([&] { return QFile::exists(drive("TANDREL/PROGRAMS/Read Me")); }));
    EXPECT_TRUE(QFileInfo(drive("TANDREL/Tandrel.exe")).isExecutable());
    EXPECT_TRUE(QFile::exists(drive("TANDREL/PROGRAMS/Sample Timer.TDX")));
    EXPECT_TRUE(QFile::exists(dir.filePath("home/Desktop/Tandrel.desktop")));
    EXPECT_TRUE(QFile::exists(dir.filePath("home/data/applications/Tandrel.desktop")));

    // Create sits near the top left corner of the start screen; leaving the start screen for
    // the editor maximizes the window.
    probe.clickAt(first.processId(), 72, 14);
    EXPECT_TRUE(awaitCondition([&] {
        return probe.hasWindowState(first.processId(), "_NET_WM_STATE_MAXIMIZED_VERT");
    })) << "Create did not open the editor";
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(e2eDeadlineMs));

    QProcess removal;
    start(removal, {"/x"});
    ASSERT_TRUE(answerWithReturnUntilEnd(removal));
    EXPECT_EQ(removal.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(removal.exitCode(), 0);
    EXPECT_FALSE(QDir(drive("TANDREL")).exists());
    EXPECT_FALSE(QFile::exists(dir.filePath("home/Desktop/Tandrel.desktop")));
}

TEST_F(StartupE2E, TwoFirstStartsAtOnceBothComeUpAndLeaveOneCompleteInstallation) {
    QProcess one;
    QProcess two;
    start(one, {});
    start(two, {});
    EXPECT_TRUE(awaitCondition(
        [&] { return QFile::exists(dir.filePath("home/data/applications/Tandrel.desktop")); }));
    // Both are still up; whichever wrote last, every file is whole.
    EXPECT_EQ(one.state(), QProcess::Running);
    EXPECT_EQ(two.state(), QProcess::Running);
    QFile installed(drive("TANDREL/Tandrel.exe"));
    QFile built(TANDREL_PATH);
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
    EXPECT_TRUE(installed.readAll() == built.readAll());
    EXPECT_EQ(QDir(drive("TANDREL/PROGRAMS")).entryList(QDir::Files).size(), 6);
    EXPECT_TRUE(
        QDir(drive("TANDREL")).entryList({"*.new", ".*"}, QDir::Files | QDir::Hidden).isEmpty())
        << "a half-written file was left";
    one.kill();
    two.kill();
    one.waitForFinished(e2eDeadlineMs);
    two.waitForFinished(e2eDeadlineMs);
}

TEST(StartupWithoutDisplay, SaysSoOnOneLineAndEndsWithStatusOne) {
    for (const QString& display : {QString(), QStringLiteral(":93")}) {
        QProcess tandrel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        tandrel.setProcessEnvironment(env);
        tandrel.start(TANDREL_PATH, {});
        ASSERT_TRUE(tandrel.waitForFinished(e2eDeadlineMs));
        const QString error = QString::fromUtf8(tandrel.readAllStandardError());
        EXPECT_EQ(tandrel.exitCode(), 1) << display.toStdString();
        EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
        EXPECT_TRUE(error.contains("\"" + display + "\"") &&
                    error.contains("a graphical session is needed"))
            << error.toStdString();
    }
}

} // namespace
