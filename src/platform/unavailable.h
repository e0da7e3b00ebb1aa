#pragma once

#include "platform/keystrokes.h"
#include "platform/printer.h"
#include "platform/shortcuts.h"
#include "platform/windows.h"

namespace tandrel {

// Stand-ins for services that this session cannot offer; each fails with a plain reason.

inline const QString noX11Reason =
    QStringLiteral("Keystrokes and windows need an X11 or XWayland session; none was found.");

class UnavailableKeystrokes : public Keystrokes {
public:
    Status send(const QString&, bool) override { return Status::failure(noX11Reason); }
    void releaseAll() override {}
};

class UnavailableWindows : public Windows {
public:
    Status activate(const QString&) override { return Status::failure(noX11Reason); }
};

class UnavailablePrinter : public Printer {
public:
    void setFontSize(int) override {}
    void setBold(bool) override {}
    void printLine(const QString&) override {}
    Status endDocument() override {
        return Status::failure(QStringLiteral("No printer is available."));
    }
};

class UnavailableShortcuts : public Shortcuts {
public:
    Status create(ShortcutPlace, const QString&, const QString&) override {
        return Status::failure(QStringLiteral("Shortcuts cannot be made here."));
    }
    Status remove(ShortcutPlace, const QString&) override {
        return Status::failure(QStringLiteral("Shortcuts cannot be removed here."));
    }
};

} // namespace tandrel
