#pragma once

#include <cstddef>
#include <string>

namespace vexlin {

class TIniFile;
class TTextTable;

// A caption file (".cap") holds replacement texts by caption key: the section "CAPTION"
// has the texts, messages and control captions, the section "HINT" the control hints and
// the hint of the "Start Optimize" tool button.

enum class TCaptionMode {
  Read = 0,   // take the file's texts; a missing entry keeps the current text
  Write = 1,  // write the current texts to the file
};

// Applies the caption key at position item of the key list in one mode. Separators and
// positions beyond the list do nothing.
void SetCaptionIndex(TTextTable& table, size_t item, TCaptionMode mode, TIniFile& ini);

// Reads every key from the file, then brings the derived texts up to date. A missing or
// unreadable file leaves every text unchanged.
void ReadCaptionFile(const std::string& path, TTextTable& table);

// Writes every key to the file and keeps its other content. Returns an empty text, or
// what went wrong when the file could not be written.
std::string WriteCaptionFile(const std::string& path, TTextTable& table);

}  // namespace vexlin
