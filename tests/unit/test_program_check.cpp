#include "program_check_rows.h"
#include "runner/program_check.h"
#include "startup/sample_programs.h"

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

// A lookalike warning on a line the runner acts on would tell the user a working line is
// dead; an error on a sample would make the installation's own programs look broken.
TEST(ProgramCheck, WarnsOfLookalikesOnlyOnIgnoredLinesAndPassesTheSamples) {
    QStringList lines;
    for (const Row& row : rows)
        lines << row.program;
    for (const SampleProgram& sample : samplePrograms()) {
        if (sample.path.endsWith(u".TDX"))
            lines << sample.lines;
        for (const Finding& finding : checkProgram(sample.lines, context))
            EXPECT_NE(finding.severity, Severity::Error)
                << sample.path.toStdString() << ":" << finding.line << " "
                << finding.message.toStdString();
    }
    for (const QString& line : lines) {
        for (const Finding& finding : checkProgram({line}, context)) {
            if (finding.message.startsWith(u"the line is ignored")) {
                EXPECT_EQ(planLine(line).script.kind, LineKind::Ignored) << line.toStdString();
            }
        }
    }
}

} // namespace
