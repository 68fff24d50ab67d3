#include "frame/ui/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace {
const QColor kInk(0x1F, 0x3A, 0x68);
const QColor kFill(0x4A, 0x86, 0xC8);
const QColor kStar(0xE8, 0xB0, 0x20);

QPolygonF arrow(bool bLeft) {
    QPolygonF shape;
    shape << QPointF(1.5, 7.5) << QPointF(7.5, 1.5) << QPointF(7.5, 5) << QPointF(14.5, 5)
          << QPointF(14.5, 10) << QPointF(7.5, 10) << QPointF(7.5, 13.5);
    if (!bLeft)
        for (QPointF& point : shape)
            point.setX(16 - point.x());
    return shape;
}

QPolygonF star() {
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 7.0 : 3.0;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        shape << QPointF(8 + radius * std::cos(angle), 7.5 + radius * std::sin(angle));
    }
    return shape;
}

void drawPicture(QPainter& p, const QString& name) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFill);
    if (name == QLatin1String("back") || name == QLatin1String("forward")) {
        p.drawPolygon(arrow(name == QLatin1String("back")));
    } else if (name == QLatin1String("home")) {
        QPolygonF house;
        house << QPointF(1.5, 7.5) << QPointF(8, 1.5) << QPointF(14.5, 7.5) << QPointF(12.5, 7.5)
              << QPointF(12.5, 13.5) << QPointF(3.5, 13.5) << QPointF(3.5, 7.5);
        p.drawPolygon(house);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 9.5, 3, 4));
    } else if (name == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(kFill);
        p.drawRect(QRectF(1.5, 6.5, 13, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    } else if (name == QLatin1String("previous") || name == QLatin1String("next")) {
        QPolygonF tip;
        const bool bUp = name == QLatin1String("previous");
        tip << QPointF(2.5, bUp ? 10.5 : 4.5) << QPointF(8, bUp ? 3.5 : 11.5)
            << QPointF(13.5, bUp ? 10.5 : 4.5);
        p.drawPolygon(tip);
    } else if (name == QLatin1String("note")) {
        p.setBrush(QColor(0xFF, 0xF4, 0xA8));
        p.drawRect(QRectF(2.5, 1.5, 11, 12));
        for (int y = 4; y <= 10; y += 3)
            p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
    } else if (name == QLatin1String("addfavourite") || name == QLatin1String("removefavourite")) {
        p.setBrush(kStar);
        p.drawPolygon(star());
        p.setPen(QPen(name == QLatin1String("addfavourite") ? QColor(0x20, 0x80, 0x20)
                                                            : QColor(0xC0, 0x20, 0x20),
                      2));
        p.drawLine(QPointF(9, 12), QPointF(15, 12));
        if (name == QLatin1String("addfavourite"))
            p.drawLine(QPointF(12, 9), QPointF(12, 15));
    } else if (name == QLatin1String("find")) {
        p.setBrush(QColor(0xDD, 0xEC, 0xFE));
        p.drawEllipse(QRectF(1.5, 1.5, 8, 8));
        p.setPen(QPen(kInk, 2.5));
        p.drawLine(QPointF(8.5, 8.5), QPointF(14, 14));
    }
}
} // namespace

QIcon toolbarIcon(const QString& name) {
    // Drawn for each device pixel ratio up to 3, so that the pictures stay sharp on HiDPI
    // screens; the icon picks the one of the screen.
    QIcon icon;
    for (int scale = 1; scale <= 3; ++scale) {
        QPixmap pixmap(16 * scale, 15 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            drawPicture(painter, name);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}
