#pragma once

#include "platform/common/key_plan.h"

#include <QByteArray>
#include <memory>
#include <optional>

struct xkb_context;
struct xkb_keymap;

namespace tandrel::wayland {

// The keymap that the virtual keyboard types with: a fixed US layout, so that what a send
// types never depends on the layout the user has chosen, with the keysyms that no key
// reaches bound to its free keycodes for the send that needs them. Each keymap holds the
// layout and at most as many extra keys as it has free keycodes, so it stays small.
class GeneratedKeymap {
public:
    // Null when xkbcommon cannot compile the US layout (no XKB data installed).
    static std::unique_ptr<GeneratedKeymap> create();
    ~GeneratedKeymap();

    const KeyboardLayout& layout() const { return layout_; }
    // The keymap in XKB's text form with the bindings on their keycodes.
    QByteArray text(const std::vector<KeyBinding>& bindings) const;

private:
    GeneratedKeymap(xkb_context* context, xkb_keymap* keymap);

    xkb_context* context_;
    xkb_keymap* keymap_;
    QByteArray baseText_;
    KeyboardLayout layout_;
};

// The keyboard layout of a compiled keymap in the planner's terms: one key type per key and
// group, the modifier each holdable key sets, the keycodes without symbols that have names.
KeyboardLayout layoutOfKeymap(xkb_keymap* keymap);

} // namespace tandrel::wayland
