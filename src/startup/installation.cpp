#include "startup/installation.h"

#include "script/program_file.h"
#include "startup/sample_programs.h"

#include <QFile>
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

// The first regular file or symbolic link directly inside a directory; subdirectories stay.
std::optional<QString> firstRemovable(const FileSystem& files, const QString& directory) {
    const auto entries = files.list(directory);
    if (!entries)
        return std::nullopt;
    for (const DirectoryEntry& entry : *entries) {
        // A "\" in a host name would make the path name another file: it stays.
        if (entry.name.contains(QLatin1Char('\\')))
            continue;
        const auto host = files.hostPath(directory + entry.name);
        if (!host)
            continue;
        const QFileInfo info(*host);
        if (info.isSymLink() || (info.isFile() && !entry.isDirectory))
            return entry.name;
    }
    return std::nullopt;
}

// A link goes as a link: its target, inside the installation or not, is never touched.
bool remove(FileSystem& files, const QString& path) {
    const auto host = files.hostPath(path);
    if (host && QFileInfo(*host).isSymLink())
        return QFile::remove(*host);
    return files.erase(path).isOk();
}

// Deletes the regular files and links of a directory until one will not go or none is left.
void emptyDirectory(FileSystem& files, const QString& directory) {
    while (const auto name = firstRemovable(files, directory)) {
        if (!remove(files, directory + *name))
            return;
    }
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
    emptyDirectory(files, home);
    files.removeDirectory(home);
    shortcuts.remove(ShortcutPlace::Desktop, shortcutName);
    shortcuts.remove(ShortcutPlace::StartMenu, shortcutName);
    return files.directoryExists(programs) || files.directoryExists(home);
}

} // namespace tandrel
