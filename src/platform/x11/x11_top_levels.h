#pragma once

#include "platform/status.h"
#include "platform/x11/x11_display.h"

#include <QString>
#include <chrono>
#include <optional>
#include <vector>

namespace tandrel::x11 {

struct TopLevel {
    WindowId window = 0; // the client's own window, not a window manager's frame
    QString title;
};

// Whether an EWMH window manager runs: _NET_SUPPORTING_WM_CHECK on the root names a window
// that names itself (a manager that died leaves the root's property behind).
bool windowManagerRunning(XDisplay* display);

// The visible top-level windows that have a title, from the bottom of the stack to the top.
std::vector<TopLevel> listTopLevels(XDisplay* display);

// The top-level window whose _NET_WM_PID is the process id.
std::optional<WindowId> windowOfProcess(XDisplay* display, long long pid);

// Brings the window to the front and waits until it holds the keyboard focus.
Status activateWindow(XDisplay* display, WindowId window, std::chrono::milliseconds timeout);

} // namespace tandrel::x11
