#include "model/NumberFormat.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(NumberFormat, HalvesGoAwayFromZeroOnTheDecimalForm)
{
    EXPECT_EQ(roundFormat(2.675, "0.00"), 2.68); // binary 2.67499…
    EXPECT_EQ(roundFormat(-2.675, "0.00"), -2.68);
    EXPECT_EQ(roundFormat(12.3456, "0.00"), 12.35);
    EXPECT_EQ(roundFormat(187.5, "0"), 188);
    EXPECT_EQ(roundFormat(0.125, "#####0.00"), 0.13);
    EXPECT_EQ(roundFormat(1.00005, "0.0000"), 1.0001);
    EXPECT_EQ(roundFormat(0.0049, "0.00"), 0.0);
    EXPECT_EQ(roundFormat(999.995, "######0.00"), 1000.0);
}

TEST(NumberFormat, SinglesRoundOnTheirSevenDigitForm)
{
    EXPECT_EQ(roundFormat(2.675f, "0.00"), 2.68);
    EXPECT_EQ(roundFormat(0.045f, "0.00"), 0.05);
}

TEST(NumberFormat, PatternsGiveDecimalsAndIntegerDigits)
{
    EXPECT_EQ(formatNumber(5.0, "0.00"), "5.00");
    EXPECT_EQ(formatNumber(0.5, "###0.00"), "0.50");
    EXPECT_EQ(formatNumber(1234.5, "#####0.00"), "1234.50");
    EXPECT_EQ(formatNumber(3.0, "#0"), "3");
    EXPECT_EQ(formatNumber(-0.001, "0.00"), "0.00");
    EXPECT_EQ(formatNumber(-1.5, "0.0"), "-1.5");
    EXPECT_EQ(formatNumber(5479.0 / 1000, "0.000"), "5.479");
}

TEST(NumberFormat, EvenHalvesAndCutsAreTheirOwnHelpers)
{
    EXPECT_EQ(roundHalfEven(10.5), 10);
    EXPECT_EQ(roundHalfEven(11.5), 12);
    EXPECT_EQ(roundHalfEven(18947.37), 18947);
    EXPECT_EQ(cutDecimals(0.1178, 2), 0.11);
    EXPECT_EQ(cutDecimals(0.119, 2), 0.11);
}
