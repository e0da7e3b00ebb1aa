#include "editor_fixture.h"
#include "runner/script_lines.h"

using namespace tandrel;

namespace {

QStringList entriesOf(const QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

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
        // A Friday afternoon; the fake clock writes the time as "2:05:00 PM".
        fake.clock.wallClock = QDateTime(QDate(2026, 3, 27), QTime(14, 5, 0));
        EditorTest::SetUp();
    }

    void clickEntry(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void expectTimerPanelOpen(std::initializer_list<QWidget*> lists) {
        for (QWidget* shown :
             {(QWidget*)window->Text8, (QWidget*)window->Label21, (QWidget*)window->Text3,
              (QWidget*)window->Command4, (QWidget*)window->Command5, (QWidget*)window->Text10})
            EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
        for (QWidget* list : lists)
            EXPECT_FALSE(list->isHidden()) << list->objectName().toStdString();
        for (QWidget* hidden :
             {(QWidget*)window->List2, (QWidget*)window->Command1, (QWidget*)window->Command2,
              (QWidget*)window->Command8, (QWidget*)window->Command12, (QWidget*)window->Text7,
              (QWidget*)window->File1})
            EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
        // Neither the caret nor the focus moves.
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
    }

    void expectTimerControlsHidden() {
        for (QWidget* timer :
             {(QWidget*)window->Text10, (QWidget*)window->List1, (QWidget*)window->List3,
              (QWidget*)window->List4, (QWidget*)window->List5, (QWidget*)window->Text8})
            EXPECT_TRUE(timer->isHidden()) << timer->objectName().toStdString();
    }
};

TEST_F(TimerDialogTest, DaysOpensWithAFreshWeekDayListAndTheTime) {
    click(window->Label5);
    expectTimerPanelOpen({window->List1});
    EXPECT_EQ(entriesOf(window->List1),
              QStringList({"All_Days,", "Sundays,", "Mondays,", "Tuesdays,", "Wednesdays,",
                           "Thursdays,", "Fridays,", "Saturdays,"}));
    EXPECT_EQ(selectedRowsOf(window->List1), QList<int>());
    EXPECT_EQ(window->Text3->text(), "{DAYS}");
    EXPECT_EQ(window->Text10->text(), "2:05:00 PM");
    EXPECT_EQ(window->Label21->text(),
              "DO NOT ENTER MANUALLY -- Select as many days as you wish.  Your program will wait "
              "at this line until the time you select is reached on the week days you select.  "
              "(Seconds are optional.)");

    // A second opening starts again from nothing.
    clickEntry(window->List1, 3);
    click(window->Command5);
    expectTimerControlsHidden();
    fake.clock.wallClock = fake.clock.wallClock.addSecs(125);
    click(window->Label5);
    EXPECT_EQ(window->List1->count(), 8);
    EXPECT_EQ(selectedRowsOf(window->List1), QList<int>());
    EXPECT_EQ(window->Text10->text(), "2:07:05 PM");
}

TEST_F(TimerDialogTest, DaysLineIsComposedFromTheListAndTheTimeOnly) {
    struct Case {
        const char* name;
        QList<int> clicks; // in clicking order
        const char* time;
        const char* line;
    };
    const Case cases[] = {
        {"two days", {6, 2}, nullptr, "{DAYS}Mondays,Fridays, 2:05:00 PM"},
        {"every day stands alone", {2, 0}, nullptr, "{DAYS}All_Days, 2:05:00 PM"},
        {"week order", {7, 2}, "22:30", "{DAYS}Mondays,Saturdays, 22:30"},
        {"a click takes a day away again", {1, 4, 1}, "10:30 PM", "{DAYS}Wednesdays, 10:30 PM"},
        {"empty time", {5}, "", "{DAYS}Thursdays, "},
    };
    QStringList expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(window->Label5);
        for (int row : c.clicks)
            clickEntry(window->List1, row);
        if (c.time)
            window->Text10->setText(c.time);
        window->Text3->setText("{DAYS}typed by hand");
        click(window->Command4);
        expected << c.line;
        EXPECT_EQ(lines(), expected);
        expectTimerControlsHidden();
    }
    EXPECT_TRUE(fake.messages.asked.isEmpty());
}

