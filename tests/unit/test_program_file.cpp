#include "script/program_file.h"

#include "../e2e/qt_printers.h"
#include "platform/posix/drive_file_system.h"
#include "runner/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

QT_BEGIN_NAMESPACE
void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << bytes.toHex(' ').toStdString();
}
QT_END_NAMESPACE

namespace tandrel {
namespace {

QString text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

TEST(ProgramFile, ReadsLineEndingsAndUtf8OrElseWindows1252) {
    const QList<std::pair<QByteArray, QStringList>> rows = {
        {"a\r\nb", {"a", "b"}},
        {"a\nb\r\nc\n", {"a", "b", "c"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\rb\r\n", {"a\rb"}},
        {"a\r\r\n", {"a\r"}},
        {"caf\xE9", {text(u"caf\u00E9")}},
        {"\x80 \x93quoted\x94 \x9F", {text(u"\u20AC \u201Cquoted\u201D \u0178")}},
        // The bytes the code page leaves undefined read as the C1 controls of the same value.
        {"\x81\x8D\x8F\x90\x9D", {text(u"\u0081\u008D\u008F\u0090\u009D")}},
        {"caf\xC3\xA9", {text(u"caf\u00E9")}},
        {"\xEF\xBB\xBF{Note}", {"{Note}"}},
        // One invalid sequence anywhere makes the whole file 8-bit.
        {"\xC3\xA9 \xE9", {text(u"\u00C3\u00A9 \u00E9")}},
        {QByteArray("\x00\xFF\xFE\x00"
                    "ab\r\n\xC0\x80\xED\xA0\x80",
                    13),
         {QString(QChar(0)) + QChar(0xFF) + QChar(0xFE) + QChar(0) + "ab",
          text(u"\u00C0\u20AC\u00ED\u00A0\u20AC")}},
        // A file cut off inside a UTF-8 sequence keeps its last character.
        {"\xC3", {text(u"\u00C3")}},
    };
    for (const auto& [bytes, lines] : rows)
        EXPECT_EQ(decodeProgram(bytes), lines) << bytes.toHex().toStdString();
}

TEST(ProgramFile, WritesCrLfAndWindows1252WhenEveryCharacterFitsElseUtf8) {
    const QList<std::pair<QStringList, QByteArray>> rows = {
        {{"{ALT}F", "{Wait}5", "{File Copy}C:\\a.txt * C:\\b.txt"},
         "{ALT}F\r\n{Wait}5\r\n{File Copy}C:\\a.txt * C:\\b.txt\r\n"},
        {{""}, "\r\n"},
        {{}, ""},
        {{text(u"caf\u00E9\u00FF")}, "caf\xE9\xFF\r\n"},
        {{text(u"\u00E9 \u0416")}, "\xC3\xA9 \xD0\x96\r\n"},
        // These two characters in Windows-1252 are the UTF-8 of one "\u00E9": written narrow
        // they would come back as one.
        {{text(u"\u00C3\u00A9")}, "\xC3\x83\xC2\xA9\r\n"},
    };
    for (const auto& [lines, bytes] : rows) {
        EXPECT_EQ(encodeProgram(lines), bytes) << lines.join(u'|').toStdString();
        EXPECT_EQ(decodeProgram(bytes), lines) << lines.join(u'|').toStdString();
    }
}

TEST(ProgramFile, EveryProgramAndEveryEightBitFileSurvivesARoundTrip) {
    const QList<QStringList> programs = {
        {text(u"\u0416"), text(u"caf\u00E9"), QString::fromUcs4(U"\U0001F600", 1)},
        {text(u"\u00C3\u00A9"), text(u"\u00EF\u00BB\u00BF")},
        {QString(QChar(0)) + "after nul", "trailing cr\r"},
        // Found by fuzzing: the reader took the line's own U+FEFF for a byte order mark.
        {text(u"\uFEFF{No")},
    };
    for (const QStringList& program : programs)
        EXPECT_EQ(decodeProgram(encodeProgram(program)), program);
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += byte == '\n' || byte == '\r' ? QByteArray() : QByteArray(1, char(byte));
    bytes += "\r\nsecond\r\n";
    EXPECT_EQ(encodeProgram(decodeProgram(bytes)), bytes);
}

// The window's tests save, open and paste through the same functions; these are the ends.
TEST(ProgramFile, ReadsAndWritesThroughTheFileSystem) {
    QTemporaryDir temp;
    DriveFileSystem files{{{u'C', temp.path()}}};
    const QStringList program = {"{ALT}F", text(u"{Text Paste}caf\u00E9")};
    ASSERT_TRUE(writeProgram(files, "C:\\MINE.TDX", program));
    EXPECT_EQ(files.read("C:\\MINE.TDX"), QByteArray("{ALT}F\r\n{Text Paste}caf\xE9\r\n"));
    EXPECT_EQ(readProgram(files, "C:\\MINE.TDX"), program);
    // A binary file is no program: its one-byte lines would be typed as keys.
    ASSERT_TRUE(files.write("C:\\BINARY.TDX", QByteArray("a\r\n\0\x01b\r\n", 7)));
    EXPECT_EQ(readProgram(files, "C:\\BINARY.TDX"), std::nullopt);
    // No first line in an empty file; an empty one before a line end.
    const std::pair<QByteArray, std::optional<QString>> firstLines[] = {
        {"", std::nullopt}, {"\r\nsecond", ""}, {"a\r\nb", "a"}};
    for (const auto& [bytes, first] : firstLines) {
        ASSERT_TRUE(files.write("C:\\FIRST.TXT", bytes));
        EXPECT_EQ(readFirstLine(files, "C:\\FIRST.TXT"), first) << bytes.toStdString();
    }
}

TEST(CommandLine, FindsOnlyTheStoredNameExactly) {
    QTemporaryDir drive;
    ASSERT_TRUE(drive.isValid());
    DriveFileSystem files({{QLatin1Char('C'), drive.path()}});
    ASSERT_TRUE(QDir(drive.path()).mkpath("TANDREL/PROGRAMS"));
    for (const char* name : {"MINE.TDX", "Sample Calculator.TDX", "notes.txt"})
        ASSERT_TRUE(files.write(QStringLiteral("C:\\TANDREL\\PROGRAMS\\") + name, "x").ok);

    const QString programs = QStringLiteral("C:\\TANDREL\\PROGRAMS\\");
    const struct {
        const char* name;
        const char* expected; // empty: not found
        const char* reason;
    } rows[] = {
        {"MINE", "C:\\TANDREL\\PROGRAMS\\MINE.TDX", "\".TDX\" is appended"},
        {"mine", "", "letter case must match the stored file"},
        {"Sample Calculator.TDX", "C:\\TANDREL\\PROGRAMS\\Sample Calculator.TDX",
         "a name with a dot is taken as it is"},
        {"notes.txt", "C:\\TANDREL\\PROGRAMS\\notes.txt", "any ending once a dot is given"},
        {"notes", "", "notes.TDX does not exist"},
        {"M*", "", "a pattern never stands for another file"},
        {"..\\MINE", "", "a directory in the name is not looked up"},
    };
    for (const auto& row : rows) {
        const auto found = findCommandLineProgram(files, programs, QString::fromUtf8(row.name));
        EXPECT_EQ(found.value_or(QString()), QString::fromUtf8(row.expected))
            << row.name << ": " << row.reason;
    }
}

} // namespace
} // namespace tandrel
