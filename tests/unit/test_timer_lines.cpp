#include "dialogs/timer_lines.h"
#include "runner/script_lines.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

QList<ListChoice> choices(const QStringList& entries, std::initializer_list<int> selected) {
    QList<ListChoice> result;
    for (const QString& entry : entries)
        result.append({entry, false});
    for (int row : selected)
        result[row].selected = true;
    return result;
}

QList<ListChoice> weekDays(std::initializer_list<int> selected) {
    return choices(weekDayEntries(), selected);
}

} // namespace

TEST(TimerLines, DaysLineComposition) {
    struct Case {
        std::initializer_list<int> selected;
        const char* time;
        const char* line;
    };
    const Case cases[] = {
        {{0, 2}, "2:05:00 PM", "{DAYS}All_Days, 2:05:00 PM"},
        {{}, "9:00", "{DAYS} 9:00"},
        {{3}, "", "{DAYS}Tuesdays, "},
        {{4, 7}, " 7:5 pm ", "{DAYS}Wednesdays,Saturdays,  7:5 pm "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(composeDaysLine(weekDays(c.selected), c.time), QString::fromUtf8(c.line));
}

TEST(TimerLines, DateLineComposition) {
    const QStringList years = yearEntries(2005);
    const QStringList months = monthEntries();
    const QStringList days = dayOfMonthEntries();
    EXPECT_EQ(composeDateLine(choices(years, {0}), choices(months, {0}), choices(days, {13}),
                              "4:58:20 PM"),
              "{DATE}2005 - January, 14   4:58:20 PM");
    EXPECT_EQ(
        composeDateLine(choices(years, {100}), choices(months, {11}), choices(days, {30}), "0:00"),
        "{DATE}2105 - December, 31   0:00");
    // A list without a selection contributes nothing, not even its separator.
    EXPECT_EQ(
        composeDateLine(choices(years, {}), choices(months, {4}), choices(days, {9}), "12:00"),
        "{DATE}May, 10   12:00");
    // Only the first selected entry of a list counts.
    EXPECT_EQ(
        composeDateLine(choices(years, {2, 5}), choices(months, {6}), choices(days, {3}), "1:00"),
        "{DATE}2007 - July, 4   1:00");
}

TEST(TimerLines, ComposedLinesReadBackToTheSameMoment) {
    const QStringList timeFormats = {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "HH:mm", "h:mm:ss ap"};
    const Qt::DayOfWeek weekOrder[] = {Qt::Sunday,   Qt::Monday, Qt::Tuesday, Qt::Wednesday,
                                       Qt::Thursday, Qt::Friday, Qt::Saturday};
    const QStringList years = yearEntries(2026);
    for (const QString& format : timeFormats) {
        for (int minuteOfDay = 0; minuteOfDay < 24 * 60; minuteOfDay += 7) {
            const QTime moment(minuteOfDay / 60, minuteOfDay % 60, 20);
            const QString time = moment.toString(format);
            SCOPED_TRACE(time.toStdString());
            const TimeOfDay expected{moment.hour(), moment.minute()};
            const int day = minuteOfDay % 7;

            const Result<DaysLine> days = readDaysLine(composeDaysLine(weekDays({day + 1}), time));
            ASSERT_TRUE(days) << days.error().toStdString();
            EXPECT_FALSE(days.value().everyDay);
            EXPECT_EQ(days.value().days, QList<Qt::DayOfWeek>({weekOrder[day]}));
            EXPECT_EQ(days.value().time, expected);

            const int month = minuteOfDay % 12, dayOfMonth = minuteOfDay % 31,
                      year = minuteOfDay % 101;
            const Result<DateLine> date = readDateLine(
                composeDateLine(choices(years, {year}), choices(monthEntries(), {month}),
                                choices(dayOfMonthEntries(), {dayOfMonth}), time));
            ASSERT_TRUE(date) << date.error().toStdString();
            EXPECT_EQ(date.value(), (DateLine{qint16(2026 + year), qint16(month + 1),
                                              qint16(dayOfMonth + 1), expected}));
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
        {"12:30:09 AM", QTime(0, 30, 9), "12:30:09 AM"},
        // Separators the runner does not read.
        {"14.05.00", QTime(14, 5, 0), "14:05:00"},
        // A zone name with a "P" would turn a morning hour into an afternoon one.
        {"9:05:00 AM PST", QTime(9, 5, 0), "9:05:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regional);
        EXPECT_EQ(timeFieldText(QString::fromUtf8(c.regional), c.now), QString::fromUtf8(c.shown));
    }
}
