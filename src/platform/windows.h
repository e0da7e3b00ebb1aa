#pragma once

#include "platform/status.h"

namespace tandrel {

class Windows {
public:
    virtual ~Windows() = default;
    // Brings the visible top-level window whose title equals the text (else begins with it),
    // ignoring letter case, to the front and gives it the focus.
    virtual Status activate(const QString& title) = 0;
};

} // namespace tandrel
