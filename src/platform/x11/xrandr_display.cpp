#include "platform/x11/xrandr_display.h"

// RandR pulls in Xlib; the project header after it removes the clashing macros.
#include <X11/extensions/Xrandr.h>

#include "platform/x11/xlib.h"

namespace tandrel {

namespace {

struct ConfigCloser {
    void operator()(XRRScreenConfiguration* config) const { XRRFreeScreenConfigInfo(config); }
};
using ConfigPtr = std::unique_ptr<XRRScreenConfiguration, ConfigCloser>;

ConfigPtr screenConfig(x11::XDisplay* display) {
    return ConfigPtr(XRRGetScreenInfo(display, DefaultRootWindow(display)));
}

} // namespace

XrandrDisplay::XrandrDisplay(x11::DisplayPtr display)
    : display_(std::move(display)) {}

std::unique_ptr<XrandrDisplay> XrandrDisplay::forSession() {
    x11::DisplayPtr display = x11::openDisplay();
    int eventBase = 0;
    int errorBase = 0;
    if (!display || !XRRQueryExtension(display.get(), &eventBase, &errorBase))
        return nullptr;
    return std::make_unique<XrandrDisplay>(std::move(display));
}

QSize XrandrDisplay::screenSize() const {
    x11::XDisplay* display = display_.get();
    const int screen = DefaultScreen(display);
    return QSize(DisplayWidth(display, screen), DisplayHeight(display, screen));
}

QList<DisplayMode> XrandrDisplay::modes() const {
    QList<DisplayMode> result;
    const ConfigPtr config = screenConfig(display_.get());
    if (!config)
        return result;
    int count = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &count);
    for (int i = 0; i < count; ++i) {
        DisplayMode mode;
        mode.size = QSize(sizes[i].width, sizes[i].height);
        result << mode;
    }
    return result;
}

Status XrandrDisplay::change(const DisplayMode& mode) {
    x11::XDisplay* display = display_.get();
    const Status refused = Status::failure(QStringLiteral("The screen cannot take that mode."));
    const ConfigPtr config = screenConfig(display);
    if (!config)
        return refused;
    int count = 0;
    const XRRScreenSize* sizes = XRRConfigSizes(config.get(), &count);
    for (int i = 0; i < count; ++i) {
        if (sizes[i].width != mode.size.width() || sizes[i].height != mode.size.height())
            continue;
        Rotation rotation = 0;
        XRRConfigCurrentConfiguration(config.get(), &rotation);
        x11::ErrorTrap trap(display);
        const int result = XRRSetScreenConfig(display, config.get(), DefaultRootWindow(display), i,
                                              rotation, CurrentTime);
        if (trap.failed() || result != 0)
            return refused;
        XSync(display, False);
        return Status::ok();
    }
    return refused;
}

} // namespace tandrel
