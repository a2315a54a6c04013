#include "shell/theory.h"

#include "shell/controls.h"
#include "shell/handlers.h"
#include "shell/windowno.h"

#include <QLabel>
#include <QPushButton>

namespace {

const char* const signedCaption = "Teigiami neigiami skaičiai";
const char* const signedCaption2 = "Teigiami ir neigiami skaičiai";
const char* const expressionCaption = "Reiškinių pertvarkymas";
const char* const equationCaption = "Lygtys";

// ---- How a table line reads ----------------------------------------------------------------
// Rule lines start at the left edge (24; 16 for the lines that open with a quoted sign), the
// steps under a rule that ends in a colon at 72, worked examples at 104 to 216. A line that goes
// on under an example starts under the example's first expression (Beneath its first word after
// "Pavyzdys:"). Underline marks and coloured pieces are placed from the fonts in use.

constexpr int rulePx = 24;
constexpr unsigned red = 0xFF0000, lime = 0x00FF00, fuchsia = 0xFF00FF;

constexpr PageLine heading(const char* text, int pixels = 29, int top = 24)
{
    return {"Label1", 0, top, text, PageLine::Heading, pixels, 0, false, false, PageLine::Centred};
}

constexpr PageLine rule(const char* name, int left, int top, const char* text, int pixels = rulePx)
{
    return {name, left, top, text, PageLine::Rule, pixels};
}

constexpr PageLine italicRule(const char* name, int left, int top, const char* text)
{
    return {name, left, top, text, PageLine::Rule, rulePx, 0, true};
}

constexpr PageLine example(const char* name, int left, int top, const char* text, int pixels = rulePx)
{
    return {name, left, top, text, PageLine::Example, pixels};
}

// An example line that starts under the word `term` of the earlier line `anchor`.
constexpr PageLine beneath(const char* name, int top, const char* text, const char* anchor, const char* term,
                           int pixels = rulePx)
{
    return {name, 0, top, text, PageLine::Example, pixels, 0, false, false, PageLine::Beneath, anchor, term};
}

// The answer line of a demonstration, hidden until "Atsakymas".
constexpr PageLine answer(PageLine line)
{
    line.hidden = true;
    return line;
}

// An underline mark "_", hidden until "Pabraukti", under the word `term` of `anchor`; left and
// top are its positions in the original fonts, kept for reference.
constexpr PageLine mark(const char* name, int left, int top, int pixels, unsigned colour, const char* anchor,
                        const char* term)
{
    return {name, left, top, "_", PageLine::Mark, pixels, colour, false, true, PageLine::Under, anchor, term};
}

// A piece of an example line straight after the earlier piece `anchor`: yellow, or red for a
// moved term.
constexpr PageLine piece(const char* name, int left, int top, const char* text, unsigned colour,
                         const char* anchor)
{
    return {name,  left,  top,  text, colour ? PageLine::Mark : PageLine::Example, rulePx, colour, false,
            false, PageLine::After, anchor};
}

// ---- The pages, line by line in reading order ---------------------------------------------------

const std::initializer_list<PageLine> page3 = {
    heading("Teigiamų ir neigiamų skaičių sudėtis"),
    rule("Label2", 24, 96, "Norint sudėti du skaičius su vienodais ženklais, reikia:"),
    rule("Label3", 72, 136, "parašyti bendrą dėmenų ženklą,"),
    rule("Label5", 72, 176, "sudėti tų skaičių modulius."),
    example("Label4", 104, 240, "Pavyzdys: 4 + 10 = 14"),
    beneath("Label7", 280, "(- 4) + (- 10) = - 14", "Label4", "4"),
    beneath("Label6", 320, "- 4 - 10 = - 14", "Label4", "4"),
};

const std::initializer_list<PageLine> page4 = {
    heading("Teigiamų ir neigiamų skaičių sudėtis"),
    rule("Label2", 24, 96, "Norint sudėti du skaičius su skirtingais ženklais, reikia:"),
    rule("Label3", 72, 136, "iš didesniojo tų skaičių modulio atimti mažesnįjį;"),
    rule("Label5", 72, 176, "prieš gautąjį skaičių parašyti ženklą to dėmens, kurio modulis"),
    rule("Label8", 72, 212, "didesnis."),
    example("Label4", 104, 272, "Pavyzdys: 2 + (- 5) = - 3"),
    beneath("Label7", 312, "- 7 + 5 = - 2", "Label4", "2"),
    beneath("Label6", 352, "- 4 + 10 = 6", "Label4", "2"),
    beneath("Label9", 392, "4 - 10 = - 6", "Label4", "2"),
};

const std::initializer_list<PageLine> page5 = {
    heading("Teigiamų ir neigiamų skaičių atimtis"),
    rule("Label2", 24, 96, "Atimti skaičių - tai tas pat, kas pridėti jam priešingą skaičių."),
    example("Label4", 104, 160, "Pavyzdys: 4 - 10 = 4 + (- 10) = - 6"),
    beneath("Label7", 200, "4 - (- 10) = 4 + 10 = 14", "Label4", "4"),
};

// Two columns: multiplication on the left, division on the right of the same line.
constexpr int divisionColumn = 472;
const std::initializer_list<PageLine> page6 = {
    heading("Teigiamų ir neigiamų skaičių daugyba ir dalyba"),
    rule("Label2", 24, 88, "Daugindami ar dalindami du skaičius su vienodais ženklais"),
    rule("Label3", 24, 124, "gauname teigiamą skaičių."),
    example("Label4", 104, 172, "Pavyzdys: 4 * 2 = 8"),
    example("Label10", divisionColumn, 172, "4 : 2 = 2"),
    beneath("Label7", 208, "- 4 * (- 2) = 8", "Label4", "4"),
    example("Label11", divisionColumn, 208, "- 4 : (- 2) = 2"),
    rule("Label5", 24, 264, "Daugindami ar dalindami du skaičius su skirtingais ženklais"),
    rule("Label6", 24, 300, "gauname neigiamą skaičių."),
    example("Label8", 104, 348, "Pavyzdys: - 4 * 2 = - 8"),
    example("Label12", divisionColumn, 348, "- 4 : 2 = - 2"),
    beneath("Label9", 384, "4 * (- 2) = - 8", "Label8", "-"),
    example("Label13", divisionColumn, 384, "4 : (- 2) = - 2"),
};

const std::initializer_list<PageLine> page7 = {
    heading("Teigiamų ir neigiamų skaičių daugyba ir dalyba"),
    rule("Label2", 24, 88, "Kelių skaičių sandaugos ženklas priklauso tik nuo neigiamų"),
    rule("Label3", 24, 124, "dauginamųjų skaičiaus. Jis yra:"),
    rule("Label5", 16, 172, "\" - \", jeigu sandaugoje yra nelyginis skaičius neigiamų dauginamųjų"),
    rule("Label6", 16, 212, "\" + \", jeigu sandaugoje nėra neigiamų dauginamųjų arba jų yra"),
    {"Label10", 0, 248, "lyginis skaičius.", PageLine::Rule, rulePx, 0, false, false, PageLine::Beneath, "Label6",
     "jeigu"},
    example("Label8", 104, 304, "Pavyzdys: 2 * (- 7) * 5 = - 70"),
    beneath("Label9", 344, "- 2 * (- 4) * 2 = 16", "Label8", "2"),
};

constexpr int expressionPx = 23;
const std::initializer_list<PageLine> page15 = {
    heading("Reiškinių pertvarkymas", 27, 22),
    rule("Label2", 24, 88, "Dėmenys, turintys vienodą raidinę dalį, vadinami panašiaisiais", expressionPx),
    rule("Label3", 24, 124, "nariais.", expressionPx),
    example("Label8", 104, 172, "Pavyzdys: 15a ir 12a", expressionPx),
    rule("Label5", 24, 228, "Sudedant panašiuosius narius, sudedami jų koeficientai,", expressionPx),
    rule("Label9", 24, 264, "o raidinė dalis lieka ta pati.", expressionPx),
    example("Label4", 104, 312, "Pavyzdys: 15a + 12a = (15 + 12)a = 27a", expressionPx),
    beneath("Label6", 352, "4b - 2b = (4 - 2)b = 2b", "Label4", "15a", expressionPx),
};

const std::initializer_list<PageLine> page17 = {
    heading("Reiškinių pertvarkymas"),
    rule("Label2", 24, 88, "Kai sudedame panašiuosius narius, tai sakome, kad juos"),
    italicRule("Label3", 24, 124, "sutraukiame."),
    rule("Label5", 24, 172, "Sutraukiant panašiuosius narius rekomenduojama juos pasibraukti:"),
    example("Label4", 32, 232, "Pavyzdys: 5 + a + 2b - 3a - 1 + 3b ="),
    answer(example("Label6", 120, 288, "= (5 - 1) + (1 - 3)a + (2 + 3)b = 4 -2a + 5b")),
    mark("Label7", 136, 216, 40, red, "Label4", "5"),
    mark("Label8", 176, 216, 40, lime, "Label4", "a"),
    mark("Label9", 216, 216, 40, fuchsia, "Label4", "2b"),
    mark("Label10", 264, 216, 40, lime, "Label4", "3a"),
    mark("Label11", 304, 216, 40, red, "Label4", "1"),
    mark("Label12", 344, 216, 40, fuchsia, "Label4", "3b"),
};

const std::initializer_list<PageLine> page18 = {
    heading("Reiškinių pertvarkymas"),
    rule("Label2", 24, 88, "Jeigu prieš raidę nėra skaičiaus, tai skaičius yra vienetas (1)."),
    example("Label8", 104, 136, "Pavyzdys: a + a - 2 = 1a + 1a - 2 = (1 + 1)a - 2 = 2a - 2"),
    rule("Label5", 24, 200, "Jeigu sutraukiant panašius narius prieš pirmąjį dėmenį nėra ženklo,"),
    rule("Label9", 24, 236, "tai ženklas yra pliusas (+)."),
    example("Label4", 104, 284, "Pavyzdys: 2 - 3a + a = (-3 + 1)a + 2 = -2a + 2"),
};

const std::initializer_list<PageLine> page22 = {
    heading("Lygčių sprendimas"),
    rule("Label2", 24, 88, "Lygybė, kurioje yra nežinomasis, vadinama lygtymi."),
    example("Label4", 104, 132, "Pavyzdys: x + 6 = 4x"),
    rule("Label3", 24, 188, "Lygties sprendiniu vadinama nežinomojo reikšmė, su kuria lygtis tampa"),
    rule("Label5", 24, 224, "teisinga skaitine lygybe."),
    example("Label7", 104, 272, "Pavyzdys: x + 6 = 4x, jei x = 2, tai teisinga lygybė"),
    beneath("Label6", 312, "2 + 6 = 4 * 2", "Label7", "x"),
    beneath("Label8", 352, "8 = 8", "Label7", "x"),
};

// The example line of four pieces reads as one equation; the moved terms are red.
const std::initializer_list<PageLine> page23 = {
    heading("Lygčių sprendimas"),
    rule("Label2", 24, 88, "Norint išspręsti lygtį, reikia dėmenis su nežinomaisiais perkelti į kairę"),
    rule("Label3", 24, 124, "lygties pusę, o dėmenis be nežinomųjų (skaičius) - į dešinę lygties pusę."),
    rule("Label5", 24, 172, "Keliant dėmenis į kitą lygties pusę, dėmenų ženklai keičiami priešingais."),
    example("Label7", 112, 224, "Pavyzdys: 5x + 6 = 3 + 2x"),
    beneath("Label6", 272, "5x ", "Label7", "5x"),
    piece("Label8", 256, 272, "- 2x", red, "Label6"),
    piece("Label4", 304, 272, "= 3 ", 0, "Label8"),
    piece("Label9", 344, 272, "- 6", red, "Label4"),
};

// The solving steps stand in one column under the example's first term.
const std::initializer_list<PageLine> page24 = {
    heading("Lygčių sprendimas"),
    rule("Label2", 24, 68, "Toliau sutraukiame panašiuosius narius."),
    example("Label7", 112, 112, "Pavyzdys: 5x - 2x = 3 - 6"),
    mark("Label4", 216, 88, 48, red, "Label7", "5x"),
    mark("Label8", 264, 88, 48, red, "Label7", "2x"),
    mark("Label9", 304, 88, 48, lime, "Label7", "3"),
    mark("Label10", 336, 88, 48, lime, "Label7", "6"),
    answer(beneath("Label6", 152, "3x = - 3", "Label7", "5x")),
    rule("Label5", 24, 188, "Ir padaliname lygties abi puses iš skaičiaus, esančio prie x."),
    beneath("Label11", 222, "3x = - 3 | : 3", "Label7", "5x"),
    beneath("Label12", 256, "x = - 1 ", "Label7", "5x"),
    rule("Label3", 24, 294, "Suradome nežinomąjį x, vadinasi lygtį išsprendėme. Toliau reikia lygtį"),
    rule("Label13", 24, 330, "patikrinti."),
    beneath("Label15", 330, "5 x + 6 = 3 + 2x", "Label7", "5x"),
    beneath("Label14", 364, "5 * (-1) + 6 = 3 + 2 * (-1)", "Label7", "5x"),
    beneath("Label16", 398, "-5 + 6 = 3 - 2", "Label7", "5x"),
    beneath("Label17", 432, "1 = 1", "Label7", "5x"),
};

// The page builder: the lines of the table, each label as wide as its text.
void build(TWindow* page, std::initializer_list<PageLine> lines)
{
    buildPage(page, lines);
    page->atFirstPolish([page, lines] {
        for (const PageLine& line : lines) {
            auto* l = page->findChild<QLabel*>(QString::fromLatin1(line.name), Qt::FindDirectChildrenOnly);
            l->resize(qMin(l->sizeHint().width(), page->width() - l->x()), l->height());
        }
    });
}

// A demonstration button: at least 73 x 41, wide enough for its red caption.
QPushButton* demoButton(QWidget* page, const char* name, QPoint at, const char* caption)
{
    return button(page, name, QRect(at, QSize(73, 41)), QString::fromUtf8(caption), times(16));
}

void fitCaption(QPushButton* b)
{
    b->resize(qMax(73, b->sizeHint().width()), 41);
}

} // namespace

