#include "filepanel/path_rules.h"

#include <algorithm>

namespace tandrel {

namespace {

const QChar backslash = QLatin1Char('\\');
const QString separator = QStringLiteral(" * ");

bool isRoot(const QString& path) {
    return path.size() <= 3 && path.size() >= 2 && path.at(1) == QLatin1Char(':');
}

QString withoutFinalBackslash(QString path) {
    while (path.endsWith(backslash))
        path.chop(1);
    return path;
}

// Everything up to and including the first "}".
QString tokenPart(const QString& line) {
    return line.left(line.indexOf(QLatin1Char('}')) + 1);
}

// The directory list's path ends in a backslash only at a drive root; any other directory
// gets one. A ":" before the last character is no sign of a root: "C:\DATA\:W" needs its
// backslash too.
QString endedForDirectory(QString line) {
    if (!line.endsWith(backslash))
        line += backslash;
    return line;
}

} // namespace

QString joinPath(const QString& directory, const QString& name) {
    return directory.endsWith(backslash) ? directory + name : directory + backslash + name;
}

QString shownDirectory(const QString& path) {
    const QString bare = withoutFinalBackslash(path);
    return isRoot(bare) ? bare.left(2) + backslash : bare;
}

QString parentDirectory(const QString& path) {
    const QString shown = shownDirectory(path);
    if (isRoot(shown))
        return shown;
    return shownDirectory(shown.left(shown.lastIndexOf(backslash) + 1));
}

QList<DirectoryRow> directoryRows(const QString& directory, const QStringList& subdirectories) {
    const QString shown = shownDirectory(directory);
    QList<DirectoryRow> rows;
    QString path = shown.left(3);
    rows.append({path, path});
    const QStringList steps = shown.mid(3).split(backslash, Qt::SkipEmptyParts);
    for (int depth = 0; depth < steps.size(); ++depth) {
        path = joinPath(path, steps[depth]);
        rows.append({QString(2 * (depth + 1), QLatin1Char(' ')) + steps[depth], path});
    }
    const QString indent(2 * (steps.size() + 1), QLatin1Char(' '));
    for (const QString& name : subdirectories)
        rows.append({indent + name, joinPath(shown, name)});
    return rows;
}

QStringList fileActionEntries(const QString& fileName) {
    return {QStringLiteral("CANCEL action on ") + fileName, QStringLiteral("RENAME: ") + fileName,
            QStringLiteral("DELETE: ") + fileName};
}

FileActionGeometry fileActionGeometry(qsizetype firstEntryLength) {
    constexpr int menuRightEdge = 9377;
    constexpr int leftmost = 100;
    FileActionGeometry geometry;
    geometry.menuWidth = 86 * int(std::min<qsizetype>(firstEntryLength, 100000)) + 700;
    geometry.menuLeft = std::max(leftmost, menuRightEdge - geometry.menuWidth);
    geometry.fieldLeft = geometry.menuLeft + 1900;
    geometry.fieldWidth = geometry.menuWidth - 1900;
    if (geometry.fieldWidth < 5000) {
        geometry.fieldLeft -= 2000;
        geometry.fieldWidth += 2000;
    }
    return geometry;
}

qsizetype renameCaretPosition(qsizetype nameLength) {
    const qsizetype half = nameLength / 2;
    const bool roundUp = nameLength % 2 == 1 && half % 2 == 1;
    return roundUp ? half + 1 : half;
}

QString actionDirectory(const QString& listPath) {
    return endedForDirectory(listPath);
}

bool beginsWithTwoFileToken(const QString& line) {
    return line.startsWith(QStringLiteral("{File Copy}")) ||
           line.startsWith(QStringLiteral("{File Rename}"));
}

bool beginsWithOneFileToken(const QString& line) {
    return line.startsWith(QStringLiteral("{File Erase}")) ||
           line.startsWith(QStringLiteral("{File Paste}")) ||
           line.startsWith(QStringLiteral("{Run Program}")) ||
           line.startsWith(QStringLiteral("{File Wait}"));
}

QString lineAfterDirectoryChange(const QString& line, const QString& directory) {
    const bool longLine = line.size() > 13;
    if (beginsWithTwoFileToken(line)) {
        if (!longLine)
            return endedForDirectory(line + directory);
        const qsizetype star = line.indexOf(QLatin1Char('*'));
        if (star < 0)
            return endedForDirectory(tokenPart(line) + directory);
        return endedForDirectory(line.left(star + 2) + directory);
    }
    if (beginsWithOneFileToken(line))
        return endedForDirectory((longLine ? tokenPart(line) : line) + directory);
    return line;
}

QString saveFieldAfterDirectoryChange(const QString& directory) {
    QString field = directory + backslash;
    if (field.endsWith(QStringLiteral("\\\\")))
        field.chop(1);
    return field;
}

QString saveFieldAfterClick(const QString& text) {
    QString trimmed = text;
    while (trimmed.endsWith(QLatin1Char(' ')))
        trimmed.chop(1);
    return trimmed.endsWith(backslash) ? text : text + backslash;
}

FileClick lineAfterFileClick(const QString& line, const QString& directory,
                             const QString& fileName) {
    const QString full = joinPath(directory, fileName);
    const auto withSeparator = [](const QString& text) {
        return text.contains(QLatin1Char('*')) ? text : text + separator;
    };
    if (beginsWithTwoFileToken(line)) {
        if (line.endsWith(QLatin1Char('}')))
            return {FileClickOutcome::FirstFile, withSeparator(line + full)};
        if (!line.contains(QLatin1Char('*')))
            return {FileClickOutcome::FirstFile, withSeparator(joinPath(line, fileName))};
        if (line.endsWith(backslash))
            return {FileClickOutcome::SecondFile, line + fileName};
        if (line.endsWith(QStringLiteral("* ")))
            return {FileClickOutcome::SecondFile, line + full};
        return {FileClickOutcome::ThirdFileRefused, line};
    }
    if (beginsWithOneFileToken(line)) {
        if (line.endsWith(backslash))
            return {FileClickOutcome::OnlyFile, line + fileName};
        if (line.endsWith(QLatin1Char('}')))
            return {FileClickOutcome::OnlyFile, line + full};
        return {FileClickOutcome::SecondFileRefused, line};
    }
    return {FileClickOutcome::NotAFileLine, line};
}

} // namespace tandrel
