#include "ui/startup/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap Artwork::ProductLogo(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size, size);
    g.setColorAt(0, QColor(30, 70, 140));
    g.setColorAt(1, QColor(10, 30, 80));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0, 0, size, size).adjusted(1, 1, -1, -1));
    // A stylised bird in flight: two swept wings and a body.
    const double s = size / 100.0;
    QPainterPath wing;
    wing.moveTo(18 * s, 46 * s);
    wing.cubicTo(35 * s, 30 * s, 45 * s, 38 * s, 50 * s, 52 * s);
    wing.cubicTo(55 * s, 38 * s, 65 * s, 30 * s, 82 * s, 46 * s);
    wing.cubicTo(66 * s, 44 * s, 58 * s, 52 * s, 50 * s, 66 * s);
    wing.cubicTo(42 * s, 52 * s, 34 * s, 44 * s, 18 * s, 46 * s);
    p.setBrush(QColor(240, 190, 60));
    p.drawPath(wing);
    return pm;
}

QPixmap Artwork::MakerLogo(bool hovered) {
    const int w = 44, h = 44;
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(hovered ? QColor(255, 160, 0) : QColor(90, 90, 90), 2));
    p.setBrush(hovered ? QColor(255, 240, 200) : QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 8, 8);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(17);
    p.setFont(f);
    p.setPen(hovered ? QColor(160, 80, 0) : QColor(40, 40, 110));
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QStringLiteral("BS"));
    return pm;
}

QPixmap Artwork::Banner(int width, int height, const QString& title, int pointSize) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, QColor(30, 70, 140));
    g.setColorAt(1, QColor(155, 185, 225));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::white);
    QFont f = p.font();
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pm.rect().adjusted(height / 3, 0, 0, 0), Qt::AlignVCenter, title);
    return pm;
}
