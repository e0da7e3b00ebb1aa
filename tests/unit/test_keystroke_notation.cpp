#include "runner/keystroke_notation.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <tuple>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tandrel {

void PrintTo(const KeyAction& action, std::ostream* out) {
    switch (action.kind) {
    case KeyAction::Kind::TypeChar:
        *out << "type U+" << std::hex << quint32(action.character) << std::dec;
        break;
    case KeyAction::Kind::TapNamedKey:
        *out << "tap " << namedKeyName(action.key).toStdString();
        break;
    case KeyAction::Kind::TapModifiers:
        *out << "tap modifiers";
        break;
    }
    *out << " with " << action.modifiers.toInt();
}

namespace {

constexpr KeyModifiers none;
constexpr KeyModifiers shift(KeyModifier::Shift);
constexpr KeyModifiers ctrl(KeyModifier::Ctrl);
constexpr KeyModifiers alt(KeyModifier::Alt);

KeyAction type(char32_t character, KeyModifiers modifiers = none) {
    KeyAction action;
    action.kind = KeyAction::Kind::TypeChar;
    action.character = character;
    action.modifiers = modifiers;
    return action;
}

KeyAction tap(NamedKey key, KeyModifiers modifiers = none) {
    KeyAction action;
    action.kind = KeyAction::Kind::TapNamedKey;
    action.key = key;
    action.modifiers = modifiers;
    return action;
}

KeyAction tapModifiers(KeyModifiers modifiers) {
    KeyAction action;
    action.kind = KeyAction::Kind::TapModifiers;
    action.modifiers = modifiers;
    return action;
}

QList<KeyAction> typed(const QString& text, KeyModifiers modifiers = none) {
    QList<KeyAction> actions;
    for (char32_t character : text.toUcs4())
        actions.append(type(character, modifiers));
    return actions;
}

const QString smiley = QString::fromUcs4(U"\U0001F600", 1);

TEST(KeystrokeNotation, EscapesTheSpecialCharactersOfSingleKeyLines) {
    const QList<std::pair<QString, QString>> rows = {
        {"+", "{+}"}, {"^", "{^}"}, {"%", "{%}"}, {"~", "{~}"}, {"[", "{[}"},
        {"]", "{]}"}, {"{", "{{}"}, {"}", "{}}"}, {"(", "("},   {")", ")"},
        {"a", "a"},   {" ", " "},   {"5", "5"},   {"=", "="},   {smiley, smiley},
    };
    for (const auto& [line, sent] : rows)
        EXPECT_EQ(singleKeyText(line), sent) << line.toStdString();
}

TEST(KeystrokeNotation, NamedKeyLinesSendThemselves) {
    for (NamedKey key : allNamedKeys())
        EXPECT_EQ(namedKeyText(namedKeyToken(key)), namedKeyToken(key));
}

TEST(KeystrokeNotation, GroupsModifierRestsOfTwoOrMoreCharacters) {
    const QList<std::tuple<LineKind, QString, QString>> rows = {
        {LineKind::Alt, "F", "%F"},
        {LineKind::Alt, "FX", "%(FX)"},
        {LineKind::Alt, "{F4}", "%({F4})"},
        {LineKind::Ctrl, "AB", "^(AB)"},
        {LineKind::Ctrl, "c", "^c"},
        {LineKind::Shift, "a", "+a"},
        {LineKind::Shift, "", "+"},
        {LineKind::Alt, "", "%"},
        {LineKind::Ctrl, "+", "^+"},
        {LineKind::Shift, "{", "+{"},
        {LineKind::Alt, smiley, "%" + smiley},
        {LineKind::Alt, smiley + "x", "%(" + smiley + "x)"},
    };
    for (const auto& [kind, rest, sent] : rows) {
        const QString line = markOf(kind) + rest;
        SCOPED_TRACE(line.toStdString());
        ASSERT_EQ(classifyLine(line).kind, kind);
        EXPECT_EQ(modifierLineText(kind, classifyLine(line).rest), sent);
    }
}

TEST(KeystrokeNotation, ParsesWhatTheTextMeans) {
    const QList<std::pair<QString, QList<KeyAction>>> rows = {
        {"a", {type('a')}},
        {"ab", typed("ab")},
        {"+a", {type('a', shift)}},
        {"+^a", {type('a', shift | ctrl)}},
        {"%+^a", {type('a', alt | shift | ctrl)}},
        {"%F", {type('F', alt)}},
        {"%FX", {type('F', alt), type('X')}},
        {"%(FX)", {type('F', alt), type('X', alt)}},
        {"%({F4})", {tap(NamedKey::F4, alt)}},
        {"%(a+b)c", {type('a', alt), type('b', alt | shift), type('c')}},
        {"%(+(ab)c)", {type('a', alt | shift), type('b', alt | shift), type('c', alt)}},
        {"+(1)", {type('1', shift)}},
        {"~", {tap(NamedKey::Enter)}},
        {"a~b", {type('a'), tap(NamedKey::Enter), type('b')}},
        {"+~", {tap(NamedKey::Enter, shift)}},
        {"{ENTER}", {tap(NamedKey::Enter)}},
        {"^{HOME}", {tap(NamedKey::Home, ctrl)}},
        {"{+}{^}{%}{~}", typed("+^%~")},
        {"{[}{]}{{}{}}", typed("[]{}")},
        {"{(}{)}", typed("()")},
        {"{}}a", typed("}a")},
        {"+{+}", {type('+', shift)}},
        {"{a}", {type('a')}},
        // Parentheses away from a modifier, and brackets, type themselves.
        {"(", {type('(')}},
        {")", {type(')')}},
        {"a)", typed("a)")},
        {"Hello (world)", typed("Hello (world)")},
        {"+)", {type(')', shift)}},
        {"%(a(b)c)", typed("a(b)c", alt)},
        {"(%(a)b)", {type('('), type('a', alt), type('b'), type(')')}},
        {"[draft]", typed("[draft]")},
        // Modifiers with no key in reach are tapped.
        {"+", {tapModifiers(shift)}},
        {"%", {tapModifiers(alt)}},
        {"+^", {tapModifiers(shift | ctrl)}},
        {"a%", {type('a'), tapModifiers(alt)}},
        {"%()", {tapModifiers(alt)}},
        {"%(a+)", {type('a', alt), tapModifiers(alt | shift)}},
        // Special characters keep their meaning in pasted text.
        {"50% off", {type('5'), type('0'), type(' ', alt), type('o'), type('f'), type('f')}},
        {smiley, {type(U'\U0001F600')}},
        {"{" + smiley + "}", {type(U'\U0001F600')}},
        {"+" + smiley, {type(U'\U0001F600', shift)}},
        {QString::fromUtf16(u"caf\u00E9\t"), typed(QString::fromUtf16(u"caf\u00E9\t"))},
    };
    for (const auto& [text, actions] : rows) {
        SCOPED_TRACE(text.toStdString());
        const Result<QList<KeyAction>> parsed = parseKeystrokes(text);
        ASSERT_TRUE(parsed) << parsed.error().toStdString();
        EXPECT_EQ(parsed.value(), actions);
    }
}

TEST(KeystrokeNotation, RejectsTextsThatCannotBeTyped) {
    // The text and a part of the reason that points at the fault.
    const QList<std::pair<QString, QString>> rows = {
        {"", "empty"},
        {"{", "position 1"},
        {"ab{cd", "position 3"},
        {"{ENTER", "position 1"},
        {"}", "position 1"},
        {"a}", "position 2"},
        {"{FOO}", "{FOO}"},
        {"{Enter}", "{Enter}"},
        {"{F17}", "{F17}"},
        {"{ENTER 2}", "{ENTER 2}"},
        {"{}", "{}"},
        {"{}a", "{}"},
        {"{ab}", "{ab}"},
        {"%(ab", "position 2"},
        {"+(", "position 2"},
        {"x^(", "position 3"},
        {"%(%(a)", "position 2"},
        {"%(a(b)", "position 2"},
        {"%(a{)", "position 4"},
        {QString(QChar(0xD800)), "surrogate"},
        {QString(QChar(0xDC00)) + "a", "surrogate"},
        {"{" + QString(QChar(0xD800)) + "}", "not the name of a key"},
    };
    for (const auto& [text, reason] : rows) {
        SCOPED_TRACE(text.toStdString());
        const Result<QList<KeyAction>> parsed = parseKeystrokes(text);
        ASSERT_FALSE(parsed);
        EXPECT_TRUE(parsed.error().contains(reason)) << parsed.error().toStdString();
    }
}

TEST(KeystrokeNotation, EverySingleKeyLineTypesItsCharacter) {
    QStringList lines;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        lines.append(QString(QChar(c)));
    lines << QString::fromUtf16(u"\u00E9") << QString::fromUtf16(u"\u20AC") << smiley;
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        ASSERT_EQ(classifyLine(line).kind, LineKind::SingleKey);
        const Result<QList<KeyAction>> parsed = parseKeystrokes(singleKeyText(line));
        ASSERT_TRUE(parsed) << parsed.error().toStdString();
        EXPECT_EQ(parsed.value(), typed(line));
    }
}

