#include "planning/NumericCheck.h"

#include <gtest/gtest.h>

using namespace tessaro;

// The entry-box tests show the cut and the range message in the windows; here
// the rules of the text itself.
TEST(NumericCheck, DigitsBeyondTheFormatAreCutAndOtherTextRefused)
{
    EXPECT_EQ(checkNumericText("x", "   ", 1, 2, "0.00").status, NumericCheck::Empty); // accepted without check
    EXPECT_EQ(checkNumericText("x", "1.239", 0.01, 9.99, "0.00").value, 1.23);
    EXPECT_EQ(checkNumericText("x", QStringLiteral("１２．５"), 0, 100, "0.0").text, "12.5"); // full-width digits
    NumericCheck r = checkNumericText(QStringLiteral("初期荷重"), "12,5", 0, 100, "0.00");
    EXPECT_EQ(r.status, NumericCheck::NotNumeric);
    EXPECT_EQ(r.message, QStringLiteral("初期荷重に数値以外の文字が入力されました。\n数値を入力してください。"));
    EXPECT_EQ(checkNumericText("x", "9.99", 0.01, 9.99, "0.00").status, NumericCheck::Valid); // bounds included
}
