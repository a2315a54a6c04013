// The acceptance rule of the expression windows for any expression the generator can draw and
// any answer text: an accepted text is always one of the listed writings, and every listed
// writing is a sum of at most two terms in "a" (no blank, no leading "+", a zero term only
// first) that equals the expression, worked out here from its coefficients. The row texts read
// back to the expression, also as the review sheet lists them.
#include "expressions/expression.h"
#include "fuzz/fuzz.h"

#include <QRegularExpression>

#include <optional>

namespace {

// The letter coefficient and the number of a sum of terms such as "-3a+5", "a-7" or "0+5a";
// nothing for any other text. Only the first term may be zero ("0a+5", "0"), and never "-0".
struct Linear {
    int letter = 0;
    int number = 0;
    bool operator==(const Linear&) const = default;
};

std::optional<Linear> linear(const QString& text, int* terms)
{
    static const QRegularExpression form(QStringLiteral("^(?:[+-]?(?:0|[1-9][0-9]?)?a|[+-]?(?:0|[1-9][0-9]?))$"));
    static const QRegularExpression term(QStringLiteral("[+-]?[^+-]+"));
    Linear sum;
    *terms = 0;
    qsizetype end = 0;
    for (auto it = term.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString t = m.captured();
        if (m.capturedStart() != end || !form.match(t).hasMatch())
            return std::nullopt;
        end = m.capturedEnd();
        ++*terms;
        const bool letter = t.endsWith(u'a');
        QString digits = letter ? t.chopped(1) : t;
        int value = 1;
        if (digits.startsWith(u'-')) {
            value = -1;
            digits.remove(0, 1);
        } else if (digits.startsWith(u'+')) {
            if (*terms == 1)
                return std::nullopt; // a leading "+" is never a writing of the answer
            digits.remove(0, 1);
        }
        if (!digits.isEmpty())
            value *= digits.toInt();
        if (value == 0 && (*terms > 1 || t.startsWith(u'-')))
            return std::nullopt;
        (letter ? sum.letter : sum.number) += value;
    }
    if (end != text.size() || *terms == 0)
        return std::nullopt;
    return sum;
}

// The expression's value from its coefficients and operators.
Linear valueOf(const expr::Expression& e)
{
    const int values[3] = {e.c1, e.o2 == u'-' ? -e.m2 : e.m2, e.o3 == u'-' ? -e.m3 : e.m3};
    Linear sum;
    for (int i = 0; i < 3; ++i)
        (e.letter[static_cast<std::size_t>(i)] ? sum.letter : sum.number) += values[i];
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const expr::Expression e = expr::generate([&](int n) { return in.byte() % n; });

    const expr::RowTexts texts = expr::rowTexts(e);
    fuzz::check(expr::fromTexts(texts) == e, "the row does not read back to its expression");
    fuzz::check(expr::fromTexts(expr::reviewCopy(texts)) == e, "the review copy reads as another expression");

    const QStringList listed = expr::acceptedAnswers(e);
    fuzz::check(!listed.isEmpty(), "no writing accepted");
    for (const QString& answer : listed) {
        int terms = 0;
        const std::optional<Linear> value = linear(answer, &terms);
        fuzz::check(value.has_value() && terms <= 2, "a listed writing is not a sum of two terms", answer);
        fuzz::check(*value == valueOf(e), "a listed writing is not the expression", answer);
        fuzz::check(expr::accepts(e, answer), "a listed writing is refused", answer);
    }

    // The answer: a listed writing with one edit (a character put in, taken out or changed), or
    // any text.
    const std::uint8_t mode = in.byte();
    QString answer;
    if (mode & 1) {
        answer = listed[in.byte() % listed.size()];
        const qsizetype at = in.byte() % (answer.size() + 1);
        const QChar c = QChar(static_cast<char16_t>(in.integer<std::uint16_t>() % 0x180));
        switch (mode >> 1 & 3) {
        case 0:
            answer.insert(at, c);
            break;
        case 1:
            answer.remove(at, 1);
            break;
        default:
            if (at < answer.size())
                answer[at] = c;
        }
    } else {
        answer = QString::fromUtf8(in.rest());
    }
    fuzz::check(expr::accepts(e, answer) == listed.contains(answer), "accepted a text that is not listed", answer);
    return 0;
}
