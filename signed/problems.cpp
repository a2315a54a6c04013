#include "signed/problems.h"

#include "shell/windowno.h"

#include <cstdlib>

namespace {

// Reseeds, then draws the first number's sign and magnitude (1 … range) and the second sign
// draw, in that order. Returns the first sign draw.
int drawFirstNumber(SignedProblem& p, int range, DrawSource& draws)
{
    draws.reseed();
    const int s1 = draws.draw(2);
    const int a = draws.draw(range) + 1;
    p.first = s1 == 1 ? -a : a;
    p.negationFlag = s1 == 1 ? 1 : 0;
    p.secondSign = draws.draw(2);
    return s1;
}

} // namespace

SignedProblem generateAddSub(int range, DrawSource& draws)
{
    SignedProblem p;
    const int s1 = drawFirstNumber(p, range, draws);
    const int a = std::abs(p.first);
    p.op = p.secondSign == 1 ? QChar('-') : QChar('+');
    if (s1 != 1 && p.secondSign != 1) {
        p.negationFlag = 1;
        p.first = -a;
    }
    const int b = draws.draw(range) + 1;
    p.second = b;
    if (s1 != 1 && p.first >= b) {
        // Only a positive a minus a smaller or equal b gets here: it is asked as -b - b.
        p.negationFlag = 1;
        p.first = -b;
    }
    p.answer = p.op == QChar('-') ? p.first - b : p.first + b;
    return p;
}

SignedProblem generateMultiplication(int firstRange, int secondRange, DrawSource& draws)
{
    SignedProblem p;
    p.op = QChar('*');
    const int s1 = drawFirstNumber(p, firstRange, draws);
    const int b = draws.draw(secondRange) + 1;
    p.second = p.secondSign == 1 ? -b : b;
    if (s1 != 1 && p.secondSign != 1) {
        p.negationFlag = 1;
        p.first = -b;
    }
    p.answer = p.first * p.second;
    return p;
}

int raiseToMultiple(int dividend, int divisor)
{
    while (dividend < divisor)
        ++dividend;
    while (dividend % divisor != 0)
        ++dividend;
    return dividend;
}

SignedProblem generateDivision(ReseedAt reseedAt, DrawSource& draws)
{
    SignedProblem p;
    p.op = QChar(':');
    if (reseedAt == ReseedAt::BeforeNumbers)
        draws.reseed();
    const int drawn = draws.draw(20) + 1;
    const int v = draws.draw(8) + 1;
    const int d = raiseToMultiple(drawn, v);
    if (reseedAt == ReseedAt::BeforeSigns)
        draws.reseed();
    const int s1 = draws.draw(2);
    p.first = s1 == 1 ? -d : d;
    p.negationFlag = s1 == 1 ? 1 : 0;
    p.secondSign = draws.draw(2);
    p.second = p.secondSign == 1 ? -v : v;
    if (s1 != 1 && p.secondSign != 1) {
        p.negationFlag = 1;
        p.first = -d;
    }
    p.answer = p.first / p.second;
    return p;
}

int helpPage(const SignedProblem& p)
{
    if (p.op == QChar('+') || p.op == QChar('-'))
        return p.negationFlag == 1 && p.op == QChar('-') ? WindowNo::SignedHelp2 : WindowNo::SignedHelp1;
    return p.negationFlag == 1 && p.secondSign == 1 ? WindowNo::SignedHelp3 : WindowNo::SignedHelp4;
}
