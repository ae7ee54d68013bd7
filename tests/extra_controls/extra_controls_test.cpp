// The image viewer's wheel zoom, best fit, centring and data; the dock
// bar's row and its cosine magnification; the drop target's acceptance and
// drop report; the iPhone button's tinted background.

#include <cmath>
#include <numbers>

#include "controls/zr_dock_bar.h"
#include "controls/zr_drop_target.h"
#include "controls/zr_image_viewer.h"
#include "controls/zr_iphone_button.h"
#include "controls/zr_scroll_bar.h"
#include "scene/zr_bitmap.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ImageViewerTest : public ControlsTest {
 protected:
  // A viewer whose view (the style's viewport) is 400 x 400.
  TzrImageViewer* Viewer(int BitmapW, int BitmapH) {
    GalleryCanvas(500, 500, 0xFF000000);
    auto* v = Make<TzrImageViewer>(0, 0);
    v->SetBounds(0, 0, 404, 404);
    v->GetBitmap()->SetSize(BitmapW, BitmapH);
    Show();
    EXPECT_EQ(v->ClientWidth(), 400);
    EXPECT_EQ(v->ClientHeight(), 400);
    return v;
  }
  static bool Wheel(TzrImageViewer* V, int Delta) {
    bool handled = false;
    V->MouseWheel(0, Delta, handled);
    return handled;
  }
};

TEST_F(ImageViewerTest, WheelZoomsInStepsOfFourPercentWithinItsLimits) {
  TzrImageViewer* v = Viewer(100, 100);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Wheel(v, 120));
  EXPECT_NEAR(v->GetBitmapScale(), 1.12f, 1e-5);
  for (int i = 0; i < 40; ++i) Wheel(v, -120);
  EXPECT_EQ(v->GetBitmapScale(), 0.01f);
  v->SetBitmapScale(50);
  EXPECT_EQ(v->GetBitmapScale(), 10);
  v->SetMouseScaling(false);
  Wheel(v, 120);
  EXPECT_EQ(v->GetBitmapScale(), 10) << "without MouseScaling the wheel only scrolls";
}

TEST_F(ImageViewerTest, BestFitShrinksLargeBitmapsOnly) {
  TzrImageViewer* v = Viewer(200, 100);
  v->BestFit();
  EXPECT_EQ(v->GetBitmapScale(), 1);
  v->GetBitmap()->SetSize(800, 400);
  EXPECT_TRUE(v->GetHScrollBar()->GetEnabled()) << "the large bitmap scrolls at scale 1";
  v->BestFit();
  EXPECT_EQ(v->GetBitmapScale(), 0.5f);
  EXPECT_EQ(v->GetImage()->GetWidth(), 400);
  EXPECT_EQ(v->GetImage()->GetHeight(), 200);
}

TEST_F(ImageViewerTest, SmallImagesSitCentredOnWholeUnitsLargeOnesAtTheTopLeft) {
  TzrImageViewer* v = Viewer(201, 101);
  EXPECT_EQ(v->GetImage()->GetPosition()->GetPoint(), (TzrPoint{100, 150}));
  EXPECT_EQ(v->GetBack()->GetPosition()->GetPoint(), (TzrPoint{100, 150}));
  v->SetBitmapScale(2);
  // 402 x 202: wider than the view, still lower than it less the bar.
  EXPECT_EQ(v->GetImage()->GetPosition()->GetX(), 0);
  EXPECT_EQ(v->GetImage()->GetPosition()->GetY(), std::round((v->ClientHeight() - 202) / 2));
  EXPECT_LT(v->ClientHeight(), 400) << "the horizontal bar took its share";
  EXPECT_EQ(v->GetImage()->GetWidth(), 402);
}

TEST_F(ImageViewerTest, NullDataLeavesAOnePixelBitmap) {
  TzrImageViewer* v = Viewer(200, 100);
  v->SetData(Variant::Null());
  EXPECT_EQ(v->GetBitmap()->GetWidth(), 1);
  EXPECT_EQ(v->GetBitmap()->GetHeight(), 1);
  TzrImageViewer* other = Make<TzrImageViewer>(0, 0);
  other->SetData(v->GetData());
  EXPECT_EQ(other->GetBitmap()->GetWidth(), 1);
}

