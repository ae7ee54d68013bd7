// The walls: the 2D back wall's frame and fill, its end position, wall
// sizes as the axes see them, the right wall made on first read, the walls
// hidden as a whole, and which 3D walls are drawn where.

#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "tests/support/RecordingCanvas.h"

namespace {

// A recording canvas that also logs the 3D planes and cubes and the
// entities the walls open.
class TWallCanvas : public TRecordingCanvas {
 public:
  using TRecordingCanvas::Cube;
  using TRecordingCanvas::TRecordingCanvas;
  TVisualBlock* BeginEntity(const std::string& Text, TVisualBlock* Block,
                            TPlotTransform* Transform) override {
    Log.push_back("Entity(" + Text + ")");
    return TRecordingCanvas::BeginEntity(Text, Block, Transform);
  }
  void RectangleWithZ(const TRect& R, int Z) override {
    Log.push_back("RectangleWithZ(" + Join({R.Left, R.Top, R.Right, R.Bottom, Z}) + ")");
    TRecordingCanvas::RectangleWithZ(R, Z);
  }
  void RectangleY(int Left, int Top, int Right, int Z0, int Z1) override {
    Log.push_back("RectangleY(" + Join({Left, Top, Right, Z0, Z1}) + ")");
    TRecordingCanvas::RectangleY(Left, Top, Right, Z0, Z1);
  }
  void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) override {
    Log.push_back("RectangleZ(" + Join({Left, Top, Bottom, Z0, Z1}) + ")");
    TRecordingCanvas::RectangleZ(Left, Top, Bottom, Z0, Z1);
  }
  void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides,
            int RoundSize) override {
    Log.push_back("Cube(" + Join({Left, Right, Top, Bottom, Z0, Z1}) + ")");
    TRecordingCanvas::Cube(Left, Right, Top, Bottom, Z0, Z1, DarkSides, RoundSize);
  }
  static std::string Join(std::initializer_list<int> V) {
    std::string s;
    for (int v : V) s += (s.empty() ? "" : ",") + std::to_string(v);
    return s;
  }
};

constexpr int kW = 400, kH = 300;

struct TWallChart : TChartFixture {
  TWallChart() {
    Canvas = new TWallCanvas(kW, kH);
    Chart.SetInternalCanvas(Canvas);
    Chart.GetLegend()->SetVisible(false);
    Chart.GetBottomAxis()->SetMinMax(0, 10);
    Chart.GetLeftAxis()->SetMinMax(0, 100);
    Add<TFastLineSeries>({0, 10, 10, 90});
  }
  void Pass() {
    Canvas->ClearLog();
    Canvas->Fill(clWhite);
    Chart.Draw(Canvas->Bitmap.GetCanvas(), TRect{0, 0, kW, kH});
  }
  // The log of the wall entity Name drawn behind the series (axes open
  // entities of the same names later, inside "Axes").
  std::vector<std::string> Entity(const std::string& Name) {
    std::vector<std::string> out;
    bool walls = false, inside = false;
    for (const std::string& c : Canvas->Calls()) {
      if (c == "Entity(Walls)") walls = true;
      if (c == "Entity(Axes)") walls = false;
      if (c.rfind("Entity(", 0) == 0)
        inside = walls && c == "Entity(" + Name + ")";
      else if (inside)
        out.push_back(c);
    }
    return out;
  }
  bool Has(const std::string& Call) {
    for (const std::string& c : Canvas->Calls())
      if (c == Call) return true;
    return false;
  }
  TWallCanvas* Canvas = nullptr;
};

std::string RectCall(const char* Name, int L, int T, int R, int B) {
  return std::string(Name) + "(" + TWallCanvas::Join({L, T, R, B}) + ")";
}

}  // namespace

TEST(Walls, BackWallFramesTheChartRectangleIn2D) {
  TWallChart f;
  f.Chart.GetBackWall()->GetPen()->SetColor(clRed);
  f.Pass();
  const TRect r = f.Chart.ChartRect;
  const std::string frame = RectCall("Rectangle", r.Left, r.Top, r.Right + 1, r.Bottom + 1);
  EXPECT_TRUE(f.Has(frame)) << frame;
  // Transparent by default: the frame only, the inside keeps the panel.
  EXPECT_EQ(f.Canvas->Pixel(r.Left, (r.Top + r.Bottom) / 2), clRed);
  EXPECT_EQ(f.Canvas->Pixel(r.Left + 3, r.Top + 3), clWhite);
  f.Chart.GetBackWall()->SetTransparent(false);
  f.Chart.GetBackWall()->SetColor(clYellow);
  f.Pass();
  EXPECT_EQ(f.Canvas->Pixel(r.Left + 3, r.Top + 3), clYellow);
  EXPECT_EQ(f.Chart.GetBackColor(), clYellow);
}

