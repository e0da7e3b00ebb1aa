// The check reads lines with the runner's own readers; this runs each line through the real
// runner on the fake platform to prove that they agree.

#include "../unit/program_check_rows.h"
#include "runner/run_error_text.h"
#include "startup/sample_programs.h"
#include "window_fixture.h"

using namespace tandrel;

namespace {

// Thrown from a wait: the line read its argument and began to wait, which is no failure.
struct BeganWaiting {};

// Whether such a line fails also depends on files, windows, programs or the clipboard.
const QList<LineKind> dependOnDesktop = {
    LineKind::FileCopy,   LineKind::FileRename, LineKind::FileErase, LineKind::FilePaste,
    LineKind::RunProgram, LineKind::FocusOn,    LineKind::ClipPaste};

class CheckAgreesWithRunner : public WindowTest {};

TEST_F(CheckAgreesWithRunner, EveryLineFailsAndSendsInTheRunnerAsTheCheckSays) {
    QStringList lines;
    for (const check_rows::Row& row : check_rows::rows)
        lines << row.program;
    for (const SampleProgram& sample : samplePrograms())
        lines << sample.lines;
    fake.clock.onWait = [] { throw BeganWaiting{}; };
    for (const QString& line : lines) {
        const LinePlan plan = planLine(line);
        // A program of that one line would start over for ever.
        if (plan.script.kind == LineKind::StartAgain)
            continue;
        window = std::make_unique<Tandrel>(fake.platform());
        fake.keystrokes.sent.clear();
        fake.messages.asked.clear();
        fake.messages.script.clear();
        fake.messages.willAnswer(Answer::Ok);
        window->List2->addItem(line);
        try {
            window->Command1_Click();
        } catch (const BeganWaiting&) {
        }
        const bool failed = fake.messages.texts().contains(generalRunErrorText);
        if (dependOnDesktop.contains(plan.script.kind))
            EXPECT_TRUE(failed || plan.failure.isEmpty()) << line.toStdString();
        else
            EXPECT_EQ(failed, !plan.failure.isEmpty()) << line.toStdString();
        EXPECT_EQ(fake.keystrokes.sent, plan.sends) << line.toStdString();
    }
}

} // namespace
