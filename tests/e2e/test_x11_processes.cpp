#include "qt_printers.h"
#include "x11_session.h"

#include "platform/posix/drive_file_system.h"
#include "platform/posix/process_launcher.h"
#include "platform/x11/x11_windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

namespace tandrel::e2e {
namespace {

class ProcessesTest : public BareX11Test {
protected:
    void SetUp() override {
        BareX11Test::SetUp();
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("dir with blank")));
        blankCopy_ = root_.filePath(QStringLiteral("dir with blank/tandrel target"));
        ASSERT_TRUE(QFile::copy(TargetWindow::targetProgram(), blankCopy_));
    }

    void TearDown() override {
        for (qint64 pid : started_)
            ::kill(pid_t(pid), SIGTERM);
    }

    // Starts the command line and waits, running the event loop, until the program has
    // written its record and its window has the focus.
    TargetRecord startAndAwaitFocus(const QString& commandLine, const QString& recordPath) {
        const Status status = launcher_.start(commandLine);
        EXPECT_TRUE(status) << status.reason().toStdString();
        TargetRecord record;
        awaitCondition([&] {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            record = readTargetRecord(recordPath).value_or(TargetRecord{});
            return record.pid != 0 && probe_.focusedPid() == record.pid;
        });
        if (record.pid != 0)
            started_.push_back(record.pid);
        return record;
    }

    QTemporaryDir root_;
    QString blankCopy_;
    DriveFileSystem files_{{{QLatin1Char('C'), root_.path()}}};
    X11Windows windows_{x11::openDisplay()};
    ProcessLauncher launcher_{files_, &windows_};
    X11Probe probe_;
    std::vector<qint64> started_;
};

TEST_F(ProcessesTest, StartsProgramsByPathWithArgumentsAndFocusesTheirWindow) {
    // The program as written on the command line.
    for (const auto& [name, program] : std::vector<std::pair<QString, QString>>{
             {"host", TargetWindow::targetProgram()},
             {"blank", blankCopy_},
             {"drive", "C:\\dir with blank\\tandrel target"},
         }) {
        SCOPED_TRACE(program.toStdString());
        const QString title = QStringLiteral("Started %1 window").arg(name);
        const QString out = root_.filePath(name + QStringLiteral(".json"));
        const TargetRecord record = startAndAwaitFocus(
            QStringLiteral("%1 --title \"%2\" --out %3").arg(program, title, out), out);
        ASSERT_NE(record.pid, 0);
        EXPECT_EQ(probe_.focusedPid(), record.pid);
        // The quoted title arrived as one argument.
        EXPECT_TRUE(windows_.activate(title));
    }
}

TEST_F(ProcessesTest, FailsWhenNothingExecutableIsFound) {
    ASSERT_TRUE(files_.write(QStringLiteral("C:\\notes.txt"), "not a program\n"));
    for (const QString& commandLine : {
             root_.filePath(QStringLiteral("missing program")),
             root_.filePath(QStringLiteral("notes.txt")),
             root_.filePath(QStringLiteral("dir with blank")),
             QStringLiteral("Q:\\absent drive.exe"),
             QStringLiteral("no-such-program-anywhere --flag"),
         }) {
        SCOPED_TRACE(commandLine.toStdString());
        EXPECT_FALSE(launcher_.start(commandLine));
    }
}

} // namespace
} // namespace tandrel::e2e
