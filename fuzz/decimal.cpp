// Zenkla's decimal arithmetic against exact 128-bit integer arithmetic: sums and differences
// exact, products and quotients rounded to the nearest ten-thousandth (halves away from
// zero), everything saturating at the 64-bit ends; the number text reads back.
#include "fuzz/fuzz.h"
#include "trainer/decimal.h"

#include <limits>

using zenkla::Decimal;
using zenkla::TypedNumber;
using Wide = __int128;

namespace {

constexpr Wide lo = std::numeric_limits<std::int64_t>::min();
constexpr Wide hi = std::numeric_limits<std::int64_t>::max();

Wide clamp(Wide v)
{
    return v < lo ? lo : v > hi ? hi : v;
}

// n / d to the nearest integer, halves away from zero, by floor division and the remainder.
Wide nearest(Wide n, Wide d)
{
    if (d < 0) {
        n = -n;
        d = -d;
    }
    Wide q = n / d;
    Wide r = n % d;
    if (r < 0) { // make it floor division: 0 <= r < d
        q -= 1;
        r += d;
    }
    if (2 * r > d || (2 * r == d && n > 0))
        q += 1;
    return q;
}

QString wideText(Wide v)
{
    if (v == 0)
        return QStringLiteral("0");
    const bool negative = v < 0;
    QString digits;
    while (v != 0) {
        const int d = static_cast<int>(v % 10);
        digits.prepend(QChar(u'0' + (d < 0 ? -d : d)));
        v /= 10;
    }
    return negative ? u'-' + digits : digits;
}

// The standard number text, written out from the units.
QString referenceText(std::int64_t units)
{
    const Wide u = units;
    const Wide magnitude = u < 0 ? -u : u;
    QString t = (u < 0 ? QStringLiteral("-") : QString()) + wideText(magnitude / 10000);
    QString fraction = wideText(magnitude % 10000).rightJustified(4, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return fraction.isEmpty() ? t : t + u'.' + fraction;
}

QString pair(std::int64_t x, std::int64_t y)
{
    return QString::number(x) + u' ' + QString::number(y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const std::uint8_t shape = in.byte();
    auto operand = [&](int bits) {
        const std::int64_t raw = in.integer<std::int64_t>();
        // Small operands (the drawn problems' range) as often as any 64-bit pattern.
        switch (bits & 3) {
        case 0:
            return raw;
        case 1:
            return raw % 2'000'000; // up to ±200
        case 2:
            return (raw % 20'000) / 100 * 100; // up to ±2 with two decimals
        default:
            return raw % 100'000'000'000'000; // up to ±10^10
        }
    };
    const std::int64_t xu = operand(shape);
    const std::int64_t yu = operand(shape >> 2);
    const Decimal x = Decimal::fromUnits(xu);
    const Decimal y = Decimal::fromUnits(yu);
    const Wide X = xu;
    const Wide Y = yu;

    fuzz::check((x + y).units() == clamp(X + Y), "sum", pair(xu, yu));
    fuzz::check((x - y).units() == clamp(X - Y), "difference", pair(xu, yu));
    fuzz::check((-x).units() == clamp(-X), "negation", pair(xu, yu));
    fuzz::check(x.abs().units() == clamp(X < 0 ? -X : X), "abs", pair(xu, yu));
    fuzz::check((x * y).units() == clamp(nearest(X * Y, 10000)), "product", pair(xu, yu));
    fuzz::check((x / y).units() == (yu == 0 ? 0 : clamp(nearest(X * 10000, Y))), "quotient", pair(xu, yu));
    fuzz::check((x < y) == (xu < yu) && (x == y) == (xu == yu), "order", pair(xu, yu));

    // The number text, and back through the reading of a typed answer (up to 14 whole digits).
    const QString text = numberText(x, u'.');
    fuzz::check(text == referenceText(xu), "number text", text);
    fuzz::check(numberText(x, u',') == QString(text).replace(u'.', u','), "separator", text);
    fuzz::check(printForm(x, u'.') == (xu < 0 ? QString() : QStringLiteral(" ")) + text + u' ', "print form", text);
    const TypedNumber typed = TypedNumber::read(text);
    const bool fits = (X < 0 ? -X : X) / 10000 < Wide{100'000'000'000'000};
    fuzz::check(typed.toDecimal() == (fits ? std::optional<Decimal>(x) : std::nullopt), "text reads back", text);
    fuzz::check(typed.equals(x) == fits, "typed text equals", text);
    return 0;
}
