#pragma once

#include <QString>
#include <Qt>

namespace tandrel {

// Windows virtual-key codes: the names under which the key handlers know the keys.
namespace VirtualKey {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Shift = 16;
inline constexpr int Ctrl = 17;
inline constexpr int Alt = 18;
inline constexpr int CapsLock = 20;
inline constexpr int Delete = 46;
inline constexpr int F10 = 121;
} // namespace VirtualKey

// The virtual-key code of a key as the toolkit reports it; 0 for a key that has none (dead
// keys, AltGr, compose, media keys), which the key handlers must not see.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The line a special key pressed in the typing field records; empty for keys without one
// (the modifiers, Caps Lock, Delete and F10 have handling of their own).
QString typingFieldToken(int keyCode);

// What a key pressed in the dialog field appends while keys are recorded as keystrokes;
// empty for keys that only type their character.
QString dialogFieldToken(int keyCode);

} // namespace tandrel
