#pragma once
#include "shell/feedback.h"
#include "shell/pages.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// Program-wide state of the signed-number practice, shared by every instance of TForm8.
struct SignedPracticeState {
    int secondSign = 0;   // the second sign draw of the problem generated last
    int negationFlag = 0; // 1 when the first number of the problem generated last is negative
    std::array<int, 10> expected{}; // the expected answer of each exercise kind
};
extern SignedPracticeState signedPractice;

// The practice window of the signed-number topic: ten exercise kinds in turn, 1 … 10, 1, …
// Check, Help and Next are one algorithm each, driven by the table of the kinds' controls.
class TForm8 : public TExerciseWindow {
    Q_OBJECT
public:
    TForm8();

    enum class Operation { AddSub, Multiplication, Division };

    // The controls of one exercise kind. Kinds 1 and 2 have no bracket label; kinds 5 to 10
    // share their problem labels and answer box.
    struct Kind {
        Operation operation;
        QLabel* first;
        QLabel* op;
        QLabel* bracket;
        QLabel* second;
        QLabel* closing;
        QLineEdit* answer;
        QPushButton* check;
        QPushButton* help;
        QPushButton* next;
        PictureBox* picture;
    };

    // The kind now shown, 1 … 10.
    int currentKind() const { return current_; }
    // The controls of kind k, 1 … 10.
    const Kind& kind(int k) const { return kinds_[k - 1]; }
    const Tally& tally() const { return tally_; }

    // Problem labels (bold yellow Bookman, 35 pixels; operators 37 pixels) in one line at top 64.
    QLabel* Label1; // kind 3: closing sign
    QLabel* Label7; // kind 1: "="
    QLabel* Label8; // kind 3: dividend
    QLabel* Label9; // kind 3: ":"
    QLabel* Label10; // kind 3: divisor
    QLabel* Label11; // kind 1: first number
    QLabel* Label12; // kind 1: operator
    QLabel* Label13; // kind 1: second number
    QLabel* Label14; // kind 2: "="
    QLabel* Label15; // kind 2: first number
    QLabel* Label16; // kind 2: operator
    QLabel* Label17; // kind 2: second number
    QLabel* Label18; // kind 3: bracket
    QLabel* Label21; // kind 4: first factor
    QLabel* Label22; // kind 4: "* "
    QLabel* Label23; // kind 4: bracket
    QLabel* Label24; // kind 4: closing sign
    QLabel* Label25; // kind 4: second factor
    QLabel* Label26; // kinds 5-10: first number
    QLabel* Label27; // kinds 5-10: operator
    QLabel* Label28; // kinds 5-10: bracket
    QLabel* Label29; // kinds 5-10: closing sign
    QLabel* Label30; // kinds 5-10: second number
    QLabel* Label6;  // the verdict

    QLineEdit* Edit1; // kind 3
    QLineEdit* Edit2; // kind 1
    QLineEdit* Edit3; // kind 2
    QLineEdit* Edit4; // kind 4
    QLineEdit* Edit5; // kinds 5-10

    // "Tikrinti", "Pagalba", "Toliau" of kinds 1 … 10 (see the table in practice.cpp).
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QPushButton* BitBtn8;
    QPushButton* BitBtn9;
    QPushButton* BitBtn10;
    QPushButton* BitBtn11;
    QPushButton* BitBtn12;
    QPushButton* BitBtn13;
    QPushButton* BitBtn14;
    QPushButton* BitBtn15;
    QPushButton* BitBtn16;
    QPushButton* BitBtn17;
    QPushButton* BitBtn18;
    QPushButton* BitBtn19;
    QPushButton* BitBtn20;
    QPushButton* BitBtn21;
    QPushButton* BitBtn22;
    QPushButton* BitBtn23;
    QPushButton* BitBtn24;
    QPushButton* BitBtn25;
    QPushButton* BitBtn26;
    QPushButton* BitBtn27;
    QPushButton* BitBtn28;
    QPushButton* BitBtn29;
    QPushButton* BitBtn30;
    QPushButton* BitBtn31;
    QPushButton* BitBtn32;

    // Reward picture boxes of kinds 1 … 10, all at (225, 168).
    PictureBox* Image2;
    PictureBox* Image3;
    PictureBox* Image4;
    PictureBox* Image5;
    PictureBox* Image6;
    PictureBox* Image7;
    PictureBox* Image8;
    PictureBox* Image9;
    PictureBox* Image10;
    PictureBox* Image11;

    void FormCreate();

    // Check ("Tikrinti") of kinds 1 … 10.
    void BitBtn4Click() { check(1); }
    void BitBtn10Click() { check(2); }
    void BitBtn3Click() { check(3); }
    void BitBtn8Click() { check(4); }
    void BitBtn15Click() { check(5); }
    void BitBtn18Click() { check(6); }
    void BitBtn21Click() { check(7); }
    void BitBtn24Click() { check(8); }
    void BitBtn27Click() { check(9); }
    void BitBtn30Click() { check(10); }

    // Help ("Pagalba") of kinds 1 … 10.
    void BitBtn7Click() { help(1); }
    void BitBtn11Click() { help(2); }
    void BitBtn2Click() { help(3); }
    void BitBtn13Click() { help(4); }
    void BitBtn16Click() { help(5); }
    void BitBtn19Click() { help(6); }
    void BitBtn22Click() { help(7); }
    void BitBtn25Click() { help(8); }
    void BitBtn28Click() { help(9); }
    void BitBtn31Click() { help(10); }

    // Next ("Toliau") of kinds 1 … 10: on to the following kind, after kind 10 back to kind 1.
    void BitBtn9Click() { next(1); }
    void BitBtn12Click() { next(2); }
    void BitBtn6Click() { next(3); }
    void BitBtn14Click() { next(4); }
    void BitBtn17Click() { next(5); }
    void BitBtn20Click() { next(6); }
    void BitBtn23Click() { next(7); }
    void BitBtn26Click() { next(8); }
    void BitBtn29Click() { next(9); }
    void BitBtn32Click() { next(10); }

private:
    void check(int k);
    void help(int k);
    void next(int k);

    // Generates a problem of kind k into its labels and its expected answer slot.
    void generate(int k);
    // Places the shared labels of kinds 5-10 for kind k.
    void place(int k);

    std::array<Kind, 10> kinds_{};
    Tally tally_;
    int current_ = 1;
};
