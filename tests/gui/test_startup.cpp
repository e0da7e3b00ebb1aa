#include "platform/fake/fake_platform.h"
#include "runner/program_file.h"
#include "startup/sample_programs.h"
#include "startup/screen_check.h"
#include "window/colours.h"
#include "window/tandrel.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tandrel;

namespace {

const QString kRemoved = "The Tandrel program has been removed along with related files and "
                         "directories.  From the control panel select Add/Remove Programs and "
                         "select to remove Tandrel.  This will complete the uninstall.";
const QString kNoDrive =
    "If your main drive is not C, D, E, F, G, H, I OR J this program will not work.";

// Drives C, D and Z over real directories; erasing one chosen name always fails.
class StartupFiles : public DriveFileSystem {
public:
    using DriveFileSystem::DriveFileSystem;
    Status erase(const QString& path) override {
        if (!stuckName.isEmpty() && path.endsWith(stuckName, Qt::CaseInsensitive))
            return Status::failure("in use");
        return DriveFileSystem::erase(path);
    }
    QString stuckName;
};

class Startup : public testing::Test {
protected:
    Startup()
        : files({{'C', fake.driveRoot('C')},
                 {'D', fake.driveRoot('D')},
                 {'Z', fake.driveRoot('Z')}}) {
        QDir(fake.root.path()).mkpath("drive_d");
        executable = fake.root.path() + "/built-tandrel";
        QFile file(executable);
        file.open(QIODevice::WriteOnly);
        file.write("\x7f"
                   "ELF the running program");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        // The start screen is left at the first wait, after its one full flash.
        fake.clock.onWait = [this] {
            if (window)
                window->Picture1->hide();
        };
    }

    void start(const QString& argument) {
        window = std::make_unique<Tandrel>(Platform{
            fake.keystrokes, fake.windows, fake.processes, fake.clipboard, files, fake.messages,
            fake.clock, fake.printer, fake.display, fake.shortcuts, fake.processEnd});
        window->executablePath = executable;
        window->processArgument = argument;
        window->Form_Load();
    }
    QString host(const QString& relative) const { return fake.driveRoot('C') + relative; }

