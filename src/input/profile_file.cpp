#include "input/profile_file.h"

#include "input/dxf_import.h"
#include "input/list_files.h"
#include "input/profile_list.h"
#include "model/ini_file.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

constexpr const char* kHead = "STR";

std::string EntrySection(size_t i) {
  return kHead + std::to_string(i);
}

TShapeParams ParamsOf(const TTrapezium& record) {
  return {record.Param1, record.Param2, record.Param3, record.Param4, record.Param5, record.Param6};
}

std::string AddDxfEntry(TProfileLists& lists, TDxfImport& dxf, const std::string& label,
                        const std::string& path, int32_t quantity) {
  // Labels stay unique whatever the file holds.
  if (HasProfileLabel(lists, label)) return Texts().Text("MSG_LABEL_ISNT_UNIQUE");
  const TDxfReadResult read = ReadDXFFile(dxf, path);
  if (!read.Accepted) return read.Message;
  AddDXFShape(dxf, lists, label, path, quantity);
  return {};
}

std::string ReadEntry(const TIniFile& ini, size_t i, TProfileLists& lists, TDxfImport& dxf) {
  const std::string section = EntrySection(i);
  const std::string label = ini.ReadString(section, "L", "");
  const int32_t quantity = ini.ReadInteger(section, "Q", 0);
  TTrapezium record;
  record.LoadFromIni(ini, section);
  if (record.FromDxf) return AddDxfEntry(lists, dxf, label, record.ShapeType, quantity);
  return AddStandardShape(lists, label, record.ShapeType, ParamsOf(record), quantity);
}

}  // namespace

std::vector<std::string> ReadAnyShapeFile(TProfileLists& lists, TDxfImport& dxf,
                                          const std::string& path) {
  const TIniFile ini(path);
  DeleteAllProfiles(lists);
  std::vector<std::string> messages;
  const int32_t count = ini.ReadCount(kHead, "CN");
  for (int32_t i = 0; i < count; ++i) {
    std::string message = ReadEntry(ini, static_cast<size_t>(i), lists, dxf);
    if (!message.empty()) messages.push_back(std::move(message));
  }
  dxf.Outline.ClearSegments();
  dxf.OutlineSelected = false;
  return messages;
}

std::string SaveAnyShapeFile(const TProfileLists& lists, const std::string& path) {
  TIniFile ini(path);
  EmptyIniFile(ini);
  ini.WriteInteger(kHead, "CN", static_cast<int32_t>(lists.Profiles.Size()));
  for (size_t i = 0; i < lists.Profiles.Size(); ++i) {
    const T2DStock& piece = lists.Profiles[i];
    const TTrapezium* shape = lists.Shapes->FindByName(piece.Label);
    const std::string section = EntrySection(i);
    (shape ? *shape : TTrapezium{}).SaveToIni(ini, section);
    ini.WriteString(section, "L", piece.Label);
    ini.WriteInteger(section, "Q", piece.Count);
  }
  return ini.Save();
}

}  // namespace vexlin
