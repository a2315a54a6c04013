// The theory pages, driven through the real windows: every line against its expected
// text, the layout (nothing leaves the window or covers the buttons), the underline marks and
// the four-part equation line checked on rendered screenshots, the demonstrations of TForm17
// and TForm24, and the "Toliau" chain of each topic.
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/windowno.h"
#include "shell/handlers.h"
#include "shell/menus.h"
#include "shell/theory.h"
#include "shell/window.h"
#include "testing/ui.h"
#include "testing/veltora_fixture.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

// ---- What each page must show ------------------------------------------------------------------

enum Kind {
    Heading, // bold yellow Bookman
    Rule,    // bold lime Times
    Example, // bold yellow Times
    Piece,   // a red piece of an example line, bold Times
    Mark,    // an underline mark "_", hidden at start
    Answer,  // an answer line (bold yellow Times), hidden at start
};

constexpr unsigned red = 0xFF0000, lime = 0x00FF00, fuchsia = 0xFF00FF;

struct Line {
    const char* name;
    Kind kind;
    const char* text;
    unsigned colour = 0; // Piece and Mark
    int pixels = 0;      // Mark; others take the page's sizes
    bool italic = false;
};

struct PageTable {
    int form;
    const char* caption;
    int headingPixels;
    int linePixels;
    std::vector<Line> lines; // in reading order; marks listed after the line they mark
};

void PrintTo(const PageTable& table, std::ostream* os)
{
    *os << "TForm" << table.form;
}

const char* const signedCaption = "Teigiami neigiami skaičiai";
const char* const expressionCaption = "Reiškinių pertvarkymas";
const char* const equationCaption = "Lygtys";

