#pragma once

#include <QStringList>

namespace tandrel {

// A line that carries an argument (a path, a title, tenths, a message) can be opened for
// editing; every other line can only be deleted and typed anew.
bool isEditableLine(const QString& line);

// The program that UNDO puts back and the line it selects, -1 for none.
struct UndoRestore {
    QStringList lines;
    int selected = -1;

    friend bool operator==(const UndoRestore&, const UndoRestore&) = default;
};

// snapshot: the copy taken before the last change; selectedBefore: the line selected when
// UNDO is pressed, -1 for none.
UndoRestore restoreFromSnapshot(const QStringList& snapshot, int selectedBefore);

} // namespace tandrel
