#include "program_check_rows.h"
#include "runner/program_trace.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

const CheckContext context{QDate(2026, 12, 7), [](const QString& commandLine) {
                               return commandLine == u"C:\\WINDOWS\\NOTEPAD.EXE";
                           }};

TEST(ProgramCheck, FindsEachKindOfFaultOnItsLine) {
    for (const check_rows::Row& row : check_rows::rows) {
        const QList<Finding> findings = checkProgram(row.program, context);
        if (row.line == 0) {
            EXPECT_TRUE(findings.isEmpty())
                << row.reason << ": " << findings.first().message.toStdString();
            continue;
        }
        ASSERT_EQ(findings.size(), 1) << row.reason;
        EXPECT_EQ(findings[0].line, row.line) << row.reason;
        EXPECT_EQ(findings[0].severity, row.severity) << row.reason;
        EXPECT_TRUE(findings[0].message.contains(row.fragment))
            << row.reason << ": " << findings[0].message.toStdString();
    }
}

struct TraceRow {
    QStringList program;
    QStringList expected;
    bool fails;
    const char* reason;
};

const QList<TraceRow> traceRows = {
    {{"{Run Program}C:\\WINDOWS\\NOTEPAD.EXE", "{Wait}12", "{ALT}FX", "{CTRL}{END}",
      "{Text Paste}Hi \"you\"~", "{Enter}", "{File Rename}C:\\a.txt * C:\\b.txt",
      "{DAYS}Mondays,Fridays, 2:05:00 PM", "{Stop}Done?", "{Start Again}", "a"},
     {"1: {Run Program}C:\\WINDOWS\\NOTEPAD.EXE",
      "   would start \"C:\\WINDOWS\\NOTEPAD.EXE\"",
      "2: {Wait}12",
      "   would wait 1.2 s",
      "3: {ALT}FX",
      "   would send \"%(FX)\": ALT+\"F\", ALT+\"X\"",
      "4: {CTRL}{END}",
      "   would send \"^({END})\": CTRL+END",
      "5: {Text Paste}Hi \"you\"~",
      "   would send \"Hi \"you\"~\": \"Hi \\\"you\\\"\", ENTER",
      "   would send \"~\": ENTER",
      "6: {Enter}",
      "   ignored",
      "7: {File Rename}C:\\a.txt * C:\\b.txt",
      "   would copy \"C:\\a.txt\" to \"C:\\b.txt\", then erase \"C:\\a.txt\"",
      "8: {DAYS}Mondays,Fridays, 2:05:00 PM",
      "   would wait for a Monday or Friday, then for 14:05 on that day, or go on at once when "
      "it is later",
      "9: {Stop}Done?",
      "   would stop with \"Done?\": OK goes on, Cancel ends Tandrel",
      "10: {Start Again}",
      "   would start again at line 1 (shown once)"},
     false,
     "what each kind of line does; start again shown once"},
    {{"a", "{Wait}x", "b"},
     {"1: a", "   would send \"a\": \"a\"", "2: {Wait}x",
      "   would fail: The wait \"x\" is not a number of tenths of a second."},
     true,
     "the trace stops at the failing line"},
    {{"{DATE}2005 - January, 14   4:58:20 PM", "{eXit}"},
     {"1: {DATE}2005 - January, 14   4:58:20 PM",
      "   would wait for 2005-01-14 16:58, a day that has passed or does not exist: the wait "
      "would never end"},
     false,
     "a wait that never ends is as far as the run gets"},
    {{"{DATE}2026 - December, 25   8:00 AM", "{eXit}", "a"},
     {"1: {DATE}2026 - December, 25   8:00 AM", "   would wait for 2026-12-25 08:00", "2: {eXit}",
      "   would end Tandrel"},
     false,
     "exit ends the trace"},
};

TEST(ProgramTrace, TellsWhatTheRunWouldDoLineByLine) {
    for (const TraceRow& row : traceRows) {
        const Trace trace = traceProgram(row.program, QDate(2026, 12, 7));
        EXPECT_EQ(trace.text, row.expected) << row.reason << "\n"
                                            << trace.text.join(u'\n').toStdString();
        EXPECT_EQ(trace.fails, row.fails) << row.reason;
    }
}

} // namespace
