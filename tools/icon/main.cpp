// Draws the application icon once and writes it as SVG and as PNG files of the given sizes, so
// the scalable and the pixel icons cannot drift apart.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>
#include <vector>

namespace {
// The icon on a 64×64 grid: a rounded tile, an open book and three lines of text per page.
const QColor kTile(0x1d, 0x3a, 0x6b);
const QColor kPage(0xfb, 0xf8, 0xef);
const QColor kLine(0x9a, 0x7b, 0x2f);
const QRectF kTileRect(2, 2, 60, 60);
constexpr double kTileRadius = 12;
const std::vector<QPolygonF> kPages = {
    QPolygonF({QPointF(8, 18), QPointF(31, 22), QPointF(31, 52), QPointF(8, 47)}),
    QPolygonF({QPointF(33, 22), QPointF(56, 18), QPointF(56, 47), QPointF(33, 52)}),
};
struct Line {
    QPointF from, to;
};
const std::vector<Line> kLines = {
    {{12, 26}, {27, 28.5}}, {{12, 32}, {27, 34.5}}, {{12, 38}, {23, 40}},
    {{37, 28.5}, {52, 26}}, {{37, 34.5}, {52, 32}}, {{37, 40}, {48, 38}},
};
constexpr double kLineWidth = 2.2;

QString points(const QPolygonF& polygon) {
    QStringList list;
    for (const QPointF& p : polygon)
        list << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return list.join(QLatin1Char(' '));
}

QByteArray svg() {
    QString text = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" "
                                  "height=\"64\" viewBox=\"0 0 64 64\">\n");
    text += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                           "fill=\"%6\"/>\n")
                .arg(kTileRect.x())
                .arg(kTileRect.y())
                .arg(kTileRect.width())
                .arg(kTileRect.height())
                .arg(kTileRadius)
                .arg(kTile.name());
    for (const QPolygonF& page : kPages)
        text += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\"/>\n")
                    .arg(points(page), kPage.name());
    for (const Line& line : kLines)
        text += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                               "stroke-width=\"%6\" stroke-linecap=\"round\"/>\n")
                    .arg(line.from.x())
                    .arg(line.from.y())
                    .arg(line.to.x())
                    .arg(line.to.y())
                    .arg(kLine.name())
                    .arg(kLineWidth);
    text += QStringLiteral("</svg>\n");
    return text.toUtf8();
}

QImage png(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile);
    painter.drawRoundedRect(kTileRect, kTileRadius, kTileRadius);
    painter.setBrush(kPage);
    for (const QPolygonF& page : kPages)
        painter.drawPolygon(page);
    painter.setPen(QPen(kLine, kLineWidth, Qt::SolidLine, Qt::RoundCap));
    for (const Line& line : kLines)
        painter.drawLine(line.from, line.to);
    return image;
}
} // namespace

// tavlin-icon OUTDIR NAME SIZE...: OUTDIR/scalable/apps/NAME.svg and
// OUTDIR/SIZExSIZE/apps/NAME.png.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: tavlin-icon OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QString out = args[1];
    const QString name = args[2];
    QFile scalable(out + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"));
    if (!scalable.open(QIODevice::WriteOnly) || scalable.write(svg()) < 0)
        return 1;
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int size = args[i].toInt();
        const QString file = QStringLiteral("%1/%2x%2/apps/%3.png").arg(out).arg(size).arg(name);
        if (size <= 0 || !png(size).save(file))
            return 1;
    }
    return 0;
}
