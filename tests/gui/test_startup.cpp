#include "editor_fixture.h"
#include "script/program_file.h"
#include "startup/sample_programs.h"
#include "startup/screen_check.h"

using namespace tandrel;

namespace {

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
        writeFile(executable, "\x7f"
                              "ELF the running program");
        QFile(executable).setPermissions(QFile(executable).permissions() | QFileDevice::ExeOwner);
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

TEST_F(Startup, WindowsDriveDecidesHomeOrEndsTheProcess) {
    // The drives with a WINDOWS directory, the home found there (none: the process ends).
    const std::tuple<QStringList, QString, const char*> rows[] = {
        {{"C", "D"}, "C:\\TANDREL\\PROGRAMS\\", "C is searched before D"},
        {{"D"}, "D:\\TANDREL\\PROGRAMS\\", "the first drive holding WINDOWS"},
        {{}, "", "no WINDOWS on C to J"},
    };
    for (const auto& [windowsOn, homeDir, reason] : rows) {
        SCOPED_TRACE(reason);
        for (const QChar letter : {'C', 'D'}) {
            QDir(fake.driveRoot(letter)).removeRecursively();
            QDir(fake.driveRoot(letter)).mkpath(windowsOn.contains(letter) ? "WINDOWS" : ".");
        }
        fake.messages.asked.clear();
        fake.processEnd.ends = 0;
        start("");
        const bool ends = homeDir.isEmpty();
        EXPECT_EQ(fake.processEnd.ends, ends ? 1 : 0);
        const QStringList boxes(ends ? 1 : 0, "If your main drive is not C, D,");
        EXPECT_EQ(cutTo(fake.messages.texts(), boxes), boxes);
        if (!ends) {
            EXPECT_EQ(window->globals.HomeDir, homeDir);
        }
        EXPECT_EQ(QDir(fake.driveRoot('C') + "/TANDREL").exists(), homeDir.startsWith('C'));
    }
}

TEST_F(Startup, TheArgumentInstallsUpdatesOrRemoves) {
    const QString question = "UNINSTALL will REMOVE ALL Tandrel programs";
    const QString removed = "The Tandrel program has been removed along";
    const QString byHand = "The Please manually remove the (your drive)";
    // The argument; whether installed before (then the installed program and a sample are
    // made stale); the answer to the uninstall question; the messages; whether the program and
    // its two shortcuts are installed; the undeletable file; what survives on drive C.
    struct Row {
        QString argument;
        bool installedBefore;
        Answer answer;
        QStringList messages;
        bool installs;
        QString stuckName;
        QStringList survivors;
        const char* reason;
        int morePrograms = 0; // the user's, beside the samples
    };
    const QString readMe = "/TANDREL/PROGRAMS/Read Me", link = "/TANDREL/outside-link";
    const QString outside = "/outside.txt", exe = "/TANDREL/Tandrel.exe";
    const Row rows[] = {
        Row("", false, Answer::Ok, {}, true, "", {}, "a first start installs everything"),
        Row("", true, Answer::Ok, {}, false, "", {}, "a second start installs nothing"),
        Row("/u", true, Answer::Ok, {"This Tandrel update is complete."}, true, "", {}, "update"),
        Row("/U", false, Answer::Ok, {}, true, "", {}, "no home: installs, not updates"),
        Row("/x", true, Answer::Cancel, {question}, false, "", {}, "cancelled: nothing goes"),
        Row("/X", true, Answer::Ok, {question, removed}, false, "", {}, "capital X removes"),
        Row("/x", true, Answer::Ok, {question, byHand}, false, "Read Me", {readMe}, "stuck sample"),
        Row("/x", true, Answer::Ok, {question, removed}, false, "", {}, "150 programs", 150),
        Row("/x", true, Answer::Ok, {question, byHand}, false, "",
            {"/TANDREL/PROGRAMS/..\\Read Me"}, "a name holding a backslash names no other file"),
        Row("/x", true, Answer::Ok, {question, byHand}, false, "Tandrel.exe", {exe}, "stuck home"),
        Row("/x", true, Answer::Ok, {question, removed}, false, "", {outside}, "links go as links"),
    };
    const SampleProgram aSample = samplePrograms().first();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        QDir(fake.driveRoot('C')).removeRecursively();
        QDir(fake.driveRoot('C')).mkpath("WINDOWS");
        files.stuckName.clear();
        if (row.installedBefore) {
            start("");
            writeFile(host(exe), "stale");
            ASSERT_TRUE(files.write(aSample.path, "stale"));
        }
        for (const QString& survivor : row.survivors.filter("\\"))
            writeFile(host(survivor), "x");
        for (int n = 0; n < row.morePrograms; ++n)
            writeFile(host(QString("/TANDREL/PROGRAMS/MINE%1.TDX").arg(n)), "a");
        const bool linkOutside = row.survivors.contains(outside);
        if (linkOutside) {
            writeFile(host(outside), "keep");
            QFile::link(host(outside), host(link));
        }
        fake.messages.asked.clear();
        fake.messages.script.clear();
        fake.shortcuts.created.clear();
        fake.shortcuts.removed.clear();
        fake.processEnd.ends = 0;
        files.stuckName = row.stuckName;
        fake.messages.willAnswer(row.answer);
        start(row.argument);

        EXPECT_EQ(cutTo(fake.messages.texts(), row.messages), row.messages);
        if (row.argument.startsWith("/x", Qt::CaseInsensitive)) {
            EXPECT_EQ(fake.messages.asked.first().title, "UNINSTALL Tandrel");
        }
        const bool gone = row.messages.contains(removed) || row.messages.contains(byHand);
        EXPECT_EQ(fake.processEnd.ends, gone ? 1 : 0);
        EXPECT_EQ(fake.shortcuts.removed, gone ? QStringList(2, "Tandrel") : QStringList());
        EXPECT_EQ(fake.shortcuts.created, QStringList(row.installs ? 2 : 0, "Tandrel"));
        const bool kept = !row.survivors.filter("/TANDREL/").isEmpty();
        EXPECT_EQ(QDir(host("/TANDREL")).exists(), !gone || kept);
        for (const QString& survivor : row.survivors)
            EXPECT_TRUE(QFileInfo(host(survivor)).exists()) << survivor.toStdString();
        EXPECT_EQ(readFile(host(exe)) == readFile(executable), row.installs);
        if (row.installs) {
            EXPECT_TRUE(QFileInfo(host(exe)).isExecutable());
        }
        if (!row.installedBefore) {
            for (const SampleProgram& sample : samplePrograms())
                EXPECT_EQ(files.read(sample.path), encodeProgram(sample.lines))
                    << sample.path.toStdString();
        } else if (!gone) {
            EXPECT_EQ(files.read(aSample.path), "stale") << "samples are written only once";
        }
        if (linkOutside) {
            EXPECT_EQ(readFile(host(outside)), "keep");
        }
    }
}

