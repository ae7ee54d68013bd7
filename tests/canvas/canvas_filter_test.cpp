// The image codec: PNG and JPEG round trips through streams and files,
// format choice, quality, turned and reduced loads; the stream adapter.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "canvas/zr_filter_gdiplus.h"
#include "canvas/zr_stream_adapter.h"
#include "canvas_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

std::string TempFile(const std::string& Name) { return ::testing::TempDir() + "canvas_" + Name; }

bool FileExists(const std::string& Name) { return std::ifstream(Name).good(); }

// W x H: blue, with a red block in the top-left quarter and one translucent
// pixel at the bottom right when Translucent.
void Pattern(TzrBitmap& B, int W, int H, bool Translucent) {
  B.SetSize(W, H);
  B.Clear(0xFF0000FF);
  B.ClearRect(zrRect(0, 0, W / 2.0f, H / 2.0f), 0xFFFF0000);
  if (Translucent) B.ClearRect(zrRect(W - 1, H - 1, W, H), 0x80008000);
}

std::string Head(TMemoryStream& S, int N) {
  return std::string(static_cast<const char*>(S.Memory()),
                     size_t(std::min<int64_t>(N, S.GetSize())));
}

const std::string kPng = "\x89PNG";
const std::string kJpeg = "\xFF\xD8";

