#include "runner/script_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tandrel {

void PrintTo(const TimeOfDay& time, std::ostream* out) {
    *out << time.hour << ':' << time.minute;
}

namespace {

// Checks a reader against a table: the value read, or nothing when the text must fail with a
// reason, one that quotes the text when asked.
template <typename T, typename Read>
void expectReads(const QList<std::pair<QString, std::optional<T>>>& rows, Read read,
                 bool reasonQuotesText = false) {
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text.toStdString());
        const Result<T> result = read(text);
        ASSERT_EQ(result.isOk(), expected.has_value()) << result.error().toStdString();
        if (expected)
            EXPECT_EQ(result.value(), *expected);
        else
            EXPECT_TRUE(reasonQuotesText ? result.error().contains(text)
                                         : !result.error().isEmpty())
                << result.error().toStdString();
    }
}

struct ClassifyRow {
    QString line;
    LineKind kind;
    QString rest;
};

TEST(ScriptLines, ClassifiesEveryKindOfLine) {
    const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
    const QList<ClassifyRow> rows = {
        // Rule 1: one character, whatever it is.
        {"a", LineKind::SingleKey, "a"},
        {"{", LineKind::SingleKey, "{"},
        {smiley, LineKind::SingleKey, smiley},
        // Rule 2: two or more characters not opening with "{", and the empty line.
        {"", LineKind::Ignored, ""},
        {"ab", LineKind::Ignored, ""},
        {" {eXit}", LineKind::Ignored, ""},
        // Rule 3: whole-line tokens, exactly.
        {"{eXit}", LineKind::Exit, ""},
        {"{ENTER}", LineKind::NamedKey, "{ENTER}"},
        {"{F16}", LineKind::NamedKey, "{F16}"},
        // Rule 4: marks as prefixes; the rest is kept as it stands.
        {"{Note}  free text", LineKind::Note, "  free text"},
        {"{ALT}F", LineKind::Alt, "F"},
        {"{CTRL}AB", LineKind::Ctrl, "AB"},
        {"{SHIFT}", LineKind::Shift, ""},
        {"{File Copy}a * b", LineKind::FileCopy, "a * b"},
        {"{File Erase}C:\\close.txt", LineKind::FileErase, "C:\\close.txt"},
        {"{File Paste}C:\\in.txt", LineKind::FilePaste, "C:\\in.txt"},
        {"{File Rename}a * b", LineKind::FileRename, "a * b"},
        {"{File Wait}C:\\close.txt", LineKind::FileWait, "C:\\close.txt"},
        {"{Run Program}C:\\WINDOWS\\NOTEPAD.EXE", LineKind::RunProgram, "C:\\WINDOWS\\NOTEPAD.EXE"},
        {"{Focus On}untitled - Notepad", LineKind::FocusOn, "untitled - Notepad"},
        {"{Wait}12", LineKind::Wait, "12"},
        {"{Stop}  Done ", LineKind::Stop, "  Done "},
        {"{Clip Wait}Total", LineKind::ClipWait, "Total"},
        {"{Clip Paste}", LineKind::ClipPaste, ""},
        {"{Clip Clear}", LineKind::ClipClear, ""},
        {"{Start Again}", LineKind::StartAgain, ""},
        {"{Text Paste} 50% off ", LineKind::TextPaste, " 50% off "},
        {"{DATE}2005 - January, 14   4:58:20 PM", LineKind::Date,
         "2005 - January, 14   4:58:20 PM"},
        {"{DAYS}Mondays, 2:05 PM", LineKind::Days, "Mondays, 2:05 PM"},
        // Rule 5: anything else in braces, including near misses in letter case.
        {"{Exit}", LineKind::Ignored, ""},
        {"{eXit} ", LineKind::Ignored, ""},
        {"{Enter}", LineKind::Ignored, ""},
        {"{ENTER} ", LineKind::Ignored, ""},
        {"{F10", LineKind::Ignored, ""},
        {"{F17}", LineKind::Ignored, ""},
        {"{SPACE}", LineKind::Ignored, ""},
        {"{note}", LineKind::Ignored, ""},
    };
    for (const ClassifyRow& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        const ScriptLine line = classifyLine(row.line);
        EXPECT_EQ(line.kind, row.kind);
        EXPECT_EQ(line.rest, row.rest);
        // A marked line is its mark and its rest; the other kinds have no mark.
        if (row.kind == LineKind::Exit || row.kind == LineKind::Ignored)
            EXPECT_TRUE(markOf(row.kind).isEmpty());
        else
            EXPECT_EQ(markOf(row.kind) + line.rest, row.line);
    }
}

