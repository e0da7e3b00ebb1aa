#pragma once

#include "platform/file_system.h"
#include "platform/processes.h"

#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

namespace tandrel {

// Finds a started program's window, so that it can get the focus.
class ProcessWindows {
public:
    virtual ~ProcessWindows() = default;
    // The process has just been started: windows that exist now are not its own.
    virtual void started(long long) {}
    // Activates the top-level window of the process; false while the process has none.
    virtual bool activateWindowOf(long long pid) = 0;
    // Counts the activations by title, so that a late program window does not take the focus
    // from a window that was asked for after the program started.
    virtual quint64 titleActivations() const = 0;
};

struct ProgramCommand {
    QString program; // host path of an executable file
    QStringList arguments;
    friend bool operator==(const ProgramCommand&, const ProgramCommand&) = default;
};

// Splits a command line into a program and its arguments. A quoted program path is taken as
// quoted; an unquoted one may hold blanks: each blank is tried as the end of the path,
// shortest first, then the whole text, until `executableFor` finds an executable file for it.
// The text after the path is split with the usual quoting rules.
std::optional<ProgramCommand>
resolveCommandLine(const QString& commandLine,
                   const std::function<std::optional<QString>(const QString&)>& executableFor);

// The host path of the executable file a program path names: a bare name is looked up on
// PATH, any other path through the drive map.
std::optional<QString> findExecutable(const FileSystem& files, const QString& path);

// Starts programs detached and gives their first window the focus when it appears.
class ProcessLauncher : public Processes {
public:
    // Without process windows the started program's window is left to the window manager.
    ProcessLauncher(const FileSystem& files, ProcessWindows* windows);

    Status start(const QString& commandLine) override;

private:
    std::optional<QString> executableFor(const QString& path) const;
    void activateWhenShown(qint64 pid);

    const FileSystem& files_;
    ProcessWindows* windows_;
    QTimer windowPoll_;
};

} // namespace tandrel
