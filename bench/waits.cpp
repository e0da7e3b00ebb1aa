// Measures how precisely "{Wait}" lines end and what a waiting program costs in CPU.
// Runs the real window offscreen with the real clock; prints figures, asserts nothing.

#include "platform/real_platform.h"
#include "window/tandrel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double runMs(tandrel::Tandrel& window, const QString& line) {
    window.List2->clear();
    window.List2->addItem(line);
    QElapsedTimer timer;
    timer.start();
    window.Command1_Click();
    return timer.nsecsElapsed() / 1e6;
}

void reportWaitError(tandrel::Tandrel& window, int tenths, int runs) {
    std::vector<double> errors;
    for (int i = 0; i < runs; ++i)
        errors.push_back(runMs(window, QStringLiteral("{Wait}%1").arg(tenths)) - tenths * 100.0);
    std::sort(errors.begin(), errors.end());
    std::printf("{Wait}%-3d  runs %d  error median %.2f ms  max %.2f ms  (target median <= 5 ms)\n",
                tenths, runs, errors[errors.size() / 2], errors.back());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tandrel::RealPlatform platform;
    tandrel::Tandrel window(platform.platform());
    window.show();

    reportWaitError(window, 5, 20);
    reportWaitError(window, 20, 20);

    const double cpuBefore = cpuSeconds();
    const double wallMs = runMs(window, QStringLiteral("{Wait}100"));
    const double cpuMs = (cpuSeconds() - cpuBefore) * 1000.0;
    std::printf("{Wait}100  wall %.0f ms  cpu %.1f ms  = %.3f %% of a core  (target < 1 %%)\n",
                wallMs, cpuMs, 100.0 * cpuMs / wallMs);
    return 0;
}
