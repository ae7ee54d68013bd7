// Path data: builders, the text form in both directions, arcs, flattening,
// bounds, the binary "Path" form and shared paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_object.h"
#include "scene/zr_path.h"
#include "scene/zr_resource_objects.h"

namespace {

using Entries = std::vector<TzrPathPoint>;

constexpr TzrPathPointKind M = zrPathPointMoveTo, L = zrPathPointLineTo, C = zrPathPointCurveTo,
                           Z = zrPathPointClose;

Entries Parse(const std::string& text) {
  TzrPathData path;
  path.SetPathString(text);
  return path.PathData;
}

void ExpectNear(const Entries& actual, const Entries& expected, float tolerance,
                const std::string& what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].Kind, expected[i].Kind) << what << " entry " << i;
    EXPECT_NEAR(actual[i].Point.X, expected[i].Point.X, tolerance) << what << " entry " << i;
    EXPECT_NEAR(actual[i].Point.Y, expected[i].Point.Y, tolerance) << what << " entry " << i;
  }
}

TEST(ZrPathText, ReadsTheCommands) {
  struct Case {
    std::string text;
    Entries expected;
  };
  const Case cases[] = {
      {"M 1,0 L 1,1 L 0,0.5 L 1,0 Z",
       {{M, {1, 0}}, {L, {1, 1}}, {L, {0, 0.5f}}, {L, {1, 0}}, {Z, {1, 0}}}},
      {"M10,10L20,20", {{M, {10, 10}}, {L, {20, 20}}}},
      {"M 10 10 20 20", {{M, {10, 10}}, {L, {20, 20}}}},
      {"m 10 10 5 5", {{M, {10, 10}}, {L, {15, 15}}}},
      {"M-5-5", {{M, {-5, -5}}}},
      {"M 1e-3,2", {{M, {0.001f, 2}}}},
      {"M10-5", {{M, {10, -5}}}},
      {"M.5,.25", {{M, {0.5f, 0.25f}}}},
      {"H 10 20", {{L, {10, 0}}}},
      {"M 10,10 L", {{M, {10, 10}}, {L, {0, 0}}}},
      {"M 10,10 L 5", {{M, {10, 10}}}},
      {"M 1,1 Q 5,5 6,6 L 2,2", {{M, {1, 1}}, {L, {2, 2}}}},
      {"M 1,1 T 5,5 l 1,1", {{M, {1, 1}}, {L, {2, 2}}}},
      {"M 0,0 X 5,5 L 1,1", {{M, {0, 0}}}},
      {"M 10,abc L 5,5", {}},
      {"M 0,0 L 1,1 2,2 -3,-3", {{M, {0, 0}}, {L, {1, 1}}, {L, {2, 2}}, {L, {-3, -3}}}},
      {"M 0,0 L 1,1 +2,2", {{M, {0, 0}}, {L, {1, 1}}}},
      {"M 2,3 h 5 v -1 H 1 V 0", {{M, {2, 3}}, {L, {7, 3}}, {L, {7, 2}}, {L, {1, 2}}, {L, {1, 0}}}},
      {"M\t1,\r\n2 L 3,4", {{M, {1, 2}}, {L, {3, 4}}}},
      {"M 1,1 l 1,0 z m 5,5 L 0,0 Z",
       {{M, {1, 1}}, {L, {2, 1}}, {Z, {1, 1}}, {M, {6, 6}}, {L, {0, 0}}, {Z, {6, 6}}}},
      {"M 0,0 C 1,1 2,2 3,3 4,4 5,5 6,6",
       {{M, {0, 0}}, {C, {1, 1}}, {C, {2, 2}}, {C, {3, 3}}, {C, {4, 4}}, {C, {5, 5}}, {C, {6, 6}}}},
      {"M 1,1 c 1,0 1,1 0,1", {{M, {1, 1}}, {C, {2, 1}}, {C, {2, 2}}, {C, {1, 2}}}},
      {"M0,0C0,10 10,10 10,0S20,-10 20,0",
       {{M, {0, 0}},
        {C, {0, 10}},
        {C, {10, 10}},
        {C, {10, 0}},
        {C, {10, -10}},
        {C, {20, -10}},
        {C, {20, 0}}}},
      {"M 1,1 S 3,3 4,4", {{M, {1, 1}}, {C, {3, 3}}, {C, {3, 3}}, {C, {4, 4}}}},
      {"M 1,1 s 3,3 4,4", {{M, {1, 1}}, {C, {4, 4}}, {C, {4, 4}}, {C, {5, 5}}}},
      {"", {}},
      {"garbage", {}},
  };
  for (const Case& c : cases) ExpectNear(Parse(c.text), c.expected, 1e-6f, c.text);
}

