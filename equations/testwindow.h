#pragma once
#include "equations/rowlabels.h"
#include "shell/window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The test window of equations: ten equations asked one after another in one large row, without
// verdicts, then a review sheet of all ten with the answers as typed, "Gerai"/"Blogai" and the grade.
class TForm26 : public TWindow {
    Q_OBJECT
public:
    TForm26();

    // One row of the review sheet: the equation's eleven pieces, the answer box, the verdict.
    struct ReviewRow {
        equation::RowLabels labels;
        QLineEdit* answer;
        QLabel* verdict;
    };

    QLabel* Label2;  // "Kontrolinis darbas"
    QLabel* Label3;  // "Įvertinimas:"
    QLabel* Label12; // the grade
    QLineEdit* Edit5;
    QPushButton* BitBtn1; // "Toliau"

    // The controls by name: the large row's eleven pieces; each review row's eleven pieces, answer
    // box and verdict.
    static const std::array<const char*, 11> largeNames;
    struct ReviewNames {
        std::array<const char*, 11> pieces;
        const char* answer;
        const char* verdict;
    };
    static const ReviewNames reviewNames[10];

    // The large row that shows the question being answered (Label133 … Label143).
    const equation::RowLabels& largeRow() const { return large_; }
    // Review row n (1 … 10).
    const ReviewRow& reviewRow(int n) const { return review_[static_cast<std::size_t>(n - 1)]; }

    // The question being answered, 0 … 9, and the right answers so far.
    int questionIndex() const { return index_; }
    int correctCount() const { return correct_; }
    int expectedAnswer() const { return expected_; }
    const QString& savedAnswer(int i) const { return saved_[static_cast<std::size_t>(i)]; }

    void FormCreate();
    void Edit5Change();
    void BitBtn1Click();

private:
    void generate(equation::Variant variant);
    void showReviewSheet();

    equation::RowLabels large_{};
    std::array<ReviewRow, 10> review_{};
    // The test's state belongs to this window: an older test window still on screen beside a
    // newer one goes on with its own questions.
    int index_ = 0;
    int correct_ = 0;
    int expected_ = 0;
    std::array<QString, 10> saved_{};
};
