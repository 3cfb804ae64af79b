#include "optimizer/deep/lower_bound.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/panels.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

struct TSize {
  int32_t Length;
  int32_t Width;
  int32_t Count;
  int32_t Cost = 0;
};

TPanels List(std::initializer_list<TSize> sizes, bool rotatable = true) {
  TPanels list;
  for (const TSize& size : sizes) {
    T2DStock item;
    item.SetLength(size.Length).SetWidth(size.Width).SetCount(size.Count).SetCost(size.Cost);
    item.Rotatable = rotatable;
    list.AddCopy(item);
  }
  return list;
}

double Bound(const TPanels& parts, const TPanels& sheets, bool costMode = false) {
  return JobLowerBound(parts, sheets, costMode).Value;
}

// Each case's optimum is known by hand; the bound must reach it and never pass it.
TEST(JobLowerBound, ReachesTheKnownOptimumOfSmallJobs) {
  BladeWidth = 0;
  const TPanels square = List({{100, 100, 10}});
  // Three 60 x 60 pieces: the area asks for 2 sheets, but no two share a sheet.
  EXPECT_EQ(Bound(List({{60, 60, 3}}), square), 3.0);
  EXPECT_EQ(JobLowerBound(List({{60, 60, 3}}), square, false).Measure, TDeepMeasure::Sheets);
  // Four 50 x 50 pieces fill one sheet exactly; a fifth needs another.
  EXPECT_EQ(Bound(List({{50, 50, 4}}), square), 1.0);
  EXPECT_EQ(Bound(List({{50, 50, 5}}), square), 2.0);
  // Six 70 x 20 pieces fit one sheet only when some turn; upright, five at most share one.
  EXPECT_EQ(Bound(List({{70, 20, 6}}, true), square), 1.0);
  EXPECT_EQ(Bound(List({{70, 20, 6}}, false), square), 2.0);
  // Upright pieces that fit only a sheet type lying the other way round still count.
  EXPECT_EQ(Bound(List({{70, 20, 2}, {20, 70, 2}}, false), List({{100, 50, 5}, {50, 100, 5}})),
            2.0);
  // The stock caps the sheets any plan can use.
  EXPECT_EQ(Bound(List({{60, 60, 3}}), List({{100, 100, 2}})), 2.0);
  // A piece that fits no sheet cannot be cut, so it proves nothing.
  EXPECT_EQ(Bound(List({{120, 120, 1}, {50, 50, 1}}), square), 1.0);
}

TEST(JobLowerBound, CoversThePartAreaWithTheLeastSheetAreaOrCost) {
  BladeWidth = 0;
  // Five 50 x 50 pieces: one 100 x 100 and one 50 x 50 sheet hold them exactly.
  const TPanels two = List({{100, 100, 3}, {50, 50, 3}});
  EXPECT_EQ(JobLowerBound(List({{50, 50, 5}}), two, false).Measure, TDeepMeasure::Area);
  EXPECT_EQ(Bound(List({{50, 50, 5}}), two), 12500.0);
  // A 60 x 60 piece fits only the large sheet, though three small ones hold the area.
  EXPECT_EQ(Bound(List({{60, 60, 1}, {25, 25, 4}}), List({{100, 100, 2}, {50, 50, 4}})), 10000.0);
  // The area counts sheets without the blade width that every size carries here: four
  // pieces on a 110 x 110 sheet and one on a 50 x 50.
  BladeWidth = 10;
  EXPECT_EQ(Bound(List({{60, 60, 5}}), List({{120, 120, 3}, {60, 60, 3}})), 110.0 * 110 + 2500);
  BladeWidth = 0;
  // Cost: three half sheets at 4 beat a whole one at 10 and a half; with two half sheets in
  // stock, a whole and a half one are cheapest.
  const TPanels parts = List({{50, 50, 6}});
  EXPECT_EQ(Bound(parts, List({{100, 100, 5, 10000}, {100, 50, 5, 4000}}), true), 12000.0);
  EXPECT_EQ(Bound(parts, List({{100, 100, 5, 10000}, {100, 50, 2, 4000}}), true), 14000.0);
  // Free sheets cost nothing while they can hold the parts.
  EXPECT_EQ(Bound(parts, List({{100, 100, 5, 10000}, {100, 50, 5, 0}}), true), 0.0);
  EXPECT_EQ(Bound(parts, List({{100, 100, 5, 10000}, {100, 50, 1, 0}}), true), 10000.0);
  // One sheet size in cost mode: the three 60 x 60 pieces need three sheets, the cheapest.
  EXPECT_EQ(Bound(List({{60, 60, 3}}), List({{100, 100, 2, 1000}, {100, 100, 5, 3000}}), true),
            5000.0);
}

}  // namespace
}  // namespace vexlin
