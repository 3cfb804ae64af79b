#include "output/html_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "input/option_values.h"
#include "model/random.h"
#include "optimizer/optimization_run.h"
#include "optimizer/vexlin.h"
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
  EXPECT_NE(page.find("<img src=\"p&quot;3.svg\">"), std::string::npos);

  EXPECT_EQ(FormatHtmlPage({"a b"}, {{"L"}}, {"p.svg"}),
            "<html>\r\n<body>\r\n<center><font face=monospace>\r\n<p>&nbsp;</p>\r\n"
            "<table width=80% border=1>\r\n<tr><td>\r\na&nbsp;b\r\n</td></tr>\r\n</table>\r\n"
            "<p>&nbsp;</p>\r\n<p>&nbsp;</p>\r\n<table width=80% border=1>\r\n"
            "<tr><td>\r\nL\r\n</td></tr>\r\n<tr><td>\r\n<img src=\"p.svg\">\r\n</td></tr>\r\n"
            "</table>\r\n<p>&nbsp;</p>\r\n</font></center>\r\n</body>\r\n</html>\r\n");
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
