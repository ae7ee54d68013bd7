#include "scene/zr_spline.h"

#include <cmath>

namespace {

using Extended = long double;

// First derivatives D0..Dm of the natural spline through P0..Pm (m >= 1):
// the symmetric tridiagonal system with diagonal 2, 4, ..., 4, 2 and ones
// beside it, solved by a square-root (Cholesky) factorisation.
std::vector<float> SolveDerivatives(const std::vector<float>& P) {
  const size_t m = P.size() - 1;
  std::vector<float> R(m + 1), L(m + 1), E(m), Z(m + 1), D(m + 1);
  R[0] = 3 * (P[1] - P[0]);
  for (size_t i = 1; i < m; ++i) R[i] = 3 * (P[i + 1] - P[i - 1]);
  R[m] = 3 * (P[m] - P[m - 1]);

  L[0] = static_cast<float>(std::sqrt(Extended(2)));
  for (size_t i = 1; i <= m; ++i) {
    E[i - 1] = static_cast<float>(1 / Extended(L[i - 1]));
    Extended Diagonal = i < m ? 4 : 2;
    L[i] = static_cast<float>(std::sqrt(Diagonal - Extended(E[i - 1]) * E[i - 1]));
  }
  Z[0] = static_cast<float>(R[0] / Extended(L[0]));
  for (size_t k = 1; k <= m; ++k) {
    Z[k] = static_cast<float>((R[k] - Extended(Z[k - 1]) * E[k - 1]) / L[k]);
  }
  D[m] = static_cast<float>(Z[m] / Extended(L[m]));
  for (size_t i = m; i-- > 0;) {
    D[i] = static_cast<float>((Z[i] - Extended(D[i + 1]) * E[i]) / L[i]);
  }
  return D;
}

// The segments' cubics of one coordinate, expanded in the global parameter.
TzrSplineMatrix BuildMatrix(const std::vector<float>& P) {
  if (P.empty()) return {};
  if (P.size() == 1) return {TzrSplineSegment{0, 0, 0, P[0]}};
  std::vector<float> D = SolveDerivatives(P);
  TzrSplineMatrix Matrix(P.size() - 1);
  for (size_t j = 0; j + 1 < P.size(); ++j) {
    Extended J = Extended(j);
    Extended Delta = Extended(P[j + 1]) - P[j];
    Extended b = 3 * Delta - 2 * Extended(D[j]) - D[j + 1];
    Extended a = Extended(D[j]) + D[j + 1] - 2 * Delta;
    TzrSplineSegment& S = Matrix[j];
    S.Cubic = static_cast<float>(a);
    S.Quadratic = static_cast<float>(b - 3 * a * J);
    S.Linear = static_cast<float>(D[j] - 2 * b * J + 3 * a * J * J);
    S.Constant = static_cast<float>(P[j] - D[j] * J + b * J * J - a * J * J * J);
  }
  return Matrix;
}

float Evaluate(const TzrSplineMatrix& Matrix, int Len, float t) {
  if (Matrix.empty()) return 0;
  int k;
  if (t <= 0)
    k = 0;
  else if (t > Len - 1)
    k = Len - 1;
  else
    k = static_cast<int>(std::trunc(t));
  // The last point is reached on the last segment; a single point has one
  // constant segment.
  if (k >= static_cast<int>(Matrix.size())) k = static_cast<int>(Matrix.size()) - 1;
  const TzrSplineSegment& S = Matrix[k];
  Extended x = t;
  return static_cast<float>(((S.Cubic * x + S.Quadratic) * x + S.Linear) * x + S.Constant);
}

}  // namespace

TzrSpline::TzrSpline(const TzrPolygon& Polygon) {
  std::vector<float> Xs, Ys;
  Xs.reserve(Polygon.size());
  Ys.reserve(Polygon.size());
  for (const TzrPoint& P : Polygon) {
    Xs.push_back(P.X);
    Ys.push_back(P.Y);
  }
  matX = BuildMatrix(Xs);
  matY = BuildMatrix(Ys);
  len = static_cast<int>(Polygon.size());
}

void TzrSpline::SplineXY(float t, float& X, float& Y) const {
  X = Evaluate(matX, len, t);
  Y = Evaluate(matY, len, t);
}
