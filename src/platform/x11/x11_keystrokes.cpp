#include "platform/x11/x11_keystrokes.h"

#include "platform/x11/x11_keyboard.h"

#include <algorithm>

#include "platform/x11/xlib.h"

namespace tandrel {

namespace {

// A busy client may take a while for a long text; one that never answers costs this much.
std::chrono::milliseconds pingTimeout(int keysSent) {
    return std::chrono::milliseconds(2000 + keysSent);
}

} // namespace

// Whatever way a send ends, no key it pressed stays down and the group is back.
class X11Keystrokes::SendScope {
public:
    explicit SendScope(X11Keystrokes& owner)
        : owner_(owner) {}
    ~SendScope() { owner_.finishSend(wait_); }
    void completed(bool wait) { wait_ = wait; }

private:
    X11Keystrokes& owner_;
    bool wait_ = false;
};

X11Keystrokes::X11Keystrokes(x11::DisplayPtr display)
    : display_(std::move(display))
    , bindings_(display_.get())
    , processing_(display_.get())
    , mapping_(display_.get()) {
    bindings_.clearStale();
}

X11Keystrokes::~X11Keystrokes() {
    releaseAll();
}

Status X11Keystrokes::send(const QString& notation, bool wait) {
    const auto actions = parseKeystrokes(notation);
    if (!actions)
        return Status::failure(actions.error());
    // Bindings kept for our own window, which has processed its events since.
    bindings_.clear();
    const KeyboardLayout* layout = mapping_.current();
    const auto keyboard = x11::readKeyboardState(display_.get());
    if (!layout || !keyboard)
        return Status::failure(QStringLiteral("The keyboard mapping cannot be read."));
    const auto steps = planKeys(actions.value(), *layout, keyboard->state);
    if (!steps)
        return Status::failure(steps.error());
    groupToRestore_ = keyboard->lockedGroup;
    SendScope scope(*this);
    const Status played = play(steps.value());
    if (played)
        scope.completed(wait);
    return played;
}

void X11Keystrokes::releaseAll() {
    for (auto key = held_.rbegin(); key != held_.rend(); ++key)
        XTestFakeKeyEvent(display_.get(), unsigned(*key), False, CurrentTime);
    held_.clear();
    XSync(display_.get(), False);
}

Status X11Keystrokes::play(const std::vector<KeyStep>& steps) {
    x11::ErrorTrap trap(display_.get());
    keysSent_ = 0;
    const Status refused = Status::failure(QStringLiteral("The X server refused the keystrokes."));
    for (const KeyStep& step : steps) {
        if (!perform(step))
            return refused;
    }
    // Checked once: a round trip per key would cost more than the keys.
    return trap.failed() ? refused : Status::ok();
}

bool X11Keystrokes::perform(const KeyStep& step) {
    switch (step.kind) {
    case KeyStep::Kind::Press:
        press(step.value);
        return true;
    case KeyStep::Kind::Release:
        release(step.value);
        return true;
    case KeyStep::Kind::LockGroup:
        groupChanged_ = true;
        return XkbLockGroup(display_.get(), XkbUseCoreKbd, unsigned(step.value));
    case KeyStep::Kind::Bind:
        return bindings_.apply(step.bindings);
    case KeyStep::Kind::AwaitProcessed:
        awaitProcessed();
        return true;
    }
    return false;
}

void X11Keystrokes::press(int keycode) {
    held_.push_back(keycode);
    XTestFakeKeyEvent(display_.get(), unsigned(keycode), True, CurrentTime);
    ++keysSent_;
}

void X11Keystrokes::release(int keycode) {
    const auto found = std::find(held_.rbegin(), held_.rend(), keycode);
    if (found != held_.rend())
        held_.erase(std::next(found).base());
    XTestFakeKeyEvent(display_.get(), unsigned(keycode), False, CurrentTime);
}

bool X11Keystrokes::awaitProcessed() {
    return processing_.await(pingTimeout(keysSent_)) != x11::Processing::OwnWindow;
}

void X11Keystrokes::finishSend(bool wait) {
    releaseAll();
    if (groupChanged_)
        XkbLockGroup(display_.get(), XkbUseCoreKbd, unsigned(groupToRestore_));
    groupChanged_ = false;
    const bool mustWait = wait || bindings_.active();
    const bool mayUnbind = !mustWait || awaitProcessed();
    // Our own window reads its keys only after we return: its bindings go at the next send.
    if (mayUnbind)
        bindings_.clear();
    XSync(display_.get(), False);
}

} // namespace tandrel
