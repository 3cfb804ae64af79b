#include "model/ini_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iterator>
#include <list>
#include <optional>
#include <random>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "model/text_encoding.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace vexlin {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Only ASCII letters fold, so UTF-8 bytes are never touched and no locale is involved.
std::string LowerAscii(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Characters that would break the line structure of the file become blanks.
std::string Sanitised(std::string_view text, std::string_view forbidden) {
  std::string clean(text);
  for (char& c : clean) {
    if (forbidden.find(c) != std::string_view::npos) c = ' ';
  }
  return clean;
}

// Items in the order first seen, found by name regardless of ASCII letter case. A linked
// list keeps erasing any of tens of thousands of sections cheap and the index valid.
template <typename Item>
class NamedList {
 public:
  const Item* Find(std::string_view name) const {
    const auto found = index_.find(LowerAscii(name));
    return found == index_.end() ? nullptr : &*found->second;
  }
  Item* Find(std::string_view name) { return const_cast<Item*>(std::as_const(*this).Find(name)); }

  // The item of that name, appended when new; the flag tells whether it was.
  std::pair<Item&, bool> Obtain(std::string_view name) {
    std::string lower = LowerAscii(name);
    if (const auto found = index_.find(lower); found != index_.end()) {
      return {*found->second, false};
    }
    Item& item = items_.emplace_back();
    item.name = name;
    index_.emplace(std::move(lower), std::prev(items_.end()));
    return {item, true};
  }

  void Erase(std::string_view name) {
    const auto found = index_.find(LowerAscii(name));
    if (found == index_.end()) return;
    items_.erase(found->second);
    index_.erase(found);
  }

  const std::list<Item>& Items() const { return items_; }
  size_t Size() const { return items_.size(); }

 private:
  std::list<Item> items_;
  std::unordered_map<std::string, typename std::list<Item>::iterator> index_;
};

struct Entry {
  std::string name;
  std::string value;
};

struct Section {
  std::string name;
  NamedList<Entry> keys;
};

// "[name]", or "[name]" followed by a comment; no value for any other line.
std::optional<std::string_view> SectionHeader(std::string_view line) {
  if (!line.starts_with('[')) return std::nullopt;
  if (line.back() == ']') return TrimBlanks(line.substr(1, line.size() - 2));
  const size_t close = line.rfind(']');
  if (close == std::string_view::npos || !TrimBlanks(line.substr(close + 1)).starts_with(';')) {
    return std::nullopt;
  }
  return TrimBlanks(line.substr(1, close - 1));
}

// Returns false when the line was not taken.
bool ParseLine(std::string_view line, NamedList<Section>& sections, Section*& current) {
  if (line.empty() || line.front() == ';') return true;
  if (const std::optional<std::string_view> name = SectionHeader(line)) {
    current = &sections.Obtain(*name).first;
    return true;
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || current == nullptr) return false;
  auto [entry, added] = current->keys.Obtain(TrimBlanks(line.substr(0, equals)));
  if (added) entry.value = TrimBlanks(line.substr(equals + 1));
  return added;
}

// Lines end at CR, LF or CR LF.
void Parse(std::string_view text, NamedList<Section>& sections, std::vector<TIniLine>& unread) {
  Section* current = nullptr;
  size_t start = 0;
  for (size_t number = 1; start < text.size(); ++number) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = TrimBlanks(text.substr(start, end - start));
    if (!ParseLine(line, sections, current)) unread.push_back({number, std::string(line)});
    start = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
  }
}

// Any failure reads as an empty file, like a missing one.
std::string ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return {};
  std::string bytes;
  char buffer[65536];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return failed ? std::string() : bytes;
}

// Numbers as Delphi's StrToIntDef reads them; hexadecimal covers all 32 bits, so
// "$FFFFFFFF" is -1.
std::optional<int32_t> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  int base = 10;
  uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  if (text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(text.front() == '$' ? 1 : 2);
    base = 16;
    limit = 0xFFFFFFFFu;
  }
  uint64_t magnitude = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
  if (text.empty() || error != std::errc() || stop != end || magnitude > limit) return {};
  const auto bits = static_cast<uint32_t>(magnitude);
  return static_cast<int32_t>(negative ? 0u - bits : bits);
}

// from_chars never looks at the locale; it takes no "+" and would take "inf" and "nan",
// which the Windows reader rejects.
std::optional<double> ParseFloat(std::string_view text) {
  text = TrimBlanks(text);
  const size_t signLength = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
  if (text.size() <= signLength) return {};
  const char first = text[signLength];
  if (!((first >= '0' && first <= '9') || first == '.')) return {};
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return {};
  return value;
}

