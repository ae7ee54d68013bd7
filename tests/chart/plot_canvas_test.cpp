// The chart canvas: hand-over of pens, brushes and fonts, text measuring,
// arcs, arrows, convexity, frames, blending, corners and paths.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/PlotBlend.h"
#include "chart/PlotCorners.h"
#include "chart/PlotPath.h"
#include "chart/PlotUnitRoutines.h"
#include "tests/support/RecordingCanvas.h"

using ::testing::ElementsAre;

namespace {

TEST(PlotCanvasBrush, ShortFormsHandTheSourceColourToTheBackColour) {
  TRecordingCanvas c;
  TPlotBrush src;
  src.SetColor(clRed);
  src.SetBackColor(clNone);
  c.ClearLog();
  c.AssignBrush(&src);
  EXPECT_EQ(c.GetBrush()->GetColor(), clNone);
  EXPECT_EQ(c.GetBrush()->GetBackColor(), clRed);
  EXPECT_EQ(c.Count("SetBackMode"), 0u);  // solid brush, back colour no longer clNone
  c.AssignBrush(&src, clBlue);
  EXPECT_EQ(c.GetBrush()->GetColor(), clBlue);
  EXPECT_EQ(c.GetBrush()->GetBackColor(), clRed);
  c.AssignBrushColor(&src, clLime, clYellow);
  EXPECT_EQ(c.GetBrush()->GetColor(), clLime);
  EXPECT_EQ(c.GetBrush()->GetBackColor(), clYellow);
}

TEST(PlotCanvasBrush, HatchedBrushSetsOpaqueModeAndBackColour) {
  TRecordingCanvas c;
  TPlotBrush src;
  src.SetStyle(bsCross);
  src.SetColor(clRed);
  c.ClearLog();
  c.AssignBrushColor(&src, clRed, clBlue);
  EXPECT_THAT(c.Calls("SetBack"),
              ElementsAre("SetBackMode(" + std::to_string(cbmOpaque) + ")",
                          "SetBackColor(" + std::to_string(clBlue) + ")"));
}

TEST(PlotCanvasBrush, MonochromeMakesWhiteBrushBlackPenBlackFont) {
  TRecordingCanvas c;
  c.SetMonochrome(true);
  TPlotBrush brush;
  brush.SetColor(clRed);
  c.AssignBrushColor(&brush, clRed, clNone);
  EXPECT_EQ(c.GetBrush()->GetColor(), clWhite);
  TPlotPen pen;
  pen.SetColor(clRed);
  c.AssignVisiblePen(&pen);
  EXPECT_EQ(c.GetPen()->GetColor(), clBlack);
  TPlotFont font;
  font.SetColor(clRed);
  c.AssignFont(&font);
  EXPECT_EQ(c.GetFont()->GetColor(), clBlack);
}

TEST(PlotCanvasFont, ZoomAppliesOnlyWhenNot100) {
  TRecordingCanvas c;
  TPlotFont font;
  c.SetZoomText(true);
  c.SetFontZoom(150);
  c.AssignFontSize(&font, 10);
  EXPECT_FLOAT_EQ(c.GetFont()->GetSizeFloat(), 15);
  c.SetFontZoom(100);
  c.AssignFontSize(&font, 10);
  EXPECT_FLOAT_EQ(c.GetFont()->GetSizeFloat(), 10);
}

TEST(PlotCanvasText, ShadowWidensTheMeasuredText) {
  TRecordingCanvas c;
  int plain = c.TextWidth(std::string("Hello"));
  EXPECT_FALSE(c.GetFont()->HasShadow());  // measuring made no shadow
  c.GetFont()->GetShadow()->SetHorizSize(-3);
  c.GetFont()->GetShadow()->SetVisible(true);
  EXPECT_EQ(c.TextWidth(std::string("Hello")), plain + 3);
  EXPECT_EQ(c.TextWidth(std::u16string(u"Hello")), plain + 3);
}

TEST(PlotCanvasArc, AnglesInEitherOrderGiveTheSameDeviceArc) {
  TRecordingCanvas c;
  c.Arc(0, 0, 100, 50, 270.0f, 90.0f);
  c.Arc(0, 0, 100, 50, 90.0f, 270.0f);
  EXPECT_THAT(c.Calls("Arc"), ElementsAre("Arc(0,0,100,50,50,0,50,50)", "Arc(0,0,100,50,50,0,50,50)"));
  float s = 0, e = 0;
  TPlotCanvas::CalcArcAngles(0, 0, 100, 100, 100, 50, 50, 0, s, e);
  EXPECT_NEAR(s, 0, 1e-4);
  EXPECT_NEAR(e, 90, 1e-4);
}

TEST(PlotCanvasArrow, SevenPointsAlongTheShaft) {
  TPointArray p = TPlotCanvas::GetArrowPoints(50, {0, 0}, {100, 0}, 20, 30);
  EXPECT_EQ(p, (TPointArray{{0, 5}, {0, -5}, {70, -5}, {70, -10}, {100, 0}, {70, 10}, {70, 5}}));
  EXPECT_TRUE(TPlotCanvas::GetArrowPoints(50, {4, 4}, {4, 4}, 20, 30).empty());
  // Pointing up the screen, the head lies below the tip.
  TPointArray up = TPlotCanvas::GetArrowPoints(50, {0, 100}, {0, 0}, 20, 30);
  EXPECT_EQ(up[4], (TPoint{0, 0}));
  EXPECT_EQ(up[3].Y, 30);
  EXPECT_EQ(up[5].Y, 30);
  EXPECT_EQ(std::abs(up[3].X), 10);
}

TEST(PlotCanvasPolygon, Convexity) {
  struct Case {
    TPointArray Points;
    bool Convex;
  } cases[] = {
      {{{0, 0}, {5, 5}, {10, 10}}, false},
      {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true},
      {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, true},
      {{{0, 0}, {10, 5}, {0, 10}, {4, 5}}, false},
      {{{0, 0}, {1, 1}}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(TPlotCanvas::IsConvexPolygon(c.Points), c.Convex);
  EXPECT_TRUE(TPlotCanvas::IsConvexPolygon(TPointFloatArray{{0, 0}, {1, 0}, {1, 1}}));
}

TEST(PlotCanvasFrame, Frame3DShrinksByTheWidth) {
  TRecordingCanvas c;
  TRect r{0, 0, 10, 10};
  c.ClearLog();
  c.Frame3D(r, clWhite, clGray, 2);
  EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
  EXPECT_THAT(c.Calls("Polyline"),
              ElementsAre("Polyline(0,9,0,0,9,0)", "Polyline(9,0,9,9,-1,9)",
                          "Polyline(1,8,1,1,8,1)", "Polyline(8,1,8,8,0,8)"));
  EXPECT_EQ(c.Pixel(0, 5), clWhite);
  EXPECT_EQ(c.Pixel(9, 5), clGray);
}

TEST(PlotCanvasBlend, NestedLevelsCombineAndRestore) {
  TRecordingCanvas c;
  TPlotBlend* outer = c.BeginBlending(TRect{0, 0, 10, 10}, 50);
  EXPECT_EQ(c.Transparency, 50);
  TPlotBlend* inner = c.BeginBlending(TRect{0, 0, 10, 10}, 50);
  EXPECT_EQ(c.Transparency, 75);
  c.EndBlending(inner);
  EXPECT_EQ(c.Transparency, 50);
  c.EndBlending(outer);
  EXPECT_EQ(c.Transparency, 0);
}

TEST(PlotCanvasBlend, ShapeMixesWithTheBackgroundByTransparency) {
  for (bool perPixel : {false, true}) {
    PlotBlendPerPixel = perPixel;
    for (int t : {0, 50, 100}) {
      TRecordingCanvas c(40, 40);
      c.Fill(clWhite);
      c.GetPen()->SetStyle(psClear);
      c.GetBrush()->SetColor(clBlack);
      TPlotBlend* blend = c.BeginBlending(TRect{5, 5, 30, 30}, TPlotTransparency(t));
      c.Rectangle(5, 5, 31, 31);
      c.EndBlending(blend);
      int grey = c.Pixel(15, 15) & 0xFF;
      EXPECT_NEAR(grey, 255 * t / 100, 2) << "transparency " << t << " per pixel " << perPixel;
      EXPECT_EQ(c.Pixel(35, 35), clWhite);
    }
  }
  PlotBlendPerPixel = false;
}

TEST(PlotCanvasBlend, RectangleIsClampedToTheCanvas) {
  TRecordingCanvas c(40, 40);
  TPlotBlend left(&c, TRect{-10, -5, 20, 10});
  EXPECT_EQ(left.GetRect(), (TRect{0, 0, 20, 10}));
  TPlotBlend thin(&c, TRect{7, 3, 7, 9});
  EXPECT_EQ(thin.GetRect(), (TRect{7, 3, 8, 9}));
  TPlotBlend past(&c, TRect{30, 30, 60, 60});
  EXPECT_EQ(past.GetRect(), (TRect{30, 30, 40, 40}));
}

// ---------------- corners and paths ----------------

// A path that logs its operations instead of drawing.
class TLogPath : public TPlotBasePath {
 public:
  explicit TLogPath(std::vector<std::string>* ALog) : Log(ALog) {}
  void ArcTo(float X, float Y, float W, float H, float S, float Sweep) override {
    Add("ArcTo", {X, Y, W, H, S, Sweep});
  }
  void Close() override { Log->push_back("Close"); }
  void Curve(std::span<const TPoint>, float, bool) override {}
  void Draw(TPlotCanvas*) override {}
  void GetPoints(TPathPointTypes&, TPointFloatArray&, TRectF&) override {}
  void LineTo(float X, float Y) override { Add("LineTo", {X, Y}); }
  void MoveTo(float X, float Y) override { Add("MoveTo", {X, Y}); }
  void TextOut(float, float, const std::string&) override {}

 private:
  void Add(const std::string& Name, std::initializer_list<float> V) {
    std::string s = Name + "(";
    bool first = true;
    for (float f : V) {
      s += (first ? "" : ",") + std::to_string(int(f));
      first = false;
    }
    Log->push_back(s + ")");
  }
  std::vector<std::string>* Log;
};

class TPathLogCanvas : public TRecordingCanvas {
 public:
  using TRecordingCanvas::CreatePath;
  TPlotBasePath* CreatePath(const TPointFloatArray*, const TPathPointTypes*) override {
    return new TLogPath(&PathLog);
  }
  std::vector<std::string> PathLog;
};

TEST(PlotCorners, PathOperationsPerCornerStyle) {
  struct Case {
    TPlotCornerStyle Style;
    int X;
    std::vector<std::string> Ops;
  } cases[] = {
      {cosNone, 8,
       {"MoveTo(40,0)", "LineTo(40,20)", "LineTo(0,20)", "LineTo(0,0)", "Close"}},
      {cosRound, 8,
       {"ArcTo(32,0,8,8,270,90)", "ArcTo(32,12,8,8,0,90)", "ArcTo(0,12,8,8,90,90)",
        "ArcTo(0,0,8,8,180,90)", "Close"}},
      {cosRound, 7,
       {"ArcTo(34,0,6,6,270,90)", "ArcTo(34,14,6,6,0,90)", "ArcTo(0,14,6,6,90,90)",
        "ArcTo(0,0,6,6,180,90)", "Close"}},
      {cosRound, 0,
       {"ArcTo(39,0,1,1,270,90)", "ArcTo(39,19,1,1,0,90)", "ArcTo(0,19,1,1,90,90)",
        "ArcTo(0,0,1,1,180,90)", "Close"}},
  };
  for (const Case& c : cases) {
    TPathLogCanvas canvas;
    TPlotCorners corners;
    for (TPlotCorner* k : {corners.GetLeftBottom(), corners.GetLeftTop(),
                           corners.GetRightBottom(), corners.GetRightTop()})
      k->SetStyle(c.Style);
    std::unique_ptr<TPlotBasePath> path(corners.GetPath(&canvas, TRect{0, 0, 40, 20}, c.X, c.X));
    EXPECT_EQ(canvas.PathLog, c.Ops) << "style " << c.Style << " size " << c.X;
  }
  TPathLogCanvas narrow;
  TPlotCorners corners;
  std::unique_ptr<TPlotBasePath> path(corners.GetPath(&narrow, TRect{0, 0, 4, 20}, 10, 10));
  EXPECT_EQ(narrow.PathLog.front(), "ArcTo(0,0,4,10,270,90)");
}

TEST(PlotPathDraw, PictureBrushFillsInsideAndOnlyStrokesTheOutline) {
  TRecordingCanvas c(60, 60);
  c.Fill(clWhite);
  TBitmap picture;
  picture.SetSize(4, 4);
  picture.GetCanvas()->GetBrush()->SetColor(clLime);
  picture.GetCanvas()->FillRect(TRect{0, 0, 4, 4});
  c.GetBrush()->GetImage()->SetGraphic(&picture);
  c.GetBrush()->SetColor(clRed);
  c.GetPen()->SetColor(clBlue);
  std::unique_ptr<TPlotBasePath> path(c.CreatePath());
  path->MoveTo(10.0f, 10.0f);
  path->LineTo(50.0f, 10.0f);
  path->LineTo(50.0f, 50.0f);
  path->LineTo(10.0f, 50.0f);
  path->Close();
  path->Draw(&c);
  EXPECT_EQ(c.Pixel(30, 30), clLime);   // the picture, not the red brush
  EXPECT_EQ(c.Pixel(30, 10), clBlue);   // the outline
  EXPECT_EQ(c.Pixel(5, 5), clWhite);    // nothing outside
}

TEST(PlotUnitRoutines, PointAtDistanceBackTowardsTheStart) {
  EXPECT_EQ(PointAtDistance(TPoint{0, 0}, TPoint{10, 0}, 4), (TPoint{6, 0}));
  EXPECT_EQ(PointAtDistance(TPoint{0, 10}, TPoint{0, 0}, 4), (TPoint{0, 4}));
  EXPECT_EQ(PointAtDistance(TPoint{0, 0}, TPoint{0, 10}, 4), (TPoint{0, 6}));
  EXPECT_DOUBLE_EQ(PlotDistance(3, 4), 5);
}

}  // namespace
