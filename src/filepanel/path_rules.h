#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tandrel {

// A directory and a file name: one backslash between them, none doubled at a root.
QString joinPath(const QString& directory, const QString& name);

// A directory as the directory list shows it: a trailing backslash only at a drive root
// ("C:\"), none elsewhere ("C:\TANDREL\PROGRAMS").
QString shownDirectory(const QString& path);

// The directory one level up; a root stays where it is.
QString parentDirectory(const QString& path);

// The rows of the directory list: the way down from the root to the directory, then its
// subdirectories one step further in.
struct DirectoryRow {
    QString label;
    QString path;
    friend bool operator==(const DirectoryRow&, const DirectoryRow&) = default;
};
QList<DirectoryRow> directoryRows(const QString& directory, const QStringList& subdirectories);

// The dialog line after the directory list moved to `directory`; a line that holds no file
// token comes back as it was.
QString lineAfterDirectoryChange(const QString& line, const QString& directory);

// The save path field after the directory list moved to `directory`.
QString saveFieldAfterDirectoryChange(const QString& directory);

// The save path field after a click into it: a backslash is added unless the text, trailing
// blanks aside, already ends in one.
QString saveFieldAfterClick(const QString& text);

// What a click on a file name in the file list does to the dialog line.
enum class FileClickOutcome {
    NotAFileLine,      // the line holds no file token; nothing changes
    FirstFile,         // the first of two paths is in, the separator follows it
    SecondFile,        // the second of two paths is in
    OnlyFile,          // the one path of a one-file line is in
    ThirdFileRefused,  // a two-file line already holds both paths
    SecondFileRefused, // a one-file line already holds its path
};
struct FileClick {
    FileClickOutcome outcome = FileClickOutcome::NotAFileLine;
    QString line; // the line as it stands afterwards
};
FileClick lineAfterFileClick(const QString& line, const QString& directory,
                             const QString& fileName);

// The file-action menu opened on a file of the file list: cancel, rename, delete.
QStringList fileActionEntries(const QString& fileName);

// Where the menu and its rename field go, in twips: the menu grows to the left with the
// length of its first entry, keeping its right edge; the field lines up with it.
struct FileActionGeometry {
    int menuLeft = 0;
    int menuWidth = 0;
    int fieldLeft = 0;
    int fieldWidth = 0;
    friend bool operator==(const FileActionGeometry&, const FileActionGeometry&) = default;
};
FileActionGeometry fileActionGeometry(qsizetype firstEntryLength);

// The caret in the rename field: half the name's length, halves going to the even number.
qsizetype renameCaretPosition(qsizetype nameLength);

// The directory a file action works in, ready for a file name to be appended.
QString actionDirectory(const QString& listPath);

// "{File Copy}" or "{File Rename}" at the start of the line.
bool beginsWithTwoFileToken(const QString& line);
// "{File Erase}", "{File Paste}", "{Run Program}" or "{File Wait}" at the start of the line.
bool beginsWithOneFileToken(const QString& line);

} // namespace tandrel
