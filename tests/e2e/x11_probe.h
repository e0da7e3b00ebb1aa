#pragma once

#include <QString>
#include <optional>
#include <vector>

struct _XDisplay;

namespace tandrel::e2e {

// The tests' own view of the X server, independent of the back ends under test.
class X11Probe {
public:
    X11Probe();
    ~X11Probe();
    X11Probe(const X11Probe&) = delete;
    X11Probe& operator=(const X11Probe&) = delete;

    // Keycodes that are down now.
    std::vector<int> keysDown();
    // Keycodes with no symbol on them.
    int freeKeycodeCount();
    int lockedGroup();
    // The viewable top-level client window of the process.
    std::optional<unsigned long> windowOf(qint64 pid);
    bool awaitWindowOf(qint64 pid, int timeoutMs);
    // The process whose window has the keyboard focus; 0 for none.
    qint64 focusedPid();
    // Raises the window and gives it the focus, without a window manager.
    void focus(unsigned long window);
    bool awaitFreeKeycodeCount(int count, int timeoutMs);

    // Presses a key the way a user would, from another client; returns its keycode.
    int pressKey(const QString& keysymName);
    void releaseKey(int keycode);
    // A mapped top-level window whose WM_PROTOCOLS lists _NET_WM_PING, and which never
    // answers one.
    unsigned long createSilentPingWindow();
    // A top-level window with a title that is never mapped.
    unsigned long createUnmappedWindow(const QString& title);

private:
    _XDisplay* display_;
};

// Sets the keyboard layout of the session's server ("us", "us,ru", "de").
bool setKeyboardLayout(const QString& layouts);

} // namespace tandrel::e2e
