#include "platform/posix/drive_file_system.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tandrel;

namespace {

// Drives C: and D: in one temporary directory, with room above them for files that a path
// leaving its drive would reach.
class DriveFileSystemTest : public ::testing::Test {
protected:
    DriveFileSystemTest() {
        QDir(temp.path()).mkpath(QStringLiteral("c"));
        QDir(temp.path()).mkpath(QStringLiteral("d"));
    }

    QString host(const QString& relative) const { return temp.path() + u'/' + relative; }
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
    QStringList everything() const {
        QStringList paths;
        QDirIterator it(temp.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
        paths.sort();
        return paths;
    }

    QTemporaryDir temp;
    DriveFileSystem fs{{{u'C', host(QStringLiteral("c"))}, {u'D', host(QStringLiteral("d"))}}};
};

TEST_F(DriveFileSystemTest, MapsPathsInsideTheirDrive) {
    struct Row {
        const char* path;
        const char* expected; // relative to the temporary directory; nullptr: no host path
    };
    const Row rows[] = {
        {"C:\\dir\\file.txt", "c/dir/file.txt"},
        {"C:/dir/file.txt", "c/dir/file.txt"},
        {"c:\\dir/file.txt", "c/dir/file.txt"},
        {"C:file.txt", "c/file.txt"},
        {"C:\\.\\a\\\\b\\", "c/a/b"},
        {"C:\\a\\..\\b.txt", "c/b.txt"},
        {"C:", "c"},
        {"D:\\x", "d/x"},
        {"C:\\..\\..\\etc\\passwd", nullptr},
        {"C:\\a\\..\\..\\c\\b.txt", nullptr},
        {"E:\\x", nullptr},
        {"", nullptr},
        {"file.txt", nullptr},
        {"1:\\x", nullptr},
    };
    for (const Row& row : rows) {
        const auto mapped = fs.hostPath(QString::fromUtf8(row.path));
        if (row.expected)
            EXPECT_EQ(mapped, host(QString::fromUtf8(row.expected))) << row.path;
        else
            EXPECT_EQ(mapped, std::nullopt) << row.path;
    }
    EXPECT_EQ(fs.hostPath(QStringLiteral("/etc/../etc/passwd")),
              QStringLiteral("/etc/../etc/passwd"));
    EXPECT_EQ(fs.drives(), (QStringList{QStringLiteral("C"), QStringLiteral("D")}));
}

TEST_F(DriveFileSystemTest, ResolvesIgnoringCaseAndKeepsStoredNames) {
    put(QStringLiteral("c/Tandrel/Programs/Mine.TDX"), "mine");
    put(QStringLiteral("c/close.txt"), "lower");
    put(QStringLiteral("c/CLOSE.TXT"), "upper");

    EXPECT_EQ(fs.read(QStringLiteral("C:\\TANDREL\\PROGRAMS\\mine.tdx")), "mine");
    EXPECT_TRUE(fs.directoryExists(QStringLiteral("c:\\tandrel\\programs")));
    EXPECT_EQ(fs.list(QStringLiteral("C:\\TANDREL")),
              (QList<DirectoryEntry>{{QStringLiteral("Programs"), true}}));
    // An exact name wins; otherwise the first in a fixed order.
    EXPECT_EQ(fs.read(QStringLiteral("C:\\close.txt")), "lower");
    EXPECT_EQ(fs.read(QStringLiteral("C:\\CLOSE.TXT")), "upper");
    EXPECT_EQ(fs.read(QStringLiteral("C:\\Close.Txt")), "upper");

    // New names keep the case given, inside the stored directories.
    ASSERT_TRUE(fs.write(QStringLiteral("C:\\TANDREL\\PROGRAMS\\New.TDX"), "new"));
    EXPECT_EQ(bytes(QStringLiteral("c/Tandrel/Programs/New.TDX")), "new");
    ASSERT_TRUE(fs.makeDirectory(QStringLiteral("C:\\TANDREL\\Data")));
    EXPECT_TRUE(QFileInfo(host(QStringLiteral("c/Tandrel/Data"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(host(QStringLiteral("c/TANDREL"))));
}

TEST_F(DriveFileSystemTest, FirstMatchFindsTheFirstNormalFile) {
    QDir().mkpath(host(QStringLiteral("c/000.tdx")));
    put(QStringLiteral("c/CLOSE.TXT"));
    put(QStringLiteral("c/b22.TDX"));
    put(QStringLiteral("c/a1.tdx"));
    put(QStringLiteral("c/Read Me"));
    put(QStringLiteral("c/sub/x.txt"));

    struct Row {
        const char* pattern;
        const char* expected; // nullptr: nothing matches
    };
    const Row rows[] = {
        {"C:\\close.txt", "CLOSE.TXT"},
        {"C:\\*.TDX", "a1.tdx"},
        {"C:\\b?2.tdx", "b22.TDX"},
        {"C:\\??.tdx", "a1.tdx"},
        {"C:\\?.tdx", nullptr},
        {"C:\\a1?.tdx", "a1.tdx"},
        {"C:\\re*.*", "Read Me"},
        {"C:\\*.exe", nullptr},
        {"C:\\000.tdx", nullptr},
        {"C:\\0*", nullptr},
        {"C:\\", "a1.tdx"},
        {"c:\\SUB\\*.TXT", "x.txt"},
        {"C:\\missing\\*.txt", nullptr},
        {"C:\\..\\*", nullptr},
        {"E:\\*.*", nullptr},
    };
    for (const Row& row : rows) {
        const auto match = fs.firstMatch(QString::fromUtf8(row.pattern));
        if (row.expected)
            EXPECT_EQ(match, QString::fromUtf8(row.expected)) << row.pattern;
        else
            EXPECT_EQ(match, std::nullopt) << row.pattern;
    }
}

TEST_F(DriveFileSystemTest, ListsEntriesInOrderWithTheirKind) {
    put(QStringLiteral("c/b.txt"));
    put(QStringLiteral("c/A.txt"));
    put(QStringLiteral("c/.hidden"));
    QDir().mkpath(host(QStringLiteral("c/Sub")));

    const QList<DirectoryEntry> expected{{QStringLiteral(".hidden"), false},
                                         {QStringLiteral("A.txt"), false},
                                         {QStringLiteral("b.txt"), false},
                                         {QStringLiteral("Sub"), true}};
    EXPECT_EQ(fs.list(QStringLiteral("C:\\")), expected);
    EXPECT_EQ(fs.list(QStringLiteral("C:\\b.txt")), std::nullopt);
    EXPECT_EQ(fs.list(QStringLiteral("C:\\none")), std::nullopt);
}

TEST_F(DriveFileSystemTest, AbsentDrivesAndEscapingPathsFailWithoutSideEffects) {
    put(QStringLiteral("secret"), "secret");
    put(QStringLiteral("c/file.txt"), "file");
    const QStringList before = everything();
    DriveFileSystem gone{{{u'C', host(QStringLiteral("c"))}, {u'G', host(QStringLiteral("g"))}}};
    EXPECT_EQ(gone.drives(), QStringList{QStringLiteral("C")});

    struct Row {
        const char* path;
        const char* reason;
    };
    const Row rows[] = {
        {"E:\\x.txt", "The drive E: is not ready."},
        {"G:\\x.txt", "The drive G: is not ready."},
        {"C:\\..\\secret", "The path leaves its drive."},
        {"C:\\x\\..\\..\\x.txt", "The path leaves its drive."},
    };
    for (const Row& row : rows) {
        const QString path = QString::fromUtf8(row.path);
        const QString reason = QString::fromUtf8(row.reason);
        EXPECT_EQ(gone.write(path, "new").reason(), reason) << row.path;
        EXPECT_EQ(gone.copy(QStringLiteral("C:\\file.txt"), path).reason(), reason) << row.path;
        EXPECT_EQ(gone.copy(path, QStringLiteral("C:\\copy.txt")).reason(), reason) << row.path;
        EXPECT_EQ(gone.erase(path).reason(), reason) << row.path;
        EXPECT_EQ(gone.makeDirectory(path).reason(), reason) << row.path;
        EXPECT_EQ(gone.removeDirectory(path).reason(), reason) << row.path;
        EXPECT_FALSE(gone.read(path)) << row.path;
        EXPECT_FALSE(gone.fileExists(path)) << row.path;
        EXPECT_FALSE(gone.directoryExists(path)) << row.path;
        EXPECT_FALSE(gone.list(path)) << row.path;
        EXPECT_FALSE(gone.firstMatch(path)) << row.path;
        EXPECT_FALSE(gone.hostPath(path)) << row.path;
    }
    EXPECT_EQ(gone.prepareSystemDrive(u'E').reason(), QStringLiteral("The drive E: is not ready."));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(bytes(QStringLiteral("secret")), "secret");
    EXPECT_FALSE(QFileInfo::exists(host(QStringLiteral("c/copy.txt"))));
}

TEST_F(DriveFileSystemTest, FailedWritesLeaveTheOldFile) {
    put(QStringLiteral("c/keep.txt"), "old");
    QDir().mkpath(host(QStringLiteral("c/dir")));

    ASSERT_TRUE(fs.write(QStringLiteral("C:\\new.txt"), "one"));
    ASSERT_TRUE(fs.write(QStringLiteral("C:\\NEW.TXT"), "2"));
    EXPECT_EQ(bytes(QStringLiteral("c/new.txt")), "2");
    EXPECT_FALSE(fs.write(QStringLiteral("C:\\keep.txt\\x.txt"), "x"));
    EXPECT_FALSE(fs.write(QStringLiteral("C:\\missing\\x.txt"), "x"));
    EXPECT_FALSE(fs.write(QStringLiteral("C:\\dir"), "x"));
    EXPECT_FALSE(fs.write(QStringLiteral("C:\\keep.txt\\"), "x"));
    EXPECT_TRUE(QFileInfo(host(QStringLiteral("c/dir"))).isDir());

    // A file-size limit makes the write fail part way through, even for root.
    put(QStringLiteral("d/big.bin"), QByteArray(1 << 20, 'b'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = fs.write(QStringLiteral("C:\\keep.txt"), QByteArray(1 << 20, 'n'));
    const Status copied = fs.copy(QStringLiteral("D:\\big.bin"), QStringLiteral("C:\\keep.txt"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(written);
    EXPECT_FALSE(copied);
    EXPECT_EQ(bytes(QStringLiteral("c/keep.txt")), "old");
    EXPECT_EQ(QDir(host(QStringLiteral("c"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("keep.txt"), QStringLiteral("new.txt")}));
}

TEST_F(DriveFileSystemTest, CopiesAndRenamesByCopyAndErase) {
    put(QStringLiteral("c/a.txt"), "short");
    put(QStringLiteral("d/b.txt"), "a much longer old content");
    QDir().mkpath(host(QStringLiteral("c/dir")));
    QFile::setPermissions(host(QStringLiteral("c/a.txt")),
                          QFile::permissions(host(QStringLiteral("c/a.txt"))) | QFile::ExeOwner);

    ASSERT_TRUE(fs.copy(QStringLiteral("c:\\A.TXT"), QStringLiteral("D:\\B.TXT")));
    EXPECT_EQ(bytes(QStringLiteral("d/b.txt")), "short");
    EXPECT_TRUE(QFile::permissions(host(QStringLiteral("d/b.txt"))) & QFile::ExeOwner);
    EXPECT_FALSE(fs.copy(QStringLiteral("C:\\none.txt"), QStringLiteral("C:\\n.txt")));
    EXPECT_FALSE(fs.copy(QStringLiteral("C:\\DIR"), QStringLiteral("C:\\n.txt")));
    EXPECT_FALSE(fs.copy(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\none\\n.txt")));
    EXPECT_FALSE(QFileInfo::exists(host(QStringLiteral("c/n.txt"))));

    // Onto itself, also under another case: refused, so that the erase of a rename never runs.
    EXPECT_FALSE(fs.copy(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\a.txt")));
    EXPECT_FALSE(fs.copy(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\A.TXT")));
    EXPECT_EQ(bytes(QStringLiteral("c/a.txt")), "short");

    ASSERT_TRUE(fs.copy(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\Renamed.txt")));
    ASSERT_TRUE(fs.erase(QStringLiteral("C:\\a.txt")));
    EXPECT_EQ(bytes(QStringLiteral("c/Renamed.txt")), "short");
    EXPECT_FALSE(fs.fileExists(QStringLiteral("C:\\a.txt")));
    EXPECT_EQ(fs.erase(QStringLiteral("C:\\a.txt")).reason(),
              QStringLiteral("The file does not exist."));
}

TEST_F(DriveFileSystemTest, ErasesFilesAndManagesDirectoriesOneLevelAtATime) {
    put(QStringLiteral("c/full/f.txt"));
    QDir().mkpath(host(QStringLiteral("c/Empty")));

    EXPECT_EQ(fs.erase(QStringLiteral("C:\\full")).reason(),
              QStringLiteral("The path names a directory, not a file."));
    EXPECT_FALSE(fs.erase(QStringLiteral("C:\\full\\")));
    EXPECT_FALSE(fs.makeDirectory(QStringLiteral("C:\\new\\deeper")));
    EXPECT_FALSE(QFileInfo::exists(host(QStringLiteral("c/new"))));
    EXPECT_FALSE(fs.makeDirectory(QStringLiteral("C:\\FULL")));
    EXPECT_FALSE(fs.makeDirectory(QStringLiteral("C:\\full\\f.txt")));
    EXPECT_TRUE(fs.makeDirectory(QStringLiteral("C:\\new\\")));
    EXPECT_TRUE(fs.directoryExists(QStringLiteral("C:\\NEW")));

    EXPECT_EQ(fs.removeDirectory(QStringLiteral("C:\\full")).reason(),
              QStringLiteral("The directory is not empty."));
    EXPECT_FALSE(fs.removeDirectory(QStringLiteral("C:\\full\\f.txt")));
    EXPECT_FALSE(fs.removeDirectory(QStringLiteral("D:\\")));
    EXPECT_TRUE(QFileInfo(host(QStringLiteral("d"))).isDir());
    EXPECT_TRUE(fs.removeDirectory(QStringLiteral("C:\\EMPTY")));
    EXPECT_FALSE(QFileInfo::exists(host(QStringLiteral("c/Empty"))));
    EXPECT_TRUE(fs.erase(QStringLiteral("C:\\FULL\\F.TXT")));
    EXPECT_TRUE(fs.removeDirectory(QStringLiteral("C:\\full")));
    EXPECT_TRUE(QFileInfo(host(QStringLiteral("c"))).isDir());
}

TEST_F(DriveFileSystemTest, PreparesTheSystemDriveReusingExistingDirectories) {
    QDir().mkpath(host(QStringLiteral("d/windows/Desktop")));

    ASSERT_TRUE(fs.prepareSystemDrive(u'C'));
    for (const char* directory :
         {"WINDOWS/desktop", "WINDOWS/start menu/programs", "WINDOWS/recent"})
        EXPECT_TRUE(QFileInfo(host(QStringLiteral("c/") + QLatin1String(directory))).isDir());
    ASSERT_TRUE(fs.prepareSystemDrive(u'C'));

    ASSERT_TRUE(fs.prepareSystemDrive(u'D'));
    EXPECT_EQ(QDir(host(QStringLiteral("d"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("windows")});
    EXPECT_EQ(QDir(host(QStringLiteral("d/windows"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Desktop"), QStringLiteral("recent"),
                           QStringLiteral("start menu")}));

    put(QStringLiteral("e/WINDOWS"));
    DriveFileSystem blocked{{{u'E', host(QStringLiteral("e"))}}};
    EXPECT_FALSE(blocked.prepareSystemDrive(u'E'));
}

// Sets environment variables for one test and puts the old values back.
class Environment {
public:
    ~Environment() {
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            if (it.value())
                qputenv(it.key().constData(), *it.value());
            else
                qunsetenv(it.key().constData());
        }
    }
    void set(const QByteArray& name, const std::optional<QByteArray>& value) {
        if (!saved_.contains(name))
            saved_.insert(name, qEnvironmentVariableIsSet(name.constData())
                                    ? std::optional(qgetenv(name.constData()))
                                    : std::nullopt);
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }

private:
    QMap<QByteArray, std::optional<QByteArray>> saved_;
};

TEST_F(DriveFileSystemTest, MapsDrivesFromTheEnvironment) {
    Environment environment;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        environment.set(QByteArrayLiteral("TANDREL_DRIVE_") + letter, std::nullopt);
    environment.set("HOME", host(QStringLiteral("home")).toUtf8());
    environment.set("XDG_DATA_HOME", std::nullopt);

    const QString homeDrive = host(QStringLiteral("home/.local/share/tandrel/drive_c"));
    EXPECT_EQ(DriveFileSystem::rootsFromEnvironment(),
              (QMap<QChar, QString>{{u'C', homeDrive}, {u'Z', QStringLiteral("/")}}));
    EXPECT_TRUE(QFileInfo(homeDrive).isDir());

    environment.set("XDG_DATA_HOME", host(QStringLiteral("data")).toUtf8());
    environment.set("TANDREL_DRIVE_D", host(QStringLiteral("d")).toUtf8());
    environment.set("TANDREL_DRIVE_Z", QByteArray());
    const QString dataDrive = host(QStringLiteral("data/tandrel/drive_c"));
    EXPECT_EQ(DriveFileSystem::rootsFromEnvironment(),
              (QMap<QChar, QString>{{u'C', dataDrive}, {u'D', host(QStringLiteral("d"))}}));
    EXPECT_TRUE(QFileInfo(dataDrive).isDir());

    put(QStringLiteral("d/here.txt"), "here");
    const DriveFileSystem mapped{DriveFileSystem::rootsFromEnvironment()};
    EXPECT_EQ(mapped.read(QStringLiteral("d:\\HERE.TXT")), "here");

    environment.set("TANDREL_DRIVE_C", host(QStringLiteral("custom")).toUtf8());
    QDir(host(QStringLiteral("data"))).removeRecursively();
    EXPECT_EQ(DriveFileSystem::rootsFromEnvironment().value(u'C'), host(QStringLiteral("custom")));
    EXPECT_FALSE(QFileInfo::exists(dataDrive));
}

} // namespace
