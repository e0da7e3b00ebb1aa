#include "window/tandrel.h"

namespace tandrel {

void Tandrel::connectEditor() {
    connect(Command3, &QPushButton::clicked, this, &Tandrel::Command3_Click);
    // Only a click of the user counts: selections made by the handlers themselves must not
    // run the click handler.
    connect(List2, &QListWidget::itemClicked, this, &Tandrel::List2_Click);
    connect(Label1, &ClickLabel::clicked, this, &Tandrel::Label1_Click);
    connect(Label8, &ClickLabel::clicked, this, &Tandrel::Label8_Click);
    connect(Label9, &ClickLabel::clicked, this, &Tandrel::Label9_Click);
    connect(Label22, &ClickLabel::clicked, this, &Tandrel::Label22_Click);
    connect(Label30, &ClickLabel::clicked, this, &Tandrel::Label30_Click);
}

} // namespace tandrel
