// The real tandrel window under Xvfb and openbox, driven by real key presses and clicks
// from another X client. The window mirrors its program list into a file
// (TANDREL_PROGRAM_MIRROR), which is how the test reads what the editor recorded.

#include "qt_printers.h"
#include "x11_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <functional>
#include <utility>

using namespace tandrel::e2e;

namespace {

constexpr int deadlineMs = 30000;

// Control positions in the window's client area, in pixels (design twips / 15).
const QPoint createLabel(72, 14);
const QPoint typingField(76, 41);
const QPoint clipPasteLabel(40, 88);
const QPoint firstProgramLine(160, 72);

class TandrelWindow : public ManagedX11Test {
protected:
    void SetUp() override {
        ManagedX11Test::SetUp();
        ASSERT_TRUE(dir.isValid());
        // A drive C with a system on it: the first start installs there, then waits on the
        // start screen for Create.
        ASSERT_TRUE(QDir(dir.path()).mkpath("drive_c"));
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TANDREL_PROGRAM_MIRROR", dir.filePath("program.txt"));
        env.insert("TANDREL_DRIVE_C", dir.filePath("drive_c"));
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("HOME", dir.path());
        tandrel.setProcessEnvironment(env);
        tandrel.start(QStringLiteral(TANDREL_PATH), {});
        ASSERT_TRUE(tandrel.waitForStarted());
        ASSERT_TRUE(probe.awaitWindowOf(tandrel.processId(), deadlineMs));
        mainWindow = *probe.windowOf(tandrel.processId());
        ASSERT_TRUE(eventually([&] { return activeWindow() == mainWindow; }));
        ASSERT_TRUE(eventually([&] {
            return QFile::exists(dir.filePath("drive_c/TANDREL/PROGRAMS/Read Me"));
        })) << "the first start did not install";
        click(createLabel);
        // Clicks must wait for the window to settle where Create puts it.
        QRect previous;
        ASSERT_TRUE(eventually([&] {
            const QRect now = clientArea();
            return std::exchange(previous, now) == now && now.width() > 1000;
        })) << "Create did not maximise the window";
    }

    // Where the client area lies on the screen and how wide it is.
    QRect clientArea() {
        Window root = 0, child = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(display, mainWindow, &root, &x, &y, &width, &height, &border, &depth);
        XTranslateCoordinates(display, mainWindow, root, 0, 0, &x, &y, &child);
        return QRect(x, y, int(width), int(height));
    }

    void TearDown() override {
        EXPECT_TRUE(probe.keysDown().empty()) << "a key was left down";
        tandrel.kill();
        tandrel.waitForFinished();
        if (display)
            XCloseDisplay(display);
    }

    // The window manager gives the focus to the top-level window it activates.
    unsigned long activeWindow() {
        Window focus = 0;
        int revertTo = 0;
        XGetInputFocus(display, &focus, &revertTo);
        return focus;
    }

    static bool eventually(const std::function<bool()>& condition) {
        QElapsedTimer waited;
        waited.start();
        while (!condition()) {
            if (waited.hasExpired(deadlineMs))
                return false;
            QThread::msleep(50);
        }
        return true;
    }

    // A left click at a point of the main window's client area; the window moves when it
    // is maximised, so its origin is looked up each time.
    void click(QPoint point, int clicks = 1, unsigned button = 1) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, mainWindow, DefaultRootWindow(display), point.x(), point.y(),
                              &x, &y, &child);
        // Paced like a hand: a moment between moving, pressing and releasing, and the two
        // clicks of a double click well inside the double-click time.
        XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
        XSync(display, False);
        QThread::msleep(50);
        for (int i = 0; i < clicks; ++i) {
            XTestFakeButtonEvent(display, button, True, CurrentTime);
            XSync(display, False);
            QThread::msleep(20);
            XTestFakeButtonEvent(display, button, False, CurrentTime);
            XSync(display, False);
            QThread::msleep(20);
        }
    }

    // xclip serves the selection from the background once it owns it.
    static bool ownPrimarySelection(const QString& text) {
        QProcess owner;
        owner.start("xclip", {"-selection", "primary", "-i"});
        owner.write(text.toUtf8());
        owner.closeWriteChannel();
        if (!owner.waitForFinished(deadlineMs))
            return false;
        QProcess reader;
        reader.start("xclip", {"-selection", "primary", "-o"});
        return reader.waitForFinished(deadlineMs) &&
               reader.readAllStandardOutput() == text.toUtf8();
    }

    void tap(const char* keysym) { probe.releaseKey(probe.pressKey(keysym)); }

    QStringList program() {
        QFile file(dir.filePath("program.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return {"<no mirror>"};
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        lines.removeLast();
        return lines;
    }

    QStringList awaitProgram(const QStringList& expected) {
        eventually([&] { return program() == expected; });
        return program();
    }

    QTemporaryDir dir;
    X11Probe probe;
    Display* display = nullptr;
    QProcess tandrel;
    unsigned long mainWindow = 0;
};

} // namespace

TEST_F(TandrelWindow, RealKeysInTheTypingFieldBecomeLines) {
    for (const char* key : {"a", "1", "Return", "Tab", "Left", "c", "F5", "Delete"})
        tap(key);
    const QStringList typed = {"a", "1", "{ENTER}", "{TAB}", "{LEFT}", "c", "{F5}", "{DELETE}"};
    EXPECT_EQ(awaitProgram(typed), typed);

    // Shift asks; Escape answers Cancel, and Shift held with a letter types a capital.
    const int shift = probe.pressKey("Shift_L");
    ASSERT_TRUE(eventually([&] { return activeWindow() && activeWindow() != mainWindow; }))
        << "the SHIFT question did not show";
    probe.releaseKey(shift);
    tap("Escape");
    ASSERT_TRUE(eventually([&] { return activeWindow() == mainWindow; }));
    const int heldShift = probe.pressKey("Shift_L");
    tap("b");
    probe.releaseKey(heldShift);
    EXPECT_EQ(awaitProgram(typed + QStringList{"B"}), typed + QStringList{"B"});
}

TEST_F(TandrelWindow, ASlowSecondClickEditsAndADoubleClickDeletes) {
    // Text that arrives in the typing field as a whole, here pasted from the primary
    // selection with the middle button, becomes one line.
    ASSERT_TRUE(ownPrimarySelection("{Wait}10")) << "xclip is missing or refused";
    click(typingField, 1, 2);
    EXPECT_EQ(awaitProgram({"{Wait}10"}), QStringList({"{Wait}10"}));
    tap("a");
    EXPECT_EQ(awaitProgram({"{Wait}10", "a"}), QStringList({"{Wait}10", "a"}));

    click(firstProgramLine);
    // Slower than any double-click time: the second click opens the line for editing, so
    // the next one-click line replaces it instead of going above it.
    QThread::msleep(1500);
    click(firstProgramLine);
    click(clipPasteLabel);
    EXPECT_EQ(awaitProgram({"{Clip Paste}", "a"}), QStringList({"{Clip Paste}", "a"}));

    click(firstProgramLine, 2);
    EXPECT_EQ(awaitProgram({"a"}), QStringList({"a"}));
}
