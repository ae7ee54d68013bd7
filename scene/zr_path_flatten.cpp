// Flattening of paths: every curve becomes a run of line segments whose
// count follows the curve's size and the tolerance.
#include <algorithm>
#include <cmath>

#include "scene/zr_path.h"

namespace {

// Points emitted for one curve at most, so that corrupt coordinates cannot
// ask for unbounded memory.
constexpr double kMaxCurveSamples = 65536;

// Receives the flattened figures entry by entry.
struct TFlattenSink {
  virtual ~TFlattenSink() = default;
  virtual void Move(const TzrPoint& P) = 0;
  virtual void Line(const TzrPoint& P) = 0;
  virtual void Close(const TzrPoint& Start) = 0;
};

int SampleCount(const TzrPoint& from, const TzrPoint& to, float tolerance) {
  const double distance = std::hypot(double(to.X) - from.X, double(to.Y) - from.Y);
  const double n = std::nearbyint(distance / tolerance);
  if (!(n >= 2)) return 2;
  return static_cast<int>(std::min(n, kMaxCurveSamples));
}

void SampleCurve(const TzrPoint& p0, const TzrPoint& p1, const TzrPoint& p2, const TzrPoint& p3,
                 int n, TFlattenSink& sink) {
  const float cx = 3 * (p1.X - p0.X), bx = 3 * (p2.X - p1.X) - cx, ax = p3.X - p0.X - cx - bx;
  const float cy = 3 * (p1.Y - p0.Y), by = 3 * (p2.Y - p1.Y) - cy, ay = p3.Y - p0.Y - cy - by;
  const float step = 1.0f / static_cast<float>(n - 1);
  float t = 0;
  for (int i = 0; i < n; ++i) {
    const float t2 = t * t, t3 = t2 * t;
    sink.Line({ax * t3 + bx * t2 + cx * t + p0.X, ay * t3 + by * t2 + cy * t + p0.Y});
    t += step;
  }
}

void Walk(const std::vector<TzrPathPoint>& entries, float tolerance, TFlattenSink& sink) {
  TzrPoint current, start;
  const size_t count = entries.size();
  for (size_t i = 0; i < count; ++i) {
    const TzrPathPoint& e = entries[i];
    switch (e.Kind) {
      case zrPathPointMoveTo:
        sink.Move(e.Point);
        current = start = e.Point;
        break;
      case zrPathPointLineTo:
        sink.Line(e.Point);
        current = e.Point;
        break;
      case zrPathPointCurveTo: {
        if (i + 2 >= count) return;  // an incomplete curve ends the path
        const TzrPoint& end = entries[i + 2].Point;
        SampleCurve(current, e.Point, entries[i + 1].Point, end,
                    SampleCount(e.Point, end, tolerance), sink);
        current = end;
        i += 2;
        break;
      }
      case zrPathPointClose:
        sink.Close(start);
        break;
    }
  }
}

float Tolerance(const TzrRect& bounds, float flatness) {
  const float side =
      std::min((bounds.Right - bounds.Left) / 100, (bounds.Bottom - bounds.Top) / 100);
  const float f = flatness * side;
  return f >= 0.05f ? f : 0.05f;
}

struct TPolygonSink : TFlattenSink {
  explicit TPolygonSink(TzrPolygon& P) : Polygon(P) {}
  void Move(const TzrPoint& P) override { Polygon.push_back(P); }
  void Line(const TzrPoint& P) override { Polygon.push_back(P); }
  void Close(const TzrPoint& Start) override {
    Polygon.push_back(Start);
    Polygon.push_back(ClosePolygon);
  }
  TzrPolygon& Polygon;
};

struct TPathSink : TFlattenSink {
  explicit TPathSink(TzrPathData& P) : Path(P) {}
  void Move(const TzrPoint& P) override { Path.MoveTo(P); }
  void Line(const TzrPoint& P) override { Path.LineTo(P); }
  void Close(const TzrPoint&) override { Path.ClosePath(); }
  TzrPathData& Path;
};

}  // namespace

void TzrPathData::Flatten(float Flatness) {
  if (PathData.empty()) return;
  const float tolerance = Tolerance(GetBounds(), Flatness);
  const std::vector<TzrPathPoint> entries = std::move(PathData);
  PathData.clear();
  TPathSink sink(*this);
  Walk(entries, tolerance, sink);
  DoChanged();
}

TzrPoint TzrPathData::FlattenToPolygon(TzrPolygon& Polygon, float Flatness) const {
  if (PathData.empty()) return {};
  const TzrRect bounds = GetBounds();
  TPolygonSink sink(Polygon);
  Walk(PathData, Tolerance(bounds, Flatness), sink);
  return {std::fabs(bounds.Right - bounds.Left), std::fabs(bounds.Bottom - bounds.Top)};
}
