#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace tandrel {

Answer QtMessageBoxes::ask(const QString& text, const QString& title, Buttons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Ctrl+C copies the message, as message boxes on the original platform do.
    auto* copy = new QShortcut(QKeySequence::Copy, &box);
    QObject::connect(copy, &QShortcut::activated, &box,
                     [&box] { QGuiApplication::clipboard()->setText(box.text()); });
    // A run started from a shell or a script may show its box where nobody looks; its text
    // goes to standard error as well.
    std::fprintf(stderr, "tandrel: %s\n", qUtf8Printable(text));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::Ok ? Answer::Ok
                                      : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
}

QtClock::QtClock() {
    monotonic_.start();
}

QDateTime QtClock::now() const {
    return QDateTime::currentDateTime();
}

qint64 QtClock::monotonicMs() const {
    return monotonic_.elapsed();
}

QString QtClock::longTimeText() const {
    // The regional long format may end in a zone name ("PST"); its letters would read as
    // AM/PM markers, so the zone is left out.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return QTime::currentTime().toString(format.trimmed());
}

void QtClock::yield() {
    QCoreApplication::processEvents();
}

// A timer takes an int of milliseconds (24.8 days); longer waits go in steps of a day.
void QtClock::waitUntil(qint64 monotonicDeadlineMs) {
    constexpr qint64 longestStepMs = 24ll * 60 * 60 * 1000;
    qint64 remaining = monotonicDeadlineMs - monotonicMs();
    if (remaining <= 0) {
        yield();
        return;
    }
    while (remaining > 0) {
        QEventLoop loop;
        QTimer::singleShot(int(std::min(remaining, longestStepMs)), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
        remaining = monotonicDeadlineMs - monotonicMs();
    }
}

QString QtClipboard::text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() ? data->text() : QString();
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

QSize QtDisplay::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

QList<DisplayMode> QtDisplay::modes() const {
    return {};
}

Status QtDisplay::change(const DisplayMode&) {
    return Status::failure(QStringLiteral("Display modes cannot be changed from here."));
}

} // namespace tandrel
