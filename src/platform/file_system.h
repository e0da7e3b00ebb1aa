#pragma once

#include "platform/status.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

namespace tandrel {

struct DirectoryEntry {
    QString name; // as stored
    bool isDirectory = false;
    friend bool operator==(const DirectoryEntry&, const DirectoryEntry&) = default;
};

// The file system in drive-letter paths ("C:\TANDREL\PROGRAMS\MINE.TDX"). A path that begins
// with "/" is a host path. Every operation fails cleanly on an absent drive or on a path
// that would leave its drive's root.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Letters of the drives that are present, in alphabetical order ("C", "Z").
    virtual QStringList drives() const = 0;
    // The host path that a drive-letter path names, when its drive is present.
    virtual std::optional<QString> hostPath(const QString& path) const = 0;

    virtual bool fileExists(const QString& path) const = 0;
    virtual bool directoryExists(const QString& path) const = 0;
    // The stored name of the first normal file matching a pattern whose last component may
    // hold "*" and "?"; nothing when none matches.
    virtual std::optional<QString> firstMatch(const QString& pattern) const = 0;
    // The entries of a directory, names as stored, without "." and "..".
    virtual std::optional<QList<DirectoryEntry>> list(const QString& directory) const = 0;

    virtual std::optional<QByteArray> read(const QString& path) const = 0;
    // Replaces the file only once the new content is completely written.
    virtual Status write(const QString& path, const QByteArray& content) = 0;
    // Overwrites an existing target.
    virtual Status copy(const QString& from, const QString& to) = 0;
    virtual Status erase(const QString& path) = 0;
    virtual Status makeDirectory(const QString& path) = 0;
    virtual Status removeDirectory(const QString& path) = 0;
};

} // namespace tandrel
