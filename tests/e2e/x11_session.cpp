#include "x11_session.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace tandrel::e2e {
namespace {

// Out of our process group, so that a terminal's Ctrl+C reaches only the test.
void startQuietly(QProcess& process, const QString& program, const QStringList& arguments) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
}

// A property of 32-bit items (windows, atoms, cardinals); empty when the window has none.
std::vector<unsigned long> property(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 64, False, type,
                       &actualType, &format, &count, &remaining, &data);
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    std::vector<unsigned long> items(values, format == 32 ? values + count : values);
    XFree(data);
    return items;
}

bool lists(Display* display, Window window, const char* name, Atom type, unsigned long item) {
    return std::ranges::count(property(display, window, name, type), item) > 0;
}

qint64 pidOf(Display* display, Window window) {
    const auto pid = property(display, window, "_NET_WM_PID", XA_CARDINAL);
    return pid.size() == 1 ? qint64(pid[0]) : 0;
}

// The manager has set _NET_SUPPORTING_WM_CHECK on the root to a window that names itself.
bool managerAnnounced(Display* display) {
    const auto check = [&](Window window) {
        return property(display, window, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    };
    const auto supporting = check(DefaultRootWindow(display));
    return supporting.size() == 1 && check(supporting[0]) == supporting;
}

std::vector<Window> childrenOf(Display* display, Window window, Window* parent = nullptr) {
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> list;
    if (XQueryTree(display, window, &root, &up, &children, &count) && children) {
        list.assign(children, children + count);
        XFree(children);
    }
    if (parent)
        *parent = up;
    return list;
}

} // namespace

bool awaitCondition(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.hasExpired(timeoutMs))
            return false;
        QThread::msleep(10);
    }
    return true;
}

