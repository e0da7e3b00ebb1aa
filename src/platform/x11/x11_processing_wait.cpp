#include "platform/x11/x11_processing_wait.h"

#include "platform/x11/x11_properties.h"

#include <QLoggingCategory>
#include <algorithm>
#include <memory>
#include <poll.h>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

Q_LOGGING_CATEGORY(waitTrace, "tandrel.x11.wait", QtWarningMsg)

// A client that has drawn nothing for this long is taken to be done: the last resort, enough
// for clients that cannot answer to translate the keys (20 ms measured).
constexpr std::chrono::milliseconds silence{80};
// Qt answers a ping as soon as it reads it but delivers the key events read with it only
// afterwards, in its next pass: a second ping sent at once may be read in the same pass. A
// pause lets that pass end first.
constexpr std::chrono::milliseconds passGap{10};

bool hasProtocols(Display* display, Window window) {
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    XFree(protocols);
    return count > 0;
}

// GTK marks its top levels with _GTK_* properties.
bool isGtk(Display* display, Window window) {
    int count = 0;
    const std::unique_ptr<Atom, int (*)(void*)> atoms(XListProperties(display, window, &count),
                                                      XFree);
    if (!atoms || count == 0)
        return false;
    std::vector<char*> names(size_t(count), nullptr);
    if (!XGetAtomNames(display, atoms.get(), count, names.data()))
        return false;
    bool gtk = false;
    for (char* name : names) {
        gtk = gtk || std::string_view(name).starts_with("_GTK_");
        XFree(name);
    }
    return gtk;
}

// The window that draws the client's content: the client itself, or a child that fills most
// of it (xterm draws in its VT100 child).
Window canvasOf(Display* display, Window client) {
    Window canvas = client;
    for (bool descended = true; descended;) {
        descended = false;
        XWindowAttributes outer{};
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XGetWindowAttributes(display, canvas, &outer) ||
            !XQueryTree(display, canvas, &root, &parent, &children, &count))
            break;
        const std::unique_ptr<Window, int (*)(void*)> owned(children, XFree);
        for (unsigned int i = 0; i < count && !descended; ++i) {
            XWindowAttributes inner{};
            if (XGetWindowAttributes(display, children[i], &inner) &&
                inner.c_class == InputOutput && inner.map_state == IsViewable &&
                2L * inner.width * inner.height > long(outer.width) * outer.height) {
                canvas = children[i];
                descended = true;
            }
        }
    }
    return canvas;
}

// The events the waits consume: every core event but the keyboard-mapping news that the
// keystroke back end reads, and XDamage's.
int consumed(Display*, XEvent* event, XPointer damageEvents) {
    const int damageBase = *reinterpret_cast<const int*>(damageEvents);
    return (event->type < LASTEvent && event->type != MappingNotify) ||
           (damageBase >= 0 && event->type == damageBase + XDamageNotify);
}

} // namespace

ProcessingWait::ProcessingWait(XDisplay* display)
    : display_(display) {
    int errors = 0;
    if (!XDamageQueryExtension(display_, &damageEvents_, &errors))
        damageEvents_ = -1;
}

Processing ProcessingWait::await(std::chrono::milliseconds timeout) {
    XSync(display_, False);
    const WindowId window = focusedClient();
    if (window != noWindow) {
        const auto pid = cardinalProperty(display_, window, "_NET_WM_PID");
        if (pid && static_cast<long long>(*pid) == static_cast<long long>(::getpid()))
            return Processing::OwnWindow;
        learn(window);
    }
    const bool known = window != noWindow && window == client_.window;
    if (known && confirmed(Clock::now() + timeout))
        return Processing::Confirmed;
    // Asked and not answered, the client has been silent for long enough already.
    if (!known || (!client_.pingsInOrder && client_.canvas == noWindow && !client_.pings))
        std::this_thread::sleep_for(silence);
    qCInfo(waitTrace, "No answer from window 0x%lx after the keys: taken as processed.", window);
    return Processing::Assumed;
}