TEST(ZrPathText, WritesAbsoluteCommands) {
  TzrPathData path;
  path.SetPathString("M 1,0 L 1,1 L 0,0.5 L 1,0 Z");
  EXPECT_EQ(path.GetPathString(), "M 1,0 L 1,1 L 0,0.500 L 1,0 Z ");
  path.SetPathString("m 1 2 c 1,1 2,2 3,3");
  EXPECT_EQ(path.GetPathString(), "M 1,2 C 2,3 3,4 4,5 ");
}

TEST(ZrPathText, EveryCommandRoundTrips) {
  const char* texts[] = {
      "M 1,2 L 3,4 Z",
      "m 1,2 l 3,4 z m 1,1 2,2",
      "M 0,0 10,0 10,10 -5.25,3.125",
      "M 0,0 H 10 V 5 h -2.5 v 1.5",
      "M 0,0 C 1,2 3,4 5,6 7,8 9,10 11,12",
      "M 5,5 c 1,2 3,4 5,6 1,1 2,2 3,3",
      "M 0,0 C 0,10 10,10 10,0 S 20,-10 20,0 s 5,5 10,0",
      "M 0,0 A 5,5 0 0,1 10,0",
      "M 0,0 A 5,5 0 0,0 10,0",
      "M 0,0 A 10,10 0 1,1 10,0",
      "M 0,0 A 10,10 0 1,0 10,0",
      "M 0,0 a 8,4 30 1,0 10,5 Z",
      "M 0,0 Q 1,1 2,2 T 3,3 L 4,4",
  };
  for (const char* text : texts) {
    TzrPathData first;
    first.SetPathString(text);
    ASSERT_FALSE(first.IsEmpty()) << text;
    TzrPathData second;
    second.SetPathString(first.GetPathString());
    ExpectNear(second.PathData, first.PathData, 0.0006f, text);
  }
}

TEST(ZrPathText, ParsingFiresOneEvent) {
  TzrPathData path;
  int events = 0;
  path.OnChanged = [&](TObject*) { ++events; };
  path.MoveTo({1, 1});
  path.LineTo({2, 2});
  EXPECT_EQ(events, 0);
  path.SetPathString("M 1,1 L 2,x L 3,3");
  EXPECT_EQ(events, 1);
  path.Clear();
  EXPECT_EQ(events, 2);
}

// Radius distance of every flattened point from Centre.
void ExpectOnCircle(const TzrPolygon& polygon, TzrPoint centre, float radius, float tolerance) {
  for (const TzrPoint& p : polygon) {
    if (p == ClosePolygon) continue;
    EXPECT_NEAR(std::hypot(p.X - centre.X, p.Y - centre.Y), radius, tolerance) << p.X << "," << p.Y;
  }
}

TEST(ZrPathArcs, AddArcCutsQuarterTurns) {
  TzrPathData path;
  path.AddArc({0, 0}, {10, 10}, 0, 90);
  ExpectNear(path.PathData, {{M, {10, 0}}, {C, {10, 5.5228f}}, {C, {5.5228f, 10}}, {C, {0, 10}}},
             0.001f, "quarter");

  TzrPathData full;
  full.AddArc({0, 0}, {10, 10}, 45, 360);
  EXPECT_EQ(full.PathData.size(), 13u);
  EXPECT_NEAR(full.LastPoint().X, full.PathData[0].Point.X, 1e-4);

  TzrPathData none;
  none.AddArc({0, 0}, {10, 10}, 0, 0);
  EXPECT_TRUE(none.IsEmpty());

  TzrPathData joined;
  joined.MoveTo({0, 0});
  joined.AddArc({0, 0}, {10, 5}, 180, -90);
  ASSERT_EQ(joined.PathData.size(), 5u);
  EXPECT_EQ(joined.PathData[1].Kind, L);
  EXPECT_NEAR(joined.PathData[1].Point.X, -10, 1e-4);
  EXPECT_NEAR(joined.LastPoint().X, 0, 1e-4);  // 180 degrees back to 90
  EXPECT_NEAR(joined.LastPoint().Y, 5, 1e-4);

  TzrPathData part;
  part.MoveTo({0, 0});
  part.AddArcSvgPart({0, 0}, {10, 10}, 0, 90);
  EXPECT_EQ(part.PathData.size(), 4u);
}