TEST(Walls, EndPositionFiftyEndsHalfwayWithoutThePixelBelow) {
  TWallChart f;
  f.Chart.GetBackWall()->SetEndPosition(50);
  f.Pass();
  const TRect r = f.Chart.ChartRect;
  const int half = r.Bottom - int(std::nearbyint(50 * (r.Bottom - r.Top) * 0.01));
  EXPECT_TRUE(f.Has(RectCall("Rectangle", r.Left, r.Top, r.Right + 1, half)));
  f.Chart.GetBackWall()->SetEndPosition(100);
  f.Chart.GetBackWall()->SetStartPosition(25);
  f.Pass();
  const int start = r.Top + int(std::nearbyint(25 * (r.Bottom - r.Top) * 0.01));
  EXPECT_TRUE(f.Has(RectCall("Rectangle", r.Left, start, r.Right + 1, r.Bottom + 1)));
}

TEST(Walls, WallSizesCountOnlyIn3DWithWalls) {
  TChart chart;
  chart.GetWalls()->SetSize(6);
  TChartAxis* axes[] = {chart.GetLeftAxis(), chart.GetBottomAxis(), chart.GetRightAxis(),
                        chart.GetTopAxis(), chart.GetDepthAxis()};
  chart.SetView3D(false);
  for (TChartAxis* a : axes) EXPECT_EQ(chart.CalcWallSize(a), 0);
  chart.SetView3D(true);
  EXPECT_EQ(chart.CalcWallSize(chart.GetLeftAxis()), 6);
  EXPECT_EQ(chart.CalcWallSize(chart.GetBottomAxis()), 6);
  EXPECT_EQ(chart.CalcWallSize(chart.GetTopAxis()), 6);    // the back wall's
  EXPECT_EQ(chart.CalcWallSize(chart.GetRightAxis()), 0);  // invisible right wall
  chart.GetRightWall()->SetVisible(true);
  EXPECT_EQ(chart.CalcWallSize(chart.GetRightAxis()), 6);
  chart.GetLeftWall()->SetVisible(false);
  EXPECT_EQ(chart.CalcWallSize(chart.GetLeftAxis()), 0);
  chart.SetView3DWalls(false);
  for (TChartAxis* a : axes) EXPECT_EQ(chart.CalcWallSize(a), 0);
}

TEST(Walls, RightWallIsMadeInvisibleAndSilverOnFirstRead) {
  TChart chart;
  EXPECT_FALSE(chart.GetWalls()->HasRight());
  chart.SetView3D(true);
  EXPECT_EQ(chart.CalcWallSize(chart.GetRightAxis()), 0);
  EXPECT_FALSE(chart.GetWalls()->HasRight());  // asking the size makes none
  TChartRightWall* right = chart.GetRightWall();
  EXPECT_TRUE(chart.GetWalls()->HasRight());
  EXPECT_FALSE(right->GetVisible());
  EXPECT_FALSE(right->IsVisibleStored());
  EXPECT_EQ(right->GetColor(), clSilver);
  EXPECT_FALSE(right->IsColorStored());
  // The other walls' colours and defaults.
  EXPECT_EQ(chart.GetBackWall()->GetColor(), clSilver);
  EXPECT_TRUE(chart.GetBackWall()->GetTransparent());
  EXPECT_FALSE(chart.GetBackWall()->GetShadow()->GetVisible());
  EXPECT_EQ(chart.GetBackWall()->GetShadow()->GetColor(), TColor(0x808080));
  EXPECT_EQ(chart.GetLeftWall()->GetColor(), TColor(0x80FFFF));
  EXPECT_EQ(chart.GetBottomWall()->GetColor(), clWhite);
  EXPECT_EQ(chart.GetBackWall()->GetEndPosition(), 100);
  EXPECT_TRUE(chart.GetBackWall()->GetDark3D());
  EXPECT_EQ(chart.GetFrame(), chart.GetBackWall()->GetPen());
}

