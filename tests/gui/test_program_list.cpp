#include "editor_fixture.h"
#include "window/insertion.h"

using namespace tandrel;

namespace {

QStringList numbered(int count) {
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result << QStringLiteral("{Note}line %1").arg(i);
    return result;
}

const QColor designBarColour(128, 128, 255);

} // namespace

TEST_F(EditorTest, InsertionsWithoutBlueLineGoToTheEndInOrderAndShowTheEnd) {
    const QStringList program = numbered(80);
    setProgram(program);
    window->List2->scrollToTop();
    ASSERT_FALSE(lastLineInView());
    insert("a");
    insert("b");
    insert("c");
    EXPECT_EQ(lines(), program + QStringList({"a", "b", "c"}));
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(window->List2->currentRow(), -1);
    EXPECT_TRUE(lastLineInView());
    expectTyping();
}

TEST_F(EditorTest, InsertionsAboveTheBlueLineKeepTheUsersOrder) {
    setProgram({"l0", "l1", "l2", "l3"}, 2);
    window->globals.LastClickedLine = 7;
    insert("A");
    insert("B");
    EXPECT_EQ(lines(), QStringList({"l0", "l1", "A", "B", "l2", "l3"}));
    EXPECT_EQ(selectedRow(), 4);
    // The handler's own selection is no click: neither the click handler nor a colouring ran.
    EXPECT_EQ(window->globals.LastClickedLine, 7);
    EXPECT_EQ(backgroundOf(window->Command3), designBarColour);
    expectTyping();
}

