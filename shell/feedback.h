#pragma once
#include <QString>

class QLabel;
class QWidget;
class PictureBox;

// A cycle of reward pictures: files first … first+length-1, taken in turn. The counter is
// program-wide and survives the window that uses it (unless the window resets it).
struct RewardCycle {
    int first;
    int length;
    int counter = 0;

    // Steps the counter (back to 1 after length) and returns the number of the file to show.
    int advance();
};

namespace rewards {
// Ten cycles of the signed-number practice, one per exercise kind (set back with every new window).
extern RewardCycle signedKinds[10];
// Seven cycles of the expression practice, one per term pattern (never set back).
extern RewardCycle expressionPatterns[7];
// The one cycle of the equation practice (never set back).
extern RewardCycle equations;

void resetSignedKinds();
// Program start: every counter at 0.
void resetAll();
} // namespace rewards

// "paveikslai/images<n>.jpg", relative to the working directory.
QString rewardFile(int n);

// Makes the box visible, advances the cycle and loads its next picture. When the file cannot be
// read the error box tells so and the caller goes on: the pupil is never stuck on a problem.
void showNextReward(RewardCycle& cycle, PictureBox* box);

// The exact decimal text of an integer: "-" right before the digits, no "+", no blanks, no
// leading zeros. An answer is right only when it is this text, character for character.
QString numberText(int value);
bool isExactly(const QString& answer, int expected);

// Shows the empty-answer prompt (brought to the front when already open).
void promptForAnswer();

// The verdict label: empty, "Gerai" or "Blogai".
enum class Verdict { None, Right, Wrong };
void setVerdict(QLabel* label, Verdict verdict);

// Tells a screen reader the verdict with the count it changed: "Gerai. Teisingi atsakymai: 3".
void announceVerdict(const QLabel* verdict, QLabel* count);

// The tally of a practice window: "Teisingi atsakymai: " with the correct count in Label4 and
// "Neteisingi atsakymai: " with the incorrect count in Label5, both counts "0" at start. A screen
// reader speaks each count with its caption ("Teisingi atsakymai: 3").
class Tally {
public:
    // Creates Label2, Label4, Label3 and Label5 on the window, the first row at the given top.
    Tally(QWidget* window, int left, int top);

    void countRight();
    void countWrong();
    int right() const { return right_; }
    int wrong() const { return wrong_; }

    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;

private:
    int right_ = 0;
    int wrong_ = 0;
};