TEST(KeystrokeNotation, EveryNamedKeyTapsAloneAndUnderEachModifier) {
    const QList<std::pair<LineKind, KeyModifiers>> modifierLines = {
        {LineKind::Alt, alt}, {LineKind::Ctrl, ctrl}, {LineKind::Shift, shift}};
    for (NamedKey key : allNamedKeys()) {
        const QString token = namedKeyToken(key);
        SCOPED_TRACE(token.toStdString());
        const Result<QList<KeyAction>> alone = parseKeystrokes(namedKeyText(token));
        ASSERT_TRUE(alone) << alone.error().toStdString();
        EXPECT_EQ(alone.value(), QList<KeyAction>{tap(key)});
        for (const auto& [kind, modifiers] : modifierLines) {
            const Result<QList<KeyAction>> held = parseKeystrokes(modifierLineText(kind, token));
            ASSERT_TRUE(held) << held.error().toStdString();
            EXPECT_EQ(held.value(), QList<KeyAction>{tap(key, modifiers)});
        }
    }
}

TEST(KeystrokeNotation, ModifierLinesHoldTheirModifier) {
    const QList<std::pair<QString, QList<KeyAction>>> rows = {
        {"{ALT}F", {type('F', alt)}},
        {"{ALT}FX", {type('F', alt), type('X', alt)}},
        {"{ALT}{F4}", {tap(NamedKey::F4, alt)}},
        {"{CTRL}AB", {type('A', ctrl), type('B', ctrl)}},
        {"{CTRL}c", {type('c', ctrl)}},
        {"{SHIFT}a", {type('a', shift)}},
        {"{SHIFT}1", {type('1', shift)}},
        {"{SHIFT}", {tapModifiers(shift)}},
        {"{ALT}", {tapModifiers(alt)}},
        {"{CTRL}", {tapModifiers(ctrl)}},
        {"{CTRL}{HOME}{END}", {tap(NamedKey::Home, ctrl), tap(NamedKey::End, ctrl)}},
        {"{SHIFT}()", typed("()", shift)},
        // The rest is not escaped: its special characters act in the notation.
        {"{ALT}~", {tap(NamedKey::Enter, alt)}},
        {"{CTRL}+", {tapModifiers(ctrl | shift)}},
    };
    for (const auto& [line, actions] : rows) {
        SCOPED_TRACE(line.toStdString());
        const ScriptLine script = classifyLine(line);
        const Result<QList<KeyAction>> parsed =
            parseKeystrokes(modifierLineText(script.kind, script.rest));
        ASSERT_TRUE(parsed) << parsed.error().toStdString();
        EXPECT_EQ(parsed.value(), actions);
    }
    for (const char* unescaped : {"{CTRL}(", "{ALT}{", "{SHIFT}}", "{ALT}{FOO}"}) {
        const ScriptLine script = classifyLine(unescaped);
        EXPECT_FALSE(parseKeystrokes(modifierLineText(script.kind, script.rest))) << unescaped;
    }
}

