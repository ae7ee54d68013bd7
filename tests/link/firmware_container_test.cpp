#include <gtest/gtest.h>

#include <numeric>

#include "link/FirmwareContainer.h"
#include "link/Pdfutils.h"
#include "platform/rtl/Clock.h"
#include "tests/link/firmware_generator.h"

namespace {

std::vector<uint8_t> Pattern(size_t n, uint8_t seed) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(seed + i * 7);
  return v;
}

std::vector<uint8_t> Decipher(const std::vector<uint8_t>& blob, const std::string& version) {
  std::vector<uint8_t> plain(blob.size());
  DecipherFirmwareBytes(std::to_string(blob.size()) + version, blob.data(), plain.data(),
                        blob.size());
  return plain;
}

}  // namespace

TEST(FirmwareDigest, Md5OfKnownTexts) {
  EXPECT_EQ(Md5Hex(nullptr, 0), "d41d8cd98f00b204e9800998ecf8427e");
  const std::string abc = "abc";
  EXPECT_EQ(Md5Hex(reinterpret_cast<const uint8_t*>(abc.data()), 3),
            "900150983cd24fb0d6963f7d28e17f72");
}

TEST(FirmwareContainer, GeneratedBlobsDecipherToTheOriginalImages) {
  TScopedVirtualClock clock;
  const auto first = Pattern(1000, 3), second = Pattern(77, 200);
  for (size_t line : {0, 32, 31}) {
    TFirmwareBlobOptions options;
    options.LineLength = line;
    options.UpperCaseHex = line == 31;
    const auto blob = BuildFirmwareBlob(first, second, "V1.2", options);
    TFirmwareImages images;
    EXPECT_EQ(UnpackFirmwareContainer(Decipher(blob, "V1.2"), images), "") << line;
    EXPECT_EQ(images.First, first);
    EXPECT_EQ(images.Second, second);
  }
}

TEST(FirmwareContainer, WrongVersionKeyDoesNotUnpack) {
  const auto blob = BuildFirmwareBlob(Pattern(64, 1), Pattern(64, 2), "V1.2");
  TFirmwareImages images;
  const std::string result = UnpackFirmwareContainer(Decipher(blob, "V1.3"), images);
  EXPECT_TRUE(result == "File Error." || result == "Hash1 Error.") << result;
}

// The cipher keeps bit positions, so a flipped byte in the blob damages the
// same byte of the container: each region is caught before any image is accepted.
TEST(FirmwareContainer, FlippedByteInEachRegionIsRefused) {
  const auto first = Pattern(40, 9), second = Pattern(24, 90);
  const auto blob = BuildFirmwareBlob(first, second, "V2");
  const size_t l1 = first.size() * 2, l2 = second.size() * 2;
  const struct {
    const char* region;
    size_t offset;
    const char* expected;
  } cases[] = {
      {"first length", 1, "File Error."},
      {"second length", 6, "File Error."},
      {"first image", 8 + 5, "Hash1 Error."},
      {"first digest", 8 + l1 + 3, "Hash1 Error."},
      {"second image", 40 + l1 + 7, "Hash2 Error."},
      {"second digest", 40 + l1 + l2 + 31, "Hash2 Error."},
  };
  for (const auto& c : cases) {
    auto damaged = blob;
    damaged[c.offset] ^= 0x40;
    TFirmwareImages images;
    const std::string result = UnpackFirmwareContainer(Decipher(damaged, "V2"), images);
    EXPECT_EQ(result, c.expected) << c.region;
  }
}

TEST(FirmwareContainer, ImageTextEdgeCases) {
  TScopedVirtualClock clock;
  const struct {
    std::string text1;
    std::vector<uint8_t> expected;
    const char* result;
  } cases[] = {
      {"0a1B\r\n2c", {0x0A, 0x1B, 0x2C}, ""},
      {"0a1B2", {}, "HtoD Error."},     // odd length
      {"0a1B\n2c", {}, "HtoD Error."},  // lone line feed is no line break
      {"", {}, "HtoD Error."},          // empty first image
      {"zz", {}, "HtoD Error."},
  };
  for (const auto& c : cases) {
    TFirmwareImages images;
    EXPECT_EQ(UnpackFirmwareContainer(BuildContainer(c.text1, "00"), images), c.result) << c.text1;
    if (!*c.result) {
      EXPECT_EQ(images.First, c.expected);
    }
  }
}

TEST(FirmwareContainer, UpperCaseDigestIsRefused) {
  TFirmwareImages images;
  EXPECT_EQ(UnpackFirmwareContainer(BuildContainer("0a", "0b", true), images), "Hash1 Error.");
}

// Stored lengths near 2^32 must not wrap the bounds check into reading past the blob.
TEST(FirmwareContainer, HugeStoredLengthsAreRefused) {
  auto plain = BuildContainer("0a", "0b");
  for (int i = 0; i < 4; ++i) plain[i] = 0xFF;
  plain[4] = 0x20 + 2;  // second length normal
  TFirmwareImages images;
  EXPECT_EQ(UnpackFirmwareContainer(plain, images), "File Error.");
  EXPECT_EQ(UnpackFirmwareContainer({1, 2, 3}, images), "File Error.");
  std::vector<uint8_t> small(8, 0);  // stored lengths below 32
  EXPECT_EQ(UnpackFirmwareContainer(small, images), "File Error.");
}

TEST(FirmwareTransform, ModelsThatTakeTheTransform) {
  const struct {
    const char* model;
    const char* hardware;
    bool expected;
  } cases[] = {
      {"Ardent_V3", "", true},           {"Ardent_HV_V3", "X", true},
      {"CAR_ESC", "VL46_SL", true},      {"CAR_ESC", "VL48XSD", true},
      {"CAR_ESC", "VL45_SD", true},      {"CAR_ESC", "VL45_BSD", true},
      {"CAR_ESC", "VL45_SL", false},     {"CAR_ESC", "VELORIN_456", false},
      {"BOAT_ESC", "VL80__YT", true},    {"BOAT_ESC", "VL80_YT", false},
      {"CAR_ESC", "VL4", false},         {"Ardent_V2", "VL46_SL", false},
      {"CAR_ESC", "DEMO-VL450SD", true},  // demo hardware as the hardware it names
  };
  for (const auto& c : cases)
    EXPECT_EQ(NeedsImageTransform(c.model, c.hardware), c.expected) << c.model << " " << c.hardware;
}

TEST(FirmwareTransform, WholeBlocksOnlyAreCombined) {
  uint8_t data[32] = {};
  for (int i = 0; i < 32; ++i) data[i] = static_cast<uint8_t>(i);
  uint8_t key[16];
  BuildTransformKey(data, key);
  EXPECT_EQ(key[0], 0);
  EXPECT_EQ(key[1], 0);
  EXPECT_EQ(key[2], 18);
  EXPECT_EQ(key[15], 31);
  std::vector<uint8_t> image(40, 0xFF);
  TransformImage(image, key);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(image[i], 0xFF ^ key[i % 16]) << i;
  for (int i = 32; i < 40; ++i) EXPECT_EQ(image[i], 0xFF) << i;
}
