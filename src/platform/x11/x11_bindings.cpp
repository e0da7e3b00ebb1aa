#include "platform/x11/x11_bindings.h"

#include <algorithm>
#include <memory>

#include "platform/x11/xlib.h"

namespace tandrel::x11 {

namespace {

struct KeymapFree {
    void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};
using Keymap = std::unique_ptr<XkbDescRec, KeymapFree>;

Keymap fetchKeymap(Display* display) {
    return Keymap(XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
}

bool isBinding(XkbDescPtr xkb, int keycode) {
    return XkbKeyNumGroups(xkb, keycode) == 1 &&
           xkb->map->key_sym_map[keycode].kt_index[0] == XkbAlphabeticIndex &&
           XkbKeyGroupWidth(xkb, keycode, 0) == 2 && XkbKeySymEntry(xkb, keycode, 0, 0) != 0 &&
           XkbKeySymEntry(xkb, keycode, 0, 0) == XkbKeySymEntry(xkb, keycode, 1, 0);
}

// Collects the changed keycodes and sends their new mapping in one request.
class MapEdit {
public:
    MapEdit(Display* display, XkbDescPtr xkb)
        : display_(display)
        , xkb_(xkb) {}

    void bind(int keycode, KeySym sym) {
        int type = XkbAlphabeticIndex;
        XkbChangeTypesOfKey(xkb_, keycode, 1, XkbGroup1Mask, &type, nullptr);
        KeySym* syms = XkbKeySymsPtr(xkb_, keycode);
        syms[0] = sym;
        syms[1] = sym;
        touch(keycode);
    }

    void unbind(int keycode) {
        XkbChangeTypesOfKey(xkb_, keycode, 0, XkbGroup1Mask, nullptr, nullptr);
        touch(keycode);
    }

    bool send() {
        if (first_ > last_)
            return true;
        XkbMapChangesRec changes{};
        changes.changed = XkbKeySymsMask;
        changes.first_key_sym = KeyCode(first_);
        changes.num_key_syms = last_ - first_ + 1;
        ErrorTrap trap(display_);
        const bool sent = XkbChangeMap(display_, xkb_, &changes);
        return sent && !trap.failed();
    }

private:
    void touch(int keycode) {
        first_ = std::min(first_, keycode);
        last_ = std::max(last_, keycode);
    }

    Display* display_;
    XkbDescPtr xkb_;
    int first_ = 256;
    int last_ = -1;
};

} // namespace

TemporaryBindings::TemporaryBindings(XDisplay* display)
    : display_(display) {}

TemporaryBindings::~TemporaryBindings() {
    clear();
}

void TemporaryBindings::clearStale() {
    const Keymap xkb = fetchKeymap(display_);
    if (!xkb)
        return;
    MapEdit edit(display_, xkb.get());
    for (int keycode = xkb->min_key_code; keycode <= xkb->max_key_code; ++keycode) {
        if (isBinding(xkb.get(), keycode))
            edit.unbind(keycode);
    }
    edit.send();
    bound_.clear();
}

bool TemporaryBindings::apply(const std::vector<KeyBinding>& bindings) {
    const Keymap xkb = fetchKeymap(display_);
    if (!xkb)
        return false;
    MapEdit edit(display_, xkb.get());
    for (int keycode : bound_) {
        const bool kept = std::any_of(bindings.begin(), bindings.end(),
                                      [&](const KeyBinding& b) { return b.keycode == keycode; });
        if (!kept)
            edit.unbind(keycode);
    }
    bound_.clear();
    for (const KeyBinding& binding : bindings) {
        edit.bind(binding.keycode, binding.keysym);
        bound_.push_back(binding.keycode);
    }
    return edit.send();
}

void TemporaryBindings::clear() {
    if (bound_.empty())
        return;
    const Keymap xkb = fetchKeymap(display_);
    if (!xkb)
        return;
    MapEdit edit(display_, xkb.get());
    for (int keycode : bound_)
        edit.unbind(keycode);
    edit.send();
    bound_.clear();
}

} // namespace tandrel::x11