const std::vector<PageTable>& pages()
{
    static const std::vector<PageTable> tables = {
        {3, signedCaption, 29, 24,
         {
             {"Label1", Heading, "Teigiamų ir neigiamų skaičių sudėtis"},
             {"Label2", Rule, "Norint sudėti du skaičius su vienodais ženklais, reikia:"},
             {"Label3", Rule, "parašyti bendrą dėmenų ženklą,"},
             {"Label5", Rule, "sudėti tų skaičių modulius."},
             {"Label4", Example, "Pavyzdys: 4 + 10 = 14"},
             {"Label7", Example, "(- 4) + (- 10) = - 14"},
             {"Label6", Example, "- 4 - 10 = - 14"},
         }},
        {4, signedCaption, 29, 24,
         {
             {"Label1", Heading, "Teigiamų ir neigiamų skaičių sudėtis"},
             {"Label2", Rule, "Norint sudėti du skaičius su skirtingais ženklais, reikia:"},
             {"Label3", Rule, "iš didesniojo tų skaičių modulio atimti mažesnįjį;"},
             {"Label5", Rule, "prieš gautąjį skaičių parašyti ženklą to dėmens, kurio modulis"},
             {"Label8", Rule, "didesnis."},
             {"Label4", Example, "Pavyzdys: 2 + (- 5) = - 3"},
             {"Label7", Example, "- 7 + 5 = - 2"},
             {"Label6", Example, "- 4 + 10 = 6"},
             {"Label9", Example, "4 - 10 = - 6"},
         }},
        {5, signedCaption, 29, 24,
         {
             {"Label1", Heading, "Teigiamų ir neigiamų skaičių atimtis"},
             {"Label2", Rule, "Atimti skaičių - tai tas pat, kas pridėti jam priešingą skaičių."},
             {"Label4", Example, "Pavyzdys: 4 - 10 = 4 + (- 10) = - 6"},
             {"Label7", Example, "4 - (- 10) = 4 + 10 = 14"},
         }},
        {6, signedCaption, 29, 24,
         {
             {"Label1", Heading, "Teigiamų ir neigiamų skaičių daugyba ir dalyba"},
             {"Label2", Rule, "Daugindami ar dalindami du skaičius su vienodais ženklais"},
             {"Label3", Rule, "gauname teigiamą skaičių."},
             {"Label4", Example, "Pavyzdys: 4 * 2 = 8"},
             {"Label10", Example, "4 : 2 = 2"},
             {"Label7", Example, "- 4 * (- 2) = 8"},
             {"Label11", Example, "- 4 : (- 2) = 2"},
             {"Label5", Rule, "Daugindami ar dalindami du skaičius su skirtingais ženklais"},
             {"Label6", Rule, "gauname neigiamą skaičių."},
             {"Label8", Example, "Pavyzdys: - 4 * 2 = - 8"},
             {"Label12", Example, "- 4 : 2 = - 2"},
             {"Label9", Example, "4 * (- 2) = - 8"},
             {"Label13", Example, "4 : (- 2) = - 2"},
         }},
        {7, "Teigiami ir neigiami skaičiai", 29, 24,
         {
             {"Label1", Heading, "Teigiamų ir neigiamų skaičių daugyba ir dalyba"},
             {"Label2", Rule, "Kelių skaičių sandaugos ženklas priklauso tik nuo neigiamų"},
             {"Label3", Rule, "dauginamųjų skaičiaus. Jis yra:"},
             // a double quote, blank, minus, blank, double quote, then the rest
             {"Label5", Rule, "\" - \"" ", jeigu sandaugoje yra nelyginis skaičius neigiamų dauginamųjų"},
             {"Label6", Rule, "\" + \"" ", jeigu sandaugoje nėra neigiamų dauginamųjų arba jų yra"},
             {"Label10", Rule, "lyginis skaičius."},
             {"Label8", Example, "Pavyzdys: 2 * (- 7) * 5 = - 70"},
             {"Label9", Example, "- 2 * (- 4) * 2 = 16"},
         }},
        {15, expressionCaption, 27, 23,
         {
             {"Label1", Heading, "Reiškinių pertvarkymas"},
             {"Label2", Rule, "Dėmenys, turintys vienodą raidinę dalį, vadinami panašiaisiais"},
             {"Label3", Rule, "nariais."},
             {"Label8", Example, "Pavyzdys: 15a ir 12a"},
             {"Label5", Rule, "Sudedant panašiuosius narius, sudedami jų koeficientai,"},
             {"Label9", Rule, "o raidinė dalis lieka ta pati."},
             {"Label4", Example, "Pavyzdys: 15a + 12a = (15 + 12)a = 27a"},
             {"Label6", Example, "4b - 2b = (4 - 2)b = 2b"},
         }},
        {17, expressionCaption, 29, 24,
         {
             {"Label1", Heading, "Reiškinių pertvarkymas"},
             {"Label2", Rule, "Kai sudedame panašiuosius narius, tai sakome, kad juos"},
             {"Label3", Rule, "sutraukiame.", 0, 0, true},
             {"Label5", Rule, "Sutraukiant panašiuosius narius rekomenduojama juos pasibraukti:"},
             {"Label4", Example, "Pavyzdys: 5 + a + 2b - 3a - 1 + 3b ="},
             {"Label6", Answer, "= (5 - 1) + (1 - 3)a + (2 + 3)b = 4 -2a + 5b"},
             {"Label7", Mark, "_", red, 40},
             {"Label8", Mark, "_", lime, 40},
             {"Label9", Mark, "_", fuchsia, 40},
             {"Label10", Mark, "_", lime, 40},
             {"Label11", Mark, "_", red, 40},
             {"Label12", Mark, "_", fuchsia, 40},
         }},
        {18, expressionCaption, 29, 24,
         {
             {"Label1", Heading, "Reiškinių pertvarkymas"},
             {"Label2", Rule, "Jeigu prieš raidę nėra skaičiaus, tai skaičius yra vienetas (1)."},
             {"Label8", Example, "Pavyzdys: a + a - 2 = 1a + 1a - 2 = (1 + 1)a - 2 = 2a - 2"},
             {"Label5", Rule, "Jeigu sutraukiant panašius narius prieš pirmąjį dėmenį nėra ženklo,"},
             {"Label9", Rule, "tai ženklas yra pliusas (+)."},
             {"Label4", Example, "Pavyzdys: 2 - 3a + a = (-3 + 1)a + 2 = -2a + 2"},
         }},
        {22, equationCaption, 29, 24,
         {
             {"Label1", Heading, "Lygčių sprendimas"},
             {"Label2", Rule, "Lygybė, kurioje yra nežinomasis, vadinama lygtymi."},
             {"Label4", Example, "Pavyzdys: x + 6 = 4x"},
             {"Label3", Rule, "Lygties sprendiniu vadinama nežinomojo reikšmė, su kuria lygtis tampa"},
             {"Label5", Rule, "teisinga skaitine lygybe."},
             {"Label7", Example, "Pavyzdys: x + 6 = 4x, jei x = 2, tai teisinga lygybė"},
             {"Label6", Example, "2 + 6 = 4 * 2"},
             {"Label8", Example, "8 = 8"},
         }},
        {23, equationCaption, 29, 24,
         {
             {"Label1", Heading, "Lygčių sprendimas"},
             {"Label2", Rule, "Norint išspręsti lygtį, reikia dėmenis su nežinomaisiais perkelti į kairę"},
             {"Label3", Rule, "lygties pusę, o dėmenis be nežinomųjų (skaičius) - į dešinę lygties pusę."},
             {"Label5", Rule, "Keliant dėmenis į kitą lygties pusę, dėmenų ženklai keičiami priešingais."},
             {"Label7", Example, "Pavyzdys: 5x + 6 = 3 + 2x"},
             {"Label6", Example, "5x "},
             {"Label8", Piece, "- 2x", red},
             {"Label4", Example, "= 3 "},
             {"Label9", Piece, "- 6", red},
         }},
        {24, equationCaption, 29, 24,
         {
             {"Label1", Heading, "Lygčių sprendimas"},
             {"Label2", Rule, "Toliau sutraukiame panašiuosius narius."},
             {"Label7", Example, "Pavyzdys: 5x - 2x = 3 - 6"},
             {"Label4", Mark, "_", red, 48},
             {"Label8", Mark, "_", red, 48},
             {"Label9", Mark, "_", lime, 48},
             {"Label10", Mark, "_", lime, 48},
             {"Label6", Answer, "3x = - 3"},
             {"Label5", Rule, "Ir padaliname lygties abi puses iš skaičiaus, esančio prie x."},
             {"Label11", Example, "3x = - 3 | : 3"},
             {"Label12", Example, "x = - 1 "},
             {"Label3", Rule, "Suradome nežinomąjį x, vadinasi lygtį išsprendėme. Toliau reikia lygtį"},
             {"Label13", Rule, "patikrinti."},
             {"Label15", Example, "5 x + 6 = 3 + 2x"},
             {"Label14", Example, "5 * (-1) + 6 = 3 + 2 * (-1)"},
             {"Label16", Example, "-5 + 6 = 3 - 2"},
             {"Label17", Example, "1 = 1"},
         }},
    };
    return tables;
}

