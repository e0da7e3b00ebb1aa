#pragma once

#include "platform/status.h"

namespace tandrel {

enum class ShortcutPlace { Desktop, StartMenu };

class Shortcuts {
public:
    virtual ~Shortcuts() = default;
    virtual Status create(ShortcutPlace place, const QString& name, const QString& target) = 0;
    virtual Status remove(ShortcutPlace place, const QString& name) = 0;
};

} // namespace tandrel
