#include "../e2e/qt_printers.h"
#include "script/keystroke_writer.h"

#include <gtest/gtest.h>

#include <optional>

namespace tandrel {

void PrintTo(const KeyAction& action, std::ostream* out) {
    *out << "kind " << int(action.kind) << " U+" << std::hex << quint32(action.character)
         << std::dec << " key " << namedKeyName(action.key).toStdString() << " modifiers "
         << action.modifiers.toInt();
}

namespace {

using Keys = QList<KeyAction>;
constexpr KeyModifiers none, shift(KeyModifier::Shift), ctrl(KeyModifier::Ctrl),
    alt(KeyModifier::Alt);

KeyAction type(char32_t character, KeyModifiers modifiers = none) {
    return {.kind = KeyAction::Kind::TypeChar, .character = character, .modifiers = modifiers};
}
KeyAction tap(NamedKey key, KeyModifiers modifiers = none) {
    return {.kind = KeyAction::Kind::TapNamedKey, .key = key, .modifiers = modifiers};
}
KeyAction tapModifiers(KeyModifiers modifiers) {
    return {.kind = KeyAction::Kind::TapModifiers, .modifiers = modifiers};
}
Keys typed(const QString& text, KeyModifiers modifiers = none) {
    Keys keys;
    for (char32_t character : text.toUcs4())
        keys.append(type(character, modifiers));
    return keys;
}

// The text parses to the keys, and the writer's text for those keys parses back to them.
void expectKeys(const QString& text, const Keys& keys) {
    SCOPED_TRACE(text.toStdString());
    const Result<Keys> parsed = parseKeystrokes(text);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_EQ(parsed.value(), keys);
    const Result<Keys> reparsed = parseKeystrokes(keystrokeText(keys));
    ASSERT_TRUE(reparsed) << reparsed.error().toStdString();
    EXPECT_EQ(reparsed.value(), keys);
}

const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
const char32_t smileyCode = U'\U0001F600';

TEST(KeystrokeNotation, EverySingleKeyLineTypesItsCharacterEscapedWhereSpecial) {
    const QString special = "+^%~[]{}";
    // Every special character, the ends of printable ASCII and characters beyond it.
    for (const QString line : {"+", "^", "%", "~", "[", "]", "{", "}", "(", " ", "a", "\u00E9",
                               "\u20AC", "\U0001F600"}) {
        ASSERT_EQ(classifyLine(line).kind, LineKind::SingleKey) << line.toStdString();
        EXPECT_EQ(singleKeyText(line), special.contains(line) ? u'{' + line + u'}' : line);
        expectKeys(singleKeyText(line), typed(line));
    }
}

TEST(KeystrokeNotation, ModifierLinesGroupRestsOfTwoOrMoreCharacters) {
    const struct {
        QString line, sent;
        std::optional<Keys> keys; // nothing: the text cannot be typed
    } rows[] = {
        {"{ALT}FX", "%(FX)", typed("FX", alt)},
        {"{SHIFT}", "+", {{tapModifiers(shift)}}},
        {"{ALT}" + smiley, "%" + smiley, {{type(smileyCode, alt)}}},
        {"{ALT}" + smiley + "x", "%(" + smiley + "x)", {{type(smileyCode, alt), type('x', alt)}}},
        // The rest is not escaped: its special characters act in the notation.
        {"{CTRL}+", "^+", {{tapModifiers(ctrl | shift)}}},
        {"{ALT}{", "%{", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        const ScriptLine line = classifyLine(row.line);
        const QString sent = modifierLineText(line.kind, line.rest);
        EXPECT_EQ(sent, row.sent);
        if (row.keys)
            expectKeys(sent, *row.keys);
        else
            EXPECT_FALSE(parseKeystrokes(sent));
    }
}

TEST(KeystrokeNotation, ParsesWhatTheTextMeansAndWritesItBack) {
    const struct {
        QString text;
        Keys keys;
        QString written; // the writer's text for the keys; empty: the text itself
        const char* reason;
    } rows[] = {
        {"%+^a", {type('a', alt | shift | ctrl)}, "+^%a", "modifiers stack"},
        {"%(a+b)c", {type('a', alt), type('b', alt | shift), type('c')}, "%a+%bc", "a group"},
        {"%(+(ab)c)", typed("ab", alt | shift) + Keys{type('c', alt)}, "+%a+%b%c", "nesting"},
        {"a+~b", {type('a'), tap(NamedKey::Enter, shift), type('b')}, "a+{ENTER}b", "~ is ENTER"},
        {"{}}a", typed("}a"), "", "a closing brace in braces"},
        {"+{+}{~}", {type('+', shift), type('~')}, "", "special characters in braces"},
        {"{" + smiley + "}", {type(smileyCode)}, smiley, "a character beyond the BMP in braces"},
        {"+" + smiley, {type(smileyCode, shift)}, "", "a character beyond the BMP is one key"},
        {"Hello (world) [draft]", typed("Hello (world) [draft]"), "Hello {(}world{)} {[}draft{]}",
         "parentheses away from a modifier, and brackets, type themselves"},
        {"+)", {type(')', shift)}, "+{)}", "a closing parenthesis after a modifier"},
        {"%{(}{)}", {type('(', alt), type(')')}, "", "a parenthesis after a modifier is no group"},
        {"%(a(b)c)", typed("a(b)c", alt), "%a%{(}%b%{)}%c", "parentheses inside a group"},
        {"a%", {type('a'), tapModifiers(alt)}, "a%()", "a modifier with no key is tapped"},
        {"%()", {tapModifiers(alt)}, "", "an empty group taps the modifier"},
        {"%(a+)", {type('a', alt), tapModifiers(alt | shift)}, "%a+%()", "a tap inside a group"},
        {"50% off", typed("50") + Keys{type(' ', alt)} + typed("off"), "", "% in pasted text"},
        {QString(QChar(0)), {type(0)}, "", "NUL is a character like any other"},
        {QString(QChar(0xFEFF)), {type(0xFEFF)}, "", "U+FEFF is no byte order mark"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        expectKeys(row.text, row.keys);
        EXPECT_EQ(keystrokeText(row.keys), row.written.isEmpty() ? row.text : row.written);
    }
}

TEST(KeystrokeNotation, RejectsTextsThatCannotBeTyped) {
    // The text and a part of the reason that points at the fault.
    const QList<std::pair<QString, QString>> rows = {
        {"", "empty"},
        {"ab{cd", "position 3"},
        {"a}", "position 2"},
        {"{Enter}", "{Enter}"},
        {"{}a", "{}"},
        {"x^(a+(b", "position 3"},
        {"%(a(b)", "position 2"},
        {QString(QChar(0xD800)), "surrogate"},
        {"{" + QString(QChar(0xD800)) + "}", "not the name of a key"},
    };
    for (const auto& [text, reason] : rows) {
        SCOPED_TRACE(text.toStdString());
        const Result<Keys> parsed = parseKeystrokes(text);
        ASSERT_FALSE(parsed);
        EXPECT_TRUE(parsed.error().contains(reason)) << parsed.error().toStdString();
    }
}

} // namespace
} // namespace tandrel
