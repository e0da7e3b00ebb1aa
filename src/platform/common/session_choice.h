#pragma once

#include <QStringList>

namespace tandrel {

// What the desktop session offers a program that types into other windows.
struct SessionFacts {
    bool wayland = false; // a Wayland compositor answers
    bool seat = false, virtualKeyboard = false, toplevelList = false, dataControl = false;
    bool x11 = false;   // an X server answers (under Wayland: XWayland)
    QString desktop;    // XDG_CURRENT_DESKTOP
    QString x11Display; // DISPLAY
};

// How one service is provided.
enum class Mechanism {
    Wayland,    // the compositor's own protocol: reaches every window
    X11,        // an X server of an X11 session: reaches every window
    X11Windows, // XWayland under a compositor without the protocol: X11 windows only
    Qt,         // the clipboard through Qt's platform (Tandrel's own window must be active)
    None,
};

struct ServiceChoice {
    Mechanism mechanism = Mechanism::None;
    QString description; // one line: the mechanism in use or why there is none
};

struct SessionChoice {
    ServiceChoice typing, windows, clipboard;
    // Said once before the first key of a run where keys cannot reach every window; empty
    // where they can.
    QString keysLimitation;
};

// Chooses the back end of each service once, at start: the compositor's protocols where it
// offers them, else the X server through XWayland, else plain X11.
SessionChoice chooseSession(const SessionFacts& facts);

// One line per service for `tandrel --session`.
QStringList sessionReport(const SessionChoice& choice);

} // namespace tandrel
