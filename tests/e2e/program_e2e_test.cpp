// The real tandrel program under Xvfb and openbox: its first start, installation and removal,
// and its window driven by real key presses and clicks from another X client. The window
// mirrors its program list into a file (TANDREL_PROGRAM_MIRROR), which is how the tests read
// what the editor recorded.

#include "x11_session.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using namespace tandrel::e2e;

namespace {

// Control positions in the window's client area, in pixels (design twips / 15).
const QPoint createLabel(72, 14);
const QPoint typingField(76, 41);
const QPoint clipPasteLabel(40, 88);
const QPoint firstProgramLine(160, 72);

class TandrelE2E : public ManagedX11Test {
protected:
    TandrelE2E() {
        QDir(dir.path()).mkpath("drive_c");
        QDir(dir.path()).mkpath("home/Desktop");
    }

    // With a drive C (without a system on it, so the first start installs there) and a home
    // of its own; until its window shows.
    void start(QProcess& tandrel, const QStringList& arguments = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TANDREL_PROGRAM_MIRROR", dir.filePath("program.txt"));
        env.insert("TANDREL_DRIVE_C", dir.filePath("drive_c"));
        env.insert("HOME", dir.filePath("home"));
        env.insert("XDG_DATA_HOME", dir.filePath("home/data"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("home/config"));
        tandrel.setProcessEnvironment(env);
        tandrel.setProcessChannelMode(QProcess::ForwardedChannels);
        tandrel.start(TANDREL_PATH, arguments);
        ASSERT_TRUE(tandrel.waitForStarted(e2eDeadlineMs));
        ASSERT_TRUE(probe.awaitWindowOf(tandrel.processId(), 2 * e2eDeadlineMs));
    }

    QString drive(const QString& relative) const { return dir.filePath("drive_c/" + relative); }

    QTemporaryDir dir;
    X11Probe probe;
};

// The editor after a first start and a click on Create.
class TandrelWindow : public TandrelE2E {
protected:
    void SetUp() override {
        TandrelE2E::SetUp();
        ASSERT_NO_FATAL_FAILURE(start(tandrel));
        mainWindow = *probe.windowOf(tandrel.processId());
        ASSERT_TRUE(awaitCondition([&] { return probe.focusedWindow() == mainWindow; }));
        ASSERT_TRUE(awaitCondition([&] {
            return QFile::exists(drive("TANDREL/PROGRAMS/Read Me"));
        })) << "the first start did not install";
        click(createLabel);
        ASSERT_TRUE(awaitCondition([&] {
            return probe.hasWindowState(tandrel.processId(), "_NET_WM_STATE_MAXIMIZED_VERT") &&
                   probe.hasWindowState(tandrel.processId(), "_NET_WM_STATE_MAXIMIZED_HORZ");
        })) << "Create did not open the editor, which maximises the window";
    }

    void TearDown() override {
        EXPECT_TRUE(probe.keysDown().empty()) << "a key was left down";
        tandrel.kill();
        tandrel.waitForFinished(e2eDeadlineMs);
    }

    void click(QPoint point, int clicks = 1, unsigned button = 1) {
        probe.clickAt(tandrel.processId(), point.x(), point.y(), clicks, button);
    }

    // What the editor's program list holds once it holds the expected lines, or at the deadline.
    void expectProgram(const QStringList& expected) {
        const auto program = [&] {
            QFile file(dir.filePath("program.txt"));
            if (!file.open(QIODevice::ReadOnly))
                return QStringList{"<no mirror>"};
            QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
            lines.removeLast();
            return lines;
        };
        awaitCondition([&] { return program() == expected; });
        EXPECT_EQ(program(), expected);
    }

