#pragma once

#include "platform/file_system.h"

#include <QMap>

namespace tandrel {

// Drive-letter paths on a host file system: each present drive letter maps to a host
// directory, components resolve case-insensitively when no exact match exists, and no path
// leaves its drive's root.
class DriveFileSystem : public FileSystem {
public:
    explicit DriveFileSystem(QMap<QChar, QString> driveRoots);

    // TANDREL_DRIVE_<L> for any letter; by default C: is $XDG_DATA_HOME/tandrel/drive_c and
    // Z: the host root.
    static QMap<QChar, QString> rootsFromEnvironment();
    // As rootsFromEnvironment, without creating the default drive C: for callers that must
    // leave the host untouched.
    static QMap<QChar, QString> configuredRoots();
    // Gives a drive the directories an installed system has: WINDOWS with desktop,
    // start menu\programs and recent.
    Status prepareSystemDrive(QChar letter);

    QStringList drives() const override;
    std::optional<QString> hostPath(const QString& path) const override;
    bool fileExists(const QString& path) const override;
    bool directoryExists(const QString& path) const override;
    std::optional<QString> firstMatch(const QString& pattern) const override;
    std::optional<QList<DirectoryEntry>> list(const QString& directory) const override;
    std::optional<QByteArray> read(const QString& path) const override;
    Status write(const QString& path, const QByteArray& content) override;
    Status copy(const QString& from, const QString& to) override;
    Status erase(const QString& path) override;
    Status makeDirectory(const QString& path) override;
    Status removeDirectory(const QString& path) override;

private:
    // Where a path points before its components are matched against the host: the drive's
    // root (or the whole host path) and the components below it.
    struct Location {
        Status status = Status::ok();
        QString base;
        QStringList components;
        // The path ends in a separator, "." or "..", or is a bare drive: it names a directory.
        bool namesDirectory = false;
    };

    Location locate(const QString& path) const;
    // As locate, and fails for a path that can only name a directory.
    Location locateFile(const QString& path) const;
    // Matches each component against the host, ignoring case when there is no exact match.
    static QString resolved(const QString& base, const QStringList& components);
    static QString resolved(const Location& location);

    QMap<QChar, QString> roots_;
};

} // namespace tandrel
