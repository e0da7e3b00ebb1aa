#include "runner/script_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tandrel {
namespace {

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
        {" ", LineKind::SingleKey, " "},
        {"{", LineKind::SingleKey, "{"},
        {"%", LineKind::SingleKey, "%"},
        {smiley, LineKind::SingleKey, smiley},
        // Rule 2: two or more characters not opening with "{", and the empty line.
        {"", LineKind::Ignored, ""},
        {"ab", LineKind::Ignored, ""},
        {" {eXit}", LineKind::Ignored, ""},
        {"This text is purely informational.", LineKind::Ignored, ""},
        // Rule 3: whole-line tokens, exactly.
        {"{eXit}", LineKind::Exit, ""},
        {"{ENTER}", LineKind::NamedKey, "{ENTER}"},
        {"{F16}", LineKind::NamedKey, "{F16}"},
        {"{SCROLLLOCK}", LineKind::NamedKey, "{SCROLLLOCK}"},
        // Rule 4: marks as prefixes; the rest is kept as it stands.
        {"{Note}", LineKind::Note, ""},
        {"{Note}  free text", LineKind::Note, "  free text"},
        {"{ALT}F", LineKind::Alt, "F"},
        {"{ALT}", LineKind::Alt, ""},
        {"{CTRL}AB", LineKind::Ctrl, "AB"},
        {"{SHIFT}a", LineKind::Shift, "a"},
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
        {"{Clip Paste}whatever", LineKind::ClipPaste, "whatever"},
        {"{Clip Clear}", LineKind::ClipClear, ""},
        {"{Start Again}", LineKind::StartAgain, ""},
        {"{Text Paste} 50% off ", LineKind::TextPaste, " 50% off "},
        {"{DATE}2005 - January, 14   4:58:20 PM", LineKind::Date,
         "2005 - January, 14   4:58:20 PM"},
        {"{DAYS}Mondays, 2:05 PM", LineKind::Days, "Mondays, 2:05 PM"},
        // Rule 5: anything else in braces, including near misses in letter case.
        {"{Exit}", LineKind::Ignored, ""},
        {"{EXIT}", LineKind::Ignored, ""},
        {"{eXit} ", LineKind::Ignored, ""},
        {"{Enter}", LineKind::Ignored, ""},
        {"{ENTER} ", LineKind::Ignored, ""},
        {"{F17}", LineKind::Ignored, ""},
        {"{F0}", LineKind::Ignored, ""},
        {"{SPACE}", LineKind::Ignored, ""},
        {"{note}", LineKind::Ignored, ""},
        {"{Alt}F", LineKind::Ignored, ""},
        {"{Date}2005 - January, 14   4:58 PM", LineKind::Ignored, ""},
        {"{Wait", LineKind::Ignored, ""},
        {"{}", LineKind::Ignored, ""},
    };
    for (const ClassifyRow& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        const ScriptLine line = classifyLine(row.line);
        EXPECT_EQ(line.kind, row.kind);
        EXPECT_EQ(line.rest, row.rest);
    }
}

TEST(ScriptLines, MarksHaveTheirLengths) {
    const QList<std::pair<LineKind, int>> rows = {
        {LineKind::Note, 6},        {LineKind::Alt, 5},         {LineKind::Ctrl, 6},
        {LineKind::Shift, 7},       {LineKind::FileCopy, 11},   {LineKind::FileErase, 12},
        {LineKind::FilePaste, 12},  {LineKind::FileRename, 13}, {LineKind::FileWait, 11},
        {LineKind::RunProgram, 13}, {LineKind::FocusOn, 10},    {LineKind::Wait, 6},
        {LineKind::Stop, 6},        {LineKind::ClipWait, 11},   {LineKind::ClipPaste, 12},
        {LineKind::ClipClear, 12},  {LineKind::StartAgain, 13}, {LineKind::TextPaste, 12},
        {LineKind::Date, 6},        {LineKind::Days, 6},
    };
    for (const auto& [kind, length] : rows) {
        const QString mark = markOf(kind);
        SCOPED_TRACE(mark.toStdString());
        EXPECT_EQ(mark.size(), length);
        EXPECT_EQ(classifyLine(mark + "x").kind, kind);
    }
    for (LineKind kind :
         {LineKind::SingleKey, LineKind::Exit, LineKind::NamedKey, LineKind::Ignored})
        EXPECT_TRUE(markOf(kind).isEmpty());
}

