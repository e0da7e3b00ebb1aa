#pragma once

#include "platform/file_system.h"
#include "platform/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tandrel {

// Text as the system reads any file: UTF-8 when the bytes are valid UTF-8, Windows-1252
// otherwise.
struct DecodedText {
    QString text;
    bool cp1252 = false;
};
DecodedText decodeText(const QByteArray& bytes);
// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encodeCp1252(const QString& text);

// A program file: one text line per program line, each ended by CR LF. Bytes are read as
// UTF-8 when they are valid UTF-8 and as Windows-1252 otherwise, so files from the original
// 8-bit world load unchanged.
QStringList decodeProgram(const QByteArray& bytes);

// Windows-1252 when every character fits and the bytes cannot be mistaken for UTF-8 when read
// back; UTF-8 otherwise, so that no character is lost on the way to the file and back.
QByteArray encodeProgram(const QStringList& lines);

// Nothing when the file cannot be read or is a binary file (it holds NUL bytes).
std::optional<QStringList> readProgram(const FileSystem& files, const QString& path);
// The old file stays as it was unless the new one was written completely.
Status writeProgram(FileSystem& files, const QString& path, const QStringList& lines);

// The first line of any text file, decoded like a program; nothing when the file cannot be
// read or holds no line at all.
std::optional<QString> readFirstLine(const FileSystem& files, const QString& path);

} // namespace tandrel
