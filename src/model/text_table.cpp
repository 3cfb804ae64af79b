#include "model/text_table.h"

namespace vexlin {
namespace {

struct TDefaultText {
  const char* Key;
  const char* Text;
};

// Text variables, then messages, each with its built-in text.
constexpr TDefaultText kDefaults[] = {
    {"My Company Information", "Vexlin cutting optimizer"},
    {"Part Label Caption", "Label"},
    {"Part Length Caption", "Length"},
    {"Part Width Caption", "Width"},
    {"Part Qty Caption", "Qty"},
    {"Part Rotate Caption", "Rotate"},
    {"Part Shape Caption", "Rec/Cir"},
    {"Sqr Caption", ".sq."},
    {"Color Caption", "Color"},
    {"Usable Length Caption", "USABLE LENGTH"},
    {"Usable Width Caption", "USABLE WIDTH"},
    {"Usable Area Caption", "USABLE AREA"},
    {"TRUE Caption", "YES"},
    {"FALSE Caption", "NO"},
    {"Rectangle Shape", "Rectangle"},
    {"Circle Shape", "Circle"},
    {"Sheet USED Caption", "USED"},
    {"Sheet REST Caption", "REST"},
    {"Last Board Utilization", "LAST BOARD UTILIZATION"},
    {"Total Usable Area", "TOTAL USABLE AREA"},
    {"Total Cost", "TOTAL SHEET COST"},
    {"Total Waste Area", "TOTAL WASTE AREA"},
    {"Last Board Waste Area", "THE LAST BOARD WASTE AREA"},
    {"Standard Profile Var Name Caption", "Var Name"},
    {"Standard Profile Value Caption", "Value"},
    {"MSG_MANUAL_LOCK", "before you confirm or cancel the manual in layout, all are DISABLE."},
    {"MSG_SHEET_LABEL_CANT_BE_EMPTY", "Current sheet Label can't be empty."},
    {"MSG_SHEET_LENGTH_FORMAT_INVALID", "Current sheet Length format error."},
    {"MSG_SHEET_WIDTH_FORMAT_INVALID", "Current sheet Width format error."},
    {"MSG_SHEET_QTY_FORMAT_INVALID", "Current sheet quantity format error."},
    {"MSG_SHEET_COST_FORMAT_INVALID", "Current sheet cost format error."},
    {"MSG_OFFCUT_LENGTH_FORMAT_INVALID", "Current offcut Length format error."},
    {"MSG_OFFCUT_WIDTH_FORMAT_INVALID", "Current offcut Width format error."},
    {"MSG_OFFCUT_QTY_FORMAT_INVALID", "Current offcut quantity format error."},
    {"MSG_OFFCUT_COST_FORMAT_INVALID", "Current offcut cost format error."},
    {"MSG_PART_LABEL_CANT_BE_EMPTY", "Current part Label can't be empty."},
    {"MSG_PART_LENGTH_FORMAT_INVALID", "Current part Length format error."},
    {"MSG_PART_WIDTH_FORMAT_INVALID", "Current part Width format error."},
    {"MSG_PART_QTY_FORMAT_INVALID", "Current part quantity format error."},
    {"MSG_SCROLL_LAYOUT_TOTAL", "TOTAL:"},
    {"MSG_SCROLL_LAYOUT_CURRENT", "CURRENT:"},
    {"MSG_OPEN_FILE_TITLE", "Open File ..."},
    {"MSG_SAVE_FILE_TITLE", "Save File ..."},
    {"MSG_SAVE_AS_FILE_TITLE", "Save As ..."},
    {"MSG_SHEET_DATA_IS_EMPTY", "Sheets data is empty."},
    {"MSG_PART_DATA_IS_EMPTY", "Parts data is empty."},
    {"MSG_BLADE_WIDTH_FORMAT_INVALID", "define blade width format error in configure tab"},
    {"MSG_WIDTH_EDGE_FORMAT_INVALID", "define width edge format error in configure tab"},
    {"MSG_LENGTH_EDGE_FORMAT_INVALID", "define length edge format error in configure tab"},
    {"MSG_MIN_SCRAP_LENGTH_FORMAT_INVALID", "define Min. Scrap Length format error in setup tab"},
    {"MSG_MIN_SCRAP_WIDTH_FORMAT_INVALID", "define Min. Scrap Width format error in setup tab"},
    {"MSG_LAYOUT_IS_EMPTY", "Layout is empty, please optimize first."},
    {"MSG_CANT_READ_IMPORT_TXT_FILE", "Can't read import txt file"},
    {"MSG_LABEL_ISNT_UNIQUE", "label isn't unique"},
    {"MSG_CANT_GET_RESULT",
     "Can't Get result , because of too small sheets size, too large parts size , or less "
     "sheets qualify"},
    {"MSG_TOTAL_PART_AREA_LARGER_THAN_SHEET_AREA",
     "Total area of Parts is larger than total area of sheets."},
    {"MSG_CANT_OPEN_FILE", "File isn't exist or file being used"},
    {"MSG_NOT_FIND_POLYLINE_DATA",
     "Not find polylines in DXF file, or disconnected polylines present"},
    {"MSG_DXF_ERROR_OUTSIDE", "DXF polyline size must less than 999.999"},
    {"MSG_PROFILE_FILE_FORMAT_ERROR", "profile file format is invalid"},
    {"MSG_SHAPE_PARA_FORMAT_INVALID", "profile variant value is invalid"},
    {"MSG_SELECT_SHAPE_LABEL_EMPTY", "Select profile label is empty"},
};

constexpr const char* kDefaultOffcutWord = "Offcut";

}  // namespace

TTextTable::TTextTable() {
  for (const TDefaultText& entry : kDefaults) keys_.emplace_back(entry.Key);
  ResetToDefaults();
}

std::string TTextTable::Text(std::string_view key) const {
  const auto found = texts_.find(std::string(key));
  return found != texts_.end() ? found->second : std::string(key);
}

void TTextTable::SetText(std::string_view key, std::string_view text) {
  const auto found = texts_.find(std::string(key));
  if (found != texts_.end()) found->second = text;
}

bool TTextTable::HasKey(std::string_view key) const {
  return texts_.find(std::string(key)) != texts_.end();
}

void TTextTable::ResetToDefaults() {
  texts_.clear();
  for (const TDefaultText& entry : kDefaults) texts_.emplace(entry.Key, entry.Text);
  OffcutWord = kDefaultOffcutWord;
}

TTextTable& Texts() {
  static TTextTable table;
  return table;
}

}  // namespace vexlin
