#pragma once
// Three-term expressions in the letter "a" (-5a + 3 - a =): how they are drawn, how a row of nine
// labels shows them and reads them back, which terms are like, and which answer texts count as
// the simplified expression. No widgets here: the practice and the test window both use it.
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace expr {

// A term as a signed value and whether it carries the letter.
struct Term {
    int value;
    bool letter;
    bool operator==(const Term&) const = default;
};

// Term 1 by its signed coefficient, terms 2 and 3 by operator and magnitude.
struct Expression {
    int c1 = 1;       // -8 … -1, 1 … 8
    QChar o2 = u'+';  // '+' or '-'
    int m2 = 1;       // 1 … 8
    QChar o3 = u'+';
    int m3 = 1;
    std::array<bool, 3> letter{}; // which of terms 1, 2, 3 carry "a"

    // Term i (1 … 3) with its signed value.
    Term term(int i) const;
    bool operator==(const Expression&) const = default;
};

// A draw source: draw(n) gives a uniform integer 0 … n-1.
using Draw = std::function<int(int)>;

// Draws an expression: sign, size and letter of term 1; operator, magnitude and letter of
// term 2; the same for term 3. When no term got the letter, term 2 gets it. The caller reseeds.
Expression generate(const Draw& draw);

// The nine texts of an expression row, in order: coefficient and letter of term 1, operator,
// coefficient and letter of term 2, the same for term 3, and "=".
using RowTexts = std::array<QString, 9>;
enum Piece { Coefficient1, Letter1, Operator2, Coefficient2, Letter2, Operator3, Coefficient3, Letter3, Equals };

// A letter term's coefficient 1 is left out ("a", "+ a") and -1 of term 1 is written "-";
// a number term always shows its digits.
RowTexts rowTexts(const Expression& e);
// The expression a row shows: an empty coefficient of a letter term is 1, "-" is -1. Nothing
// for texts that no expression is shown as.
std::optional<Expression> fromTexts(const RowTexts& texts);

// The term pattern 1 … 7 (which terms carry the letter):
// 1: terms 1 and 2, 2: 1 and 3, 3: 2 and 3, 4: all three, 5: 3 only, 6: 2 only, 7: 1 only.
// 0 for an expression without a letter term, which is never drawn.
int pattern(const Expression& e);

// The like terms taken together: the sum K of their values, a letter term in patterns 1-4.
Term combinedTerm(const Expression& e);
// The term without a like partner; none in pattern 4.
std::optional<Term> remainingTerm(const Expression& e);

// Every answer text that counts as the simplified expression, and the check against them.
QStringList acceptedAnswers(const Expression& e);
bool accepts(const Expression& e, const QString& answer);

// A question as a row of the review sheet lists it: as shown, but an implicit coefficient 1 of a
// like letter term is written out ("a + a - 3" is listed "1a + 1a - 3"). An implicit -1 stays
// "-", and a letter term without a like partner stays as shown.
RowTexts reviewCopy(const RowTexts& shown);

} // namespace expr
