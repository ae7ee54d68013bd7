// Gradient stops and colours, what streams, copying, and the radial fill's
// ellipses; writes build/gallery/chart_gradients.png.

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/PlotGradient.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"

namespace {

std::vector<double> Offsets(TCustomPlotGradient& g) {
  std::vector<double> v;
  for (int i = 0; i < g.GetColors()->Count(); ++i) v.push_back(g.GetColors()->Get(i)->GetOffset());
  return v;
}

bool Stored(TCustomPlotGradient& g, const char* name) {
  return g.ClassType()->FindProperty(name)->IsStored(&g);
}

TEST(PlotGradient, DefaultColoursAndFirstStops) {
  TPlotGradient g;
  EXPECT_FALSE(g.GetVisible());
  EXPECT_EQ(g.GetStartColor(), clWhite);
  EXPECT_EQ(g.GetEndColor(), clYellow);
  EXPECT_EQ(g.GetMidColor(), clNone);
  EXPECT_FALSE(g.HasColors());
  EXPECT_EQ(Offsets(g), (std::vector<double>{0, 1}));
  EXPECT_EQ(g.GetColors()->Get(0)->GetColor(), clWhite);
  EXPECT_EQ(g.GetColors()->Get(1)->GetColor(), clYellow);
  for (const char* name : {"Colors", "StartColor", "EndColor", "MidColor", "Visible", "Direction"})
    EXPECT_FALSE(Stored(g, name)) << name;
}

TEST(PlotGradient, MiddleColourAddsAndRemovesAStop) {
  int calls = 0;
  TPlotGradient g([&](TObject*) { ++calls; });
  g.SetMidColor(clRed);
  EXPECT_EQ(Offsets(g), (std::vector<double>{0, 0.5, 1}));
  EXPECT_EQ(g.GetMidColor(), clRed);
  EXPECT_FALSE(Stored(g, "Colors"));  // the plain three-stop layout
  EXPECT_TRUE(Stored(g, "MidColor"));
  int before = calls;
  g.SetMidColor(clRed);
  EXPECT_EQ(calls, before);
  g.SetMidColor(clNone);
  EXPECT_EQ(Offsets(g), (std::vector<double>{0, 1}));
  g.UseMiddleColor();
  EXPECT_EQ(g.GetMidColor(), clRed);
}

TEST(PlotGradient, AddClampsAndOrdersStops) {
  TPlotGradient g;
  TPlotGradientColors* c = g.GetColors();
  c->Add(clBlue, 0, 1.7);
  EXPECT_EQ(c->Get(2)->GetOffset(), 1);
  EXPECT_EQ(c->Get(2)->GetColor(), clBlue);  // after the equal stop
  c->Add(clRed, 0, -2);
  EXPECT_EQ(c->Get(1)->GetColor(), clRed);
  EXPECT_EQ(Offsets(g), (std::vector<double>{0, 0, 1, 1}));
  EXPECT_TRUE(Stored(g, "Colors"));
}

TEST(PlotGradient, ColorsStoredRule) {
  struct Case {
    std::vector<double> offsets;
    int transparentAt;
    bool stored;
  } cases[] = {{{0, 1}, -1, false},        {{0, 0.9}, -1, true},   {{0, 1}, 1, true},
               {{0, 0.5, 1}, -1, false},   {{0, 0.4, 1}, -1, true}, {{0, 0.5, 1}, 0, true},
               {{0, 0.2, 0.5, 1}, -1, true}, {{0.5}, -1, true}};
  for (const Case& c : cases) {
    TPlotGradient g;
    TPlotGradientColors* colors = g.GetColors();
    colors->Clear();
    for (double o : c.offsets) colors->Add(clRed, 0, o);
    if (c.transparentAt >= 0) colors->Get(c.transparentAt)->SetTransparency(10);
    EXPECT_EQ(Stored(g, "Colors"), c.stored) << c.offsets.size() << " " << c.transparentAt;
  }
}

TEST(PlotGradient, AssignCopiesStopsAndDropsTheSubGradient) {
  TPlotGradient a, b;
  a.SetVisible(true);
  a.SetAngle(30);
  a.SetMidColor(clGreen);
  b.GetSub()->SetTransparency(20);
  int calls = 0;
  TPlotGradient target([&](TObject*) { ++calls; });
  target.GetSub();
  target.Assign(&a);
  EXPECT_EQ(calls, 0);
  EXPECT_FALSE(target.HasSub());
  EXPECT_TRUE(target.GetVisible());
  EXPECT_EQ(target.GetAngle(), 30);
  EXPECT_EQ(target.GetMidColor(), clGreen);
  target.Assign(&b);
  ASSERT_TRUE(target.HasSub());
  EXPECT_EQ(target.GetSub()->GetTransparency(), 20);
}

TEST(PlotGradient, StartIsEndAndEndColour) {
  TPlotGradient g;
  g.FStartIsEnd = true;
  g.SetEndColor(clNavy);
  EXPECT_EQ(g.GetStartColor(), clNavy);
  EXPECT_TRUE(Stored(g, "EndColor"));
  EXPECT_TRUE(Stored(g, "StartColor"));
}

TEST(RadialSteps, EllipseCountsAndColours) {
  TPlotGradient g;
  g.SetStartColor(clBlack);
  g.SetEndColor(clWhite);
  struct Case {
    TRect r;
    size_t count;
  } cases[] = {{{0, 0, 100, 60}, 101}, {{0, 0, 101, 60}, 101}, {{100, 60, 0, 0}, 101},
               {{0, 0, 600, 10}, 256}};
  for (const Case& c : cases) EXPECT_EQ(RadialSteps(g, c.r).size(), c.count) << c.r.Right;

  std::vector<TRadialStep> even = RadialSteps(g, TRect{0, 0, 100, 60});
  EXPECT_EQ(even.front().Color, clWhite);
  EXPECT_EQ(even.back().Color, clBlack);
  EXPECT_EQ(even.front().Ellipse, (TRect{1, 1, 101, 61}));  // the centre is one pixel on
  EXPECT_EQ(even.back().Ellipse, (TRect{51, 31, 51, 31}));
  // The odd width stops one step short of the end colour.
  EXPECT_NE(RadialSteps(g, TRect{0, 0, 101, 60}).front().Color, clWhite);
}

TEST(RadialSteps, EmptyRectangleDrawsNothing) {
  TPlotGradient g;
  EXPECT_TRUE(RadialSteps(g, TRect{5, 5, 5, 5}).empty());
  EXPECT_TRUE(RadialSteps(g, TRect{5, 5, 2, 5}).size() > 0);  // width 3 after ordering
  TBitmap b;
  b.SetSize(10, 10);
  DrawRadial(g, b.GetCanvas(), TRect{5, 5, 5, 5});
  EXPECT_EQ(b.GetCanvas()->GetPixels(5, 5), clWhite);
}

TEST(RadialSteps, BalanceBendsTheCurve) {
  TPlotGradient g;
  g.SetStartColor(clBlack);
  g.SetEndColor(clWhite);
  auto mid = [&](int balance) {
    g.SetBalance(balance);
    std::vector<TRadialStep> s = RadialSteps(g, TRect{0, 0, 100, 100});
    return int(s[50].Color & 0xFF);
  };
  int linear = mid(50);
  EXPECT_NEAR(linear, 128, 1);
  EXPECT_LT(mid(100), mid(0));
  EXPECT_DOUBLE_EQ(GradientBalanceFactor(99, 50, 99), 1);
}

TEST(ChartGradientGallery, WritesTheSheet) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(340, 120);
  TPlotGradient g;
  g.SetStartColor(clWhite);
  g.SetEndColor(clNavy);
  DrawRadial(g, sheet.GetCanvas(), TRect{10, 10, 110, 70});
  g.SetMidColor(clYellow);
  g.SetRadialX(20);
  DrawRadial(g, sheet.GetCanvas(), TRect{120, 10, 221, 110});
  g.SetMidColor(clNone);
  g.SetRadialX(0);
  g.SetBalance(90);
  g.SetEndColor(clMaroon);
  DrawRadial(g, sheet.GetCanvas(), TRect{230, 10, 330, 110});
  TCanvas* s = sheet.GetCanvas();
  TColor centre = s->GetPixels(61, 41);  // near the start colour at the centre
  for (int shift : {0, 8, 16}) EXPECT_GT(int((centre >> shift) & 0xFF), 0xE8) << shift;
  EXPECT_EQ(s->GetPixels(10, 10), clNavy);   // the corner in the end colour
  EXPECT_EQ(s->GetPixels(5, 5), clWhite);    // outside untouched (the bitmap starts white)

  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < sheet.GetHeight(); ++y)
    bgra.insert(bgra.end(), sheet.GetScanLine(y), sheet.GetScanLine(y) + sheet.GetWidth() * 4);
  std::vector<uint8_t> png = EncodeGraphic(bgra, sheet.GetWidth(), sheet.GetHeight(), u"image/png");
  TFileStream out((dir / "chart_gradients.png").string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
}

}  // namespace
