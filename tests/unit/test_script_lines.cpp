#include "../e2e/qt_printers.h"
#include "runner/wait_rules.h"
#include "script/script_lines.h"

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
}

TEST(ScriptLines, SingleArgumentsAreTrimmedOnlyForStopAndClipWait) {
    const QList<std::pair<QString, QString>> rows = {
        {"{Stop}  That is the end of this example.", "That is the end of this example."},
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

TEST(ScriptLines, ReadsTimesDatesAndDays) {
    expectReads<TimeOfDay>(
        readTimeOfDay,
        {{"22:30", {22, 30}},
         {"4:58:20 PM", {16, 58}},
         {"1:00 pm", {13, 0}},
         {"13:00 PM", {13, 0}},
         {"12:05 PM", {12, 5}},
         {"12:05 AM", {0, 5}},
         {" 9:07 ", {9, 7}},
         {"23:59:59", {23, 59}}},
        // Out of range too: a wait for a time the clock never shows would
        // never end.
        {"1030", "ab:30", "10: 30", "10:30PM", "24:00", "23:60", "-1:00", "99999999999:00"}, true);
    expectReads<DateLine>(readDateLine,
                          {{"{DATE}2005 - January, 14   4:58:20 PM", {2005, 1, 14, {16, 58}}},
                           {"{DATE}32767 - December, 31   0:00", {32767, 12, 31, {0, 0}}}},
                          // Month names and separators are exact; the time is measured from
                          // the end, so an extra blank shifts it.
                          {"{DATE}2005 - Jan, 14   4:58 PM", "{DATE}2005 - january, 14   4:58 PM",
                           "{DATE}2005 January, 14   4:58 PM", "{DATE}2005 - January 14   4:58 PM",
                           "{DATE}2005  -  January, 14   4:58 PM",
                           "{DATE}40000 - January, 14   4:58 PM",
                           "{DATE}2005 - January, x   4:58 PM", "{DATE}2005 - January, 14"},
                          false);
    const Result<DaysLine> some = readDaysLine("{DAYS}Mondays,Fridays, 2:05:00 PM");
    ASSERT_TRUE(some) << some.error().toStdString();
    EXPECT_FALSE(some.value().everyDay);
    EXPECT_EQ(some.value().days, (QList<Qt::DayOfWeek>{Qt::Monday, Qt::Friday}));
    EXPECT_EQ(some.value().time, (TimeOfDay{14, 5}));
    const Result<DaysLine> all = readDaysLine("{DAYS}All_Days, 12:05 AM");
    EXPECT_TRUE(all && all.value().everyDay);
    for (const char* line : {"{DAYS} 2:05:00 PM", "{DAYS}mondays, 2:05 PM", "{DAYS}Mondays,2:05PM"})
        EXPECT_FALSE(readDaysLine(line)) << line;
}

TEST(WaitRules, TimeClipAndFileWaitsEndWhenTheirStateComes) {
    const TimeOfDay fiveToTwo{13, 55};
    const std::pair<QTime, bool> times[] = {
        {QTime(13, 54, 59), false}, {QTime(13, 55), true}, {QTime(23, 59), true}};
    for (const auto& [now, over] : times)
        EXPECT_EQ(timeOfDayReached(fiveToTwo, now), over) << now.toString().toStdString();
    // A date that has passed is never matched.
    const DateLine date{2026, 12, 7, TimeOfDay{16, 58}};
    const std::pair<QDateTime, bool> moments[] = {
        {QDateTime(QDate(2026, 12, 7), QTime(16, 58)), true},
        {QDateTime(QDate(2026, 12, 7), QTime(16, 57, 59)), false},
        {QDateTime(QDate(2026, 12, 8), QTime(0, 1)), false},
        {QDateTime(QDate(2027, 12, 7), QTime(17, 0)), false},
        {QDateTime(QDate(2026, 11, 7), QTime(17, 0)), false}};
    for (const auto& [now, over] : moments)
        EXPECT_EQ(dateWaitOver(date, now), over) << now.toString().toStdString();
    // The clipboard's beginning, case-sensitively.
    const std::tuple<const char*, const char*, bool> clips[] = {{"Total: 12", "Total", true},
                                                                {"total: 12", "Total", false},
                                                                {"Tot", "Total", false},
                                                                {"anything", "", true},
                                                                {"", "x", false}};
    for (const auto& [clip, wanted, over] : clips)
        EXPECT_EQ(clipWaitOver(clip, wanted), over) << clip << " / " << wanted;
    // The stored name in the same case; a wildcard never matches; a host path's name follows
    // its last "/".
    const std::tuple<const char*, std::optional<QString>, bool> files[] = {
        {"C:\\close.txt", "close.txt", true},   {"C:\\close.txt", "CLOSE.TXT", false},
        {"C:\\close.txt", std::nullopt, false}, {"C:\\dir\\ close.txt ", "close.txt", true},
        {"C:\\*.txt", "close.txt", false},      {"/tmp/go.txt", "go.txt", true}};
    for (const auto& [path, stored, over] : files)
        EXPECT_EQ(fileWaitOver(path, stored), over) << path;
    const std::pair<const char*, bool> usable[] = {
        {"C:\\go.txt", true}, {"/tmp/go.txt", true}, {"go.txt", false}, {"C:go.txt", false}};
    for (const auto& [path, ok] : usable)
        EXPECT_EQ(checkFileWaitPath(path).isOk(), ok) << path;
    EXPECT_EQ(msUntilNextMinute(QTime(10, 0, 0)), 60'000);
    EXPECT_EQ(msUntilNextMinute(QTime(10, 0, 59, 500)), 500);
}

} // namespace
} // namespace tandrel