TEST_F(EditorTest, TheFirstLineAsBlueLine) {
    setProgram({"l0", "l1"}, 0);
    window->Label21->setText("Some dialog prompt");
    insert("new");
    EXPECT_EQ(lines(), QStringList({"new", "l0", "l1"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(window->Label21->text(), QString());
}

TEST_F(EditorTest, TheEditPromptMakesAnInsertionReplaceTheBlueLine) {
    setProgram({"l0", "{Wait}10", "l2"}, 1);
    window->Label21->setText(editPromptText);
    window->Label21->hide();
    insert("{Wait}20");
    EXPECT_EQ(lines(), QStringList({"l0", "{Wait}20", "l2"}));
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(window->Label21->text(), QString());
    insert("next");
    EXPECT_EQ(lines(), QStringList({"l0", "{Wait}20", "l2", "next"}));
    expectTyping();
}

TEST_F(EditorTest, InEditModeTheLineUnderEditIsReplacedInPlace) {
    setProgram({"l0", "{Wait}10", "l2"}, 1);
    window->Command2->setText("OK");
    window->Label21->setText(editPromptText);
    insert("{Wait}20");
    EXPECT_EQ(lines(), QStringList({"l0", "{Wait}20", "l2"}));

    // Without a selection the line goes to the end instead.
    window->List2->clearSelection();
    insert("{Wait}30");
    EXPECT_EQ(lines(), QStringList({"l0", "{Wait}20", "l2", "{Wait}30"}));
}

TEST_F(EditorTest, EveryChangeTakesTheUndoSnapshotFirst) {
    EXPECT_FALSE(window->Command9->isEnabled());
    QStringList before;
    const QList<std::function<void()>> changes = {
        [&] { insert("a"); },
        [&] { insert("b"); },
        [&] {
            window->List2->setCurrentRow(0);
            insert("c");
        },
        [&] { click(window->Label8); },
        [&] {
            click(window->Label18);
            window->Text3->setText("{Wait}5");
            click(window->Command4);
        },
    };
    for (const auto& change : changes) {
        before = lines();
        change();
        EXPECT_NE(lines(), before);
        EXPECT_EQ(undoCopy(), before);
        EXPECT_TRUE(window->Command9->isEnabled());
        EXPECT_EQ(backgroundOf(window->Command9), colour(PaletteColour::Yellow));
    }
}

TEST_F(EditorTest, TheFirstInsertionSwitchesThePromptOnce) {
    ASSERT_EQ(window->Label4->text(), startPromptText);
    const qreal designSize = window->Label4->font().pointSizeF();
    ASSERT_NE(designSize, 8);
    insert("a");
    const QString usage = window->Label4->text();
    EXPECT_TRUE(usage.startsWith("Click on a line below to insert programming at that line." +
                                 QString(47, ' ') + "DOUBLE clicking"));
    EXPECT_TRUE(usage.endsWith("editing specific long lines of text." + QString(134, ' ')));
    EXPECT_EQ(usage.size(), 57 + 47 + 64 + 4 + 90 + 134);
    EXPECT_EQ(window->Label4->font().pointSizeF(), 8);

    // Later insertions leave the prompt alone.
    window->Label4->setText("changed elsewhere");
    QFont larger = window->Label4->font();
    larger.setPointSizeF(12);
    window->Label4->setFont(larger);
    insert("b");
    EXPECT_EQ(window->Label4->text(), "changed elsewhere");
    EXPECT_EQ(window->Label4->font().pointSizeF(), 12);
}

TEST_F(EditorTest, TheBarTakesTheInsertionPointBackToTheEnd) {
    click(window->Command3);
    EXPECT_EQ(backgroundOf(window->Command3), colour(PaletteColour::LightCyan));
    EXPECT_EQ(lines(), QStringList());
    expectTyping();

    setProgram(numbered(80), 3);
    window->List2->scrollToTop();
    click(window->Command3);
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_TRUE(lastLineInView());
    EXPECT_EQ(backgroundOf(window->Command3), colour(PaletteColour::LightCyan));
    expectTyping();
    insert("end");
    EXPECT_EQ(lines().last(), "end");
}

TEST_F(EditorTest, AClickOnALineMakesItTheBlueLine) {
    setProgram({"l0", "l1", "l2", "l3"});
    click(window->Command3);
    clickLine(3);
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_EQ(window->globals.LastClickedLine, 3);
    // The last line as blue line leaves the bar as it is.
    EXPECT_EQ(backgroundOf(window->Command3), colour(PaletteColour::LightCyan));
    expectTyping();

    clickLine(1);
    EXPECT_EQ(window->globals.LastClickedLine, 1);
    EXPECT_EQ(backgroundOf(window->Command3), colour(PaletteColour::LightGreen));
    expectTyping();
    insert("new");
    EXPECT_EQ(lines(), QStringList({"l0", "new", "l1", "l2", "l3"}));

    // Control-click takes the selection away again: the insertion point is the end.
    clickLine(2, Qt::ControlModifier);
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(window->globals.LastClickedLine, -1);
    EXPECT_EQ(backgroundOf(window->Command3), colour(PaletteColour::LightCyan));
}

TEST_F(EditorTest, OneClickLinesGoThroughTheCommonInsertion) {
    struct Case {
        ClickLabel* Tandrel::*button;
        const char* line;
    };
    const Case cases[] = {{&Tandrel::Label8, "{Clip Paste}"},
                          {&Tandrel::Label9, "{Clip Clear}"},
                          {&Tandrel::Label22, "{Start Again}"},
                          {&Tandrel::Label30, "{eXit}"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        setProgram({"l0", "l1"});
        click(window.get()->*c.button);
        EXPECT_EQ(lines(), QStringList({"l0", "l1", c.line}));
        EXPECT_EQ(selectedRow(), -1);
        EXPECT_EQ(window->Text3->text(), c.line);
        EXPECT_TRUE(window->Text3->isHidden());

        window->List2->setCurrentRow(1);
        click(window.get()->*c.button);
        EXPECT_EQ(lines(), QStringList({"l0", c.line, "l1", c.line}));
        EXPECT_EQ(selectedRow(), 2);
        expectTyping();
    }
    EXPECT_EQ(fake.processEnd.ends, 0);
}

TEST_F(EditorTest, AOneClickLineReplacesTheLineUnderEdit) {
    setProgram({"l0", "{Note}x", "l2"}, 1);
    window->Command2->setText("OK");
    click(window->Label9);
    EXPECT_EQ(lines(), QStringList({"l0", "{Clip Clear}", "l2"}));
}
