#pragma once

#include "platform/file_system.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tandrel {

// The argument as the window receives it: everything after the program's own name, the
// words joined by one blank, so that `tandrel Sample Notepad` names "Sample Notepad".
QString joinedArgument(const QStringList& arguments);

// "/x", "/X", "/u" and "/U" belong to installation, not to a program name.
bool isInstallationOption(const QString& argument);

// The file name a command-line program name stands for: ".TDX" is appended when the name
// holds no ".".
QString programFileName(const QString& name);

// The full path of the program the name stands for in the programs directory (ending in
// "\"); nothing unless a stored file has exactly that name, letter case included.
std::optional<QString> findCommandLineProgram(const FileSystem& files,
                                              const QString& programsDirectory,
                                              const QString& name);

// What a user is told when the name given on the command line names no program of the
// programs directory on `drive` (a letter).
QString programNotFoundText(const QString& name, const QString& drive);

} // namespace tandrel
