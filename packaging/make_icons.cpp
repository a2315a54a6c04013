// Draws the desktop icons of the two programs as PNG files in the hicolor theme's layout:
// <folder>/hicolor/<n>x<n>/apps/veltora.png and zenkla.png for n = 48, 64, 128, 256.
// Both are drawn in a 256-unit square and scaled, so every size shows the same picture.
//   Veltora: a yellow "7" on the title-bar blue of its windows, with a red plus and a lime minus.
//   Zenkla: a white plus above a red minus on navy, as in its window icon.
// Usage: make_icons <folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int sizes[] = {48, 64, 128, 256};

void plate(QPainter& p, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
}

void bar(QPainter& p, const QColor& colour, QRectF rect)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(rect, rect.height() / 4, rect.height() / 4);
}

void veltora(QPainter& p)
{
    plate(p, QColor(0x0A, 0x24, 0x6A));
    // The "7": a top stroke and a slanting stem.
    QPainterPath seven;
    seven.moveTo(52, 50);
    seven.lineTo(170, 50);
    seven.lineTo(170, 82);
    seven.lineTo(108, 212);
    seven.lineTo(72, 212);
    seven.lineTo(132, 84);
    seven.lineTo(52, 84);
    seven.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xFF, 0x00));
    p.drawPath(seven);
    // Plus and minus at the right.
    bar(p, QColor(0xFF, 0x20, 0x20), QRectF(170, 124, 60, 20));
    bar(p, QColor(0xFF, 0x20, 0x20), QRectF(190, 104, 20, 60));
    bar(p, QColor(0x00, 0xFF, 0x00), QRectF(170, 184, 60, 20));
}

void zenkla(QPainter& p)
{
    plate(p, QColor(0, 0, 128));
    bar(p, Qt::white, QRectF(78, 60, 100, 26));
    bar(p, Qt::white, QRectF(115, 24, 26, 100));
    bar(p, QColor(255, 80, 80), QRectF(78, 176, 100, 26));
}

bool draw(const QString& folder, const char* name, void (*motif)(QPainter&))
{
    for (int n : sizes) {
        QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(n / 256.0, n / 256.0);
        motif(p);
        p.end();
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(n);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, QLatin1String(name));
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    return draw(folder, "veltora", veltora) && draw(folder, "zenkla", zenkla) ? 0 : 1;
}
