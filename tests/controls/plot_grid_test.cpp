// The plot grid: where its lines fall, which are major, and what repaints it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/zr_plot_grid.h"
#include "platform/rtl/Rtti.h"
#include "tests/controls/effects_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

using color_test::Near;

constexpr TzrColor Full = 0xFF505050, White = 0xFFFFFFFF;
// #66505050 over white.
constexpr TzrColor Minor = 0xFFB9B9B9;

// A scene of its own size holding one grid under a root node.
struct GridScene {
  GridScene(int W, int H) : Scene(W, H) {
    Root = new TzrVisualObject(&Owner);
    Scene.AddObject(Root);
    Root->SetBounds(0, 0, float(W), float(H));
    Grid = new TzrPlotGrid(&Owner);
    Grid->SetParent(Root);
  }
  TComponent Owner{nullptr};
  TTestRurev Scene;
  TzrVisualObject* Root;
  TzrPlotGrid* Grid;
};

using PlotGrid = EffectsTest;

enum TKind { kFull, kMinor, kNone, kPartial };

TEST_F(PlotGrid, LinesFallOnHalfUnitsAroundTheRoundedCentre) {
  struct Probe {
    int X;
    TKind Kind;
  };
  struct Case {
    const char* Name;
    float W, H, Marks, Frequency;
    int Row;  // a pixel row no level line touches
    std::vector<Probe> Probes;
  };
  const Case cases[] = {
      {"defaults",
       200,
       100,
       25,
       5,
       54,
       {{100, kFull},
        {101, kFull},
        {102, kNone},
        {99, kNone},
        {105, kMinor},
        {95, kMinor},
        {195, kMinor},
        {5, kMinor},
        {0, kNone},
        {199, kNone}}},
      {"odd width 545",
       545,
       100,
       25,
       5,
       54,
       {{272, kFull}, {273, kFull}, {271, kNone}, {274, kNone}}},
      {"odd width 547", 547, 100, 25, 5, 54, {{274, kFull}, {275, kFull}, {273, kNone}}},
      {"width 0", 0, 100, 25, 5, 54, {{0, kNone}, {1, kNone}}},
      {"frequency half the width", 200, 100, 25, 100, 54, {{100, kFull}, {0, kNone}, {5, kNone}}},
      {"marks 1", 200, 100, 1, 5, 54, {{105, kFull}, {95, kFull}, {195, kFull}}},
      {"fractional frequency",
       200,
       100,
       1,
       2.5f,
       54,
       {{105, kFull}, {110, kFull}, {102, kPartial}, {97, kPartial}}},
      {"marks 0", 200, 100, 0, 5, 54, {{100, kFull}, {105, kMinor}, {195, kMinor}}},
      {"curve editor",
       544,
       286,
       8,
       8,
       147,
       {{272, kFull}, {280, kMinor}, {336, kFull}, {208, kFull}, {344, kMinor}}},
      {"analyzer", 520, 330, 25, 10, 170, {{260, kFull}, {270, kMinor}, {510, kFull}, {10, kFull}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    GridScene s(std::max(int(c.W), 10), int(c.H));
    s.Grid->SetBounds(0, 0, c.W, c.H);
    s.Grid->SetMarks(c.Marks);
    s.Grid->SetFrequency(c.Frequency);
    s.Scene.DrawAll();
    for (const Probe& p : c.Probes) {
      const TzrColor got = s.Scene.Pixel(p.X, c.Row);
      SCOPED_TRACE(p.X);
      switch (p.Kind) {
        case kFull:
          EXPECT_EQ(got, Full);
          break;
        case kMinor:
          EXPECT_TRUE(Near(got, Minor, 2));
          break;
        case kNone:
          EXPECT_EQ(got, White);
          break;
        case kPartial:
          EXPECT_NE(got, White);
          EXPECT_FALSE(Near(got, Full, 10));
          break;
      }
    }
  }
}

TEST_F(PlotGrid, LevelLinesSpreadFromTheirOwnRoundedCentre) {
  GridScene s(200, 100);
  s.Grid->SetBounds(0, 0, 200, 100);
  s.Scene.DrawAll();
  EXPECT_EQ(s.Scene.Pixel(32, 50), Full);
  EXPECT_EQ(s.Scene.Pixel(32, 51), Full);
  EXPECT_TRUE(Near(s.Scene.Pixel(32, 55), Minor, 2));
  EXPECT_TRUE(Near(s.Scene.Pixel(32, 45), Minor, 2));
  EXPECT_TRUE(Near(s.Scene.Pixel(32, 95), Minor, 2));
  EXPECT_EQ(s.Scene.Pixel(32, 53), White);
  EXPECT_EQ(s.Scene.Pixel(32, 99), White);
  // Two translucent lines crossing darken each other.
  EXPECT_LT(s.Scene.Pixel(30, 55) & 0xFF, Minor & 0xFF);
}

TEST_F(PlotGrid, FrequencyNeverFallsBelowAThousandth) {
  TzrPlotGrid grid(nullptr);
  for (float f : {0.0f, -4.0f, 0.0004f}) {
    grid.SetFrequency(f);
    EXPECT_EQ(grid.GetFrequency(), 0.001f) << f;
  }
  grid.SetFrequency(2.5f);
  EXPECT_EQ(grid.GetFrequency(), 2.5f);
}

TEST_F(PlotGrid, ChangesRepaintAndEqualValuesDoNot) {
  GridScene s(200, 100);
  s.Grid->SetBounds(0, 0, 200, 100);
  s.Scene.DrawAll();
  s.Grid->SetMarks(25);
  s.Grid->SetFrequency(5);
  EXPECT_TRUE(s.Scene.Rects.empty());
  s.Grid->SetFrequency(4);
  EXPECT_TRUE(s.Scene.Covered(zrRect(0, 0, 200, 100)));
  s.Scene.Rects.clear();
  s.Grid->SetMarks(4);
  EXPECT_FALSE(s.Scene.Rects.empty());
}

TEST_F(PlotGrid, LineFillRecoloursEveryLineWhetherAssignedOrChangedInPlace) {
  GridScene s(200, 100);
  s.Grid->SetBounds(0, 0, 200, 100);
  s.Scene.DrawAll();
  TzrBrush blue(zrBrushSolid, 0xFF0000FF);
  s.Grid->SetLineFill(&blue);
  EXPECT_NE(s.Grid->GetLineFill(), &blue) << "copied into the owned brush";
  EXPECT_FALSE(s.Scene.Rects.empty());
  s.Scene.Draw();
  EXPECT_EQ(s.Scene.Pixel(100, 32), 0xFF0000FFu);
  s.Grid->GetLineFill()->SetSolidColor(0xFF00A000);
  EXPECT_FALSE(s.Scene.Rects.empty());
  s.Scene.Draw();
  EXPECT_EQ(s.Scene.Pixel(100, 32), 0xFF00A000u);
  EXPECT_TRUE(Near(s.Scene.Pixel(105, 32), 0xFF99D999, 2)) << "minor lines at 0.4";
}

TEST_F(PlotGrid, StreamsByItsPublishedNames) {
  const TClassInfo* info = GetClass("TzrPlotGrid");
  ASSERT_NE(info, nullptr);
  std::unique_ptr<TObject> grid(info->Create(nullptr));
  GetPropInfo(grid.get(), "Marks")->SetFloat(grid.get(), 8);
  GetPropInfo(grid.get(), "Frequency")->SetFloat(grid.get(), 0);
  auto* g = static_cast<TzrPlotGrid*>(grid.get());
  EXPECT_EQ(g->GetMarks(), 8);
  EXPECT_EQ(g->GetFrequency(), 0.001f);
  EXPECT_NE(GetPropInfo(grid.get(), "LineFill"), nullptr);
}

}  // namespace
