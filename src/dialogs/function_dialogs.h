#pragma once

#include <QString>

namespace tandrel {

// The special functions whose button opens the dialog panel with a token and a prompt; the
// timers and the one-click lines are not among them.
enum class SpecialFunction : int {
    Stop,
    ClipWait,
    FileCopy,
    FileErase,
    FilePaste,
    FileRename,
    FileWait,
    RunProgram,
    FocusOn,
    Wait,
    TextPaste,
    Note,
};

struct SpecialFunctionDialog {
    QString token;  // what the dialog field starts with
    QString prompt; // the caption of the dialog prompt
    bool showsFilePanel = false;
    bool smallPrompt = false; // the prompt is set in 8 points
};

SpecialFunctionDialog specialFunctionDialog(SpecialFunction function);

// The sample box that the Stop dialog shows before it opens.
QString stopSampleText();
// The box that every opening of the Run Program dialog shows.
QString runProgramHelpText();
// The message after a {Stop} line was committed, before the Focus On dialog opens.
QString stopFocusText();

} // namespace tandrel
