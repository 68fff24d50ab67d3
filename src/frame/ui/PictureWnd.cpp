#include "frame/ui/PictureWnd.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

CsPictureWnd::CsPictureWnd()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(StartupPicture()) {
    setObjectName(QStringLiteral("startupPicture"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(LoadResString(IDS_TITLE));
    setFixedSize(m_bitmap.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

QPixmap CsPictureWnd::StartupPicture() {
    QPixmap picture(420, 260);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, picture.height());
    sky.setColorAt(0, QColor(0x1F, 0x3A, 0x68));
    sky.setColorAt(1, QColor(0x4A, 0x86, 0xC8));
    p.fillRect(picture.rect(), sky);
    // A stylised section sign standing for the collection of laws.
    p.setPen(QPen(QColor(0xE8, 0xB0, 0x20), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(28, 60, 110, 110));
    QFont sign(QStringLiteral("DejaVu Serif"), 64, QFont::Bold);
    p.setFont(sign);
    p.drawText(QRectF(28, 60, 110, 110), Qt::AlignCenter, QStringLiteral("§"));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 36, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(155, 70, 250, 60), Qt::AlignLeft | Qt::AlignVCenter,
               LoadResString(IDS_APP_TITLE));
    QFont subtitle(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(subtitle);
    p.drawText(QRectF(158, 130, 250, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Předpisy a judikatura\nukázková sbírka"));
    p.setPen(QColor(0xDD, 0xEC, 0xFE));
    p.drawText(QRectF(0, 220, picture.width() - 16, 30), Qt::AlignRight | Qt::AlignVCenter,
               LoadResString(IDS_PICTURE_CAPTION));
    return picture;
}

void CsPictureWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
}
