#include "testing/spoken.h"

#include <QRegularExpression>
#include <QStringList>

namespace spoken {

std::optional<Linear> linear(QString text)
{
    static const QRegularExpression term(QStringLiteral(R"(([+-]?)(\d*)([ax]?))"));
    text.remove(QLatin1Char(' '));
    Linear sum;
    for (qsizetype at = 0; at < text.size();) {
        const QRegularExpressionMatch m =
            term.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
            return std::nullopt;
        const int size = (m.captured(1) == QStringLiteral("-") ? -1 : 1) *
                         (m.captured(2).isEmpty() ? 1 : m.captured(2).toInt());
        (m.captured(3).isEmpty() ? sum.number : sum.letter) += size;
        at += m.capturedLength();
    }
    return sum;
}

std::optional<int> solveArithmetic(const QString& problem)
{
    static const QRegularExpression form(QStringLiteral(R"(^(-?\d+) ([-+*·:]) \(?(-?\d+)\)? ?=$)"));
    const QRegularExpressionMatch m = form.match(problem);
    if (!m.hasMatch())
        return std::nullopt;
    const int a = m.captured(1).toInt();
    const int b = m.captured(3).toInt();
    switch (m.captured(2).front().unicode()) {
    case u'+':
        return a + b;
    case u'-':
        return a - b;
    case u'*':
    case u'·':
        return a * b;
    default:
        return b != 0 ? std::optional<int>(a / b) : std::nullopt;
    }
}

std::optional<Linear> expressionOf(QString problem)
{
    problem.remove(QLatin1Char(' '));
    if (!problem.endsWith(QLatin1Char('=')) || problem.contains(u'x'))
        return std::nullopt;
    problem.chop(1);
    return linear(problem);
}

std::optional<int> solveEquation(QString problem)
{
    problem.remove(QLatin1Char(' '));
    if (problem.endsWith(QStringLiteral("x=")))
        problem.chop(2);
    const QStringList sides = problem.split(QLatin1Char('='));
    if (sides.size() != 2 || problem.contains(u'a'))
        return std::nullopt;
    const std::optional<Linear> left = linear(sides[0]);
    const std::optional<Linear> right = linear(sides[1]);
    if (!left || !right || left->letter == right->letter)
        return std::nullopt;
    const int a = left->letter - right->letter;
    const int b = right->number - left->number;
    return b % a == 0 ? std::optional<int>(b / a) : std::nullopt;
}

QString simplest(const Linear& sum)
{
    if (sum.letter == 0)
        return QString::number(sum.number);
    QString text = sum.letter == 1 ? QString() : sum.letter == -1 ? QStringLiteral("-") : QString::number(sum.letter);
    text += u'a';
    if (sum.number > 0)
        text += u'+';
    if (sum.number != 0)
        text += QString::number(sum.number);
    return text;
}

std::optional<QString> answerTo(QString problem)
{
    // In a test the problem is spoken after its number: "2 pratimas: 3 + (-5) =".
    static const QRegularExpression number(QStringLiteral(R"(^\d+ pratimas: )"));
    problem.remove(number);
    if (const std::optional<int> x = solveEquation(problem))
        return QString::number(*x);
    if (const std::optional<Linear> sum = expressionOf(problem))
        return simplest(*sum);
    if (const std::optional<int> result = solveArithmetic(problem))
        return QString::number(*result);
    return std::nullopt;
}

} // namespace spoken
