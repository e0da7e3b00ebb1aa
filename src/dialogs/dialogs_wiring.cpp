#include "dialogs/line_commit.h"
#include "window/live_window.h"

#include <QKeyEvent>
#include <functional>

namespace tandrel {

namespace {

// Reports the release of Shift in the field it watches.
class ShiftReleaseFilter : public QObject {
public:
    ShiftReleaseFilter(QObject* watched, std::function<void()> released)
        : QObject(watched)
        , released_(std::move(released)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease && inLiveWindow(watched) &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift)
            released_();
        return false;
    }

private:
    std::function<void()> released_;
};

} // namespace

void Tandrel::connectDialogs() {
    connect(Command4, &QPushButton::clicked, this, &Tandrel::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Tandrel::Command5_Click);
    connect(Text3, &ClickLineEdit::clicked, this, &Tandrel::Text3_Click);
    // Only the release of Shift matters to the dialog field.
    new ShiftReleaseFilter(Text3, [this] { Text3_KeyUp(shiftKeyCode); });

    const std::pair<ClickLabel*, void (Tandrel::*)()> buttons[] = {
        {Label5, &Tandrel::Label5_Click},   {Label6, &Tandrel::Label6_Click},
        {Label7, &Tandrel::Label7_Click},   {Label10, &Tandrel::Label10_Click},
        {Label11, &Tandrel::Label11_Click}, {Label12, &Tandrel::Label12_Click},
        {Label14, &Tandrel::Label14_Click}, {Label15, &Tandrel::Label15_Click},
        {Label16, &Tandrel::Label16_Click}, {Label17, &Tandrel::Label17_Click},
        {Label18, &Tandrel::Label18_Click}, {Label23, &Tandrel::Label23_Click},
        {Label26, &Tandrel::Label26_Click}, {Label27, &Tandrel::Label27_Click},
    };
    for (const auto& [label, handler] : buttons)
        connect(label, &ClickLabel::clicked, this, handler);
}

} // namespace tandrel
