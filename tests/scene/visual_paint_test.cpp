// The painting walk, off-screen rendering, hit testing and the caret.
#include <gtest/gtest.h>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Clock.h"
#include "scene/zr_ani.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_control.h"
#include "tests/platform_gdiplus/color_near.h"
#include "tests/scene/object_fixture.h"
#include "visual_scene.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF, Black = 0xFF000000;

using VisualPaint = VisualTest;

TEST_F(VisualPaint, LaterChildrenPaintOverEarlierOnesAndAreHitFirst) {
  TTestShape* red = Shape("red", Red, 20, 20, 60, 60);
  TTestShape* blue = Shape("blue", Blue, 50, 50, 60, 60);
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(30, 30), Red));
  EXPECT_TRUE(Near(Scene.Pixel(70, 70), Blue));
  EXPECT_TRUE(Near(Scene.Pixel(100, 100), Blue));
  EXPECT_TRUE(Near(Scene.Pixel(150, 150), White));
  EXPECT_EQ(Root->ObjectByPoint(70, 70), blue);
  EXPECT_EQ(Root->ObjectByPoint(30, 30), red);
  EXPECT_EQ(Root->ObjectByPoint(150, 150), Root);
  EXPECT_EQ(TTestShape::PaintLog, (std::vector<std::string>{"red", "blue"}));
}

TEST_F(VisualPaint, ClippingParentCutsChildrenThatAcceptIt) {
  TTestShape* clip = Shape("clip", 0, 20, 20, 50, 50);
  clip->GetFill()->SetStyle(zrBrushNone);
  clip->SetClipChildren(true);
  Shape("inside", Red, 10, 10, 80, 80, clip);
  TTestShape* free = Shape("free", Blue, 40, 0, 60, 20, clip);
  free->SetCanClipped(false);
  TTestShape* away = Shape("away", Blue, 100, 100, 10, 10, clip);
  away->SetCanClipped(false);
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(40, 40), Red));
  EXPECT_TRUE(Near(Scene.Pixel(90, 90), White)) << "cut at the parent's edge";
  EXPECT_TRUE(Near(Scene.Pixel(100, 30), Blue)) << "CanClipped false paints outside";
  EXPECT_EQ(away->Paints, 0) << "outside the parent's update rectangle";
}

TEST_F(VisualPaint, OpacityIsTheProductOverTheAncestors) {
  TTestShape* parent = Shape("parent", 0, 0, 0, 200, 200);
  parent->GetFill()->SetStyle(zrBrushNone);
  parent->SetOpacity(0.5f);
  TTestShape* child = Shape("child", Black, 10, 10, 80, 80, parent);
  child->SetOpacity(0.5f);
  Shape("grandchild", Black, 40, 40, 20, 20, child);
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(20, 20), 0xFFBFBFBF, 2));  // 0.25 black
  EXPECT_TRUE(Near(Scene.Pixel(60, 60), 0xFF8F8F8F, 3));  // 0.25 twice
}

TEST_F(VisualPaint, RotatedNodePaintsTurnedAboutItsCentre) {
  TTestShape* node = Shape("node", Red, 50, 75, 100, 50);
  node->SetRotateAngle(90);
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(100, 55), Red));
  EXPECT_TRUE(Near(Scene.Pixel(100, 145), Red));
  EXPECT_TRUE(Near(Scene.Pixel(60, 100), White));
  EXPECT_TRUE(Near(Scene.Pixel(140, 100), White));
  EXPECT_EQ(Root->ObjectByPoint(100, 55), node);
  EXPECT_EQ(Root->ObjectByPoint(140, 100), Root);
}

