#include "platform/x11/x11_processing_wait.h"

#include "platform/x11/x11_properties.h"

#include <poll.h>
#include <thread>
#include <unistd.h>

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

// Enough for clients without ping support to translate the keys (20 ms measured).
constexpr std::chrono::milliseconds settleTime{80};
constexpr std::chrono::milliseconds passGap{10};

bool hasProtocols(Display* display, Window window) {
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    XFree(protocols);
    return count > 0;
}

} // namespace

ProcessingWait::ProcessingWait(XDisplay* display)
    : display_(display) {}

Processing ProcessingWait::await(std::chrono::milliseconds pingTimeout) {
    XSync(display_, False);
    const WindowId client = focusedClient();
    if (client != noWindow) {
        const auto pid = cardinalProperty(display_, client, "_NET_WM_PID");
        if (pid && static_cast<long long>(*pid) == static_cast<long long>(::getpid()))
            return Processing::OwnWindow;
        if (supportsProtocol(display_, client, "_NET_WM_PING") && ping(client, pingTimeout) &&
            pingAgain(client, pingTimeout))
            return Processing::Confirmed;
    }
    std::this_thread::sleep_for(settleTime);
    return Processing::Assumed;
}

// The window that declares WM_PROTOCOLS at or above the focus; with the focus following the
// pointer, the top level under the pointer.
WindowId ProcessingWait::focusedClient() {
    ErrorTrap trap(display_);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    const Window root = rootWindow(display_);
    if (focus == PointerRoot) {
        Window rootReturn = 0;
        int x = 0;
        int y = 0;
        int wx = 0;
        int wy = 0;
        unsigned int mask = 0;
        focus = noWindow;
        XQueryPointer(display_, root, &rootReturn, &focus, &x, &y, &wx, &wy, &mask);
    }
    for (Window window = focus; window != noWindow && window != root;) {
        if (hasProtocols(display_, window))
            return trap.failed() ? noWindow : window;
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, window, &rootReturn, &parent, &children, &count))
            break;
        if (children)
            XFree(children);
        window = parent;
    }
    return noWindow;
}

// Qt answers a ping as soon as it reads it but delivers the key events read with it only
// afterwards, in its next pass: a second ping sent at once may be read in the same pass. A
// pause lets that pass end first.
bool ProcessingWait::pingAgain(WindowId client, std::chrono::milliseconds timeout) {
    std::this_thread::sleep_for(passGap);
    return ping(client, timeout);
}

bool ProcessingWait::ping(WindowId client, std::chrono::milliseconds timeout) {
    const Window root = rootWindow(display_);
    // Clients answer by sending the ping back to the root window.
    XSelectInput(display_, root, StructureNotifyMask | SubstructureNotifyMask);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = client;
    event.xclient.message_type = atom(display_, "WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(atom(display_, "_NET_WM_PING"));
    event.xclient.data.l[1] = ++serial_;
    event.xclient.data.l[2] = long(client);
    bool answered = false;
    {
        ErrorTrap trap(display_);
        XSendEvent(display_, client, False, NoEventMask, &event);
        answered =
            !trap.failed() && awaitReply(serial_, std::chrono::steady_clock::now() + timeout);
    }
    XSelectInput(display_, root, NoEventMask);
    XSync(display_, True);
    return answered;
}

bool ProcessingWait::awaitReply(long serial, std::chrono::steady_clock::time_point deadline) {
    const Atom protocols = atom(display_, "WM_PROTOCOLS");
    const long pingAtom = long(atom(display_, "_NET_WM_PING"));
    for (;;) {
        while (XPending(display_) > 0) {
            XEvent event{};
            XNextEvent(display_, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                event.xclient.data.l[0] == pingAtom && event.xclient.data.l[1] == serial)
                return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
        ::poll(&descriptor, 1, int(left.count()));
    }
}

} // namespace tandrel::x11
