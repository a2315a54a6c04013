#pragma once
#include <QString>

#include "shell/random.h"

// A problem with two signed integers as the signed-number windows show it:
// first number, operator, bracket, second number, closing sign.
struct SignedProblem {
    int first = 0;
    QChar op;           // '+', '-', '*' or ':'
    int second = 0;     // negative only for '*' and ':', then shown in brackets
    int answer = 0;
    int negationFlag = 0; // 1 when the first number as shown is negative
    int secondSign = 0;   // the second sign draw: minus operator, or a negative second number

    QString firstText() const { return QString::number(first); }
    QString secondText() const { return QString::number(second); }
    QString bracketText() const { return second < 0 ? QStringLiteral("(") : QString(); }
    QString closingText() const { return second < 0 ? QStringLiteral(")=") : QStringLiteral("="); }
};

// Addition or subtraction: a = 1 … range with a sign draw, an operator draw, b = 1 … range.
// A positive first number with "+" is negated; a positive a minus b with a >= b becomes -b - b.
// Reseeds first. Each generator draws from the given source, by default drawSource().
SignedProblem generateAddSub(int range, DrawSource& draws = drawSource());

// Multiplication: a = 1 … firstRange and b = 1 … secondRange, each with a sign draw; two positive
// factors become -b * b. Reseeds first.
SignedProblem generateMultiplication(int firstRange, int secondRange, DrawSource& draws = drawSource());

// Division: dividend 1 … 20 and divisor 1 … 8, the dividend raised to the smallest multiple of
// the divisor that is at least both; then the sign draws, and two positive numbers negate the
// dividend. The practice window draws the numbers before reseeding, the test after.
enum class ReseedAt { BeforeNumbers, BeforeSigns };
SignedProblem generateDivision(ReseedAt reseedAt, DrawSource& draws = drawSource());

// The smallest multiple of divisor that is >= dividend and >= divisor.
int raiseToMultiple(int dividend, int divisor);

// The help page (window number) for a problem: adding numbers of equal signs (11) or of different
// signs (10); multiplying or dividing with equal signs (12) or different signs (13).
int helpPage(const SignedProblem& problem);
