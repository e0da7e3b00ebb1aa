#include "qt_printers.h"

#include "platform/x11/key_plan.h"
#include "platform/x11/keysyms.h"

#include <gtest/gtest.h>
#include <set>

namespace tandrel {
namespace {

constexpr unsigned mod1Mask = 0x08; // ALT
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
        {23, {{1, {keysym::tab, 0xfe20}}}},
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
    l.altMask = mod1Mask;
    return l;
}

QString render(const std::vector<KeyStep>& steps) {
    QStringList parts;
    for (const KeyStep& step : steps) {
        switch (step.kind) {
        case KeyStep::Kind::Press:
            parts << QStringLiteral("P%1").arg(step.value);
            break;
        case KeyStep::Kind::Release:
            parts << QStringLiteral("R%1").arg(step.value);
            break;
        case KeyStep::Kind::LockGroup:
            parts << QStringLiteral("G%1").arg(step.value);
            break;
        case KeyStep::Kind::AwaitProcessed:
            parts << QStringLiteral("W");
            break;
        case KeyStep::Kind::Bind: {
            QStringList bindings;
            for (const KeyBinding& b : step.bindings)
                bindings << QStringLiteral("%1=%2").arg(b.keycode).arg(b.keysym, 0, 16);
            parts << u'B' + bindings.join(u',');
            break;
        }
        }
    }
    return parts.join(u' ');
}

// Keys down after the steps, and whether a key already down was pressed again.
struct Balance {
    std::set<int> down;
    bool pressedTwice = false;
};

Balance balanceOf(const std::vector<KeyStep>& steps) {
    Balance balance;
    for (const KeyStep& step : steps) {
        if (step.kind == KeyStep::Kind::Press)
            balance.pressedTwice |= !balance.down.insert(step.value).second;
        else if (step.kind == KeyStep::Kind::Release)
            balance.down.erase(step.value);
    }
    return balance;
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
        {"Ab", {}, "P50 P38 R38 R50 P56 R56"},
        {"+a", {}, "P50 P38 R38 R50"},
        {"+(1)", {}, "P50 P10 R10 R50"},
        {"+(ab)", {}, "P50 P38 R38 R50 P50 P56 R56 R50"},
        {"^A", {}, "P50 P37 P38 R38 R37 R50"},
        {"%a", {}, "P64 P38 R38 R64"},
        {"+^%a", {}, "P50 P37 P64 P38 R38 R64 R37 R50"},
        {"@", {}, "P92 P24 R24 R92"},
        {"\u2126", {}, "P50 P92 P24 R24 R92 R50"},
        {"{BREAK}", {}, "P37 P127 R127 R37"},
        {"~{ENTER}{TAB}", {}, "P36 R36 P36 R36 P23 R23"},
        {"a\r\nb\nb", {}, "P38 R38 P36 R36 P56 R56 P36 R36 P56 R56"},
        {"+", {}, "P50 R50"},
        {"^+", {}, "P50 P37 R37 R50"},
        // Caps Lock: letters take SHIFT to stay small; digits are not affected.
        {"aA1", {lockMask, 0}, "P50 P38 R38 R50 P38 R38 P10 R10"},
        {"{CAPSLOCK}a{CAPSLOCK}a", {}, "P66 R66 P50 P38 R38 R50 P66 R66 P38 R38"},
        // A SHIFT the user holds is neither pressed again nor released.
        {"B", {shiftMask, 0}, "P56 R56"},
        {"+B", {shiftMask, 0}, "P56 R56"},
        {"a", {shiftMask, 0}, "B200=61 P200 R200"},
        {"%a", {mod1Mask, 0}, "P38 R38"},
        // Other groups: locked as needed; the group in effect is used where it can be.
        {"\u043e", {}, "G1 P44 R44"},
        {"j\u043e\u041ej", {}, "P44 R44 G1 P44 R44 P50 P44 R44 R50 G0 P44 R44"},
        {"\u043ej", {0, 1}, "P44 R44 G0 P44 R44"},
        // Characters on no key go on free keycodes, in turn when there are too many.
        {"é", {}, "B200=e9 P200 R200"},
        {"éa€é", {}, "B200=e9,201=10020ac P200 R200 P38 R38 P201 R201 P200 R200"},
        {"é€中é",
         {},
         "B200=e9,201=10020ac P200 R200 P201 R201 W B200=1004e2d,201=e9 P200 R200 P201 R201"},
        {"+é", {}, "B200=e9 P50 P200 R200 R50"},
        {"{F13}", {}, "B200=ffca P200 R200"},
    };
    for (const PlanCase& row : cases) {
        SCOPED_TRACE(row.notation);
        const auto actions = parseKeystrokes(QString::fromUtf8(row.notation));
        ASSERT_TRUE(actions) << actions.error().toStdString();
        const auto steps = planKeys(actions.value(), layout(), row.state);
        ASSERT_TRUE(steps) << steps.error().toStdString();
        EXPECT_EQ(render(steps.value()), QString::fromUtf8(row.steps));
        const Balance balance = balanceOf(steps.value());
        EXPECT_TRUE(balance.down.empty());
        EXPECT_FALSE(balance.pressedTwice);
    }
}

