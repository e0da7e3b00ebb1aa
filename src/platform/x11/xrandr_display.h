#pragma once

#include "platform/display.h"
#include "platform/x11/x11_display.h"

#include <memory>

namespace tandrel {

// The screen of the X server and its modes, changed with the RandR extension. A change takes
// effect at once and needs no restart.
class XrandrDisplay : public Display {
public:
    explicit XrandrDisplay(x11::DisplayPtr display);
    // The display of the session when its server has RandR; null otherwise.
    static std::unique_ptr<XrandrDisplay> forSession();

    QSize screenSize() const override;
    QList<DisplayMode> modes() const override;
    Status change(const DisplayMode& mode) override;

private:
    x11::DisplayPtr display_;
};

} // namespace tandrel
