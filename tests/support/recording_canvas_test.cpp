#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace vexlin {
namespace {

TEST(RecordingCanvas, WritesDownEveryCallInOrder) {
  TRecordingCanvas canvas;
  TCanvas& surface = canvas;
  surface.SetPenColor(0x0000FF);
  surface.MoveTo(1, 2);
  surface.LineTo(3, -4);
  surface.Rectangle(0, 0, 10, 5);
  surface.Arc(0, 0, 10, 10, 10, 5, 10, 5);
  surface.TextOut(2, 3, "P1");
  EXPECT_EQ(surface.PenColor(), 0x0000FFu);
  EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"Pen 0000FF", "MoveTo 1 2", "LineTo 3 -4",
                                                    "Rectangle 0 0 10 5", "Arc 0 0 10 10 10 5 10 5",
                                                    "Text 2 3 P1"}));
}

TEST(RecordingCanvas, MeasuresTextWithFixedMetrics) {
  TRecordingCanvas canvas;
  canvas.CharWidth = 7;
  EXPECT_EQ(canvas.TextWidth("ABC"), 21);
  EXPECT_EQ(canvas.TextWidth(""), 0);
  EXPECT_EQ(canvas.TextHeight("ABC"), 10);
}

}  // namespace
}  // namespace vexlin
