#include "x11_session.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace tandrel::e2e {

namespace {

pid_t spawn(const std::vector<std::string>& arguments, int keepOpen) {
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Out of our process group, so that a terminal's Ctrl+C reaches only the test.
        ::setpgid(0, 0);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        for (int fd = 3; fd < 1024; ++fd) {
            if (fd != keepOpen)
                ::close(fd);
        }
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void stop(pid_t& pid) {
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    if (!awaitCondition([&] { return ::waitpid(pid, nullptr, WNOHANG) == pid; }, 2000)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    pid = -1;
}

// A property of 32-bit items (windows, atoms, cardinals); empty when the window has none.
std::vector<unsigned long> property(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 64, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

std::optional<qint64> pidOf(Display* display, Window window) {
    const auto pid = property(display, window, "_NET_WM_PID", XA_CARDINAL);
    return pid.size() == 1 ? std::optional(qint64(pid[0])) : std::nullopt;
}

// The manager has set _NET_SUPPORTING_WM_CHECK on the root to a window that names itself.
bool managerAnnounced(Display* display) {
    const auto named = [&](Window window) {
        const auto check = property(display, window, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
        return check.size() == 1 ? Window(check[0]) : Window(0);
    };
    const Window supporting = named(DefaultRootWindow(display));
    return supporting != 0 && named(supporting) == supporting;
}

struct Tree {
    Window parent = 0;
    std::vector<Window> children;
};

Tree treeOf(Display* display, Window window) {
    Window root = 0;
    Tree tree;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &tree.parent, &children, &count) && children) {
        tree.children.assign(children, children + count);
        XFree(children);
    }
    return tree;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
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
    hadDisplay_ = qEnvironmentVariableIsSet("DISPLAY");
    previousDisplay_ = qEnvironmentVariable("DISPLAY");
    if (startServer() && manager == Manager::Openbox)
        startManager();
}

X11Session::~X11Session() {
    stop(managerPid_);
    stop(serverPid_);
    if (hadDisplay_)
        qputenv("DISPLAY", previousDisplay_.toLocal8Bit());
    else
        qunsetenv("DISPLAY");
}

bool X11Session::startServer() {
    int fds[2];
    if (::pipe(fds) != 0) {
        error_ = QStringLiteral("No pipe for Xvfb.");
        return false;
    }
    serverPid_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                        "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                       fds[1]);
    ::close(fds[1]);
    // Xvfb writes its display number once it accepts connections.
    QByteArray number;
    pollfd descriptor{fds[0], POLLIN, 0};
    while (!number.endsWith('\n') && ::poll(&descriptor, 1, e2eDeadlineMs) > 0) {
        char buffer[16];
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        number.append(buffer, got);
    }
    ::close(fds[0]);
    if (!number.endsWith('\n')) {
        error_ = QStringLiteral("Xvfb did not start.");
        return false;
    }
    display_ = u':' + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", display_.toLocal8Bit());
    return true;
}

bool X11Session::startManager() {
    managerPid_ = spawn({"openbox", "--sm-disable"}, -1);
    Display* display = XOpenDisplay(display_.toLocal8Bit().constData());
    if (!display) {
        error_ = QStringLiteral("The private X server refuses connections.");
        return false;
    }
    const bool ready =
        awaitCondition([&] { return managerAnnounced(display); }) && managesWindows(display);
    XCloseDisplay(display);
    if (!ready)
        error_ = QStringLiteral("openbox did not start.");
    return ready;
}

// The manager announces itself before it handles map requests, and one that comes in between
// is lost: that window never shows. It is ready once it takes on a window of ours, mapped
// again until it does; the window goes again before any test starts.
bool X11Session::managesWindows(Display* display) {
    const Window root = DefaultRootWindow(display);
    const Window trial = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
    const auto listed = [&] {
        const auto clients = property(display, root, "_NET_CLIENT_LIST", XA_WINDOW);
        return std::count(clients.begin(), clients.end(), trial) > 0;
    };
    const bool managed = awaitCondition([&] {
        XMapWindow(display, trial);
        XSync(display, False);
        return awaitCondition(listed, 1000);
    });
    XDestroyWindow(display, trial);
    XSync(display, False);
    return managed && awaitCondition([&] { return !listed(); });
}

X11Probe::X11Probe()
    : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(ignoreErrors);
}

X11Probe::~X11Probe() {
    if (display_)
        XCloseDisplay(display_);
}

std::vector<int> X11Probe::keysDown() {
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    std::vector<int> down;
    for (int code = 0; code < 256; ++code) {
        if (keys[code / 8] & (1 << (code % 8)))
            down.push_back(code);
    }
    return down;
}

int X11Probe::freeKeycodeCount() {
    XkbDescPtr xkb = XkbGetMap(display_, XkbKeySymsMask, XkbUseCoreKbd);
    int count = 0;
    for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code)
        count += XkbKeyNumSyms(xkb, code) == 0 ? 1 : 0;
    XkbFreeKeyboard(xkb, 0, True);
    return count;
}

int X11Probe::lockedGroup() {
    XkbStateRec state{};
    XkbGetState(display_, XkbUseCoreKbd, &state);
    return state.locked_group;
}

std::optional<unsigned long> X11Probe::windowOf(qint64 pid) {
    // Clients are the root's children, or their children under a reparenting manager.
    for (Window top : treeOf(display_, DefaultRootWindow(display_)).children) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display_, top, &attributes) || attributes.map_state != IsViewable)
            continue;
        std::vector<Window> candidates = treeOf(display_, top).children;
        candidates.insert(candidates.begin(), top);
        for (Window window : candidates) {
            if (pidOf(display_, window) == pid)
                return window;
        }
    }
    return std::nullopt;
}

