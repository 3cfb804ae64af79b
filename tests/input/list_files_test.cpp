#include "input/list_files.h"

#include <gtest/gtest.h>

#include <string>

#include "input/grid_readers.h"
#include "model/ini_file.h"
#include "model/pub_func.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

std::string Sections(const std::string& word, int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n) {
    text += "[" + word + std::to_string(n) + "]\nLABEL=L" + std::to_string(n) + "\n";
  }
  return text;
}

class ListFiles : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(ListFiles, SheetRowsRoundTripAndSkipRowsWithoutLabelSizeOrQuantity) {
  const TGrid rows = {
      {"A", "2440", "1220", "3", ""},  {}, {"", "", "", "", "12"}, {"", "x", "", ""},
      {"C", "10.5", "5", "1", "35.5"},
  };
  const std::string path = folder_.PathOf("list.sht");
  ASSERT_EQ(WriteListFile(path, rows, TGridKind::Sheets), "");
  const TGrid expected = {rows[0], {"", "x", "", "", ""}, rows[4]};
  EXPECT_EQ(ReadListFile(path, TGridKind::Sheets).Rows, expected);
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"SHEET1", "SHEET2", "SHEET3"}));
  EXPECT_EQ(ini.ReadSectionKeys("SHEET1"),
            (std::vector<std::string>{"LABEL", "LENGTH", "WIDTH", "QTY", "COST"}));
}

TEST_F(ListFiles, WritingReplacesEverySectionOfTheFile) {
  const std::string path = folder_.Write("old.ofc", Sections("SHEET", 1, 10) + "[NOTE]\nA=1\n");
  TGrid rows(9);
  rows[0] = {"A", "1", "1", "1"};
  rows[3] = {"B", "2", "2", "2"};
  rows[8] = {"C", "3", "3", "3"};
  ASSERT_EQ(WriteListFile(path, rows, TGridKind::Offcuts), "");
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"SHEET1", "SHEET2", "SHEET3"}));
  EXPECT_EQ(ini.ReadString("SHEET3", "LABEL", ""), "C");
  EXPECT_EQ(ini.ReadString("SHEET3", "COST", "?"), "");
}

TEST_F(ListFiles, ReadingClosesGapsInSectionNumberOrder) {
  const std::string path = folder_.Write(
      "gaps.sht",
      "[SHEET7]\nLABEL=seven\n[SHEET2]\n[sheet3]\nlabel=three\nQTY=4\n[SHEET0]\nLABEL=z\n");
  const TGrid rows = ReadListFile(path, TGridKind::Sheets).Rows;
  const TGrid expected = {{"three", "", "", "4", ""}, {"seven", "", "", "", ""}};
  EXPECT_EQ(rows, expected);
}

// An import may grow the grid past 500 rows and Save writes them all; a load kept only the
// first 500. The offcut grid keeps its 100 rows and names the sections it leaves.
TEST_F(ListFiles, EveryRowLoadsBackAndOnlyOffcutsStopAtTheirGrid) {
  TGrid rows;
  for (int n = 1; n <= 620; ++n)
    rows.push_back({"P" + std::to_string(n), "10", "5", "N", "1", "C"});
  const std::string parts = folder_.PathOf("many.prt");
  ASSERT_EQ(WriteListFile(parts, rows, TGridKind::Parts), "");
  const TListFileRead read = ReadListFile(parts, TGridKind::Parts);
  EXPECT_EQ(read.Rows, rows);
  EXPECT_EQ(read.Refusal, "");
  EXPECT_EQ(read.Unread, "");
  const std::string sheets = folder_.Write("many.sht", Sections("SHEET", 2, 600));
  EXPECT_EQ(ReadListFile(sheets, TGridKind::Sheets).Rows.size(), 599u);

  const std::string offcuts = folder_.Write("many.ofc", Sections("SHEET", 1, 103));
  const TListFileRead kept = ReadListFile(offcuts, TGridKind::Offcuts);
  ASSERT_EQ(kept.Rows.size(), 100u);
  EXPECT_EQ(kept.Rows.back()[0], "L100");
  EXPECT_EQ(kept.Unread, "These entries of the file were not read:\n" + offcuts +
                             "\n[SHEET101]\n[SHEET102]\n[SHEET103]");
}

// Rows used to vanish without a word: a section line with a comment, an empty section, a
// section number the reader never looked up, a misspelt key.
TEST_F(ListFiles, WhatNoRowTakesIsNamed) {
  const std::string path = folder_.Write(
      "odd.prt",
      "[PART0]\nLABEL=zero\n[PART1]\nLABEL=a\nLENGHT=5\n[PART2]\n[PART3] ; spare\nLABEL=c\n"
      "[PART4]\nCOLOUR=red\n[NOTE]\nA=1\n[PART01]\nLABEL=x\nstray line\n[PART5]\nLABEL=e\n"
      "label=again\n");
  const TListFileRead read = ReadListFile(path, TGridKind::Parts);
  const TGrid expected = {
      {"a", "", "", "R", "", "R"}, {"c", "", "", "R", "", "R"}, {"e", "", "", "R", "", "R"}};
  EXPECT_EQ(read.Rows, expected);
  EXPECT_EQ(read.Unread, "These entries of the file were not read:\n" + path +
                             "\n[PART0]\n[PART1] LENGHT\n[PART2]\n[PART4]\n[NOTE]\n[PART01]\n"
                             "15: stray line\n18: label=again");
}

