#include "model/pub_func.h"

#include <gtest/gtest.h>

namespace vexlin {
namespace {

TEST(PubFuncTextToScaled, ReadsDecimalTextExactly) {
  TPubFunc numbers;
  EXPECT_EQ(numbers.TextToScaled("12.5"), 12500);
  EXPECT_EQ(numbers.TextToScaled("600"), 600000);
  EXPECT_EQ(numbers.TextToScaled(" 7 "), 7000);
  EXPECT_EQ(numbers.TextToScaled("+0.001"), 1);
  EXPECT_EQ(numbers.TextToScaled(".5"), 500);
  EXPECT_EQ(numbers.TextToScaled("2147483.647"), 2147483647);
  EXPECT_EQ(numbers.TextToScaled("-2147483.648"), -2147483647 - 1);
}

TEST(PubFuncTextToScaled, RoundsHalfToEvenInBothSteps) {
  TPubFunc numbers;
  EXPECT_EQ(numbers.TextToScaled("0.0005"), 0);
  EXPECT_EQ(numbers.TextToScaled("0.0015"), 2);
  EXPECT_EQ(numbers.TextToScaled("0.0025"), 2);
  EXPECT_EQ(numbers.TextToScaled("0.0035"), 4);
  EXPECT_EQ(numbers.TextToScaled("-0.0015"), -2);
  // Decimals past the fourth are rounded first: 0.00049999 becomes 0.0005, then 0.
  EXPECT_EQ(numbers.TextToScaled("0.00049999"), 0);
  EXPECT_EQ(numbers.TextToScaled("0.00150001"), 2);
  EXPECT_EQ(numbers.TextToScaled("1.00015"), 1000);
}

TEST(PubFuncTextToScaled, NegativeTextIsLeftToTheCaller) {
  TPubFunc numbers;
  EXPECT_EQ(numbers.TextToScaled("-3"), -3000);
}

TEST(PubFuncTextToScaled, RefusesNonNumbersAndOutOfRange) {
  TPubFunc numbers;
  for (const char* text : {"", " ", "abc", "1,5", "1.2.3", "12a", "-", ".", "1e3", "--1", "0x10"}) {
    EXPECT_EQ(numbers.TextToScaled(text), std::nullopt) << text;
  }
  EXPECT_EQ(numbers.TextToScaled("2147483.648"), std::nullopt);
  EXPECT_EQ(numbers.TextToScaled("-2147483.649"), std::nullopt);
  EXPECT_EQ(numbers.TextToScaled("99999999999999999999999"), std::nullopt);
}

TEST(PubFuncTextToScaled, FollowsTheDecimalScale) {
  TPubFunc numbers;
  numbers.SetDecimalPlaces(0);
  EXPECT_EQ(numbers.TextToScaled("12.5"), 12);
  EXPECT_EQ(numbers.TextToScaled("13.5"), 14);
  numbers.SetDecimalPlaces(2);
  EXPECT_EQ(numbers.TextToScaled("1.005"), 100);
}

TEST(PubFuncText, ScaledToTextIsShortest) {
  TPubFunc numbers;
  EXPECT_EQ(numbers.ScaledToText(12500), "12.5");
  EXPECT_EQ(numbers.ScaledToText(600000), "600");
  EXPECT_EQ(numbers.ScaledToText(1), "0.001");
  EXPECT_EQ(numbers.ScaledToText(0), "0");
  EXPECT_EQ(numbers.ScaledToText(-1500), "-1.5");
  EXPECT_EQ(numbers.ScaledToText(-2147483647 - 1), "-2147483.648");
  numbers.SetDecimalPlaces(0);
  EXPECT_EQ(numbers.ScaledToText(7), "7");
}

TEST(PubFuncText, AreaToTextDividesByTheScaleTwice) {
  TPubFunc numbers;
  EXPECT_EQ(numbers.AreaToText(1.5e6), "1.5");
  EXPECT_EQ(numbers.AreaToText(0.0), "0");
  EXPECT_EQ(numbers.AreaToText(7853981.633974483), "7.854");
  EXPECT_EQ(numbers.AreaToText(1500.0), "0.0015");
  // Halves go to even after each division: 2500 then 2.5 -> 2; 3500 then 3.5 -> 4.
  EXPECT_EQ(numbers.AreaToText(250.0), "0.0002");
  EXPECT_EQ(numbers.AreaToText(350.0), "0.0004");
  EXPECT_EQ(numbers.AreaToText(-2.0e6), "-2");
  // A sheet of 3000 x 1500 units, far above 32 bits in square thousandths.
  EXPECT_EQ(numbers.AreaToText(3.0e6 * 1.5e6), "4500000");
}

TEST(PubFuncText, DecimalPlacesMapToScales) {
  TPubFunc numbers;
  EXPECT_EQ(numbers.DecimalPlaces(), 3);
  numbers.SetDecimalPlaces(1);
  EXPECT_EQ(numbers.DecimalScale(), 10);
  EXPECT_EQ(numbers.DecimalPlaces(), 1);
  numbers.SetDecimalPlaces(5);
  EXPECT_EQ(numbers.DecimalScale(), -1);
  EXPECT_EQ(numbers.DecimalPlaces(), -1);
}

TEST(PubFuncFixed, ParsesAndFormatsFourDecimals) {
  EXPECT_EQ(ParseFixed4("0.0015"), 15);
  EXPECT_EQ(ParseFixed4("922337203685477.5807"), 9223372036854775807);
  EXPECT_EQ(ParseFixed4("922337203685477.5808"), std::nullopt);
  EXPECT_EQ(FormatFixed4(15), "0.0015");
  EXPECT_EQ(FormatFixed4(-10000), "-1");
  EXPECT_EQ(FormatFixed4(123400), "12.34");
}

}  // namespace
}  // namespace vexlin
