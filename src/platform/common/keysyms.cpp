#include "platform/common/keysyms.h"

#include "legacy_keysyms.h"

#include <unordered_map>

namespace tandrel {

quint32 keysymForCharacter(char32_t character) {
    switch (character) {
    case U'\r':
    case U'\n':
        return keysym::returnKey;
    case U'\t':
        return keysym::tab;
    case U'\b':
        return keysym::backSpace;
    case U'\x1b':
        return keysym::escape;
    default:
        break;
    }
    const bool latin1 =
        (character >= 0x20 && character <= 0x7e) || (character >= 0xa0 && character <= 0xff);
    return latin1 ? quint32(character) : 0x01000000u | quint32(character);
}

std::optional<char32_t> characterOfKeysym(quint32 keysym) {
    const bool latin1 = (keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff);
    if (latin1)
        return char32_t(keysym);
    if ((keysym & 0xff000000u) == 0x01000000u)
        return char32_t(keysym & 0x00ffffffu);
    static const std::unordered_map<quint32, char32_t> legacy(std::begin(legacyKeysyms),
                                                              std::end(legacyKeysyms));
    const auto found = legacy.find(keysym);
    if (found == legacy.end())
        return std::nullopt;
    return found->second;
}

quint32 keysymForNamedKey(NamedKey key) {
    switch (key) {
    case NamedKey::Backspace:
        return keysym::backSpace;
    case NamedKey::Break:
        return 0xff6b;
    case NamedKey::CapsLock:
        return keysym::capsLock;
    case NamedKey::Delete:
        return 0xffff;
    case NamedKey::Down:
        return 0xff54;
    case NamedKey::End:
        return 0xff57;
    case NamedKey::Enter:
        return keysym::returnKey;
    case NamedKey::Esc:
        return keysym::escape;
    case NamedKey::Help:
        return 0xff6a;
    case NamedKey::Home:
        return 0xff50;
    case NamedKey::Insert:
        return 0xff63;
    case NamedKey::Left:
        return 0xff51;
    case NamedKey::NumLock:
        return 0xff7f;
    case NamedKey::PgDn:
        return 0xff56;
    case NamedKey::PgUp:
        return 0xff55;
    case NamedKey::PrtSc:
        return 0xff61;
    case NamedKey::Right:
        return 0xff53;
    case NamedKey::ScrollLock:
        return 0xff14;
    case NamedKey::Tab:
        return keysym::tab;
    case NamedKey::Up:
        return 0xff52;
    default:
        // F1 to F16 follow each other in both enumerations.
        return 0xffbe + quint32(int(key) - int(NamedKey::F1));
    }
}

} // namespace tandrel
