#pragma once

#include "script/keystroke_notation.h"

#include <array>
#include <map>
#include <vector>

namespace tandrel {

// The keyboard mapping in XKB's terms, read from the server before each send; plain data so
// that planning needs no X server.
struct KeyTypeEntry {
    unsigned mods = 0; // the modifiers, within the type's mask, that select the level
    int level = 0;
};
struct KeyType {
    unsigned mask = 0;
    std::vector<KeyTypeEntry> entries; // any other modifier combination selects level 0
};
struct KeyGroup {
    int type = 0;
    std::vector<quint32> keysyms; // per level
};
struct KeyboardLayout {
    std::vector<KeyType> types;
    std::map<int, std::vector<KeyGroup>> keys; // keycode -> its groups
    std::vector<int> freeKeycodes;             // keycodes without any group
    // Per modifier bit a key that sets it while held; 0 where there is none, and for
    // locking modifiers (Caps Lock, Num Lock), which cannot be held.
    std::array<int, 8> modifierKeys{};
    unsigned altMask = 0; // the modifier the ALT key sets
};
// What is in effect before the send: modifiers the user holds or has locked, the group.
struct KeyboardState {
    unsigned mods = 0;
    int group = 0;
};

inline constexpr unsigned shiftMask = 0x01;
inline constexpr unsigned lockMask = 0x02;
inline constexpr unsigned controlMask = 0x04;

struct KeyBinding {
    int keycode = 0;
    quint32 keysym = 0;
    friend bool operator==(const KeyBinding&, const KeyBinding&) = default;
};

// One step of a send on the device.
struct KeyStep {
    enum class Kind {
        Press,
        Release,
        LockGroup,
        // Puts keysyms on free keycodes, replacing the bindings made before.
        Bind,
        // Waits until the focused client has processed what was sent, so that keycodes can
        // be bound anew.
        AwaitProcessed,
    };
    Kind kind = Kind::Press;
    int value = 0; // keycode or group
    std::vector<KeyBinding> bindings;
    friend bool operator==(const KeyStep&, const KeyStep&) = default;
};

// The device steps that type the actions. A keysym that no key reaches, with the modifiers
// already in effect and those that can be added, goes on a free keycode; when more such
// keysyms are needed than keycodes are free, the bindings are renewed in turn. Modifiers
// already in effect are never pressed again; every key pressed is released in the plan.
Result<std::vector<KeyStep>> planKeys(const QList<KeyAction>& actions, const KeyboardLayout& layout,
                                      const KeyboardState& state);

} // namespace tandrel
