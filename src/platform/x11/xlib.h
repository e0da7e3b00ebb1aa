#pragma once

// Xlib's headers define macros (Status, Bool, None, KeyPress, ...) that clash with our own
// names and with Qt's. Include them only through this header, and only after every other
// header of a source file.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#undef Status
#undef Bool
#undef None

namespace tandrel::x11 {
inline constexpr unsigned long noWindow = 0L;
} // namespace tandrel::x11
