// Timer - Days and Timer - Date: the dialog panel with the lists from which the commit
// composes the line.

#include "dialogs/timer_lines.h"
#include "window/tandrel.h"

namespace tandrel {

namespace {

void refill(QListWidget* list, const QStringList& entries, int selectedRow) {
    list->clear();
    list->addItems(entries);
    if (selectedRow >= 0)
        list->setCurrentRow(selectedRow);
}

} // namespace

void Tandrel::fillTimeField() {
    Text10->setText(timeFieldText(platform.clock.longTimeText(), platform.clock.now().time()));
}

void Tandrel::Label5_Click() {
    for (QWidget* control : std::initializer_list<QWidget*>{Text10, Text8, List1})
        control->show();
    refill(List1, weekDayEntries(), -1);
    openDialogPanel();
    Label21->setText(daysPrompt);
    Text3->setText(daysMark);
    fillTimeField();
}

void Tandrel::Label26_Click() {
    for (QWidget* control : std::initializer_list<QWidget*>{Text10, Text8, List3, List4, List5})
        control->show();
    const QDate today = platform.clock.now().date();
    refill(List3, monthEntries(), today.month() - 1);
    refill(List4, yearEntries(today.year()), 0);
    refill(List5, dayOfMonthEntries(), today.day() - 1);
    openDialogPanel();
    Label21->setText(datePrompt);
    Text3->setText(dateMark);
    fillTimeField();
}

} // namespace tandrel
