// The Test button: plays the program in the list back, line by line.

#include "runner/run_error_text.h"
#include "runner/wait_rules.h"
#include "script/keystroke_notation.h"
#include "script/program_file.h"
#include "script/script_lines.h"
#include "window/tandrel.h"

namespace tandrel {

namespace {

const QString stopBoxTitle = QStringLiteral("OK continues - Cancel stops program");
// How long a newly shown run window may take to become active before the run goes on anyway.
constexpr qint64 activationWaitMs = 2000;
constexpr qint64 activationPollMs = 10;
// How long a started program may take to show its window to a {Focus On} that names it.
constexpr qint64 programWindowWaitMs = 5000;
constexpr qint64 focusRetryMs = 100;

} // namespace

void Tandrel::Command1_Click() {
    AwaitActivation();
    // A "{Start Again}" line starts over here, in a loop rather than a nested call, so that a
    // program looping for days does not grow.
    for (;;) {
        show();
        const int lineCount = List2->count();
        if (lineCount == 0) {
            platform.messages.inform(
                QStringLiteral("You have not written or loaded a program to run."));
            CloseRun();
            return;
        }
        if (!globals.CommandName.isEmpty()) {
            setWindowTitle(globals.CommandName + QStringLiteral(" - Tandrel"));
            Label20->setText(applicationTitle);
            Text6->hide();
        }

        bool startAgain = false;
        for (int index = 0; index < lineCount && !startAgain; ++index) {
            platform.clock.yield();
            Label21->hide();
            // The user may shorten the program while a line waits.
            const QListWidgetItem* item = List2->item(index);
            if (!item)
                break;
            const QString line = item->text();
            const LineResult result = PerformLine(line);
            switch (result.outcome) {
            case LineOutcome::Next:
                break;
            case LineOutcome::StartAgain:
                startAgain = true;
                break;
            case LineOutcome::EndProcess:
                return;
            case LineOutcome::Failed:
                ShowRunError(index, line, result.reason);
                return;
            }
            platform.clock.yield();
        }
        if (!startAgain) {
            CloseRun();
            return;
        }
    }
}

// The window manager activates a newly shown run window when it gets to it, which can be
// after the program's first {Focus On} has given the focus elsewhere; the program's own
// focus lines must win, so the run starts once the window is active.
void Tandrel::AwaitActivation() {
    show();
    activateWindow();
    platform.clock.yield();
    const qint64 deadline = platform.clock.monotonicMs() + activationWaitMs;
    while (!isActiveWindow() && platform.clock.monotonicMs() < deadline)
        platform.clock.waitFor(activationPollMs);
}

void Tandrel::CloseRun() {
    setWindowTitle(applicationTitle);
    Label20->setText(QStringLiteral("Programs:"));
}

Tandrel::LineResult Tandrel::PerformLine(const QString& line) {
    const auto sent = [](const Status& status) {
        return status ? LineResult{} : LineResult{LineOutcome::Failed, status.reason()};
    };
    const ScriptLine script = classifyLine(line);
    switch (script.kind) {
    case LineKind::SingleKey:
    case LineKind::NamedKey:
    case LineKind::Alt:
    case LineKind::Ctrl:
    case LineKind::Shift:
        return sent(SendKeys(keyLineText(script)));
    case LineKind::Exit:
        platform.processEnd.endProcess();
        return {LineOutcome::EndProcess, {}};
    case LineKind::Note:
    case LineKind::Ignored:
        return {};
    case LineKind::FileCopy:
    case LineKind::FileRename: {
        const Result<TwoPaths> paths = readTwoPaths(script.rest);
        if (!paths)
            return {LineOutcome::Failed, paths.error()};
        if (Status copied = platform.files.copy(paths.value().from, paths.value().to); !copied)
            return {LineOutcome::Failed, copied.reason()};
        if (script.kind == LineKind::FileRename)
            return sent(platform.files.erase(paths.value().from));
        return {};
    }
    case LineKind::FileErase:
        return sent(platform.files.erase(singleArgument(script)));
    case LineKind::FilePaste: {
        const std::optional<QString> first = readFirstLine(platform.files, singleArgument(script));
        return PasteText(first.value_or(QString()),
                         QStringLiteral("The file to paste from is missing or empty."));
    }
    case LineKind::FileWait:
        return WaitForFile(singleArgument(script));
    case LineKind::RunProgram: {
        const Status started = platform.processes.start(singleArgument(script));
        if (started)
            programStartedMs = platform.clock.monotonicMs();
        return sent(started);
    }
    case LineKind::FocusOn:
        return sent(FocusOn(singleArgument(script)));
    case LineKind::Wait: {
        const Result<qint64> ms = readWaitMilliseconds(script.rest);
        if (!ms)
            return {LineOutcome::Failed, ms.error()};
        platform.clock.waitFor(ms.value());
        return {};
    }
    case LineKind::Stop:
        return StopBox(singleArgument(script));
    case LineKind::ClipWait:
        return WaitForClipboard(singleArgument(script));
    case LineKind::ClipPaste:
        return PasteText(platform.clipboard.text(), QStringLiteral("The clipboard is empty."));
    case LineKind::ClipClear:
        platform.clipboard.clear();
        return {};
    case LineKind::StartAgain:
        return {LineOutcome::StartAgain, {}};
    case LineKind::TextPaste:
        return PasteText(script.rest, noTextToPasteReason);
    case LineKind::Date:
        return WaitForDate(line);
    case LineKind::Days:
        return WaitForDays(line);
    }
    return {};
}

// The three paste lines send their text as it stands, then ENTER in a call of its own.
Tandrel::LineResult Tandrel::PasteText(const QString& text, const QString& emptyReason) {
    if (text.isEmpty())
        return {LineOutcome::Failed, emptyReason};
    for (const QString& keys : {text, QStringLiteral("~")}) {
        if (Status status = SendKeys(keys); !status)
            return {LineOutcome::Failed, status.reason()};
    }
    return {};
}

Status Tandrel::SendKeys(const QString& keys) {
    if (!keysLimitationTold) {
        keysLimitationTold = true;
        if (const QString limitation = platform.keystrokes.limitation(); !limitation.isEmpty())
            platform.messages.inform(limitation);
    }
    return platform.keystrokes.send(keys, true);
}

// Programs commonly name a window on the line after starting its program ("{Run Program}" then
// "{Focus On}"), before the program has had time to show it: while a program started a moment
// ago, a title that no window has yet is looked for again.
Status Tandrel::FocusOn(const QString& title) {
    Status activated = platform.windows.activate(title);
    while (!activated && programStartedMs &&
           platform.clock.monotonicMs() < *programStartedMs + programWindowWaitMs) {
        platform.clock.waitFor(focusRetryMs);
        activated = platform.windows.activate(title);
    }
    return activated;
}

Tandrel::LineResult Tandrel::StopBox(const QString& message) {
    show();
    raise();
    activateWindow();
    platform.clock.yield();
    const Answer answer = platform.messages.ask(message, stopBoxTitle, Buttons::OkCancel);
    if (answer != Answer::Ok) {
        platform.processEnd.endProcess();
        return {LineOutcome::EndProcess, {}};
    }
    platform.clock.yield();
    return {};
}

Tandrel::LineResult Tandrel::WaitForFile(const QString& path) {
    if (const Status usable = checkFileWaitPath(path); !usable)
        return {LineOutcome::Failed, usable.reason()};
    while (!fileWaitOver(path, platform.files.firstMatch(path)))
        platform.clock.waitFor(fileWaitPollMs);
    return {};
}

Tandrel::LineResult Tandrel::WaitForClipboard(const QString& expected) {
    while (!clipWaitOver(platform.clipboard.text(), expected))
        platform.clock.waitFor(clipWaitPollMs);
    return {};
}

Tandrel::LineResult Tandrel::WaitForDate(const QString& line) {
    for (;;) {
        const Result<DateLine> date = readDateLine(line);
        if (!date)
            return {LineOutcome::Failed, date.error()};
        if (dateWaitOver(date.value(), platform.clock.now()))
            return {};
        platform.clock.waitFor(dateWaitPollMs);
    }
}

Tandrel::LineResult Tandrel::WaitForDays(const QString& line) {
    const Result<DaysLine> days = readDaysLine(line);
    if (!days)
        return {LineOutcome::Failed, days.error()};
    while (!days.value().includes(Qt::DayOfWeek(platform.clock.now().date().dayOfWeek())))
        platform.clock.waitFor(dateWaitPollMs);
    // The time phase ends on the day it begins; it sleeps until each new minute instead of
    // spinning, since nothing it compares changes in between.
    for (;;) {
        const QTime now = platform.clock.now().time();
        if (timeOfDayReached(days.value().time, now))
            return {};
        platform.clock.waitFor(msUntilNextMinute(now));
    }
}

} // namespace tandrel
