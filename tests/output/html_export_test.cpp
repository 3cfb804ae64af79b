#include "output/html_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "input/option_values.h"
#include "model/random.h"
#include "optimizer/vexlin.h"
#include "output/layout_picture.h"
#include "run/optimization_run.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

size_t CountOf(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(HtmlCellText, EscapesMarkupBeforeBlanksBecomeNonBreaking) {
  EXPECT_EQ(HtmlCellText("<b>&\"x"), "&lt;b&gt;&amp;&quot;x");
  EXPECT_EQ(HtmlCellText("O'Neil & Co"), "O&#39;Neil&nbsp;&amp;&nbsp;Co");
  EXPECT_EQ(HtmlCellText("Sheet      :"), "Sheet&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;:");
  EXPECT_EQ(HtmlCellText(" "), "&nbsp;");
  EXPECT_EQ(HtmlCellText("&nbsp;"), "&amp;nbsp;");
}

TEST(HtmlPage, HoldsTheRunReportAndOneTableWithPicturePerLayout) {
  EXPECT_EQ(HtmlPictureName("/tmp/cut.html", 1, ".svg"), "/tmp/cut.html_2.svg");
  const std::string page =
      FormatHtmlPage({"Run a"}, {{"L1"}, {"L2"}, {"L3 <x>"}}, {"p_1.svg", "p_2.svg", "p\"3.svg"});
  EXPECT_EQ(CountOf(page, "<table width=80% border=1>\r\n"), 4u);
  EXPECT_EQ(CountOf(page, "<img src="), 3u);
  EXPECT_LT(page.find("<img src=\"p_1.svg\">"), page.find("<img src=\"p_2.svg\">"));
  EXPECT_NE(page.find("<tr><td>\r\nL3&nbsp;&lt;x&gt;\r\n</td></tr>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<img src=\"p%223.svg\">"), std::string::npos);

  EXPECT_EQ(FormatHtmlPage({"a b"}, {{"L"}}, {"p.svg"}),
            "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n</head>\r\n<body>\r\n<center><font "
            "face=monospace>\r\n<p>&nbsp;</p>\r\n"
            "<table width=80% border=1>\r\n<tr><td>\r\na&nbsp;b\r\n</td></tr>\r\n</table>\r\n"
            "<p>&nbsp;</p>\r\n<p>&nbsp;</p>\r\n<table width=80% border=1>\r\n"
            "<tr><td>\r\nL\r\n</td></tr>\r\n<tr><td>\r\n<img src=\"p.svg\">\r\n</td></tr>\r\n"
            "</table>\r\n<p>&nbsp;</p>\r\n</font></center>\r\n</body>\r\n</html>\r\n");
}

// A picture named as the user named the page still loads: the link is a URL, not a file name.
TEST(HtmlPage, LinksPicturesWhateverTheirNamesHold) {
  const std::string page =
      FormatHtmlPage({}, {{"L"}, {"M"}}, {"my cut & \"x\" <1>.svg", "T\xC3\xBCr #2%.svg"});
  EXPECT_NE(page.find("<img src=\"my%20cut%20%26%20%22x%22%20%3C1%3E.svg\">"), std::string::npos);
  EXPECT_NE(page.find("<img src=\"T%C3%BCr%20%232%25.svg\">"), std::string::npos);
}

class HtmlExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRandomForTests();
    ApplyOptionValues(options_);
    TPanels sheets;
    TPanels parts;
    sheets.AddCopy(T2DStock().SetLabel("S").SetLength(1000000).SetWidth(500000).SetCount(5));
    parts.AddCopy(T2DStock().SetLabel("<b>&\"x").SetLength(600000).SetWidth(400000).SetCount(3));
    ASSERT_EQ(RunOptimization(run_, sheets, parts, TPanels(), options_, {}), "");
  }
  void TearDown() override { ApplyOptionValues(TOptionValues()); }

  std::vector<std::string> Pictures(const std::string& page) const {
    std::vector<std::string> names;
    for (size_t i = 0; i < run_.BestResult.Size(); ++i) {
      names.push_back(HtmlPictureName(page, i, ".svg"));
    }
    return names;
  }

  TOptionValues options_;
  TVexlin run_;
  const TReportClock clock_ = [] { return TDateTimeText{"2026-12-08", "10:00:00"}; };
};

TEST_F(HtmlExport, WritesTheWholeResultWithEscapedLabels) {
  TempFolder folder;
  const std::string path = folder.PathOf("cut.html");
  ASSERT_EQ(ExportHtml(path, run_, {}, Pictures(path), clock_), "");
  const std::string page = folder.Read("cut.html");
  EXPECT_EQ(CountOf(page, "<table"), run_.BestResult.Size() + 1);
  EXPECT_NE(page.find("<img src=\"" + path + "_1.svg\">"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;&amp;&quot;x"), std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
}

// The picture is coloured as the Layout tab shows the sheet: the trims in the edge colour
// round the usable area in the sheet colour.
TEST_F(HtmlExport, PicturesShowTheSheetInItsColoursWithinTheTrims) {
  TempFolder folder;
  TReportSettings settings;
  settings.LengthEdge = 20000;
  settings.WidthEdge = 10000;
  TPictureStyle style;
  style.SheetColor = 0x00336699;
  style.EdgeColor = 0x00808080;
  std::vector<std::string> pictures;
  ASSERT_EQ(ExportLayoutPictures(folder.PathOf("cut.html"), run_.BestResult, settings, style, 500,
                                 pictures),
            "");
  const std::string svg = folder.Read("cut.html_1.svg");
  const size_t frame = svg.find("<rect x=\"0\" y=\"0\"");
  // 3 pixels past trims of 10 and 5 pixels (scale 500 / 1040000)
  const size_t usable = svg.find("<rect x=\"13\" y=\"8\"");
  ASSERT_NE(frame, std::string::npos) << svg;
  ASSERT_NE(usable, std::string::npos) << svg;
  EXPECT_NE(svg.find("fill=\"#808080\"", frame), std::string::npos);
  EXPECT_LT(svg.find("fill=\"#808080\"", frame), usable);
  EXPECT_NE(svg.find("fill=\"#996633\"", usable), std::string::npos);
  EXPECT_LT(usable, svg.find("<line"));  // the pieces lie on the sheet, not under it
}

TEST_F(HtmlExport, RefusesWhatItCannotWrite) {
  TempFolder folder;
  const std::string path = folder.PathOf("cut.html");
  EXPECT_NE(ExportHtml(path, run_, {}, {}, clock_), "");
  EXPECT_FALSE(std::filesystem::exists(path));
  const std::string unwritable = folder.PathOf("missing/cut.html");
  EXPECT_NE(ExportHtml(unwritable, run_, {}, Pictures(unwritable), clock_), "");
  EXPECT_EQ(ExportHtml(path, TVexlin(), {}, {}, clock_), "Layout is empty, please optimize first.");
}

}  // namespace
}  // namespace vexlin
