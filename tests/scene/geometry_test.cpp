#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scene/zr_geometry.h"

namespace {

TzrMatrix Translation(float Dx, float Dy) {
  TzrMatrix M = IdentityMatrix;
  M.m31 = Dx;
  M.m32 = Dy;
  return M;
}

TzrMatrix Scaling(float Sx, float Sy) {
  TzrMatrix M = IdentityMatrix;
  M.m11 = Sx;
  M.m22 = Sy;
  return M;
}

TzrPoint Apply(const TzrMatrix& M, TzrPoint P) {
  return zrPointFromVector(zrVectorTransform(zrVector(P, 1), M));
}

void ExpectMatrixNear(const TzrMatrix& Expected, const TzrMatrix& Actual, float Tolerance) {
  for (int I = 0; I < 3; ++I) {
    for (int J = 0; J < 3; ++J) {
      EXPECT_NEAR(Expected.At(I, J), Actual.At(I, J), Tolerance) << "entry " << I + 1 << J + 1;
    }
  }
}

// A product A*B applies A first, then B, to a row vector.
struct ProductCase {
  const char* Name;
  TzrMatrix A, B;
  TzrPoint P, Expected;
};

TEST(MatrixTest, ProductsApplyTheLeftMatrixFirst) {
  const ProductCase Cases[] = {
      {"translate then scale", Translation(10, 0), Scaling(2, 3), {1, 1}, {22, 3}},
      {"scale then translate", Scaling(2, 3), Translation(10, 0), {1, 1}, {12, 3}},
      {"rotate a quarter then translate",
       zrCreateRotationMatrix(cPIdiv2),
       Translation(5, 5),
       {1, 0},
       {5, 6}},
      {"translate then rotate a quarter",
       Translation(1, 0),
       zrCreateRotationMatrix(cPIdiv2),
       {1, 0},
       {0, 2}},
      {"identity", IdentityMatrix, IdentityMatrix, {-3, 4}, {-3, 4}},
  };
  for (const ProductCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TzrPoint P = Apply(zrMatrixMultiply(C.A, C.B), C.P);
    EXPECT_NEAR(C.Expected.X, P.X, 1e-5);
    EXPECT_NEAR(C.Expected.Y, P.Y, 1e-5);
    // The same as applying one after the other.
    TzrPoint Q = Apply(C.B, Apply(C.A, C.P));
    EXPECT_NEAR(Q.X, P.X, 1e-5);
    EXPECT_NEAR(Q.Y, P.Y, 1e-5);
  }
}

TEST(MatrixTest, ProductOfFullMatricesSumsRowTimesColumn) {
  TzrMatrix A{1, 2, 3, 4, 5, 6, 7, 8, 9};
  TzrMatrix B{9, 8, 7, 6, 5, 4, 3, 2, 1};
  TzrMatrix Expected{30, 24, 18, 84, 69, 54, 138, 114, 90};
  EXPECT_EQ(Expected, zrMatrixMultiply(A, B));
  EXPECT_NE(zrMatrixMultiply(A, B), zrMatrixMultiply(B, A));
}

TEST(MatrixTest, RotationTurnsClockwiseOnAScreenWithYDown) {
  TzrMatrix R = zrCreateRotationMatrix(cPIdiv2);
  EXPECT_FLOAT_EQ(1, R.m12);
  EXPECT_FLOAT_EQ(-1, R.m21);
  EXPECT_FLOAT_EQ(1, R.m33);
  EXPECT_EQ(0, R.m31);
  TzrPoint P = Apply(R, {1, 0});
  EXPECT_NEAR(0, P.X, 1e-6);
  EXPECT_NEAR(1, P.Y, 1e-6);  // from the right to below the origin
}

TEST(MatrixTest, TransformIgnoresTheWColumnAndDividesNothing) {
  TzrMatrix M = Translation(3, 4);
  M.m13 = 7;
  M.m23 = 8;
  M.m33 = 2;
  TzrVector V = zrVectorTransform(zrVector(1.0f, 1.0f, 2.0f), M);
  EXPECT_EQ(7, V.X);  // 1 + 2*3
  EXPECT_EQ(9, V.Y);  // 1 + 2*4
  EXPECT_EQ(1, V.W);
}

TEST(MatrixTest, DeterminantAndAdjugate) {
  TzrMatrix M{2, 0, 1, 1, 3, 2, 1, 1, 2};
  EXPECT_FLOAT_EQ(6, zrMatrixDeterminant(M));
  TzrMatrix Adjugate = M;
  zrAdjointMatrix(Adjugate);
  TzrMatrix Expected{4, 1, -3, 0, 3, -3, -2, -2, 6};
  EXPECT_EQ(Expected, Adjugate);
  // M * adj(M) = det(M) * I
  TzrMatrix SixIdentity = IdentityMatrix;
  zrScaleMatrix(SixIdentity, 6);
  ExpectMatrixNear(SixIdentity, zrMatrixMultiply(M, Adjugate), 0);
  EXPECT_FLOAT_EQ(0, zrMatrixDeterminant(TzrMatrix{2, 0, 1, 1, 3, 2, 1, 1, 1}));
}

struct InverseCase {
  const char* Name;
  TzrMatrix M;
};

TEST(MatrixTest, InverseTimesMatrixIsIdentity) {
  TzrMatrix Rotated = zrMatrixMultiply(zrCreateRotationMatrix(0.7f), Translation(-12, 40));
  const InverseCase Cases[] = {
      {"translation", Translation(10, -20)},
      {"scaling", Scaling(4, 0.5f)},
      {"rotation and translation", Rotated},
      {"general affine", TzrMatrix{2, 1, 0, -1, 3, 0, 5, 7, 1}},
      {"full", TzrMatrix{2, 0, 1, 1, 3, 2, 1, 1, 2}},
  };
  for (const InverseCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TzrMatrix Inverse = C.M;
    zrInvertMatrix(Inverse);
    ExpectMatrixNear(IdentityMatrix, zrMatrixMultiply(C.M, Inverse), 1e-5f);
    ExpectMatrixNear(IdentityMatrix, zrMatrixMultiply(Inverse, C.M), 1e-5f);
  }
}

TEST(MatrixTest, InverseOfAKnownMatrix) {
  TzrMatrix M{2, 0, 0, 0, 4, 0, 1, 2, 1};
  zrInvertMatrix(M);
  EXPECT_EQ((TzrMatrix{0.5f, 0, 0, 0, 0.25f, 0, -0.5f, -0.5f, 1}), M);
  // Undoes the mapping of a point.
  TzrPoint P = Apply(M, Apply(TzrMatrix{2, 0, 0, 0, 4, 0, 1, 2, 1}, {3, -5}));
  EXPECT_FLOAT_EQ(3, P.X);
  EXPECT_FLOAT_EQ(-5, P.Y);
}

TEST(MatrixTest, SingularMatricesInvertToIdentity) {
  const InverseCase Cases[] = {
      {"zero row", TzrMatrix{1, 2, 0, 0, 0, 0, 3, 4, 1}},
      {"zero matrix", ZeroMatrix},
      {"equal rows", TzrMatrix{1, 2, 3, 1, 2, 3, 0, 0, 1}},
  };
  for (const InverseCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TzrMatrix M = C.M;
    zrInvertMatrix(M);
    EXPECT_EQ(IdentityMatrix, M);
  }
}

TEST(MatrixTest, IndexedAccessFollowsRowOrder) {
  TzrMatrix M{1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(6, M.At(1, 2));
  EXPECT_EQ((TzrVector{7, 8, 9}), M.M(2));
  M.SetM(0, {10, 11, 12});
  EXPECT_EQ(11, M.m12);
  TzrVector V{1, 2, 3};
  V.V(2) = 5;
  EXPECT_EQ(5, V.W);
}

TEST(RectTest, TwoArgumentIntersectCountsTouchingRects) {
  struct Case {
    TzrRect R1, R2;
    bool Expected;
  };
  const Case Cases[] = {
      {{0, 0, 10, 10}, {10, 0, 20, 10}, true},   // touching side
      {{0, 0, 10, 10}, {10, 10, 20, 20}, true},  // touching corner
      {{0, 0, 10, 10}, {5, 5, 6, 6}, true},      // inside
      {{0, 0, 10, 10}, {11, 0, 20, 10}, false}, {{0, 0, 10, 10}, {0, -5, 10, -1}, false},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(C.Expected, zrIntersectRect(C.R1, C.R2))
        << C.R2.Left << "," << C.R2.Top << "," << C.R2.Right << "," << C.R2.Bottom;
  }
}

TEST(RectTest, ThreeArgumentIntersectNeedsPositiveArea) {
  TzrRect R{1, 1, 1, 1};
  EXPECT_FALSE(zrIntersectRect(R, {0, 0, 10, 10}, {10, 0, 20, 10}));
  EXPECT_EQ(NullRect, R);
  EXPECT_TRUE(zrIntersectRect(R, {0, 0, 10, 10}, {5, -5, 20, 8}));
  EXPECT_EQ((TzrRect{5, 0, 10, 8}), R);
}

TEST(RectTest, PointInRectIncludesEveryEdgeAndCorner) {
  const TzrRect R{0, 0, 10, 20};
  for (TzrPoint P : {TzrPoint{0, 0}, TzrPoint{10, 0}, TzrPoint{0, 20}, TzrPoint{10, 20},
                     TzrPoint{5, 0}, TzrPoint{10, 7}, TzrPoint{5, 20}, TzrPoint{0, 7}}) {
    EXPECT_TRUE(zrPtInRect(P, R)) << P.X << "," << P.Y;
  }
  EXPECT_FALSE(zrPtInRect({10.01f, 5}, R));
  EXPECT_FALSE(zrPtInRect({5, -0.01f}, R));
}

TEST(RectTest, UnionEmptinessAndBounds) {
  EXPECT_EQ((TzrRect{0, 0, 20, 15}), zrUnionRect({5, 5, 20, 15}, NullRect));
  EXPECT_TRUE(zrIsRectEmpty({0, 0, 0, 10}));
  EXPECT_TRUE(zrIsRectEmpty({10, 0, 5, 10}));
  EXPECT_FALSE(zrIsRectEmpty({0, 0, 1, 1}));

  EXPECT_EQ((TzrRect{61440, 61440, -61440, -61440}), zrNormalizeRect(std::vector<TzrPoint>{}));
  EXPECT_EQ((TzrRect{-3, 1, 4, 9}), zrNormalizeRect({TzrPoint{4, 1}, TzrPoint{-3, 9}}));
  EXPECT_EQ((TzrRect{2, 1, 10, 8}), zrNormalizeRect(TzrRect{10, 8, 2, 1}));
}

TEST(RectTest, OffsetInflateMultiply) {
  TzrRect R{1, 2, 3, 4};
  zrOffsetRect(R, 10, 20);
  EXPECT_EQ((TzrRect{11, 22, 13, 24}), R);
  zrInflateRect(R, 1, -1);
  EXPECT_EQ((TzrRect{10, 23, 14, 23}), R);
  zrMultiplyRect(R, 2, 0.5f);
  EXPECT_EQ((TzrRect{20, 11.5f, 28, 11.5f}), R);
}

TEST(RectTest, CenteringRoundsHalvesToEven) {
  struct Case {
    TzrRect R, Bounds, Expected;
  };
  const Case Cases[] = {
      {{7, 7, 8, 8}, {0, 0, 4, 4}, {2, 2, 3, 3}},          // offset 1.5 -> 2
      {{0, 0, 2, 2}, {10, 20, 17, 27}, {12, 22, 14, 24}},  // offset 2.5 -> 2
      {{0, 0, 4, 2}, {0, 0, 10, 10}, {3, 4, 7, 6}},
  };
  for (const Case& C : Cases) {
    TzrRect R = C.R;
    TzrRect Returned = zrRectCenter(R, C.Bounds);
    EXPECT_EQ(C.Expected, R);
    EXPECT_EQ(C.Expected, Returned);
  }
}

TEST(RectTest, FittingShrinksButNeverEnlarges) {
  struct Case {
    TzrRect R, Bounds, Expected;
    float Ratio;
  };
  const Case Cases[] = {
      {{0, 0, 200, 100}, {0, 0, 100, 100}, {0, 25, 100, 75}, 2},
      {{0, 0, 50, 20}, {0, 0, 100, 100}, {25, 40, 75, 60}, 0.5f},
      {{0, 0, 108, 400}, {10, 10, 110, 110}, {46, 10, 73, 110}, 4},  // offset 36.5 -> 36
  };
  for (const Case& C : Cases) {
    TzrRect R = C.R;
    EXPECT_FLOAT_EQ(C.Ratio, zrFitRect(R, C.Bounds));
    EXPECT_EQ(C.Expected, R);
  }
  TzrRect R{1, 2, 3, 4};
  EXPECT_EQ(1, zrFitRect(R, {0, 0, 0, 50}));
  EXPECT_EQ((TzrRect{1, 2, 3, 4}), R);
}

TEST(AngleTest, NormalizeFoldsIntoMinus180To360) {
  struct Case {
    float A, Expected;
  };
  const Case Cases[] = {{370, 10},   {-190, 170}, {-90, -90}, {270, 270}, {-540, -180},
                        {-181, 179}, {720, 0},    {359, 359}, {-359, 1},  {0, 0}};
  for (const Case& C : Cases) {
    EXPECT_FLOAT_EQ(C.Expected, zrNormalizeAngle(C.A)) << C.A;
  }
}

TEST(AngleTest, DegreesAndRadians) {
  EXPECT_FLOAT_EQ(cPI, zrDegToRad(180));
  EXPECT_FLOAT_EQ(90, zrRadToDeg(cPIdiv2));
  float S, C;
  zrSinCos(cPIdiv2, S, C);
  EXPECT_FLOAT_EQ(1, S);
  EXPECT_NEAR(0, C, 1e-6);
}

TEST(VectorTest, ZeroVectorsAreGuarded) {
  EXPECT_EQ(0, zrVectorAngleCosine(zrVector(0.0f, 0.0f), zrVector(1.0f, 0.0f)));
  EXPECT_EQ((TzrVector{0, 0, 0}), zrVectorNormalize(zrVector(0.0f, 0.0f)));
  EXPECT_EQ((TzrVector{0.6f, 0.8f, 0}), zrVectorNormalize(zrVector(3.0f, 4.0f)));
}

TEST(VectorTest, AngleSignFollowsTheCrossProduct) {
  TzrVector Right = zrVector(1.0f, 0.0f);
  TzrVector Down = zrVector(0.0f, 1.0f);
  EXPECT_FLOAT_EQ(-90, zrVectorAngle(Right, Down));  // cross product > 0
  EXPECT_FLOAT_EQ(90, zrVectorAngle(Down, Right));   // cross product < 0
  EXPECT_FLOAT_EQ(5, zrVectorLength(zrVector(3.0f, -4.0f)));
  EXPECT_FLOAT_EQ(25, zrVectorNorm(zrVector(3.0f, -4.0f)));
}

TEST(VectorTest, OppositeVectorsMakeHalfATurn) {
  // The cosine of these falls a rounding step below -1.
  TzrVector A = zrVector(0.026f, 0.3142f);
  TzrVector B = zrVector(-0.026f, -0.3142f);
  EXPECT_LE(zrVectorAngleCosine(A, B), -1);
  EXPECT_FLOAT_EQ(180, std::fabs(zrVectorAngle(A, B)));
  EXPECT_FLOAT_EQ(180, std::fabs(zrVectorAngle(zrVector(1.0f, 0.0f), zrVector(-1.0f, 0.0f))));
}

TEST(VectorTest, ReflectMirrorsAtTheNormal) {
  TzrVector R = zrVectorReflect(zrVector(1.0f, 1.0f), zrVector(0.0f, -1.0f));
  EXPECT_EQ(1, R.X);
  EXPECT_EQ(-1, R.Y);
}

TEST(PointTest, MinPointPrefersTheUpperThenTheLeftPoint) {
  EXPECT_EQ((TzrPoint{5, 1}), zrMinPoint({1, 2}, {5, 1}));
  EXPECT_EQ((TzrPoint{1, 2}), zrMinPoint({1, 2}, {5, 2}));
  EXPECT_EQ((TzrPoint{0, 2}), zrMinPoint({1, 2}, {0, 2}));
  EXPECT_EQ(3, zrMinMax(7, 0, 3));
  EXPECT_EQ(0, zrMinMax(-7, 0, 3));
}

}  // namespace
