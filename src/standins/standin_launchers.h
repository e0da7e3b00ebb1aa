#pragma once

#include "platform/file_system.h"

#include <QByteArray>
#include <QString>

namespace tandrel {

// The launcher script for a stand-in: it runs the given Tandrel with the option and passes its
// arguments on. Empty for a path that a shell script cannot hold (a line break).
QByteArray standInLauncher(const QString& tandrelPath, const QString& option);

// Gives drive C the programs that programs written for Windows start, C:\WINDOWS\NOTEPAD.EXE and
// C:\WINDOWS\CALC.EXE, as launchers of Tandrel's stand-ins. A file of that name stays as it is,
// unless it is a launcher of ours whose Tandrel is gone: that one now runs tandrelPath.
void placeStandInLaunchers(FileSystem& files, const QString& tandrelPath);

} // namespace tandrel
