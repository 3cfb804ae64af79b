#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vexlin {

// The replaceable texts of the program: report words, grid headings and every message,
// addressed by caption key ("Part Label Caption", "MSG_CANT_GET_RESULT"). A caption file
// can replace any of them at run time, so the interface can be translated.
class TTextTable {
 public:
  TTextTable();

  // The current text of a key; an unknown key gives the key itself, so a typo shows up.
  std::string Text(std::string_view key) const;
  // Replaces the text of a known key; unknown keys are ignored, as in a caption file.
  void SetText(std::string_view key, std::string_view text);
  bool HasKey(std::string_view key) const;
  // Keys in their fixed order.
  const std::vector<std::string>& Keys() const { return keys_; }
  void ResetToDefaults();

  // The word for an offcut in piece hints; follows the Offcuts tab caption.
  std::string OffcutWord;

 private:
  std::vector<std::string> keys_;
  std::unordered_map<std::string, std::string> texts_;
};

// The one text table of the process.
TTextTable& Texts();

}  // namespace vexlin
