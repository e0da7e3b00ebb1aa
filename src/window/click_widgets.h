#pragma once

#include <QLabel>
#include <QLineEdit>

namespace tandrel {

// A label that acts as a button: it reports clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A one-line text box that also reports clicks, so that handlers can react to a click in it.
class ClickLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tandrel
