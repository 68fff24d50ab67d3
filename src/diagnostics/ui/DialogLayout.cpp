#include "diagnostics/ui/DialogLayout.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace {
QRect toPixels(const QFont& font, const QRect& units) {
    const QFontMetrics metrics(font);
    const int cx = metrics.averageCharWidth();
    const int cy = metrics.height();
    return {(units.x() * cx + 2) / 4, (units.y() * cy + 4) / 8, (units.width() * cx + 2) / 4,
            (units.height() * cy + 4) / 8};
}
} // namespace

void placeInDialogUnits(QWidget* widget, const QRect& units) {
    const QWidget* parent = widget->parentWidget();
    widget->setGeometry(toPixels(parent ? parent->font() : widget->font(), units));
}

void sizeInDialogUnits(QWidget* dialog, const QSize& units) {
    dialog->setFixedSize(toPixels(dialog->font(), QRect(QPoint(), units)).size());
}

QPixmap dialogPicture(const QSize& size) {
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(0, 0, 128));
    gradient.setColorAt(1, QColor(70, 110, 190));
    painter.fillRect(picture.rect(), gradient);
    QFont font = painter.font();
    font.setPixelSize(qMax(8, picture.width() * 3 / 4));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("§"));
    return picture;
}