bool ProcessingWait::confirmed(Clock::time_point deadline) {
    if (client_.pingsInOrder)
        return pingAnswered(deadline);
    if (client_.canvas != noWindow && markerRepainted(deadline))
        return true;
    if (!client_.pings || !pingAnswered(deadline))
        return false;
    std::this_thread::sleep_for(passGap);
    return pingAnswered(deadline);
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

void ProcessingWait::learn(WindowId window) {
    if (window == client_.window)
        return;
    ErrorTrap trap(display_);
    client_ = {window};
    client_.pings = supportsProtocol(display_, window, "_NET_WM_PING");
    client_.pingsInOrder = client_.pings && isGtk(display_, window);
    if (!client_.pingsInOrder && damageEvents_ >= 0)
        client_.canvas = canvasOf(display_, window);
    if (trap.failed())
        client_ = {};
}

// The client repaints the pixel once it reads the Expose, which it does after the keys. Each
// send names another pixel, so that a late repaint cannot answer the next one.
bool ProcessingWait::markerRepainted(Clock::time_point deadline) {
    markerX_ = (markerX_ + 1) % 3;
    XEvent expose{};
    expose.xexpose.type = Expose;
    expose.xexpose.window = client_.canvas;
    expose.xexpose.x = markerX_;
    expose.xexpose.width = 1;
    expose.xexpose.height = 1;
    // Made for this wait only: between sends nobody reads what the window draws.
    Damage damage = 0;
    {
        ErrorTrap trap(display_);
        damage = XDamageCreate(display_, client_.canvas, XDamageReportRawRectangles);
        XSendEvent(display_, client_.canvas, False, ExposureMask, &expose);
        if (trap.failed())
            return false;
    }
    const auto handle = [&](const XEvent& event) {
        if (event.type != damageEvents_ + XDamageNotify)
            return Seen::Other;
        const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (notify.damage != damage)
            return Seen::Other;
        const XRectangle& area = notify.area;
        const bool marker =
            area.x == markerX_ && area.y == 0 && area.width == 1 && area.height == 1;
        return marker ? Seen::Answer : Seen::Activity;
    };
    const bool repainted = awaitEvent(handle, deadline, silence);
    ErrorTrap trap(display_); // the window may have gone, and the damage with it
    XDamageDestroy(display_, damage);
    return repainted;
}

bool ProcessingWait::pingAnswered(Clock::time_point deadline) {
    const Window root = rootWindow(display_);
    // Clients answer by sending the ping back to the root window; Qt with StructureNotifyMask.
    XSelectInput(display_, root, StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = atom(display_, "WM_PROTOCOLS");
    const long ping = long(atom(display_, "_NET_WM_PING"));
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = client_.window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = ping;
    event.xclient.data.l[1] = ++serial_;
    event.xclient.data.l[2] = long(client_.window);
    bool answered = false;
    {
        ErrorTrap trap(display_);
        XSendEvent(display_, client_.window, False, NoEventMask, &event);
        const auto handle = [&](const XEvent& reply) {
            const bool ours = reply.type == ClientMessage &&
                              reply.xclient.message_type == protocols &&
                              reply.xclient.data.l[0] == ping && reply.xclient.data.l[1] == serial_;
            return ours ? Seen::Answer : Seen::Other;
        };
        answered = !trap.failed() && awaitEvent(handle, deadline, deadline - Clock::now());
    }
    XSelectInput(display_, root, NoEventMask);
    return answered;
}

// Until handle() sees the answer; false at the deadline or once nothing it counts as activity
// has come for the silence.
bool ProcessingWait::awaitEvent(const Handler& handle, Clock::time_point deadline,
                                Clock::duration silence) {
    auto lastActivity = Clock::now();
    for (;;) {
        XEvent event{};
        while (
            XCheckIfEvent(display_, &event, consumed, reinterpret_cast<XPointer>(&damageEvents_))) {
            const Seen seen = handle(event);
            if (seen == Seen::Answer)
                return true;
            if (seen == Seen::Activity)
                lastActivity = Clock::now();
        }
        const auto giveUp = std::min(deadline, lastActivity + silence);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(giveUp - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
        ::poll(&descriptor, 1, int(left.count()));
    }
}

} // namespace tandrel::x11
