#include "editor_fixture.h"
#include "window/insertion.h"

using namespace tandrel;

namespace {

class LineEditingTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        insert("k"); // leaves the start prompt behind
        setProgram({});
    }

    bool editOpen() const {
        return !window->Text7->isHidden() && window->Command2->text() == "OK" &&
               window->Command8->text() == "Cancel This Edit" && window->Command1->isHidden() &&
               window->Command12->isHidden();
    }
};

} // namespace

TEST_F(LineEditingTest, ADoubleClickDeletesTheLineAndUndoBringsItBack) {
    struct Case {
        const char* reason;
        QStringList program;
        int row; // -1: below the last line
        QStringList expectedLines;
        int expectedBlueLine;
        int expectedBlueAfterUndo; // two lines or fewer select nothing
    };
    const QList<Case> cases = {
        {"the middle line", {"a", "b", "c"}, 1, {"a", "c"}, 1, 1},
        {"the last line", {"a", "b", "c"}, 2, {"a", "b"}, -1, -1},
        {"the only line", {"a"}, 0, {}, -1, -1},
        {"the first of two", {"a", "b"}, 0, {"b"}, 0, -1},
        {"an editable line leaves no edit open", {"a", "{Wait}10", "c"}, 1, {"a", "c"}, 1, 1},
        {"below the last line", {"a", "b"}, -1, {"a", "b"}, -1, -1},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program);
        window->globals.LastClickedLine = -1;
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

TEST_F(LineEditingTest, ASecondSlowClickOpensOnlyEditableLines) {
    // A wait line and a note anywhere in the line open; a lower-case note and keys do not.
    const std::pair<QString, bool> cases[] = {{"{Wait}10", true},
                                              {"x {Note} y", true},
                                              {"x {note} y", false},
                                              {"{ENTER}", false},
                                              {"a", false}};
    for (const auto& [line, opens] : cases) {
        SCOPED_TRACE(line.toStdString());
        setProgram({"first", line, "last"});
        window->globals.LastClickedLine = -1;
        clickLine(1);
        EXPECT_FALSE(editOpen()) << "the first click only moves the blue line";
        EXPECT_EQ(selectedRow(), 1);
        clickLine(1);
        EXPECT_EQ(editOpen(), opens);
        if (opens) {
            EXPECT_EQ(window->Text7->text(), line);
            EXPECT_EQ(window->Label21->text(), editPromptText);
            EXPECT_EQ(backgroundOf(window->Command8), QColor(255, 162, 162));
        }
        clickLine(1); // a third click ends the edit
        EXPECT_FALSE(editOpen());
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
    }
}