// The demonstrations: which term of the example each mark sits under.
struct MarkOf {
    const char* name;
    const char* term;
};
struct DemoTable {
    int form;
    const char* example;
    std::vector<MarkOf> marks;
    const char* answer;
};

const std::vector<DemoTable>& demos()
{
    static const std::vector<DemoTable> tables = {
        {17,
         "Label4",
         {{"Label7", "5"}, {"Label8", "a"}, {"Label9", "2b"}, {"Label10", "3a"}, {"Label11", "1"}, {"Label12", "3b"}},
         "Label6"},
        {24, "Label7", {{"Label4", "5x"}, {"Label8", "2x"}, {"Label9", "3"}, {"Label10", "6"}}, "Label6"},
    };
    return tables;
}

const DemoTable& demoOf(int form)
{
    for (const DemoTable& d : demos())
        if (d.form == form)
            return d;
    throw std::logic_error("no demo");
}

// ---- Helpers ------------------------------------------------------------------------------------

QLabel* labelOf(QWidget* page, const char* name)
{
    return page->findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

std::vector<int> visibleWindows()
{
    std::vector<int> shown;
    for (int n = 1; n <= WindowNo::Count; ++n)
        if (form(n)->isVisible())
            shown.push_back(n);
    return shown;
}

// The ink of a label's text in window coordinates, from the font it uses.
QRectF inkOf(const QLabel* l)
{
    const QFontMetricsF m(l->font());
    return m.tightBoundingRect(l->text()).translated(l->x(), l->y() + m.ascent());
}

// The labels of the window's own controls that must stay free: navigation row and exit picture.
std::vector<QWidget*> keepClear(QWidget* page)
{
    std::vector<QWidget*> controls;
    for (const char* name : {"BitBtn5", "BitBtn1", "BitBtn2", "Image1", "BitBtn3", "BitBtn4"})
        if (auto* w = page->findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
            controls.push_back(w);
    return controls;
}

class Theory : public VeltoraWindows {
protected:
    void TearDown() override
    {
        VeltoraWindows::TearDown();
        EXPECT_TRUE(errors.empty()) << "error box: " << errors.front();
    }

    // Opens a theory page the way a pupil does: from the main menu through the topic menu's
    // "Teorija" and the "Toliau" buttons of the chain.
    static void open(int page)
    {
        struct Topic {
            const char* button;
            int menu;
            std::vector<int> chain;
        };
        static const std::vector<Topic> topics = {
            {"BitBtn1", 2, {3, 4, 5, 6, 7}}, {"BitBtn2", 16, {15, 17, 18}}, {"BitBtn3", 21, {22, 23, 24}}};
        for (const Topic& t : topics) {
            const auto at = std::find(t.chain.begin(), t.chain.end(), page);
            if (at == t.chain.end())
                continue;
            Form1->show();
            ui::click(Form1, t.button);
            ui::click(form(t.menu), "BitBtn1");
            for (auto it = t.chain.begin(); it != at; ++it)
                ui::click(form(*it), "BitBtn2");
            ASSERT_EQ(visibleWindows(), std::vector<int>{page});
            return;
        }
        FAIL() << "no theory page " << page;
    }
};

// ---- Every line as it must read ------------------------------------------------------------------

class PageText : public Theory, public ::testing::WithParamInterface<PageTable> {};

TEST_P(PageText, EveryLineReadsExactly)
{
    const PageTable& table = GetParam();
    open(table.form);
    QWidget* page = form(table.form);
    EXPECT_EQ(page->windowTitle(), QString::fromUtf8(table.caption));

    std::set<QString> expectedNames, actualNames;
    for (const Line& line : table.lines)
        expectedNames.insert(QString::fromLatin1(line.name));
    for (const QLabel* l : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        actualNames.insert(l->objectName());
    EXPECT_EQ(actualNames, expectedNames) << "the page has exactly these labels";

    const QString timesFamily = QFontInfo(times(24)).family();
    const QString bookmanFamily = QFontInfo(bookman(29)).family();
    for (const Line& line : table.lines) {
        SCOPED_TRACE(line.name);
        const QLabel* l = labelOf(page, line.name);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), QString::fromUtf8(line.text));
        const bool hiddenAtStart = line.kind == Mark || line.kind == Answer;
        EXPECT_EQ(l->isVisible(), !hiddenAtStart);

        QColor colour;
        int pixels = table.linePixels;
        QString family = timesFamily;
        switch (line.kind) {
        case Heading:
            colour = colour::yellow;
            pixels = table.headingPixels;
            family = bookmanFamily;
            break;
        case Rule:
            colour = colour::lime;
            break;
        case Example:
        case Answer:
            colour = colour::yellow;
            break;
        case Piece:
            colour = QColor::fromRgb(line.colour);
            break;
        case Mark:
            colour = QColor::fromRgb(line.colour);
            pixels = line.pixels;
            break;
        }
        EXPECT_EQ(l->palette().color(QPalette::WindowText), colour);
        EXPECT_EQ(l->font().pixelSize(), pixels);
        EXPECT_TRUE(l->font().bold());
        EXPECT_EQ(l->font().italic(), line.italic);
        EXPECT_EQ(QFontInfo(l->font()).family(), family);
    }
}

// Reading order: each line below the one before it, or on the same line and to its right.
TEST_P(PageText, LinesStandInReadingOrder)
{
    const PageTable& table = GetParam();
    QWidget* page = form(table.form);
    page->ensurePolished(); // lines are placed as the page is first shown
    const QLabel* previous = nullptr;
    for (const Line& line : table.lines) {
        if (line.kind == Mark)
            continue;
        const QLabel* l = labelOf(page, line.name);
        ASSERT_NE(l, nullptr) << line.name;
        if (previous) {
            const QRectF before = inkOf(previous), now = inkOf(l);
            const qreal baselineBefore = previous->y() + QFontMetricsF(previous->font()).ascent();
            const qreal baselineNow = l->y() + QFontMetricsF(l->font()).ascent();
            if (std::abs(baselineNow - baselineBefore) < 1.0)
                EXPECT_GT(now.left(), before.right()) << line.name << " stands right of " << previous->objectName();
            else
                EXPECT_GT(now.top(), before.bottom()) << line.name << " stands below " << previous->objectName();
        }
        previous = l;
    }
}

// Nothing leaves the window, no two lines overlap, nothing covers a button or the exit picture,
// with the demonstrations shown as well.
TEST_P(PageText, LinesStayInsideTheWindowAndOffTheButtons)
{
    const PageTable& table = GetParam();
    QWidget* page = form(table.form);
    page->ensurePolished(); // lines are placed as the page is first shown
    const QRect window = page->rect();
    std::vector<const QLabel*> text;
    for (const Line& line : table.lines) {
        const QLabel* l = labelOf(page, line.name);
        ASSERT_NE(l, nullptr) << line.name;
        const QRectF ink = inkOf(l);
        EXPECT_TRUE(QRectF(window).adjusted(8, 8, -8, -8).contains(ink))
            << line.name << " ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_TRUE(window.contains(l->geometry())) << line.name;
        for (const QWidget* control : keepClear(page)) {
            EXPECT_FALSE(l->geometry().intersects(control->geometry()))
                << line.name << " covers " << control->objectName();
        }
        if (line.kind != Mark)
            text.push_back(l);
    }
    for (size_t i = 0; i < text.size(); ++i)
        for (size_t j = i + 1; j < text.size(); ++j)
            EXPECT_FALSE(inkOf(text[i]).intersects(inkOf(text[j])))
                << text[i]->objectName() << " and " << text[j]->objectName() << " overlap";
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageText, ::testing::ValuesIn(pages()),
                         [](const ::testing::TestParamInfo<PageTable>& info) {
                             return "TForm" + std::to_string(info.param.form);
                         });

// ---- Screenshots: the marks under their terms, the equation of TForm23 ------------------------

bool isInk(QRgb p)
{
    const QColor bg = colour::background;
    return std::abs(qRed(p) - bg.red()) + std::abs(qGreen(p) - bg.green()) + std::abs(qBlue(p) - bg.blue()) > 150;
}

bool isColour(QRgb p, unsigned colour)
{
    switch (colour) {
    case red:
        return qRed(p) > 150 && qGreen(p) < 90;
    case lime:
        return qGreen(p) > 150 && qRed(p) < 90;
    case fuchsia:
        return qRed(p) > 150 && qBlue(p) > 150 && qGreen(p) < 90;
    default: // yellow
        return qRed(p) > 150 && qGreen(p) > 150 && qBlue(p) < 120;
    }
}

// A word of ink on a rendered line: its columns, its lowest ink row and whether it is red.
struct Word {
    int left;
    int right;
    int bottom;
    bool red; // most of its ink is red
    int inkPixels = 0;
    int redPixels = 0;
};

// Splits the ink inside band into words: runs of ink columns separated by at least minGap
// empty columns.
std::vector<Word> wordsIn(const QImage& image, const QRect& band, int minGap = 4)
{
    std::vector<Word> words;
    int gap = minGap;
    for (int x = band.left(); x <= band.right(); ++x) {
        int bottom = -1, redInk = 0, ink = 0;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            const QRgb p = image.pixel(x, y);
            if (isInk(p)) {
                bottom = y;
                ++ink;
                redInk += isColour(p, red);
            }
        }
        if (bottom < 0) {
            ++gap;
            continue;
        }
        if (gap >= minGap)
            words.push_back({x, x, bottom, false});
        Word& w = words.back();
        w.right = x;
        w.bottom = std::max(w.bottom, bottom);
        w.inkPixels += ink;
        w.redPixels += redInk;
        w.red = w.redPixels * 2 > w.inkPixels;
        gap = 0;
    }
    return words;
}

