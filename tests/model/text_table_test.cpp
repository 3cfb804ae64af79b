#include "model/text_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexlin {
namespace {

TEST(TextTableKeys, ListHasEveryItemInEditorOrder) {
  const TTextTable table;
  const std::vector<std::string>& keys = table.Keys();
  ASSERT_EQ(keys.size(), 164u);
  std::vector<size_t> separators;
  for (size_t i = 0; i < keys.size(); ++i) {
    if (table.Kind(keys[i]) == TCaptionKind::None) separators.push_back(i);
  }
  EXPECT_EQ(separators, (std::vector<size_t>{0, 2, 10, 36, 55, 75, 92}));
  EXPECT_EQ(keys[0], "----------REPORT----------------");
  EXPECT_EQ(keys[92], "----------MESSAGE---------------");
  for (size_t i : separators) EXPECT_EQ(keys[i].size(), 32u) << keys[i];
  EXPECT_EQ(keys[1], "My Company Information");
  EXPECT_EQ(keys[11], "Start Optimize Button");
  EXPECT_EQ(keys[35], "Import DXF Button");
  EXPECT_EQ(keys[37], "Total Area Caption");
  EXPECT_EQ(keys[74], "Last Board Waste Area");
  EXPECT_EQ(keys[91], "Standard Profile Value Caption");
  EXPECT_EQ(keys[93], "MSG_MANUAL_LOCK");
  EXPECT_EQ(keys[129], "MSG_SELECT_SHAPE_LABEL_EMPTY");
  EXPECT_EQ(keys[134], "MSG_DXF_OUTLINE_DEGENERATE");
  // The program's own messages follow those of the editor.
  EXPECT_EQ(keys[135], "MSG_RESULT_FILE_DAMAGED");
  EXPECT_EQ(keys[150], "MSG_PIECE_CANT_BE_EXPORTED");
  EXPECT_EQ(keys[151], "Export PDF Button");
  EXPECT_EQ(keys[153], "Stop Optimize Button");
  EXPECT_EQ(keys[154], "MSG_PART_CANT_BE_ROTATED");
  EXPECT_EQ(keys[157], "MSG_DEEP_SECONDS_FORMAT_INVALID");
  EXPECT_EQ(keys[158], "Lower Bound Caption");
  EXPECT_EQ(keys[163], "MSG_RESULT_SUMMARY_INVALID");
}

TEST(TextTableDefaults, FilledTextsQuoteTheirNamesInOrder) {
  EXPECT_EQ(FilledText("MSG_RESULT_PIECE", {"2", "SIDE", "3"}), "piece 2 (SIDE) of layout 3");
  EXPECT_EQ(FilledText("MSG_RESULT_LAYOUT", {"%s", "x"}), "layout %s");
  EXPECT_EQ(FilledText("MSG_LAYOUT_IS_EMPTY", {"x"}), "Layout is empty, please optimize first.");
}

TEST(TextTableKeys, KindsGiveTheCaptionFileEntries) {
  // A caption file holds a caption for every text and control key and a hint for every
  // control and the tool button.
  const TTextTable table;
  size_t captions = 0;
  size_t hints = 0;
  for (const std::string& key : table.Keys()) {
    const TCaptionKind kind = table.Kind(key);
    if (kind == TCaptionKind::Text || kind == TCaptionKind::Control) ++captions;
    if (kind == TCaptionKind::Control || kind == TCaptionKind::HintOnly) ++hints;
  }
  EXPECT_EQ(captions, 156u);
  EXPECT_EQ(hints, 67u);
  EXPECT_EQ(table.Kind("Part Label Caption"), TCaptionKind::Text);
  EXPECT_EQ(table.Kind("MSG_LAYOUT_IS_EMPTY"), TCaptionKind::Text);
  EXPECT_EQ(table.Kind("Layout Sheet Label Caption"), TCaptionKind::Control);
  EXPECT_EQ(table.Kind("Start Optimize Button"), TCaptionKind::HintOnly);
}

TEST(TextTableDefaults, ControlsHaveCaptionAndHint) {
  const TTextTable table;
  EXPECT_EQ(table.Text("Tab Profiles"), "Profile");
  EXPECT_EQ(table.Text("Layout Sheet Label Caption"), "Label ");
  EXPECT_EQ(table.Text("Total Area Caption"), "Total Area ");
  EXPECT_EQ(table.Text("Save Offcut Button"), "Save Offcuts");
  EXPECT_EQ(table.Hint("Save Offcut Button"), "");
  EXPECT_EQ(table.Hint("Import From TXT Button"), "Import TXT file(delimit with TAB)");
  EXPECT_EQ(table.Hint("Opened File Caption"), "File Path and Name");
  EXPECT_EQ(table.Text("Scrap Criteria Caption"), "Scrap criteria - Offcuts to Keep");
  EXPECT_EQ(table.Hint("Guillotine Caption"),
            "If checked, must cut sheet from edge to edge, otherwise just fill in sheet");
  EXPECT_EQ(table.Hint("Measure Caption"), "mm, cm, dm, m,  inch, foot, etc");
  EXPECT_EQ(table.Hint("Blade Width Caption"), "Part to part gap");
  EXPECT_EQ(table.Hint("Start Optimize Button"), "Start optimize job");
}

TEST(TextTableDefaults, TextsAndMessages) {
  const TTextTable table;
  EXPECT_EQ(table.Text("Total Cost"), "TOTAL SHEET COST");
  EXPECT_EQ(table.Text("Total Cost Caption"), "Cost");
  EXPECT_EQ(table.Text("Sqr Caption"), ".sq.");
  EXPECT_EQ(table.Text("MSG_CANT_GET_RESULT"),
            "Can't Get result , because of too small sheets size, too large parts size , or "
            "less sheets qualify");
  EXPECT_EQ(table.Hint("MSG_CANT_GET_RESULT"), "");
  EXPECT_EQ(table.OffcutWord, "Offcut");
}

TEST(TextTableLookup, UnknownKeysAndSeparatorsAddressNothing) {
  TTextTable table;
  for (const char* key : {"No Such Caption", "----------TAB-------------------", ""}) {
    table.SetText(key, "x");
    table.SetHint(key, "y");
    EXPECT_EQ(table.Text(key), key);
    EXPECT_EQ(table.Hint(key), "");
    EXPECT_FALSE(table.HasKey(key));
    EXPECT_EQ(table.Kind(key), TCaptionKind::None);
  }
  // Keys match exactly, as in a caption file.
  EXPECT_FALSE(table.HasKey("tab parts"));
  EXPECT_EQ(table.Keys().size(), 164u);
}

TEST(TextTableLookup, EachKindTakesOnlyItsOwnTexts) {
  TTextTable table;
  table.SetText("MSG_OFFCUT_COST_FORMAT_INVALID", "Kosten?");
  table.SetHint("MSG_PART_QTY_FORMAT_INVALID", "ignored");
  table.SetText("Tab Parts", "Pieces");
  table.SetHint("Tab Parts", "The pieces to cut");
  table.SetText("Start Optimize Button", "ignored");
  table.SetHint("Start Optimize Button", "Go");
  EXPECT_EQ(table.Text("MSG_OFFCUT_COST_FORMAT_INVALID"), "Kosten?");
  EXPECT_EQ(table.Text("MSG_OFFCUT_QTY_FORMAT_INVALID"), "Current offcut quantity format error.");
  EXPECT_EQ(table.Hint("MSG_PART_QTY_FORMAT_INVALID"), "");
  EXPECT_EQ(table.Text("Tab Parts"), "Pieces");
  EXPECT_EQ(table.Hint("Tab Parts"), "The pieces to cut");
  EXPECT_EQ(table.Text("Start Optimize Button"), "Start Optimize");
  EXPECT_EQ(table.Hint("Start Optimize Button"), "Go");

  table.ResetToDefaults();
  EXPECT_EQ(table.Text("Tab Parts"), "Parts");
  EXPECT_EQ(table.Hint("Tab Parts"), "");
  EXPECT_EQ(table.Hint("Start Optimize Button"), "Start optimize job");
}

TEST(TextTableLookup, OffcutWordFollowsTheOffcutsTab) {
  TTextTable table;
  table.RefreshDerived();
  EXPECT_EQ(table.OffcutWord, "Offcuts");
  table.SetText("Tab Offcuts", "Reste");
  EXPECT_EQ(table.OffcutWord, "Offcuts");
  table.RefreshDerived();
  EXPECT_EQ(table.OffcutWord, "Reste");
  table.ResetToDefaults();
  EXPECT_EQ(table.OffcutWord, "Offcut");
}

}  // namespace
}  // namespace vexlin