TEST(KeyPlan, FailsBeforeAnyStepWhenAKeyIsMissing) {
    KeyboardLayout noFreeKeys = layout();
    noFreeKeys.freeKeycodes.clear();
    KeyboardLayout noAlt = layout();
    noAlt.altMask = 0;
    KeyboardLayout noShiftKey = layout();
    noShiftKey.modifierKeys[0] = 0;
    struct Row {
        const char* notation;
        KeyboardLayout layout;
        const char* reason;
    };
    const std::vector<Row> rows{
        {"ab€", noFreeKeys, "No key types the character U+20ac, and no key is free to take it."},
        {"a%b", noAlt, "The keyboard has no ALT key."},
        {"+a", noShiftKey, "The keyboard has no SHIFT key."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.notation);
        const auto steps = planKeys(parseKeystrokes(QString::fromUtf8(row.notation)).value(),
                                    row.layout, KeyboardState{});
        ASSERT_FALSE(steps);
        EXPECT_EQ(steps.error(), QString::fromUtf8(row.reason));
    }
    // A SHIFT already held needs no key of its own.
    EXPECT_TRUE(planKeys(parseKeystrokes(QStringLiteral("+A")).value(), noShiftKey,
                         KeyboardState{shiftMask, 0}));
}

TEST(Keysyms, CharactersAndNamedKeysMapToTheirKeysyms) {
    const std::vector<std::pair<char32_t, quint32>> characters{
        {U'a', 0x61},      {U'~', 0x7e},      {U'\u00a0', 0xa0},    {U'ÿ', 0xff},
        {U'€', 0x10020ac}, {U'Ж', 0x1000416}, {U'😀', 0x101f600},    {U'\n', 0xff0d},
        {U'\r', 0xff0d},   {U'\t', 0xff09},   {U'\x7f', 0x100007f},
    };
    for (const auto& [character, sym] : characters)
        EXPECT_EQ(keysymForCharacter(character), sym) << quint32(character);
    EXPECT_EQ(keysymForNamedKey(NamedKey::F1), 0xffbeu);
    EXPECT_EQ(keysymForNamedKey(NamedKey::F16), 0xffcdu);
    EXPECT_EQ(keysymForNamedKey(NamedKey::PgDn), 0xff56u);
    EXPECT_EQ(keysymForNamedKey(NamedKey::PrtSc), 0xff61u);
    // Every named key has a keysym of its own.
    std::set<quint32> seen;
    for (NamedKey key : allNamedKeys())
        EXPECT_TRUE(seen.insert(keysymForNamedKey(key)).second) << namedKeyName(key).toStdString();

    const std::vector<std::pair<quint32, std::optional<char32_t>>> keysyms{
        {0x6d6, U'ж'},     {0x7e1, U'α'}, {0x20ac, U'€'},         {0x13bd, U'œ'},
        {0x10020ac, U'€'}, {0xe9, U'é'},  {0xff0d, std::nullopt}, {0xffbe, std::nullopt},
    };
    for (const auto& [sym, character] : keysyms)
        EXPECT_EQ(characterOfKeysym(sym), character) << sym;
}

} // namespace
} // namespace tandrel
