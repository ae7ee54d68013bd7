// The 256-point and 64-point curve editor driven through mouse events on its
// plot grid: pointer mapping, inserting, grabbing, dragging, removing, the
// locked tail of rpm curves, the read-out and the reset.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CurveEditorFixture.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "pages/frmGraph.h"
#include "platform/rtl/SysUtils.h"

namespace {

using pagetest::CurveMouse;

// Plot grid pixels of a curve position and value in a 256-point curve (two
// pixels per position) and in a 64-point curve (eight per position).
float X256(int Position) { return 16.0f + 2 * Position; }
float X64(int Position) { return 16.0f + 8 * Position; }
float YOf(int Value) { return 270.0f - Value; }

class CurveEditor : public ::testing::Test {
 protected:
  CurveEditor() {
    for (int i = 0; i < 256; ++i) Form.FCurve[i] = i;  // the ramp, nodes 0 and 255
  }

  void SetNodes(const std::vector<int>& Positions) {
    Form.FNodeCount = int(Positions.size());
    for (size_t k = 0; k < Positions.size(); ++k) Form.FNodes[k] = Positions[k];
  }
  std::vector<int> Nodes() const {
    return std::vector<int>(Form.FNodes.begin(), Form.FNodes.begin() + Form.FNodeCount);
  }
  // A 64-point rpm curve from 1000 to 3000 rpm with lock position Lock,
  // reset to its starting shape.
  void Make64(int Lock) {
    Form.FXScale = 8;
    Form.FYScale = 7.8125f;
    Form.FYOffset = 1000;
    Form.FLockIndex = Lock;
    SetNodes({0, 63});
    Form.btnInitClick(nullptr);
  }
  std::string ReadOut() const { return UTF16ToUTF8(Form.Label65->GetText()); }

  TfrmGraph Form{nullptr};
  CurveMouse Mouse{Form};
};

TEST_F(CurveEditor, StartsWithTwoNodesAndTheScalesOfAPercentCurve) {
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 255}));
  EXPECT_EQ(Form.FMaxNodes, 16);
  EXPECT_FLOAT_EQ(Form.FXScale, 2);
  EXPECT_FALSE(Form.FDragging);
  EXPECT_EQ(Form.PlotGrid1->GetWidth(), 544);
  EXPECT_EQ(Form.PlotGrid1->GetHeight(), 286);
}

// The grabbed or inserted node tells where the pointer mapped to.
TEST_F(CurveEditor, PointerMapsToPositionAndValue) {
  struct Case {
    float X, Y;
    int Position, Value;
  };
  const Case cases[] = {
      {16, 170, 0, 100},    {17, 170, 0, 100},     // 8.5 rounds to 8
      {19, 170, 2, 100},    {10, 170, 0, 100},     // 9.5 rounds to 10; left margin
      {526, 170, 255, 100}, {540, 170, 255, 100},  // q = 263; beyond the end
      {216, 285, 100, 0},   {216, 271, 100, 0},    // the bottom edge
      {216, 269, 100, 1},   {216, 16, 100, 254},  {216, 1, 100, 255},
  };
  for (const Case& c : cases) {
    TfrmGraph form(nullptr);
    for (int i = 0; i < 256; ++i) form.FCurve[i] = 255;
    form.FCurve[0] = 0;
    CurveMouse mouse(form);
    mouse.Down(mbLeft, c.X, c.Y);
    ASSERT_TRUE(form.FDragging) << c.X << "," << c.Y;
    const int n = form.FNodes[form.FDragNode];
    EXPECT_EQ(n, c.Position) << c.X << "," << c.Y;
    EXPECT_EQ(form.FCurve[n], c.Value) << c.X << "," << c.Y;
  }
}

TEST_F(CurveEditor, SixtyFourPointCurveDividesThePositionByFour) {
  Form.FXScale = 8;
  Form.FLockIndex = 64;
  SetNodes({0, 63});
  Mouse.Down(mbLeft, X64(10), YOf(50));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 10, 63}));
  Mouse.Up(mbLeft, X64(10), YOf(50));
  Mouse.Down(mbLeft, X64(20) + 6, YOf(60));  // q = 51: 43 / 4 = 10 (dropped)
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 10, 20, 63}));
}

