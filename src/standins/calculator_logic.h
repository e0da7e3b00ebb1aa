#pragma once

#include <QChar>
#include <QString>

namespace tandrel {

// A pocket calculator that works each operator out as soon as the next one (or "=") comes,
// left to right without precedence: "5 - 2 = * 4 =" shows 12. A second "=" repeats the last
// operation.
class CalculatorLogic {
public:
    // One key: a digit, ".", "+", "-", "*", "/" or "="; any other is ignored.
    void press(QChar key);
    void clear();
    // Takes the last digit of a number being typed; a result stays.
    void backspace();
    QString display() const { return display_; }

private:
    // A result goes on unrounded: 1 / 3 * 3 is 1, though 0.333333333333333 is shown.
    double displayed() const { return typing_ ? display_.toDouble() : accumulator_; }
    // Works out value operator operand, or shows the error and returns false.
    bool apply(double& value, QChar op, double operand);
    void showResult(double value);

    QString display_ = QStringLiteral("0");
    double accumulator_ = 0;
    QChar pending_; // the operator waiting for its second operand, null for none
    QChar lastOp_;  // what a further "=" repeats
    double lastOperand_ = 0;
    bool typing_ = false; // the display is a number being typed
    bool error_ = false;  // the display is a message until the next number or clear
};

} // namespace tandrel
