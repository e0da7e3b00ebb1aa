#include "runner/keystroke_notation.h"

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

// The installed sample programs, line by line.
QStringList samplePrograms() {
    QStringList lines = {
        // Sample Calculator
        "{Note}  This program opens the calculator and makes entries at 1.2 second intervals and "
        "then closes the calculator after a file named  'C:\\close.txt'  is found.",
        "{Note}  Since this program does not create the  'C:close.txt'  file it would never shut "
        "itself down, but the  'Sample Cascade' program will.",
        "{Note}", "{Run Program}C:\\WINDOWS\\CALC.EXE", "{Wait}12", "5", "-", "2", "{Wait}5", "=",
        "{Wait}12", "*", "4", "=", "{Wait}12", "/", "6", "=", "{Wait}12", "+", "9", "=", "{Wait}12",
        "{File Wait}C:\\close.txt", "{eXit}",
        // Sample Cascade Programs
        "{Note}  This file waits 6 seconds and then runs the Sample Notepad program", "{Note}",
        "{Wait}60", "{Run Program}C:\\TANDREL\\Tandrel.exe Sample Notepad", "{Note}",
        "{Note}    In doing this it opens a second copy of Tandrel.   You can close Tandrel "
        "programs after you open them as in the next example.",
        "{Wait}30",
        "{Note}   This will run the calculator program which waits for a file before ending.",
        "{Run Program}C:\\TANDREL\\Tandrel.exe Sample Calculator.TDX",
        "{Note}   Waits 12 seconds for Sample Calculator to run (Calculator runs in about 8 "
        "seconds.)",
        "{Wait}120", "{Note}   Copies this program file to C:\\close.txt",
        "{File Copy}C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX * C:\\close.txt",
        "{Note}Waits 10 more seconds for Calculator to register the file and close, and then "
        "erases the C:\\close.txt file.",
        "{Wait}100", "{File Erase}C:\\close.txt", "{Wait}3", "{eXit}",
        // Sample Notepad
        "{Run Program}C:\\WINDOWS\\NOTEPAD.EXE", "{Focus On}untitled - Notepad",
        "{Text Paste}This sample opens notepad, places focus on notepad's window, and then types "
        "this line.",
        "{ENTER}", "{ENTER}",
        "{Text Paste}Pressing enter twice brought us down two lines in notepad and then I entered "
        "this line.",
        "{ENTER}",
        "{Text Paste}Note:  The 'notations' within your Tandrel sample program which did not print "
        "in notepad.  They are there to help you remember why you wrote your program as you did.",
        "{ENTER}", "{ENTER}",
        "{Text Paste}Now I will pause for 5 seconds before continuing to illustrate the use of the "
        "WAIT/PAUSE special function.",
        "{ENTER}", "{Wait}50",
        "{Note}The lines above were sent to Notepad using the Text Paste feature.  You can also "
        "send individual characters simply by typing keys.  Each one shows up on it's own line.",
        "{Note}These individual keystrokes are an example of how Tandrel sends keystrokes one at a "
        "time to the receiving program."};
    for (QChar c : QStringLiteral("Though these characters show up on one line in notepad, they "
                                  "are each on their own line on your tandreL edit screen."))
        lines.append(QString(c));
    lines += QStringList{
        "{ENTER}",
        "{Stop}Pressing 'Cancel' will close Tandrel altogether.  Pressing 'OK' will let it "
        "continue to run.  You can added user messages like this with the 'Cancel / OK' options as "
        "well by using the STOP 'TIL special function.",
        "{Note}  When I added this focus on statement below, I clicked twice slowly on the first "
        "one to 'edit' it and then copied the notepad windows focus title and pasted it here.",
        "{Note}  This would not cause much of a problem since the UNDO feature will undo the last "
        "command bring the line back again.",
        "{Note}  I used the right mouse button to copy and paste.  Had I double clicked rapidly I "
        "would have deleted the line rather than invoked the edit mode.",
        "{Focus On}untitled - Notepad", "{ENTER}",
        "{Text Paste}Sometimes I want to go up in the program and I press the UP key.  It inserts "
        "the word up rather than moving me up on the Tandrel edit screen.   To move up remember to "
        "use the mouse pointer and the slide bar to the right of the edit screen if necessary.  "
        "The keys are recorded by Tandrel as you press them so the UP key is recorded as up!",
        "{eXit}",
        // Sample Timer
        "{Note}",
        "{Note}   This program waits until 2:05 PM on Monday and Friday and then clears the "
        "contents of the clipboard.",
        "{Note}", "{DAYS}Mondays,Fridays, 2:05:00 PM", "{Clip Clear}",
        "{Note}   Next it waits until January 14th of the year 2005 and then opens an untitled "
        "notepad file and pastes the contents of the clipboard into it.",
        "{Note}", "{DATE}2005 - January, 14   4:58:20 PM", "{Run Program}C:\\WINDOWS\\NOTEPAD.EXE",
        "{Clip Paste}", "{eXit}",
        // Sample WAV Payer
        "{Note}      THIS PROGRAM PLAYS A WAV FILE AFTER 2 MINUTES.  It will work on your computer "
        "provided your files are in the same directories.",
        "{Note}",
        "{Note}      An excellent practice session would be to change these directories and files "
        "to match your computer or to play other WAV files.",
        "{Note}",
        "{Run Program}C:\\WINDOWS\\SNDREC32.EXE C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav", " ",
        "{Note}   While I play the MS sound file, I wait 15 seconds and then close the WAV player.",
        "{Wait}150", "{Focus On}The Microsoft Sound", "{ALT}F", "X",
        "{Stop}  That is the end of this example.",
        "{Note}   This program has a start again rather than an exit function.  It will loop "
        "forever until you press cancel rather than ok at the 'stop' message box.",
        "{Start Again}"};
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
