#include "platform/posix/drive_file_system.h"
#include "runner/command_line.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tandrel {
namespace {

TEST(CommandLine, FindsOnlyTheStoredNameExactly) {
    QTemporaryDir drive;
    ASSERT_TRUE(drive.isValid());
    DriveFileSystem files({{QLatin1Char('C'), drive.path()}});
    ASSERT_TRUE(files.makeDirectory(QStringLiteral("C:\\TANDREL\\")).ok);
    ASSERT_TRUE(files.makeDirectory(QStringLiteral("C:\\TANDREL\\PROGRAMS\\")).ok);
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

TEST(CommandLine, JoinsWordsAndKnowsInstallationOptions) {
    EXPECT_EQ(joinedArgument({QStringLiteral("Sample"), QStringLiteral("Notepad")}),
              QStringLiteral("Sample Notepad"));
    EXPECT_EQ(joinedArgument({}), QString());
    for (const char* option : {"/x", "/X", "/u", "/U"})
        EXPECT_TRUE(isInstallationOption(QString::fromUtf8(option))) << option;
    for (const char* other : {"/y", "x", "/xx", ""})
        EXPECT_FALSE(isInstallationOption(QString::fromUtf8(other))) << other;
}

} // namespace
} // namespace tandrel
