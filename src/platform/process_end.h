#pragma once

namespace tandrel {

class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    // Releases what a send left pressed and ends the process at once, nothing saved. Tests
    // record the end instead, so callers return right after calling it.
    virtual void endProcess() = 0;
};

} // namespace tandrel
