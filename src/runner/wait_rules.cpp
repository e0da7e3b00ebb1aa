#include "runner/wait_rules.h"

namespace tandrel {

bool timeOfDayReached(TimeOfDay target, QTime now) {
    return now.hour() > target.hour || (now.hour() == target.hour && now.minute() >= target.minute);
}

bool dateWaitOver(const DateLine& line, const QDateTime& now) {
    const QDate today = now.date();
    return today.year() == line.year && today.month() == line.month && today.day() == line.day &&
           timeOfDayReached(line.time, now.time());
}

bool dateWaitCanEnd(const DateLine& line, QDate today) {
    const QDate day(line.year, line.month, line.day);
    return day.isValid() && day >= today;
}

bool clipWaitOver(const QString& clipboard, const QString& expected) {
    return clipboard.startsWith(expected, Qt::CaseSensitive);
}

namespace {

QChar separatorOf(const QString& path) {
    return path.startsWith(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
}

} // namespace

bool fileWaitOver(const QString& linePath, const std::optional<QString>& found) {
    const QString name = linePath.mid(linePath.lastIndexOf(separatorOf(linePath)) + 1).trimmed();
    return found && found->trimmed() == name;
}

Status checkFileWaitPath(const QString& path) {
    if (!path.contains(separatorOf(path)))
        return Status::failure(QStringLiteral("The path names no directory."));
    return Status::ok();
}

qint64 msUntilNextMinute(QTime now) {
    return 60'000 - (now.second() * 1000 + now.msec());
}

} // namespace tandrel
