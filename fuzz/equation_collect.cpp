// The equation row and its collect routine. Rows the generator draws (in any of its variants)
// follow the display rule, have a whole solution other than 0, 1 and -1 (nor 2 where the variant
// says), at least one x term and one number term and not four x terms. For those and for rows of
// any small terms, collect agrees with a plain re-computation from the texts: the x coefficients
// brought to the left, the numbers to the right.
#include "equations/equation.h"
#include "fuzz/fuzz.h"

namespace {

using equation::EquationRow;

// A term's value from its texts: the number label ("" is 1, "-" is -1), negated after a "-".
int termValue(const EquationRow& row, int term)
{
    const QString& n = row.number(term);
    const int magnitude = n.isEmpty() ? 1 : n == u'-' ? -1 : n.toInt();
    return (term % 2 == 0 && row.sign(term) == u'-') ? -magnitude : magnitude;
}

void checkCollect(const EquationRow& row)
{
    int a = 0;
    int b = 0;
    for (int t = 1; t <= 4; ++t) {
        const int side = t <= 2 ? 1 : -1;
        if (row.xLabel(t) == u'x')
            a += side * termValue(row, t);
        else
            b -= side * termValue(row, t);
    }
    const equation::Collected c = equation::collect(row);
    fuzz::check(c.a == a && c.b == b, "collect differs from the re-computation", equation::toText(row));
}

// A row of four terms drawn from the bytes, written through the display rule.
EquationRow drawnRow(fuzz::Bytes& in)
{
    EquationRow row;
    row.pieces[5] = QStringLiteral("=");
    for (int t = 1; t <= 4; ++t) {
        const std::uint8_t b = in.byte();
        if (t % 2 == 0)
            row.pieces[EquationRow::numberIndex(t) - 1] = b & 1 ? QStringLiteral("-") : QStringLiteral("+");
        const int value = static_cast<int>(in.integer<std::int16_t>());
        equation::setValue(row, t, t % 2 == 0 ? std::abs(value) : value);
        equation::setXTerm(row, t, b & 2);
    }
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.byte();
    if (mode & 1) {
        checkCollect(drawnRow(in));
        return 0;
    }

    const equation::Variant variant{static_cast<bool>(mode & 2), static_cast<bool>(mode & 4)};
    const equation::Generated g = equation::generate([&](int n) { return in.byte() % n; }, variant);
    const EquationRow& row = g.row;
    const QString text = equation::toText(row);
    checkCollect(row);

    int xTerms = 0;
    for (int t = 1; t <= 4; ++t) {
        const bool x = equation::isXTerm(row, t);
        xTerms += x;
        const int value = equation::valueOf(row, t);
        fuzz::check(row.number(t) == equation::numberPiece(value, x), "a term breaks the display rule", text);
        fuzz::check(x || value != 0, "a number term shows 0", text);
        if (t % 2 == 0)
            fuzz::check(row.sign(t) == u'+' || row.sign(t) == u'-', "no operator before term 2 or 4", text);
    }
    fuzz::check(xTerms >= 1 && xTerms <= 3, "not one to three x terms", text);

    const equation::Collected c = equation::collect(row);
    fuzz::check(c.a != 0 && c.b % c.a == 0, "the solution is not whole", text);
    const int x = c.b / c.a;
    fuzz::check(x != 0 && x != 1 && x != -1, "the solution is 0, 1 or -1", text);
    fuzz::check(!variant.neverTwo || x != 2, "the solution is 2", text);
    fuzz::check(equation::solution(row) == x, "solution differs from B / A", text);
    return 0;
}
