#pragma once

#include "script/keystroke_notation.h"

#include <QList>
#include <QString>

namespace tandrel {

// The keystroke text that parses to exactly these keys: each key with the symbols of its
// modifiers in front ("+^%"), the notation's special characters in braces, modifiers tapped
// alone as an empty group ("%()").
QString keystrokeText(const QList<KeyAction>& actions);

} // namespace tandrel
