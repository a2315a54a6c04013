// Zenkla's fixed-point decimal, its number texts and the reading of the typed number.
#include "trainer/decimal.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

using zenkla::Decimal;
using zenkla::TypedNumber;

namespace {

Decimal dec(const char* text)
{
    const auto d = Decimal::fromText(QString::fromLatin1(text));
    EXPECT_TRUE(d.has_value()) << text;
    return d.value_or(Decimal{});
}

std::string text(Decimal x, char separator = '.')
{
    return zenkla::numberText(x, QChar::fromLatin1(separator)).toStdString();
}

bool lithuanianRun()
{
    const char* all = std::getenv("LC_ALL");
    return all && std::string(all).starts_with("lt_LT");
}

} // namespace

TEST(Decimal, HoldsFourDecimalPlaces)
{
    EXPECT_EQ(Decimal{7}.units(), 70000);
    EXPECT_EQ(dec("2.5").units(), 25000);
    EXPECT_EQ(dec("-0.0001").units(), -1);
    EXPECT_EQ(Decimal::fromDouble(1.23456).units(), 12346);
    EXPECT_EQ(Decimal::fromDouble(-1.00005).units(), -10001);
}

TEST(Decimal, ArithmeticIsExact)
{
    EXPECT_EQ(dec("0.1") + dec("0.2"), dec("0.3"));
    EXPECT_EQ(dec("-3") + Decimal{5}, Decimal{2});
    EXPECT_EQ(Decimal{2} - dec("-4"), Decimal{6});
    EXPECT_EQ(dec("12.34") * dec("-56.78"), dec("-700.6652"));
    EXPECT_EQ(dec("-99.99") * dec("-99.99"), dec("9998.0001"));
    EXPECT_EQ(dec("-700.6652") / dec("-56.78"), dec("12.34"));
    EXPECT_EQ(Decimal{15} / Decimal{-5}, Decimal{-3});
    EXPECT_EQ(-Decimal{3}, Decimal{-3});
    EXPECT_EQ(dec("-2.5").abs(), dec("2.5"));
    EXPECT_LT(dec("-2.5"), dec("2.4"));
}

TEST(Decimal, EveryProductOfTwoDecimalOperandsIsExactAndDividesBack)
{
    for (int x = -10100; x <= 10100; x += 97)
        for (int y = 100; y <= 10100; y += 89) {
            const Decimal a = Decimal::fromUnits(std::int64_t{x} * 100);
            const Decimal b = Decimal::fromUnits(std::int64_t{y} * 100);
            const Decimal p = a * b;
            ASSERT_EQ(p.units(), std::int64_t{x} * y) << x << " " << y;
            ASSERT_EQ(p / b, a);
            ASSERT_EQ((p + b) - b, p);
        }
}

