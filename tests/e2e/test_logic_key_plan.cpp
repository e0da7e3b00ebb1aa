#include "qt_printers.h"

#include "platform/common/key_plan.h"
#include "platform/common/keysyms.h"

#include <gtest/gtest.h>
#include <set>

namespace tandrel {
namespace {

constexpr unsigned mod5Mask = 0x80; // level three

// A small "us"-like mapping with a second group on one key, a level-three key and two
// free keycodes.
KeyboardLayout layout() {
    KeyboardLayout l;
    l.types = {
        {0, {}},                                                 // ONE_LEVEL
        {shiftMask, {{shiftMask, 1}}},                           // TWO_LEVEL
        {shiftMask | lockMask, {{shiftMask, 1}, {lockMask, 1}}}, // ALPHABETIC
        {shiftMask | mod5Mask, {{shiftMask, 1}, {mod5Mask, 2}, {shiftMask | mod5Mask, 3}}},
        {controlMask, {{controlMask, 1}}}, // PC_CONTROL_LEVEL2
    };
    l.keys = {
        {38, {{2, {'a', 'A'}}}},
        {56, {{2, {'b', 'B'}}}},
        {10, {{1, {'1', '!'}}}},
        {36, {{0, {keysym::returnKey}}}},
        {44, {{2, {'j', 'J'}}, {2, {0x6cf, 0x6ef}}}}, // Cyrillic_o, legacy keysyms
        {24, {{3, {'q', 'Q', '@', 0x1002126}}}},      // level 4: OHM SIGN
        {127, {{4, {0xff13, 0xff6b}}}},               // Pause, Break
        {66, {{0, {keysym::capsLock}}}},
        {50, {{0, {keysym::shiftL}}}},
        {37, {{0, {keysym::controlL}}}},
        {64, {{0, {keysym::altL}}}},
        {92, {{0, {0xfe03}}}},
    };
    l.freeKeycodes = {200, 201};
    l.modifierKeys[0] = 50;
    l.modifierKeys[2] = 37;
    l.modifierKeys[3] = 64;
    l.modifierKeys[7] = 92;
    l.altMask = 0x08; // Mod1
    return l;
}

// "P38" press, "R38" release, "G1" lock group, "W" await processing, "B200=e9" bind.
QString render(const std::vector<KeyStep>& steps) {
    using Kind = KeyStep::Kind;
    QStringList parts;
    for (const KeyStep& step : steps) {
        QStringList bindings;
        for (const KeyBinding& b : step.bindings)
            bindings << QStringLiteral("%1=%2").arg(b.keycode).arg(b.keysym, 0, 16);
        const QString value = QString::number(step.value);
        parts << (step.kind == Kind::Press       ? u'P' + value
                  : step.kind == Kind::Release   ? u'R' + value
                  : step.kind == Kind::LockGroup ? u'G' + value
                  : step.kind == Kind::Bind      ? u'B' + bindings.join(u',')
                                                 : QStringLiteral("W"));
    }
    return parts.join(u' ');
}

struct PlanCase {
    const char* notation;
    KeyboardState state;
    const char* steps;
};

TEST(KeyPlan, ReachesEveryKeyWithTheFewestModifiersAndReleasesThemAll) {
    const std::vector<PlanCase> cases{
        {"a", {}, "P38 R38"},
        {"A", {}, "P50 P38 R38 R50"},
        {"+^%a", {}, "P50 P37 P64 P38 R38 R64 R37 R50"},
        {"\u2126", {}, "P50 P92 P24 R24 R92 R50"},
        {"{BREAK}", {}, "P37 P127 R127 R37"},
        {"a\r\nb\nb", {}, "P38 R38 P36 R36 P56 R56 P36 R36 P56 R56"},
        {"^+", {}, "P50 P37 R37 R50"},
        // Caps Lock: letters take SHIFT to stay small; digits are not affected.
        {"aA1", {lockMask, 0}, "P50 P38 R38 R50 P38 R38 P10 R10"},
        {"{CAPSLOCK}a{CAPSLOCK}a", {}, "P66 R66 P50 P38 R38 R50 P66 R66 P38 R38"},
        // A SHIFT the user holds is neither pressed again nor released.
        {"+B", {shiftMask, 0}, "P56 R56"},
        {"a", {shiftMask, 0}, "B200=61 P200 R200"},
        // Other groups: locked as needed; the group in effect is used where it can be.
        {"j\u043e\u041ej", {}, "P44 R44 G1 P44 R44 P50 P44 R44 R50 G0 P44 R44"},
        {"\u043ej", {0, 1}, "P44 R44 G0 P44 R44"},
        // Characters on no key go on free keycodes, in turn when there are too many.
        {"éa€é", {}, "B200=e9,201=10020ac P200 R200 P38 R38 P201 R201 P200 R200"},
        {"é€中é",
         {},
         "B200=e9,201=10020ac P200 R200 P201 R201 W B200=1004e2d,201=e9 P200 R200 P201 R201"},
    };
    for (const PlanCase& row : cases) {
        SCOPED_TRACE(row.notation);
        const auto actions = parseKeystrokes(QString::fromUtf8(row.notation));
        ASSERT_TRUE(actions) << actions.error().toStdString();
        const auto steps = planKeys(actions.value(), layout(), row.state);
        ASSERT_TRUE(steps) << steps.error().toStdString();
        EXPECT_EQ(render(steps.value()), QString::fromUtf8(row.steps));
    }
}

TEST(KeyPlan, FailsWhenAKeyIsMissing) {
    const auto planned = [](const char* notation, auto change, KeyboardState state = {}) {
        KeyboardLayout changed = layout();
        change(changed);
        const auto steps =
            planKeys(parseKeystrokes(QString::fromUtf8(notation)).value(), changed, state);
        return steps ? QStringLiteral("planned") : steps.error();
    };
    EXPECT_EQ(planned("ab€", [](KeyboardLayout& l) { l.freeKeycodes.clear(); }),
              "No key types the character U+20ac, and no key is free to take it.");
    EXPECT_EQ(planned("a%b", [](KeyboardLayout& l) { l.altMask = 0; }),
              "The keyboard has no ALT key.");
    const auto noShiftKey = [](KeyboardLayout& l) { l.modifierKeys[0] = 0; };
    EXPECT_EQ(planned("+a", noShiftKey), "The keyboard has no SHIFT key.");
    // A SHIFT already held needs no key of its own.
    EXPECT_EQ(planned("+A", noShiftKey, {shiftMask, 0}), "planned");
}

TEST(Keysyms, CharactersAndNamedKeysMapToTheirKeysyms) {
    const std::vector<std::pair<char32_t, quint32>> characters{
        {U'a', 0x61},      {U'ÿ', 0xff},    {U'\x7f', 0x100007f},
        {U'😀', 0x101f600}, {U'\n', 0xff0d}, {U'\t', 0xff09},
    };
    for (const auto& [character, sym] : characters)
        EXPECT_EQ(keysymForCharacter(character), sym) << quint32(character);
    EXPECT_EQ(keysymForNamedKey(NamedKey::F16), 0xffcdu);
    // Every named key has a keysym of its own.
    std::set<quint32> seen;
    for (NamedKey key : allNamedKeys())
        EXPECT_TRUE(seen.insert(keysymForNamedKey(key)).second) << namedKeyName(key).toStdString();
    const std::vector<std::pair<quint32, std::optional<char32_t>>> keysyms{
        {0x6d6, U'ж'}, {0x20ac, U'€'}, {0x10020ac, U'€'}, {0xe9, U'é'}, {0xff0d, std::nullopt},
    };
    for (const auto& [sym, character] : keysyms)
        EXPECT_EQ(characterOfKeysym(sym), character) << sym;
}

} // namespace
} // namespace tandrel
