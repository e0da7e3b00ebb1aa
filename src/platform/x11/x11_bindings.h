#pragma once

#include "platform/common/key_plan.h"
#include "platform/x11/x11_display.h"

#include <vector>

namespace tandrel::x11 {

// Keysyms put on free keycodes for the characters that no key types. A binding is a key
// with one group of the two-level ALPHABETIC type and the same keysym on both levels: no
// held SHIFT or Caps Lock changes what it types, and no layout defines a key that way, so
// bindings that a crashed process left behind can be told apart from real keys.
class TemporaryBindings {
public:
    explicit TemporaryBindings(XDisplay* display);
    ~TemporaryBindings();
    TemporaryBindings(const TemporaryBindings&) = delete;
    TemporaryBindings& operator=(const TemporaryBindings&) = delete;

    // Frees every keycode that carries a binding, ours or a dead process's.
    void clearStale();
    // Replaces the bindings in force by these; false when the server refused them.
    bool apply(const std::vector<KeyBinding>& bindings);
    void clear();
    bool active() const { return !bound_.empty(); }

private:
    XDisplay* display_;
    std::vector<int> bound_;
};

} // namespace tandrel::x11