TEST(ZrPathArcs, SvgArcFlagsPickTheArc) {
  struct Case {
    bool large, sweep;
    float radius;
    TzrPoint centre;
    float apexY;  // the flattened point farthest from the chord
  };
  const float h = std::sqrt(75.0f);
  const Case cases[] = {
      {false, true, 5, {5, 0}, -5},        {false, false, 5, {5, 0}, 5},
      {false, true, 1, {5, 0}, -5},  // radii too small are enlarged
      {false, true, 10, {5, h}, h - 10},   {true, true, 10, {5, -h}, -h - 10},
      {false, false, 10, {5, -h}, 10 - h}, {true, false, 10, {5, h}, h + 10},
  };
  for (const Case& c : cases) {
    TzrPathData path;
    path.MoveTo({0, 0});
    path.AddArcSvg({0, 0}, {c.radius, c.radius}, 0, c.large, c.sweep, {10, 0});
    EXPECT_NEAR(path.LastPoint().X, 10, 0.01);
    EXPECT_NEAR(path.LastPoint().Y, 0, 0.01);
    TzrPolygon polygon;
    path.FlattenToPolygon(polygon, 0.25f);
    const float r = std::max(c.radius, 5.0f);
    ExpectOnCircle(polygon, c.centre, r, 0.02f);
    auto apex = std::max_element(polygon.begin(), polygon.end(), [](TzrPoint a, TzrPoint b) {
      return std::fabs(a.Y) < std::fabs(b.Y);
    });
    EXPECT_NEAR(apex->Y, c.apexY, 0.05) << c.large << c.sweep << c.radius;
  }
}

TEST(ZrPathArcs, RotatedSvgArcEndsAtItsEndPoint) {
  TzrPathData path;
  path.SetPathString("M 3,4 A 20,8 35 1,0 -6,12");
  EXPECT_NEAR(path.LastPoint().X, -6, 0.01);
  EXPECT_NEAR(path.LastPoint().Y, 12, 0.01);
}

TEST(ZrPathArcs, DegenerateSvgArcs) {
  TzrPathData path;
  path.MoveTo({1, 1});
  path.AddArcSvg({1, 1}, {5, 5}, 0, false, true, {1, 1});
  EXPECT_EQ(path.PathData.size(), 1u);  // equal end points: nothing
  path.AddArcSvg({1, 1}, {0, 5}, 0, false, true, {4, 5});
  ExpectNear(path.PathData, {{M, {1, 1}}, {L, {4, 5}}}, 0, "zero radius");
  for (const TzrPathPoint& p : path.PathData) EXPECT_TRUE(std::isfinite(p.Point.X));
}

TEST(ZrPathShapes, EllipseAndRectangles) {
  TzrPathData ellipse;
  ellipse.AddEllipse({0, 0, 20, 10});
  ASSERT_EQ(ellipse.PathData.size(), 13u);
  EXPECT_EQ(ellipse.PathData[0], (TzrPathPoint{M, {0, 5}}));
  EXPECT_NEAR(ellipse.PathData[1].Point.Y, 5 - 5 * 0.5522847498f, 1e-5);
  EXPECT_EQ(ellipse.PathData[3].Point, (TzrPoint{10, 0}));
  EXPECT_EQ(ellipse.LastPoint(), (TzrPoint{0, 5}));

  TzrPathData plain;
  plain.AddRectangle({0, 0, 10, 6}, 20, 2, AllCorners & 0, zrCornerRound);
  ExpectNear(plain.PathData,
             {{M, {0, 2}},
              {L, {0, 0}},
              {L, {5, 0}},
              {L, {5, 0}},
              {L, {10, 0}},
              {L, {10, 2}},
              {L, {10, 4}},
              {L, {10, 6}},
              {L, {5, 6}},
              {L, {5, 6}},
              {L, {0, 6}},
              {L, {0, 4}},
              {Z, {0, 2}}},
             0, "plain");

  TzrPathData round;
  round.AddRectangle({0, 0, 10, 10}, 2, 2, 1u << zrCornerTopLeft, zrCornerRound);
  ExpectNear(Entries(round.PathData.begin(), round.PathData.begin() + 4),
             {{M, {0, 2}}, {C, {0, 1}}, {C, {1, 0}}, {C, {2, 0}}}, 0, "round");

  TzrPathData inner;
  inner.AddRectangle({0, 0, 10, 10}, 2, 2, AllCorners, zrCornerInnerLine);
  EXPECT_EQ(inner.PathData.size(), 1u + 4 * 3 + 3 + 1);
  EXPECT_EQ(inner.PathData[1].Point, (TzrPoint{1, 2}));
}

