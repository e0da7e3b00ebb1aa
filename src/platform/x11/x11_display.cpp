#include "platform/x11/x11_display.h"

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

unsigned long errorCount = 0;

int countError(Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}

} // namespace

void DisplayCloser::operator()(XDisplay* display) const {
    if (display)
        XCloseDisplay(display);
}

DisplayPtr openDisplay() {
    return DisplayPtr(XOpenDisplay(nullptr));
}

bool focusIsOnXWindow(XDisplay* display) {
    Window focus = noWindow;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus != noWindow && focus != PointerRoot;
}

ErrorTrap::ErrorTrap(XDisplay* display)
    : display_(display)
    , previous_(reinterpret_cast<void*>(XSetErrorHandler(countError))) {
    // Errors of requests made before the trap are not ours to report.
    XSync(display_, False);
    errorsAtStart_ = errorCount;
}

ErrorTrap::~ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(reinterpret_cast<XErrorHandler>(previous_));
}

bool ErrorTrap::failed() {
    XSync(display_, False);
    return errorCount != errorsAtStart_;
}

} // namespace tandrel::x11
