#include "../e2e/qt_printers.h"
#include "runner/script_lines.h"
#include "runner/wait_rules.h"

#include <gtest/gtest.h>

namespace tandrel {

void PrintTo(const TimeOfDay& time, std::ostream* out) {
    *out << time.hour << ':' << time.minute;
}

namespace {

// Checks a reader against a table of texts and the values read from them, and against texts
// that must fail with a reason, one that quotes the text when asked.
template <typename T, typename Read>
void expectReads(Read read, const QList<std::pair<QString, T>>& rows, const QStringList& failing,
                 bool reasonQuotesText) {
    for (const auto& [text, expected] : rows) {
        const Result<T> result = read(text);
        ASSERT_TRUE(result) << text.toStdString() << ": " << result.error().toStdString();
        EXPECT_EQ(result.value(), expected) << text.toStdString();
    }
    for (const QString& text : failing) {
        const Result<T> result = read(text);
        ASSERT_FALSE(result) << text.toStdString();
        EXPECT_TRUE(reasonQuotesText ? result.error().contains(text) : !result.error().isEmpty())
            << text.toStdString() << ": " << result.error().toStdString();
    }
}

TEST(ScriptLines, ClassifiesEveryKindOfLine) {
    using enum LineKind;
    // Marks are prefixes, in the order of their kinds from Note to Days; the rest is kept as it
    // stands, blanks and all.
    const QStringList marks =
        QString("{Note}|{ALT}|{CTRL}|{SHIFT}|{File Copy}|{File Erase}|{File Paste}|{File Rename}|"
                "{File Wait}|{Run Program}|{Focus On}|{Wait}|{Stop}|{Clip Wait}|{Clip Paste}|"
                "{Clip Clear}|{Start Again}|{Text Paste}|{DATE}|{DAYS}")
            .split(u'|');
    ASSERT_EQ(LineKind(int(Note) + marks.size()), Ignored);
    for (int i = 0; i < marks.size(); ++i) {
        const LineKind kind = LineKind(int(Note) + i);
        EXPECT_EQ(markOf(kind), marks[i]);
        for (const QString rest : {"", " 50% off ", "C:\\a * b"}) {
            const ScriptLine line = classifyLine(marks[i] + rest);
            EXPECT_EQ(line.kind, kind) << (marks[i] + rest).toStdString();
            EXPECT_EQ(line.rest, rest) << (marks[i] + rest).toStdString();
        }
    }
    // Whole lines: one character, whatever it is; two or more characters not opening with "{",
    // and the empty line; whole-line tokens, exactly; anything else in braces, including near
    // misses in letter case. A single-key or named-key line's rest is the line, others have none.
    const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
    const QList<std::pair<QString, LineKind>> rows = {
        {"a", SingleKey},      {"{", SingleKey},     {smiley, SingleKey},  {"", Ignored},
        {"ab", Ignored},       {" {eXit}", Ignored}, {"{eXit}", Exit},     {"{ENTER}", NamedKey},
        {"{F16}", NamedKey},   {"{Exit}", Ignored},  {"{eXit} ", Ignored}, {"{Enter}", Ignored},
        {"{ENTER} ", Ignored}, {"{F10", Ignored},    {"{F17}", Ignored},   {"{SPACE}", Ignored},
        {"{note}", Ignored},
    };
    for (const auto& [text, kind] : rows) {
        const ScriptLine line = classifyLine(text);
        EXPECT_EQ(line.kind, kind) << text.toStdString();
        EXPECT_EQ(line.rest, kind == SingleKey || kind == NamedKey ? text : "")
            << text.toStdString();
        EXPECT_EQ(markOf(kind), "") << text.toStdString();
    }
}

// The tokens are what program files hold: a changed spelling would make old files type
// nothing.
TEST(ScriptLines, KnowsTheThirtySixNamedKeys) {
    const QStringList expected =
        QString("{BACKSPACE} {BREAK} {CAPSLOCK} {DELETE} {DOWN} {END} {ENTER} {ESC} {HELP} {HOME} "
                "{INSERT} {LEFT} {NUMLOCK} {PGDN} {PGUP} {PRTSC} {RIGHT} {SCROLLLOCK} {TAB} {UP} "
                "{F1} {F2} {F3} {F4} {F5} {F6} {F7} {F8} {F9} {F10} {F11} {F12} {F13} {F14} {F15} "
                "{F16}")
            .split(u' ');
    QStringList tokens;
    for (NamedKey key : allNamedKeys()) {
        tokens.append(namedKeyToken(key));
        EXPECT_EQ(namedKeyFromName(namedKeyName(key)), key);
        EXPECT_EQ(namedKeyFromToken(namedKeyToken(key)), key);
        EXPECT_EQ(classifyLine(namedKeyToken(key)).kind, LineKind::NamedKey);
    }
    EXPECT_EQ(tokens, expected);
    for (const char* notAName : {"Enter", "F17", "SPACE", "", "{ENTER}"})
        EXPECT_FALSE(namedKeyFromName(QString(notAName))) << notAName;
    for (const char* notAToken : {"ENTER", "{}", "{Enter}"})
        EXPECT_FALSE(namedKeyFromToken(QString(notAToken))) << notAToken;
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
    expectReads<TwoPaths>(readTwoPaths,
                          {{"C:\\PROGRAMS\\Sample Cascade Programs.TDX * C:\\close.txt",
                            {"C:\\PROGRAMS\\Sample Cascade Programs.TDX", "C:\\close.txt"}},
                           // Without blanks the separator still takes a character on either side.
                           {"C:\\a.txt*C:\\b.txt", {"C:\\a.tx", ":\\b.txt"}},
                           {"a * b*c", {"a", "b*c"}},
                           {"ab*", {"a", ""}}},
                          {"C:\\a.txt", "a*b"}, false);
}

TEST(ScriptLines, ReadsWaitsInTenthsOfASecond) {
    expectReads<qint64>(readWaitMilliseconds,
                        {{"12", 1200}, {" 5 ", 500}, {"2.5", 250}, {".5", 50}, {"5.", 500}},
                        {"", "abc", "5 5", "-5", "1e3", ".", "\t5", "99999999999999999999"}, true);
}

TEST(ScriptLines, ReadsTimesOfDay) {
    expectReads<TimeOfDay>(
        readTimeOfDay,
        {{"22:30", {22, 30}},
         {"4:58 PM", {16, 58}},
         {"4:58:20 PM", {16, 58}},
         {"1:00 pm", {13, 0}},
         {"13:00 PM", {13, 0}},
         {"12:05 PM", {12, 5}},
         {"12:05 AM", {0, 5}},
         {"12:05", {12, 5}},
         {"11:59 am", {11, 59}},
         {" 9:07 ", {9, 7}},
         {"23:59:59", {23, 59}}},
        // Out of range too: a wait for a time the clock never shows would never end.
        {"1030", "ab:30", "10:", "10: 30", "10:30PM", "24:00", "23:60", "-1:00", "99999999999:00"},
        true);
}

TEST(ScriptLines, ReadsDateLines) {
    expectReads<DateLine>(readDateLine,
                          {{"{DATE}2005 - January, 14   4:58:20 PM", {2005, 1, 14, {16, 58}}},
                           {"{DATE}2024 - December, 31 11:59 PM", {2024, 12, 31, {23, 59}}},
                           {"{DATE}1999 - September, 9   22:30", {1999, 9, 9, {22, 30}}},
                           {"{DATE}32767 - June, 30   0:00", {32767, 6, 30, {0, 0}}}},
                          {// Month names are exact.
                           "{DATE}2005 - Jan, 14   4:58 PM", "{DATE}2005 - january, 14   4:58 PM",
                           // The separators are exact.
                           "{DATE}2005 January, 14   4:58 PM", "{DATE}2005 - January 14   4:58 PM",
                           "{DATE}2005, - January 14   4:58 PM",
                           // The time is measured from the end: an extra blank shifts it.
                           "{DATE}2005  -  January, 14   4:58 PM",
                           "{DATE}2005 - January,14 4:58 PM", "{DATE}40000 - January, 14   4:58 PM",
                           "{DATE}2005 - January, x   4:58 PM", "{DATE}2005 - January, 14",
                           "{DATE}2005 - January, 14   25:00"},
                          false);
}

TEST(ScriptLines, ReadsDaysLines) {
    const Result<DaysLine> some = readDaysLine("{DAYS}Mondays,Fridays, 2:05:00 PM");
    ASSERT_TRUE(some) << some.error().toStdString();
    EXPECT_FALSE(some.value().everyDay);
    EXPECT_EQ(some.value().days, (QList<Qt::DayOfWeek>{Qt::Monday, Qt::Friday}));
    EXPECT_EQ(some.value().time, (TimeOfDay{14, 5}));
    const Result<DaysLine> all = readDaysLine("{DAYS}All_Days, 12:05 AM");
    ASSERT_TRUE(all) << all.error().toStdString();
    EXPECT_TRUE(all.value().everyDay);
    EXPECT_EQ(all.value().time, (TimeOfDay{0, 5}));
    for (const char* line : {"{DAYS} 2:05:00 PM", "{DAYS}mondays, 2:05 PM", "{DAYS}Mondays,2:05PM",
                             "{DAYS}Mondays, 24:00"})
        EXPECT_FALSE(readDaysLine(line)) << line;
}

TEST(ScriptLines, AppendsTheProgramExtensionOnlyWithoutAnyDot) {
    const QList<std::pair<QString, QString>> rows = {
        {"MINE", "MINE.TDX"}, {"MINE.TXT", "MINE.TXT"}, {"C:\\MY.DIR\\MINE", "C:\\MY.DIR\\MINE"}};
    for (const auto& [name, expected] : rows)
        EXPECT_EQ(withProgramExtension(name), expected) << name.toStdString();
}

TEST(WaitRules, TimeOfDayComesAtItsMinuteAndStaysForTheRestOfTheDay) {
    const TimeOfDay fiveToTwo{13, 55};
    EXPECT_FALSE(timeOfDayReached(fiveToTwo, QTime(12, 59, 59)));
    EXPECT_FALSE(timeOfDayReached(fiveToTwo, QTime(13, 54, 59)));
    EXPECT_TRUE(timeOfDayReached(fiveToTwo, QTime(13, 55, 0)));
    EXPECT_TRUE(timeOfDayReached(fiveToTwo, QTime(14, 0)));
    EXPECT_TRUE(timeOfDayReached(fiveToTwo, QTime(23, 59)));
    EXPECT_TRUE(timeOfDayReached(TimeOfDay{0, 0}, QTime(0, 0)));
}

TEST(WaitRules, DateWaitEndsOnlyOnItsDayOnceTheTimeHasCome) {
    const DateLine line{2026, 12, 7, TimeOfDay{16, 58}};
    EXPECT_TRUE(dateWaitOver(line, QDateTime(QDate(2026, 12, 7), QTime(16, 58))));
    EXPECT_TRUE(dateWaitOver(line, QDateTime(QDate(2026, 12, 7), QTime(23, 0))));
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2026, 12, 7), QTime(16, 57, 59))));
    // A date that has passed is never matched.
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2026, 12, 8), QTime(0, 1))));
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2027, 12, 7), QTime(17, 0))));
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2026, 11, 7), QTime(17, 0))));
}

