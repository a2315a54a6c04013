// Zenkla's draws, magnitude rules, problems, key filter and judging.
#include "trainer/problems.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace zenkla;

namespace {

Decimal dec(const char* text)
{
    return Decimal::fromText(QString::fromLatin1(text)).value();
}

int decimalsOf(Decimal x)
{
    std::int64_t u = x.units() < 0 ? -x.units() : x.units();
    int places = 4;
    while (places > 0 && u % 10 == 0) {
        u /= 10;
        --places;
    }
    return places;
}

} // namespace

TEST(Draws, AreUniformValuesBelowOne)
{
    EXPECT_LT(unitFromBits(~std::uint64_t{0}), 1.0);
    EXPECT_EQ(unitFromBits(~std::uint64_t{0}), 1.0 - 1.0 / 16777216.0);
    EXPECT_EQ(unitFromBits(0), 0.0);
    EXPECT_EQ(static_cast<double>(static_cast<float>(unitFromBits(0x123456789abcdefULL))),
              unitFromBits(0x123456789abcdefULL)); // a single-precision value
    RandomDraws draws(1);
    double low = 1, high = 0, sum = 0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const double r = draws.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
        sum += r;
    }
    EXPECT_LT(low, 0.001);
    EXPECT_GT(high, 0.999);
    EXPECT_NEAR(sum / n, 0.5, 0.005);
}

TEST(Draws, AFixedSeedRepeatsAndReseedsDiffer)
{
    RandomDraws a(5), b(5);
    a.reseed(); // fixed: does nothing
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.next(), b.next());
    RandomDraws c, d;
    c.reseed();
    d.reseed();
    bool differ = false;
    for (int i = 0; i < 4; ++i)
        differ = differ || c.next() != d.next();
    EXPECT_TRUE(differ);
    EXPECT_THROW(ScriptedDraws({1.0}), std::invalid_argument);
}

TEST(Rounding, IsHalfUpToTheLevelsDecimals)
{
    EXPECT_EQ(roundDraw(10.5, 0), Decimal{11});
    EXPECT_EQ(roundDraw(10.49994, 0), Decimal{10}); // 10.4999
    EXPECT_EQ(roundDraw(10.49996, 0), Decimal{11}); // first to four places: 10.5000
    EXPECT_EQ(roundDraw(7.25, 1), dec("7.3"));
    EXPECT_EQ(roundDraw(7.0, 1), Decimal{7});
    EXPECT_EQ(roundDraw(1.005, 2), dec("1.01"));
    EXPECT_EQ(roundDraw(100.994, 2), dec("100.99"));
}

TEST(Magnitudes, EndValuesOfBothRules)
{
    const double top = unitFromBits(~std::uint64_t{0});
    // First problem: sk·r + 1.
    EXPECT_EQ(magnitude(Rule::First, 1, 10, 0, 0.0), Decimal{1});
    EXPECT_EQ(magnitude(Rule::First, 1, 10, 0, top), Decimal{11});
    EXPECT_EQ(magnitude(Rule::First, 10, 100, 2, top), Decimal{101});
    // Follow-up: pr + (sk − pr)·r.
    EXPECT_EQ(magnitude(Rule::FollowUp, 7, 20, 0, 0.0), Decimal{7});
    EXPECT_EQ(magnitude(Rule::FollowUp, 7, 20, 0, top), Decimal{20});
    EXPECT_EQ(magnitude(Rule::FollowUp, 10, 100, 1, top), Decimal{100});
}

struct RangeCase {
    int level;    // 1 … 4
    bool fromMenu;
    Rule rule;
    const char* low;
    const char* high;
};

class MagnitudeRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(MagnitudeRanges, CoverTheirRangeOverManyDraws)
{
    const RangeCase c = GetParam();
    const Level& level = (c.fromMenu ? menuLevels() : startLevels())[c.level - 1];
    RandomDraws draws(1000 + c.level);
    Decimal low = Decimal{1000}, high = Decimal{-1};
    for (int i = 0; i < 100000; ++i) {
        const Decimal m = magnitude(c.rule, level.pr, level.sk, level.d, draws.next());
        ASSERT_LE(decimalsOf(m), level.d);
        low = std::min(low, m);
        high = std::max(high, m);
    }
    EXPECT_EQ(low, dec(c.low));
    EXPECT_EQ(high, dec(c.high));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, MagnitudeRanges,
    testing::Values(RangeCase{1, false, Rule::First, "1", "11"}, RangeCase{2, false, Rule::First, "1", "21"},
                    RangeCase{3, false, Rule::First, "1", "21"}, RangeCase{4, false, Rule::First, "1", "101"},
                    RangeCase{4, true, Rule::First, "1", "101"}, RangeCase{1, false, Rule::FollowUp, "1", "10"},
                    RangeCase{2, false, Rule::FollowUp, "7", "20"}, RangeCase{3, false, Rule::FollowUp, "7", "20"},
                    RangeCase{4, false, Rule::FollowUp, "10", "100"},
                    RangeCase{4, true, Rule::FollowUp, "10", "100"}));

TEST(Magnitudes, LevelFourHasTwoDecimalsFromTheStartScreenAndOneFromTheMenu)
{
    RandomDraws draws(3);
    std::set<int> start, menu;
    for (int i = 0; i < 5000; ++i) {
        const double r = draws.next();
        start.insert(decimalsOf(magnitude(Rule::First, 10, 100, startLevels()[3].d, r)));
        menu.insert(decimalsOf(magnitude(Rule::First, 10, 100, menuLevels()[3].d, r)));
    }
    EXPECT_EQ(*start.rbegin(), 2);
    EXPECT_EQ(*menu.rbegin(), 1);
    EXPECT_EQ(startLevels()[3].status, QStringLiteral("4 [-100.00;100.00]"));
    EXPECT_EQ(menuLevels()[3].status, QStringLiteral("4 [-100.0;100.0]"));
}

TEST(Problems, NeverTwoPositiveOperandsBothNegativeHalfTheTime)
{
    RandomDraws draws(11);
    std::map<std::pair<bool, bool>, int> patterns;
    const int n = 40000;
    for (int i = 0; i < n; ++i) {
        const Level& level = startLevels()[i % 4];
        const Operands o = drawOperands(i % 2 ? Rule::First : Rule::FollowUp, level.pr, level.sk, level.d,
                                        i % 3 ? sign::plus : sign::minus, draws);
        ASSERT_FALSE(o.a > Decimal{} && o.b > Decimal{});
        ASSERT_NE(o.a, Decimal{});
        ASSERT_NE(o.b, Decimal{});
        ++patterns[{o.a.isNegative(), o.b.isNegative()}];
    }
    const auto share = [&](bool aNegative, bool bNegative) { return patterns[{aNegative, bNegative}] / double(n); };
    EXPECT_NEAR(share(true, true), 0.5, 0.02);
    EXPECT_NEAR(share(true, false), 0.25, 0.02);
    EXPECT_NEAR(share(false, true), 0.25, 0.02);
}

TEST(Problems, DivisionAlwaysComesOutEven)
{
    RandomDraws draws(12);
    for (const bool menu : {false, true})
        for (int li = 0; li < 4; ++li) {
            const Level& level = (menu ? menuLevels() : startLevels())[li];
            for (int i = 0; i < 5000; ++i) {
                const Rule rule = i % 2 ? Rule::First : Rule::FollowUp;
                const Operands o = drawOperands(rule, level.pr, level.sk, level.d, sign::divide, draws);
                const Decimal q = *exactResult(o.a, sign::divide, o.b);
                ASSERT_EQ(q * o.b, o.a);
                ASSERT_LE(decimalsOf(q), level.d);
                ASSERT_GE(q.abs(), rule == Rule::First ? Decimal{1} : Decimal{level.pr});
            }
        }
}