TEST_F(CurveEditor, HitRadiusIsEightOrFourAndLooksRightOnly) {
  // 256 points, a full list: a press up to 7 positions left of node 100 and
  // within 7 of its value grabs it; 8 away, or to its right, grabs nothing.
  Form.FMaxNodes = 3;
  SetNodes({0, 100, 255});
  struct Case {
    int Position, Value;
    bool Grabs;
  };
  for (const Case& c : {Case{93, 100 + 7, true}, Case{92, 100, false}, Case{93, 108, false},
                        Case{93, 93, true}, Case{101, 100, false}}) {
    Form.FDragging = false;
    Mouse.Click(mbLeft, X256(c.Position), YOf(c.Value));
    // The click ends the drag; the grab shows as the node kept and the
    // curve unchanged (the point at the pointer lies on the segment).
    Mouse.Down(mbLeft, X256(c.Position), YOf(c.Value));
    EXPECT_EQ(Form.FDragging, c.Grabs) << c.Position << "/" << c.Value;
    EXPECT_EQ(Nodes(), (std::vector<int>{0, 100, 255}));
    Mouse.Up(mbLeft, X256(c.Position), YOf(c.Value));
  }
  // 64 points: radius 4.
  Form.FXScale = 8;
  Form.FLockIndex = 64;
  Form.FMaxNodes = 3;
  SetNodes({0, 20, 63});
  for (int i = 0; i < 64; ++i) Form.FCurve[i] = i * 4;
  Mouse.Down(mbLeft, X64(17), YOf(80));
  EXPECT_TRUE(Form.FDragging);
  Mouse.Up(mbLeft, 0, 0);
  Mouse.Down(mbLeft, X64(16), YOf(80));
  EXPECT_FALSE(Form.FDragging);
}

TEST_F(CurveEditor, InsertOnTheRampDrawsTwoStraightPieces) {
  Mouse.Click(mbLeft, X256(100), YOf(200));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 100, 255}));
  EXPECT_EQ(Form.FCurve[0], 0);
  EXPECT_EQ(Form.FCurve[100], 200);
  EXPECT_EQ(Form.FCurve[255], 255);
  for (int j = 1; j < 100; ++j) EXPECT_EQ(Form.FCurve[j], 2 * j) << j;
  const float slope = 55.0f / 155.0f;
  for (int j = 101; j < 255; ++j)
    EXPECT_EQ(Form.FCurve[j], int(std::nearbyint(200 + (j - 100) * double(slope)))) << j;
  EXPECT_EQ(Form.FCurve[131], 211);  // 200 + 31 * 0.3548 = 211.0
}

TEST_F(CurveEditor, FullListInsertsNothing) {
  Form.FMaxNodes = 2;
  Mouse.Click(mbLeft, X256(50), YOf(200));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 255}));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(Form.FCurve[i], i);
}

TEST_F(CurveEditor, DraggingTheLastNodeDownLowersInnerNodes) {
  Mouse.Click(mbLeft, X256(100), YOf(150));
  Mouse.Click(mbLeft, X256(200), YOf(220));
  ASSERT_EQ(Nodes(), (std::vector<int>{0, 100, 200, 255}));
  Mouse.Down(mbLeft, X256(255), YOf(255));
  Mouse.Move(X256(180), YOf(50));  // the end node never moves sideways
  Mouse.Up(mbLeft, X256(180), YOf(50));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 100, 200, 255}));
  EXPECT_EQ(Form.FCurve[0], 0);
  EXPECT_EQ(Form.FCurve[100], 50);
  EXPECT_EQ(Form.FCurve[200], 50);
  EXPECT_EQ(Form.FCurve[255], 50);
  EXPECT_EQ(Form.FCurve[50], 25);
  EXPECT_EQ(Form.FCurve[150], 50);
}

TEST_F(CurveEditor, DraggedNodeNeverFallsBelowTheOneBefore) {
  Mouse.Click(mbLeft, X256(100), YOf(200));
  Mouse.Click(mbLeft, X256(200), YOf(230));
  Mouse.Down(mbLeft, X256(200), YOf(230));
  Mouse.Move(X256(150), YOf(120));  // moves sideways, held at 200
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 100, 150, 255}));
  EXPECT_EQ(Form.FCurve[150], 200);
  for (int j = 100; j <= 150; ++j) EXPECT_EQ(Form.FCurve[j], 200) << j;
  // Lifting a node lifts the later nodes that lie below it.
  Mouse.Move(X256(150), YOf(240));
  Mouse.Up(mbLeft, X256(150), YOf(240));
  EXPECT_EQ(Form.FCurve[150], 240);
  EXPECT_EQ(Form.FCurve[255], 255);
  for (int j = 1; j < 255; ++j) EXPECT_LE(Form.FCurve[j], Form.FCurve[j + 1]) << j;
  // A node moves sideways only between its neighbours.
  Mouse.Down(mbLeft, X256(150), YOf(240));
  Mouse.Move(X256(90), YOf(240));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 100, 150, 255}));
}

TEST_F(CurveEditor, LockedTailOfAnRpmCurve) {
  Make64(40);
  Form.FMaxNodes = 64;
  ASSERT_EQ(Form.FNodeCount, 26);
  const auto before = Form.FCurve;
  Mouse.Click(mbLeft, X64(45), YOf(100));  // locked: no point changes
  Mouse.Click(mbLeft, X64(39), YOf(10));
  EXPECT_EQ(Form.FCurve, before);
  Mouse.Click(mbRight, X64(45), YOf(255));  // locked nodes stay
  Mouse.Click(mbRight, X64(39), YOf(255));
  EXPECT_EQ(Form.FNodeCount, 26);
  // The read-out gives the rpm of the pointer: (y + 1) * 7.8125 + 1000.
  Mouse.Move(X64(10), YOf(127));
  EXPECT_EQ(ReadOut(), "X: 11   Y: 2000");
  // An unlocked node left of the tail can be inserted and removed again.
  Mouse.Click(mbLeft, X64(20), YOf(100));
  EXPECT_EQ(Form.FNodeCount, 27);
  EXPECT_EQ(ReadOut(), "X: 21    Y: 1789");  // 101 * 7.8125 + 1000 = 1789.06
  Mouse.Click(mbRight, X64(20), YOf(100));
  EXPECT_EQ(Form.FNodeCount, 26);
}

