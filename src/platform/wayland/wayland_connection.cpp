#include "platform/wayland/wayland_connection.h"

#include "virtual-keyboard-unstable-v1-client.h"
#include "wlr-data-control-unstable-v1-client.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cstring>
#include <poll.h>
#include <wayland-client.h>

namespace tandrel::wayland {

namespace {

// The versions whose requests and events the back end uses.
constexpr uint32_t seatVersion = 1;
constexpr uint32_t dataControlVersion = 1;

template <typename Proxy>
Proxy* bind(wl_registry* registry, uint32_t name, const wl_interface& interface, uint32_t offered,
            uint32_t wanted) {
    return static_cast<Proxy*>(
        wl_registry_bind(registry, name, &interface, std::min(offered, wanted)));
}

} // namespace

std::unique_ptr<Connection> Connection::open() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<Connection> connection(new Connection(display));
    if (!connection->roundtrip())
        return nullptr;
    return connection;
}

Connection::Connection(wl_display* display)
    : display_(display) {
    static const wl_registry_listener listener{
        [](void* self, wl_registry* registry, uint32_t name, const char* interface,
           uint32_t version) {
            static_cast<Connection*>(self)->bindGlobal(registry, name, interface, version);
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
    // The shell options run without an event loop and read nothing after the probe.
    if (!QCoreApplication::instance())
        return;
    notifier_ =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        if (!readEvents(std::chrono::milliseconds(0)))
            notifier_->setEnabled(false);
    });
}

Connection::~Connection() {
    notifier_.reset();
    wl_display_disconnect(display_);
}

void Connection::bindGlobal(wl_registry* registry, uint32_t name, const char* interface,
                            uint32_t version) {
    const auto is = [interface](const wl_interface& known) {
        return std::strcmp(interface, known.name) == 0;
    };
    if (is(wl_seat_interface) && !globals_.seat)
        globals_.seat = bind<wl_seat>(registry, name, wl_seat_interface, version, seatVersion);
    else if (is(zwp_virtual_keyboard_manager_v1_interface))
        globals_.virtualKeyboards = bind<zwp_virtual_keyboard_manager_v1>(
            registry, name, zwp_virtual_keyboard_manager_v1_interface, version, 1);
    else if (is(zwlr_foreign_toplevel_manager_v1_interface))
        globals_.toplevels = {name, version};
    else if (is(zwlr_data_control_manager_v1_interface))
        globals_.dataControl = bind<zwlr_data_control_manager_v1>(
            registry, name, zwlr_data_control_manager_v1_interface, version, dataControlVersion);
}

bool Connection::alive() const {
    return wl_display_get_error(display_) == 0;
}

bool Connection::roundtrip() {
    return wl_display_roundtrip(display_) >= 0;
}

void Connection::flush() {
    wl_display_flush(display_);
}

bool Connection::dispatchUntil(const std::function<bool()>& done,
                               std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || !readEvents(left))
            return done();
    }
    return true;
}

bool Connection::readEvents(std::chrono::milliseconds timeout) {
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0)
            return false;
    }
    wl_display_flush(display_);
    pollfd watched{wl_display_get_fd(display_), POLLIN, 0};
    if (::poll(&watched, 1, int(timeout.count())) > 0) {
        if (wl_display_read_events(display_) < 0)
            return false;
    } else {
        wl_display_cancel_read(display_);
    }
    return wl_display_dispatch_pending(display_) >= 0;
}

} // namespace tandrel::wayland
