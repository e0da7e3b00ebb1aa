#include "platform/wayland/wayland_windows.h"

#include "platform/common/title_match.h"
#include "platform/unavailable.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

#include <QStringList>
#include <wayland-client.h>

namespace tandrel {

namespace {

constexpr std::chrono::milliseconds focusTimeout{1500};
// Version 3 adds only the parent event, which we ignore; 2 the fullscreen state.
constexpr uint32_t toplevelVersion = 3;

using Toplevel = WaylandWindows::Toplevel;

Toplevel& toplevelOf(void* data) {
    return *static_cast<Toplevel*>(data);
}

bool holdsActivated(wl_array* states) {
    const auto* state = static_cast<const uint32_t*>(states->data);
    for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i) {
        if (state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)
            return true;
    }
    return false;
}

// Title and state come in pieces; they hold from the next "done".
const zwlr_foreign_toplevel_handle_v1_listener toplevelListener{
    [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* title) {
        toplevelOf(data).pendingTitle = QString::fromUtf8(title);
    },
    [](void*, zwlr_foreign_toplevel_handle_v1*, const char*) {},
    [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    [](void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        toplevelOf(data).pendingActivated = holdsActivated(states);
    },
    [](void* data, zwlr_foreign_toplevel_handle_v1*) {
        Toplevel& toplevel = toplevelOf(data);
        toplevel.title = toplevel.pendingTitle;
        toplevel.activated = toplevel.pendingActivated;
        toplevel.announced = true;
    },
    [](void* data, zwlr_foreign_toplevel_handle_v1*) {
        Toplevel& toplevel = toplevelOf(data);
        toplevel.announced = false;
        toplevel.closed = true;
    },
    [](void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {},
};

} // namespace

std::unique_ptr<WaylandWindows> WaylandWindows::create(wayland::Connection& connection) {
    if (!connection.globals().toplevels || !connection.globals().seat)
        return nullptr;
    std::unique_ptr<WaylandWindows> windows(new WaylandWindows(connection));
    if (!connection.roundtrip())
        return nullptr;
    return windows;
}

WaylandWindows::WaylandWindows(wayland::Connection& connection)
    : connection_(connection) {
    static const zwlr_foreign_toplevel_manager_v1_listener managerListener{
        [](void* self, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle) {
            static_cast<WaylandWindows*>(self)->added(handle);
        },
        [](void*, zwlr_foreign_toplevel_manager_v1*) {},
    };
    const wayland::Offered& offered = connection.globals().toplevels;
    manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(wl_registry_bind(
        connection.registry(), offered.name, &zwlr_foreign_toplevel_manager_v1_interface,
        std::min(offered.version, toplevelVersion)));
    zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &managerListener, this);
}

WaylandWindows::~WaylandWindows() {
    for (Toplevel& toplevel : toplevels_)
        zwlr_foreign_toplevel_handle_v1_destroy(toplevel.handle);
    zwlr_foreign_toplevel_manager_v1_stop(manager_);
}

void WaylandWindows::added(zwlr_foreign_toplevel_handle_v1* handle) {
    // Handles of closed windows are dropped here, outside their own events.
    std::erase_if(toplevels_, [](const Toplevel& toplevel) {
        if (!toplevel.closed)
            return false;
        zwlr_foreign_toplevel_handle_v1_destroy(toplevel.handle);
        return true;
    });
    Toplevel& toplevel = toplevels_.emplace_back();
    toplevel.handle = handle;
    toplevel.serial = ++nextSerial_;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &toplevelListener, &toplevel);
}

std::vector<const Toplevel*> WaylandWindows::stacking() const {
    std::vector<const Toplevel*> order;
    for (const Toplevel& toplevel : toplevels_) {
        if (toplevel.announced && !toplevel.activated)
            order.push_back(&toplevel);
    }
    for (const Toplevel& toplevel : toplevels_) {
        if (toplevel.announced && toplevel.activated)
            order.push_back(&toplevel);
    }
    return order;
}

Status WaylandWindows::activate(const QString& title) {
    ++titleActivations_;
    if (!connection_.roundtrip())
        return Status::failure(compositorGoneReason);
    const auto order = stacking();
    QStringList titles;
    for (const Toplevel* toplevel : order)
        titles << toplevel->title;
    const auto chosen = chooseWindowByTitle(titles, title);
    if (!chosen)
        return Status::failure(QStringLiteral("No window has the title \"%1\".").arg(title));
    const Toplevel& window = *order[size_t(*chosen)];
    if (!activateAndConfirm(window.handle))
        return Status::failure(
            QStringLiteral("The window \"%1\" did not take the focus.").arg(window.title));
    return Status::ok();
}

bool WaylandWindows::activateAndConfirm(zwlr_foreign_toplevel_handle_v1* handle) {
    zwlr_foreign_toplevel_handle_v1_activate(handle, connection_.globals().seat);
    return connection_.dispatchUntil(
        [this, handle] {
            return std::any_of(toplevels_.begin(), toplevels_.end(), [handle](const auto& t) {
                return t.handle == handle && t.announced && t.activated;
            });
        },
        focusTimeout);
}

void WaylandWindows::started(long long pid) {
    connection_.roundtrip();
    awaitedPid_ = pid;
    lastBeforeStart_ = nextSerial_;
}

bool WaylandWindows::activateWindowOf(long long pid) {
    if (pid != awaitedPid_ || !connection_.roundtrip())
        return false;
    for (const Toplevel& toplevel : toplevels_) {
        if (toplevel.announced && toplevel.serial > lastBeforeStart_) {
            awaitedPid_ = 0;
            activateAndConfirm(toplevel.handle);
            return true;
        }
    }
    return false;
}

} // namespace tandrel
