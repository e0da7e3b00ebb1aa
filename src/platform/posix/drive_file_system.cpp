#include "platform/posix/drive_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace tandrel {

namespace {

const QString kPathIsEmpty = QStringLiteral("The path is empty.");
const QString kNoDrive = QStringLiteral("The path names no drive.");
const QString kLeavesDrive = QStringLiteral("The path leaves its drive.");
const QString kFileMissing = QStringLiteral("The file does not exist.");
const QString kDirectoryMissing = QStringLiteral("The directory does not exist.");
const QString kNamesDirectory = QStringLiteral("The path names a directory, not a file.");
const QString kParentMissing = QStringLiteral("The directory that would hold it does not exist.");

Status notReady(QChar letter) {
    return Status::failure(QStringLiteral("The drive %1: is not ready.").arg(letter));
}

QString joined(const QString& directory, const QString& name) {
    return directory.endsWith(QLatin1Char('/')) ? directory + name
                                                : directory + QLatin1Char('/') + name;
}

// Listing order: ignoring case, as the original platform lists, with names that differ only in
// case in a fixed order so that every lookup picks the same one.
bool listedBefore(const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

QFileInfoList sortedEntries(const QString& directory, QDir::Filters filters) {
    QFileInfoList entries = QDir(directory).entryInfoList(filters, QDir::NoSort);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return listedBefore(a.fileName(), b.fileName());
    });
    return entries;
}

const QDir::Filters kAllEntries =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool hasWildcards(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool sameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Wildcards as the original platform reads them: "*" is any run of characters, "?" one
// character but none at a "." or at the end of the name, and a "." of the pattern also
// matches the end of the name, so "*.*" lists names without an extension too. Tracked as the
// set of name positions reachable so far, so that many "*" cost no backtracking.
bool wildcardMatches(const QString& pattern, const QString& name) {
    const qsizetype length = name.size();
    std::vector<char> reachable(length + 1, 0);
    std::vector<char> next(length + 1, 0);
    reachable[0] = 1;
    for (const QChar p : pattern) {
        std::fill(next.begin(), next.end(), 0);
        for (qsizetype at = 0; at <= length; ++at) {
            if (!reachable[at])
                continue;
            const bool atEnd = at == length;
            if (p == QLatin1Char('*')) {
                std::fill(next.begin() + at, next.end(), 1);
                break;
            }
            if (p == QLatin1Char('?')) {
                if (atEnd || name[at] == QLatin1Char('.'))
                    next[at] = 1;
                else
                    next[at + 1] = 1;
            } else if (atEnd) {
                if (p == QLatin1Char('.'))
                    next[at] = 1;
            } else if (sameLetter(p, name[at])) {
                next[at + 1] = 1;
            }
        }
        reachable.swap(next);
    }
    return reachable[length];
}

bool isDriveLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isEntry(const QFileInfo& info) {
    return info.exists() || info.isSymLink();
}

Status fileToRead(const QFileInfo& info) {
    if (info.isDir())
        return Status::failure(kNamesDirectory);
    if (!info.isFile())
        return Status::failure(kFileMissing);
    return Status::ok();
}

Status fileToWrite(const QFileInfo& info) {
    if (info.isDir())
        return Status::failure(kNamesDirectory);
    if (!QFileInfo(info.absolutePath()).isDir())
        return Status::failure(kParentMissing);
    return Status::ok();
}

} // namespace

DriveFileSystem::DriveFileSystem(QMap<QChar, QString> driveRoots) {
    for (auto it = driveRoots.cbegin(); it != driveRoots.cend(); ++it) {
        if (isDriveLetter(it.key()) && !it.value().isEmpty())
            roots_.insert(it.key().toUpper(),
                          QDir::cleanPath(QFileInfo(it.value()).absoluteFilePath()));
    }
}

namespace {

QString defaultSystemDrive() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/tandrel/drive_c");
}

} // namespace

QMap<QChar, QString> DriveFileSystem::rootsFromEnvironment() {
    QMap<QChar, QString> roots = configuredRoots();
    if (roots.value(QLatin1Char('C')) == defaultSystemDrive())
        QDir().mkpath(defaultSystemDrive());
    return roots;
}

QMap<QChar, QString> DriveFileSystem::configuredRoots() {
    QMap<QChar, QString> roots{{QLatin1Char('C'), defaultSystemDrive()},
                               {QLatin1Char('Z'), QStringLiteral("/")}};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QByteArray name = QByteArrayLiteral("TANDREL_DRIVE_") + letter;
        if (!qEnvironmentVariableIsSet(name.constData()))
            continue;
        // Set but empty takes a default drive away.
        const QString root = qEnvironmentVariable(name.constData());
        if (root.isEmpty())
            roots.remove(QLatin1Char(letter));
        else
            roots.insert(QLatin1Char(letter), root);
    }
    return roots;
}

