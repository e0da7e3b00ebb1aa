#include "platform/common/title_match.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

TEST(TitleMatch, ExactTitleFirstThenPrefixIgnoringCaseTopmostWins) {
    // Bottom of the stack first.
    const QStringList titles{
        "Untitled - Notepad", "Notes", "untitled - notepad 2", "Straße", "Notes", "Calculator"};
    struct Row {
        const char* text;
        std::optional<qsizetype> chosen;
    };
    const std::vector<Row> rows{
        {"untitled - Notepad", 0}, // exact beats the prefix match above it
        {"Untitled", 2},           // prefix: the topmost
        {"notes", 4},              // two exact: the topmost
        {"NOTE", 4},
        {"calc", 5},
        {"STRASSE", std::nullopt}, // letter case only, no spelling rules
        {"straße", 3},
        {"Notepad", std::nullopt}, // the title must begin with the text
        {"Calculator and more", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(chooseWindowByTitle(titles, QString::fromUtf8(row.text)), row.chosen) << row.text;
    EXPECT_EQ(chooseWindowByTitle({}, QStringLiteral("Notes")), std::nullopt);
}

} // namespace
} // namespace tandrel
