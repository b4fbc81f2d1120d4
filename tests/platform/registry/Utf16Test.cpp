#include <gtest/gtest.h>

#include "platform/registry/Utf16.h"

namespace {

TEST(Utf16, RoundTripsTextWithUmlautsAndAstralCharacters) {
  for (const std::string strText : {"", "Text21", "groß", "Projektpläne €", "\xF0\x9F\x93\x85"}) {
    EXPECT_EQ(registry::Utf16LeToUtf8(registry::Utf8ToUtf16Le(strText)), strText);
  }
  EXPECT_EQ(registry::Utf8ToUtf16Le("ß"), (std::vector<std::uint8_t>{0xDF, 0x00}));
  EXPECT_EQ(registry::Utf8ToUtf16Le("\xF0\x9F\x93\x85").size(), 4u);  // a surrogate pair
}

TEST(Utf16, KeepsZeroUnitsAndReplacesBrokenSequences) {
  EXPECT_EQ(registry::Utf16LeToUtf8(std::vector<std::uint8_t>{'a', 0, 0, 0, 'b', 0}),
            std::string("a\0b", 3));
  EXPECT_EQ(registry::Utf16LeToUtf8(std::vector<std::uint8_t>{0x00, 0xD8, 'a', 0}),
            "\xEF\xBF\xBD"
            "a");  // unpaired surrogate
  EXPECT_EQ(registry::Utf16LeToUtf8(std::vector<std::uint8_t>{'a', 0, 'b'}), "a");
  EXPECT_EQ(registry::Utf8ToUtf16Le("\xC3"), (std::vector<std::uint8_t>{0xFD, 0xFF}));
  EXPECT_FALSE(registry::IsValidUtf8("\xC3("));
  EXPECT_FALSE(registry::IsValidUtf8("\xED\xA0\x80"));  // an encoded surrogate
  EXPECT_FALSE(registry::IsValidUtf8("\xC0\xAF"));      // an overlong form
  EXPECT_TRUE(registry::IsValidUtf8("groß"));
}

}  // namespace
