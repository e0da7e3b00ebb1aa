#include "platform/common/key_plan.h"

#include "platform/common/keysyms.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace tandrel {

namespace {

using Steps = std::vector<KeyStep>;

struct Placement {
    int keycode = 0;
    int group = 0;
    int level = 0;
};

// Where a keysym is typed: a key of the mapping with the modifiers to add, or a free keycode.
struct Stroke {
    int keycode = 0;
    int group = 0;
    unsigned mods = 0;
    bool temporary = false;
};

// One key of the send: its keysym (none for a bare modifier tap) and the notation's
// modifiers held with it.
struct Item {
    quint32 keysym = keysym::noSymbol;
    unsigned held = 0;
};

int levelOf(const KeyType& type, unsigned mods) {
    for (const KeyTypeEntry& entry : type.entries) {
        if (entry.mods == (mods & type.mask))
            return entry.level;
    }
    return 0;
}

KeyStep step(KeyStep::Kind kind, int value = 0) {
    KeyStep result;
    result.kind = kind;
    result.value = value;
    return result;
}

class Planner {
public:
    Planner(const KeyboardLayout& layout, const KeyboardState& state)
        : layout_(layout)
        , state_(state)
        , mods_(state.mods) {
        for (const auto& [keycode, groups] : layout.keys) {
            for (size_t g = 0; g < groups.size(); ++g) {
                const auto& keysyms = groups[g].keysyms;
                for (size_t level = 0; level < keysyms.size(); ++level) {
                    const Placement place{keycode, int(g), int(level)};
                    placements_[keysyms[level]].push_back(place);
                    // Characters are asked for by their Unicode keysym.
                    const auto character = characterOfKeysym(keysyms[level]);
                    const quint32 unicode = character ? keysymForCharacter(*character) : 0;
                    if (unicode != 0 && unicode != keysyms[level])
                        placements_[unicode].push_back(place);
                }
            }
        }
        for (int bit = 0; bit < 8; ++bit) {
            if (layout.modifierKeys[size_t(bit)] != 0)
                pressable_ |= 1u << bit;
        }
    }

    Result<Steps> run(const QList<KeyAction>& actions) {
        std::vector<Item> items;
        for (qsizetype i = 0; i < actions.size(); ++i) {
            if (isLineFeedAfterReturn(actions, i))
                continue;
            const auto held = heldMask(actions[i].modifiers);
            if (!held)
                return Result<Steps>::failure(held.error());
            items.push_back({keysymOf(actions[i]), held.value()});
        }
        return stepsFor(items);
    }

private:
    // CR LF from a pasted text is one line break, not two.
    static bool isLineFeedAfterReturn(const QList<KeyAction>& actions, qsizetype i) {
        const auto isChar = [&](qsizetype at, char32_t c) {
            return actions[at].kind == KeyAction::Kind::TypeChar && actions[at].character == c;
        };
        return i > 0 && isChar(i, U'\n') && isChar(i - 1, U'\r') &&
               actions[i].modifiers == actions[i - 1].modifiers;
    }

    static quint32 keysymOf(const KeyAction& action) {
        switch (action.kind) {
        case KeyAction::Kind::TypeChar:
            return keysymForCharacter(action.character);
        case KeyAction::Kind::TapNamedKey:
            return keysymForNamedKey(action.key);
        case KeyAction::Kind::TapModifiers:
            break;
        }
        return keysym::noSymbol;
    }

    Result<unsigned> heldMask(KeyModifiers modifiers) const {
        unsigned mask = 0;
        const std::array<std::tuple<KeyModifier, unsigned, const char*>, 3> names{{
            {KeyModifier::Shift, shiftMask, "SHIFT"},
            {KeyModifier::Ctrl, controlMask, "CTRL"},
            {KeyModifier::Alt, layout_.altMask, "ALT"},
        }};
        for (const auto& [modifier, bit, name] : names) {
            if (!modifiers.testFlag(modifier))
                continue;
            if (bit == 0 || (!(pressable_ & bit) && !(mods_ & bit)))
                return Result<unsigned>::failure(
                    QStringLiteral("The keyboard has no %1 key.").arg(QLatin1String(name)));
            mask |= bit;
        }
        return Result<unsigned>::success(mask);
    }

    // The way to reach the keysym on the mapping that needs no group change, then the
    // fewest added modifiers, then the lowest keycode.
    std::optional<Stroke> onMapping(quint32 keysym) {
        if (auto cached = strokes_.find(keysym); cached != strokes_.end())
            return cached->second;
        std::optional<Stroke> best;
        std::tuple<bool, int, int> bestRank{};
        for (const Placement& place : placementsOf(keysym)) {
            const auto& groups = layout_.keys.at(place.keycode);
            const KeyType& type = layout_.types.at(size_t(groups[size_t(place.group)].type));
            const auto mods = modsForLevel(type, place.level);
            if (!mods)
                continue;
            const bool groupChange = place.group != state_.group % int(groups.size());
            const std::tuple<bool, int, int> rank{groupChange, std::popcount(*mods), place.keycode};
            if (!best || rank < bestRank) {
                best = Stroke{place.keycode, place.group, *mods, false};
                bestRank = rank;
            }
        }
        strokes_[keysym] = best;
        return best;
    }

    const std::vector<Placement>& placementsOf(quint32 keysym) const {
        static const std::vector<Placement> none;
        const auto found = placements_.find(keysym);
        return found == placements_.end() ? none : found->second;
    }

