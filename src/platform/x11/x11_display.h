#pragma once

#include <memory>

struct _XDisplay;

namespace tandrel::x11 {

using XDisplay = ::_XDisplay;
using WindowId = unsigned long;

struct DisplayCloser {
    void operator()(XDisplay* display) const;
};
using DisplayPtr = std::unique_ptr<XDisplay, DisplayCloser>;

// A connection of our own to the X server named by DISPLAY; null when there is none.
DisplayPtr openDisplay();

// Whether an X window holds the keyboard focus. Under XWayland X reports none while a native
// Wayland window has it.
bool focusIsOnXWindow(XDisplay* display);

// While alive, X protocol errors are counted instead of reaching Xlib's default handler,
// which ends the process.
class ErrorTrap {
public:
    explicit ErrorTrap(XDisplay* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Whether a request made since the trap was set failed; waits for the server's answer.
    bool failed();

private:
    XDisplay* display_;
    void* previous_;
    unsigned long errorsAtStart_ = 0;
};

} // namespace tandrel::x11