TEST(WaitRules, ClipWaitComparesTheBeginningCaseSensitively) {
    EXPECT_TRUE(clipWaitOver("Total: 12", "Total"));
    EXPECT_FALSE(clipWaitOver("total: 12", "Total"));
    EXPECT_FALSE(clipWaitOver("Tot", "Total"));
    EXPECT_TRUE(clipWaitOver("", ""));
    EXPECT_TRUE(clipWaitOver("anything", ""));
    EXPECT_FALSE(clipWaitOver("", "x"));
}

TEST(WaitRules, FileWaitNeedsTheStoredNameInTheSameCase) {
    EXPECT_TRUE(fileWaitOver("C:\\close.txt", QString("close.txt")));
    EXPECT_FALSE(fileWaitOver("C:\\close.txt", QString("CLOSE.TXT")));
    EXPECT_FALSE(fileWaitOver("C:\\close.txt", std::nullopt));
    EXPECT_TRUE(fileWaitOver("C:\\dir\\ close.txt ", QString("close.txt")));
    // A wildcard path never matches a stored name.
    EXPECT_FALSE(fileWaitOver("C:\\*.txt", QString("close.txt")));
    // A host path names its file after the last "/".
    EXPECT_TRUE(fileWaitOver("/tmp/go.txt", QString("go.txt")));
    const std::pair<const char*, bool> usable[] = {
        {"C:\\go.txt", true}, {"/tmp/go.txt", true}, {"go.txt", false}, {"C:go.txt", false}};
    for (const auto& [path, ok] : usable)
        EXPECT_EQ(checkFileWaitPath(path).isOk(), ok) << path;
}

TEST(WaitRules, TheTimePhaseSleepsUntilTheNextMinute) {
    EXPECT_EQ(msUntilNextMinute(QTime(10, 0, 0)), 60'000);
    EXPECT_EQ(msUntilNextMinute(QTime(10, 0, 59, 500)), 500);
    EXPECT_EQ(msUntilNextMinute(QTime(23, 59, 30)), 30'000);
}

} // namespace
} // namespace tandrel