TEST(ScreenCheck, QuestionsAndModeChanges) {
    // The screen, the answers to the questions it asks, the modes set.
    const std::tuple<QSize, QList<Answer>, QList<QSize>> rows[] = {
        {{1024, 768}, {}, {}},
        {{800, 600}, {Answer::No}, {}},
        {{800, 600}, {Answer::Yes, Answer::Cancel}, {{1024, 768}, {800, 600}}}, // back again
        {{800, 600}, {Answer::Yes, Answer::Ok}, {{1024, 768}}},
        {{1280, 720}, {Answer::Yes, Answer::Ok}, {{1024, 768}}}}; // too low
    for (const auto& [screen, answers, expected] : rows) {
        SCOPED_TRACE(testing::Message() << screen.width() << "x" << screen.height() << ", "
                                        << answers.size() << " answers");
        FakeDisplay display;
        display.size = screen;
        FakeMessageBoxes messages;
        messages.script = QQueue<Answer>(answers);
        checkScreenResolution(display, messages);
        QList<QSize> changes;
        for (const DisplayMode& mode : display.changes)
            changes << mode.size;
        EXPECT_EQ(changes, expected);
        ASSERT_EQ(messages.asked.size(), answers.size());
        EXPECT_EQ(messages.unexpectedQuestions, 0);
        const QString said = QString("Your screen settings are %1 By %2.").arg(screen.width());
        if (!answers.isEmpty()) {
            EXPECT_TRUE(messages.asked[0].text.startsWith(said.arg(screen.height())));
        }
    }
}

} // namespace
