#include <cmath>
#include <filesystem>

#include "scene/zr_classes.h"
#include "shapes_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF;

// The extent the canvas measures for the text in the object's font.
TzrRect Measured(TzrCanvas* Canvas, TzrText* Text, TzrTextAlign H, TzrTextAlign V) {
  Canvas->GetFont()->Assign(Text->GetFont());
  TzrRect m = zrRect(0, 0, 1000, 1000);
  Canvas->MeasureText(m, m, Text->GetText(), false, H, V);
  return m;
}

// ---------------------------------------------------------------- text

TEST_F(ShapesTest, AutoSizedTextWidensByItsWidthAndHalfTheFontSize) {
  auto* text = Make<TzrText>(10, 10, 40, 20);
  text->SetWordWrap(false);
  text->SetAutoSize(true);
  text->SetText(u"OK");
  const float shortWidth = text->GetWidth();
  text->SetText(u"A much longer caption");
  const TzrRect m = Measured(Scene.Canvas.get(), text, zrTextAlignNear, zrTextAlignNear);
  EXPECT_FLOAT_EQ(text->GetWidth(), m.Right + 11.0f / 2);
  EXPECT_GT(text->GetWidth(), shortWidth + 50);
  EXPECT_EQ(text->GetHeight(), 20) << "a vertically centred text keeps its height";

  text->SetVertTextAlign(zrTextAlignNear);
  text->SetText(u"电调 ESC");
  const TzrRect m2 = Measured(Scene.Canvas.get(), text, zrTextAlignNear, zrTextAlignNear);
  EXPECT_FLOAT_EQ(text->GetHeight(), m2.Bottom);
  EXPECT_FLOAT_EQ(text->GetWidth(), m2.Right + 5.5f);
}

TEST_F(ShapesTest, AutoSizeChangesNothingOutsideASceneOrWithoutText) {
  TzrText loose(&Owner);
  loose.SetWordWrap(false);
  loose.SetVertTextAlign(zrTextAlignNear);
  loose.SetAutoSize(true);
  loose.SetText(u"A much longer caption");
  EXPECT_EQ(loose.GetWidth(), 50);
  EXPECT_EQ(loose.GetHeight(), 50);

  auto* empty = Make<TzrText>(0, 0, 40, 20);
  empty->SetWordWrap(false);
  empty->SetVertTextAlign(zrTextAlignNear);
  empty->SetAutoSize(true);
  empty->GetFont()->SetSize(30);
  EXPECT_EQ(empty->GetWidth(), 40);
  EXPECT_EQ(empty->GetHeight(), 20);
}

TEST_F(ShapesTest, StretchedTextScalesItsInkToTheRectangle) {
  auto* text = Make<TzrText>(10, 10, 100, 50);
  text->SetText(u"Hi");
  text->SetAutoSize(true);
  text->SetStretch(true);
  EXPECT_FALSE(text->GetAutoSize());
  Recorder->Forget();
  Scene.DrawAll();
  ASSERT_EQ(Recorder->Matrices.size(), 1u);
  const TzrRect m = Measured(Scene.Canvas.get(), text, zrTextAlignCenter, zrTextAlignCenter);
  const TzrMatrix& s = Recorder->Matrices[0];
  EXPECT_FLOAT_EQ(s.m11 * zrRectWidth(m), 100);
  EXPECT_FLOAT_EQ(s.m22 * zrRectHeight(m), 50);
  EXPECT_EQ(s.m31, 0);
  EXPECT_EQ(s.m32, 0);
  // The ink covers the object's middle, and nothing is drawn outside it.
  bool inked = false;
  for (int x = 10; x < 110; ++x) inked = inked || !Near(Scene.Pixel(x, 35), White, 60);
  EXPECT_TRUE(inked);
  for (int x = 0; x < 200; ++x) EXPECT_TRUE(Near(Scene.Pixel(x, 5), White)) << x;
}

