// Property tests of the generators the signed-number practice uses: generateAddSub(9),
// generateMultiplication(9, 8), generateDivision(ReseedAt::BeforeSigns) and helpPage, over many
// thousands of fixed seeds; and scripted drawn problems that the practice reshapes.
#include "shell/random.h"
#include "signed/problems.h"
#include "testing/draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>

namespace {

constexpr std::uint64_t seeds = 20000;

SignedProblem addSub(std::uint64_t seed)
{
    fixSeed(seed);
    return generateAddSub(9);
}

SignedProblem multiplication(std::uint64_t seed)
{
    fixSeed(seed);
    return generateMultiplication(9, 8);
}

SignedProblem division(std::uint64_t seed)
{
    fixSeed(seed);
    return generateDivision(ReseedAt::BeforeSigns);
}

// Problems from scripted draws. Addition, subtraction and multiplication draw the first sign
// (1: minus), the first magnitude - 1, the second sign (1: "-" or a negative factor) and the
// second magnitude - 1; division draws the dividend - 1, the divisor - 1 and the two signs.
SignedProblem drawnAddSub(std::initializer_list<int> values)
{
    ScriptedDraws draws(values);
    return generateAddSub(9, draws);
}

SignedProblem drawnMultiplication(std::initializer_list<int> values)
{
    ScriptedDraws draws(values);
    return generateMultiplication(9, 8, draws);
}

SignedProblem drawnDivision(std::initializer_list<int> values)
{
    ScriptedDraws draws(values);
    return generateDivision(ReseedAt::BeforeSigns, draws);
}

bool isAddSub(const SignedProblem& p)
{
    return p.op == QLatin1Char('+') || p.op == QLatin1Char('-');
}

// The help page of the rule that applies, worked out from the numbers as shown: subtracting from
// a negative number adds numbers of equal signs; two negative factors give a positive result.
int pageByRule(const SignedProblem& p)
{
    if (isAddSub(p))
        return p.first < 0 && p.op == QLatin1Char('-') ? 11 : 10;
    return p.first < 0 && p.second < 0 ? 12 : 13;
}

// Negation flag, second sign, brackets and help page of a multiplication or division agree
// with the numbers shown.
testing::AssertionResult signsAgreeWithNumbers(const SignedProblem& p)
{
    const std::string shown = QStringLiteral("%1 %2 %3").arg(p.first).arg(p.op).arg(p.second).toStdString();
    if (p.negationFlag != (p.first < 0 ? 1 : 0))
        return testing::AssertionFailure() << "negation flag " << p.negationFlag << " for " << shown;
    if (p.secondSign != (p.second < 0 ? 1 : 0))
        return testing::AssertionFailure() << "second sign " << p.secondSign << " for " << shown;
    if (p.bracketText() != (p.second < 0 ? QStringLiteral("(") : QString()) ||
        p.closingText() != (p.second < 0 ? QStringLiteral(")=") : QStringLiteral("=")))
        return testing::AssertionFailure() << "brackets " << (p.bracketText() + p.closingText()).toStdString() << " for " << shown;
    if (helpPage(p) != pageByRule(p))
        return testing::AssertionFailure() << "help page " << helpPage(p) << " for " << shown;
    return testing::AssertionSuccess();
}

TEST(SignedPracticeGenerators, AddSubAlwaysHasANegativeFirstNumberOrResult)
{
    std::set<QString> shapes;
    std::set<int> firsts, seconds;
    for (std::uint64_t s = 0; s < seeds; ++s) {
        const SignedProblem p = addSub(s);
        ASSERT_TRUE(isAddSub(p));
        ASSERT_TRUE(p.first < 0 || p.answer < 0) << p.first << " " << p.op.toLatin1() << " " << p.second;
        // The second number is never negative and never in brackets.
        ASSERT_GE(p.second, 1);
        ASSERT_LE(p.second, 9);
        ASSERT_EQ(p.bracketText(), QString());
        ASSERT_EQ(p.closingText(), QStringLiteral("="));
        ASSERT_GE(p.first, -9);
        ASSERT_LE(p.first, 9);
        ASSERT_NE(p.first, 0);
        ASSERT_EQ(p.answer, p.op == QLatin1Char('-') ? p.first - p.second : p.first + p.second);
        // A positive first number only in a - b with a < b.
        if (p.first > 0) {
            ASSERT_EQ(p.op, QLatin1Char('-'));
            ASSERT_LT(p.first, p.second);
        }
        // The negation flag is 1 exactly when the first number as shown is negative.
        ASSERT_EQ(p.negationFlag, p.first < 0 ? 1 : 0);
        ASSERT_EQ(p.secondSign, p.op == QLatin1Char('-') ? 1 : 0);
        ASSERT_EQ(p.firstText(), QString::number(p.first));
        ASSERT_EQ(helpPage(p), pageByRule(p));
        shapes.insert(QString(p.first < 0 ? QLatin1Char('-') : QLatin1Char('+')) + p.op);
        firsts.insert(p.first);
        seconds.insert(p.second);
    }
    EXPECT_EQ(firsts.size(), 17u); // -9 … -1 and 1 … 8
    EXPECT_EQ(seconds.size(), 9u);
    // -a + b, -a - b (also -b - b) and a - b; never a + b.
    EXPECT_EQ(shapes, (std::set<QString>{QStringLiteral("-+"), QStringLiteral("--"), QStringLiteral("+-")}));
}

TEST(SignedPracticeGenerators, MultiplicationAlwaysHasANegativeFactor)
{
    std::set<int> firsts, seconds;
    for (std::uint64_t s = 0; s < seeds; ++s) {
        const SignedProblem p = multiplication(s);
        ASSERT_EQ(p.op, QLatin1Char('*'));
        ASSERT_TRUE(p.first < 0 || p.second < 0);
        ASSERT_GE(p.first, -9);
        ASSERT_LE(p.first, 9);
        ASSERT_NE(p.first, 0);
        ASSERT_GE(p.second, -8);
        ASSERT_LE(p.second, 8);
        ASSERT_NE(p.second, 0);
        ASSERT_EQ(p.answer, p.first * p.second);
        ASSERT_TRUE(signsAgreeWithNumbers(p));
        firsts.insert(p.first);
        seconds.insert(p.second);
    }
    EXPECT_EQ(firsts.size(), 18u);
    EXPECT_EQ(seconds.size(), 16u);
}

TEST(SignedPracticeGenerators, DivisionAlwaysHasANegativeNumberAndAWholeQuotient)
{
    std::set<int> quotients, divisors;
    for (std::uint64_t s = 0; s < seeds; ++s) {
        const SignedProblem p = division(s);
        ASSERT_EQ(p.op, QLatin1Char(':'));
        ASSERT_TRUE(p.first < 0 || p.second < 0);
        const int d = std::abs(p.first), v = std::abs(p.second);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 8);
        ASSERT_GE(d, v);
        ASSERT_LE(d, 24);
        ASSERT_EQ(d % v, 0);
        ASSERT_EQ(p.answer * p.second, p.first);
        ASSERT_GE(std::abs(p.answer), 1);
        ASSERT_LE(std::abs(p.answer), 20);
        if (v == 1) {
            ASSERT_LE(d, 20);
        }
        ASSERT_TRUE(signsAgreeWithNumbers(p));
        quotients.insert(std::abs(p.answer));
        divisors.insert(v);
    }
    EXPECT_EQ(quotients.size(), 20u);
    EXPECT_EQ(divisors.size(), 8u);
}

