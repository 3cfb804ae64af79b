#include "input/text_import.h"

#include <gtest/gtest.h>

#include <string>

#include "model/text_table.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

class TextImport : public ::testing::Test {
 protected:
  // Imports into a window-sized grid that holds an earlier list.
  std::string Import(const std::string& bytes, TGridKind kind) {
    grid_.assign(GridDataRows(kind), TGridRow{"old", "1", "2"});
    return ReadTxtFile(folder_.Write("list.txt", bytes), kind, grid_);
  }

  TempFolder folder_;
  TGrid grid_;
};

TEST_F(TextImport, FieldsFillTheColumnsAndTheLastOneTakesTheRest) {
  ASSERT_EQ(Import("Panel A\t2440\t1220\t5\n"
                   "Wide\t1\t2\t3\t4\t5\t6\n"
                   "\n"
                   "Alone\n",
                   TGridKind::Sheets),
            "");
  EXPECT_EQ(grid_[0], (TGridRow{"Panel A", "2440", "1220", "5", ""}));
  EXPECT_EQ(grid_[1], (TGridRow{"Wide", "1", "2", "3", "4\t5\t6"}));
  EXPECT_EQ(grid_[2], (TGridRow{"", "", "", "", ""}));
  EXPECT_EQ(grid_[3], (TGridRow{"Alone", "", "", "", ""}));
  EXPECT_EQ(grid_[4], (TGridRow{"", "", "", "", ""}));
  EXPECT_EQ(grid_.size(), 500u);
}

TEST_F(TextImport, PartFieldsAreTakenAsTheyStand) {
  ASSERT_EQ(Import("Leg\t600\t80\tn\t4\tc\r\n Top \t 700\t\t\t\t\t\r\n", TGridKind::Parts), "");
  EXPECT_EQ(grid_[0], (TGridRow{"Leg", "600", "80", "n", "4", "c"}));
  EXPECT_EQ(grid_[1], (TGridRow{" Top ", " 700", "", "", "", "\t"}));
}

TEST_F(TextImport, WindowsTextIsDecoded) {
  ASSERT_EQ(Import("\xC9tag\xE8re\t300\t200\r\nB\xFCro\t1\t2\r\n", TGridKind::Offcuts), "");
  EXPECT_EQ(grid_[0][0], "\xC3\x89tag\xC3\xA8re");
  EXPECT_EQ(grid_[1][0], "B\xC3\xBCro");
  EXPECT_EQ(grid_[1][2], "2");
  ASSERT_EQ(Import("\xEF\xBB\xBF\xC3\x89tag\xC3\xA8re\t300\n", TGridKind::Offcuts), "");
  EXPECT_EQ(grid_[0][0], "\xC3\x89tag\xC3\xA8re");
}

TEST_F(TextImport, TheGridGrowsByTenRowsWhenLinesRunOut) {
  std::string lines;
  for (int i = 0; i < 600; ++i) lines += "S" + std::to_string(i) + "\t10\t10\n";
  ASSERT_EQ(Import(lines, TGridKind::Sheets), "");
  ASSERT_EQ(grid_.size(), 600u);
  EXPECT_EQ(grid_[599][0], "S599");

  ASSERT_EQ(Import(lines.substr(0, lines.find("S501")), TGridKind::Sheets), "");
  EXPECT_EQ(grid_.size(), 510u);
  EXPECT_EQ(grid_[500][0], "S500");
  EXPECT_EQ(grid_[501], (TGridRow{"", "", "", "", ""}));
}

TEST_F(TextImport, AnEmptyFileLeavesAnEmptyGrid) {
  ASSERT_EQ(Import("", TGridKind::Parts), "");
  ASSERT_EQ(grid_.size(), 500u);
  for (const TGridRow& row : grid_) EXPECT_EQ(row, TGridRow(6));
}

TEST_F(TextImport, AnUnreadableFileIsReportedAndTheGridIsEmptied) {
  grid_.assign(3, TGridRow{"old"});
  EXPECT_EQ(ReadTxtFile(folder_.PathOf("none.txt"), TGridKind::Sheets, grid_),
            "Can't read import txt file");
  EXPECT_EQ(grid_, TGrid(3, TGridRow(5)));

  grid_.assign(3, TGridRow{"old"});
  EXPECT_EQ(ReadTxtFile(folder_.PathOf(""), TGridKind::Sheets, grid_),
            Texts().Text("MSG_CANT_READ_IMPORT_TXT_FILE"));
}

}  // namespace
}  // namespace vexlin
