#include "window/tandrel.h"

namespace tandrel {

Tandrel::Tandrel(Platform platform, QWidget* parent)
    : QWidget(parent)
    , platform(platform) {
    buildControls();
    connectMainWindow();
    connectRunner();
    connectEditor();
    connectDialogs();
    connectFilePanel();
    connectHelp();
    connectKeyboardAndEditing();
}

void Tandrel::connectMainWindow() {
    connect(Label24, &ClickLabel::clicked, this, &Tandrel::Label24_Click);
    connect(Text6, &ClickLineEdit::clicked, this, &Tandrel::Text6_Click);
}

void Tandrel::Label24_Click() {
    platform.processEnd.endProcess();
}

void Tandrel::Text6_Click() {
    platform.processEnd.endProcess();
}

} // namespace tandrel
