#pragma once

#include <QString>
#include <optional>

namespace tandrel {

// Why an empty "{Text Paste}" line fails.
inline const QString noTextToPasteReason = QStringLiteral("There is no text to paste.");

inline const QString generalRunErrorText =
    QStringLiteral("Your program encountered an error on this line.");

// The message that names a failing line's fault, for the kinds of line that have one; the
// other kinds get only the general text.
std::optional<QString> specificRunErrorText(const QString& line, int lineNumber);

} // namespace tandrel
