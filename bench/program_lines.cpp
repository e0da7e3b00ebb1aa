// Programs run by `tandrel NAME` into xterm, mousepad (GTK 3) and the Qt target on a private
// Xvfb with openbox, next to xdotool driving the same targets in the same run:
//
//   bench_program_lines [runs]
//
// Single-key lines: a program of 300 lines of one key each, against a shell loop running
// `xdotool key` once per key. Text paste: 10,000 characters in 20 {Text Paste} lines, against
// `xdotool type --delay 0`. Each figure is the median of the runs, timed from the target's
// first change to the sender's end, then whether every run's output was exact and the most
// characters missing in any run.

#include "x11_session.h"

#include "platform/x11/x11_windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <X11/Xlib.h>

using namespace tandrel::e2e;

namespace {

constexpr int keyLines = 300;
constexpr int pasteLines = 20;
constexpr int pasteLength = 500;

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString selection() {
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-o"});
    xclip.waitForFinished(e2eDeadlineMs);
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

// A window that is fresh and empty at each start, tells whether keys have reached it yet and
// what it holds.
struct Target {
    QString name;
    QString title;
    std::function<void(QProcess&, const QString& dir)> start;
    std::function<bool(const QString& dir)> touched;
    std::function<QString(const QString& dir)> content;
};

QString windowTitle(const QString& title) {
    Display* x = XOpenDisplay(nullptr);
    char* name = nullptr;
    QString found;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(x, DefaultRootWindow(x), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count && found.isEmpty(); ++i) {
        Window* inner = nullptr;
        unsigned innerCount = 0;
        XQueryTree(x, children[i], &root, &parent, &inner, &innerCount);
        for (unsigned j = 0; j < innerCount; ++j)
            if (XFetchName(x, inner[j], &name) && name) {
                if (QString::fromUtf8(name).contains(title))
                    found = QString::fromUtf8(name);
                XFree(name);
            }
        XFree(inner);
    }
    XFree(children);
    XCloseDisplay(x);
    return found;
}

std::vector<Target> targets() {
    std::vector<Target> list;
    list.push_back({"xterm", "Bench Term",
                    [](QProcess& p, const QString& dir) {
                        p.start("xterm", {"-title", "Bench Term", "-e", "sh", "-c",
                                          "stty -icanon; exec cat > '" + dir + "/out'"});
                    },
                    [](const QString& dir) { return QFileInfo(dir + "/out").size() > 0; },
                    [](const QString& dir) { return readFile(dir + "/out"); }});
    list.push_back({"mousepad", "Untitled 1 - Mousepad",
                    [](QProcess& p, const QString& dir) { startMousepad(p, dir); },
                    // Its title gains a '*' once the text is changed.
                    [](const QString&) { return windowTitle("Mousepad").startsWith(u'*'); },
                    [](const QString&) {
                        QProcess::execute("xdotool", {"key", "ctrl+a", "ctrl+c"});
                        return selection();
                    }});
    list.push_back(
        {"Qt target", "Bench Qt",
         [](QProcess& p, const QString& dir) {
             p.start(TargetWindow::targetProgram(),
                     {"--title", "Bench Qt", "--out", dir + "/record.json", "--throttled-write"});
         },
         [](const QString& dir) { return !readTargetRecord(dir + "/record.json").text.isEmpty(); },
         [](const QString& dir) { return readTargetRecord(dir + "/record.json").text; }});
    return list;
}

struct Figure {
    double seconds = 0;
    qsizetype missing = 0;
    bool exact = false;
};

// Starts the target, focused, runs send and times it from the first change; then reads back.
Figure measure(const Target& target, X11Probe& probe, const QString& expected,
               const std::function<void(const std::function<void()>& go)>& send) {
    QTemporaryDir dir;
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    target.start(process, dir.path());
    probe.awaitManagedWindowOf(process.processId());
    tandrel::X11Windows windows(tandrel::x11::openDisplay());
    awaitCondition([&] { return bool(windows.activate(target.title)); });
    Figure figure;
    QElapsedTimer clock;
    send([&] {
        awaitCondition([&] { return target.touched(dir.path()); }, 60'000);
        clock.start();
    });
    figure.seconds = clock.nsecsElapsed() / 1e9;
    const QString got = awaitValue([&] { return target.content(dir.path()); },
                                   [&](const QString& text) { return text == expected; }, 60000);
    figure.missing = expected.size() - got.size();
    figure.exact = got == expected;
    process.kill();
    process.waitForFinished(e2eDeadlineMs);
    return figure;
}

// A drive C on which a first start has installed the system.
class Tandrel {
public:
    Tandrel() {
        QDir(dir_.path()).mkpath("drive_c");
        QProcess first;
        start(first, {});
        awaitCondition([&] { return QFile::exists(programs() + "Read Me"); }, 60'000);
        first.kill();
        first.waitForFinished(e2eDeadlineMs);
    }

    // Runs the lines as a program, holding it until go() may watch the target.
    void run(X11Probe& probe, const QString& title, const QStringList& lines,
             const std::function<void()>& go) {
        QFile::remove(dir_.filePath("drive_c/GO.TXT"));
        const QStringList program = QStringList{"{File Wait}C:\\GO.TXT", "{Focus On}" + title} +
                                    lines + QStringList{"{eXit}"};
        QFile file(programs() + "BENCH.TDX");
        file.open(QIODevice::WriteOnly);
        file.write((program.join("\r\n") + "\r\n").toUtf8());
        file.close();
        QProcess tandrel;
        start(tandrel, {"BENCH"});
        probe.awaitManagedWindowOf(tandrel.processId(), 60'000);
        QFile(dir_.filePath("drive_c/GO.TXT")).open(QIODevice::WriteOnly);
        go();
        tandrel.waitForFinished(120'000);
    }

private:
    QString programs() { return dir_.filePath("drive_c/TANDREL/PROGRAMS/"); }
    void start(QProcess& process, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TANDREL_DRIVE_C", dir_.filePath("drive_c"));
        env.insert("HOME", dir_.path());
        env.insert("XDG_DATA_HOME", dir_.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
        process.setProcessEnvironment(env);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(TANDREL_PATH, arguments);
        process.waitForStarted(e2eDeadlineMs);
    }
    QTemporaryDir dir_;
};

void runProcess(const QString& program, const QStringList& arguments,
                const std::function<void()>& go) {
    QProcess process;
    process.start(program, arguments);
    go();
    process.waitForFinished(120'000);
}

Figure median(std::vector<Figure> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const Figure& a, const Figure& b) { return a.seconds < b.seconds; });
    Figure middle = runs[runs.size() / 2];
    for (const Figure& run : runs) {
        middle.missing = std::max(middle.missing, run.missing);
        middle.exact = middle.exact && run.exact;
    }
    return middle;
}

void print(const char* what, double units, const char* unit, const Figure& figure) {
    std::printf("    %-28s %8.0f %s/s  %s, %lld missing\n", what,
                figure.seconds > 0 ? units / figure.seconds : 0.0, unit,
                figure.exact ? "exact" : "NOT EXACT", static_cast<long long>(figure.missing));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    X11Session session(X11Session::Manager::Openbox);
    if (!session.ready) {
        std::fprintf(stderr, "Xvfb or openbox did not start.\n");
        return 1;
    }
    setKeyboardLayout("us");
    X11Probe probe;
    Tandrel tandrel;
    QStringList keys;
    for (int i = 0; i < keyLines; ++i)
        keys << QString(QChar(u'a' + i % 26));
    QStringList pastes;
    for (int i = 0; i < pasteLines; ++i) {
        QString line;
        for (int j = 0; line.size() < pasteLength; ++j)
            line += QChar(u"abcdefghijklmnopqrstuvwxyz0123456789 "[(i * 7 + j * 11) % 37]);
        pastes << line;
    }
    const QString keysText = keys.join(QString());
    const QString pasteText = pastes.join(u'\n') + u'\n';
    QStringList pasteProgram;
    for (const QString& line : pastes)
        pasteProgram << "{Text Paste}" + line;
    QStringList loop{"-c", "for k in \"$@\"; do xdotool key $k; done", "sh"};
    std::printf("%d single-key lines, %d characters of {Text Paste}; median of %d runs\n", keyLines,
                int(pasteText.size()), runs);
    for (const Target& target : targets()) {
        std::printf("  %s\n", qPrintable(target.name));
        std::vector<Figure> lines, perKey, paste, typed;
        for (int run = 0; run < runs; ++run) {
            lines.push_back(measure(target, probe, keysText,
                                    [&](auto go) { tandrel.run(probe, target.title, keys, go); }));
            perKey.push_back(measure(target, probe, keysText,
                                     [&](auto go) { runProcess("sh", loop + keys, go); }));
            paste.push_back(measure(target, probe, pasteText, [&](auto go) {
                tandrel.run(probe, target.title, pasteProgram, go);
            }));
            typed.push_back(measure(target, probe, pasteText, [&](auto go) {
                runProcess("xdotool", {"type", "--delay", "0", pasteText}, go);
            }));
        }
        print("tandrel, single-key lines", keyLines, "lines", median(lines));
        print("xdotool key per line", keyLines, "lines", median(perKey));
        print("tandrel, {Text Paste}", double(pasteText.size()), "chars", median(paste));
        print("xdotool type --delay 0", double(pasteText.size()), "chars", median(typed));
    }
    return 0;
}
