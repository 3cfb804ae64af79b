#include "fuzz/mutator.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vexlin {
namespace {

// Texts at and beyond the edges of 32-bit integers and doubles, and the non-numbers a
// number parser has to refuse.
const std::vector<std::string> kNastyValues = {"99999999999999999999",
                                               "-2147483649",
                                               "2147483648",
                                               "-2147483648",
                                               "2147483647",
                                               "4294967296",
                                               "1e400",
                                               "-1e400",
                                               "1e-400",
                                               "1e308",
                                               "nan",
                                               "-nan",
                                               "inf",
                                               "-inf",
                                               "0x7FFFFFFF",
                                               "0x80000000",
                                               "$FFFFFFFF",
                                               "0x",
                                               "$",
                                               "-",
                                               "+",
                                               ".",
                                               "1.",
                                               ".5",
                                               "0.00005",
                                               "-0",
                                               "1,5",
                                               "",
                                               " ",
                                               "\t",
                                               "=",
                                               "[",
                                               "]",
                                               "%s%n",
                                               "\xEF\xBB\xBF",
                                               "\xC3",
                                               "\xFF\xFE",
                                               std::string(1, '\0')};

// Splits into lines without their line ends; the positions are the line starts.
std::vector<size_t> LineStarts(const std::string& text) {
  std::vector<size_t> starts{0};
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    if (at + 1 < text.size()) starts.push_back(at + 1);
  }
  return starts;
}

size_t LineEnd(const std::string& text, size_t start) {
  const size_t end = text.find('\n', start);
  return end == std::string::npos ? text.size() : end + 1;
}

}  // namespace

TMutator::TMutator(uint32_t seed, std::vector<std::string> words)
    : rng_(seed), words_(std::move(words)) {}

size_t TMutator::Below(size_t n) {
  if (n == 0) return 0;
  return std::uniform_int_distribution<size_t>(0, n - 1)(rng_);
}

std::string TMutator::Pick(const std::vector<std::string>& from) {
  return from[Below(from.size())];
}

std::string TMutator::Mutate(std::string text) {
  const size_t damages = 1 + Below(4);
  for (size_t i = 0; i < damages; ++i) Damage(text);
  return text;
}

void TMutator::Damage(std::string& text) {
  const std::vector<size_t> starts = LineStarts(text);
  const size_t line = starts[Below(starts.size())];
  const size_t lineEnd = LineEnd(text, line);
  const size_t at = Below(text.size() + 1);
  switch (Below(14)) {
    case 0:  // a flipped bit
      if (!text.empty()) text[Below(text.size())] ^= static_cast<char>(1u << Below(8));
      break;
    case 1:  // a byte overwritten
      if (!text.empty()) text[Below(text.size())] = static_cast<char>(Below(256));
      break;
    case 2:  // cut short
      text.resize(at);
      break;
    case 3: {  // a line repeated somewhere else
      const std::string copy = text.substr(line, lineEnd - line);
      text.insert(starts[Below(starts.size())], copy.empty() ? "\n" : copy);
      break;
    }
    case 4: {  // a value replaced by a nasty one
      const size_t eq = text.find('=', line);
      const size_t from = eq != std::string::npos && eq < lineEnd ? eq + 1 : line;
      const size_t to = lineEnd > from && text[lineEnd - 1] == '\n' ? lineEnd - 1 : lineEnd;
      text.replace(from, to - from, Pick(kNastyValues));
      break;
    }
    case 5: {  // binary garbage
      std::string garbage(1 + Below(64), '\0');
      for (char& c : garbage) c = static_cast<char>(Below(256));
      text.insert(at, garbage);
      break;
    }
    case 6: {  // line ends of other systems, mixed
      static const std::vector<std::string> kEnds = {"\r\n", "\r", "\n\r", "\r\r\n", ""};
      for (size_t end = text.find('\n'); end != std::string::npos;) {
        if (Below(3) == 0) {
          const std::string replacement = Pick(kEnds);
          text.replace(end, 1, replacement);
          end = text.find('\n', end + replacement.size());
        } else {
          end = text.find('\n', end + 1);
        }
      }
      break;
    }
    case 7: {  // a very long line, of digits or of anything
      const size_t length = 1000 + Below(100000);
      const char fill = Below(2) == 0 ? '9' : static_cast<char>(Below(256));
      text.insert(line, std::string(length, fill) + "\n");
      break;
    }
    case 8:  // a section header that never closes
      if (const size_t close = text.find(']', at); close != std::string::npos) {
        text.erase(close, 1);
      } else {
        text.insert(line, "[" + Pick(words_) + "\n");
      }
      break;
    case 9:  // a key without "="
      if (const size_t eq = text.find('=', line); eq != std::string::npos && eq < lineEnd) {
        text.erase(eq, 1);
      } else {
        text.insert(line, Pick(words_) + "\n");
      }
      break;
    case 10:  // a line lost
      text.erase(line, lineEnd - line);
      break;
    case 11: {  // two lines swapped
      const size_t other = starts[Below(starts.size())];
      if (other == line) break;
      const size_t first = std::min(line, other);
      const size_t second = std::max(line, other);
      const size_t firstEnd = LineEnd(text, first);
      const size_t secondEnd = LineEnd(text, second);
      const std::string a = text.substr(first, firstEnd - first);
      const std::string b = text.substr(second, secondEnd - second);
      text.replace(second, secondEnd - second, a);
      text.replace(first, firstEnd - first, b);
      break;
    }
    case 12:  // a word of the format in the wrong place
      text.insert(line, Pick(words_) + "\n");
      break;
    default: {  // a key of the format with a nasty value
      const std::string word = Pick(words_);
      text.insert(line, Below(2) == 0 ? word + "=" + Pick(kNastyValues) + "\n"
                                      : word + "\n" + Pick(kNastyValues) + "\n");
      break;
    }
  }
}

size_t FuzzIterations(size_t fallback) {
  const char* text = std::getenv("VEXLIN_FUZZ_ITERATIONS");
  if (text == nullptr) return fallback;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 10);
  return end != text && *end == '\0' ? static_cast<size_t>(value) : fallback;
}

}  // namespace vexlin
