#include "equations/practice.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr equation::RowPlaces rowPlaces{{120, 168, 200, 231, 279, 312, 344, 391, 432, 464, 511}, 56};
constexpr int underlineLefts[4] = {128, 232, 344, 464};

QPushButton* actionButton(QWidget* window, const char* name, QPoint at, const char* caption, int width = 97)
{
    return button(window, name, QRect(at, QSize(width, 49)), QString::fromUtf8(caption), bookman(19));
}

} // namespace

TForm25::TForm25() : TExerciseWindow("Form25", "Lygtys", 21, Order::ShowFirst), tally_(this, 96, 392)
{
    // The second operator keeps the numbers' size.
    row_ = equation::createRow(this,
                               {"Label15", "Label1", "Label27", "Label30", "Label8", "Label10", "Label6",
                                "Label11", "Label14", "Label9", "Label7"},
                               rowPlaces, 35, 37, {8});
    Label15 = row_[0];
    Label1 = row_[1];
    Label27 = row_[2];
    Label30 = row_[3];
    Label8 = row_[4];
    Label10 = row_[5];
    Label6 = row_[6];
    Label11 = row_[7];
    Label14 = row_[8];
    Label9 = row_[9];
    Label7 = row_[10];

    const char* underlineNames[4] = {"Label16", "Label17", "Label18", "Label19"};
    for (std::size_t t = 0; t < 4; ++t) {
        underlines_[t] = label(this, underlineNames[t], {underlineLefts[t], 64}, QStringLiteral("____"),
                               bookman(32), colour::red);
        underlines_[t]->hide();
    }
    Label16 = underlines_[0];
    Label17 = underlines_[1];
    Label18 = underlines_[2];
    Label19 = underlines_[3];

    Label12 = label(this, "Label12", {175, 144}, QStringLiteral("x"), bookman(35), colour::yellow);
    Label26 = label(this, "Label26", {208, 144}, QStringLiteral("="), bookman(35), colour::yellow);
    Edit5 = edit(this, "Edit5", QRect(240, 152, 81, 33), bookman(21));
    // The box is described by the equation and the "x =" before it.
    describeAnswer(Edit5, equation::toList(row_) << Label12 << Label26);

    BitBtn30 = actionButton(this, "BitBtn30", {352, 144}, "Tikrinti");
    BitBtn32 = actionButton(this, "BitBtn32", {464, 144}, "Toliau");
    BitBtn31 = actionButton(this, "BitBtn31", {552, 56}, "Pabraukti", 113);
    BitBtn32->setEnabled(false);
    makeDefault(BitBtn30);

    Label13 = label(this, "Label13", {456, 264}, QString(), bookman(29), colour::red);
    Image11 = picture(this, "Image11", QRect(297, 224, 137, 137), QStringLiteral("Paveikslėlis"));
    Image11->hide();

    onClick(BitBtn30, this, &TForm25::BitBtn30Click);
    onClick(BitBtn31, this, &TForm25::BitBtn31Click);
    onClick(BitBtn32, this, &TForm25::BitBtn32Click);

    FormCreate();
}

equation::EquationRow TForm25::shownRow() const
{
    return equation::read(row_);
}

void TForm25::present(const equation::Generated& generated)
{
    equation::write(row_, generated.row);
}

void TForm25::FormCreate()
{
    Edit5->setFocus();
    reseed();
    present(equation::generate(draw, equation::first));
}

void TForm25::BitBtn30Click()
{
    if (Edit5->text().isEmpty()) {
        promptForAnswer();
        Edit5->setFocus();
        return;
    }
    // The equation is read from its labels and never changed by the check.
    const bool right = isExactly(Edit5->text(), equation::solution(shownRow()));
    if (right) {
        tally_.countRight();
        BitBtn32->setEnabled(true);
        makeDefault(BitBtn32);
        makeDefault(BitBtn30, false);
        setVerdict(Label13, Verdict::Right);
        showNextReward(rewards::equations, Image11);
        announceVerdict(Label13, tally_.Label4);
    } else {
        setVerdict(Label13, Verdict::Wrong);
        tally_.countWrong();
        announceVerdict(Label13, tally_.Label5);
    }
    // A click took the focus to the button. After a right answer it goes to "Toliau", which
    // Enter presses next; after a wrong one back into the box, to correct the answer at once.
    if (right)
        BitBtn32->setFocus();
    else
        Edit5->setFocus();
}

void TForm25::BitBtn31Click()
{
    const equation::EquationRow row = shownRow();
    int xTerms = 0;
    for (int t = 1; t <= 4; ++t)
        xTerms += equation::isXTerm(row, t) ? 1 : 0;
    // Like terms in pairs: x terms red, number terms lime; a term alone of its kind stays bare.
    for (int t = 1; t <= 4; ++t) {
        const bool x = equation::isXTerm(row, t);
        const int likeTerms = x ? xTerms : 4 - xTerms;
        if (likeTerms < 2)
            continue;
        QLabel* u = underlines_[static_cast<std::size_t>(t - 1)];
        setColour(u, x ? colour::red : colour::lime);
        u->show();
    }
    Edit5->setFocus();
}

void TForm25::BitBtn32Click()
{
    // The box gets the focus before it changes: a screen reader then reads it as the focus
    // moves there, with its new equation.
    Edit5->setFocus();
    for (QLabel* u : underlines_)
        u->hide();
    BitBtn32->setEnabled(false);
    makeDefault(BitBtn32, false);
    makeDefault(BitBtn30);
    Edit5->clear();
    Image11->hide();
    setVerdict(Label13, Verdict::None);
    reseed();
    present(equation::generate(draw, equation::next));
}
