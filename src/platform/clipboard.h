#pragma once

#include <QString>

namespace tandrel {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The clipboard as plain text; empty when it holds no text.
    virtual QString text() = 0;
    virtual void clear() = 0;
};

} // namespace tandrel
