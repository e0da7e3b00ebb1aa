#include "standins/calculator_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tandrel {

namespace {

// The button grid, a row per line; "C" clears and "<" takes the last digit.
const char* const kRows[] = {"C<", "789/", "456*", "123-", "0.=+"};

} // namespace

CalculatorWindow::CalculatorWindow()
    : display_(new QLabel(QStringLiteral("0"))) {
    setWindowTitle(QStringLiteral("Calculator"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameShape(QFrame::Box);
    display_->setMinimumHeight(32);
    auto* grid = new QGridLayout(this);
    grid->addWidget(display_, 0, 0, 1, 4);
    for (int row = 0; row < int(std::size(kRows)); ++row) {
        const QString keys = QString::fromLatin1(kRows[row]);
        for (int column = 0; column < keys.size(); ++column) {
            const QChar key = keys[column];
            auto* button = new QPushButton(key == u'<' ? QStringLiteral("\u2190") : QString(key));
            // Keys go to the window, whatever was clicked last.
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
            grid->addWidget(button, row + 1, column);
        }
    }
    setFocusPolicy(Qt::StrongFocus);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(logic_.display());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return press(u'=');
    case Qt::Key_Escape:
        return press(u'C');
    case Qt::Key_Backspace:
        return press(u'<');
    }
    if (event->text().size() == 1)
        return press(event->text()[0]);
    QWidget::keyPressEvent(event);
}

void CalculatorWindow::press(QChar key) {
    if (key == u'C')
        logic_.clear();
    else if (key == u'<')
        logic_.backspace();
    else
        logic_.press(key);
    display_->setText(logic_.display());
}

} // namespace tandrel
