#include "window/insertion.h"

#include <gtest/gtest.h>

using namespace tandrel;
using Action = InsertionPlan::Action;

// The common cases run through the window's own insertion in the GUI tests; these are the
// remaining boundaries.
TEST(Insertion, WhereTheNextLineGoes) {
    struct Case {
        const char* name;
        int lineCount, selected;
        bool editMode, editPromptStands;
        InsertionPlan plan;
    };
    const Case cases[] = {
        {"no blue line, edit prompt", 5, -1, false, true, {Action::Append, 5, false, false, -1}},
        {"last line blue", 5, 4, false, false, {Action::InsertAbove, 4, false, true, 5}},
        {"edit mode, no blue line", 5, -1, true, true, {Action::Append, 5, false, false, -1}},
        {"stale selection", 2, 7, false, false, {Action::Append, 2, false, false, -1}},
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
