// Changing lines already in the program: deleting by double click, the edit toggle of a
// second slow click, and UNDO.

#include "window/colours.h"
#include "window/insertion.h"
#include "window/line_editing_rules.h"
#include "window/tandrel.h"

namespace tandrel {

void Tandrel::List2_DblClick() {
    const int doomed = selectedLine();
    if (doomed < 0)
        return;
    SaveUndoCopy();
    delete List2->takeItem(doomed);
    setBackground(Command3, classicColour(PaletteColour::LightGreen));
    for (QWidget* control : {Command1, Command12, Command2, Command8})
        control->show();
    for (QWidget* control : std::initializer_list<QWidget*>{Text4, Drive1, Dir1, File1})
        control->hide();
    Text3->clear();
    List2->show();
    for (QWidget* control : std::initializer_list<QWidget*>{Label21, Text3, Command4, Command5})
        control->hide();
    // The second press of a double click may have opened an edit for the line now gone; an
    // "OK" or an insertion would then overwrite the line that took its place.
    hideEditDisplay();
    if (Label21->text() == editPromptText)
        Label21->clear();
    const int next = doomed < List2->count() ? doomed : -1;
    platform.clock.yield();
    selectLine(next);
    List2->setFocus();
    platform.clock.yield();
    returnToTyping();
}

void Tandrel::List2_GotFocus() {
    hideEditDisplay();
    if (Label21->text() == editPromptText) {
        Label21->clear();
        setBackground(Command3, classicColour(PaletteColour::LightGreen));
        Command5_Click();
        return;
    }
    const int selected = selectedLine();
    const QString line = selected < 0 ? QString() : List2->item(selected)->text();
    if (line.size() < 2) {
        returnToTyping();
        setBackground(Command3, classicColour(selected < 0 ? PaletteColour::LightCyan
                                                           : PaletteColour::LightGreen));
        return;
    }
    if (!isEditableLine(line))
        return;
    Command1->hide();
    Command12->hide();
    Command2->setText(QStringLiteral("OK"));
    Command8->setText(QStringLiteral("Cancel This Edit"));
    setBackground(Command2, classicColour(PaletteColour::LightGreen));
    setBackground(Command8, QColor(255, 162, 162));
    Label21->setText(editPromptText);
    Label21->show();
    Text7->setText(line);
    Text7->show();
    returnToTyping();
}

void Tandrel::Command9_Click() {
    // Disabled means the snapshot was restored already or none was taken: putting back an
    // old or empty copy would lose the program.
    if (!Command9->isEnabled())
        return;
    const int selected = selectedLine();
    setBackground(Command9, classicColour(PaletteColour::White));
    Command9->setEnabled(false);
    QStringList snapshot;
    for (int row = 0; row < List6->count(); ++row)
        snapshot << List6->item(row)->text();
    const UndoRestore restore = restoreFromSnapshot(snapshot, selected);
    List2->clear();
    List2->addItems(restore.lines);
    selectLine(restore.selected);
    if (restore.lines.size() > 2 && restore.selected < 0)
        bringEndIntoView();
    returnToTyping();
}

} // namespace tandrel
