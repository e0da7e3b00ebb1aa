#pragma once

#include "window/colours.h"
#include "window_fixture.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTest>

// Each named control of the window is hidden (or shown).
inline void expectHidden(const QWidget* window, const QStringList& names, bool hidden = true) {
    for (const QString& name : names) {
        const QWidget* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->isHidden(), hidden) << name.toStdString();
    }
}

inline void expectShown(const QWidget* window, const QStringList& names) {
    expectHidden(window, names, false);
}

// The window shown and active, in the editing mode that Create leaves.
class EditorTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->Label1_Click();
        ASSERT_TRUE(fake.messages.asked.isEmpty());
        // Something in the typing field, so that its selection can be checked; without the
        // field's change handler, which would record it as a typed line.
        const QSignalBlocker quiet(window->Text2);
        window->Text2->setText(QStringLiteral("k"));
    }

    static QStringList textsOf(const QListWidget* list) {
        QStringList result;
        for (int row = 0; row < list->count(); ++row)
            result << list->item(row)->text();
        return result;
    }

    QStringList lines() const { return textsOf(window->List2); }

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

    void insert(const QString& line) {
        window->globals.PendingLine = line;
        window->InsertPendingLine();
    }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    void clickLine(int row, Qt::KeyboardModifiers modifiers = {}) {
        QListWidget* list = window->List2;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
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

    QColor colour(tandrel::PaletteColour colour) const { return tandrel::classicColour(colour); }
};