TEST_F(VisualPaint, OnlyNodesTouchingPendingRectanglesArePainted) {
  TTestShape* a = Shape("a", Red, 10, 10, 30, 30);
  TTestShape* b = Shape("b", Blue, 100, 100, 30, 30);
  TTestShape* inB = Shape("inB", Red, 5, 5, 10, 10, b);
  // Its own rectangle misses, its child reaches into the pending one.
  TTestShape* reach = Shape("reach", 0, 150, 10, 10, 10);
  TTestShape* reaching = Shape("reaching", Red, -130, 10, 10, 10, reach);
  Scene.DrawAll();
  for (TTestShape* s : {a, b, inB, reach, reaching}) s->Paints = 0;
  Scene.Rects = {zrRect(0, 0, 50, 50)};
  Scene.Draw();
  EXPECT_EQ(a->Paints, 1);
  EXPECT_EQ(b->Paints, 0);
  EXPECT_EQ(inB->Paints, 0);
  EXPECT_EQ(reach->Paints, 1);
  EXPECT_EQ(reaching->Paints, 1);
  // A changed node asks for its own area only.
  b->SetOpacity(0.5f);
  Scene.Draw();
  EXPECT_EQ(a->Paints, 1);
  EXPECT_EQ(b->Paints, 1);
  EXPECT_EQ(inB->Paints, 1);
}

TEST_F(VisualPaint, ZeroSizeChildIsNeverPainted) {
  TTestShape* flat = Shape("flat", Red, 10, 10, 0, 40);
  TTestShape* inside = Shape("inside", Red, 0, 0, 20, 20, flat);
  auto* glow = new TTestGlow(&Owner);
  glow->SetAfterPaint(true);
  glow->SetParent(flat);
  Scene.DrawAll();
  EXPECT_EQ(flat->Paints, 0);
  EXPECT_EQ(inside->Paints, 0);
  EXPECT_EQ(glow->Processed, 0);
}

TEST_F(VisualPaint, DropTargetFrameIsDrawnWhileSomethingIsDraggedOver) {
  TTestShape* node = Shape("node", Red, 50, 50, 60, 60);
  node->DragEnter(TzrDragObject{}, {60, 60});
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(51, 80), 0xFF4D3F8E, 4));  // #B2005ACC over red
  EXPECT_TRUE(Near(Scene.Pixel(80, 80), Red));
  node->SetDragDisableHighlight(true);
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(51, 80), Red));
  node->SetDragDisableHighlight(false);
  node->DragLeave();
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(51, 80), Red));
}

TEST_F(VisualPaint, ClipParentChildCutsItselfOutOfItsParentsPainting) {
  TTestShape* parent = Shape("parent", Red, 20, 20, 100, 100);
  TTestShape* hole = Shape("hole", 0, 10, 10, 30, 30, parent);
  hole->GetFill()->SetStyle(zrBrushNone);
  hole->SetClipParent(true);
  Shape("over", Blue, 60, 10, 30, 30, parent);
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(45, 45), White));
  EXPECT_TRUE(Near(Scene.Pixel(100, 100), Red));
  EXPECT_TRUE(Near(Scene.Pixel(95, 45), Blue)) << "children are painted as usual";
}

// ---------------------------------------------------------------- hit testing

TEST_F(VisualPaint, PointsOnTheEdgesAreOutside) {
  TTestShape* node = Shape("node", Red, 10, 10, 40, 20);
  const struct {
    float X, Y;
    bool Inside;
  } cases[] = {{10, 20, false}, {50, 20, false},   {30, 10, false},     {30, 30, false},
               {30, 20, true},  {10.5f, 20, true}, {49.5f, 29.5f, true}};
  for (const auto& c : cases)
    EXPECT_EQ(node->PointInObject(c.X, c.Y), c.Inside) << c.X << "," << c.Y;
}

TEST_F(VisualPaint, HitTestLockedAndDisabledNodes) {
  TTestShape* pass = Shape("pass", Red, 10, 10, 100, 100);
  pass->SetHitTest(false);
  TTestShape* inner = Shape("inner", Red, 10, 10, 20, 20, pass);
  EXPECT_EQ(Root->ObjectByPoint(25, 25), inner);
  EXPECT_EQ(Root->ObjectByPoint(80, 80), Root) << "not the node without HitTest";
  Scene.DesignTime = true;
  EXPECT_EQ(Root->ObjectByPoint(80, 80), pass);
  pass->SetLocked(true);
  EXPECT_EQ(Root->ObjectByPoint(80, 80), Root);
  Scene.DesignTime = false;

  auto* control = new TzrControl(&Owner);
  control->SetBounds(120, 120, 60, 60);
  control->SetParent(Root);
  TTestShape* inControl = Shape("inControl", Red, 10, 10, 20, 20, control);
  TTestShape* plain = Shape("plain", Red, 120, 10, 60, 60);
  TTestShape* inPlain = Shape("inPlain", Red, 10, 10, 20, 20, plain);
  control->SetEnabled(false);
  plain->SetEnabled(false);
  EXPECT_EQ(Root->ObjectByPoint(135, 135), Root);
  EXPECT_EQ(Root->ObjectByPoint(150, 150), Root);
  EXPECT_EQ(Root->ObjectByPoint(135, 25), inPlain);
  Scene.DesignTime = true;
  EXPECT_EQ(Root->ObjectByPoint(135, 135), inControl);
}

