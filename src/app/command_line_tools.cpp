#include "app/command_line_tools.h"

#include "platform/posix/drive_file_system.h"
#include "platform/posix/process_launcher.h"
#include "platform/session_probe.h"
#include "runner/command_line.h"
#include "runner/program_check.h"
#include "runner/program_trace.h"
#include "script/program_file.h"
#include "startup/windows_drive.h"

#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace tandrel {

namespace {

enum ExitStatus { clean = 0, warningsOnly = 1, errorsFound = 2, unreadable = 3 };
constexpr int usageError = errorsFound;

// No program is this large; a bigger file is not read into memory at all.
constexpr qint64 largestProgramBytes = 64ll * 1024 * 1024;
constexpr qsizetype longestMessage = 300;

const QString usage = QStringLiteral(
    "Usage: tandrel [NAME | /u | /x]\n"
    "       tandrel --check NAME\n"
    "       tandrel --trace NAME\n"
    "       tandrel --session\n"
    "       tandrel --notepad [FILE] | --calculator\n"
    "       tandrel --help | --version\n"
    "\n"
    "Without an option Tandrel opens its window; with NAME it runs the program NAME from\n"
    "C:\\TANDREL\\PROGRAMS\\ (\".TDX\" is added when NAME holds no \".\").\n"
    "\n"
    "  --check NAME  report the lines a run would fail on (errors) and the lines that look\n"
    "                wrong (warnings), one per line: FILE:LINE: error|warning: MESSAGE\n"
    "  --trace NAME  print what a run would do, line by line, without doing any of it\n"
    "  --session     print how this desktop session lets Tandrel type, find windows by\n"
    "                title and use the clipboard, or why it cannot\n"
    "  --notepad     open the Notepad stand-in that the sample programs start, with FILE\n"
    "  --calculator  open the Calculator stand-in that the sample programs start\n"
    "  --help        print this text\n"
    "  --version     print the version\n"
    "\n"
    "NAME is found as for a run, or is a host path when it holds \"/\".\n"
    "Exit status: 0 clean, 1 warnings only, 2 errors (--trace: the run would fail) or a\n"
    "usage error, 3 the program file is missing or cannot be read.\n"
    "See tandrel(1).\n");

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

int complain(const QString& message, int status) {
    print(stderr, QStringLiteral("tandrel: ") + message + u'\n');
    return status;
}

int misused(const QString& message) {
    complain(message, usageError);
    print(stderr, QStringLiteral("Try 'tandrel --help'.\n"));
    return usageError;
}

struct LoadedProgram {
    QString hostPath;
    QStringList lines;
};

// The program a name stands for, found as a run from the command line finds it, or a host
// path; a message on standard error when it cannot be read as a program.
std::optional<LoadedProgram> loadProgram(const DriveFileSystem& files, const QString& name) {
    QString path;
    if (name.contains(u'/')) {
        path = QFileInfo(name).absoluteFilePath();
    } else {
        const QString drive = findWindowsDrive(files).value_or(QStringLiteral("C"));
        const auto found =
            findCommandLineProgram(files, drive + QStringLiteral(":\\TANDREL\\PROGRAMS\\"), name);
        if (!found) {
            complain(programNotFoundText(name, drive), unreadable);
            return std::nullopt;
        }
        path = *found;
    }
    const QString host = files.hostPath(path).value_or(path);
    const QFileInfo info(host);
    const auto refuse = [&](const QString& why) {
        complain(host + QStringLiteral(": ") + why, unreadable);
        return std::nullopt;
    };
    if (!info.exists())
        return refuse(QStringLiteral("no such file"));
    if (info.isDir())
        return refuse(QStringLiteral("is a directory, not a program file"));
    if (!info.isFile())
        return refuse(QStringLiteral("is not a regular file"));
    if (info.size() > largestProgramBytes)
        return refuse(QStringLiteral("is too large to be a program file"));
    const std::optional<QByteArray> bytes = files.read(path);
    if (!bytes)
        return refuse(QStringLiteral("cannot be read"));
    // A text file never holds NUL: this is some binary file, not a program.
    if (bytes->contains('\0'))
        return refuse(QStringLiteral("holds NUL bytes: it is a binary file, not a program"));
    return LoadedProgram{host, decodeProgram(*bytes)};
}

QString shortened(const QString& message) {
    if (message.size() <= longestMessage)
        return message;
    return message.left(longestMessage) + QStringLiteral("...");
}

int checkCommand(const QString& name) {
    const DriveFileSystem files(DriveFileSystem::configuredRoots());
    const std::optional<LoadedProgram> program = loadProgram(files, name);
    if (!program)
        return unreadable;
    const CheckContext context{QDate::currentDate(), [&files](const QString& commandLine) {
                                   return resolveCommandLine(commandLine,
                                                             [&files](const QString& path) {
                                                                 return findExecutable(files, path);
                                                             })
                                       .has_value();
                               }};
    int status = clean;
    for (const Finding& finding : checkProgram(program->lines, context)) {
        const bool error = finding.severity == Severity::Error;
        print(stdout, QStringLiteral("%1:%2: %3: %4\n")
                          .arg(program->hostPath)
                          .arg(finding.line)
                          .arg(error ? QStringLiteral("error") : QStringLiteral("warning"),
                               shortened(finding.message)));
        status = qMax(status, error ? int(errorsFound) : int(warningsOnly));
    }
    return status;
}

int traceCommand(const QString& name) {
    const DriveFileSystem files(DriveFileSystem::configuredRoots());
    const std::optional<LoadedProgram> program = loadProgram(files, name);
    if (!program)
        return unreadable;
    const Trace trace = traceProgram(program->lines, QDate::currentDate());
    for (const QString& line : trace.text)
        print(stdout, line + u'\n');
    return trace.fails ? errorsFound : clean;
}

} // namespace

std::optional<int> runCommandLineTool(int argc, char* argv[]) {
    if (argc < 2 || std::strncmp(argv[1], "--", 2) != 0)
        return std::nullopt;
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString option = QString::fromLocal8Bit(argv[1]);
    const QString name = joinedArgument(arguments);
    if (option == u"--check" || option == u"--trace") {
        if (name.isEmpty())
            return misused(option + QStringLiteral(" needs the name of a program"));
        return option == u"--check" ? checkCommand(name) : traceCommand(name);
    }
    if (option == u"--session") {
        if (!arguments.isEmpty())
            return misused(option + QStringLiteral(" takes no argument"));
        const auto wayland = openWaylandConnection();
        print(stdout,
              sessionReport(chooseSession(probeSession(wayland.get()))).join(u'\n') + u'\n');
        return clean;
    }
    if (option == u"--help" || option == u"--version") {
        if (!arguments.isEmpty())
            return misused(option + QStringLiteral(" takes no argument"));
        print(stdout,
              option == u"--help" ? usage : QStringLiteral("tandrel " TANDREL_VERSION "\n"));
        return clean;
    }
    return misused(QStringLiteral("unknown option \"%1\"").arg(option));
}

} // namespace tandrel
