#pragma once

#include "script/script_lines.h"

#include <QtGlobal>
#include <optional>

namespace tandrel {

// X keysym values (X11/keysymdef.h), kept here so that the planning code needs no X header.
namespace keysym {
inline constexpr quint32 noSymbol = 0;
inline constexpr quint32 backSpace = 0xff08;
inline constexpr quint32 tab = 0xff09;
inline constexpr quint32 returnKey = 0xff0d;
inline constexpr quint32 escape = 0xff1b;
inline constexpr quint32 capsLock = 0xffe5;
inline constexpr quint32 shiftL = 0xffe1;
inline constexpr quint32 controlL = 0xffe3;
inline constexpr quint32 altL = 0xffe9;
inline constexpr quint32 altR = 0xffea;
inline constexpr quint32 metaL = 0xffe7;
} // namespace keysym

// The keysym that types a character: Latin-1 characters are their own keysyms, every other
// character its Unicode keysym. Line breaks are Return, tab is Tab, backspace and escape
// are their keys.
quint32 keysymForCharacter(char32_t character);
quint32 keysymForNamedKey(NamedKey key);
// The character a keysym types, for the Latin-1, Unicode and legacy keysyms that have one.
std::optional<char32_t> characterOfKeysym(quint32 keysym);

} // namespace tandrel
