// The real program under Xvfb and openbox on an installed drive C: a program named on the
// command line runs in the small run window and types into a real target window, names that
// are not exactly a stored program are refused, and a program saved through real clicks is on
// disk with CR LF and opens again. The window mirrors its program list into a file
// (TANDREL_PROGRAM_MIRROR), which is how the test reads what the editor holds.

#include "x11_session.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cstdlib>
#include <utility>

using namespace tandrel::e2e;

namespace {

// The centre of a control given by its design geometry in twips, in client-area pixels.
constexpr QPoint centre(int left, int top, int width, int height) {
    return {(left + width / 2) / 15, (top + height / 2) / 15};
}
const QPoint createLabel = centre(840, 120, 495, 195);
const QPoint editLabel = centre(1440, 120, 285, 195);
const QPoint saveButton = centre(12240, 120, 615, 255);
const QPoint pathField = centre(6360, 1080, 8535, 375);
const QPoint panelButton = centre(10680, 1560, 1935, 375); // "Save File" / "Open File"

// The tests' own reading of the top-level windows that the window manager holds.
class Screen {
public:
    Screen()
        : display_(XOpenDisplay(nullptr)) {}
    ~Screen() { XCloseDisplay(display_); }

    struct Client {
        Window window = 0;
        QString title;
    };

    QList<Client> clientsOf(qint64 pid) {
        QList<Client> clients;
        for (unsigned long window :
             property(DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW, 32)) {
            const auto owner = property(window, "_NET_WM_PID", XA_CARDINAL, 32);
            if (owner.size() == 1 && qint64(owner[0]) == pid)
                clients.append({window, title(window)});
        }
        return clients;
    }

    QString title(Window window) {
        const auto bytes =
            property(window, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False), 8);
        QByteArray utf8;
        for (unsigned long byte : bytes)
            utf8.append(char(byte));
        return QString::fromUtf8(utf8);
    }

    // The client area on the screen, without the manager's frame.
    QRect clientArea(Window window) {
        Window root = 0, child = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(display_, window, &root, &x, &y, &width, &height, &border, &depth);
        XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child);
        return {x, y, int(width), int(height)};
    }

    QSize size() {
        return {DisplayWidth(display_, DefaultScreen(display_)),
                DisplayHeight(display_, DefaultScreen(display_))};
    }

    // A left click paced like a hand's, at a point of the window's client area.
    void click(Window window, QPoint point) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, DefaultRootWindow(display_), point.x(), point.y(),
                              &x, &y, &child);
        XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
        XSync(display_, False);
        QThread::msleep(50);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XSync(display_, False);
        QThread::msleep(20);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XSync(display_, False);
    }

private:
    std::vector<unsigned long> property(Window window, const char* name, Atom type, int format) {
        Atom actualType = 0;
        int actualFormat = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> items;
        if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1024, False,
                               type, &actualType, &actualFormat, &count, &remaining,
                               &data) == Success &&
            data && actualFormat == format) {
            for (unsigned long i = 0; i < count; ++i)
                items.push_back(format == 8 ? data[i] : reinterpret_cast<unsigned long*>(data)[i]);
        }
        if (data)
            XFree(data);
        return items;
    }

    Display* display_;
};

class FilePanelE2E : public ManagedX11Test {
protected:
    static void SetUpTestSuite() {
        ManagedX11Test::SetUpTestSuite();
        drive_ = std::make_unique<QTemporaryDir>();
        QDir(drive_->path()).mkpath("drive_c");
        // The first start installs the system on drive C, the "Read Me" sample last.
        QProcess first;
        start(first, {});
        awaitCondition([] { return QFile::exists(programs("Read Me")); }, 2 * e2eDeadlineMs);
        first.kill();
        first.waitForFinished(e2eDeadlineMs);
    }
    static void TearDownTestSuite() {
        drive_.reset();
        ManagedX11Test::TearDownTestSuite();
    }

    void TearDown() override {
        EXPECT_TRUE(probe.keysDown().empty()) << "a key was left down";
        tandrel.kill();
        tandrel.waitForFinished(e2eDeadlineMs);
    }