TEST(Problems, DrawsAreTakenInOrderAThenBThenTheSigns)
{
    // a from the first draw, b from the second, a := a·b, then r1 < 0.5 negates a, r2 < 0.5 b.
    ScriptedDraws draws{0.2, 0.4, 0.7, 0.1};
    const Operands o = drawOperands(Rule::First, 1, 10, 0, sign::divide, draws);
    EXPECT_EQ(o.a, Decimal{15}); // 3 · 5
    EXPECT_EQ(o.b, Decimal{-5});
    EXPECT_TRUE(draws.exhausted());
    ScriptedDraws both{0.2, 0.4, 0.9, 0.9}; // both positive: both negated
    const Operands p = drawOperands(Rule::First, 1, 10, 0, sign::plus, both);
    EXPECT_EQ(p.a, Decimal{-3});
    EXPECT_EQ(p.b, Decimal{-5});
}

TEST(Problems, SignDrawOfMixedMode)
{
    const double top = unitFromBits(~std::uint64_t{0});
    ScriptedDraws draws{0.0, 0.2499, 0.25, 0.5, 0.75, top};
    EXPECT_EQ(drawSign(draws), sign::plus);
    EXPECT_EQ(drawSign(draws), sign::plus);
    EXPECT_EQ(drawSign(draws), sign::minus);
    EXPECT_EQ(drawSign(draws), sign::times);
    EXPECT_EQ(drawSign(draws), sign::divide);
    EXPECT_EQ(drawSign(draws), sign::divide);
    RandomDraws random(4);
    std::map<QString, int> counts;
    for (int i = 0; i < 40000; ++i)
        ++counts[drawSign(random)];
    ASSERT_EQ(counts.size(), 4u);
    for (const auto& [s, n] : counts)
        EXPECT_NEAR(n / 40000.0, 0.25, 0.02);
}

TEST(Problems, ExactResultAndSecondOperandText)
{
    EXPECT_EQ(*exactResult(Decimal{-3}, sign::plus, Decimal{5}), Decimal{2});
    EXPECT_EQ(*exactResult(Decimal{2}, sign::minus, Decimal{-4}), Decimal{6});
    EXPECT_EQ(*exactResult(dec("-1.5"), sign::times, Decimal{-4}), Decimal{6});
    EXPECT_EQ(*exactResult(Decimal{15}, sign::divide, Decimal{-5}), Decimal{-3});
    EXPECT_FALSE(exactResult(Decimal{1}, QString(), Decimal{2}).has_value());
    EXPECT_EQ(secondOperandText(Decimal{-7}, u','), QStringLiteral("(-7)"));
    EXPECT_EQ(secondOperandText(dec("-2.5"), u','), QStringLiteral("(-2,5)"));
    EXPECT_EQ(secondOperandText(Decimal{7}, u','), QStringLiteral("7"));
}

TEST(KeyFilter, PassesDigitsMinusPointAndBackspaceAndTurnsACommaIntoAPoint)
{
    for (int c = 0; c < 256; ++c) {
        const int expected = (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 8 ? c : c == ',' ? '.' : 0;
        EXPECT_EQ(filterAnswerKey(c), expected) << c;
    }
    EXPECT_EQ(filterAnswerKey(key::enter), key::none);
    EXPECT_EQ(filterAnswerText(QStringLiteral("a-1,5 b.2ž\t9")), QStringLiteral("-1.5.29"));
    EXPECT_EQ(filterAnswerText(QStringLiteral("１２")), QString()); // full-width digits are not digits here
}

TEST(Judging, ComparesTheTypedNumberExactly)
{
    const Decimal a = dec("1.25"), b = dec("1.25");
    EXPECT_TRUE(judge(QStringLiteral("2.5"), a, sign::plus, b).right);
    EXPECT_TRUE(judge(QStringLiteral("2.50"), a, sign::plus, b).right);
    EXPECT_TRUE(judge(QStringLiteral("2.5-"), a, sign::plus, b).right);
    EXPECT_FALSE(judge(QStringLiteral("2.50001"), a, sign::plus, b).right);
    EXPECT_FALSE(judge(QStringLiteral("123456789012345678901234567890"), a, sign::plus, b).right);
    const Judgement zero = judge(QStringLiteral("-"), Decimal{5}, sign::plus, Decimal{-5});
    EXPECT_TRUE(zero.judged);
    EXPECT_TRUE(zero.right);
    const Judgement none = judge(QStringLiteral("7"), Decimal{3}, QString(), Decimal{4});
    EXPECT_FALSE(none.judged);
    EXPECT_FALSE(none.right);
}