TEST_F(ShapesTest, TextDataIsItsText) {
  auto* text = Make<TzrText>(0, 0, 40, 20);
  text->SetData(Variant(42));
  EXPECT_EQ(text->GetText(), u"42");
  EXPECT_EQ(text->GetData().ToWideString(), u"42");
}

// ---------------------------------------------------------------- images

TEST_F(ShapesTest, TiledImageDrawsRoundedCountsPlusOneClipped) {
  struct Case {
    float Size;
    int PerSide;
  };
  // 100 / 30 = 3.33 rounds to 3; 75 / 30 = 2.5 rounds to even 2.
  for (const Case& c : {Case{100, 4}, Case{75, 3}}) {
    auto* image = Make<TzrImage>(10, 10, c.Size, c.Size);
    image->SetBitmap(QuadrantBitmap(30, 30, 15, 15).get());
    image->SetWrapMode(zrImageTile);
    Recorder->Forget();
    Scene.DrawAll();
    ASSERT_EQ(int(Recorder->Bitmaps.size()), c.PerSide * c.PerSide) << c.Size;
    const auto& last = Recorder->Bitmaps.back();
    const float end = 30.0f * c.PerSide;
    EXPECT_EQ(last.Dst, zrRect(end - 30, end - 30, end, end));
    EXPECT_TRUE(last.HighSpeed);
    EXPECT_TRUE(Near(Scene.Pixel(int(10 + c.Size) + 1, 20), White)) << "clipped";
    delete image;
  }
}

TEST_F(ShapesTest, NineSlicesKeepTheCornersAtPixelSize) {
  auto* image = Make<TzrImage>(10, 10, 43, 48);
  image->SetBitmap(QuadrantBitmap(40, 44, 20, 22).get());
  image->GetBitmapMargins()->SetRect(zrRect(16, 20, 16, 18));
  image->SetWrapMode(zrImageStretch);  // ignored with margins
  Scene.DrawAll();
  using R = TzrRect;
  const std::vector<std::pair<R, R>> expected = {
      {zrRect(0, 0, 16, 20), zrRect(0, 0, 16, 20)},
      {zrRect(16, 0, 24, 20), zrRect(16, 0, 27, 20)},
      {zrRect(24, 0, 40, 20), zrRect(27, 0, 43, 20)},
      {zrRect(0, 20, 16, 26), zrRect(0, 20, 16, 30)},
      {zrRect(16, 20, 24, 26), zrRect(16, 20, 27, 30)},
      {zrRect(24, 20, 40, 26), zrRect(27, 20, 43, 30)},
      {zrRect(0, 26, 16, 44), zrRect(0, 30, 16, 48)},
      {zrRect(16, 26, 24, 44), zrRect(16, 30, 27, 48)},
      {zrRect(24, 26, 40, 44), zrRect(27, 30, 43, 48)},
  };
  ASSERT_EQ(Recorder->Bitmaps.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(Recorder->Bitmaps[i].Src, expected[i].first) << "slice " << i;
    EXPECT_EQ(Recorder->Bitmaps[i].Dst, expected[i].second) << "slice " << i;
    EXPECT_TRUE(Recorder->Bitmaps[i].HighSpeed);
  }
}

