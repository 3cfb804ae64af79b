#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vexlin {

// A line of an INI file as read, blanks trimmed; lines count from 1.
struct TIniLine {
  size_t Number = 0;
  std::string Text;

  friend bool operator==(const TIniLine&, const TIniLine&) = default;
};

// Every data file of the program is an INI file read and written through this class.
// Section and key names match regardless of letter case and keep the order in which
// they were first seen; when a key appears twice in a section the first one wins.
// The whole file is held in memory and written only by Save(), atomically, so a crash
// or a full disk never leaves a half-written file behind.
class TIniFile {
 public:
  // Reads the file at once; a missing or unreadable file, or one that is not a regular file
  // (a device or a pipe may never end), reads as empty.
  explicit TIniFile(std::string path);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal with an optional sign, or hexadecimal with "0x"/"$"; anything else,
  // or a value outside 32 bits, gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  // As the Windows reader does: the value read as an integer, true when not 0.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  // The entry count of a stored list. Every entry has a section of its own, so a damaged
  // count never exceeds the file's sections; a missing one is 0.
  int32_t ReadCount(std::string_view section, std::string_view key) const;
  // "." is the decimal separator; text that is not a number gives the default.
  double ReadFloat(std::string_view section, std::string_view key, double defaultValue) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Shortest text that reads back as the same double, with ".".
  void WriteFloat(std::string_view section, std::string_view key, double value);

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  size_t SectionCount() const;
  // Section names as first written or read, in file order.
  std::vector<std::string> ReadSections() const;
  // Key names of one section, in order.
  std::vector<std::string> ReadSectionKeys(std::string_view section) const;
  // The lines read but not taken, so that a reader can name what it lost: text before the
  // first section, a line that is neither "[section]" (a "; comment" may follow) nor
  // "key=value", and a repeated key. Comments and blank lines are not listed.
  const std::vector<TIniLine>& UnreadLines() const;
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

  // Writes the file as UTF-8 with CR LF line ends through a temporary file beside it
  // and a rename. Returns an empty text on success, otherwise what went wrong; the
  // previous file is then left untouched.
  std::string Save() const;

 private:
  struct Data;
  std::string path_;
  std::unique_ptr<Data> data_;
};

}  // namespace vexlin
