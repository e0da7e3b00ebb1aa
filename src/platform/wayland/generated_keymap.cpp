#include "platform/wayland/generated_keymap.h"

#include "platform/common/keysyms.h"

#include <array>
#include <bit>
#include <xkbcommon/xkbcommon.h>

namespace tandrel::wayland {

namespace {

struct StateFree {
    void operator()(xkb_state* state) const { xkb_state_unref(state); }
};
using StatePtr = std::unique_ptr<xkb_state, StateFree>;

// A key type that selects each level of the key by the masks xkbcommon reports for it.
KeyType typeOfKey(xkb_keymap* keymap, xkb_keycode_t keycode, xkb_layout_index_t group) {
    KeyType type;
    const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keycode, group);
    for (xkb_level_index_t level = 0; level < levels; ++level) {
        std::array<xkb_mod_mask_t, 16> masks{};
        const size_t count = xkb_keymap_key_get_mods_for_level(keymap, keycode, group, level,
                                                               masks.data(), masks.size());
        for (size_t i = 0; i < count; ++i) {
            type.mask |= masks[i];
            if (masks[i] != 0)
                type.entries.push_back({masks[i], int(level)});
        }
    }
    return type;
}

std::vector<KeyGroup> groupsOfKey(xkb_keymap* keymap, xkb_keycode_t keycode,
                                  std::vector<KeyType>& types) {
    std::vector<KeyGroup> groups;
    const xkb_layout_index_t count = xkb_keymap_num_layouts_for_key(keymap, keycode);
    for (xkb_layout_index_t g = 0; g < count; ++g) {
        KeyGroup group;
        group.type = int(types.size());
        types.push_back(typeOfKey(keymap, keycode, g));
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keycode, g);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t* syms = nullptr;
            const int n = xkb_keymap_key_get_syms_by_level(keymap, keycode, g, level, &syms);
            group.keysyms.push_back(n > 0 ? syms[0] : keysym::noSymbol);
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

// The real modifiers a key sets while it is held; none for locking keys such as Caps Lock.
xkb_mod_mask_t modifiersWhileHeld(xkb_keymap* keymap, xkb_keycode_t keycode) {
    const StatePtr state(xkb_state_new(keymap));
    xkb_state_update_key(state.get(), keycode, XKB_KEY_DOWN);
    return xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED) & 0xff;
}

// Per modifier bit the first key that sets it alone, preferring the left-hand SHIFT, CTRL
// and ALT keys; ALT's bit is the one the Alt_L key sets.
void readModifierKeys(xkb_keymap* keymap, KeyboardLayout& layout) {
    const std::array<quint32, 3> preferred{keysym::shiftL, keysym::controlL, keysym::altL};
    for (const auto& [keycode, groups] : layout.keys) {
        const xkb_mod_mask_t mods = modifiersWhileHeld(keymap, xkb_keycode_t(keycode));
        if (std::popcount(mods) != 1)
            continue;
        const auto bit = size_t(std::countr_zero(mods));
        const quint32 sym = groups.front().keysyms.empty() ? 0 : groups.front().keysyms.front();
        const bool isPreferred =
            std::find(preferred.begin(), preferred.end(), sym) != preferred.end();
        if (layout.modifierKeys[bit] == 0 || isPreferred)
            layout.modifierKeys[bit] = keycode;
        if (sym == keysym::altL)
            layout.altMask = mods;
    }
}

} // namespace

KeyboardLayout layoutOfKeymap(xkb_keymap* keymap) {
    KeyboardLayout layout;
    for (xkb_keycode_t keycode = xkb_keymap_min_keycode(keymap);
         keycode <= xkb_keymap_max_keycode(keymap); ++keycode) {
        auto groups = groupsOfKey(keymap, keycode, layout.types);
        if (!groups.empty())
            layout.keys[int(keycode)] = std::move(groups);
        else if (xkb_keymap_key_get_name(keymap, keycode))
            layout.freeKeycodes.push_back(int(keycode));
    }
    readModifierKeys(keymap, layout);
    return layout;
}

std::unique_ptr<GeneratedKeymap> GeneratedKeymap::create() {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context)
        return nullptr;
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<GeneratedKeymap>(new GeneratedKeymap(context, keymap));
}

GeneratedKeymap::GeneratedKeymap(xkb_context* context, xkb_keymap* keymap)
    : context_(context)
    , keymap_(keymap)
    , layout_(layoutOfKeymap(keymap)) {
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    baseText_ = text;
    std::free(text);
}

GeneratedKeymap::~GeneratedKeymap() {
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

// The symbols section ends with the first line that closes a section after its start.
QByteArray GeneratedKeymap::text(const std::vector<KeyBinding>& bindings) const {
    if (bindings.empty())
        return baseText_;
    QByteArray keys;
    for (const KeyBinding& binding : bindings) {
        std::array<char, 64> symName{};
        xkb_keysym_get_name(binding.keysym, symName.data(), symName.size());
        keys += QByteArrayLiteral("\tkey <") +
                xkb_keymap_key_get_name(keymap_, xkb_keycode_t(binding.keycode)) +
                QByteArrayLiteral("> { type= \"ONE_LEVEL\", symbols[Group1]= [ ") + symName.data() +
                QByteArrayLiteral(" ] };\n");
    }
    QByteArray result = baseText_;
    const qsizetype symbols = result.indexOf("xkb_symbols");
    const qsizetype end = result.indexOf("\n};", symbols);
    if (symbols < 0 || end < 0)
        return baseText_;
    result.insert(end + 1, keys);
    return result;
}

} // namespace tandrel::wayland
