#pragma once

#include "platform/x11/x11_display.h"

#include <chrono>
#include <functional>

union _XEvent;

namespace tandrel::x11 {

enum class Processing {
    Confirmed, // the focused client answered after the keys
    Assumed,   // it cannot answer; it has stayed silent for a while
    OwnWindow, // our own window has the focus and processes the keys once we return
};

// Waits until the client with the keyboard focus has processed the events sent so far. XSync
// only says the server has them, so the client is asked for something it can only answer after
// the keys: GTK 3 handles a _NET_WM_PING in order behind its input; other toolkits repaint a
// pixel named by a synthetic Expose sent behind the keys, which XDamage reports. A client that
// gives neither answer is taken to be done once it has drawn nothing for a while.
class ProcessingWait {
public:
    explicit ProcessingWait(XDisplay* display);
    Processing await(std::chrono::milliseconds timeout);

private:
    using Clock = std::chrono::steady_clock;
    enum class Seen { Other, Activity, Answer };
    using Handler = std::function<Seen(const _XEvent&)>;

    // What the focused client is known to answer, learnt once per window.
    struct Client {
        WindowId window = 0;
        bool pings = false;
        bool pingsInOrder = false;
        WindowId canvas = 0; // the window that draws its content, 0 without XDamage
    };

    WindowId focusedClient();
    void learn(WindowId window);
    bool confirmed(Clock::time_point deadline);
    bool markerRepainted(Clock::time_point deadline);
    bool pingAnswered(Clock::time_point deadline);
    bool awaitEvent(const Handler& handle, Clock::time_point deadline,
                    Clock::duration silence = Clock::duration::max());

    XDisplay* display_;
    Client client_;
    int damageEvents_ = -1; // the XDamage event base; -1 without the extension
    int markerX_ = 0;
    long serial_ = 0;
};

} // namespace tandrel::x11