QStringList wordsOf(const QLabel* l)
{
    return l->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The ink of one colour inside a rectangle.
std::optional<QRect> colourIn(const QImage& image, const QRect& area, unsigned colour)
{
    std::optional<QRect> box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isColour(image.pixel(x, y), colour))
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

class Underlines : public Theory, public ::testing::WithParamInterface<int> {};

TEST_P(Underlines, EachMarkSitsUnderItsTermInTheScreenshot)
{
    const DemoTable& demo = demoOf(GetParam());
    open(demo.form);
    QWidget* page = form(demo.form);
    const QLabel* example = labelOf(page, demo.example);

    // The example alone, split into its words.
    const QImage plain = page->grab().toImage();
    const QRect band = example->geometry() & page->rect();
    const std::vector<Word> words = wordsIn(plain, band);
    const QStringList text = wordsOf(example);
    ASSERT_EQ(int(words.size()), int(text.size())) << "the example's words are told apart";

    ui::click(page, "BitBtn3");
    const QImage marked = page->grab().toImage();
    for (const MarkOf& m : demo.marks) {
        SCOPED_TRACE(m.name);
        const QLabel* markLabel = labelOf(page, m.name);
        ASSERT_TRUE(markLabel->isVisible());
        const int k = int(text.indexOf(QString::fromUtf8(m.term)));
        ASSERT_GE(k, 0);
        const Word& term = words[size_t(k)];
        const QColor c = markLabel->palette().color(QPalette::WindowText);
        // Only from the example's line down: the rule above may share the colour.
        QRect area = markLabel->geometry() & page->rect();
        area.setTop(std::max(area.top(), example->y()));
        const std::optional<QRect> ink = colourIn(marked, area, c.rgb() & 0xFFFFFF);
        ASSERT_TRUE(ink.has_value()) << "the mark is drawn";

        // Under the term: centred on it (within 2 pixels), covering most of it and no
        // neighbouring word's middle, just below its lowest ink.
        const double termCentre = (term.left + term.right) / 2.0;
        const double markCentre = (ink->left() + ink->right()) / 2.0;
        EXPECT_NEAR(markCentre, termCentre, 2.0);
        const int covered = std::min(ink->right(), term.right) - std::max(ink->left(), term.left) + 1;
        EXPECT_GE(covered * 4, (term.right - term.left + 1) * 3);
        for (int j : {k - 1, k + 1}) {
            if (j < 0 || j >= int(words.size()))
                continue;
            const double middle = (words[size_t(j)].left + words[size_t(j)].right) / 2.0;
            EXPECT_TRUE(middle < ink->left() || middle > ink->right()) << "reaches under " << text[j];
        }
        EXPECT_GT(ink->top(), term.bottom) << "below the term's ink";
        EXPECT_LE(ink->top(), term.bottom + 5) << "close under the term";
    }
}

INSTANTIATE_TEST_SUITE_P(DemoPages, Underlines, ::testing::Values(17, 24),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "TForm" + std::to_string(info.param);
                         });

