#pragma once

#include <QString>

namespace tandrel {

// The prompt over the program until the first line is inserted.
inline const QString startPromptText =
    QStringLiteral("Begin Typing Your Program or Select A File To Edit or Run.");

// The prompt over the program from the first insertion on; its runs of blanks break it into
// lines on the label.
QString usagePromptText();

// The caption of the dialog prompt while a line is (or was last) opened for editing; while it
// stands, an insertion at a blue line replaces that line.
inline const QString editPromptText =
    QStringLiteral("Insert programming at blue line, or  click this bar to modify blue line.");

// Where the next inserted line goes and what is selected afterwards.
struct InsertionPlan {
    enum class Action { ReplaceText, InsertAbove, Append };
    Action action = Action::Append;
    // The line whose text is replaced, or the index at which the new line is inserted.
    int index = -1;
    // After inserting above it, the former blue line is removed: the new line takes its place.
    bool removeBlueLine = false;
    // The dialog prompt's caption is emptied (every insertion at a blue line does this).
    bool clearDialogPrompt = false;
    // The line selected afterwards, -1 for none; for a replacement in edit mode, the line
    // that was replaced.
    int selectionAfter = -1;
};

// lineCount: lines in the program; selected: the selected line, -1 for none; editMode: an
// existing line is under edit; editPromptStands: the dialog prompt still carries the edit
// prompt.
InsertionPlan planInsertion(int lineCount, int selected, bool editMode, bool editPromptStands);

} // namespace tandrel
