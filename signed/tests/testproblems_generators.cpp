// Properties of the generators as the test window uses them: magnitudes 1 … 10 for both numbers
// of a multiplication and of an addition or subtraction, and a division that reseeds before it
// draws its numbers. Every case runs many thousands of seeds.
#include "shell/random.h"
#include "signed/problems.h"
#include "testing/ui.h"

#include <cstdlib>
#include <set>
#include <utility>

namespace {

constexpr int runs = 20000;

TEST(SignedTestProblems, AddSubShapesRangesAndAnswers)
{
    fixSeed(101);
    std::set<int> firstMagnitudes, seconds;
    std::set<QString> shapes;
    for (int i = 0; i < runs; ++i) {
        const SignedProblem p = generateAddSub(10);
        ASSERT_TRUE(p.op == QChar('+') || p.op == QChar('-'));
        ASSERT_GE(p.second, 1);
        ASSERT_LE(p.second, 10);
        ASSERT_NE(p.first, 0);
        ASSERT_LE(std::abs(p.first), 10);
        ASSERT_EQ(p.answer, p.op == QChar('-') ? p.first - p.second : p.first + p.second);
        // A negative number or a negative result, never a positive plus a positive, never a
        // positive minus a smaller or equal positive.
        ASSERT_TRUE(p.first < 0 || p.answer < 0) << p.first << " " << QString(p.op) << " " << p.second;
        if (p.first > 0) {
            ASSERT_TRUE(p.op == QChar('-') && p.first < p.second);
        }
        firstMagnitudes.insert(std::abs(p.first));
        seconds.insert(p.second);
        if (p.first > 0)
            shapes.insert(QStringLiteral("m1 - m2"));
        else if (p.op == QChar('+'))
            shapes.insert(QStringLiteral("-m1 + m2"));
        else if (p.first == -p.second)
            shapes.insert(QStringLiteral("-m2 - m2"));
        else
            shapes.insert(QStringLiteral("-m1 - m2"));
    }
    EXPECT_EQ(firstMagnitudes, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(seconds, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(shapes.size(), 4u);
}

TEST(SignedTestProblems, MultiplicationShapesRangesAndAnswers)
{
    fixSeed(202);
    std::set<int> firsts, seconds;
    bool squareForm = false, bracketed = false;
    for (int i = 0; i < runs; ++i) {
        const SignedProblem p = generateMultiplication(10, 10);
        ASSERT_EQ(p.op, QChar('*'));
        ASSERT_TRUE(p.first != 0 && std::abs(p.first) <= 10) << p.first;
        ASSERT_TRUE(p.second != 0 && std::abs(p.second) <= 10) << p.second;
        ASSERT_TRUE(p.first < 0 || p.second < 0);
        // Two positive factors are asked as -m2 * m2.
        squareForm = squareForm || (p.second > 0 && p.first == -p.second);
        ASSERT_EQ(p.answer, p.first * p.second);
        ASSERT_EQ(p.bracketText(), p.second < 0 ? QStringLiteral("(") : QString());
        ASSERT_EQ(p.closingText(), p.second < 0 ? QStringLiteral(")=") : QStringLiteral("="));
        bracketed = bracketed || p.second < 0;
        firsts.insert(p.first);
        seconds.insert(p.second);
    }
    // Every value of -10 … 10 but 0 appears on both sides.
    std::set<int> all;
    for (int v = -10; v <= 10; ++v)
        if (v != 0)
            all.insert(v);
    EXPECT_EQ(firsts, all);
    EXPECT_EQ(seconds, all);
    EXPECT_TRUE(squareForm);
    EXPECT_TRUE(bracketed);
}

TEST(SignedTestProblems, DivisionIsWholeAndAtLeastAsLargeAsItsDivisor)
{
    fixSeed(303);
    std::set<int> divisors, quotients;
    for (int i = 0; i < runs; ++i) {
        const SignedProblem p = generateDivision(ReseedAt::BeforeNumbers);
        ASSERT_EQ(p.op, QChar(':'));
        const int dividend = std::abs(p.first), divisor = std::abs(p.second);
        ASSERT_GE(divisor, 1);
        ASSERT_LE(divisor, 8);
        ASSERT_GE(dividend, divisor);
        ASSERT_LE(dividend, 24);
        ASSERT_EQ(dividend % divisor, 0) << p.first << " : " << p.second;
        ASSERT_TRUE(p.first < 0 || p.second < 0);
        ASSERT_EQ(p.answer * p.second, p.first);
        divisors.insert(p.second);
        quotients.insert(std::abs(p.answer));
    }
    EXPECT_EQ(divisors, (std::set<int>{-8, -7, -6, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(*quotients.begin(), 1);
    EXPECT_EQ(*quotients.rbegin(), 20);
}

// The generators against the test's algorithms written out draw by draw: the same draws from the
// same reseed must give the same problem, so the order of the draws is the test's.
TEST(SignedTestProblems, DrawOrderIsTheTests)
{
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        // Multiplication: sign, magnitude, sign, magnitude.
        fixSeed(seed);
        const SignedProblem m = generateMultiplication(10, 10);
        fixSeed(seed);
        reseed();
        int s1 = draw(2), m1 = draw(10) + 1, s2 = draw(2), m2 = draw(10) + 1;
        int a = s1 ? -m1 : m1, b = s2 ? -m2 : m2;
        if (!s1 && !s2)
            a = -m2;
        ASSERT_EQ(std::make_pair(m.first, m.second), std::make_pair(a, b)) << seed;

        // Addition or subtraction: sign, magnitude, operator, second number.
        fixSeed(seed);
        const SignedProblem s = generateAddSub(10);
        fixSeed(seed);
        reseed();
        s1 = draw(2);
        m1 = draw(10) + 1;
        const int minus = draw(2);
        a = s1 ? -m1 : m1;
        if (!s1 && !minus)
            a = -m1;
        m2 = draw(10) + 1;
        if (!s1 && a >= m2)
            a = -m2;
        ASSERT_EQ(std::make_pair(s.first, s.second), std::make_pair(a, m2)) << seed;
        ASSERT_EQ(s.op, minus ? QChar('-') : QChar('+')) << seed;

        // Division: reseed, dividend, divisor, then the two signs.
        fixSeed(seed);
        const SignedProblem d = generateDivision(ReseedAt::BeforeNumbers);
        fixSeed(seed);
        reseed();
        int dividend = draw(20) + 1;
        int divisor = draw(8) + 1;
        while (dividend < divisor || dividend % divisor != 0)
            ++dividend;
        s1 = draw(2);
        s2 = draw(2);
        if (s1 || !s2)
            dividend = -dividend;
        if (s2)
            divisor = -divisor;
        ASSERT_EQ(std::make_pair(d.first, d.second), std::make_pair(dividend, divisor)) << seed;
    }
}

} // namespace
