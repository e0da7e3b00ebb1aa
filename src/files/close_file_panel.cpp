// Closing the save and open panel, whatever it was opened for.

#include "window/tandrel.h"

namespace tandrel {

void Tandrel::CloseFilePanel() {
    List2->resize(13215 / 15, List2->height());
    for (QWidget* control :
         {(QWidget*)Text4, (QWidget*)Text5, (QWidget*)Drive1, (QWidget*)Dir1, (QWidget*)File1,
          (QWidget*)Command7, (QWidget*)Command6, (QWidget*)Label13})
        control->hide();
    Command7->setText(QStringLiteral("Do Not Save Yet"));
    Command6->setText(QStringLiteral("Save File"));
    globals.PanelMode = 0;
    Text8->hide();
    returnToTyping();
}

} // namespace tandrel
