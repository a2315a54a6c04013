// Which answer texts count as the simplified expression: the worked cases with their near
// misses, and every generated expression held against a parser that reads an answer as terms.
#include "expressions/expression.h"
#include "testing/ui.h"

#include <QSet>
#include <random>

namespace {

using expr::Expression;

QString written(const Expression& e)
{
    QString s;
    for (const QString& piece : expr::rowTexts(e))
        s += piece;
    return s;
}

// An expression from the texts of its nine labels.
Expression shown(const char* c1, const char* a1, const char* o2, const char* c2, const char* a2, const char* o3,
                 const char* c3, const char* a3)
{
    const auto e = expr::fromTexts({c1, a1, o2, c2, a2, o3, c3, a3, "="});
    if (!e)
        ADD_FAILURE() << "no expression shows " << c1 << a1 << o2 << c2 << a2 << o3 << c3 << a3;
    return e.value_or(Expression{});
}

struct WorkedCase {
    Expression e;
    int pattern;
    int K;
    QStringList accepted;
    QStringList refused;
};

TEST(Acceptance, WorkedCasesAndTheirNearMisses)
{
    const WorkedCase cases[] = {
        // 5a + 3a - 2
        {shown("5", "a", "+", "3", "a", "-", "2", ""), 1, 8, {"8a-2", "-2+8a"},
         {"+8a-2", "8a -2", " 8a-2", "8a-2 ", "8A-2", "8b-2", "8*a-2", "-2+8a+0", "8a+-2", "8a-2+0a", "-2 + 8a",
          "8a", "-2", "8-2a", "08a-2", "8a−2"}},
        // -a + 2 + 2a
        {shown("-", "a", "+", "2", "", "+", "2", "a"), 2, 1, {"1a+2", "a+2", "2+1a", "2+a"},
         {"+a+2", "+1a+2", "2+1", "a2", "2a+2", "a+ 2", "A+2", "2+A", "+2+a", "1+2", "a+2+0"}},
        // -4 + 3a - 5a
        {shown("-4", "", "+", "3", "a", "-", "5", "a"), 3, -2, {"-2a-4", "-4-2a"},
         {"-2a+-4", "-2a -4", "-2a-4 ", "-4+-2a", "2a-4", "-2A-4", "-4-2a+0", "-4 -2a"}},
        // 2a - 5a + 3a
        {shown("2", "a", "-", "5", "a", "+", "3", "a"), 4, 0, {"0a", "0"},
         {"a", "-0", "-0a", "+0", "0A", "0a+0", " 0", "00", "0 a"}},
        // 3 - 7 + a
        {shown("3", "", "-", "7", "", "+", "", "a"), 5, -4, {"-4+1a", "-4+a", "1a-4", "a-4"},
         {"+a-4", "+1a-4", "-4+ a", "-4a+1", "-4+A", "a-4+0", "-4+a "}},
        // 2 - 6a + 8
        {shown("2", "", "-", "6", "a", "+", "8", ""), 6, 10, {"10-6a", "-6a+10"},
         {"+10-6a", "10 -6a", "10-6A", "-6a+10+0", "10+-6a", "+-6a+10", "-6a"}},
        // -a + 4 - 4
        {shown("-", "a", "+", "4", "", "-", "4", ""), 7, 0, {"0-1a", "0-a", "-1a", "-a"},
         {"0", "-a+0", "-1a+0", "+0-a", "-0-a", "-a ", "-A", "a", "-1"}},
        // 4a - 4a + 5: K = 0 in pattern 1
        {shown("4", "a", "-", "4", "a", "+", "5", ""), 1, 0, {"0a+5", "5"},
         {"5+0a", "0", "0+5", "+5", "0a", "5a", " 5", "0a + 5"}},
        // 3a + 5 with a combined number term of one digit each, pattern 5: 3 + 4 - a
        {shown("3", "", "+", "4", "", "-", "", "a"), 5, 7, {"7-a", "7-1a", "-a+7", "-1a+7"},
         {"7+-a", "+7-a", "7-a1", "7 -a", "7-A", "-a+7 "}},
    };
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(c.accepted.front());
        EXPECT_EQ(expr::pattern(c.e), c.pattern);
        EXPECT_EQ(expr::combinedTerm(c.e).value, c.K);
        const QStringList listed = expr::acceptedAnswers(c.e);
        EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(c.accepted.begin(), c.accepted.end()));
        for (const QString& a : c.accepted)
            EXPECT_TRUE(expr::accepts(c.e, a)) << a;
        for (const QString& r : c.refused)
            EXPECT_FALSE(expr::accepts(c.e, r)) << r;
    }
}

// An answer read as terms: "-5a", "+3", "a", "-0" …; nothing when the text is not a sum of
// terms in digits and "a" (blanks, capitals, other letters, "*", a doubled sign are not).
struct ReadTerm {
    int value;
    bool letter;
    bool signWritten; // "+" or "-" before it
    bool plus;        // "+" before it
};

