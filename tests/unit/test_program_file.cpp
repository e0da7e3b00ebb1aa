#include "runner/program_file.h"

#include <gtest/gtest.h>

#include <QMap>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << bytes.toHex(' ').toStdString();
}

namespace tandrel {
namespace {

// Files in memory: only reading and writing matter to program files.
class MemoryFileSystem : public FileSystem {
public:
    QStringList drives() const override { return {"C"}; }
    std::optional<QString> hostPath(const QString&) const override { return std::nullopt; }
    bool fileExists(const QString& path) const override { return files.contains(path); }
    bool directoryExists(const QString&) const override { return false; }
    std::optional<QString> firstMatch(const QString&) const override { return std::nullopt; }
    std::optional<QList<DirectoryEntry>> list(const QString&) const override {
        return std::nullopt;
    }
    std::optional<QByteArray> read(const QString& path) const override {
        if (!files.contains(path))
            return std::nullopt;
        return files.value(path);
    }
    Status write(const QString& path, const QByteArray& content) override {
        if (path == unwritable)
            return Status::failure("disk full");
        files.insert(path, content);
        return Status::ok();
    }
    Status copy(const QString&, const QString&) override { return Status::failure("unused"); }
    Status erase(const QString&) override { return Status::failure("unused"); }
    Status makeDirectory(const QString&) override { return Status::failure("unused"); }
    Status removeDirectory(const QString&) override { return Status::failure("unused"); }

    QMap<QString, QByteArray> files;
    QString unwritable;
};

QString text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

TEST(ProgramFile, WritesEachLineWithCrLf) {
    const QList<std::pair<QStringList, QByteArray>> rows = {
        {{"{ALT}F", "{Wait}5", "{File Copy}C:\\a.txt * C:\\b.txt"},
         "{ALT}F\r\n{Wait}5\r\n{File Copy}C:\\a.txt * C:\\b.txt\r\n"},
        {{"a", "", " ", ""}, "a\r\n\r\n \r\n\r\n"},
        {{""}, "\r\n"},
        {{}, ""},
    };
    for (const auto& [lines, bytes] : rows) {
        EXPECT_EQ(encodeProgram(lines), bytes);
        EXPECT_EQ(decodeProgram(bytes), lines);
    }
}

TEST(ProgramFile, ReadsLineEndingsOfAnyFile) {
    const QList<std::pair<QByteArray, QStringList>> rows = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb\r\nc", {"a", "b", "c"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"", {}},
        {"single", {"single"}},
        {"a\rb\r\n", {"a\rb"}},
        {"a\r\r\n", {"a\r"}},
    };
    for (const auto& [bytes, lines] : rows)
        EXPECT_EQ(decodeProgram(bytes), lines) << bytes.toStdString();
}

TEST(ProgramFile, ReadsUtf8OrElseWindows1252) {
    const QList<std::pair<QByteArray, QString>> rows = {
        {"caf\xE9", text(u"caf\u00E9")},
        {"\xE9", text(u"\u00E9")},
        {"\x80 \x93quoted\x94 \x9F", text(u"\u20AC \u201Cquoted\u201D \u0178")},
        {"\x81\x8D\x8F\x90\x9D", text(u"\u0081\u008D\u008F\u0090\u009D")},
        {"caf\xC3\xA9", text(u"caf\u00E9")},
        {"\xD0\x96", text(u"\u0416")},
        {"\xF0\x9F\x98\x80", QString::fromUcs4(U"\U0001F600", 1)},
        {"\xEF\xBB\xBF{Note}", "{Note}"},
        // One invalid sequence anywhere makes the whole file 8-bit.
        {"\xC3\xA9 \xE9", text(u"\u00C3\u00A9 \u00E9")},
        {"\xC3", text(u"\u00C3")},
    };
    for (const auto& [bytes, line] : rows)
        EXPECT_EQ(decodeProgram(bytes), QStringList{line}) << bytes.toHex().toStdString();
}

TEST(ProgramFile, WritesWindows1252WhenEveryCharacterFitsElseUtf8) {
    const QList<std::pair<QString, QByteArray>> rows = {
        {"plain", "plain\r\n"},
        {text(u"caf\u00E9"), "caf\xE9\r\n"},
        {text(u"\u20AC\u0178\u00FF"), "\x80\x9F\xFF\r\n"},
        {text(u"\u0416"), "\xD0\x96\r\n"},
        {text(u"\u00E9 \u0416"), "\xC3\xA9 \xD0\x96\r\n"},
        {QString::fromUcs4(U"\U0001F600", 1), "\xF0\x9F\x98\x80\r\n"},
        // These two characters in Windows-1252 are the UTF-8 of one "é": written narrow
        // they would come back as "é".
        {text(u"\u00C3\u00A9"), "\xC3\x83\xC2\xA9\r\n"},
    };
    for (const auto& [line, bytes] : rows)
        EXPECT_EQ(encodeProgram({line}), bytes) << line.toStdString();
}

TEST(ProgramFile, EveryProgramSurvivesWritingAndReading) {
    QString everyNarrowCharacter;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\n' && byte != '\r')
            everyNarrowCharacter += decodeProgram(QByteArray(1, char(byte))).value(0, "?");
    }
    const QList<QStringList> programs = {
        {"{ALT}F", "", "{Wait}5", " ", "{eXit}"},
        {everyNarrowCharacter},
        {text(u"\u0416"), text(u"caf\u00E9"), QString::fromUcs4(U"\U0001F600", 1)},
        {text(u"\u00C3\u00A9"), text(u"\u00EF\u00BB\u00BF")},
        {QString(QChar(0)) + "after nul", "trailing cr\r"},
    };
    for (const QStringList& program : programs)
        EXPECT_EQ(decodeProgram(encodeProgram(program)), program);
    EXPECT_EQ(everyNarrowCharacter.size(), 254);
}

