// Zenkla's reading of a typed number, against a plain re-reading: the longest leading
// "-digits.digits", the value exact however long, its text and its Decimal.
#include "fuzz/fuzz.h"
#include "trainer/decimal.h"

using zenkla::Decimal;
using zenkla::TypedNumber;

namespace {

bool digit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

struct Reference {
    bool negative = false;
    QString whole;    // no leading zeros
    QString fraction; // no trailing zeros
};

Reference reread(const QString& t)
{
    Reference r;
    qsizetype i = 0;
    const bool minus = !t.isEmpty() && t[0] == u'-';
    if (minus)
        i = 1;
    QString whole;
    while (i < t.size() && digit(t[i]))
        whole += t[i++];
    QString fraction;
    if (i + 1 < t.size() && t[i] == u'.' && digit(t[i + 1])) {
        ++i;
        while (i < t.size() && digit(t[i]))
            fraction += t[i++];
    }
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    r.whole = whole;
    r.fraction = fraction;
    r.negative = minus && !(whole.isEmpty() && fraction.isEmpty());
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.byte();
    const QByteArray raw = in.rest();
    // Mostly the characters of the answer box, sometimes any text at all.
    QString text;
    if (mode & 1) {
        text = QString::fromUtf8(raw);
    } else {
        static const char16_t alphabet[] = u"0123456789.-0.-,+ e";
        for (const char c : raw)
            text += QChar(alphabet[static_cast<unsigned char>(c) % 19]);
    }

    const TypedNumber n = TypedNumber::read(text);
    const Reference r = reread(text);
    fuzz::check(n.isNegative() == r.negative && n.wholeDigits() == r.whole && n.fractionDigits() == r.fraction,
                "read differs from the re-reading", text);

    // The text of the value reads back to the same value.
    const QString canonical = n.text(u'.');
    const TypedNumber again = TypedNumber::read(canonical);
    fuzz::check(again.text(u'.') == canonical && again.isNegative() == n.isNegative(), "text does not read back",
                canonical);
    fuzz::check(n.text(u',') == QString(canonical).replace(u'.', u','), "separator", canonical);
    fuzz::check(printForm(n, u'.') == (n.isNegative() ? QString() : QStringLiteral(" ")) + canonical + u' ',
                "print form", canonical);

    const std::optional<Decimal> value = n.toDecimal();
    const bool fits = r.fraction.size() <= 4 && r.whole.size() <= 14;
    fuzz::check(value.has_value() == fits, "toDecimal range", canonical);
    fuzz::check(Decimal::fromText(text) == value, "fromText", text);
    if (value) {
        // The exact value in ten-thousandths, from the digits.
        __int128 units = 0;
        for (const QChar c : r.whole)
            units = units * 10 + (c.unicode() - u'0');
        for (int k = 0; k < 4; ++k)
            units = units * 10 + (k < r.fraction.size() ? r.fraction[k].unicode() - u'0' : 0);
        if (r.negative)
            units = -units;
        fuzz::check(value->units() == units, "value", canonical);
        fuzz::check(numberText(*value, u'.') == canonical, "number text of the value", canonical);
        fuzz::check(n.equals(*value), "equals its value", canonical);
        fuzz::check(!n.equals(Decimal::fromUnits(value->units() + 1)) &&
                        !n.equals(Decimal::fromUnits(value->units() - 1)),
                    "equals a neighbour", canonical);
    } else {
        // Too many digits: equal to no Decimal.
        for (const std::int64_t u : {std::int64_t{0}, std::int64_t{1}, INT64_MAX, INT64_MIN})
            fuzz::check(!n.equals(Decimal::fromUnits(u)), "a long number equals a Decimal", canonical);
    }
    return 0;
}
