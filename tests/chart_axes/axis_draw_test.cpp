// Drawing one axis on a recording canvas: tick, grid and minor-mark pixels
// at the positions the axis computes, the grid's options, label angles,
// alternate rows and the label hook, the title's place, manual drawing
// and the hit rectangle.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "chart/ChartAxisTitle.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/RecordingCanvas.h"

namespace {

constexpr TColor kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr int kGridRow = 90;  // a row inside the chart rectangle, away from the axes
constexpr int kTickRow = 164;

// A bottom axis 0 … 100 by 10 on a chart rectangle 400 pixels wide, with a
// left axis 0 … 100 beside it; ticks red, grid solid green.
struct TAxisDraw {
  TAxisDraw() {
    Canvas = new TRecordingCanvas(480, 240);
    Panel.SetInternalCanvas(Canvas);
    Canvas->InitWindow(Canvas->Bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, 480, 240});
    Bottom = Panel.GetBottomAxis();
    for (TChartAxis* a : {Bottom, Panel.GetLeftAxis()}) {
      a->SetLabelStyle(talValue);
      a->SetMinMax(0, 100);
      a->SetDesiredIncrement(10);
    }
    Bottom->GetTicks()->SetColor(kRed);
    Bottom->GetGrid()->SetColor(kGreen);
    Bottom->GetGrid()->SetStyle(psSolid);
    Panel.PlaceAxes(TRect{40, 20, 440, 160});
    Bottom->FPosLabels = 175;
  }
  void Draw() {
    Canvas->Fill(kWhite);
    Bottom->Draw(true);
  }
  int At(double Value) const { return Bottom->CalcPosValue(Value); }
  TColor Pixel(int X, int Y) { return Canvas->Pixel(X, Y); }
  // Columns of the grid row that show Colour.
  std::vector<int> ColumnsOf(TColor Colour) {
    std::vector<int> xs;
    for (int x = 0; x < 480; ++x)
      if (Pixel(x, kGridRow) == Colour) xs.push_back(x);
    return xs;
  }
  // Any ink (not white) in the rectangle.
  bool Ink(const TRect& R) {
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (Pixel(x, y) != kWhite) return true;
    return false;
  }

  TTestAxisPanel Panel;
  TRecordingCanvas* Canvas = nullptr;
  TChartAxis* Bottom = nullptr;
};

TEST(AxisDraw, TicksAndGridLinesSitWhereTheAxisPutsTheValues) {
  TAxisDraw f;
  f.Draw();
  ASSERT_EQ(f.Bottom->Tick.size(), 11u);
  struct TRow {
    double Value;
    TColor Tick, Grid;
  };
  // The chart frame lies at both ends, so no grid line is drawn there.
  const TRow rows[] = {{0, kRed, kWhite},  {10, kRed, kGreen}, {20, kRed, kGreen},
                       {50, kRed, kGreen}, {90, kRed, kGreen}, {100, kRed, kWhite}};
  for (const TRow& r : rows) {
    const int x = f.At(r.Value);
    EXPECT_EQ(x, 40 + int(std::lround(r.Value * 4)));
    EXPECT_EQ(f.Pixel(x, kTickRow), r.Tick) << r.Value;
    EXPECT_EQ(f.Pixel(x, kGridRow), r.Grid) << r.Value;
  }
  EXPECT_EQ(f.At(0), f.Bottom->IStartPos);
  EXPECT_EQ(f.At(100), f.Bottom->IEndPos);
  EXPECT_EQ(f.ColumnsOf(kGreen).size(), 9u);
  // The axis line lies between the chart rectangle and the ticks.
  EXPECT_EQ(f.Pixel(f.At(35), 161), clBlack);
  EXPECT_EQ(f.Pixel(f.At(35), kTickRow), kWhite);
}

TEST(AxisDraw, DrawEveryAndCenteredChooseTheGridLines) {
  struct TCase {
    int Every;
    bool Centered;
    double Increment;
    std::vector<double> Lines;
  };
  // Ticks run from the maximum down, so DrawEvery 2 keeps 100 (at the
  // frame), 80, 60 …
  const TCase cases[] = {
      {2, false, 10, {20, 40, 60, 80}},
      {0, false, 10, {10, 20, 30, 40, 50, 60, 70, 80, 90}},
      {1, true, 25, {12.5, 37.5, 62.5, 87.5}},
  };
  for (const TCase& c : cases) {
    TAxisDraw f;
    f.Bottom->SetDesiredIncrement(c.Increment);
    f.Bottom->GetGrid()->SetDrawEvery(c.Every);
    f.Bottom->SetGridCentered(c.Centered);
    f.Draw();
    std::vector<int> expected;
    for (double v : c.Lines) expected.push_back(f.At(v));
    EXPECT_EQ(f.ColumnsOf(kGreen), expected) << c.Every << " " << c.Centered;
  }
}

