#pragma once

#include "platform/common/session_choice.h"
#include "platform/wayland/wayland_connection.h"

namespace tandrel {

// A connection to the session's Wayland compositor; null outside a Wayland session.
std::unique_ptr<wayland::Connection> openWaylandConnection();

// What the session offers, read from the compositor (when connected) and the X server.
SessionFacts probeSession(const wayland::Connection* wayland);

} // namespace tandrel
