// Pictures for looking at, in build/gallery/: color_controls.png (a colour
// panel, an open combo colour box, a gradient editor with a current stop,
// the ramp track bars and a hue strip beside a quad). Also checks that each
// control drew.

#include "controls/zr_color_panel.h"
#include "controls/zr_color_quad.h"
#include "controls/zr_color_tracks.h"
#include "controls/zr_gradient_edit.h"
#include "controls_fixture.h"
#include "scene/zr_gradient.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class ColorGallery : public ControlsTest {};

TEST_F(ColorGallery, ColourControls) {
  GalleryCanvas(560, 420, Backdrop);
  auto* panel = Make<TzrColorPanel>(10, 10);
  panel->SetColor("#C01E90FF");
  auto* combo = Make<TzrComboColorBox>(200, 10);
  combo->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
  combo->SetColor("#80FF4500");
  auto* edit = Make<TzrGradientEdit>(10, 190);
  edit->SetWidth(240);
  edit->SetHeight(30);
  TzrGradientPoints* points = edit->GetGradient()->GetPoints();
  points->Clear();
  points->AddPoint(0xFFFF0000, 0);
  points->AddPoint(0x8000FF00, 0.4f);
  points->AddPoint(0xFF0000FF, 1);
  edit->SetCurrentPoint(1);
  std::vector<TzrVisualObject*> drawn{panel, combo, edit};
  float y = 240;
  for (TzrVisualObject* t : std::initializer_list<TzrVisualObject*>{
           Make<TzrHueTrackBar>(10, y), Make<TzrAlphaTrackBar>(10, y + 25),
           Make<TzrBWTrackBar>(10, y + 50), Make<TzrHudHueTrackBar>(10, y + 75),
           Make<TzrHudBWTrackBar>(10, y + 100)}) {
    t->SetWidth(200);
    drawn.push_back(t);
  }
  auto* quad = Make<TzrColorQuad>(270, 240);
  quad->SetBounds(270, 240, 120, 120);
  auto* strip = Make<TzrColorPicker>(400, 240);
  strip->SetBounds(400, 240, 15, 120);
  strip->SetColorQuad(quad);
  strip->SetColor(0xFF20B2AA);
  drawn.push_back(quad);
  drawn.push_back(strip);
  Show();
  combo->DropDown();
  SaveGalleryPicture("color_controls");
  for (TzrVisualObject* c : drawn) EXPECT_TRUE(DrawnOver(c, Backdrop)) << c->ClassName();
  ASSERT_TRUE(combo->GetPopup()->GetIsOpen());
  EXPECT_TRUE(DrawnOver(combo->GetColorPanel(), Backdrop));
}

}  // namespace