    // The fewest modifiers to press, on top of those in effect, that select the level.
    std::optional<unsigned> modsForLevel(const KeyType& type, int level) const {
        const unsigned addable = pressable_ & type.mask & ~mods_;
        std::optional<unsigned> best;
        // Every subset of the addable modifiers, from the empty one up.
        for (unsigned subset = 0;; subset = (subset - addable) & addable) {
            if (levelOf(type, mods_ | subset) == level &&
                (!best || std::popcount(subset) < std::popcount(*best)))
                best = subset;
            if (subset == addable)
                break;
        }
        return best;
    }

    Result<Steps> stepsFor(const std::vector<Item>& items) {
        std::vector<Stroke> strokes;
        for (const Item& item : items) {
            strokes.push_back(strokeFor(item.keysym));
            strokes.back().mods = (strokes.back().mods | item.held) & ~mods_;
            // A Caps Lock key in the text changes the case of the letters after it.
            if (item.keysym == keysym::capsLock) {
                mods_ ^= lockMask;
                strokes_.clear();
            }
        }
        const auto bindings = bindingSegments(items, strokes);
        if (!bindings)
            return Result<Steps>::failure(bindings.error());
        Steps steps;
        int group = state_.group;
        for (size_t i = 0; i < items.size(); ++i) {
            if (auto segment = bindings.value().find(i); segment != bindings.value().end()) {
                if (segment != bindings.value().begin())
                    steps.push_back(step(KeyStep::Kind::AwaitProcessed));
                KeyStep bind = step(KeyStep::Kind::Bind);
                bind.bindings = segment->second;
                steps.push_back(bind);
            }
            Stroke stroke = strokes[i];
            if (stroke.temporary)
                stroke.keycode = keycodeOf(bindings.value(), i, items[i].keysym);
            else if (items[i].keysym != keysym::noSymbol &&
                     group % int(layout_.keys.at(stroke.keycode).size()) != stroke.group) {
                group = stroke.group;
                steps.push_back(step(KeyStep::Kind::LockGroup, group));
            }
            tap(steps, items[i].keysym != keysym::noSymbol ? stroke.keycode : 0, stroke.mods);
        }
        return Result<Steps>::success(steps);
    }

    Stroke strokeFor(quint32 keysym) {
        if (keysym == keysym::noSymbol)
            return {};
        if (auto stroke = onMapping(keysym))
            return *stroke;
        Stroke temporary;
        temporary.temporary = true;
        return temporary;
    }

    // The bindings in force from each item on where they change, keyed by that item.
    using Segments = std::map<size_t, std::vector<KeyBinding>>;
    Result<Segments> bindingSegments(const std::vector<Item>& items,
                                     const std::vector<Stroke>& strokes) const {
        Segments segments;
        const auto& free = layout_.freeKeycodes;
        std::vector<KeyBinding>* current = nullptr;
        for (size_t i = 0; i < items.size(); ++i) {
            if (!strokes[i].temporary)
                continue;
            const quint32 keysym = items[i].keysym;
            if (current && std::find_if(current->begin(), current->end(), [&](auto& b) {
                               return b.keysym == keysym;
                           }) != current->end())
                continue;
            if (free.empty())
                return Result<Segments>::failure(
                    QStringLiteral("No key types the character U+%1, and no key is free to "
                                   "take it.")
                        .arg(keysym & 0xffffff, 4, 16, QLatin1Char('0')));
            if (!current || current->size() == free.size())
                current = &segments[i];
            current->push_back({free[current->size()], keysym});
        }
        return Result<Segments>::success(segments);
    }

    static int keycodeOf(const Segments& segments, size_t item, quint32 keysym) {
        const auto& bindings = std::prev(segments.upper_bound(item))->second;
        for (const KeyBinding& binding : bindings) {
            if (binding.keysym == keysym)
                return binding.keycode;
        }
        return 0;
    }

    // Modifiers down, the key, modifiers up in reverse order; a keycode of 0 taps only the
    // modifiers.
    void tap(Steps& steps, int keycode, unsigned mods) const {
        std::vector<int> modifierKeys;
        for (int bit = 0; bit < 8; ++bit) {
            const int key = layout_.modifierKeys[size_t(bit)];
            const bool known =
                std::find(modifierKeys.begin(), modifierKeys.end(), key) != modifierKeys.end();
            if ((mods & (1u << bit)) && !known)
                modifierKeys.push_back(key);
        }
        for (int key : modifierKeys)
            steps.push_back(step(KeyStep::Kind::Press, key));
        if (keycode != 0) {
            steps.push_back(step(KeyStep::Kind::Press, keycode));
            steps.push_back(step(KeyStep::Kind::Release, keycode));
        }
        for (auto key = modifierKeys.rbegin(); key != modifierKeys.rend(); ++key)
            steps.push_back(step(KeyStep::Kind::Release, *key));
    }

    const KeyboardLayout& layout_;
    const KeyboardState& state_;
    std::unordered_map<quint32, std::vector<Placement>> placements_;
    std::unordered_map<quint32, std::optional<Stroke>> strokes_;
    unsigned mods_; // in effect before the key at hand
    unsigned pressable_ = 0;
};

} // namespace

Result<std::vector<KeyStep>> planKeys(const QList<KeyAction>& actions, const KeyboardLayout& layout,
                                      const KeyboardState& state) {
    return Planner(layout, state).run(actions);
}

} // namespace tandrel
