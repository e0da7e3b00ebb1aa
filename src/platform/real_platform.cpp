#include "platform/real_platform.h"

#include "platform/posix/drive_file_system.h"
#include "platform/posix/process_launcher.h"
#include "platform/posix/xdg_shortcuts.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform/unavailable.h"
#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_windows.h"
#include "platform/x11/xrandr_display.h"

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

// Keystrokes and windows on the X server of the session, or stand-ins that say why there
// are none (a Wayland session without XWayland, a console).
struct Desktop {
    std::unique_ptr<Keystrokes> keystrokes;
    std::unique_ptr<Windows> windows;
    ProcessWindows* processWindows = nullptr;

    static Desktop forSession() {
        Desktop desktop;
        auto typing = qEnvironmentVariableIsEmpty("DISPLAY") ? nullptr : x11::openDisplay();
        auto windowing = typing ? x11::openDisplay() : nullptr;
        if (!typing || !windowing) {
            desktop.keystrokes = std::make_unique<UnavailableKeystrokes>();
            desktop.windows = std::make_unique<UnavailableWindows>();
            return desktop;
        }
        auto windows = std::make_unique<X11Windows>(std::move(windowing));
        desktop.processWindows = windows.get();
        desktop.windows = std::move(windows);
        desktop.keystrokes = std::make_unique<X11Keystrokes>(std::move(typing));
        return desktop;
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
    QtClipboard clipboard;
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
}

RealPlatform::~RealPlatform() = default;

Platform RealPlatform::platform() {
    Services& s = *services_;
    return Platform{*s.desktop.keystrokes,
                    *s.desktop.windows,
                    s.processes,
                    s.clipboard,
                    s.files,
                    s.messages,
                    s.clock,
                    s.printer,
                    *s.display,
                    s.shortcuts,
                    s.processEnd};
}

} // namespace tandrel
