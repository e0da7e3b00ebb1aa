#include "platform/posix/drive_file_system.h"
#include "standins/standin_launchers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tandrel;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

// What C:\WINDOWS\NOTEPAD.EXE holds before a start, and whether the start leaves it as it was.
TEST(StandInLaunchers, AreMadeAndRenewedButAUsersFileStays) {
    QTemporaryDir temp;
    // A Tandrel with a quote and a blank in its path that shows the arguments it gets.
    const QString tandrel = temp.filePath("it's here/tandrel");
    QDir().mkpath(temp.filePath("it's here"));
    put(tandrel, "#!/bin/sh\nprintf '%s|' \"$@\"\n");
    QFile::setPermissions(tandrel, QFile::permissions(tandrel) | QFile::ExeOwner);
    const QString notepad = temp.filePath("c/WINDOWS/NOTEPAD.EXE");
    const struct {
        QByteArray before; // empty for no file
        bool kept;
    } rows[] = {
        {"", false},
        {"#!/bin/sh\nexec mousepad \"$@\"\n", true},
        {standInLauncher("/gone/tandrel", "--notepad"), false},
        {standInLauncher("/bin/sh", "--notepad"), true},
    };
    for (const auto& row : rows) {
        QDir(temp.filePath("c")).removeRecursively();
        QDir().mkpath(temp.filePath("c/WINDOWS"));
        if (!row.before.isEmpty())
            put(notepad, row.before);
        DriveFileSystem files({{u'C', temp.filePath("c")}});
        placeStandInLaunchers(files, tandrel);
        EXPECT_EQ(bytesOf(notepad), row.kept ? row.before : standInLauncher(tandrel, "--notepad"))
            << row.before.toStdString();
        EXPECT_EQ(bytesOf(temp.filePath("c/WINDOWS/CALC.EXE")),
                  standInLauncher(tandrel, "--calculator"));
    }
    QProcess launcher;
    launcher.start(temp.filePath("c/WINDOWS/CALC.EXE"), {"a b", "c"});
    launcher.waitForFinished();
    EXPECT_EQ(launcher.readAllStandardOutput(), "--calculator|a b|c|");
}