TEST(Walls, HiddenWallsLeaveThe2DBackWallUndrawn) {
  TWallChart f;
  f.Chart.GetWalls()->Hide();
  EXPECT_FALSE(f.Chart.GetView3DWalls());
  f.Pass();
  EXPECT_TRUE(f.Entity("Back").empty());
  const TRect r = f.Chart.ChartRect;
  EXPECT_FALSE(f.Has(RectCall("Rectangle", r.Left, r.Top, r.Right + 1, r.Bottom + 1)));
  // AutoHide of the back wall means nothing in 2D.
  f.Chart.GetWalls()->Show();
  f.Chart.GetBackWall()->SetAutoHide(true);
  f.Pass();
  EXPECT_TRUE(f.Has(RectCall("Rectangle", r.Left, r.Top, r.Right + 1, r.Bottom + 1)));
}

TEST(Walls, DefaultOrthogonalViewDrawsBackLeftAndFloorBehindTheSeries) {
  TWallChart f;
  f.Chart.SetView3D(true);
  f.Pass();
  const TRect r = f.Chart.ChartRect;
  const int depth = f.Chart.Width3D;
  ASSERT_GT(depth, 0);
  EXPECT_TRUE(f.Has("RectangleWithZ(" +
                    TWallCanvas::Join({r.Left, r.Top, r.Right, r.Bottom, depth}) + ")"));
  EXPECT_TRUE(f.Has("RectangleZ(" + TWallCanvas::Join({r.Left, r.Top, r.Bottom, 0, depth}) + ")"));
  EXPECT_TRUE(
      f.Has("RectangleY(" + TWallCanvas::Join({r.Left, r.Bottom, r.Right, 0, depth}) + ")"));
  EXPECT_FALSE(f.Chart.DrawLeftWallFirst());
  EXPECT_TRUE(f.Chart.DrawRightWallAfter());
  // The walls' room: the depth comes off the right and the top.
  EXPECT_EQ(f.Chart.GetBackWall()->GetSize(), 0);
}

TEST(Walls, AutoHiddenLeftWall) {
  TWallChart f;
  f.Chart.SetView3D(true);
  f.Chart.GetLeftWall()->SetAutoHide(true);
  f.Chart.GetLeftWall()->SetSize(5);
  // Seen from the left the left wall lies behind the series: drawn anyway.
  f.Pass();
  ASSERT_FALSE(f.Chart.DrawLeftWallFirst());
  EXPECT_FALSE(f.Entity("Left").empty());
  // Seen from the right it would face the viewer: left out, and the floor
  // reaches under its room.
  f.Chart.GetView3DOptions()->SetOrthoAngle(135);
  f.Pass();
  ASSERT_TRUE(f.Chart.DrawLeftWallFirst());
  const TRect r = f.Chart.ChartRect;
  EXPECT_TRUE(f.Entity("Left").empty());
  for (const std::string& c : f.Canvas->Calls("Cube("))
    EXPECT_NE(c.rfind("Cube(" + std::to_string(r.Left - 5) + "," + std::to_string(r.Left), 0), 0u)
        << c;
  const std::vector<std::string> floor = f.Entity("Bottom");
  ASSERT_FALSE(floor.empty());
  EXPECT_EQ(floor.front().rfind("RectangleY(" + std::to_string(r.Left - 5) + ",", 0), 0u)
      << floor.front();
}

TEST(Walls, ThickWallsAreCubes) {
  TWallChart f;
  f.Chart.SetView3D(true);
  f.Chart.GetWalls()->SetSize(4);
  f.Chart.GetRightWall()->SetVisible(true);
  f.Pass();
  const TRect r = f.Chart.ChartRect;
  const int depth = f.Chart.Width3D;
  EXPECT_TRUE(f.Has("Cube(" +
                    TWallCanvas::Join({r.Left - 4, r.Left, r.Top, r.Bottom + 4, 0, depth}) + ")"));
  EXPECT_TRUE(f.Has("Cube(" +
                    TWallCanvas::Join({r.Left, r.Right, r.Bottom, r.Bottom + 4, 0, depth}) + ")"));
  // The right wall faces the viewer: drawn after the series, reaching
  // through the back wall's thickness.
  EXPECT_TRUE(f.Entity("Right").empty());
  EXPECT_TRUE(f.Has("Cube(" +
                    TWallCanvas::Join({r.Right, r.Right + 4, r.Top, r.Bottom + 4, 0, depth + 4}) +
                    ")"));
}
