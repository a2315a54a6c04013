#pragma once
// The worked solution shown in the frame "Sprendimas:" after a wrong answer: the
// texts and visibilities of Label27 … Label31 for a, the sign and b, word for word.
#include "trainer/decimal.h"

#include <QString>

#include <optional>

namespace zenkla {

// What a worked solution does to one label: a new text or none (the text stays), and shown,
// hidden or none (the visibility stays).
struct SolutionLine {
    std::optional<QString> text;
    std::optional<bool> visible;
};

struct WorkedSolution {
    SolutionLine label27; // the rule
    SolutionLine label28; // the computation
    SolutionLine label29; // a sentence about the sign
    SolutionLine label30; // the signed result
    SolutionLine label31; // "Atskliaudę gauname:" (subtraction only)
};

// The worked solution of a sign b with the exact result r, numbers in the standard number
// text with the given separator. An empty or unknown sign changes nothing. Combinations that the
// draws never give (a zero operand in a subtraction) leave Label27 … Label30 as they are.
WorkedSolution solve(Decimal a, const QString& sign, Decimal b, QChar separator);

} // namespace zenkla
