// The concrete filters: one table of filter, input pixels and expected
// pixels; hue / lightness / saturation round trips; the class list, editor
// entries, copies and the gradient rotation hook.

#include <gtest/gtest.h>

#include <any>
#include <functional>

#include "chart/PlotFilters.h"
#include "chart/PlotGradient.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/StringList.h"

namespace {

struct Px {
  int r, g, b;
  bool operator==(const Px&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Px& p) {
  return os << "(" << p.r << "," << p.g << "," << p.b << ")";
}

Px G(int v) { return Px{v, v, v}; }

std::unique_ptr<TBitmap> Make(int w, int h, const std::vector<Px>& pixels) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = b->GetScanLine(y) + x * 3;
      const Px& v = pixels[size_t(y * w + x)];
      p[0] = uint8_t(v.b);
      p[1] = uint8_t(v.g);
      p[2] = uint8_t(v.r);
    }
  return b;
}

std::vector<Px> Read(TBitmap& b) {
  std::vector<Px> out;
  const int bytes = b.BitsPerPixel() / 8;
  for (int y = 0; y < b.GetHeight(); ++y)
    for (int x = 0; x < b.GetWidth(); ++x) {
      const uint8_t* p = b.GetScanLine(y) + x * bytes;
      out.push_back(Px{p[2], p[1], p[0]});
    }
  return out;
}

using Run = std::function<void(TBitmap*)>;

template <class F, class Setup>
Run With(Setup setup) {
  return [setup](TBitmap* b) {
    F f;
    setup(f);
    f.Apply(b);
  };
}

template <class F>
Run Plain() {
  return With<F>([](F&) {});
}

struct Case {
  const char* name;
  Run run;
  int w, h;
  std::vector<Px> in;
  int ow, oh;
  std::vector<Px> out;
};

const Px A{10, 20, 30}, B{40, 50, 60}, C{70, 80, 90}, D{100, 110, 120}, E{130, 140, 150};