TEST(ScriptLines, KnowsTheThirtySixNamedKeys) {
    const QStringList expected = {
        "{BACKSPACE}", "{BREAK}", "{CAPSLOCK}", "{DELETE}", "{DOWN}",   "{END}",
        "{ENTER}",     "{ESC}",   "{HELP}",     "{HOME}",   "{INSERT}", "{LEFT}",
        "{NUMLOCK}",   "{PGDN}",  "{PGUP}",     "{PRTSC}",  "{RIGHT}",  "{SCROLLLOCK}",
        "{TAB}",       "{UP}",    "{F1}",       "{F2}",     "{F3}",     "{F4}",
        "{F5}",        "{F6}",    "{F7}",       "{F8}",     "{F9}",     "{F10}",
        "{F11}",       "{F12}",   "{F13}",      "{F14}",    "{F15}",    "{F16}",
    };
    QStringList tokens;
    for (NamedKey key : allNamedKeys()) {
        tokens.append(namedKeyToken(key));
        EXPECT_EQ(namedKeyFromName(namedKeyName(key)), key);
        EXPECT_EQ(namedKeyFromToken(namedKeyToken(key)), key);
    }
    EXPECT_EQ(tokens, expected);
    for (const QString& token : expected)
        EXPECT_EQ(classifyLine(token).kind, LineKind::NamedKey) << token.toStdString();
    for (const char* notAName : {"Enter", "enter", "SPACE", "F17", "F0", "", "{ENTER}"})
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
        {"{Text Paste} text ", " text "},
        {"{File Erase} C:\\a.txt", " C:\\a.txt"},
        {"{Run Program}C:\\TANDREL\\Tandrel.exe Sample Notepad",
         "C:\\TANDREL\\Tandrel.exe Sample Notepad"},
    };
    for (const auto& [line, argument] : rows)
        EXPECT_EQ(singleArgument(classifyLine(line)), argument) << line.toStdString();
}

struct TwoPathRow {
    QString rest;
    std::optional<TwoPaths> paths;
};

TEST(ScriptLines, ReadsTwoPathsAroundTheFirstStar) {
    const QList<TwoPathRow> rows = {
        {"C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX * C:\\close.txt",
         TwoPaths{"C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX", "C:\\close.txt"}},
        {"C:\\a.txt*C:\\b.txt", TwoPaths{"C:\\a.tx", ":\\b.txt"}},
        {"a * b*c", TwoPaths{"a", "b*c"}},
        {"a  *  b", TwoPaths{"a ", " b"}},
        {"a *", TwoPaths{"a", ""}},
        {"ab*", TwoPaths{"a", ""}},
        {"C:\\a.txt", std::nullopt},
        {"", std::nullopt},
        {"*C:\\b.txt", std::nullopt},
        {" * C:\\b.txt", std::nullopt},
        {"a*b", std::nullopt},
    };
    for (const TwoPathRow& row : rows) {
        SCOPED_TRACE(row.rest.toStdString());
        const Result<TwoPaths> read = readTwoPaths(row.rest);
        ASSERT_EQ(read.isOk(), row.paths.has_value()) << read.error().toStdString();
        if (row.paths) {
            EXPECT_EQ(read.value().from, row.paths->from);
            EXPECT_EQ(read.value().to, row.paths->to);
        } else {
            EXPECT_FALSE(read.error().isEmpty());
        }
    }
}

TEST(ScriptLines, ReadsWaitsInTenthsOfASecond) {
    const QList<std::pair<QString, std::optional<qint64>>> rows = {
        {"5", 500},
        {"12", 1200},
        {"600", 60000},
        {"0", 0},
        {"007", 700},
        {" 5 ", 500},
        {"2.5", 250},
        {".5", 50},
        {"5.", 500},
        {"864000", 86400000},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"5x", std::nullopt},
        {"5 5", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"1e3", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"0x10", std::nullopt},
        {"\t5", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& [rest, milliseconds] : rows) {
        SCOPED_TRACE(rest.toStdString());
        const Result<qint64> read = readWaitMilliseconds(rest);
        ASSERT_EQ(read.isOk(), milliseconds.has_value()) << read.error().toStdString();
        if (milliseconds)
            EXPECT_EQ(read.value(), *milliseconds);
        else
            EXPECT_TRUE(read.error().contains(rest));
    }
}