TEST(SignedPracticeGenerators, RaiseToMultipleGivesTheSmallestFittingMultiple)
{
    for (int d = 1; d <= 20; ++d)
        for (int v = 1; v <= 8; ++v) {
            const int r = raiseToMultiple(d, v);
            EXPECT_EQ(r % v, 0);
            EXPECT_GE(r, d);
            EXPECT_GE(r, v);
            EXPECT_LT(r - v, std::max(d, v)) << d << " : " << v;
        }
    EXPECT_EQ(raiseToMultiple(2, 5), 5);
    EXPECT_EQ(raiseToMultiple(13, 4), 16);
    EXPECT_EQ(raiseToMultiple(20, 8), 24);
    EXPECT_EQ(raiseToMultiple(7, 1), 7);
}

// Drawn problems that the practice reshapes.
TEST(SignedPracticeGenerators, DrawnSevenMinusThreeIsAskedAsMinusThreeMinusThree)
{
    const SignedProblem p = drawnAddSub({0, 6, 1, 2});
    EXPECT_EQ(p.firstText(), QStringLiteral("-3"));
    EXPECT_EQ(p.op, QLatin1Char('-'));
    EXPECT_EQ(p.secondText(), QStringLiteral("3"));
    EXPECT_EQ(p.answer, -6);
    EXPECT_EQ(p.negationFlag, 1);
    EXPECT_EQ(helpPage(p), 11);
}

