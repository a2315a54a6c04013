#include "signed/helppages.h"

#include "shell/pages.h"

// Rule lines start near the left edge, the lines under a rule ending with "reikia:" are
// indented, example lines are indented further; the examples after "Pavyzdys: " stand under
// the first example's expression.
namespace {
const QSize helpSize{714, 428};
const char* const differentCaption = "Teigiami neigiami skaičiai";
const char* const equalCaption = "Teigiami ir neigiami skaičiai";

constexpr int ruleLeft = 16;
constexpr int indentLeft = 48;
constexpr int exampleLeft = 96;
constexpr int exampleMore = exampleLeft + 108; // past "Pavyzdys: "
constexpr int pixels = 24;
constexpr int line = 36;
constexpr int top = 24;
constexpr int gap = 16; // between the rule and the examples

constexpr int row(int n, int gaps = 0)
{
    return top + n * line + gaps * gap;
}

using L = PageLine;
} // namespace

TForm10::TForm10() : TWindow("Form10", QString::fromUtf8(differentCaption), helpSize)
{
    buildPage(this, {
        {"Label2", ruleLeft, row(0), "Norint sudėti du skaičius su skirtingais ženklais, reikia:", L::Rule, pixels},
        {"Label3", indentLeft, row(1), "iš didesniojo tų skaičių modulio atimti mažesnįjį;", L::Rule, pixels},
        {"Label5", indentLeft, row(2), "prieš gautąjį skaičių parašyti ženklą to dėmens, kurio modulis", L::Rule,
         pixels},
        {"Label8", indentLeft, row(3), "didesnis.", L::Rule, pixels},
        {"Label4", exampleLeft, row(4, 1), "Pavyzdys: 2 + (- 5) = - 3", L::Example, pixels},
        {"Label7", exampleMore, row(5, 1), "- 7 + 5 = - 2", L::Example, pixels},
        {"Label6", exampleMore, row(6, 1), "- 4 + 10 = 6", L::Example, pixels},
        {"Label9", exampleMore, row(7, 1), "4 - 10 = - 6", L::Example, pixels},
    });
}

TForm11::TForm11() : TWindow("Form11", QString::fromUtf8(equalCaption), helpSize)
{
    buildPage(this, {
        {"Label2", ruleLeft, row(0), "Norint sudėti du skaičius su vienodais ženklais, reikia:", L::Rule, pixels},
        {"Label3", indentLeft, row(1), "parašyti bendrą dėmenų ženklą;", L::Rule, pixels},
        {"Label5", indentLeft, row(2), "sudėti tų skaičių modulius.", L::Rule, pixels},
        {"Label4", exampleLeft, row(3, 1), "Pavyzdys: 4 + 10 = 14", L::Example, pixels},
        {"Label7", exampleMore, row(4, 1), "(- 4) + (- 10) = - 14", L::Example, pixels},
        {"Label6", exampleMore, row(5, 1), "- 4 - 10 = - 14", L::Example, pixels},
    });
}

TForm12::TForm12() : TWindow("Form12", QString::fromUtf8(equalCaption), helpSize)
{
    buildPage(this, {
        {"Label2", ruleLeft, row(0), "Daugindami ar dalindami du skaičius su vienodais ženklais", L::Rule, pixels},
        {"Label3", ruleLeft, row(1), "gauname teigiamą skaičių.", L::Rule, pixels},
        {"Label4", exampleLeft, row(2, 1), "Pavyzdys: 4 * 2 = 8", L::Example, pixels},
        {"Label7", exampleMore, row(3, 1), "- 4 * (- 2) = 8", L::Example, pixels},
        {"Label1", exampleMore, row(4, 1), "4 : 2 = 2", L::Example, pixels},
        {"Label5", exampleMore, row(5, 1), "- 4 : (- 2) = 2", L::Example, pixels},
    });
}

TForm13::TForm13() : TWindow("Form13", QString::fromUtf8(equalCaption), helpSize)
{
    buildPage(this, {
        {"Label5", ruleLeft, row(0), "Daugindami ar dalindami du skaičius su skirtingais ženklais", L::Rule, pixels},
        {"Label6", ruleLeft, row(1), "gauname neigiamą skaičių.", L::Rule, pixels},
        {"Label8", exampleLeft, row(2, 1), "Pavyzdys: - 4 * 2 = - 8", L::Example, pixels},
        {"Label9", exampleMore, row(3, 1), "4 * (- 2) = - 8", L::Example, pixels},
        {"Label1", exampleMore, row(4, 1), "- 4 : 2 = - 2", L::Example, pixels},
        {"Label2", exampleMore, row(5, 1), "4 : (- 2) = - 2", L::Example, pixels},
    });
}
