#include "input/caption_file.h"

#include <gtest/gtest.h>

#include <string>

#include "model/ini_file.h"
#include "model/text_table.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

class CaptionFile : public ::testing::Test {
 protected:
  TempFolder folder_;
  TTextTable table_;
};

TEST_F(CaptionFile, SavedTextsLoadBackOverChangedOnes) {
  table_.SetText("Tab Sheets", "Boards");
  table_.SetHint("Load File Button", "Open a list");
  table_.SetHint("Start Optimize Button", "Go");
  table_.SetText("MSG_CANT_READ_IMPORT_TXT_FILE", "No file");
  const std::string path = folder_.PathOf("mine.cap");
  ASSERT_EQ(WriteCaptionFile(path, table_), "");

  table_.ResetToDefaults();
  table_.SetText("Part Label Caption", "Name");
  ReadCaptionFile(path, table_);
  EXPECT_EQ(table_.Text("Tab Sheets"), "Boards");
  EXPECT_EQ(table_.Hint("Load File Button"), "Open a list");
  EXPECT_EQ(table_.Hint("Start Optimize Button"), "Go");
  EXPECT_EQ(table_.Text("MSG_CANT_READ_IMPORT_TXT_FILE"), "No file");
  EXPECT_EQ(table_.Text("Part Label Caption"), "Label");
}

TEST_F(CaptionFile, SavingWritesEveryCaptionAndHintOnce) {
  const std::string path = folder_.PathOf("mine.cap");
  ASSERT_EQ(WriteCaptionFile(path, table_), "");
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadSectionKeys("CAPTION").size(), 156u);
  EXPECT_FALSE(ini.ValueExists("CAPTION", "Start Optimize Button"));
  EXPECT_TRUE(ini.ValueExists("HINT", "Start Optimize Button"));
  size_t controls = 0;
  for (const std::string& key : table_.Keys()) {
    const TCaptionKind kind = table_.Kind(key);
    controls += kind == TCaptionKind::Control;
    EXPECT_EQ(ini.ValueExists("HINT", key),
              kind == TCaptionKind::Control || kind == TCaptionKind::HintOnly)
        << key;
  }
  EXPECT_EQ(ini.ReadSectionKeys("HINT").size(), controls + 1);
}

TEST_F(CaptionFile, SavingKeepsTheRestOfTheFile) {
  const std::string path = folder_.Write(
      "mine.cap", "[CAPTION]\r\nTab Sheets=Old\r\nOwn Key=kept\r\n[NOTES]\r\nA=1\r\n");
  ASSERT_EQ(WriteCaptionFile(path, table_), "");
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("CAPTION", "Tab Sheets", ""), table_.Text("Tab Sheets"));
  EXPECT_EQ(ini.ReadString("CAPTION", "Own Key", ""), "kept");
  EXPECT_EQ(ini.ReadString("NOTES", "A", ""), "1");
}

TEST_F(CaptionFile, AnUnwritableFileIsReported) {
  EXPECT_NE(WriteCaptionFile(folder_.PathOf("missing/mine.cap"), table_), "");
}

TEST_F(CaptionFile, ARenamedTabCarriesIntoTheDerivedTexts) {
  const std::string path = folder_.Write(
      "mine.cap", "[CAPTION]\r\nTab Parts=Pieces\r\nTab Offcuts=Remnants\r\nUnknown=x\r\n");
  ReadCaptionFile(path, table_);
  EXPECT_EQ(table_.Text("Tab Parts"), "Pieces");
  EXPECT_EQ(table_.OffcutWord, "Remnants");
  EXPECT_EQ(table_.Text("Tab Sheets"), TTextTable().Text("Tab Sheets"));
}

TEST_F(CaptionFile, TheToolButtonTakesOnlyAHint) {
  const std::string before = table_.Text("Start Optimize Button");
  const std::string path = folder_.Write(
      "mine.cap",
      "[CAPTION]\r\nStart Optimize Button=Run\r\n[HINT]\r\nStart Optimize Button=Start now\r\n");
  ReadCaptionFile(path, table_);
  EXPECT_EQ(table_.Text("Start Optimize Button"), before);
  EXPECT_EQ(table_.Hint("Start Optimize Button"), "Start now");
}

TEST_F(CaptionFile, MessagesChangeOnlyTheirOwnText) {
  const TTextTable defaults;
  const std::string path = folder_.Write("mine.cap",
                                         "[CAPTION]\r\nMSG_OFFCUT_COST_FORMAT_INVALID=Bad cost\r\n"
                                         "[HINT]\r\nMSG_PART_QTY_FORMAT_INVALID=ignored\r\n");
  ReadCaptionFile(path, table_);
  for (const std::string& key : table_.Keys()) {
    if (key == "MSG_OFFCUT_COST_FORMAT_INVALID") continue;
    EXPECT_EQ(table_.Text(key), defaults.Text(key)) << key;
    EXPECT_EQ(table_.Hint(key), defaults.Hint(key)) << key;
  }
  EXPECT_EQ(table_.Text("MSG_OFFCUT_COST_FORMAT_INVALID"), "Bad cost");
}

TEST_F(CaptionFile, AMissingFileLeavesEveryTextButRefreshesTheDerivedOnes) {
  table_.SetText("Tab Offcuts", "Leftovers");
  ReadCaptionFile(folder_.PathOf("none.cap"), table_);
  EXPECT_EQ(table_.Text("Tab Offcuts"), "Leftovers");
  EXPECT_EQ(table_.OffcutWord, "Leftovers");
}

TEST_F(CaptionFile, SeparatorsAndPositionsBeyondTheListDoNothing) {
  TIniFile ini(folder_.PathOf("mine.cap"));
  SetCaptionIndex(table_, 0, TCaptionMode::Write, ini);
  SetCaptionIndex(table_, table_.Keys().size(), TCaptionMode::Write, ini);
  EXPECT_EQ(ini.SectionCount(), 0u);
  SetCaptionIndex(table_, 1, TCaptionMode::Write, ini);
  EXPECT_TRUE(ini.ValueExists("CAPTION", table_.Keys()[1]));
}

}  // namespace
}  // namespace vexlin