TEST(ZrPathFlatten, CircleStaysWithinTolerance) {
  TzrPathData path;
  path.AddEllipse({0, 0, 200, 200});
  path.ClosePath();
  TzrPolygon polygon;
  const TzrPoint size = path.FlattenToPolygon(polygon, 0.25f);
  EXPECT_EQ(size, (TzrPoint{200, 200}));
  ASSERT_GT(polygon.size(), 100u);
  EXPECT_EQ(polygon.back(), ClosePolygon);
  EXPECT_EQ(polygon[polygon.size() - 2], (TzrPoint{0, 100}));
  ExpectOnCircle(polygon, {100, 100}, 100, 0.5f * 0.25f);
  // Neighbouring points lie close enough for the chords to follow the circle.
  for (size_t i = 1; i + 2 < polygon.size(); ++i) {
    EXPECT_LT(std::hypot(polygon[i].X - polygon[i - 1].X, polygon[i].Y - polygon[i - 1].Y), 1.0f);
  }
}

TEST(ZrPathFlatten, FlattenReplacesCurvesByLines) {
  TzrPathData path;
  path.SetPathString("M 0,0 C 0,10 10,10 10,0 L 20,0 Z");
  int events = 0;
  path.OnChanged = [&](TObject*) { ++events; };
  path.Flatten(1);
  EXPECT_EQ(events, 1);
  std::set<int> kinds;
  for (const auto& p : path.PathData) kinds.insert(p.Kind);
  EXPECT_EQ(kinds, (std::set<int>{M, L, Z}));
  EXPECT_EQ(path.PathData.front(), (TzrPathPoint{M, {0, 0}}));
  EXPECT_EQ(path.PathData[path.PathData.size() - 2].Point, (TzrPoint{20, 0}));
  EXPECT_EQ(path.PathData.back().Kind, Z);

  TzrPathData empty;
  TzrPolygon polygon;
  EXPECT_EQ(empty.FlattenToPolygon(polygon), (TzrPoint{0, 0}));
  EXPECT_TRUE(polygon.empty());
}

TEST(ZrPathData, BoundsAndTransforms) {
  TzrPathData path;
  EXPECT_EQ(path.GetBounds(), (TzrRect{0, 0, 0, 0}));
  path.MoveTo({3, 4});
  EXPECT_EQ(path.GetBounds(), (TzrRect{3, 4, 3.001f, 4.001f}));
  path.CurveTo({-5, 0}, {10, 20}, {6, 6});
  path.ClosePath();
  EXPECT_EQ(path.GetBounds(), (TzrRect{-5, 0, 10, 20}));  // control points count

  path.Offset(1, 2);
  path.Scale(2, 3);
  EXPECT_EQ(path.PathData[0].Point, (TzrPoint{8, 18}));
  EXPECT_EQ(path.PathData.back().Point, (TzrPoint{3, 4}));  // close entries keep their point
  TzrMatrix shift = IdentityMatrix;
  shift.m31 = 10;
  path.ApplyMatrix(shift);
  EXPECT_EQ(path.PathData[0].Point, (TzrPoint{18, 18}));
  EXPECT_EQ(path.PathData.back().Point, (TzrPoint{3, 4}));
}

std::vector<uint8_t> Blob(std::initializer_list<uint32_t> words) {
  std::vector<uint8_t> out;
  for (uint32_t w : words) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(w >> (8 * i)));
  }
  return out;
}

uint32_t Bits(float f) {
  uint32_t b;
  std::memcpy(&b, &f, 4);
  return b;
}

TEST(ZrPathBinary, ReadsBothLayoutsAndWritesTwelveByteEntries) {
  const std::vector<uint8_t> style =
      Blob({5, 0, Bits(1), 0, 1, Bits(1), Bits(1), 1, 0, Bits(0.5f), 1, Bits(1), 0, 3, 0, 0});
  ASSERT_EQ(style.size(), 64u);
  TzrPathData path;
  path.ReadPathBytes(style);
  EXPECT_EQ(path.GetPathString(), "M 1,0 L 1,1 L 0,0.500 L 1,0 Z ");
  EXPECT_EQ(path.WritePathBytes(), style);

  std::vector<uint8_t> old = Blob({2});
  for (auto [kind, x, y] : {std::tuple{0, 1.5f, 2.0f}, std::tuple{1, -3.0f, 4.0f}}) {
    old.push_back(static_cast<uint8_t>(kind));
    for (uint32_t w : {Bits(x), Bits(y)}) {
      for (int i = 0; i < 4; ++i) old.push_back(static_cast<uint8_t>(w >> (8 * i)));
    }
  }
  path.ReadPathBytes(old);
  ExpectNear(path.PathData, {{M, {1.5f, 2}}, {L, {-3, 4}}}, 0, "9-byte entries");

  path.ReadPathBytes(Blob({0}));
  EXPECT_TRUE(path.IsEmpty());
  path.ReadPathBytes(Blob({0xFFFFFFFF, 1, 2, 3}));
  EXPECT_TRUE(path.IsEmpty());
}

