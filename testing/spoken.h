#pragma once
// Problems worked out from the text a screen reader speaks for an answer box (its accessible
// description, "-3 * (-5)=", "3 a + 2 - 5 a =", "-3 x + 5 = x - 7 x ="), as a pupil who only
// hears them would: used by tests and soaks to answer the window from what it says.
#include <QString>

#include <optional>

namespace spoken {

// A sum of terms ("-3a+5-a", "2x-7", blanks allowed): the coefficient of the letter (a or x)
// and the number.
struct Linear {
    int letter = 0;
    int number = 0;
    bool operator==(const Linear&) const = default;
};
std::optional<Linear> linear(QString text);

// A number, an operator (+ - * or · :) and a number, then "=": the result.
std::optional<int> solveArithmetic(const QString& problem);
// An expression ending in "=", without it.
std::optional<Linear> expressionOf(QString problem);
// An equation in x, optionally followed by "x =": its whole solution.
std::optional<int> solveEquation(QString problem);

// The simplified expression as the pupil would write it: the letter term first ("-a+5",
// "3a-2"), a term that came to 0 left out, "0" when both did.
QString simplest(const Linear& sum);

// The answer a pupil would type to a problem as spoken (an equation, an expression or a sum,
// in a test after its number).
std::optional<QString> answerTo(QString problem);

} // namespace spoken