    FakePlatform fake;
    StartupFiles files;
    QString executable;
    std::unique_ptr<Tandrel> window;
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(Startup, WindowsDriveDecidesHomeOrEndsTheProcess) {
    struct Row {
        QStringList windowsOn;
        QString homeDir; // empty: the process ends
        const char* reason;
    };
    const Row rows[] = {
        {{"C", "D"}, "C:\\TANDREL\\PROGRAMS\\", "C is searched before D"},
        {{"D"}, "D:\\TANDREL\\PROGRAMS\\", "the first drive holding WINDOWS"},
        {{}, "", "no WINDOWS on C to J"},
    };
    for (const Row& row : rows) {
        for (const QChar letter : {'c', 'd'})
            QDir(fake.root.path() + "/drive_" + letter).removeRecursively();
        for (const QChar letter : {'c', 'd'})
            QDir(fake.root.path()).mkpath(QString("drive_") + letter);
        for (const QString& letter : row.windowsOn)
            QDir(fake.driveRoot(letter[0])).mkpath("WINDOWS");
        fake.messages.asked.clear();
        fake.processEnd.ends = 0;
        start("");
        const bool ends = row.homeDir.isEmpty();
        EXPECT_EQ(fake.processEnd.ends, ends ? 1 : 0) << row.reason;
        EXPECT_EQ(fake.messages.texts(), ends ? QStringList{kNoDrive} : QStringList{})
            << row.reason;
        if (!ends)
            EXPECT_EQ(window->globals.HomeDir, row.homeDir) << row.reason;
        EXPECT_EQ(QDir(fake.driveRoot('C') + "/TANDREL").exists(), row.homeDir.startsWith('C'))
            << row.reason;
    }
}

TEST_F(Startup, FirstStartInstallsEverythingAndASecondStartNothing) {
    QDir(fake.driveRoot('C')).mkpath("WINDOWS");
    start("");
    EXPECT_EQ(contentOf(host("/TANDREL/Tandrel.exe")), contentOf(executable));
    EXPECT_TRUE(QFileInfo(host("/TANDREL/Tandrel.exe")).isExecutable());
    for (const SampleProgram& sample : samplePrograms()) {
        const auto written = files.read(sample.path);
        ASSERT_TRUE(written.has_value()) << sample.path.toStdString();
        EXPECT_EQ(*written, encodeProgram(sample.lines)) << sample.path.toStdString();
    }
    EXPECT_EQ(fake.shortcuts.created, QStringList({"Tandrel", "Tandrel"}));

    QFile::remove(host("/TANDREL/PROGRAMS/Read Me"));
    fake.shortcuts.created.clear();
    start("");
    EXPECT_FALSE(QFile::exists(host("/TANDREL/PROGRAMS/Read Me"))) << "samples rewritten";
    EXPECT_TRUE(fake.shortcuts.created.isEmpty());
    EXPECT_TRUE(fake.messages.asked.isEmpty());
}

TEST_F(Startup, InstallationOptions) {
    struct Row {
        QString argument;
        bool installedBefore;
        QList<Answer> answers;
        QStringList messages;
        bool homeAfter;
        int ends;
        const char* reason;
    };
    const QString uninstallQuestion =
        "UNINSTALL will REMOVE ALL Tandrel programs, files, and directories including any you "
        "have created.  You may want to backup your own before continuing with this uninstall "
        "procedure.  To continue this uninstall press 'OK' to stop here press 'CANCEL'";
    const Row rows[] = {
        {"/u", true, {}, {"This Tandrel update is complete."}, true, 0, "update"},
        {"/U", false, {}, {}, true, 0, "no home: installs instead of updating"},
        {"/x", true, {Answer::Cancel}, {uninstallQuestion}, true, 0, "cancelled: nothing goes"},
        {"/X", true, {Answer::Ok}, {uninstallQuestion, kRemoved}, false, 1, "capital X removes"},
    };
    for (const Row& row : rows) {
        QDir(fake.driveRoot('C')).removeRecursively();
        QDir(fake.driveRoot('C')).mkpath("WINDOWS");
        if (row.installedBefore) {
            start("");
            QFile::remove(host("/TANDREL/Tandrel.exe"));
        }
        fake.messages.asked.clear();
        fake.shortcuts.created.clear();
        fake.shortcuts.removed.clear();
        fake.processEnd.ends = 0;
        for (const Answer answer : row.answers)
            fake.messages.willAnswer(answer);
        start(row.argument);
        EXPECT_EQ(fake.messages.texts(), row.messages) << row.reason;
        EXPECT_EQ(QDir(host("/TANDREL")).exists(), row.homeAfter) << row.reason;
        EXPECT_EQ(fake.processEnd.ends, row.ends) << row.reason;
        const bool removed = row.ends == 1;
        EXPECT_EQ(fake.shortcuts.removed.size(), removed ? 2 : 0) << row.reason;
        if (!removed)
            EXPECT_EQ(QFile::exists(host("/TANDREL/Tandrel.exe")), row.argument != "/x")
                << row.reason << ": executable refreshed only by an install or update";
    }
}

TEST_F(Startup, UninstallNeitherHangsNorLeavesItsDirectories) {
    struct Row {
        QString stuckName;
        bool linkOutside;
        QStringList survivors; // relative to drive C's root
        const char* reason;
    };
    const Row rows[] = {
        {"Read Me", false, {"/TANDREL/PROGRAMS/Read Me"}, "undeletable program file"},
        {"", true, {"/TANDREL/outside-link", "/outside.txt"}, "a link and its target stay"},
    };
    for (const Row& row : rows) {
        QDir(fake.driveRoot('C')).removeRecursively();
        QDir(fake.driveRoot('C')).mkpath("WINDOWS");
        files.stuckName.clear();
        start("");
        if (row.linkOutside) {
            QFile outside(host("/outside.txt"));
            outside.open(QIODevice::WriteOnly);
            outside.write("keep");
            outside.close();
            QFile::link(host("/outside.txt"), host("/TANDREL/outside-link"));
        }
        files.stuckName = row.stuckName;
        fake.processEnd.ends = 0;
        fake.messages.willAnswer(Answer::Ok);
        start("/x");
        EXPECT_EQ(fake.processEnd.ends, 1) << row.reason;
        for (const QString& survivor : row.survivors)
            EXPECT_TRUE(QFileInfo(host(survivor)).exists()) << row.reason;
        EXPECT_FALSE(QFile::exists(host("/TANDREL/Tandrel.exe"))) << row.reason;
        if (row.linkOutside)
            EXPECT_EQ(contentOf(host("/outside.txt")), "keep") << row.reason;
    }
}

TEST_F(Startup, CreateFlashesCyanAndYellowThenTurnsWhite) {
    QDir(fake.driveRoot('C')).mkpath("WINDOWS");
    QDir(fake.driveRoot('C')).mkpath("TANDREL/PROGRAMS");
    QList<QColor> seen;
    qint64 before = fake.clock.monotonic;
    QList<qint64> steps;
    fake.clock.onWait = [&] {
        seen << backgroundOf(window->Label1);
        steps << fake.clock.monotonic - before;
        before = fake.clock.monotonic;
        if (seen.size() == 4)
            window->Picture1->hide();
    };
    start("");
    const QColor cyan = classicColour(PaletteColour::LightCyan);
    const QColor yellow = classicColour(PaletteColour::Yellow);
    EXPECT_EQ(seen, QList<QColor>({cyan, yellow, cyan, yellow}));
    EXPECT_EQ(steps, QList<qint64>({350, 350, 350, 350}));
    EXPECT_EQ(backgroundOf(window->Label1), classicColour(PaletteColour::White));
    EXPECT_TRUE(window->Command1->isHidden());
}

TEST(ScreenCheck, QuestionsAndModeChanges) {
    struct Row {
        QSize screen;
        QList<Answer> answers;
        int questions;
        QList<QSize> changes;
        const char* reason;
    };
    const Row rows[] = {
        {{1024, 768}, {}, 0, {}, "large enough"},
        {{1280, 1024}, {}, 0, {}, "larger"},
        {{800, 600}, {Answer::No}, 1, {}, "No keeps the mode"},
        {{800, 600}, {Answer::Yes, Answer::Cancel}, 2, {{1024, 768}, {800, 600}}, "back again"},
        {{800, 600}, {Answer::Yes, Answer::Ok}, 2, {{1024, 768}}, "kept"},
        {{1280, 720}, {Answer::Yes, Answer::Ok}, 2, {{1024, 768}}, "too low"},
    };
    for (const Row& row : rows) {
        FakeDisplay display;
        display.size = row.screen;
        FakeMessageBoxes messages;
        for (const Answer answer : row.answers)
            messages.willAnswer(answer);
        checkScreenResolution(display, messages);
        QList<QSize> changes;
        for (const DisplayMode& mode : display.changes)
            changes << mode.size;
        EXPECT_EQ(changes, row.changes) << row.reason;
        ASSERT_EQ(messages.asked.size(), row.questions) << row.reason;
        EXPECT_EQ(messages.unexpectedQuestions, 0) << row.reason;
        if (row.questions > 0)
            EXPECT_TRUE(messages.asked[0].text.startsWith(
                QString("Your screen settings are %1 By %2.  To display Tandrel")
                    .arg(row.screen.width())
                    .arg(row.screen.height())))
                << row.reason;
    }
}

} // namespace
