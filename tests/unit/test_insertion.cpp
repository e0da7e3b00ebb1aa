#include "window/insertion.h"

#include <gtest/gtest.h>

using namespace tandrel;
using Action = InsertionPlan::Action;

TEST(Insertion, WhereTheNextLineGoes) {
    struct Case {
        const char* name;
        int lineCount;
        int selected;
        bool editMode;
        bool editPromptStands;
        InsertionPlan plan;
    };
    const Case cases[] = {
        {"empty program", 0, -1, false, false, {Action::Append, 0, false, false, -1}},
        {"no blue line", 5, -1, false, false, {Action::Append, 5, false, false, -1}},
        {"no blue line, edit prompt", 5, -1, false, true, {Action::Append, 5, false, false, -1}},
        {"blue line moves down", 5, 2, false, false, {Action::InsertAbove, 2, false, true, 3}},
        {"first line blue", 5, 0, false, false, {Action::InsertAbove, 0, false, true, 1}},
        {"last line blue", 5, 4, false, false, {Action::InsertAbove, 4, false, true, 5}},
        {"edit prompt replaces the blue line",
         5,
         2,
         false,
         true,
         {Action::InsertAbove, 2, true, true, -1}},
        {"edit mode replaces in place",
         5,
         3,
         true,
         true,
         {Action::ReplaceText, 3, false, false, 3}},
        {"edit mode without a selection appends",
         5,
         -1,
         true,
         true,
         {Action::Append, 5, false, false, -1}},
        {"stale selection beyond the end",
         2,
         7,
         false,
         false,
         {Action::Append, 2, false, false, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const InsertionPlan plan =
            planInsertion(c.lineCount, c.selected, c.editMode, c.editPromptStands);
        EXPECT_EQ(plan.action, c.plan.action);
        EXPECT_EQ(plan.index, c.plan.index);
        EXPECT_EQ(plan.removeBlueLine, c.plan.removeBlueLine);
        EXPECT_EQ(plan.clearDialogPrompt, c.plan.clearDialogPrompt);
        EXPECT_EQ(plan.selectionAfter, c.plan.selectionAfter);
    }
}
