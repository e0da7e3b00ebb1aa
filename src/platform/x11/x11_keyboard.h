#pragma once

#include "platform/common/key_plan.h"
#include "platform/x11/x11_display.h"

#include <optional>

namespace tandrel::x11 {

struct KeyboardNow {
    KeyboardState state;
    int lockedGroup = 0;
};

// The modifiers and group in force now.
std::optional<KeyboardNow> readKeyboardState(XDisplay* display);

// The server's keyboard mapping and modifier keys, read once and again only after the server
// announces a change: reading them costs more than typing a line of a few keys.
class KeyboardMapping {
public:
    explicit KeyboardMapping(XDisplay* display);

    // Null when the mapping cannot be read.
    const KeyboardLayout* current();

private:
    XDisplay* display_;
    int xkbEvents_ = -1;
    std::optional<KeyboardLayout> layout_;
};

} // namespace tandrel::x11
