#include "window/colours.h"

#include <QPushButton>

namespace tandrel {

QColor classicColour(PaletteColour colour) {
    switch (colour) {
    case PaletteColour::LightGreen:
        return QColor(0, 255, 0);
    case PaletteColour::LightCyan:
        return QColor(0, 255, 255);
    case PaletteColour::LightMagenta:
        return QColor(255, 0, 255);
    case PaletteColour::Yellow:
        return QColor(255, 255, 0);
    case PaletteColour::White:
        break;
    }
    return QColor(255, 255, 255);
}

namespace {

QPalette::ColorRole backgroundRole(const QWidget* control) {
    return qobject_cast<const QPushButton*>(control) ? QPalette::Button : QPalette::Window;
}

} // namespace

void setBackground(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(backgroundRole(control), colour);
    palette.setColor(QPalette::Base, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QColor backgroundOf(const QWidget* control) {
    return control->palette().color(backgroundRole(control));
}

} // namespace tandrel