TEST_F(VisualPaint, ClippingNodeIsNotHitOutsideButStillAskedForDrops) {
  TTestShape* clip = Shape("clip", Red, 20, 20, 50, 50);
  clip->SetClipChildren(true);
  Shape("child", Blue, 30, 30, 60, 60, clip);
  int asked = 0;
  clip->OnDragOver = [&](TObject*, const TzrDragObject&, const TzrPoint&, bool& Accept) {
    ++asked;
    Accept = true;
  };
  EXPECT_EQ(Root->ObjectByPoint(100, 100), Root);
  EXPECT_EQ(Root->FindTarget({100, 100}, TzrDragObject{}), nullptr);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Root->FindTarget({30, 30}, TzrDragObject{}), clip);
}

TEST_F(VisualPaint, DropTargetIsTheFirstNodeOfTheWalkThatAccepts) {
  std::vector<std::string> asked;
  auto answer = [&](TTestShape* Node, bool Accepts) {
    Node->OnDragOver = [&asked, Node, Accepts](TObject*, const TzrDragObject&, const TzrPoint&,
                                               bool& Accept) {
      asked.push_back(Node->GetName());
      Accept = Accepts;
    };
  };
  TTestShape* a = Shape("a", Red, 10, 10, 100, 100);
  TTestShape* b = Shape("b", Red, 50, 50, 100, 100);
  TTestShape* c = Shape("c", Red, 80, 80, 10, 10, b);
  answer(a, true);
  answer(b, false);
  answer(c, true);
  EXPECT_EQ(Root->FindTarget({60, 60}, TzrDragObject{}), a);
  EXPECT_EQ(asked, (std::vector<std::string>{"c", "b", "a"}));
  asked.clear();
  a->SetHitTest(false);
  EXPECT_EQ(Root->FindTarget({60, 60}, TzrDragObject{}), nullptr);
}

// ---------------------------------------------------------------- off-screen

TEST_F(VisualPaint, PaintToRendersTheNodeIntoTheRectangleAndRestoresIt) {
  TTestShape* node = Shape("node", Red, 30, 40, 20, 10);
  Shape("child", Blue, 10, 0, 10, 10, node);
  node->GetScale()->SetPoint({2, 1});
  node->SetRotateAngle(30);
  const TzrMatrix before = node->GetAbsoluteMatrix();
  TTestRurev other(40, 20);
  Scene.DisableUpdate = true;
  node->PaintTo(other.Canvas.get(), zrRect(0, 0, 40, 20), nullptr);
  EXPECT_TRUE(Near(other.Pixel(5, 10), Red));
  EXPECT_TRUE(Near(other.Pixel(35, 10), Blue));
  EXPECT_EQ(node->GetPosition()->GetPoint(), (TzrPoint{30, 40}));
  EXPECT_EQ(node->GetScale()->GetPoint(), (TzrPoint{2, 1}));
  EXPECT_EQ(node->GetRotateAngle(), 30);
  EXPECT_EQ(node->GetParent(), Root);
  EXPECT_EQ(node->GetAbsoluteMatrix(), before);
  EXPECT_FALSE(node->GetInPaintTo());
  EXPECT_EQ(node->GetTempCanvas(), nullptr);
  EXPECT_FALSE(Scene.DisableUpdate) << "updates are on again afterwards";
  // A node without area draws nothing and changes nothing.
  Scene.DisableUpdate = true;
  node->SetWidth(0);
  other.Canvas->Clear(0);
  node->PaintTo(other.Canvas.get(), zrRect(0, 0, 40, 20), nullptr);
  EXPECT_EQ(other.Canvas->GetBufferBits()[0], 0u);
  EXPECT_TRUE(Scene.DisableUpdate);
}