TEST_F(Theory, TheFourPiecesOfTForm23ReadAsOneEquation)
{
    open(23);
    QWidget* page = Form23;
    const QImage image = page->grab().toImage();

    // The word gaps of a line written in one label are the measure.
    const QLabel* whole = labelOf(page, "Label7");
    const std::vector<Word> reference = wordsIn(image, whole->geometry() & page->rect());
    ASSERT_EQ(int(reference.size()), int(wordsOf(whole).size()));
    int minGap = 1000, maxGap = 0;
    for (size_t i = 1; i < reference.size(); ++i) {
        minGap = std::min(minGap, reference[i].left - reference[i - 1].right);
        maxGap = std::max(maxGap, reference[i].left - reference[i - 1].right);
    }

    QRect band;
    for (const char* name : {"Label6", "Label8", "Label4", "Label9"})
        band |= labelOf(page, name)->geometry();
    band.setLeft(0);
    band.setRight(page->width() - 1);
    const std::vector<Word> words = wordsIn(image, band & page->rect());
    const std::vector<QString> expected = {"5x", "-", "2x", "=", "3", "-", "6"};
    const std::vector<bool> red = {false, true, true, false, false, true, true};
    ASSERT_EQ(words.size(), expected.size());
    for (size_t i = 0; i < words.size(); ++i) {
        SCOPED_TRACE(expected[i].toStdString());
        EXPECT_EQ(words[i].red, red[i]) << "the moved terms are red, the rest yellow";
        if (i > 0) {
            const int gap = words[i].left - words[i - 1].right;
            EXPECT_GE(gap, minGap - 2);
            EXPECT_LE(gap, maxGap + 2);
        }
    }
    // One baseline: the digits and x's all end on the same row.
    for (size_t i : {0u, 2u, 4u, 6u})
        EXPECT_NEAR(words[i].bottom, words[0].bottom, 1) << expected[i];
    // The line starts under the example's "5x".
    const std::vector<Word> exampleWords = wordsIn(image, whole->geometry() & page->rect());
    EXPECT_NEAR(words[0].left, exampleWords[1].left, 2);
}

