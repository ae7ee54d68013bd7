// Report lengths from HID report descriptors.

#include <gtest/gtest.h>

#include <vector>

#include "platform/hid/HidApi.h"
#include "platform/hid/ReportDescriptor.h"

namespace {

using hid::ParseReportLengths;
using hid::TReportLengths;

// A vendor page with numbered reports: input reports 1 (3 bytes) and 4
// (24 bytes), output reports 2 (7 bytes) and 4 (24 bytes).
const std::vector<uint8_t> kNumbered = {
    0x06, 0x00, 0xFF,                                // usage page (vendor)
    0x09, 0x01,                                      // usage
    0xA1, 0x01,                                      // collection (application)
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,        // logical 0..255, report size 8
    0x85, 0x01, 0x95, 0x03, 0x09, 0x01, 0x81, 0x02,  // id 1, count 3, input
    0x85, 0x02, 0x95, 0x07, 0x09, 0x01, 0x91, 0x02,  // id 2, count 7, output
    0x85, 0x04, 0x95, 0x18, 0x09, 0x01, 0x81, 0x02,  // id 4, count 24, input
    0x09, 0x01, 0x91, 0x02,                          // id 4, count 24, output
    0xC0,                                            // end collection
};

TEST(ReportDescriptor, LongestReportPerDirectionWithIdentifierByte) {
  TReportLengths lengths;
  ASSERT_TRUE(ParseReportLengths(kNumbered.data(), kNumbered.size(), lengths));
  EXPECT_EQ(lengths.Input, 25);
  EXPECT_EQ(lengths.Output, 25);
}

TEST(ReportDescriptor, UnnumberedReportsAndBitFields) {
  const std::vector<uint8_t> descriptor = {
      0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,  // mouse
      0x75, 0x01, 0x95, 0x03, 0x81, 0x02,  // 3 buttons, 1 bit each
      0x75, 0x05, 0x95, 0x01, 0x81, 0x01,  // 5 bits padding
      0xA4,                                // push
      0x75, 0x08, 0x95, 0x40, 0x91, 0x02,  // 64-byte output
      0xB4,                                // pop: size 5, count 1 again
      0x81, 0x02,                          // 5 more input bits
      0xC0};
  TReportLengths lengths;
  ASSERT_TRUE(ParseReportLengths(descriptor.data(), descriptor.size(), lengths));
  EXPECT_EQ(lengths.Input, 3);  // 13 bits -> 2 bytes, and the identifier byte
  EXPECT_EQ(lengths.Output, 65);
}

TEST(ReportDescriptor, MalformedOrMissing) {
  TReportLengths lengths;
  EXPECT_FALSE(ParseReportLengths(nullptr, 0, lengths));
  const std::vector<uint8_t> truncated = {0x75, 0x08, 0x96, 0x40};  // 2-byte item cut short
  EXPECT_FALSE(ParseReportLengths(truncated.data(), truncated.size(), lengths));
  // A node whose descriptor cannot be read gets the default lengths.
  const TReportLengths fallback = hid::ReportLengthsOfNode("/dev/hidraw-none");
  EXPECT_EQ(fallback.Input, hid::kDefaultReportLength);
  EXPECT_EQ(fallback.Output, hid::kDefaultReportLength);
}

TEST(HidLayer, WideProductTextToUtf16) {
  EXPECT_EQ(hid::WideToUTF16(L"Ad\u00e9pter"), u"Ad\u00e9pter");
  EXPECT_EQ(hid::WideToUTF16(L"\U0001F600"), u"\U0001F600");
  EXPECT_EQ(hid::WideToUTF16(nullptr), u"");
}

TEST(HidLayer, CallsWithoutADeviceFail) {
  unsigned char buffer[8] = {};
  EXPECT_EQ(hid::hid_read_timeout(nullptr, buffer, 8, 10), -1);
  EXPECT_EQ(hid::hid_write_to(nullptr, buffer, 8, 10), -1);
  EXPECT_EQ(hid::hid_open_path(nullptr), nullptr);
}

}  // namespace