Status DriveFileSystem::prepareSystemDrive(QChar letter) {
    const QString drive = QString(letter) + QStringLiteral(":\\");
    for (const char* directory : {"WINDOWS", "WINDOWS\\desktop", "WINDOWS\\start menu",
                                  "WINDOWS\\start menu\\programs", "WINDOWS\\recent"}) {
        const QString path = drive + QLatin1String(directory);
        if (directoryExists(path))
            continue;
        if (const Status made = makeDirectory(path); !made)
            return made;
    }
    return Status::ok();
}

DriveFileSystem::Location DriveFileSystem::locate(const QString& path) const {
    const auto failed = [](Status reason) {
        Location location;
        location.status = std::move(reason);
        return location;
    };
    if (path.isEmpty())
        return failed(Status::failure(kPathIsEmpty));
    if (path.startsWith(QLatin1Char('/'))) {
        const QString last = path.section(QLatin1Char('/'), -1);
        Location location;
        location.base = path;
        location.namesDirectory =
            last.isEmpty() || last == QLatin1String(".") || last == QLatin1String("..");
        return location;
    }
    if (path.size() < 2 || path[1] != QLatin1Char(':') || !isDriveLetter(path[0]))
        return failed(Status::failure(kNoDrive));
    const QChar letter = path[0].toUpper();
    const auto root = roots_.constFind(letter);
    if (root == roots_.cend() || !QFileInfo(*root).isDir())
        return failed(notReady(letter));

    Location location;
    location.base = *root;
    QString rest = path.mid(2);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList pieces = rest.split(QLatin1Char('\\'));
    for (const QString& piece : pieces) {
        if (piece.isEmpty() || piece == QLatin1String("."))
            continue;
        if (piece == QLatin1String("..")) {
            // Leaving the root fails rather than stopping at it: a path that climbs out was
            // meant for some other directory, and acting on the root instead could erase or
            // overwrite the wrong file.
            if (location.components.isEmpty())
                return failed(Status::failure(kLeavesDrive));
            location.components.removeLast();
            continue;
        }
        location.components.append(piece);
    }
    const QString& last = pieces.constLast();
    location.namesDirectory = location.components.isEmpty() || last.isEmpty() ||
                              last == QLatin1String(".") || last == QLatin1String("..");
    return location;
}

DriveFileSystem::Location DriveFileSystem::locateFile(const QString& path) const {
    Location location = locate(path);
    if (location.status && location.namesDirectory)
        location.status = Status::failure(kNamesDirectory);
    return location;
}

QString DriveFileSystem::resolved(const QString& base, const QStringList& components) {
    QString current = base;
    bool existing = true;
    for (const QString& component : components) {
        QString next = joined(current, component);
        if (existing && !isEntry(QFileInfo(next))) {
            existing = false;
            for (const QFileInfo& entry : sortedEntries(current, kAllEntries)) {
                if (entry.fileName().compare(component, Qt::CaseInsensitive) == 0) {
                    next = entry.filePath();
                    existing = true;
                    break;
                }
            }
        }
        current = next;
    }
    return current;
}

QString DriveFileSystem::resolved(const Location& location) {
    return resolved(location.base, location.components);
}

QStringList DriveFileSystem::drives() const {
    QStringList letters;
    for (auto it = roots_.cbegin(); it != roots_.cend(); ++it) {
        if (QFileInfo(it.value()).isDir())
            letters.append(QString(it.key()));
    }
    return letters;
}

std::optional<QString> DriveFileSystem::hostPath(const QString& path) const {
    const Location location = locate(path);
    if (!location.status)
        return std::nullopt;
    return resolved(location);
}

bool DriveFileSystem::fileExists(const QString& path) const {
    const Location location = locateFile(path);
    return location.status && QFileInfo(resolved(location)).isFile();
}

bool DriveFileSystem::directoryExists(const QString& path) const {
    const Location location = locate(path);
    return location.status && QFileInfo(resolved(location)).isDir();
}

std::optional<QString> DriveFileSystem::firstMatch(const QString& pattern) const {
    const Location location = locate(pattern);
    if (!location.status)
        return std::nullopt;
    // A directory alone lists its first file.
    const QString host = location.namesDirectory ? joined(resolved(location), QStringLiteral("*"))
                                                 : resolved(location);
    const qsizetype slash = host.lastIndexOf(QLatin1Char('/'));
    const QString name = host.mid(slash + 1);
    if (!hasWildcards(name)) {
        const QFileInfo file(host);
        if (file.isFile())
            return file.fileName();
        return std::nullopt;
    }
    const QString directory = slash == 0 ? QStringLiteral("/") : host.left(slash);
    for (const QFileInfo& entry : sortedEntries(directory, QDir::Files | QDir::Hidden)) {
        if (wildcardMatches(name, entry.fileName()))
            return entry.fileName();
    }
    return std::nullopt;
}

