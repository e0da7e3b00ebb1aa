#pragma once

#include "platform/shortcuts.h"

#include <QString>

namespace tandrel {

// Desktop and menu entries as freedesktop .desktop files: the desktop directory of the user
// (only when it exists) and the applications directory of the user's data home.
class XdgShortcuts : public Shortcuts {
public:
    XdgShortcuts(QString desktopDirectory, QString applicationsDirectory);
    static XdgShortcuts forUser();

    Status create(ShortcutPlace place, const QString& name, const QString& target) override;
    Status remove(ShortcutPlace place, const QString& name) override;

private:
    QString entryPath(ShortcutPlace place, const QString& name) const;

    QString desktopDirectory_;
    QString applicationsDirectory_;
};

} // namespace tandrel
