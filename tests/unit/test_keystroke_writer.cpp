#include "runner/keystroke_writer.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

constexpr KeyModifiers none;
constexpr KeyModifiers shift(KeyModifier::Shift);
constexpr KeyModifiers ctrl(KeyModifier::Ctrl);
constexpr KeyModifiers alt(KeyModifier::Alt);

KeyAction type(char32_t character, KeyModifiers modifiers = none) {
    return {.kind = KeyAction::Kind::TypeChar, .character = character, .modifiers = modifiers};
}

KeyAction tap(NamedKey key, KeyModifiers modifiers = none) {
    return {.kind = KeyAction::Kind::TapNamedKey, .key = key, .modifiers = modifiers};
}

KeyAction tapModifiers(KeyModifiers modifiers) {
    return {.kind = KeyAction::Kind::TapModifiers, .modifiers = modifiers};
}

struct WriterRow {
    QList<KeyAction> actions;
    QString text;
    const char* reason;
};

TEST(KeystrokeWriter, WritesTextThatParsesToTheSameKeys) {
    const QList<WriterRow> rows = {
        {{type('a'), type(' '), type('b')}, "a b", "plain characters type themselves"},
        {{type('+', shift), type('~')}, "+{+}{~}", "special characters go into braces"},
        {{type('{'), type('}')}, "{{}{}}", "braces in braces"},
        {{type('(', alt), type(')')}, "%{(}{)}", "a parenthesis after a modifier is no group"},
        {{type('[', ctrl), type(']')}, "^{[}{]}", "brackets as the single-key lines send them"},
        {{tap(NamedKey::Enter, ctrl | alt)}, "^%{ENTER}", "named keys by their token"},
        {{tapModifiers(shift), type('x')}, "+()x", "a tap of modifiers alone stays alone"},
        {{type(U'\U0001F600', shift)},
         "+" + QString::fromUcs4(U"\U0001F600", 1),
         "a character beyond the BMP is one key"},
        {{type(0)}, QString(QChar(0)), "NUL is a character like any other"},
        {{type('a'), type(0xFEFF)}, QString("a") + QChar(0xFEFF), "U+FEFF is no byte order mark"},
    };
    for (const WriterRow& row : rows) {
        SCOPED_TRACE(row.reason);
        EXPECT_EQ(keystrokeText(row.actions), row.text);
        const Result<QList<KeyAction>> parsed = parseKeystrokes(row.text);
        ASSERT_TRUE(parsed) << parsed.error().toStdString();
        EXPECT_EQ(parsed.value(), row.actions);
    }
}

} // namespace
} // namespace tandrel