// Loading a file that holds no list would empty the grid for nothing.
TEST_F(ListFiles, AFileWithoutAnyListSectionIsRefused) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
  const std::string noise = folder_.Write("noise.sht", bytes);
  const TListFileRead read = ReadListFile(noise, TGridKind::Sheets);
  EXPECT_TRUE(read.Rows.empty());
  EXPECT_EQ(read.Refusal,
            "No section of this list ([SHEET1] for sheets and offcuts, [PART1] for parts) in the "
            "file; nothing was loaded:\n" +
                noise);
  const std::string sheets = folder_.Write("board.sht", Sections("SHEET", 1, 1));
  EXPECT_NE(ReadListFile(sheets, TGridKind::Parts).Refusal, "");
  EXPECT_EQ(ReadListFile(folder_.Write("empty.sht", "; nothing yet\n"), TGridKind::Sheets).Refusal,
            "");
}

TEST_F(ListFiles, PartCodesDefaultToRAndAreNormalisedBothWays) {
  const std::string path = folder_.Write(
      "codes.prt",
      "[PART1]\nLABEL=a\n[PART2]\nLABEL=b\nROTATE=n\nSHAPE=c\n[PART3]\nLABEL=c\nROTATE=x\n"
      "SHAPE=x\nQTY=2\nLENGTH=5\nWIDTH=6\n");
  const TGrid expected = {
      {"a", "", "", "R", "", "R"},
      {"b", "", "", "N", "", "C"},
      {"c", "5", "6", "R", "2", "R"},
  };
  EXPECT_EQ(ReadListFile(path, TGridKind::Parts).Rows, expected);

  const TGrid rows = {{"only label", "", "", "n", "", "c"}, {"", "", "", "N", "", "C"}};
  const std::string saved = folder_.PathOf("saved.prt");
  ASSERT_EQ(WriteListFile(saved, rows, TGridKind::Parts), "");
  const TIniFile ini(saved);
  EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"PART1"});
  EXPECT_EQ(ini.ReadSectionKeys("PART1"),
            (std::vector<std::string>{"LABEL", "LENGTH", "WIDTH", "QTY", "ROTATE", "SHAPE"}));
  EXPECT_EQ(ini.ReadString("PART1", "ROTATE", ""), "N");
  EXPECT_EQ(ini.ReadString("PART1", "SHAPE", ""), "C");
  EXPECT_EQ(ReadListFile(saved, TGridKind::Parts).Rows,
            (TGrid{{"only label", "", "", "N", "", "C"}}));
}

TEST_F(ListFiles, BenchJobFilesReadIntoTheExpectedRows) {
  TGrid sheets = ReadListFile(VEXLIN_TEST_DATA_DIR "/office_cost.sht", TGridKind::Sheets).Rows;
  const TGrid expectedSheets = {{"MFC3050", "3050", "1530", "6", "58"},
                                {"MFC2440", "2440", "1220", "10", "35.5"}};
  EXPECT_EQ(sheets, expectedSheets);

  TGrid parts = ReadListFile(VEXLIN_TEST_DATA_DIR "/office_cost.prt", TGridKind::Parts).Rows;
  ASSERT_EQ(parts.size(), 9u);
  EXPECT_EQ(parts[0], (TGridRow{"DESKTOP", "1600", "800", "N", "8", "R"}));
  EXPECT_EQ(parts[8], (TGridRow{"CABLE_TRAY", "1200", "150", "R", "8", "R"}));

  PubFunc().SetDecimalPlaces(3);
  TPanels sheetList;
  TPanels partList;
  ASSERT_FALSE(ReadSheetRows(sheets, sheetList).has_value());
  ASSERT_FALSE(ReadPartRows(parts, false, partList).has_value());
  EXPECT_EQ(sheetList[1].Cost, 35500);
  EXPECT_EQ(sheetList[1].Length, 2440000);
  EXPECT_FALSE(partList[0].Rotatable);
  EXPECT_EQ(partList.Size(), 9u);
}

TEST_F(ListFiles, MalformedFilesReadWithoutCrashingAndFailOnlyWhenChecked) {
  const TListFileRead absent = ReadListFile(folder_.PathOf("absent.sht"), TGridKind::Sheets);
  EXPECT_TRUE(absent.Rows.empty());
  EXPECT_EQ(absent.Refusal, "");
  const std::string garbage = folder_.Write("garbage.sht", std::string("\0\xff[SHEET1\n=\n[", 13));
  EXPECT_TRUE(ReadListFile(garbage, TGridKind::Sheets).Rows.empty());

  const std::string path =
      folder_.Write("bad.sht", "[SHEET1]\nLABEL=A\nLENGTH=12,5\nWIDTH\nQTY=three\n");
  TGrid rows = ReadListFile(path, TGridKind::Sheets).Rows;
  EXPECT_EQ(rows, (TGrid{{"A", "12,5", "", "three", ""}}));
  TPanels list;
  const std::optional<TCellFault> fault = ReadSheetRows(rows, list);
  ASSERT_TRUE(fault.has_value());
  EXPECT_EQ(fault->Column, 1u);
}

TEST_F(ListFiles, AnUnwritablePathIsReportedNotThrown) {
  EXPECT_NE(WriteListFile(folder_.PathOf("no/dir.sht"), {{"A"}}, TGridKind::Sheets), "");
}

}  // namespace
}  // namespace vexlin
