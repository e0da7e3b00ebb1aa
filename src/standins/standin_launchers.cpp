#include "standins/standin_launchers.h"

#include <QFile>
#include <QFileInfo>

namespace tandrel {

namespace {

struct StandIn {
    QString path;
    QString option;
};

// The second line tells our launchers from a user's file of the same name.
const QByteArray kMark = "# Tandrel's stand-in: Tandrel renews this file while the program it "
                         "runs is gone.\n";

QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The Tandrel a launcher of ours runs; nothing for any other file.
std::optional<QString> launcherTarget(const QByteArray& script, const QString& option) {
    const QList<QByteArray> lines = script.split('\n');
    const QString tail = QStringLiteral(" ") + option + QStringLiteral(" \"$@\"");
    if (lines.size() < 3 || lines[1] + '\n' != kMark)
        return std::nullopt;
    QString exec = QString::fromUtf8(lines[2]);
    if (!exec.startsWith(QLatin1String("exec '")) || !exec.endsWith(QLatin1Char('\'') + tail))
        return std::nullopt;
    exec = exec.mid(6, exec.size() - 6 - tail.size() - 1);
    return exec.replace(QLatin1String("'\\''"), QLatin1String("'"));
}

bool runs(const QString& program) {
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable();
}

} // namespace

QByteArray standInLauncher(const QString& tandrelPath, const QString& option) {
    if (tandrelPath.contains(QLatin1Char('\n')))
        return {};
    return "#!/bin/sh\n" + kMark +
           QStringLiteral("exec %1 %2 \"$@\"\n").arg(shellQuoted(tandrelPath), option).toUtf8();
}

void placeStandInLaunchers(FileSystem& files, const QString& tandrelPath) {
    const StandIn standIns[] = {
        {QStringLiteral("C:\\WINDOWS\\NOTEPAD.EXE"), QStringLiteral("--notepad")},
        {QStringLiteral("C:\\WINDOWS\\CALC.EXE"), QStringLiteral("--calculator")}};
    for (const StandIn& standIn : standIns) {
        const auto host = files.hostPath(standIn.path);
        if (!host)
            return;
        const QFileInfo existing(*host);
        if (existing.exists() || existing.isSymLink()) {
            const auto target =
                existing.isFile() ? launcherTarget(files.read(standIn.path).value_or(QByteArray()),
                                                   standIn.option)
                                  : std::nullopt;
            if (!target || runs(*target) || *target == tandrelPath)
                continue;
        }
        const QByteArray script = standInLauncher(tandrelPath, standIn.option);
        if (script.isEmpty() || !files.write(standIn.path, script))
            continue;
        QFile::setPermissions(*host, QFile::permissions(*host) | QFile::ExeOwner | QFile::ExeGroup |
                                         QFile::ExeOther);
    }
}

} // namespace tandrel
