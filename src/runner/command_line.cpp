#include "runner/command_line.h"

namespace tandrel {

QString joinedArgument(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' '));
}

bool isInstallationOption(const QString& argument) {
    return argument.compare(QStringLiteral("/x"), Qt::CaseInsensitive) == 0 ||
           argument.compare(QStringLiteral("/u"), Qt::CaseInsensitive) == 0;
}

QString programFileName(const QString& name) {
    return name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".TDX");
}

std::optional<QString> findCommandLineProgram(const FileSystem& files,
                                              const QString& programsDirectory,
                                              const QString& name) {
    const QString fileName = programFileName(name);
    // A pattern character would let the match name a different file than the one asked for.
    if (fileName.contains(QLatin1Char('*')) || fileName.contains(QLatin1Char('?')))
        return std::nullopt;
    const std::optional<QString> stored = files.firstMatch(programsDirectory + fileName);
    if (stored != fileName)
        return std::nullopt;
    return programsDirectory + fileName;
}

QString programNotFoundText(const QString& name, const QString& drive) {
    const QString programs = drive + QStringLiteral(":\\TANDREL\\PROGRAMS\\");
    return QStringLiteral("The program you specified to run    '") + name +
           QStringLiteral("'   either does not exist, or it is not in the  ") + programs +
           QStringLiteral(" directory.  Please check the existance of this program.  It must "
                          "reside in the ") +
           programs +
           QStringLiteral(" directory and it must have a 'TDX' ending.  For example:  If you "
                          "elect to run TANDREL MYPROGRAM, then MYPROGRAM must appear on your "
                          "hard drive as:    ") +
           programs + QStringLiteral("MYPROGRAM.TDX");
}

} // namespace tandrel
