#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vexlin {

// What a caption key addresses.
enum class TCaptionKind {
  None,      // a separator item of the key list, or an unknown key: addresses nothing
  Text,      // a text variable or a message: one text
  Control,   // a control of the main window: a caption and a hint
  HintOnly,  // the "Start Optimize" tool button: a hint, its caption is fixed
};

// The replaceable texts of the program: tab titles, control captions and hints, report
// words, grid headings and every message, addressed by caption key ("Tab Parts",
// "MSG_CANT_GET_RESULT"). A caption file can replace any of them at run time, so the
// interface can be translated.
class TTextTable {
 public:
  TTextTable();

  // The current text of a key (a control's caption); an unknown key gives the key itself,
  // so a typo shows up.
  std::string Text(std::string_view key) const;
  // Replaces the text of a text or control key; other keys are ignored, as in a caption
  // file.
  void SetText(std::string_view key, std::string_view text);
  // The current hint of a control or of the tool button; empty for any other key.
  std::string Hint(std::string_view key) const;
  void SetHint(std::string_view key, std::string_view hint);

  TCaptionKind Kind(std::string_view key) const;
  // True for every key that addresses something (separators do not).
  bool HasKey(std::string_view key) const { return Kind(key) != TCaptionKind::None; }
  // The items of the caption key list in their fixed order, separators included.
  const std::vector<std::string>& Keys() const { return keys_; }
  void ResetToDefaults();
  // Brings the texts that follow other captions up to date; run after captions change.
  void RefreshDerived();

  // The word for an offcut in piece hints; follows the Offcuts tab caption.
  std::string OffcutWord;

 private:
  struct TEntry {
    TCaptionKind Kind;
    std::string Text;
    std::string Hint;
  };

  const TEntry* Find(std::string_view key) const;
  TEntry* Find(std::string_view key);

  std::vector<std::string> keys_;
  std::vector<TEntry> entries_;  // aligned with keys_
  std::map<std::string, size_t, std::less<>> positions_;
};

// The one text table of the process.
TTextTable& Texts();

// The text of key with each "%s" replaced by the next of args in turn, so that a translation
// may place the names it quotes where its language wants them.
std::string FilledText(std::string_view key, std::initializer_list<std::string_view> args);

}  // namespace vexlin
