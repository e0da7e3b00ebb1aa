#pragma once

#include <QFont>
#include <QMap>
#include <QWidget>

namespace tandrel {

// The controls are sized for an 8-point narrow sans serif; these faces have its metrics
// (Arial's), in the order they are looked for.
inline const QStringList designFamilies = {QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arimo")};

// The window's font at 8 points: the first of the families that is installed, or else the
// default face, which narrowUntilCaptionsFit adapts once the controls exist.
QFont designFont(const QStringList& families = designFamilies);

// Whether the font resolves to one of the design's families.
bool hasDesignMetrics(const QFont& font, const QStringList& families = designFamilies);

// Narrows the window's font, within legibility, until every one-line caption of its controls,
// shown or hidden, fits the room its control gives it.
void narrowUntilCaptionsFit(QWidget* window);

// The visible texts of the window that do not fit their controls or that a control stacked
// above covers in part, each as "name: text" and the room it lacks. A list's rows are
// checked against its width; where rowsRead names a list, only its first rows are, and they
// must lie whole in its view.
QStringList clippedTexts(const QWidget* window, const QMap<QString, int>& rowsRead = {});

} // namespace tandrel
