// Decoding caps: files whose headers claim more pixels than the program's
// cap, or whose headers do not fit their data, and files cut short, decode
// to an empty image with a failure status, without the pixels being
// allocated. Each file is a few bytes crafted here.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdiplus/GdiPlus.h"

using namespace Gdiplus;

namespace {

using Bytes = std::vector<uint8_t>;

void Put32BE(Bytes& B, uint32_t V) {
  for (int shift = 24; shift >= 0; shift -= 8) B.push_back(uint8_t(V >> shift));
}

void Put32LE(Bytes& B, uint32_t V) {
  for (int shift = 0; shift < 32; shift += 8) B.push_back(uint8_t(V >> shift));
}

void Put16LE(Bytes& B, uint16_t V) {
  B.push_back(uint8_t(V));
  B.push_back(uint8_t(V >> 8));
}

uint32_t Crc32(const uint8_t* Data, size_t Size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < Size; ++i) {
    crc ^= Data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void PngChunk(Bytes& B, const char* Type, const Bytes& Data) {
  Put32BE(B, uint32_t(Data.size()));
  const size_t start = B.size();
  B.insert(B.end(), Type, Type + 4);
  B.insert(B.end(), Data.begin(), Data.end());
  Put32BE(B, Crc32(&B[start], B.size() - start));
}

// A PNG whose header claims W x H RGBA pixels; its data is a few bytes.
Bytes ClaimingPng(uint32_t W, uint32_t H) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes ihdr;
  Put32BE(ihdr, W);
  Put32BE(ihdr, H);
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  PngChunk(b, "IHDR", ihdr);
  PngChunk(b, "IDAT", {0x78, 0x9C, 0x63, 0x00, 0x00});
  PngChunk(b, "IEND", {});
  return b;
}

// A BMP with a 40-byte information header of W x H 24-bit pixels, the pixel
// data said to start at Offset, followed by four bytes of pixels.
Bytes ClaimingBmp(int32_t W, int32_t H, uint32_t Offset) {
  Bytes b = {'B', 'M'};
  Put32LE(b, 58);
  Put32LE(b, 0);
  Put32LE(b, Offset);
  Put32LE(b, 40);
  Put32LE(b, uint32_t(W));
  Put32LE(b, uint32_t(H));
  Put16LE(b, 1);
  Put16LE(b, 24);
  for (int i = 0; i < 6; ++i) Put32LE(b, 0);
  Put32LE(b, 0x00FF0000);
  return b;
}

// A GIF whose screen and only image are W x H, with one byte of data.
Bytes ClaimingGif(uint16_t W, uint16_t H) {
  Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
  Put16LE(b, W);
  Put16LE(b, H);
  b.insert(b.end(), {0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x2C});
  Put16LE(b, 0);
  Put16LE(b, 0);
  Put16LE(b, W);
  Put16LE(b, H);
  b.insert(b.end(), {0, 2, 2, 0x44, 0x01, 0, 0x3B});
  return b;
}

Bytes Encoded(const CLSID& Clsid, int W, int H) {
  Bitmap picture(W, H, PixelFormat32bppARGB);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      picture.SetPixel(x, y, Color(255, uint8_t(x * 4), uint8_t(y * 4), 90));
  IStream* out = SHCreateMemStream(nullptr, 0);
  picture.Save(out, &Clsid);
  Bytes bytes;
  out->Seek(0, STREAM_SEEK_SET, nullptr);
  ReadWholeStream(out, bytes);
  out->Release();
  return bytes;
}

CLSID JpegEncoder() {
  UINT num = 0, size = 0;
  GetImageEncodersSize(&num, &size);
  std::vector<ImageCodecInfo> list(num);
  GetImageEncoders(num, size, list.data());
  for (const ImageCodecInfo& info : list)
    if (std::u16string(info.MimeType) == u"image/jpeg") return info.Clsid;
  return CLSID();
}

// A JPEG whose start of frame claims W x H pixels.
Bytes ClaimingJpeg(uint16_t W, uint16_t H) {
  Bytes b = Encoded(JpegEncoder(), 16, 16);
  for (size_t i = 0; i + 9 < b.size(); ++i) {
    if (b[i] != 0xFF || b[i + 1] != 0xC0) continue;
    b[i + 5] = uint8_t(H >> 8);
    b[i + 6] = uint8_t(H);
    b[i + 7] = uint8_t(W >> 8);
    b[i + 8] = uint8_t(W);
    break;
  }
  return b;
}

std::unique_ptr<Image> Decode(const Bytes& B) {
  IStream* in = SHCreateMemStream(B.data(), uint32_t(B.size()));
  std::unique_ptr<Image> image(Image::FromStream(in));
  in->Release();
  return image;
}

TEST(GdiPlusCodecCaps, OversizedOrInconsistentHeadersAreRefused) {
  struct Case {
    const char* Name;
    Bytes File;
    Status Expected;
  };
  const Case cases[] = {
      {"JPEG 16384 x 16384", ClaimingJpeg(16384, 16384), OutOfMemory},
      {"JPEG 8193 x 4096", ClaimingJpeg(8193, 4096), OutOfMemory},
      {"PNG 20000 x 20000", ClaimingPng(20000, 20000), OutOfMemory},
      {"PNG 1 x 40000", ClaimingPng(1, 40000), OutOfMemory},
      {"PNG 0 x 10", ClaimingPng(0, 10), UnknownImageFormat},
      {"BMP data offset 0xFFFFFFF0", ClaimingBmp(1, 1, 0xFFFFFFF0), UnknownImageFormat},
      {"BMP data offset inside the header", ClaimingBmp(1, 1, 20), UnknownImageFormat},
      {"BMP 100000 x 100000", ClaimingBmp(100000, 100000, 54), OutOfMemory},
      {"BMP 30000 x -30000 (top down)", ClaimingBmp(30000, -30000, 54), OutOfMemory},
      {"GIF 65535 x 65535", ClaimingGif(65535, 65535), OutOfMemory},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    std::unique_ptr<Image> image = Decode(c.File);
    EXPECT_EQ(image->GetLastStatus(), c.Expected);
    EXPECT_EQ(image->GetWidth(), 0u);
    EXPECT_EQ(image->GetHeight(), 0u);
  }
}

TEST(GdiPlusCodecCaps, SmallCraftedFilesStillDecode) {
  // the same crafted headers at a sane size: only the size made them fail
  std::unique_ptr<Image> bmp = Decode(ClaimingBmp(1, 1, 54));
  EXPECT_EQ(bmp->GetLastStatus(), Ok);
  EXPECT_EQ(bmp->GetWidth(), 1u);
  std::unique_ptr<Image> gif = Decode(ClaimingGif(1, 1));
  EXPECT_EQ(gif->GetLastStatus(), Ok);
  EXPECT_EQ(gif->GetWidth(), 1u);
  std::unique_ptr<Image> jpeg = Decode(ClaimingJpeg(16, 16));
  EXPECT_EQ(jpeg->GetLastStatus(), Ok);
  EXPECT_EQ(jpeg->GetWidth(), 16u);
}

TEST(GdiPlusCodecCaps, TheCapHoldsAnEightKScreen) {
  EXPECT_TRUE(ImageSizeWithinCap(7680, 4320));
  EXPECT_TRUE(ImageSizeWithinCap(8192, 4096));
  EXPECT_FALSE(ImageSizeWithinCap(8192, 4097));
  EXPECT_TRUE(ImageSizeWithinCap(32767, 1));
  EXPECT_FALSE(ImageSizeWithinCap(32768, 1));
}

TEST(GdiPlusCodecCaps, JpegCutShortIsAnError) {
  Bytes whole = Encoded(JpegEncoder(), 64, 48);
  ASSERT_EQ(Decode(whole)->GetLastStatus(), Ok);
  // cut halfway through the scan data, after the start of scan
  size_t scan = 0;
  for (size_t i = 0; i + 1 < whole.size() && !scan; ++i)
    if (whole[i] == 0xFF && whole[i + 1] == 0xDA) scan = i;
  ASSERT_GT(scan, 0u);
  Bytes cut(whole.begin(), whole.begin() + (scan + whole.size()) / 2);
  std::unique_ptr<Image> image = Decode(cut);
  EXPECT_EQ(image->GetLastStatus(), UnknownImageFormat);
  EXPECT_EQ(image->GetWidth(), 0u);
}

}  // namespace
