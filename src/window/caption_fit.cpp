// Whether the window's texts fit their controls, and the font that makes them fit.

#include "window/caption_fit.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>

namespace tandrel {

namespace {

bool isControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && name.front().isUpper();
}

QString oneLineText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->wordWrap() ? QString() : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    return {};
}

// The first control stacked above this one that hides part of the area, unless it hides
// the whole control (as the panels hide the program list's neighbours on purpose).
const QWidget* coveringControl(const QWidget* control, QRect area) {
    const QObjectList& siblings = control->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(control)) + 1; i < siblings.size();
         ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above && above->isVisible() && above->geometry().intersects(area) &&
            !above->geometry().contains(control->geometry()))
            return above;
    }
    return nullptr;
}

// The room a control gives its one-line text, where its style draws it.
QRect textRoom(const QWidget* control) {
    QStyle* style = control->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return style->subElementRect(qobject_cast<const QRadioButton*>(control)
                                         ? QStyle::SE_RadioButtonContents
                                         : QStyle::SE_PushButtonContents,
                                     &option, button);
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->hasFrame()
                               ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field)
                               : 0;
        // A line edit keeps two pixels free on either side of its text.
        return style->subElementRect(QStyle::SE_LineEditContents, &option, field)
            .marginsRemoved(field->textMargins())
            .adjusted(2, 0, -2, 0);
    }
    return control->contentsRect();
}

// How many times wider than its room the widest one-line caption of the window is.
qreal widestCaptionRatio(const QWidget* window) {
    qreal widest = 0;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QString text = oneLineText(control);
        if (isControl(control) && !text.isEmpty())
            widest = std::max(widest, QFontMetricsF(control->font()).horizontalAdvance(text) /
                                          std::max(1, textRoom(control).width()));
    }
    return widest;
}

} // namespace

QFont designFont(const QStringList& families) {
    QFont font;
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            break;
        }
    font.setPointSize(8);
    return font;
}

bool hasDesignMetrics(const QFont& font, const QStringList& families) {
    return families.contains(QFontInfo(font).family());
}

void narrowUntilCaptionsFit(QWidget* window) {
    constexpr int narrowest = 75; // per cent of the face's width
    QFont font = window->font();
    for (qreal ratio = widestCaptionRatio(window); ratio > 1 && font.stretch() != narrowest;
         ratio = widestCaptionRatio(window)) {
        const int stretch = font.stretch() > 0 ? font.stretch() : 100;
        font.setStretch(std::max(narrowest, int(stretch / ratio)));
        window->setFont(font);
    }
}

QStringList clippedTexts(const QWidget* window, const QMap<QString, int>& rowsRead) {
    QStringList clipped;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || !isControl(control))
            continue;
        const QString name = control->objectName();
        const QFontMetrics metrics(control->font());
        const auto check = [&](const QString& text, QSize needed, QSize room) {
            if (needed.width() > room.width() || needed.height() > room.height())
                clipped << QStringLiteral("%1: \"%2\" needs %3x%4, has %5x%6")
                               .arg(name, text.trimmed())
                               .arg(needed.width())
                               .arg(needed.height())
                               .arg(room.width())
                               .arg(room.height());
        };
        const QString text = oneLineText(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* list = qobject_cast<const QListWidget*>(control);
        if (!text.isEmpty()) {
            const QRect room = textRoom(control);
            check(text, QSize(metrics.horizontalAdvance(text), metrics.height()), room.size());
            // Buttons centre their captions and lie above their neighbours; labels and
            // fields write from the left, where a neighbour may lie over them.
            const qsizetype blanks =
                text.size() - QString(text).remove(QRegularExpression("^ +")).size();
            const QRect drawn(control->mapToParent(room.topLeft()) +
                                  QPoint(metrics.horizontalAdvance(text.left(blanks)),
                                         (room.height() - metrics.height()) / 2),
                              QSize(metrics.horizontalAdvance(text.mid(blanks)), metrics.height()));
            const QWidget* above = qobject_cast<const QAbstractButton*>(control)
                                       ? nullptr
                                       : coveringControl(control, drawn);
            if (above)
                clipped << QStringLiteral("%1: \"%2\" lies under %3")
                               .arg(name, text.trimmed(), above->objectName());
        } else if (label && label->wordWrap()) {
            const QRect room = label->contentsRect();
            check(label->text(),
                  metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text())
                      .size(),
                  room.size());
        } else if (list) {
            const QRect view = list->viewport()->rect();
            const int rows = std::min<int>(rowsRead.value(name, list->count()), list->count());
            for (int row = 0; row < rows; ++row) {
                const QRect rect = list->visualItemRect(list->item(row));
                check(list->item(row)->text(), list->sizeHintForIndex(list->model()->index(row, 0)),
                      rowsRead.contains(name) ? view.intersected(rect).size()
                                              : QSize(view.width(), QWIDGETSIZE_MAX));
            }
        } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
            if (box->verticalScrollBar()->maximum() > 0 ||
                box->horizontalScrollBar()->maximum() > 0)
                clipped << name + QStringLiteral(": \"") + box->toPlainText() +
                               QStringLiteral("\" scrolls");
        }
    }
    return clipped;
}

} // namespace tandrel
