#include "expressions/expression.h"

#include <cstdlib>

namespace expr {

Term Expression::term(int i) const
{
    switch (i) {
    case 1:
        return {c1, letter[0]};
    case 2:
        return {o2 == u'-' ? -m2 : m2, letter[1]};
    default:
        return {o3 == u'-' ? -m3 : m3, letter[2]};
    }
}

Expression generate(const Draw& draw)
{
    Expression e;
    const bool negative = draw(2) == 1;
    const int size = draw(8) + 1;
    e.c1 = negative ? -size : size;
    e.letter[0] = draw(2) == 1;
    e.o2 = draw(2) == 1 ? u'-' : u'+';
    e.m2 = draw(8) + 1;
    e.letter[1] = draw(2) == 1;
    e.o3 = draw(2) == 1 ? u'-' : u'+';
    e.m3 = draw(8) + 1;
    e.letter[2] = draw(2) == 1;
    if (!e.letter[0] && !e.letter[1] && !e.letter[2])
        e.letter[1] = true;
    return e;
}

namespace {

const QString letterA = QStringLiteral("a");

QString magnitudeText(int magnitude, bool letter)
{
    return letter && magnitude == 1 ? QString() : QString::number(magnitude);
}

// A decimal text as the row writes it: no sign, no leading zero, not empty.
std::optional<int> readMagnitude(const QString& text)
{
    if (text.isEmpty() || text.front() == u'0')
        return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > 0x7F)
            return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<bool> readLetter(const QString& text)
{
    if (text.isEmpty())
        return false;
    if (text == letterA)
        return true;
    return std::nullopt;
}

std::optional<QChar> readOperator(const QString& text)
{
    if (text == QLatin1String("+") || text == QLatin1String("-"))
        return text.front();
    return std::nullopt;
}

} // namespace

RowTexts rowTexts(const Expression& e)
{
    RowTexts t;
    if (e.letter[0] && e.c1 == 1)
        t[Coefficient1] = QString();
    else if (e.letter[0] && e.c1 == -1)
        t[Coefficient1] = QStringLiteral("-");
    else
        t[Coefficient1] = QString::number(e.c1);
    t[Operator2] = QString(e.o2);
    t[Coefficient2] = magnitudeText(e.m2, e.letter[1]);
    t[Operator3] = QString(e.o3);
    t[Coefficient3] = magnitudeText(e.m3, e.letter[2]);
    t[Letter1] = e.letter[0] ? letterA : QString();
    t[Letter2] = e.letter[1] ? letterA : QString();
    t[Letter3] = e.letter[2] ? letterA : QString();
    t[Equals] = QStringLiteral("=");
    return t;
}

std::optional<Expression> fromTexts(const RowTexts& t)
{
    Expression e;
    const auto l1 = readLetter(t[Letter1]);
    const auto l2 = readLetter(t[Letter2]);
    const auto l3 = readLetter(t[Letter3]);
    const auto o2 = readOperator(t[Operator2]);
    const auto o3 = readOperator(t[Operator3]);
    if (!l1 || !l2 || !l3 || !o2 || !o3 || !(*l1 || *l2 || *l3))
        return std::nullopt;
    e.letter = {*l1, *l2, *l3};
    e.o2 = *o2;
    e.o3 = *o3;

    // Term 1: "" is 1 and "-" is -1 before a letter; otherwise an optional minus and digits.
    const QString& c = t[Coefficient1];
    if (e.letter[0] && c.isEmpty()) {
        e.c1 = 1;
    } else if (e.letter[0] && c == QLatin1String("-")) {
        e.c1 = -1;
    } else {
        const bool negative = c.startsWith(u'-');
        const auto size = readMagnitude(negative ? c.mid(1) : c);
        if (!size)
            return std::nullopt;
        e.c1 = negative ? -*size : *size;
    }
    // Terms 2 and 3: "" is 1 before a letter.
    auto magnitude = [](const QString& text, bool letter) {
        return letter && text.isEmpty() ? std::optional<int>(1) : readMagnitude(text);
    };
    const auto m2 = magnitude(t[Coefficient2], e.letter[1]);
    const auto m3 = magnitude(t[Coefficient3], e.letter[2]);
    if (!m2 || !m3)
        return std::nullopt;
    e.m2 = *m2;
    e.m3 = *m3;
    return e;
}

int pattern(const Expression& e)
{
    const auto [a1, a2, a3] = e.letter;
    if (a1 && a2 && a3)
        return 4;
    if (a1 && a2)
        return 1;
    if (a1 && a3)
        return 2;
    if (a2 && a3)
        return 3;
    if (a3)
        return 5;
    if (a2)
        return 6;
    if (a1)
        return 7;
    return 0;
}

namespace {

// The terms of each pattern: the like ones, then the remaining one (0: none).
struct Split {
    int like[3];
    int remaining;
};
constexpr Split splits[8] = {
    {{0, 0, 0}, 0}, //
    {{1, 2, 0}, 3}, {{1, 3, 0}, 2}, {{2, 3, 0}, 1}, {{1, 2, 3}, 0},
    {{1, 2, 0}, 3}, {{1, 3, 0}, 2}, {{2, 3, 0}, 1},
};

} // namespace

Term combinedTerm(const Expression& e)
{
    const Split& s = splits[pattern(e)];
    Term combined{0, false};
    for (int i : s.like)
        if (i != 0) {
            combined.value += e.term(i).value;
            combined.letter = e.term(i).letter;
        }
    return combined;
}

std::optional<Term> remainingTerm(const Expression& e)
{
    const int i = splits[pattern(e)].remaining;
    return i != 0 ? std::optional<Term>(e.term(i)) : std::nullopt;
}

namespace {

// Leading writing of a term: its value in decimal, then "a" for a letter term; before "a" a
// value of 1 or -1 may go without its digit.
QStringList leading(const Term& t)
{
    if (!t.letter)
        return {QString::number(t.value)};
    QStringList w{QString::number(t.value) + letterA};
    if (t.value == 1)
        w << letterA;
    if (t.value == -1)
        w << QStringLiteral("-a");
    return w;
}

// Following writing: "+" or "-", the magnitude, then "a" for a letter term; before "a" a
// magnitude of 1 may go without its digit.
QStringList following(const Term& t)
{
    const QString sign = t.value < 0 ? QStringLiteral("-") : QStringLiteral("+");
    const int magnitude = std::abs(t.value);
    if (!t.letter)
        return {sign + QString::number(magnitude)};
    QStringList w{sign + QString::number(magnitude) + letterA};
    if (magnitude == 1)
        w << sign + letterA;
    return w;
}

// Every writing of `first` followed by every writing of `second`.
QStringList joined(const QStringList& first, const QStringList& second)
{
    QStringList texts;
    for (const QString& a : first)
        for (const QString& b : second)
            texts << a + b;
    return texts;
}

} // namespace

QStringList acceptedAnswers(const Expression& e)
{
    if (pattern(e) == 0)
        return {};
    const Term combined = combinedTerm(e);
    const int K = combined.value;
    const std::optional<Term> remaining = remainingTerm(e);

    // Pattern 4: the combined letter term alone; K = 0 also as "0".
    if (!remaining) {
        QStringList texts = leading(combined);
        if (K == 0)
            texts << QStringLiteral("0");
        return texts;
    }

    QStringList texts;
    // 1. Combined term first (K = 0 written "0"), then the remaining term in following writing.
    texts << joined(leading(combined), following(*remaining));
    // 2. Remaining term first, only when K is not 0, then the combined term in following writing.
    if (K != 0)
        texts << joined(leading(*remaining), following(combined));
    // 3. K = 0: the remaining term alone.
    if (K == 0)
        texts << leading(*remaining);
    return texts;
}

bool accepts(const Expression& e, const QString& answer)
{
    return acceptedAnswers(e).contains(answer);
}

RowTexts reviewCopy(const RowTexts& shown)
{
    RowTexts copy = shown;
    const Piece letters[3] = {Letter1, Letter2, Letter3};
    const Piece coefficients[3] = {Coefficient1, Coefficient2, Coefficient3};
    int letterTerms = 0;
    for (Piece l : letters)
        letterTerms += shown[l] == letterA ? 1 : 0;
    // A letter term has a like partner when another term carries the letter too.
    if (letterTerms >= 2)
        for (int i = 0; i < 3; ++i)
            if (shown[letters[i]] == letterA && shown[coefficients[i]].isEmpty())
                copy[coefficients[i]] = QStringLiteral("1");
    return copy;
}

} // namespace expr
