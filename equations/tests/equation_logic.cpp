// The equation row, its display rules, the collect routine and the generator, without windows.
#include "equations/equation.h"
#include "testing/ui.h"

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <vector>

using namespace equation;

namespace {

EquationRow rowOf(std::initializer_list<const char*> pieces)
{
    EquationRow row;
    std::size_t i = 0;
    for (const char* p : pieces)
        row.pieces.at(i++) = QString::fromUtf8(p);
    EXPECT_EQ(i, 11u);
    return row;
}

TEST(EquationDisplay, NumberPiecesFollowTheTermKind)
{
    const struct {
        int value;
        bool xTerm;
        const char* text;
    } cases[] = {
        {1, true, ""}, {-1, true, "-"}, {2, true, "2"},   {-8, true, "-8"}, {9, true, "9"},
        {1, false, "1"}, {-1, false, "-1"}, {7, false, "7"}, {-5, false, "-5"}, {23, false, "23"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberPiece(c.value, c.xTerm), QString::fromUtf8(c.text)) << c.value << " " << c.xTerm;
        // What is shown reads back as the value it shows.
        EquationRow row;
        row.pieces[1] = c.xTerm ? QStringLiteral("x") : QString();
        row.pieces[0] = numberPiece(c.value, c.xTerm);
        EXPECT_EQ(valueOf(row, 1), c.value) << c.text;
    }
}

TEST(EquationDisplay, ChangingTheKindOfATermKeepsItsValue)
{
    EquationRow row = rowOf({"-1", "", "+", "1", "", "=", "3", "", "+", "4", ""});
    setXTerm(row, 1, true);
    setXTerm(row, 2, true);
    EXPECT_EQ(row.number(1), QStringLiteral("-"));
    EXPECT_EQ(row.number(2), QString());
    setXTerm(row, 2, false);
    EXPECT_EQ(row.number(2), QStringLiteral("1"));
    EXPECT_EQ(row.xLabel(2), QString());
    EXPECT_EQ(row.number(3), QStringLiteral("3"));
}

TEST(EquationCollect, BringsXTermsLeftAndNumbersRight)
{
    const struct {
        EquationRow row;
        int a, b, x;
    } cases[] = {
        {rowOf({"", "x", "+", "2", "", "=", "3", "x", "+", "8", ""}), -2, 6, -3},
        {rowOf({"3", "x", "-", "5", "", "=", "", "x", "+", "7", ""}), 2, 12, 6},
        {rowOf({"-", "x", "+", "6", "", "=", "2", "x", "-", "3", ""}), -3, -9, 3},
        {rowOf({"4", "", "-", "2", "x", "=", "", "x", "-", "8", ""}), -3, -12, 4},
        {rowOf({"-7", "", "-", "", "x", "=", "-", "x", "-", "3", "x"}), 3, 7, 2},
        {rowOf({"5", "x", "+", "1", "", "=", "-2", "", "-", "2", ""}), 5, -5, -1},
        {rowOf({"12", "", "+", "3", "x", "=", "-6", "", "-", "", "x"}), 4, -18, -4},
        // Cancelled x terms: no solution, and no generated equation looks like this.
        {rowOf({"2", "x", "+", "3", "", "=", "2", "x", "+", "1", ""}), 0, -2, 0},
    };
    for (const auto& c : cases) {
        const Collected got = collect(c.row);
        EXPECT_EQ(got.a, c.a) << toText(c.row);
        EXPECT_EQ(got.b, c.b) << toText(c.row);
        EXPECT_EQ(solution(c.row), c.x) << toText(c.row);
    }
}

// A draw source that answers from a script and records what was asked.
struct ScriptedDraws {
    std::vector<int> answers;
    std::vector<int> asked;
    std::size_t next = 0;

