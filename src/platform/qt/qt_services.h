#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/message_boxes.h"

#include <QElapsedTimer>

namespace tandrel {

class QtMessageBoxes : public MessageBoxes {
public:
    Answer ask(const QString& text, const QString& title, Buttons buttons) override;
};

// Local wall clock, a monotonic clock, and waits as nested event loops.
class QtClock : public Clock {
public:
    QtClock();
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    QString longTimeText() const override;
    void yield() override;
    void waitUntil(qint64 monotonicDeadlineMs) override;

private:
    QElapsedTimer monotonic_;
};

// The X11 CLIPBOARD (or the platform's clipboard) through Qt.
class QtClipboard : public Clipboard {
public:
    QString text() override;
    void clear() override;
};

class QtDisplay : public Display {
public:
    QSize screenSize() const override;
    QList<DisplayMode> modes() const override;
    Status change(const DisplayMode& mode) override;
};

} // namespace tandrel
