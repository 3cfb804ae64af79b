#include "input/option_values.h"

#include <gtest/gtest.h>

#include "model/pub_func.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

TEST(OptionValues, ScalesTheLengthsAndCopiesFlagsAndUnit) {
  PubFunc().SetDecimalPlaces(0);
  TOptionSettings settings;
  settings.BladeWidth = " 3.5 ";
  settings.LengthEdge = "10";
  settings.WidthEdge = "5";
  settings.MinScrapLength = "+100";
  settings.MinScrapWidth = "0";
  settings.FastOptimize = false;
  settings.Measure = "mm";
  TOptionValues values;
  ASSERT_FALSE(ReadOptionValues(settings, values).has_value());
  EXPECT_EQ(PubFunc().DecimalPlaces(), 3);
  EXPECT_EQ(values.BladeWidth, 3500);
  EXPECT_EQ(values.LengthEdge, 10000);
  EXPECT_EQ(values.WidthEdge, 5000);
  EXPECT_EQ(values.MinScrapLength, 100000);
  EXPECT_FALSE(values.FastOptimize);
  EXPECT_TRUE(values.CostOptimize);
  EXPECT_TRUE(values.Guillotine);
  EXPECT_EQ(values.Measure, "mm");
}

TEST(OptionValues, FaultsComeInOrderAndRefuseNegativeValues) {
  TOptionSettings settings;
  settings.BladeWidth = "-1";
  settings.WidthEdge = "wide";
  settings.LengthEdge = "";
  settings.MinScrapLength = "-0.001";
  settings.MinScrapWidth = "1,5";
  const std::vector<std::pair<std::string TOptionSettings::*, TOptionFault>> expected = {
      {&TOptionSettings::BladeWidth,
       {"define blade width format error in configure tab", TOptionField::BladeWidth}},
      {&TOptionSettings::WidthEdge,
       {"define width edge format error in configure tab", TOptionField::WidthEdge}},
      {&TOptionSettings::LengthEdge,
       {"define length edge format error in configure tab", TOptionField::LengthEdge}},
      {&TOptionSettings::MinScrapLength,
       {"define Min. Scrap Length format error in setup tab", TOptionField::MinScrapLength}},
      {&TOptionSettings::MinScrapWidth,
       {"define Min. Scrap Width format error in setup tab", TOptionField::MinScrapWidth}},
  };
  TOptionValues values;
  for (const auto& [field, fault] : expected) {
    const std::optional<TOptionFault> got = ReadOptionValues(settings, values);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->Message, fault.Message);
    EXPECT_EQ(got->Field, fault.Field);
    settings.*field = "0";
  }
  EXPECT_FALSE(ReadOptionValues(settings, values).has_value());
}

TEST(OptionValues, LengthsBeyondTheLimitGetTheirFieldsMessage) {
  TOptionSettings settings;
  settings.LengthEdge = "1500000";  // would wrap a 2440 sheet round to 1,297,407
  TOptionValues values;
  std::optional<TOptionFault> got = ReadOptionValues(settings, values);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->Field, TOptionField::LengthEdge);
  EXPECT_EQ(got->Message, "define length edge format error in configure tab");
  settings.LengthEdge = "100000";
  settings.BladeWidth = "100000.001";
  got = ReadOptionValues(settings, values);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->Field, TOptionField::BladeWidth);
  settings.BladeWidth = "100000";
  EXPECT_FALSE(ReadOptionValues(settings, values).has_value());
}

TEST(OptionValues, ApplyHandsTheRunValuesToTheEngine) {
  TOptionValues values;
  values.BladeWidth = 4000;
  values.Guillotine = true;
  values.CostOptimize = true;
  values.Measure = "cm";
  ApplyOptionValues(values);
  EXPECT_EQ(BladeWidth, 4000);
  EXPECT_TRUE(GuillotineMode);
  EXPECT_FALSE(FastMode);
  EXPECT_TRUE(CostMode);
  EXPECT_EQ(UnitText, "cm");
  ApplyOptionValues(TOptionValues{.Measure = "inch"});
}

}  // namespace
}  // namespace vexlin
