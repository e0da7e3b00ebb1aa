#include "window/tandrel.h"

namespace tandrel {

void Tandrel::connectRunner() {
    connect(Command1, &QPushButton::clicked, this, &Tandrel::Command1_Click);
}

} // namespace tandrel
