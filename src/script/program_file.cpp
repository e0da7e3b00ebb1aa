#include "script/program_file.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace tandrel {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined map to the
// C1 controls of the same value, as Windows itself reads them, so that they survive a
// round trip.
constexpr std::array<char16_t, 32> cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromCp1252(uchar byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return cp1252High[byte - 0x80];
    return byte;
}

std::optional<char> toCp1252(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return char(code);
    for (std::size_t i = 0; i < cp1252High.size(); ++i) {
        if (cp1252High[i] == code)
            return char(0x80 + i);
    }
    return std::nullopt;
}

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(fromCp1252(uchar(bytes[i])));
    return text;
}

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end of the file is an error, not kept for later.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool hasNonAscii(const QByteArray& bytes) {
    for (char byte : bytes) {
        if (uchar(byte) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes) {
    if (std::optional<QString> utf8 = decodeUtf8(bytes))
        return {std::move(*utf8), false};
    return {decodeCp1252(bytes), true};
}

std::optional<QByteArray> encodeCp1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> byte = toCp1252(text[i]);
        if (!byte)
            return std::nullopt;
        bytes[i] = *byte;
    }
    return bytes;
}

QStringList decodeProgram(const QByteArray& bytes) {
    const QString text = decodeText(bytes).text;
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    // The piece after the last LF is a line only when the file does not end with LF.
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

QByteArray encodeProgram(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    const std::optional<QByteArray> narrow = encodeCp1252(text);
    // "Ã©" in Windows-1252 is the UTF-8 of "é": such bytes would come back changed.
    if (narrow && !(hasNonAscii(*narrow) && decodeUtf8(*narrow)))
        return *narrow;
    // The reader drops a byte order mark at the start, so a first line that begins with
    // U+FEFF gets one of its own in front.
    QStringEncoder encoder(QStringConverter::Utf8, text.startsWith(QChar(0xFEFF))
                                                       ? QStringConverter::Flag::WriteBom
                                                       : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

std::optional<QStringList> readProgram(const FileSystem& files, const QString& path) {
    const std::optional<QByteArray> bytes = files.read(path);
    // A text file never holds NUL: this is some binary file, and its bytes must not be typed.
    if (!bytes || bytes->contains('\0'))
        return std::nullopt;
    return decodeProgram(*bytes);
}

Status writeProgram(FileSystem& files, const QString& path, const QStringList& lines) {
    return files.write(path, encodeProgram(lines));
}

std::optional<QString> readFirstLine(const FileSystem& files, const QString& path) {
    const std::optional<QStringList> lines = readProgram(files, path);
    if (!lines || lines->isEmpty())
        return std::nullopt;
    return lines->first();
}

} // namespace tandrel