std::vector<Case> Cases() {
  return {
      {"invert twice restores",
       [](TBitmap* b) {
         TInvertFilter().Apply(b);
         TInvertFilter().Apply(b);
       },
       2,
       1,
       {A, B},
       2,
       1,
       {A, B}},
      {"invert", Plain<TInvertFilter>(), 2, 1, {A, G(255)}, 2, 1, {{245, 235, 225}, G(0)}},
      {"brightness 0 changes nothing",
       With<TBrightnessFilter>([](auto& f) { f.SetAmount(0); }),
       2,
       1,
       {A, G(250)},
       2,
       1,
       {A, G(250)}},
      {"brightness 100 percent is white",
       With<TBrightnessFilter>([](auto& f) { f.SetAmount(100); }),
       2,
       1,
       {A, G(0)},
       2,
       1,
       {G(255), G(255)}},
      {"brightness -20 steps",
       With<TBrightnessFilter>([](auto& f) {
         f.SetPercent(false);
         f.SetAmount(-20);
       }),
       1,
       1,
       {A},
       1,
       1,
       {{0, 0, 10}}},
      {"gray simple", Plain<TGrayScaleFilter>(), 1, 1, {{30, 60, 90}}, 1, 1, {G(60)}},
      {"gray eye",
       With<TGrayScaleFilter>([](auto& f) { f.SetMethod(gmEye); }),
       1,
       1,
       {{30, 60, 90}},
       1,
       1,
       {G(54)}},
      {"gray eye2",
       With<TGrayScaleFilter>([](auto& f) { f.SetMethod(gmEye2); }),
       1,
       1,
       {{30, 60, 90}},
       1,
       1,
       {G(54)}},
      {"gray light",
       With<TGrayScaleFilter>([](auto& f) { f.SetMethod(gmLight); }),
       1,
       1,
       {{30, 61, 91}},
       1,
       1,
       {G(60)}},
      {"contrast 50 percent truncates toward zero",
       With<TContrastFilter>([](auto& f) { f.SetAmount(50); }),
       2,
       1,
       {G(200), G(28)},
       2,
       1,
       {G(228), G(23)}},
      {"contrast 64 steps",
       With<TContrastFilter>([](auto& f) {
         f.SetPercent(false);
         f.SetAmount(64);
       }),
       2,
       1,
       {G(200), G(0)},
       2,
       1,
       {G(218), G(0)}},
      {"gamma 70 percent keeps 0 and 255",
       Plain<TGammaCorrectionFilter>(),
       4,
       1,
       {G(0), G(1), G(128), G(255)},
       4,
       1,
       {G(0), G(0), G(95), G(255)}},
      {"gamma 200 steps keeps 0 and 255",
       With<TGammaCorrectionFilter>([](auto& f) {
         f.SetPercent(false);
         f.SetAmount(200);
       }),
       3,
       1,
       {G(0), G(128), G(255)},
       3,
       1,
       {G(0), G(106), G(255)}},
      {"gamma 0 is the least gamma, not a division by zero",
       With<TGammaCorrectionFilter>([](auto& f) { f.SetAmount(0); }),
       3,
       1,
       {G(0), G(254), G(255)},
       3,
       1,
       {G(0), G(5), G(255)}},
      {"colour adds and clamps",
       With<TColorFilter>([](auto& f) {
         f.SetRed(300);
         f.SetBlue(-40);
       }),
       1,
       1,
       {A},
       1,
       1,
       {{255, 20, 0}}},
      {"sepia", Plain<TSepiaFilter>(), 1, 1, {G(100)}, 1, 1, {{135, 120, 94}}},
      {"colour replacer on every lightness",
       With<TColorReplaceFilter>([](auto& f) {
         f.SetMethod(cmLum);
         f.SetToValue(240);
         f.SetColor(TColor(0x0000FF));
       }),
       3,
       1,
       {G(0), A, G(255)},
       3,
       1,
       {{255, 0, 0}, {255, 0, 0}, {255, 0, 0}}},
      {"colour replacer by hue keeps other hues",
       With<TColorReplaceFilter>([](auto& f) {
         f.SetFromValue(70);
         f.SetToValue(90);
         f.SetColor(clBlack);
       }),
       2,
       1,
       {{255, 0, 0}, {0, 255, 0}},
       2,
       1,
       {{255, 0, 0}, G(0)}},
      {"hue turns red to green",
       With<THueLumSatFilter>([](auto& f) { f.SetHue(80); }),
       1,
       1,
       {{255, 0, 0}},
       1,
       1,
       {{0, 255, 0}}},
      {"flip of two rows", Plain<TFlipFilter>(), 1, 2, {A, B}, 1, 2, {B, A}},
      {"flip of four rows", Plain<TFlipFilter>(), 1, 4, {A, B, C, D}, 1, 4, {D, C, B, A}},
      {"flip of five rows keeps the middle",
       Plain<TFlipFilter>(),
       1,
       5,
       {A, B, C, D, E},
       1,
       5,
       {E, D, C, B, A}},
      {"flip of a region lower down",
       With<TFlipFilter>([](auto& f) {
         f.GetRegion()->SetTop(2);
         f.GetRegion()->SetHeight(1);
       }),
       1,
       5,
       {A, B, C, D, E},
       1,
       5,
       {A, B, D, C, E}},
      {"reverse of three columns", Plain<TReverseFilter>(), 3, 1, {A, B, C}, 3, 1, {C, B, A}},
      {"mosaic blocks of two, the rest one block",
       With<TMosaicFilter>([](auto& f) { f.SetAmount(2); }),
       5,
       1,
       {G(10), G(20), G(30), G(40), G(60)},
       5,
       1,
       {G(15), G(15), G(43), G(43), G(43)}},
      {"equalize of a full range changes nothing",
       Plain<TEqualizeFilter>(),
       4,
       3,
       {A, A, A, A, A, G(0), G(255), A, A, A, A, A},
       4,
       3,
       {A, A, A, A, A, G(0), G(255), A, A, A, A, A}},
      {"equalize stretches the interior only",
       Plain<TEqualizeFilter>(),
       4,
       3,
       {A, A, A, A, A, G(50), G(100), A, A, A, A, A},
       4,
       3,
       {A, A, A, A, A, G(0), G(255), A, A, A, A, A}},
      {"bevel lightens top and left, darkens bottom and right",
       With<TBevelFilter>([](auto& f) { f.SetSize(1); }),
       3,
       3,
       std::vector<Px>(9, G(100)),
       3,
       3,
       {G(164), G(164), G(164), G(164), G(100), G(36), G(100), G(36), G(0)}},
      {"sobel counts the zero border of its grey copy",
       Plain<TSobelFilter>(),
       5,
       3,
       {A, A, A, A, A, G(0), G(0), G(90), G(90), G(90), A, A, A, A, A},
       5,
       3,
       {A, A, A, A, A, G(0), G(180), G(180), G(180), G(90), A, A, A, A, A}},
      {"rotate 90 turns 4 x 2 into 2 x 4",
       With<TRotateFilter>([](auto& f) { f.SetAngle(90); }),
       4,
       2,
       {A, B, C, D, E, G(1), G(2), G(3)},
       2,
       4,
       {E, A, G(1), B, G(2), C, G(3), D}},
      {"rotate 270",
       With<TRotateFilter>([](auto& f) { f.SetAngle(270); }),
       2,
       2,
       {A, B, C, D},
       2,
       2,
       {B, D, A, C}},
      {"rotate 180 flips and reverses",
       With<TRotateFilter>([](auto& f) { f.SetAngle(180); }),
       3,
       2,
       {A, B, C, D, E, G(0)},
       3,
       2,
       {G(0), E, D, C, B, A}},
      {"rotate of one row does nothing",
       With<TRotateFilter>([](auto& f) { f.SetAngle(90); }),
       3,
       1,
       {A, B, C},
       3,
       1,
       {A, B, C}},
      {"mirror down doubles the height",
       Plain<TMirrorFilter>(),
       2,
       2,
       {A, B, C, D},
       2,
       4,
       {A, B, C, D, C, D, A, B}},
      {"mirror left doubles the width",
       With<TMirrorFilter>([](auto& f) { f.SetDirection(mdLeft); }),
       2,
       1,
       {A, B},
       4,
       1,
       {B, A, A, B}},
      {"resize below one does nothing",
       With<TResizeFilter>([](auto& f) { f.SetWidth(5); }),
       2,
       1,
       {A, B},
       2,
       1,
       {A, B}},
  };
}

