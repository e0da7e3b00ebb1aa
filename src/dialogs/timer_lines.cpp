#include "dialogs/timer_lines.h"

#include "script/script_lines.h"

namespace tandrel {

QStringList weekDayEntries() {
    return {QStringLiteral("All_Days,"),   QStringLiteral("Sundays,"),
            QStringLiteral("Mondays,"),    QStringLiteral("Tuesdays,"),
            QStringLiteral("Wednesdays,"), QStringLiteral("Thursdays,"),
            QStringLiteral("Fridays,"),    QStringLiteral("Saturdays,")};
}

QStringList monthEntries() {
    return {QStringLiteral("January,"), QStringLiteral("February,"), QStringLiteral("March,"),
            QStringLiteral("April,"),   QStringLiteral("May,"),      QStringLiteral("June,"),
            QStringLiteral("July,"),    QStringLiteral("August,"),   QStringLiteral("September,"),
            QStringLiteral("October,"), QStringLiteral("November,"), QStringLiteral("December,")};
}

QStringList yearEntries(int currentYear) {
    QStringList years;
    for (int year = currentYear; year <= currentYear + 100; ++year)
        years << QString::number(year);
    return years;
}

QStringList dayOfMonthEntries() {
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    return days;
}

QString composeDaysLine(const QList<ListChoice>& weekDays, const QString& time) {
    QString line = daysMark;
    const bool everyDay = !weekDays.isEmpty() && weekDays.first().selected;
    for (const ListChoice& day : weekDays) {
        if (day.selected)
            line += day.text;
        if (everyDay)
            break;
    }
    return line + QLatin1Char(' ') + time;
}

namespace {

QString firstSelected(const QList<ListChoice>& choices, const QString& separator) {
    for (const ListChoice& choice : choices)
        if (choice.selected)
            return choice.text + separator;
    return {};
}

} // namespace

QString composeDateLine(const QList<ListChoice>& years, const QList<ListChoice>& months,
                        const QList<ListChoice>& days, const QString& time) {
    return dateMark + firstSelected(years, QStringLiteral(" - ")) +
           firstSelected(months, QStringLiteral(" ")) + firstSelected(days, QStringLiteral("  ")) +
           QLatin1Char(' ') + time;
}

QString timeFieldText(const QString& regionalText, const QTime& now) {
    const Result<TimeOfDay> read = readTimeOfDay(regionalText);
    if (read && read.value() == TimeOfDay{now.hour(), now.minute()})
        return regionalText;
    return now.toString(QStringLiteral("H:mm:ss"));
}

} // namespace tandrel
