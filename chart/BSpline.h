#pragma once
// A uniform cubic B-spline through a list of (x, y) points, optionally made
// to pass through them (interpolated). Knows nothing of charts: a smoothing
// function feeds it a series' points and samples it with Value.

#include <vector>

struct TVertex {
  double X = 0;
  double Y = 0;
};

class TBSpline {
 public:
  TBSpline() { Clear(); }
  // An empty curve, then each pair of the array added in order, knuckles off.
  TBSpline(const TVertex* Points, int High);

  void AddPoint(double X, double Y);
  // Points and knuckles are counted from 1.
  TVertex GetPoint(int Index) const;
  void SetPoint(int Index, const TVertex& Value);
  bool GetKnuckle(int Index) const;
  void SetKnuckle(int Index, bool Value);

  bool GetInterpolated() const { return FInterpolated; }
  void SetInterpolated(bool Value);
  int GetFragments() const { return FFragments; }
  void SetFragments(int Value);
  int NumberOfPoints() const { return FNoPoints; }
  int NumberOfVertices();

  // The curve at parameter T (0 at the first point, 1 at the last).
  TVertex Value(double T);
  void Clear();

  static constexpr int MaxFragments = 600;

 private:
  void SetCapacity(int Value);
  void MarkNotBuilt();
  void Rebuild();
  void FillVertices();
  void SolveInterpolation();

  int FNoPoints = 0;
  int FCapacity = 0;
  std::vector<TVertex> FPointList;     // 1 .. capacity
  std::vector<TVertex> FVertexList;    // 0 .. FNoVertices + 1 (phantoms at both ends)
  std::vector<bool> FKnuckleList;      // 1 .. capacity, stored from 0
  bool FBuild = false;
  int FNoVertices = 0;
  bool FInterpolated = false;
  int FFragments = 100;
};
