#pragma once
// Linear equations in x with four terms, two on each side: a x-term or number term each,
// e.g. 3 x - 5 = x + 7. An equation lives only in the eleven texts that show it; everything here
// reads and writes those texts, so what the pupil sees is always what is judged.
#include <QString>

#include <array>
#include <functional>

namespace equation {

// The eleven pieces in reading order: number and x label of term 1, the first operator, number
// and x label of term 2, "=", number and x label of term 3, the second operator, number and x
// label of term 4.
struct EquationRow {
    std::array<QString, 11> pieces;

    // Terms 1 … 4.
    const QString& number(int term) const { return pieces[numberIndex(term)]; }
    const QString& xLabel(int term) const { return pieces[numberIndex(term) + 1]; }
    // The operator in front of term 2 or 4.
    const QString& sign(int term) const { return pieces[numberIndex(term) - 1]; }

    static constexpr qsizetype numberIndex(int term) { return 3 * (term - 1); }

    bool operator==(const EquationRow&) const = default;
};

// The pieces joined by blanks, for messages: "3 x - 5 = x + 7".
QString toText(const EquationRow& row);

// A term is an x term when its x label reads "x".
bool isXTerm(const EquationRow& row, int term);

// The value a term's number label stands for: an empty label is 1, "-" is -1 (the coefficient
// of a bare x), anything else its decimal value.
int valueOf(const EquationRow& row, int term);

// How a value is shown in a term's number label: a number term as its decimal text; an x term
// with coefficient 1 as empty, with -1 as "-", otherwise as its decimal text.
QString numberPiece(int value, bool xTerm);

// Writes a term's value through the display rule.
void setValue(EquationRow& row, int term, int value);
// Makes a term an x term or a number term; its number label follows the display rule.
void setXTerm(EquationRow& row, int term, bool xTerm);

// A: the x coefficients brought to the left side. B: the numbers brought to the right side.
struct Collected {
    int a = 0;
    int b = 0;
};
Collected collect(const EquationRow& row);

// x = B / A, truncated toward zero (exact for every generated equation); 0 when A is 0, which
// no generated equation has.
int solution(const EquationRow& row);

// The two ways the generator can run. When the x coefficients cancel, the first x term's
// coefficient -1 becomes -2 or 2; the solution may or may not be 2.
struct Variant {
    bool neverTwo;           // the solution is also never 2
    bool minusOneToMinusTwo; // a cancelled coefficient -1 becomes -2 (else 2)
};
// A new practice window: the solution may be 2, -1 becomes -2.
inline constexpr Variant first{false, true};
// "Toliau" in the practice window: never 2, -1 becomes 2.
inline constexpr Variant next{true, false};
// Questions 2 … 10 of the test: never 2, -1 becomes -2.
inline constexpr Variant laterQuestion{true, true};

// A draw below n: an integer 0 … n-1.
using DrawSource = std::function<int(int)>;

struct Generated {
    EquationRow row;
    int passes = 0; // how often the number term had to be moved until the solution was whole
};

// Draws a new equation: a whole solution other than 0, 1 and -1 (and 2 where the variant says),
// at least one x term and one number term, never four x terms.
Generated generate(const DrawSource& draw, Variant variant);

} // namespace equation
