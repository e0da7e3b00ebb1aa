#pragma once

#include "window/tandrel.h"

namespace tandrel {

// A window being destroyed still sends focus and key events to its fields, when the handlers
// and the widgets they touch are already gone: event filters pass such events over.
inline bool inLiveWindow(const QObject* watched) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && qobject_cast<const Tandrel*>(widget->window());
}

} // namespace tandrel
