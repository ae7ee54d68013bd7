// Visual objects: matrices, rectangles, cached opacity and enabled state,
// geometry setters and repaint requests.
#include <gtest/gtest.h>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "tests/scene/object_fixture.h"
#include "visual_scene.h"

namespace {

void ExpectPoint(const TzrPoint& Actual, TzrPoint Expected) {
  EXPECT_NEAR(Actual.X, Expected.X, 1e-3);
  EXPECT_NEAR(Actual.Y, Expected.Y, 1e-3);
}

void ExpectRect(const TzrRect& Actual, TzrRect Expected) {
  EXPECT_NEAR(Actual.Left, Expected.Left, 1e-3);
  EXPECT_NEAR(Actual.Top, Expected.Top, 1e-3);
  EXPECT_NEAR(Actual.Right, Expected.Right, 1e-3);
  EXPECT_NEAR(Actual.Bottom, Expected.Bottom, 1e-3);
}

// A layout that shows its children at twice their size.
class TDoublingLayout : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  TzrMatrix GetChildrenMatrix() override {
    TzrMatrix m = IdentityMatrix;
    m.m11 = m.m22 = 2;
    return m;
  }
};

using VisualGeometry = VisualTest;

TEST_F(VisualGeometry, RotationTurnsAboutTheRotationCentre) {
  struct Case {
    float Angle;
    TzrPoint Local, Parent;
  };
  const Case cases[] = {
      {90, {0, 0}, {75, -25}},   {90, {100, 50}, {25, 75}}, {180, {0, 0}, {100, 50}},
      {-270, {0, 0}, {75, -25}}, {0, {10, 10}, {10, 10}},
  };
  TTestShape* node = Shape("node", 0xFF000000, 0, 0, 100, 50);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Angle);
    node->SetRotateAngle(c.Angle);
    ExpectPoint(node->LocalToAbsolute(c.Local), c.Parent);
    ExpectPoint(node->AbsoluteToLocal(c.Parent), c.Local);
  }
  node->SetRotateAngle(-270);
  EXPECT_EQ(node->GetRotateAngle(), 90) << "angles are kept normalised";
  // A moved parent carries the child; vectors ignore the move.
  Root->GetPosition()->SetPoint({10, 20});
  node->SetRotateAngle(0);
  ExpectPoint(node->LocalToAbsolute({0, 0}), {10, 20});
  const TzrVector v = node->LocalToAbsoluteVector(zrVector(100, 50, 0));
  EXPECT_NEAR(v.X, 100, 1e-3);
  EXPECT_NEAR(v.Y, 50, 1e-3);
}

TEST_F(VisualGeometry, ChildrenMatrixAndScalesReachTheDescendants) {
  auto* layout = new TDoublingLayout(&Owner);
  layout->SetParent(Root);
  layout->GetPosition()->SetPoint({10, 10});
  TTestShape* child = Shape("child", 0xFF000000, 5, 5, 20, 10, layout);
  ExpectRect(child->GetAbsoluteRect(), {20, 20, 60, 40});
  layout->GetScale()->SetPoint({3, 0.5f});
  child->GetScale()->SetPoint({2, 2});
  ExpectPoint(child->GetAbsoluteScale(), {6, 1});
  EXPECT_NEAR(child->GetAbsoluteWidth(), 20 * 2 * 2 * 3, 1e-3);
}

TEST_F(VisualGeometry, AbsoluteOpacityFadesPerDisabledLevel) {
  TTestShape* a = Shape("a", 0xFF000000, 0, 0, 50, 50);
  TTestShape* b = Shape("b", 0xFF000000, 0, 0, 50, 50, a);
  TTestShape* c = Shape("c", 0xFF000000, 0, 0, 50, 50, b);
  struct Case {
    float OpacityA;
    bool EnabledA;
    float A, B, C;
  };
  const Case cases[] = {
      {1, true, 1, 1, 1},
      {1, false, 1, 0.8f, 0.64f},  // a child of the root does not fade itself
      {0.5f, false, 0.5f, 0.4f, 0.32f},
      {0.5f, true, 0.5f, 0.5f, 0.5f},
  };
  for (const Case& k : cases) {
    a->SetOpacity(k.OpacityA);
    a->SetEnabled(k.EnabledA);
    EXPECT_NEAR(a->GetAbsoluteOpacity(), k.A, 1e-5);
    EXPECT_NEAR(b->GetAbsoluteOpacity(), k.B, 1e-5);
    EXPECT_NEAR(c->GetAbsoluteOpacity(), k.C, 1e-5);
    EXPECT_EQ(c->GetAbsoluteEnabled(), k.EnabledA);
  }
}