TEST(AxisDraw, GridAtTheDefaultColourDrawsGrey) {
  TAxisDraw f;
  f.Bottom->GetGrid()->SetColor(clDefault);
  f.Draw();
  EXPECT_EQ(f.Pixel(f.At(50), kGridRow), TColor(0x808080));
}

TEST(AxisDraw, HiddenAxisPenKeepsTicksAndGridTickLengthZeroDrawsNoTicks) {
  TAxisDraw f;
  f.Bottom->GetAxis()->SetVisible(false);
  f.Draw();
  EXPECT_EQ(f.Pixel(f.At(35), 161), kWhite);
  EXPECT_EQ(f.Pixel(f.At(30), kTickRow), kRed);
  EXPECT_EQ(f.Pixel(f.At(30), kGridRow), kGreen);
  f.Bottom->SetTickLength(0);
  f.Draw();
  EXPECT_EQ(f.Pixel(f.At(30), kTickRow), kWhite);
  EXPECT_EQ(f.Pixel(f.At(30), kGridRow), kGreen);
}

TEST(AxisDraw, MinorTicksFallBetweenTheTicksAndInsideTheAxis) {
  TAxisDraw f;
  f.Bottom->GetMinorTicks()->SetColor(kBlue);
  f.Bottom->GetMinorGrid()->SetColor(kBlue);
  f.Bottom->GetMinorGrid()->SetStyle(psSolid);
  f.Bottom->GetMinorGrid()->SetVisible(true);
  f.Draw();
  // Three minor marks split each 40-pixel step in four.
  for (double v : {2.5, 5.0, 7.5, 52.5, 97.5}) {
    EXPECT_EQ(f.Pixel(f.At(v), 163), kBlue) << v;
    EXPECT_EQ(f.Pixel(f.At(v), kGridRow), kBlue) << v;
  }
  EXPECT_EQ(f.Pixel(f.At(50), 163), kRed);
  // Marks beyond the outer ticks fall outside the axis and are dropped.
  EXPECT_EQ(f.Pixel(f.At(0) - 10, 163), kWhite);
  EXPECT_EQ(f.Pixel(f.At(100) + 10, 163), kWhite);
}

TEST(AxisDraw, LogarithmicMinorMarksFillEachDecade) {
  TAxisDraw f;
  f.Bottom->SetLogarithmic(true);
  f.Bottom->SetMinMax(1, 1000);
  f.Bottom->SetDesiredIncrement(0);
  f.Bottom->GetMinorTicks()->SetColor(kBlue);
  f.Bottom->SetMinorTickCount(8);
  f.Panel.PlaceAxes(TRect{40, 20, 440, 160});
  f.Draw();
  ASSERT_EQ(f.Bottom->Tick.front(), f.At(1));
  // 2 … 9, 20 … 90 and 200 … 900 in the decades.
  for (double v : {2.0, 5.0, 9.0, 30.0, 700.0}) EXPECT_EQ(f.Pixel(f.At(v), 163), kBlue) << v;
}

// Draws one label in isolation and returns the bitmap's ink.
std::vector<TColor> LabelInk(TAxisDraw& F, int Angle) {
  F.Canvas->Fill(kWhite);
  F.Bottom->DrawAxisLabel(240, 120, -1, "1234", nullptr, 0, nullptr, Angle);
  std::vector<TColor> ink;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 480; ++x) ink.push_back(F.Pixel(x, y));
  return ink;
}

TEST(AxisDraw, LabelAnglesAreTakenModulo360) {
  TAxisDraw f;
  const std::vector<TColor> at90 = LabelInk(f, 90), at0 = LabelInk(f, 0);
  EXPECT_NE(at90, at0);
  EXPECT_EQ(LabelInk(f, 450), at90);
  EXPECT_EQ(LabelInk(f, -90), LabelInk(f, 270));
}

TEST(AxisDraw, AlternateLabelsUseTwoRows) {
  TAxisDraw f;
  f.Bottom->SetLabelsAlternate(true);
  std::vector<int> ys;
  f.Bottom->OnDrawLabel = [&](TChartAxis*, int&, int& Y, int&, std::string&, bool&) {
    ys.push_back(Y);
  };
  f.Draw();
  ASSERT_GE(ys.size(), 4u);
  f.Panel.PrepareFont3D(f.Bottom->GetLabelsFont());
  const int row = f.Canvas->TextHeight(std::string("W"));
  for (size_t i = 0; i < ys.size(); ++i) EXPECT_EQ(ys[i], ys[0] + (i % 2 ? row : 0)) << i;
}

