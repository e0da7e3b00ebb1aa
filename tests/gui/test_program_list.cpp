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

} // namespace

TEST_F(EditorTest, InsertionsGoAboveTheBlueLineOrAtTheEndInTheUsersOrder) {
    struct Row {
        QStringList program;
        int blueLine;
        QString prompt; // of the dialog panel
        QStringList inserted, expected;
        int blueAfter;
        const char* reason;
    };
    const QStringList long80 = numbered(80);
    const Row rows[] = {
        Row(long80, -1, "", {"a", "b", "c"}, long80 + QStringList{"a", "b", "c"}, -1,
            "no blue line: the end, shown"),
        Row({"l0", "l1"}, 0, "Some dialog prompt", {"new"}, {"new", "l0", "l1"}, 1,
            "the first line as blue line; a dialog prompt is cleared"),
        Row({"l0", "{Wait}10", "l2"}, 1, editPromptText, {"{Wait}20", "next"},
            {"l0", "{Wait}20", "l2", "next"}, -1,
            "the edit prompt replaces the blue line, then the end"),
    };
    ASSERT_EQ(window->Label4->text(), startPromptText);
    ASSERT_NE(window->Label4->font().pointSizeF(), 8);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program, row.blueLine);
        window->List2->scrollToTop();
        window->Label21->setText(row.prompt);
        window->Label21->hide();
        window->globals.LastClickedLine = 7;
        for (const QString& line : row.inserted) {
            insert(line);
            // Every change takes the undo snapshot first.
            if (line == row.inserted.first()) {
                EXPECT_EQ(textsOf(window->List6), row.program);
            }
        }
        EXPECT_TRUE(window->Command9->isEnabled());
        EXPECT_EQ(backgroundOf(window->Command9), classicColour(PaletteColour::Yellow));
        EXPECT_EQ(lines(), row.expected);
        EXPECT_EQ(selectedRow(), row.blueAfter);
        EXPECT_EQ(window->Label21->text(), QString());
        if (row.blueAfter < 0) {
            EXPECT_EQ(window->List2->currentRow(), -1);
            EXPECT_TRUE(lastLineInView());
        }
        // The handler's own selection is no click: neither the click handler nor a colouring ran.
        EXPECT_EQ(window->globals.LastClickedLine, 7);
        EXPECT_EQ(backgroundOf(window->Command3), QColor(128, 128, 255));
        expectTyping();
        // The first insertion switched the prompt; later ones leave it alone.
        EXPECT_TRUE(window->Label4->text().startsWith(
            "Click on a line below to insert programming at that line." + QString(47, ' ')));
        EXPECT_EQ(window->Label4->font().pointSizeF(), 8);
        EXPECT_EQ(window->Label4->text().count(" changed elsewhere"), &row - rows);
        window->Label4->setText(window->Label4->text() + " changed elsewhere");
    }
}

TEST_F(EditorTest, TheBarAndAClickOnALineMoveTheInsertionPoint) {
    // Lines that cannot be edited: a click on an editable one also runs the edit toggle.
    setProgram(numbered(80).replaceInStrings("{Note}", ""), 3);
    window->List2->scrollToTop();
    click(window->Command3);
    EXPECT_TRUE(lastLineInView());
    // The blue line, the last clicked line and the bar's colour after each step.
    const auto expectState = [&](int blue, PaletteColour bar) {
        EXPECT_EQ(std::pair(selectedRow(), int(window->globals.LastClickedLine)),
                  std::pair(blue, blue));
        EXPECT_EQ(backgroundOf(window->Command3), classicColour(bar));
    };
    expectState(-1, PaletteColour::LightCyan);
    clickLine(79); // the last line as blue line leaves the bar as it is
    expectState(79, PaletteColour::LightCyan);
    clickLine(1);
    expectState(1, PaletteColour::LightGreen);
    expectTyping();
    insert("new");
    EXPECT_EQ(lines().mid(0, 3), QStringList({"line 1", "new", "line 2"}));
    // Control-click takes the selection away again: the insertion point is the end.
    clickLine(2, Qt::ControlModifier);
    expectState(-1, PaletteColour::LightCyan);
}

TEST_F(EditorTest, OneClickLinesGoThroughTheCommonInsertion) {
    const std::pair<ClickLabel * Tandrel::*, const char*> rows[] = {
        {&Tandrel::Label8, "{Clip Paste}"},
        {&Tandrel::Label9, "{Clip Clear}"},
        {&Tandrel::Label22, "{Start Again}"},
        {&Tandrel::Label30, "{eXit}"}};
    for (const auto& [button, line] : rows) {
        SCOPED_TRACE(line);
        setProgram({"l0", "l1"}, 1);
        click(window.get()->*button);
        EXPECT_EQ(lines(), QStringList({"l0", line, "l1"}));
        EXPECT_EQ(selectedRow(), 2);
        EXPECT_EQ(window->Text3->text(), line);
        EXPECT_TRUE(window->Text3->isHidden());
        EXPECT_EQ(textsOf(window->List6), QStringList({"l0", "l1"}));
        expectTyping();
    }
    EXPECT_EQ(fake.processEnd.ends, 0);
}

// A line of megabytes is laid out by its beginning only (whole, it took seconds at every
// layout of the list); the program keeps every character.
TEST_F(EditorTest, AHugeLineIsShownByItsBeginningAndKeptWhole) {
    const QString huge = "'" + QString(10'000'000, u'x');
    setProgram({huge, "a"});
    EXPECT_LT(window->List2->sizeHintForColumn(0), 100'000);
    EXPECT_EQ(window->List2->item(0)->text(), huge);
}