    DrawSource source()
    {
        return [this](int n) {
            asked.push_back(n);
            if (next >= answers.size()) {
                ADD_FAILURE() << "more draws than scripted";
                return 0;
            }
            const int v = answers[next++];
            EXPECT_LT(v, n);
            return v;
        };
    }
};

// Term 1: sign, magnitude, x; term 2: operator, magnitude, x; term 3 as term 1; term 4 as term 2.
const std::vector<int> drawOrder{2, 8, 2, 2, 8, 2, 2, 8, 2, 2, 8, 2};

TEST(EquationGenerator, DrawsInOrderAndMendsTheEquation)
{
    const struct {
        const char* what;
        std::vector<int> draws;
        Variant variant;
        EquationRow row;
        int passes;
    } cases[] = {
        {"as drawn", {0, 2, 1, 1, 4, 0, 0, 0, 1, 0, 6, 0}, first,
         rowOf({"3", "x", "-", "5", "", "=", "", "x", "+", "7", ""}), 0},
        {"as drawn", {0, 2, 1, 1, 4, 0, 0, 0, 1, 0, 6, 0}, next,
         rowOf({"3", "x", "-", "5", "", "=", "", "x", "+", "7", ""}), 0},
        {"no x: term 2 takes x", {0, 2, 0, 0, 0, 0, 1, 3, 0, 0, 4, 0}, first,
         rowOf({"3", "", "+", "", "x", "=", "-4", "", "+", "5", ""}), 0},
        {"four x: term 4 loses x, cancelled 2 becomes 3, then x = 2 allowed", {0, 1, 1, 0, 0, 1, 0, 2, 1, 0, 0, 1},
         first, rowOf({"3", "x", "+", "", "x", "=", "3", "x", "+", "2", ""}), 1},
        {"four x: ... and x = 2 not allowed", {0, 1, 1, 0, 0, 1, 0, 2, 1, 0, 0, 1}, next,
         rowOf({"3", "x", "+", "", "x", "=", "3", "x", "+", "3", ""}), 2},
        {"cancelled -1 becomes -2", {1, 0, 1, 0, 3, 0, 1, 0, 1, 0, 5, 0}, first,
         rowOf({"-2", "x", "+", "4", "", "=", "-", "x", "+", "6", ""}), 0},
        {"cancelled -1 becomes -2 in later questions", {1, 0, 1, 0, 3, 0, 1, 0, 1, 0, 5, 0}, laterQuestion,
         rowOf({"-2", "x", "+", "4", "", "=", "-", "x", "+", "6", ""}), 0},
        {"cancelled -1 becomes 2, then the number term climbs past 0 of B", {1, 0, 1, 0, 3, 0, 1, 0, 1, 0, 5, 0},
         next, rowOf({"2", "x", "+", "12", "", "=", "-", "x", "+", "6", ""}), 7},
        {"B = 0 moves -1 to 0, the loop moves it on", {1, 0, 0, 0, 2, 1, 1, 0, 0, 0, 1, 1}, first,
         rowOf({"1", "", "+", "3", "x", "=", "-1", "", "+", "2", "x"}), 1},
        {"the number term skips 0", {1, 1, 0, 0, 4, 1, 0, 2, 1, 0, 0, 0}, next,
         rowOf({"5", "", "+", "5", "x", "=", "3", "x", "+", "1", ""}), 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedDraws script{c.draws, {}};
        const Generated g = generate(script.source(), c.variant);
        EXPECT_EQ(script.asked, drawOrder);
        EXPECT_EQ(toText(g.row), toText(c.row));
        EXPECT_EQ(g.row, c.row);
        EXPECT_EQ(g.passes, c.passes);
    }
}

// SplitMix64: a cheap, well-spread draw source for one seed.
struct SeedDraws {
    std::uint64_t state;
    int operator()(int n)
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<int>(z % static_cast<std::uint64_t>(n));
    }
};

// Sanitizer builds run far slower; they check fewer seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr int seeds = 20000;
#else
constexpr int seeds = 100000;
#endif

void expectSound(const Generated& g, Variant variant, std::set<int>& solutions)
{
    const EquationRow& row = g.row;
    const QString text = toText(row);
    ASSERT_EQ(row.pieces[5], QStringLiteral("=")) << text;
    int xTerms = 0;
    int firstNumber = 0, firstX = 0;
    for (int t = 1; t <= 4; ++t) {
        const bool x = isXTerm(row, t);
        ASSERT_TRUE(x || row.xLabel(t).isEmpty()) << text;
        xTerms += x ? 1 : 0;
        if (x && !firstX)
            firstX = t;
        if (!x && !firstNumber)
            firstNumber = t;
        // Shown by the display rule: no "1" or "-1" beside x, never "0".
        ASSERT_EQ(row.number(t), numberPiece(valueOf(row, t), x)) << text;
        ASSERT_NE(row.number(t), QStringLiteral("0")) << text;
        if (t == 2 || t == 4) {
            ASSERT_TRUE(row.sign(t) == QStringLiteral("+") || row.sign(t) == QStringLiteral("-")) << text;
            ASSERT_GT(valueOf(row, t), 0) << text;
        }
    }
    ASSERT_GE(xTerms, 1) << text;
    ASSERT_LE(xTerms, 3) << text;
    // Only the first number term moves far; the first x term may have grown by one (8 to 9).
    for (int t = 1; t <= 4; ++t) {
        const int v = valueOf(row, t);
        if (t == firstNumber)
            continue;
        ASSERT_NE(v, 0) << text;
        ASSERT_LE(std::abs(v), t == firstX ? 9 : 8) << text;
    }
    const Collected c = collect(row);
    ASSERT_NE(c.a, 0) << text;
    ASSERT_EQ(c.b % c.a, 0) << text;
    const int x = c.b / c.a;
    ASSERT_TRUE(x != 0 && x != 1 && x != -1) << text;
    if (variant.neverTwo) {
        ASSERT_NE(x, 2) << text;
    }
    // B moves one way by at least one per pass; of the multiples of A it passes, only 0, A, -A,
    // 2A and the one met while the number term reads 0 can be skipped.
    ASSERT_LE(g.passes, 6 * std::abs(c.a) + 2) << text;
    solutions.insert(x);
}

TEST(EquationGenerator, EverySeedGivesASoundEquation)
{
    const struct {
        const char* name;
        Variant variant;
        bool twoAllowed;
    } variants[] = {{"first", first, true}, {"next", next, false}, {"later question", laterQuestion, false}};
    for (const auto& v : variants) {
        SCOPED_TRACE(v.name);
        std::set<int> solutions;
        int maxPasses = 0;
        for (int s = 0; s < seeds; ++s) {
            SeedDraws draws{static_cast<std::uint64_t>(s) * 7919u + 17u};
            const Generated g = generate(std::ref(draws), v.variant);
            maxPasses = std::max(maxPasses, g.passes);
            expectSound(g, v.variant, solutions);
            if (HasFatalFailure())
                return;
        }
        EXPECT_EQ(solutions.count(2) == 1, v.twoAllowed);
        EXPECT_TRUE(solutions.count(-2) && solutions.count(3) && solutions.count(-3));
        std::printf("[ %s ] %d seeds, at most %d passes\n", v.name, seeds, maxPasses);
    }
}

} // namespace
