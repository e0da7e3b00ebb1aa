#pragma once

#include <QStringList>
#include <ostream>

// Readable Qt strings in test failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << "[\"" << list.join("\", \"").toStdString() << "\"]";
}
QT_END_NAMESPACE
