#include "program_check_rows.h"
#include "runner/program_check.h"

#include <gtest/gtest.h>

using namespace tandrel;
using namespace tandrel::check_rows;

namespace {

const CheckContext context{QDate(2026, 12, 7), [](const QString& commandLine) {
                               return commandLine == u"C:\\WINDOWS\\NOTEPAD.EXE";
                           }};

TEST(ProgramCheck, FindsEachKindOfFaultOnItsLine) {
    for (const Row& row : rows) {
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

} // namespace
