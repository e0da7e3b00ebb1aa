#include "script/keystroke_writer.h"

namespace tandrel {

namespace {

// Parentheses too: after a modifier "(" would open a group.
constexpr QStringView specialCharacters = u"+^%~[]{}()";

QString modifierSymbols(KeyModifiers modifiers) {
    QString symbols;
    if (modifiers.testFlag(KeyModifier::Shift))
        symbols += u'+';
    if (modifiers.testFlag(KeyModifier::Ctrl))
        symbols += u'^';
    if (modifiers.testFlag(KeyModifier::Alt))
        symbols += u'%';
    return symbols;
}

QString characterText(char32_t character) {
    // Not QString::fromUcs4, which drops a U+FEFF as a byte order mark.
    const QString text = QStringView(QChar::fromUcs4(character)).toString();
    if (text.size() == 1 && specialCharacters.contains(text[0]))
        return u'{' + text + u'}';
    return text;
}

} // namespace

QString keystrokeText(const QList<KeyAction>& actions) {
    QString text;
    for (const KeyAction& action : actions) {
        text += modifierSymbols(action.modifiers);
        switch (action.kind) {
        case KeyAction::Kind::TypeChar:
            text += characterText(action.character);
            break;
        case KeyAction::Kind::TapNamedKey:
            text += namedKeyToken(action.key);
            break;
        case KeyAction::Kind::TapModifiers:
            text += QStringLiteral("()");
            break;
        }
    }
    return text;
}

} // namespace tandrel
