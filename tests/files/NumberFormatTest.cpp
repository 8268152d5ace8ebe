#include "files/NumberFormat.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

TEST(FloatToText, GeneralFormatWithTheGivenSeparator) {
    struct Case {
        double value;
        const char* point;
        const char* comma;
    };
    const Case cases[] = {
        {0.0, "0", "0"},
        {-0.0, "0", "0"},
        {1.3, "1.3", "1,3"},
        {0.058, "0.058", "0,058"},
        {-2.5, "-2.5", "-2,5"},
        {4.19, "4.19", "4,19"},
        {100.0, "100", "100"},
        {1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3.0, "0.666666666666667", "0,666666666666667"},
        {0.1 + 0.2, "0.3", "0,3"},
        {0.00001, "0.00001", "0,00001"},
        {0.0000099, "9.9E-6", "9,9E-6"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15", "1,23456789012346E15"},
        {3.0e20, "3E20", "3E20"},
        {-1.5e-7, "-1.5E-7", "-1,5E-7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(FloatToText(c.value, TNumberFormat::Point()), QString::fromLatin1(c.point));
        EXPECT_EQ(FloatToText(c.value, TNumberFormat::Comma()), QString::fromLatin1(c.comma));
    }
}

TEST(FloatText, FifteenDigitValuesReadBackExactly) {
    for (double value : {1.3, 0.058, 1.23456789012345, -123456.75, 1.5e-7, 3e20, 0.1, 4.19}) {
        for (const TNumberFormat& format : {TNumberFormat::Point(), TNumberFormat::Comma()}) {
            EXPECT_EQ(TextToFloat(FloatToText(value, format), format), value);
        }
    }
}

TEST(TextToFloat, AcceptsPlainRealsAndRefusesEverythingElse) {
    struct Case {
        const char* text;
        bool valid;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5},    {" 2.25 ", true, 2.25},   {"-0.5", true, -0.5},
        {"+3", true, 3.0},     {".5", true, 0.5},        {"5.", true, 5.0},
        {"1E3", true, 1000.0}, {"1.5e-3", true, 0.0015}, {"2E+2", true, 200.0},
        {"", false, 0},        {"abc", false, 0},        {"1,5", false, 0},
        {"1.000.5", false, 0}, {"1.5.", false, 0},       {"nan", false, 0},
        {"inf", false, 0},     {"-INF", false, 0},       {"0x1p3", false, 0},
        {"1e", false, 0},      {"1e400", false, 0},      {"1 2", false, 0},
        {".", false, 0},       {"-", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        if (c.valid) {
            EXPECT_EQ(TextToFloat(text, TNumberFormat::Point()), c.value);
        } else {
            EXPECT_THROW(TextToFloat(text, TNumberFormat::Point()), EConvertError);
        }
    }
    EXPECT_EQ(TextToFloat(QStringLiteral("1,5"), TNumberFormat::Comma()), 1.5);
    EXPECT_THROW(TextToFloat(QStringLiteral("1.5"), TNumberFormat::Comma()), EConvertError);
}

TEST(TextToInt, DecimalThirtyTwoBitIntegersOnly) {
    EXPECT_EQ(TextToInt(QStringLiteral("42")), 42);
    EXPECT_EQ(TextToInt(QStringLiteral(" -7 ")), -7);
    EXPECT_EQ(TextToInt(QStringLiteral("2147483647")), 2147483647);
    for (const char* bad : {"", "1.5", "abc", "2147483648", "-2147483649", "12a", "1 2"}) {
        EXPECT_THROW(TextToInt(QString::fromLatin1(bad)), EConvertError) << bad;
    }
}

TEST(TextToBool, TrueAndFalseInAnyCase) {
    EXPECT_TRUE(TextToBool(QStringLiteral("True")));
    EXPECT_TRUE(TextToBool(QStringLiteral("TRUE")));
    EXPECT_FALSE(TextToBool(QStringLiteral("false")));
    EXPECT_THROW(TextToBool(QStringLiteral("1")), EConvertError);
    EXPECT_THROW(TextToBool(QStringLiteral("")), EConvertError);
}

} // namespace
} // namespace vitrano
