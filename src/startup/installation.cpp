#include "startup/installation.h"

#include "script/program_file.h"
#include "startup/sample_programs.h"

#include <QFileInfo>

namespace tandrel {

namespace {

constexpr qint64 kOneSecondMs = 1000;

// The one-second wait lets no events run, so the window stays as it was while files settle.
void busyWaitOneSecond(Clock& clock) {
    const qint64 end = clock.monotonicMs() + kOneSecondMs;
    while (clock.monotonicMs() < end)
        clock.waitUntil(end);
}

void noPause(Clock&) {}

// The first regular file directly inside a directory, links and subdirectories left out.
std::optional<QString> firstRegularFile(const FileSystem& files, const QString& directory) {
    const auto entries = files.list(directory);
    if (!entries)
        return std::nullopt;
    for (const DirectoryEntry& entry : *entries) {
        if (entry.isDirectory)
            continue;
        const auto host = files.hostPath(directory + entry.name);
        if (!host)
            continue;
        const QFileInfo info(*host);
        if (info.isFile() && !info.isSymLink())
            return entry.name;
    }
    return std::nullopt;
}

// Deletes the regular files of a directory one per pass; returns whether one was left.
bool emptyDirectory(FileSystem& files, const QString& directory) {
    for (int pass = 0; pass < uninstallPassLimit; ++pass) {
        const auto name = firstRegularFile(files, directory);
        if (!name)
            return false;
        files.erase(directory + *name);
    }
    return firstRegularFile(files, directory).has_value();
}

} // namespace

void installExecutableAndShortcuts(const InstallTarget& target, void (*pause)(Clock&)) {
    const QString installed = target.homeDir + QStringLiteral("Tandrel.exe");
    target.files.copy(target.executableSource, installed);
    busyWaitOneSecond(target.clock);
    const auto host = target.files.hostPath(installed);
    if (!host || !QFileInfo(*host).isFile())
        return;
    pause(target.clock);
    target.shortcuts.create(ShortcutPlace::Desktop, shortcutName, *host);
    pause(target.clock);
    target.shortcuts.create(ShortcutPlace::StartMenu, shortcutName, *host);
}

void installFirstTime(const InstallTarget& target) {
    target.files.makeDirectory(target.homeDir);
    installExecutableAndShortcuts(target, noPause);
    const QString programs = target.homeDir + QStringLiteral("PROGRAMS\\");
    if (!target.files.directoryExists(programs))
        target.files.makeDirectory(programs);
    for (const SampleProgram& sample : samplePrograms())
        writeProgram(target.files, sample.path, sample.lines);
}

bool uninstall(FileSystem& files, Shortcuts& shortcuts, const QString& drive) {
    const QString home = drive + QStringLiteral(":\\Tandrel\\");
    const QString programs = home + QStringLiteral("programs\\");
    emptyDirectory(files, programs);
    files.removeDirectory(programs);
    const bool left = emptyDirectory(files, home);
    files.removeDirectory(home);
    shortcuts.remove(ShortcutPlace::Desktop, shortcutName);
    shortcuts.remove(ShortcutPlace::StartMenu, shortcutName);
    return left;
}

} // namespace tandrel
