// EXIF thumbnails of JPEG files: found through the APP1 block, and nothing
// (never a read past the data) for every cut or bent block.
#include <gtest/gtest.h>

#include "platform/d2d/WICCodec.h"

namespace {

// SOI, an APP1 "Exif" block in the byte order of Little holding a 3-byte
// "thumbnail", then SOS.
std::vector<uint8_t> JpegHead(bool Little) {
  std::vector<uint8_t> tiff;
  auto u16 = [&](uint32_t v) {
    if (Little)
      tiff.push_back(uint8_t(v)), tiff.push_back(uint8_t(v >> 8));
    else
      tiff.push_back(uint8_t(v >> 8)), tiff.push_back(uint8_t(v));
  };
  auto u32 = [&](uint32_t v) {
    if (Little)
      u16(v & 0xFFFF), u16(v >> 16);
    else
      u16(v >> 16), u16(v & 0xFFFF);
  };
  tiff.push_back(Little ? 'I' : 'M'), tiff.push_back(Little ? 'I' : 'M');
  u16(42), u32(8);
  u16(0), u32(14);  // IFD0: no entries; IFD1 at 14
  u16(2);
  u16(0x0201), u16(4), u32(1), u32(14 + 2 + 24 + 4);
  u16(0x0202), u16(4), u32(1), u32(3);
  u32(0);
  for (uint8_t b : {0xAA, 0xBB, 0xCC}) tiff.push_back(b);
  std::vector<uint8_t> j;
  for (int b : {0xFF, 0xD8, 0xFF, 0xE1, 0, 0, int('E'), int('x'), int('i'), int('f'), 0, 0})
    j.push_back(uint8_t(b));
  for (uint8_t b : tiff) j.push_back(b);
  j[4] = uint8_t((j.size() - 4) >> 8);
  j[5] = uint8_t(j.size() - 4);
  for (uint8_t b : {0xFF, 0xDA, 0, 2}) j.push_back(b);
  return j;
}

TEST(D2DExif, ThumbnailIsFoundInBothByteOrders) {
  const std::vector<uint8_t> want = {0xAA, 0xBB, 0xCC};
  EXPECT_EQ(ExifThumbnail(JpegHead(true)), want);
  EXPECT_EQ(ExifThumbnail(JpegHead(false)), want);
}

TEST(D2DExif, CutOrBentBlocksHaveNoThumbnail) {
  const std::vector<uint8_t> whole = JpegHead(true);
  // every cut of the file: the block's length then runs past the data
  for (size_t n = 0; n + 4 < whole.size(); ++n)
    EXPECT_TRUE(ExifThumbnail(std::vector<uint8_t>(whole.begin(), whole.begin() + long(n))).empty())
        << n;
  // every single byte of the TIFF structure set to 0xFF
  for (size_t i = 12; i + 7 < whole.size(); ++i) {
    std::vector<uint8_t> bent = whole;
    bent[i] = 0xFF;
    const std::vector<uint8_t> t = ExifThumbnail(bent);
    EXPECT_LE(t.size(), 3u) << i;
  }
  std::vector<uint8_t> noExif = whole;
  noExif[6] = 'X';
  EXPECT_TRUE(ExifThumbnail(noExif).empty());
}

}  // namespace
