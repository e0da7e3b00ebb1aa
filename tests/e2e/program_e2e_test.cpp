// The real tandrel program under Xvfb and openbox on a drive C of its own: installation and
// removal, command-line runs into real target windows, and real keys and clicks in its editor.
// The window mirrors its program list into TANDREL_PROGRAM_MIRROR, which the tests read.

#include "platform/posix/xdg_shortcuts.h"
#include "x11_session.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <utility>

using namespace tandrel::e2e;

namespace {

// Centres of controls in client-area pixels, from their design geometry in twips / 15; the
// panel button is "Save File" or "Open File".
const QPoint createLabel(72, 14), saveButton(836, 16), pathField(708, 84), panelButton(776, 116),
    typingField(76, 41), firstProgramLine(160, 72);

// One drive C and home for each suite, on which a first start has installed the system.
class ProgramE2E : public ManagedX11Test {
protected:
    static void SetUpTestSuite() {
        ManagedX11Test::SetUpTestSuite();
        drive_ = std::make_unique<QTemporaryDir>();
        QDir(drive_->path()).mkpath("drive_c");
        QDir(drive_->path()).mkpath("Desktop");
        QProcess first; // installs the system on drive C, the "Read Me" sample last
        start(first, {});
        awaitCondition([] { return QFile::exists(programs("Read Me")); }, 2 * e2eDeadlineMs);
        first.kill();
        first.waitForFinished(e2eDeadlineMs);
    }

    void TearDown() override {
        EXPECT_TRUE(probe.keysDown().empty()) << "a key was left down";
        tandrel.kill();
        tandrel.waitForFinished(e2eDeadlineMs);
    }

    // The client area on the screen, without the manager's frame.
    QRect clientArea(Window window) {
        XWindowAttributes area{};
        XGetWindowAttributes(display, window, &area);
        Window child = 0;
        XTranslateCoordinates(display, window, area.root, 0, 0, &area.x, &area.y, &child);
        return {area.x, area.y, area.width, area.height};
    }

    void click(QPoint point, int clicks = 1, unsigned button = 1) {
        probe.clickAt(tandrel.processId(), point.x(), point.y(), clicks, button);
    }

