// The program line list and its insertion point: the common insertion, the undo snapshot,
// the bar under the list and a click on a line.

#include "window/colours.h"
#include "window/insertion.h"
#include "window/tandrel.h"

namespace tandrel {

int Tandrel::selectedLine() const {
    const QList<QListWidgetItem*> selected = List2->selectedItems();
    return selected.isEmpty() ? -1 : List2->row(selected.first());
}

void Tandrel::selectLine(int index) {
    if (index >= 0 && index < List2->count()) {
        List2->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        return;
    }
    List2->clearSelection();
    List2->setCurrentItem(nullptr);
}

void Tandrel::bringEndIntoView() {
    // Scrolling alone does it; the list does not take the focus, because a focus the user did
    // not give it must not count as a click into it.
    List2->scrollToBottom();
    selectLine(-1);
}

void Tandrel::returnToTyping() {
    Text2->setSelection(0, 200);
    Text2->setFocus();
}

void Tandrel::leaveStartPrompt() {
    if (Label4->text() != startPromptText)
        return;
    Label4->setText(usagePromptText());
    QFont font = Label4->font();
    font.setPointSizeF(8);
    Label4->setFont(font);
}

void Tandrel::InsertPendingLine() {
    const InsertionPlan plan =
        planInsertion(List2->count(), selectedLine(), Command2->text() == QLatin1String("OK"),
                      Label21->text() == editPromptText);
    SaveUndoCopy();
    switch (plan.action) {
    case InsertionPlan::Action::ReplaceText:
        List2->item(plan.index)->setText(globals.PendingLine);
        break;
    case InsertionPlan::Action::InsertAbove:
        List2->insertItem(plan.index, globals.PendingLine);
        if (plan.removeBlueLine)
            delete List2->takeItem(plan.index + 1);
        break;
    case InsertionPlan::Action::Append:
        List2->addItem(globals.PendingLine);
        break;
    }
    if (plan.clearDialogPrompt)
        Label21->clear();
    selectLine(plan.selectionAfter);
    if (selectedLine() < 0)
        bringEndIntoView();
    returnToTyping();
    leaveStartPrompt();
}

void Tandrel::SaveUndoCopy() {
    List6->clear();
    for (int row = 0; row < List2->count(); ++row)
        List6->addItem(List2->item(row)->text());
    setBackground(Command9, classicColour(PaletteColour::Yellow));
    Command9->setEnabled(true);
    returnToTyping();
}

void Tandrel::Command3_Click() {
    selectLine(-1);
    setBackground(Command3, classicColour(PaletteColour::LightCyan));
    if (List2->count() >= 1)
        bringEndIntoView();
    returnToTyping();
}

void Tandrel::List2_Click() {
    const int selected = selectedLine();
    if (selected != globals.LastClickedLine)
        List2_GotFocus();
    if (selected >= 0 && selected < List2->count() - 1)
        setBackground(Command3, classicColour(PaletteColour::LightGreen));
    if (selected < 0)
        setBackground(Command3, classicColour(PaletteColour::LightCyan));
    globals.LastClickedLine = qint16(selected);
    returnToTyping();
}

} // namespace tandrel
