#include "tools/ToolText.h"

#include <gtest/gtest.h>

#include <limits>

namespace moid::tools {
namespace {

TEST(Windows1252ToUtf8, AsciiIsUnchanged) {
  EXPECT_EQ(Windows1252ToUtf8("(433) Eros, 2020 KQ11"), "(433) Eros, 2020 KQ11");
  EXPECT_EQ(Windows1252ToUtf8(""), "");
  EXPECT_EQ(Windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252ToUtf8, HighBytes) {
  EXPECT_EQ(Windows1252ToUtf8("\xB0"), "\xC2\xB0");          // degree sign
  EXPECT_EQ(Windows1252ToUtf8("\xE9"), "\xC3\xA9");          // e acute
  EXPECT_EQ(Windows1252ToUtf8("\xFF"), "\xC3\xBF");          // y diaeresis
  EXPECT_EQ(Windows1252ToUtf8("\xA0"), "\xC2\xA0");          // no-break space
  EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC");      // euro sign
  EXPECT_EQ(Windows1252ToUtf8("\x8A"), "\xC5\xA0");          // S caron
  EXPECT_EQ(Windows1252ToUtf8("\x96"), "\xE2\x80\x93");      // en dash
  EXPECT_EQ(Windows1252ToUtf8("\x99"), "\xE2\x84\xA2");      // trade mark
  EXPECT_EQ(Windows1252ToUtf8("\x9F"), "\xC5\xB8");          // Y diaeresis
}

TEST(Windows1252ToUtf8, UndefinedBytesBecomeControlCharacters) {
  for (const unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    const std::string expected = {static_cast<char>(0xC2), static_cast<char>(byte)};
    EXPECT_EQ(Windows1252ToUtf8(std::string(1, static_cast<char>(byte))), expected) << int{byte};
  }
}

TEST(Windows1252ToUtf8, InPlaceConvertsOnlyTheTail) {
  // The bytes before `from` stay as they are, even high ones; the tail grows where needed.
  std::string text = "\xB0|Long = 1.5\xB0 \x80\x81x";
  ConvertTailToUtf8(text, 2);
  EXPECT_EQ(text, "\xB0|Long = 1.5\xC2\xB0 \xE2\x82\xAC\xC2\x81x");
  std::string ascii = "\xE9 plain";
  ConvertTailToUtf8(ascii, 1);
  EXPECT_EQ(ascii, "\xE9 plain");
  ConvertTailToUtf8(ascii, ascii.size());
  EXPECT_EQ(ascii, "\xE9 plain");
}

TEST(ShortestNumber, RoundTripForms) {
  EXPECT_EQ(ShortestNumber(0.1), "0.1");
  EXPECT_EQ(ShortestNumber(2451545.0), "2451545");
  EXPECT_EQ(ShortestNumber(2460000.5), "2460000.5");
  EXPECT_EQ(ShortestNumber(0), "0");
  EXPECT_EQ(ShortestNumber(-0.0), "-0");
  EXPECT_EQ(ShortestNumber(1e-5), "1e-05");
  EXPECT_EQ(ShortestNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(ShortestNumber(1e300), "1e+300");
  EXPECT_EQ(ShortestNumber(std::numeric_limits<double>::denorm_min()), "5e-324");
  EXPECT_EQ(ShortestNumber(std::numeric_limits<double>::max()), "1.7976931348623157e+308");
  EXPECT_EQ(ShortestNumber(-std::numeric_limits<double>::infinity()), "-inf");
}

TEST(QuotedText, EscapesQuoteBackslashAndControls) {
  EXPECT_EQ(QuotedText("Eros"), "\"Eros\"");
  EXPECT_EQ(QuotedText(""), "\"\"");
  EXPECT_EQ(QuotedText("a\"b"), "\"a\\\"b\"");
  EXPECT_EQ(QuotedText("a\\b"), "\"a\\\\b\"");
  EXPECT_EQ(QuotedText("a\tb\r\n"), "\"a\\tb\\r\\n\"");
  EXPECT_EQ(QuotedText("\x1A"), "\"\\032\"");
  EXPECT_EQ(QuotedText(std::string(1, '\0') + "1"), "\"\\0001\"");
  EXPECT_EQ(QuotedText("\x7F"), "\"\\177\"");
  EXPECT_EQ(QuotedText("\x01" "7"), "\"\\0017\"");
  EXPECT_EQ(QuotedText("Eros   "), "\"Eros   \"");
}

TEST(QuotedText, ConvertsHighBytesAndEscapesUndefinedOnes) {
  EXPECT_EQ(QuotedText("20\xB0"), "\"20\xC2\xB0\"");
  EXPECT_EQ(QuotedText("\x80"), "\"\xE2\x82\xAC\"");
  EXPECT_EQ(QuotedText("\x81\x8D\x8F\x90\x9D"), "\"\\201\\215\\217\\220\\235\"");
}

}  // namespace
}  // namespace moid::tools
