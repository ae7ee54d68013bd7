// The selection frame and the selection point: setter clamps, grip drags
// that keep the opposite edges, the minimum size, proportional resizing,
// the parent bounds, and the point's fixed size and events.

#include <cmath>

#include "controls/zr_selection.h"
#include "scene/zr_classes.h"
#include "shapes_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

struct TDrag {
  const char* Name;
  TzrPoint Grip;     // press point, local
  TzrPoint To;       // release point, local at the press
  TzrRect Expected;  // Left, Top, Right, Bottom in the parent
};

class SelectionTest : public ShapesTest {
 protected:
  TzrSelection* Frame(float X, float Y, float W, float H) { return Make<TzrSelection>(X, Y, W, H); }
  // Press at Grip, move to To in steps, release; points local to the frame
  // as it was at the press.
  static void Drag(TzrSelection* S, TzrPoint Grip, TzrPoint To) {
    const TzrPoint origin = S->GetPosition()->GetPoint();
    S->MouseDown(mbLeft, ssLeft, Grip.X, Grip.Y);
    for (int step = 1; step <= 2; ++step) {
      const float t = float(step) / 2;
      const TzrPoint p{Grip.X + (To.X - Grip.X) * t, Grip.Y + (To.Y - Grip.Y) * t};
      const TzrPoint now = S->GetPosition()->GetPoint();
      S->MouseMove(ssLeft, p.X + origin.X - now.X, p.Y + origin.Y - now.Y, 0, 0);
    }
    const TzrPoint now = S->GetPosition()->GetPoint();
    S->MouseUp(mbLeft, 0, To.X + origin.X - now.X, To.Y + origin.Y - now.Y);
  }
  static TzrRect Box(TzrSelection* S) {
    const TzrPoint p = S->GetPosition()->GetPoint();
    return zrRect(p.X, p.Y, p.X + S->GetWidth(), p.Y + S->GetHeight());
  }
};

void ExpectRect(const TzrRect& Got, const TzrRect& Want, const char* Name) {
  EXPECT_FLOAT_EQ(Got.Left, Want.Left) << Name;
  EXPECT_FLOAT_EQ(Got.Top, Want.Top) << Name;
  EXPECT_FLOAT_EQ(Got.Right, Want.Right) << Name;
  EXPECT_FLOAT_EQ(Got.Bottom, Want.Bottom) << Name;
}

TEST_F(SelectionTest, SettersClampGripAndMinimumSize) {
  auto* s = Frame(10, 10, 50, 40);
  s->SetGripSize(30);
  EXPECT_EQ(s->GetGripSize(), 20);
  s->SetGripSize(0.5f);
  EXPECT_EQ(s->GetGripSize(), 1);
  s->SetMinSize(-3);
  EXPECT_EQ(s->GetMinSize(), 1);
  s->SetMinSize(0);
  EXPECT_EQ(s->GetMinSize(), 1);
  auto* p = Make<TzrSelectionPoint>(20, 20, 50, 50);
  p->SetGripSize(30);
  EXPECT_EQ(p->GetGripSize(), 20);
  EXPECT_EQ(p->GetWidth(), 40);
}

// Each corner drag moves only its own edges by the pointer's travel, so the
// grabbed point stays under the pointer and the opposite edges stay put,
// even when the press was off the exact corner.
TEST_F(SelectionTest, CornerDragsKeepTheOppositeEdges) {
  const TDrag cases[] = {
      {"right-bottom", {101, 52}, {121, 72}, zrRect(40, 50, 160, 120)},
      {"left-top", {1, 2}, {-19, -8}, zrRect(20, 40, 140, 100)},
      {"right-top", {99, -2}, {109, 18}, zrRect(40, 70, 150, 100)},
      {"left-bottom", {-2, 49}, {28, 39}, zrRect(70, 50, 140, 90)},
      {"body", {50, 25}, {60, 15}, zrRect(50, 40, 150, 90)},
  };
  for (const TDrag& c : cases) {
    auto* s = Frame(40, 50, 100, 50);
    int changes = 0, tracks = 0;
    s->OnChange = [&](TObject*) { ++changes; };
    s->OnTrack = [&](TObject*) { ++tracks; };
    Drag(s, c.Grip, c.To);
    ExpectRect(Box(s), c.Expected, c.Name);
    EXPECT_EQ(changes, 1) << c.Name;
    EXPECT_EQ(tracks, 2) << c.Name;
    EXPECT_FALSE(s->GetMoving()) << c.Name;
    delete s;
  }
}