QStringList samplePrograms() {
    QStringList lines = {
        // Sample Calculator
        "{Note}  This program opens the calculator and makes entries at 1.2 second intervals "
        "and then closes the calculator after a file named  'C:\\close.txt'  is found.",
        "{Note}  Since this program does not create the  'C:close.txt'  file it would never "
        "shut itself down, but the  'Sample Cascade' program will.",
        "{Note}",
        "{Run Program}C:\\WINDOWS\\CALC.EXE",
        "{Wait}12",
        "5",
        "-",
        "2",
        "{Wait}5",
        "=",
        "{Wait}12",
        "*",
        "4",
        "=",
        "{Wait}12",
        "/",
        "6",
        "=",
        "{Wait}12",
        "+",
        "9",
        "=",
        "{Wait}12",
        "{File Wait}C:\\close.txt",
        "{eXit}",
        // Sample Cascade Programs
        "{Note}  This file waits 6 seconds and then runs the Sample Notepad program",
        "{Note}",
        "{Wait}60",
        "{Run Program}C:\\TANDREL\\Tandrel.exe Sample Notepad",
        "{Note}",
        "{Note}    In doing this it opens a second copy of Tandrel.   You can close Tandrel "
        "programs after you open them as in the next example.",
        "{Wait}30",
        "{Note}   This will run the calculator program which waits for a file before ending.",
        "{Run Program}C:\\TANDREL\\Tandrel.exe Sample Calculator.TDX",
        "{Note}   Waits 12 seconds for Sample Calculator to run (Calculator runs in about 8 "
        "seconds.)",
        "{Wait}120",
        "{Note}   Copies this program file to C:\\close.txt",
        "{File Copy}C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX * C:\\close.txt",
        "{Note}Waits 10 more seconds for Calculator to register the file and close, and then "
        "erases the C:\\close.txt file.",
        "{Wait}100",
        "{File Erase}C:\\close.txt",
        "{Wait}3",
        "{eXit}",
        // Sample Notepad
        "{Run Program}C:\\WINDOWS\\NOTEPAD.EXE",
        "{Focus On}untitled - Notepad",
        "{Text Paste}This sample opens notepad, places focus on notepad's window, and then "
        "types this line.",
        "{ENTER}",
        "{ENTER}",
        "{Text Paste}Pressing enter twice brought us down two lines in notepad and then I "
        "entered this line.",
        "{ENTER}",
        "{Text Paste}Note:  The 'notations' within your Tandrel sample program which did not "
        "print in notepad.  They are there to help you remember why you wrote your program as "
        "you did.",
        "{ENTER}",
        "{ENTER}",
        "{Text Paste}Now I will pause for 5 seconds before continuing to illustrate the use of "
        "the WAIT/PAUSE special function.",
        "{ENTER}",
        "{Wait}50",
        "{Note}The lines above were sent to Notepad using the Text Paste feature.  You can also "
        "send individual characters simply by typing keys.  Each one shows up on it's own line.",
        "{Note}These individual keystrokes are an example of how Tandrel sends keystrokes one "
        "at a time to the receiving program.",
    };
    const QString sentence = "Though these characters show up on one line in notepad, they are "
                             "each on their own line on your tandreL edit screen.";
    for (QChar c : sentence)
        lines.append(QString(c));
    lines << "{ENTER}"
          << "{Stop}Pressing 'Cancel' will close Tandrel altogether.  Pressing 'OK' will let it "
             "continue to run.  You can added user messages like this with the 'Cancel / OK' "
             "options as well by using the STOP 'TIL special function."
          << "{Note}  When I added this focus on statement below, I clicked twice slowly on the "
             "first one to 'edit' it and then copied the notepad windows focus title and pasted "
             "it here."
          << "{Note}  This would not cause much of a problem since the UNDO feature will undo "
             "the last command bring the line back again."
          << "{Note}  I used the right mouse button to copy and paste.  Had I double clicked "
             "rapidly I would have deleted the line rather than invoked the edit mode."
          << "{Focus On}untitled - Notepad"
          << "{ENTER}"
          << "{Text Paste}Sometimes I want to go up in the program and I press the UP key.  It "
             "inserts the word up rather than moving me up on the Tandrel edit screen.   To move "
             "up remember to use the mouse pointer and the slide bar to the right of the edit "
             "screen if necessary.  The keys are recorded by Tandrel as you press them so the UP "
             "key is recorded as up!"
          << "{eXit}";
    // Sample Timer
    lines << "{Note}"
          << "{Note}   This program waits until 2:05 PM on Monday and Friday and then clears the "
             "contents of the clipboard."
          << "{Note}"
          << "{DAYS}Mondays,Fridays, 2:05:00 PM"
          << "{Clip Clear}"
          << "{Note}   Next it waits until January 14th of the year 2005 and then opens an "
             "untitled notepad file and pastes the contents of the clipboard into it."
          << "{Note}"
          << "{DATE}2005 - January, 14   4:58:20 PM"
          << "{Run Program}C:\\WINDOWS\\NOTEPAD.EXE"
          << "{Clip Paste}"
          << "{eXit}";
    // Sample WAV Payer
    lines << "{Note}      THIS PROGRAM PLAYS A WAV FILE AFTER 2 MINUTES.  It will work on your "
             "computer provided your files are in the same directories."
          << "{Note}"
          << "{Note}      An excellent practice session would be to change these directories "
             "and files to match your computer or to play other WAV files."
          << "{Note}"
          << "{Run Program}C:\\WINDOWS\\SNDREC32.EXE C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav"
          << " "
          << "{Note}   While I play the MS sound file, I wait 15 seconds and then close the WAV "
             "player."
          << "{Wait}150"
          << "{Focus On}The Microsoft Sound"
          << "{ALT}F"
          << "X"
          << "{Stop}  That is the end of this example."
          << "{Note}   This program has a start again rather than an exit function.  It will "
             "loop forever until you press cancel rather than ok at the 'stop' message box."
          << "{Start Again}";
    return lines;
}

