// Start-up time of the real program under a private X server with a window manager: from
// exec to its window mapped, on a first start (installing onto an empty drive) and on later
// starts. Prints figures; asserts nothing.

#include "x11_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace tandrel::e2e;

namespace {

double millisecondsToWindow(X11Probe& probe, const QString& driveC, const QString& home) {
    QProcess tandrel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TANDREL_DRIVE_C", driveC);
    // The desktop and menu entries go to a home of our own, never the user's.
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/data");
    tandrel.setProcessEnvironment(env);
    QElapsedTimer elapsed;
    elapsed.start();
    tandrel.start(TANDREL_PATH, {});
    double result = -1;
    if (tandrel.waitForStarted(30'000) &&
        awaitCondition([&] { return probe.windowOf(tandrel.processId()) != 0; }, 60'000))
        result = elapsed.nsecsElapsed() / 1e6;
    tandrel.kill();
    tandrel.waitForFinished(30'000);
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    X11Session session(X11Session::Manager::Openbox);
    if (!session.ready) {
        std::fprintf(stderr, "Xvfb or openbox did not start.\n");
        return 1;
    }
    X11Probe probe;
    QTemporaryDir dir;
    const QString driveC = dir.filePath("drive_c");
    constexpr int kRuns = 5;
    for (int run = 0; run < kRuns; ++run) {
        QDir(driveC).removeRecursively();
        QDir().mkpath(driveC);
        std::printf("cold (installs) exec -> window mapped: %.1f ms\n",
                    millisecondsToWindow(probe, driveC, dir.path()));
    }
    for (int run = 0; run < kRuns; ++run)
        std::printf("warm exec -> window mapped: %.1f ms\n",
                    millisecondsToWindow(probe, driveC, dir.path()));
    return 0;
}
