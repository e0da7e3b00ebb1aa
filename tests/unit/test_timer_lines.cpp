#include "dialogs/timer_lines.h"
#include "runner/script_lines.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

// The week-day list with the entries at the given indexes selected.
QList<ListChoice> weekDays(std::initializer_list<int> selected) {
    QList<ListChoice> days;
    for (const QString& entry : weekDayEntries())
        days.append({entry, false});
    for (int index : selected)
        days[index].selected = true;
    return days;
}

QList<ListChoice> choices(const QStringList& entries, int selected) {
    QList<ListChoice> result;
    for (int row = 0; row < entries.size(); ++row)
        result.append({entries[row], row == selected});
    return result;
}

struct DaysCase {
    const char* name;
    std::initializer_list<int> selected;
    const char* time;
    const char* line;
};

} // namespace

TEST(TimerLines, DaysLineComposition) {
    const DaysCase cases[] = {
        {"two days", {2, 6}, "2:05:00 PM", "{DAYS}Mondays,Fridays, 2:05:00 PM"},
        {"every day stands alone", {0, 2}, "2:05:00 PM", "{DAYS}All_Days, 2:05:00 PM"},
        {"every day alone", {0}, "22:30", "{DAYS}All_Days, 22:30"},
        {"week order whatever the selection order",
         {7, 2},
         "10:30 PM",
         "{DAYS}Mondays,Saturdays, 10:30 PM"},
        {"all seven days",
         {1, 2, 3, 4, 5, 6, 7},
         "9:00",
         "{DAYS}Sundays,Mondays,Tuesdays,Wednesdays,Thursdays,Fridays,Saturdays, 9:00"},
        {"no day", {}, "9:00", "{DAYS} 9:00"},
        {"empty time", {3}, "", "{DAYS}Tuesdays, "},
        {"time unchanged", {4}, " 7:5 pm ", "{DAYS}Wednesdays,  7:5 pm "},
    };
    for (const DaysCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(composeDaysLine(weekDays(c.selected), QString::fromUtf8(c.time)),
                  QString::fromUtf8(c.line));
    }
}

TEST(TimerLines, DateLineComposition) {
    const QStringList years = yearEntries(2005);
    const QStringList months = monthEntries();
    const QStringList days = dayOfMonthEntries();
    EXPECT_EQ(
        composeDateLine(choices(years, 0), choices(months, 0), choices(days, 13), "4:58:20 PM"),
        "{DATE}2005 - January, 14   4:58:20 PM");
    EXPECT_EQ(composeDateLine(choices(years, 100), choices(months, 1), choices(days, 30), "0:00"),
              "{DATE}2105 - February, 31   0:00");
    EXPECT_EQ(composeDateLine(choices(years, 3), choices(months, 11), choices(days, 0), ""),
              "{DATE}2008 - December, 1   ");
    // A list without a selection contributes nothing, not even its separator.
    EXPECT_EQ(composeDateLine(choices(years, -1), choices(months, 4), choices(days, 9), "12:00"),
              "{DATE}May, 10   12:00");
    EXPECT_EQ(composeDateLine(choices(years, 0), choices(months, -1), choices(days, -1), "12:00"),
              "{DATE}2005 -  12:00");
    // Only the first selected entry of a list counts.
    QList<ListChoice> twoYears = choices(years, 2);
    twoYears[5].selected = true;
    EXPECT_EQ(composeDateLine(twoYears, choices(months, 6), choices(days, 3), "1:00"),
              "{DATE}2007 - July, 4   1:00");
}

TEST(TimerLines, ComposedLinesReadBackToTheSameMoment) {
    const QStringList timeFormats = {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "HH:mm", "h:mm:ss ap"};
    const QList<int> dayIndexes = {1, 2, 3, 4, 5, 6, 7};
    const Qt::DayOfWeek weekOrder[] = {Qt::Sunday,   Qt::Monday, Qt::Tuesday, Qt::Wednesday,
                                       Qt::Thursday, Qt::Friday, Qt::Saturday};
    const QStringList years = yearEntries(2026);
    for (const QString& format : timeFormats) {
        for (int minuteOfDay = 0; minuteOfDay < 24 * 60; minuteOfDay += 7) {
            const QTime moment(minuteOfDay / 60, minuteOfDay % 60, 20);
            const QString time = moment.toString(format);
            SCOPED_TRACE(time.toStdString());
            const int dayIndex = dayIndexes[minuteOfDay % 7];

            const Result<DaysLine> days = readDaysLine(composeDaysLine(weekDays({dayIndex}), time));
            ASSERT_TRUE(days) << days.error().toStdString();
            EXPECT_FALSE(days.value().everyDay);
            EXPECT_EQ(days.value().days, QList<Qt::DayOfWeek>({weekOrder[dayIndex - 1]}));
            EXPECT_EQ(days.value().time, (TimeOfDay{moment.hour(), moment.minute()}));

            const int month = minuteOfDay % 12;
            const int day = minuteOfDay % 31;
            const int year = minuteOfDay % 101;
            const Result<DateLine> date =
                readDateLine(composeDateLine(choices(years, year), choices(monthEntries(), month),
                                             choices(dayOfMonthEntries(), day), time));
            ASSERT_TRUE(date) << date.error().toStdString();
            EXPECT_EQ(date.value(),
                      (DateLine{qint16(2026 + year), qint16(month + 1), qint16(day + 1),
                                TimeOfDay{moment.hour(), moment.minute()}}));
        }
    }
    const Result<DaysLine> everyDay =
        readDaysLine(composeDaysLine(weekDays({0, 3}), QStringLiteral("12:05 AM")));
    ASSERT_TRUE(everyDay);
    EXPECT_TRUE(everyDay.value().everyDay);
    EXPECT_EQ(everyDay.value().time, (TimeOfDay{0, 5}));
}

TEST(TimerLines, TimeFieldKeepsOnlyARegionalTextTheRunnerReadsAlike) {
    struct Case {
        const char* regional;
        QTime now;
        const char* shown;
    };
    const Case cases[] = {
        {"2:05:00 PM", QTime(14, 5, 0), "2:05:00 PM"},
        {"14:05:00", QTime(14, 5, 0), "14:05:00"},
        {"12:30:09 AM", QTime(0, 30, 9), "12:30:09 AM"},
        // Separators the runner does not read.
        {"14.05.00", QTime(14, 5, 0), "14:05:00"},
        {"14 h 05 min 00 s", QTime(14, 5, 0), "14:05:00"},
        // A zone name with a "P" would turn a morning hour into an afternoon one.
        {"9:05:00 AM PST", QTime(9, 5, 0), "9:05:00"},
        // An afternoon designator without "P" would read as a morning hour.
        {"2:05:00 nachm.", QTime(14, 5, 0), "14:05:00"},
        {"", QTime(8, 0, 0), "8:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regional);
        EXPECT_EQ(timeFieldText(QString::fromUtf8(c.regional), c.now), QString::fromUtf8(c.shown));
    }
}
