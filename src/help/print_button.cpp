// Printing the program or the whole help manual on the default printer.

#include "window/tandrel.h"

#include <QCoreApplication>

namespace tandrel {

namespace {

const QString printIndent(15, u' ');

} // namespace

void Tandrel::Command12_Click() {
    // Events run between printed lines, so a second click may arrive mid-document; it is
    // answered once the current document has been ended, never woven into it.
    if (printInProgress) {
        ++printClicksWaiting;
        return;
    }
    printInProgress = true;
    const Answer answer = platform.messages.ask(
        QStringLiteral("YES to print your program - NO to print all help texts - CANCEL to "
                       "abort print."),
        applicationTitle, Buttons::YesNoCancel);
    if (answer == Answer::Yes)
        printLines(List2);
    else if (answer == Answer::No)
        printLines(List9);
    printInProgress = false;
    if (printClicksWaiting > 0) {
        --printClicksWaiting;
        Command12_Click();
    }
}

// The user may delete lines, Create or UNDO while events run between lines: the print ends
// at the list's end as it is then.
void Tandrel::printLines(const QListWidget* list) {
    for (int row = 0; row < list->count(); ++row) {
        platform.printer.setFontSize(8);
        platform.printer.setBold(false);
        platform.printer.printLine(printIndent + list->item(row)->text());
        QCoreApplication::processEvents();
    }
    const Status printed = platform.printer.endDocument();
    if (!printed)
        platform.messages.inform(QStringLiteral("Nothing was printed: ") + printed.reason());
}

} // namespace tandrel
