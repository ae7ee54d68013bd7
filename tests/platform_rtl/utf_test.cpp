#include <gtest/gtest.h>

#include "platform/rtl/SysUtils.h"

TEST(Utf, RoundTripsChineseAndSurrogates) {
  const std::string text = "电调 ESC \xF0\x9F\x98\x80";
  const std::u16string wide = UTF8ToUTF16(text);
  EXPECT_EQ(wide.size(), 9u);  // 2 + 1 + 3 + 1 + surrogate pair
  EXPECT_EQ(UTF16ToUTF8(wide), text);
}

TEST(Utf, InvalidInputBecomesReplacementCharacter) {
  const struct {
    std::string input;
    std::u16string expected;
  } cases[] = {
      {"a\xFF"
       "b",
       u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},              // truncated sequence
      {"\xC0\xAF", u"\uFFFD"},          // overlong form
      {"\xED\xA0\x80", u"\uFFFD"},      // encoded surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(UTF8ToUTF16(c.input), c.expected);
  EXPECT_EQ(UTF16ToUTF8(u"\xD800x"), "\xEF\xBF\xBDx");  // lone surrogate
}
