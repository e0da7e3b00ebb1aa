#pragma once

#include "platform/status.h"
#include "script/script_lines.h"

#include <QDateTime>
#include <optional>

namespace tandrel {

// Re-check intervals of the polling waits.
inline constexpr qint64 fileWaitPollMs = 2000;
inline constexpr qint64 clipWaitPollMs = 2000;
inline constexpr qint64 dateWaitPollMs = 20000;

// The hour has passed, or it is the hour and its minute has come; seconds never count.
bool timeOfDayReached(TimeOfDay target, QTime now);

// A date wait ends only on its own day, once the time of day has come.
bool dateWaitOver(const DateLine& line, const QDateTime& now);

// A date wait can still end when its day is a real date from today on; any other day never
// comes, so the wait would never end.
bool dateWaitCanEnd(const DateLine& line, QDate today);

// The clipboard begins with the expected text, exactly; an empty text matches anything.
bool clipWaitOver(const QString& clipboard, const QString& expected);

// The file that the line's path names exists under the same name, letter case included.
// `found` is the stored name that the file system returned for the path, if any.
bool fileWaitOver(const QString& linePath, const std::optional<QString>& found);

// A file wait compares the name after the last "\" ("/" in a host path, which begins with
// "/"): a path without one cannot be waited for.
Status checkFileWaitPath(const QString& path);

// How long the time phase of a week-day wait sleeps before it looks again: until the next
// minute begins, since nothing can change before then.
qint64 msUntilNextMinute(QTime now);

} // namespace tandrel
