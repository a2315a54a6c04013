// Drawing an expression, writing it into the nine labels and reading it back, and listing it on
// the review sheet.
#include "expressions/expression.h"
#include "testing/ui.h"

#include <map>
#include <random>
#include <vector>

namespace {

using expr::Expression;
using expr::RowTexts;

// A draw source that hands out scripted values and records what was asked for.
struct Script {
    std::vector<int> values;
    std::vector<int> asked;
    std::size_t next = 0;
    expr::Draw source()
    {
        return [this](int n) {
            asked.push_back(n);
            return next < values.size() ? values[next++] : 0;
        };
    }
};

TEST(Generation, DrawsInTheirOrderAndFoldsNoLetterIntoTermTwo)
{
    // sign, size-1, letter of term 1; operator, magnitude-1, letter of term 2; the same for term 3
    const struct {
        std::vector<int> draws;
        RowTexts shown;
        int pattern;
    } cases[] = {
        {{1, 4, 1, 1, 7, 0, 0, 0, 0}, {"-5", "a", "-", "8", "", "+", "1", "", "="}, 7},
        {{0, 0, 1, 0, 0, 1, 1, 2, 0}, {"", "a", "+", "", "a", "-", "3", "", "="}, 1},
        {{1, 0, 1, 1, 0, 0, 0, 0, 1}, {"-", "a", "-", "1", "", "+", "", "a", "="}, 2},
        {{1, 0, 0, 0, 5, 1, 1, 0, 1}, {"-1", "", "+", "6", "a", "-", "", "a", "="}, 3},
        {{0, 7, 1, 0, 7, 1, 1, 7, 1}, {"8", "a", "+", "8", "a", "-", "8", "a", "="}, 4},
        {{0, 2, 0, 1, 3, 0, 0, 1, 1}, {"3", "", "-", "4", "", "+", "2", "a", "="}, 5},
        // No letter drawn: term 2 takes it, shown without its digit 1.
        {{0, 2, 0, 1, 0, 0, 0, 4, 0}, {"3", "", "-", "", "a", "+", "5", "", "="}, 6},
        {{1, 7, 0, 0, 7, 0, 1, 0, 0}, {"-8", "", "+", "8", "a", "-", "1", "", "="}, 6},
    };
    for (const auto& c : cases) {
        Script script{c.draws, {}};
        const Expression e = expr::generate(script.source());
        EXPECT_EQ(script.asked, (std::vector<int>{2, 8, 2, 2, 8, 2, 2, 8, 2}));
        EXPECT_EQ(script.next, c.draws.size());
        EXPECT_EQ(expr::rowTexts(e), c.shown) << c.shown[0];
        EXPECT_EQ(expr::pattern(e), c.pattern) << c.shown[0];
    }
}

TEST(Generation, RangesAndHowOftenEachPatternComes)
{
    std::mt19937 random(7);
    const expr::Draw draw = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    constexpr int runs = 80'000;
    std::map<int, int> patterns, c1s, m2s, m3s;
    int minus2 = 0, minus3 = 0;
    for (int i = 0; i < runs; ++i) {
        const Expression e = expr::generate(draw);
        ASSERT_TRUE(e.c1 != 0 && std::abs(e.c1) <= 8) << e.c1;
        ASSERT_TRUE(e.m2 >= 1 && e.m2 <= 8 && e.m3 >= 1 && e.m3 <= 8);
        ASSERT_TRUE(e.o2 == u'+' || e.o2 == u'-');
        ASSERT_TRUE(e.o3 == u'+' || e.o3 == u'-');
        ASSERT_TRUE(e.letter[0] || e.letter[1] || e.letter[2]);
        ++patterns[expr::pattern(e)];
        ++c1s[e.c1];
        ++m2s[e.m2];
        ++m3s[e.m3];
        minus2 += e.o2 == u'-';
        minus3 += e.o3 == u'-';
    }
    // Each pattern comes one time in eight, pattern 6 two in eight; 5 % either way is more than
    // ten standard deviations at this count.
    ASSERT_EQ(patterns.size(), 7u);
    for (int p = 1; p <= 7; ++p) {
        const double expected = runs * (p == 6 ? 2.0 : 1.0) / 8;
        EXPECT_NEAR(patterns[p], expected, expected * 0.05) << "pattern " << p;
    }
    EXPECT_EQ(c1s.size(), 16u);
    EXPECT_EQ(m2s.size(), 8u);
    EXPECT_EQ(m3s.size(), 8u);
    for (const auto& [value, count] : c1s)
        EXPECT_NEAR(count, runs / 16.0, runs / 16.0 * 0.1) << "c1 = " << value;
    EXPECT_NEAR(minus2, runs / 2.0, runs * 0.02);
    EXPECT_NEAR(minus3, runs / 2.0, runs * 0.02);
}

TEST(RowTexts, CoefficientsOfOneAndMinusOne)
{
    const struct {
        Expression e;
        RowTexts shown;
    } cases[] = {
        // -a + 2 - a: -1 before a letter is "-", a magnitude 1 before a letter is nothing.
        {{-1, u'+', 2, u'-', 1, {true, false, true}}, {"-", "a", "+", "2", "", "-", "", "a", "="}},
        // -1 + a + 1: a number term shows its 1 and -1.
        {{-1, u'+', 1, u'+', 1, {false, true, false}}, {"-1", "", "+", "", "a", "+", "1", "", "="}},
        // a - 1 + 7a
        {{1, u'-', 1, u'+', 7, {true, false, true}}, {"", "a", "-", "1", "", "+", "7", "a", "="}},
        // 1 - 8a - 8
        {{1, u'-', 8, u'-', 8, {false, true, false}}, {"1", "", "-", "8", "a", "-", "8", "", "="}},
        // -7a + 3a + 5a
        {{-7, u'+', 3, u'+', 5, {true, true, true}}, {"-7", "a", "+", "3", "a", "+", "5", "a", "="}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expr::rowTexts(c.e), c.shown) << c.shown[0];
        EXPECT_EQ(expr::fromTexts(c.shown), c.e) << c.shown[0];
    }
}

TEST(RowTexts, EveryExpressionReadsBackAsWritten)
{
    int count = 0;
    for (int c1 = -8; c1 <= 8; ++c1)
        for (int m2 = 1; m2 <= 8; ++m2)
            for (int m3 = 1; m3 <= 8; ++m3)
                for (int letters = 1; letters < 8; ++letters)
                    for (const QChar o2 : {u'+', u'-'})
                        for (const QChar o3 : {u'+', u'-'}) {
                            if (c1 == 0)
                                continue;
                            const Expression e{c1, o2, m2, o3, m3, {(letters & 4) != 0, (letters & 2) != 0,
                                                                    (letters & 1) != 0}};
                            ASSERT_EQ(expr::fromTexts(expr::rowTexts(e)), e);
                            ++count;
                        }
    EXPECT_EQ(count, 16 * 8 * 8 * 7 * 4);
}

TEST(RowTexts, TextsNoExpressionIsShownAsReadAsNothing)
{
    const RowTexts cases[] = {
        {"3", "", "+", "4", "", "-", "5", "", "="},     // no letter term
        {"", "", "+", "4", "a", "-", "5", "", "="},     // a number term without digits
        {"-", "", "+", "4", "a", "-", "5", "", "="},    // "-" before no letter
        {"3", "A", "+", "4", "", "-", "5", "", "="},    // a capital
        {"3", "a", "*", "4", "", "-", "5", "", "="},    // another operator
        {"03", "a", "+", "4", "", "-", "5", "", "="},   // a leading zero
        {"3", "a", "+", "-4", "", "-", "5", "", "="},   // a sign in a magnitude
        {"3", "a", "+", " 4", "", "-", "5", "", "="},   // a blank
        {"--3", "a", "+", "4", "", "-", "5", "", "="},
    };
    for (const RowTexts& t : cases)
        EXPECT_FALSE(expr::fromTexts(t).has_value()) << t[0] << t[1] << t[2] << t[3];
}

TEST(ReviewCopy, ImplicitOneOfALikeLetterTermIsWrittenOut)
{
    const struct {
        RowTexts shown;
        RowTexts listed;
    } cases[] = {
        // a + a - 3 is listed 1a + 1a - 3
        {{"", "a", "+", "", "a", "-", "3", "", "="}, {"1", "a", "+", "1", "a", "-", "3", "", "="}},
        // -a + 4 - a: the -1 stays "-", the 1 of term 3 is written out
        {{"-", "a", "+", "4", "", "-", "", "a", "="}, {"-", "a", "+", "4", "", "-", "1", "a", "="}},
        // 3 - a + 5 and -a + 4 - 4: a letter term without a partner stays
        {{"3", "", "-", "", "a", "+", "5", "", "="}, {"3", "", "-", "", "a", "+", "5", "", "="}},
        {{"-", "a", "+", "4", "", "-", "4", "", "="}, {"-", "a", "+", "4", "", "-", "4", "", "="}},
        {{"", "a", "+", "1", "", "-", "1", "", "="}, {"", "a", "+", "1", "", "-", "1", "", "="}},
        // all three alike
        {{"", "a", "-", "", "a", "+", "2", "a", "="}, {"1", "a", "-", "1", "a", "+", "2", "a", "="}},
        // number terms of 1 are written already
        {{"-1", "", "+", "", "a", "-", "", "a", "="}, {"-1", "", "+", "1", "a", "-", "1", "a", "="}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(expr::reviewCopy(c.shown), c.listed) << c.shown[0] << c.shown[1] << c.shown[2];
}

} // namespace
