#include "platform/session_probe.h"

#include "platform/x11/x11_display.h"

namespace tandrel {

std::unique_ptr<wayland::Connection> openWaylandConnection() {
    // Without WAYLAND_DISPLAY libwayland would guess "wayland-0", which may belong to
    // another session than the one we were started in.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    return wayland::Connection::open();
}

SessionFacts probeSession(const wayland::Connection* wayland) {
    SessionFacts facts;
    if (wayland) {
        const wayland::Globals& globals = wayland->globals();
        facts.wayland = true;
        facts.seat = globals.seat;
        facts.virtualKeyboard = globals.virtualKeyboards;
        facts.toplevelList = bool(globals.toplevels);
        facts.dataControl = globals.dataControl;
    }
    facts.x11 = !qEnvironmentVariableIsEmpty("DISPLAY") && x11::openDisplay();
    facts.x11Display = qEnvironmentVariable("DISPLAY");
    facts.desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    return facts;
}

} // namespace tandrel
