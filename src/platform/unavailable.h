#pragma once

#include "platform/keystrokes.h"
#include "platform/printer.h"
#include "platform/shortcuts.h"
#include "platform/windows.h"

#include <functional>
#include <memory>

namespace tandrel {

// Stand-ins for services that this session cannot offer; each fails with a plain reason.

inline const QString noX11Reason =
    QStringLiteral("Keystrokes and windows need an X11 or XWayland session; none was found.");
inline const QString notAnX11WindowReason =
    QStringLiteral("The window that has the focus is not an X11 window; on this desktop keys "
                   "reach X11 windows only.");

inline const QString compositorGoneReason =
    QStringLiteral("The connection to the Wayland compositor was lost.");

// Reasons that are the session's, not the line's: a run error names them as they stand.
inline bool isSessionReason(const QString& reason) {
    return reason == noX11Reason || reason == notAnX11WindowReason ||
           reason == compositorGoneReason;
}

class UnavailableKeystrokes : public Keystrokes {
public:
    explicit UnavailableKeystrokes(QString limitation = {})
        : limitation_(std::move(limitation)) {}
    Status send(const QString&, bool) override { return Status::failure(noX11Reason); }
    void releaseAll() override {}
    QString limitation() const override { return limitation_; }

private:
    QString limitation_;
};

class UnavailableWindows : public Windows {
public:
    Status activate(const QString&) override { return Status::failure(noX11Reason); }
};

// Keys through XWayland reach X11 windows only: with a native window focused they would go
// nowhere, so the send fails instead, saying why.
class X11OnlyKeystrokes : public Keystrokes {
public:
    X11OnlyKeystrokes(std::unique_ptr<Keystrokes> keys, std::function<bool()> focusIsOnX11,
                      QString limitation)
        : keys_(std::move(keys))
        , focusIsOnX11_(std::move(focusIsOnX11))
        , limitation_(std::move(limitation)) {}
    Status send(const QString& notation, bool wait) override {
        if (!focusIsOnX11_())
            return Status::failure(notAnX11WindowReason);
        return keys_->send(notation, wait);
    }
    void releaseAll() override { keys_->releaseAll(); }
    QString limitation() const override { return limitation_; }

private:
    std::unique_ptr<Keystrokes> keys_;
    std::function<bool()> focusIsOnX11_;
    QString limitation_;
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
