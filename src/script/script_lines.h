#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

namespace tandrel {

// A value read from text, or the reason why it could not be read.
template <typename T> class Result {
public:
    static Result success(T value) { return Result(std::move(value), QString()); }
    static Result failure(QString reason) { return Result(std::nullopt, std::move(reason)); }

    bool isOk() const { return value_.has_value(); }
    explicit operator bool() const { return isOk(); }
    const T& value() const { return *value_; }
    const QString& error() const { return error_; }

private:
    Result(std::optional<T> value, QString error)
        : value_(std::move(value))
        , error_(std::move(error)) {}

    std::optional<T> value_;
    QString error_;
};

// What a program line does when it runs.
enum class LineKind {
    SingleKey,
    Exit,
    NamedKey,
    Note,
    Alt,
    Ctrl,
    Shift,
    FileCopy,
    FileErase,
    FilePaste,
    FileRename,
    FileWait,
    RunProgram,
    FocusOn,
    Wait,
    Stop,
    ClipWait,
    ClipPaste,
    ClipClear,
    StartAgain,
    TextPaste,
    Date,
    Days,
    Ignored,
};

// The keys that a line may name in braces, in the order of their tokens' alphabet, then F1 to
// F16.
enum class NamedKey {
    Backspace,
    Break,
    CapsLock,
    Delete,
    Down,
    End,
    Enter,
    Esc,
    Help,
    Home,
    Insert,
    Left,
    NumLock,
    PgDn,
    PgUp,
    PrtSc,
    Right,
    ScrollLock,
    Tab,
    Up,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    F13,
    F14,
    F15,
    F16,
};

inline constexpr QStringView exitToken = u"{eXit}";

const QList<NamedKey>& allNamedKeys();
// "ENTER", "F8".
QString namedKeyName(NamedKey key);
// "{ENTER}", "{F8}": a whole line that names the key.
QString namedKeyToken(NamedKey key);
// Exact, case-sensitive: "ENTER" is a name, "Enter" is not.
std::optional<NamedKey> namedKeyFromName(QStringView name);
std::optional<NamedKey> namedKeyFromToken(QStringView token);

// The text that starts a marked line ("{Wait}"); empty for the kinds without a mark.
QString markOf(LineKind kind);

struct ScriptLine {
    LineKind kind = LineKind::Ignored;
    // What follows the mark, untrimmed. A single-key line's is its character and a named-key
    // line's its token, since the line itself is what they send; empty for "{eXit}" and
    // ignored lines.
    QString rest;
};

// Applies the five rules in order: one character, no leading "{", whole-line token, mark,
// anything else in braces.
ScriptLine classifyLine(const QString& line);

// The argument of a single-argument line: the rest as it stands, trimmed of blanks for
// "{Stop}" and "{Clip Wait}".
QString singleArgument(const ScriptLine& line);

struct TwoPaths {
    QString from;
    QString to;
    friend bool operator==(const TwoPaths&, const TwoPaths&) = default;
};

// The paths of a "{File Copy}" or "{File Rename}" line from its rest. The separator is taken
// to be exactly " * " around the first "*": one character on either side is dropped
// unseen, so "a*b" loses its neighbours of "*".
Result<TwoPaths> readTwoPaths(const QString& rest);

// The rest of a "{Wait}" line, a number of tenths of a second, as milliseconds. Blanks
// around the number and a decimal fraction ("2.5") are accepted; a sign, an exponent or any
// other text is not.
Result<qint64> readWaitMilliseconds(const QString& rest);

struct TimeOfDay {
    int hour = 0; // 0 to 23
    int minute = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// "10:30 PM", "22:30", "4:58:20 PM": seconds are ignored, any "P" makes a 12-hour afternoon
// hour, any "A" turns the hour 12 into 0.
Result<TimeOfDay> readTimeOfDay(const QString& time);

struct DateLine {
    qint16 year = 0;
    qint16 month = 0; // 1 to 12
    qint16 day = 0;
    TimeOfDay time;
    friend bool operator==(const DateLine&, const DateLine&) = default;
};

// A "{DATE}" line in its composed form "{DATE}2005 - January, 14   4:58:20 PM". The time is
// measured from the end of the line by the lengths of the other fields, so the separators
// must be exactly " - " and ", ".
Result<DateLine> readDateLine(const QString& line);

struct DaysLine {
    bool everyDay = false;
    QList<Qt::DayOfWeek> days;
    TimeOfDay time;

    bool includes(Qt::DayOfWeek day) const { return everyDay || days.contains(day); }
};

// A "{DAYS}" line such as "{DAYS}Mondays,Fridays, 2:05:00 PM": "All" anywhere means every
// day, day names count wherever they stand, the time starts at the first blank.
Result<DaysLine> readDaysLine(const QString& line);

} // namespace tandrel
