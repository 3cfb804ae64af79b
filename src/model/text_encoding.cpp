#include "model/text_encoding.h"

#include <array>
#include <cstdint>

namespace vexlin {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

// Every code point here is below U+10000, so three bytes at most.
void AppendUtf8(std::string& out, uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// What a lead byte allows: the number of continuation bytes and the range of the first
// one, which is where overlong forms, surrogates and values above U+10FFFF are excluded.
struct LeadByte {
  int trailCount;
  unsigned char low;
  unsigned char high;
};

LeadByte ClassifyLead(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {1, 0x80, 0xBF};
  if (byte == 0xE0) return {2, 0xA0, 0xBF};
  if (byte == 0xED) return {2, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {2, 0x80, 0xBF};
  if (byte == 0xF0) return {3, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {3, 0x80, 0xBF};
  if (byte == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};
}

// The length of the valid character starting at text[at], 0 when none starts there.
size_t CharacterLength(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  const LeadByte rule = ClassifyLead(lead);
  const auto trailCount = static_cast<size_t>(rule.trailCount);
  if (trailCount == 0 || text.size() - at <= trailCount) return 0;
  for (size_t k = 1; k <= trailCount; ++k) {
    const auto byte = static_cast<unsigned char>(text[at + k]);
    const unsigned char low = k == 1 ? rule.low : 0x80;
    const unsigned char high = k == 1 ? rule.high : 0xBF;
    if (byte < low || byte > high) return 0;
  }
  return trailCount + 1;
}

char32_t DecodeCharacter(std::string_view bytes) {
  constexpr unsigned char kLeadBits[] = {0x7F, 0x1F, 0x0F, 0x07};
  char32_t codePoint = static_cast<unsigned char>(bytes[0]) & kLeadBits[bytes.size() - 1];
  for (size_t k = 1; k < bytes.size(); ++k) {
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[k]) & 0x3F);
  }
  return codePoint;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharacterLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::u32string Utf8CodePoints(std::string_view text) {
  std::u32string codePoints;
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharacterLength(text, i);
    codePoints += length == 0 ? U'\uFFFD' : DecodeCharacter(text.substr(i, length));
    i += length == 0 ? 1 : length;
  }
  return codePoints;
}

int Windows1252Byte(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    // The five bytes Windows-1252 leaves undefined hold their own number in the table.
    if (kHighControls[i] == codePoint && codePoint >= 0x100) return static_cast<int>(0x80 + i);
  }
  return -1;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
  }
  return out;
}

std::string DecodeTextFile(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

}  // namespace vexlin
