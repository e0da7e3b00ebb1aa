#pragma once

#include <QColor>
#include <QWidget>

namespace tandrel {

// Indexes of the classic 16-colour palette that the window uses.
enum class PaletteColour {
    LightGreen = 10,
    LightCyan = 11,
    LightMagenta = 13,
    Yellow = 14,
    White = 15
};

QColor classicColour(PaletteColour colour);

// The background of buttons, labels and text boxes alike.
void setBackground(QWidget* control, const QColor& colour);
QColor backgroundOf(const QWidget* control);

} // namespace tandrel
