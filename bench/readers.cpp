// Times the readers of user text on 10 MB lines of bad input: loading the program file,
// reading the line as a run reads it, saving it back, and parsing it as keystroke text.
// Prints figures, asserts nothing.

#include "script/keystroke_notation.h"
#include "script/program_file.h"
#include "script/script_lines.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

using namespace tandrel;

constexpr qsizetype size = 10 * 1024 * 1024;

QByteArray filled(const QByteArray& prefix, const QByteArray& unit, const QByteArray& suffix) {
    return prefix + unit.repeated(size / unit.size()) + suffix;
}

// What a run does with the line, for the kinds that read their rest.
void readAsRun(const QString& line) {
    const ScriptLine script = classifyLine(line);
    switch (script.kind) {
    case LineKind::FileCopy:
    case LineKind::FileRename:
        (void)readTwoPaths(script.rest);
        break;
    case LineKind::Wait:
        (void)readWaitMilliseconds(script.rest);
        break;
    case LineKind::Date:
        (void)readDateLine(line);
        break;
    case LineKind::Days:
        (void)readDaysLine(line);
        break;
    default:
        break;
    }
}

double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main() {
    const QList<std::pair<const char*, QByteArray>> inputs = {
        {"plain text", filled("", "x", "")},
        {"NUL bytes", filled("", QByteArray(1, '\0'), "")},
        {"invalid UTF-8", filled("", "\xC3\x28", "")},
        {"encoded surrogates", filled("", "\xED\xA0\x80", "")},
        {"lone CR", filled("x", "\r", "x")},
        {"open braces", filled("", "{", "")},
        {"braced keys", filled("", "{a}", "")},
        {"modifiers", filled("", "+^%", "")},
        {"open groups", filled("", "%(", "")},
        {"parentheses", filled("", "()", "")},
        {"{Wait} digits", filled("{Wait}", "1", "x")},
        {"{DATE} year digits", filled("{DATE}", "9", " - January, 14   4:58 PM")},
        {"{DAYS} hour digits", filled("{DAYS}Mondays, ", "9", ":00")},
        {"{File Copy} path", filled("{File Copy}", "x", " * b")},
    };
    std::printf("%-20s %10s %10s %10s %10s\n", "10 MB line", "load ms", "read ms", "save ms",
                "keys ms");
    for (const auto& [name, bytes] : inputs) {
        QElapsedTimer timer;
        timer.start();
        const QStringList lines = decodeProgram(bytes);
        const double load = msSince(timer);
        timer.restart();
        for (const QString& line : lines)
            readAsRun(line);
        const double read = msSince(timer);
        timer.restart();
        (void)encodeProgram(lines);
        const double save = msSince(timer);
        timer.restart();
        for (const QString& line : lines)
            (void)parseKeystrokes(line);
        const double keys = msSince(timer);
        std::printf("%-20s %10.1f %10.1f %10.1f %10.1f\n", name, load, read, save, keys);
    }
    return 0;
}
