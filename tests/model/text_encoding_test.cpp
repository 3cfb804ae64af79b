#include "model/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace vexlin {
namespace {

TEST(Windows1252Test, ConvertsEveryByte) {
  EXPECT_EQ(Windows1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(Windows1252ToUtf8("\x8A\x9F"), "\u0160\u0178");
  EXPECT_EQ(Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Windows1252ToUtf8("\xA0"), "\u00A0");
  EXPECT_EQ(Windows1252ToUtf8("Caf\xE9 \xD8!"), "Caf\u00E9 \u00D8!");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
    EXPECT_TRUE(IsValidUtf8(utf8)) << byte;
    if (byte < 0x80) {
      EXPECT_EQ(utf8, std::string(1, static_cast<char>(byte)));
    }
  }
}

TEST(Utf8ValidationTest, AcceptsWellFormedText) {
  for (const std::string text : {"", "plain", "\u00D812 St\u00E4nder", "\u20AC", "\U0001F600",
                                 "\xF4\x8F\xBF\xBF", "\xEE\x80\x80"}) {
    EXPECT_TRUE(IsValidUtf8(text)) << text;
  }
}

TEST(Utf8ValidationTest, RejectsMalformedText) {
  for (const std::string text :
       {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",  // overlong
        "\xED\xA0\x80", "\xED\xBF\xBF",                              // surrogates
        "\xC3", "a\xE2\x82", "\xF0\x9F\x98",                         // truncated
        "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",              // above U+10FFFF
        "\x80", "\xC3\x28", "Caf\xE9"}) {                            // stray bytes
    EXPECT_FALSE(IsValidUtf8(text)) << testing::PrintToString(text);
  }
}

TEST(DecodeTextFileTest, DropsMarkAndConvertsOnlyLegacyText) {
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF[S]\r\n"), "[S]\r\n");
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"), "");
  EXPECT_EQ(DecodeTextFile("\u00D812"), "\u00D812");
  EXPECT_EQ(DecodeTextFile("Caf\xE9"), "Caf\u00E9");
  // A mark followed by broken UTF-8 still yields readable text rather than garbage bytes.
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"
                           "Caf\xE9"),
            "Caf\u00E9");
}

}  // namespace
}  // namespace vexlin
