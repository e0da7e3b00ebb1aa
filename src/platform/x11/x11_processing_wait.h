#pragma once

#include "platform/x11/x11_display.h"

#include <chrono>

namespace tandrel::x11 {

enum class Processing {
    Confirmed, // the focused client answered after the keys
    Assumed,   // it cannot answer; a settle time has passed
    OwnWindow, // our own window has the focus and processes the keys once we return
};

// Waits until the client with the keyboard focus has processed the events sent so far.
// XSync only says the server has them; a client that supports _NET_WM_PING answers a ping
// after the events queued before it, and a second ping catches the keys it had read but not
// yet handled when the first arrived.
class ProcessingWait {
public:
    explicit ProcessingWait(XDisplay* display);

    Processing await(std::chrono::milliseconds pingTimeout);

private:
    WindowId focusedClient();
    bool ping(WindowId client, std::chrono::milliseconds timeout);
    bool pingAgain(WindowId client, std::chrono::milliseconds timeout);
    bool awaitReply(long serial, std::chrono::steady_clock::time_point deadline);

    XDisplay* display_;
    long serial_ = 0;
};

} // namespace tandrel::x11