class DockBarTest : public ControlsTest {
 protected:
  DockBarTest() {
    Bar = Make<TzrDockBar>(0, 0);
    Bar->SetBounds(0, 0, 200, 100);
    for (int i = 0; i < 3; ++i)
      Items.push_back(Shape("item", 0xFF3060C0, i * 40.f, 0, 32, 32, Bar));
    Bar->Realign();
  }
  TzrDockBar* Bar;
  std::vector<TTestShape*> Items;
};

TEST_F(DockBarTest, WithoutPointerTheRowIsCentredOnTheBottomEdge) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Items[i]->GetPosition()->GetPoint(), (TzrPoint{52.f + 32 * i, 68})) << i;
    EXPECT_EQ(Items[i]->GetWidth(), 32);
  }
}

TEST_F(DockBarTest, PointerOverAChildMagnifiesItAndItsNeighboursByTheCosine) {
  Bar->MouseMove(0, 100, 80, 0, 0);  // over the middle child (84 .. 116)
  EXPECT_EQ(Items[1]->GetWidth(), 64);
  EXPECT_EQ(Items[1]->GetHeight(), 64);
  // Neighbour centres lie 32 from the pointer; r = 96.
  const float grown = 32 + std::cos(32.f / 96 * std::numbers::pi_v<float> / 2) * 32;
  EXPECT_NEAR(Items[0]->GetWidth(), grown, 1e-3);
  EXPECT_NEAR(Items[2]->GetHeight(), grown, 1e-3);
  const float total = 64 + 2 * grown;
  EXPECT_NEAR(Items[0]->GetPosition()->GetX(), 100 - total / 2, 1e-3);
  EXPECT_NEAR(Items[1]->GetPosition()->GetX(), 100 - total / 2 + grown, 1e-3);
  EXPECT_EQ(Items[1]->GetPosition()->GetY(), 100 - 64 - 1);
  Bar->MouseLeave();
  for (TTestShape* item : Items) EXPECT_EQ(item->GetWidth(), 32);
  EXPECT_EQ(Items[0]->GetPosition()->GetX(), 52);
}

TEST_F(DockBarTest, PointerBesideTheChildrenGrowsNone) {
  Bar->MouseMove(0, 40, 80, 0, 0);  // 12 left of the row: a neighbour would be near
  for (TTestShape* item : Items) EXPECT_EQ(item->GetWidth(), 32);
}

TEST_F(ControlsTest, DropTargetAcceptsEveryDragAndReportsTheDrop) {
  auto* target = Make<TzrDropTarget>(0, 0);
  EXPECT_EQ(target->GetWidth(), 120);
  EXPECT_TRUE(target->GetDragDisableHighlight());
  target->SetFilter(u"*.png");
  target->OnDragOver = [](TObject*, const TzrDragObject&, const TzrPoint&, bool& Accept) {
    Accept = false;
  };
  TzrDragObject data;
  data.Files = {u"/tmp/notes.txt"};
  bool accept = false;
  target->DragOver(data, {5, 6}, accept);
  EXPECT_TRUE(accept);
  std::u16string dropped;
  TzrPoint at;
  target->OnDroped = [&](TObject* Sender, const TzrDragObject& Data, const TzrPoint& Point) {
    EXPECT_EQ(Sender, target);
    dropped = Data.Files.at(0);
    at = Point;
  };
  target->DragDrop(data, {7, 8});
  EXPECT_EQ(dropped, u"/tmp/notes.txt");
  EXPECT_EQ(at, (TzrPoint{7, 8}));
}

TEST_F(ControlsTest, IPhoneButtonTintsItsStylesBackground) {
  auto* button = Make<TzrIPhoneButton>(0, 0);
  Show();
  auto* part = dynamic_cast<TzrShape*>(button->FindResource("background"));
  ASSERT_NE(part, nullptr) << "iphonebuttonstyle has a background shape";
  EXPECT_EQ(part->GetFill()->GetSolidColor(), 0xFF808080u);
  button->GetBackground()->SetSolidColor(0xFF2060C0);
  EXPECT_EQ(part->GetFill()->GetSolidColor(), 0xFF2060C0u) << "the owned brush reaches the part";
  TzrBrush other(zrBrushSolid, 0xFFC04020);
  button->SetBackground(&other);
  EXPECT_NE(button->GetBackground(), &other);
  EXPECT_EQ(part->GetFill()->GetSolidColor(), 0xFFC04020u) << "the setter copies";
  other.SetSolidColor(0xFF000000);
  EXPECT_EQ(part->GetFill()->GetSolidColor(), 0xFFC04020u);
}

}  // namespace
