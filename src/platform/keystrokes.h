#pragma once

#include "platform/status.h"

namespace tandrel {

// Synthesises keystrokes, written in the keystroke notation, into the window that has the
// keyboard focus.
class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // With wait set, returns only after the focused client has processed the keys.
    virtual Status send(const QString& notation, bool wait) = 0;
    // Releases every key that a send pressed and has not released yet.
    virtual void releaseAll() = 0;
    // Why keys cannot reach every window in this session; empty where they can.
    virtual QString limitation() const { return {}; }
};

} // namespace tandrel
