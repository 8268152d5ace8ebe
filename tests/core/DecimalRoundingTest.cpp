#include "core/DecimalRounding.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace vitrano {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double Largest = std::numeric_limits<double>::max();

struct TRoundCase {
    double Value;
    int Decimals;
    double Expected;
};

std::string Describe(double value, int decimals) {
    return std::to_string(decimals) + " places of " + QString::number(value, 'g', 17).toStdString();
}

TEST(RoundToDecimals, RoundsHalvesAwayFromZeroAtFifteenDigits) {
    const std::vector<TRoundCase> cases = {
        {1.23456, 4, 1.2346},
        {-1.23455, 4, -1.2346},
        {0.00005, 4, 0.0001},
        {0.00004999, 4, 0.0},
        {-10.5, 0, -11.0},
        {-10.4, 0, -10.0},
        {10.5, 0, 11.0},
        {0.5, 0, 1.0},
        {0.3675, 2, 0.37},
        // Just below the half in binary, exactly the half at 15 digits.
        {1.005, 2, 1.01},
        {2.675, 2, 2.68},
        {-2.675, 2, -2.68},
        {999999.995, 2, 1000000.0},
        {0.49999999999999994, 0, 1.0},
        {9.9999, 2, 10.0},
        {0.1 + 0.2, 15, 0.3},
        {1.0 / 3.0, 15, 0.333333333333333},
        {2.0 / 3.0, 4, 0.6667},
        {123.456, 0, 123.0},
        {0.0, 4, 0.0},
        {5e-324, 15, 0.0},
        {1e20, 0, 1e20},
        {1e20, 15, 1e20},
        {123456789012345678.0, 2, 123456789012346000.0},
        {-1e300, 3, -1e300},
        {Largest, 2, Largest},
        {Infinity, 2, Infinity},
        {-Infinity, 0, -Infinity},
    };
    for (const TRoundCase& c : cases) {
        SCOPED_TRACE(Describe(c.Value, c.Decimals));
        EXPECT_EQ(RoundToDecimals(c.Value, c.Decimals), c.Expected);
    }
}

TEST(RoundToDecimals, ZeroResultIsPositiveZero) {
    for (double value : {-0.0, -0.004, -0.00004999}) {
        SCOPED_TRACE(value);
        const double rounded = RoundToDecimals(value, 2);
        EXPECT_EQ(rounded, 0.0);
        EXPECT_FALSE(std::signbit(rounded));
    }
}

TEST(RoundToDecimals, NotANumberStaysNotANumber) {
    EXPECT_TRUE(std::isnan(RoundToDecimals(std::numeric_limits<double>::quiet_NaN(), 2)));
}

TEST(RoundToDecimals, DecimalsOutsideTheRangeAreClamped) {
    EXPECT_EQ(RoundToDecimals(2.5, -3), 3.0);
    EXPECT_EQ(RoundToDecimals(0.1 + 0.2, 40), 0.3);
}

struct TFormatCase {
    double Value;
    int Decimals;
    QChar Separator;
    QString Expected;
};

TEST(FormatFixed, WritesTheRoundedValueWithExactlyTheGivenPlaces) {
    const QChar dot(u'.');
    const QChar comma(u',');
    const std::vector<TFormatCase> cases = {
        {1.23456, 4, dot, "1.2346"},
        {-0.001, 2, dot, "0.00"},
        {-0.0, 2, dot, "0.00"},
        {-0.005, 2, dot, "-0.01"},
        {1234.5, 2, comma, "1234,50"},
        {-1.5, 3, comma, "-1,500"},
        {9.9999, 2, dot, "10.00"},
        {1234567.891, 2, dot, "1234567.89"},
        {0.000123, 4, dot, "0.0001"},
        {0.05, 1, dot, "0.1"},
        {2.675, 2, dot, "2.68"},
        {12.5, 0, dot, "13"},
        {-12.5, 0, dot, "-13"},
        {0.0, 0, dot, "0"},
        {0.3, 15, dot, "0.300000000000000"},
        {1e20, 2, dot, "100000000000000000000.00"},
        {123456789012345678.0, 0, dot, "123456789012346000"},
        {std::numeric_limits<double>::quiet_NaN(), 2, dot, "NAN"},
        {Infinity, 2, dot, "INF"},
        {-Infinity, 2, dot, "-INF"},
    };
    for (const TFormatCase& c : cases) {
        SCOPED_TRACE(Describe(c.Value, c.Decimals));
        EXPECT_EQ(FormatFixed(c.Value, c.Decimals, c.Separator), c.Expected);
    }
}

TEST(FormatFixed, ReadsBackAsTheRoundedValue) {
    const std::vector<double> values = {0.0,  1.005, -2.675,  0.3675,    123.456789, -9.9995,
                                        1e-7, 1e15,  4.35e-3, 1.0 / 7.0, -0.0004,    98765.4321};
    for (double value : values) {
        for (int decimals = 0; decimals <= 15; ++decimals) {
            SCOPED_TRACE(Describe(value, decimals));
            bool ok = false;
            const double readBack = FormatFixed(value, decimals).toDouble(&ok);
            ASSERT_TRUE(ok);
            EXPECT_EQ(readBack, RoundToDecimals(value, decimals));
        }
    }
}

} // namespace
} // namespace vitrano
