#include "app/Utils.h"

#include <gtest/gtest.h>

#include "platform/rtl/SysUtils.h"

namespace {

TEST(HexToBytes, TableOfTexts) {
  const struct {
    std::string text;
    int result;
    std::vector<uint8_t> bytes;  // the buffer's start afterwards (0xEE = untouched)
  } cases[] = {
      {"0aFF", 2, {0x0A, 0xFF, 0xEE}},
      {"", -1, {0xEE}},
      {"0", -1, {0xEE}},
      {"ABC", -2, {0xEE}},
      {"0G", -1, {0xEE}},
      {"12zz34", -1, {0x12, 0xEE}},  // bytes before the bad pair are written
      {"1 ", -1, {0xEE}},
      {"0123456789abcdefABCDEF", 11, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0xAB, 0xCD}},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> buffer(16, 0xEE);
    EXPECT_EQ(HexToBytes(c.text, buffer.data(), buffer.size()), c.result) << c.text;
    EXPECT_TRUE(std::equal(c.bytes.begin(), c.bytes.end(), buffer.begin())) << c.text;
  }
}

TEST(HexToBytes, LongTextNeverWritesPastTheBuffer) {
  uint8_t buffer[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(HexToBytes("0102030405", buffer, 4), hexNoRoom);
  EXPECT_EQ(buffer[0], 0xEE);  // nothing written
  EXPECT_EQ(HexToBytes("01020304", buffer, 4), 4);
  EXPECT_EQ(buffer[4], 0xEE);

  std::vector<uint8_t> bytes;
  EXPECT_EQ(HexToBytes(std::string(512, 'a'), bytes), 256);
  EXPECT_EQ(bytes, std::vector<uint8_t>(256, 0xAA));
  EXPECT_EQ(HexToBytes("01x2", bytes), -1);
  EXPECT_EQ(bytes, std::vector<uint8_t>{0x01});
}

TEST(BytesAndBits, HexAndBinaryText) {
  const uint8_t bytes[] = {0x00, 0xAB, 0x0F};
  EXPECT_EQ(BytesToHex(bytes, 2), "00AB");
  EXPECT_EQ(BytesToHex(bytes, 0), "");
  std::vector<uint8_t> back;
  EXPECT_EQ(HexToBytes(BytesToHex(bytes, 3), back), 3);
  EXPECT_EQ(back, (std::vector<uint8_t>{0x00, 0xAB, 0x0F}));

  EXPECT_EQ(ByteToBinaryText(0x01), "10000000");
  EXPECT_EQ(ByteToBinaryText(0x80), "00000001");
  EXPECT_EQ(ByteToBinaryText(0x06), "01100000");
}

using Parts = std::vector<std::u16string>;

TEST(SplitString, OneCharacterDelimiterIsStrict) {
  const struct {
    std::u16string text;
    Parts parts;
  } cases[] = {
      {u"", {}},
      {u"a,b", {u"a", u"b"}},
      {u" a , b ", {u" a ", u" b "}},  // blanks stay
      {u"a,,b", {u"a", u"", u"b"}},
      {u"a,b,", {u"a", u"b", u""}},
      {u",a", {u"", u"a"}},
      {u"\"x,y\",z", {u"x,y", u"z"}},
      {u"\"say \"\"hi\"\"\"", {u"say \"hi\""}},
      {u"电,调", {u"电", u"调"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitString(u",", c.text, 5), c.parts);
}

TEST(SplitString, LongerDelimiterHonoursCount) {
  EXPECT_EQ(SplitString(u";;", u"a;;b;;", 0), (Parts{u"a", u"b"}));
  EXPECT_EQ(SplitString(u";;", u"a;;b", 3), (Parts{u"a", u"b", u""}));
  EXPECT_EQ(SplitString(u";;", u"a;;b;;c", 2), (Parts{u"a", u"b;;c"}));
  EXPECT_EQ(SplitString(u";;", u"a;;b;;", -1), (Parts{u"a", u"b", u""}));
  EXPECT_EQ(SplitString(u";;", u"", 0), (Parts{}));
}

TEST(ExpandValueList, Entries) {
  const struct {
    std::u16string text;
    Parts entries;
  } cases[] = {
      {u"", {}},
      {u"1-2/0.5", {u"1.0", u"1.5", u"2.0"}},
      {u"Off|1-3/1", {u"Off", u"1.0", u"2.0", u"3.0"}},
      {u"5", {u"5"}},
      {u"5/1", {u"5"}},
      {u"低|中|高", {u"低", u"中", u"高"}},
      {u"a-b|c", {u"a-b", u"c"}},  // a part without "/" stays as written
      {u"2-1/1", {}},              // end below start
      {u" 1 - 2 /1", {u"1.0", u"2.0"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandValueList(c.text), c.entries);
}

TEST(ExpandValueList, DecimalStepsReachTheirEnd) {
  // Tenths have no exact binary form; summed in floating point they fall
  // short of or overshoot the end, and the last entry went missing.
  const struct {
    std::u16string text;
    size_t count;
    std::u16string first, last;
  } cases[] = {
      {u"0-1/0.1", 11, u"0.0", u"1.0"},
      {u"0-0.7/0.1", 8, u"0.0", u"0.7"},
      {u"5.0-8.4/0.1", 35, u"5.0", u"8.4"},
      {u"0.3-0.9/0.3", 3, u"0.3", u"0.9"},
      {u"0-30/7.5", 5, u"0.0", u"30.0"},
      {u"0-1/0.3", 4, u"0.0", u"0.9"},  // an end between two steps is not reached
      {u"0-0.5/0.25", 3, u"0.0", u"0.5"},
      {u"0-99.98/0.01|Off", 10000, u"0.0", u"Off"},  // the most a list holds
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(UTF16ToUTF8(c.text));
    const Parts entries = ExpandValueList(c.text);
    ASSERT_EQ(entries.size(), c.count);
    EXPECT_EQ(entries.front(), c.first);
    EXPECT_EQ(entries.back(), c.last);
  }
  // Hundredths round half up to the one decimal shown.
  EXPECT_EQ(ExpandValueList(u"0-0.5/0.25")[1], u"0.3");
  EXPECT_EQ(ExpandValueList(u"0.05-0.15/0.1"), (Parts{u"0.1", u"0.2"}));
}

TEST(ExpandValueList, NumbersAlwaysUseAPoint) {
  // Whatever the user's locale, "," is no decimal separator.
  EXPECT_THROW(ExpandValueList(u"1-2/0,5"), EConvertError);
  EXPECT_EQ(ExpandValueList(u"0.5-1/0.25"), (Parts{u"0.5", u"0.8", u"1.0"}));
}

TEST(ExpandValueList, BadRangesRaiseAClearError) {
  const std::u16string bad[] = {
      u"1-5/0",                     // zero step would never end
      u"1-5/-1",                    // the "-" of a negative step
      u"1-5/x",                     // step no number
      u"x-5/1",                     // bound no number
      u"1-5",                       // no step
      u"Off|1-5/0",                 // inside a list
      u"0-100000/1",                // too many entries
      u"100000-100001/0.0001",      // a step below one hundredth
      u"0-1e300/1",                 // a bound past what hundredths hold exactly
      u"0-99.99/0.01|0-0.01/0.01",  // 10,002 entries, the parts together
      u"0-99.99/0.01|Off",          // 10,001
  };
  for (const auto& text : bad)
    EXPECT_THROW(ExpandValueList(text), EConvertError) << UTF16ToUTF8(text);
}

}  // namespace
