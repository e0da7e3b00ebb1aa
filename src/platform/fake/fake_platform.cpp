#include "platform/fake/fake_platform.h"

#include <QCoreApplication>
#include <QDir>

namespace tandrel {

Status FakeKeystrokes::send(const QString& notation, bool) {
    sent << notation;
    if (!failingText.isEmpty() && notation == failingText)
        return Status::failure(QStringLiteral("scripted failure"));
    if (deliver)
        deliver(notation);
    return Status::ok();
}

Status FakeWindows::activate(const QString& title) {
    for (const QString& existing : titles) {
        if (existing.startsWith(title, Qt::CaseInsensitive)) {
            activated << existing;
            return Status::ok();
        }
    }
    return Status::failure(QStringLiteral("no window"));
}

Status FakeProcesses::start(const QString& commandLine) {
    if (!startable.contains(commandLine))
        return Status::failure(QStringLiteral("not found"));
    started << commandLine;
    return Status::ok();
}

Answer FakeMessageBoxes::ask(const QString& text, const QString& title, Buttons buttons) {
    AskedBox box{text, title, buttons, Answer::Ok};
    if (whileShown)
        whileShown(box);
    if (!script.isEmpty())
        box.answer = script.dequeue();
    else if (buttons != Buttons::Ok) {
        ++unexpectedQuestions;
        box.answer = buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    asked << box;
    return box.answer;
}

QStringList FakeMessageBoxes::texts() const {
    QStringList result;
    for (const AskedBox& box : asked)
        result << box.text;
    return result;
}

QString FakeClock::longTimeText() const {
    return wallClock.time().toString(QStringLiteral("h:mm:ss AP"));
}

void FakeClock::yield() {
    ++yields;
    QCoreApplication::processEvents();
}

void FakeClock::waitUntil(qint64 monotonicDeadlineMs) {
    if (monotonicDeadlineMs > monotonic)
        advance(monotonicDeadlineMs - monotonic);
    yield();
    if (onWait)
        onWait();
}

void FakeClock::advance(qint64 ms) {
    monotonic += ms;
    waitedMs += ms;
    wallClock = wallClock.addMSecs(ms);
}

Status FakePrinter::endDocument() {
    ++documents;
    return endResult;
}

Status FakeDisplay::change(const DisplayMode& mode) {
    changes << mode;
    size = mode.size;
    return Status::ok();
}

Status FakeShortcuts::create(ShortcutPlace, const QString& name, const QString&) {
    created << name;
    return Status::ok();
}

Status FakeShortcuts::remove(ShortcutPlace, const QString& name) {
    removed << name;
    return Status::ok();
}

FakePlatform::FakePlatform() {
    QDir(root.path()).mkpath(QStringLiteral("drive_c"));
    QDir(root.path()).mkpath(QStringLiteral("drive_z"));
    files = std::make_unique<DriveFileSystem>(QMap<QChar, QString>{
        {QLatin1Char('C'), driveRoot(QLatin1Char('C'))},
        {QLatin1Char('Z'), driveRoot(QLatin1Char('Z'))},
    });
}

QString FakePlatform::driveRoot(QChar letter) const {
    return root.path() + QStringLiteral("/drive_") + letter.toLower();
}

Platform FakePlatform::platform() {
    return Platform{keystrokes, windows, processes, clipboard, *files,    messages,
                    clock,      printer, display,   shortcuts, processEnd};
}

} // namespace tandrel
