#pragma once

#include "platform/common/key_plan.h"
#include "platform/x11/x11_display.h"

#include <optional>

namespace tandrel::x11 {

struct KeyboardSnapshot {
    KeyboardLayout layout;
    KeyboardState state;
    int lockedGroup = 0;
};

// The server's keyboard mapping, modifier keys and state as they are now.
std::optional<KeyboardSnapshot> readKeyboard(XDisplay* display);

} // namespace tandrel::x11
