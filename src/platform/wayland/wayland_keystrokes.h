#pragma once

#include "platform/common/key_plan.h"
#include "platform/keystrokes.h"
#include "platform/wayland/generated_keymap.h"
#include "platform/wayland/wayland_connection.h"

#include <chrono>

struct zwp_virtual_keyboard_v1;

namespace tandrel {

// Types the keystroke notation through the compositor's virtual-keyboard protocol into the
// window that has the focus. The keyboard types with a keymap of its own (a US layout plus
// the keysyms a send needs on free keycodes), so any character types whatever the user's
// layout. One keyboard serves the whole process: compositors drop the first key of a fresh
// keyboard.
class WaylandKeystrokes : public Keystrokes {
public:
    // Null when the compositor offers no virtual keyboard.
    static std::unique_ptr<WaylandKeystrokes> create(wayland::Connection& connection);
    ~WaylandKeystrokes() override;

    // With wait set, returns once the compositor has handled the keys and passed them on to
    // the focused client (a roundtrip); Wayland offers no way to learn when the client has
    // acted on them.
    Status send(const QString& notation, bool wait) override;
    void releaseAll() override;

private:
    class SendScope;

    WaylandKeystrokes(wayland::Connection& connection, zwp_virtual_keyboard_v1* keyboard,
                      std::unique_ptr<wayland::GeneratedKeymap> keymap);
    // The plan on the layout with the bindings already uploaded, so that a character typed
    // before needs no new keymap; on the bare layout when that would need the free keycodes
    // bound more than once.
    Result<std::vector<KeyStep>> plan(const QList<KeyAction>& actions);
    bool upload(const std::vector<KeyBinding>& bindings);
    void perform(const KeyStep& step);
    void key(int keycode, bool down);
    void sendModifiers();
    void pace();

    wayland::Connection& connection_;
    zwp_virtual_keyboard_v1* keyboard_;
    std::unique_ptr<wayland::GeneratedKeymap> keymap_;
    std::vector<KeyBinding> uploadedBindings_;
    // The bindings that later sends may go on using: the plan's own come on top of them.
    std::vector<KeyBinding> keptBindings_;
    bool uploaded_ = false;
    int keysSincePause_ = 0;
    std::chrono::steady_clock::time_point pauseStart_;
    std::vector<int> held_;
    unsigned heldModifiers_ = 0;
};

} // namespace tandrel
