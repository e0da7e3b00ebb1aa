#pragma once

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/shortcuts.h"

#include <QString>

namespace tandrel {

// What installing, updating and uninstalling touch. Every operation that fails is skipped
// without a message, so a half-usable drive still leaves a usable start.
struct InstallTarget {
    FileSystem& files;
    Shortcuts& shortcuts;
    Clock& clock;
    QString homeDir;          // "C:\TANDREL\"
    QString executableSource; // the running program's own executable, a host path
};

inline const QString shortcutName = QStringLiteral("Tandrel");

// Copies the executable into the home directory (atomically, so two starts at once leave one
// complete copy) and makes the desktop and start-menu entries. `pause` runs between steps.
void installExecutableAndShortcuts(const InstallTarget& target, void (*pause)(Clock&));

// Home directory, executable, shortcuts, programs directory and the sample programs.
void installFirstTime(const InstallTarget& target);

// Empties and removes the programs directory, then the home directory, then the shortcuts.
// Regular files and symbolic links directly inside the two directories are deleted, links
// as links (never followed); a real subdirectory keeps its directory. Returns whether either
// directory is still there.
bool uninstall(FileSystem& files, Shortcuts& shortcuts, const QString& drive);

} // namespace tandrel
