#pragma once

#include "platform/common/key_plan.h"
#include "platform/keystrokes.h"
#include "platform/x11/x11_bindings.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_keyboard.h"
#include "platform/x11/x11_processing_wait.h"

#include <vector>

namespace tandrel {

// Types the keystroke notation through XTest into the window that has the focus, whatever
// the keyboard layout: keys of another group through a group lock, characters on no key
// through temporary bindings on free keycodes.
class X11Keystrokes : public Keystrokes {
public:
    // Takes a connection of its own, so that waiting never blocks the GUI's connection.
    explicit X11Keystrokes(x11::DisplayPtr display);
    ~X11Keystrokes() override;

    Status send(const QString& notation, bool wait) override;
    void releaseAll() override;

private:
    class SendScope;

    Status play(const std::vector<KeyStep>& steps);
    bool perform(const KeyStep& step);
    void press(int keycode);
    void release(int keycode);
    // Waits for the focused client; true when bindings may change now.
    bool awaitProcessed();
    void finishSend(bool wait);

    x11::DisplayPtr display_;
    x11::TemporaryBindings bindings_;
    x11::ProcessingWait processing_;
    x11::KeyboardMapping mapping_;
    std::vector<int> held_;
    int groupToRestore_ = 0;
    bool groupChanged_ = false;
    int keysSent_ = 0;
};

} // namespace tandrel