TEST(PlotFilters, TableOfPixels) {
  for (const Case& c : Cases()) {
    auto b = Make(c.w, c.h, c.in);
    c.run(b.get());
    EXPECT_EQ(b->GetWidth(), c.ow) << c.name;
    EXPECT_EQ(b->GetHeight(), c.oh) << c.name;
    EXPECT_EQ(Read(*b), c.out) << c.name;
  }
}

TEST(PlotFilters, RotateReducesTheAngleAndTurnsLikeNinety) {
  auto b = Make(4, 2, {A, B, C, D, E, G(1), G(2), G(3)});
  TRotateFilter r;
  r.SetAngle(450);
  r.Apply(b.get());
  EXPECT_EQ(r.GetAngle(), 90);
  EXPECT_EQ(b->GetWidth(), 2);
  EXPECT_EQ(Read(*b)[1], A);  // the top-right pixel was the top-left one
}

TEST(PlotFilters, RotateByAnAngleGrowsAndFillsTheCorners) {
  auto b = Make(20, 10, std::vector<Px>(200, G(0)));
  TRotateFilter r;
  r.SetAngle(45);
  r.SetBackColor(clRed);
  r.Apply(b.get());
  EXPECT_EQ(b->GetWidth(), 21);  // |N(20 cos 45 + 10 sin 45)|
  EXPECT_EQ(b->GetHeight(), 21);
  auto px = Read(*b);
  EXPECT_EQ(px[0], (Px{255, 0, 0}));          // corner outside the picture
  EXPECT_EQ(px[size_t(10 * 21 + 10)], G(0));  // the centre came from the picture
  TRotateFilter same;
  same.SetAngle(30);
  same.SetAutoSize(false);
  auto c = Make(6, 4, std::vector<Px>(24, G(0)));
  same.Apply(c.get());
  EXPECT_EQ(c->GetWidth(), 6);
  EXPECT_EQ(c->GetHeight(), 4);
}

TEST(PlotFilters, ARegionBeyondTheBitmapTouchesNothing) {
  auto b = Make(2, 2, {A, B, C, D});
  TInvertFilter f;
  f.GetRegion()->SetLeft(5);  // width 0 runs "to the edge", which lies before it
  f.Apply(b.get());
  EXPECT_EQ(Read(*b), (std::vector<Px>{A, B, C, D}));
}

