// The imaging codec of the Direct2D canvas: its encoder table, thumbnails
// (fitted or the JPEG's EXIF one), failures that answer false and keep the
// bitmap, streams read from their position, and round trips that give the
// same pixels as the GDI+ codec.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "canvas/zr_canvas_d2d.h"
#include "canvas/zr_filter_gdiplus.h"
#include "canvas/zr_filter_wic.h"
#include "canvas_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

std::string TempFile(const std::string& Name) { return ::testing::TempDir() + "wic_" + Name; }

std::vector<uint8_t> ReadAll(const std::string& Name) {
  std::ifstream in(Name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& Name, const std::vector<uint8_t>& Bytes) {
  std::ofstream(Name, std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
}

std::vector<uint8_t> Bytes(TMemoryStream& S) {
  auto* p = static_cast<const uint8_t*>(S.Memory());
  return std::vector<uint8_t>(p, p + S.GetSize());
}

// What the first bytes say the file is.
std::string Kind(const std::vector<uint8_t>& B) {
  auto starts = [&B](std::initializer_list<uint8_t> Magic) {
    return B.size() >= Magic.size() && std::equal(Magic.begin(), Magic.end(), B.begin());
  };
  if (starts({0x89, 'P', 'N', 'G'})) return "png";
  if (starts({0xFF, 0xD8})) return "jpeg";
  if (starts({'B', 'M'})) return "bmp";
  if (starts({'I', 'I', 42, 0}) || starts({'M', 'M', 0, 42})) return "tiff";
  return B.empty() ? "nothing" : "other";
}

void Pattern(TzrBitmap& B, int W, int H) {
  B.SetSize(W, H);
  B.Clear(0xFF0000FF);
  B.ClearRect(zrRect(0, 0, W / 2.0f, H / 2.0f), 0xFFFF0000);
}

// The codec works while a Direct2D canvas holds the shared factory.
class FilterWIC : public ::testing::Test {
 protected:
  std::unique_ptr<TzrCanvasD2D> Holder = std::make_unique<TzrCanvasD2D>(1, 1);
  TzrFilterWIC Filter;
};

TEST_F(FilterWIC, EncoderChoiceFollowsExtensionOrFormatInAnyCase) {
  TzrBitmap b;
  Pattern(b, 8, 6);
  const struct {
    const char* Name;
    bool Saved;
    const char* Kind;
  } files[] = {{"a.JPG", true, "jpeg"},      {"b.jpeg", true, "jpeg"},
               {"noextension", true, "png"}, {"d.ico", true, "png"},
               {"e.bmp", true, "bmp"},       {"f.tif", true, "tiff"},
               {"g.gif", false, "nothing"},  {"h.wmp", false, "nothing"}};
  for (const auto& f : files) {
    const std::string name = TempFile(f.Name);
    std::remove(name.c_str());
    EXPECT_EQ(Filter.SaveToFile(name, b, "quality=5"), f.Saved) << f.Name;
    EXPECT_EQ(Kind(ReadAll(name)), f.Kind) << f.Name;
  }
  const struct {
    const char* Format;
    const char* Kind;
  } formats[] = {{"TIFF", "tiff"}, {"jpe", "png"}, {"Jpg", "jpeg"}, {"BMP", "bmp"}};
  for (const auto& f : formats) {
    TMemoryStream s;
    EXPECT_TRUE(Filter.SaveToStream(&s, b, f.Format, ""));
    EXPECT_EQ(Kind(Bytes(s)), f.Kind) << f.Format;
  }
  TMemoryStream gif;
  EXPECT_FALSE(Filter.SaveToStream(&gif, b, "gif", ""));
}

TEST_F(FilterWIC, ParamsAreNotUsed) {
  TzrBitmap b;
  Pattern(b, 32, 16);
  TMemoryStream plain, low;
  ASSERT_TRUE(Filter.SaveToStream(&plain, b, "jpeg", ""));
  ASSERT_TRUE(Filter.SaveToStream(&low, b, "jpeg", "quality=5"));
  EXPECT_EQ(Bytes(plain), Bytes(low));
}

TEST_F(FilterWIC, ThumbnailsFitTheBoxAndAreNeverEnlarged) {
  TzrBitmap b;
  Pattern(b, 100, 50);
  const std::string name = TempFile("thumb.png");
  ASSERT_TRUE(Filter.SaveToFile(name, b, ""));
  const struct {
    float Box;
    int W, H;
  } cases[] = {{40, 40, 20}, {400, 100, 50}};
  for (const auto& c : cases) {
    TzrBitmap t;
    ASSERT_TRUE(Filter.LoadThumbnailFromFile(name, c.Box, c.Box, true, t));  // a PNG has none
    EXPECT_EQ(t.GetWidth(), c.W);
    EXPECT_EQ(t.GetHeight(), c.H);
  }
  TzrBitmap t;
  Filter.LoadThumbnailFromFile(name, 40, 40, false, t);
  EXPECT_TRUE(Near(t.GetPixels(5, 2), 0xFFFF0000, 8));
  EXPECT_TRUE(Near(t.GetPixels(35, 17), 0xFF0000FF, 8));
}

// A JPEG of the bitmap with an APP1 "Exif" block after its start marker:
// little-endian TIFF, an empty IFD0, IFD1 pointing at the thumbnail bytes.
// Broken moves the thumbnail's offset past the block.
std::vector<uint8_t> JpegWithExif(const std::vector<uint8_t>& Jpeg,
                                  const std::vector<uint8_t>& Thumb, bool Broken) {
  std::vector<uint8_t> tiff = {'I', 'I', 42, 0, 8, 0, 0, 0,  // header, IFD0 at 8
                               0,   0,                       // IFD0: no entries
                               14,  0,   0,  0};             // IFD1 at 14
  auto u16 = [&tiff](uint32_t v) { tiff.push_back(uint8_t(v)), tiff.push_back(uint8_t(v >> 8)); };
  auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
  const uint32_t offset = 14 + 2 + 2 * 12 + 4;
  u16(2);
  u16(0x0201), u16(4), u32(1), u32(Broken ? 60000 : offset);
  u16(0x0202), u16(4), u32(1), u32(uint32_t(Thumb.size()));
  u32(0);
  tiff.insert(tiff.end(), Thumb.begin(), Thumb.end());
  std::vector<uint8_t> app1 = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
  app1.insert(app1.end(), tiff.begin(), tiff.end());
  const size_t length = app1.size() - 2;
  app1[2] = uint8_t(length >> 8);
  app1[3] = uint8_t(length);
  std::vector<uint8_t> out(Jpeg.begin(), Jpeg.begin() + 2);
  out.insert(out.end(), app1.begin(), app1.end());
  out.insert(out.end(), Jpeg.begin() + 2, Jpeg.end());
  return out;
}

TEST_F(FilterWIC, EmbeddedExifThumbnailIsReturnedAtItsOwnSizeAndABrokenOneIsNone) {
  TzrBitmap big, small;
  Pattern(big, 100, 50);
  Pattern(small, 16, 8);
  TMemoryStream bigJpeg, smallJpeg;
  ASSERT_TRUE(Filter.SaveToStream(&bigJpeg, big, "jpeg", ""));
  ASSERT_TRUE(Filter.SaveToStream(&smallJpeg, small, "jpeg", ""));
  const struct {
    bool Broken;
    int W, H;
  } cases[] = {{false, 16, 8}, {true, 40, 20}};
  for (const auto& c : cases) {
    const std::string name = TempFile(c.Broken ? "broken.jpg" : "exif.jpg");
    WriteAll(name, JpegWithExif(Bytes(bigJpeg), Bytes(smallJpeg), c.Broken));
    EXPECT_EQ(Filter.GetImageSize(name).X, 100);
    TzrBitmap t;
    ASSERT_TRUE(Filter.LoadThumbnailFromFile(name, 40, 40, true, t));
    EXPECT_EQ(t.GetWidth(), c.W);
    EXPECT_EQ(t.GetHeight(), c.H);
    ASSERT_TRUE(Filter.LoadThumbnailFromFile(name, 40, 40, false, t));
    EXPECT_EQ(t.GetWidth(), 40);
  }
}

TEST_F(FilterWIC, FailuresAnswerFalseAndKeepTheBitmap) {
  TzrBitmap b;
  Pattern(b, 4, 4);
  EXPECT_EQ(Filter.GetImageSize(TempFile("missing.png")).X, 0);
  EXPECT_EQ(Filter.GetImageSize(TempFile("missing.png")).Y, 0);
  EXPECT_FALSE(Filter.LoadFromFile(TempFile("missing.png"), 0, b));
  const std::string junk = TempFile("junk.png");
  WriteAll(junk, {1, 2, 3, 4, 5});
  EXPECT_FALSE(Filter.LoadFromFile(junk, 0, b));
  EXPECT_FALSE(Filter.LoadThumbnailFromFile(junk, 10, 10, true, b));
  EXPECT_EQ(b.GetWidth(), 4);
  EXPECT_EQ(b.GetPixels(0, 0), 0xFFFF0000u);
  EXPECT_FALSE(Filter.SaveToFile("/nonexistent-folder/x.png", b, ""));
  TzrBitmap empty;
  EXPECT_FALSE(Filter.SaveToFile(TempFile("empty.png"), empty, ""));
}

TEST_F(FilterWIC, WithoutADirect2DCanvasEverythingButTheFileTypesFails) {
  TzrBitmap b;
  Pattern(b, 4, 4);
  const std::string name = TempFile("present.png");
  ASSERT_TRUE(Filter.SaveToFile(name, b, ""));
  Holder.reset();
  ASSERT_FALSE(SharedWICFactory);
  TMemoryStream s;
  EXPECT_FALSE(Filter.SaveToFile(name, b, ""));
  EXPECT_FALSE(Filter.SaveToStream(&s, b, "png", ""));
  EXPECT_FALSE(Filter.LoadFromFile(name, 0, b));
  EXPECT_FALSE(Filter.LoadThumbnailFromFile(name, 2, 2, false, b));
  EXPECT_FALSE(Filter.LoadFromStream(&s, b));
  EXPECT_EQ(Filter.GetImageSize(name).X, 0);
  EXPECT_EQ(Filter.GetFileTypes(), "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico;*.wmp");
}

TEST_F(FilterWIC, StreamIsReadFromItsPosition) {
  TzrBitmap b, back;
  Pattern(b, 6, 4);
  TMemoryStream s;
  const char junk[3] = {'x', 'y', 'z'};
  s.WriteBuffer(junk, 3);
  ASSERT_TRUE(Filter.SaveToStream(&s, b, "png", ""));
  s.SetPosition(3);
  ASSERT_TRUE(Filter.LoadFromStream(&s, back));
  EXPECT_EQ(back.GetWidth(), 6);
  EXPECT_EQ(back.GetPixels(0, 0), 0xFFFF0000u);
}

bool SamePixels(const TzrBitmap& A, const TzrBitmap& B, int Tol) {
  if (A.GetWidth() != B.GetWidth() || A.GetHeight() != B.GetHeight()) return false;
  for (int y = 0; y < A.GetHeight(); ++y)
    for (int x = 0; x < A.GetWidth(); ++x)
      if (!Near(A.GetPixels(x, y), B.GetPixels(x, y), Tol)) return false;
  return true;
}

TEST_F(FilterWIC, RoundTripsGiveTheGdiPlusCodecsPixels) {
  TzrBitmap b;
  Pattern(b, 24, 16);
  b.ClearRect(zrRect(20, 12, 24, 16), 0x80008000);  // translucent green
  TzrFilterGdiPlus gdi;
  const struct {
    const char* Format;
    int Tol;
  } cases[] = {{"png", 0}, {"bmp", 0}, {"tiff", 0}, {"jpeg", 40}};
  for (const auto& c : cases) {
    TMemoryStream ours, theirs;
    ASSERT_TRUE(Filter.SaveToStream(&ours, b, c.Format, "")) << c.Format;
    ASSERT_TRUE(gdi.SaveToStream(&theirs, b, c.Format, "")) << c.Format;
    TzrBitmap a1, a2, b1, b2;  // each file through both codecs
    ours.SetPosition(0), theirs.SetPosition(0);
    ASSERT_TRUE(Filter.LoadFromStream(&ours, a1)) << c.Format;
    ASSERT_TRUE(Filter.LoadFromStream(&theirs, b1)) << c.Format;
    ours.SetPosition(0), theirs.SetPosition(0);
    ASSERT_TRUE(gdi.LoadFromStream(&ours, a2)) << c.Format;
    ASSERT_TRUE(gdi.LoadFromStream(&theirs, b2)) << c.Format;
    EXPECT_TRUE(SamePixels(a1, a2, 1)) << c.Format << ": the two decoders differ";
    EXPECT_TRUE(SamePixels(b1, b2, 1)) << c.Format << ": the two decoders differ";
    EXPECT_TRUE(SamePixels(a1, b1, c.Tol / 4)) << c.Format << ": the two encoders differ";
    // opaque pixels away from the colour edge come back
    for (int y : {2, 9, 14})
      for (int x : {3, 9, 15})
        EXPECT_TRUE(Near(a1.GetPixels(x, y), b.GetPixels(x, y), c.Tol))
            << c.Format << " " << x << "," << y;
  }
  TMemoryStream png;
  TzrBitmap back;
  Filter.SaveToStream(&png, b, "png", "");
  png.SetPosition(0);
  ASSERT_TRUE(Filter.LoadFromStream(&png, back));
  EXPECT_EQ(back.GetPixels(22, 14), b.GetPixels(22, 14));  // the alpha stays
  EXPECT_EQ(back.GetPixels(22, 14) >> 24, 0x80u);
}

}  // namespace
