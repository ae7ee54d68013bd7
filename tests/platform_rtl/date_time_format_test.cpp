// Dates as text by the framework's pattern letters.

#include <gtest/gtest.h>

#include "platform/rtl/DateUtils.h"

namespace {

TEST(FormatDateTime, PatternLetters) {
  const TDateTime t = EncodeDate(2026, 3, 7) + (13 * 3600 + 5 * 60 + 9) / 86400.0 + 0.042 / 86400;
  struct {
    const char* Format;
    const char* Text;
  } cases[] = {{"yyyy-mm-dd hh:nn:ss", "2026-03-07 13:05:09"},
               {"d mmm yy", "7 Mar 26"},
               {"dddd d mmmm", "Saturday 7 March"},
               {"h:mm am/pm", "1:05 PM"},
               {"hh:mm:ss.zzz", "13:05:09.042"},
               {"dd/mm \"at\" hh", "07/03 at 13"},
               {"", ""}};
  for (auto c : cases) EXPECT_EQ(FormatDateTime(c.Format, t), c.Text) << c.Format;
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", EncodeDate(1899, 12, 30)), "1899-12-30 00:00");
  EXPECT_EQ(FormatDateTime("h ampm", EncodeDate(2000, 1, 1)), "12 AM");
}

}  // namespace
