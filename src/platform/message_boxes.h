#pragma once

#include <QString>

namespace tandrel {

inline const QString applicationTitle = QStringLiteral("Tandrel");

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed (closing the box counts as Cancel,
    // or No where there is no Cancel, or Ok for a box with only OK).
    virtual Answer ask(const QString& text, const QString& title, Buttons buttons) = 0;

    void inform(const QString& text, const QString& title = applicationTitle) {
        ask(text, title, Buttons::Ok);
    }
};

} // namespace tandrel