TForm3::TForm3()
    : TTheoryPage({"Form3", signedCaption, WindowNo::SignedMenu, WindowNo::SignedTheory2, Order::CloseFirst})
{
    build(this, page3);
}

TForm4::TForm4()
    : TTheoryPage({"Form4", signedCaption, WindowNo::SignedMenu, WindowNo::SignedTheory3, Order::CloseFirst})
{
    build(this, page4);
}

TForm5::TForm5()
    : TTheoryPage({"Form5", signedCaption, WindowNo::SignedMenu, WindowNo::SignedTheory4, Order::CloseFirst})
{
    build(this, page5);
}

TForm6::TForm6()
    : TTheoryPage({"Form6", signedCaption, WindowNo::SignedMenu, WindowNo::SignedTheory5, Order::CloseFirst})
{
    build(this, page6);
}

TForm7::TForm7() : TTheoryPage({"Form7", signedCaption2, WindowNo::SignedMenu, 0, Order::CloseFirst})
{
    build(this, page7);
}

TDemoPage::TDemoPage(const Chain& chain, std::initializer_list<PageLine> lines, const Demo& demo)
    : TTheoryPage(chain)
{
    build(this, lines);
    for (const char* name : demo.marks)
        marks_.append(findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly));
    answer_ = findChild<QLabel*>(QString::fromLatin1(demo.answer), Qt::FindDirectChildrenOnly);
    BitBtn3 = demoButton(this, "BitBtn3", demo.buttons, "Pabraukti");
    BitBtn4 = demoButton(this, "BitBtn4", {BitBtn3->geometry().right() + 16, demo.buttons.y()}, "Atsakymas");
    atFirstPolish([this] {
        fitCaption(BitBtn3);
        fitCaption(BitBtn4);
        BitBtn4->move(BitBtn3->geometry().right() + 16, BitBtn4->y());
    });
    onClick(BitBtn3, this, &TDemoPage::BitBtn3Click);
    onClick(BitBtn4, this, &TDemoPage::BitBtn4Click);
}

