// Measures how long the file panel holds the window when it moves to a directory of many
// files: the real drive file system lists it and the file list is filled and painted, all on
// the window's one thread. Runs the real window offscreen; prints figures, asserts nothing.

#include "platform/real_platform.h"
#include "window/tandrel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int fileCount = 10000;
constexpr int runs = 5;

// Median and worst of the runs, in milliseconds.
void report(
    const char* what, const std::function<void()>& step,
    const std::function<void()>& prepare = [] {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-52s median %7.1f ms  max %7.1f ms\n", what, times[times.size() / 2],
                times.back());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir drive;
    qputenv("TANDREL_DRIVE_C", drive.path().toLocal8Bit());
    QDir(drive.path()).mkpath(QStringLiteral("BIG"));
    QDir(drive.path()).mkpath(QStringLiteral("SMALL"));
    for (int i = 0; i < fileCount; ++i) {
        QFile file(drive.filePath(QStringLiteral("BIG/PROGRAM %1.TDX").arg(i, 5, 10, QChar('0'))));
        file.open(QIODevice::WriteOnly);
    }

    QApplication app(argc, argv);
    tandrel::RealPlatform real;
    tandrel::Platform platform = real.platform();
    tandrel::Tandrel window(platform);
    window.show();
    window.File1->show();
    window.Dir1->show();

    std::printf("%d files in C:\\BIG\n", fileCount);
    report("drive file system: list the directory",
           [&] { platform.files.list(QStringLiteral("C:\\BIG")); });
    // What a click on the directory does: the lists move there, and the window paints.
    report(
        "directory change to it, painted (window held)",
        [&] {
            window.pointDirectoryList(QStringLiteral("C:\\BIG"));
            QCoreApplication::processEvents();
        },
        [&] {
            window.pointDirectoryList(QStringLiteral("C:\\SMALL"));
            QCoreApplication::processEvents();
        });
    // The lists now show C:\BIG.
    report("file list refresh (list + fill File1)", [&] {
        window.refreshFileList();
        QCoreApplication::processEvents();
    });
    return 0;
}
