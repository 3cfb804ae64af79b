#include "input/caption_file.h"

#include <string_view>

#include "model/ini_file.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

constexpr std::string_view kCaptions = "CAPTION";
constexpr std::string_view kHints = "HINT";

bool HasCaption(TCaptionKind kind) {
  return kind == TCaptionKind::Text || kind == TCaptionKind::Control;
}

bool HasHint(TCaptionKind kind) {
  return kind == TCaptionKind::Control || kind == TCaptionKind::HintOnly;
}

void ReadKey(TTextTable& table, const std::string& key, TCaptionKind kind, const TIniFile& ini) {
  if (HasCaption(kind)) table.SetText(key, ini.ReadString(kCaptions, key, table.Text(key)));
  if (HasHint(kind)) table.SetHint(key, ini.ReadString(kHints, key, table.Hint(key)));
}

void WriteKey(const TTextTable& table, const std::string& key, TCaptionKind kind, TIniFile& ini) {
  if (HasCaption(kind)) ini.WriteString(kCaptions, key, table.Text(key));
  if (HasHint(kind)) ini.WriteString(kHints, key, table.Hint(key));
}

}  // namespace

void SetCaptionIndex(TTextTable& table, size_t item, TCaptionMode mode, TIniFile& ini) {
  if (item >= table.Keys().size()) return;
  const std::string& key = table.Keys()[item];
  const TCaptionKind kind = table.Kind(key);
  if (mode == TCaptionMode::Read) {
    ReadKey(table, key, kind, ini);
  } else {
    WriteKey(table, key, kind, ini);
  }
}

void ReadCaptionFile(const std::string& path, TTextTable& table) {
  TIniFile ini(path);
  for (size_t item = 0; item < table.Keys().size(); ++item) {
    SetCaptionIndex(table, item, TCaptionMode::Read, ini);
  }
  table.RefreshDerived();
}

std::string WriteCaptionFile(const std::string& path, TTextTable& table) {
  TIniFile ini(path);
  for (size_t item = 0; item < table.Keys().size(); ++item) {
    SetCaptionIndex(table, item, TCaptionMode::Write, ini);
  }
  return ini.Save();
}

}  // namespace vexlin
