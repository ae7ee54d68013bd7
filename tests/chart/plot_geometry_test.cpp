// Geometry routines: culling, polygon bounds, area, centroid, point in
// polygon on its edges, rectangle centres, colours and bitmap resolution.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/PlotGeometry.h"
#include "platform/rtl/Streams.h"

namespace {

const std::vector<TPoint> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};

TEST(PlotGeometry, PixelsRoundHalvesToEven) {
  const double inf = std::numeric_limits<double>::infinity();
  struct {
    double Value;
    int Pixel;
  } cases[] = {{2.5, 2},
               {3.5, 4},
               {-2.5, -2},
               {-3.5, -4},
               {-0.5, 0},
               {0.49999999999999994, 0},
               {1.5000001, 2},
               {-7.2, -7},
               {1e300, std::numeric_limits<int>::max()},
               {-inf, std::numeric_limits<int>::min()},
               {std::nan(""), 0}};
  for (auto c : cases) EXPECT_EQ(PlotRound(c.Value), c.Pixel) << c.Value;
  EXPECT_EQ(PlotPoint(TPointF{0.5f, 1.5f}), (TPoint{0, 2}));
}

TEST(PlotGeometry, CullTurnsOnWinding) {
  EXPECT_TRUE(PlotCull(TPoint{0, 0}, TPoint{10, 0}, TPoint{10, 10}));
  EXPECT_FALSE(PlotCull(TPoint{10, 10}, TPoint{10, 0}, TPoint{0, 0}));
  EXPECT_TRUE(PlotCull(TPointF{0, 0}, TPointF{10, 0}, TPointF{10, 10}));
  EXPECT_FALSE(PlotCull(TPoint{0, 0}, TPoint{5, 5}, TPoint{10, 10}));  // a line: not turned away
  TFourPoints four = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(PlotCull(four));
}

TEST(PlotGeometry, PolygonBounds) {
  EXPECT_EQ(PolygonBounds(std::vector<TPoint>{{1, 2}, {5, -3}}), (TRect{1, -3, 6, 3}));
  EXPECT_EQ(PolygonBounds(std::vector<TPoint>{}), PlotZeroRect);
  EXPECT_EQ(PolygonBounds(std::vector<TPointF>{{1, 2}, {5, -3}}), (TRectF{1, -3, 5, 2}));
  EXPECT_EQ(PolygonBounds(std::vector<TPointF>{}), PlotZeroRectF);
}

TEST(PlotGeometry, AreaAndCentroid) {
  std::vector<TPoint> reversed(kSquare.rbegin(), kSquare.rend());
  EXPECT_DOUBLE_EQ(PolygonArea(kSquare), 100);
  EXPECT_DOUBLE_EQ(PolygonArea(reversed), 100);
  EXPECT_DOUBLE_EQ(PolygonArea({}), 0);
  EXPECT_EQ(PolygonCentroid(kSquare), (TPointF{5, 5}));
  EXPECT_EQ(PolygonCentroid(reversed), (TPointF{5, 5}));
  EXPECT_EQ(PolygonCentroid({}), (TPointF{0, 0}));
  EXPECT_EQ(PolygonCentroid({{3, 4}}), (TPointF{3, 4}));
  EXPECT_EQ(PolygonCentroid({{0, 0}, {3, 5}}), (TPointF{1.5f, 2.5f}));
  EXPECT_EQ(PolygonCentroid({{0, 0}, {1, 1}, {2, 2}}), (TPointF{0, 0}));  // no area
  EXPECT_EQ(PolygonCentroid({{0, 0}, {6, 0}, {0, 6}}), (TPointF{2, 2}));
}

TEST(PlotGeometry, PointInPolygonEdges) {
  struct Case {
    TPoint p;
    bool inside;
  } cases[] = {{{10, 5}, true},  {{5, 0}, true}, {{0, 5}, false},
               {{5, 10}, false}, {{5, 5}, true}, {{11, 5}, false}};
  for (const Case& c : cases)
    EXPECT_EQ(PolygonInPolygon({c.p}, kSquare), c.inside) << c.p.X << "," << c.p.Y;
  EXPECT_TRUE(PolygonInPolygon({}, kSquare));
  EXPECT_FALSE(PolygonInPolygon({{1, 1}}, {}));
  EXPECT_FALSE(PolygonInPolygon({{1, 1}, {20, 1}}, kSquare));
}

TEST(PlotGeometry, RectanglesAndPoints) {
  EXPECT_EQ(RectCenter(TRect{-3, -3, 0, 0}), (TPoint{-1, -1}));
  EXPECT_EQ(RectCenter(TRect{0, 0, 5, 7}), (TPoint{2, 3}));
  float fx, fy;
  RectCenter(TRectF{0, 0, 5, 7}, fx, fy);
  EXPECT_EQ(fx, 2.5f);
  EXPECT_EQ(fy, 3.5f);
  EXPECT_EQ(OrientRectangle(5, 9, 1, 2), (TRect{1, 2, 5, 9}));
  EXPECT_TRUE(PointInRect(TRect{0, 0, 10, 10}, 10, 10));
  EXPECT_FALSE(PointInRect(TRect{0, 0, 10, 10}, 11, 0));
  TRectF r{1, 1, 2, 2};
  InflateRectF(r, 1, 2);
  EXPECT_EQ(r, (TRectF{0, -1, 3, 4}));
  EXPECT_EQ(PlotPoint(TPointF{1.6f, -2.4f}), (TPoint{2, -2}));
}

TEST(PlotGeometry, ColourBytes) {
  TRGB rgb = RGBValue(TColor(0x123456));
  EXPECT_EQ(rgb.Red, 0x56);
  EXPECT_EQ(rgb.Green, 0x34);
  EXPECT_EQ(rgb.Blue, 0x12);
  TRGBA rgba = ColorRGBA(TColor(0x123456));
  EXPECT_EQ(rgba.Red, 0x56);
  EXPECT_EQ(rgba.Blue, 0x12);
  EXPECT_EQ(rgba.Alpha, 0);
}

TEST(PlotGeometry, BitmapResolutionBytes) {
  TBitmap bmp;
  bmp.SetPixelFormat(pf24bit);
  bmp.SetSize(3, 2);
  TMemoryStream stream;
  bmp.SaveToStream(stream);
  stream.SetPosition(40);
  const uint8_t keep[2] = {0xAB, 0xCD};  // the upper halves stay as they were
  stream.Write(keep, 2);
  ASSERT_TRUE(PlotSetBitmapDPI(&stream, 96));
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  EXPECT_EQ(bytes[38], 0xC4);
  EXPECT_EQ(bytes[39], 0x0E);
  EXPECT_EQ(bytes[40], 0xAB);
  EXPECT_EQ(bytes[41], 0xCD);
  EXPECT_EQ(bytes[42], 0xC4);
  EXPECT_EQ(bytes[43], 0x0E);

  PlotSetBitmapDPI(&bmp, 96);  // reloaded: size and pixels kept
  EXPECT_EQ(bmp.GetWidth(), 3);
  EXPECT_EQ(bmp.GetHeight(), 2);
}

}  // namespace
