#include "standins/calculator_logic.h"

#include <algorithm>
#include <cmath>

namespace tandrel {

namespace {

// As many digits as a result shows; more would be lost in the arithmetic and widen the window
// without end.
constexpr qsizetype maxDigits = 15;

bool isOperator(QChar key) {
    return QStringLiteral("+-*/").contains(key);
}

} // namespace

void CalculatorLogic::press(QChar key) {
    const bool digit = key.isDigit() && key.unicode() < 128;
    if (error_ && !digit && key != QLatin1Char('.'))
        return;
    if (digit || key == QLatin1Char('.')) {
        if (error_)
            clear();
        if (!typing_)
            display_ = QStringLiteral("0");
        typing_ = true;
        if (key == QLatin1Char('.')) {
            if (!display_.contains(key))
                display_ += key;
        } else if (display_ == QLatin1String("0")) {
            display_ = key;
        } else if (std::count_if(display_.cbegin(), display_.cend(),
                                 [](QChar c) { return c.isDigit(); }) < maxDigits) {
            display_ += key;
        }
    } else if (isOperator(key)) {
        // An operator right after another replaces it.
        if (pending_.isNull() || typing_) {
            double value = displayed();
            if (!pending_.isNull()) {
                value = accumulator_;
                if (!apply(value, pending_, displayed()))
                    return;
            }
            accumulator_ = value;
            showResult(value);
            if (error_)
                return;
        }
        pending_ = key;
        typing_ = false;
    } else if (key == QLatin1Char('=')) {
        double value = displayed();
        if (!pending_.isNull()) {
            // "5 + =" adds the shown value to itself.
            lastOp_ = pending_;
            lastOperand_ = displayed();
            value = accumulator_;
        }
        pending_ = QChar();
        typing_ = false;
        if (lastOp_.isNull()) {
            accumulator_ = value;
        } else if (apply(value, lastOp_, lastOperand_)) {
            accumulator_ = value;
            showResult(value);
        }
    }
}

void CalculatorLogic::clear() {
    *this = CalculatorLogic();
}

void CalculatorLogic::backspace() {
    if (!typing_)
        return;
    display_.chop(1);
    if (display_.isEmpty() || display_ == QLatin1String("-"))
        display_ = QStringLiteral("0");
}

bool CalculatorLogic::apply(double& value, QChar op, double operand) {
    switch (op.unicode()) {
    case '+':
        value += operand;
        break;
    case '-':
        value -= operand;
        break;
    case '*':
        value *= operand;
        break;
    case '/':
        if (operand == 0) {
            display_ = QStringLiteral("Cannot divide by zero");
            error_ = true;
            pending_ = lastOp_ = QChar();
            typing_ = false;
            return false;
        }
        value /= operand;
        break;
    }
    return true;
}

void CalculatorLogic::showResult(double value) {
    if (!std::isfinite(value)) {
        display_ = QStringLiteral("Overflow");
        error_ = true;
        pending_ = lastOp_ = QChar();
        typing_ = false; // a message takes no backspace
        return;
    }
    // Fifteen digits hide the binary rounding: 0.1 + 0.2 shows 0.3.
    display_ = QString::number(value, 'g', 15);
    if (display_ == QLatin1String("-0"))
        display_ = QStringLiteral("0");
}

} // namespace tandrel
