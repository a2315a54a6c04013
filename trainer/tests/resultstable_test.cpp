#include "trainer/resultstable.h"
#include "trainer/resultsfile.h"

#include <QFontInfo>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QString heading = QStringLiteral("  Eil.nr.  Mokinio sprendimas           Teisingas atsakymas");

// The grid's pixel figures hold at 96 dots per inch, as on the offscreen platform.
#define REQUIRE_96_DPI(table)                                                                      \
    if ((table).logicalDpiY() != 96)                                                               \
    GTEST_SKIP() << "the grid assumes 96 dpi, this screen has " << (table).logicalDpiY()

// Where a text ends against the grid lines is measured in Liberation Sans as FreeType draws it
// on Linux; on Windows the same font is drawn up to two pixels narrower (and a school computer
// draws the table in MS Sans Serif anyway), so these checks stay with the Linux build.
#ifdef _WIN32
#define LINUX_TEXT_METRICS() GTEST_SKIP() << "text widths measured on Linux"
#else
#define LINUX_TEXT_METRICS() (void)0
#endif

// The header and the column heading as the test prints them when it starts.
void printHeader(ResultsTable& table, const QString& theme, const QString& level)
{
    table.setAutoRedraw(true);
    table.setFontSize(14);
    table.setFontBold(true);
    table.setColour(Qt::black);
    table.printLine(QStringLiteral("  Sprendė     Žemaitė Ąžuolas"));
    table.printLine(QStringLiteral("  Kontrolinio darbo rezultatai"));
    table.printLine(QStringLiteral("  Pasirinkta tema  ") + theme + QStringLiteral("   Lygis  ") + level);
    table.setFontSize(12);
    table.printLine(heading);
    table.setFontBold(false);
}

// One answer's row: the pupil's part is "a sign b= x" with the numbers in their print form.
struct Row {
    QString a, sign, b, x, r;
    bool right;
};

void printRow(ResultsTable& table, int k, const Row& row)
{
    table.setColour(blue);
    table.print(QStringLiteral("      ") + gradePrintForm(k) + QStringLiteral("       "));
    if (!row.right)
        table.setColour(red);
    table.print(row.a + QStringLiteral("  ") + row.sign + QStringLiteral("   ") + row.b
                + QStringLiteral("=    ") + row.x + QStringLiteral("  "));
    table.moveToColumn(40);
    table.setColour(blue);
    table.printLine(row.r);
}

const QList<Row> exampleRows{
    {"-7,5 ", "+", "(-3,2)", "-10,7 ", "-10,7 ", true}, {" 12 ", "-", "(-8,4)", " 3,6 ", " 20,4 ", false},
    {"-4,5 ", "·", "6", "-27 ", "-27 ", true},          {" 19,8 ", ":", "(-1,1)", "-18 ", "-18 ", true},
    {"-16 ", "+", "9,3", "-7,3 ", "-6,7 ", false},      {"-17,5 ", "·", "(-12,4)", " 217 ", " 217 ", true},
    {" 8,1 ", "-", "15", "-6,9 ", "-6,9 ", true},       {"-20 ", ":", "(-0,8)", " 2,5 ", " 25 ", false},
    {" 0,7 ", "+", "(-0,7)", " 0 ", " 0 ", true},       {"-13,3 ", "-", "(-13,3)", " 0 ", " 0 ", true},
};