    static QString path(const QString& relative) { return drive_->filePath(relative); }
    static QString programs(const QString& name) {
        return path("drive_c/TANDREL/PROGRAMS/" + name);
    }

    static void start(QProcess& process, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TANDREL_DRIVE_C", path("drive_c"));
        env.insert("TANDREL_PROGRAM_MIRROR", path("program.txt"));
        env.insert("HOME", drive_->path());
        env.insert("XDG_DATA_HOME", path("data"));
        process.setProcessEnvironment(env);
        process.start(TANDREL_PATH, arguments);
        process.waitForStarted(e2eDeadlineMs);
    }

    // Starts tandrel and returns its main window once the manager has taken it on.
    Window startTandrel(const QStringList& arguments) {
        QFile::remove(path("program.txt"));
        start(tandrel, arguments);
        EXPECT_TRUE(probe.awaitManagedWindowOf(tandrel.processId(), 2 * e2eDeadlineMs));
        const auto clients = screen.clientsOf(tandrel.processId());
        return clients.isEmpty() ? 0 : clients.first().window;
    }

    // The lines of the program under edit, as the mirror has them.
    static QStringList program() {
        QFile file(path("program.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return {"<no mirror>"};
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        lines.removeLast();
        return lines;
    }
    static QStringList awaitProgram(const QStringList& expected) {
        awaitCondition([&] { return program() == expected; });
        return program();
    }

    // Waits for a message box of tandrel's, other than its main window, to have the focus,
    // copies its text with Ctrl+C and answers it with Return; returns the text once it holds
    // what is expected, or as it last was.
    QString answerBox(Window mainWindow, const QString& expected) {
        const auto box = [&] {
            for (const Screen::Client& client : screen.clientsOf(tandrel.processId()))
                if (client.window != mainWindow && client.title == "Tandrel")
                    return client.window;
            return Window(0);
        };
        if (!awaitCondition([&] { return box() && probe.focusedPid() == tandrel.processId(); }))
            return "<no message box>";
        const int control = probe.pressKey("Control_L");
        tap("c");
        probe.releaseKey(control);
        QString text;
        awaitCondition([&] {
            QProcess clipboard;
            clipboard.start("xclip", {"-selection", "clipboard", "-o"});
            clipboard.waitForFinished(e2eDeadlineMs);
            text = QString::fromUtf8(clipboard.readAllStandardOutput());
            return text.contains(expected);
        });
        tap("Return");
        awaitCondition([&] { return !box(); });
        return text;
    }

    void tap(const char* keysym) { probe.releaseKey(probe.pressKey(keysym)); }

    static inline std::unique_ptr<QTemporaryDir> drive_;
    X11Probe probe;
    Screen screen;
    QProcess tandrel;
};

TEST_F(FilePanelE2E, ANamedProgramRunsInTheSmallRunWindowAndTypesIntoTheTarget) {
    TargetWindow target("File Panel Target");
    ASSERT_TRUE(target.started());
    const QString go = "C:\\GO.TXT";
    QFile::remove(path("drive_c/GO.TXT"));
    // The run holds at the file wait until the test has looked at the run window.
    QFile file(programs("MINE.TDX"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        ("{Focus On}File Panel Target\r\nx\r\ny\r\n{File Wait}" + go + "\r\nz\r\n").toUtf8());
    file.close();

    const Window window = startTandrel({"MINE"});
    ASSERT_NE(window, 0u);
    EXPECT_EQ(target.awaitRecord([](const TargetRecord& r) { return r.text == "xy"; }, 60000).text,
              "xy");
    EXPECT_EQ(screen.title(window), "MINE - Tandrel");
    // 3000 x 800 twips, its left edge 2550 twips and its top 1800 twips from the screen's
    // right and bottom edges; the manager's frame may shift it by its own size.
    const QSize size = screen.size();
    const QRect expected(size.width() - 2550 / 15, size.height() - 1800 / 15, 3000 / 15, 800 / 15);
    QRect area;
    EXPECT_TRUE(awaitCondition([&] {
        area = screen.clientArea(window);
        const auto near = [](int a, int b) { return std::abs(a - b) <= 25; };
        return near(area.x(), expected.x()) && near(area.y(), expected.y()) &&
               near(area.width(), expected.width()) && near(area.height(), expected.height());
    })) << "run window at "
        << area.x() << "," << area.y() << " " << area.width() << "x" << area.height()
        << ", expected near " << expected.x() << "," << expected.y() << " " << expected.width()
        << "x" << expected.height();
    EXPECT_GT(area.right(), size.width()) << "its right part should lie beyond the screen edge";

    QFile(path("drive_c/GO.TXT")).open(QIODevice::WriteOnly);
    EXPECT_EQ(target.awaitRecord([](const TargetRecord& r) { return r.text == "xyz"; }).text,
              "xyz");
    EXPECT_TRUE(awaitCondition([&] { return screen.title(window) == "Tandrel"; }))
        << screen.title(window).toStdString();
    EXPECT_EQ(program(),
              QStringList({"{Focus On}File Panel Target", "x", "y", "{File Wait}" + go, "z"}));
}

TEST_F(FilePanelE2E, NamesThatAreNotExactlyAStoredProgramAreRefused) {
    // Each name would reach a real file if it were taken loosely.
    for (const QString& host :
         {programs("MINE.TDX"), programs("../MINE"), path("MINE"), path("MINE.TDX")}) {
        QFile file(host);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("q\r\n");
    }
    const struct {
        QString name;
        const char* why;
    } rows[] = {
        {"mine", "the stored name differs in case"},
        {"../MINE", "a name with a directory"},
        {path("MINE"), "a host path"},
    };
    for (const auto& row : rows) {
        const Window window = startTandrel({row.name});
        ASSERT_NE(window, 0u) << row.why;
        const QString named = "The program you specified to run    '" + row.name + "'";
        const QString text = answerBox(window, named);
        EXPECT_TRUE(text.contains(named)) << row.why << ": " << text.toStdString();
        EXPECT_EQ(awaitProgram({}), QStringList()) << row.why << ": nothing is loaded";
        EXPECT_EQ(tandrel.state(), QProcess::Running) << row.why;
        tandrel.kill();
        tandrel.waitForFinished(e2eDeadlineMs);
    }
}

TEST_F(FilePanelE2E, AProgramSavedByClicksIsOnDiskWithCrLfAndOpensAgain) {
    const Window window = startTandrel({});
    ASSERT_NE(window, 0u);
    screen.click(window, createLabel);
    // Clicks must wait for the window to settle where Create puts it.
    QRect previous;
    ASSERT_TRUE(awaitCondition([&] {
        const QRect now = screen.clientArea(window);
        QThread::msleep(100);
        return std::exchange(previous, now) == now && now.width() > 1000;
    })) << "Create did not maximise the window";
    for (const char* key : {"a", "1", "Return"})
        tap(key);
    const QStringList saved = {"a", "1", "{ENTER}"};
    ASSERT_EQ(awaitProgram(saved), saved);

    // The path field proposes the programs directory; a click puts the caret at its end.
    screen.click(window, saveButton);
    screen.click(window, pathField);
    for (const char* key : {"s", "a", "v", "e", "d"})
        tap(key);
    screen.click(window, panelButton);
    const QString confirmation =
        "Your program has been saved in the file:  C:\\TANDREL\\PROGRAMS\\saved.TDX";
    EXPECT_EQ(answerBox(window, confirmation), confirmation);
    QFile file(programs("saved.TDX"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "nothing saved";
    EXPECT_EQ(file.readAll(), QByteArray("a\r\n1\r\n{ENTER}\r\n"));

    tap("b");
    ASSERT_EQ(awaitProgram(saved + QStringList{"b"}), saved + QStringList{"b"});
    // Edit asks before it replaces the program; Return answers Yes.
    screen.click(window, editLabel);
    const QString question = "Press 'Yes' to replace this program.";
    EXPECT_TRUE(answerBox(window, question).contains(question));
    screen.click(window, pathField);
    for (const char* key : {"s", "a", "v", "e", "d", "period"})
        tap(key);
    const int shift = probe.pressKey("Shift_L");
    for (const char* key : {"t", "d", "x"})
        tap(key);
    probe.releaseKey(shift);
    screen.click(window, panelButton);
    EXPECT_EQ(awaitProgram(saved), saved);
}

} // namespace
