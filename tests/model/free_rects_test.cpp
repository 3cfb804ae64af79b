#include "model/free_rects.h"

#include <gtest/gtest.h>

#include <vector>

namespace vexlin {
namespace {

std::vector<TRect> Rects(const TFreeRects& list) {
  return std::vector<TRect>(list.begin(), list.end());
}

TEST(FreeRectRecords, SheetRecordCountsOneSheetUntilTheListIsCleared) {
  TFreeRects list;
  list.ResetToSheet({0, 0, 1000, 500});
  list.Add({0, 0, 2000, 500});  // swallows the sheet rectangle, which keeps its record
  const T2DStock sheet = list.Record(0);
  EXPECT_EQ(sheet.GetRect(), (TRect{0, 0, 2000, 500}));
  EXPECT_EQ(sheet.Count, 1);
  EXPECT_EQ(sheet.Index, 0);
  EXPECT_EQ(list.Record(1).Count, 0);
  EXPECT_EQ(list.Record(1).Index, -1);

  list.Cut({0, 0, 100, 100});
  for (size_t i = 0; i < list.Size(); ++i) {
    EXPECT_EQ(list.Record(i).Count, 0);
    EXPECT_EQ(list.Record(i).Index, -1);
    EXPECT_EQ(list.Record(i).GetRect(), list[i]);
  }
}

TEST(FreeRectCopies, CopiesAreIndependentAndCutAlike) {
  TFreeRects list;
  list.ResetToSheet({0, 0, 1000, 500});
  list.Cut({0, 0, 300, 200});
  TFreeRects copy(list);
  list.Cut({300, 0, 400, 500});
  copy.Cut({300, 0, 400, 500});
  EXPECT_EQ(Rects(copy), Rects(list));
  copy = TFreeRects{};
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(Rects(list), (std::vector<TRect>{{400, 0, 1000, 500}, {0, 200, 300, 500}}));
}

TEST(FreeRectCuts, EmptyRectanglesAreKeptButNeverSwallow) {
  TFreeRects list;
  list.ResetToSheet({0, 0, 0, 0});
  list.Add({10, 10, 10, 20});  // empty: appended without a search
  list.Add({0, 0, 50, 50});    // contains both empty ones, yet they stay
  EXPECT_EQ(Rects(list), (std::vector<TRect>{{0, 0, 0, 0}, {10, 10, 10, 20}, {0, 0, 50, 50}}));
  list.Cut({100, 100, 110, 110});  // overlaps nothing: the list is copied as it is
  EXPECT_EQ(Rects(list), (std::vector<TRect>{{0, 0, 0, 0}, {10, 10, 10, 20}, {0, 0, 50, 50}}));
}

}  // namespace
}  // namespace vexlin
