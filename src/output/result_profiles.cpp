#include "output/result_profiles.h"

#include <string>
#include <utility>
#include <vector>

#include "input/dxf_import.h"
#include "input/profile_list.h"
#include "model/ini_file.h"
#include "model/panels.h"
#include "model/trapezium_list.h"

namespace vexlin {
namespace {

std::string EntrySection(std::string_view head, size_t i) {
  return std::string(head) + std::to_string(i);
}

TShapeParams ParamsOf(const TTrapezium& record) {
  return {record.Param1, record.Param2, record.Param3, record.Param4, record.Param5, record.Param6};
}

void ReadEntry(const TIniFile& ini, const std::string& section, TProfileLists& lists) {
  const std::string label = ini.ReadString(section, "L", "");
  const int32_t quantity = ini.ReadInteger(section, "Q", 0);
  TTrapezium record;
  record.LoadFromIni(ini, section);
  if (!record.FromDxf) {
    AddStandardShape(lists, label, record.ShapeType, ParamsOf(record), quantity);
    return;
  }
  if (HasProfileLabel(lists, label)) return;
  TDxfImport dxf;
  if (ReadDXFFile(dxf, record.ShapeType).Accepted) {
    AddDXFShape(dxf, lists, label, record.ShapeType, quantity);
  }
}

}  // namespace

void SaveResultProfiles(TIniFile& ini, std::string_view head, const TPanels& parts,
                        const TTrapeziumList& shapes) {
  std::vector<std::pair<const T2DStock*, const TTrapezium*>> entries;
  for (const T2DStock& part : parts) {
    const TTrapezium* shape = part.Shape == kShapeProfile ? shapes.FindByName(part.Label) : nullptr;
    if (shape != nullptr) entries.emplace_back(&part, shape);
  }
  ini.WriteInteger(head, "CN", static_cast<int32_t>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string section = EntrySection(head, i);
    entries[i].second->SaveToIni(ini, section);
    ini.WriteString(section, "L", entries[i].first->Label);
    ini.WriteInteger(section, "Q", entries[i].first->Count);
  }
}

bool ReadResultProfiles(const TIniFile& ini, std::string_view head, TTrapeziumList& shapes) {
  if (!ini.ValueExists(head, "CN")) return false;
  shapes.ClearList();
  TProfileLists lists{{}, &shapes};
  const int32_t count = ini.ReadCount(head, "CN");
  for (int32_t i = 0; i < count; ++i) {
    ReadEntry(ini, EntrySection(head, static_cast<size_t>(i)), lists);
  }
  return true;
}

}  // namespace vexlin
