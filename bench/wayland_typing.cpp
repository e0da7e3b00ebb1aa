// Typing throughput under Wayland: the real program next to wtype, each typing into a fresh
// native foot terminal in a private headless sway, the terminal's shell writing every byte it
// gets to a file.
//
//   bench_wayland_typing [characters]
//
// tandrel runs a program of {Text Paste} lines of 100 characters, and one of 300 single-key
// lines; wtype types the same text with its default options in one invocation. Each row is the
// median of three runs, timed from the sender's exec until the file holds everything, with the
// time to the first key and the rate from there on apart; lost or wrong characters are the edit
// distance between what was sent and what arrived, per run, starred where the compositor cut the
// terminal off.

#include "wayland_session.h"

#include "bench_texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tandrel::e2e;
using namespace tandrel::bench;

namespace {

constexpr int runs = 3;

SwayWindow focusedWindow(const WaylandSession& session) {
    for (const SwayWindow& window : session.windows())
        if (window.focused)
            return window;
    return {};
}

// A process of the user's that ends with the run, whatever way the run ends.
struct UserProcess : QProcess {
    ~UserProcess() override {
        kill();
        waitForFinished(e2eDeadlineMs);
    }
};

// A foot terminal whose shell writes every byte it gets to a file of the user's: keys pass one
// by one, without echo, signals or flow control, and Return arrives as a newline. It is up once
// the file is there, which the shell makes after the settings hold, and it has the focus.
class Terminal {
public:
    Terminal(WaylandSession& session, const QString& title, const QString& file)
        : file_(session.path(file)) {
        session.start(process_, "foot",
                      {"--title=" + title, "sh", "-c",
                       "stty -icanon -isig -iexten -ixon -echo && exec cat > '" + file_ + "'"});
        started = awaitCondition([&] {
            return QFile::exists(file_) && focusedWindow(session).pid == process_.processId();
        });
    }
    ~Terminal() {
        if (process_.state() != QProcess::NotRunning)
            end();
    }
    QString received() const {
        QFile file(file_);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // Ends it and returns what it wrote to standard error.
    QByteArray end() {
        process_.terminate(); // foot ends its shell on the way
        if (!process_.waitForFinished(e2eDeadlineMs))
            process_.kill();
        return process_.readAllStandardError();
    }
    bool started = false;

private:
    QString file_;
    QProcess process_;
};

struct Result {
    double seconds = 0; // exec to the last change of the file
    double first = 0;   // exec to the first byte
    int wrong = 0;
    // The compositor dropped the terminal's connection: nothing more reached it.
    bool disconnected = false;
};

const QString title = QStringLiteral("Bench Target");

// Starts the sender in a fresh focused terminal and waits until the terminal has the whole
// text, or has stopped changing for a second after the sender ended, or for ten seconds.
Result measure(WaylandSession& session, const QString& expected,
               const std::function<void(UserProcess&)>& start) {
    static int number = 0;
    Terminal target(session, title, QString("typed-%1").arg(++number));
    if (!target.started) {
        std::fprintf(stderr, "foot did not start.\n");
        return {0, 0, int(expected.size())};
    }
    UserProcess sender;
    QElapsedTimer clock;
    clock.start();
    start(sender);
    QString last;
    double lastChange = 0, first = -1;
    for (;;) {
        const QString text = target.received();
        if (text != last) {
            last = text;
            lastChange = double(clock.nsecsElapsed()) / 1e9;
            if (first < 0)
                first = lastChange;
        }
        const double quiet = double(clock.nsecsElapsed()) / 1e9 - lastChange;
        if (text == expected || quiet > 10 || (sender.state() == QProcess::NotRunning && quiet > 1))
            break;
        QThread::msleep(1);
    }
    // Never two senders at once: the next run's keys would go to this one's terminal.
    if (!sender.waitForFinished(e2eDeadlineMs))
        std::fprintf(stderr, "the sender did not end\n");
    if (const QByteArray error = sender.readAllStandardError().trimmed();
        last != expected && !error.isEmpty())
        std::fprintf(stderr, "%s\n", error.constData());
    return {lastChange, std::max(first, 0.0), editDistance(expected, last),
            target.end().contains("disconnected from Wayland")};
}

// The median run by time; the first key's time and the rate from it on are medians of their own.
class Table {
public:
    Table() {
        std::printf("%-8s %-36s %11s %8s %10s   %-16s %9s %11s\n", "sender", "text", "count",
                    "seconds", "per second", "lost/wrong", "first key", "then per s");
    }
    void row(const char* sender, const char* text, qsizetype count, const char* unit,
             const std::vector<Result>& results) {
        QStringList wrong;
        std::vector<double> seconds, first, then;
        for (const Result& result : results) {
            wrong << QString::number(result.wrong) + (result.disconnected ? "*" : "");
            anyDisconnected |= result.disconnected;
            seconds.push_back(result.seconds);
            first.push_back(result.first);
            // Polled every millisecond: a shorter span says nothing.
            const double span = std::max(result.seconds - result.first, 0.001);
            then.push_back(double(count - 1) / span);
        }
        const double median = medianOf(seconds);
        const QString counted = QString("%1 %2").arg(count).arg(unit);
        std::printf("%-8s %-36s %11s %8.3f %10.0f   %-16s %8.3fs %11.0f\n", sender, text,
                    qPrintable(counted), median, median > 0 ? double(count) / median : 0.0,
                    qPrintable(wrong.join(u' ')), medianOf(first), medianOf(then));
        std::fflush(stdout);
    }

