// A failing line stops the run and brings the editor back at that line.

#include "platform/unavailable.h"
#include "runner/run_error_text.h"
#include "window/colours.h"
#include "window/tandrel.h"

namespace tandrel {

// The failing line itself is always selected and named, the last line of the program
// included.
void Tandrel::ShowRunError(int index, const QString& line, const QString& reason) {
    showMaximized();
    List2->setCurrentRow(index);
    List2->scrollToItem(List2->currentItem());
    Picture1->hide();
    for (QWidget* button : {Command1, Command12, Command2, Command8})
        button->show();
    platform.clock.yield();

    const int lineNumber = List2->currentRow() + 1;
    if (const std::optional<QString> specific = specificRunErrorText(line, lineNumber))
        platform.messages.inform(*specific);
    // Without an X server no key can be typed at all; say so rather than blame the line.
    if (isSessionReason(reason))
        platform.messages.inform(reason);
    setBackground(Command3, classicColour(PaletteColour::LightGreen));
    globals.PanelMode = 0;
    platform.clock.yield();
    platform.messages.inform(generalRunErrorText);
    CloseRun();
}

} // namespace tandrel
