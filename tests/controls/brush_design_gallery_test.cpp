// The brush designer on each of its tabs, as the shared modeless designer
// of a rectangle shows it, written to the build folder's gallery as
// brush_design_<tab>.png; each checks that the tab's page drew.

#include "controls/zr_brush_design.h"
#include "controls/zr_color_quad.h"
#include "controls/zr_gradient_edit.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_tab_control.h"
#include "controls_fixture.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_gradient.h"
#include "scene/zr_resource_objects.h"
#include "scene/zr_scene.h"
#include "tests/support/SceneShot.h"

namespace {

class BrushDesignGallery : public ControlsTest {
 protected:
  void SetUp() override { ASSERT_NO_THROW(Application->Initialize()) << "needs a display"; }
  void Shoot(TzrBrushDesign& Form, TzrTabItem* Tab, TzrVisualObject* Page, const char* Name) {
    Form.brushTabControl->SetItem(Tab);
    pagetest::Settle(Form.zrBrushDesigner);
    pagetest::SaveWindow(Form, Name);
    const TzrPoint mid = Page->LocalToAbsolute({Page->GetWidth() / 2, Page->GetHeight() / 3});
    const TzrColor c = pagetest::Pixel(Form.zrBrushDesigner, int(mid.X), int(mid.Y));
    EXPECT_NE(c & 0xFF000000u, 0u) << Name << ": the window is drawn";
  }
};

TEST_F(BrushDesignGallery, EachTab) {
  auto* shape = Make<TzrRectangle>(10, 10);
  shape->GetFill()->SetSolidColor(0xFF1E90FF);
  TzrBrushDesign form(nullptr);
  form.SetComp(shape);
  form.Show();
  Shoot(form, form.tabNone, form.HudWindow1, "brush_design_none");
  Shoot(form, form.tabSolid, form.solidQuad, "brush_design_solid");
  TzrGradientPoints* points = form.gradEditor->GetGradient()->GetPoints();
  points->AddPoint(0xFFFF8000, 0.5f)->SetIndex(1);
  form.gradEditor->SetCurrentPoint(1);
  Shoot(form, form.tabGradient, form.gradQuad, "brush_design_gradient");
  form.bitmapImage->GetBitmap()->SetSize(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      form.bitmapImage->GetBitmap()->GetScanline(y)[x] =
          (x / 8 + y / 8) % 2 ? 0xFFFFD040u : 0xFF3060C0u;
  form.bitmapImage->GetBitmap()->BitmapChanged();
  Shoot(form, form.tabBitmap, form.bitmapImage, "brush_design_bitmap");
  for (const char* name : {"Brush1", "Accent"}) {
    auto* res = new TzrBrushObject(&Owner);
    res->SetResourceName(name);
    res->GetBrush()->SetSolidColor(name[0] == 'B' ? 0xFFFF8000 : 0xFF40C040);
    res->SetParent(Root);
  }
  Shoot(form, form.tabRes, form.HudWindow1, "brush_design_resource");
  form.Hide();
}

}  // namespace
