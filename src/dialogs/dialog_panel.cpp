// The dialog panel in which special-function lines are composed: its opening, the commit
// that hands the line to the program, and the closing back to editing.

#include "dialogs/function_dialogs.h"
#include "dialogs/line_commit.h"
#include "dialogs/timer_lines.h"
#include "window/colours.h"
#include "window/tandrel.h"

#include <QScopedValueRollback>

namespace tandrel {

void Tandrel::setPromptPointSize(qreal points) {
    QFont font = Label21->font();
    font.setPointSizeF(points);
    Label21->setFont(font);
}

void Tandrel::openDialogPanel() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{List2, Command1, Command12, Command2, Command8})
        control->hide();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Text8, Label21, Text3, Command4, Command5})
        control->show();
    Text7->hide();
    Command2->setText(QStringLiteral("Save"));
}

QList<ListChoice> Tandrel::choicesOf(const QListWidget* list) const {
    QList<ListChoice> choices;
    for (int row = 0; row < list->count(); ++row)
        choices.append({list->item(row)->text(), list->item(row)->isSelected()});
    return choices;
}

void Tandrel::Command4_Click() {
    if (committing)
        return;
    const QScopedValueRollback inCommit(committing, true);
    if (Text3->text().startsWith(daysMark)) {
        Text3->setText(composeDaysLine(choicesOf(List1), Text10->text()));
        for (QWidget* control : std::initializer_list<QWidget*>{Text10, List1, Text8})
            control->hide();
    }
    if (Text3->text().startsWith(dateMark)) {
        Text3->setText(
            composeDateLine(choicesOf(List4), choicesOf(List3), choicesOf(List5), Text10->text()));
        for (QWidget* control : std::initializer_list<QWidget*>{Text10, List3, Text8, List4, List5})
            control->hide();
    }
    const int stops = stopCount(Text3->text(), Text7->text());
    Text3->setText(cutToBareToken(Text3->text()));
    setPromptPointSize(10);
    Text7->hide();
    if (const std::optional<QString> line =
            committedLine(Command2->text(), Text3->text(), Text7->text()))
        globals.PendingLine = *line;
    Text3->setText(QStringLiteral(" "));
    Text7->setText(QStringLiteral(" "));
    InsertPendingLine();
    platform.clock.waitFor(100);
    if (stops == 1) {
        hideDialogPanel();
        returnToTyping();
        platform.messages.inform(stopFocusText());
        platform.clock.yield();
        Label17_Click();
        return;
    }
    Command5_Click();
}

void Tandrel::hideDialogPanel() {
    Command8->show();
    Command2->show();
    for (QWidget* control : std::initializer_list<QWidget*>{Text4, Drive1, Dir1, File1})
        control->hide();
    Text3->clear();
    List2->show();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Label21, Text3, Command4, Command5, Text7})
        control->hide();
    Command2->setText(QStringLiteral("Save"));
    Command1->show();
    Command12->show();
    setBackground(Command2, classicColour(PaletteColour::LightGreen));
    Command8->setText(QStringLiteral("Run From Command Line"));
    setBackground(Command8, classicColour(PaletteColour::LightGreen));
}

void Tandrel::Command5_Click() {
    for (QWidget* control : std::initializer_list<QWidget*>{Text10, List1, Text8})
        control->hide();
    hideDialogPanel();
    for (QWidget* control : {List3, List4, List5})
        control->hide();
    if (selectedLine() < 0)
        bringEndIntoView();
    returnToTyping();
}

void Tandrel::Text3_Click() {
    if (globals.SecondFilePending == 2) {
        globals.SecondFilePending = 0;
        if (!Text3->text().contains(QLatin1Char('*')))
            Text3->setText(Text3->text() + QStringLiteral(" * "));
    }
    Text3->end(false);
}

void Tandrel::Text3_KeyUp(int keyCode) {
    if (keyCode == shiftKeyCode)
        globals.ShiftChoice = 0;
}

} // namespace tandrel
