#include "platform/posix/xdg_shortcuts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

namespace tandrel {

namespace {

QString desktopDirectoryOfUser() {
    QProcess query;
    query.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("DESKTOP")});
    if (query.waitForFinished(2000) && query.exitCode() == 0) {
        const QString answer = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
        if (!answer.isEmpty())
            return answer;
    }
    return QDir::homePath() + QStringLiteral("/Desktop");
}

QString applicationsDirectoryOfUser() {
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base =
        dataHome.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : dataHome;
    return base + QStringLiteral("/applications");
}

// Exec keys quote the program path so that blanks in it survive.
QByteArray entryText(const QString& name, const QString& target) {
    QString quoted = target;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=\"%2\"\nIcon=%3\n"
                          "Terminal=false\nCategories=Utility;\n")
        .arg(name, quoted, desktopFileId())
        .toUtf8();
}

} // namespace

QString desktopFileId() {
    return QStringLiteral(TANDREL_APP_ID);
}

XdgShortcuts::XdgShortcuts(QString desktopDirectory, QString applicationsDirectory)
    : desktopDirectory_(std::move(desktopDirectory))
    , applicationsDirectory_(std::move(applicationsDirectory)) {}

XdgShortcuts XdgShortcuts::forUser() {
    return XdgShortcuts(desktopDirectoryOfUser(), applicationsDirectoryOfUser());
}

QString XdgShortcuts::entryPath(ShortcutPlace place, const QString& name) const {
    if (place == ShortcutPlace::Desktop)
        return desktopDirectory_ + QLatin1Char('/') + name + QStringLiteral(".desktop");
    return applicationsDirectory_ + QLatin1Char('/') + desktopFileId() + QStringLiteral(".desktop");
}

Status XdgShortcuts::create(ShortcutPlace place, const QString& name, const QString& target) {
    // A desktop that does not exist gets no entry; the menu directory is made when missing.
    if (place == ShortcutPlace::Desktop && !QDir(desktopDirectory_).exists())
        return Status::failure(QStringLiteral("There is no desktop directory."));
    if (place == ShortcutPlace::StartMenu && !QDir().mkpath(applicationsDirectory_))
        return Status::failure(QStringLiteral("The applications directory cannot be made."));
    QSaveFile file(entryPath(place, name));
    const QByteArray text = entryText(name, target);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() ||
        !file.setPermissions(file.permissions() | QFileDevice::ExeOwner) || !file.commit())
        return Status::failure(QStringLiteral("The entry cannot be written."));
    return Status::ok();
}

Status XdgShortcuts::remove(ShortcutPlace place, const QString& name) {
    if (!QFile::remove(entryPath(place, name)))
        return Status::failure(QStringLiteral("There is no such entry."));
    return Status::ok();
}

} // namespace tandrel
