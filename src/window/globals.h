#pragma once

#include <QString>
#include <QtGlobal>

namespace tandrel {

// The process-wide state that is not held by a control; start-up resets it.
struct Globals {
    QString PendingLine;
    QString CommandLine;
    QString CommandName;
    QString HomeDir;
    QString WindowsDrive = QStringLiteral("C");
    QString ProgramPath;
    qint16 PanelMode = 0;
    qint16 SecondFilePending = 0;
    QString ActionFileName;
    qint16 LastKeyCode = 0;
    qint16 LastClickedLine = -1;
    qint16 ShiftChoice = 0;
    qint16 SkipNewProgramQuestion = 0;
};

} // namespace tandrel