TEST_F(VisualGeometry, OpacityIsClampedAndAnUnchangedValueRequestsNothing) {
  TTestShape* node = Shape("node", 0xFF000000, 0, 0, 50, 50);
  const std::pair<float, float> cases[] = {{1.5f, 1}, {-0.2f, 0}, {0.25f, 0.25f}};
  for (auto [in, stored] : cases) {
    node->SetOpacity(in);
    EXPECT_EQ(node->GetOpacity(), stored);
  }
  Scene.Rects.clear();
  node->SetOpacity(0.25f);
  EXPECT_TRUE(Scene.Rects.empty());
}

TEST_F(VisualGeometry, NegativeSizesTurnIntoScaleOnlyWhileDesigning) {
  TTestShape* node = Shape("node", 0xFF000000, 0, 0, 50, 50);
  node->SetWidth(-30);
  node->SetHeight(-20);
  EXPECT_EQ(node->GetWidth(), -30);
  EXPECT_EQ(node->GetHeight(), -20);
  EXPECT_EQ(node->GetScale()->GetPoint(), (TzrPoint{1, 1}));
  Scene.DesignTime = true;
  node->SetWidth(-40);
  node->SetHeight(-10);
  EXPECT_EQ(node->GetWidth(), 40);
  EXPECT_EQ(node->GetHeight(), 10);
  EXPECT_EQ(node->GetScale()->GetPoint(), (TzrPoint{-1, -1}));
}

TEST_F(VisualGeometry, InvalidateRectMapsOnlyTwoCorners) {
  TTestShape* node = Shape("node", 0xFF000000, 0, 0, 100, 50);
  node->SetRotateAngle(45);
  Scene.Rects.clear();
  node->InvalidateRect(zrRect(0, 0, 100, 50));
  ASSERT_EQ(Scene.Rects.size(), 1u);
  const TzrPoint tl = node->LocalToAbsolute({0, 0}), br = node->LocalToAbsolute({100, 50});
  ExpectRect(Scene.Rects[0], zrNormalizeRect({tl, br}));
  const TzrRect all = node->GetAbsoluteRect();
  EXPECT_LT(zrRectWidth(Scene.Rects[0]) * zrRectHeight(Scene.Rects[0]),
            zrRectWidth(all) * zrRectHeight(all));
  // Inside BeginUpdate a repaint asks nothing, an invalidation still does.
  Scene.Rects.clear();
  node->BeginUpdate();
  node->Repaint();
  EXPECT_TRUE(Scene.Rects.empty());
  node->InvalidateRect(zrRect(0, 0, 10, 10));
  EXPECT_EQ(Scene.Rects.size(), 1u);
  node->EndUpdate();
}