// ---- The demonstrations -------------------------------------------------------------------------

class Demo : public Theory, public ::testing::WithParamInterface<int> {
protected:
    const DemoTable& demo() const { return demoOf(GetParam()); }
    QWidget* page() const { return form(GetParam()); }

    bool answerShown() const { return labelOf(page(), demo().answer)->isVisible(); }
    // How many of the marks are visible.
    int marksShown() const
    {
        int n = 0;
        for (const MarkOf& m : demo().marks)
            n += labelOf(page(), m.name)->isVisible();
        return n;
    }
    int markCount() const { return int(demo().marks.size()); }
};

// The buttons only show: after any sequence of presses the marks are shown when "Pabraukti" was
// pressed and the answer line when "Atsakymas" was, whatever the order and however often.
TEST_P(Demo, ButtonsOnlyShowInAnyOrder)
{
    open(GetParam());
    EXPECT_EQ(ui::text(page(), "BitBtn3"), QStringLiteral("Pabraukti"));
    EXPECT_EQ(ui::text(page(), "BitBtn4"), QStringLiteral("Atsakymas"));
    const std::vector<std::vector<const char*>> sequences = {
        {"BitBtn3", "BitBtn4"},
        {"BitBtn4", "BitBtn3"},
        {"BitBtn3", "BitBtn3", "BitBtn4", "BitBtn4"},
        {"BitBtn4", "BitBtn4"},
    };
    for (const auto& presses : sequences) {
        EXPECT_FALSE(answerShown()) << "the page opens with the example alone";
        EXPECT_EQ(marksShown(), 0);
        bool underlined = false, answered = false;
        for (const char* button : presses) {
            SCOPED_TRACE(button);
            ui::click(page(), button);
            underlined = underlined || std::string(button) == "BitBtn3";
            answered = answered || std::string(button) == "BitBtn4";
            EXPECT_EQ(marksShown(), underlined ? markCount() : 0);
            EXPECT_EQ(answerShown(), answered);
        }
        ui::click(page(), "BitBtn5"); // leave and come back for the next sequence
        open(GetParam());
    }
}

