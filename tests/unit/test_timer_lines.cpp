#include "../e2e/qt_printers.h"
#include "dialogs/timer_lines.h"
#include "script/script_lines.h"

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

QString dateLine(std::initializer_list<int> year, std::initializer_list<int> month,
                 std::initializer_list<int> day, const QString& time, int currentYear = 2005) {
    return composeDateLine(choices(yearEntries(currentYear), year), choices(monthEntries(), month),
                           choices(dayOfMonthEntries(), day), time);
}

} // namespace

TEST(TimerLines, ComposesDaysAndDateLines) {
    const QList<std::pair<QString, QString>> rows = {
        {composeDaysLine(weekDays({0, 2}), "2:05:00 PM"), "{DAYS}All_Days, 2:05:00 PM"},
        {composeDaysLine(weekDays({}), "9:00"), "{DAYS} 9:00"},
        {composeDaysLine(weekDays({4, 7}), " 7:5 pm "), "{DAYS}Wednesdays,Saturdays,  7:5 pm "},
        // A list without a selection contributes nothing, not even its separator.
        {dateLine({}, {4}, {9}, "12:00"), "{DATE}May, 10   12:00"},
        // Only the first selected entry of a list counts.
        {dateLine({2, 5}, {6}, {3}, "1:00"), "{DATE}2007 - July, 4   1:00"},
    };
    for (const auto& [composed, expected] : rows)
        EXPECT_EQ(composed, expected);
}

// The ends of every list and of the day, in each time format the time field may hold.
TEST(TimerLines, ComposedLinesReadBackToTheSameMoment) {
    const struct {
        QTime moment;
        int weekDay, month, dayOfMonth, year;
        Qt::DayOfWeek day;
    } rows[] = {{QTime(0, 0, 20), 0, 0, 0, 0, Qt::Sunday},
                {QTime(11, 59, 20), 6, 11, 30, 100, Qt::Saturday},
                {QTime(12, 0, 20), 1, 5, 14, 50, Qt::Monday},
                {QTime(23, 59, 20), 5, 1, 27, 1, Qt::Friday}};
    for (const char* format : {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "HH:mm", "h:mm:ss ap"}) {
        for (const auto& row : rows) {
            const QString time = row.moment.toString(format);
            SCOPED_TRACE(time.toStdString());
            const TimeOfDay expected{row.moment.hour(), row.moment.minute()};
            const Result<DaysLine> days =
                readDaysLine(composeDaysLine(weekDays({row.weekDay + 1}), time));
            ASSERT_TRUE(days) << days.error().toStdString();
            EXPECT_FALSE(days.value().everyDay);
            EXPECT_EQ(days.value().days, QList<Qt::DayOfWeek>({row.day}));
            EXPECT_EQ(days.value().time, expected);
            const Result<DateLine> date =
                readDateLine(dateLine({row.year}, {row.month}, {row.dayOfMonth}, time, 2026));
            ASSERT_TRUE(date) << date.error().toStdString();
            EXPECT_EQ(date.value(), (DateLine{qint16(2026 + row.year), qint16(row.month + 1),
                                              qint16(row.dayOfMonth + 1), expected}));
        }
    }
    const Result<DaysLine> everyDay = readDaysLine(composeDaysLine(weekDays({0, 3}), "12:05 AM"));
    EXPECT_TRUE(everyDay && everyDay.value().everyDay);
}

TEST(TimerLines, TimeFieldKeepsOnlyARegionalTextTheRunnerReadsAlike) {
    const struct {
        const char* regional;
        QTime now;
        const char* shown;
    } rows[] = {
        {"2:05:00 PM", QTime(14, 5, 0), "2:05:00 PM"},
        {"12:30:09 AM", QTime(0, 30, 9), "12:30:09 AM"},
        // Separators the runner does not read.
        {"14.05.00", QTime(14, 5, 0), "14:05:00"},
        // A zone name with a "P" would turn a morning hour into an afternoon one.
        {"9:05:00 AM PST", QTime(9, 5, 0), "9:05:00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(timeFieldText(row.regional, row.now), QString(row.shown)) << row.regional;
}
