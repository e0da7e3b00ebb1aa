#pragma once

#include "platform/x11/x11_display.h"

#include <QString>
#include <optional>
#include <vector>

namespace tandrel::x11 {

unsigned long atom(XDisplay* display, const char* name);
WindowId rootWindow(XDisplay* display);

// The window's title: _NET_WM_NAME, else WM_NAME; nothing when it has neither.
std::optional<QString> windowTitle(XDisplay* display, WindowId window);
std::optional<unsigned long> cardinalProperty(XDisplay* display, WindowId window,
                                              const char* property);
std::vector<WindowId> windowListProperty(XDisplay* display, WindowId window, const char* property);
// Whether WM_PROTOCOLS of the window lists the protocol.
bool supportsProtocol(XDisplay* display, WindowId window, const char* protocol);

// The child of the root window that holds the window (the window itself for a top level).
WindowId topLevelOf(XDisplay* display, WindowId window);

} // namespace tandrel::x11
