#pragma once

#include "platform/shortcuts.h"

#include <QString>

namespace tandrel {

// The desktop-file id of Tandrel's menu entry, the one the package installs too.
QString desktopFileId();

// Desktop and menu entries as freedesktop .desktop files: the desktop directory of the user
// (only when it exists) and the applications directory of the user's data home. The menu entry
// is named by the desktop-file id, so that where the package's entry is installed as well the
// user's entry shadows it and the menu shows one Tandrel, whichever came first.
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
