#include "dialogs/line_commit.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(LineCommit, StopCountCountsBothFieldsExactly) {
    struct Case {
        const char* dialogField;
        const char* editField;
        int count;
    };
    const Case cases[] = {
        {"{Stop}", "", 1},         {"{Stop}  That is the end.", " ", 1},
        {"", "{Stop}Edited", 1},   {"{Stop}a", "{Stop}b", 2},
        {"{stop}a", "{STOP}b", 0}, {" {Stop}", "x{Stop}", 0},
        {"{Sto", "", 0},           {"{File Copy}", "{Wait}10", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stopCount(c.dialogField, c.editField), c.count)
            << c.dialogField << " | " << c.editField;
}

TEST(LineCommit, TokensWithoutArgumentAreCutBare) {
    struct Case {
        const char* field;
        const char* committed;
    };
    const Case cases[] = {
        {"{eXit}xyz", "{eXit}"},
        {"{eXit}", "{eXit}"},
        {"{Start Again} and again", "{Start Again}"},
        {"{Clip Paste}abc", "{Clip Paste}"},
        {"{Clip Clear} ", "{Clip Clear}"},
        // Other capitalisations and other lines stay as typed.
        {"{Exit}xyz", "{Exit}xyz"},
        {"{clip paste}abc", "{clip paste}abc"},
        {"x{eXit}", "x{eXit}"},
        {"{Stop}{eXit}", "{Stop}{eXit}"},
        {"{File Copy}", "{File Copy}"},
        {"{Wait}10", "{Wait}10"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cutToBareToken(c.field), QString::fromUtf8(c.committed)) << c.field;
}

TEST(LineCommit, TheSaveButtonsCaptionChoosesTheField) {
    EXPECT_EQ(committedLine("Save", "{Wait}5", "{Note}x"), QString("{Wait}5"));
    EXPECT_EQ(committedLine("OK", "{Wait}5", "{Note}x"), QString("{Note}x"));
    EXPECT_EQ(committedLine("ok", "{Wait}5", "{Note}x"), std::nullopt);
    EXPECT_EQ(committedLine("Save File", "{Wait}5", "{Note}x"), std::nullopt);
}
