#pragma once

// What end-to-end tests share: a private X server with an optional window manager, the tests'
// own view of it (windows, focus, keys, clicks), and target windows that record what they get.

#include "qt_printers.h"

#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

struct _XDisplay;

namespace tandrel::e2e {

// Long enough for a 2-core machine running the whole suite in parallel; a wait that holds
// returns as soon as it does, so only a failing test pays for it.
constexpr int e2eDeadlineMs = 30000;

bool awaitCondition(const std::function<bool()>& condition, int timeoutMs = e2eDeadlineMs);

// The latest value of read(), once holds(value) or at the deadline.
template <typename Read, typename Holds>
auto awaitValue(const Read& read, const Holds& holds, int timeoutMs = e2eDeadlineMs) {
    decltype(read()) value{};
    awaitCondition([&] { return holds(value = read()); }, timeoutMs);
    return value;
}

// A private X server on a free display number (Xvfb -displayfd), optionally with openbox. While
// it lives, DISPLAY names it in this process's environment; both end when it goes.
struct X11Session {
    enum class Manager { None, Openbox };
    explicit X11Session(Manager manager);
    ~X11Session();
    QProcess xvfb, openbox;
    bool ready = false;
};

// A test suite sharing one X session; each suite of a fixture gets its own server.
template <X11Session::Manager manager> class X11Fixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<X11Session>(manager); }
    static void TearDownTestSuite() { session_.reset(); }
    void SetUp() override { ASSERT_TRUE(session_->ready) << "Xvfb or openbox did not start"; }
    static inline std::unique_ptr<X11Session> session_;
};

using BareX11Test = X11Fixture<X11Session::Manager::None>;
using ManagedX11Test = X11Fixture<X11Session::Manager::Openbox>;

// The tests' own view of the X server, independent of the back ends under test.
class X11Probe {
public:
    X11Probe();
    ~X11Probe();
    std::vector<int> keysDown();
    // The viewable top-level client window of the process, 0 for none.
    unsigned long windowOf(qint64 pid);
    // Until the process's window is viewable and, under a window manager, on its client list:
    // the manager lists a window last when it takes one on, after mapping and focusing it.
    bool awaitManagedWindowOf(qint64 pid, int timeoutMs = e2eDeadlineMs);
    // The process whose window has the keyboard focus, 0 for none.
    qint64 focusedPid();
    // Whether the focus rests on a dialog (a message box) or another window of the process, and
    // under a manager on the one it made active: X may hand the focus on first when one goes.
    bool focusRestsOn(qint64 pid, bool dialog);
    // The windows on the manager's client list: their titles, processes and ids.
    struct ManagedWindow {
        QString title;
        qint64 pid = 0;
        unsigned long window = 0;
    };
    std::vector<ManagedWindow> managedWindows();
    QString focusedTitle() { return titleOf(focusedClient()); }
    // Raises the window and gives it the focus, without a window manager.
    void focus(unsigned long window);
    int pressKey(const QString& keysymName);
    void releaseKey(int keycode);
    void tapKey(const QString& keysymName) { releaseKey(pressKey(keysymName)); }
    // Clicks at a point of the process's window, paced so that two clicks make a double click.
    void clickAt(qint64 pid, int x, int y, int clicks = 1, unsigned button = 1);
    _XDisplay* display() const { return display_; }

private:
    // The client window that holds the focus or a window inside it, 0 for none.
    unsigned long focusedClient();
    QString titleOf(unsigned long window);
    _XDisplay* display_;
};

inline bool setKeyboardLayout(const QString& layouts) {
    return QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layouts}) ==
           0;
}

// Starts mousepad (GTK 3) with its settings in home, its window titled "Untitled 1 - Mousepad".
void startMousepad(QProcess& process, const QString& home);

struct TargetRecord {
    QString text;
    QStringList keys;
    bool active = false;
    qint64 pid = 0;
};

// Reads a record file that tandrel_target writes; pid 0 while it does not exist.
TargetRecord readTargetRecord(const QString& path);

// A tandrel_target window on the session's display, ended with this object.
class TargetWindow {
public:
    explicit TargetWindow(const QString& title, const QStringList& extraArguments = {});
    ~TargetWindow();
    // Whether it has written its first record and its window is up and settled.
    bool started() const { return started_; }
    qint64 pid() const { return process_.processId(); }
    TargetRecord record() const { return readTargetRecord(recordPath_); }
    TargetRecord awaitRecord(const std::function<bool(const TargetRecord&)>& holds) const {
        return awaitValue([this] { return record(); },
                          [&](const TargetRecord& r) { return r.pid != 0 && holds(r); });
    }
    static QString targetProgram() { return QStringLiteral(TANDREL_TARGET_PATH); }

private:
    QTemporaryDir dir_;
    QString recordPath_;
    QProcess process_;
    bool started_ = false;
};

} // namespace tandrel::e2e
