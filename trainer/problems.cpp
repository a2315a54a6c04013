#include "trainer/problems.h"

#include <algorithm>
#include <cmath>

namespace zenkla {

const std::array<Operation, 5>& operations()
{
    static const std::array<Operation, 5> table{{
        {sign::plus, QStringLiteral("Sudėtis"), QStringLiteral("sudėtis."), QStringLiteral("sudėtis.")},
        {sign::minus, QStringLiteral("Atimtis"), QStringLiteral("atimtis."), QStringLiteral("atimtis.")},
        {sign::times, QStringLiteral("Daugyba"), QStringLiteral("daugyba."), QStringLiteral("daugyba.")},
        {sign::divide, QStringLiteral("Dalyba"), QStringLiteral("dalyba."), QStringLiteral("dalyba.")},
        {QString(), mixedTitle, QStringLiteral("įvairūs veiksmai"), QStringLiteral("įvairūs veiksmai.")},
    }};
    return table;
}

const std::array<Level, 4>& startLevels()
{
    static const std::array<Level, 4> table{{
        {QStringLiteral("1 [-10;10]"), 1, 10, 0},
        {QStringLiteral("2 [-20;20]"), 7, 20, 0},
        {QStringLiteral("3 [-20.0;20.0]"), 7, 20, 1},
        {QStringLiteral("4 [-100.00;100.00]"), 10, 100, 2},
    }};
    return table;
}

const std::array<Level, 4>& menuLevels()
{
    static const std::array<Level, 4> table{{
        {QStringLiteral("1 [-10;10]"), 1, 10, 0},
        {QStringLiteral("2 [-20;20]"), 7, 20, 0},
        {QStringLiteral("3 [-20.0;20.0]"), 7, 20, 1},
        {QStringLiteral("4 [-100.0;100.0]"), 10, 100, 1},
    }};
    return table;
}

Decimal roundDraw(double x, int d)
{
    const Decimal fixed = Decimal::fromDouble(x);
    std::int64_t unit = Decimal::scale;
    for (int k = 0; k < d; ++k)
        unit /= 10;
    // floor(x·10^d + 0.5) / 10^d in units of 10^-4; x is never negative here.
    const std::int64_t units = fixed.units();
    std::int64_t steps = (units + unit / 2) / unit;
    if ((units + unit / 2) % unit < 0)
        --steps;
    return Decimal::fromUnits(steps * unit);
}

Decimal magnitude(Rule rule, int pr, int sk, int d, double r)
{
    const double x = rule == Rule::First ? sk * r + 1.0 : pr + (sk - pr) * r;
    return roundDraw(x, d);
}

QString drawSign(DrawSource& draws)
{
    static const std::array<QString, 4> signs{sign::plus, sign::minus, sign::times, sign::divide};
    const int s = static_cast<int>(std::floor(4.0 * draws.next())) + 1;
    return signs[static_cast<std::size_t>(std::clamp(s, 1, 4) - 1)];
}

Operands drawOperands(Rule rule, int pr, int sk, int d, const QString& sign, DrawSource& draws)
{
    Operands o;
    o.a = magnitude(rule, pr, sk, d, draws.next());
    o.b = magnitude(rule, pr, sk, d, draws.next());
    if (sign == sign::divide)
        o.a = o.a * o.b;
    const double r1 = draws.next();
    const double r2 = draws.next();
    if (r1 < 0.5)
        o.a = -o.a;
    if (r2 < 0.5)
        o.b = -o.b;
    if (o.a > Decimal{} && o.b > Decimal{}) {
        o.a = -o.a;
        o.b = -o.b;
    }
    return o;
}

std::optional<Decimal> exactResult(Decimal a, const QString& sign, Decimal b)
{
    if (sign == sign::plus)
        return a + b;
    if (sign == sign::minus)
        return a - b;
    if (sign == sign::times)
        return a * b;
    if (sign == sign::divide)
        return a / b;
    return std::nullopt;
}

QString secondOperandText(Decimal b, QChar separator)
{
    const QString text = numberText(b, separator);
    return b.isNegative() ? QStringLiteral("(") + text + QStringLiteral(")") : text;
}

int filterAnswerKey(int keyAscii)
{
    if (keyAscii == key::backspace || keyAscii == '-' || keyAscii == '.' || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    if (keyAscii == ',')
        return '.';
    return key::none;
}

QString filterAnswerText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode() < 128 ? filterAnswerKey(c.unicode()) : key::none;
        if (code != key::none && code != key::backspace)
            kept += QChar(code);
    }
    return kept;
}

Judgement judge(const QString& typed, Decimal a, const QString& sign, Decimal b)
{
    Judgement j;
    j.typed = TypedNumber::read(typed);
    const std::optional<Decimal> r = exactResult(a, sign, b);
    if (!r)
        return j;
    j.judged = true;
    j.result = *r;
    j.right = j.typed.equals(*r);
    return j;
}

} // namespace zenkla