TEST(PlotFilters, RGBARowsForInvertAndGrayScaleKeepAlpha) {
  TBitmap b;
  b.SetPixelFormat(pf32bit);
  b.SetSize(1, 1);
  uint8_t* p = b.GetScanLine(0);
  // The bytes named Red, Green, Blue, Alpha in 32-bit rows.
  p[0] = 30, p[1] = 60, p[2] = 90, p[3] = 7;
  TGrayScaleFilter grey;
  grey.RGBA = true;
  grey.SetMethod(gmEye2);
  grey.Apply(&b);
  EXPECT_EQ(p[0], 54);
  EXPECT_EQ(p[3], 7);
  TInvertFilter inv;
  inv.RGBA = true;
  inv.Apply(&b);
  EXPECT_EQ(p[1], 201);
  EXPECT_EQ(p[3], 7);
}

TEST(PlotFilters, CropShowsTheRectangleEnlargedAndReadsNothingOutside) {
  // Columns of grey 0, 40, 80, 120; the rectangle starts at column 2 and
  // runs two columns past the right edge.
  std::vector<Px> in;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) in.push_back(G(40 * x));
  auto b = Make(4, 4, in);
  TCropFilter crop;
  crop.SetLeft(2);
  crop.SetWidth(4);
  crop.SetHeight(4);
  crop.Apply(b.get());
  ASSERT_EQ(b->GetWidth(), 4);
  auto out = Read(*b);
  EXPECT_EQ(out[0], G(80));   // the rectangle's first column at the left
  EXPECT_EQ(out[3], G(120));  // the last column and row keep the old picture
  EXPECT_EQ(out[2], G(255));  // beyond the bitmap: the blank of the copy
  auto untouched = Make(2, 1, {A, B});
  TCropFilter none;
  none.Apply(untouched.get());
  EXPECT_EQ(Read(*untouched), (std::vector<Px>{A, B}));
}

TEST(PlotFilters, ZoomEnlargesTheMiddleOfARegionOnly) {
  // Columns 1 .. 4 are the middle of the region of columns 0 .. 5.
  std::vector<Px> in;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) in.push_back(x >= 1 && x <= 4 ? G(200) : G(10 * x));
  auto b = Make(10, 10, in);
  TZoomFilter zoom;
  zoom.SetPercent(60);
  zoom.GetRegion()->SetWidth(5);
  zoom.Apply(b.get());
  auto out = Read(*b);
  EXPECT_EQ(out[0], G(200));  // the middle now fills the region
  EXPECT_EQ(out[8], G(80));   // outside the region nothing changed
  auto c = Make(10, 10, in);
  TZoomFilter whole;
  whole.SetPercent(60);
  whole.Apply(c.get());
  EXPECT_EQ(Read(*c)[0], G(200));  // the picture from column 3 on
}

TEST(PlotFilters, ResizeAndTileKeepToTheirSizes) {
  auto b = Make(4, 4, std::vector<Px>(16, A));
  TResizeFilter resize;
  resize.SetWidth(6);
  resize.SetHeight(3);
  resize.Apply(b.get());
  EXPECT_EQ(b->GetWidth(), 6);
  EXPECT_EQ(b->GetHeight(), 3);
  EXPECT_EQ(Read(*b)[7], A);

  std::vector<Px> in(36, G(0));
  for (int x = 0; x < 6; ++x) in[size_t(x)] = G(250);  // a white top row
  auto t = Make(6, 6, in);
  TTileFilter tile;
  tile.SetNumCols(2);
  tile.SetNumRows(0);  // becomes 1
  tile.Apply(t.get());
  EXPECT_EQ(tile.GetNumRows(), 1);
  auto out = Read(*t);
  // Tiles of 2 x 5 at columns 0 and 2; columns 4 and 5 keep the picture.
  EXPECT_GT(out[0].r, 150);
  EXPECT_GT(out[2].r, 150);
  EXPECT_LT(out[size_t(2 * 6)].r, 100);
  EXPECT_EQ(out[size_t(2 * 6 + 5)], G(0));
}

