#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace tandrel {

inline const QString daysMark = QStringLiteral("{DAYS}");
inline const QString dateMark = QStringLiteral("{DATE}");

inline const QString daysPrompt = QStringLiteral(
    "DO NOT ENTER MANUALLY -- Select as many days as you wish.  Your program will wait at this "
    "line until the time you select is reached on the week days you select.  (Seconds are "
    "optional.)");
inline const QString datePrompt = QStringLiteral(
    "DO NOT ENTER MANUALLY -- Select a year, month and day.  Your program will wait at this line "
    "until the time you select is reached on the day you select.  (Seconds are optional.)");

// One entry of a selection list as the commit reads it.
struct ListChoice {
    QString text;
    bool selected = false;
};

// "All_Days," then "Sundays," to "Saturdays,": each ends in a comma so that the composed line
// reads as a list.
QStringList weekDayEntries();
// "January," to "December,".
QStringList monthEntries();
// The current year and the hundred after it, ascending.
QStringList yearEntries(int currentYear);
// "1" to "31", for every month alike.
QStringList dayOfMonthEntries();

// "{DAYS}" with the selected entries run together in list order and a blank before the time;
// a selected first entry ("All_Days,") stands alone.
QString composeDaysLine(const QList<ListChoice>& weekDays, const QString& time);

// "{DATE}" year " - " month " " day, three blanks and the time; a list without a selection
// contributes nothing, not even its separator.
QString composeDateLine(const QList<ListChoice>& years, const QList<ListChoice>& months,
                        const QList<ListChoice>& days, const QString& time);

// What the time field shows when a timer dialog opens: the regional long-time text when the
// runner reads it back as the same hour and minute, otherwise the 24-hour "H:mm:ss" that it
// always reads (some regions write "14.05.00" or "14 h 05").
QString timeFieldText(const QString& regionalText, const QTime& now);

} // namespace tandrel
