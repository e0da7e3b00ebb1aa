#include "editor_fixture.h"

using namespace tandrel;

namespace {

const QString daysPrompt = "DO NOT ENTER MANUALLY -- Select as many days as you wish.";
const QString datePrompt = "DO NOT ENTER MANUALLY -- Select a year, month and day.";

// The fake clock writes its time as "2:05:00 PM".
const QDateTime sundayAfternoon(QDate(2026, 3, 29), QTime(14, 5, 0));

} // namespace

TEST_F(EditorTest, TimerLinesComeFromTheListsAndTheTimeOnly) {
    const auto list = [this](const QString& name) { return window->findChild<QListWidget*>(name); };
    const auto clickEntry = [&](const QString& name, int row) {
        QTest::mouseClick(list(name)->viewport(), Qt::LeftButton, {},
                          list(name)->visualItemRect(list(name)->item(row)).center());
    };
    const auto selectedRowsOf = [](const QListWidget* entries) {
        QList<int> rows;
        for (int row = 0; row < entries->count(); ++row)
            if (entries->item(row)->isSelected())
                rows << row;
        return rows;
    };
    using Opened = std::tuple<const char*, int, QList<int>>; // a list, its length, its selection
    struct Row {
        const char* reason;
        ClickLabel* Tandrel::*button;
        QString token, prompt;
        QList<Opened> lists;                        // as every opening shows them
        QList<std::pair<const char*, int>> choices; // list and entry clicked
        bool timeEmptied;
        QString expected;
    };
    const QList<Opened> dateLists = {{"List4", 101, {0}}, {"List3", 12, {2}}, {"List5", 31, {28}}};
    const Row rows[] = {
        Row("Fridays clicked before Mondays: the line keeps the week's order", &Tandrel::Label5,
            "{DAYS}", daysPrompt, {{"List1", 8, {}}}, {{"List1", 6}, {"List1", 2}}, false,
            "{DAYS}Mondays,Fridays, %1"),
        Row("the date opens on today", &Tandrel::Label26, "{DATE}", datePrompt, dateLists, {},
            false, "{DATE}2026 - March, 29   %1"),
        Row("an impossible date goes in; an emptied time leaves the separator blanks",
            &Tandrel::Label26, "{DATE}", datePrompt, dateLists,
            {{"List4", 3}, {"List3", 1}, {"List5", 30}}, true, "{DATE}2029 - February, 31   "),
    };
    const QStringList timerLists = {"List1", "List3", "List4", "List5"};
    const auto expectClosed = [&] {
        expectHidden(window.get(), QStringList{"Text10", "Text8"} + timerLists);
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        fake.clock.wallClock = sundayAfternoon;
        QStringList others = timerLists;
        for (const auto& [name, count, selected] : row.lists)
            others.removeAll(name);
        const QStringList before = lines();
        // The second opening, after a choice and "Don't use", starts again from nothing with
        // the time of the moment.
        for (const QString time : {"2:05:00 PM", "2:07:05 PM"}) {
            // The common dialog panel (whose controls the dialog panel tests check) with the
            // time field; neither the caret nor the focus moves.
            click(window.get()->*row.button);
            expectHidden(window.get(), {"Text10", "Command4"}, false);
            expectHidden(window.get(), QStringList{"List2", "File1"} + others);
            EXPECT_EQ(QApplication::focusWidget(), window->Text2);
            EXPECT_EQ(window->Text3->text(), row.token);
            EXPECT_EQ(window->Text10->text(), time);
            EXPECT_TRUE(window->Label21->text().startsWith(row.prompt));
            for (const auto& [name, count, selected] : row.lists) {
                EXPECT_FALSE(list(name)->isHidden()) << name;
                EXPECT_EQ(std::pair(list(name)->count(), selectedRowsOf(list(name))),
                          std::pair(count, selected))
                    << name;
            }
            if (time.startsWith("2:07"))
                break;
            for (const Opened& opened : row.lists)
                clickEntry(std::get<0>(opened), 7);
            click(window->Command5);
            expectClosed();
            fake.clock.wallClock = fake.clock.wallClock.addSecs(125);
        }
        for (const auto& [name, entry] : row.choices)
            clickEntry(name, entry);
        if (row.timeEmptied)
            window->Text10->clear();
        window->Text3->setText(row.token + "typed by hand");
        click(window->Command4);
        EXPECT_EQ(lines(), before + QStringList{QString(row.expected).replace("%1", "2:07:05 PM")});
        expectClosed();
        EXPECT_TRUE(fake.messages.asked.isEmpty());
    }
}