    QProcess tandrel;
    unsigned long mainWindow = 0;
};

// xclip serves the selection from the background once it owns it.
bool ownPrimarySelection(const QString& text) {
    QProcess owner;
    owner.start("xclip", {"-selection", "primary", "-i"});
    owner.write(text.toUtf8());
    owner.closeWriteChannel();
    QProcess reader;
    if (owner.waitForFinished(e2eDeadlineMs))
        reader.start("xclip", {"-selection", "primary", "-o"});
    return reader.waitForFinished(e2eDeadlineMs) && reader.readAllStandardOutput() == text.toUtf8();
}

TEST_F(TandrelWindow, InstallsEverythingAndUninstallRemovesAll) {
    EXPECT_TRUE(QFileInfo(drive("TANDREL/Tandrel.exe")).isExecutable());
    EXPECT_TRUE(QFile::exists(drive("TANDREL/PROGRAMS/Sample Timer.TDX")));
    EXPECT_TRUE(QFile::exists(dir.filePath("home/Desktop/Tandrel.desktop")));
    EXPECT_TRUE(QFile::exists(dir.filePath("home/data/applications/Tandrel.desktop")));
    tandrel.terminate();
    ASSERT_TRUE(tandrel.waitForFinished(e2eDeadlineMs));

    // Each box is answered with Return until the removal ends.
    QProcess removal;
    start(removal, {"/x"});
    EXPECT_TRUE(awaitCondition(
        [&] {
            if (removal.waitForFinished(1500))
                return true;
            if (probe.focusedPid() == removal.processId())
                probe.tapKey("Return");
            return false;
        },
        3 * e2eDeadlineMs));
    EXPECT_EQ(removal.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(removal.exitCode(), 0);
    EXPECT_FALSE(QDir(drive("TANDREL")).exists());
    EXPECT_FALSE(QFile::exists(dir.filePath("home/Desktop/Tandrel.desktop")));
}

TEST_F(TandrelWindow, RealKeysInTheTypingFieldBecomeLines) {
    for (const char* key : {"a", "1", "Return", "Tab", "Left", "c", "F5", "Delete"})
        probe.tapKey(key);
    const QStringList typed = {"a", "1", "{ENTER}", "{TAB}", "{LEFT}", "c", "{F5}", "{DELETE}"};
    expectProgram(typed);

    // Shift asks; Escape answers Cancel, and Shift held with a letter types a capital.
    const int shift = probe.pressKey("Shift_L");
    ASSERT_TRUE(awaitCondition([&] {
        return probe.focusedPid() == tandrel.processId() && probe.focusedWindow() != mainWindow;
    })) << "the SHIFT question did not show";
    probe.releaseKey(shift);
    probe.tapKey("Escape");
    ASSERT_TRUE(awaitCondition([&] { return probe.focusedWindow() == mainWindow; }));
    const int heldShift = probe.pressKey("Shift_L");
    probe.tapKey("b");
    probe.releaseKey(heldShift);
    expectProgram(typed + QStringList{"B"});
}

TEST_F(TandrelWindow, ASlowSecondClickEditsAndADoubleClickDeletes) {
    // Text that arrives in the typing field as a whole, here pasted from the primary
    // selection with the middle button, becomes one line.
    ASSERT_TRUE(ownPrimarySelection("{Wait}10")) << "xclip is missing or refused";
    click(typingField, 1, 2);
    expectProgram({"{Wait}10"});
    probe.tapKey("a");
    expectProgram({"{Wait}10", "a"});

    click(firstProgramLine);
    // The user's own timing, not a wait: slower than any double-click time, the second click
    // opens the line for editing, so the next one-click line replaces it instead of going
    // above it.
    QThread::msleep(1500);
    click(firstProgramLine);
    click(clipPasteLabel);
    expectProgram({"{Clip Paste}", "a"});

    click(firstProgramLine, 2);
    expectProgram({"a"});
}

TEST_F(TandrelE2E, TwoFirstStartsAtOnceBothComeUpAndLeaveOneCompleteInstallation) {
    QProcess one;
    QProcess two;
    start(one);
    start(two);
    // The installations run after the windows show, the sample programs last; whichever
    // wrote last, the installation ends complete with no half-written file left.
    const QFileInfo built(TANDREL_PATH);
    const auto halfWritten = [&](const QString& folder) {
        return QDir(drive(folder)).entryList({"*.new", ".*"}, QDir::Files | QDir::Hidden);
    };
    EXPECT_TRUE(awaitCondition([&] {
        return QFile::exists(dir.filePath("home/data/applications/Tandrel.desktop")) &&
               QDir(drive("TANDREL/PROGRAMS")).entryList(QDir::Files).size() == 6 &&
               QFileInfo(drive("TANDREL/Tandrel.exe")).size() == built.size() &&
               halfWritten("TANDREL").isEmpty() && halfWritten("TANDREL/PROGRAMS").isEmpty();
    })) << halfWritten("TANDREL").join(' ').toStdString()
        << " " << QDir(drive("TANDREL/PROGRAMS")).entryList(QDir::Files).join(", ").toStdString();
    EXPECT_EQ(one.state(), QProcess::Running);
    EXPECT_EQ(two.state(), QProcess::Running);
    QFile installed(drive("TANDREL/Tandrel.exe"));
    QFile original(built.filePath());
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_TRUE(installed.readAll() == original.readAll());
    for (QProcess* tandrel : {&one, &two}) {
        tandrel->kill();
        tandrel->waitForFinished(e2eDeadlineMs);
    }
}

} // namespace
