#include "equations/testwindow.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/feedback.h"
#include "shell/handlers.h"
#include "shell/random.h"
#include "shell/reviewsheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr equation::RowPlaces largePlaces{{40, 88, 120, 151, 199, 232, 264, 311, 336, 368, 415}, 88};
constexpr std::array<int, 11> reviewLefts{80, 112, 128, 143, 175, 200, 216, 247, 264, 280, 311};
constexpr review::Rows reviewRows{64, 40};
// Pieces of a row keep their lefts unless the text before them would run into them.
const review::RowStyle reviewStyle{.labelPoints = {},
                                   .answerPoints = {},
                                   .answerLeft = {},
                                   .verdictPoints = {},
                                   .verdictLeft = {},
                                   .fitToText = true};

review::QuestionRow sheetRow(const TForm26::ReviewRow& r)
{
    return {equation::toList(r.labels), {}, r.answer, r.verdict};
}

} // namespace

const std::array<const char*, 11> TForm26::largeNames{"Label133", "Label134", "Label135", "Label136",
                                                       "Label137", "Label138", "Label139", "Label140",
                                                       "Label141", "Label142", "Label143"};

const TForm26::ReviewNames TForm26::reviewNames[10] = {
    {{"Label113", "Label114", "Label115", "Label116", "Label117", "Label118", "Label119", "Label120",
      "Label121", "Label122", "Label123"},
     "Edit1", "Label4"},
    {{"Label1", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label15", "Label16", "Label17",
      "Label18"},
     "Edit2", "Label5"},
    {{"Label19", "Label20", "Label21", "Label23", "Label24", "Label25", "Label26", "Label27", "Label28",
      "Label29", "Label30"},
     "Edit3", "Label22"},
    {{"Label31", "Label33", "Label34", "Label35", "Label36", "Label38", "Label39", "Label40", "Label41",
      "Label42", "Label43"},
     "Edit4", "Label13"},
    {{"Label45", "Label46", "Label47", "Label48", "Label49", "Label50", "Label52", "Label53", "Label54",
      "Label55", "Label57"},
     "Edit6", "Label32"},
    {{"Label58", "Label59", "Label60", "Label61", "Label62", "Label64", "Label65", "Label66", "Label67",
      "Label68", "Label69"},
     "Edit7", "Label37"},
    {{"Label70", "Label71", "Label72", "Label73", "Label74", "Label75", "Label76", "Label77", "Label78",
      "Label79", "Label80"},
     "Edit8", "Label44"},
    {{"Label81", "Label82", "Label83", "Label84", "Label85", "Label86", "Label87", "Label88", "Label89",
      "Label90", "Label91"},
     "Edit9", "Label51"},
    {{"Label92", "Label93", "Label94", "Label95", "Label96", "Label97", "Label98", "Label99", "Label100",
      "Label101", "Label102"},
     "Edit10", "Label56"},
    {{"Label103", "Label104", "Label105", "Label106", "Label107", "Label108", "Label109", "Label110",
      "Label111", "Label112", "Label124"},
     "Edit11", "Label63"},
};

TForm26::TForm26() : TWindow("Form26", QStringLiteral("Lygtys"))
{
    Label2 = label(this, "Label2", {240, 16}, QStringLiteral("Kontrolinis darbas"), bookman(32), colour::yellow);

    large_ = equation::createRow(this, largeNames, largePlaces, 35, 35);
    Edit5 = edit(this, "Edit5", QRect(456, 96, 97, 33), bookman(21));
    describeAnswer(Edit5, equation::toList(large_));
    BitBtn1 = button(this, "BitBtn1", QRect(576, 88, 97, 49), QStringLiteral("Toliau"), bookman(19));
    makeDefault(BitBtn1);

    for (std::size_t r = 0; r < review_.size(); ++r) {
        const ReviewNames& n = reviewNames[r];
        ReviewRow& row = review_[r];
        const int top = reviewRows.top(static_cast<int>(r) + 1);
        for (std::size_t i = 0; i < 11; ++i) {
            row.labels[i] = label(this, n.pieces[i], {reviewLefts[i], top}, QString(), bookman(21), colour::yellow);
            row.labels[i]->hide();
        }
        row.answer = edit(this, n.answer, QRect(336, top, 97, 30), bookman(19));
        row.answer->setEnabled(false);
        row.answer->hide();
        row.verdict = label(this, n.verdict, {450, top}, QString(), bookman(27), colour::red);
        row.verdict->hide();
        describeAnswer(row.answer, equation::toList(row.labels));
    }

    Label3 = label(this, "Label3", {56, 456}, QStringLiteral("Įvertinimas:"), bookman(32), colour::red);
    Label3->hide();
    Label12 = label(this, "Label12", {304, 456}, QString(), bookman(32), colour::red);
    Label12->hide();

    onChange(Edit5, this, &TForm26::Edit5Change);
    onClick(BitBtn1, this, &TForm26::BitBtn1Click);

    FormCreate();
}

void TForm26::generate(equation::Variant variant)
{
    reseed();
    equation::write(large_, equation::generate(draw, variant).row);
    // The expected answer is the equation as shown.
    expected_ = equation::solution(equation::read(large_));
}

void TForm26::FormCreate()
{
    index_ = 0;
    correct_ = 0;
    Edit5->setFocus();
    generate(equation::first);
    presentQuestion(Edit5, 1);
}

void TForm26::Edit5Change()
{
    saved_[static_cast<std::size_t>(index_)] = Edit5->text();
}

void TForm26::BitBtn1Click()
{
    if (Edit5->text().isEmpty()) {
        promptForAnswer();
        Edit5->setFocus();
        return;
    }
    Edit5->setFocus();
    const bool right = isExactly(Edit5->text(), expected_);
    if (right)
        ++correct_;

    // The question goes into its row of the sheet, which stays hidden until the end.
    const ReviewRow& row = review_[static_cast<std::size_t>(index_)];
    row.answer->setText(saved_[static_cast<std::size_t>(index_)]);
    setVerdict(row.verdict, right ? Verdict::Right : Verdict::Wrong);
    review::copyTexts(equation::toList(large_), equation::toList(row.labels));

    if (index_ == 9) {
        showReviewSheet();
        return;
    }
    generate(equation::laterQuestion);
    ++index_;
    Edit5->clear();
    presentQuestion(Edit5, index_ + 1);
}

void TForm26::showReviewSheet()
{
    for (QLabel* l : large_)
        l->hide();
    Edit5->hide();
    BitBtn1->hide();
    QList<const equation::RowLabels*> rows;
    for (const ReviewRow& r : review_)
        rows.append(&r.labels);
    equation::arrangeColumns(rows, reviewLefts[0]);
    for (std::size_t r = 0; r < review_.size(); ++r)
        review::layOutRow(sheetRow(review_[r]), reviewStyle, reviewRows.top(static_cast<int>(r) + 1));
    review::showGrade(Label3, Label12, correct_);
}
