#pragma once

#include "script/script_lines.h"

#include <QFlags>
#include <QList>
#include <QString>

namespace tandrel {

// Keystroke text, the notation handed to the keystroke sender:
//   an ordinary character types itself; "~" is ENTER;
//   "+", "^" and "%" hold SHIFT, CTRL and ALT for the next key, or for every key of the
//   parenthesised group right after them ("%(FX)"); they stack ("+^a");
//   "{NAME}" is one of the 36 named keys; one character in braces types that character
//   ("{+}", "{%}", "{{}", "{}}").

// The text a single-key line sends: its character, with the notation's special characters
// put into braces.
QString singleKeyText(const QString& line);
// The text a named-key line sends: the line itself.
QString namedKeyText(const QString& line);
// The text an "{ALT}", "{CTRL}" or "{SHIFT}" line sends: the symbol and a rest of one
// character or none ("%F", "+"), the rest grouped when it is longer ("%({F4})"). The rest is
// not escaped.
QString modifierLineText(LineKind kind, const QString& rest);
// The text a key line (single key, named key, modifier line) sends, by the three rules above.
QString keyLineText(const ScriptLine& line);

enum class KeyModifier : quint8 {
    Shift = 0x1,
    Ctrl = 0x2,
    Alt = 0x4,
};
Q_DECLARE_FLAGS(KeyModifiers, KeyModifier)
Q_DECLARE_OPERATORS_FOR_FLAGS(KeyModifiers)

// One step of typing, with the modifiers that are held during it.
struct KeyAction {
    enum class Kind {
        TypeChar,
        TapNamedKey,
        // Modifiers with no key in their reach ("+" alone): pressed and released.
        TapModifiers,
    };

    Kind kind = Kind::TypeChar;
    char32_t character = 0;         // TypeChar
    NamedKey key = NamedKey::Enter; // TapNamedKey
    KeyModifiers modifiers;

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// The keys a keystroke text stands for, or why the text cannot be typed: an empty text, an
// unclosed or stray brace, an unknown name in braces, a group after a modifier that is never
// closed, a broken surrogate pair.
Result<QList<KeyAction>> parseKeystrokes(const QString& notation);

} // namespace tandrel
