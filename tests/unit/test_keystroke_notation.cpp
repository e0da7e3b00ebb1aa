#include "runner/keystroke_notation.h"
#include "startup/sample_programs.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tandrel {

void PrintTo(const KeyAction& action, std::ostream* out) {
    *out << "kind " << int(action.kind) << " U+" << std::hex << quint32(action.character)
         << std::dec << " key " << namedKeyName(action.key).toStdString() << " modifiers "
         << action.modifiers.toInt();
}

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

QList<KeyAction> typed(const QString& text, KeyModifiers modifiers = none) {
    QList<KeyAction> actions;
    for (char32_t character : text.toUcs4())
        actions.append(type(character, modifiers));
    return actions;
}

void expectParsedAs(const QString& text, const QList<KeyAction>& actions) {
    SCOPED_TRACE(text.toStdString());
    const Result<QList<KeyAction>> parsed = parseKeystrokes(text);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_EQ(parsed.value(), actions);
}

const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
const char32_t smileyCode = U'\U0001F600';

TEST(KeystrokeNotation, EscapesTheSpecialCharactersOfSingleKeyLines) {
    const QList<std::pair<QString, QString>> rows = {
        {"+", "{+}"}, {"^", "{^}"}, {"%", "{%}"}, {"~", "{~}"}, {"[", "{[}"},     {"]", "{]}"},
        {"{", "{{}"}, {"}", "{}}"}, {"(", "("},   {"a", "a"},   {smiley, smiley},
    };
    for (const auto& [line, sent] : rows)
        EXPECT_EQ(singleKeyText(line), sent) << line.toStdString();
}

TEST(KeystrokeNotation, EverySingleKeyLineTypesItsCharacter) {
    QStringList lines;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        lines.append(QString(QChar(c)));
    lines << QString::fromUtf16(u"\u00E9") << QString::fromUtf16(u"\u20AC") << smiley;
    for (const QString& line : lines) {
        ASSERT_EQ(classifyLine(line).kind, LineKind::SingleKey) << line.toStdString();
        expectParsedAs(singleKeyText(line), typed(line));
    }
}

TEST(KeystrokeNotation, EveryNamedKeyTapsAloneAndUnderEachModifier) {
    const QList<std::pair<LineKind, KeyModifiers>> modifierLines = {
        {LineKind::Alt, alt}, {LineKind::Ctrl, ctrl}, {LineKind::Shift, shift}};
    for (NamedKey key : allNamedKeys()) {
        const QString token = namedKeyToken(key);
        expectParsedAs(namedKeyText(token), {tap(key)});
        for (const auto& [kind, modifiers] : modifierLines)
            expectParsedAs(modifierLineText(kind, token), {tap(key, modifiers)});
    }
}

struct ModifierLineRow {
    QString line;
    QString sent;
    std::optional<QList<KeyAction>> actions;
};

TEST(KeystrokeNotation, ModifierLinesGroupRestsOfTwoOrMoreCharacters) {
    const QList<ModifierLineRow> rows = {
        {"{ALT}FX", "%(FX)", typed("FX", alt)},
        {"{CTRL}c", "^c", {{type('c', ctrl)}}},
        {"{SHIFT}", "+", {{tapModifiers(shift)}}},
        {"{ALT}" + smiley, "%" + smiley, {{type(smileyCode, alt)}}},
        {"{ALT}" + smiley + "x", "%(" + smiley + "x)", {{type(smileyCode, alt), type('x', alt)}}},
        // The rest is not escaped: its special characters act in the notation.
        {"{CTRL}+", "^+", {{tapModifiers(ctrl | shift)}}},
        {"{ALT}{", "%{", std::nullopt},
    };
    for (const ModifierLineRow& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        const ScriptLine line = classifyLine(row.line);
        const QString sent = modifierLineText(line.kind, line.rest);
        EXPECT_EQ(sent, row.sent);
        if (row.actions)
            expectParsedAs(sent, *row.actions);
        else
            EXPECT_FALSE(parseKeystrokes(sent));
    }
}

TEST(KeystrokeNotation, ParsesWhatTheTextMeans) {
    const QList<std::pair<QString, QList<KeyAction>>> rows = {
        {"%+^a", {type('a', alt | shift | ctrl)}},
        {"%(a+b)c", {type('a', alt), type('b', alt | shift), type('c')}},
        {"%(+(ab)c)", {type('a', alt | shift), type('b', alt | shift), type('c', alt)}},
        {"a+~b", {type('a'), tap(NamedKey::Enter, shift), type('b')}},
        {"{}}a", typed("}a")},
        {"+{+}", {type('+', shift)}},
        {"{" + smiley + "}", {type(smileyCode)}},
        // Parentheses away from a modifier, and brackets, type themselves.
        {"Hello (world) [draft]", typed("Hello (world) [draft]")},
        {"+)", {type(')', shift)}},
        {"%(a(b)c)", typed("a(b)c", alt)},
        // Modifiers with no key in reach are tapped.
        {"a%", {type('a'), tapModifiers(alt)}},
        {"%()", {tapModifiers(alt)}},
        {"%(a+)", {type('a', alt), tapModifiers(alt | shift)}},
        // Special characters keep their meaning in pasted text.
        {"50% off", {type('5'), type('0'), type(' ', alt), type('o'), type('f'), type('f')}},
    };
    for (const auto& [text, actions] : rows)
        expectParsedAs(text, actions);
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
        {QString(2, QChar(0xDC00)), "surrogate"},
        {"{" + QString(QChar(0xD800)) + "}", "not the name of a key"},
    };
    for (const auto& [text, reason] : rows) {
        SCOPED_TRACE(text.toStdString());
        const Result<QList<KeyAction>> parsed = parseKeystrokes(text);
        ASSERT_FALSE(parsed);
        EXPECT_TRUE(parsed.error().contains(reason)) << parsed.error().toStdString();
    }
}

// Every line of the installed samples is understood, and every text it sends can be typed
// exactly as the sample means it.
TEST(KeystrokeNotation, EverySampleProgramLineRuns) {
    QStringList lines;
    for (const SampleProgram& sample : samplePrograms()) {
        if (sample.path.endsWith(".TDX"))
            lines += sample.lines;
    }
    ASSERT_EQ(lines.size(), 25 + 18 + 15 + 116 + 9 + 11 + 14);
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        const ScriptLine script = classifyLine(line);
        switch (script.kind) {
        case LineKind::SingleKey:
            expectParsedAs(singleKeyText(line), typed(line));
            break;
        case LineKind::NamedKey:
            expectParsedAs(namedKeyText(line), {tap(*namedKeyFromToken(line))});
            break;
        case LineKind::Alt:
            expectParsedAs(modifierLineText(script.kind, script.rest), {type('F', alt)});
            break;
        case LineKind::TextPaste:
            expectParsedAs(singleArgument(script), typed(singleArgument(script)));
            break;
        case LineKind::Wait:
            EXPECT_TRUE(readWaitMilliseconds(script.rest));
            break;
        case LineKind::FileCopy:
            EXPECT_TRUE(readTwoPaths(script.rest));
            break;
        case LineKind::Date:
            EXPECT_TRUE(readDateLine(line));
            break;
        case LineKind::Days:
            EXPECT_TRUE(readDaysLine(line));
            break;
        case LineKind::Ignored:
        case LineKind::Ctrl:
        case LineKind::Shift:
            ADD_FAILURE() << "no sample line is of this kind";
            break;
        default:
            break;
        }
    }
}

} // namespace
} // namespace tandrel
