#pragma once

#include "platform/platform.h"

#include <memory>

namespace tandrel {

// The back ends a user meets, chosen for the session the process runs in.
class RealPlatform {
public:
    RealPlatform();
    ~RealPlatform();

    Platform platform();

private:
    struct Services;
    std::unique_ptr<Services> services_;
};

} // namespace tandrel
