#pragma once

#include "window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// One key event as a keyboard sends it: to whichever widget has the focus at that moment.
struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    enum { Click, Press, Release, Repeat } action = Click;
};

// The window shown and active, with a keystroke interface that types into the focused
// widget, as the real one does.
class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        fake.keystrokes.deliver = [](const QString& keys) {
            for (QChar key : keys)
                type({{key == QLatin1Char('~') ? Qt::Key_Return : Qt::Key(key.unicode())}});
        };
    }

    // Built by hand: the text a key types, as a keyboard with the US layout gives it.
    static void send(QEvent::Type type, const Stroke& stroke, bool autoRepeat = false) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QString text;
        const int key = stroke.key;
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            text = (stroke.modifiers & Qt::ShiftModifier) ? QChar(key) : QChar(key).toLower();
        else if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space ||
                 key == Qt::Key_Period)
            text = QChar(key);
        QKeyEvent event(type, key, stroke.modifiers, text, autoRepeat);
        QApplication::sendEvent(target, &event);
    }

    static void type(const QList<Stroke>& strokes) {
        for (const Stroke& stroke : strokes) {
            if (stroke.action != Stroke::Release)
                send(QEvent::KeyPress, stroke, stroke.action == Stroke::Repeat);
            if (stroke.action == Stroke::Click || stroke.action == Stroke::Release)
                send(QEvent::KeyRelease, stroke);
        }
    }

    QStringList lines() const {
        QStringList result;
        for (int row = 0; row < window->List2->count(); ++row)
            result << window->List2->item(row)->text();
        return result;
    }

    int selectedRow() const {
        const QList<QListWidgetItem*> selected = window->List2->selectedItems();
        return selected.isEmpty() ? -1 : window->List2->row(selected.first());
    }

    void setProgram(const QStringList& program, int selected = -1) {
        window->List2->clear();
        window->List2->addItems(program);
        if (selected >= 0)
            window->List2->setCurrentRow(selected);
    }

    QPoint centreOf(int row) const {
        QListWidget* list = window->List2;
        return list->visualItemRect(list->item(row)).center();
    }

    void clickLine(int row) {
        QTest::mouseClick(window->List2->viewport(), Qt::LeftButton, {}, centreOf(row));
    }

    // As the platform reports a double click: press, release, press, double click, release.
    void doubleClickAt(QPoint position) {
        QWidget* viewport = window->List2->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, position);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
        QTest::mousePress(viewport, Qt::LeftButton, {}, position);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, position,
                                viewport->mapToGlobal(position), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(viewport, &doubleClick);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
    }
};
