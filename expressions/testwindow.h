#pragma once
#include "expressions/row.h"
#include "shell/window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The test window of simplifying expressions: ten expressions answered one after another without
// verdicts, then a review sheet of all ten with "Gerai"/"Blogai" and the grade.
class TForm20 : public TWindow {
    Q_OBJECT
public:
    TForm20();

    // One row of the review sheet: the question as listed, the answer as typed, the verdict.
    struct ReviewRow {
        ExpressionRow expression;
        QLineEdit* answer;
        QLabel* verdict;
    };

    QLabel* Label2; // "Kontrolinis darbas"
    ExpressionRow row; // the question row at top 88
    QLineEdit* Edit5;
    QPushButton* BitBtn1; // "Toliau"
    QLabel* Label3;  // "Įvertinimas:"
    QLabel* Label12; // the grade

    // The controls of the ten review rows by name: the nine pieces of the question, the answer box
    // and the verdict label.
    struct ReviewNames {
        const char* pieces[9];
        const char* answer;
        const char* verdict;
    };
    static const ReviewNames reviewNames[10];

    // Row n (1 … 10) of the review sheet.
    const ReviewRow& review(int n) const { return review_[static_cast<std::size_t>(n - 1)]; }
    // 0 … 9 while the test runs, 10 once it has ended.
    int questionIndex() const { return index_; }
    int score() const { return score_; }
    // The answer kept for question n (1 … 10).
    const QString& savedAnswer(int n) const { return saved_[static_cast<std::size_t>(n - 1)]; }

    void FormCreate();
    void Edit5Change();
    void BitBtn1Click();

private:
    void generate();
    void copyQuestion(int n);
    void showReviewSheet();

    std::array<ReviewRow, 10> review_;
    // The state of this window's test. Each window keeps its own, so that a test left open behind
    // a newer one goes on as it was.
    int index_ = 0;
    int score_ = 0;
    bool lastAccepted_ = false;
    std::array<QString, 10> saved_;
};
