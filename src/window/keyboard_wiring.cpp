// Routes the toolkit's key, focus and click notifications of the typing field, the dialog
// field and the program list to the window's handlers.

#include "window/live_window.h"
#include "window/virtual_keys.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace tandrel {

namespace {

// Keys whose normal action in a one-line field would move the focus or the caret: the
// fields record them instead, and the caret must stay where the handlers put it so that
// the next character replaces the recorded token.
bool capturedEntirely(int keyCode) {
    switch (keyCode) {
    case 9:  // Tab
    case 35: // End
    case 36: // Home
    case 37: // Left
    case 38: // Up
    case 39: // Right
    case 40: // Down
        return true;
    default:
        return false;
    }
}

class KeyFieldFilter : public QObject {
public:
    using KeyHandler = void (Tandrel::*)(int);

    KeyFieldFilter(Tandrel* window, QWidget* field, KeyHandler keyDown, KeyHandler keyUp,
                   bool caretStays)
        : QObject(field)
        , window_(window)
        , keyDown_(keyDown)
        , keyUp_(keyUp)
        , caretStays_(caretStays) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!inLiveWindow(watched))
            return false;
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Alt, F10 and their combinations are keys to record, never shortcuts.
            event->accept();
            return true;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const int code = virtualKeyCode(key->key(), key->modifiers());
            if (code == 0)
                return false;
            (window_->*keyDown_)(code);
            return code == 9 || (caretStays_ && capturedEntirely(code));
        }
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (keyUp_ && !key->isAutoRepeat())
                (window_->*keyUp_)(virtualKeyCode(key->key(), key->modifiers()));
            return false;
        }
        default:
            return false;
        }
    }

private:
    Tandrel* window_;
    KeyHandler keyDown_;
    KeyHandler keyUp_;
    bool caretStays_;
};

// Tells a focus that a click of the user gave the program list from one that the handlers
// gave it, and runs the edit toggle once the press has selected the clicked line.
class ListClickFilter : public QObject {
public:
    explicit ListClickFilter(Tandrel* window)
        : QObject(window->List2)
        , window_(window) {
        window->List2->installEventFilter(this);
        window->List2->viewport()->installEventFilter(this);
        connect(window->List2, &QAbstractItemView::pressed, this, [this] { toggleIfClicked(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!inLiveWindow(watched))
            return false;
        if (watched == window_->List2 && event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            focusByClick_ = true;
        // A press on the empty area below the lines selects nothing and reports no press.
        if (watched == window_->List2->viewport() && event->type() == QEvent::MouseButtonRelease)
            toggleIfClicked();
        return false;
    }

private:
    void toggleIfClicked() {
        if (!focusByClick_)
            return;
        focusByClick_ = false;
        window_->List2_GotFocus();
    }

    Tandrel* window_;
    bool focusByClick_ = false;
};

// The typing field's focus.
class FocusInFilter : public QObject {
public:
    FocusInFilter(QWidget* field, std::function<void()> gotFocus)
        : QObject(field)
        , gotFocus_(std::move(gotFocus)) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && inLiveWindow(watched))
            gotFocus_();
        return false;
    }

private:
    std::function<void()> gotFocus_;
};

} // namespace

void Tandrel::connectKeyboardAndEditing() {
    new KeyFieldFilter(this, Text2, &Tandrel::Text2_KeyDown, &Tandrel::Text2_KeyUp, true);
    new KeyFieldFilter(this, Text3, &Tandrel::Text3_KeyDown, nullptr, false);
    new FocusInFilter(Text2, [this] { Text2_GotFocus(); });
    connect(Text2, &QLineEdit::textChanged, this, &Tandrel::Text2_Change);
    connect(Option1, &QRadioButton::clicked, this, &Tandrel::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Tandrel::Option2_Click);
    new ListClickFilter(this);
    // The edit prompt shows while the program stays in view; it must not cover the lines the
    // user clicks next. It still covers the program's own prompt, which lies further down.
    Label21->stackUnder(List2);
    connect(List2, &QListWidget::itemDoubleClicked, this, &Tandrel::List2_DblClick);
    connect(Command9, &QPushButton::clicked, this, &Tandrel::Command9_Click);
}

} // namespace tandrel
