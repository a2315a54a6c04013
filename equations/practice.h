#pragma once
#include "equations/rowlabels.h"
#include "shell/feedback.h"
#include "shell/pages.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The practice window of equations: one equation at a time, solved for x, checked, underlined
// as a hint, and the next one after a right answer.
class TForm25 : public TExerciseWindow {
    Q_OBJECT
public:
    TForm25();

    // The equation row at top 56, in reading order.
    QLabel* Label15; // term 1 number
    QLabel* Label1;  // term 1 x
    QLabel* Label27; // first operator
    QLabel* Label30; // term 2 number
    QLabel* Label8;  // term 2 x
    QLabel* Label10; // "="
    QLabel* Label6;  // term 3 number
    QLabel* Label11; // term 3 x
    QLabel* Label14; // second operator
    QLabel* Label9;  // term 4 number
    QLabel* Label7;  // term 4 x

    QLabel* Label12; // "x" before the answer box
    QLabel* Label26; // "=" before the answer box
    QLineEdit* Edit5;

    QPushButton* BitBtn30; // "Tikrinti"
    QPushButton* BitBtn31; // "Pabraukti"
    QPushButton* BitBtn32; // "Toliau"

    // Underlines of terms 1 … 4.
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;

    QLabel* Label13; // the verdict
    PictureBox* Image11;

    const Tally& tally() const { return tally_; }
    // The equation as its labels show it.
    equation::EquationRow shownRow() const;

    void FormCreate();
    void BitBtn30Click();
    void BitBtn31Click();
    void BitBtn32Click();

private:
    void present(const equation::Generated& generated);

    equation::RowLabels row_{};
    std::array<QLabel*, 4> underlines_{};
    Tally tally_;
};
