#include <gtest/gtest.h>

#include "platform/gdiplus/GdiPlus.h"

using namespace Gdiplus;

TEST(GdiPlusMatrix, PrependActsFirstAppendActsLast) {
  Matrix m;
  m.Translate(10, 0);
  m.Scale(2, 2);  // prepended: scale first, then translate
  PointF p(1, 1);
  m.TransformPoints(&p);
  EXPECT_FLOAT_EQ(p.X, 12);
  EXPECT_FLOAT_EQ(p.Y, 2);
  Matrix a;
  a.Translate(10, 0);
  a.Scale(2, 2, MatrixOrderAppend);  // translate, then scale
  PointF q(1, 1);
  a.TransformPoints(&q);
  EXPECT_FLOAT_EQ(q.X, 22);
  EXPECT_FLOAT_EQ(q.Y, 2);
}
