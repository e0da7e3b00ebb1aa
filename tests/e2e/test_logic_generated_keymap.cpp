// The Wayland keyboard's keymap: a plan typed with it, read back the way a client reads keys
// (a fresh keymap whenever it changes, modifiers as the compositor reports them), gives back
// the text.

#include "platform/wayland/generated_keymap.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

namespace tandrel::wayland {
namespace {

// What a client that received the steps would have typed.
QString typedBy(const GeneratedKeymap& keymap, const std::vector<KeyStep>& steps) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    xkb_keymap* compiled = nullptr;
    xkb_state* state = nullptr;
    const auto load = [&](const std::vector<KeyBinding>& bindings) {
        xkb_state_unref(state);
        xkb_keymap_unref(compiled);
        compiled =
            xkb_keymap_new_from_string(context, keymap.text(bindings).constData(),
                                       XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
        state = compiled ? xkb_state_new(compiled) : nullptr;
    };
    load({});
    QString text;
    unsigned mods = 0;
    const auto& modifierKeys = keymap.layout().modifierKeys;
    for (const KeyStep& step : steps) {
        if (step.kind == KeyStep::Kind::Bind)
            load(step.bindings);
        if (!state)
            break;
        const bool press = step.kind == KeyStep::Kind::Press;
        if (!press && step.kind != KeyStep::Kind::Release)
            continue;
        const auto bit = std::find(modifierKeys.begin(), modifierKeys.end(), step.value);
        if (bit != modifierKeys.end()) {
            const unsigned mask = 1u << (bit - modifierKeys.begin());
            mods = press ? mods | mask : mods & ~mask;
            xkb_state_update_mask(state, mods, 0, 0, 0, 0, 0);
        } else if (press) {
            char utf8[64] = {};
            xkb_state_key_get_utf8(state, xkb_keycode_t(step.value), utf8, sizeof utf8);
            text += QString::fromUtf8(utf8);
        }
    }
    xkb_state_unref(state);
    xkb_keymap_unref(compiled);
    xkb_context_unref(context);
    return text;
}

TEST(GeneratedKeymap, TypesAnyCharacterWithModifiersAndMoreKeysymsThanFreeKeycodes) {
    const auto keymap = GeneratedKeymap::create();
    ASSERT_TRUE(keymap);
    QString manyHan; // more distinct characters than the keymap has free keycodes
    for (char32_t c = 0x4E00; c < 0x4E00 + 300; ++c)
        manyHan += QString::fromUcs4(&c, 1);
    ASSERT_LT(keymap->layout().freeKeycodes.size(), 300u);
    const struct {
        QString notation, typed;
    } rows[] = {
        {"The fox: 0123 <>?/|\\\"';,.=-_!@#$&*", "The fox: 0123 <>?/|\\\"';,.=-_!@#$&*"},
        {"Grüße ✓ Ω → 日本 😀", "Grüße ✓ Ω → 日本 😀"},
        {"+(xy)z+w{+}", "XYzW+"},
        {"^a^(bc)", "\x01\x02\x03"},
        {"a{ENTER}{TAB}~", "a\r\t\r"},
        {manyHan + "ß" + manyHan.left(5), manyHan + "ß" + manyHan.left(5)},
    };
    for (const auto& row : rows) {
        const auto actions = parseKeystrokes(row.notation);
        ASSERT_TRUE(actions) << row.notation.toStdString();
        const auto steps = planKeys(actions.value(), keymap->layout(), KeyboardState{});
        ASSERT_TRUE(steps) << row.notation.toStdString();
        EXPECT_EQ(typedBy(*keymap, steps.value()), row.typed) << row.notation.toStdString();
    }
}

} // namespace
} // namespace tandrel::wayland