TEST(ProgramFile, EightBitFilesSaveBackUnchanged) {
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\n' && byte != '\r')
            bytes += char(byte);
    }
    bytes += "\r\nsecond\r\n";
    EXPECT_EQ(encodeProgram(decodeProgram(bytes)), bytes);
}

TEST(ProgramFile, NulAndInvalidBytesLoad) {
    static const char raw[] = "\x00\xFF\xFE\x00"
                              "ab\r\n\xC0\x80\xED\xA0\x80\r\n\xC3";
    const QStringList lines = decodeProgram(QByteArray(raw, sizeof raw - 1));
    const QString first = QString(QChar(0)) + QChar(0xFF) + QChar(0xFE) + QChar(0) + "ab";
    EXPECT_EQ(lines,
              QStringList({first, text(u"\u00C0\u20AC\u00ED\u00A0\u20AC"), text(u"\u00C3")}));
}

TEST(ProgramFile, LoadsATenMegabyteLine) {
    constexpr qsizetype size = 10 * 1024 * 1024;
    for (const QByteArray& filler : {QByteArray("x"), QByteArray("\xE9")}) {
        const QByteArray bytes = filler.repeated(size) + "\r\nend";
        const QStringList lines = decodeProgram(bytes);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0].size(), size);
        EXPECT_EQ(lines[0].back(), decodeProgram(filler).first().front());
        EXPECT_EQ(lines[1], "end");
        EXPECT_EQ(encodeProgram(lines), bytes + "\r\n");
    }
}

TEST(ProgramFile, ReadsAndWritesThroughTheFileSystem) {
    MemoryFileSystem files;
    const QString path = "C:\\TANDREL\\PROGRAMS\\MINE.TDX";
    const QStringList program = {"{ALT}F", text(u"{Text Paste}caf\u00E9")};
    ASSERT_TRUE(writeProgram(files, path, program));
    EXPECT_EQ(files.files.value(path), QByteArray("{ALT}F\r\n{Text Paste}caf\xE9\r\n"));
    EXPECT_EQ(readProgram(files, path), program);
    EXPECT_EQ(readProgram(files, "C:\\MISSING.TDX"), std::nullopt);

    files.files.insert("C:\\EMPTY.TDX", QByteArray());
    EXPECT_EQ(readProgram(files, "C:\\EMPTY.TDX"), QStringList());

    files.unwritable = path;
    const Status failed = writeProgram(files, path, {"other"});
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.reason(), "disk full");
    EXPECT_EQ(readProgram(files, path), program);
}

TEST(ProgramFile, ReadsTheFirstLineOfAnyTextFile) {
    MemoryFileSystem files;
    const QList<std::pair<QByteArray, std::optional<QString>>> rows = {
        {"first line\r\nsecond\r\n", QString("first line")},
        {"only, no terminator", QString("only, no terminator")},
        {"\xE9t\xE9\nsecond", text(u"\u00E9t\u00E9")},
        {"\r\nsecond", QString("")},
        {"", std::nullopt},
    };
    for (const auto& [bytes, first] : rows) {
        files.files.insert("C:\\in.txt", bytes);
        EXPECT_EQ(readFirstLine(files, "C:\\in.txt"), first) << bytes.toStdString();
    }
    EXPECT_EQ(readFirstLine(files, "C:\\missing.txt"), std::nullopt);
}

} // namespace
} // namespace tandrel
