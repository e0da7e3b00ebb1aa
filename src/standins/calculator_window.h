#pragma once

#include "standins/calculator_logic.h"

#include <QWidget>

class QLabel;

namespace tandrel {

// Tandrel's stand-in for the calculator that programs written for Windows start: a window
// titled "Calculator" that takes the keys 0-9 . + - * / = and Enter, Escape to clear,
// Backspace, and copies its display with Ctrl+C; its buttons do the same for the mouse.
class CalculatorWindow : public QWidget {
public:
    CalculatorWindow();
    QString display() const { return logic_.display(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(QChar key);

    CalculatorLogic logic_;
    QLabel* display_;
};

} // namespace tandrel
