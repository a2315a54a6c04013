#pragma once
#include "expressions/row.h"
#include "shell/feedback.h"
#include "shell/pages.h"

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The practice window of simplifying expressions: one three-term expression at a time, checked
// by the acceptance rule; "Toliau" comes only with a right answer.
class TForm19 : public TExerciseWindow {
    Q_OBJECT
public:
    TForm19();

    // The expression row (Label15 … Label14 at top 64) and the answer box after it.
    ExpressionRow row;
    QLineEdit* Edit5;
    QPushButton* BitBtn30; // "Tikrinti"
    QPushButton* BitBtn31; // "Pabraukti"
    QPushButton* BitBtn32; // "Toliau"
    // Underline marks under terms 1, 2 and 3.
    QLabel* Label9;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label7; // the verdict
    PictureBox* Image11;

    const Tally& tally() const { return tally_; }

    void FormCreate();
    void BitBtn30Click();
    void BitBtn31Click();
    void BitBtn32Click();

private:
    void generate();

    Tally tally_;
};
