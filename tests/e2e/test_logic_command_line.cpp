#include "qt_printers.h"

#include "platform/posix/process_launcher.h"

#include <QSet>
#include <gtest/gtest.h>

namespace tandrel {
namespace {

// Executables by the path written; drive-letter paths stand for their host paths.
std::optional<QString> executable(const QString& path) {
    static const QHash<QString, QString> known{
        {QStringLiteral("/usr/bin/tool"), QStringLiteral("/usr/bin/tool")},
        {QStringLiteral("/opt/my app/run"), QStringLiteral("/opt/my app/run")},
        {QStringLiteral("/a"), QStringLiteral("/a")},
        {QStringLiteral("/a b"), QStringLiteral("/a b")},
        {QStringLiteral("C:\\Program Files\\App\\app.exe"),
         QStringLiteral("/drive_c/Program Files/App/app.exe")},
    };
    const auto found = known.find(path);
    return found == known.end() ? std::nullopt : std::optional<QString>(*found);
}

TEST(CommandLine, FindsTheProgramPathAndSplitsTheArguments) {
    struct Row {
        const char* commandLine;
        std::optional<ProgramCommand> expected;
    };
    const auto command = [](const char* program, QStringList arguments) {
        return std::optional<ProgramCommand>(
            ProgramCommand{QString::fromUtf8(program), std::move(arguments)});
    };
    const std::vector<Row> rows{
        {"/usr/bin/tool", command("/usr/bin/tool", {})},
        {"  /usr/bin/tool  ", command("/usr/bin/tool", {})},
        {"/usr/bin/tool -x \"a b\" c", command("/usr/bin/tool", {"-x", "a b", "c"})},
        {"/opt/my app/run --title \"X Y\"", command("/opt/my app/run", {"--title", "X Y"})},
        {"/opt/my app/run", command("/opt/my app/run", {})},
        {"\"/opt/my app/run\" arg", command("/opt/my app/run", {"arg"})},
        {"\"/opt/my app/run\"", command("/opt/my app/run", {})},
        {"\"/opt/my app/run", command("/opt/my app/run", {})},
        {"C:\\Program Files\\App\\app.exe /s",
         command("/drive_c/Program Files/App/app.exe", {"/s"})},
        // The shortest path that names an executable wins.
        {"/a b c", command("/a", {"b", "c"})},
        {"\"/a b\" c", command("/a b", {"c"})},
        {"/opt/my app/missing", std::nullopt},
        {"\"/opt/my\" app/run", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.commandLine);
        const auto resolved = resolveCommandLine(QString::fromUtf8(row.commandLine), executable);
        ASSERT_EQ(resolved.has_value(), row.expected.has_value());
        if (resolved) {
            EXPECT_EQ(resolved->program, row.expected->program);
            EXPECT_EQ(resolved->arguments, row.expected->arguments);
        }
    }
}

TEST(CommandLine, TriesEachBlankShortestFirstAndStopsAtTheFirstExecutable) {
    QStringList asked;
    const auto recording = [&](const QString& path) {
        asked << path;
        return executable(path);
    };
    resolveCommandLine(QStringLiteral("/opt/my app/run now please"), recording);
    EXPECT_EQ(asked, QStringList({"/opt/my", "/opt/my app/run"}));
    asked.clear();
    resolveCommandLine(QStringLiteral("/x y z"), recording);
    EXPECT_EQ(asked, QStringList({"/x", "/x y", "/x y z"}));
}

} // namespace
} // namespace tandrel
