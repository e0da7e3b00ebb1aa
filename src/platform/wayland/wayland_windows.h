#pragma once

#include "platform/posix/process_launcher.h"
#include "platform/wayland/wayland_connection.h"
#include "platform/windows.h"

#include <list>

struct zwlr_foreign_toplevel_handle_v1;
struct zwlr_foreign_toplevel_manager_v1;

namespace tandrel {

// Windows by title through the compositor's list of toplevel windows, which holds native
// Wayland windows and XWayland's alike.
class WaylandWindows : public Windows, public ProcessWindows {
public:
    // Null when the compositor lists no toplevels to us.
    static std::unique_ptr<WaylandWindows> create(wayland::Connection& connection);
    ~WaylandWindows() override;

    Status activate(const QString& title) override;
    // The list names no processes: a started program's window is the first toplevel that
    // appears after its start.
    void started(long long pid) override;
    bool activateWindowOf(long long pid) override;
    quint64 titleActivations() const override { return titleActivations_; }

    struct Toplevel {
        zwlr_foreign_toplevel_handle_v1* handle = nullptr;
        QString title, pendingTitle;
        bool activated = false, pendingActivated = false;
        quint64 serial = 0; // the order in which toplevels appeared
        bool announced = false, closed = false;
    };

private:
    explicit WaylandWindows(wayland::Connection& connection);
    void added(zwlr_foreign_toplevel_handle_v1* handle);
    // The toplevels from the least to the most likely to be on top: the active one last.
    std::vector<const Toplevel*> stacking() const;
    bool activateAndConfirm(zwlr_foreign_toplevel_handle_v1* handle);

    wayland::Connection& connection_;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    std::list<Toplevel> toplevels_;
    quint64 nextSerial_ = 0;
    quint64 titleActivations_ = 0;
    // The started process whose window is awaited, and the last toplevel seen before it.
    long long awaitedPid_ = 0;
    quint64 lastBeforeStart_ = 0;
};

} // namespace tandrel
