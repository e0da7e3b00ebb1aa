#include "filepanel/path_rules.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

struct TextCase {
    QString input;
    QString directory;
    QString expected;
    const char* reason;
};

TEST(PathRules, DirectoryChangeRewritesTheDialogLine) {
    const TextCase cases[] = {
        {"{File Erase}", "C:\\", "{File Erase}C:\\", "root keeps its single backslash"},
        {"{File Erase}C:\\A\\B.TXT", "C:\\TEMP", "{File Erase}C:\\TEMP\\", "path replaced"},
        {"{File Copy}", "C:\\TEMP", "{File Copy}C:\\TEMP\\", "short two-file line appended"},
        {"{File Copy}C:\\A.TDX * ", "C:\\TEMP", "{File Copy}C:\\A.TDX * C:\\TEMP\\",
         "second path after the separator"},
        {"{File Copy}C:\\A.TDX * C:\\X\\", "C:\\", "{File Copy}C:\\A.TDX * C:\\",
         "second path replaced by a root"},
        {"{File Rename}C:\\OLD", "C:\\NEW", "{File Rename}C:\\NEW\\", "no separator yet"},
        {"{Pause}", "C:\\TEMP", "{Pause}", "other lines unchanged"},
        {"{File Erase}", "N:\\CE\\:W", "{File Erase}N:\\CE\\:W\\", "\":\" in a name is no root"},
    };
    for (const TextCase& row : cases)
        EXPECT_EQ(lineAfterDirectoryChange(row.input, row.directory), row.expected) << row.reason;
}

TEST(PathRules, FileClickComposesTheDialogLine) {
    struct Case {
        QString line;
        QString directory;
        QString file;
        FileClickOutcome outcome;
        QString expected;
        const char* reason;
    };
    const Case cases[] = {
        {"{File Erase}", "C:\\TANDREL\\PROGRAMS", "A.TDX", FileClickOutcome::OnlyFile,
         "{File Erase}C:\\TANDREL\\PROGRAMS\\A.TDX", "one-file token"},
        {"{File Erase}C:\\TANDREL\\PROGRAMS\\A.TDX", "C:\\TANDREL\\PROGRAMS", "B.TDX",
         FileClickOutcome::SecondFileRefused, "{File Erase}C:\\TANDREL\\PROGRAMS\\A.TDX",
         "second file refused"},
        {"{File Copy}", "C:\\TANDREL\\PROGRAMS", "A.TDX", FileClickOutcome::FirstFile,
         "{File Copy}C:\\TANDREL\\PROGRAMS\\A.TDX * ", "first file and separator"},
        {"{File Copy}C:\\A.TDX * C:\\TEMP\\", "C:\\TEMP", "B.TXT", FileClickOutcome::SecondFile,
         "{File Copy}C:\\A.TDX * C:\\TEMP\\B.TXT", "second file after a directory change"},
        {"{File Copy}C:\\A.TDX * C:\\TEMP\\B.TXT", "C:\\TEMP", "C.TXT",
         FileClickOutcome::ThirdFileRefused, "{File Copy}C:\\A.TDX * C:\\TEMP\\B.TXT",
         "third file refused"},
        {"{File Erase}C:\\", "C:\\", "X.TXT", FileClickOutcome::OnlyFile, "{File Erase}C:\\X.TXT",
         "one backslash at the root"},
        {"{File Rename}C:\\A.TXT * ", "C:\\DATA", "B.TXT", FileClickOutcome::SecondFile,
         "{File Rename}C:\\A.TXT * C:\\DATA\\B.TXT", "second file in the same directory"},
        {"{File Copy}C:\\TEMP\\", "C:\\TEMP", "A.TXT", FileClickOutcome::FirstFile,
         "{File Copy}C:\\TEMP\\A.TXT * ", "first file after a directory change"},
        {"{Pause}", "C:\\", "A.TXT", FileClickOutcome::NotAFileLine, "{Pause}", "no file token"},
    };
    for (const Case& row : cases) {
        const FileClick click = lineAfterFileClick(row.line, row.directory, row.file);
        EXPECT_EQ(click.outcome, row.outcome) << row.reason;
        EXPECT_EQ(click.line, row.expected) << row.reason;
    }
}

TEST(PathRules, SaveFieldAndDirectoryShapes) {
    using Rule = QString (*)(const QString&);
    struct Case {
        Rule rule;
        QString input;
        QString expected;
        const char* reason;
    };
    const Case cases[] = {
        {saveFieldAfterDirectoryChange, "C:\\DATA", "C:\\DATA\\", "directory gets a backslash"},
        {saveFieldAfterDirectoryChange, "C:\\", "C:\\", "root never doubled"},
        {saveFieldAfterClick, "C:\\DATA", "C:\\DATA\\", "click adds the backslash"},
        {saveFieldAfterClick, "C:\\DATA\\  ", "C:\\DATA\\  ", "trailing blanks ignored"},
        {shownDirectory, "C:\\TANDREL\\PROGRAMS\\", "C:\\TANDREL\\PROGRAMS", "no trailing one"},
        {shownDirectory, "c:", "c:\\", "root keeps its backslash"},
        {parentDirectory, "C:\\TANDREL", "C:\\", "up to the root"},
        {parentDirectory, "C:\\", "C:\\", "root stays"},
        {actionDirectory, "C:\\", "C:\\", "action at a root: no second backslash"},
        {actionDirectory, "C:\\TANDREL\\PROGRAMS", "C:\\TANDREL\\PROGRAMS\\", "action below"},
    };
    for (const Case& row : cases)
        EXPECT_EQ(row.rule(row.input), row.expected) << row.reason;
}

TEST(PathRules, DirectoryRowsLeadDownFromTheRoot) {
    const QList<DirectoryRow> expected = {
        {"C:\\", "C:\\"}, {"  TANDREL", "C:\\TANDREL"}, {"    PROGRAMS", "C:\\TANDREL\\PROGRAMS"}};
    EXPECT_EQ(directoryRows("C:\\TANDREL", {"PROGRAMS"}), expected);
}

TEST(PathRules, FileActionMenuAndRenameField) {
    struct Case {
        qsizetype entryLength;
        FileActionGeometry expected;
        const char* reason;
    };
    const Case cases[] = {
        {29, {6183, 3194, 6083, 3294}, "a narrow field moves left, the menu keeps its edge"},
        {80, {1797, 7580, 3697, 5680}, "wide menu: the field stays beside it"},
        {100, {100, 9300, 2000, 7400}, "long name: the menu stops at the left limit"},
        {100000000, {100, 8600700, 2000, 8598800}, "absurd length capped, no overflow"},
    };
    for (const Case& row : cases)
        EXPECT_EQ(fileActionGeometry(row.entryLength), row.expected) << row.reason;
    const std::pair<qsizetype, qsizetype> carets[] = {{5, 2}, {7, 4}, {3, 2}, {0, 0}, {1, 0}};
    for (const auto& [length, caret] : carets)
        EXPECT_EQ(renameCaretPosition(length), caret) << "name of " << length << " characters";
}

} // namespace