TEST_F(SelectionTest, ResizeStopsAtTheMinimumSize) {
  auto* s = Frame(40, 50, 100, 50);
  s->SetMinSize(20);
  Drag(s, {100, 50}, {-30, 10});  // right-bottom far past the left-top
  ExpectRect(Box(s), zrRect(40, 50, 60, 70), "right-bottom");
  auto* t = Frame(40, 50, 100, 50);
  Drag(t, {0, 0}, {150, 90});  // left-top past the right-bottom, minimum 15
  ExpectRect(Box(t), zrRect(125, 85, 140, 100), "left-top");
}

TEST_F(SelectionTest, ProportionalResizeKeepsTheRatioOfThePress) {
  auto* s = Frame(10, 10, 100, 50);
  s->SetProportional(true);
  Drag(s, {100, 50}, {60, 10});
  EXPECT_EQ(s->GetWidth(), 60);
  EXPECT_EQ(s->GetHeight(), 30);
  // The minimum size applies to the height through the ratio.
  s->SetMinSize(20);
  Drag(s, {60, 30}, {5, 5});
  EXPECT_EQ(s->GetWidth(), 40);
  EXPECT_EQ(s->GetHeight(), 20);
  // Left-top: the bottom-right corner stays.
  auto* t = Frame(40, 40, 100, 50);
  t->SetProportional(true);
  Drag(t, {0, 0}, {40, 0});
  ExpectRect(Box(t), zrRect(80, 60, 140, 90), "left-top proportional");
}

TEST_F(SelectionTest, ProportionalFrameOfNoHeightTakesRatioOne) {
  auto* s = Frame(10, 10, 100, 0);
  s->SetProportional(true);
  s->SetMinSize(1);
  Drag(s, {100, 0}, {50, 30});
  EXPECT_TRUE(std::isfinite(s->GetHeight()));
  EXPECT_EQ(s->GetWidth(), 50);
  EXPECT_EQ(s->GetHeight(), 50);
}

TEST_F(SelectionTest, ParentBoundsKeepTheFrameInsideItsParent) {
  auto* s = Frame(40, 50, 100, 50);
  Drag(s, {50, 25}, {-200, -200});
  ExpectRect(Box(s), zrRect(0, 0, 100, 50), "to the left-top");
  Drag(s, {50, 25}, {500, 500});
  ExpectRect(Box(s), zrRect(100, 150, 200, 200), "to the right-bottom");
  Drag(s, {0, 0}, {-300, -300});  // left-top grip to beyond the parent
  ExpectRect(Box(s), zrRect(0, 0, 200, 200), "grip clamped");
  s->SetParentBounds(false);
  Drag(s, {100, 100}, {-50, -50});
  ExpectRect(Box(s), zrRect(-150, -150, 50, 50), "unbounded");
}

TEST_F(SelectionTest, HitTestCoversFrameAndGripsEvenWhenHidden) {
  auto* s = Frame(40, 50, 100, 50);
  s->SetHideSelection(true);
  EXPECT_TRUE(s->PointInObject(90, 75));
  EXPECT_TRUE(s->PointInObject(38, 48));   // left-top grip outside the frame
  EXPECT_FALSE(s->PointInObject(35, 45));  // beyond the grip
  EXPECT_EQ(Root->ObjectByPoint(90, 75), s);
  const TzrRect a = s->GetAbsoluteRect();
  EXPECT_FLOAT_EQ(a.Left, 40 - 7);
  EXPECT_FLOAT_EQ(a.Bottom, 100 + 7);
}

