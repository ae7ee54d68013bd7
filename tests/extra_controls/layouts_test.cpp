// The grid, scaled and foreign-control layouts: cells row by row with the
// layout's margins and the children's padding, children stretched from the
// original size, and a framework control that follows the layout's place
// and visibility.

#include <memory>

#include "controls/zr_grid_layout.h"
#include "controls/zr_non_zr_layout.h"
#include "controls/zr_scaled_layout.h"
#include "platform/vcl/WinControls.h"
#include "scene/zr_scene.h"
#include "tests/controls/controls_fixture.h"

namespace {

class LayoutsTest : public ControlsTest {
 protected:
  TzrGridLayout* Grid(float W, float H, int Children) {
    auto* grid = Make<TzrGridLayout>(0, 0);
    grid->SetBounds(0, 0, W, H);
    for (int i = 0; i < Children; ++i)
      Items.push_back(Shape("item", 0xFF3060C0, 0, 0, 10, 10, grid));
    return grid;  // each child took its cell as it was added
  }
  TzrPoint At(int I) { return Items[I]->GetPosition()->GetPoint(); }

  std::vector<TTestShape*> Items;
};

TEST_F(LayoutsTest, GridFillsRowsOfWholeCells) {
  Grid(200, 200, 4);
  EXPECT_EQ(At(0), (TzrPoint{0, 0}));
  EXPECT_EQ(At(1), (TzrPoint{64, 0}));
  EXPECT_EQ(At(2), (TzrPoint{128, 0}));
  EXPECT_EQ(At(3), (TzrPoint{0, 64})) << "a fourth cell would end at 256";
  EXPECT_EQ(Items[3]->GetWidth(), 64);
  EXPECT_EQ(Items[3]->GetHeight(), 64);
}

TEST_F(LayoutsTest, GridMarginsCountTwiceAgainstTheWidth) {
  TzrGridLayout* grid = Grid(200, 200, 3);
  grid->GetMargins()->SetLeft(10);
  grid->Realign();
  EXPECT_EQ(At(0), (TzrPoint{10, 0}));
  EXPECT_EQ(At(1), (TzrPoint{74, 0}));
  EXPECT_EQ(At(2), (TzrPoint{10, 64})) << "138 + 64 = 202 does not fit 200 - 10";
}

TEST_F(LayoutsTest, GridKeepsEachChildsPaddingInsideItsCell) {
  TzrGridLayout* grid = Grid(200, 200, 2);
  Items[1]->GetPadding()->SetRect(zrRect(4, 4, 4, 4));
  grid->Realign();
  EXPECT_EQ(At(1), (TzrPoint{68, 4}));
  EXPECT_EQ(Items[1]->GetWidth(), 56);
  EXPECT_EQ(Items[1]->GetHeight(), 56);
}

TEST_F(LayoutsTest, VerticalGridFillsColumnsAndSettersRealign) {
  TzrGridLayout* grid = Grid(200, 100, 3);
  grid->SetOrientation(zrVertical);
  EXPECT_EQ(At(1), (TzrPoint{64, 0})) << "one cell of 64 fits a height of 100";
  grid->SetItemHeight(50);
  EXPECT_EQ(At(1), (TzrPoint{0, 50}));
  EXPECT_EQ(At(2), (TzrPoint{64, 0}));
  grid->SetItemWidth(30);
  EXPECT_EQ(Items[2]->GetWidth(), 30);
  EXPECT_EQ(At(2), (TzrPoint{30, 0}));
}

TEST_F(LayoutsTest, ScaledLayoutStretchesItsChildrenFromTheOriginalSize) {
  GalleryCanvas(200, 200, 0xFF000000);
  auto* scaled = Make<TzrScaledLayout>(10, 20);
  EXPECT_EQ(scaled->GetOriginalWidth(), 50);
  EXPECT_EQ(scaled->GetOriginalHeight(), 50);
  TTestShape* child = Shape("child", 0xFF3060C0, 10, 10, 20, 20, scaled);
  scaled->SetWidth(100);
  scaled->SetHeight(25);
  // Drawn twice as wide and half as high: (10, 10)-(30, 30) of the original
  // space lands at (20, 5)-(60, 15) of the layout.
  EXPECT_EQ(child->GetAbsoluteRect(), zrRect(10 + 20, 20 + 5, 10 + 60, 20 + 15));
  EXPECT_EQ(scaled->ObjectByPoint(10 + 50, 20 + 12), child) << "hits map the same way";
  EXPECT_NE(scaled->ObjectByPoint(10 + 15, 20 + 14), child);
  Show();
  EXPECT_EQ(Scene.Pixel(10 + 58, 20 + 14), 0xFF3060C0u) << "painted through the stretched matrix";
  EXPECT_EQ(Scene.Pixel(10 + 15, 20 + 14), 0xFF000000u);
  EXPECT_EQ(Scene.Pixel(10 + 50, 20 + 17), 0xFF000000u);
}

TEST_F(LayoutsTest, ScaledLayoutRaisesAnOriginalSizeBelowOne) {
  auto* scaled = Make<TzrScaledLayout>(0, 0);
  scaled->SetOriginalWidth(0);
  scaled->SetOriginalHeight(-5);
  EXPECT_EQ(scaled->GetOriginalWidth(), 1);
  EXPECT_EQ(scaled->GetOriginalHeight(), 1);
  TzrMatrix m = scaled->GetChildrenMatrix();
  EXPECT_EQ(m.m11, 50);
  EXPECT_EQ(m.m22, 50);
}

class NonZRLayoutTest : public ControlsTest {
 protected:
  NonZRLayoutTest() {
    Panel = Make<TzrLayout>(10, 20);
    Panel->SetBounds(10, 20, 150, 150);
    Layout = Make<TzrNonZRLayout>(0, 0, Panel);
    Layout->SetBounds(5.4f, 6.6f, 80, 30);
    Control = new TControl(&Owner);
  }
  TzrLayout* Panel;
  TzrNonZRLayout* Layout;
  TControl* Control;
};

TEST_F(NonZRLayoutTest, HostedControlFollowsTheLayoutsPlaceInTheScene) {
  Layout->SetControl(Control);
  EXPECT_EQ(Control->BoundsRect(), (TRect{15, 27, 95, 57})) << "rounded scene rectangle";
  Layout->GetPosition()->SetPoint({40, 50});
  EXPECT_EQ(Control->BoundsRect(), (TRect{50, 70, 130, 100}));
  Layout->SetBounds(40, 50, 60, 10);
  EXPECT_EQ(Control->GetWidth(), 60);
  EXPECT_EQ(Control->GetHeight(), 10);
}

TEST_F(NonZRLayoutTest, HidingAnAncestorHidesTheControlAtTheNextTick) {
  Layout->SetControl(Control);
  ASSERT_TRUE(Layout->GetVisibleTimer()->GetEnabled());
  Panel->SetVisible(false);
  EXPECT_TRUE(Control->GetVisible()) << "nothing before the tick";
  Wait(100);
  EXPECT_FALSE(Control->GetVisible());
  EXPECT_FALSE(Layout->GetVisibleTimer()->GetEnabled()) << "the timer runs while it shows";
  Panel->SetVisible(true);
  EXPECT_TRUE(Layout->CheckParentVisible());
  EXPECT_TRUE(Control->GetVisible());
  EXPECT_TRUE(Layout->GetVisibleTimer()->GetEnabled());
}

TEST_F(NonZRLayoutTest, FreeingTheControlClearsTheReference) {
  Layout->SetControl(Control);
  delete Control;
  EXPECT_EQ(Layout->GetControl(), nullptr);
  EXPECT_FALSE(Layout->GetVisibleTimer()->GetEnabled());
  Panel->SetVisible(false);
  Wait(200);  // a tick without a control touches nothing
}

TEST_F(NonZRLayoutTest, RefusesTheScenesOwnHostWindow) {
  TComponent owner(nullptr);
  auto* view = new TzoRurev(&owner);
  auto* root = new TzrVisualObject(&owner);
  view->AddObject(root);
  auto* layout = new TzrNonZRLayout(&owner);
  layout->SetParent(root);
  layout->SetControl(view);
  EXPECT_EQ(layout->GetControl(), nullptr) << "the scene cannot sit over itself";
  layout->SetControl(Control);
  EXPECT_EQ(layout->GetControl(), Control);
  layout->SetControl(nullptr);
}

}  // namespace