TEST_F(ShapesTest, ImageWrapModesPlaceTheBitmap) {
  struct Case {
    TzrImageWrap Mode;
    TzrRect Dst;
    bool HighSpeed;
  };
  // A 200 x 80 bitmap in a 100 x 100 image; fitting never enlarges.
  for (const Case& c : {Case{zrImageOriginal, zrRect(0, 0, 200, 80), true},
                        Case{zrImageFit, zrRect(0, 30, 100, 70), false},
                        Case{zrImageStretch, zrRect(0, 0, 100, 100), false}}) {
    auto* image = Make<TzrImage>(10, 10, 100, 100);
    image->SetBitmap(QuadrantBitmap(200, 80, 100, 40).get());
    image->SetWrapMode(c.Mode);
    Recorder->Forget();
    Scene.DrawAll();
    ASSERT_EQ(Recorder->Bitmaps.size(), 1u) << c.Mode;
    EXPECT_EQ(Recorder->Bitmaps[0].Dst, c.Dst) << c.Mode;
    EXPECT_EQ(Recorder->Bitmaps[0].HighSpeed, c.HighSpeed) << c.Mode;
    image->SetDisableInterpolation(true);
    Recorder->Forget();
    Scene.DrawAll();
    EXPECT_TRUE(Recorder->Bitmaps[0].HighSpeed) << c.Mode;
    EXPECT_TRUE(Near(Scene.Pixel(111, 50), White)) << "clipped to the image";
    delete image;
  }
}

TEST_F(ShapesTest, EmptyImageDrawsOnlyTheDesignOutline) {
  auto* image = Make<TzrImage>(10, 10, 40, 40);
  Scene.DrawAll();
  EXPECT_TRUE(Recorder->Bitmaps.empty());
  for (int x = 10; x < 50; ++x) ASSERT_TRUE(Near(Scene.Pixel(x, 10), White)) << x;

  Scene.DesignTime = true;
  Scene.DrawAll();
  EXPECT_TRUE(Recorder->Bitmaps.empty());
  // Dashes alternate with lighter gaps along the top edge; inside, white.
  int dark = 0, light = 0;
  for (int x = 12; x < 48; ++x) {
    const int blue = int(Scene.Pixel(x, 10) & 0xFF);
    dark += blue < 0xC8;
    light += blue > 0xD4;
  }
  EXPECT_GT(dark, 5);
  EXPECT_GT(light, 5);
  EXPECT_TRUE(Near(Scene.Pixel(30, 11), White));
  image->SetLocked(true);
  Scene.DrawAll();
  for (int x = 10; x < 50; ++x) EXPECT_TRUE(Near(Scene.Pixel(x, 10), White)) << x;
}

TEST_F(ShapesTest, ImageDataIsTheBitmapOrAFileName) {
  auto* source = Make<TzrImage>(0, 0, 40, 40);
  source->SetBitmap(QuadrantBitmap(6, 4, 3, 2).get());
  auto* image = Make<TzrImage>(0, 0, 40, 40);
  image->SetData(source->GetData());
  EXPECT_EQ(image->GetBitmap()->GetWidth(), 6);
  EXPECT_EQ(image->GetBitmap()->GetPixels(4, 3), source->GetBitmap()->GetPixels(4, 3));

  const std::string missing =
      (std::filesystem::temp_directory_path() / "no-such-picture.png").string();
  EXPECT_NO_THROW(image->SetData(Variant(missing)));
  EXPECT_EQ(image->GetBitmap()->GetWidth(), 6) << "the loader leaves the bitmap alone";
}

TEST_F(ShapesTest, BackgroundLoadedBitmapFiresTheEventAndRepaints) {
  auto* image = Make<TzrImage>(10, 10, 40, 40);
  TObject* sender = nullptr;
  image->OnBitmapLoaded = [&](TObject* Sender) { sender = Sender; };
  Scene.DrawAll();
  image->GetBitmap()->DoLoaded(nullptr);
  EXPECT_EQ(sender, image);
  EXPECT_TRUE(Scene.Covered(zrRect(10, 10, 50, 50)));
}

TEST_F(ShapesTest, PaintBoxHandsTheSceneCanvasToItsEvent) {
  auto* box = Make<TzrPaintBox>(10, 10, 40, 40);
  TzrCanvas* given = nullptr;
  box->OnPaint = [&](TObject* Sender, TzrCanvas* Canvas) {
    EXPECT_EQ(Sender, box);
    given = Canvas;
  };
  Scene.DrawAll();
  EXPECT_EQ(given, Scene.Canvas.get());
}

}  // namespace