TEST(AxisDraw, LabelHookCanSuppressALabelButNotItsTick) {
  TAxisDraw f;
  f.Bottom->OnDrawLabel = [](TChartAxis*, int&, int&, int&, std::string& Text, bool& Draw) {
    if (Text == "50") Draw = false;
  };
  f.Draw();
  const int y = f.Bottom->FPosLabels;
  EXPECT_FALSE(f.Ink(TRect{f.At(50) - 8, y, f.At(50) + 8, y + 14}));
  EXPECT_TRUE(f.Ink(TRect{f.At(40) - 8, y, f.At(40) + 8, y + 14}));
  EXPECT_EQ(f.Pixel(f.At(50), kTickRow), kRed);
}

TEST(AxisDraw, LeftTitleAtNinetyDegreesHangsLeftOfItsPoint) {
  TAxisDraw f;
  TChartAxis* left = f.Panel.GetLeftAxis();
  TChartAxisTitle* t = left->GetAxisTitle();
  t->SetCaption("Current");
  ASSERT_EQ(t->GetAngle(), 90);
  f.Panel.PrepareFont3D(t->GetFont());
  t->CalcBounds(&f.Panel);
  const int w = t->GetWidth(), h = t->GetHeight();
  EXPECT_GT(w, 0);
  t->GetShadow()->SetVisible(false);
  left->DrawTitle(100, 90);
  EXPECT_EQ(t->ShapeBounds.Left, 100 - h / 2 - int(std::nearbyint(w * 0.5)));
  // A visible shadow moves the title away from the axis by its depth.
  t->GetShadow()->SetVisible(true);
  t->GetShadow()->SetVertSize(3);
  left->DrawTitle(100, 90);
  EXPECT_EQ(t->ShapeBounds.Left, 100 - h / 2 - 3 - int(std::nearbyint(w * 0.5)));
}

TEST(AxisDraw, TitleInATurnedViewDrawsAsALabelAndKeepsItsLines) {
  TAxisDraw f;
  f.Panel.SetView3D(true);
  TView3DOptions* o = f.Panel.GetView3DOptions();
  o->SetOrthogonal(false);
  o->SetRotation(345);
  o->SetElevation(345);
  f.Canvas->Begin3D(o, 40);
  f.Canvas->Fill(kWhite);
  TChartAxis* left = f.Panel.GetLeftAxis();
  left->GetLabels()->SetExponent(true);
  TChartAxisTitle* t = left->GetAxisTitle();
  t->SetText("Speed\r\nRPM");
  left->DrawTitle(60, 90);
  EXPECT_EQ(t->GetText(), "Speed\r\nRPM");
  EXPECT_TRUE(left->GetLabels()->GetExponent());
  EXPECT_FALSE(left->GetLabels()->IExponentOff);
  EXPECT_TRUE(f.Ink(TRect{0, 0, 480, 240}));
}

TEST(AxisDraw, ManualDrawingRestoresTheScaleAlsoWhenDrawingFails) {
  TAxisDraw f;
  f.Bottom->OnDrawAxis = [](TObject*) { throw std::runtime_error("hook"); };
  EXPECT_THROW(f.Bottom->CustomDrawMinMax(190, 200, 170, false, 20, 40, 5), std::runtime_error);
  EXPECT_EQ(f.Bottom->GetMinimum(), 0);
  EXPECT_EQ(f.Bottom->GetMaximum(), 100);
  EXPECT_EQ(f.Bottom->GetIncrement(), 10);
  EXPECT_EQ(f.Bottom->IMinimum, 0);
  EXPECT_EQ(f.Bottom->IMaximum, 100);
  EXPECT_TRUE(f.Bottom->GetGrid()->GetVisible());

  f.Bottom->OnDrawAxis = nullptr;
  f.Canvas->Fill(kWhite);
  f.Bottom->CustomDrawMinMax(190, 200, 170, false, 20, 40, 5);
  // 20 … 40 over the whole axis: 30 sits in the middle; no grid drawn.
  EXPECT_EQ(f.Pixel(240, 174), kRed);
  EXPECT_TRUE(f.ColumnsOf(kGreen).empty());
  EXPECT_EQ(f.At(50), 240);
}