TEST_F(VisualPaint, PaintToRestoresTheNodeWhenPaintingFails) {
  TTestShape* node = Shape("node", Red, 30, 40, 20, 10);
  TTestShape* child = Shape("child", Blue, 0, 0, 10, 10, node);
  child->OnPaint = [](TObject*, TzrCanvas*, const TzrRect&) { throw Exception("broken"); };
  TTestRurev other(40, 20);
  EXPECT_THROW(node->PaintTo(other.Canvas.get(), zrRect(0, 0, 40, 20), nullptr), Exception);
  EXPECT_EQ(node->GetPosition()->GetPoint(), (TzrPoint{30, 40}));
  EXPECT_EQ(node->GetScale()->GetPoint(), (TzrPoint{1, 1}));
  EXPECT_EQ(node->GetParent(), Root);
  EXPECT_FALSE(child->GetInPaintTo());
  EXPECT_FALSE(Scene.DisableUpdate);
  node->GetPosition()->SetX(31);
  EXPECT_EQ(node->GetAbsoluteMatrix().m31, 31) << "the change event is bound again";
}

TEST_F(VisualPaint, VisualBrushPaintsTheNodeIntoTheShape) {
  TTestShape* node = Shape("node", Red, 150, 150, 20, 10);
  Shape("half", Blue, 10, 0, 10, 10, node);
  TTestRurev other(40, 40);
  TzrCanvas* c = other.Canvas.get();
  c->GetFill()->SetStyle(zrBrushVisual);
  c->GetFill()->GetVisual()->SetVisualObject(node);
  c->FillRect(zrRect(0, 0, 40, 20), 0, 0, AllCorners, 1);
  EXPECT_TRUE(Near(other.Pixel(5, 10), Red));
  EXPECT_TRUE(Near(other.Pixel(35, 10), Blue));
  EXPECT_TRUE(Near(other.Pixel(5, 30), White));
  EXPECT_EQ(node->GetPosition()->GetPoint(), (TzrPoint{150, 150}));
}

TEST_F(VisualPaint, ScreenshotHasTheRoundedSizeOfTheNode) {
  TTestShape* node = Shape("node", Red, 30, 40, 10.4f, 20.6f);
  node->SetRotateAngle(45);
  std::unique_ptr<TzrBitmap> shot = node->MakeScreenshot();
  EXPECT_EQ(shot->GetWidth(), 10);
  EXPECT_EQ(shot->GetHeight(), 21);
  EXPECT_EQ(shot->GetPixels(5, 10), Red);
  EXPECT_EQ(node->GetRotateAngle(), 45);
}

// ---------------------------------------------------------------- caret

TEST_F(VisualPaint, CaretIsARectangleChildMadeOnFirstUse) {
  TTestShape* edit = Shape("edit", White, 10, 10, 100, 30);
  EXPECT_EQ(edit->GetCaret(), nullptr);
  edit->SetCaretPos({10.5f, 3.5f});
  TzrVisualObject* caret = edit->GetCaret();
  ASSERT_NE(caret, nullptr);
  EXPECT_EQ(caret->ClassName(), "TzrRectangle");
  EXPECT_EQ(caret->GetParent(), edit);
  EXPECT_EQ(caret->GetPosition()->GetPoint(), (TzrPoint{10, 4}));
  EXPECT_EQ(caret->GetWidth(), 3);
  EXPECT_EQ(caret->GetHeight(), 20);
  EXPECT_FALSE(caret->GetVisible());
  EXPECT_FALSE(caret->GetStored());
  EXPECT_FALSE(caret->GetHitTest());
  EXPECT_TRUE(caret->GetLocked());
  auto* shape = dynamic_cast<TzrRectangle*>(caret);
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->GetFill()->GetSolidColor(), Blue);
  EXPECT_EQ(shape->GetStroke()->GetStyle(), zrBrushNone);
  edit->SetCaretPos({11.5f, 2.5f});
  EXPECT_EQ(caret->GetPosition()->GetPoint(), (TzrPoint{12, 2})) << "halves go to even";
  EXPECT_EQ(edit->GetCaret(), caret);

  edit->SetCaretPos({10, 4});
  edit->ShowCaretProc();
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(21, 20), Blue));
  edit->SetCaretColor(0xFF00FF00);
  edit->SetCaretSize({2, 8});
  EXPECT_EQ(caret->GetWidth(), 2);
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(21, 15), 0xFF00FF00));
  EXPECT_TRUE(Near(Scene.Pixel(21, 25), White));
  edit->HideCaret();
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(21, 15), White));
}

