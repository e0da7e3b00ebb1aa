// The sample programs as installed, run from the command line under Xvfb and openbox on the
// drive C that Tandrel prepares itself, with its Notepad and Calculator stand-ins. The texts
// are read back through the stand-ins: Ctrl+A, Ctrl+C and the clipboard.

#include "sample_runs.h"
#include "x11_session.h"

#include <QDir>
#include <QFile>

#include <csignal>

using namespace tandrel::e2e;

namespace {

QString clipboard() {
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-o"});
    xclip.waitForFinished(e2eDeadlineMs);
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

// A drive C and home of their own, on which a first start has installed the system.
class SamplesE2E : public ManagedX11Test {
protected:
    static void SetUpTestSuite() {
        ManagedX11Test::SetUpTestSuite();
        home_ = std::make_unique<QTemporaryDir>();
        QProcess first;
        start(first, {});
        awaitCondition([] { return QFile::exists(driveC("TANDREL/PROGRAMS/Read Me")); },
                       2 * e2eDeadlineMs);
        first.kill();
        first.waitForFinished(e2eDeadlineMs);
    }

    static QString driveC(const QString& relative) {
        return home_->filePath("data/tandrel/drive_c/" + relative);
    }

    static void start(QProcess& process, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("TANDREL_DRIVE_C");
        env.insert("HOME", home_->path());
        env.insert("XDG_DATA_HOME", home_->filePath("data"));
        env.insert("XDG_CONFIG_HOME", home_->filePath("config"));
        process.setProcessEnvironment(env);
        process.setStandardErrorFile(home_->filePath("run-errors.txt"));
        process.start(TANDREL_PATH, arguments);
        process.waitForStarted(e2eDeadlineMs);
    }

    static inline std::unique_ptr<QTemporaryDir> home_;
    X11Probe probe;
};

TEST_F(SamplesE2E, TheSamplesRunToTheirEndWithTheStandIns) {
    for (const SampleRun& row : sampleRuns(driveC("TANDREL/PROGRAMS"))) {
        SCOPED_TRACE(row.program.toStdString());
        if (row.makesCloseFile)
            QFile(driveC("close.txt")).open(QIODevice::WriteOnly);
        QProcess tandrel;
        start(tandrel, {row.program});
        EXPECT_TRUE(awaitRunAnsweringStops(
            tandrel, [&] { return probe.focusedTitle(); }, [&] { probe.tapKey("Return"); }));
        EXPECT_EQ(tandrel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tandrel.exitCode(), 0)
            << runErrors(home_->filePath("run-errors.txt")).toStdString();

        const auto titles = [&] {
            QStringList titles;
            for (const auto& managed : probe.managedWindows())
                titles << managed.title;
            titles.sort();
            return titles;
        };
        EXPECT_EQ(
            awaitValue(titles, [&](const QStringList& now) { return now == row.windowsLeft; }),
            row.windowsLeft);
        if (!row.expectedCopy.isEmpty()) {
            const auto standIn = probe.managedWindows().at(0);
            probe.focus(standIn.window);
            EXPECT_TRUE(awaitCondition([&] { return probe.focusedPid() == standIn.pid; }));
            const int control = probe.pressKey("Control_L");
            probe.tapKey("a");
            probe.tapKey("c");
            probe.releaseKey(control);
            EXPECT_EQ(awaitValue(clipboard,
                                 [&](const QString& text) { return text == row.expectedCopy; }),
                      row.expectedCopy);
        }
        // The next sample starts on an empty screen.
        for (const auto& managed : probe.managedWindows())
            if (managed.pid > 0)
                ::kill(pid_t(managed.pid), SIGTERM);
        EXPECT_TRUE(awaitCondition([&] { return probe.managedWindows().empty(); }));
        QFile::remove(driveC("close.txt"));
        EXPECT_TRUE(probe.keysDown().empty()) << "a key was left down";
    }
}

} // namespace