TEST(HLS, PrimariesAndGreysRoundTrip) {
  struct {
    TColor color;
    int h, l, s;
  } rows[] = {{TColor(0x0000FF), 0, 120, 240},
              {TColor(0x00FF00), 80, 120, 240},
              {TColor(0xFF0000), 160, 120, 240},
              {clBlack, 160, 0, 0},
              {clWhite, 160, 240, 0},
              {TColor(0x00FFFF), 40, 120, 240}};
  for (const auto& r : rows) {
    uint16_t h, l, s;
    ColorToHLS(r.color, h, l, s);
    EXPECT_EQ((std::vector<int>{h, l, s}), (std::vector<int>{r.h, r.l, r.s})) << r.color;
    EXPECT_EQ(HLSToColor(h, l, s), r.color) << r.color;
    TRGBA rgba{};
    HLSToRGB(h, l, s, rgba);
    EXPECT_EQ(rgba.Alpha, 255);
    EXPECT_EQ(rgba.Red, uint8_t(r.color));
  }
}

struct Recorder : TFilterEditorCreator, TFilterScrollBar {
  TFilterScrollBar* AddScroll(const std::string& Prop, int Min, int Max) override {
    Made.push_back("scroll " + Prop + " " + std::to_string(Min) + ".." + std::to_string(Max));
    return this;
  }
  void AddInteger(const std::string& Prop, const std::string& Caption, int Min, int Max) override {
    Made.push_back("integer " + Prop + " " + Caption + " " + std::to_string(Min) + ".." +
                   std::to_string(Max));
  }
  void AddCheckBox(const std::string& Prop, const std::string& Caption,
                   const TNotifyEvent& OnChange) override {
    Made.push_back("check " + Prop + " " + Caption);
    if (OnChange) Check = OnChange;
  }
  void AddChoice(const std::string& Prop) override { Made.push_back("choice " + Prop); }
  void AddColor(const std::string& Prop, const std::string& Caption) override {
    Made.push_back("color " + Prop + " " + Caption);
  }
  void SetMinMax(int Min, int Max) override {
    Made.push_back("range " + std::to_string(Min) + ".." + std::to_string(Max));
  }
  std::vector<std::string> Made;
  TNotifyEvent Check;
};

TEST(PlotFilters, EditorEntries) {
  struct {
    TPlotFilter* filter;
    std::vector<std::string> made;
  } rows[] = {
      {new TCropFilter,
       {"integer Width Width 0..10000", "integer Height Height 0..10000",
        "integer Left Left 0..10000", "integer Top Top 0..10000", "check Smooth Smooth"}},
      {new TMosaicFilter, {"scroll Amount 0..255", "check Percent Percent"}},
      {new TContrastFilter, {"scroll Amount -100..100", "check Percent Percent"}},
      {new TColorReplaceFilter,
       {"choice Method", "scroll FromValue 0..255", "scroll ToValue 0..255", "color Color Color"}},
      {new TRotateFilter,
       {"scroll Angle 0..360", "color BackColor Back", "check AutoSize Autosize"}},
      {new TTileFilter, {"integer NumCols Columns 1..1000", "integer NumRows Rows 1..1000"}},
      {new TSepiaFilter, {}},
  };
  for (auto& row : rows) {
    std::unique_ptr<TPlotFilter> owned(row.filter);
    Recorder r;
    row.filter->CreateEditor(&r, nullptr);
    EXPECT_EQ(r.Made, row.made) << row.filter->ClassName();
  }
  // The Percent check box resets the scroll bar's range.
  TBrightnessFilter bright;
  Recorder r;
  bright.CreateEditor(&r, nullptr);
  bright.SetPercent(false);
  ASSERT_TRUE(r.Check);
  r.Check(&bright);
  EXPECT_EQ(r.Made.back(), "range -255..255");
}

