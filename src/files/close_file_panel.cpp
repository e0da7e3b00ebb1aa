// Closing the save and open panel, whatever it was opened for.

#include "window/tandrel.h"

namespace tandrel {

void Tandrel::CloseFilePanel() {
    List2->resize(13215 / 15, List2->height());
    for (QWidget* control : std::initializer_list<QWidget*>{Text4, Text5, Drive1, Dir1, File1,
                                                            Command7, Command6, Label13})
        control->hide();
    Command7->setText(QStringLiteral("Do Not Save Yet"));
    Command6->setText(QStringLiteral("Save File"));
    if (globals.PanelMode == 1)
        startChosenRun();
    globals.PanelMode = 0;
    Text8->hide();
    returnToTyping();
}

} // namespace tandrel
