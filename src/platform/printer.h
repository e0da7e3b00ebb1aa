#pragma once

#include "platform/status.h"

namespace tandrel {

// The default printer, used line by line.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void printLine(const QString& text) = 0;
    virtual Status endDocument() = 0;
};

} // namespace tandrel
