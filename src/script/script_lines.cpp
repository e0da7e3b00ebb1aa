#include "script/script_lines.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <optional>

namespace tandrel {

namespace {

struct NamedKeyEntry {
    NamedKey key;
    QStringView name;
};

constexpr std::array<NamedKeyEntry, 36> namedKeyTable{{
    {NamedKey::Backspace, u"BACKSPACE"},
    {NamedKey::Break, u"BREAK"},
    {NamedKey::CapsLock, u"CAPSLOCK"},
    {NamedKey::Delete, u"DELETE"},
    {NamedKey::Down, u"DOWN"},
    {NamedKey::End, u"END"},
    {NamedKey::Enter, u"ENTER"},
    {NamedKey::Esc, u"ESC"},
    {NamedKey::Help, u"HELP"},
    {NamedKey::Home, u"HOME"},
    {NamedKey::Insert, u"INSERT"},
    {NamedKey::Left, u"LEFT"},
    {NamedKey::NumLock, u"NUMLOCK"},
    {NamedKey::PgDn, u"PGDN"},
    {NamedKey::PgUp, u"PGUP"},
    {NamedKey::PrtSc, u"PRTSC"},
    {NamedKey::Right, u"RIGHT"},
    {NamedKey::ScrollLock, u"SCROLLLOCK"},
    {NamedKey::Tab, u"TAB"},
    {NamedKey::Up, u"UP"},
    {NamedKey::F1, u"F1"},
    {NamedKey::F2, u"F2"},
    {NamedKey::F3, u"F3"},
    {NamedKey::F4, u"F4"},
    {NamedKey::F5, u"F5"},
    {NamedKey::F6, u"F6"},
    {NamedKey::F7, u"F7"},
    {NamedKey::F8, u"F8"},
    {NamedKey::F9, u"F9"},
    {NamedKey::F10, u"F10"},
    {NamedKey::F11, u"F11"},
    {NamedKey::F12, u"F12"},
    {NamedKey::F13, u"F13"},
    {NamedKey::F14, u"F14"},
    {NamedKey::F15, u"F15"},
    {NamedKey::F16, u"F16"},
}};

struct MarkEntry {
    LineKind kind;
    QStringView mark;
};

// No mark is a prefix of another, so the order of the tests does not change the outcome.
constexpr std::array<MarkEntry, 20> markTable{{
    {LineKind::Note, u"{Note}"},
    {LineKind::Alt, u"{ALT}"},
    {LineKind::Ctrl, u"{CTRL}"},
    {LineKind::Shift, u"{SHIFT}"},
    {LineKind::FileCopy, u"{File Copy}"},
    {LineKind::FileErase, u"{File Erase}"},
    {LineKind::FilePaste, u"{File Paste}"},
    {LineKind::FileRename, u"{File Rename}"},
    {LineKind::FileWait, u"{File Wait}"},
    {LineKind::RunProgram, u"{Run Program}"},
    {LineKind::FocusOn, u"{Focus On}"},
    {LineKind::Wait, u"{Wait}"},
    {LineKind::Stop, u"{Stop}"},
    {LineKind::ClipWait, u"{Clip Wait}"},
    {LineKind::ClipPaste, u"{Clip Paste}"},
    {LineKind::ClipClear, u"{Clip Clear}"},
    {LineKind::StartAgain, u"{Start Again}"},
    {LineKind::TextPaste, u"{Text Paste}"},
    {LineKind::Date, u"{DATE}"},
    {LineKind::Days, u"{DAYS}"},
}};

struct DayName {
    Qt::DayOfWeek day;
    QStringView name;
};

constexpr std::array<DayName, 7> dayNames{{
    {Qt::Sunday, u"Sunday"},
    {Qt::Monday, u"Monday"},
    {Qt::Tuesday, u"Tuesday"},
    {Qt::Wednesday, u"Wednesday"},
    {Qt::Thursday, u"Thursday"},
    {Qt::Friday, u"Friday"},
    {Qt::Saturday, u"Saturday"},
}};

constexpr std::array<QStringView, 12> monthNames{
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};

// Lines speak of blanks; tabs and other white space are left as the user wrote them.
QString trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

bool isOneCharacter(const QString& line) {
    return line.size() == 1 ||
           (line.size() == 2 && line[0].isHighSurrogate() && line[1].isLowSurrogate());
}

bool allDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// An optional sign and decimal digits, within [minimum, maximum].
std::optional<int> wholeNumber(QStringView text, int minimum, int maximum) {
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text = text.sliced(1);
    }
    if (!allDigits(text))
        return std::nullopt;
    const qint64 limit = negative ? -qint64(minimum) : qint64(maximum);
    qint64 value = 0;
    for (QChar c : text) {
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

Result<qint16> shortNumber(const QString& text, const char* what) {
    if (const auto value = wholeNumber(text, -32768, 32767))
        return Result<qint16>::success(qint16(*value));
    return Result<qint16>::failure(
        QStringLiteral("The %1 \"%2\" is not a whole number from -32768 to 32767.")
            .arg(QLatin1String(what), text));
}

} // namespace

const QList<NamedKey>& allNamedKeys() {
    static const QList<NamedKey> keys = [] {
        QList<NamedKey> list;
        for (const NamedKeyEntry& entry : namedKeyTable)
            list.append(entry.key);
        return list;
    }();
    return keys;
}

QString namedKeyName(NamedKey key) {
    for (const NamedKeyEntry& entry : namedKeyTable) {
        if (entry.key == key)
            return entry.name.toString();
    }
    return QString();
}

QString namedKeyToken(NamedKey key) {
    return u'{' + namedKeyName(key) + u'}';
}

std::optional<NamedKey> namedKeyFromName(QStringView name) {
    for (const NamedKeyEntry& entry : namedKeyTable) {
        if (entry.name == name)
            return entry.key;
    }
    return std::nullopt;
}

std::optional<NamedKey> namedKeyFromToken(QStringView token) {
    if (token.size() < 2 || !token.startsWith(u'{') || !token.endsWith(u'}'))
        return std::nullopt;
    return namedKeyFromName(token.sliced(1, token.size() - 2));
}

QString markOf(LineKind kind) {
    for (const MarkEntry& entry : markTable) {
        if (entry.kind == kind)
            return entry.mark.toString();
    }
    return QString();
}

ScriptLine classifyLine(const QString& line) {
    if (isOneCharacter(line))
        return {LineKind::SingleKey, line};
    if (!line.startsWith(u'{'))
        return {LineKind::Ignored, QString()};
    if (line == exitToken)
        return {LineKind::Exit, QString()};
    if (namedKeyFromToken(line))
        return {LineKind::NamedKey, line};
    for (const MarkEntry& entry : markTable) {
        if (line.startsWith(entry.mark))
            return {entry.kind, line.sliced(entry.mark.size())};
    }
    return {LineKind::Ignored, QString()};
}

QString singleArgument(const ScriptLine& line) {
    if (line.kind == LineKind::Stop || line.kind == LineKind::ClipWait)
        return trimBlanks(line.rest);
    return line.rest;
}

Result<TwoPaths> readTwoPaths(const QString& rest) {
    const qsizetype star = rest.indexOf(u'*');
    if (star < 0)
        return Result<TwoPaths>::failure(
            QStringLiteral("The line has no \"*\" between the two file names."));
    // The character before "*" is taken to be the separator's blank.
    const qsizetype firstLength = star - 1;
    if (firstLength < 1)
        return Result<TwoPaths>::failure(
            QStringLiteral("The \"*\" stands too close to the start to leave a first file name."));
    const qsizetype secondStart = qMin(star + 2, rest.size());
    return Result<TwoPaths>::success({rest.left(firstLength), rest.sliced(secondStart)});
}

Result<qint64> readWaitMilliseconds(const QString& rest) {
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    const QString text = trimBlanks(rest);
    const bool wellFormed = decimal.match(text).hasMatch();
    if (!wellFormed)
        return Result<qint64>::failure(
            QStringLiteral("The wait \"%1\" is not a number of tenths of a second.").arg(rest));
    // About 3000 years: beyond this no wait is meant, and doubles stay exact to the millisecond.
    constexpr double longestMilliseconds = 1e14;
    const double milliseconds = text.toDouble() * 100.0;
    if (!(milliseconds <= longestMilliseconds))
        return Result<qint64>::failure(
            QStringLiteral("The wait \"%1\" is too long to be meant.").arg(rest));
    return Result<qint64>::success(qint64(std::llround(milliseconds)));
}

Result<TimeOfDay> readTimeOfDay(const QString& time) {
    // Read wide so that a number out of range is reported as such, not as a non-number.
    constexpr int anyNumber = 1000000;
    const qsizetype colon = time.indexOf(u':');
    if (colon < 0)
        return Result<TimeOfDay>::failure(
            QStringLiteral("The time \"%1\" has no \":\" between hour and minute.").arg(time));
    const QString hourText = trimBlanks(QStringView(time).left(colon));
    std::optional<int> hour = wholeNumber(hourText, -anyNumber, anyNumber);
    if (!hour)
        return Result<TimeOfDay>::failure(
            QStringLiteral("The hour \"%1\" of the time \"%2\" is not a number.")
                .arg(hourText, time));

    if (time.contains(u'P', Qt::CaseInsensitive)) {
        if (*hour >= 1 && *hour <= 11)
            *hour += 12;
    } else if (time.contains(u'A', Qt::CaseInsensitive) && *hour == 12) {
        *hour = 0;
    }

    const QStringView afterColon = QStringView(time).sliced(colon + 1);
    qsizetype minuteEnd = 0;
    while (minuteEnd < afterColon.size() && afterColon[minuteEnd] != u':' &&
           afterColon[minuteEnd] != u' ')
        ++minuteEnd;
    const QStringView minuteText = afterColon.left(minuteEnd);
    const std::optional<int> minute = wholeNumber(minuteText, -anyNumber, anyNumber);
    if (!minute)
        return Result<TimeOfDay>::failure(
            QStringLiteral("The minute \"%1\" of the time \"%2\" is not a number.")
                .arg(minuteText.toString(), time));

    // An hour or minute the clock never shows would make a wait for it endless.
    if (*hour < 0 || *hour > 23)
        return Result<TimeOfDay>::failure(
            QStringLiteral("The time \"%1\" has no hour from 0 to 23.").arg(time));
    if (*minute < 0 || *minute > 59)
        return Result<TimeOfDay>::failure(
            QStringLiteral("The time \"%1\" has no minute from 0 to 59.").arg(time));
    return Result<TimeOfDay>::success({*hour, *minute});
}

Result<DateLine> readDateLine(const QString& line) {
    constexpr qsizetype markLength = 6; // "{DATE}"
    const qsizetype dash = line.indexOf(u'-');
    if (dash < markLength)
        return Result<DateLine>::failure(QStringLiteral("The date has no \"-\" after the year."));
    const QString yearText = trimBlanks(QStringView(line).sliced(markLength, dash - markLength));

    const qsizetype comma = line.indexOf(u',');
    if (comma < dash)
        return Result<DateLine>::failure(QStringLiteral("The date has no \",\" after the month."));
    const QString monthText = trimBlanks(QStringView(line).sliced(dash + 1, comma - dash - 1));
    qint16 month = 0;
    for (qsizetype i = 0; i < qsizetype(monthNames.size()); ++i) {
        if (monthNames[i] == monthText)
            month = qint16(i + 1);
    }
    if (month == 0)
        return Result<DateLine>::failure(
            QStringLiteral("\"%1\" is not the name of a month.").arg(monthText));

    QString dayText = trimBlanks(QStringView(line).sliced(comma + 1));
    const qsizetype blank = dayText.indexOf(u' ');
    if (blank >= 0)
        dayText = trimBlanks(QStringView(dayText).left(blank));

    // "{DATE}", " - ", ", " and the blank after the day.
    constexpr qsizetype separatorLength = 12;
    const qsizetype timeLength =
        line.size() - (separatorLength + yearText.size() + monthText.size() + dayText.size());
    const QString timeText =
        timeLength > 0 ? trimBlanks(QStringView(line).right(timeLength)) : QString();

    const Result<qint16> year = shortNumber(yearText, "year");
    if (!year)
        return Result<DateLine>::failure(year.error());
    const Result<qint16> day = shortNumber(dayText, "day");
    if (!day)
        return Result<DateLine>::failure(day.error());
    const Result<TimeOfDay> time = readTimeOfDay(timeText);
    if (!time)
        return Result<DateLine>::failure(time.error());
    return Result<DateLine>::success({year.value(), month, day.value(), time.value()});
}

Result<DaysLine> readDaysLine(const QString& line) {
    DaysLine days;
    days.everyDay = line.contains(u"All");
    for (const DayName& name : dayNames) {
        if (line.contains(name.name))
            days.days.append(name.day);
    }
    if (!days.everyDay && days.days.isEmpty())
        return Result<DaysLine>::failure(QStringLiteral("The line names no day of the week."));
    const qsizetype blank = line.indexOf(u' ');
    const QString timeText = blank < 0 ? QString() : trimBlanks(QStringView(line).sliced(blank));
    const Result<TimeOfDay> time = readTimeOfDay(timeText);
    if (!time)
        return Result<DaysLine>::failure(time.error());
    days.time = time.value();
    return Result<DaysLine>::success(days);
}

} // namespace tandrel
