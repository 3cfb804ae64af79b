#include "output/svg_canvas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vexlin {
namespace {

TEST(SvgCanvas, ColoursAreWrittenRedFirst) {
  EXPECT_EQ(SvgColor(0x000080FF), "#FF8000");
  EXPECT_EQ(SvgColor(0x00123456), "#563412");
  EXPECT_EQ(SvgColor(0), "#000000");
}

TEST(SvgCanvas, TextsAreEscaped) {
  EXPECT_EQ(XmlEscape("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&apos;");
  TSvgCanvas canvas(100, 50, 10);
  canvas.SetPenColor(0x0000FF);
  canvas.TextOut(3, 4, "P&1");
  EXPECT_NE(canvas.Document().find(">P&amp;1</text>"), std::string::npos);
  EXPECT_NE(canvas.Document().find("fill=\"#FF0000\""), std::string::npos);
}

TEST(SvgCanvas, TextIsMeasuredAsMonospace) {
  TSvgCanvas canvas(100, 50, 10);
  EXPECT_EQ(canvas.TextWidth("abc"), 18);
  EXPECT_EQ(canvas.TextWidth("\xC3\xA9t\xC3\xA9"), 18);  // three code points
  EXPECT_EQ(canvas.TextHeight("abc"), 10);
}

std::string PathOf(int32_t startX, int32_t startY, int32_t endX, int32_t endY) {
  TSvgCanvas canvas(20, 20);
  canvas.Arc(0, 0, 10, 10, startX, startY, endX, endY);
  const std::string document = canvas.Document();
  const size_t start = document.find("d=\"") + 3;
  return document.substr(start, document.find('"', start) - start);
}

TEST(SvgCanvas, ArcsRunCounterClockwiseOnScreen) {
  // From the right end up to the top: a quarter.
  EXPECT_EQ(PathOf(10, 5, 5, 0), "M10 5 A5 5 0 0 0 5 0");
  // From the top round the left and the bottom to the right: three quarters.
  EXPECT_EQ(PathOf(5, 0, 10, 5), "M5 0 A5 5 0 1 0 10 5");
  // Equal rays, even through different points, give the whole ellipse in two halves.
  EXPECT_EQ(PathOf(10, 5, 10, 5), "M10 5 A5 5 0 0 0 0 5 A5 5 0 0 0 10 5");
  EXPECT_EQ(PathOf(20, 5, 7, 5), "M10 5 A5 5 0 0 0 0 5 A5 5 0 0 0 10 5");
}

TEST(SvgCanvas, ArcEndsLieOnTheEllipseAlongTheirRays) {
  TSvgCanvas canvas(40, 40);
  canvas.Arc(0, 0, 20, 10, 20, 5, 20, 10);
  // The ray towards (20, 10) meets the ellipse at (10 + t, 5 + t / 2) with
  // (t / 10)^2 + (t / 10)^2 = 1; going round counter-clockwise to it is the long way.
  EXPECT_NE(canvas.Document().find("M20 5 A10 5 0 1 0 17.071 8.536"), std::string::npos);
}

TEST(SvgCanvas, DocumentIsOneSvgElement) {
  TSvgCanvas canvas(200, 100);
  canvas.MoveTo(1, 2);
  canvas.LineTo(3, 4);
  canvas.Rectangle(0, 0, 10, 5);
  const std::string document = canvas.Document();
  EXPECT_EQ(document.rfind("<svg", 0), 0u);
  EXPECT_TRUE(document.ends_with("</svg>"));
  EXPECT_NE(document.find("width=\"200\" height=\"100\""), std::string::npos);
  EXPECT_NE(document.find("<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#000000\"/>"),
            std::string::npos);
  EXPECT_NE(document.find("<rect x=\"0\" y=\"0\" width=\"10\" height=\"5\" fill=\"none\""),
            std::string::npos);
}

TEST(SvgCanvas, SavesTheDocumentOrReportsWhyNot) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vexlin_svg_test";
  std::filesystem::create_directories(dir);
  TSvgCanvas canvas(10, 10);
  canvas.TextOut(1, 1, "x");
  EXPECT_EQ(canvas.SaveToFile((dir / "a.svg").string()), "");
  std::ifstream file(dir / "a.svg", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(), canvas.Document() + "\n");
  EXPECT_NE(canvas.SaveToFile((dir / "missing" / "a.svg").string()), "");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vexlin
