#pragma once

#include "../e2e/qt_printers.h"
#include "platform/fake/fake_platform.h"
#include "window/colours.h"
#include "window/tandrel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Each named control of the window is hidden (or shown).
inline void expectHidden(const QWidget* window, const QStringList& names, bool hidden = true) {
    for (const QString& name : names) {
        const QWidget* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->isHidden(), hidden) << name.toStdString();
    }
}

// The texts, each cut to the length of the beginning expected in its place.
inline QStringList cutTo(QStringList texts, const QStringList& beginnings) {
    for (int i = 0; i < texts.size() && i < beginnings.size(); ++i)
        texts[i].truncate(beginnings[i].size());
    return texts;
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void selectEntry(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found.first());
}

inline QStringList textsOf(const QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

// A fresh window on a fresh fake platform for every test.
class WindowTest : public testing::Test {
protected:
    void SetUp() override { window = std::make_unique<tandrel::Tandrel>(fake.platform()); }

    QString onC(const QString& name) const { return fake.driveRoot('C') + '/' + name; }

    void setProgram(const QStringList& program, int selected = -1) {
        window->List2->clear();
        window->List2->addItems(program);
        if (selected >= 0)
            window->List2->setCurrentRow(selected);
    }

    tandrel::FakePlatform fake;
    std::unique_ptr<tandrel::Tandrel> window;
};

// One key event as a keyboard sends it: to whichever widget has the focus at that moment.
struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    enum { Click, Press, Release, Repeat } action = Click;
};

// The window shown and active, in the editing mode that Create leaves, with a keystroke
// interface that types into the focused widget, as the real one does.
class EditorTest : public WindowTest {
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
        window->Label1_Click();
        ASSERT_TRUE(fake.messages.asked.isEmpty());
        // Something in the typing field, so that its selection can be checked; without the
        // field's change handler, which would record it as a typed line.
        const QSignalBlocker quiet(window->Text2);
        window->Text2->setText(QStringLiteral("k"));
    }

    // Each event goes to the focused widget, with the text a key types on a US layout.
    static void type(const QList<Stroke>& strokes) {
        const auto send = [](QEvent::Type type, const Stroke& stroke, bool autoRepeat = false) {
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
        };
        for (const Stroke& stroke : strokes) {
            if (stroke.action != Stroke::Release)
                send(QEvent::KeyPress, stroke, stroke.action == Stroke::Repeat);
            if (stroke.action == Stroke::Click || stroke.action == Stroke::Release)
                send(QEvent::KeyRelease, stroke);
        }
    }

    QStringList lines() const { return textsOf(window->List2); }

    int selectedRow() const {
        const QList<QListWidgetItem*> selected = window->List2->selectedItems();
        return selected.isEmpty() ? -1 : window->List2->row(selected.first());
    }

    void insert(const QString& line) {
        window->globals.PendingLine = line;
        window->InsertPendingLine();
    }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    QPoint centreOf(int row) const {
        QListWidget* list = window->List2;
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    }

    void clickLine(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(window->List2->viewport(), Qt::LeftButton, modifiers, centreOf(row));
    }

    bool lastLineInView() const {
        QListWidget* list = window->List2;
        return list->count() > 0 && list->viewport()->rect().contains(
                                        list->visualItemRect(list->item(list->count() - 1)));
    }

    // The state every handler leaves behind: the next key replaces the typing field's text.
    void expectTyping() const {
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
        EXPECT_EQ(window->Text2->selectionStart(), 0);
        EXPECT_EQ(window->Text2->selectedText(), window->Text2->text());
    }
};
