#include "trainer/decimal.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace zenkla {

namespace {

using Wide = __int128;

constexpr std::int64_t unitsMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t unitsMin = std::numeric_limits<std::int64_t>::min();

Decimal saturate(Wide units)
{
    if (units > unitsMax)
        return Decimal::fromUnits(unitsMax);
    if (units < unitsMin)
        return Decimal::fromUnits(unitsMin);
    return Decimal::fromUnits(static_cast<std::int64_t>(units));
}

// n / d rounded to the nearest integer, halves away from zero (d != 0).
Wide divideRounded(Wide n, Wide d)
{
    const bool negative = (n < 0) != (d < 0);
    const Wide an = n < 0 ? -n : n;
    const Wide ad = d < 0 ? -d : d;
    const Wide q = (an + ad / 2) / ad;
    return negative ? -q : q;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

Decimal Decimal::fromDouble(double x)
{
    const double units = std::round(x * static_cast<double>(scale));
    if (!(units < 9.2e18))
        return fromUnits(unitsMax);
    if (!(units > -9.2e18))
        return fromUnits(unitsMin);
    return fromUnits(static_cast<std::int64_t>(units));
}

std::optional<Decimal> Decimal::fromText(QStringView text)
{
    return TypedNumber::read(text).toDecimal();
}

Decimal Decimal::abs() const
{
    return units_ < 0 ? -*this : *this;
}

Decimal Decimal::operator-() const
{
    return saturate(-Wide{units_});
}

Decimal operator+(Decimal x, Decimal y)
{
    return saturate(Wide{x.units_} + Wide{y.units_});
}

Decimal operator-(Decimal x, Decimal y)
{
    return saturate(Wide{x.units_} - Wide{y.units_});
}

Decimal operator*(Decimal x, Decimal y)
{
    // Both factors fit in 64 bits, so their product fits in 128.
    return saturate(divideRounded(Wide{x.units_} * Wide{y.units_}, Decimal::scale));
}

Decimal operator/(Decimal x, Decimal y)
{
    if (y.units_ == 0)
        return Decimal{};
    return saturate(divideRounded(Wide{x.units_} * Decimal::scale, Wide{y.units_}));
}

QString numberText(Decimal x, QChar separator)
{
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude = x.isNegative() ? 0 - static_cast<std::uint64_t>(x.units())
                                                   : static_cast<std::uint64_t>(x.units());
    const std::uint64_t scale = static_cast<std::uint64_t>(Decimal::scale);
    QString text = x.isNegative() ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / scale);
    std::uint64_t fraction = magnitude % scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += separator;
        text += digits;
    }
    return text;
}

QString printForm(Decimal x, QChar separator)
{
    return (x.isNegative() ? QString() : QStringLiteral(" ")) + numberText(x, separator) + QStringLiteral(" ");
}

QChar systemSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QString numberText(Decimal x)
{
    return numberText(x, systemSeparator());
}

TypedNumber TypedNumber::read(QStringView text)
{
    TypedNumber n;
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == u'-') {
        negative = true;
        ++i;
    }
    const qsizetype wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    QStringView whole = text.mid(wholeStart, i - wholeStart);
    QStringView fraction;
    if (i + 1 < text.size() && text[i] == u'.' && isDigit(text[i + 1])) {
        const qsizetype fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        fraction = text.mid(fractionStart, i - fractionStart);
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return n; // no number: 0

    while (!whole.isEmpty() && whole.front() == u'0')
        whole = whole.mid(1);
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    n.whole_ = whole.toString();
    n.fraction_ = fraction.toString();
    n.negative_ = negative && !(n.whole_.isEmpty() && n.fraction_.isEmpty());
    return n;
}

std::optional<Decimal> TypedNumber::toDecimal() const
{
    if (fraction_.size() > 4 || whole_.size() > 14)
        return std::nullopt;
    std::int64_t units = 0;
    for (const QChar c : whole_)
        units = units * 10 + (c.unicode() - u'0');
    for (qsizetype k = 0; k < 4; ++k)
        units = units * 10 + (k < fraction_.size() ? fraction_[k].unicode() - u'0' : 0);
    return Decimal::fromUnits(negative_ ? -units : units);
}

bool TypedNumber::equals(Decimal x) const
{
    const std::optional<Decimal> value = toDecimal();
    return value && *value == x;
}

QString TypedNumber::text(QChar separator) const
{
    QString t = negative_ ? QStringLiteral("-") : QString();
    t += whole_.isEmpty() ? QStringLiteral("0") : whole_;
    if (!fraction_.isEmpty()) {
        t += separator;
        t += fraction_;
    }
    return t;
}

QString printForm(const TypedNumber& x, QChar separator)
{
    return (x.isNegative() ? QString() : QStringLiteral(" ")) + x.text(separator) + QStringLiteral(" ");
}

} // namespace zenkla
