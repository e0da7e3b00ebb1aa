// Typing throughput: the X11 keystroke back end next to `xdotool type`, each typing the
// same 5,000 characters into a fresh target window on a private Xvfb.
//
//   bench_typing [characters]
//
// For each text and sender it prints the time until the window held the whole text, the
// characters per second, and how many characters were lost or wrong (the edit distance
// between the text sent and the text received).

#include "bench_texts.h"
#include "x11_session.h"

#include "platform/x11/x11_keystrokes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <functional>
#include <vector>

namespace tandrel {
namespace {

using namespace bench;
using e2e::TargetRecord;
using e2e::TargetWindow;

struct Result {
    double seconds = 0;
    int wrong = 0;
};

// Types with `type` into a fresh focused target and waits until its text is complete, or
// has stopped changing for ten seconds.
Result measure(const QString& expected, const std::function<void()>& type) {
    TargetWindow target(QStringLiteral("Typing Bench"), {QStringLiteral("--throttled-write")});
    e2e::X11Probe probe;
    if (!target.started()) {
        std::fprintf(stderr, "The target window did not start.\n");
        return {};
    }
    probe.focus(probe.windowOf(target.pid()));
    target.awaitRecord([](const TargetRecord& r) { return r.active; });
    QElapsedTimer clock;
    clock.start();
    type();
    QString last;
    qint64 lastChange = clock.elapsed();
    for (;;) {
        const QString text = target.record().text;
        if (text != last) {
            last = text;
            lastChange = clock.elapsed();
        }
        if (text == expected || clock.elapsed() - lastChange > 10000)
            break;
        QThread::msleep(2);
    }
    return {double(lastChange) / 1000.0, editDistance(expected, last)};
}

void xdotool(const QString& text, const QStringList& options) {
    QProcess::execute(QStringLiteral("xdotool"),
                      QStringList{QStringLiteral("type")} + options + QStringList{text});
}

void report(const char* sender, const QString& text, const Result& result, double reference) {
    const double rate = result.seconds > 0 ? double(text.size()) / result.seconds : 0;
    std::printf("  %-34s %7.2f s %8.0f ch/s %6d lost/wrong   x%.2f\n", sender, result.seconds, rate,
                result.wrong, reference > 0 ? rate / reference : 0.0);
}

void benchmark(const char* name, const QString& text) {
    const QStringList lines = linesOf(text);
    const QString typed = lines.join(u'\n');
    std::printf("%s: %lld characters in %lld lines of up to 100 (line breaks count)\n", name,
                static_cast<long long>(typed.size()), static_cast<long long>(lines.size()));
    const Result fast = measure(typed, [&] {
        xdotool(typed, {QStringLiteral("--delay"), QStringLiteral("0")});
    });
    const double reference = fast.seconds > 0 ? double(typed.size()) / fast.seconds : 0;
    X11Keystrokes keystrokes(x11::openDisplay());
    const Result oneSend = measure(typed, [&] { keystrokes.send(lines.join(u'~'), true); });
    const Result lineByLine = measure(typed, [&] {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            keystrokes.send(lines[i], true);
            if (i + 1 < lines.size())
                keystrokes.send(QStringLiteral("~"), true);
        }
    });
    const Result slow = measure(typed, [&] { xdotool(typed, {}); });
    std::printf("  %-34s %9s %13s %17s   ratio to xdotool --delay 0\n", "", "time", "rate", "");
    report("back end, one send", typed, oneSend, reference);
    report("back end, a send per line and ~", typed, lineByLine, reference);
    report("xdotool type --delay 0", typed, fast, reference);
    report("xdotool type (12 ms)", typed, slow, reference);
}

} // namespace
} // namespace tandrel

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int length = argc > 1 ? std::atoi(argv[1]) : 5000;
    tandrel::e2e::X11Session session(tandrel::e2e::X11Session::Manager::None);
    if (!session.ready) {
        std::fprintf(stderr, "Xvfb or openbox did not start.\n");
        return 1;
    }
    tandrel::e2e::setKeyboardLayout(QStringLiteral("us"));
    std::printf("Typing into a Qt window on Xvfb %s\n", qgetenv("DISPLAY").constData());
    tandrel::benchmark("ASCII", tandrel::asciiText(length));
    tandrel::benchmark("Mixed, with characters on no key", tandrel::mixedText(length));
    return 0;
}
