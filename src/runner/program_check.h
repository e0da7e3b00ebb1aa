#pragma once

#include "script/script_lines.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tandrel {

// What a line would do when run, read with the runner's own classification and readers, so
// that a check or a dry run of the line cannot tell a different story from the run.
struct LinePlan {
    ScriptLine script;
    // The keystroke texts the line hands to the sender, in order ("{Text Paste}" lines: the
    // text, then "~").
    QStringList sends;
    // Why the line fails whatever the desktop holds, before anything is sent; empty when the
    // line's argument reads.
    QString failure;
    TwoPaths paths;    // "{File Copy}", "{File Rename}"
    qint64 waitMs = 0; // "{Wait}"
    DateLine date;
    DaysLine days;
};

LinePlan planLine(const QString& line);

// Why the sender would refuse the first text it cannot type, naming the text; empty when it
// takes them all.
QString sendFailure(const LinePlan& plan);

// The day of a "{DATE}" line as "2005-01-14".
QString dayText(const DateLine& date);

enum class Severity { Warning, Error };

struct Finding {
    int line = 0; // from 1
    Severity severity = Severity::Warning;
    QString message;
    friend bool operator==(const Finding&, const Finding&) = default;
};

// What a check may ask about the world outside the program.
struct CheckContext {
    QDate today;
    // Whether a "{Run Program}" command line names a program that can be started now.
    std::function<bool(const QString& commandLine)> programFound;
};

// Errors are lines the run would fail on; warnings are lines that are ignored although they
// look meant, waits that never end, lines that can never run and programs missing now.
QList<Finding> checkProgram(const QStringList& lines, const CheckContext& context);

} // namespace tandrel