TEST(ResultsTable, IsAFixedBoxInTheTableFont)
{
    ResultsTable table;
    EXPECT_EQ(table.objectName(), QStringLiteral("Picture1"));
    EXPECT_EQ(table.size(), QSize(489, 353));
    EXPECT_EQ(table.contentsRect(), QRect(2, 2, 485, 349));
    EXPECT_EQ(table.printFont().families().value(0), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(QFontInfo(table.printFont()).family(), QStringLiteral("Liberation Sans"));
}

TEST(ResultsTable, PrintContinuesWherePreviousStoppedAndPrintLineEndsTheLine)
{
    ResultsTable table;
    table.setAutoRedraw(true);
    table.setFontSize(12);
    table.print(QStringLiteral("ab"));
    const qreal ab = table.textWidth(QStringLiteral("ab"));
    table.setColour(red);
    table.setFontBold(true);
    table.printLine(QStringLiteral("cd"));
    const qreal line12 = table.lineHeight();
    EXPECT_EQ(table.cursor(), QPointF(0, line12));
    table.printLine(); // an empty line
    table.setFontSize(16);
    table.printLine(QStringLiteral("ef"));
    EXPECT_EQ(table.cursor(), QPointF(0, 2 * line12 + table.lineHeight()));

    ASSERT_EQ(table.runs().size(), 3);
    const ResultsTable::Run& ab_ = table.runs()[0];
    const ResultsTable::Run& cd = table.runs()[1];
    const ResultsTable::Run& ef = table.runs()[2];
    EXPECT_EQ(ab_.position, QPointF(0, 0));
    EXPECT_EQ(ab_.colour, QColor(Qt::black));
    EXPECT_FALSE(ab_.font.bold());
    EXPECT_EQ(cd.position, QPointF(ab, 0));
    EXPECT_EQ(cd.colour, red);
    EXPECT_TRUE(cd.font.bold());
    EXPECT_EQ(cd.font.pointSizeF(), 12);
    EXPECT_EQ(ef.position, QPointF(0, 2 * line12));
    EXPECT_EQ(ef.font.pointSizeF(), 16);
    EXPECT_EQ(table.lines(), (QStringList{QStringLiteral("abcd"), QStringLiteral("ef")}));
}

TEST(ResultsTable, LineHeightsFitTheGridRows)
{
    ResultsTable table;
    REQUIRE_96_DPI(table);
    // 12 pt lines are 20 pixels, a row of the grid; three 14 pt header lines of 24 pixels end
    // on the grid's top line.
    EXPECT_EQ(table.lineHeight(ResultsTable::tableFont(12, false)), 20);
    EXPECT_EQ(table.lineHeight(ResultsTable::tableFont(12, true)), 20);
    EXPECT_EQ(table.lineHeight(ResultsTable::tableFont(14, true)), 24);
    EXPECT_EQ(table.lineHeight(ResultsTable::tableFont(16, false)), 27);
}

TEST(ResultsTable, MoveToColumnCountsTheLeftEdgeAsColumnOne)
{
    ResultsTable table;
    table.setAutoRedraw(true);
    table.setFontSize(12);
    const qreal w = table.columnWidth();
    EXPECT_GT(w, table.textWidth(QStringLiteral(" ")));
    EXPECT_LT(w, table.textWidth(QStringLiteral("m")));
    table.moveToColumn(1);
    EXPECT_EQ(table.cursor(), QPointF(0, 0));
    table.moveToColumn(40);
    EXPECT_EQ(table.cursor(), QPointF(39 * w, 0));
    table.moveToColumn(40); // already there: stays
    EXPECT_EQ(table.cursor(), QPointF(39 * w, 0));
    table.print(QStringLiteral("x"));
    table.moveToColumn(40); // past it: column 40 of the next line
    EXPECT_EQ(table.cursor(), QPointF(39 * w, table.lineHeight()));
    table.endLine();
    table.print(QStringLiteral("abc"));
    table.moveToColumn(10);
    table.print(QStringLiteral("r"));
    EXPECT_EQ(table.runs().last().position, QPointF(9 * w, 2 * table.lineHeight()));
}

TEST(ResultsTable, HeadingTitlesStandInTheirGridColumns)
{
    LINUX_TEXT_METRICS();
    ResultsTable table;
    REQUIRE_96_DPI(table);
    printHeader(table, QStringLiteral("sudėtis."), QStringLiteral("1 [-10;10]"));
    ASSERT_EQ(table.runs().size(), 4);
    const ResultsTable::Run& run = table.runs()[3];
    EXPECT_EQ(run.position, QPointF(0, 72)); // in the grid's first row
    EXPECT_TRUE(run.font.bold());
    const auto end = [&](int characters) { return table.textWidth(run.font, heading.left(characters)); };
    EXPECT_GT(end(2), 5);                              // "Eil.nr." in the first column
    EXPECT_LT(end(9), 64);
    EXPECT_GT(end(11), 64);                            // "Mokinio sprendimas" in the second
    EXPECT_LT(end(29), 272);
    ASSERT_EQ(heading.indexOf(QStringLiteral("Teisingas")), 40);
    EXPECT_GT(end(40), 272);                           // "Teisingas atsakymas" in the third
    EXPECT_LT(end(static_cast<int>(heading.size())), 464);
}

TEST(ResultsTable, ResultsFromColumnFortyStandUnderTheirHeading)
{
    ResultsTable table;
    REQUIRE_96_DPI(table);
    printHeader(table, QStringLiteral("sudėtis."), QStringLiteral("1 [-10;10]"));
    const qreal teisingas = table.textWidth(table.runs()[3].font, heading.left(40));
    printRow(table, 1, {"-7 ", "+", "(-3)", "-4 ", "-10 ", false});
    const ResultsTable::Run& result = table.runs().last();
    EXPECT_EQ(result.text, QStringLiteral("-10 "));
    EXPECT_FALSE(result.font.bold());
    EXPECT_EQ(result.colour, blue);
    EXPECT_EQ(table.runs()[5].colour, red);
    EXPECT_EQ(result.position, QPointF(table.columnX(40), 92));
    EXPECT_GT(result.position.x(), 272);
    EXPECT_NEAR(result.position.x(), teisingas, 20);
    // The widest result of the top level still ends before the table's right line.
    EXPECT_LT(result.position.x() + table.textWidth(QStringLiteral("-9998,0001 ")), 464);
    EXPECT_EQ(table.lines().last(), QStringLiteral("       1        -7   +   (-3)=    -4   -10 "));
}

// printWithin keeps the ink of a text left of a given edge: an ordinary row as it is, a wide
// level-3 row condensed, a long level-4 row condensed and smaller, an answer of hundreds of
// digits cut with "…"; the line keeps its height and its baseline, so the row stays in its
// grid row.
TEST(ResultsTable, PrintWithinNarrowsOrCutsWhatWouldReachPastTheEdge)
{
    LINUX_TEXT_METRICS();
    struct Case {
        QString text;
        bool condensed;
        bool smaller;
        bool cut;
    };
    const QList<Case> cases{
        {QStringLiteral("-7   +   (-3)=    -4   "), false, false, false},
        {QStringLiteral("-15,1   \u00b7   (-10,8)=     163,08   "), true, false, false},
        {QStringLiteral("-99,99   \u00b7   (-99,99)=    -9998,0001   "), true, true, false},
        {QStringLiteral(" ") + QString(400, u'9') + QStringLiteral("   "), true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        ResultsTable table;
        table.setAutoRedraw(true);
        table.setFontSize(12);
        table.print(QStringLiteral("       10        "));
        const qreal start = table.cursor().x();
        const qreal right = 269;
        table.printWithin(c.text, right);
        ASSERT_EQ(table.runs().size(), 2);
        const ResultsTable::Run& run = table.runs()[1];
        EXPECT_EQ(run.position, QPointF(start, 0));
        EXPECT_LE(start + table.textWidth(run.font, run.text.left(run.text.size() - 3)), right);
        const int stretch = run.font.stretch();
        EXPECT_EQ(stretch > 0 && stretch < 100, c.condensed);
        EXPECT_TRUE(stretch == 0 || stretch >= ResultsTable::minimumStretch);
        EXPECT_EQ(run.font.pointSizeF() < 12, c.smaller);
        EXPECT_GE(run.font.pointSizeF(), ResultsTable::minimumFitSize);
        if (c.smaller) { // sizes go down only once the letters are fully condensed
            EXPECT_EQ(stretch, ResultsTable::minimumStretch);
        }
        EXPECT_EQ(run.text.endsWith(QStringLiteral("\u2026   ")), c.cut);
        if (c.cut) {
            EXPECT_EQ(run.font.pointSizeF(), ResultsTable::minimumFitSize);
        } else {
            EXPECT_EQ(run.text, c.text);
        }
        EXPECT_EQ(table.cursor().x(), start + table.textWidth(run.font, run.text));
        EXPECT_EQ(run.baseline, table.runs()[0].baseline);
        EXPECT_EQ(table.printFont(), ResultsTable::tableFont(12, false));
        // The row's result still finds column 40 on the same line.
        table.moveToColumn(40);
        table.printLine(QStringLiteral("-9998,0001 "));
        EXPECT_EQ(table.runs().last().position.y(), 0);
        EXPECT_EQ(table.cursor().y(), table.lineHeight());
    }
}

TEST(ResultsTable, ClearAndRetainedDrawing)
{
    ResultsTable table;
    EXPECT_FALSE(table.autoRedraw());
    table.printLine(QStringLiteral("not kept"));
    EXPECT_TRUE(table.runs().isEmpty());
    EXPECT_EQ(table.cursor(), QPointF(0, table.lineHeight()));
    table.setAutoRedraw(true);
    table.setColour(red);
    table.print(QStringLiteral("kept"));
    ASSERT_EQ(table.runs().size(), 1);
    EXPECT_EQ(table.runs()[0].position, QPointF(0, table.lineHeight()));
    table.clear();
    EXPECT_TRUE(table.runs().isEmpty());
    EXPECT_EQ(table.cursor(), QPointF(0, 0));
    EXPECT_EQ(table.colour(), red);
}

// A finished test's table: every line of the grid drawn, no text across a line, the number
// of each row blue, the pupil's part red when wrong, the correct result blue in the third
// column, the grade red below the grid. ZENKLA_TABLE_PNG=path saves the picture.
TEST(ResultsTable, FullTableRendersInItsGrid)
{
    LINUX_TEXT_METRICS();
    ResultsTable table;
    REQUIRE_96_DPI(table);
    printHeader(table, QStringLiteral("įvairūs veiksmai"), QStringLiteral("3 [-20.0;20.0]"));
    for (int k = 1; k <= 10; ++k)
        printRow(table, k, exampleRows[k - 1]);
    table.printLine();
    table.setFontSize(16);
    table.setColour(red);
    table.printLine(QStringLiteral("  Pažymys:  ") + gradePrintForm(7));
    EXPECT_EQ(table.lines().size(), 15);
    EXPECT_EQ(table.lines().last(), QStringLiteral("  Pažymys:   7 "));
    EXPECT_LE(table.cursor().y(), 349);

    const QImage image = table.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* path = std::getenv("ZENKLA_TABLE_PNG"))
        image.save(QString::fromLocal8Bit(path));
    const auto pixel = [&](int x, int y) { return QColor(image.pixel(x + 2, y + 2)); };
    const auto blank = [&](int x, int y) { return pixel(x, y) == QColor(Qt::white); };
    const auto& h = ResultsTable::horizontalLines;
    const auto& v = ResultsTable::verticalLines;
    const auto onLine = [](const auto& lines, int z) { return std::find(lines.begin(), lines.end(), z) != lines.end(); };

    for (int y = h.front(); y <= h.back(); ++y)
        for (int x = v.front(); x <= v.back(); ++x)
            if (onLine(v, x) || onLine(h, y)) {
                ASSERT_EQ(pixel(x, y), QColor(Qt::black)) << x << "," << y;
            }
    // Column titles and row texts keep clear of the vertical lines.
    for (int x : v)
        for (int y = h.front() + 1; y < h.back(); ++y)
            if (!onLine(h, y)) {
                EXPECT_TRUE(blank(x - 1, y) && blank(x + 1, y)) << x << "," << y;
            }
    // The grid's rows are 19 to 21 pixels apart and the 12 pt lines 20: a glyph may come up to
    // a horizontal line but never has ink on both sides of it.
    for (int y : h)
        for (int x = v.front() + 1; x < v.back(); ++x)
            if (!onLine(v, x)) {
                EXPECT_TRUE(blank(x, y - 1) || blank(x, y + 1)) << x << "," << y;
            }

    const auto inkIn = [&](int left, int right, int top, int bottom, auto isInk) {
        for (int y = top + 1; y < bottom; ++y)
            for (int x = left + 1; x < right; ++x)
                if (isInk(pixel(x, y)))
                    return true;
        return false;
    };
    const auto bluish = [](const QColor& c) { return c.blue() > 200 && c.red() < 120 && c.green() < 120; };
    const auto reddish = [](const QColor& c) { return c.red() > 200 && c.blue() < 120 && c.green() < 120; };
    for (std::size_t k = 1; k <= 10; ++k) {
        const bool right = exampleRows[static_cast<qsizetype>(k) - 1].right;
        EXPECT_TRUE(inkIn(v[0], v[1], h[k], h[k + 1], bluish)) << k;
        EXPECT_EQ(inkIn(v[1], v[2], h[k], h[k + 1], reddish), !right) << k;
        EXPECT_EQ(inkIn(v[1], v[2], h[k], h[k + 1], bluish), right) << k;
        EXPECT_TRUE(inkIn(v[2], v[3], h[k], h[k + 1], bluish)) << k;
        EXPECT_FALSE(inkIn(v[2], v[3], h[k], h[k + 1], reddish)) << k;
    }
    EXPECT_TRUE(inkIn(0, 485, h.back() + 20, 349, reddish));
}

} // namespace