TEST(Decimal, NeverOverflowsOrTrapsAtItsEnds)
{
    const Decimal max = Decimal::fromUnits(std::numeric_limits<std::int64_t>::max());
    const Decimal min = Decimal::fromUnits(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(max + Decimal{1}, max);
    EXPECT_EQ(min - Decimal{1}, min);
    EXPECT_EQ(max * Decimal{100}, max);
    EXPECT_EQ(-min, max);
    EXPECT_EQ(Decimal{5} / Decimal{}, Decimal{});
    EXPECT_EQ(text(min), "-922337203685477.5808");
}

TEST(NumberText, IsTheShortestDecimalForm)
{
    EXPECT_EQ(text(Decimal{7}), "7");
    EXPECT_EQ(text(dec("7.0")), "7");
    EXPECT_EQ(text(dec("2.50"), ','), "2,5");
    EXPECT_EQ(text(dec("-2.50"), ','), "-2,5");
    EXPECT_EQ(text(dec("-0.05")), "-0.05");
    EXPECT_EQ(text(dec("100.01")), "100.01");
    EXPECT_EQ(text(dec("-700.6652")), "-700.6652");
    EXPECT_EQ(text(Decimal{}), "0");
    EXPECT_EQ(text(Decimal{-15}), "-15");
    EXPECT_EQ(text(Decimal{1000000}), "1000000"); // no grouping
}

TEST(NumberText, UsesTheSeparatorOfTheRegionalSettings)
{
    const QString point = QLocale::system().decimalPoint();
    EXPECT_EQ(zenkla::numberText(dec("2.5")), QStringLiteral("2") + point + QStringLiteral("5"));
    if (lithuanianRun()) {
        EXPECT_EQ(zenkla::systemSeparator(), QChar(u','));
        EXPECT_EQ(zenkla::numberText(dec("2.50")).toStdString(), "2,5");
        EXPECT_EQ(zenkla::numberText(dec("-0.25")).toStdString(), "-0,25");
    }
    EXPECT_EQ(zenkla::numberText(Decimal{7}).toStdString(), "7");
}

struct ReadCase {
    const char* typed;
    const char* value; // standard text with "."
};

class TypedNumberRead : public testing::TestWithParam<ReadCase> {};

TEST_P(TypedNumberRead, TakesTheLongestLeadingNumber)
{
    const ReadCase c = GetParam();
    EXPECT_EQ(TypedNumber::read(QString::fromLatin1(c.typed)).text(u'.').toStdString(), c.value) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedNumberRead,
                         testing::Values(ReadCase{"5", "5"}, ReadCase{"5-", "5"}, ReadCase{"1.2.3", "1.2"},
                                         ReadCase{"-", "0"}, ReadCase{"", "0"}, ReadCase{".", "0"},
                                         ReadCase{"--5", "0"}, ReadCase{"-7", "-7"}, ReadCase{"-0", "0"},
                                         ReadCase{"-0.000", "0"}, ReadCase{"007.50", "7.5"}, ReadCase{".5", "0.5"},
                                         ReadCase{"-.5", "-0.5"}, ReadCase{"5.", "5"}, ReadCase{"5.-3", "5"},
                                         ReadCase{"12-3", "12"}, ReadCase{"2.50001", "2.50001"},
                                         ReadCase{"123456789012345678901234567890", "123456789012345678901234567890"}));

TEST(TypedNumber, IsComparedExactly)
{
    EXPECT_TRUE(TypedNumber::read(u"2.5").equals(dec("2.5")));
    EXPECT_TRUE(TypedNumber::read(u"2.50").equals(dec("2.5")));
    EXPECT_TRUE(TypedNumber::read(u"02.5000").equals(dec("2.5")));
    EXPECT_FALSE(TypedNumber::read(u"2.50001").equals(dec("2.5")));
    EXPECT_FALSE(TypedNumber::read(u"2.49999").equals(dec("2.5")));
    EXPECT_TRUE(TypedNumber::read(u"-0").equals(Decimal{}));
    EXPECT_TRUE(TypedNumber::read(u"-").equals(Decimal{}));
    EXPECT_TRUE(TypedNumber::read(u"-700.6652").equals(dec("-700.6652")));
    EXPECT_FALSE(TypedNumber::read(u"700.6652").equals(dec("-700.6652")));
}

TEST(TypedNumber, ThirtyDigitsAreSimplyAnotherNumber)
{
    const TypedNumber n = TypedNumber::read(u"999999999999999999999999999999");
    EXPECT_FALSE(n.toDecimal().has_value());
    EXPECT_FALSE(n.equals(Decimal::fromUnits(std::numeric_limits<std::int64_t>::max())));
    EXPECT_FALSE(n.equals(Decimal{}));
    const TypedNumber m = TypedNumber::read(u"-0.000000000000000000000000000001");
    EXPECT_FALSE(m.equals(Decimal{}));
    EXPECT_TRUE(m.isNegative());
}

// The print form of the results table: a blank or "-", the number, a blank; a typed "-0" is
// not negative, and a typed number keeps all its digits.
TEST(PrintForm, IsSignOrBlankThenNumberThenBlank)
{
    struct Case {
        const char* value;
        const char* printed;
    };
    for (const Case c : {Case{"7", " 7 "}, Case{"-2.50", "-2,5 "}, Case{"0", " 0 "}, Case{"-9998.0001", "-9998,0001 "},
                         Case{"10", " 10 "}}) {
        EXPECT_EQ(zenkla::printForm(dec(c.value), u',').toStdString(), c.printed) << c.value;
        EXPECT_EQ(zenkla::printForm(TypedNumber::read(QString::fromLatin1(c.value)), u',').toStdString(), c.printed)
            << c.value;
    }
    EXPECT_EQ(zenkla::printForm(TypedNumber::read(u"-0"), u',').toStdString(), " 0 ");
    EXPECT_EQ(zenkla::printForm(TypedNumber::read(u"-000123456789012345678901234567890.50"), u'.').toStdString(),
              "-123456789012345678901234567890.5 ");
}
