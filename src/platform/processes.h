#pragma once

#include "platform/status.h"

namespace tandrel {

class Processes {
public:
    virtual ~Processes() = default;
    // Starts the program of a command line (drive-letter or host path, then arguments)
    // detached, in a normal window that gets the focus; returns at once.
    virtual Status start(const QString& commandLine) = 0;
};

} // namespace tandrel