// Every line of the installed samples is understood, and every text it sends can be typed
// exactly as the sample means it.
TEST(KeystrokeNotation, EverySampleProgramLineRuns) {
    const QStringList lines = samplePrograms();
    ASSERT_EQ(lines.size(), 25 + 18 + 15 + 116 + 9 + 11 + 14);
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        const ScriptLine script = classifyLine(line);
        std::optional<QList<KeyAction>> expected;
        QString sent;
        switch (script.kind) {
        case LineKind::SingleKey:
            sent = singleKeyText(line);
            expected = typed(line);
            break;
        case LineKind::NamedKey:
            sent = namedKeyText(line);
            expected = {tap(*namedKeyFromToken(line))};
            break;
        case LineKind::Alt:
            sent = modifierLineText(script.kind, script.rest);
            expected = {type('F', alt)};
            break;
        case LineKind::TextPaste:
            sent = singleArgument(script);
            expected = typed(sent);
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
        if (!expected)
            continue;
        const Result<QList<KeyAction>> parsed = parseKeystrokes(sent);
        ASSERT_TRUE(parsed) << parsed.error().toStdString();
        EXPECT_EQ(parsed.value(), *expected);
    }
    // The paste lines end with a separate ENTER.
    EXPECT_EQ(parseKeystrokes("~").value(), QList<KeyAction>{tap(NamedKey::Enter)});
}

} // namespace
} // namespace tandrel