TEST_F(SelectionTest, HoverMarksOneGripHotAndLeaveClearsIt) {
  auto* s = Frame(40, 50, 100, 50);
  s->MouseMove(0, 99, 49, 0, 0);
  EXPECT_TRUE(s->GetRightBottomHot());
  EXPECT_FALSE(s->GetLeftTopHot() || s->GetRightTopHot() || s->GetLeftBottomHot());
  s->MouseMove(0, 50, 25, 0, 0);
  EXPECT_FALSE(s->GetRightBottomHot());
  s->MouseMove(0, 1, 1, 0, 0);
  s->MouseLeave();
  EXPECT_FALSE(s->GetLeftTopHot());
}

TEST_F(SelectionTest, PointHasAFixedSizeFollowsThePointerAndFiresItsEvents) {
  auto* p = Make<TzrSelectionPoint>(50, 60, 100, 100);
  EXPECT_EQ(p->GetWidth(), 6);
  p->SetWidth(90);
  EXPECT_EQ(p->GetWidth(), 6);
  EXPECT_TRUE(p->PointInObject(52, 62));
  EXPECT_FALSE(p->PointInObject(53, 60));
  int tracks = 0, changes = 0;
  p->OnTrack = [&](TObject*) { ++tracks; };
  p->OnChange = [&](TObject*) { ++changes; };
  p->MouseMove(ssLeft, 10, 10, 0, 0);  // not pressed: no move
  EXPECT_EQ(p->GetPosition()->GetX(), 50);
  p->MouseDown(mbLeft, ssLeft, 0, 0);
  EXPECT_TRUE(p->GetPressed());
  p->MouseMove(ssLeft, 20, -10, 0, 0);
  EXPECT_EQ(p->GetPosition()->GetPoint().X, 70);
  EXPECT_EQ(p->GetPosition()->GetPoint().Y, 50);
  p->MouseMove(ssLeft, 500, -500, 0, 0);  // clamped to the parent
  EXPECT_EQ(p->GetPosition()->GetPoint().X, 200);
  EXPECT_EQ(p->GetPosition()->GetPoint().Y, 0);
  p->MouseUp(mbLeft, 0, 0, 0);
  EXPECT_EQ(tracks, 2);
  EXPECT_EQ(changes, 1);
  p->MouseUp(mbLeft, 0, 0, 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(SelectionTest, FramesStreamUnderTheDesignCategory) {
  RegisterShapes();
  // The inspector joins the same category when the controls are registered.
  int found = 0;
  for (const auto& [category, info] : ObjectList())
    if (category == "Design" && info->Name() != "TzrInspector") ++found;
  EXPECT_EQ(found, 3);
}

}  // namespace

namespace {

// build/gallery/selection_frames.png: a frame with its right-bottom grip
// hot, a plain frame over a rectangle, and two selection points.
TEST_F(SelectionTest, Gallery) {
  auto* back = Make<TzrRectangle>(110, 30, 70, 60);
  Paint(back, 0xFFB0D0F0, 0xFF203060, 1);
  auto* hot = Frame(20, 30, 70, 50);
  hot->MouseMove(0, 70, 50, 0, 0);
  Frame(105, 25, 80, 70);
  Make<TzrSelectionPoint>(50, 150, 0, 0);
  auto* point = Make<TzrSelectionPoint>(120, 150, 0, 0);
  point->SetGripSize(6);
  point->MouseEnter();
  Scene.DrawAll();
  Scene.SaveGallery("selection_frames");
  EXPECT_EQ(Scene.Pixel(90, 80), 0xFFFF0000u);  // hot grip centre
  EXPECT_EQ(Scene.Pixel(20, 30), 0xFFFFFFFFu);  // cold grip centre
  EXPECT_NE(Scene.Pixel(50, 30), 0xFFFFFFFFu);  // dashed top edge on a dash
}

}  // namespace