TEST_F(CurveEditor, RightPressRemovesInnerNodesOnly) {
  Mouse.Click(mbLeft, X256(100), YOf(200));
  Mouse.Click(mbRight, X256(0), YOf(0));
  Mouse.Click(mbRight, X256(255), YOf(255));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 100, 255}));
  Mouse.Click(mbRight, X256(100), YOf(200));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 255}));
  EXPECT_EQ(Form.FCurve[100], 100);  // back on the straight line
}

TEST_F(CurveEditor, LongListOfAPercentCurveKeepsItsNodes) {
  Form.FMaxNodes = 20;
  std::vector<int> positions;
  for (int p = 0; p < 255; p += 15) positions.push_back(p);  // 17 nodes
  positions.push_back(255);
  SetNodes(positions);
  Mouse.Click(mbRight, X256(15), YOf(15));
  EXPECT_EQ(Form.FNodeCount, 18);
}

TEST_F(CurveEditor, ReadOutAfterRightPressAtTheMiddle) {
  Mouse.Click(mbRight, X256(127), YOf(127));
  EXPECT_EQ(ReadOut(), "X: 50%    Y: 50%");
  Mouse.Move(X256(127), YOf(127));
  EXPECT_EQ(ReadOut(), "X: 50%   Y: 50%");
}

TEST_F(CurveEditor, ReadOutShowsOnEnterAndHidesOnLeave) {
  EXPECT_FALSE(Form.Label65->GetVisible());
  Mouse.Move(X256(10), YOf(10));
  EXPECT_TRUE(Form.Label65->GetVisible());
  EXPECT_FLOAT_EQ(Form.Label65->GetPosition()->GetX(), X256(10) + 5);
  EXPECT_FLOAT_EQ(Form.Label65->GetPosition()->GetY(), YOf(10) - 8);
  Mouse.Move(500, YOf(10));
  EXPECT_FLOAT_EQ(Form.Label65->GetPosition()->GetX(), 500 - 95);
  Mouse.Down(mbLeft, X256(100), YOf(100));
  ASSERT_TRUE(Form.FDragging);
  Mouse.Move(-40, -20);  // out of the plot: the drag ends
  EXPECT_FALSE(Form.Label65->GetVisible());
  EXPECT_FALSE(Form.FDragging);
}

TEST_F(CurveEditor, ResetGivesTheIdentity) {
  Mouse.Click(mbLeft, X256(100), YOf(200));
  Mouse.Click(mbLeft, X256(30), YOf(20));
  Form.btnInit->Click();
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 255}));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(Form.FCurve[i], i) << i;
}

TEST_F(CurveEditor, ResetOfAnRpmCurveRisesToTheLockAndHoldsTheTail) {
  Make64(40);
  std::vector<int> expected{0};
  for (int p = 39; p <= 63; ++p) expected.push_back(p);
  EXPECT_EQ(Nodes(), expected);
  for (int j = 0; j <= 39; ++j)
    EXPECT_EQ(Form.FCurve[j], int(std::nearbyint(j * double(255.0f / 39.0f)))) << j;
  for (int j = 39; j <= 63; ++j) EXPECT_EQ(Form.FCurve[j], 255) << j;
  Make64(64);
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 63}));
}

// The node slots hold 64: a lock position of 1 (or 0) resets to node 0 and
// every later position, and a limit above 64 from the language file still
// stops at 64 nodes.
TEST_F(CurveEditor, NodeListsStayWithinSixtyFourSlots) {
  for (const int lock : {1, 0}) {
    Make64(lock);
    ASSERT_EQ(Form.FNodeCount, 64) << lock;
    for (int k = 0; k < 64; ++k) EXPECT_EQ(Form.FNodes[k], k);
    EXPECT_EQ(Form.FCurve[0], 0);
    for (int j = 1; j < 64; ++j) EXPECT_EQ(Form.FCurve[j], 255) << j;
  }
  TfrmGraph form(nullptr);
  for (int i = 0; i < 256; ++i) form.FCurve[i] = i;
  form.FMaxNodes = 100;
  form.FNodeCount = 64;
  for (int k = 0; k < 63; ++k) form.FNodes[k] = 4 * k;
  form.FNodes[63] = 255;
  CurveMouse mouse(form);
  mouse.Click(mbLeft, X256(2), YOf(50));
  mouse.Click(mbLeft, X256(254), YOf(250));
  EXPECT_EQ(form.FNodeCount, 64);
  for (int k = 1; k < 64; ++k) EXPECT_LT(form.FNodes[k - 1], form.FNodes[k]);
}

}  // namespace
