#include "model/text_table.h"

#include <utility>

namespace vexlin {
namespace {

struct TDefaultEntry {
  const char* Key;
  TCaptionKind Kind;
  const char* Text;
  const char* Hint;
};

constexpr TCaptionKind kNone = TCaptionKind::None;
constexpr TCaptionKind kText = TCaptionKind::Text;
constexpr TCaptionKind kControl = TCaptionKind::Control;
constexpr TCaptionKind kHintOnly = TCaptionKind::HintOnly;

// The caption key list in the order of the caption editor, with the built-in texts.
constexpr TDefaultEntry kDefaults[] = {
    {"----------REPORT----------------", kNone, "", ""},
    {"My Company Information", kText, "Vexlin cutting optimizer", ""},
    {"----------TAB-------------------", kNone, "", ""},
    {"Tab Sheets", kControl, "Sheets", ""},
    {"Tab Parts", kControl, "Parts", ""},
    {"Tab Profiles", kControl, "Profile", ""},
    {"Tab Offcuts", kControl, "Offcuts", ""},
    {"Tab Configure", kControl, "Configure", ""},
    {"Tab Layout", kControl, "Layout", ""},
    {"Tab Report", kControl, "Report", ""},
    {"----------BUTTON----------------", kNone, "", ""},
    {"Start Optimize Button", kHintOnly, "Start Optimize", "Start optimize job"},
    {"Load File Button", kControl, "Load", ""},
    {"Save File Button", kControl, "Save", ""},
    {"Save As Button", kControl, "Save As...", ""},
    {"Delete Button", kControl, "Delete", ""},
    {"Delete All Button", kControl, "Delete All", ""},
    {"Import From TXT Button", kControl, "Import TXT", "Import TXT file(delimit with TAB)"},
    {"Add Offcuts Button", kControl, "Add", ""},
    {"Add All Offcuts Button", kControl, "Add All", ""},
    {"Save Configure Button", kControl, "Save Configure", ""},
    {"Auto Rearrange Button", kControl, "Auto Rearrange", ""},
    {"Save Offcut Button", kControl, "Save Offcuts", ""},
    {"Print All Button", kControl, "Print All", "Print All, include report and all layouts"},
    {"Print Current Button", kControl, "Print Current", "Print Current Layout"},
    {"Print Report Button", kControl, "Print Report", "Print Summary Report"},
    {"Save Layout Button", kControl, "Save Result", ""},
    {"Load Layout Button", kControl, "Load Result", ""},
    {"Export DXF Button", kControl, "Export DXF", "Export AUTOCAD DXF File"},
    {"Export HTML Button", kControl, "Export HTML", ""},
    {"Export G Code Button", kControl, "Export G Code", "Export G code"},
    {"Manual Button", kControl, "Manual", ""},
    {"Manual Confirm Button", kControl, "Confirm", ""},
    {"Manual Cancel Button", kControl, "Cancel", ""},
    {"Add Profile Button", kControl, "Add", ""},
    {"Import DXF Button", kControl, "Import DXF", ""},
    {"----------MATERIAL--------------", kNone, "", ""},
    {"Total Area Caption", kControl, "Total Area ", ""},
    {"Total Qty Caption", kControl, "Qty.", ""},
    {"Total Cost Caption", kControl, "Cost", ""},
    {"Opened File Caption", kControl, "File Name", "File Path and Name"},
    {"Part Label Caption", kText, "Label", ""},
    {"Part Length Caption", kText, "Length", ""},
    {"Part Width Caption", kText, "Width", ""},
    {"Part Qty Caption", kText, "Qty", ""},
    {"Part Rotate Caption", kText, "Rotate", ""},
    {"Part Shape Caption", kText, "Rec/Cir", ""},
    {"Left Top Caption", kControl, "(left,top)", ""},
    {"Layout Sheet Label Caption", kControl, "Label ", ""},
    {"Layout Sheet Length Caption", kControl, "Length", ""},
    {"Layout Sheet Width Caption", kControl, "Width", ""},
    {"Layout Sheet Qty Caption", kControl, "Qty.", ""},
    {"Layout Sheet Cost Caption", kControl, "Cost", ""},
    {"Parts in Layout Caption", kControl, "Parts in Layout", ""},
    {"Select Profile Caption", kControl, "Select Profile", ""},
    {"----------GLOSSARY--------------", kNone, "", ""},
    {"Sqr Caption", kText, ".sq.", ""},
    {"Area Caption", kControl, "Area", ""},
    {"Waste Area Caption", kControl, "Waste", ""},
    {"Color Caption", kText, "Color", ""},
    {"Layout Sheet Utilization Caption", kControl, "Utilization", ""},
    {"Usable Length Caption", kText, "USABLE LENGTH", ""},
    {"Usable Width Caption", kText, "USABLE WIDTH", ""},
    {"Usable Area Caption", kText, "USABLE AREA", ""},
    {"TRUE Caption", kText, "YES", ""},
    {"FALSE Caption", kText, "NO", ""},
    {"Rectangle Shape", kText, "Rectangle", ""},
    {"Circle Shape", kText, "Circle", ""},
    {"Sheet USED Caption", kText, "USED", ""},
    {"Sheet REST Caption", kText, "REST", ""},
    {"Last Board Utilization", kText, "LAST BOARD UTILIZATION", ""},
    {"Total Usable Area", kText, "TOTAL USABLE AREA", ""},
    {"Total Cost", kText, "TOTAL SHEET COST", ""},
    {"Total Waste Area", kText, "TOTAL WASTE AREA", ""},
    {"Last Board Waste Area", kText, "THE LAST BOARD WASTE AREA", ""},
    {"----------CONFIGURE-------------", kNone, "", ""},
    {"Guillotine Caption", kControl, "Guillotine",
     "If checked, must cut sheet from edge to edge, otherwise just fill in sheet"},
    {"Fast Optimize Caption", kControl, "Fast Optimize",
     "if checked, layout maybe not the best, but fast"},
    {"Cost Optimize Caption", kControl, "Cost Optimize", "The Minimum Cost"},
    {"Measure Caption", kControl, "Measure", "mm, cm, dm, m,  inch, foot, etc"},
    {"Printer Font Size Caption", kControl, "Printer Font Size", ">=8"},
    {"Blade Width Caption", kControl, "Blade Width", "Part to part gap"},
    {"Length Edge Caption", kControl, "Length Edge", ""},
    {"Width Edge Caption", kControl, "Width Edge", ""},
    {"Scrap Criteria Caption", kControl, "Scrap criteria - Offcuts to Keep", ""},
    {"Scrap Min. Length Caption", kControl, "Min. Length", ""},
    {"Scrap Min. Width Caption", kControl, "Min. Width", ""},
    {"G code Caption", kControl, "G Code", ""},
    {"Drill Depth Caption", kControl, "Drill Depth", ""},
    {"Safety Heigth Caption", kControl, "Safety Heigth", ""},
    {"Standard Profile Var Name Caption", kText, "Var Name", ""},
    {"Standard Profile Value Caption", kText, "Value", ""},
    {"----------MESSAGE---------------", kNone, "", ""},
    {"MSG_MANUAL_LOCK", kText,
     "before you confirm or cancel the manual in layout, all are DISABLE.", ""},
    {"MSG_SHEET_LABEL_CANT_BE_EMPTY", kText, "Current sheet Label can't be empty.", ""},
    {"MSG_SHEET_LENGTH_FORMAT_INVALID", kText, "Current sheet Length format error.", ""},
    {"MSG_SHEET_WIDTH_FORMAT_INVALID", kText, "Current sheet Width format error.", ""},
    {"MSG_SHEET_QTY_FORMAT_INVALID", kText, "Current sheet quantity format error.", ""},
    {"MSG_SHEET_COST_FORMAT_INVALID", kText, "Current sheet cost format error.", ""},
    {"MSG_OFFCUT_LENGTH_FORMAT_INVALID", kText, "Current offcut Length format error.", ""},
    {"MSG_OFFCUT_WIDTH_FORMAT_INVALID", kText, "Current offcut Width format error.", ""},
    {"MSG_OFFCUT_QTY_FORMAT_INVALID", kText, "Current offcut quantity format error.", ""},
    {"MSG_OFFCUT_COST_FORMAT_INVALID", kText, "Current offcut cost format error.", ""},
    {"MSG_PART_LABEL_CANT_BE_EMPTY", kText, "Current part Label can't be empty.", ""},
    {"MSG_PART_LENGTH_FORMAT_INVALID", kText, "Current part Length format error.", ""},
    {"MSG_PART_WIDTH_FORMAT_INVALID", kText, "Current part Width format error.", ""},
    {"MSG_PART_QTY_FORMAT_INVALID", kText, "Current part quantity format error.", ""},
    {"MSG_SCROLL_LAYOUT_TOTAL", kText, "TOTAL:", ""},
    {"MSG_SCROLL_LAYOUT_CURRENT", kText, "CURRENT:", ""},
    {"MSG_OPEN_FILE_TITLE", kText, "Open File ...", ""},
    {"MSG_SAVE_FILE_TITLE", kText, "Save File ...", ""},
    {"MSG_SAVE_AS_FILE_TITLE", kText, "Save As ...", ""},
    {"MSG_SHEET_DATA_IS_EMPTY", kText, "Sheets data is empty.", ""},
    {"MSG_PART_DATA_IS_EMPTY", kText, "Parts data is empty.", ""},
    {"MSG_BLADE_WIDTH_FORMAT_INVALID", kText, "define blade width format error in configure tab",
     ""},
    {"MSG_WIDTH_EDGE_FORMAT_INVALID", kText, "define width edge format error in configure tab", ""},
    {"MSG_LENGTH_EDGE_FORMAT_INVALID", kText, "define length edge format error in configure tab",
     ""},
    {"MSG_MIN_SCRAP_LENGTH_FORMAT_INVALID", kText,
     "define Min. Scrap Length format error in setup tab", ""},
    {"MSG_MIN_SCRAP_WIDTH_FORMAT_INVALID", kText,
     "define Min. Scrap Width format error in setup tab", ""},
    {"MSG_LAYOUT_IS_EMPTY", kText, "Layout is empty, please optimize first.", ""},
    {"MSG_CANT_READ_IMPORT_TXT_FILE", kText, "Can't read import txt file", ""},
    {"MSG_LABEL_ISNT_UNIQUE", kText, "label isn't unique", ""},
    {"MSG_CANT_GET_RESULT", kText,
     "Can't Get result , because of too small sheets size, too large parts size , or less "
     "sheets qualify",
     ""},
    {"MSG_TOTAL_PART_AREA_LARGER_THAN_SHEET_AREA", kText,
     "Total area of Parts is larger than total area of sheets.", ""},
    {"MSG_CANT_OPEN_FILE", kText, "File isn't exist or file being used", ""},
    {"MSG_NOT_FIND_POLYLINE_DATA", kText,
     "Not find polylines in DXF file, or disconnected polylines present", ""},
    {"MSG_DXF_ERROR_OUTSIDE", kText, "DXF polyline size must less than 999.999", ""},
    {"MSG_PROFILE_FILE_FORMAT_ERROR", kText, "profile file format is invalid", ""},
    {"MSG_SHAPE_PARA_FORMAT_INVALID", kText, "profile variant value is invalid", ""},
    {"MSG_SELECT_SHAPE_LABEL_EMPTY", kText, "Select profile label is empty", ""},
    {"MSG_NOT_A_LIST_FILE", kText,
     "No section of this list ([SHEET1] for sheets and offcuts, [PART1] for parts) in the file; "
     "nothing was loaded:",
     ""},
    {"MSG_LIST_ENTRIES_NOT_READ", kText, "These entries of the file were not read:", ""},
    {"MSG_DXF_FILE_NOT_REGULAR", kText, "Not a regular file, not read as DXF:", ""},
    {"MSG_DXF_FILE_TOO_LARGE", kText, "DXF file larger than 64 MB, not read:", ""},
    {"MSG_DXF_OUTLINE_DEGENERATE", kText,
     "DXF outline encloses no area (zero length, zero height or a flat line):", ""},
    {"MSG_RESULT_FILE_DAMAGED", kText, "The result file %s is damaged and was not loaded: %s.", ""},
    {"MSG_RESULT_NOT_A_RESULT", kText, "it holds no saved result", ""},
    {"MSG_RESULT_LAYOUT", kText, "layout %s", ""},
    {"MSG_RESULT_PIECE", kText, "piece %s (%s) of layout %s", ""},
    {"MSG_RESULT_PART_TYPE", kText, "part type %s (%s)", ""},
    {"MSG_RESULT_SHEET_TYPE", kText, "sheet type %s (%s)", ""},
    {"MSG_RESULT_LAYOUT_MISSING", kText, "layout %s is missing", ""},
    {"MSG_RESULT_SIZE_INVALID", kText, "%s has a size of 0 or below", ""},
    {"MSG_RESULT_QTY_INVALID", kText, "%s is cut from fewer than one sheet", ""},
    {"MSG_RESULT_SHAPE_INVALID", kText, "%s has an unknown shape", ""},
    {"MSG_RESULT_PART_TYPE_INVALID", kText, "%s names no part type of the part list", ""},
    {"MSG_RESULT_COUNTS_INVALID", kText, "the part counts of %s do not match the part list", ""},
    {"MSG_RESULT_PIECE_OUTSIDE", kText, "%s lies outside its sheet", ""},
    {"MSG_RESULT_SETTING_INVALID", kText, "the value \"%s\" of %s is not a length of 0 or more",
     ""},
    {"MSG_RESULT_PROFILE_MISSING", kText,
     "The profile %s of the result file %s cannot be found: its pieces cannot be drawn, "
     "measured or cut.",
     ""},
    {"MSG_PIECE_CANT_BE_EXPORTED", kText,
     "Nothing was exported: the piece %s of layout %s cannot be drawn or cut, its profile is "
     "unknown.",
     ""},
    {"Export PDF Button", kControl, "Export PDF",
     "Export the report and all layouts as a PDF file, no printer needed"},
    {"MSG_NO_PRINTER", kText,
     "Nothing was printed: no printer is ready. Choose one with \"Print Setup...\" in the File "
     "menu, or save the pages with \"Export PDF\".",
     ""},
    {"Stop Optimize Button", kControl, "Stop", "Stop the optimize job, keep the result shown"},
    {"MSG_PART_CANT_BE_ROTATED", kText, "This part can't be rotated: its Rotate is N.", ""},
    {"Deep Optimize Caption", kControl, "Deep Optimize",
     "if checked, a deeper search follows and looks for fewer sheets or a lower cost, for at "
     "most Deep Seconds; with Fast Optimize it starts from the fast result"},
    {"Deep Seconds Caption", kControl, "Deep Seconds",
     "time limit of the deep search in whole seconds, 1 to 3600"},
    {"MSG_DEEP_SECONDS_FORMAT_INVALID", kText,
     "define deep seconds format error in configure tab (a whole number from 1 to 3600)", ""},
    {"Lower Bound Caption", kControl, "Lower Bound", "No plan of this job can do better"},
    {"Gap Caption", kControl, "Gap", "How far the result lies above the lower bound"},
    {"Optimal Caption", kText, "optimal", ""},
    {"Deep Time Limit Caption", kText, "Deep search ended by its time limit", ""},
    {"Deep Stopped Caption", kText, "Deep search ended by the Stop button", ""},
    {"MSG_RESULT_SUMMARY_INVALID", kText,
     "the value \"%s\" of %s does not fit a deep search summary", ""},
};

constexpr const char* kDefaultOffcutWord = "Offcut";

}  // namespace

TTextTable::TTextTable() {
  for (const TDefaultEntry& entry : kDefaults) {
    if (entry.Kind != kNone) positions_.emplace(entry.Key, keys_.size());
    keys_.emplace_back(entry.Key);
  }
  ResetToDefaults();
}

const TTextTable::TEntry* TTextTable::Find(std::string_view key) const {
  const auto found = positions_.find(key);
  return found != positions_.end() ? &entries_[found->second] : nullptr;
}

TTextTable::TEntry* TTextTable::Find(std::string_view key) {
  return const_cast<TEntry*>(std::as_const(*this).Find(key));
}

std::string TTextTable::Text(std::string_view key) const {
  const TEntry* entry = Find(key);
  return entry != nullptr ? entry->Text : std::string(key);
}

void TTextTable::SetText(std::string_view key, std::string_view text) {
  TEntry* entry = Find(key);
  if (entry != nullptr && entry->Kind != kHintOnly) entry->Text = text;
}

std::string TTextTable::Hint(std::string_view key) const {
  const TEntry* entry = Find(key);
  return entry != nullptr ? entry->Hint : std::string{};
}

void TTextTable::SetHint(std::string_view key, std::string_view hint) {
  TEntry* entry = Find(key);
  if (entry != nullptr && (entry->Kind == kControl || entry->Kind == kHintOnly)) {
    entry->Hint = hint;
  }
}

TCaptionKind TTextTable::Kind(std::string_view key) const {
  const TEntry* entry = Find(key);
  return entry != nullptr ? entry->Kind : kNone;
}

void TTextTable::ResetToDefaults() {
  entries_.clear();
  for (const TDefaultEntry& entry : kDefaults) {
    entries_.push_back(TEntry{entry.Kind, entry.Text, entry.Hint});
  }
  OffcutWord = kDefaultOffcutWord;
}

void TTextTable::RefreshDerived() {
  OffcutWord = Text("Tab Offcuts");
}

TTextTable& Texts() {
  static TTextTable table;
  return table;
}

std::string FilledText(std::string_view key, std::initializer_list<std::string_view> args) {
  std::string text = Texts().Text(key);
  size_t from = 0;
  for (std::string_view arg : args) {
    const size_t at = text.find("%s", from);
    if (at == std::string::npos) break;
    text.replace(at, 2, arg);
    from = at + arg.size();
  }
  return text;
}

}  // namespace vexlin
