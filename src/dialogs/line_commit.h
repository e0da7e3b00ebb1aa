#pragma once

#include <QString>
#include <optional>

namespace tandrel {

inline const QString stopMark = QStringLiteral("{Stop}");

// The key code of Shift among the key codes that the dialog field's key handlers receive.
inline constexpr int shiftKeyCode = 16;

// How many of the dialog field and the edit field begin with "{Stop}" (exact case): only a
// count of exactly 1 brings the Stop message after the commit.
int stopCount(const QString& dialogField, const QString& editField);

// A field that begins with a token that takes no argument ("{Clip Paste}", "{Clip Clear}",
// "{Start Again}", "{eXit}") is cut back to that token; any other field is returned as is.
QString cutToBareToken(const QString& field);

// The line that a commit hands to the insertion: the dialog field while the Save button reads
// "Save", the edit field while it reads "OK" (a line under edit); nothing for another caption.
std::optional<QString> committedLine(const QString& saveButtonCaption, const QString& dialogField,
                                     const QString& editField);

} // namespace tandrel
