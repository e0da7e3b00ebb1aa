#pragma once

// The check's table of program lines: the unit test checks the findings, the window test that
// the runner fails and sends as the check says.

#include "runner/program_check.h"

#include <QList>
#include <QStringList>

namespace tandrel::check_rows {

struct Row {
    QStringList program;
    int line; // of the one finding; 0 for a clean program
    Severity severity;
    QString fragment;
    const char* reason;
};

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

const QList<Row> rows = {
    {{"a", "%", "(", "{ENTER}", "{F16}", "{ALT}{F4}", "{CTRL}AB", "{SHIFT}", "{Note}x", "ab", ""},
     0,
     W,
     "",
     "key lines, notes and plain text"},
    {{"{File Copy}C:\\a.txt * C:\\b.txt", "{File Rename}C:\\a * C:\\b", "{File Erase}C:\\a",
      "{File Paste}C:\\a", "{File Wait}C:\\close.txt", "{Run Program}C:\\WINDOWS\\NOTEPAD.EXE",
      "{Focus On}untitled", "{Wait}12", "{Wait} 2.5 ", "{Stop}  done", "{Clip Wait}Total",
      "{Clip Paste}", "{Clip Clear}", "{Text Paste}50% off",
      "{DATE}2026 - December, 7   4:58:20 PM", "{DAYS}Mondays,Fridays, 2:05:00 PM", "{eXit}"},
     0,
     W,
     "",
     "every special line in its composed form"},
    {{"{File Copy}C:\\a.txt C:\\b.txt"}, 1, E, "no \"*\"", "no separator"},
    {{"{File Copy} *x"}, 1, E, "too close", "no room for a first path"},
    {{"{File Copy}C:\\a.txt*C:\\b.txt"}, 1, E, "copies \"C:\\a.tx\" to \":\\b.txt\"", "cut paths"},
    {{"{File Rename}C:\\a * "}, 1, E, "no second file", "nothing after the separator"},
    {{"{Wait}"}, 1, E, "not a number of tenths", "wait without a number"},
    {{"{DATE}2027 - Januar, 14   4:58 PM"}, 1, E, "not the name of a month", "month"},
    {{"{DATE}2027 - January, 14   4.58 PM"}, 1, E, "no \":\"", "time without colon"},
    {{"{DAYS} 2:05 PM"}, 1, E, "names no day", "no week day"},
    {{"{DAYS}Mondays, 25:00"}, 1, E, "no hour from 0 to 23", "hour out of range"},
    {{"{File Wait}close.txt"}, 1, E, "names no directory", "file wait without \\"},
    {{"{Text Paste}"}, 1, E, "There is no text to paste.", "empty text paste"},
    {{"{Text Paste}{ENTER"}, 1, E, "has no \"}\"", "unclosed brace"},
    {{"{Text Paste}a}b"}, 1, E, "has no \"{\"", "stray brace"},
    {{"{Text Paste}%(FX"}, 1, E, "has no \")\"", "unclosed group"},
    {{"{ALT}{F17}"}, 1, E, "\"{F17}\" is not the name of a key", "unknown name in a key line"},
    {{"{Exit}"}, 1, W, "not \"{eXit}\" exactly", "exit in another case"},
    {{"{wait}5"}, 1, W, "mark \"{Wait}\"", "mark in another case"},
    {{"{file copy}C:\\a * C:\\b"}, 1, W, "mark \"{File Copy}\"", "two-word mark"},
    {{"{Enter}"}, 1, W, "not \"{ENTER}\" exactly", "named key in another case"},
    {{"{ ENTER}"}, 1, W, "not \"{ENTER}\" exactly", "blank inside the braces"},
    {{" {ENTER}"}, 1, W, "not \"{ENTER}\" exactly", "blank before the token"},
    {{"{F17}"}, 1, W, "neither a mark nor the name of a key", "no such key"},
    {{"{DATE}2005 - January, 14   4:58:20 PM"}, 1, W, "2005-01-14 has passed", "past date"},
    {{"{DATE}2027 - February, 30   4:58 PM"}, 1, W, "does not exist", "no such day"},
    {{"{Focus On}"}, 1, W, "no window title", "empty title"},
    {{"{File Copy}C:\\a * C:\\b*c"}, 1, W, "holds \"*\"", "star in the second path"},
    {{"{Run Program}C:\\WINDOWS\\CALC.EXE"}, 1, W, "no program can be found", "missing now"},
    {{"{eXit}", "{Note}x", "", "a", "b"}, 4, W, "line 1, \"{eXit}\", ends", "after exit, once"},
    {{"{Start Again}", "{Wait}5"}, 2, W, "starts the program over", "after start again"},
};

} // namespace tandrel::check_rows
