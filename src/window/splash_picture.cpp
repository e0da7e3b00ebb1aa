#include "window/splash_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tandrel {

namespace {

void drawSky(QPainter& painter, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(38, 74, 140));
    sky.setColorAt(0.55, QColor(240, 160, 110));
    sky.setColorAt(1.0, QColor(252, 214, 150));
    painter.fillRect(area, sky);

    const QPointF sunCentre(area.width() * 0.72, area.height() * 0.50);
    QRadialGradient sun(sunCentre, area.height() * 0.16);
    sun.setColorAt(0.0, QColor(255, 246, 200));
    sun.setColorAt(0.35, QColor(255, 226, 140));
    sun.setColorAt(1.0, QColor(255, 200, 120, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(sunCentre, area.height() * 0.16, area.height() * 0.16);
}

// A ridge through the given points (fractions of the size), filled down to the bottom.
void drawRidge(QPainter& painter, QSizeF size, std::initializer_list<QPointF> points,
               const QColor& top, const QColor& bottom) {
    QPainterPath ridge;
    ridge.moveTo(0, size.height());
    for (const QPointF& point : points)
        ridge.lineTo(point.x() * size.width(), point.y() * size.height());
    ridge.lineTo(size.width(), size.height());
    ridge.closeSubpath();
    QLinearGradient shade(0, ridge.boundingRect().top(), 0, size.height());
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.setBrush(shade);
    painter.drawPath(ridge);
}

void drawLake(QPainter& painter, QSizeF size) {
    const QRectF lake(0, size.height() * 0.80, size.width(), size.height() * 0.20);
    QLinearGradient water(lake.topLeft(), lake.bottomLeft());
    water.setColorAt(0.0, QColor(120, 150, 190));
    water.setColorAt(1.0, QColor(40, 70, 120));
    painter.fillRect(lake, water);
    painter.setPen(QPen(QColor(255, 236, 190, 150), 2));
    for (int row = 0; row < 6; ++row) {
        const qreal y = lake.top() + 10 + row * 11;
        const qreal half = 90 - row * 12;
        painter.drawLine(QPointF(size.width() * 0.72 - half, y),
                         QPointF(size.width() * 0.72 + half, y));
    }
}

void drawTitle(QPainter& painter, QSizeF size) {
    QFont nameFont(QStringLiteral("DejaVu Serif"));
    nameFont.setPixelSize(int(size.height() * 0.16));
    nameFont.setBold(true);
    QFont sloganFont(QStringLiteral("DejaVu Sans"));
    sloganFont.setPixelSize(int(size.height() * 0.035));
    sloganFont.setItalic(true);

    const QRectF nameArea(0, size.height() * 0.10, size.width(), size.height() * 0.20);
    const QRectF sloganArea(0, size.height() * 0.31, size.width(), size.height() * 0.06);
    const QString name = QStringLiteral("Tandrel");
    const QString slogan = QStringLiteral("Write the keystrokes once - let them play forever.");

    painter.setFont(nameFont);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(nameArea.translated(4, 4), Qt::AlignCenter, name);
    painter.setPen(QColor(255, 250, 235));
    painter.drawText(nameArea, Qt::AlignCenter, name);
    painter.setFont(sloganFont);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(sloganArea.translated(2, 2), Qt::AlignCenter, slogan);
    painter.setPen(QColor(255, 250, 235));
    painter.drawText(sloganArea, Qt::AlignCenter, slogan);
}

} // namespace

QPixmap drawSplashPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF area = size;
    drawSky(painter, QRectF(QPointF(0, 0), area));
    painter.setPen(Qt::NoPen);
    drawRidge(painter, area,
              {{0.0, 0.58},
               {0.12, 0.42},
               {0.22, 0.52},
               {0.35, 0.36},
               {0.48, 0.55},
               {0.60, 0.45},
               {0.74, 0.60},
               {0.86, 0.40},
               {1.0, 0.54}},
              QColor(110, 110, 150), QColor(80, 90, 120));
    drawRidge(painter, area,
              {{0.0, 0.70},
               {0.18, 0.62},
               {0.34, 0.70},
               {0.52, 0.60},
               {0.70, 0.72},
               {0.88, 0.63},
               {1.0, 0.68}},
              QColor(70, 110, 80), QColor(40, 80, 50));
    drawLake(painter, area);
    drawTitle(painter, area);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace tandrel
