#include "model/NumberFormat.h"

#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

using namespace tessaro;

TEST(NumberFormat, HalvesGoAwayFromZeroOnTheDecimalForm)
{
    EXPECT_EQ(roundFormat(2.675, "0.00"), 2.68); // binary 2.67499…
    EXPECT_EQ(roundFormat(-2.675, "0.00"), -2.68);
    EXPECT_EQ(roundFormat(999.995, "######0.00"), 1000.0);
    EXPECT_EQ(roundFormat(0.045f, "0.00"), 0.05); // a single rounds on its seven-digit form
    // Seven digits say nothing about the decimals of 12345.678f: its text does.
    EXPECT_EQ(roundFormat(12345.678f, "0.00"), 12345.68);
    EXPECT_FALSE(std::signbit(roundFormat(-0.001, "0.00")));
    EXPECT_EQ(formatNumber(-0.001, "0.00"), "0.00"); // no "-0.00" on a sheet
}

namespace {

// Reference: round the decimal form with `significant` digits half up, on its text.
double decimalFormReference(double value, int decimals, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    std::string text(buf);
    std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::atoi(text.c_str() + e + 1);
    int keep = exponent + 1 + decimals;
    if (keep >= int(digits.size()))
        return value;
    if (keep < 0)
        return 0.0;
    long long mantissa = keep == 0 ? 0 : std::stoll(digits.substr(0, std::size_t(keep)));
    if (digits[std::size_t(keep)] >= '5')
        ++mantissa;
    double scale = std::pow(10.0, decimals);
    return (value < 0 ? -1.0 : 1.0) * (double(mantissa) / scale);
}

} // namespace

TEST(NumberFormat, RoundingAgreesWithTheDecimalFormEverywhere)
{
    // Values of every size, many right at or next to a half of the last kept digit.
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 50000; ++i) {
        int decimals = i % 5;
        double magnitude = std::pow(10.0, int(unit(random) * 9) - 2);
        double value = unit(random) * magnitude;
        if (i % 3 == 0) // a half exactly in decimal terms
            value = (std::floor(value * std::pow(10.0, decimals)) + 0.5) / std::pow(10.0, decimals);
        if (i % 2 == 1)
            value = -value;
        float single = float(value);
        ASSERT_EQ(roundHalfAway(value, decimals), decimalFormReference(value, decimals, 15)) << value;
        ASSERT_EQ(roundHalfAway(single, decimals), decimalFormReference(double(single), decimals, 7)) << single;
        double shown = QString(formatNumber(single, QString("0.") + QString(decimals, '0'))).toDouble();
        ASSERT_EQ(roundFormat(single, QString("0.") + QString(decimals, '0')), shown) << single;
    }
}
