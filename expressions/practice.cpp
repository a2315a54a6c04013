#include "expressions/practice.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/feedback.h"
#include "shell/handlers.h"
#include "shell/picture.h"
#include "shell/random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int rowTop = 64;
constexpr std::array<int, 9> rowLefts{56, 96, 128, 159, 183, 216, 248, 271, 296};

QPushButton* rowButton(QWidget* window, const char* name, int left, const QString& caption)
{
    return button(window, name, QRect(left, rowTop, 105, 49), caption, bookman(19));
}

QLabel* underline(QWidget* window, const char* name, int left)
{
    QLabel* l = label(window, name, {left, 72}, QStringLiteral("____"), bookman(32), colour::red);
    l->hide();
    return l;
}

} // namespace

TForm19::TForm19()
    : TExerciseWindow("Form19", "Reiškinių pertvarkymas", 16, Order::ShowFirst),
      row(ExpressionRow::question(this, rowLefts, rowTop)), tally_(this, 96, 336)
{
    Label9 = underline(this, "Label9", 56);
    Label12 = underline(this, "Label12", 144);
    Label13 = underline(this, "Label13", 240);
    Edit5 = edit(this, "Edit5", QRect(320, 72, 97, 41), answerFont());
    describeAnswer(Edit5, row.pieces());
    BitBtn30 = rowButton(this, "BitBtn30", 440, QStringLiteral("Tikrinti"));
    BitBtn31 = rowButton(this, "BitBtn31", 553, QStringLiteral("Pabraukti"));
    BitBtn32 = rowButton(this, "BitBtn32", 666, QStringLiteral("Toliau"));
    BitBtn32->setEnabled(false);
    Label7 = label(this, "Label7", {448, 192}, QString(), bookman(29), colour::red);
    Image11 = picture(this, "Image11", QRect(297, 168, 137, 137), QStringLiteral("Paveikslėlis"));
    Image11->hide();

    onClick(BitBtn30, this, &TForm19::BitBtn30Click);
    onClick(BitBtn31, this, &TForm19::BitBtn31Click);
    onClick(BitBtn32, this, &TForm19::BitBtn32Click);
    makeDefault(BitBtn30);
    Edit5->setFocus();

    FormCreate();
}

void TForm19::FormCreate()
{
    generate();
}

void TForm19::generate()
{
    reseed();
    row.setTexts(expr::rowTexts(expr::generate(draw)));
}

void TForm19::BitBtn30Click()
{
    const QString answer = Edit5->text();
    if (answer.isEmpty()) {
        promptForAnswer();
        Edit5->setFocus();
        return;
    }
    // The expression judged is the one on display.
    const std::optional<expr::Expression> shown = row.shown();
    const bool right = shown && expr::accepts(*shown, answer);
    if (right) {
        tally_.countRight();
        BitBtn32->setEnabled(true);
        makeDefault(BitBtn30, false);
        makeDefault(BitBtn32);
        setVerdict(Label7, Verdict::Right);
        // A picture that cannot be read shows the error box; the count and verdict stand.
        showNextReward(rewards::expressionPatterns[expr::pattern(*shown) - 1], Image11);
        announceVerdict(Label7, tally_.Label4);
    } else {
        setVerdict(Label7, Verdict::Wrong);
        tally_.countWrong();
        announceVerdict(Label7, tally_.Label5);
    }
    // A click took the focus to the button. After a right answer it goes to "Toliau", which
    // Enter presses next; after a wrong one back into the box, to correct the answer at once.
    if (right)
        BitBtn32->setFocus();
    else
        Edit5->setFocus();
}

void TForm19::BitBtn31Click()
{
    // Two terms are like when their letter labels hold the same text.
    const QString l1 = row.labels[expr::Letter1]->text();
    const QString l2 = row.labels[expr::Letter2]->text();
    const QString l3 = row.labels[expr::Letter3]->text();
    if (l1 == l2) {
        Label9->show();
        Label12->show();
    }
    if (l1 == l3) {
        Label9->show();
        Label13->show();
    }
    if (l2 == l3) {
        Label12->show();
        Label13->show();
    }
    Edit5->setFocus();
}

void TForm19::BitBtn32Click()
{
    // The box gets the focus before it changes: a screen reader then reads it as the focus
    // moves there, with its new problem.
    Edit5->setFocus();
    Label9->hide();
    Label12->hide();
    Label13->hide();
    generate();
    BitBtn32->setEnabled(false);
    Edit5->clear();
    Image11->hide();
    setVerdict(Label7, Verdict::None);
    makeDefault(BitBtn32, false);
    makeDefault(BitBtn30);
}