TEST_F(VisualGeometry, RepaintAsksNothingWhereNothingShows) {
  struct Case {
    const char* Name;
    std::function<void(TTestShape*, TzrVisualObject*)> Set;
  };
  const Case cases[] = {
      {"invisible", [](TTestShape* n, TzrVisualObject*) { n->SetVisible(false); }},
      {"parent invisible", [](TTestShape*, TzrVisualObject* p) { p->SetVisible(false); }},
      {"updates disabled", [this](TTestShape*, TzrVisualObject*) { Scene.DisableUpdate = true; }},
      {"no scene", [](TTestShape*, TzrVisualObject* p) { p->SetParent(nullptr); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestShape* parent = Shape("", 0xFF000000, 0, 0, 100, 100);
    TTestShape* node = Shape("", 0xFF000000, 10, 10, 20, 20, parent);
    c.Set(node, parent);
    Scene.Rects.clear();
    node->Repaint();
    EXPECT_TRUE(Scene.Rects.empty());
    Scene.DisableUpdate = false;
  }
}

TEST_F(VisualGeometry, UpdateRectAddsFocusFrameAndIsCutByClippingAncestors) {
  TTestShape* outer = Shape("outer", 0xFF000000, 10, 10, 100, 100);
  TTestShape* middle = Shape("middle", 0xFF000000, 0, 0, 50, 50, outer);
  TTestShape* node = Shape("node", 0xFF000000, 40, 40, 40, 40, middle);
  ExpectRect(node->GetUpdateRect(), {50, 50, 90, 90});
  ExpectRect(outer->GetUpdateRect(), {10, 10, 110, 110});
  ExpectRect(middle->GetUpdateRect(), {10, 10, 90, 90});  // unites the overflowing child
  outer->SetClipChildren(true);
  middle->SetBounds(0, 0, 60, 60);  // a change marks the rectangles stale
  outer->SetBounds(10, 10, 70, 70);
  ExpectRect(node->GetUpdateRect(), {50, 50, 80, 80});
  ExpectRect(outer->GetUpdateRect(), {10, 10, 80, 80});
  // Focus adds room for the frame; losing it takes it away again.
  node->SetCanFocused(true);
  Scene.SetFocused(node);
  ExpectRect(node->GetUpdateRect(), {45, 45, 85, 85});
  Scene.SetFocused(nullptr);
  ExpectRect(node->GetUpdateRect(), {50, 50, 80, 80});
  // The selected node has room for its design frame and caption.
  Scene.DesignTime = true;
  Scene.Selected = middle;
  middle->RecalcUpdateRect();
  ExpectRect(middle->GetUpdateRect(), {6, -7, 80, 80});
}

TEST_F(VisualGeometry, ShowingANodeRequestsItsAreaAndStartsItsVisibleTriggers) {
  RegisterTestClasses();
  TTestShape* node = Shape("node", 0xFF000000, 10, 10, 30, 30);
  auto* fade = new TTestAnimation(&Owner);
  fade->SetParent(node);
  node->SetVisible(false);
  EXPECT_TRUE(Scene.Covered(zrRect(10, 10, 40, 40)));
  node->GetPosition()->SetPoint({50, 50});
  Scene.Rects.clear();
  node->SetVisible(true);
  EXPECT_TRUE(Scene.Covered(zrRect(50, 50, 80, 80)));
  EXPECT_EQ(fade->Triggers, (std::vector<std::string>{"node:IsVisible"}));
}

TEST_F(VisualGeometry, FocusedNodeMadeInvisibleOrDisabledGivesUpFocus) {
  TTestShape* node = Shape("node", 0xFF000000, 0, 0, 50, 50);
  node->SetCanFocused(true);
  Scene.SetFocused(node);
  ASSERT_TRUE(node->GetIsFocused());
  node->SetVisible(false);
  EXPECT_EQ(Scene.GetFocused(), nullptr);
  EXPECT_FALSE(node->GetIsFocused());
  node->SetVisible(true);
  Scene.SetFocused(node);
  node->SetEnabled(false);
  node->GetAbsoluteOpacity();
  EXPECT_EQ(Scene.GetFocused(), nullptr);
  node->SetEnabled(true);
  Scene.SetFocused(node);
  node->SetParent(nullptr);
  EXPECT_EQ(Scene.GetFocused(), nullptr) << "leaving the scene";
}

// A child reaching past its parent's right and bottom edges: moving it
// changes the parent's and grandparent's rectangles, which unite it.
TEST_F(VisualGeometry, OverflowingChildMovedGetsOldAndNewAreasRequested) {
  TTestShape* grand = Shape("grand", 0xFF000000, 0, 0, 60, 60);
  TTestShape* parent = Shape("parent", 0xFF000000, 0, 0, 100, 100, grand);
  TTestShape* child = Shape("child", 0xFF000000, 80, 80, 50, 50, parent);
  ExpectRect(grand->GetUpdateRect(), {0, 0, 130, 130});
  child->GetPosition()->SetPoint({140, 140});
  ExpectRect(parent->GetUpdateRect(), {0, 0, 190, 190});
  ExpectRect(grand->GetUpdateRect(), {0, 0, 190, 190});
  // Moving the grandparent requests the child's old area and its new one.
  Scene.Rects.clear();
  grand->GetPosition()->SetPoint({5, 5});
  EXPECT_TRUE(Scene.Covered(zrRect(140, 140, 190, 190)));
  EXPECT_TRUE(Scene.Covered(zrRect(145, 145, 195, 195)));
  // A clipping ancestor does not unite its children: its rectangle stays.
  grand->SetClipChildren(true);
  const TzrRect clipped = grand->GetUpdateRect();
  child->GetPosition()->SetPoint({10, 10});
  EXPECT_FALSE(grand->GetRecalcUpdateRect());
  EXPECT_EQ(grand->GetUpdateRect(), clipped);
}

// The children rectangle is kept between passes: every change of position,
// size, visibility or children shows in the next answer.
TEST_F(VisualGeometry, ChildrenRectFollowsEveryChange) {
  TTestShape* grand = Shape("grand", 0xFF000000, 0, 0, 60, 60);
  TTestShape* parent = Shape("parent", 0xFF000000, 0, 0, 100, 100, grand);
  TTestShape* child = Shape("child", 0xFF000000, 80, 80, 50, 50, parent);
  ExpectRect(grand->GetChildrenRect(), {0, 0, 130, 130});
  child->GetPosition()->SetPoint({140, 140});
  ExpectRect(grand->GetChildrenRect(), {0, 0, 190, 190});
  child->SetWidth(10);
  ExpectRect(grand->GetChildrenRect(), {0, 0, 150, 190});
  child->SetVisible(false);
  ExpectRect(grand->GetChildrenRect(), {0, 0, 100, 100});
  TTestShape* other = Shape("other", 0xFF000000, -20, 0, 10, 10, parent);
  ExpectRect(grand->GetChildrenRect(), {-20, 0, 100, 100});
  other->SetParent(nullptr);
  ExpectRect(grand->GetChildrenRect(), {0, 0, 100, 100});
}

TEST_F(VisualGeometry, BoundsRectKeepsTheRotationCentreInPlace) {
  TTestShape* node = Shape("node", 0xFF000000, 10, 10, 40, 20);
  node->SetBoundsRect(zrRect(5, 5, 25, 15));
  EXPECT_EQ(node->GetWidth(), 20);
  EXPECT_EQ(node->GetHeight(), 10);
  ExpectPoint(node->GetPosition()->GetPoint(), {15, 15});
  node->SetBoundsRect(zrRect(0, 0, -20, 10));
  EXPECT_EQ(node->GetWidth(), 20);
  EXPECT_EQ(node->GetScale()->GetX(), -1);
}

TEST_F(VisualGeometry, PublishedPropertiesReachTheSetters) {
  TTestShape* node = Shape("node", 0xFF000000, 0, 0, 50, 50);
  GetPropInfo(node, "Align")->SetEnum(node, "vaClient");
  EXPECT_EQ(node->GetAlign(), vaClient);
  EXPECT_EQ(node->GetWidth(), 200) << "the parent laid it out";
  SetPropValue(node, "Position.X", Variant(7.0));
  EXPECT_EQ(node->GetPosition()->GetX(), 7);
  SetPropValue(node, "Margins.Left", Variant(3.0));
  EXPECT_EQ(node->GetMargins()->GetLeft(), 3);
  EXPECT_EQ(GetPropInfo(node, "IsFocused")->GetEnum(node), "False");
  EXPECT_FALSE(GetPropInfo(node, "IsFocused")->IsWritable());
  EXPECT_FALSE(GetPropInfo(node, "Opacity")->IsStored(node));
  node->SetOpacity(0.5f);
  EXPECT_TRUE(GetPropInfo(node, "Opacity")->IsStored(node));
}

}  // namespace

namespace {

using VisualStream = VisualTest;

// A stored tree keeps its geometry and layout values, and loading lays it
// out from the loaded size.
TEST_F(VisualStream, TreeRoundTripsAndLaysOutWhenLoaded) {
  TTestShape* box = Shape("box", 0xFFFFFFFF, 10, 20, 120, 80);
  box->GetMargins()->SetRect(zrRect(4, 4, 4, 4));
  box->SetOpacity(0.5f);
  box->SetRotateAngle(15);
  TTestShape* bar = Shape("bar", 0xFF112233, 0, 0, 10, 16, box);
  bar->SetAlign(vaTop);
  bar->GetPadding()->SetRect(zrRect(1, 2, 3, 4));
  bar->SetHitTest(false);
  const std::string text = TextOf(box);
  EXPECT_NE(text.find("Align = vaTop"), std::string::npos) << text;
  EXPECT_NE(text.find("Opacity = 0.5"), std::string::npos) << text;
  EXPECT_EQ(text.find("Hint"), std::string::npos) << "an empty hint is not stored";

  TMemoryStream stream;
  stream.Write(text.data(), int(text.size()));
  stream.SetPosition(0);
  TzrObject* loaded = CreateObjectFromStream(&Owner, &stream);
  ASSERT_NE(loaded, nullptr);
  auto* copy = dynamic_cast<TTestShape*>(loaded);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetWidth(), 120);
  EXPECT_EQ(copy->GetPosition()->GetPoint(), (TzrPoint{10, 20}));
  EXPECT_EQ(copy->GetRotateAngle(), 15);
  EXPECT_EQ(copy->GetOpacity(), 0.5f);
  EXPECT_EQ(copy->GetMargins()->GetRect(), zrRect(4, 4, 4, 4));
  EXPECT_EQ(copy->GetLastWidth(), 120) << "the loaded size is the anchors' reference";
  ASSERT_EQ(copy->GetChildrenCount(), 1);
  auto* copyBar = dynamic_cast<TTestShape*>(copy->GetChild(0));
  ASSERT_NE(copyBar, nullptr);
  EXPECT_EQ(copyBar->GetAlign(), vaTop);
  EXPECT_FALSE(copyBar->GetHitTest());
  EXPECT_EQ(copyBar->GetPadding()->GetRect(), zrRect(1, 2, 3, 4));
  EXPECT_EQ(copyBar->GetFill()->GetSolidColor(), 0xFF112233u);
  // Laid out in its new place once it has a scene and a size change.
  Root->AddObject(copy);
  copy->SetWidth(100);
  EXPECT_EQ(copyBar->GetPosition()->GetPoint(), (TzrPoint{5, 6}));
  EXPECT_EQ(copyBar->GetWidth(), 88);
}

}  // namespace
