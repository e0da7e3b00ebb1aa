#include "platform/wayland/wayland_keystrokes.h"

#include "platform/unavailable.h"
#include "virtual-keyboard-unstable-v1-client.h"

#include <algorithm>
#include <chrono>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>
#include <wayland-client.h>

namespace tandrel {

namespace {

// XKB keycodes are evdev codes plus 8; the protocol speaks evdev codes.
constexpr int evdevOffset = 8;

// The compositor passes keys on as fast as we send them, but the focused client may read them
// more slowly (a new keymap costs it a compile), and a client whose queue fills up is cut off
// by the compositor. Keys go in batches no faster than this.
constexpr int keysPerBatch = 64;
constexpr std::chrono::microseconds keyInterval{250};

// The layout with bindings as keys of their own.
KeyboardLayout withBindings(KeyboardLayout layout, const std::vector<KeyBinding>& bindings) {
    const int oneLevel = int(layout.types.size());
    layout.types.push_back(KeyType{});
    for (const KeyBinding& binding : bindings) {
        layout.keys[binding.keycode] = {KeyGroup{oneLevel, {binding.keysym}}};
        std::erase(layout.freeKeycodes, binding.keycode);
    }
    return layout;
}

bool bindsMoreThanOnce(const std::vector<KeyStep>& steps) {
    return std::count_if(steps.begin(), steps.end(),
                         [](const KeyStep& step) { return step.kind == KeyStep::Kind::Bind; }) > 1;
}

uint32_t timestamp() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The keymap goes to the compositor as a file descriptor; a sealed memory file holds it.
int keymapFile(const QByteArray& text) {
    const int fd = memfd_create("tandrel-keymap", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    // The compositor reads the terminating NUL as part of the keymap's size.
    const qsizetype size = text.size() + 1;
    if (::write(fd, text.constData(), size_t(size)) != size) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

// Whatever way a send ends, no key it pressed stays down, and with wait the compositor has
// passed everything on.
class WaylandKeystrokes::SendScope {
public:
    explicit SendScope(WaylandKeystrokes& owner)
        : owner_(owner) {}
    ~SendScope() {
        owner_.releaseAll();
        if (wait_)
            owner_.connection_.roundtrip();
    }
    void completed(bool wait) { wait_ = wait; }

private:
    WaylandKeystrokes& owner_;
    bool wait_ = false;
};

std::unique_ptr<WaylandKeystrokes> WaylandKeystrokes::create(wayland::Connection& connection) {
    const wayland::Globals& globals = connection.globals();
    if (!globals.virtualKeyboards || !globals.seat)
        return nullptr;
    auto keymap = wayland::GeneratedKeymap::create();
    if (!keymap)
        return nullptr;
    zwp_virtual_keyboard_v1* keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        globals.virtualKeyboards, globals.seat);
    std::unique_ptr<WaylandKeystrokes> keystrokes(
        new WaylandKeystrokes(connection, keyboard, std::move(keymap)));
    if (!keystrokes->upload({}))
        return nullptr;
    return keystrokes;
}

WaylandKeystrokes::WaylandKeystrokes(wayland::Connection& connection,
                                     zwp_virtual_keyboard_v1* keyboard,
                                     std::unique_ptr<wayland::GeneratedKeymap> keymap)
    : connection_(connection)
    , keyboard_(keyboard)
    , keymap_(std::move(keymap)) {}

WaylandKeystrokes::~WaylandKeystrokes() {
    releaseAll();
    zwp_virtual_keyboard_v1_destroy(keyboard_);
    connection_.flush();
}

Status WaylandKeystrokes::send(const QString& notation, bool wait) {
    const auto actions = parseKeystrokes(notation);
    if (!actions)
        return Status::failure(actions.error());
    const auto steps = plan(actions.value());
    if (!steps)
        return Status::failure(steps.error());
    if (!connection_.alive())
        return Status::failure(compositorGoneReason);
    SendScope scope(*this);
    for (const KeyStep& step : steps.value()) {
        if (step.kind == KeyStep::Kind::Bind) {
            std::vector<KeyBinding> bindings = keptBindings_;
            bindings.insert(bindings.end(), step.bindings.begin(), step.bindings.end());
            if (!upload(bindings))
                return Status::failure(QStringLiteral("The compositor refused the keyboard map."));
        }
        perform(step);
    }
    keptBindings_ = uploadedBindings_;
    if (!connection_.alive())
        return Status::failure(compositorGoneReason);
    scope.completed(wait);
    return Status::ok();
}

void WaylandKeystrokes::releaseAll() {
    for (auto keycode = held_.rbegin(); keycode != held_.rend(); ++keycode)
        zwp_virtual_keyboard_v1_key(keyboard_, timestamp(), uint32_t(*keycode - evdevOffset),
                                    WL_KEYBOARD_KEY_STATE_RELEASED);
    held_.clear();
    if (heldModifiers_ != 0) {
        heldModifiers_ = 0;
        sendModifiers();
    }
    connection_.flush();
}

Result<std::vector<KeyStep>> WaylandKeystrokes::plan(const QList<KeyAction>& actions) {
    auto steps = planKeys(actions, withBindings(keymap_->layout(), keptBindings_), KeyboardState{});
    if (!steps || !bindsMoreThanOnce(steps.value()))
        return steps;
    keptBindings_.clear();
    return planKeys(actions, keymap_->layout(), KeyboardState{});
}

// A new keymap reaches clients in order with the keys, so keys already sent keep the
// meaning they had; the roundtrip makes sure the compositor has the keymap before the first
// key that needs it.
bool WaylandKeystrokes::upload(const std::vector<KeyBinding>& bindings) {
    if (uploaded_ && bindings == uploadedBindings_)
        return true;
    const QByteArray text = keymap_->text(bindings);
    const int fd = keymapFile(text);
    if (fd < 0)
        return false;
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   uint32_t(text.size() + 1));
    ::close(fd);
    uploadedBindings_ = bindings;
    uploaded_ = connection_.roundtrip();
    return uploaded_;
}

void WaylandKeystrokes::perform(const KeyStep& step) {
    switch (step.kind) {
    case KeyStep::Kind::Press:
        key(step.value, true);
        break;
    case KeyStep::Kind::Release:
        key(step.value, false);
        break;
    case KeyStep::Kind::Bind:           // uploaded by the caller, which may fail
    case KeyStep::Kind::LockGroup:      // the generated keymap has one group
    case KeyStep::Kind::AwaitProcessed: // the keymap travels in order with the keys
        break;
    }
}

void WaylandKeystrokes::pace() {
    if (keysSincePause_ == 0)
        pauseStart_ = std::chrono::steady_clock::now();
    if (++keysSincePause_ < keysPerBatch)
        return;
    keysSincePause_ = 0;
    connection_.flush();
    std::this_thread::sleep_until(pauseStart_ + keysPerBatch * keyInterval);
}

void WaylandKeystrokes::key(int keycode, bool down) {
    pace();
    if (down) {
        held_.push_back(keycode);
    } else if (const auto found = std::find(held_.rbegin(), held_.rend(), keycode);
               found != held_.rend()) {
        held_.erase(std::next(found).base());
    }
    zwp_virtual_keyboard_v1_key(keyboard_, timestamp(), uint32_t(keycode - evdevOffset),
                                down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                     : WL_KEYBOARD_KEY_STATE_RELEASED);
    // The compositor does not derive modifiers from a virtual keyboard's keys; we say them.
    const auto& modifierKeys = keymap_->layout().modifierKeys;
    for (size_t bit = 0; bit < modifierKeys.size(); ++bit) {
        if (modifierKeys[bit] != keycode)
            continue;
        const unsigned mask = 1u << bit;
        heldModifiers_ = down ? heldModifiers_ | mask : heldModifiers_ & ~mask;
        sendModifiers();
    }
}

void WaylandKeystrokes::sendModifiers() {
    zwp_virtual_keyboard_v1_modifiers(keyboard_, heldModifiers_, 0, 0, 0);
}

} // namespace tandrel
