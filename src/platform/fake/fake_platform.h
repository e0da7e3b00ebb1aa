#pragma once

#include "platform/platform.h"
#include "platform/posix/drive_file_system.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace tandrel {

// Test doubles for the window's handler sequences. Files are real, on drives mapped into a
// temporary directory; everything else is recorded or scripted.

class FakeKeystrokes : public Keystrokes {
public:
    Status send(const QString& notation, bool wait) override;
    void releaseAll() override { ++releases; }
    QString limitation() const override { return limitationText; }

    QStringList sent;
    int releases = 0;
    // Sends of exactly this text fail (when not empty).
    QString failingText;
    QString limitationText;
    // When set, receives every successful send, so that a test can type the keys into the
    // widget that has the focus, as the real back end does.
    std::function<void(const QString&)> deliver;
};

class FakeWindows : public Windows {
public:
    Status activate(const QString& title) override;

    QStringList titles; // the windows that exist
    QStringList activated;
};

class FakeProcesses : public Processes {
public:
    Status start(const QString& commandLine) override;

    QStringList startable; // command lines that start
    QStringList started;
};

class FakeClipboard : public Clipboard {
public:
    QString text() override { return content; }
    void clear() override { content.clear(); }

    QString content;
};

struct AskedBox {
    QString text;
    QString title;
    Buttons buttons;
    Answer answer;
};

// Boxes with only OK are answered OK; every question needs a scripted answer, and one
// asked without it is counted as unexpected and answered Cancel (No where there is none).
class FakeMessageBoxes : public MessageBoxes {
public:
    Answer ask(const QString& text, const QString& title, Buttons buttons) override;

    void willAnswer(Answer answer) { script.enqueue(answer); }
    QStringList texts() const;

    QQueue<Answer> script;
    QList<AskedBox> asked;
    int unexpectedQuestions = 0;
    // Runs while a box is "on the screen", before it is answered.
    std::function<void(const AskedBox&)> whileShown;
};

// Virtual time: waits move the clock forward at once and let pending events run.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return wallClock; }
    qint64 monotonicMs() const override { return monotonic; }
    QString longTimeText() const override;
    void yield() override;
    void waitUntil(qint64 monotonicDeadlineMs) override;

    void advance(qint64 ms);

    QDateTime wallClock = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
    qint64 monotonic = 1'000'000;
    qint64 waitedMs = 0;
    int yields = 0;
    // Called after every wait step with the new virtual time, so tests can act mid-wait.
    std::function<void()> onWait;
};

class FakePrinter : public Printer {
public:
    void setFontSize(int points) override { fontSize = points; }
    void setBold(bool value) override { bold = value; }
    void printLine(const QString& text) override {
        lines << text;
        if (onLine)
            onLine();
    }
    Status endDocument() override;

    QStringList lines;
    int fontSize = 10;
    bool bold = false;
    int documents = 0;
    Status endResult = Status::ok(); // what ending a document reports
    std::function<void()> onLine;    // what the user does while a line prints
};

class FakeDisplay : public Display {
public:
    QSize screenSize() const override { return size; }
    QList<DisplayMode> modes() const override { return available; }
    Status change(const DisplayMode& mode) override;

    QSize size = QSize(1024, 768);
    QList<DisplayMode> available;
    QList<DisplayMode> changes;
};

class FakeShortcuts : public Shortcuts {
public:
    Status create(ShortcutPlace place, const QString& name, const QString& target) override;
    Status remove(ShortcutPlace place, const QString& name) override;

    QStringList created;
    QStringList removed;
};

class FakeProcessEnd : public ProcessEnd {
public:
    void endProcess() override { ++ends; }
    int ends = 0;
};

// All fakes together; drive C: and Z: are directories inside one temporary directory.
class FakePlatform {
public:
    FakePlatform();

    Platform platform();
    // Host path of a drive's root, for preparing and checking files.
    QString driveRoot(QChar letter) const;

    QTemporaryDir root;
    FakeKeystrokes keystrokes;
    FakeWindows windows;
    FakeProcesses processes;
    FakeClipboard clipboard;
    std::unique_ptr<DriveFileSystem> files;
    FakeMessageBoxes messages;
    FakeClock clock;
    FakePrinter printer;
    FakeDisplay display;
    FakeShortcuts shortcuts;
    FakeProcessEnd processEnd;
};

} // namespace tandrel
