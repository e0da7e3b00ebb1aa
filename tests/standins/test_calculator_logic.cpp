#include "standins/calculator_logic.h"

#include <gtest/gtest.h>

using namespace tandrel;

// Keys as typed, "C" for Escape and "<" for Backspace, and the display they leave.
TEST(CalculatorLogic, WorksEachOperatorOutWhenTheNextComes) {
    const std::pair<const char*, const char*> rows[] = {
        {"5-2=*4=/6=+9=", "11"}, // the calculator sample
        {"12+3*2=", "30"},       // left to right, no precedence
        {"0.1+0.2=", "0.3"},     {"5+=", "10"},    {"2+3==", "8"},
        {"5+3=2=", "5"},         {"5+-3=", "2"},   {"7/0=", "Cannot divide by zero"},
        {"7/0=+4+1=", "5"},      {"1..5", "1.5"},  {"007", "7"},
        {"123<<", "1"},          {"123=<", "123"}, {"9999999999*=*==*====*999999999*<", "Overflow"},
        {"9*9C", "0"},           {"3x+a1=", "4"},  {"1234567890123456", "123456789012345"},
        {"1/3=*3=", "1"},
    };
    for (const auto& [keys, expected] : rows) {
        CalculatorLogic calculator;
        for (const char key : std::string_view(keys)) {
            if (key == 'C')
                calculator.clear();
            else if (key == '<')
                calculator.backspace();
            else
                calculator.press(QLatin1Char(key));
        }
        EXPECT_EQ(calculator.display(), expected) << keys;
    }
}
