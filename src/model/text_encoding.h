#pragma once

#include <string>
#include <string_view>

namespace vexlin {

// Text files come from old Windows versions (Windows-1252) as well as from new ones
// (UTF-8, sometimes with a byte-order mark); inside the program all text is UTF-8.

// True when the bytes are well-formed UTF-8: no overlong forms, surrogates, truncated
// sequences or code points above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Converts every byte as Windows does; the five bytes Windows-1252 leaves undefined
// become the C1 control characters of the same number.
std::string Windows1252ToUtf8(std::string_view text);

// The code points of a UTF-8 text; each byte that starts no valid character gives U+FFFD.
std::u32string Utf8CodePoints(std::string_view text);

// The Windows-1252 byte of a code point, or -1 when that code page has no such character.
int Windows1252Byte(char32_t codePoint);

// The contents of a text file as UTF-8: a byte-order mark is dropped, valid UTF-8 is
// kept as it is and anything else is taken as Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

}  // namespace vexlin
