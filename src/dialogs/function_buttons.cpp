// The buttons of the special-function column that open the dialog panel with a token and a
// prompt.

#include "dialogs/function_dialogs.h"
#include "window/tandrel.h"

namespace tandrel {

void Tandrel::openSpecialFunction(SpecialFunction function) {
    const SpecialFunctionDialog dialog = specialFunctionDialog(function);
    openDialogPanel();
    if (dialog.showsFilePanel)
        for (QWidget* control : std::initializer_list<QWidget*>{Text4, Drive1, Dir1, File1})
            control->show();
    if (dialog.smallPrompt)
        setPromptPointSize(8);
    Label21->setText(dialog.prompt);
    if (function == SpecialFunction::Stop) {
        // Only a sample of the box a {Stop} line shows: either answer opens the dialog.
        platform.messages.ask(stopSampleText(), applicationTitle, Buttons::OkCancel);
    }
    Text3->setText(dialog.token);
    Text3->end(false);
    Text3->setFocus();
}

void Tandrel::Label6_Click() {
    openSpecialFunction(SpecialFunction::Stop);
}

void Tandrel::Label7_Click() {
    openSpecialFunction(SpecialFunction::ClipWait);
}

void Tandrel::Label10_Click() {
    openSpecialFunction(SpecialFunction::FileCopy);
}

void Tandrel::Label11_Click() {
    openSpecialFunction(SpecialFunction::FileErase);
}

void Tandrel::Label12_Click() {
    openSpecialFunction(SpecialFunction::FilePaste);
}

void Tandrel::Label14_Click() {
    openSpecialFunction(SpecialFunction::FileRename);
}

void Tandrel::Label15_Click() {
    openSpecialFunction(SpecialFunction::FileWait);
}

void Tandrel::Label16_Click() {
    openSpecialFunction(SpecialFunction::RunProgram);
    platform.clock.yield();
    platform.messages.inform(runProgramHelpText());
}

void Tandrel::Label17_Click() {
    platform.clock.yield();
    openDialogPanel();
    platform.clock.yield();
    Text7->clear();
    openSpecialFunction(SpecialFunction::FocusOn);
}

void Tandrel::Label18_Click() {
    openSpecialFunction(SpecialFunction::Wait);
}

void Tandrel::Label23_Click() {
    openSpecialFunction(SpecialFunction::TextPaste);
}

void Tandrel::Label27_Click() {
    openSpecialFunction(SpecialFunction::Note);
}

} // namespace tandrel
