#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_data_control_manager_v1;

class QSocketNotifier;

namespace tandrel::wayland {

// A global the compositor offers, bound by its user: the toplevel list sends its windows as
// soon as it is bound, before a listener could be there to take them.
struct Offered {
    uint32_t name = 0, version = 0;
    explicit operator bool() const { return name != 0; }
};

// The compositor's globals that typing, windows and the clipboard need; null where absent.
struct Globals {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* virtualKeyboards = nullptr;
    Offered toplevels;
    zwlr_data_control_manager_v1* dataControl = nullptr;
};

// A connection of our own to the Wayland compositor, whatever platform Qt runs on. Its events
// are read whenever Qt's event loop runs, so that a long idle wait never lets them pile up
// until the compositor drops us.
class Connection {
public:
    // Null when WAYLAND_DISPLAY names no compositor that answers.
    static std::unique_ptr<Connection> open();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const Globals& globals() const { return globals_; }
    wl_display* display() const { return display_; }
    wl_registry* registry() const { return registry_; }
    bool alive() const;
    // The compositor has handled every request made so far, and we every event it sent.
    bool roundtrip();
    // Sends what is queued without waiting for the compositor.
    void flush();
    // Reads and handles events until done() holds; false when the deadline passes first or
    // the connection breaks.
    bool dispatchUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

private:
    explicit Connection(wl_display* display);
    void bindGlobal(wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    // Reads what has arrived, waiting at most timeout for something to arrive.
    bool readEvents(std::chrono::milliseconds timeout);

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    Globals globals_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tandrel::wayland
