#include "window/line_editing_rules.h"

namespace tandrel {

bool isEditableLine(const QString& line) {
    static const QStringList editableTokens = {
        QStringLiteral("{File Copy}"),   QStringLiteral("{File Rename}"),
        QStringLiteral("{Clip Wait}"),   QStringLiteral("{Wait}"),
        QStringLiteral("{Run Program}"), QStringLiteral("{File Wait}"),
        QStringLiteral("{Focus On}"),    QStringLiteral("{Text Paste}"),
        QStringLiteral("{File Paste}"),  QStringLiteral("{File Erase}"),
        QStringLiteral("{Note}"),        QStringLiteral("{Stop}"),
    };
    if (line.size() < 2)
        return false;
    for (const QString& token : editableTokens) {
        if (line.contains(token, Qt::CaseSensitive))
            return true;
    }
    return false;
}

UndoRestore restoreFromSnapshot(const QStringList& snapshot, int selectedBefore) {
    UndoRestore restore{snapshot, -1};
    while (!restore.lines.isEmpty() && restore.lines.last().isEmpty())
        restore.lines.removeLast();
    // A remembered line beyond the restored program selects nothing.
    if (restore.lines.size() > 2 && selectedBefore < restore.lines.size())
        restore.selected = selectedBefore;
    return restore;
}

} // namespace tandrel
