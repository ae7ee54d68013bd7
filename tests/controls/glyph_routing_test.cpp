// The bitmap-state button and the splitter driven as a user drives them: GDK
// events on a scene window, routed by the scene to the control under the
// pointer or the captured one. Needs a display (run under xvfb-run).

#include <gtk/gtk.h>

#include "controls/zr_splitter.h"
#include "controls/zr_state_button.h"
#include "platform/vcl/Forms.h"
#include "routed_scene_fixture.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_position.h"
#include "scene/zr_scene.h"
#include "tests/support/GdkInput.h"

namespace {

class GlyphRoutingTest : public RoutedSceneTest {
 protected:
  void SetUp() override { OpenScene(400, 200); }
};

TEST_F(GlyphRoutingTest, StateButtonShowsThePressedBitmapWhileHeldInside) {
  auto* b = new TzrBitmapStateButton(&Form);
  b->SetBounds(20, 20, 64, 64);
  b->SetParent(SceneRoot);
  TzrBitmap normal(8, 8), hot(8, 8), down(8, 8);
  b->SetBitmap(&normal);
  b->SetBitmapHot(&hot);
  b->SetBitmapDown(&down);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_EQ(b->ShownBitmap(), b->GetBitmap());
  Input->Move(50, 50);
  EXPECT_EQ(b->ShownBitmap(), b->GetBitmapHot());
  Input->Press(50, 50);
  EXPECT_EQ(b->ShownBitmap(), b->GetBitmapDown());
  Input->Drag(200, 150);  // outside: no longer pressed
  EXPECT_NE(b->ShownBitmap(), b->GetBitmapDown());
  Input->Drag(40, 40);
  EXPECT_EQ(b->ShownBitmap(), b->GetBitmapDown());
  Input->Release(40, 40);
  EXPECT_EQ(b->ShownBitmap(), b->GetBitmapHot());
  EXPECT_EQ(clicks, 1);
  Input->Move(300, 150);
  EXPECT_EQ(b->ShownBitmap(), b->GetBitmap());
}

TEST_F(GlyphRoutingTest, DraggedSplitterResizesTheLeftPanel) {
  auto* left = new TzrVisualObject(&Form);
  left->SetBounds(0, 0, 100, 200);
  left->SetAlign(vaLeft);
  left->SetParent(SceneRoot);
  auto* splitter = new TzrSplitter(&Form);
  splitter->SetBounds(150, 0, 5, 200);
  splitter->SetParent(SceneRoot);
  auto* client = new TzrVisualObject(&Form);
  client->SetAlign(vaClient);
  client->SetParent(SceneRoot);
  SceneRoot->Realign();
  ASSERT_EQ(splitter->GetPosition()->GetX(), 100);
  Input->Move(102, 50);
  Input->Press(102, 50);
  EXPECT_EQ(View->GetCaptured(), splitter);
  for (double x = 112; x <= 132; x += 10) Input->Drag(x, 50);
  EXPECT_EQ(left->GetWidth(), 130);
  EXPECT_EQ(splitter->GetPosition()->GetX(), 130);
  Input->Drag(-100, 50);
  EXPECT_EQ(left->GetWidth(), 20) << "MinSize";
  Input->Release(-100, 50);
  EXPECT_EQ(View->GetCaptured(), nullptr);
  Input->Drag(300, 50);  // released: nothing follows the pointer
  EXPECT_EQ(left->GetWidth(), 20);
}

}  // namespace
