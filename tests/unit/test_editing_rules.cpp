#include "dialogs/line_commit.h"
#include "window/line_editing_rules.h"
#include "window/virtual_keys.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(VirtualKeys, ToolkitKeysMapToTheWindowsCodes) {
    // The toolkit's key and modifiers, the code, why.
    const std::tuple<int, Qt::KeyboardModifiers, int, const char*> cases[] = {
        {Qt::Key_Exclam, Qt::ShiftModifier, 49, "a shifted symbol is the key it is typed on"},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9, "Shift+Tab is Tab"},
        {Qt::Key_Enter, Qt::KeypadModifier, 13, "the keypad's Enter is Enter"},
        {Qt::Key_5, Qt::KeypadModifier, 101, "keypad digits are keys of their own"},
        {Qt::Key_F16, {}, 127, "F16 comes through a temporary binding"},
        {Qt::Key_AltGr, {}, 0, "AltGr only selects characters"},
        {Qt::Key_Dead_Acute, {}, 0, "a dead key waits for its letter"},
    };
    for (const auto& [qtKey, modifiers, expected, reason] : cases)
        EXPECT_EQ(virtualKeyCode(qtKey, modifiers), expected) << reason;
}

TEST(LineEditingRules, LinesWithAnArgumentTokenAreEditable) {
    for (const char* line :
         {"{File Copy}C:\\A * C:\\B", "{File Rename}x", "{Clip Wait}Total", "{Wait}10",
          "{Run Program}x", "{File Wait}x", "{Focus On}x", "{Text Paste}x", "{File Paste}x",
          "{File Erase}x", "before {Note} after", "{Stop}"})
        EXPECT_TRUE(isEditableLine(QString::fromUtf8(line))) << line;
    for (const char* line : {"{WAIT}10", "{ALT}F", "{DAYS}1 10:00", "{Clip Paste}", "{eXit}"})
        EXPECT_FALSE(isEditableLine(QString::fromUtf8(line))) << line;
}

TEST(LineEditingRules, UndoRestoresTheSnapshotWithoutTrailingEmptyLines) {
    struct Case {
        QStringList snapshot;
        int selectedBefore;
        UndoRestore expected;
        const char* reason;
    };
    const Case cases[] = {
        {{"a", "b", "c"}, 1, {{"a", "b", "c"}, 1}, "more than two lines keep the blue line"},
        {{"a", "b", "c"}, 5, {{"a", "b", "c"}, -1}, "a line beyond the program selects none"},
        {{"a", "", "b", "", ""}, 2, {{"a", "", "b"}, 2}, "only trailing empty lines go"},
        {{"", ""}, -1, {{}, -1}, "an all-empty snapshot becomes an empty program"},
    };
    for (const Case& row : cases)
        EXPECT_EQ(restoreFromSnapshot(row.snapshot, row.selectedBefore), row.expected)
            << row.reason;
}

// Stop lines are counted in both fields exactly; the four tokens without an argument lose what
// follows them, other capitalisations and a token further in stay as typed.
TEST(LineCommit, StopCountBareTokensAndTheSaveButtonsCaption) {
    const std::tuple<const char*, const char*, int> stops[] = {{"{Stop}  The end.", " ", 1},
                                                               {"{Stop}a", "{Stop}b", 2},
                                                               {"{stop}a", "{STOP}b", 0},
                                                               {" {Stop}", "x{Stop}", 0}};
    for (const auto& [dialogField, editField, count] : stops)
        EXPECT_EQ(stopCount(dialogField, editField), count) << dialogField << " | " << editField;
    const std::pair<const char*, const char*> cuts[] = {{"{eXit}xyz", "{eXit}"},
                                                        {"{Clip Paste}abc", "{Clip Paste}"},
                                                        {"{Exit}xyz", "{Exit}xyz"},
                                                        {"x{eXit}", "x{eXit}"},
                                                        {"{Wait}10", "{Wait}10"}};
    for (const auto& [typed, cut] : cuts)
        EXPECT_EQ(cutToBareToken(typed), QString(cut)) << typed;
    const std::pair<const char*, std::optional<QString>> captions[] = {
        {"Save", "{Wait}5"}, {"OK", "{Note}x"}, {"ok", std::nullopt}};
    for (const auto& [caption, line] : captions)
        EXPECT_EQ(committedLine(caption, "{Wait}5", "{Note}x"), line) << caption;
}
