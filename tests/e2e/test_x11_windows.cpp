// Activation by title and by process, and programs started with their window focused.

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
    this->probe_.createWindow(QStringLiteral("Hidden Window"));
    const std::vector<std::pair<const char*, const TargetWindow*>> rows{
        {"target two", &two}, // exact, though a longer title is on top
        {"Target One", &one},
        {"target", &one}, // prefix: the topmost of all three
        {"Target One and more", nullptr},
        {"arget One", nullptr},
        {"Hidden Window", nullptr}, // not shown
    };
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
            record = readTargetRecord(recordPath);
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

TEST_F(ProcessesTest, StartsProgramsByPathWithArgumentsAndFocusesTheirWindowOrFails) {
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
    // Nothing executable: missing, a text file, a directory, an unknown drive, not on PATH.
    ASSERT_TRUE(files_.write(QStringLiteral("C:\\notes.txt"), "not a program\n"));
    for (const QString& commandLine :
         {root_.filePath("missing program"), root_.filePath("notes.txt"),
          root_.filePath("dir with blank"), QString("Q:\\absent drive.exe"),
          QString("no-such-program-anywhere --flag")})
        EXPECT_FALSE(launcher_.start(commandLine)) << commandLine.toStdString();
}

} // namespace
} // namespace tandrel::e2e
