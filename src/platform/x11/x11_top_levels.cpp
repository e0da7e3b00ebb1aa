#include "platform/x11/x11_top_levels.h"

#include "platform/x11/x11_properties.h"

#include <thread>

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

std::vector<WindowId> managedClients(XDisplay* display) {
    return windowListProperty(display, rootWindow(display), "_NET_CLIENT_LIST_STACKING");
}

// Without a window manager the top levels are the root's mapped children; Qt and others
// keep unmapped and override-redirect helpers there as well.
std::vector<WindowId> mappedRootChildren(XDisplay* display) {
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<WindowId> result;
    if (!XQueryTree(display, rootWindow(display), &rootReturn, &parent, &children, &count))
        return result;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && !attributes.override_redirect)
            result.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return result;
}

std::vector<WindowId> topLevelWindows(XDisplay* display) {
    return windowManagerRunning(display) ? managedClients(display) : mappedRootChildren(display);
}

bool holdsFocus(XDisplay* display, WindowId window) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == noWindow || focus == PointerRoot)
        return false;
    return focus == window || topLevelOf(display, focus) == topLevelOf(display, window);
}

void requestActivation(XDisplay* display, WindowId window) {
    if (windowManagerRunning(display)) {
        // Source 2 (a pager) is exempt from the manager's focus-stealing prevention.
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom(display, "_NET_ACTIVE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, rootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        XMapRaised(display, window);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
    }
    XSync(display, False);
}

} // namespace

bool windowManagerRunning(XDisplay* display) {
    const auto checkWindow =
        windowListProperty(display, rootWindow(display), "_NET_SUPPORTING_WM_CHECK");
    if (checkWindow.empty())
        return false;
    ErrorTrap trap(display);
    const auto named = windowListProperty(display, checkWindow.front(), "_NET_SUPPORTING_WM_CHECK");
    return !trap.failed() && !named.empty() && named.front() == checkWindow.front();
}

std::vector<TopLevel> listTopLevels(XDisplay* display) {
    // A window may vanish while we look at it.
    ErrorTrap trap(display);
    std::vector<TopLevel> result;
    for (WindowId window : topLevelWindows(display)) {
        if (auto title = windowTitle(display, window))
            result.push_back({window, *title});
    }
    return result;
}

std::optional<WindowId> windowOfProcess(XDisplay* display, long long pid) {
    ErrorTrap trap(display);
    for (WindowId window : topLevelWindows(display)) {
        const auto windowPid = cardinalProperty(display, window, "_NET_WM_PID");
        if (windowPid && static_cast<long long>(*windowPid) == pid)
            return window;
    }
    return std::nullopt;
}

Status activateWindow(XDisplay* display, WindowId window, std::chrono::milliseconds timeout) {
    ErrorTrap trap(display);
    requestActivation(display, window);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!holdsFocus(display, window)) {
        if (trap.failed())
            return Status::failure(QStringLiteral("The window has gone."));
        if (std::chrono::steady_clock::now() >= deadline)
            return Status::failure(QStringLiteral("The window did not take the focus."));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return Status::ok();
}

} // namespace tandrel::x11