TEST(ScriptLines, ReadsTimesOfDay) {
    const QList<std::pair<QString, std::optional<TimeOfDay>>> rows = {
        {"10:30 PM", TimeOfDay{22, 30}},
        {"22:30", TimeOfDay{22, 30}},
        {"4:58:20 PM", TimeOfDay{16, 58}},
        {"4:58 PM", TimeOfDay{16, 58}},
        {"2:05:00 PM", TimeOfDay{14, 5}},
        {"12:05 AM", TimeOfDay{0, 5}},
        {"12:05 PM", TimeOfDay{12, 5}},
        {"12:05", TimeOfDay{12, 5}},
        {"11:59 am", TimeOfDay{11, 59}},
        {"1:00 pm", TimeOfDay{13, 0}},
        {"9:07 AM", TimeOfDay{9, 7}},
        {" 9:07 ", TimeOfDay{9, 7}},
        {"0:00", TimeOfDay{0, 0}},
        {"23:59:59", TimeOfDay{23, 59}},
        {"13:00 PM", TimeOfDay{13, 0}},
        {"1030", std::nullopt},
        {"", std::nullopt},
        {"ab:30", std::nullopt},
        {":30", std::nullopt},
        {"10:", std::nullopt},
        {"10:x", std::nullopt},
        {"10: 30", std::nullopt},
        {"10:30PM", std::nullopt},
        {"24:00", std::nullopt},
        {"25:00", std::nullopt},
        {"23:60", std::nullopt},
        {"-1:00", std::nullopt},
        {"99999999999:00", std::nullopt},
    };
    for (const auto& [text, time] : rows) {
        SCOPED_TRACE(text.toStdString());
        const Result<TimeOfDay> read = readTimeOfDay(text);
        ASSERT_EQ(read.isOk(), time.has_value()) << read.error().toStdString();
        if (time) {
            EXPECT_EQ(read.value().hour, time->hour);
            EXPECT_EQ(read.value().minute, time->minute);
        } else {
            EXPECT_FALSE(read.error().isEmpty());
        }
    }
}

TEST(ScriptLines, ReadsDateLines) {
    const QList<std::pair<QString, std::optional<DateLine>>> rows = {
        {"{DATE}2005 - January, 14   4:58:20 PM", DateLine{2005, 1, 14, {16, 58}}},
        {"{DATE}2005 - January, 14   4:58 PM", DateLine{2005, 1, 14, {16, 58}}},
        {"{DATE}2024 - December, 31 11:59 PM", DateLine{2024, 12, 31, {23, 59}}},
        {"{DATE}2030 - May, 1   12:05 AM", DateLine{2030, 5, 1, {0, 5}}},
        {"{DATE}1999 - September, 9   22:30", DateLine{1999, 9, 9, {22, 30}}},
        {"{DATE}32767 - June, 30   0:00", DateLine{32767, 6, 30, {0, 0}}},
        // Month names are exact.
        {"{DATE}2005 - Jan, 14   4:58 PM", std::nullopt},
        {"{DATE}2005 - january, 14   4:58 PM", std::nullopt},
        // Separators missing.
        {"{DATE}2005 January, 14   4:58 PM", std::nullopt},
        {"{DATE}2005 - January 14   4:58 PM", std::nullopt},
        {"{DATE}2005, - January 14   4:58 PM", std::nullopt},
        // The time is measured from the end: any extra blank before the day shifts it.
        {"{DATE}2005  -  January, 14   4:58 PM", std::nullopt},
        {"{DATE}2005 - January,14 4:58 PM", std::nullopt},
        // Numbers.
        {"{DATE}abcd - January, 14   4:58 PM", std::nullopt},
        {"{DATE} - January, 14   4:58 PM", std::nullopt},
        {"{DATE}40000 - January, 14   4:58 PM", std::nullopt},
        {"{DATE}2005 - January, x   4:58 PM", std::nullopt},
        {"{DATE}2005 - January,    4:58 PM", std::nullopt},
        // Time.
        {"{DATE}2005 - January, 14", std::nullopt},
        {"{DATE}2005 - January, 14   4 PM", std::nullopt},
        {"{DATE}2005 - January, 14   25:00", std::nullopt},
    };
    for (const auto& [line, date] : rows) {
        SCOPED_TRACE(line.toStdString());
        const Result<DateLine> read = readDateLine(line);
        ASSERT_EQ(read.isOk(), date.has_value()) << read.error().toStdString();
        if (date) {
            EXPECT_EQ(read.value().year, date->year);
            EXPECT_EQ(read.value().month, date->month);
            EXPECT_EQ(read.value().day, date->day);
            EXPECT_EQ(read.value().time, date->time);
        } else {
            EXPECT_FALSE(read.error().isEmpty());
        }
    }
}

