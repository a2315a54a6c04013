// Draws the reward pictures shown after a right answer: 151 cheerful 137 x 137 pictures,
// each with its own background, shapes and a Lithuanian word of praise, written as JPEG files
// images0.jpg … images150.jpg into the folder given on the command line. The same build always
// draws the same pictures: every choice comes from a generator seeded with the picture's number.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <random>

#include <jpeglib.h>

namespace {

constexpr int side = 137;
constexpr int count = 151;

const char* const praise[] = {"Puiku!",  "Šaunu!",  "Gerai!",    "Bravo!",   "Valio!",  "Puikiai!",
                              "Super!",  "Teisingai!", "Nuostabu!", "Malonu!", "Šaunuolis!", "Taip!",
                              "Tobula!", "Smagu!"};

class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    double unit() { return (engine_() % 10000) / 10000.0; }

private:
    std::mt19937 engine_;
};

QColor hue(int h, int s = 200, int v = 255)
{
    return QColor::fromHsv(((h % 360) + 360) % 360, s, v);
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * M_PI / points - M_PI / 2;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(QPointF c, double s)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.9);
    path.cubicTo(c.x() - s * 1.4, c.y() - s * 0.1, c.x() - s * 0.6, c.y() - s * 1.1, c.x(), c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 0.6, c.y() - s * 1.1, c.x() + s * 1.4, c.y() - s * 0.1, c.x(), c.y() + s * 0.9);
    return path;
}

void flower(QPainter& p, QPointF c, double s, const QColor& petals, const QColor& middle)
{
    p.setBrush(petals);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 60);
        p.drawEllipse(QPointF(0, -s * 0.6), s * 0.35, s * 0.6);
        p.restore();
    }
    p.setBrush(middle);
    p.drawEllipse(c, s * 0.35, s * 0.35);
}

void sun(QPainter& p, QPointF c, double s)
{
    p.setPen(QPen(QColor(255, 170, 0), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(c.x() + s * 0.75 * std::cos(a), c.y() + s * 0.75 * std::sin(a)),
                   QPointF(c.x() + s * 1.05 * std::cos(a), c.y() + s * 1.05 * std::sin(a)));
    }
    p.setPen(QPen(QColor(200, 110, 0), 2));
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(c, s * 0.6, s * 0.6);
    // a smile
    p.setBrush(QColor(90, 50, 0));
    p.drawEllipse(QPointF(c.x() - s * 0.2, c.y() - s * 0.12), s * 0.07, s * 0.09);
    p.drawEllipse(QPointF(c.x() + s * 0.2, c.y() - s * 0.12), s * 0.07, s * 0.09);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - s * 0.3, c.y() - s * 0.2, s * 0.6, s * 0.45), 200 * 16, 140 * 16);
}

void balloon(QPainter& p, QPointF c, double s, const QColor& colour)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawLine(QPointF(c.x(), c.y() + s * 0.7), QPointF(c.x() + s * 0.15, c.y() + s * 1.6));
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    p.drawEllipse(c, s * 0.55, s * 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(c.x() - s * 0.2, c.y() - s * 0.3), s * 0.12, s * 0.18);
}

QImage draw(int n)
{
    Dice dice(0x5EED0000u + static_cast<unsigned>(n) * 7919u);
    QImage img(side, side, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Background: a two-colour gradient, its hue walking around the colour wheel so that
    // neighbouring pictures differ clearly.
    const int baseHue = (n * 137) % 360;
    QLinearGradient bg(0, 0, dice.below(2) ? side : 0, side);
    bg.setColorAt(0, hue(baseHue, 90 + dice.below(60), 255));
    bg.setColorAt(1, hue(baseHue + 40 + dice.below(60), 160 + dice.below(60), 230));
    p.fillRect(img.rect(), bg);

    // Confetti.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(hue(baseHue + 180 + dice.below(120), 170, 255));
        p.drawEllipse(QPointF(dice.below(side), dice.below(side)), 2 + dice.below(3), 2 + dice.below(3));
    }

    // The main motif, one of six kinds in turn.
    const QColor accent = hue(baseHue + 180, 220, 255);
    const QPointF centre(side / 2.0 + dice.below(11) - 5, 56 + dice.below(9) - 4);
    switch (n % 6) {
    case 0:
        p.setPen(QPen(accent.darker(160), 2));
        p.setBrush(QColor(255, 215, 0));
        p.drawPath(star(centre, 40, 17, 5, dice.unit()));
        break;
    case 1:
        p.setPen(QPen(QColor(150, 0, 40), 2));
        p.setBrush(QColor(235, 30, 70));
        p.drawPath(heart(centre, 34));
        break;
    case 2:
        p.setPen(QPen(QColor(120, 60, 0), 1.5));
        flower(p, centre, 34, accent, QColor(255, 210, 0));
        break;
    case 3:
        sun(p, centre, 38);
        break;
    case 4:
        balloon(p, QPointF(centre.x() - 26, centre.y() - 8), 34, accent);
        balloon(p, QPointF(centre.x() + 24, centre.y() - 2), 30, hue(baseHue + 90, 220, 255));
        break;
    default:
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(QColor(120, 90, 0), 1.5));
            p.setBrush(hue(50 + 30 * i, 200, 255));
            p.drawPath(star(QPointF(28 + 40 * i, 40 + (i % 2) * 26), 20, 8, 5, dice.unit()));
        }
        break;
    }

    // The word of praise on a light ribbon.
    const QString word = QString::fromUtf8(praise[(n * 5 + n / 14) % std::size(praise)]);
    QFont font;
    font.setFamilies({QStringLiteral("TeX Gyre Bonum"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPixelSize(word.size() > 8 ? 19 : 24);
    p.setFont(font);
    const QRectF ribbon(6, 100, side - 12, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(ribbon, 12, 12);
    p.setPen(hue(baseHue + 200, 255, 150));
    p.drawText(ribbon, Qt::AlignCenter, word);
    p.end();
    return img;
}

bool writeJpeg(const QImage& image, const QString& path)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (int n = 0; n < count; ++n) {
        const QString path = QStringLiteral("%1/images%2.jpg").arg(folder).arg(n);
        if (!writeJpeg(draw(n), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
