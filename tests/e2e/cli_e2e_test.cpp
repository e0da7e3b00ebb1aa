// Without a display: the real tandrel binary's shell options (exit statuses, output streams, a
// drive map left exactly as it was) and its window's refusal; the real platform's back ends.

#include "platform/posix/drive_file_system.h"
#include "platform/real_platform.h"
#include "platform/unavailable.h"
#include "script/program_file.h"
#include "startup/sample_programs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tandrel;

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome run(const QTemporaryDir& dir, const QStringList& arguments, const QString& display = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
    env.insert("TANDREL_DRIVE_C", dir.filePath("drive_c"));
    env.insert("XDG_DATA_HOME", dir.filePath("empty"));
    QProcess tandrel;
    tandrel.setProcessEnvironment(env);
    tandrel.start(TANDREL_PATH, arguments);
    EXPECT_TRUE(tandrel.waitForFinished(120'000)) << arguments.join(' ').toStdString();
    return {tandrel.exitStatus() == QProcess::NormalExit ? tandrel.exitCode() : -1,
            QString::fromUtf8(tandrel.readAllStandardOutput()),
            QString::fromUtf8(tandrel.readAllStandardError())};
}

// Every entry under the directory with its size and time of change.
QByteArray snapshot(const QTemporaryDir& dir) {
    QProcess find;
    find.start("find", {dir.path(), "-printf", "%p %s %T@\n"});
    find.waitForFinished();
    return find.readAllStandardOutput();
}

TEST(CliE2E, OptionsAnswerWithTheirExitStatusAndWriteNothing) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("drive_c/TANDREL/PROGRAMS");
    DriveFileSystem files({{QLatin1Char('C'), dir.filePath("drive_c")}});
    for (const SampleProgram& sample : samplePrograms())
        EXPECT_TRUE(writeProgram(files, sample.path, sample.lines));
    for (const auto& [name, lines] : std::vector<std::pair<QString, QStringList>>{
             {"Clean.TDX", {"a"}},
             {"Broken.TDX", {"b", "{Wait}x"}},
             {"Long.TDX", {"{Text Paste}" + QString(10'000'000, u'x')}}})
        EXPECT_TRUE(writeProgram(files, "C:\\TANDREL\\PROGRAMS\\" + name, lines));
    for (const auto& [name, bytes] : {std::pair{"latin1.TDX", QByteArray("caf\xe9\r\n")},
                                      std::pair{"binary.TDX", QByteArray("a\0\x01", 3)}})
        EXPECT_TRUE(files.write(QString("C:\\") + name, bytes));
    struct Row {
        QStringList arguments;
        int status;
        QString out; // a fragment of standard output; "" asks for none at all
        QString err; // likewise for standard error
    };
    const QString programs = dir.filePath("drive_c/TANDREL/PROGRAMS/");
    const Row rows[] = {
        {{"--help"}, 0, "Usage: tandrel", ""},
        {{"--version"}, 0, "tandrel ", ""},
        {{"--bogus"}, 2, "", "unknown option \"--bogus\""},
        {{"--check"}, 2, "", "needs the name of a program"},
        {{"--check", "Clean"}, 0, "", ""},
        {{"--check", "Sample", "Timer"}, 1, "Timer.TDX:8: warning: the day", ""},
        {{"--check", "Broken"}, 2, programs + "Broken.TDX:2: error: The wait \"x\"", ""},
        {{"--check", dir.filePath("drive_c/binary.TDX")}, 3, "", "NUL bytes"},
        {{"--check", dir.filePath("drive_c")}, 3, "", "is a directory"},
        {{"--check", "/dev/zero"}, 3, "", "not a regular file"},
        {{"--check", dir.filePath("drive_c/latin1.TDX")}, 0, "", ""}, // 8-bit text is Windows-1252
        {{"--trace", "Long"}, 0, "(10000012 characters in all)", ""}, // 10 MB, shortened
        {{"--trace", "Clean"}, 0, "1: a\n   would send \"a\": \"a\"\n", ""},
        {{"--trace", "Broken"}, 2, "   would fail: The wait", ""},
        {{"--trace", "Missing"}, 3, "", "MYPROGRAM.TDX"},
    };
    const QByteArray before = snapshot(dir);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const Outcome outcome = run(dir, row.arguments);
        EXPECT_EQ(outcome.status, row.status) << outcome.err.toStdString();
        EXPECT_TRUE(row.out.isEmpty() ? outcome.out.isEmpty() : outcome.out.contains(row.out))
            << outcome.out.left(2000).toStdString();
        EXPECT_TRUE(row.err.isEmpty() ? outcome.err.isEmpty() : outcome.err.contains(row.err))
            << outcome.err.toStdString();
    }
    // Without options the window needs a display, and says so on one line.
    for (const QString& display : {QString(), QStringLiteral(":93")}) {
        const Outcome outcome = run(dir, {}, display);
        EXPECT_EQ(outcome.status, 1) << display.toStdString();
        EXPECT_EQ(outcome.err, "tandrel: cannot open display \"" + display +
                                   "\" nor Wayland display \"\": a graphical session is "
                                   "needed.\n");
    }
    EXPECT_EQ(snapshot(dir), before);
}

// A session without an X server (a console, Wayland without XWayland) gets a plain reason
// instead of keystrokes that go nowhere.
TEST(RealPlatformWithoutX11, KeystrokesAndWindowsSayThatTheyNeedAnX11Session) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qunsetenv("DISPLAY");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    RealPlatform real;
    Platform platform = real.platform();
    for (const Status& status : {platform.keystrokes.send(QStringLiteral("abc"), true),
                                 platform.windows.activate(QStringLiteral("Anything"))}) {
        EXPECT_FALSE(status);
        EXPECT_EQ(status.reason(), noX11Reason);
    }
}

} // namespace