TEST(CanvasFilter, PngRoundTripKeepsEveryPixel) {
  TzrBitmap b;
  Pattern(b, 9, 7, true);
  TMemoryStream s;
  TzrFilterGdiPlus f;
  ASSERT_TRUE(f.SaveToStream(&s, b, "png", ""));
  EXPECT_EQ(Head(s, 4), kPng);
  s.SetPosition(0);
  TzrBitmap back;
  ASSERT_TRUE(f.LoadFromStream(&s, back));
  ASSERT_EQ(back.GetWidth(), 9);
  ASSERT_EQ(back.GetHeight(), 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      EXPECT_TRUE(Near(back.GetPixels(x, y), b.GetPixels(x, y), 1)) << x << "," << y;
}

TEST(CanvasFilter, JpegRoundTripIsCloseAndQualityShrinksIt) {
  TzrBitmap b;
  Pattern(b, 64, 32, false);
  TzrFilterGdiPlus f;
  TMemoryStream best, worst;
  ASSERT_TRUE(f.SaveToStream(&best, b, "jpeg", "quality=100"));
  ASSERT_TRUE(f.SaveToStream(&worst, b, "jpeg", "quality=5"));
  EXPECT_EQ(Head(best, 2), kJpeg);
  EXPECT_LT(worst.GetSize(), best.GetSize());
  best.SetPosition(0);
  TzrBitmap back;
  ASSERT_TRUE(f.LoadFromStream(&best, back));
  EXPECT_EQ(back.GetWidth(), 64);
  EXPECT_TRUE(Near(back.GetPixels(8, 8), 0xFFFF0000, 8));
  EXPECT_TRUE(Near(back.GetPixels(50, 25), 0xFF0000FF, 8));
}

TEST(CanvasFilter, FormatNamesChooseTheEncoder) {
  struct Case {
    const char* Format;
    const std::string* Magic;
  };
  const Case cases[] = {{"JPG", &kJpeg}, {"jpeg", &kJpeg}, {"PNG", &kPng}, {"webp", &kPng}};
  TzrBitmap b;
  Pattern(b, 4, 4, false);
  TzrFilterGdiPlus f;
  for (const Case& k : cases) {
    TMemoryStream s;
    EXPECT_TRUE(f.SaveToStream(&s, b, k.Format, ""));
    EXPECT_EQ(Head(s, int(k.Magic->size())), *k.Magic) << k.Format;
  }
  TMemoryStream bmp;
  EXPECT_TRUE(f.SaveToStream(&bmp, b, "bmp", ""));
  EXPECT_EQ(Head(bmp, 2), "BM");
}

TEST(CanvasFilter, QualityParameters) {
  TzrBitmap b;
  Pattern(b, 32, 32, false);
  TzrFilterGdiPlus f;
  TMemoryStream plain, named, upper;
  ASSERT_TRUE(f.SaveToStream(&plain, b, "jpg", "quality=20"));
  ASSERT_TRUE(f.SaveToStream(&named, b, "jpg", "other=3 quality=20"));
  ASSERT_TRUE(f.SaveToStream(&upper, b, "jpg", "QUALITY=20"));
  EXPECT_EQ(plain.GetSize(), named.GetSize());
  EXPECT_EQ(plain.GetSize(), upper.GetSize());
  TMemoryStream bad;
  EXPECT_THROW(f.SaveToStream(&bad, b, "jpg", "quality=high"), EConvertError);
  EXPECT_EQ(bad.GetSize(), 0);
}

TEST(CanvasFilter, FileExtensionsChooseTheEncoder) {
  TzrBitmap b;
  Pattern(b, 6, 6, false);
  TzrFilterGdiPlus f;
  const std::string jpeg = TempFile("x.jpeg"), none = TempFile("x.xyz");
  std::remove(none.c_str());
  EXPECT_TRUE(f.SaveToFile(jpeg, b, ""));
  std::ifstream in(jpeg, std::ios::binary);
  char magic[2] = {};
  in.read(magic, 2);
  EXPECT_EQ(std::string(magic, 2), kJpeg);
  EXPECT_FALSE(f.SaveToFile(none, b, ""));
  EXPECT_FALSE(FileExists(none));
  EXPECT_EQ(f.GetImageSize(jpeg).X, 6);
  EXPECT_EQ(f.GetFileTypes(), "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico");
}

TEST(CanvasFilter, UndecodableDataLeavesTheBitmap) {
  TMemoryStream s;
  const char junk[] = "not an image at all";
  s.WriteBuffer(junk, sizeof junk);
  s.SetPosition(0);
  TzrBitmap b(3, 3);
  b.Clear(0xFF112233);
  TzrFilterGdiPlus f;
  EXPECT_FALSE(f.LoadFromStream(&s, b));
  EXPECT_EQ(b.GetWidth(), 3);
  EXPECT_EQ(b.GetPixels(1, 1), 0xFF112233u);
  EXPECT_THROW(f.LoadFromFile(TempFile("missing.png"), 0, b), EFOpenError);
}

std::string SavedPattern(int W, int H) {
  TzrBitmap b;
  Pattern(b, W, H, false);
  const std::string name = TempFile(std::to_string(W) + "x" + std::to_string(H) + ".png");
  TzrFilterGdiPlus().SaveToFile(name, b, "");
  return name;
}

TEST(CanvasFilter, QuarterTurnsReplaceThePixels) {
  const std::string file = SavedPattern(40, 20);
  TzrFilterGdiPlus f;
  struct Case {
    float Rotate;
    int W, H;
    TzrPoint Red;  // where the red top-left quarter ends up
  };
  const Case cases[] = {{90, 20, 40, {15, 5}},
                        {450, 20, 40, {15, 5}},
                        {180, 40, 20, {35, 15}},
                        {-90, 40, 20, {5, 5}},
                        {0, 40, 20, {5, 5}}};
  for (const Case& k : cases) {
    TzrBitmap b;
    ASSERT_TRUE(f.LoadFromFile(file, k.Rotate, b)) << k.Rotate;
    EXPECT_EQ(b.GetWidth(), k.W) << k.Rotate;
    EXPECT_EQ(b.GetHeight(), k.H) << k.Rotate;
    EXPECT_TRUE(Near(b.GetPixels(int(k.Red.X), int(k.Red.Y)), 0xFFFF0000)) << k.Rotate;
  }
}

TEST(CanvasFilter, OtherAnglesDrawTheTurnedImageCentred) {
  const std::string file = SavedPattern(100, 100);
  TzrBitmap b;
  ASSERT_TRUE(TzrFilterGdiPlus().LoadFromFile(file, 45, b));
  EXPECT_NEAR(b.GetWidth(), 141, 1);
  EXPECT_NEAR(b.GetHeight(), 141, 1);
  EXPECT_EQ(Alpha(b.GetPixels(2, 2)), 0);                  // corners stay empty
  EXPECT_TRUE(Near(b.GetPixels(70, 30), 0xFFFF0000, 12));  // the red quarter turned up
  EXPECT_TRUE(Near(b.GetPixels(70, 110), 0xFF0000FF, 12));
}

TEST(CanvasFilter, TurnedBoundsOverTheCapAreRefused) {
  // a 1 x 32767 line turned by 45 degrees would need a 23170 x 23170 bitmap
  TzrBitmap line(1, 32767);
  line.Clear(0xFF00FF00);
  const std::string file = TempFile("line.png");
  TzrFilterGdiPlus f;
  ASSERT_TRUE(f.SaveToFile(file, line, ""));
  TzrBitmap b(3, 3);
  EXPECT_FALSE(f.LoadFromFile(file, 45, b));
  EXPECT_EQ(b.GetWidth(), 3);
  EXPECT_EQ(b.GetHeight(), 3);
  ASSERT_TRUE(f.LoadFromFile(file, 90, b));  // a quarter turn keeps the decoded size
  EXPECT_EQ(b.GetWidth(), 32767);
  EXPECT_EQ(b.GetHeight(), 1);
}

TEST(CanvasFilter, ThumbnailsFitTheBoxAndNeverGrow) {
  const std::string big = SavedPattern(1000, 500), small = SavedPattern(64, 32);
  TzrFilterGdiPlus f;
  for (bool embedded : {true, false}) {
    TzrBitmap a, b;
    ASSERT_TRUE(f.LoadThumbnailFromFile(big, 100, 100, embedded, a));
    EXPECT_EQ(a.GetWidth(), 100) << embedded;
    EXPECT_EQ(a.GetHeight(), 50) << embedded;
    EXPECT_TRUE(Near(a.GetPixels(10, 10), 0xFFFF0000, 8)) << embedded;
    EXPECT_TRUE(Near(a.GetPixels(90, 40), 0xFF0000FF, 8)) << embedded;
    ASSERT_TRUE(f.LoadThumbnailFromFile(small, 128, 128, embedded, b));
    EXPECT_EQ(b.GetWidth(), 64) << embedded;
    EXPECT_EQ(b.GetHeight(), 32) << embedded;
  }
}

TEST(CanvasFilter, BitmapStreamsItsPixelsThroughTheCodec) {
  TzrBitmap b;
  Pattern(b, 5, 5, true);
  TMemoryStream s;
  b.SaveToStream(&s);
  EXPECT_EQ(Head(s, 4), kPng);
  s.SetPosition(0);
  TzrBitmap back;
  back.LoadFromStream(&s);
  EXPECT_TRUE(Near(back.GetPixels(4, 4), b.GetPixels(4, 4), 1));
}

// ---------------------------------------------------------------- adapter

class TWatchedStream : public TMemoryStream {
 public:
  explicit TWatchedStream(bool* Freed) : FFreed(Freed) {}
  ~TWatchedStream() override { *FFreed = true; }

 private:
  bool* FFreed;
};

TEST(StreamAdapter, ReportsSizeAndTypeAndRefusesWhatItCannotDo) {
  TMemoryStream s;
  std::vector<uint8_t> bytes(1000, 7);
  s.WriteBuffer(bytes.data(), 1000);
  s.SetPosition(10);
  TStreamAdapterRef a(TMyStreamAdapter::Create(&s));
  Gdiplus::STATSTG st;
  EXPECT_EQ(a->Stat(&st, 0), Gdiplus::S_OK);
  EXPECT_EQ(st.cbSize, 1000u);
  EXPECT_EQ(st.type, uint32_t(Gdiplus::STGTY_STREAM));
  EXPECT_EQ(st.grfLocksSupported, uint32_t(Gdiplus::LOCK_WRITE));
  EXPECT_GT(st.mtime, 116444736000000000ull);
  EXPECT_EQ(a->Seek(5, 3, nullptr), Gdiplus::STG_E_INVALIDFUNCTION);
  EXPECT_EQ(s.GetPosition(), 10);
  uint64_t pos = 0;
  EXPECT_EQ(a->Seek(-4, Gdiplus::STREAM_SEEK_END, &pos), Gdiplus::S_OK);
  EXPECT_EQ(pos, 996u);
  EXPECT_EQ(a->Read(nullptr, 4, nullptr), Gdiplus::STG_E_INVALIDPOINTER);
  uint8_t buf[8];
  Gdiplus::ULONG got = 0;
  EXPECT_EQ(a->Read(buf, 8, &got), Gdiplus::S_OK);
  EXPECT_EQ(got, 4u);
  EXPECT_EQ(a->SetSize(20), Gdiplus::S_OK);
  EXPECT_EQ(s.GetSize(), 20);
  Gdiplus::IStream* clone = reinterpret_cast<Gdiplus::IStream*>(1);
  EXPECT_EQ(a->Clone(&clone), Gdiplus::E_NOTIMPL);
  EXPECT_EQ(clone, nullptr);
  EXPECT_EQ(a->Revert(), Gdiplus::STG_E_REVERTED);
  EXPECT_EQ(a->LockRegion(0, 1, 1), Gdiplus::STG_E_INVALIDFUNCTION);
  EXPECT_EQ(a->Commit(0), Gdiplus::S_OK);
}

TEST(StreamAdapter, CopyToMovesEverythingInBlocks) {
  TMemoryStream from, to;
  std::vector<uint8_t> bytes(2500000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7);
  from.WriteBuffer(bytes.data(), int32_t(bytes.size()));
  from.SetPosition(0);
  TStreamAdapterRef src(TMyStreamAdapter::Create(&from));
  TStreamAdapterRef dst(TMyStreamAdapter::Create(&to));
  uint64_t read = 0, written = 0;
  EXPECT_EQ(src->CopyTo(dst.Get(), 1ull << 40, &read, &written), Gdiplus::S_OK);
  EXPECT_EQ(read, bytes.size());
  EXPECT_EQ(written, bytes.size());
  ASSERT_EQ(to.GetSize(), int64_t(bytes.size()));
  EXPECT_EQ(static_cast<const uint8_t*>(to.Memory())[2499999], bytes[2499999]);
}

// A target whose writes fail.
class TFailingTarget : public TMemoryStream {
 public:
  int32_t Write(const void*, int32_t) override { throw EWriteError("Stream write error"); }
};

TEST(StreamAdapter, CopyToStopsAtTheTargetsFailure) {
  TMemoryStream from;
  from.WriteBuffer("abcdef", 6);
  from.SetPosition(0);
  TFailingTarget failing;
  TStreamAdapterRef src(TMyStreamAdapter::Create(&from));
  TStreamAdapterRef dst(TMyStreamAdapter::Create(&failing));
  uint64_t read = 99, written = 99;
  EXPECT_EQ(src->CopyTo(dst.Get(), 6, &read, &written), Gdiplus::STG_E_CANTSAVE);
  EXPECT_EQ(read, 6u);
  EXPECT_EQ(written, 0u);
}

TEST(StreamAdapter, OwnedStreamGoesWithTheLastReference) {
  bool freed = false;
  TMyStreamAdapter* a = TMyStreamAdapter::Create(new TWatchedStream(&freed), soOwned);
  a->AddRef();
  a->Release();
  EXPECT_FALSE(freed);
  a->Release();
  EXPECT_TRUE(freed);
  bool kept = false;
  TWatchedStream s(&kept);
  TMyStreamAdapter::Create(&s, soReference)->Release();
  EXPECT_FALSE(kept);
}

}  // namespace
