// Pictures for looking at: build/gallery/memo_dials.png (angle buttons
// plain and HUD at several angles, with and without their value, an image
// control holding a picture, and the compound controls with English and
// Chinese captions). Each also checks that a control drew over the
// background at its centre.

#include "controls/zr_angle_button.h"
#include "controls/zr_compound.h"
#include "controls/zr_image_control.h"
#include "controls/zr_labels.h"
#include "controls/zr_number_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class DialGallery : public ControlsTest {
 protected:
  void Canvas(int W, int H) {
    Scene.Canvas = std::make_unique<TzrCanvasGdiPlus>(W, H);
    Scene.Canvas->SetMatrix(IdentityMatrix);
    Root->SetBounds(0, 0, float(W), float(H));
    auto* back = new TTestShape(&Owner);
    back->GetFill()->SetSolidColor(Backdrop);
    back->SetBounds(0, 0, float(W), float(H));
    back->SetParent(Root);
  }
  void ExpectDrawn(TzrVisualObject* C) {
    const TzrRect r = C->GetAbsoluteRect();
    const int x = int((r.Left + r.Right) / 2), y = int((r.Top + r.Bottom) / 2);
    EXPECT_NE(Scene.Pixel(x, y), Backdrop) << C->ClassName() << " at " << x << "," << y;
  }
};

TEST_F(DialGallery, DialsImagesAndCompounds) {
  Canvas(480, 330);
  std::vector<TzrVisualObject*> drawn;
  const float angles[] = {0, 45, 90, 180, -60, -135};
  for (int i = 0; i < 6; ++i) {
    auto* plain = Make<TzrAngleButton>(10 + i * 60, 10);
    plain->SetBounds(10 + i * 60, 10, 50, 50);
    plain->SetValue(angles[i]);
    plain->SetShowValue(i % 2 == 1);
    auto* hud = Make<TzrHudAngleButton>(10 + i * 60, 75);
    hud->SetBounds(10 + i * 60, 75, 50, 50);
    hud->SetValue(angles[i]);
    hud->SetShowValue(i % 2 == 0);
    drawn.push_back(plain);
    drawn.push_back(hud);
  }
  auto* image = Make<TzrImageControl>(380, 10);
  image->SetBounds(380, 10, 90, 115);
  TzrBitmap picture(40, 20);
  picture.Clear(0xFF3070C0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x)
      if ((x / 5 + y / 5) % 2) picture.GetScanline(y)[x] = 0xFFE0A020;
  picture.BitmapChanged();
  image->SetBitmap(&picture);
  drawn.push_back(image);

  auto* angle = Make<TzrCompoundAngleBar>(10, 140);
  angle->SetBounds(10, 140, 220, 30);
  angle->GetTextLabel()->SetText(u"Angle 角度");
  angle->SetValue(45.9f);
  auto* color = Make<TzrCompoundColorButton>(10, 180);
  color->SetBounds(10, 180, 220, 24);
  color->GetTextLabel()->SetText(u"Colour 颜色");
  color->SetValue("#FF20A040");
  auto* popup = Make<TzrCompoundPopupBox>(10, 215);
  popup->SetBounds(10, 215, 220, 24);
  popup->GetTextLabel()->SetText(u"Mode 模式");
  popup->GetPopupBox()->GetItems()->Add(u"Normal 普通");
  popup->SetValue(0);
  auto* compoundImage = Make<TzrCompoundImage>(250, 140);
  compoundImage->SetBounds(250, 140, 220, 100);
  compoundImage->GetTextLabel()->SetText(u"Picture 图片");
  compoundImage->GetImage()->SetBitmap(&picture);
  auto* text = Make<TzrCompoundTextBox>(10, 250);
  text->SetBounds(10, 250, 220, 24);
  text->GetTextLabel()->SetText(u"Driver 车手");
  text->SetText(u"Li Wei 李伟");
  auto* number = Make<TzrCompoundNumberBox>(250, 250);
  number->SetBounds(250, 250, 220, 24);
  number->GetTextLabel()->SetText(u"Gear 齿轮");
  number->GetNumberBox()->SetMax(100);
  number->SetValue(12.5f);
  auto* track = Make<TzrCompoundTrackBar>(10, 290);
  track->SetBounds(10, 290, 300, 24);
  track->GetTextLabel()->SetText(u"Throttle 油门");
  track->SetSuffix(u" %");
  track->SetValue(37.8f);
  Wait(300);
  Scene.DrawAll();
  compoundImage->GetImage()->SetBitmap(&picture);  // the part has its size now
  Scene.DrawAll();
  Scene.SaveGallery("memo_dials");
  for (TzrVisualObject* c : drawn) ExpectDrawn(c);
  ExpectDrawn(color->GetColorButton());
  ExpectDrawn(compoundImage->GetImage());
  ExpectDrawn(text->GetTextBox());
  ExpectDrawn(track->GetTrackBar());
  ExpectDrawn(number->GetNumberBox());
  EXPECT_EQ(angle->GetValueLabel()->GetText(), u"45.");
}

}  // namespace
