// The real program's first start, its start screen and its removal, under a private X server
// with a window manager.

#include "x11_probe.h"
#include "x11_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>

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
        ASSERT_TRUE(tandrel.waitForStarted(30'000));
        ASSERT_TRUE(probe.awaitWindowOf(tandrel.processId(), 60'000));
    }

    // A real pointer click at a point of the process's window.
    void clickAt(qint64 pid, int x, int y) {
        Display* display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        const auto window = probe.windowOf(pid);
        ASSERT_TRUE(window.has_value());
        int rootX = 0;
        int rootY = 0;
        Window child = 0;
        XTranslateCoordinates(display, *window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                              &child);
        XTestFakeMotionEvent(display, -1, rootX, rootY, 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XTestFakeButtonEvent(display, 1, False, 0);
        XSync(display, False);
        XCloseDisplay(display);
    }

    // Answers each box with Return until the process ends.
    bool answerWithReturnUntilEnd(QProcess& tandrel) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 90'000) {
            if (tandrel.waitForFinished(1500))
                return true;
            if (probe.focusedPid() == tandrel.processId())
                probe.releaseKey(probe.pressKey("Return"));
        }
        return false;
    }

    // Leaving the start screen for the editor maximizes the window.
    bool awaitMaximized(qint64 pid) {
        Display* display = XOpenDisplay(nullptr);
        const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
        const Atom vertical = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False);
        bool maximized = false;
        QElapsedTimer elapsed;
        elapsed.start();
        while (!maximized && elapsed.elapsed() < 30'000) {
            const auto window = probe.windowOf(pid);
            Atom type = 0;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            if (window &&
                XGetWindowProperty(display, *window, state, 0, 64, False, XA_ATOM, &type, &format,
                                   &count, &after, &data) == Success &&
                data) {
                const auto* atoms = reinterpret_cast<const Atom*>(data);
                maximized = std::find(atoms, atoms + count, vertical) != atoms + count;
                XFree(data);
            }
            if (!maximized)
                QThread::msleep(50);
        }
        XCloseDisplay(display);
        return maximized;
    }

    QString drive(const QString& relative) const { return dir.filePath("drive_c/" + relative); }

    QTemporaryDir dir;
    X11Probe probe;
};

TEST_F(StartupE2E, FirstStartInstallsCreateLeavesTheStartScreenAndUninstallRemovesAll) {
    QProcess first;
    start(first, {});
    QElapsedTimer elapsed;
    elapsed.start();
    while (!QFile::exists(drive("TANDREL/PROGRAMS/Read Me")) && elapsed.elapsed() < 60'000)
        QThread::msleep(50);
    EXPECT_TRUE(QFileInfo(drive("TANDREL/Tandrel.exe")).isExecutable());
    EXPECT_TRUE(QFile::exists(drive("TANDREL/PROGRAMS/Sample Timer.TDX")));
    EXPECT_TRUE(QFile::exists(dir.filePath("home/Desktop/Tandrel.desktop")));
    EXPECT_TRUE(QFile::exists(dir.filePath("home/data/applications/Tandrel.desktop")));

    // Create sits near the top left corner of the start screen.
    clickAt(first.processId(), 72, 14);
    EXPECT_TRUE(awaitMaximized(first.processId())) << "Create did not open the editor";
    first.terminate();
    ASSERT_TRUE(first.waitForFinished(30'000));

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
    QElapsedTimer elapsed;
    elapsed.start();
    while (!QFile::exists(dir.filePath("home/data/applications/Tandrel.desktop")) &&
           elapsed.elapsed() < 60'000)
        QThread::msleep(50);
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
    one.waitForFinished(30'000);
    two.waitForFinished(30'000);
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
        ASSERT_TRUE(tandrel.waitForFinished(30'000));
        const QString error = QString::fromUtf8(tandrel.readAllStandardError());
        EXPECT_EQ(tandrel.exitCode(), 1) << display.toStdString();
        EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
        EXPECT_TRUE(error.contains("\"" + display + "\"") &&
                    error.contains("a graphical session is needed"))
            << error.toStdString();
    }
}

} // namespace
