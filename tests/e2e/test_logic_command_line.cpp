#include "qt_printers.h"

#include "platform/posix/process_launcher.h"

#include <QSet>
#include <gtest/gtest.h>

namespace tandrel {
namespace {

// Executables by the path written; a drive-letter path stands for its host path.
std::optional<QString> executable(const QString& path) {
    if (path == "C:\\Program Files\\App\\app.exe")
        return QStringLiteral("/drive_c/Program Files/App/app.exe");
    static const QSet<QString> known{"/usr/bin/tool", "/opt/my app/run", "/a", "/a b"};
    return known.contains(path) ? std::optional(path) : std::nullopt;
}

TEST(CommandLine, FindsTheProgramPathAndSplitsTheArguments) {
    struct Row {
        const char* commandLine;
        std::optional<ProgramCommand> expected;
    };
    const auto command = [](const char* program, QStringList arguments) {
        return std::optional<ProgramCommand>(ProgramCommand{program, std::move(arguments)});
    };
    const std::vector<Row> rows{
        {"  /usr/bin/tool -x \"a b\" c", command("/usr/bin/tool", {"-x", "a b", "c"})},
        {"/opt/my app/run --title \"X Y\"", command("/opt/my app/run", {"--title", "X Y"})},
        {"/opt/my app/run", command("/opt/my app/run", {})},
        {"\"/opt/my app/run\" arg", command("/opt/my app/run", {"arg"})},
        {"\"/opt/my app/run", command("/opt/my app/run", {})},
        {"C:\\Program Files\\App\\app.exe /s",
         command("/drive_c/Program Files/App/app.exe", {"/s"})},
        // The shortest path that names an executable wins, unless quotes say otherwise.
        {"/a b c", command("/a", {"b", "c"})},
        {"\"/a b\" c", command("/a b", {"c"})},
        {"/opt/my app/missing", std::nullopt},
        {"\"/opt/my\" app/run", std::nullopt},
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

} // namespace
} // namespace tandrel
