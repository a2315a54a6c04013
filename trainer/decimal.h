#pragma once
// Zenkla's numbers: a 64-bit fixed-point decimal with four decimal places (the operands a, b
// and every result), its standard number text, and the typed number read from the answer box.
#include <QChar>
#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace zenkla {

// A signed decimal with exactly four decimal places, held as a count of ten-thousandths.
// Sums, differences and products of numbers with up to two decimals are exact, and so is every
// quotient that comes out with at most four decimals. Results beyond the 64-bit range saturate
// at its ends; a quotient by zero is 0 (neither occurs in a drawn problem).
class Decimal {
public:
    static constexpr std::int64_t scale = 10000;

    constexpr Decimal() = default;
    constexpr Decimal(int whole) : units_(std::int64_t{whole} * scale) {}
    static constexpr Decimal fromUnits(std::int64_t units)
    {
        Decimal d;
        d.units_ = units;
        return d;
    }
    // The nearest decimal of four places to x (halves away from zero).
    static Decimal fromDouble(double x);
    // A number written with "." (test and table helper): the longest leading number, as the
    // answer box is read; nullopt when it needs more than four decimals or is out of range.
    static std::optional<Decimal> fromText(QStringView text);

    constexpr std::int64_t units() const { return units_; }
    constexpr bool isNegative() const { return units_ < 0; }
    Decimal abs() const;

    friend Decimal operator+(Decimal x, Decimal y);
    friend Decimal operator-(Decimal x, Decimal y);
    friend Decimal operator*(Decimal x, Decimal y);
    friend Decimal operator/(Decimal x, Decimal y);
    Decimal operator-() const;

    friend constexpr bool operator==(Decimal, Decimal) = default;
    friend constexpr std::strong_ordering operator<=>(Decimal x, Decimal y) { return x.units_ <=> y.units_; }

private:
    std::int64_t units_ = 0;
};

// The standard number text: "-" before negative values, no "+", no grouping, no trailing zeros
// after the separator and no separator for whole values (7.0 is "7", 2.50 is "2,5" with ',').
QString numberText(Decimal x, QChar separator);
// The same with the decimal separator of the user's regional settings (QLocale::system()).
QString numberText(Decimal x);
// The separator of the user's regional settings: ',' under Lithuanian settings.
QChar systemSeparator();

// The print form of a number in the results table and the results file: a blank, or "-" when
// negative, the standard number text of the magnitude, a blank (" 7 ", "-2,5 ").
QString printForm(Decimal x, QChar separator);

// The number typed into the answer box, read exactly, however long: the longest leading part
// of the text that forms a number (an optional "-", digits, at most one "." with digits).
// Text without such a part reads as 0: "5-" is 5, "1.2.3" is 1.2, a lone "-" is 0.
class TypedNumber {
public:
    static TypedNumber read(QStringView text);

    bool isNegative() const { return negative_; }
    // Digits without leading zeros ("" for a zero whole part) and without trailing zeros.
    const QString& wholeDigits() const { return whole_; }
    const QString& fractionDigits() const { return fraction_; }
    // Exact numeric equality: 2.50001 is not 2.5; thirty digits equal no Decimal.
    bool equals(Decimal x) const;
    // The value when it is a Decimal (at most four decimals, within range).
    std::optional<Decimal> toDecimal() const;
    // The standard number text of the typed value (any length).
    QString text(QChar separator) const;

private:
    bool negative_ = false;
    QString whole_;
    QString fraction_;
};

// The print form of a typed number (any length).
QString printForm(const TypedNumber& x, QChar separator);

} // namespace zenkla
