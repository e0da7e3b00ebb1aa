#pragma once

#include "platform/posix/process_launcher.h"
#include "platform/windows.h"
#include "platform/x11/x11_display.h"

namespace tandrel {

// Windows by title on an X server, with an EWMH window manager or without one.
class X11Windows : public Windows, public ProcessWindows {
public:
    explicit X11Windows(x11::DisplayPtr display);

    Status activate(const QString& title) override;
    bool activateWindowOf(long long pid) override;
    quint64 titleActivations() const override { return titleActivations_; }

private:
    x11::DisplayPtr display_;
    quint64 titleActivations_ = 0;
};

} // namespace tandrel
