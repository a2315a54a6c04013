#pragma once
// Picture1, the results table of Zenkla's test: a picture box that keeps what was
// printed into it as text runs and paints them under a fixed grid of thin lines. A screen
// reader reads it as its printed lines.
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>

class ResultsTable : public QFrame {
    Q_OBJECT
public:
    // One print: the text, the font and colour in force, and the top-left corner of the line
    // cell it stands in (client coordinates, the grid's coordinates).
    struct Run {
        QString text;
        QFont font;
        QColor colour;
        QPointF position;
        // The baseline's distance below position: that of the line's font, so that a run
        // narrowed by printWithin stands on the same baseline as the rest of its line.
        qreal baseline = 0;
    };

    // Outer size of the box; the client area lies inside a 2-pixel sunken border.
    static constexpr int boxWidth = 489;
    static constexpr int boxHeight = 353;
    static constexpr int border = 2;
    // The grid, in client coordinates. Vertical lines run from the first to the last horizontal
    // line, horizontal lines from the first to the last vertical line.
    static constexpr std::array<int, 4> verticalLines{5, 64, 272, 464};
    static constexpr std::array<int, 12> horizontalLines{72, 93, 112, 132, 151, 171,
                                                         192, 213, 233, 254, 274, 294};
    // The table's text is set this much wider (in per cent of the advance of each character)
    // than Liberation Sans, to stand in for the wider raster font MS Sans Serif for which the
    // grid was laid out: at 107 % the heading's three column titles start right of their lines.
    static constexpr int characterSpacing = 107;

    explicit ResultsTable(QWidget* parent = nullptr);

    // Prints text at the print position and leaves the position right after it.
    void print(const QString& text);
    // Prints text as print() does, but keeps its visible part (trailing blanks left out) left of
    // x = right: a text that would reach past it is set in condensed letters (in steps of 5 %
    // down to minimumStretch), then in smaller sizes of them (in half points down to
    // minimumFitSize), and when it is still too wide there it is cut with "…". The current
    // font, and so the height of the line, stays as it was.
    void printWithin(const QString& text, qreal right);
    static constexpr int minimumStretch = 70;
    static constexpr qreal minimumFitSize = 6;
    // Prints text and ends the line.
    void printLine(const QString& text = QString());
    // The next print starts at the left edge, one line height of the current font lower.
    void endLine();
    // Moves the print position to column n of the line, the left edge being column 1 and a
    // column the average character width of the current font; a position already past
    // column n moves to column n of the next line.
    void moveToColumn(int n);

    void setFontSize(qreal points);
    void setFontBold(bool bold);
    const QFont& printFont() const { return font_; }
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

    // Empties the table and puts the print position at the top-left corner.
    void clear();

    // Retained drawing (AutoRedraw). When on, every print is kept and painted; when off, prints
    // still move the print position but are not kept, as on a box that draws straight to the
    // screen and loses it at the next repaint. The test prints only with it on.
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    bool autoRedraw() const { return autoRedraw_; }

    const QList<Run>& runs() const { return runs_; }
    QPointF cursor() const { return cursor_; }
    // The kept texts line by line (runs of the same line joined, without the column gaps).
    QStringList lines() const;

    // Metrics of the current font, in pixels.
    qreal lineHeight() const { return lineHeight(font_); }
    qreal columnWidth() const { return columnWidth(font_); }
    qreal columnX(int n) const { return (n - 1) * columnWidth(); }
    // Width of the client area, inside the border.
    static constexpr int clientWidth = boxWidth - 2 * border;
    qreal textWidth(const QString& text) const { return textWidth(font_, text); }

    qreal lineHeight(const QFont& font) const;
    qreal columnWidth(const QFont& font) const;
    qreal textWidth(const QFont& font, const QString& text) const;

    // The table's font: "MS Sans Serif", else "Liberation Sans", at the given size.
    static QFont tableFont(qreal points, bool bold);

    QSize sizeHint() const override { return {boxWidth, boxHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void keep(const QString& text, const QFont& font);
    qreal baselineOf(const QFont& lineFont) const;

    QFont font_;
    QColor colour_ = Qt::black;
    QPointF cursor_;
    bool autoRedraw_ = false;
    QList<Run> runs_;
};
