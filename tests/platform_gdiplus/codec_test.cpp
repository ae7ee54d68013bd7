#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;

namespace {

const ImageCodecInfo* EncoderFor(const std::u16string& mime, std::vector<ImageCodecInfo>& list) {
  UINT num = 0, size = 0;
  GetImageEncodersSize(&num, &size);
  list.resize(num);
  GetImageEncoders(num, size, list.data());
  const ImageCodecInfo* found = nullptr;
  for (const ImageCodecInfo& info : list)
    if (mime == info.MimeType) found = &info;
  return found;
}

// A smooth picture with a translucent band at the bottom.
std::unique_ptr<Bitmap> Picture(int w, int h) {
  auto b = std::make_unique<Bitmap>(w, h, PixelFormat32bppARGB);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t a = y >= h - 4 ? 0x80 : 0xFF;
      b->SetPixel(x, y, Color(a, uint8_t(x * 255 / w), uint8_t(y * 255 / h), 128));
    }
  return b;
}

std::vector<uint8_t> StreamBytes(IStream* s) {
  s->Seek(0, STREAM_SEEK_SET, nullptr);
  std::vector<uint8_t> bytes;
  ReadWholeStream(s, bytes);
  s->Seek(0, STREAM_SEEK_SET, nullptr);
  return bytes;
}

struct StreamRef {
  explicit StreamRef(IStream* s) : S(s) {}
  ~StreamRef() { S->Release(); }
  IStream* S;
};

ARGB PixelOf(Image* image, int x, int y) {
  Color c;
  static_cast<Bitmap*>(image)->GetPixel(x, y, &c);
  return c.GetValue();
}

}  // namespace

TEST(GdiPlusCodec, EncodersAreFoundByMimeType) {
  std::vector<ImageCodecInfo> list;
  EXPECT_NE(EncoderFor(u"image/png", list), nullptr);
  EXPECT_NE(EncoderFor(u"image/jpeg", list), nullptr);
  EXPECT_NE(EncoderFor(u"image/bmp", list), nullptr);
  EXPECT_EQ(EncoderFor(u"image/gif", list), nullptr);
  UINT num = 0, size = 0;
  GetImageEncodersSize(&num, &size);
  std::vector<ImageCodecInfo> small(1);
  EXPECT_EQ(GetImageEncoders(num, 1, small.data()), InvalidParameter);
}

TEST(GdiPlusCodec, PngRoundTripThroughAFileKeepsPixelsAndAlpha) {
  auto pic = Picture(16, 12);
  pic->SetResolution(120, 120);
  std::vector<ImageCodecInfo> list;
  const ImageCodecInfo* png = EncoderFor(u"image/png", list);
  std::string file = ::testing::TempDir() + "gdiplus_roundtrip.png";
  ASSERT_EQ(pic->Save(file, &png->Clsid), Ok);
  std::unique_ptr<Image> back(Image::FromFile(file));
  ASSERT_EQ(back->GetLastStatus(), Ok);
  ASSERT_EQ(back->GetWidth(), 16u);
  ASSERT_EQ(back->GetHeight(), 12u);
  GUID format;
  back->GetRawFormat(&format);
  EXPECT_TRUE(format == ImageFormatPNG);
  for (int y : {0, 5, 11})
    for (int x : {0, 7, 15})
      EXPECT_TRUE(Near(PixelOf(back.get(), x, y), PixelOf(pic.get(), x, y), 2));
  EXPECT_EQ(PixelOf(back.get(), 3, 11) >> 24, 0x80u);
  EXPECT_NEAR(back->GetHorizontalResolution(), 120, 0.5);
}

TEST(GdiPlusCodec, JpegQualityParameterAndStreams) {
  auto pic = Picture(64, 48);
  std::vector<ImageCodecInfo> list;
  const ImageCodecInfo* jpeg = EncoderFor(u"image/jpeg", list);
  auto encode = [&](int32_t quality) {
    StreamRef out(SHCreateMemStream(nullptr, 0));
    EncoderParameters params;
    params.Parameter.push_back({EncoderQuality, 1, EncoderParameterValueTypeLong, &quality});
    EXPECT_EQ(pic->Save(out.S, &jpeg->Clsid, &params), Ok);
    return StreamBytes(out.S);
  };
  std::vector<uint8_t> high = encode(95), low = encode(10);
  ASSERT_GT(high.size(), 100u);
  EXPECT_LT(low.size(), high.size());
  EXPECT_EQ(high[0], 0xFF);
  EXPECT_EQ(high[1], 0xD8);

  // decoded from the stream's position onward
  std::vector<uint8_t> prefixed = {'x', 'y', 'z'};
  prefixed.insert(prefixed.end(), high.begin(), high.end());
  StreamRef in(SHCreateMemStream(prefixed.data(), uint32_t(prefixed.size())));
  in.S->Seek(3, STREAM_SEEK_SET, nullptr);
  std::unique_ptr<Image> back(Image::FromStream(in.S));
  ASSERT_EQ(back->GetWidth(), 64u);
  EXPECT_TRUE(Near(PixelOf(back.get(), 32, 20), PixelOf(pic.get(), 32, 20) | 0xFF000000, 10));
  GUID format;
  back->GetRawFormat(&format);
  EXPECT_TRUE(format == ImageFormatJPEG);
}