std::optional<QList<DirectoryEntry>> DriveFileSystem::list(const QString& directory) const {
    const Location location = locate(directory);
    if (!location.status)
        return std::nullopt;
    const QString host = resolved(location);
    const QFileInfo info(host);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    QList<DirectoryEntry> entries;
    for (const QFileInfo& entry : sortedEntries(host, kAllEntries))
        entries.append({entry.fileName(), entry.isDir()});
    return entries;
}

std::optional<QByteArray> DriveFileSystem::read(const QString& path) const {
    const Location location = locateFile(path);
    if (!location.status)
        return std::nullopt;
    QFile file(resolved(location));
    if (!fileToRead(QFileInfo(file)) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

Status DriveFileSystem::write(const QString& path, const QByteArray& content) {
    const Location location = locateFile(path);
    if (!location.status)
        return location.status;
    QSaveFile file(resolved(location));
    if (const Status writable = fileToWrite(QFileInfo(file.fileName())); !writable)
        return writable;
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return Status::failure(QStringLiteral("The file could not be written."));
    return Status::ok();
}

Status DriveFileSystem::copy(const QString& from, const QString& to) {
    const Location source = locateFile(from);
    if (!source.status)
        return source.status;
    const Location target = locateFile(to);
    if (!target.status)
        return target.status;

    QFile in(resolved(source));
    const QFileInfo sourceInfo(in);
    if (const Status readable = fileToRead(sourceInfo); !readable)
        return readable;
    QSaveFile out(resolved(target));
    const QFileInfo targetInfo(out.fileName());
    if (const Status writable = fileToWrite(targetInfo); !writable)
        return writable;
    // Copying a file onto itself fails, as on the original platform: a rename done as copy and
    // erase must not erase the only copy when the new name differs only in case.
    if (targetInfo.exists() && targetInfo.canonicalFilePath() == sourceInfo.canonicalFilePath())
        return Status::failure(QStringLiteral("A file cannot be copied onto itself."));

    if (!in.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("The file could not be read."));
    const Status unwritten = Status::failure(QStringLiteral("The copy could not be written."));
    if (!out.open(QIODevice::WriteOnly))
        return unwritten;
    constexpr qint64 kChunk = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        // An uncommitted save file is discarded, leaving any old target as it was.
        if (in.error() != QFileDevice::NoError || out.write(chunk) != chunk.size())
            return unwritten;
    }
    if (!out.setPermissions(in.permissions()) || !out.commit())
        return unwritten;
    return Status::ok();
}

Status DriveFileSystem::erase(const QString& path) {
    const Location location = locateFile(path);
    if (!location.status)
        return location.status;
    const QString host = resolved(location);
    const QFileInfo info(host);
    if (info.isDir())
        return Status::failure(kNamesDirectory);
    if (!isEntry(info))
        return Status::failure(kFileMissing);
    if (!QFile::remove(host))
        return Status::failure(QStringLiteral("The file could not be erased."));
    return Status::ok();
}

Status DriveFileSystem::makeDirectory(const QString& path) {
    const Location location = locate(path);
    if (!location.status)
        return location.status;
    // One level, as the original platform's MkDir: a missing parent is a mistyped path more
    // often than a wish for a whole tree.
    const QString host = resolved(location);
    const QFileInfo info(host);
    if (isEntry(info))
        return Status::failure(info.isDir() ? QStringLiteral("The directory already exists.")
                                            : QStringLiteral("A file of that name exists."));
    if (!QFileInfo(info.absolutePath()).isDir())
        return Status::failure(kParentMissing);
    if (!QDir().mkdir(host))
        return Status::failure(QStringLiteral("The directory could not be created."));
    return Status::ok();
}

Status DriveFileSystem::removeDirectory(const QString& path) {
    const Location location = locate(path);
    if (!location.status)
        return location.status;
    const QString host = resolved(location);
    if (location.components.isEmpty() && !path.startsWith(QLatin1Char('/')))
        return Status::failure(QStringLiteral("The root of a drive cannot be removed."));
    const QFileInfo info(host);
    if (!info.isDir() || info.isSymLink())
        return Status::failure(kDirectoryMissing);
    if (!QDir(host).isEmpty(kAllEntries))
        return Status::failure(QStringLiteral("The directory is not empty."));
    if (!QDir().rmdir(host))
        return Status::failure(QStringLiteral("The directory could not be removed."));
    return Status::ok();
}

} // namespace tandrel