X11Session::X11Session(Manager manager) {
    startQuietly(
        xvfb, QStringLiteral("Xvfb"),
        {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    // Xvfb writes its display number once it accepts connections.
    QByteArray number;
    while (!number.endsWith('\n') && xvfb.waitForReadyRead(e2eDeadlineMs))
        number += xvfb.readAllStandardOutput();
    qputenv("DISPLAY", ':' + number.trimmed());
    ready = number.endsWith('\n');
    if (!ready || manager != Manager::Openbox)
        return;
    openbox.setStandardOutputFile(QProcess::nullDevice());
    startQuietly(openbox, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    Display* x = XOpenDisplay(nullptr);
    if (!(ready = x && awaitCondition([&] { return managerAnnounced(x); })))
        return;
    // A map request between the manager's announcing itself and its handling them is lost. It is
    // ready once it takes on a window of ours, mapped again until it does, and gone again.
    const Window root = DefaultRootWindow(x);
    const Window trial = XCreateSimpleWindow(x, root, 0, 0, 10, 10, 0, 0, 0);
    const auto listed = [&] { return lists(x, root, "_NET_CLIENT_LIST", XA_WINDOW, trial); };
    ready = awaitCondition([&] {
        XMapWindow(x, trial);
        XSync(x, False);
        return awaitCondition(listed, 1000);
    });
    XDestroyWindow(x, trial);
    XSync(x, False);
    ready = ready && awaitCondition([&] { return !listed(); });
    XCloseDisplay(x);
}

X11Session::~X11Session() {
    for (QProcess* process : {&openbox, &xvfb}) {
        process->terminate();
        if (!process->waitForFinished(2000))
            process->kill();
        process->waitForFinished();
    }
}

X11Probe::X11Probe()
    : display_(XOpenDisplay(nullptr)) {
    // A window that goes while a probe reads it is no failure of the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

X11Probe::~X11Probe() {
    if (display_)
        XCloseDisplay(display_);
}

std::vector<int> X11Probe::keysDown() {
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    std::vector<int> down;
    for (int code = 0; code < 256; ++code)
        if (keys[code / 8] & (1 << (code % 8)))
            down.push_back(code);
    return down;
}

unsigned long X11Probe::windowOf(qint64 pid) {
    // Clients are the root's children, or their children under a reparenting manager.
    for (Window top : childrenOf(display_, DefaultRootWindow(display_))) {
        XWindowAttributes attributes{}; // left unmapped when the window has gone
        XGetWindowAttributes(display_, top, &attributes);
        std::vector<Window> candidates = childrenOf(display_, top);
        candidates.push_back(top);
        for (Window window : candidates)
            if (attributes.map_state == IsViewable && pidOf(display_, window) == pid)
                return window;
    }
    return 0;
}

bool X11Probe::awaitManagedWindowOf(qint64 pid, int timeoutMs) {
    return awaitCondition(
        [&] {
            const Window window = windowOf(pid);
            return window && (!managerAnnounced(display_) ||
                              lists(display_, DefaultRootWindow(display_),
                                    "_NET_CLIENT_LIST_STACKING", XA_WINDOW, window));
        },
        timeoutMs);
}

unsigned long X11Probe::focusedClient() {
    Window window = 0;
    int revert = 0;
    XGetInputFocus(display_, &window, &revert);
    for (; window > PointerRoot && window != DefaultRootWindow(display_);
         childrenOf(display_, window, &window))
        if (pidOf(display_, window))
            return window;
    return 0;
}

qint64 X11Probe::focusedPid() {
    return pidOf(display_, focusedClient());
}

bool X11Probe::focusRestsOn(qint64 pid, bool dialog) {
    const Window client = focusedClient();
    const Atom dialogType = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    return pidOf(display_, client) == pid &&
           lists(display_, client, "_NET_WM_WINDOW_TYPE", XA_ATOM, dialogType) == dialog &&
           (!managerAnnounced(display_) ||
            lists(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW, client));
}

QString X11Probe::titleOf(unsigned long window) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False), 0, 1024,
                       False, XInternAtom(display_, "UTF8_STRING", False), &actualType, &format,
                       &count, &remaining, &data);
    const QString title = format == 8 ? QString::fromUtf8((const char*)data, int(count)) : "";
    XFree(data);
    return title;
}

std::vector<X11Probe::ManagedWindow> X11Probe::managedWindows() {
    std::vector<ManagedWindow> list;
    for (Window window :
         property(display_, DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW))
        list.push_back({titleOf(window), pidOf(display_, window), window});
    return list;
}

void X11Probe::focus(unsigned long window) {
    XRaiseWindow(display_, window);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

int X11Probe::pressKey(const QString& keysymName) {
    const KeyCode code =
        XKeysymToKeycode(display_, XStringToKeysym(keysymName.toLatin1().constData()));
    if (code != 0)
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XSync(display_, False);
    return code;
}

void X11Probe::releaseKey(int keycode) {
    XTestFakeKeyEvent(display_, unsigned(keycode), False, CurrentTime);
    XSync(display_, False);
}

void X11Probe::clickAt(qint64 pid, int x, int y, int clicks, unsigned button) {
    const Window window = windowOf(pid);
    ASSERT_NE(window, 0u) << "no window to click";
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    // The server waits the given milliseconds before it makes each press and release: a moment
    // after the move and between press and release, well inside the double-click time.
    XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
    for (int i = 0; i < clicks; ++i) {
        XTestFakeButtonEvent(display_, button, True, 50);
        XTestFakeButtonEvent(display_, button, False, 20);
    }
    XSync(display_, False);
    // A window manager takes each press first, for its click-to-focus grab, and then passes it
    // on: keys sent before that would overtake the click, so it ends once the pointer is free.
    EXPECT_TRUE(awaitCondition([&] {
        const bool free =
            XGrabPointer(display_, DefaultRootWindow(display_), False, 0, GrabModeAsync,
                         GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
        XUngrabPointer(display_, CurrentTime);
        XSync(display_, False);
        return free;
    })) << "the window manager kept the click";
}

void startMousepad(QProcess& process, const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home);
    env.insert("GSETTINGS_BACKEND", "memory");
    process.setProcessEnvironment(env);
    startQuietly(process, QStringLiteral("mousepad"), {QStringLiteral("--disable-server")});
}

TargetRecord readTargetRecord(const QString& path) {
    QFile file(path);
    const QJsonObject object =
        QJsonDocument::fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : "").object();
    return {object["text"].toString(), object["keys"].toVariant().toStringList(),
            object["active"].toBool(), object["pid"].toInteger()};
}

TargetWindow::TargetWindow(const QString& title, const QStringList& extraArguments)
    : recordPath_(dir_.filePath(QStringLiteral("record.json"))) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(targetProgram(), QStringList{QStringLiteral("--title"), title,
                                                QStringLiteral("--out"), recordPath_} +
                                        extraArguments);
    started_ = process_.waitForStarted(e2eDeadlineMs) &&
               awaitRecord([](const TargetRecord&) { return true; }).pid != 0 &&
               X11Probe().awaitManagedWindowOf(pid());
}

TargetWindow::~TargetWindow() {
    process_.kill();
    process_.waitForFinished(e2eDeadlineMs);
}

} // namespace tandrel::e2e