std::optional<std::vector<ReadTerm>> readTerms(const QString& text)
{
    std::vector<ReadTerm> terms;
    qsizetype i = 0;
    while (i < text.size()) {
        int sign = 1;
        bool signWritten = false;
        if (text[i] == u'+' || text[i] == u'-') {
            sign = text[i] == u'-' ? -1 : 1;
            signWritten = true;
            ++i;
        }
        const qsizetype digitsFrom = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        const QString digits = text.mid(digitsFrom, i - digitsFrom);
        const bool letter = i < text.size() && text[i] == u'a';
        if (letter)
            ++i;
        if (digits.isEmpty() && !letter)
            return std::nullopt;
        if (digits.size() > 1 && digits.front() == u'0')
            return std::nullopt;
        const int magnitude = digits.isEmpty() ? 1 : digits.toInt();
        // Only the first term may go without a sign; every later one needs one.
        if (!terms.empty() && !signWritten)
            return std::nullopt;
        terms.push_back({sign * magnitude, letter, signWritten, signWritten && sign > 0});
        // A digit 1 left out, or "-0": remember them by their writing below.
        if (sign < 0 && magnitude == 0)
            return std::nullopt;
    }
    return terms;
}

// Whether the answer is the simplified expression: the combined and the remaining term, in
// either order, with no "+" before the first, or the single term that is left when the other
// one vanishes. A zero term stands only first and only as the combined term.
bool judged(const Expression& e, const QString& answer)
{
    const auto terms = readTerms(answer);
    if (!terms || terms->empty() || terms->size() > 2 || terms->front().plus)
        return false;
    const expr::Term combined = expr::combinedTerm(e);
    const auto remaining = expr::remainingTerm(e);
    auto is = [](const ReadTerm& r, const expr::Term& t) { return r.value == t.value && r.letter == t.letter; };
    const ReadTerm& first = terms->front();
    if (!remaining) {
        // All three alike: the combined letter term alone; a vanished one may be written "0".
        return terms->size() == 1 && (is(first, combined) || (combined.value == 0 && first.value == 0));
    }
    if (terms->size() == 1)
        return combined.value == 0 && is(first, *remaining);
    const ReadTerm& second = (*terms)[1];
    return (is(first, combined) && is(second, *remaining)) ||
           (combined.value != 0 && is(first, *remaining) && is(second, combined));
}

// Ways of writing a term: a sign or none, its magnitude with or without a digit 1 or a leading
// zero or another magnitude, with or without the letter.
QStringList writings(int value, bool first)
{
    QStringList signs{"+", "-"};
    if (first)
        signs << "";
    const int magnitude = std::abs(value);
    const QStringList magnitudes{QString::number(magnitude), "", "0" + QString::number(magnitude),
                                 QString::number(magnitude + 1)};
    QStringList out;
    for (const QString& s : signs)
        for (const QString& m : magnitudes)
            for (const char* letter : {"", "a"})
                if (!m.isEmpty() || *letter)
                    out << s + m + letter;
    return out;
}

// Candidate answers for an expression: both terms in both orders in every writing, each alone,
// with a zero term, with a blank, and with a third term.
QSet<QString> candidates(const Expression& e)
{
    const int K = expr::combinedTerm(e).value;
    const auto remaining = expr::remainingTerm(e);
    const int w = remaining ? remaining->value : 0;
    QSet<QString> set;
    for (const QString& a : writings(K, true)) {
        set << a;
        for (const QString& b : writings(w, false))
            set << a + b;
    }
    for (const QString& a : writings(w, true)) {
        set << a;
        for (const QString& b : writings(K, false))
            set << a + b;
    }
    for (const QString& a : expr::acceptedAnswers(e))
        set << "+" + a << a + "+0a" << a + "-0" << a + "*" << a.toUpper() << a + " " << " " + a
            << QString(a).replace(QStringLiteral("+"), QStringLiteral(" + "));
    set << "0" << "-0" << "0a" << "+0" << "";
    return set;
}

TEST(Acceptance, EveryGeneratedExpressionAgreesWithTheTermReader)
{
    std::mt19937 random(20240601);
    const expr::Draw draw = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int expressions = 0, checked = 0, acceptedSeen = 0;
    for (; expressions < 3000; ++expressions) {
        const Expression e = expr::generate(draw);
        int accepted = 0;
        for (const QString& c : candidates(e)) {
            const bool expected = judged(e, c);
            ASSERT_EQ(expr::accepts(e, c), expected)
                << "answer \"" << c << "\" to " << written(e) << " (pattern " << expr::pattern(e)
                << ")";
            accepted += expected ? 1 : 0;
            ++checked;
        }
        // Every accepted writing is among the candidates, and there are as many as the rule lists.
        EXPECT_EQ(accepted, expr::acceptedAnswers(e).size()) << written(e);
        acceptedSeen += accepted;
    }
    EXPECT_GT(checked, 1'500'000);
    EXPECT_GE(acceptedSeen, 2 * expressions);
}

} // namespace
