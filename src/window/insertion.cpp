#include "window/insertion.h"

namespace tandrel {

QString usagePromptText() {
    return QStringLiteral("Click on a line below to insert programming at that line.") +
           QString(47, QLatin1Char(' ')) +
           QStringLiteral("DOUBLE clicking a line below in quick succession will delete it.") +
           QString(4, QLatin1Char(' ')) +
           QStringLiteral("Clicking a second time in slow succession will enable editing "
                          "specific long lines of text.") +
           QString(134, QLatin1Char(' '));
}

InsertionPlan planInsertion(int lineCount, int selected, bool editMode, bool editPromptStands) {
    const bool blueLine = lineCount >= 1 && selected >= 0 && selected < lineCount;
    InsertionPlan plan;
    if (editMode) {
        if (blueLine) {
            plan.action = InsertionPlan::Action::ReplaceText;
            plan.index = selected;
            plan.selectionAfter = selected;
        } else {
            plan.action = InsertionPlan::Action::Append;
            plan.index = lineCount;
        }
        return plan;
    }
    if (!blueLine) {
        plan.action = InsertionPlan::Action::Append;
        plan.index = lineCount;
        return plan;
    }
    plan.action = InsertionPlan::Action::InsertAbove;
    plan.index = selected;
    plan.clearDialogPrompt = true;
    plan.removeBlueLine = editPromptStands;
    // The blue line keeps its program line, now one further down, unless it was replaced.
    plan.selectionAfter = editPromptStands ? -1 : selected + 1;
    return plan;
}

} // namespace tandrel
