// Text margins in pixels per unit, and the automatic-text flags.

#include <gtest/gtest.h>

#include "chart/ChartTextMargins.h"

namespace {

TEST(ChartMargins, PixelsPerUnit) {
  struct Case {
    TMarginUnits Units;
    int Left, Top;
    TRect Expected;
  };
  // A 13-pixel font: 10 % is 1.3 (1), 20 % is 2.6 (3); the box is 200 x 50.
  const Case cases[] = {
      {maPercentFont, 10, 20, {1, 3, 1, 3}},
      {maPercentSize, 10, 20, {20, 10, 20, 10}},
      {maPixels, 10, 20, {10, 20, 10, 20}},
  };
  for (const Case& c : cases) {
    TMargins m;
    m.SetUnits(c.Units);
    m.SetLeft(c.Left);
    m.SetRight(c.Left);
    m.SetTop(c.Top);
    m.SetBottom(c.Top);
    m.Calculate(200, 50, 13);
    EXPECT_EQ(m.Last().Left, c.Expected.Left) << c.Units;
    EXPECT_EQ(m.Last().Top, c.Expected.Top) << c.Units;
    EXPECT_EQ(m.HorizSize(), c.Expected.Left + c.Expected.Right) << c.Units;
    EXPECT_EQ(m.VertSize(), c.Expected.Top + c.Expected.Bottom) << c.Units;
  }
}

TEST(ChartMargins, DefaultsChangesAndCopies) {
  int changes = 0;
  TMargins m([&](TObject*) { ++changes; });
  EXPECT_EQ(m.GetLeft(), 10);
  EXPECT_EQ(m.GetTop(), 5);
  m.SetLeft(10);
  EXPECT_EQ(changes, 0);
  m.SetLeft(12);
  EXPECT_EQ(changes, 1);
  m.SetDefaultHoriz(20);  // the marks' default: both sides, no notice
  EXPECT_EQ(m.GetLeft(), 20);
  EXPECT_EQ(m.GetRight(), 20);
  EXPECT_EQ(changes, 1);
  m.Calculate(0, 0, 13);
  EXPECT_EQ(m.HorizSize(), 6);
  m.Reset();
  EXPECT_EQ(m.HorizSize(), 0);
  TMargins copy;
  m.SetUnits(maPixels);
  copy.Assign(&m);
  EXPECT_EQ(copy.GetLeft(), 20);
  EXPECT_EQ(copy.GetUnits(), maPixels);
}

TEST(ChartAutomaticText, NotifiesOnlyOnChange) {
  int changes = 0;
  TAutomaticText a([&](TObject*) { ++changes; });
  EXPECT_TRUE(a.GetMove() && a.GetTrim() && a.GetHide() && a.GetWrap());
  a.SetTrim(true);
  EXPECT_EQ(changes, 0);
  a.SetTrim(false);
  a.SetMove(false);
  EXPECT_EQ(changes, 2);
  TAutomaticText b;
  b.Assign(&a);
  EXPECT_FALSE(b.GetTrim());
  EXPECT_FALSE(b.GetMove());
  EXPECT_TRUE(b.GetRotate());
}

}  // namespace