bool X11Probe::awaitWindowOf(qint64 pid, int timeoutMs) {
    return awaitCondition([&] { return windowOf(pid).has_value(); }, timeoutMs);
}

bool X11Probe::awaitManagedWindowOf(qint64 pid, int timeoutMs) {
    return awaitCondition(
        [&] {
            const auto window = windowOf(pid);
            if (!window || !managerAnnounced(display_))
                return window.has_value();
            const Window root = DefaultRootWindow(display_);
            const auto clients = property(display_, root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
            return std::count(clients.begin(), clients.end(), *window) > 0;
        },
        timeoutMs);
}

qint64 X11Probe::focusedPid() {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    for (Window window = focus; window > PointerRoot && window != DefaultRootWindow(display_);
         window = treeOf(display_, window).parent) {
        if (auto pid = pidOf(display_, window))
            return *pid;
    }
    return 0;
}

bool X11Probe::awaitFocusedPid(qint64 pid, int timeoutMs) {
    return awaitCondition([&] { return focusedPid() == pid; }, timeoutMs);
}

bool X11Probe::hasWindowState(qint64 pid, const char* stateName) {
    const auto window = windowOf(pid);
    if (!window)
        return false;
    const auto states = property(display_, *window, "_NET_WM_STATE", XA_ATOM);
    return std::count(states.begin(), states.end(), XInternAtom(display_, stateName, False)) > 0;
}

void X11Probe::focus(unsigned long window) {
    XRaiseWindow(display_, window);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

bool X11Probe::awaitFreeKeycodeCount(int count, int timeoutMs) {
    return awaitCondition([&] { return freeKeycodeCount() == count; }, timeoutMs);
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

void X11Probe::clickAt(qint64 pid, int x, int y) {
    const auto window = windowOf(pid);
    ASSERT_TRUE(window.has_value()) << "no window to click";
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, *window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

unsigned long X11Probe::createSilentPingWindow() {
    const Window window =
        XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 100, 100, 0, 0, 0);
    Atom ping = XInternAtom(display_, "_NET_WM_PING", False);
    XSetWMProtocols(display_, window, &ping, 1);
    XStoreName(display_, window, "Silent");
    XMapRaised(display_, window);
    XSync(display_, False);
    awaitCondition([&] {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        return attributes.map_state == IsViewable;
    });
    return window;
}

unsigned long X11Probe::createUnmappedWindow(const QString& title) {
    const Window window =
        XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 100, 100, 0, 0, 0);
    XStoreName(display_, window, title.toLatin1().constData());
    XSync(display_, False);
    return window;
}

bool setKeyboardLayout(const QString& layouts) {
    return QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layouts}) ==
           0;
}

std::optional<TargetRecord> readTargetRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    if (object.isEmpty())
        return std::nullopt;
    TargetRecord record;
    record.text = object.value(QStringLiteral("text")).toString();
    for (const QJsonValue& key : object.value(QStringLiteral("keys")).toArray())
        record.keys << key.toString();
    record.active = object.value(QStringLiteral("active")).toBool();
    record.pid = object.value(QStringLiteral("pid")).toInteger();
    return record;
}

TargetRecord awaitTargetRecord(const QString& path,
                               const std::function<bool(const TargetRecord&)>& condition,
                               int timeoutMs) {
    TargetRecord last;
    awaitCondition(
        [&] {
            if (auto record = readTargetRecord(path))
                last = *record;
            return last.pid != 0 && condition(last);
        },
        timeoutMs);
    return last;
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

TargetRecord TargetWindow::record() const {
    return readTargetRecord(recordPath_).value_or(TargetRecord{});
}

TargetRecord TargetWindow::awaitRecord(const std::function<bool(const TargetRecord&)>& condition,
                                       int timeoutMs) const {
    return awaitTargetRecord(recordPath_, condition, timeoutMs);
}

QString TargetWindow::targetProgram() {
    return QStringLiteral(TANDREL_TARGET_PATH);
}

} // namespace tandrel::e2e
