#include "planning/NumericCheck.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(NumericCheck, DigitsBeyondTheFormatAreCutNotRounded)
{
    EXPECT_EQ(checkNumericText("x", "   ", 1, 2, "0.00").status, NumericCheck::Empty); // accepted without check
    NumericCheck r = checkNumericText("x", "1.239", 0.01, 9.99, "0.00");
    EXPECT_EQ(r.status, NumericCheck::Valid);
    EXPECT_EQ(r.text, "1.23");
    EXPECT_DOUBLE_EQ(r.value, 1.23);
    EXPECT_EQ(checkNumericText("x", "5", 0, 10, "###0.00").text, "5.00");
    EXPECT_EQ(checkNumericText("x", QStringLiteral("１２．５"), 0, 100, "0.0").text, "12.5"); // full-width digits
}

TEST(NumericCheck, OtherTextAndValuesOutOfRangeAreRefusedWithTheirMessage)
{
    NumericCheck r = checkNumericText(QStringLiteral("初期荷重"), "12,5", 0, 100, "0.00");
    EXPECT_EQ(r.status, NumericCheck::NotNumeric);
    EXPECT_EQ(r.message, QStringLiteral("初期荷重に数値以外の文字が入力されました。\n数値を入力してください。"));
    r = checkNumericText(QStringLiteral("クリープ係数判定値"), "10", 0.01, 9.99, "0.00");
    EXPECT_EQ(r.status, NumericCheck::OutOfRange);
    EXPECT_EQ(r.message, QStringLiteral("クリープ係数判定値に範囲外の数値が入力されました。\n入力範囲：0.01 ～ 9.99"));
    EXPECT_EQ(checkNumericText("x", "9.99", 0.01, 9.99, "0.00").status, NumericCheck::Valid);
}