    void end() const {
        if (anyDisconnected)
            std::printf("* the compositor disconnected foot during the run: nothing after reached "
                        "it\n");
    }

private:
    bool anyDisconnected = false;

    static double medianOf(std::vector<double> values) {
        std::ranges::sort(values);
        return values[values.size() / 2];
    }
};

class Bench {
public:
    explicit Bench(WaylandSession& session)
        : session_(session)
        , tandrel_(snapshot()) {}

    // Program lines, written with CR LF line ends, run by name.
    Result tandrel(const QStringList& lines, const QString& expected) {
        const QStringList program =
            QStringList{"{Focus On}" + title} + lines + QStringList{"{eXit}"};
        if (!session_.write("drive_c/TANDREL/PROGRAMS/BENCH.TDX",
                            (program.join("\r\n") + "\r\n").toUtf8())) {
            std::fprintf(stderr, "the program could not be written\n");
            return {0, 0, int(expected.size())};
        }
        return measure(session_, expected,
                       [&](UserProcess& process) { session_.start(process, tandrel_, {"BENCH"}); });
    }

    Result wtype(const QString& text) {
        return measure(session_, text,
                       [&](UserProcess& process) { session_.start(process, "wtype", {text}); });
    }

    void text(Table& table, const char* name, const QString& text) {
        const QStringList lines = linesOf(text);
        // Each paste line ends with Enter, which reaches the shell as a newline.
        const QString typed = lines.join(u'\n') + u'\n';
        std::vector<Result> ours, theirs;
        for (int run = 0; run < runs; ++run) {
            ours.push_back(tandrel(prefixed(lines, "{Text Paste}"), typed));
            theirs.push_back(wtype(typed));
        }
        table.row("tandrel", name, typed.size(), "ch", ours);
        table.row("wtype", name, typed.size(), "ch", theirs);
    }

    void keys(Table& table, int count) {
        const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << alphabet.at(i % alphabet.size());
        std::vector<Result> results;
        for (int run = 0; run < runs; ++run)
            results.push_back(tandrel(lines, lines.join(QString())));
        table.row("tandrel", "single-key lines", count, "lines", results);
    }

    // The first start installs onto the empty drive; it is no part of the figures.
    bool warmUp() { return tandrel({"w"}, "w").wrong == 0; }

private:
    // A copy of the program: a rebuild during the runs would change it or take it away.
    QString snapshot() {
        const QString copy = snapshotDir_.filePath(QStringLiteral("tandrel"));
        QFile::copy(QStringLiteral(TANDREL_PATH), copy);
        return session_.executable(copy);
    }

    static QStringList prefixed(QStringList lines, const QString& prefix) {
        for (QString& line : lines)
            line.prepend(prefix);
        return lines;
    }

    WaylandSession& session_;
    QTemporaryDir snapshotDir_;
    QString tandrel_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int length = argc > 1 ? std::atoi(argv[1]) : 1000;
    WaylandSession session(WaylandSession::Compositor::Sway);
    if (!session.ready) {
        std::fprintf(stderr, "sway did not start:\n%s\n", qPrintable(session.log()));
        return 1;
    }
    Bench bench(session);
    if (!bench.warmUp())
        std::fprintf(stderr, "The warm-up run did not type its key.\n");
    std::printf("Typing into foot under headless sway, median of %d runs, timed from exec\n", runs);
    Table table;
    bench.text(table, "ASCII", asciiText(length));
    bench.text(table, "mixed, with characters on no US key", mixedText(length));
    bench.keys(table, 300);
    table.end();
    return 0;
}