TEST_F(TimerDialogTest, ComposedDaysLinesReadBackToTheirDaysAndTime) {
    click(window->Label5);
    clickEntry(window->List1, 6);
    clickEntry(window->List1, 2);
    click(window->Command4);
    const Result<DaysLine> read = readDaysLine(lines().last());
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_FALSE(read.value().everyDay);
    EXPECT_EQ(read.value().days, QList<Qt::DayOfWeek>({Qt::Monday, Qt::Friday}));
    EXPECT_EQ(read.value().time, (TimeOfDay{14, 5}));

    fake.clock.wallClock = QDateTime(QDate(2026, 3, 27), QTime(0, 40, 0));
    click(window->Label5);
    clickEntry(window->List1, 0);
    click(window->Command4);
    const Result<DaysLine> midnight = readDaysLine(lines().last());
    ASSERT_TRUE(midnight) << midnight.error().toStdString();
    EXPECT_TRUE(midnight.value().everyDay);
    EXPECT_EQ(midnight.value().time, (TimeOfDay{0, 40}));
}

TEST_F(TimerDialogTest, DateOpensOnTodayWithAHundredYearsAhead) {
    fake.clock.wallClock = QDateTime(QDate(2026, 3, 29), QTime(14, 5, 0));
    click(window->Label26);
    expectTimerPanelOpen({window->List3, window->List4, window->List5});
    EXPECT_TRUE(window->List1->isHidden());
    const QStringList years = entriesOf(window->List4);
    ASSERT_EQ(years.size(), 101);
    EXPECT_EQ(years.first(), "2026");
    EXPECT_EQ(years.last(), "2126");
    EXPECT_EQ(entriesOf(window->List3),
              QStringList({"January,", "February,", "March,", "April,", "May,", "June,", "July,",
                           "August,", "September,", "October,", "November,", "December,"}));
    ASSERT_EQ(window->List5->count(), 31);
    EXPECT_EQ(window->List5->item(0)->text(), "1");
    EXPECT_EQ(window->List5->item(30)->text(), "31");
    EXPECT_EQ(selectedRowsOf(window->List4), QList<int>({0}));
    EXPECT_EQ(selectedRowsOf(window->List3), QList<int>({2}));
    EXPECT_EQ(selectedRowsOf(window->List5), QList<int>({28}));
    EXPECT_EQ(window->Text3->text(), "{DATE}");
    EXPECT_EQ(window->Text10->text(), "2:05:00 PM");
    EXPECT_EQ(window->Label21->text(),
              "DO NOT ENTER MANUALLY -- Select a year, month and day.  Your program will wait at "
              "this line until the time you select is reached on the day you select.  (Seconds "
              "are optional.)");

    // Nothing of an earlier choice survives the next opening.
    clickEntry(window->List3, 7);
    click(window->Command5);
    expectTimerControlsHidden();
    click(window->Label26);
    EXPECT_EQ(selectedRowsOf(window->List3), QList<int>({2}));
    EXPECT_EQ(window->List4->count(), 101);
}

TEST_F(TimerDialogTest, DateLineLayoutAndReadBack) {
    fake.clock.wallClock = QDateTime(QDate(2005, 1, 14), QTime(16, 58, 20));
    click(window->Label26);
    window->Text3->setText("{DATE}typed by hand");
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{DATE}2005 - January, 14   4:58:20 PM"}));
    expectTimerControlsHidden();
    const Result<DateLine> read = readDateLine(lines().last());
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read.value(), (DateLine{2005, 1, 14, TimeOfDay{16, 58}}));

    // An impossible date is composed and inserted without complaint.
    click(window->Label26);
    clickEntry(window->List4, 3);
    clickEntry(window->List3, 1);
    clickEntry(window->List5, 30);
    click(window->Command4);
    EXPECT_EQ(lines().last(), "{DATE}2008 - February, 31   4:58:20 PM");
    const Result<DateLine> february = readDateLine(lines().last());
    ASSERT_TRUE(february) << february.error().toStdString();
    EXPECT_EQ(february.value(), (DateLine{2008, 2, 31, TimeOfDay{16, 58}}));

    // An emptied time field leaves the line ending in its separator blanks.
    click(window->Label26);
    window->Text10->clear();
    click(window->Command4);
    EXPECT_EQ(lines().last(), "{DATE}2005 - January, 14   ");
    EXPECT_TRUE(fake.messages.asked.isEmpty());
}
