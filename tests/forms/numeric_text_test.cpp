#include "NumberText.h"
#include "NumericText.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

struct Reading {
    const char* text;
    double value;
};

void expectReadings(std::initializer_list<Reading> cases)
{
    for (const Reading& c : cases)
        EXPECT_EQ(forms::numericValue(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(NumericText, PlainNumbers)
{
    expectReadings({{"0", 0}, {"5", 5}, {"2.5", 2.5}, {"123", 123}, {"007", 7}, {"4.99", 4.99}, {"0.1", 0.1}});
}

TEST(NumericText, BlanksTabsAndLineFeedsAreIgnoredAnywhere)
{
    expectReadings({{" 2.5", 2.5}, {"2.5 ", 2.5}, {"2 .5", 2.5}, {"1 2 3", 123}, {"\t1\n2", 12}, {"- 3", -3},
                    {"1 e 2", 100}, {"& H F F", 255}, {"   ", 0}, {"\n", 0}});
    // Only those three: any other character ends the number, or starts a text without one.
    expectReadings({{"\r5", 0}, {"5\r5", 5}, {"\u00A05", 0}});
}

TEST(NumericText, OneOptionalSign)
{
    expectReadings({{"+3", 3}, {"-3", -3}, {"-2.5", -2.5}, {"--3", 0}, {"+-3", 0}, {"-", 0}, {"3-", 3}, {"3+4", 3}});
}

TEST(NumericText, AtMostOnePeriod)
{
    expectReadings({{".5", 0.5}, {"5.", 5}, {"-.5", -0.5}, {"1.2.3", 1.2}, {".", 0}, {"..5", 0}, {"-.", 0}});
}

TEST(NumericText, ExponentWithOptionalSignAndDigits)
{
    expectReadings({{"1E2", 100}, {"1e2", 100}, {"1E+2", 100}, {"2.5E-1", 0.25}, {"1.E1", 10}, {".5e1", 5},
                    {"1E2.5", 100}, {"1E2E3", 100}});
    // An E without digits after it is not part of the number.
    expectReadings({{"1E", 1}, {"1E+", 1}, {"1E-x", 1}, {"E2", 0}, {".E2", 0}});
}

TEST(NumericText, HexadecimalAndOctalIntegers)
{
    expectReadings({{"&HFF", 255}, {"&hff", 255}, {"&H1a", 26}, {"&H0", 0}, {"&H", 0}, {"&HG", 0}, {"&H1G", 1},
                    {"&HFFFF", 65535}, {"&H10.5", 16}});
    expectReadings({{"&O17", 15}, {"&o17", 15}, {"&O178", 15}, {"&O8", 0}, {"&O", 0}});
    // The prefix opens the text; a sign before it, or another letter after the &, is no number.
    expectReadings({{"-&H10", 0}, {"&X1", 0}, {"&", 0}, {"1&H10", 1}});
}

TEST(NumericText, CommaEndsTheNumber)
{
    expectReadings({{"1,5", 1}, {"1,000", 1}, {",5", 0}, {"-2,5", -2}});
}

TEST(NumericText, TextWithoutANumberReadsZero)
{
    expectReadings({{"", 0}, {"abc", 0}, {"V5", 0}, {"3abc", 3}, {"5V", 5}, {"1/2", 1}, {"\u0665", 0}});
}

TEST(NumericText, TooLargeForADoubleReadsAsInfinityOfItsSign)
{
    expectReadings({{"1e999", Infinity}, {"-1e999", -Infinity}, {"1E99999999999999999999", Infinity},
                    {"1e-999", 0}, {"0e99999", 0}, {"1.8e308", Infinity}});
    EXPECT_EQ(forms::numericValue(QString(400, u'9')), Infinity);
    EXPECT_EQ(forms::numericValue("&H" + QString(300, u'F')), Infinity);
    EXPECT_EQ(forms::numericValue("1" + QString(300, u'0')), 1e300);
}

// Run under the tests' German locale, as a program takes it from the environment.
TEST(GermanLocale, TypedNumbersReadAPeriodOnly)
{
    ASSERT_TRUE(std::setlocale(LC_NUMERIC, ""));
    std::string separator = std::localeconv()->decimal_point;
    double period = forms::numericValue("2.5");
    double comma = forms::numericValue("2,5");
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_EQ(separator, ",") << "not run under LC_ALL=de_DE.UTF-8 with the tests' locales (LOCPATH)";
    EXPECT_EQ(period, 2.5);
    EXPECT_EQ(comma, 2);
}

TEST(GermanLocale, AShownNumberReadsBackWithTheLocalesComma)
{
    // The test main pins American English; the user's locale here is German.
    QLocale::setDefault(QLocale::system());
    const QString shown = forms::numberText(2.50980392156863);
    const double back = forms::shownNumber(shown), negative = forms::shownNumber(forms::numberText(-0.5));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_EQ(shown, "2,50980392156863") << "not run under LC_ALL=de_DE.UTF-8";
    EXPECT_EQ(back, 2.50980392156863);
    EXPECT_EQ(negative, -0.5);
    EXPECT_TRUE(std::isnan(forms::shownNumber(QStringLiteral(" "))));  // a box before its first reading
}

TEST(RoundHalfToEven, HalfwayGoesToTheEvenNeighbour)
{
    struct Case {
        double value, rounded;
    } cases[] = {{25.5, 26},  {76.5, 76},   {127.5, 128}, {178.5, 178}, {229.5, 230}, {0.5, 0},  {1.5, 2},
                 {-2.5, -2},  {-3.5, -4},   {0.4, 0},     {0.6, 1},     {254.49, 254}, {254.51, 255}, {255, 255},
                 {0, 0},      {-0.4, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(forms::roundHalfToEven(c.value), c.rounded) << c.value;
}

} // namespace
