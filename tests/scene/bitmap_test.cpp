// Bitmaps: premultiplied pixels, size changes and their notices, clears,
// flips, alpha operations, masks and rotation compared pixel by pixel on
// small images, the resource link, and the "PNG" stream property.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "png_filter.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_colors.h"
#include "scene/zr_resource_objects.h"
#include "value_holder.h"

namespace {

using PixelFn = std::function<TzrColor(int X, int Y)>;

// Opaque and distinct for every pixel of a small image.
TzrColor Tag(int X, int Y) { return 0xFF000000u | TzrColor(X + 1) << 8 | TzrColor(Y + 1); }

void Paint(TzrBitmap& Bitmap, const PixelFn& Fn) {
  for (int y = 0; y < Bitmap.GetHeight(); ++y)
    for (int x = 0; x < Bitmap.GetWidth(); ++x) Bitmap.GetScanline(y)[x] = Fn(x, y);
}

void ExpectPixels(const TzrBitmap& Bitmap, int Width, int Height, const PixelFn& Fn) {
  ASSERT_EQ(Bitmap.GetWidth(), Width);
  ASSERT_EQ(Bitmap.GetHeight(), Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      EXPECT_EQ(Bitmap.GetPixels(x, y), Fn(x, y)) << "pixel (" << x << ", " << y << ")";
}

// Records the notices of a bitmap in order.
struct TNotices {
  std::string Log;
  void Attach(TzrBitmap& B) {
    B.OnChange = [this](TObject*) { Log += "change "; };
    B.OnBitmapDestroy = [this](TObject*) { Log += "destroy "; };
    B.OnDestroyHandle = [this](TObject*) { Log += "handle "; };
    B.OnBitmapCreate = [this](TObject*) { Log += "create "; };
  }
};

// ---------------------------------------------------------------- pixels

TEST(ZrBitmap, ClearStoresPremultipliedColours) {
  TzrBitmap bitmap(3, 2);
  struct Case {
    TzrColor given, stored;
  };
  for (const Case& c :
       {Case{0x80FF0000, 0x80800000}, Case{0x00FFFFFF, 0}, Case{0xFF123456, 0xFF123456}}) {
    bitmap.Clear(c.given);
    ExpectPixels(bitmap, 3, 2, [&](int, int) { return c.stored; });
  }
}

TEST(ZrBitmap, PixelsLieRowAfterRowWithoutPadding) {
  TzrBitmap bitmap(10, 20);
  Paint(bitmap, Tag);
  const TzrColor* block = bitmap.GetStartLine();
  EXPECT_EQ(bitmap.GetPixels(9, 19), block[10 * 20 - 1]);
  EXPECT_EQ(bitmap.GetPixels(3, 2), block[3 + 2 * 10]);
  EXPECT_EQ(bitmap.GetScanline(1), block + 10);
  EXPECT_EQ(bitmap.GetPixels(10, 0), 0u);
  EXPECT_EQ(bitmap.GetPixels(0, 20), 0u);
  EXPECT_EQ(bitmap.GetPixels(-1, 0), 0u);
  EXPECT_EQ(bitmap.GetScanline(20), nullptr);
  // The block is what a Cairo ARGB32 surface holds: B, G, R, A in memory.
  bitmap.Clear(0xFF102030);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(bitmap.GetStartLine());
  EXPECT_EQ(bytes[0], 0x30);
  EXPECT_EQ(bytes[1], 0x20);
  EXPECT_EQ(bytes[2], 0x10);
  EXPECT_EQ(bytes[3], 0xFF);
}

TEST(ZrBitmap, ClearRectTruncatesLeftTopAndRoundsRightBottom) {
  TzrBitmap bitmap(4, 4);
  bitmap.ClearRect({0.5f, 0.5f, 2.5f, 2.5f}, 0xFFFFFFFF);
  ExpectPixels(bitmap, 4, 4, [](int x, int y) { return x < 2 && y < 2 ? 0xFFFFFFFFu : 0u; });

  bitmap.Clear(0);
  bitmap.ClearRect({-5, 2.9f, 100, 3.5f}, 0x80FF0000);  // rows 2..3 (3.5 rounds to 4)
  ExpectPixels(bitmap, 4, 4, [](int, int y) { return y >= 2 ? 0x80800000u : 0u; });

  bitmap.Clear(0);
  bitmap.ClearRect({10, 10, 20, 20}, 0xFFFFFFFF);
  bitmap.ClearRect({3, 3, 1, 1}, 0xFFFFFFFF);
  bitmap.ClearRect({NAN, NAN, NAN, NAN}, 0xFFFFFFFF);
  ExpectPixels(bitmap, 4, 4, [](int, int) { return 0u; });
}

TEST(ZrBitmap, SizeChangesNotifyTheBackendInOrder) {
  TNotices notices;  // outlives the bitmap, whose destructor still notifies
  TzrBitmap bitmap(2, 2);
  notices.Attach(bitmap);
  bitmap.SetHandle(7);
  bitmap.SetNeedUpdate(false);
  bitmap.SetSize(2, 2);
  EXPECT_EQ(notices.Log, "") << "same size: nothing";
  bitmap.SetSize(3, 1);
  EXPECT_EQ(notices.Log, "destroy handle change create change ");
  EXPECT_EQ(bitmap.GetHandle(), 0u);
  EXPECT_TRUE(bitmap.GetNeedUpdate());
  ExpectPixels(bitmap, 3, 1, [](int, int) { return 0u; });

  notices.Log.clear();
  bitmap.SetWidth(0);
  EXPECT_TRUE(bitmap.IsEmpty());
  EXPECT_EQ(bitmap.GetStartLine(), nullptr);
  EXPECT_EQ(notices.Log, "destroy handle create ");
}

TEST(ZrBitmap, NegativeSizesMakeAnEmptyBitmap) {
  TzrBitmap bitmap(-4, 5);
  EXPECT_TRUE(bitmap.IsEmpty());
  EXPECT_EQ(bitmap.GetStartLine(), nullptr);
  bitmap.SetSize(3, -1);
  EXPECT_TRUE(bitmap.IsEmpty());
  bitmap.Clear(0xFFFFFFFF);
  bitmap.FlipHorizontal();
  bitmap.FillColor(0xFFFFFFFF);
  EXPECT_EQ(bitmap.GetPixels(0, 0), 0u);
}

// ---------------------------------------------------------------- flips and alpha

TEST(ZrBitmap, FlipsMirrorThePixels) {
  TzrBitmap column(1, 3);
  Paint(column, Tag);
  int changes = 0;
  column.OnChange = [&](TObject*) { ++changes; };
  column.FlipHorizontal();
  ExpectPixels(column, 1, 3, [](int x, int y) { return Tag(x, 2 - y); });
  EXPECT_EQ(changes, 1);

  TzrBitmap image(3, 2);
  Paint(image, Tag);
  image.FlipVertical();
  ExpectPixels(image, 3, 2, [](int x, int y) { return Tag(2 - x, y); });
  image.FlipHorizontal();
  ExpectPixels(image, 3, 2, [](int x, int y) { return Tag(2 - x, 1 - y); });
}

TEST(ZrBitmap, InvertAlphaAndFillColor) {
  TzrBitmap bitmap(4, 1);
  const TzrColor pixels[4] = {0xFFFF0000, 0, 0x80800000, 0x40000040};
  Paint(bitmap, [&](int x, int) { return pixels[x]; });
  bitmap.InvertAlpha();
  const TzrColor inverted[4] = {0, 0xFF000000, 0x7F7F0000, 0xBF0000BF};
  ExpectPixels(bitmap, 4, 1, [&](int x, int) { return inverted[x]; });

  Paint(bitmap, [&](int x, int) { return pixels[x]; });
  bitmap.FillColor(0xFF00FF00);
  const TzrColor filled[4] = {0xFF00FF00, 0, 0x80008000, 0x40004000};
  ExpectPixels(bitmap, 4, 1, [&](int x, int) { return filled[x]; });
}

// ---------------------------------------------------------------- masks

TEST(ZrBitmap, CreateMaskGivesTheAlphaBytes) {
  TzrBitmap bitmap(3, 1);
  const TzrColor pixels[3] = {0xFF000000, 0, 0x80404040};
  Paint(bitmap, [&](int x, int) { return pixels[x]; });
  EXPECT_EQ(bitmap.CreateMask(), (std::vector<uint8_t>{255, 0, 128}));
}

TEST(ZrBitmap, ApplyMaskCutsTheMaskedShapeOut) {
  TzrBitmap bitmap(3, 2);
  bitmap.Clear(0xFFFFFFFF);
  const std::vector<uint8_t> mask = {0, 255, 0,  //
                                     0, 0,   255};
  bitmap.ApplyMask(mask);
  ExpectPixels(bitmap, 3, 2, [&](int x, int y) { return mask[x + y * 3] ? 0u : 0xFFFFFFFFu; });

  // Shifted one pixel right: pixel x takes mask byte x - 1; column 0 is not covered.
  bitmap.Clear(0xFFFFFFFF);
  bitmap.ApplyMask(mask, 1, 0);
  ExpectPixels(bitmap, 3, 2,
               [&](int x, int y) { return x >= 1 && mask[(x - 1) + y * 3] ? 0u : 0xFFFFFFFFu; });

  // A half mask leaves about half the opacity.
  bitmap.Clear(0xFFFFFFFF);
  bitmap.ApplyMask(std::vector<uint8_t>(6, 128));
  const TzrColor alpha = bitmap.GetPixels(2, 1) >> 24;
  EXPECT_TRUE(alpha == 126 || alpha == 127) << alpha;
  EXPECT_EQ(bitmap.GetPixels(2, 1) & 0xFF, alpha) << "colour stays premultiplied";
}

TEST(ZrBitmap, ApplyMaskIgnoresAShortMask) {
  TzrBitmap bitmap(3, 2);
  bitmap.Clear(0xFFFFFFFF);
  bitmap.ApplyMask(std::vector<uint8_t>(5, 255));
  ExpectPixels(bitmap, 3, 2, [](int, int) { return 0xFFFFFFFFu; });
}

TEST(ZrBitmap, MaskConstructorTakesAlphaFromTheMasksRed) {
  TzrBitmap source(2, 2), mask(2, 2);
  Paint(source, [](int x, int y) { return 0xFF102030u + TzrColor(x + 2 * y); });
  Paint(mask, [](int x, int y) { return 0xFF000000u | TzrColor(x * 100 + y * 10) << 16; });
  TzrBitmap masked(source, mask);
  ExpectPixels(masked, 2, 2, [](int x, int y) {
    return TzrColor(x * 100 + y * 10) << 24 | (0x102030u + TzrColor(x + 2 * y));
  });
  TzrBitmap other(3, 2);
  TzrBitmap unmasked(source, other);
  ExpectPixels(unmasked, 2, 2, [](int, int) { return 0u; });
}

// ---------------------------------------------------------------- rotation

TEST(ZrBitmap, RotateTurnsClockwiseAboutTheCentre) {
  struct Case {
    float angle;
    int width, height;
    PixelFn expected;
  };
  const int W = 5, H = 3;
  const Case cases[] = {
      {90, H, W, [](int x, int y) { return Tag(y, H - 1 - x); }},
      {-90, H, W, [](int x, int y) { return Tag(W - 1 - y, x); }},
      {180, W, H, [](int x, int y) { return Tag(W - 1 - x, H - 1 - y); }},
      {270, H, W, [](int x, int y) { return Tag(W - 1 - y, x); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    TzrBitmap bitmap(W, H);
    Paint(bitmap, Tag);
    bitmap.Rotate(c.angle);
    ExpectPixels(bitmap, c.width, c.height, c.expected);
  }
}

TEST(ZrBitmap, RotateResizesAndZeroDoesNothing) {
  TzrBitmap bitmap(20, 10);
  bitmap.Rotate(90);
  EXPECT_EQ(bitmap.GetWidth(), 10);
  EXPECT_EQ(bitmap.GetHeight(), 20);
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.Rotate(0);
  bitmap.Rotate(NAN);
  EXPECT_EQ(changes, 0);
  // 45 degrees: the bounds of the turned square, its corners left transparent.
  TzrBitmap square(10, 10);
  square.Clear(0xFFFFFFFF);
  square.Rotate(45);
  EXPECT_EQ(square.GetWidth(), 14);
  EXPECT_EQ(square.GetHeight(), 14);
  EXPECT_EQ(square.GetPixels(0, 0), 0u);
  EXPECT_EQ(square.GetPixels(7, 7), 0xFFFFFFFFu);
}

TEST(ZrBitmap, ThumbnailScalesTheImage) {
  TzrBitmap bitmap(4, 2);
  Paint(bitmap, [](int x, int) { return x < 2 ? 0xFFFF0000u : 0xFF0000FFu; });
  std::unique_ptr<TzrBitmap> thumb = bitmap.CreateThumbnail(8, 4);
  ExpectPixels(*thumb, 8, 4, [](int x, int) {
    if (x == 3 || x == 4) return x == 3 ? 0xFFBF0040u : 0xFF4000BFu;  // blended at the seam
    return x < 3 ? 0xFFFF0000u : 0xFF0000FFu;
  });
}

TEST(ZrBitmap, ThumbnailReductionAveragesEveryPixelAndScalesByTheWidth) {
  TzrBitmap board(100, 100);
  // one-pixel squares: every reduced pixel is half white
  Paint(board, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
  std::unique_ptr<TzrBitmap> thumb = board.CreateThumbnail(10, 20);
  ExpectPixels(*thumb, 10, 20, [](int, int y) { return y < 10 ? 0xFF808080u : 0u; });
  // two-pixel squares: 12 or 13 of the 25 a reduced pixel covers are white
  // (a filter that samples a few pixels gives black or white instead)
  Paint(board, [](int x, int y) { return (x / 2 + y / 2) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
  thumb = board.CreateThumbnail(10, 10);
  ExpectPixels(*thumb, 10, 10,
               [](int x, int y) { return (x + y) % 2 ? 0xFF858585u : 0xFF7A7A7Au; });
}

// ---------------------------------------------------------------- copies and resources

TEST(ZrBitmap, AssignCopiesSizeAndPixels) {
  TzrBitmap source(3, 2), copy(1, 1);
  Paint(source, Tag);
  copy.SetResourceName("stale");
  copy.SetNeedUpdate(false);
  int changes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.Assign(&source);
  ExpectPixels(copy, 3, 2, Tag);
  EXPECT_EQ(copy.GetResourceName(), "");
  EXPECT_TRUE(copy.GetNeedUpdate());
  EXPECT_GE(changes, 1);
  TzrPosition other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(ZrBitmap, AssignFromALinkedBitmapCopiesTheLink) {
  auto node = std::make_unique<TzrBitmapObject>(nullptr);
  node->SetName("icon");
  node->GetBitmap()->SetSize(2, 2);
  TzrBitmap source(5, 5), copy(3, 3);
  source.SetResourceName("icon");
  copy.Assign(&source);
  EXPECT_EQ(copy.GetResource(), node.get());
  EXPECT_EQ(copy.GetResourceName(), "icon");
  EXPECT_EQ(copy.GetWidth(), 3) << "no pixels are copied";
  node.reset();
  EXPECT_EQ(copy.GetResource(), nullptr);
  EXPECT_EQ(source.GetResource(), nullptr);
}

TEST(ZrBitmap, SetResourceTakesTheNameAndNilClearsIt) {
  TzrBitmapObject node(nullptr);
  node.SetName("pic");
  TzrBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.SetResource(&node);
  bitmap.SetResource(&node);
  EXPECT_EQ(bitmap.GetResourceName(), "pic");
  EXPECT_EQ(bitmap.GetBitmap(), node.GetBitmap());
  bitmap.SetResource(nullptr);
  EXPECT_EQ(bitmap.GetResourceName(), "");
  EXPECT_EQ(changes, 2);
  bitmap.SetResourceName("pic");
  bitmap.SetResourceName("pic");
  EXPECT_EQ(changes, 3);
}

// ---------------------------------------------------------------- files and streams

// A codec that notes the format and parameters each save asked for.
class TRecordingFilter : public TzrPngFilter {
 public:
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TRecordingFilter>("TRecordingFilter", TzrPngFilter::Class());
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  bool SaveToStream(TStream* AStream, TzrBitmap& Bitmap, const std::string& Format,
                    const std::string& Params) override {
    Saves.push_back(Format + "|" + Params);
    return TzrPngFilter::SaveToStream(AStream, Bitmap, Format, Params);
  }
  static inline std::vector<std::string> Saves;
};

bool StartsWithPngSignature(TMemoryStream& Stream) {
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return Stream.GetSize() > 8 && std::memcmp(Stream.Memory(), signature, 8) == 0;
}

TEST(ZrBitmapStream, TranslucentImagesAreSavedAsPngOpaqueOnesAsJpeg) {
  const TClassInfo* saved = DefaultFilterClass;
  DefaultFilterClass = TRecordingFilter::Class();
  TRecordingFilter::Saves.clear();
  TzrBitmap bitmap(2, 2);
  bitmap.Clear(0xFF336699);
  TMemoryStream opaque;
  bitmap.SaveToStream(&opaque);
  bitmap.ClearRect({0, 0, 1, 1}, 0xFE336699);
  TMemoryStream translucent;
  bitmap.SaveToStream(&translucent);
  DefaultFilterClass = saved;
  EXPECT_EQ(TRecordingFilter::Saves, (std::vector<std::string>{"jpeg|quality=100", "png|"}));
  EXPECT_TRUE(StartsWithPngSignature(translucent));
}

TEST(ZrBitmapStream, PngPropertyRoundTrips) {
  TScopedPngFilter codec;
  TzrBitmapObject node(nullptr);
  node.GetBitmap()->SetSize(4, 3);
  Paint(*node.GetBitmap(), [](int x, int y) {
    const TzrColor a = TzrColor(60 * x + 15 * y + 10);
    return zrPremultyAlpha(a << 24 | 0xC08040u);
  });
  TMemoryStream data;
  node.SaveToBinStream(&data);
  data.SetPosition(0);
  TzrBitmapObject copy(nullptr);
  copy.LoadFromBinStream(&data);
  ExpectPixels(*copy.GetBitmap(), 4, 3,
               [&](int x, int y) { return node.GetBitmap()->GetPixels(x, y); });
}

TEST(ZrBitmapStream, BitmapBrushStreamsItsImage) {
  TScopedPngFilter codec;
  TTestValueHolder holder;
  holder.Fill->SetStyle(zrBrushBitmap);
  holder.Fill->GetBitmap()->SetWrapMode(zrWrapTileStretch);
  TzrBitmap image(2, 2);
  Paint(image, [](int x, int y) { return x == y ? 0x80800000u : 0xFF00FF00u; });
  holder.Fill->GetBitmap()->SetBitmap(&image);
  const std::string text = HolderText(holder);
  EXPECT_NE(text.find("Fill.Bitmap.Bitmap.PNG = {"), std::string::npos) << text;
  TTestValueHolder copy;
  LoadHolderText(copy, text);
  EXPECT_EQ(copy.Fill->GetBitmap()->GetWrapMode(), zrWrapTileStretch);
  ExpectPixels(*copy.Fill->GetBitmap()->GetBitmap(), 2, 2,
               [&](int x, int y) { return image.GetPixels(x, y); });
}

TEST(ZrBitmapStream, LoadFromStreamReadsFromThePosition) {
  TScopedPngFilter codec;
  TzrBitmap image(3, 2);
  Paint(image, [](int x, int y) { return x + y == 1 ? 0u : 0xFF000000u | TzrColor(x * 40 + y); });
  TMemoryStream data;
  data.WriteBuffer("prefix", 6);
  image.SaveToStream(&data);
  data.SetPosition(6);
  TzrBitmap loaded;
  int changes = 0;
  loaded.OnChange = [&](TObject*) { ++changes; };
  loaded.LoadFromStream(&data);
  ExpectPixels(loaded, 3, 2, [&](int x, int y) { return image.GetPixels(x, y); });
  EXPECT_GE(changes, 1);
}

TEST(ZrBitmapStream, UndecodableDataLeavesTheBitmapAlone) {
  TScopedPngFilter codec;
  TzrBitmap bitmap(2, 1);
  bitmap.Clear(0xFF010203);
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  TMemoryStream junk;
  junk.WriteBuffer("\x89PNG\r\n\x1a\n-not-an-image", 22);
  junk.SetPosition(0);
  bitmap.LoadFromStream(&junk);
  ExpectPixels(bitmap, 2, 1, [](int, int) { return 0xFF010203u; });
  EXPECT_EQ(changes, 0);
}

TEST(ZrBitmapStream, WithoutACodecNothingIsReadOrWritten) {
  const TClassInfo* saved = DefaultFilterClass;
  DefaultFilterClass = nullptr;
  TzrBitmap bitmap(2, 2);
  TMemoryStream data;
  bitmap.SaveToStream(&data);
  EXPECT_EQ(data.GetSize(), 0);
  bitmap.LoadFromStream(&data);
  EXPECT_EQ(bitmap.GetWidth(), 2);
  DefaultFilterClass = saved;
}

TEST(ZrBitmapFile, SavesAndLoadsTurned) {
  TScopedPngFilter codec;
  const std::string name =
      (std::filesystem::temp_directory_path() / "zr_bitmap_file_test.png").string();
  TzrBitmap image(3, 2);
  Paint(image, Tag);
  image.ClearRect({0, 0, 1, 1}, 0x80FFFFFF);
  image.SaveToFile(name);
  TzrBitmap loaded;
  loaded.LoadFromFile(name, 90);
  std::filesystem::remove(name);
  ExpectPixels(loaded, 2, 3, [&](int x, int y) { return image.GetPixels(y, 1 - x); });

  TzrBitmap untouched(1, 1);
  untouched.LoadFromFile(name);  // gone now
  EXPECT_EQ(untouched.GetWidth(), 1);
}

}  // namespace
