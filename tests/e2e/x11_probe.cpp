#include "x11_probe.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace tandrel::e2e {

namespace {

std::optional<qint64> pidOf(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<qint64> pid;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        data && count == 1)
        pid = qint64(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

std::vector<Window> childrenOf(Display* display, Window window) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &parent, &children, &count) && children) {
        result.assign(children, children + count);
        XFree(children);
    }
    return result;
}

Window parentOf(Display* display, Window window) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

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
    for (Window top : childrenOf(display_, DefaultRootWindow(display_))) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display_, top, &attributes) || attributes.map_state != IsViewable)
            continue;
        std::vector<Window> candidates{top};
        for (Window child : childrenOf(display_, top))
            candidates.push_back(child);
        for (Window window : candidates) {
            if (pidOf(display_, window) == pid)
                return window;
        }
    }
    return std::nullopt;
}

bool X11Probe::awaitWindowOf(qint64 pid, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!windowOf(pid)) {
        if (waited.hasExpired(timeoutMs))
            return false;
        QThread::msleep(10);
    }
    return true;
}

qint64 X11Probe::focusedPid() {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    for (Window window = focus; window > PointerRoot && window != DefaultRootWindow(display_);
         window = parentOf(display_, window)) {
        if (auto pid = pidOf(display_, window))
            return *pid;
    }
    return 0;
}

void X11Probe::focus(unsigned long window) {
    XRaiseWindow(display_, window);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

bool X11Probe::awaitFreeKeycodeCount(int count, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (freeKeycodeCount() != count) {
        if (waited.hasExpired(timeoutMs))
            return false;
        QThread::msleep(5);
    }
    return true;
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

unsigned long X11Probe::createSilentPingWindow() {
    const Window window =
        XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 100, 100, 0, 0, 0);
    Atom ping = XInternAtom(display_, "_NET_WM_PING", False);
    XSetWMProtocols(display_, window, &ping, 1);
    XStoreName(display_, window, "Silent");
    XMapRaised(display_, window);
    XSync(display_, False);
    for (int i = 0; i < 100; ++i) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        if (attributes.map_state == IsViewable)
            break;
        QThread::msleep(10);
    }
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

} // namespace tandrel::e2e
