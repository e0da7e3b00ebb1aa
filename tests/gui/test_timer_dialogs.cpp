#include "dialogs/timer_lines.h"
#include "editor_fixture.h"

using namespace tandrel;

namespace {

QList<int> selectedRowsOf(const QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            rows << row;
    return rows;
}

} // namespace

class TimerDialogTest : public EditorTest {
protected:
    void SetUp() override {
        // A Sunday afternoon; the fake clock writes the time as "2:05:00 PM".
        fake.clock.wallClock = QDateTime(QDate(2026, 3, 29), QTime(14, 5, 0));
        EditorTest::SetUp();
    }

    void clickEntry(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void expectTimerPanelOpen(const QStringList& lists) {
        expectShown(window.get(),
                    QStringList{"Text8", "Label21", "Text3", "Command4", "Command5", "Text10"} +
                        lists);
        expectHidden(window.get(),
                     {"List2", "Command1", "Command2", "Command8", "Command12", "Text7", "File1"});
        // Neither the caret nor the focus moves.
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
    }

    void expectTimerControlsHidden() {
        expectHidden(window.get(), {"Text10", "List1", "List3", "List4", "List5", "Text8"});
    }
};

TEST_F(TimerDialogTest, DaysLineComesFromTheListAndTheTimeOnly) {
    click(window->Label5);
    expectTimerPanelOpen({"List1"});
    EXPECT_EQ(window->List1->count(), 8);
    EXPECT_EQ(window->Text3->text(), "{DAYS}");
    EXPECT_EQ(window->Text10->text(), "2:05:00 PM");
    EXPECT_EQ(window->Label21->text(),
              QString("DO NOT ENTER MANUALLY -- Select as many days as you wish.  Your program "
                      "will wait at this line until the time you select is reached on the week "
                      "days you select.  (Seconds are optional.)"));

    // Fridays clicked before Mondays: the line keeps the week's order.
    clickEntry(window->List1, 6);
    clickEntry(window->List1, 2);
    window->Text3->setText("{DAYS}typed by hand");
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{DAYS}Mondays,Fridays, 2:05:00 PM"}));
    expectTimerControlsHidden();

    // Every opening starts again from nothing, with the time of the moment.
    click(window->Label5);
    clickEntry(window->List1, 3);
    click(window->Command5);
    expectTimerControlsHidden();
    fake.clock.wallClock = fake.clock.wallClock.addSecs(125);
    click(window->Label5);
    EXPECT_EQ(window->List1->count(), 8);
    EXPECT_EQ(selectedRowsOf(window->List1), QList<int>());
    EXPECT_EQ(window->Text10->text(), "2:07:05 PM");
    EXPECT_EQ(lines().size(), 1);
    EXPECT_TRUE(fake.messages.asked.isEmpty());
}

TEST_F(TimerDialogTest, DateOpensOnTodayAndComposesFromTheLists) {
    click(window->Label26);
    expectTimerPanelOpen({"List3", "List4", "List5"});
    EXPECT_TRUE(window->List1->isHidden());
    EXPECT_EQ(window->List4->count(), 101);
    EXPECT_EQ(selectedRowsOf(window->List4), QList<int>({0}));
    EXPECT_EQ(selectedRowsOf(window->List3), QList<int>({2}));
    EXPECT_EQ(selectedRowsOf(window->List5), QList<int>({28}));
    EXPECT_EQ(window->Text3->text(), "{DATE}");
    EXPECT_EQ(window->Text10->text(), "2:05:00 PM");
    EXPECT_EQ(window->Label21->text(),
              QString("DO NOT ENTER MANUALLY -- Select a year, month and day.  Your program will "
                      "wait at this line until the time you select is reached on the day you "
                      "select.  (Seconds are optional.)"));
    window->Text3->setText("{DATE}typed by hand");
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{DATE}2026 - March, 29   2:05:00 PM"}));
    expectTimerControlsHidden();

    // An impossible date goes in without complaint; an emptied time leaves the separator blanks.
    click(window->Label26);
    clickEntry(window->List4, 3);
    clickEntry(window->List3, 1);
    clickEntry(window->List5, 30);
    window->Text10->clear();
    click(window->Command4);
    EXPECT_EQ(lines().last(), "{DATE}2029 - February, 31   ");

    // Nothing of an earlier choice survives the next opening.
    click(window->Label26);
    clickEntry(window->List3, 7);
    click(window->Command5);
    expectTimerControlsHidden();
    click(window->Label26);
    EXPECT_EQ(selectedRowsOf(window->List3), QList<int>({2}));
    EXPECT_EQ(lines().size(), 2);
    EXPECT_TRUE(fake.messages.asked.isEmpty());
}
