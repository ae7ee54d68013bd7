// Layout of visual children by their Align values, margins and padding.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/Rtti.h"
#include "visual_scene.h"

namespace {

struct Geometry {
  float X, Y, W, H;
};

::testing::AssertionResult Is(TzrVisualObject* Node, Geometry G) {
  const TzrPoint p = Node->GetPosition()->GetPoint();
  if (p.X == G.X && p.Y == G.Y && Node->GetWidth() == G.W && Node->GetHeight() == G.H)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Node->GetName() << " is (" << p.X << ", " << p.Y << ") "
                                       << Node->GetWidth() << " x " << Node->GetHeight();
}

class VisualAlign : public VisualTest {
 protected:
  // A container of the given size under the root, that size recorded as the
  // reference of its anchors (as loading a form does).
  TTestShape* Box(float W, float H) {
    TTestShape* box = Shape("box", 0xFFFFFFFF, 0, 0, W, H);
    box->SetSizeWithoutChange(W, H);
    return box;
  }
};

// One child (5, 5) 40 x 20 in a parent 200 x 100 with margins 10 all round.
TEST_F(VisualAlign, EveryValueInTheMarginRectangle) {
  struct Case {
    TzrAlign Align;
    Geometry Expected;
  };
  const Case cases[] = {
      {vaNone, {5, 5, 40, 20}},          {vaTopLeft, {5, 5, 40, 20}},
      {vaTopRight, {5, 5, 40, 20}},      {vaBottomLeft, {5, 5, 40, 20}},
      {vaBottomRight, {5, 5, 40, 20}},   {vaTop, {10, 10, 180, 20}},
      {vaMostTop, {10, 10, 180, 20}},    {vaLeft, {10, 10, 40, 80}},
      {vaMostLeft, {10, 10, 40, 80}},    {vaRight, {150, 10, 40, 80}},
      {vaMostRight, {150, 10, 40, 80}},  {vaBottom, {10, 70, 180, 20}},
      {vaMostBottom, {10, 70, 180, 20}}, {vaClient, {10, 10, 180, 80}},
      {vaContents, {0, 0, 200, 100}},    {vaCenter, {80, 40, 40, 20}},
      {vaVertCenter, {10, 40, 180, 20}}, {vaHorzCenter, {80, 10, 40, 80}},
      {vaHorizontal, {10, 5, 180, 20}},  {vaVertical, {5, 10, 40, 80}},
      {vaScale, {5, 5, 40, 20}},         {vaFit, {20, 10, 160, 80}},
      {vaFitLeft, {10, 10, 160, 80}},    {vaFitRight, {30, 10, 160, 80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(zrAlignInfo().NameOf(c.Align));
    TTestShape* box = Box(200, 100);
    box->GetMargins()->SetRect(zrRect(10, 10, 10, 10));
    TTestShape* child = Shape("child", 0xFF000000, 5, 5, 40, 20, box);
    child->SetAlign(c.Align);
    EXPECT_TRUE(Is(child, c.Expected));
    box->Realign();  // a second layout changes nothing
    EXPECT_TRUE(Is(child, c.Expected));
  }
}

TEST_F(VisualAlign, MarginsAndPaddingShareTheRemainingRectangle) {
  TTestShape* box = Box(100, 50);
  box->GetMargins()->SetRect(zrRect(10, 10, 10, 10));
  TTestShape* a = Shape("a", 0xFF000000, 0, 0, 30, 20, box);
  a->GetPadding()->SetRect(zrRect(0, 5, 0, 5));
  TTestShape* b = Shape("b", 0xFF000000, 0, 0, 30, 30, box);
  a->SetAlign(vaTop);
  b->SetAlign(vaClient);
  EXPECT_TRUE(Is(a, {10, 15, 80, 20}));
  EXPECT_TRUE(Is(b, {10, 40, 80, 0}));
  // Padding lays out the parent; margins lay out the node itself.
  a->GetPadding()->SetTop(0);
  EXPECT_TRUE(Is(a, {10, 10, 80, 20}));
  EXPECT_TRUE(Is(b, {10, 35, 80, 5}));
  box->GetMargins()->SetRect(zrRect(0, 0, 0, 0));
  EXPECT_TRUE(Is(a, {0, 0, 100, 20}));
}

TEST_F(VisualAlign, EdgeDockedChildrenKeepTheOrderOfTheirPositions) {
  TTestShape* box = Box(200, 100);
  box->BeginUpdate();
  TTestShape* low = Shape("low", 0xFF000000, 0, 30, 10, 20, box);
  TTestShape* high = Shape("high", 0xFF000000, 0, 10, 10, 20, box);
  TTestShape* right1 = Shape("right1", 0xFF000000, 150, 0, 30, 10, box);
  TTestShape* right2 = Shape("right2", 0xFF000000, 150, 0, 20, 10, box);
  TTestShape* fill = Shape("fill", 0xFF000000, 0, 0, 10, 10, box);
  for (TTestShape* s : {low, high}) s->SetAlign(vaTop);
  for (TTestShape* s : {right1, right2}) s->SetAlign(vaRight);
  fill->SetAlign(vaClient);
  box->EndUpdate();
  EXPECT_TRUE(Is(high, {0, 0, 200, 20}));
  EXPECT_TRUE(Is(low, {0, 20, 200, 20}));
  // The child whose right edge lies further right docks outside.
  EXPECT_TRUE(Is(right1, {170, 40, 30, 60}));
  EXPECT_TRUE(Is(right2, {150, 40, 20, 60}));
  EXPECT_TRUE(Is(fill, {0, 40, 150, 60}));
}

TEST_F(VisualAlign, AnchorsFollowTheParentsSizeChange) {
  TTestShape* box = Box(200, 100);
  TTestShape* tr = Shape("tr", 0xFF000000, 170, 10, 20, 20, box);
  TTestShape* bl = Shape("bl", 0xFF000000, 10, 70, 20, 20, box);
  TTestShape* br = Shape("br", 0xFF000000, 170, 70, 20, 20, box);
  TTestShape* scaled = Shape("scaled", 0xFF000000, 20, 10, 40, 20, box);
  TTestShape* fixed = Shape("fixed", 0xFF000000, 20, 10, 40, 20, box);
  tr->SetAlign(vaTopRight);
  bl->SetAlign(vaBottomLeft);
  br->SetAlign(vaBottomRight);
  scaled->SetAlign(vaScale);
  fixed->SetAlign(vaTopLeft);
  box->SetBounds(0, 0, 300, 150);
  EXPECT_TRUE(Is(tr, {270, 10, 20, 20}));
  EXPECT_TRUE(Is(bl, {10, 120, 20, 20}));
  EXPECT_TRUE(Is(br, {270, 120, 20, 20}));
  EXPECT_TRUE(Is(scaled, {30, 15, 60, 30}));
  EXPECT_TRUE(Is(fixed, {20, 10, 40, 20}));
  // Below the size limit nothing is laid out and the reference size stays.
  box->SetWidth(1);
  EXPECT_TRUE(Is(tr, {270, 10, 20, 20}));
  EXPECT_EQ(box->GetLastWidth(), 300);
  box->SetWidth(2);
  EXPECT_TRUE(Is(tr, {-28, 10, 20, 20}));
}

TEST_F(VisualAlign, StretchedChildrenKeepTheirPositionOnTheOtherAxis) {
  TTestShape* box = Box(200, 100);
  TTestShape* v = Shape("v", 0xFF000000, 30, 0, 20, 20, box);
  TTestShape* h = Shape("h", 0xFF000000, 0, 40, 20, 20, box);
  v->GetPadding()->SetRect(zrRect(4, 3, 4, 3));
  h->GetPadding()->SetRect(zrRect(4, 3, 4, 3));
  v->SetAlign(vaVertical);
  h->SetAlign(vaHorizontal);
  for (int i = 0; i < 3; ++i) {
    box->SetWidth(float(200 + i));
    EXPECT_TRUE(Is(v, {30, 3, 20, 94}));
    EXPECT_TRUE(Is(h, {4, 40, float(192 + i), 20}));
  }
}

TEST_F(VisualAlign, ContentNodeLaysOutItsContainerOnceMore) {
  TTestShape* box = Box(200, 100);
  auto* content = new TzrContent(&Owner);
  content->SetParent(box);
  content->SetAlign(vaClient);
  TTestShape* bar = Shape("bar", 0xFF000000, 0, 0, 10, 30, box);
  bar->SetAlign(vaTop);
  EXPECT_TRUE(Is(content, {0, 30, 200, 70}));
  // A layout inside the content node runs the container's layout again.
  bar->SetSizeWithoutChange(200, 50);
  content->Realign();
  EXPECT_TRUE(Is(content, {0, 50, 200, 50}));
}

TEST_F(VisualAlign, UpdateBracketsHoldLayoutsAndRepaintsUntilTheEnd) {
  TTestShape* box = Box(200, 100);
  TTestShape* child = Shape("child", 0xFF000000, 0, 0, 10, 10, box);
  box->BeginUpdate();
  EXPECT_EQ(child->GetUpdating(), 1);
  child->SetAlign(vaClient);
  EXPECT_TRUE(Is(child, {0, 0, 10, 10}));
  Scene.Rects.clear();
  child->Repaint();
  EXPECT_TRUE(Scene.Rects.empty());
  box->EndUpdate();
  EXPECT_EQ(child->GetUpdating(), 0);
  EXPECT_TRUE(Is(child, {0, 0, 200, 100}));
  EXPECT_FALSE(Scene.Rects.empty());
}

// A child of zero width or height has no aspect ratio to fit.
TEST_F(VisualAlign, ZeroSizeFitChildKeepsFiniteGeometry) {
  for (Geometry g : {Geometry{5, 5, 0, 0}, Geometry{5, 5, 0, 20}, Geometry{5, 5, 40, 0}}) {
    TTestShape* box = Box(200, 200);
    TTestShape* child = Shape("child", 0xFF000000, g.X, g.Y, g.W, g.H, box);
    child->SetAlign(vaFit);
    EXPECT_TRUE(Is(child, g));
    box->SetWidth(300);
    EXPECT_TRUE(std::isfinite(child->GetPosition()->GetX()));
    EXPECT_TRUE(Is(child, g));
  }
}

TEST_F(VisualAlign, FitGrowsASmallChildToTheMarginRectangle) {
  TTestShape* box = Box(200, 200);
  TTestShape* child = Shape("child", 0xFF000000, 0, 0, 40, 20, box);
  child->SetAlign(vaFit);
  EXPECT_TRUE(Is(child, {0, 50, 200, 100}));
}

}  // namespace

namespace {

TEST_F(VisualAlign, HiddenChildrenGiveUpTheirSpace) {
  TTestShape* box = Shape("box", 0xFFFFFFFF, 0, 0, 200, 100);
  box->SetSizeWithoutChange(200, 100);
  TTestShape* first = Shape("first", 0xFF000000, 0, 0, 10, 20, box);
  TTestShape* second = Shape("second", 0xFF000000, 0, 30, 10, 20, box);
  first->SetAlign(vaTop);
  second->SetAlign(vaTop);
  EXPECT_TRUE(Is(second, {0, 20, 200, 20}));
  Scene.Rects.clear();
  first->SetVisible(false);
  EXPECT_TRUE(Is(second, {0, 0, 200, 20}));
  EXPECT_TRUE(Scene.Covered(zrRect(0, 0, 200, 20))) << "the hidden child's old area";
  first->SetVisible(true);
  EXPECT_TRUE(Is(first, {0, 0, 200, 20}));
  EXPECT_TRUE(Is(second, {0, 20, 200, 20}));
}

}  // namespace
