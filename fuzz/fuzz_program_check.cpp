// A program file's bytes through the check and the dry run, which must tell the same story
// about the lines the run would fail on.

#include "fuzz_text.h"
#include "runner/program_check.h"
#include "runner/program_trace.h"
#include "script/program_file.h"

namespace tandrel::fuzz {
namespace {

const QDate today(2026, 12, 7);

// Any answer will do as long as it is the same for the same command line.
bool programFound(const QString& commandLine) {
    return commandLine.size() % 2 == 0;
}

// The errors the dry run stops on: a two-path line whose paths read is run with the paths as
// read, so a separator the check calls an error is no failure of the run itself.
bool runFailsOn(const QString& line) {
    const LinePlan plan = planLine(line);
    const LineKind kind = plan.script.kind;
    return (kind != LineKind::FileCopy && kind != LineKind::FileRename) || !plan.failure.isEmpty();
}

void checkAgreesWithTrace(const QStringList& lines, const QList<Finding>& findings) {
    const Trace trace = traceProgram(lines, today);
    // Each line the run reaches starts a line of the trace that does not begin with blanks.
    int reached = 0;
    for (const QString& text : trace.text)
        reached += text.startsWith(u' ') ? 0 : 1;
    if (reached == 0 && !lines.isEmpty())
        propertyBroken("the trace does not reach the first line:", lines.first());
    QString lastError;
    for (const Finding& finding : findings) {
        if (finding.line < 1 || finding.line > lines.size())
            propertyBroken("a finding names no line of the program:", finding.message);
        if (finding.message.isEmpty())
            propertyBroken("a finding says nothing:", lines[finding.line - 1]);
        if (finding.message.startsWith(QStringLiteral("the line can never run")) &&
            finding.line <= reached)
            propertyBroken("the check calls a line unreachable that the trace reaches:",
                           lines[finding.line - 1]);
        const bool failing = finding.severity == Severity::Error &&
                             runFailsOn(lines[finding.line - 1]) && finding.line <= reached;
        if (failing && finding.line < reached)
            propertyBroken("the trace runs past a line the check calls an error:",
                           lines[finding.line - 1]);
        if (failing)
            lastError = finding.message;
    }
    if (trace.fails != !lastError.isEmpty())
        propertyBroken(trace.fails ? "the trace fails on a line the check passes:"
                                   : "the trace passes a line the check calls an error:",
                       lines.value(reached - 1));
    if (trace.fails && trace.text.last() != QStringLiteral("   would fail: ") + lastError)
        propertyBroken("the trace and the check give different reasons:", trace.text.last());
}

} // namespace
} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tandrel;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = decodeProgram(bytes);
    const QList<Finding> findings = checkProgram(lines, {fuzz::today, fuzz::programFound});
    fuzz::checkAgreesWithTrace(lines, findings);
    for (const QString& line : lines) {
        const LinePlan plan = planLine(line);
        (void)sendFailure(plan);
        (void)dayText(plan.date);
    }
    return 0;
}