TEST(AxisDraw, ClickedCoversLineGapAndLabelsEdgesIncluded) {
  TAxisDraw f;
  f.Bottom->IsVisible = true;
  f.Bottom->FPosAxis = 160;
  const TRect r = f.Bottom->AxisRect();
  EXPECT_EQ(r, (TRect{40, 157, 440, 175}));
  EXPECT_TRUE(f.Bottom->Clicked(440, 175));
  EXPECT_TRUE(f.Bottom->Clicked(40, 157));
  EXPECT_FALSE(f.Bottom->Clicked(441, 170));
  EXPECT_FALSE(f.Bottom->Clicked(200, 176));
  f.Bottom->SetLabelsVisible(false);
  EXPECT_TRUE(f.Bottom->Clicked(200, 160));
  EXPECT_FALSE(f.Bottom->Clicked(200, 161));
  f.Bottom->IsVisible = false;
  EXPECT_FALSE(f.Bottom->Clicked(200, 160));
}

// The top row of ink in the rectangle; -1 without ink.
int InkTop(TAxisDraw& F, const TRect& R) {
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (F.Pixel(x, y) != kWhite) return y;
  return -1;
}

// The columns holding ink in the rectangle: first and last.
std::pair<int, int> InkColumns(TAxisDraw& F, const TRect& R) {
  int first = -1, last = -1;
  for (int x = R.Left; x < R.Right; ++x)
    for (int y = R.Top; y < R.Bottom; ++y)
      if (F.Pixel(x, y) != kWhite) {
        if (first == -1) first = x;
        last = x;
        break;
      }
  return {first, last};
}

TEST(AxisDraw, ExponentFormRaisesThePowerAndDropsTheE) {
  TAxisDraw f;
  const TRect area{150, 90, 330, 160};
  f.Canvas->Fill(kWhite);
  f.Bottom->DrawAxisLabel(240, 120, -1, "2E5", nullptr, 0, nullptr, 0);
  const auto plain = InkColumns(f, area);
  f.Bottom->GetLabels()->SetExponent(true);
  f.Canvas->Fill(kWhite);
  f.Bottom->DrawAxisLabel(240, 120, -1, "2E5", nullptr, 0, nullptr, 0);
  const auto power = InkColumns(f, area);
  ASSERT_NE(plain.first, -1);
  ASSERT_NE(power.first, -1);
  // "2" and a small raised "5": narrower than "2E5", the power above the "2".
  EXPECT_LT(power.second - power.first, plain.second - plain.first);
  const int split = (power.first + power.second) / 2;
  const int mantissaTop = InkTop(f, TRect{power.first, area.Top, split, area.Bottom});
  const int powerTop = InkTop(f, TRect{split + 1, area.Top, power.second + 1, area.Bottom});
  EXPECT_LT(powerTop, mantissaTop);
}

TEST(AxisDraw, BackShapeSpansTheAxisBelowTheLine) {
  TAxisDraw f;
  f.Bottom->GetShape()->SetVisible(true);
  f.Bottom->GetShape()->SetColor(0xFFE0E0);
  f.Draw();
  const TRect& b = f.Bottom->GetShape()->ShapeBounds;
  EXPECT_EQ(b.Left, f.Bottom->IStartPos);
  EXPECT_EQ(b.Right, f.Bottom->IEndPos);
  EXPECT_EQ(b.Top, f.Bottom->FPosAxis);
  EXPECT_GT(b.Bottom, b.Top + f.Bottom->SizeLabels());
  // The labels inside the shape still draw.
  EXPECT_TRUE(f.Ink(TRect{f.At(40) - 8, 175, f.At(40) + 8, 189}));
}

TEST(AxisDraw, CustomItemsKeepTheirTurnedCorners) {
  TAxisDraw f;
  TAxisItem* item = f.Bottom->GetItems()->Add(50, "Fifty");
  TAxisLabelsFormat* format = item->GetFormat();
  f.Draw();
  const TPoint* r = format->RotatedBounds;
  const int w = r[1].X - r[0].X, h = r[3].Y - r[0].Y;
  EXPECT_GT(w, h);
  EXPECT_EQ(r[2], (TPoint{r[1].X, r[3].Y}));
  f.Bottom->SetLabelsAngle(90);
  f.Draw();
  // Turned a quarter: the corners span the height across and the width along.
  EXPECT_EQ(std::abs(r[3].X - r[0].X), h);
  EXPECT_EQ(std::abs(r[1].Y - r[0].Y), w);
}

TEST(AxisDraw, DepthAxisPlacesItselfByItsSide) {
  TAxisDraw f;
  TChartAxis* depth = f.Panel.GetDepthAxis();
  TChartAxis* top = f.Panel.GetDepthTopAxis();
  depth->SetZPosition(10);
  top->SetZPosition(10);
  const int z = depth->CalcZPos();
  EXPECT_EQ(depth->DepthAxisAlign(), 0);  // on the other side
  EXPECT_EQ(depth->DepthAxisPos(), 160 - z);
  EXPECT_EQ(top->DepthAxisAlign(), 2);
  EXPECT_EQ(top->DepthAxisPos(), 20 + z);
}

}  // namespace