    static QString path(const QString& relative) { return drive_->filePath(relative); }
    static void write(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QString programs(const QString& name) {
        return path("drive_c/TANDREL/PROGRAMS/" + name);
    }

    static void start(QProcess& process, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TANDREL_DRIVE_C", path("drive_c"));
        env.insert("TANDREL_PROGRAM_MIRROR", path("program.txt"));
        env.insert("HOME", drive_->path());
        env.insert("XDG_DATA_HOME", path("data"));
        env.insert("XDG_CONFIG_HOME", path("config"));
        process.setProcessEnvironment(env);
        process.start(TANDREL_PATH, arguments);
        process.waitForStarted(e2eDeadlineMs);
    }

    // Starts tandrel and returns its main window once the manager has taken it on.
    Window startTandrel(const QStringList& arguments) {
        QFile::remove(path("program.txt"));
        start(tandrel, arguments);
        EXPECT_TRUE(probe.awaitManagedWindowOf(tandrel.processId(), 2 * e2eDeadlineMs));
        return probe.windowOf(tandrel.processId());
    }

    // The program under edit as the mirror has it comes to be the expected one.
    static void expectProgram(const QStringList& expected) {
        const auto mirror = [] {
            QFile file(path("program.txt"));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<none>";
        };
        const QString text = expected.join(u'\n') + (expected.isEmpty() ? "" : "\n");
        EXPECT_EQ(awaitValue(mirror, [&](const QString& now) { return now == text; }), text);
    }

    static QString selection(const char* which) {
        QProcess xclip;
        xclip.start("xclip", {"-selection", which, "-o"});
        xclip.waitForFinished(e2eDeadlineMs);
        return QString::fromUtf8(xclip.readAllStandardOutput());
    }

    // Once a box of tandrel's has the focus: releases the held key, copies the text with Ctrl+C,
    // expects it to start with the given one, answers with the key and waits until the focus is
    // back on tandrel's main window.
    void answerBox(const QString& expected, const char* answer = "Return", int heldKey = 0) {
        const qint64 pid = tandrel.processId();
        ASSERT_TRUE(awaitCondition([&] { return probe.focusRestsOn(pid, true); })) << "no box";
        if (heldKey)
            probe.releaseKey(heldKey);
        const int control = probe.pressKey("Control_L");
        probe.tapKey("c");
        probe.releaseKey(control);
        const QString text =
            awaitValue([] { return selection("clipboard"); },
                       [&](const QString& now) { return now.startsWith(expected); });
        EXPECT_TRUE(text.startsWith(expected)) << text.toStdString();
        probe.tapKey(answer);
        EXPECT_TRUE(awaitCondition([&] { return probe.focusRestsOn(pid, false); }))
            << "the focus did not come back";
    }

    static inline std::unique_ptr<QTemporaryDir> drive_;
    X11Probe probe;
    Display* const display = probe.display();
    QProcess tandrel;
};

// Lines reach the target, Run Program starts another, the waits end and {eXit} ends tandrel.
TEST_F(ProgramE2E, ANamedProgramRunsInTheSmallRunWindowIntoTheTargetsAndAHostPathIsRefused) {
    TargetWindow target("Target One");
    ASSERT_TRUE(target.started());
    const QString started = path("started.json");
    write(path("paste.txt"), "first line\r\nsecond line\r\n");
    // One line per '|'. The run holds at the file wait until the test has seen the run window,
    // so that a manager slow to focus it cannot take the focus back from the target.
    const QStringList lines =
        QString("{File Wait}C:\\GO.TXT|{Focus On}target one|a|+|^|{|(|{SHIFT}abc|{ENTER}|"
                "{Text Paste}é € Ж 中|{File Paste}%1|x|{BACKSPACE}|{SHIFT}xyz|{LEFT}|{LEFT}|{TAB}|"
                "{F5}|{CTRL}a|{File Wait}C:\\ready.txt|{Run Program}%2 --title Started --out %3|"
                "{Wait}20|{Clip Wait}Total|{Focus On}Started|{Clip Paste}|{eXit}")
            .arg(path("paste.txt"), TargetWindow::targetProgram(), started)
            .split(u'|');
    write(programs("MINE.TDX"), (lines.join("\r\n") + "\r\n").toUtf8());
    const Window window = startTandrel({"MINE"});
    expectProgram(lines);
    // Small, with its right part beyond the real screen's edge, out of the targets' way.
    EXPECT_TRUE(awaitCondition([&] {
        const QRect area = clientArea(window);
        return area.width() < 400 && area.right() > DisplayWidth(display, 0);
    })) << "the run window is not where it belongs";

    write(path("drive_c/GO.TXT"), {});
    const TargetRecord record =
        target.awaitRecord([](const TargetRecord& r) { return r.keys.contains("<Ctrl+A>"); });
    EXPECT_EQ(record.text, "a+^{(ABC\né € Ж 中\nfirst line\nX\tYZ");
    const QStringList lastKeys = {"X", "Y", "Z", "<Left>", "<Left>", "<Tab>", "<F5>", "<Ctrl+A>"};
    EXPECT_EQ(record.keys.mid(record.keys.size() - lastKeys.size()), lastKeys);

    // The file and then the clipboard text come a while after the run starts waiting on them.
    QProcess clipboardOwner;
    clipboardOwner.start("sh", {"-c", "touch '" + path("drive_c/ready.txt") +
                                          "'; sleep 1; printf 'Total: 12' | "
                                          "xclip -selection clipboard -i -loops 50"});
    EXPECT_TRUE(tandrel.waitForFinished(4 * e2eDeadlineMs));
    EXPECT_EQ(tandrel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tandrel.exitCode(), 0);
    EXPECT_EQ(awaitValue([&] { return readTargetRecord(started).text; },
                         [](const QString& text) { return text == "Total: 12\n"; }),
              "Total: 12\n");
    clipboardOwner.kill();
    clipboardOwner.waitForFinished(e2eDeadlineMs);

    // A host path is no stored program: taken loosely, the name would reach a real file.
    write(path("MINE"), "q\r\n");
    startTandrel({path("MINE")});
    answerBox("The program you specified to run    '" + path("MINE") + "'");
    expectProgram({}); // nothing is loaded
    EXPECT_EQ(tandrel.state(), QProcess::Running);
    // Ctrl+C in the shell that started it: keys released, the shell's status for SIGINT.
    ::kill(pid_t(tandrel.processId()), SIGINT);
    EXPECT_TRUE(tandrel.waitForFinished(e2eDeadlineMs));
    EXPECT_EQ(std::pair(tandrel.exitStatus(), tandrel.exitCode()),
              std::pair(QProcess::NormalExit, 128 + SIGINT));
}

TEST_F(ProgramE2E, RealKeysClicksAndAPasteMakeLinesAndAProgramSavedByClicksIsOnDisk) {
    const Window window = startTandrel({});
    // Create ends the start screen: its label shows white, its flashing over, and the window
    // settles maximised.
    click(createLabel);
    EXPECT_TRUE(awaitCondition([&] {
        XImage* image = XGetImage(display, window, createLabel.x(), createLabel.y() - 6, 1, 1,
                                  AllPlanes, ZPixmap);
        const unsigned long colour = image ? XGetPixel(image, 0, 0) : 0;
        if (image)
            XDestroyImage(image);
        return (colour & 0xffffff) == 0xffffff;
    })) << "the start screen did not end";
    QRect previous;
    EXPECT_TRUE(awaitCondition([&] {
        const QRect now = clientArea(window);
        QThread::msleep(100);
        return std::exchange(previous, now) == now && now.width() > 1000;
    })) << "Create did not maximise the window";
    // A primary selection pasted with the middle button is one line; xclip serves it in the
    // background.
    QProcess owner;
    owner.start("xclip", {"-selection", "primary", "-i"});
    owner.write("{Wait}10");
    owner.closeWriteChannel();
    ASSERT_TRUE(owner.waitForFinished(e2eDeadlineMs) &&
                awaitCondition([] { return selection("primary") == "{Wait}10"; }))
        << "xclip is missing or refused";
    click(typingField, 1, 2);
    expectProgram({"{Wait}10"});
    for (const char* key : {"a", "1", "Return", "Tab", "Left", "F5", "Delete"})
        probe.tapKey(key);
    // Shift asks; Escape answers Cancel, and Shift held with a letter types a capital.
    answerBox("Press OK to insert the word '{SHIFT}'", "Escape", probe.pressKey("Shift_L"));
    const int heldShift = probe.pressKey("Shift_L");
    probe.tapKey("b");
    probe.releaseKey(heldShift);
    const QStringList lines = {"a", "1", "{ENTER}", "{TAB}", "{LEFT}", "{F5}", "{DELETE}", "B"};
    expectProgram(QStringList{"{Wait}10"} + lines);
    click(firstProgramLine, 2); // a real double click deletes the line
    expectProgram(lines);
    // The path field proposes the programs directory; a click puts the caret at its end.
    click(saveButton);
    click(pathField);
    for (const char* key : {"s", "a", "v", "e", "d"})
        probe.tapKey(key);
    click(panelButton);
    answerBox("Your program has been saved in the file:  C:\\TANDREL\\PROGRAMS\\saved.TDX");
    QFile file(programs("saved.TDX"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "nothing saved";
    EXPECT_EQ(file.readAll(), (lines.join("\r\n") + "\r\n").toUtf8());
}

// The suite's last test, as it takes the installation away.
TEST_F(ProgramE2E, TheFirstStartInstalledTheShortcutsAndARemovalTakesAllAway) {
    // The start-up tests check the files; the shortcuts here are real ones.
    const QString menuEntry = path("data/applications/" + tandrel::desktopFileId() + ".desktop");
    EXPECT_TRUE(QFile::exists(path("Desktop/Tandrel.desktop")));
    EXPECT_TRUE(QFile::exists(menuEntry));

    // Each box is answered with Return until the removal ends.
    start(tandrel, {"/x"});
    EXPECT_TRUE(awaitCondition(
        [&] {
            if (tandrel.waitForFinished(1500))
                return true;
            if (probe.focusedPid() == tandrel.processId())
                probe.tapKey("Return");
            return false;
        },
        3 * e2eDeadlineMs));
    EXPECT_EQ(tandrel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tandrel.exitCode(), 0);
    EXPECT_FALSE(QDir(path("drive_c/TANDREL")).exists());
    EXPECT_FALSE(QFile::exists(path("Desktop/Tandrel.desktop")));
    EXPECT_FALSE(QFile::exists(menuEntry));
}

} // namespace
