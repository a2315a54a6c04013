#include "expressions/testwindow.h"

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

constexpr int questionTop = 88;
constexpr std::array<int, 9> questionLefts{104, 144, 176, 207, 231, 264, 296, 320, 344};

// The review sheet: rows 40 pixels apart from top 64, the question in 21-pixel type at these
// lefts, the answer box at 336 and the verdict at 450.
constexpr review::Rows sheetRows{64, 40};
constexpr std::array<int, 9> sheetLefts{120, 144, 168, 191, 215, 240, 264, 288, 312};
constexpr int answerLeft = 336, verdictLeft = 450;

// On the sheet a piece moves right only when the text before it would run into it.
review::RowStyle fitted()
{
    review::RowStyle style;
    style.fitToText = true;
    return style;
}
const review::RowStyle sheetStyle = fitted();

} // namespace

const TForm20::ReviewNames TForm20::reviewNames[10] = {
    {{"Label7", "Label9", "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label23"}, "Edit1",
     "Label4"},
    {{"Label24", "Label25", "Label26", "Label28", "Label29", "Label31", "Label33", "Label34", "Label35"}, "Edit2",
     "Label5"},
    {{"Label36", "Label38", "Label39", "Label40", "Label41", "Label42", "Label43", "Label45", "Label46"}, "Edit3",
     "Label22"},
    {{"Label47", "Label48", "Label49", "Label50", "Label52", "Label53", "Label54", "Label55", "Label57"}, "Edit4",
     "Label13"},
    {{"Label58", "Label59", "Label60", "Label61", "Label62", "Label64", "Label65", "Label66", "Label67"}, "Edit6",
     "Label32"},
    {{"Label68", "Label69", "Label70", "Label71", "Label72", "Label73", "Label74", "Label75", "Label76"}, "Edit7",
     "Label37"},
    {{"Label77", "Label78", "Label79", "Label80", "Label81", "Label82", "Label83", "Label84", "Label85"}, "Edit8",
     "Label44"},
    {{"Label86", "Label87", "Label88", "Label89", "Label90", "Label91", "Label92", "Label93", "Label94"}, "Edit9",
     "Label51"},
    {{"Label95", "Label96", "Label97", "Label98", "Label99", "Label100", "Label101", "Label102", "Label103"},
     "Edit10", "Label56"},
    {{"Label104", "Label105", "Label106", "Label107", "Label108", "Label109", "Label110", "Label111", "Label112"},
     "Edit11", "Label63"},
};

TForm20::TForm20()
    : TWindow("Form20", QStringLiteral("Reiškinių pertvarkymas")),
      row(ExpressionRow::question(this, questionLefts, questionTop))
{
    Label2 = heading(this, "Label2", 16, QStringLiteral("Kontrolinis darbas"), bookman(32));
    Edit5 = edit(this, "Edit5", QRect(376, 96, 97, 41), answerFont());
    BitBtn1 = button(this, "BitBtn1", QRect(488, 88, 97, 49), QStringLiteral("Toliau"), bookman(20));
    makeDefault(BitBtn1);

    for (int n = 1; n <= 10; ++n) {
        const ReviewNames& names = reviewNames[n - 1];
        ReviewRow& r = review_[static_cast<std::size_t>(n - 1)];
        const int top = sheetRows.top(n);
        for (std::size_t i = 0; i < 9; ++i)
            r.expression.labels[i] = label(this, names.pieces[i], {sheetLefts[i], top}, QString(), bookman(21),
                                           colour::yellow);
        r.answer = edit(this, names.answer, QRect(answerLeft, top, 97, 30), bookman(19));
        r.verdict = label(this, names.verdict, {verdictLeft, top}, QString(), bookman(27), colour::red);
        r.expression.setVisible(false);
        r.answer->hide();
        r.verdict->hide();
        onChange(r.answer, this, &TForm20::Edit5Change);
        describeAnswer(r.answer, r.expression.pieces());
    }
    onChange(Edit5, this, &TForm20::Edit5Change);
    describeAnswer(Edit5, row.pieces());
    onClick(BitBtn1, this, &TForm20::BitBtn1Click);

    Label3 = label(this, "Label3", {56, 456}, QStringLiteral("Įvertinimas:"), bookman(32), colour::red);
    Label12 = label(this, "Label12", {304, 456}, QString(), bookman(32), colour::red);
    Label3->hide();
    Label12->hide();

    Edit5->setFocus();
    FormCreate();
}

void TForm20::FormCreate()
{
    index_ = 0;
    score_ = 0;
    generate();
    copyQuestion(1);
    presentQuestion(Edit5, 1);
}

void TForm20::generate()
{
    reseed();
    row.setTexts(expr::rowTexts(expr::generate(draw)));
}

void TForm20::copyQuestion(int n)
{
    review_[static_cast<std::size_t>(n - 1)].expression.setTexts(expr::reviewCopy(row.texts()));
}

void TForm20::Edit5Change()
{
    if (index_ < 10)
        saved_[static_cast<std::size_t>(index_)] = Edit5->text();
}

void TForm20::BitBtn1Click()
{
    const int q = index_;
    if (q >= 10) // the test has ended; the button is hidden
        return;
    // 1. An empty answer: the prompt, and the same question again.
    if (Edit5->text().isEmpty()) {
        promptForAnswer();
        Edit5->setFocus();
        return;
    }
    // 2. The answer judged against the expression on display.
    const std::optional<expr::Expression> shown = row.shown();
    lastAccepted_ = shown && expr::accepts(*shown, Edit5->text());
    if (lastAccepted_)
        ++score_;
    // 3. The question's review row: the answer as kept, the verdict; row 1 has its question.
    const ReviewRow& r = review(q + 1);
    r.answer->setText(saved_[static_cast<std::size_t>(q)]);
    setVerdict(r.verdict, lastAccepted_ ? Verdict::Right : Verdict::Wrong);
    if (q > 0)
        copyQuestion(q + 1);
    if (q < 9)
        Edit5->setFocus();
    // 4. After the tenth answer the review sheet; 5. otherwise the next question.
    if (q == 9)
        showReviewSheet();
    else
        generate();
    // 6. On to the next question with an empty box.
    index_ = q + 1;
    Edit5->clear();
    if (index_ < 10)
        presentQuestion(Edit5, index_ + 1);
}

void TForm20::showReviewSheet()
{
    row.setVisible(false);
    Edit5->hide();
    BitBtn1->hide();
    for (int n = 1; n <= 10; ++n) {
        const ReviewRow& r = review(n);
        review::layOutRow({r.expression.pieces(), {}, r.answer, r.verdict}, sheetStyle, sheetRows.top(n));
    }
    review::showGrade(Label3, Label12, score_);
}
