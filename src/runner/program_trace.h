#pragma once

#include "script/keystroke_notation.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace tandrel {

struct Trace {
    QStringList text;
    // The run would stop at a failing line.
    bool fails = false;
};

// A dry run: each line the run would reach, its number and text, then what it would do. The
// trace ends where the run would end: after the last line, at "{eXit}", at a failing line, at
// a date wait that never ends, and at "{Start Again}", which is shown once.
Trace traceProgram(const QStringList& lines, QDate today);

// The keys in the order they go out: typed characters in quotes, a run of them without
// modifiers in one pair ("\"Hi\""), a named key by its name, each with the modifiers held
// during it ("ALT+\"F\"", "SHIFT+CTRL+END"); modifiers pressed and released alone stand by
// themselves ("SHIFT"); a control character as "U+0009".
QString describeKeys(const QList<KeyAction>& actions);

} // namespace tandrel
