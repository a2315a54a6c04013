#pragma once
#include "shell/window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The test window of the signed-number topic: ten questions asked one at a time on the same spot
// without verdicts, then a review sheet of all ten with "Gerai"/"Blogai" and the grade.
class TForm14 : public TWindow {
    Q_OBJECT
public:
    TForm14();

    enum class Kind { Multiplication, AddSub, Division };

    // The controls of one question. Additions and subtractions have no bracket label.
    struct Question {
        Kind kind;
        QLabel* first;
        QLabel* op;
        QLabel* bracket;
        QLabel* second;
        QLabel* equals;
        QLineEdit* answer;
        QPushButton* next;
        QLabel* verdict;
    };

    QLabel* Label1;  // "Kontrolinis darbas"
    QLabel* Label11; // "Įvertinimas: "
    QLabel* Label12; // the grade

    // Question n (1 … 10).
    const Question& question(int n) const { return questions_[n - 1]; }
    int correctCount() const { return correct_; }

    void FormCreate();

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();

    void Edit5Change();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit6Change();
    void Edit7Change();
    void Edit8Change();
    void Edit9Change();
    void Edit10Change();

private:
    void checkAndMoveOn(int n);
    void keepAnswer(int n);
    void generate(int n);
    void setQuestionVisible(const Question& q, bool visible);
    void showReviewSheet();

    std::array<Question, 10> questions_;
    int correct_ = 0;
};

// The program-wide state of the test, shared by every TForm14: the answer last typed into each
// question's box and each question's expected answer (n = 1 … 10).
namespace signedtest {
const QString& savedAnswer(int n);
int expectedAnswer(int n);
} // namespace signedtest
