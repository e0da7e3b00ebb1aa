#include "editor_fixture.h"
#include "window/insertion.h"

using namespace tandrel;

TEST_F(EditorTest, ADoubleClickDeletesTheLineAndUndoBringsItBack) {
    insert("k"); // leaves the start prompt behind
    const auto editOpen = [this] {
        return !window->Text7->isHidden() && window->Command2->text() == "OK" &&
               window->Command8->text() == "Cancel This Edit" && window->Command1->isHidden() &&
               window->Command12->isHidden();
    };
    struct Case {
        const char* reason;
        QStringList program;
        int row; // -1: below the last line
        QStringList expectedLines;
        int expectedBlueLine;
        int expectedBlueAfterUndo; // two lines or fewer select nothing
        bool editable = false;     // a second slow click opens it, a third ends the edit
    };
    const QList<Case> cases = {
        {"the middle line", {"a", "b", "c"}, 1, {"a", "c"}, 1, 1},
        {"the last line", {"a", "b", "c"}, 2, {"a", "b"}, -1, -1},
        {"the only line", {"a"}, 0, {}, -1, -1},
        {"an editable line leaves no edit open", {"a", "{Wait}10", "c"}, 1, {"a", "c"}, 1, 1, true},
        {"below the last line", {"a", "b"}, -1, {"a", "b"}, -1, -1},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program);
        window->globals.LastClickedLine = -1;
        if (row.row >= 0) {
            clickLine(row.row);
            EXPECT_FALSE(editOpen()) << "the first click only moves the blue line";
            EXPECT_EQ(selectedRow(), row.row);
            clickLine(row.row);
            EXPECT_EQ(editOpen(), row.editable);
            if (row.editable) {
                EXPECT_EQ(window->Text7->text(), row.program[row.row]);
                EXPECT_EQ(window->Label21->text(), editPromptText);
                EXPECT_EQ(backgroundOf(window->Command8), QColor(255, 162, 162));
            }
            clickLine(row.row);
            EXPECT_FALSE(editOpen());
            setProgram(row.program);
            window->globals.LastClickedLine = -1;
        }
        // As the platform reports a double click: press, release, press, double click, release.
        QWidget* viewport = window->List2->viewport();
        const QPoint at =
            row.row >= 0 ? centreOf(row.row) : viewport->rect().bottomLeft() + QPoint(5, -5);
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &doubleClick);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        EXPECT_EQ(lines(), row.expectedLines);
        EXPECT_EQ(selectedRow(), row.expectedBlueLine);
        EXPECT_FALSE(editOpen());
        EXPECT_NE(window->Label21->text(), editPromptText);
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
        if (row.row < 0)
            continue;
        window->Command9_Click();
        EXPECT_EQ(lines(), row.program);
        EXPECT_EQ(selectedRow(), row.expectedBlueAfterUndo);
        EXPECT_EQ(backgroundOf(window->Command9), classicColour(PaletteColour::White));
        window->List2->addItem("later");
        window->Command9_Click(); // a second UNDO has nothing to restore
        EXPECT_EQ(lines(), row.program + QStringList{"later"});
    }
}
