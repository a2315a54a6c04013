#include "shell/feedback.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/navigation.h"
#include "shell/picture.h"
#include "shell/prompt.h"

#include <QLabel>

int RewardCycle::advance()
{
    if (counter == length)
        counter = 0;
    ++counter;
    return first + counter - 1;
}

namespace rewards {

RewardCycle signedKinds[10] = {{0, 6},  {6, 6},  {12, 6}, {18, 5}, {23, 5},
                               {28, 5}, {33, 5}, {38, 5}, {43, 5}, {48, 6}};
RewardCycle expressionPatterns[7] = {{54, 8}, {62, 8}, {70, 8}, {78, 8}, {86, 8}, {94, 7}, {0, 7}};
RewardCycle equations = {101, 50};

void resetSignedKinds()
{
    for (RewardCycle& c : signedKinds)
        c.counter = 0;
}

void resetAll()
{
    resetSignedKinds();
    for (RewardCycle& c : expressionPatterns)
        c.counter = 0;
    equations.counter = 0;
}

} // namespace rewards

QString rewardFile(int n)
{
    return QStringLiteral("paveikslai/images%1.jpg").arg(n);
}

void showNextReward(RewardCycle& cycle, PictureBox* box)
{
    box->show();
    const int file = cycle.advance();
    try {
        box->load(rewardFile(file));
    } catch (const PictureError& e) {
        showError(e.message());
    }
}

QString numberText(int value)
{
    return QString::number(value);
}

bool isExactly(const QString& answer, int expected)
{
    return answer == numberText(expected);
}

void promptForAnswer()
{
    showForm(Form9);
}

void setVerdict(QLabel* label, Verdict verdict)
{
    switch (verdict) {
    case Verdict::None:
        label->clear();
        break;
    case Verdict::Right:
        label->setText(QStringLiteral("Gerai"));
        break;
    case Verdict::Wrong:
        label->setText(QStringLiteral("Blogai"));
        break;
    }
}

void announceVerdict(const QLabel* verdict, QLabel* count)
{
    announce(count, verdict->text() + QStringLiteral(". ") + count->accessibleName());
}

namespace {

// A count is spoken with its caption: "Teisingi atsakymai: 3".
void showCount(QLabel* count, const QLabel* caption, int value)
{
    count->setText(numberText(value));
    count->setAccessibleName(caption->text().trimmed() + QLatin1Char(' ') + count->text());
}

} // namespace

Tally::Tally(QWidget* window, int left, int top)
{
    const QFont font = bookman(27);
    Label2 = label(window, "Label2", {left, top}, QStringLiteral("Teisingi atsakymai: "), font, colour::yellow);
    Label4 = label(window, "Label4", {left + 330, top}, QString(), font, colour::red);
    Label3 = label(window, "Label3", {left, top + 40}, QStringLiteral("Neteisingi atsakymai: "), font,
                   colour::yellow);
    Label5 = label(window, "Label5", {left + 330, top + 40}, QString(), font, colour::red);
    showCount(Label4, Label2, 0);
    showCount(Label5, Label3, 0);
}

void Tally::countRight()
{
    showCount(Label4, Label2, ++right_);
}

void Tally::countWrong()
{
    showCount(Label5, Label3, ++wrong_);
}
