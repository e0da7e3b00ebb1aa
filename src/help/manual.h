#pragma once

#include <QStringList>

namespace tandrel {

// The help manual's text lines, in order; the last one is "<< END OF HELPS >>".
QStringList helpManualLines();

// The help index entries, in order; several begin with blanks, two are empty.
QStringList helpIndexEntries();

// The line where an index entry's topic starts: the first line, from 0 up to one past the last
// (which reads as empty), whose beginning equals the entry character for character. None is -1.
int topicLineOf(const QString& entry, const QStringList& lines);

} // namespace tandrel
