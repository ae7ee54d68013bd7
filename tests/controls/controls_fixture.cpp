#include "controls_fixture.h"

#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_objects.h"
#include "scene/zr_ani.h"
#include "scene/zr_brush.h"
#include "scene/zr_control.h"
#include "scene/zr_scene_unit.h"

void ControlsTest::SetUpTestSuite() {
  VisualTest::SetUpTestSuite();
  InitializeScene();
  RegisterEffectClasses();
  RegisterStandardControls();
}

ControlsTest::ControlsTest() { Root->SetBounds(0, 0, 200, 200); }

ControlsTest::~ControlsTest() {
  // Animations started on this test's clock must not tick on the next one.
  zrFreeAniThread();
}

void ControlsTest::Press(TzrVisualObject* C, float X, float Y, bool Double) {
  C->MouseDown(mbLeft, ssLeft | (Double ? ssDouble : 0), X, Y);
}

void ControlsTest::Move(TzrVisualObject* C, float X, float Y) { C->MouseMove(ssLeft, X, Y, 0, 0); }

void ControlsTest::Release(TzrVisualObject* C, float X, float Y) { C->MouseUp(mbLeft, 0, X, Y); }

void ControlsTest::ClickOn(TzrVisualObject* C) {
  Press(C, C->GetWidth() / 2, C->GetHeight() / 2);
  Release(C, C->GetWidth() / 2, C->GetHeight() / 2);
}

void ControlsTest::Key(uint16_t AKey) {
  char16_t ch = 0;
  Root->DialogKey(AKey, 0);
  if (AKey != 0 && Scene.Focused) Scene.Focused->KeyDown(AKey, ch, 0);
}

void ControlsTest::Wait(uint32_t Ms) {
  for (uint32_t i = 0; i < Ms; ++i) Clock->Advance(1);
}

void ControlsTest::GalleryCanvas(int W, int H, TzrColor Backdrop) {
  Scene.Canvas = std::make_unique<TzrCanvasGdiPlus>(W, H);
  Scene.Canvas->SetMatrix(IdentityMatrix);
  Root->SetBounds(0, 0, float(W), float(H));
  auto* back = new TTestShape(&Owner);
  back->GetFill()->SetSolidColor(Backdrop);
  back->SetBounds(0, 0, float(W), float(H));
  back->SetParent(Root);
}

void ControlsTest::SaveGalleryPicture(const std::string& Name) {
  Wait(400);
  Scene.DrawAll();
  Scene.SaveGallery(Name);
}

bool ControlsTest::DrawnOver(TzrVisualObject* C, TzrColor Backdrop) {
  const TzrRect r = C->GetAbsoluteRect();
  for (int y = int(r.Top) + 1; y < int(r.Bottom) - 1; ++y)
    for (int x = int(r.Left) + 1; x < int(r.Right) - 1; ++x)
      if (Scene.Pixel(x, y) != Backdrop) return true;
  return false;
}