// The tokens are what program files hold: a changed spelling would make old files type
// nothing.
TEST(ScriptLines, KnowsTheThirtySixNamedKeys) {
    const QStringList expected = {
        "{BACKSPACE}", "{BREAK}", "{CAPSLOCK}", "{DELETE}", "{DOWN}",   "{END}",
        "{ENTER}",     "{ESC}",   "{HELP}",     "{HOME}",   "{INSERT}", "{LEFT}",
        "{NUMLOCK}",   "{PGDN}",  "{PGUP}",     "{PRTSC}",  "{RIGHT}",  "{SCROLLLOCK}",
        "{TAB}",       "{UP}",    "{F1}",       "{F2}",     "{F3}",     "{F4}",
        "{F5}",        "{F6}",    "{F7}",       "{F8}",     "{F9}",     "{F10}",
        "{F11}",       "{F12}",   "{F13}",      "{F14}",    "{F15}",    "{F16}"};
    QStringList tokens;
    for (NamedKey key : allNamedKeys()) {
        tokens.append(namedKeyToken(key));
        EXPECT_EQ(namedKeyFromName(namedKeyName(key)), key);
        EXPECT_EQ(classifyLine(namedKeyToken(key)).kind, LineKind::NamedKey);
    }
    EXPECT_EQ(tokens, expected);
    for (const char* notAName : {"Enter", "F17", "SPACE", "", "{ENTER}"})
        EXPECT_FALSE(namedKeyFromName(QString(notAName))) << notAName;
    EXPECT_FALSE(namedKeyFromToken(u"ENTER"));
    EXPECT_FALSE(namedKeyFromToken(u"{}"));
}

TEST(ScriptLines, SingleArgumentsAreTrimmedOnlyForStopAndClipWait) {
    const QList<std::pair<QString, QString>> rows = {
        {"{Stop}  That is the end of this example.", "That is the end of this example."},
        {"{Clip Wait} Total ", "Total"},
        {"{Clip Wait}\tTotal", "\tTotal"},
        {"{Focus On} untitled - Notepad ", " untitled - Notepad "},
    };
    for (const auto& [line, argument] : rows)
        EXPECT_EQ(singleArgument(classifyLine(line)), argument) << line.toStdString();
}

TEST(ScriptLines, ReadsTwoPathsAroundTheFirstStar) {
    expectReads<TwoPaths>(
        {
            {"C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX * C:\\close.txt",
             TwoPaths{"C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX", "C:\\close.txt"}},
            // Without blanks the separator still takes a character on either side.
            {"C:\\a.txt*C:\\b.txt", TwoPaths{"C:\\a.tx", ":\\b.txt"}},
            {"a * b*c", TwoPaths{"a", "b*c"}},
            {"ab*", TwoPaths{"a", ""}},
            {"C:\\a.txt", std::nullopt},
            {"a*b", std::nullopt},
        },
        readTwoPaths);
}

TEST(ScriptLines, ReadsWaitsInTenthsOfASecond) {
    expectReads<qint64>({{"12", 1200},
                         {" 5 ", 500},
                         {"2.5", 250},
                         {".5", 50},
                         {"5.", 500},
                         {"", std::nullopt},
                         {"abc", std::nullopt},
                         {"5 5", std::nullopt},
                         {"-5", std::nullopt},
                         {"1e3", std::nullopt},
                         {".", std::nullopt},
                         {"\t5", std::nullopt},
                         {"99999999999999999999", std::nullopt}},
                        readWaitMilliseconds, true);
}

