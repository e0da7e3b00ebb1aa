// The help index and text: filling them, finding a topic, and growing while in use.

#include "help/manual.h"
#include "window/colours.h"
#include "window/live_window.h"

#include <QEvent>

namespace tandrel {

namespace {

// Lines selected beyond the topic first, so the list scrolls the topic up with its text below.
constexpr int scrollAhead = 15;

QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// Turns a list's focus changes into calls of the window's handlers.
class FocusHandlers : public QObject {
public:
    FocusHandlers(QObject* parent, std::function<void()> gained, std::function<void()> lost)
        : QObject(parent)
        , gained_(std::move(gained))
        , lost_(std::move(lost)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!inLiveWindow(watched))
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::FocusIn && gained_)
            gained_();
        if (event->type() == QEvent::FocusOut && lost_)
            lost_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> gained_;
    std::function<void()> lost_;
};

} // namespace

void Tandrel::connectHelp() {
    setBackground(List8, QColor(192, 0, 0));
    connect(List8, &QListWidget::itemClicked, this, &Tandrel::List8_Click);
    connect(List9, &QListWidget::itemClicked, this, &Tandrel::List9_Click);
    connect(Command12, &QPushButton::clicked, this, &Tandrel::Command12_Click);
    List8->installEventFilter(new FocusHandlers(
        List8, [this] { List8_GotFocus(); }, [this] { List8_LostFocus(); }));
    List9->installEventFilter(new FocusHandlers(List9, nullptr, [this] { List9_LostFocus(); }));
}

void Tandrel::LoadHelpManual() {
    List8->clear();
    List9->clear();
    List8->addItems(helpIndexEntries());
    List9->addItems(helpManualLines());
}

void Tandrel::List8_Click() {
    Text9->show();
    const QListWidgetItem* entry = List8->currentItem();
    if (!entry)
        return;
    QStringList lines;
    for (int row = 0; row < List9->count(); ++row)
        lines << List9->item(row)->text();
    const int topic = topicLineOf(entry->text(), lines);
    if (topic < 0)
        return;
    List9->setCurrentRow(List9->count() < topic + scrollAhead ? List9->count() - 1
                                                              : topic + scrollAhead);
    List9->setCurrentRow(topic);
}

void Tandrel::List8_GotFocus() {
    List8->setGeometry(twips(120, 3740, 3000, 2840));
    List9->resize(11000 / 15, List9->height());
}

void Tandrel::List8_LostFocus() {
    Text9->hide();
    restHelpGeometry();
}

void Tandrel::List9_Click() {
    List9->resize(14000 / 15, List9->height());
}

void Tandrel::List9_LostFocus() {
    restHelpGeometry();
}

void Tandrel::restHelpGeometry() {
    List8->setGeometry(twips(120, 5740, 1575, 840));
    List9->resize(1575 / 15, List9->height());
}

} // namespace tandrel
