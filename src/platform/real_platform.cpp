#include "platform/real_platform.h"

#include "platform/posix/drive_file_system.h"
#include "platform/posix/process_launcher.h"
#include "platform/posix/termination_signals.h"
#include "platform/posix/xdg_shortcuts.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform/session_probe.h"
#include "platform/unavailable.h"
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_keystrokes.h"
#include "platform/wayland/wayland_windows.h"
#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_windows.h"
#include "platform/x11/xrandr_display.h"
#include "standins/standin_launchers.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

#ifdef TANDREL_COVERAGE
extern "C" void __gcov_dump();
#endif

namespace tandrel {

namespace {

class ImmediateProcessEnd : public ProcessEnd {
public:
    explicit ImmediateProcessEnd(Keystrokes& keystrokes)
        : keystrokes_(keystrokes) {}
    void endProcess() override {
        keystrokes_.releaseAll();
        std::fflush(nullptr);
#ifdef TANDREL_COVERAGE
        __gcov_dump(); // _exit skips the exit handlers that would write the coverage counts
#endif
        ::_exit(0);
    }

private:
    Keystrokes& keystrokes_;
};

// Typing, windows and the clipboard as the session offers them (see chooseSession), with
// stand-ins that say why where it offers none.
struct Desktop {
    std::unique_ptr<wayland::Connection> wayland;
    std::unique_ptr<Keystrokes> keystrokes;
    std::unique_ptr<Windows> windows;
    std::unique_ptr<Clipboard> clipboard;
    ProcessWindows* processWindows = nullptr;

    static Desktop forSession() {
        Desktop desktop;
        desktop.wayland = openWaylandConnection();
        const SessionChoice choice = chooseSession(probeSession(desktop.wayland.get()));
        desktop.chooseTyping(choice);
        desktop.chooseWindows(choice);
        if (choice.clipboard.mechanism == Mechanism::Wayland)
            desktop.clipboard = WaylandClipboard::create(*desktop.wayland);
        if (!desktop.clipboard)
            desktop.clipboard = std::make_unique<QtClipboard>();
        return desktop;
    }

private:
    void chooseTyping(const SessionChoice& choice) {
        switch (choice.typing.mechanism) {
        case Mechanism::Wayland:
            keystrokes = WaylandKeystrokes::create(*wayland);
            break;
        case Mechanism::X11:
            if (auto display = x11::openDisplay())
                keystrokes = std::make_unique<X11Keystrokes>(std::move(display));
            break;
        case Mechanism::X11Windows:
            if (auto display = x11::openDisplay()) {
                auto focusDisplay = std::shared_ptr<x11::XDisplay>(x11::openDisplay().release(),
                                                                   x11::DisplayCloser());
                keystrokes = std::make_unique<X11OnlyKeystrokes>(
                    std::make_unique<X11Keystrokes>(std::move(display)),
                    [focusDisplay] {
                        return focusDisplay && x11::focusIsOnXWindow(focusDisplay.get());
                    },
                    choice.keysLimitation);
            }
            break;
        case Mechanism::Qt:
        case Mechanism::None:
            break;
        }
        if (!keystrokes)
            keystrokes = std::make_unique<UnavailableKeystrokes>(choice.keysLimitation);
    }

    void chooseWindows(const SessionChoice& choice) {
        if (choice.windows.mechanism == Mechanism::Wayland) {
            if (auto found = WaylandWindows::create(*wayland)) {
                processWindows = found.get();
                windows = std::move(found);
            }
        } else if (choice.windows.mechanism != Mechanism::None) {
            if (auto display = x11::openDisplay()) {
                auto found = std::make_unique<X11Windows>(std::move(display));
                processWindows = found.get();
                windows = std::move(found);
            }
        }
        if (!windows)
            windows = std::make_unique<UnavailableWindows>();
    }
};

// The X server's own modes when it has RandR; otherwise the size Qt reports, unchangeable.
std::unique_ptr<Display> displayOfSession() {
    if (auto display = XrandrDisplay::forSession())
        return display;
    return std::make_unique<QtDisplay>();
}

} // namespace

struct RealPlatform::Services {
    Desktop desktop = Desktop::forSession();
    DriveFileSystem files{DriveFileSystem::rootsFromEnvironment()};
    ProcessLauncher processes{files, desktop.processWindows};
    QtMessageBoxes messages;
    QtClock clock;
    QtPrinter printer;
    std::unique_ptr<Display> display = displayOfSession();
    XdgShortcuts shortcuts = XdgShortcuts::forUser();
    ImmediateProcessEnd processEnd{*desktop.keystrokes};
};

RealPlatform::RealPlatform()
    : services_(std::make_unique<Services>()) {
    services_->files.prepareSystemDrive(QLatin1Char('C'));
    // Programs written for Windows start its Notepad and Calculator. The drive C that Tandrel
    // made gets launchers of its stand-ins; a drive C the user chose is left as it is.
    if (!qEnvironmentVariableIsSet("TANDREL_DRIVE_C"))
        placeStandInLaunchers(services_->files, QCoreApplication::applicationFilePath());
    releaseKeysOnTermination(*services_->desktop.keystrokes);
}

RealPlatform::~RealPlatform() = default;

Platform RealPlatform::platform() {
    Services& s = *services_;
    return Platform{*s.desktop.keystrokes,
                    *s.desktop.windows,
                    s.processes,
                    *s.desktop.clipboard,
                    s.files,
                    s.messages,
                    s.clock,
                    s.printer,
                    *s.display,
                    s.shortcuts,
                    s.processEnd};
}

} // namespace tandrel