std::string Format(const NamedList<Section>& sections) {
  std::string text;
  for (const Section& section : sections.Items()) {
    if (!text.empty()) text += "\r\n";
    text += '[' + section.name + "]\r\n";
    for (const Entry& entry : section.keys.Items()) {
      text += entry.name + '=' + entry.value + "\r\n";
    }
  }
  return text;
}

// Saving: a fresh temporary file beside the target, so the rename stays on one file system.
std::string TemporaryPath(const std::string& path) {
  uint64_t number = 0;
  try {
    std::random_device device;
    number = (uint64_t{device()} << 32) ^ device();
  } catch (const std::exception&) {
    static std::atomic<uint64_t> counter{0};
    number = ++counter;
  }
  char digits[17];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number, 16);
  return path + ".tmp" + std::string(digits, end);
}

bool SyncToDisk([[maybe_unused]] std::FILE* file) {
#if __has_include(<unistd.h>)
  return ::fsync(::fileno(file)) == 0;
#else
  return true;
#endif
}

std::string ErrnoText() {
  return std::generic_category().message(errno != 0 ? errno : EIO);
}

// Returns what went wrong, or an empty text; a file it created is removed on failure.
std::string WriteNewFile(const std::string& path, std::string_view content) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wbx");
  if (file == nullptr) return ErrnoText();
  std::string error;
  if (std::fwrite(content.data(), 1, content.size(), file) != content.size() ||
      std::fflush(file) != 0 || !SyncToDisk(file)) {
    error = ErrnoText();
  }
  if (std::fclose(file) != 0 && error.empty()) error = ErrnoText();
  if (!error.empty()) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return error;
}

std::string ReplaceAtomically(const std::string& path, std::string_view content) {
  const std::string temporary = TemporaryPath(path);
  std::string error = WriteNewFile(temporary, content);
  if (error.empty()) {
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (!renameError) return {};
    error = renameError.message();
    std::filesystem::remove(temporary, renameError);
  }
  return "Can't write file " + path + ": " + error;
}

}  // namespace

struct TIniFile::Data {
  NamedList<Section> sections;
  std::vector<TIniLine> unread;

  const std::string* FindValue(std::string_view section, std::string_view key) const {
    const Section* found = sections.Find(section);
    const Entry* entry = found == nullptr ? nullptr : found->keys.Find(key);
    return entry == nullptr ? nullptr : &entry->value;
  }
};

TIniFile::TIniFile(std::string path) : path_(std::move(path)), data_(std::make_unique<Data>()) {
  Parse(DecodeTextFile(ReadWholeFile(path_)), data_->sections, data_->unread);
}

TIniFile::~TIniFile() = default;

const std::string& TIniFile::FileName() const {
  return path_;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  const std::string* value = data_->FindValue(section, key);
  return value != nullptr ? *value : std::string(defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const {
  const std::string* value = data_->FindValue(section, key);
  return value != nullptr ? ParseInteger(*value).value_or(defaultValue) : defaultValue;
}

int32_t TIniFile::ReadCount(std::string_view section, std::string_view key) const {
  const int64_t sections = static_cast<int64_t>(SectionCount());
  return static_cast<int32_t>(std::min<int64_t>(ReadInteger(section, key, 0), sections));
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(std::string_view section, std::string_view key,
                           double defaultValue) const {
  const std::string* value = data_->FindValue(section, key);
  return value != nullptr ? ParseFloat(*value).value_or(defaultValue) : defaultValue;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = data_->sections.Obtain(Sanitised(section, "\r\n]")).first;
  target.keys.Obtain(Sanitised(key, "\r\n=")).first.value = Sanitised(value, "\r\n");
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  WriteString(section, key, std::string_view(text, static_cast<size_t>(end - text)));
}

bool TIniFile::SectionExists(std::string_view section) const {
  return data_->sections.Find(section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return data_->FindValue(section, key) != nullptr;
}

size_t TIniFile::SectionCount() const {
  return data_->sections.Size();
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (const Section& section : data_->sections.Items()) names.push_back(section.name);
  return names;
}

std::vector<std::string> TIniFile::ReadSectionKeys(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = data_->sections.Find(section)) {
    for (const Entry& entry : found->keys.Items()) names.push_back(entry.name);
  }
  return names;
}

const std::vector<TIniLine>& TIniFile::UnreadLines() const {
  return data_->unread;
}

void TIniFile::EraseSection(std::string_view section) {
  data_->sections.Erase(section);
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (Section* found = data_->sections.Find(section)) found->keys.Erase(key);
}

std::string TIniFile::Save() const {
  return ReplaceAtomically(path_, Format(data_->sections));
}

}  // namespace vexlin
