#include "trainer/resultstable.h"

#include "trainer/accessibility.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Letter frequencies (per thousand) of the lowercase letters a … z; the blank has the remaining
// 166. Windows took a font's average character width as this weighted average (the first
// definition of xAvgCharWidth); Visual Basic measured its print columns in it. Liberation Sans
// carries a later, wider definition in its tables (all glyphs), which would put column 40 near
// x = 368 and push long results out of the third column, so the width is measured here.
constexpr std::array<int, 26> letterWeights{64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                            56, 56, 17, 4,  49, 56, 71, 31, 10, 18, 3, 18, 2};
constexpr int blankWeight = 166;

// The length of the text without its trailing blanks.
qsizetype visibleLength(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return n;
}

} // namespace

ResultsTable::ResultsTable(QWidget* parent)
    : QFrame(parent), font_(tableFont(13.5, false))
{
    zenkla::installAccessibility();
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFixedSize(boxWidth, boxHeight);
}

QFont ResultsTable::tableFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setLetterSpacing(QFont::PercentageSpacing, characterSpacing);
    return font;
}

void ResultsTable::print(const QString& text)
{
    if (text.isEmpty())
        return;
    keep(text, font_);
    cursor_.rx() += textWidth(text);
}

void ResultsTable::printWithin(const QString& text, qreal right)
{
    if (text.isEmpty())
        return;
    const qsizetype visible = visibleLength(text);
    if (visible == 0) {
        print(text);
        return;
    }
    const qreal room = right - cursor_.x();
    QFont font = font_;
    const auto fits = [&](const QString& t) { return textWidth(font, t.left(visibleLength(t))) <= room; };
    int stretch = font.stretch() > 0 ? font.stretch() : 100;
    while (!fits(text)) {
        if (stretch - 5 >= minimumStretch)
            font.setStretch(stretch -= 5);
        else if (font.pointSizeF() - 0.5 >= minimumFitSize - 1e-9)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        else
            break;
    }
    QString shown = text;
    if (!fits(text)) {
        // The longest start of the visible part that fits together with the ellipsis (the text
        // can be a typed answer of any length, hence the halving search).
        const QString ellipsis(QChar(0x2026));
        qsizetype lo = 0;
        qsizetype hi = visible - 1;
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (textWidth(font, text.left(mid) + ellipsis) <= room)
                lo = mid;
            else
                hi = mid - 1;
        }
        shown = text.left(lo) + ellipsis + text.mid(visible);
    }
    keep(shown, font);
    cursor_.rx() += textWidth(font, shown);
}

void ResultsTable::keep(const QString& text, const QFont& font)
{
    if (!autoRedraw_)
        return;
    runs_.append(Run{text, font, colour_, cursor_, baselineOf(font_)});
    update();
}

qreal ResultsTable::baselineOf(const QFont& lineFont) const
{
    // The text is centred in its line cell, which may be taller than the font's own lines.
    const QFontMetricsF metrics(lineFont, this);
    return (lineHeight(lineFont) - metrics.height()) / 2 + metrics.ascent();
}

void ResultsTable::printLine(const QString& text)
{
    print(text);
    endLine();
}

void ResultsTable::endLine()
{
    cursor_ = QPointF(0, cursor_.y() + lineHeight());
}

void ResultsTable::moveToColumn(int n)
{
    const qreal x = columnX(n < 1 ? 1 : n);
    // A small tolerance: a position that is the column's own place up to rounding stays.
    if (cursor_.x() > x + 1e-6)
        endLine();
    cursor_.setX(x);
}

void ResultsTable::setFontSize(qreal points)
{
    font_.setPointSizeF(points);
}

void ResultsTable::setFontBold(bool bold)
{
    font_.setBold(bold);
}

void ResultsTable::setColour(const QColor& colour)
{
    colour_ = colour;
}

void ResultsTable::clear()
{
    runs_.clear();
    cursor_ = QPointF();
    update();
}

QStringList ResultsTable::lines() const
{
    QStringList result;
    qreal y = 0;
    for (qsizetype i = 0; i < runs_.size(); ++i) {
        const Run& run = runs_[i];
        if (i == 0 || run.position.y() != y) {
            result.append(run.text);
            y = run.position.y();
        } else {
            result.last() += run.text;
        }
    }
    return result;
}

qreal ResultsTable::lineHeight(const QFont& font) const
{
    // MS Sans Serif's line cells are about 1.25 of the font's size: 20 pixels at 12 pt and 24 at
    // 14 pt, the rows the grid was drawn for. Liberation Sans alone would give 18 and 22, and
    // the rows would drift off the grid; its own height is the floor.
    const qreal pixels = font.pointSizeF() * logicalDpiY() / 72.0;
    const qreal cell = std::ceil(1.25 * pixels - 1e-9);
    const qreal own = std::ceil(QFontMetricsF(font, this).height() - 1e-9);
    return std::max(cell, own);
}

qreal ResultsTable::columnWidth(const QFont& font) const
{
    qreal sum = blankWeight * textWidth(font, QStringLiteral(" "));
    for (int i = 0; i < 26; ++i)
        sum += letterWeights[static_cast<std::size_t>(i)] * textWidth(font, QString(QChar(u'a' + i)));
    return sum / 1000.0;
}

qreal ResultsTable::textWidth(const QFont& font, const QString& text) const
{
    // Measured on strings: single-character measuring would leave out the letter spacing.
    return QFontMetricsF(font, this).horizontalAdvance(text);
}

void ResultsTable::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    painter.fillRect(QRect(QPoint(0, 0), client.size()), Qt::white);

    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Run& run : runs_) {
        painter.setFont(run.font);
        painter.setPen(run.colour);
        painter.drawText(run.position + QPointF(0, run.baseline), run.text);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    const int left = verticalLines.front();
    const int right = verticalLines.back();
    const int top = horizontalLines.front();
    const int bottom = horizontalLines.back();
    for (int x : verticalLines)
        painter.drawLine(x, top, x, bottom);
    for (int y : horizontalLines)
        painter.drawLine(left, y, right, y);
}