TEST(SignedPracticeGenerators, DrawnThreeMinusEightStays)
{
    const SignedProblem p = drawnAddSub({0, 2, 1, 7});
    EXPECT_EQ(p.first, 3);
    EXPECT_EQ(p.op, QLatin1Char('-'));
    EXPECT_EQ(p.second, 8);
    EXPECT_EQ(p.answer, -5);
    EXPECT_EQ(p.negationFlag, 0);
    EXPECT_EQ(helpPage(p), 10);
}

TEST(SignedPracticeGenerators, DrawnAPlusBIsAskedAsMinusAPlusB)
{
    const SignedProblem p = drawnAddSub({0, 3, 0, 5});
    EXPECT_EQ(p.first, -4);
    EXPECT_EQ(p.op, QLatin1Char('+'));
    EXPECT_EQ(p.second, 6);
    EXPECT_EQ(p.answer, 2);
    EXPECT_EQ(helpPage(p), 10);
}

TEST(SignedPracticeGenerators, DrawnSevenTimesThreeIsAskedAsMinusThreeTimesThree)
{
    const SignedProblem p = drawnMultiplication({0, 6, 0, 2});
    EXPECT_EQ(p.first, -3);
    EXPECT_EQ(p.second, 3);
    EXPECT_EQ(p.bracketText(), QString());
    EXPECT_EQ(p.closingText(), QStringLiteral("="));
    EXPECT_EQ(p.answer, -9);
    EXPECT_EQ(helpPage(p), 13);
}

TEST(SignedPracticeGenerators, DrawnThirteenByFourBecomesSixteenByFour)
{
    const SignedProblem p = drawnDivision({12, 3, 0, 1});
    EXPECT_EQ(std::abs(p.first), 16);
    EXPECT_EQ(std::abs(p.second), 4);
    EXPECT_EQ(std::abs(p.answer), 4);
}

TEST(SignedPracticeGenerators, DrawnTwoByFiveBecomesFiveByFive)
{
    const SignedProblem p = drawnDivision({1, 4, 1, 0});
    EXPECT_EQ(std::abs(p.first), 5);
    EXPECT_EQ(std::abs(p.second), 5);
}

SignedProblem shown(int first, char op, int second, int negationFlag, int secondSign)
{
    SignedProblem p;
    p.first = first;
    p.op = QLatin1Char(op);
    p.second = second;
    p.negationFlag = negationFlag;
    p.secondSign = secondSign;
    return p;
}

TEST(SignedPracticeGenerators, HelpPagesOfTheEdgeCases)
{
    EXPECT_EQ(helpPage(shown(-4, '-', 6, 1, 1)), 11);
    EXPECT_EQ(helpPage(shown(3, '-', 8, 0, 1)), 10);
    EXPECT_EQ(helpPage(shown(-4, '+', 6, 1, 0)), 10);
    EXPECT_EQ(helpPage(shown(-2, '*', -3, 1, 1)), 12);
    EXPECT_EQ(helpPage(shown(-8, ':', 2, 1, 0)), 13);
    EXPECT_EQ(helpPage(shown(8, ':', -2, 0, 1)), 13);
    EXPECT_EQ(helpPage(shown(-8, ':', -2, 1, 1)), 12);
    EXPECT_EQ(helpPage(shown(-3, '*', 3, 1, 0)), 13);
}

} // namespace
