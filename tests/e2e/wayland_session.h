#pragma once

// A private headless Wayland session for end-to-end tests: sway with XWayland, or weston, which
// offers none of the protocols a typing program needs. sway refuses to run as root, so the
// compositor and every client run as an unprivileged user, with a runtime directory and a home
// of its own in a temporary directory.

#include "x11_session.h"

#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/types.h>

struct wl_display;

namespace tandrel::e2e {

// A window in sway's tree: the title, the Wayland app id (empty for an X11 window), the pid and
// the client area on the screen.
struct SwayWindow {
    QString name, appId;
    qint64 pid = 0;
    bool focused = false;
    QRect area;
};

class WaylandSession {
public:
    enum class Compositor { Sway, Weston };
    explicit WaylandSession(Compositor compositor);
    ~WaylandSession();

    struct Output {
        int status = -1; // -1 when the command did not end normally in time
        QByteArray out;
    };

    // Clients get WAYLAND_DISPLAY, the runtime directory, a home with XDG directories in it, a
    // drive C there (TANDREL_DRIVE_C), QT_QPA_PLATFORM=wayland for native Qt windows, and under
    // sway SWAYSOCK and XWayland's DISPLAY.
    QProcessEnvironment environment() const { return environment_; }
    // A path in the user's home.
    QString path(const QString& relative) const;
    // Writes a file of the user's in the home, making the directories to it.
    bool write(const QString& relative, const QByteArray& bytes) const;
    // The program as the user can execute it: the path itself, or a copy when the path is
    // closed to the user.
    QString executable(const QString& program);
    // Starts the program as the user in the session's process group, which ends with it, with
    // the extra variables in its environment.
    void start(QProcess& process, const QString& program, const QStringList& arguments,
               const QProcessEnvironment& extra = {}) const;
    // Runs a short command as the user.
    Output run(const QString& program, const QStringList& arguments) const;
    // sway's windows, from swaymsg -t get_tree.
    QList<SwayWindow> windows() const;
    // The end of the compositor's log, for a failure message.
    QString log() const;
    // Gives sway's seat a pointer, a virtual one that the session holds: without a pointer
    // device the seat offers clients none, and swaymsg's cursor commands reach no window.
    bool addPointer();

    bool ready = false;

private:
    QStringList asUser(const QString& program, const QStringList& arguments) const;
    bool makeUserDirectory(const QString& path) const;
    bool awaitSway();

    QTemporaryDir dir_; // last to go: the processes are gone by then
    QProcess compositor_;
    QProcessEnvironment environment_;
    qint64 group_ = 0;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    wl_display* pointerConnection_ = nullptr;
};

// A test suite sharing one session; each suite of a fixture gets its own compositor.
template <WaylandSession::Compositor compositor> class WaylandFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<WaylandSession>(compositor); }
    static void TearDownTestSuite() { session_.reset(); }
    void SetUp() override {
        ASSERT_TRUE(session_->ready) << "the compositor did not start:\n"
                                     << session_->log().toStdString();
    }
    static inline std::unique_ptr<WaylandSession> session_;
};

using SwayTest = WaylandFixture<WaylandSession::Compositor::Sway>;
using WestonTest = WaylandFixture<WaylandSession::Compositor::Weston>;

} // namespace tandrel::e2e
