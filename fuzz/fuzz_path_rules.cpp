// The file panel's path rules over any text: the fuzzer's text is cut at line feeds into the
// dialog line, the directory, the clicked file name and the subdirectories. Each rule runs on
// the fields as they stand, as a user may type them; the properties of a directory are checked
// on the directory as a listing gives it, built from the same field.

#include "filepanel/path_rules.h"
#include "fuzz_text.h"
#include "script/script_lines.h"

namespace tandrel::fuzz {
namespace {

const QChar backslash = u'\\';

// A directory as the directory list holds it: a drive root, then names that are neither
// empty nor hold a backslash, one backslash between them and none at the end.
QString listedDirectory(const QString& field) {
    const QChar drive = !field.isEmpty() && field[0].isLetter() ? field[0] : QChar(u'C');
    const QStringList names = field.mid(1).split(backslash, Qt::SkipEmptyParts);
    return QString(drive) + u':' + backslash + names.join(backslash);
}

// A file name as the file list shows it.
QString listedName(const QString& field) {
    QString name = field;
    name.remove(backslash);
    return name.isEmpty() ? QStringLiteral("A.TXT") : name;
}

void expect(bool holds, const char* what, const QString& detail) {
    if (!holds)
        propertyBroken(what, detail);
}

bool isRootText(const QString& path) {
    return path.size() == 3 && path[1] == u':' && path[2] == backslash;
}

// Rules that hold for any text, as typed.
void anyText(const QString& line, const QString& directory, const QString& name,
             const QStringList& subdirectories) {
    const QString shown = shownDirectory(directory);
    expect(shownDirectory(shown) == shown,
           "a shown directory changes when shown again:", directory);
    expect(!shown.endsWith(backslash) || isRootText(shown),
           "a shown directory ends in a backslash away from a root:", directory);
    // Every step up is shorter, so the way up ends.
    QString up = shown;
    for (qsizetype steps = 0;; ++steps) {
        const QString next = parentDirectory(up);
        if (next == up)
            break;
        expect(next.size() < up.size() && steps <= shown.size(),
               "the way up does not get shorter:", directory);
        up = next;
    }
    (void)directoryRows(directory, subdirectories);
    (void)joinPath(directory, name);
    (void)saveFieldAfterDirectoryChange(directory);

    const QString clicked = saveFieldAfterClick(line);
    expect(clicked.startsWith(line) && clicked.size() <= line.size() + 1,
           "a click into the path field does more than add a backslash:", line);
    expect(saveFieldAfterClick(clicked) == clicked,
           "a second click into the path field changes it again:", line);

    const bool fileLine = beginsWithOneFileToken(line) || beginsWithTwoFileToken(line);
    const QString changed = lineAfterDirectoryChange(line, directory);
    expect(fileLine || changed == line,
           "a directory change rewrites a line without a file token:", line);
    expect(!fileLine || changed.startsWith(line.left(line.indexOf(u'}') + 1)),
           "a directory change loses the file token:", line);

    const FileClick click = lineAfterFileClick(line, directory, name);
    switch (click.outcome) {
    case FileClickOutcome::NotAFileLine:
    case FileClickOutcome::ThirdFileRefused:
    case FileClickOutcome::SecondFileRefused:
        expect(click.line == line, "a refused click changes the line:", line);
        break;
    case FileClickOutcome::FirstFile:
        expect(click.line.startsWith(line) && click.line.contains(u'*'),
               "a first file does not extend the line with a separator:", line);
        break;
    case FileClickOutcome::SecondFile:
    case FileClickOutcome::OnlyFile:
        expect(click.line.startsWith(line) && click.line.endsWith(name),
               "the file is not appended to the line:", line);
        break;
    }
    expect(fileLine == (click.outcome != FileClickOutcome::NotAFileLine),
           "a click takes a line for a file line, or not, against its token:", line);
}

// What the panel composes from a listed directory and file name reads back as that
// directory and file.
void listedPaths(const QString& token, const QString& directory, const QString& name,
                 const QStringList& subdirectories) {
    const bool root = isRootText(directory);
    const QString file = joinPath(directory, name);
    expect(shownDirectory(directory) == directory,
           "a listed directory is not shown as it is:", directory);
    expect(parentDirectory(file) == directory,
           "a file's directory is not where it was listed:", file);
    expect(shownDirectory(saveFieldAfterDirectoryChange(directory)) == directory,
           "the path field after a directory change reads as another directory:", directory);
    QString up = directory;
    while (!isRootText(up)) {
        const QString next = parentDirectory(up);
        expect(next.left(3) == directory.left(3) && up.startsWith(next),
               "the way up leaves the path or its drive:", directory);
        up = next;
    }

    const QList<DirectoryRow> rows = directoryRows(directory, subdirectories);
    const qsizetype down = rows.size() - subdirectories.size();
    expect(down >= 1 && rows[down - 1].path == directory,
           "the way down does not end at the directory:", directory);
    expect(rows[0].path == directory.left(3),
           "the way down does not start at the root:", directory);
    for (qsizetype row = 1; row < rows.size(); ++row)
        expect(parentDirectory(rows[row].path) == (row < down ? rows[row - 1].path : directory),
               "a row of the directory list is not one step below the one it hangs from:",
               rows[row].path);

    // The directory a dialog line receives is the one the file is then added to.
    const QString moved = lineAfterDirectoryChange(token, directory);
    expect(moved == token + directory + (root ? QString() : QString(backslash)),
           "a directory change does not leave the directory with one final backslash:", directory);
    if (beginsWithOneFileToken(token)) {
        const FileClick click = lineAfterFileClick(moved, directory, name);
        expect(click.outcome == FileClickOutcome::OnlyFile &&
                   singleArgument(classifyLine(click.line)) == file,
               "a file clicked after a directory change is not the line's file:", click.line);
        expect(
            lineAfterFileClick(token, directory, name).line == click.line,
            "a file clicked at once is not the one clicked after a directory change:", click.line);
        return;
    }
    // A two-file line: the first file, a directory change, the second file. A name with "*"
    // would be read as the separator.
    const QString other = subdirectories.isEmpty() ? directory : rows.last().path;
    if (name.contains(u'*') || other.contains(u'*'))
        return;
    const FileClick first = lineAfterFileClick(token, directory, name);
    const QString second =
        lineAfterFileClick(lineAfterDirectoryChange(first.line, other), other, name).line;
    const Result<TwoPaths> paths = readTwoPaths(classifyLine(second).rest);
    expect(first.outcome == FileClickOutcome::FirstFile && paths &&
               paths.value() == TwoPaths{file, joinPath(other, name)},
           "the two files clicked are not the line's two paths:", second);
}

} // namespace
} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tandrel;
    const QStringList fields = fuzz::textFromBytes(data, size).split(u'\n');
    const QString line = fields.value(0);
    const QString directory = fields.value(1);
    const QString name = fields.value(2);
    const QStringList subdirectories = fields.mid(3);
    fuzz::anyText(line, directory, name, subdirectories);

    QStringList listed;
    for (const QString& subdirectory : subdirectories)
        listed << fuzz::listedName(subdirectory);
    static const QStringList tokens{
        QStringLiteral("{File Copy}"),   QStringLiteral("{File Rename}"),
        QStringLiteral("{File Erase}"),  QStringLiteral("{File Paste}"),
        QStringLiteral("{Run Program}"), QStringLiteral("{File Wait}")};
    const QString token = tokens[qsizetype(line.size() % tokens.size())];
    fuzz::listedPaths(token, fuzz::listedDirectory(directory), fuzz::listedName(name), listed);
    return 0;
}
