#include "platform/posix/drive_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tandrel;

namespace {

// Input and expected result; nullptr where no result is expected.
using Rows = std::initializer_list<std::pair<const char*, const char*>>;

// Drives C: and D: in one temporary directory, with room above them for files that a path
// leaving its drive would reach.
class DriveFileSystemTest : public ::testing::Test {
protected:
    DriveFileSystemTest() {
        QDir(temp.path()).mkpath("c");
        QDir(temp.path()).mkpath("d");
    }

    QString host(const QString& relative) const { return temp.path() + u'/' + relative; }
    // Creates the file and the directories above it.
    void put(const QString& relative, const QByteArray& content = "x") {
        QDir().mkpath(QFileInfo(host(relative)).absolutePath());
        QFile file(host(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray bytes(const QString& relative) const {
        QFile file(host(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList entries(const QString& relative) const {
        return QDir(host(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir temp;
    DriveFileSystem fs{{{u'C', host("c")}, {u'D', host("d")}}};
};

TEST_F(DriveFileSystemTest, MapsPathsInsideTheirDrive) {
    // Expected host paths are relative to the temporary directory.
    for (const auto& [path, expected] : Rows{
             {"c:/dir\\file.txt", "c/dir/file.txt"},
             {"C:file.txt", "c/file.txt"},
             {"C:\\.\\a\\\\b\\", "c/a/b"},
             {"C:\\a\\..\\b.txt", "c/b.txt"},
             {"C:", "c"},
             {"C:/a/../../c/b.txt", nullptr},
             {"file.txt", nullptr},
         })
        EXPECT_EQ(fs.hostPath(path), expected ? std::optional(host(expected)) : std::nullopt)
            << path;
    EXPECT_EQ(fs.hostPath("/etc/../etc/passwd"), "/etc/../etc/passwd");
}

TEST_F(DriveFileSystemTest, ResolvesIgnoringCaseAndKeepsStoredNames) {
    for (const char* file :
         {"c/Tandrel/Programs/Mine.TDX", "c/close.txt", "c/CLOSE.TXT", "c/.hidden"})
        put(file, file);

    EXPECT_EQ(fs.read("C:\\TANDREL\\PROGRAMS\\mine.tdx"), "c/Tandrel/Programs/Mine.TDX");
    // An exact name wins; otherwise the first in a fixed order.
    EXPECT_EQ(fs.read("C:\\close.txt"), "c/close.txt");
    EXPECT_EQ(fs.read("C:\\Close.Txt"), "c/CLOSE.TXT");
    EXPECT_EQ(
        fs.list("C:\\"),
        (QList<DirectoryEntry>{
            {".hidden", false}, {"CLOSE.TXT", false}, {"close.txt", false}, {"Tandrel", true}}));
    EXPECT_EQ(fs.list("C:\\close.txt"), std::nullopt);
    // New names keep the case given, inside the stored directories.
    ASSERT_TRUE(fs.write("C:\\TANDREL\\PROGRAMS\\New.TDX", "new"));
    EXPECT_EQ(bytes("c/Tandrel/Programs/New.TDX"), "new");
}

TEST_F(DriveFileSystemTest, FirstMatchFindsTheFirstNormalFile) {
    QDir().mkpath(host("c/000.tdx"));
    for (const char* file : {"c/CLOSE.TXT", "c/b22.TDX", "c/a1.tdx", "c/Read Me", "c/sub/x.txt"})
        put(file);
    for (const auto& [pattern, expected] : Rows{
             {"C:\\close.txt", "CLOSE.TXT"},
             {"C:\\*.TDX", "a1.tdx"},
             {"C:\\*.exe", nullptr},
             {"C:\\b?2.tdx", "b22.TDX"},
             // "?" takes one character, but none at a "." or at the end of the name.
             {"C:\\a?1.tdx", nullptr},
             {"C:\\a1?.tdx", "a1.tdx"},
             // A "." of the pattern also matches the end of the name.
             {"C:\\re*.*", "Read Me"},
             {"C:\\000.tdx", nullptr},
             {"C:\\0*", nullptr},
             {"C:\\", "a1.tdx"},
             {"c:\\SUB\\*.TXT", "x.txt"},
         })
        EXPECT_EQ(fs.firstMatch(pattern),
                  expected ? std::optional<QString>(expected) : std::nullopt)
            << pattern;
}

TEST_F(DriveFileSystemTest, AbsentDrivesAndEscapingPathsFailWithoutSideEffects) {
    put("secret", "secret");
    put("c/file.txt", "file");
    // G: is mapped to a directory that does not exist.
    DriveFileSystem gone{{{u'C', host("c")}, {u'G', host("g")}}};
    EXPECT_EQ(gone.drives(), QStringList{"C"});

    for (const auto& [utf8, reason] : Rows{
             {"E:\\x.txt", "The drive E: is not ready."},
             {"G:\\x.txt", "The drive G: is not ready."},
             {"C:\\..\\secret", "The path leaves its drive."},
         }) {
        SCOPED_TRACE(utf8);
        const QString path(utf8);
        for (const Status& status : {gone.write(path, "new"), gone.copy("C:\\file.txt", path),
                                     gone.copy(path, "C:\\copy.txt"), gone.erase(path),
                                     gone.makeDirectory(path), gone.removeDirectory(path)})
            EXPECT_EQ(status.reason(), reason);
        EXPECT_FALSE(gone.read(path) || gone.fileExists(path) || gone.directoryExists(path) ||
                     gone.list(path) || gone.firstMatch(path) || gone.hostPath(path));
    }
    EXPECT_EQ(gone.prepareSystemDrive(u'E').reason(), "The drive E: is not ready.");
    EXPECT_EQ(entries(""), (QStringList{"c", "d", "secret"}));
    EXPECT_EQ(entries("c"), QStringList{"file.txt"});
    EXPECT_EQ(bytes("secret"), "secret");
}

TEST_F(DriveFileSystemTest, FailedWritesLeaveTheOldFile) {
    put("c/keep.txt", "old");
    QDir().mkpath(host("c/dir"));

    ASSERT_TRUE(fs.write("C:\\new.txt", "one"));
    ASSERT_TRUE(fs.write("C:\\NEW.TXT", "2"));
    EXPECT_EQ(bytes("c/new.txt"), "2");
    for (const char* path : {"C:\\keep.txt\\x.txt", "C:\\keep.txt\\", "C:\\dir"})
        EXPECT_FALSE(fs.write(path, "x")) << path;

    // A file-size limit makes the write fail part way through, even for root.
    put("d/big.bin", QByteArray(1 << 20, 'b'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = fs.write("C:\\keep.txt", QByteArray(1 << 20, 'n'));
    const Status copied = fs.copy("D:\\big.bin", "C:\\keep.txt");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(written);
    EXPECT_FALSE(copied);
    EXPECT_EQ(bytes("c/keep.txt"), "old");
    EXPECT_EQ(entries("c"), (QStringList{"dir", "keep.txt", "new.txt"}));
}

TEST_F(DriveFileSystemTest, CopiesAndRenamesByCopyAndErase) {
    put("c/a.txt", "short");
    put("d/b.txt", "a much longer old content");
    QFile::setPermissions(host("c/a.txt"), QFile::permissions(host("c/a.txt")) | QFile::ExeOwner);

    ASSERT_TRUE(fs.copy("c:\\A.TXT", "D:\\B.TXT"));
    EXPECT_EQ(bytes("d/b.txt"), "short");
    EXPECT_TRUE(QFile::permissions(host("d/b.txt")) & QFile::ExeOwner);
    // Onto itself under another case: refused, so that the erase of a rename never runs.
    for (const auto& [from, to] : {std::pair{"C:\\none.txt", "C:\\n.txt"},
                                   {"C:\\a.txt", "C:\\none\\n.txt"},
                                   {"C:\\a.txt", "C:\\A.TXT"}})
        EXPECT_FALSE(fs.copy(from, to)) << from << " to " << to;
    EXPECT_EQ(bytes("c/a.txt"), "short");

    ASSERT_TRUE(fs.copy("C:\\a.txt", "C:\\Renamed.txt"));
    ASSERT_TRUE(fs.erase("C:\\a.txt"));
    EXPECT_TRUE(fs.fileExists("C:\\RENAMED.TXT"));
    EXPECT_EQ(fs.erase("C:\\a.txt").reason(), "The file does not exist.");
}

TEST_F(DriveFileSystemTest, ErasesFilesAndManagesDirectoriesOneLevelAtATime) {
    put("c/full/f.txt");
    QDir().mkpath(host("c/Empty"));

    EXPECT_EQ(fs.erase("C:\\full").reason(), "The path names a directory, not a file.");
    for (const char* path : {"C:\\new\\deeper", "C:\\FULL"})
        EXPECT_FALSE(fs.makeDirectory(path)) << path;
    EXPECT_TRUE(fs.makeDirectory("C:\\new\\"));
    EXPECT_TRUE(fs.directoryExists("C:\\NEW"));
    EXPECT_FALSE(fs.fileExists("C:\\NEW"));

    EXPECT_EQ(fs.removeDirectory("C:\\full").reason(), "The directory is not empty.");
    EXPECT_FALSE(fs.removeDirectory("D:\\"));
    EXPECT_TRUE(fs.removeDirectory("C:\\EMPTY"));
    EXPECT_FALSE(QFileInfo::exists(host("c/Empty")));
}

// Puts the environment back as it was when the test began.
struct EnvironmentGuard {
    const QProcessEnvironment saved = QProcessEnvironment::systemEnvironment();
    ~EnvironmentGuard() {
        for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
            qunsetenv(qPrintable(name));
        for (const QString& name : saved.keys())
            qputenv(qPrintable(name), saved.value(name).toLocal8Bit());
    }
};

TEST_F(DriveFileSystemTest, MapsDrivesFromTheEnvironment) {
    const EnvironmentGuard guard;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        qunsetenv((QByteArrayLiteral("TANDREL_DRIVE_") + letter).constData());
    qputenv("HOME", host("home").toUtf8());
    qunsetenv("XDG_DATA_HOME");

    EXPECT_EQ(
        DriveFileSystem::rootsFromEnvironment(),
        (QMap<QChar, QString>{{u'C', host("home/.local/share/tandrel/drive_c")}, {u'Z', "/"}}));

    qputenv("XDG_DATA_HOME", host("data").toUtf8());
    qputenv("TANDREL_DRIVE_D", host("d").toUtf8());
    qputenv("TANDREL_DRIVE_Z", QByteArray());
    const QString dataDrive = host("data/tandrel/drive_c");
    EXPECT_EQ(DriveFileSystem::rootsFromEnvironment(),
              (QMap<QChar, QString>{{u'C', dataDrive}, {u'D', host("d")}}));
    EXPECT_TRUE(QFileInfo(dataDrive).isDir());
}

} // namespace
