#include "platform/posix/process_launcher.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

namespace tandrel {

namespace {

constexpr int windowPollMs = 50;
constexpr qint64 windowWaitMs = 3000;

std::optional<ProgramCommand> quotedProgram(const QString& text, const auto& executableFor) {
    const qsizetype close = text.indexOf(QLatin1Char('"'), 1);
    const QString path = text.mid(1, close < 0 ? -1 : close - 1);
    const auto program = executableFor(path);
    if (!program)
        return std::nullopt;
    const QString rest = close < 0 ? QString() : text.mid(close + 1);
    return ProgramCommand{*program, QProcess::splitCommand(rest)};
}

} // namespace

std::optional<ProgramCommand>
resolveCommandLine(const QString& commandLine,
                   const std::function<std::optional<QString>(const QString&)>& executableFor) {
    const QString text = commandLine.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (text.startsWith(QLatin1Char('"')))
        return quotedProgram(text, executableFor);
    for (qsizetype end = text.indexOf(QLatin1Char(' ')); end >= 0;
         end = text.indexOf(QLatin1Char(' '), end + 1)) {
        if (auto program = executableFor(text.left(end)))
            return ProgramCommand{*program, QProcess::splitCommand(text.mid(end + 1))};
    }
    if (auto program = executableFor(text))
        return ProgramCommand{*program, {}};
    return std::nullopt;
}

ProcessLauncher::ProcessLauncher(const FileSystem& files, ProcessWindows* windows)
    : files_(files)
    , windows_(windows) {
    windowPoll_.setInterval(windowPollMs);
}

Status ProcessLauncher::start(const QString& commandLine) {
    const auto command = resolveCommandLine(
        commandLine, [this](const QString& path) { return executableFor(path); });
    if (!command)
        return Status::failure(
            QStringLiteral("No program can be found for \"%1\".").arg(commandLine));
    qint64 pid = 0;
    if (!QProcess::startDetached(command->program, command->arguments, QString(), &pid))
        return Status::failure(
            QStringLiteral("The program \"%1\" could not be started.").arg(command->program));
    activateWhenShown(pid);
    return Status::ok();
}

std::optional<QString> ProcessLauncher::executableFor(const QString& path) const {
    return findExecutable(files_, path);
}

std::optional<QString> findExecutable(const FileSystem& files, const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    const bool bareName = !path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\')) &&
                          !path.contains(QLatin1Char(':'));
    if (bareName) {
        const QString found = QStandardPaths::findExecutable(path);
        return found.isEmpty() ? std::nullopt : std::optional<QString>(found);
    }
    const auto host = files.hostPath(path);
    if (!host)
        return std::nullopt;
    const QFileInfo info(*host);
    if (!info.isFile() || !info.isExecutable())
        return std::nullopt;
    return info.absoluteFilePath();
}

// The window shows up a while after the start (a cold start can take seconds); polling keeps
// the caller's run going meanwhile. The latest start wins, and so does any later activation
// by title.
void ProcessLauncher::activateWhenShown(qint64 pid) {
    if (!windows_)
        return;
    windowPoll_.stop();
    windowPoll_.disconnect();
    windows_->started(pid);
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    const quint64 activationsAtStart = windows_->titleActivations();
    QObject::connect(&windowPoll_, &QTimer::timeout, [this, pid, elapsed, activationsAtStart] {
        const bool superseded = windows_->titleActivations() != activationsAtStart;
        if (superseded || elapsed->hasExpired(windowWaitMs) || windows_->activateWindowOf(pid))
            windowPoll_.stop();
    });
    windowPoll_.start();
}

} // namespace tandrel