TEST_F(VisualPaint, AnimatedCaretBlinksThroughABoundAnimation) {
  RegisterTestClasses();
  TScopedVirtualClock clock;
  Scene.AnimatedCaret = true;
  TTestShape* edit = Shape("edit", White, 10, 10, 100, 30);
  edit->ShowCaretProc();
  ASSERT_EQ(edit->GetCaret()->GetChildrenCount(), 1);
  auto* blink = dynamic_cast<TzrFloatAnimation*>(edit->GetCaret()->GetChild(0));
  ASSERT_NE(blink, nullptr);
  EXPECT_EQ(blink->GetBindingName(), "caret");
  EXPECT_EQ(blink->GetPropertyName(), "Opacity");
  EXPECT_EQ(blink->GetStopValue(), 0);
  EXPECT_FLOAT_EQ(blink->GetDuration(), 0.1f);
  EXPECT_EQ(blink->GetOwner(), edit);
  EXPECT_TRUE(blink->GetRunning());
  edit->ShowCaretProc();
  EXPECT_EQ(edit->GetCaret()->GetChildrenCount(), 1) << "a running blink is left to run";
  EXPECT_TRUE(blink->GetRunning());
  blink->Stop();
  EXPECT_FALSE(blink->GetRunning());
  edit->ShowCaretProc();
  EXPECT_TRUE(blink->GetRunning());
}

}  // namespace

namespace {

// A size change repaints the old and the new area: a node that grows is
// drawn in its new area, one that shrinks leaves nothing behind.
TEST_F(VisualPaint, ASizeChangeRepaintsTheOldAndTheNewArea) {
  TTestShape* shape = Shape("shape", Blue, 10, 10, 50, 50);
  Scene.DrawAll();
  shape->SetWidth(150);
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(140, 30), Blue)) << "grown wider";
  shape->SetHeight(120);
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(30, 110), Blue)) << "grown taller";
  shape->SetWidth(30);
  shape->SetHeight(30);
  Scene.Draw();
  EXPECT_TRUE(Near(Scene.Pixel(100, 30), White)) << "narrower";
  EXPECT_TRUE(Near(Scene.Pixel(20, 100), White)) << "lower";
  EXPECT_TRUE(Near(Scene.Pixel(20, 20), Blue));
}

// Closing an update bracket repaints the node's old and new areas, also
// when it moved as the child of the node that opened the bracket.
TEST_F(VisualPaint, ANodeMovedInsideAnUpdateBracketLeavesNoGhost) {
  for (bool fromParent : {false, true}) {
    TTestShape* holder = Shape("holder", 0, 0, 0, 200, 200);
    holder->GetFill()->SetStyle(zrBrushNone);
    TTestShape* shape = Shape("shape", Blue, 10, 10, 30, 30, holder);
    Scene.DrawAll();
    TzrVisualObject* bracket = fromParent ? static_cast<TzrVisualObject*>(holder) : shape;
    bracket->BeginUpdate();
    shape->GetPosition()->SetPoint({120, 120});
    shape->SetWidth(40);
    bracket->EndUpdate();
    Scene.Draw();
    EXPECT_TRUE(Near(Scene.Pixel(20, 20), White)) << "old place, bracket on parent " << fromParent;
    EXPECT_TRUE(Near(Scene.Pixel(155, 130), Blue)) << "new place, bracket on parent " << fromParent;
    delete holder;
  }
}

}  // namespace