void TDemoPage::BitBtn3Click()
{
    for (QLabel* l : marks_)
        l->show();
}

void TDemoPage::BitBtn4Click()
{
    answer_->show();
}

void TDemoPage::leaving()
{
    answer_->hide();
    for (QLabel* l : marks_)
        l->hide();
}

TForm15::TForm15()
    : TTheoryPage(
          {"Form15", expressionCaption, WindowNo::ExpressionMenu, WindowNo::ExpressionTheory2, Order::ShowFirst})
{
    build(this, page15);
}

TForm17::TForm17()
    : TDemoPage({"Form17", expressionCaption, WindowNo::ExpressionMenu, WindowNo::ExpressionTheory3, Order::ShowFirst},
                page17,
                {{"Label7", "Label8", "Label9", "Label10", "Label11", "Label12"}, "Label6", {464, 224}})
{
}

TForm18::TForm18() : TTheoryPage({"Form18", expressionCaption, WindowNo::ExpressionMenu, 0, Order::ShowFirst})
{
    build(this, page18);
}

TForm22::TForm22()
    : TTheoryPage({"Form22", equationCaption, WindowNo::EquationMenu, WindowNo::EquationTheory2, Order::CloseFirst})
{
    build(this, page22);
}

TForm23::TForm23()
    : TTheoryPage({"Form23", equationCaption, WindowNo::EquationMenu, WindowNo::EquationTheory3, Order::CloseFirst})
{
    build(this, page23);
}

TForm24::TForm24()
    : TDemoPage({"Form24", equationCaption, WindowNo::EquationMenu, 0, Order::CloseFirst}, page24,
                {{"Label4", "Label8", "Label9", "Label10"}, "Label6", {424, 104}})
{
}
