#include "chart/BSpline.h"

#include <algorithm>
#include <cmath>

#include "chart/ChartException.h"

TBSpline::TBSpline(const TVertex* Points, int High) {
  Clear();
  for (int i = 0; i <= High; ++i) AddPoint(Points[i].X, Points[i].Y);
}

void TBSpline::Clear() {
  FVertexList.clear();
  FNoPoints = 0;
  FNoVertices = 0;
  FBuild = false;
  FKnuckleList.clear();
  SetCapacity(0);
  FInterpolated = false;
  FFragments = 100;
}

void TBSpline::SetCapacity(int Value) {
  FCapacity = Value;
  FPointList.resize(static_cast<size_t>(Value) + 1);
  // Knuckles already set are kept; new room starts without knuckles.
  FKnuckleList.resize(static_cast<size_t>(Value), false);
}

void TBSpline::MarkNotBuilt() {
  FBuild = false;
  FVertexList.clear();
}

void TBSpline::AddPoint(double X, double Y) {
  if (FNoPoints == FCapacity) {
    SetCapacity(FCapacity + 5);
  }
  ++FNoPoints;
  FPointList[static_cast<size_t>(FNoPoints)] = {X, Y};
  MarkNotBuilt();
}

static void CheckIndex(int Index, int Count) {
  if (Index < 1 || Index > Count) throw ChartException("Point index out of range");
}

TVertex TBSpline::GetPoint(int Index) const {
  CheckIndex(Index, FNoPoints);
  return FPointList[static_cast<size_t>(Index)];
}

void TBSpline::SetPoint(int Index, const TVertex& Value) {
  CheckIndex(Index, FNoPoints);
  FPointList[static_cast<size_t>(Index)] = Value;
  MarkNotBuilt();
}

bool TBSpline::GetKnuckle(int Index) const {
  CheckIndex(Index, FNoPoints);
  if (Index == 1 || Index == FNoPoints) return false;
  return FKnuckleList[static_cast<size_t>(Index - 1)];
}

void TBSpline::SetKnuckle(int Index, bool Value) {
  CheckIndex(Index, FNoPoints);
  FKnuckleList[static_cast<size_t>(Index - 1)] = Value;
  MarkNotBuilt();
}

void TBSpline::SetInterpolated(bool Value) {
  if (Value == FInterpolated) return;
  FInterpolated = Value;
  MarkNotBuilt();
}

void TBSpline::SetFragments(int Value) { FFragments = std::min(Value, MaxFragments); }

int TBSpline::NumberOfVertices() {
  if (!FBuild) Rebuild();
  return FNoVertices;
}

// Every point gives one control vertex, a knuckle three equal ones.
void TBSpline::FillVertices() {
  FNoVertices = 0;
  for (int i = 1; i <= FNoPoints; ++i) FNoVertices += GetKnuckle(i) ? 3 : 1;
  FVertexList.assign(static_cast<size_t>(FNoVertices) + 2, TVertex{});
  size_t v = 1;
  for (int i = 1; i <= FNoPoints; ++i) {
    const int copies = GetKnuckle(i) ? 3 : 1;
    for (int c = 0; c < copies; ++c) FVertexList[v++] = FPointList[static_cast<size_t>(i)];
  }
}

static bool Coincide(const TVertex& A, const TVertex& B) {
  return std::fabs(A.X - B.X) < 1e-5 && std::fabs(A.Y - B.Y) < 1e-5;
}

// Solves for control vertices whose curve passes through the points. The
// system is tridiagonal, so only its three diagonals are kept (sub, main,
// super) and the elimination runs in linear time and memory.
void TBSpline::SolveInterpolation() {
  const int n = FNoVertices;
  std::vector<double> sub(static_cast<size_t>(n) + 1, 0), diag(static_cast<size_t>(n) + 1, 1),
      super(static_cast<size_t>(n) + 1, 0);
  if (n > 2) {
    for (int i = 2; i <= n - 1; ++i) {
      sub[static_cast<size_t>(i)] = 1.0 / 6;
      diag[static_cast<size_t>(i)] = 2.0 / 3;
      super[static_cast<size_t>(i)] = 1.0 / 6;
    }
  }
  std::vector<TVertex>& v = FVertexList;
  int i = 3;
  while (i < n - 1) {
    if (Coincide(v[static_cast<size_t>(i - 1)], v[static_cast<size_t>(i)]) &&
        Coincide(v[static_cast<size_t>(i)], v[static_cast<size_t>(i + 1)])) {
      for (int r = i - 1; r <= i + 1; ++r) {
        sub[static_cast<size_t>(r)] = 0;
        diag[static_cast<size_t>(r)] = 1;
        super[static_cast<size_t>(r)] = 0;
      }
      i += 2;
    } else {
      ++i;
    }
  }
  for (int p = 1; p < n; ++p) {
    const size_t q = static_cast<size_t>(p) + 1;
    const double f = sub[q] / diag[q - 1];
    diag[q] -= f * super[q - 1];
    sub[q] = 0;
    v[q].X -= f * v[q - 1].X;
    v[q].Y -= f * v[q - 1].Y;
  }
  std::vector<TVertex> r(static_cast<size_t>(n) + 1);
  r[static_cast<size_t>(n)] = {v[static_cast<size_t>(n)].X / diag[static_cast<size_t>(n)],
                               v[static_cast<size_t>(n)].Y / diag[static_cast<size_t>(n)]};
  for (int k = n - 1; k >= 1; --k) {
    const size_t s = static_cast<size_t>(k);
    r[s].X = (v[s].X - super[s] * r[s + 1].X) / diag[s];
    r[s].Y = (v[s].Y - super[s] * r[s + 1].Y) / diag[s];
  }
  for (int k = 1; k <= n; ++k) v[static_cast<size_t>(k)] = r[static_cast<size_t>(k)];
}

void TBSpline::Rebuild() {
  if (FNoPoints < 2) return;
  FillVertices();
  if (FInterpolated) SolveInterpolation();
  FBuild = true;
  const size_t n = static_cast<size_t>(FNoVertices);
  std::vector<TVertex>& v = FVertexList;
  v[0] = {2 * v[1].X - v[2].X, 2 * v[1].Y - v[2].Y};
  v[n + 1] = {2 * v[n].X - v[n - 1].X, 2 * v[n].Y - v[n - 1].Y};
}

static double Weight(double D) {
  if (D < 1) return 2.0 / 3 - D * D + D * D * D / 2;
  if (D < 2) return (2 - D) * (2 - D) * (2 - D) / 6;
  return 0;
}

TVertex TBSpline::Value(double T) {
  if (FNoPoints < 2) return {};
  if (!FBuild) Rebuild();
  T = std::clamp(T, 0.0, 1.0);
  const int n = FNoVertices;
  const double u = (n - 1) * T + 1;
  const int s = std::clamp(static_cast<int>(u - 1), 0, n + 1);
  TVertex result;
  // The last vertex is n + 1: beyond it every weight would be 0 anyway.
  for (int k = s; k <= std::min(s + 3, n + 1); ++k) {
    const double w = Weight(std::fabs(k - u));
    result.X += w * FVertexList[static_cast<size_t>(k)].X;
    result.Y += w * FVertexList[static_cast<size_t>(k)].Y;
  }
  return result;
}