TEST(GdiPlusCodec, BmpRoundTripThroughGdkPixbuf) {
  auto pic = Picture(8, 8);
  std::vector<ImageCodecInfo> list;
  const ImageCodecInfo* bmp = EncoderFor(u"image/bmp", list);
  StreamRef out(SHCreateMemStream(nullptr, 0));
  ASSERT_EQ(pic->Save(out.S, &bmp->Clsid), Ok);
  out.S->Seek(0, STREAM_SEEK_SET, nullptr);
  std::unique_ptr<Image> back(Image::FromStream(out.S));
  ASSERT_EQ(back->GetWidth(), 8u);
  EXPECT_TRUE(Near(PixelOf(back.get(), 5, 2), PixelOf(pic.get(), 5, 2), 2));
}

TEST(GdiPlusCodec, BadInputGivesAnEmptyImageAndAStatus) {
  std::vector<uint8_t> garbage(100, 0x42);
  StreamRef g(SHCreateMemStream(garbage.data(), uint32_t(garbage.size())));
  std::unique_ptr<Image> a(Image::FromStream(g.S));
  EXPECT_EQ(a->GetWidth(), 0u);
  EXPECT_EQ(a->GetLastStatus(), UnknownImageFormat);

  // a PNG cut short after its header
  auto pic = Picture(32, 32);
  std::vector<ImageCodecInfo> list;
  StreamRef out(SHCreateMemStream(nullptr, 0));
  pic->Save(out.S, &EncoderFor(u"image/png", list)->Clsid);
  std::vector<uint8_t> png = StreamBytes(out.S);
  png.resize(png.size() / 2);
  StreamRef cut(SHCreateMemStream(png.data(), uint32_t(png.size())));
  std::unique_ptr<Image> b(Image::FromStream(cut.S));
  EXPECT_EQ(b->GetWidth(), 0u);
  EXPECT_NE(b->GetLastStatus(), Ok);

  std::unique_ptr<Image> c(Image::FromFile(::testing::TempDir() + "no_such_picture.png"));
  EXPECT_EQ(c->GetLastStatus(), FileNotFound);

  CLSID unknown = {0x12345678, 1, 2, {}};
  StreamRef none(SHCreateMemStream(nullptr, 0));
  EXPECT_NE(pic->Save(none.S, &unknown), Ok);
  EXPECT_TRUE(StreamBytes(none.S).empty());
}

TEST(GdiPlusCodec, OversizedJpegHeaderIsRefusedBeforeAllocating) {
  auto pic = Picture(16, 16);
  std::vector<ImageCodecInfo> list;
  StreamRef out(SHCreateMemStream(nullptr, 0));
  ASSERT_EQ(pic->Save(out.S, &EncoderFor(u"image/jpeg", list)->Clsid), Ok);
  std::vector<uint8_t> jpeg = StreamBytes(out.S);
  size_t sof = 0;
  for (size_t i = 0; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) sof = i;
  ASSERT_GT(sof, 0u);
  for (size_t k : {sof + 5, sof + 7}) {  // height, then width: 60000 each
    jpeg[k] = 0xEA;
    jpeg[k + 1] = 0x60;
  }
  StreamRef in(SHCreateMemStream(jpeg.data(), uint32_t(jpeg.size())));
  std::unique_ptr<Image> back(Image::FromStream(in.S));
  EXPECT_EQ(back->GetWidth(), 0u);
  EXPECT_EQ(back->GetLastStatus(), OutOfMemory);
}

TEST(GdiPlusCodec, OpaqueCallerPixelsAreSavedAndTurnedOpaque) {
  std::vector<uint32_t> pixels(4 * 2, 0x00336699);  // 32bppRGB: the top byte means nothing
  Bitmap b(4, 2, 16, PixelFormat32bppRGB, reinterpret_cast<uint8_t*>(pixels.data()));
  std::vector<ImageCodecInfo> list;
  StreamRef out(SHCreateMemStream(nullptr, 0));
  ASSERT_EQ(b.Save(out.S, &EncoderFor(u"image/png", list)->Clsid), Ok);
  out.S->Seek(0, STREAM_SEEK_SET, nullptr);
  std::unique_ptr<Image> back(Image::FromStream(out.S));
  EXPECT_EQ(PixelOf(back.get(), 1, 1), 0xFF336699u);
  ASSERT_EQ(b.RotateFlip(Rotate90FlipNone), Ok);
  Color c;
  b.GetPixel(0, 0, &c);
  EXPECT_EQ(c.GetValue(), 0xFF336699u);
}

TEST(GdiPlusStream, MemoryStreamReadsSeeksAndReports) {
  const uint8_t data[] = {1, 2, 3, 4, 5};
  StreamRef s(SHCreateMemStream(data, 5));
  uint8_t buf[8] = {};
  ULONG got = 0;
  EXPECT_EQ(s.S->Read(buf, 8, &got), S_FALSE);  // fewer bytes than asked
  EXPECT_EQ(got, 5u);
  uint64_t pos = 0;
  EXPECT_EQ(s.S->Seek(-2, STREAM_SEEK_END, &pos), S_OK);
  EXPECT_EQ(pos, 3u);
  EXPECT_EQ(s.S->Seek(0, 3, &pos), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(s.S->Seek(-10, STREAM_SEEK_CUR, &pos), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(pos, 3u);
  EXPECT_EQ(s.S->Read(nullptr, 1, &got), STG_E_INVALIDPOINTER);
  STATSTG st;
  EXPECT_EQ(s.S->Stat(&st, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(st.type, DWORD(STGTY_STREAM));
  EXPECT_EQ(st.cbSize, 5u);
  s.S->Write(data, 5, nullptr);  // from position 3: grows to 8
  s.S->Stat(&st, STATFLAG_NONAME);
  EXPECT_EQ(st.cbSize, 8u);
}