TEST(PlotFilters, DefaultsDescriptionsGalleryAndCopies) {
  TGammaCorrectionFilter gamma;
  TMosaicFilter mosaic;
  TAmountFilter amount;
  EXPECT_EQ(gamma.GetAmount(), 70);
  EXPECT_TRUE(gamma.IOnlyPositive);
  EXPECT_EQ(mosaic.GetAmount(), 8);
  EXPECT_FALSE(mosaic.GetPercent());
  EXPECT_EQ(amount.Description(), "TAmountFilter");
  EXPECT_EQ(TSoftenFilter().Description(), "Antialias");
  EXPECT_EQ(THueLumSatFilter().Description(), "Hue,Lum,Sat");
  EXPECT_FALSE(TMirrorFilter().AllowRegion);
  EXPECT_TRUE(TTileFilter().AllowRegion);

  // Called by name, as the gallery does.
  TZoomFilter zoom;
  const TMethodInfo* prepare = zoom.ClassType()->FindMethod("PrepareForGallery");
  ASSERT_NE(prepare, nullptr);
  std::any_cast<std::function<void()>>(prepare->Bind(&zoom))();
  EXPECT_EQ(zoom.GetPercent(), 60);

  TRotateFilter rotate;
  rotate.SetAngle(30);
  rotate.SetAutoSize(false);
  rotate.SetBackColor(clRed);
  rotate.SetEnabled(false);
  TRotateFilter copy;
  copy.Assign(&rotate);
  EXPECT_EQ(copy.GetAngle(), 30);
  EXPECT_FALSE(copy.GetAutoSize());
  EXPECT_EQ(copy.GetBackColor(), clRed);
  EXPECT_FALSE(copy.GetEnabled());
  TCropFilter crop;
  crop.SetLeft(4);
  crop.SetWidth(9);
  TCropFilter crop2;
  crop2.Assign(&crop);
  EXPECT_EQ(crop2.GetLeft(), 4);
  EXPECT_EQ(crop2.GetWidth(), 9);  // the resize part comes along
}

TEST(PlotFilters, ClassListInRegistrationOrderWithoutDuplicates) {
  ASSERT_NE(PlotFilterClasses, nullptr);  // the chart's start-up ran
  ASSERT_EQ(PlotFilterClasses->GetCount(), 25);
  EXPECT_EQ(PlotFilterClasses->Get(0), "TInvertFilter");
  EXPECT_EQ(PlotFilterClasses->Get(10), "TBlurFilter");
  EXPECT_EQ(PlotFilterClasses->Get(24), "TSepiaFilter");
  EXPECT_EQ(GetClass("TBevelFilter"), TBevelFilter::Class());
  PlotRegisterFilters({TBevelFilter::Class()});
  EXPECT_EQ(PlotFilterClasses->GetCount(), 25);
  PlotUnRegisterFilters({TBevelFilter::Class()});
  EXPECT_EQ(PlotFilterClasses->IndexOf("TBevelFilter"), -1);
  EXPECT_EQ(GetClass("TBevelFilter"), nullptr);
  PlotRegisterFilters({TBevelFilter::Class()});
  EXPECT_EQ(PlotFilterClasses->Get(24), "TBevelFilter");
  // A stream can name the filter and a list makes it.
  TFilterItems list;
  EXPECT_EQ(list.Add(GetClass("TSobelFilter"))->ClassName(), "TSobelFilter");
}

TEST(PlotFilters, GrayScaleShortcut) {
  auto b = Make(1, 1, {{30, 60, 90}});
  PlotGrayScale(b.get(), false, 0);
  EXPECT_EQ(Read(*b)[0], G(60));
  auto c = Make(1, 1, {{30, 60, 90}});
  PlotGrayScale(c.get(), true, 1);
  EXPECT_EQ(Read(*c)[0], G(255 - 54));
}

TEST(PlotFilters, GradientHookRotatesBelowTheLimitOnly) {
  ASSERT_EQ(PlotGradientRotate, &PlotRotateGradientBitmap);
  TPlotGradient gradient;
  gradient.SetAngle(90);
  for (int w : {4095, 4096}) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, 4096);
    b.GetScanLine(0)[0] = 0;  // a dark blue byte at the top-left corner
    PlotGradientRotate(&gradient, &b);
    if (w == 4095) {
      EXPECT_EQ(b.GetWidth(), 4096);
      EXPECT_EQ(b.GetHeight(), 4095);
      EXPECT_EQ(b.GetScanLine(0)[3 * 4095], 0);  // now at the top-right
    } else {
      EXPECT_EQ(b.GetScanLine(0)[0], 0);
      EXPECT_EQ(b.GetScanLine(0)[3 * 4095], 255);
    }
  }
}

}  // namespace