TEST(ScriptLines, ReadsTimesOfDay) {
    expectReads<TimeOfDay>(
        {
            {"22:30", TimeOfDay{22, 30}},
            {"4:58 PM", TimeOfDay{16, 58}},
            {"4:58:20 PM", TimeOfDay{16, 58}},
            {"1:00 pm", TimeOfDay{13, 0}},
            {"13:00 PM", TimeOfDay{13, 0}},
            {"12:05 PM", TimeOfDay{12, 5}},
            {"12:05 AM", TimeOfDay{0, 5}},
            {"12:05", TimeOfDay{12, 5}},
            {"11:59 am", TimeOfDay{11, 59}},
            {" 9:07 ", TimeOfDay{9, 7}},
            {"23:59:59", TimeOfDay{23, 59}},
            {"1030", std::nullopt},
            {"ab:30", std::nullopt},
            {"10:", std::nullopt},
            {"10: 30", std::nullopt},
            {"10:30PM", std::nullopt},
            // Out of range: a wait for a time the clock never shows would never end.
            {"24:00", std::nullopt},
            {"23:60", std::nullopt},
            {"-1:00", std::nullopt},
            {"99999999999:00", std::nullopt},
        },
        readTimeOfDay, true);
}

TEST(ScriptLines, ReadsDateLines) {
    expectReads<DateLine>(
        {
            {"{DATE}2005 - January, 14   4:58:20 PM", DateLine{2005, 1, 14, {16, 58}}},
            {"{DATE}2024 - December, 31 11:59 PM", DateLine{2024, 12, 31, {23, 59}}},
            {"{DATE}1999 - September, 9   22:30", DateLine{1999, 9, 9, {22, 30}}},
            {"{DATE}32767 - June, 30   0:00", DateLine{32767, 6, 30, {0, 0}}},
            // Month names are exact.
            {"{DATE}2005 - Jan, 14   4:58 PM", std::nullopt},
            {"{DATE}2005 - january, 14   4:58 PM", std::nullopt},
            {"{DATE}2005 January, 14   4:58 PM", std::nullopt},
            {"{DATE}2005 - January 14   4:58 PM", std::nullopt},
            {"{DATE}2005, - January 14   4:58 PM", std::nullopt},
            // The time is measured from the end: any extra blank before the day shifts it.
            {"{DATE}2005  -  January, 14   4:58 PM", std::nullopt},
            {"{DATE}2005 - January,14 4:58 PM", std::nullopt},
            {"{DATE}40000 - January, 14   4:58 PM", std::nullopt},
            {"{DATE}2005 - January, x   4:58 PM", std::nullopt},
            {"{DATE}2005 - January, 14", std::nullopt},
            {"{DATE}2005 - January, 14   25:00", std::nullopt},
        },
        readDateLine);
}

TEST(ScriptLines, ReadsDaysLines) {
    const Result<DaysLine> some = readDaysLine("{DAYS}Mondays,Fridays, 2:05:00 PM");
    ASSERT_TRUE(some) << some.error().toStdString();
    EXPECT_FALSE(some.value().everyDay);
    EXPECT_EQ(some.value().days, (QList<Qt::DayOfWeek>{Qt::Monday, Qt::Friday}));
    EXPECT_EQ(some.value().time, (TimeOfDay{14, 5}));
    EXPECT_TRUE(some.value().includes(Qt::Friday));
    EXPECT_FALSE(some.value().includes(Qt::Tuesday));

    const Result<DaysLine> all = readDaysLine("{DAYS}All_Days, 12:05 AM");
    ASSERT_TRUE(all) << all.error().toStdString();
    EXPECT_TRUE(all.value().everyDay);
    EXPECT_EQ(all.value().time, (TimeOfDay{0, 5}));
    EXPECT_TRUE(all.value().includes(Qt::Sunday));

    for (const char* line : {"{DAYS} 2:05:00 PM", "{DAYS}mondays, 2:05 PM", "{DAYS}Mondays,2:05PM",
                             "{DAYS}Mondays, 24:00"}) {
        const Result<DaysLine> read = readDaysLine(line);
        ASSERT_FALSE(read) << line;
        EXPECT_FALSE(read.error().isEmpty());
    }
}

TEST(ScriptLines, AppendsTheProgramExtensionOnlyWithoutAnyDot) {
    const QList<std::pair<QString, QString>> rows = {
        {"MINE", "MINE.TDX"},
        {"MINE.TXT", "MINE.TXT"},
        {"C:\\MY.DIR\\MINE", "C:\\MY.DIR\\MINE"},
    };
    for (const auto& [name, expected] : rows)
        EXPECT_EQ(withProgramExtension(name), expected) << name.toStdString();
}

} // namespace
} // namespace tandrel
