// Create, which puts the window into the editing mode for a new program, and the four lines
// that need no dialog.

#include "window/colours.h"
#include "window/tandrel.h"

namespace tandrel {

namespace {

const QString newProgramQuestion =
    QStringLiteral("You have a program loaded. Press OK to delete it and start a new one. Press "
                   "Cancel to stop this option.");

} // namespace

void Tandrel::Label1_Click() {
    Command11_Click(); // closes the file-action panel
    setBackground(Label2, classicColour(PaletteColour::White));
    setBackground(Label19, classicColour(PaletteColour::White));
    if (!Picture1->isHidden()) {
        List2->clear();
        Command5_Click();
    }
    Text6->hide();
    Picture1->hide();
    for (QWidget* control : {Command1, Command12, Command2, Command8})
        control->show();
    Text8->hide();
    globals.PanelMode = 0;
    showMaximized();
    for (QWidget* control : std::initializer_list<QWidget*>{Label4, Text1, Text2})
        control->show();
    Text2->setCursorPosition(0);
    Text2->setFocus();
    CloseFilePanel();
    if (globals.SkipNewProgramQuestion == 0 && List2->count() >= 1) {
        platform.clock.yield();
        if (platform.messages.ask(newProgramQuestion, applicationTitle, Buttons::OkCancel) ==
            Answer::Ok) {
            List2->clear();
            Label25->clear();
        } else {
            Text8->hide();
        }
    }
    globals.SkipNewProgramQuestion = 0;
}

void Tandrel::insertBareLine(const QString& token) {
    // The dialog field carries the token, closed as it is, until a dialog opens or closes.
    Text3->setText(token);
    globals.PendingLine = Text3->text();
    InsertPendingLine();
}

void Tandrel::Label8_Click() {
    insertBareLine(QStringLiteral("{Clip Paste}"));
}

void Tandrel::Label9_Click() {
    insertBareLine(QStringLiteral("{Clip Clear}"));
}

void Tandrel::Label22_Click() {
    insertBareLine(QStringLiteral("{Start Again}"));
}

void Tandrel::Label30_Click() {
    insertBareLine(QStringLiteral("{eXit}"));
}

} // namespace tandrel
