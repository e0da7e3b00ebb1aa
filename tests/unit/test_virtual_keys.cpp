#include "window/line_editing_rules.h"
#include "window/virtual_keys.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(VirtualKeys, ToolkitKeysMapToTheWindowsCodes) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        int expected;
        const char* reason;
    };
    const Case cases[] = {
        {Qt::Key_A, {}, 65, "letters are their capitals"},
        {Qt::Key_Z, Qt::ShiftModifier, 90, "the modifier state does not change a letter"},
        {Qt::Key_7, {}, 55, "digits are their characters"},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49, "a shifted symbol is the key it is typed on"},
        {Qt::Key_Period, {}, 190, "punctuation has its own key"},
        {Qt::Key_Space, {}, 32, "space"},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9, "Shift+Tab is Tab"},
        {Qt::Key_Enter, Qt::KeypadModifier, 13, "the keypad's Enter is Enter"},
        {Qt::Key_5, Qt::KeypadModifier, 101, "keypad digits are keys of their own"},
        {Qt::Key_Shift, {}, 16, "Shift"},
        {Qt::Key_Alt, Qt::AltModifier, 18, "Alt"},
        {Qt::Key_F1, {}, 112, "F1"},
        {Qt::Key_F10, {}, 121, "F10"},
        {Qt::Key_F16, {}, 127, "F16 comes through a temporary binding"},
        {Qt::Key_Delete, {}, 46, "Delete"},
        {Qt::Key_Pause, {}, 19, "Pause has a code but no token"},
        {Qt::Key_AltGr, {}, 0, "AltGr only selects characters"},
        {Qt::Key_Dead_Acute, {}, 0, "a dead key waits for its letter"},
        {Qt::Key_Multi_key, {}, 0, "compose waits for its sequence"},
        {Qt::Key_VolumeUp, {}, 0, "media keys"},
        {Qt::Key_unknown, {}, 0, "unknown keys"},
    };
    for (const Case& row : cases)
        EXPECT_EQ(virtualKeyCode(row.qtKey, row.modifiers), row.expected) << row.reason;
}

TEST(VirtualKeys, TokensOfTheTwoFields) {
    struct Case {
        int code;
        const char* typing;
        const char* dialog;
    };
    const Case cases[] = {
        {8, "{BACKSPACE}", "{BACKSPACE} "},
        {9, "{TAB}", "{TAB}"},
        {13, "{ENTER}", "{ENTER}"},
        {16, "", "{SHIFT}"},
        {17, "", "{CTRL}"},
        {18, "", "{ALT}"},
        {20, "", "{CAPSLOCK}"},
        {46, "", "{DELETE}"},
        {121, "", "{F10}"},
        {145, "{SCROLLLOCK}", "{SCROLLLOCK}"},
        {144, "{NUMLOCK}", "{NUMLOCK}"},
        {33, "{PGUP}", "{PGUP}"},
        {40, "{DOWN}", "{DOWN}"},
        {112, "{F1}", "{F1}"},
        {120, "{F9}", "{F9}"},
        {122, "{F11}", "{F11}"},
        {127, "{F16}", "{F16}"},
        {19, "", ""},
        {65, "", ""},
        {32, "", ""},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(typingFieldToken(row.code), QLatin1String(row.typing)) << row.code;
        EXPECT_EQ(dialogFieldToken(row.code), QLatin1String(row.dialog)) << row.code;
    }
}

TEST(LineEditingRules, LinesWithAnArgumentTokenAreEditable) {
    struct Case {
        const char* line;
        bool editable;
    };
    const Case cases[] = {
        {"{File Copy}C:\\A * C:\\B", true},
        {"{File Rename}x", true},
        {"{Clip Wait}Total", true},
        {"{Wait}10", true},
        {"{Run Program}x", true},
        {"{File Wait}x", true},
        {"{Focus On}x", true},
        {"{Text Paste}x", true},
        {"{File Paste}x", true},
        {"{File Erase}x", true},
        {"before {Note} after", true},
        {"{Stop}", true},
        {"{note}x", false},
        {"{WAIT}10", false},
        {"{ENTER}", false},
        {"{ALT}F", false},
        {"{DAYS}1 10:00", false},
        {"{Clip Paste}", false},
        {"{eXit}", false},
        {"a", false},
    };
    for (const Case& row : cases)
        EXPECT_EQ(isEditableLine(QString::fromUtf8(row.line)), row.editable) << row.line;
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
        {{"a", "b", "c"}, -1, {{"a", "b", "c"}, -1}, "no blue line stays none"},
        {{"a", "b"}, 0, {{"a", "b"}, -1}, "two lines select nothing"},
        {{"a", "b", "c"}, 5, {{"a", "b", "c"}, -1}, "a line beyond the program selects none"},
        {{"a", "", "b", "", ""}, 2, {{"a", "", "b"}, 2}, "only trailing empty lines go"},
        {{"", ""}, -1, {{}, -1}, "an all-empty snapshot becomes an empty program"},
    };
    for (const Case& row : cases)
        EXPECT_EQ(restoreFromSnapshot(row.snapshot, row.selectedBefore), row.expected)
            << row.reason;
}