TEST(ScriptLines, DateMonthsAreNumberedFromJanuary) {
    const QStringList months = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
    for (int i = 0; i < months.size(); ++i) {
        const Result<DateLine> read =
            readDateLine("{DATE}2005 - " + months[i] + ", 14   4:58:20 PM");
        ASSERT_TRUE(read) << read.error().toStdString();
        EXPECT_EQ(read.value().month, i + 1);
    }
}

struct DaysRow {
    QString line;
    bool ok;
    bool everyDay = false;
    QList<Qt::DayOfWeek> days;
    TimeOfDay time;
};

TEST(ScriptLines, ReadsDaysLines) {
    const QList<DaysRow> rows = {
        {"{DAYS}Mondays,Fridays, 2:05:00 PM", true, false, {Qt::Monday, Qt::Friday}, {14, 5}},
        {"{DAYS}All_Days, 12:05 PM", true, true, {}, {12, 5}},
        {"{DAYS}All_Days, 12:05 AM", true, true, {}, {0, 5}},
        {"{DAYS}Sundays,Saturdays, 8:00 AM", true, false, {Qt::Sunday, Qt::Saturday}, {8, 0}},
        {"{DAYS}Tuesdays,Wednesdays,Thursdays, 22:30",
         true,
         false,
         {Qt::Tuesday, Qt::Wednesday, Qt::Thursday},
         {22, 30}},
        {"{DAYS} 2:05:00 PM", false, false, {}, {}},
        {"{DAYS}mondays, 2:05 PM", false, false, {}, {}},
        {"{DAYS}Mondays,2:05PM", false, false, {}, {}},
        {"{DAYS}Mondays, 2 PM", false, false, {}, {}},
        {"{DAYS}Mondays, 24:00", false, false, {}, {}},
    };
    for (const DaysRow& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        const Result<DaysLine> read = readDaysLine(row.line);
        ASSERT_EQ(read.isOk(), row.ok) << read.error().toStdString();
        if (!row.ok) {
            EXPECT_FALSE(read.error().isEmpty());
            continue;
        }
        EXPECT_EQ(read.value().everyDay, row.everyDay);
        EXPECT_EQ(read.value().days, row.days);
        EXPECT_EQ(read.value().time, row.time);
    }
}

TEST(ScriptLines, DaysLineCoversItsDaysOnly) {
    const DaysLine some = readDaysLine("{DAYS}Mondays,Fridays, 2:05:00 PM").value();
    const DaysLine all = readDaysLine("{DAYS}All_Days, 12:05 PM").value();
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        const auto weekDay = Qt::DayOfWeek(day);
        EXPECT_EQ(some.includes(weekDay), weekDay == Qt::Monday || weekDay == Qt::Friday);
        EXPECT_TRUE(all.includes(weekDay));
    }
}

TEST(ScriptLines, AppendsTheProgramExtensionOnlyWithoutAnyDot) {
    const QList<std::pair<QString, QString>> rows = {
        {"MINE", "MINE.TDX"},
        {"Sample Notepad", "Sample Notepad.TDX"},
        {"MINE.TXT", "MINE.TXT"},
        {"MINE.", "MINE."},
        {"Sample Calculator.TDX", "Sample Calculator.TDX"},
        {"C:\\MY.DIR\\MINE", "C:\\MY.DIR\\MINE"},
        {"", ".TDX"},
    };
    for (const auto& [name, expected] : rows)
        EXPECT_EQ(withProgramExtension(name), expected) << name.toStdString();
}

} // namespace
} // namespace tandrel
