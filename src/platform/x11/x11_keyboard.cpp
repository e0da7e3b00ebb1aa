#include "platform/x11/x11_keyboard.h"

#include "platform/common/keysyms.h"

#include <algorithm>
#include <memory>
#include <set>

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

struct KeymapFree {
    void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};
struct ModifierMapFree {
    void operator()(XModifierKeymap* map) const { XFreeModifiermap(map); }
};

bool isLockingKeysym(quint32 sym) {
    static const std::set<quint32> locks{XK_Caps_Lock,       XK_Shift_Lock,    XK_Num_Lock,
                                         XK_Scroll_Lock,     XK_ISO_Lock,      XK_ISO_Level3_Lock,
                                         XK_ISO_Level5_Lock, XK_ISO_Group_Lock};
    return locks.contains(sym);
}

std::vector<KeyType> readTypes(XkbDescPtr xkb) {
    std::vector<KeyType> types;
    for (int t = 0; t < xkb->map->num_types; ++t) {
        const XkbKeyTypeRec& source = xkb->map->types[t];
        KeyType type;
        type.mask = source.mods.mask;
        for (int e = 0; e < source.map_count; ++e) {
            if (source.map[e].active)
                type.entries.push_back({source.map[e].mods.mask, source.map[e].level});
        }
        types.push_back(type);
    }
    return types;
}

std::vector<KeyGroup> readGroups(XkbDescPtr xkb, int keycode) {
    std::vector<KeyGroup> groups;
    for (int g = 0; g < XkbKeyNumGroups(xkb, keycode); ++g) {
        KeyGroup group;
        group.type = xkb->map->key_sym_map[keycode].kt_index[g];
        for (int level = 0; level < XkbKeyGroupWidth(xkb, keycode, g); ++level)
            group.keysyms.push_back(quint32(XkbKeySymEntry(xkb, keycode, level, g)));
        groups.push_back(group);
    }
    return groups;
}

quint32 baseKeysym(const KeyboardLayout& layout, int keycode) {
    const auto key = layout.keys.find(keycode);
    if (key == layout.keys.end() || key->second.front().keysyms.empty())
        return keysym::noSymbol;
    return key->second.front().keysyms.front();
}

// Per modifier bit, the keys the server lists for it.
std::array<std::vector<int>, 8> modifierMap(Display* display) {
    std::array<std::vector<int>, 8> result;
    const std::unique_ptr<XModifierKeymap, ModifierMapFree> map(XGetModifierMapping(display));
    if (!map)
        return result;
    for (int bit = 0; bit < 8; ++bit) {
        for (int i = 0; i < map->max_keypermod; ++i) {
            const int keycode = map->modifiermap[bit * map->max_keypermod + i];
            if (keycode != 0)
                result[size_t(bit)].push_back(keycode);
        }
    }
    return result;
}

// Holdable keys per modifier, preferring the left-hand SHIFT, CTRL and ALT keys.
void readModifierKeys(Display* display, KeyboardLayout& layout) {
    const auto map = modifierMap(display);
    const std::array<quint32, 3> preferred{keysym::shiftL, keysym::controlL, keysym::altL};
    for (int bit = 0; bit < 8; ++bit) {
        int chosen = 0;
        for (int keycode : map[size_t(bit)]) {
            const quint32 sym = baseKeysym(layout, keycode);
            if (bit == 1 || isLockingKeysym(sym))
                continue;
            const bool isPreferred =
                std::find(preferred.begin(), preferred.end(), sym) != preferred.end();
            if (chosen == 0 || isPreferred)
                chosen = keycode;
            if (isPreferred)
                break;
        }
        layout.modifierKeys[size_t(bit)] = chosen;
    }
    for (quint32 alt : {keysym::altL, keysym::altR, keysym::metaL}) {
        for (int bit = 0; bit < 8 && layout.altMask == 0; ++bit) {
            for (int keycode : map[size_t(bit)]) {
                if (baseKeysym(layout, keycode) == alt && layout.modifierKeys[size_t(bit)]) {
                    layout.altMask = 1u << bit;
                    layout.modifierKeys[size_t(bit)] = keycode;
                }
            }
        }
    }
    for (const auto& keycodes : map) {
        for (int keycode : keycodes)
            std::erase(layout.freeKeycodes, keycode);
    }
}

std::optional<KeyboardLayout> readLayout(Display* display) {
    const std::unique_ptr<XkbDescRec, KeymapFree> xkb(
        XkbGetMap(display, XkbAllClientInfoMask, XkbUseCoreKbd));
    if (!xkb)
        return std::nullopt;
    KeyboardLayout layout;
    layout.types = readTypes(xkb.get());
    for (int keycode = xkb->min_key_code; keycode <= xkb->max_key_code; ++keycode) {
        auto groups = readGroups(xkb.get(), keycode);
        if (groups.empty())
            layout.freeKeycodes.push_back(keycode);
        else
            layout.keys[keycode] = std::move(groups);
    }
    readModifierKeys(display, layout);
    return layout;
}

// Removes the news of mapping changes from the queue; whether there was any.
bool mappingChanged(Display* display, int xkbEvents) {
    const auto isNews = [](Display*, XEvent* event, XPointer base) -> int {
        return event->type == MappingNotify || event->type == *reinterpret_cast<int*>(base);
    };
    bool changed = false;
    XEvent event{};
    while (XCheckIfEvent(display, &event, isNews, reinterpret_cast<XPointer>(&xkbEvents)))
        changed = true;
    return changed;
}

} // namespace

std::optional<KeyboardNow> readKeyboardState(XDisplay* display) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return KeyboardNow{{state.mods, state.group}, state.locked_group};
}

KeyboardMapping::KeyboardMapping(XDisplay* display)
    : display_(display) {
    int opcode = 0;
    int errors = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (XkbQueryExtension(display_, &opcode, &xkbEvents_, &errors, &major, &minor)) {
        constexpr unsigned news = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
        XkbSelectEvents(display_, XkbUseCoreKbd, news, news);
    }
}

const KeyboardLayout* KeyboardMapping::current() {
    if (mappingChanged(display_, xkbEvents_) || !layout_)
        layout_ = readLayout(display_);
    return layout_ ? &*layout_ : nullptr;
}

} // namespace tandrel::x11