// Every way of leaving hides the demonstration before it navigates; the page opens again with
// the example alone.
TEST_P(Demo, EveryWayOfLeavingHidesItAgain)
{
    const int n = GetParam();
    const int menu = n == 17 ? 16 : 21;
    struct Way {
        const char* control;
        std::vector<int> shownAfter;
    };
    std::vector<Way> ways = {{"BitBtn5", {1}}, {"BitBtn1", {menu}}, {"Image1", {}}};
    if (n == 17)
        ways.push_back({"BitBtn2", {18}});
    for (const Way& way : ways) {
        SCOPED_TRACE(way.control);
        for (auto* w : TWindow::all())
            w->hide();
        open(n);
        ui::click(page(), "BitBtn3");
        ui::click(page(), "BitBtn4");
        ASSERT_TRUE(answerShown());
        ASSERT_EQ(marksShown(), markCount());

        ui::click(page(), way.control);
        EXPECT_EQ(visibleWindows(), way.shownAfter);
        for (const MarkOf& m : demo().marks)
            EXPECT_TRUE(labelOf(page(), m.name)->isHidden()) << m.name;
        EXPECT_TRUE(labelOf(page(), demo().answer)->isHidden());

        for (auto* w : TWindow::all())
            w->hide();
        open(n);
        EXPECT_FALSE(answerShown());
        EXPECT_EQ(marksShown(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(DemoPages, Demo, ::testing::Values(17, 24),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "TForm" + std::to_string(info.param);
                         });

TEST_F(Theory, TForm17LeftByToliauAndReachedAgainThroughTheMenuShowsNoMarks)
{
    open(17);
    ui::click(Form17, "BitBtn3");
    ui::click(Form17, "BitBtn4");
    ui::click(Form17, "BitBtn2");
    EXPECT_EQ(visibleWindows(), std::vector<int>{18});
    ui::click(Form18, "BitBtn1");
    EXPECT_EQ(visibleWindows(), std::vector<int>{16});
    ui::click(Form16, "BitBtn1");
    ui::click(Form15, "BitBtn2");
    EXPECT_EQ(visibleWindows(), std::vector<int>{17});
    for (const char* name : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label12"})
        EXPECT_FALSE(labelOf(Form17, name)->isVisible()) << name;
}

// ---- The chain of "Toliau" through each topic ---------------------------------------------------

struct Chain {
    const char* name;
    const char* topicButton; // on the main menu
    int menu;
    std::vector<int> pages;
};

void PrintTo(const Chain& chain, std::ostream* os)
{
    *os << chain.name;
}

class TheoryChain : public Theory, public ::testing::WithParamInterface<Chain> {};

TEST_P(TheoryChain, ToliauWalksThePagesInOrder)
{
    const Chain& chain = GetParam();
    ui::click(Form1, chain.topicButton);
    EXPECT_EQ(visibleWindows(), std::vector<int>{chain.menu});
    ui::click(form(chain.menu), "BitBtn1"); // "Teorija"
    EXPECT_EQ(visibleWindows(), std::vector<int>{chain.pages.front()});
    for (size_t i = 0; i + 1 < chain.pages.size(); ++i) {
        QWidget* page = form(chain.pages[i]);
        EXPECT_EQ(ui::text(page, "BitBtn2"), QStringLiteral("Toliau"));
        ui::click(page, "BitBtn2");
        EXPECT_EQ(visibleWindows(), std::vector<int>{chain.pages[i + 1]}) << "after Toliau on Form" << chain.pages[i];
    }
    QWidget* last = form(chain.pages.back());
    EXPECT_EQ(last->findChild<QPushButton*>(QStringLiteral("BitBtn2")), nullptr) << "the last page has no Toliau";
    EXPECT_EQ(ui::text(last, "BitBtn5"), QStringLiteral("Turinys"));
    EXPECT_EQ(ui::text(last, "BitBtn1"), QString::fromUtf8("Pradžia"));
    ui::click(last, "BitBtn1");
    EXPECT_EQ(visibleWindows(), std::vector<int>{chain.menu});
}

TEST_P(TheoryChain, TurinysAndPradziaFromEveryPage)
{
    const Chain& chain = GetParam();
    for (int n : chain.pages) {
        SCOPED_TRACE(n);
        for (auto* w : TWindow::all())
            w->hide();
        open(n);
        ui::click(form(n), "BitBtn5");
        EXPECT_EQ(visibleWindows(), std::vector<int>{1});
        for (auto* w : TWindow::all())
            w->hide();
        open(n);
        ui::click(form(n), "BitBtn1");
        EXPECT_EQ(visibleWindows(), std::vector<int>{chain.menu});
    }
}

INSTANTIATE_TEST_SUITE_P(Topics, TheoryChain,
                         ::testing::Values(Chain{"SignedNumbers", "BitBtn1", 2, {3, 4, 5, 6, 7}},
                                           Chain{"Expressions", "BitBtn2", 16, {15, 17, 18}},
                                           Chain{"Equations", "BitBtn3", 21, {22, 23, 24}}),
                         [](const ::testing::TestParamInfo<Chain>& info) { return std::string(info.param.name); });

} // namespace
