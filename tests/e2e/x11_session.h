#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <sys/types.h>

namespace tandrel::e2e {

// A private X server on a free display number (Xvfb -displayfd), optionally with the openbox
// window manager. While it lives, DISPLAY names it in this process's environment; both
// processes are ended when it goes.
class X11Session {
public:
    enum class Manager { None, Openbox };

    explicit X11Session(Manager manager);
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool ready() const { return error_.isEmpty(); }
    // Why the session could not be set up.
    const QString& error() const { return error_; }
    const QString& display() const { return display_; }

private:
    bool startServer();
    bool startManager();

    QString display_;
    QString previousDisplay_;
    bool hadDisplay_ = false;
    QString error_;
    pid_t serverPid_ = -1;
    pid_t managerPid_ = -1;
};

// A test suite sharing one X session; each suite of a fixture gets its own server.
template <X11Session::Manager manager> class X11Fixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<X11Session>(manager); }
    static void TearDownTestSuite() { session_.reset(); }
    void SetUp() override {
        ASSERT_TRUE(session_ && session_->ready()) << session_->error().toStdString();
    }

    static X11Session& session() { return *session_; }

private:
    static inline std::unique_ptr<X11Session> session_;
};

using BareX11Test = X11Fixture<X11Session::Manager::None>;
using ManagedX11Test = X11Fixture<X11Session::Manager::Openbox>;

} // namespace tandrel::e2e