TEST(ZrPathBinary, StreamsCarryTheSameBytes) {
  TzrPathData path;
  path.SetPathString("M 1,2 C 3,4 5,6 7,8 Z");
  TMemoryStream stream;
  stream.WriteBuffer("xy", 2);
  path.WritePath(stream);
  EXPECT_EQ(stream.GetSize(), 2 + 4 + 5 * 12);
  stream.SetPosition(2);
  TzrPathData back;
  back.ReadPath(stream);
  EXPECT_EQ(back.PathData, path.PathData);
}

TEST(ZrPathBinary, CorruptDataIsRefused) {
  const std::vector<uint8_t> cases[] = {
      {},
      {1, 0},
      Blob({2, 0, 0, 0}),           // two entries, room for one
      Blob({0x7FFFFFFF, 0, 0, 0}),  // a count far beyond the data
      Blob({1, 7, 0, 0}),           // unknown kind
      Blob({2, 0, 0, 0, 1, 0}),     // second entry cut short
  };
  for (const auto& data : cases) {
    TzrPathData path;
    path.MoveTo({1, 1});
    EXPECT_THROW(path.ReadPathBytes(data), EStreamError) << data.size();
    EXPECT_EQ(path.PathData.size(), 1u);
  }
}

TEST(ZrPathBinary, IncompleteCurveEndsThePath) {
  TzrPathData path;
  path.ReadPathBytes(Blob({4, 0, 0, 0, 1, Bits(5), 0, 2, Bits(1), Bits(1), 2, Bits(2), Bits(2)}));
  ASSERT_EQ(path.PathData.size(), 4u);
  EXPECT_EQ(path.GetPathString(), "M 0,0 L 5,0 ");
  TzrPolygon polygon;
  path.FlattenToPolygon(polygon);
  EXPECT_EQ(polygon, (TzrPolygon{{0, 0}, {5, 0}}));
  path.Flatten();
  EXPECT_EQ(path.PathData.size(), 2u);
}

TEST(ZrPathShared, NamedPathIsFoundLinkedAndReleased) {
  auto resource = std::make_unique<TzrPathObject>(nullptr);
  resource->SetResourceName("ArrowShape");
  auto other = std::make_unique<TzrObject>(nullptr);
  other->SetResourceName("background");

  TzrPathData path;
  int events = 0;
  path.OnChanged = [&](TObject*) { ++events; };
  EXPECT_EQ(path.GetPath(), nullptr);  // no name: the path's own entries

  path.SetResourceName("background");  // a node that holds no path
  EXPECT_EQ(path.GetPath(), nullptr);
  EXPECT_EQ(path.GetResource(), nullptr);

  path.SetResourceName("arrowshape");
  EXPECT_EQ(events, 2);
  EXPECT_EQ(path.GetPath(), resource->GetPath());
  EXPECT_EQ(path.GetResource(), resource.get());
  EXPECT_EQ(path.GetResourceName(), "ArrowShape");
  EXPECT_EQ(events, 3);

  TzrPathData copy;
  copy.Assign(&path);
  EXPECT_EQ(copy.GetResource(), resource.get());
  EXPECT_TRUE(copy.IsEmpty());

  resource.reset();
  EXPECT_EQ(path.GetResource(), nullptr);
  EXPECT_EQ(copy.GetResource(), nullptr);
  EXPECT_EQ(path.GetResourceName(), "ArrowShape");
  EXPECT_EQ(events, 3);  // dropping the link fires nothing
  EXPECT_EQ(path.GetPath(), nullptr);

  auto again = std::make_unique<TzrPathObject>(nullptr);
  again->SetResourceName("ArrowShape");
  EXPECT_EQ(path.GetPath(), again->GetPath());  // the name is looked up again
  path.SetResource(nullptr);
  EXPECT_EQ(path.GetResourceName(), "");
  {
    TzrPathData shortLived;
    shortLived.SetResource(again.get());
  }
  again.reset();  // the freed path left the node's list: nothing dangles
}

TEST(ZrPathShared, AssignCopiesOwnEntries) {
  TzrPathData source, target;
  source.SetPathString("M 1,1 L 2,2");
  int events = 0;
  target.OnChanged = [&](TObject*) { ++events; };
  target.Assign(&source);
  EXPECT_EQ(target.PathData, source.PathData);
  EXPECT_EQ(events, 1);
  EXPECT_THROW(target.Assign(nullptr), EConvertError);
}

}  // namespace
