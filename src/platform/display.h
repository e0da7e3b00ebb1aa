#pragma once

#include "platform/status.h"

#include <QList>
#include <QSize>

namespace tandrel {

struct DisplayMode {
    QSize size;
    int bitsPerPixel = 0;
    int frequency = 0;
};

class Display {
public:
    virtual ~Display() = default;
    virtual QSize screenSize() const = 0;
    virtual QList<DisplayMode> modes() const = 0;
    virtual Status change(const DisplayMode& mode) = 0;
};

} // namespace tandrel
