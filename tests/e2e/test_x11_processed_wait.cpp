// The processed wait of the X11 keystroke back end: once a send returns, the focused client has
// acted on every key, whatever toolkit it is built with and however busy the machine is.

#include "x11_session.h"

#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_processing_wait.h"
#include "platform/x11/x11_windows.h"

#include <atomic>
#include <thread>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#undef Status // Xlib's, in the way of tandrel's

namespace tandrel::e2e {
namespace {

struct Peer {
    const char* name;
    QString title;
    std::function<void(QProcess&, const QString& dir)> start;
    bool copies; // an editor: Ctrl+C copies its selection
};

const std::vector<Peer> peers{
    {"Qt", "Waited On",
     [](QProcess& p, const QString& dir) {
         p.start(TargetWindow::targetProgram(),
                 {"--title", "Waited On", "--out", dir + "/record.json"});
     },
     true},
    {"GTK 3", "Untitled 1 - Mousepad", startMousepad, true},
    {"xterm", "Waited Term",
     [](QProcess& p, const QString&) {
         p.start("xterm", {"-title", "Waited Term"});
     },
     false},
};

// Both cores busy while it lives.
class Load {
public:
    Load() {
        for (auto& thread : threads_)
            thread = std::jthread([this] {
                while (!stop_)
                    std::atomic_signal_fence(std::memory_order_seq_cst);
            });
    }
    ~Load() { stop_ = true; }

private:
    std::atomic<bool> stop_ = false;
    std::jthread threads_[2];
};

class ProcessedWaitTest : public ManagedX11Test {
protected:
    // Starts the peer and gives it the focus.
    bool focus(const Peer& peer) {
        peer.start(process_, dir_.path());
        return probe_.awaitManagedWindowOf(process_.processId()) &&
               awaitCondition([&] { return bool(windows_.activate(peer.title)); });
    }

    void stop() {
        process_.kill();
        process_.waitForFinished(e2eDeadlineMs);
    }
    void TearDown() override { stop(); }

    QTemporaryDir dir_;
    QProcess process_;
    X11Probe probe_;
    X11Windows windows_{x11::openDisplay()};
};

TEST_F(ProcessedWaitTest, ACopyHasTakenTheClipboardWhenTheSendReturnsUnderLoad) {
    Display* x = probe_.display();
    const Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    for (const Peer& peer : peers) {
        if (!peer.copies)
            continue;
        SCOPED_TRACE(peer.name);
        ASSERT_TRUE(focus(peer));
        X11Keystrokes keystrokes(x11::openDisplay());
        const Load load;
        int late = 0;
        for (int i = 0; i < 200; ++i) {
            XSetSelectionOwner(x, clipboard, 0, CurrentTime);
            XSync(x, False);
            ASSERT_TRUE(keystrokes.send(QStringLiteral("^a%1^a^c").arg(i), true));
            late += XGetSelectionOwner(x, clipboard) == 0 ? 1 : 0;
        }
        EXPECT_EQ(late, 0) << "sends returned before the copy";
        stop();
    }
}

TEST_F(ProcessedWaitTest, KeysThatDrawNothingAreConfirmed) {
    for (const Peer& peer : peers) {
        SCOPED_TRACE(peer.name);
        ASSERT_TRUE(focus(peer));
        const x11::DisplayPtr display = x11::openDisplay();
        x11::ProcessingWait wait(display.get());
        const KeyCode shift = XKeysymToKeycode(display.get(), XStringToKeysym("Shift_L"));
        for (int i = 0; i < 10; ++i) {
            XTestFakeKeyEvent(display.get(), shift, True, CurrentTime);
            XTestFakeKeyEvent(display.get(), shift, False, CurrentTime);
            EXPECT_EQ(wait.await(std::chrono::seconds(5)), x11::Processing::Confirmed);
        }
        stop();
    }
}

} // namespace
} // namespace tandrel::e2e
