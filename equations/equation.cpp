#include "equations/equation.h"

#include <QStringList>

#include <cstdlib>

namespace equation {

namespace {

const QString xText = QStringLiteral("x");
const QString minusText = QStringLiteral("-");
const QString plusText = QStringLiteral("+");

QString& numberOf(EquationRow& row, int term)
{
    return row.pieces[EquationRow::numberIndex(term)];
}

QString& xLabelOf(EquationRow& row, int term)
{
    return row.pieces[EquationRow::numberIndex(term) + 1];
}

// +1 or -1: terms 1 and 3 stand alone, terms 2 and 4 after their operator.
int signOf(const EquationRow& row, int term)
{
    if (term == 1 || term == 3)
        return 1;
    return row.sign(term) == minusText ? -1 : 1;
}

// The first term (in the order 1 … 4) that is an x term, or a number term; 0 when there is none.
int firstTerm(const EquationRow& row, bool xTerm)
{
    for (int t = 1; t <= 4; ++t)
        if (isXTerm(row, t) == xTerm)
            return t;
    return 0;
}

void addOne(EquationRow& row, int term)
{
    setValue(row, term, valueOf(row, term) + 1);
}

bool stops(const Collected& c, Variant variant)
{
    if (c.b % c.a != 0 || std::abs(c.b) == std::abs(c.a))
        return false;
    return !variant.neverTwo || c.b / c.a != 2;
}

// A signed number ±1 … ±8: the sign draw first (1 is negative), then the magnitude.
int drawSigned(const DrawSource& draw)
{
    const bool negative = draw(2) == 1;
    const int magnitude = draw(8) + 1;
    return negative ? -magnitude : magnitude;
}

} // namespace

QString toText(const EquationRow& row)
{
    QStringList parts;
    for (const QString& p : row.pieces)
        if (!p.isEmpty())
            parts << p;
    return parts.join(QLatin1Char(' '));
}

bool isXTerm(const EquationRow& row, int term)
{
    return row.xLabel(term) == xText;
}

int valueOf(const EquationRow& row, int term)
{
    const QString& n = row.number(term);
    if (n.isEmpty())
        return 1;
    if (n == minusText)
        return -1;
    return n.toInt();
}

QString numberPiece(int value, bool xTerm)
{
    if (xTerm && value == 1)
        return {};
    if (xTerm && value == -1)
        return minusText;
    return QString::number(value);
}

void setValue(EquationRow& row, int term, int value)
{
    numberOf(row, term) = numberPiece(value, isXTerm(row, term));
}

void setXTerm(EquationRow& row, int term, bool xTerm)
{
    const int value = valueOf(row, term);
    xLabelOf(row, term) = xTerm ? xText : QString();
    setValue(row, term, value);
}

Collected collect(const EquationRow& row)
{
    Collected c;
    for (int t = 1; t <= 4; ++t) {
        const int v = signOf(row, t) * valueOf(row, t);
        const bool left = t <= 2;
        if (isXTerm(row, t))
            c.a += left ? v : -v;
        else
            c.b += left ? -v : v;
    }
    return c;
}

int solution(const EquationRow& row)
{
    const Collected c = collect(row);
    return c.a != 0 ? c.b / c.a : 0;
}

Generated generate(const DrawSource& draw, Variant variant)
{
    Generated g;
    EquationRow& row = g.row;
    row.pieces[5] = QStringLiteral("=");

    // Terms 1 and 3 are signed numbers, terms 2 and 4 positive after a drawn operator; each term
    // draws its number, then whether it carries x.
    for (int t = 1; t <= 4; ++t) {
        if (t == 2 || t == 4)
            row.pieces[EquationRow::numberIndex(t) - 1] = draw(2) == 1 ? minusText : plusText;
        const int value = t == 1 || t == 3 ? drawSigned(draw) : draw(8) + 1;
        xLabelOf(row, t).clear();
        setValue(row, t, value);
        setXTerm(row, t, draw(2) == 1);
    }

    // At least one x term, and at least one number term.
    if (firstTerm(row, true) == 0)
        setXTerm(row, 2, true);
    else if (firstTerm(row, false) == 0)
        setXTerm(row, 4, false);

    // The x terms must not cancel: the first one's coefficient moves.
    Collected c = collect(row);
    if (c.a == 0) {
        const int t = firstTerm(row, true);
        const int v = valueOf(row, t);
        if (v == 1)
            setValue(row, t, 2);
        else if (v == -1)
            setValue(row, t, variant.minusOneToMinusTwo ? -2 : 2);
        else
            setValue(row, t, v + 1);
        c = collect(row);
    }

    // The numbers must not cancel either (x would be 0).
    const int n = firstTerm(row, false);
    if (c.b == 0) {
        addOne(row, n);
        c = collect(row);
    }

    // Only the first number term moves, always up by one, so B moves one way until B / A is whole
    // and not 1, -1 (nor 2 where the variant says); it is never left at 0, nor is B.
    while (!stops(c, variant)) {
        ++g.passes;
        addOne(row, n);
        if (valueOf(row, n) == 0)
            addOne(row, n);
        c = collect(row);
        if (c.b == 0) {
            addOne(row, n);
            c = collect(row);
        }
    }
    return g;
}

} // namespace equation
