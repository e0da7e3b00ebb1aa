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
        {"{Stop}  That is the end.", " ", 1},
        {"", "{Stop}Edited", 1},
        {"{Stop}a", "{Stop}b", 2},
        {"{stop}a", "{STOP}b", 0},
        {" {Stop}", "x{Stop}", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stopCount(c.dialogField, c.editField), c.count)
            << c.dialogField << " | " << c.editField;
}

TEST(LineCommit, TokensWithoutArgumentAreCutBare) {
    const char* cases[][2] = {
        {"{eXit}xyz", "{eXit}"},
        {"{Start Again} and again", "{Start Again}"},
        {"{Clip Paste}abc", "{Clip Paste}"},
        {"{Clip Clear} ", "{Clip Clear}"},
        // Other capitalisations, a token further in and other lines stay as typed.
        {"{Exit}xyz", "{Exit}xyz"},
        {"x{eXit}", "x{eXit}"},
        {"{Wait}10", "{Wait}10"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cutToBareToken(c[0]), QString::fromUtf8(c[1])) << c[0];
}

TEST(LineCommit, TheSaveButtonsCaptionChoosesTheField) {
    EXPECT_EQ(committedLine("Save", "{Wait}5", "{Note}x"), QString("{Wait}5"));
    EXPECT_EQ(committedLine("OK", "{Wait}5", "{Note}x"), QString("{Note}x"));
    EXPECT_EQ(committedLine("ok", "{Wait}5", "{Note}x"), std::nullopt);
}
