// Pictures of the value controls for looking at, in build/gallery/:
// value_checks.png (check boxes, path check boxes and radio buttons, checked
// and unchecked, normal, hovered, pressed, focused and disabled, with English
// and Chinese captions, HUD ones too, and group boxes), value_progress.png
// (progress at 0, 50 and 100 % both ways and both activity indicators) and
// value_tracks.png (track bars, tracks and scroll bars, small, vertical and
// HUD, with a hovered thumb). Each also checks that a control drew over the
// background.

#include "controls/zr_checks.h"
#include "controls/zr_progress.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_brush.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class ValueGallery : public ControlsTest {
 protected:
  void Canvas(int W, int H) { GalleryCanvas(W, H, Backdrop); }
  void Save(const std::string& Name) { SaveGalleryPicture(Name); }
  bool Drawn(TzrVisualObject* C) { return DrawnOver(C, Backdrop); }
  template <class T>
  T* At(const char* Class, float X, float Y) {
    auto* c = dynamic_cast<T*>(static_cast<TzrControl*>(GetClass(Class)->Create(&Owner)));
    c->GetPosition()->SetPoint({X, Y});
    c->SetParent(Root);
    return c;
  }
};

enum TState { Normal, Hovered, Pressed, Focused, Disabled };

TEST_F(ValueGallery, Checks) {
  const char* classes[] = {"TzrCheckBox", "TzrPathCheckBox", "TzrRadioButton", "TzrHudCheckBox",
                           "TzrHudRadioButton"};
  const int rows = int(std::size(classes)) * 2;
  Canvas(5 * 125 + 20, rows * 26 + 20 + 130);
  std::vector<std::vector<TzrCheckControl*>> grid;
  for (int row = 0; row < rows; ++row) {
    grid.emplace_back();
    for (int col = 0; col < 5; ++col) {
      auto* c =
          At<TzrCheckControl>(classes[row / 2], 10.0f + float(col) * 125, 10.0f + float(row) * 26);
      c->SetText(col % 2 ? u"通道 " + std::u16string(1, u'1' + col)
                         : u"Channel " + std::u16string(1, u'1' + col));
      if (auto* rb = dynamic_cast<TzrRadioButton*>(c))
        rb->SetGroupName("g" + std::to_string(row) + "_" + std::to_string(col));
      if (row % 2) c->SetIsChecked(true);
      grid.back().push_back(c);
    }
  }
  auto* group = At<TzrGroupBox>("TzrGroupBox", 10, float(rows * 26 + 20));
  group->SetBounds(10, float(rows * 26 + 20), 200, 110);
  group->SetText(u"Rotation 转向");
  auto* inside = Make<TzrRadioButton>(10, 30, group);
  inside->SetText(u"CW 正转");
  inside->SetIsChecked(true);
  Make<TzrRadioButton>(10, 55, group)->SetText(u"CCW 反转");
  auto* hudGroup = At<TzrGroupBox>("TzrHudGroupBox", 230, float(rows * 26 + 20));
  hudGroup->SetBounds(230, float(rows * 26 + 20), 200, 110);
  hudGroup->SetText(u"HUD group 组");
  Scene.DrawAll();
  Wait(300);  // the styles' first state animations end before the hover and press
  for (auto& row : grid) {
    row[Hovered]->MouseEnter();
    Press(row[Pressed], 3, 3);
    row[Disabled]->SetEnabled(false);
  }
  Scene.SetFocused(nullptr);
  for (auto& row : grid) row[Focused]->EnterFocus();
  Save("value_checks");
  for (auto& row : grid) EXPECT_TRUE(Drawn(row[Normal])) << row[Normal]->ClassName();
  EXPECT_TRUE(Drawn(group));
  EXPECT_TRUE(Drawn(hudGroup));
}

TEST_F(ValueGallery, Progress) {
  Canvas(460, 200);
  std::vector<TzrControl*> shown;
  const float values[] = {0, 50, 100};
  for (int i = 0; i < 3; ++i) {
    auto* h = Make<TzrProgressBar>(10, 10.0f + float(i) * 30);
    h->SetBounds(10, 10.0f + float(i) * 30, 200, 20);
    h->SetValue(values[i]);
    auto* v = Make<TzrProgressBar>(230.0f + float(i) * 30, 10);
    v->SetBounds(230.0f + float(i) * 30, 10, 20, 150);
    v->SetOrientation(zrVertical);
    v->SetValue(values[i]);
    shown.push_back(h);
    shown.push_back(v);
  }
  auto* lines = Make<TzrAniIndicator>(330, 10);
  lines->SetBounds(330, 10, 50, 50);
  auto* circles = Make<TzrAniIndicator>(390, 10);
  circles->SetBounds(390, 10, 50, 50);
  circles->SetStyle(zrAniIndicatorCircle);
  auto* idle = Make<TzrAniIndicator>(330, 80);
  idle->SetBounds(330, 80, 50, 50);
  lines->SetEnabled(true);
  circles->SetEnabled(true);
  Scene.DrawAll();  // styles applied: the gloss starts sweeping
  Wait(300);
  Save("value_progress");
  for (TzrControl* c : shown) EXPECT_TRUE(Drawn(c)) << c->GetPosition()->GetX();
  for (TzrControl* c : {lines, circles, idle}) EXPECT_TRUE(Drawn(c));
}

TEST_F(ValueGallery, Tracks) {
  Canvas(520, 260);
  auto* bar = Make<TzrTrackBar>(10, 10);
  bar->SetBounds(10, 10, 200, 14);
  bar->SetValue(30);
  auto* focused = Make<TzrTrackBar>(10, 34);
  focused->SetBounds(10, 34, 200, 14);
  focused->SetValue(70);
  auto* hudBar = Make<TzrHudTrackBar>(10, 58);
  hudBar->SetBounds(10, 58, 200, 14);
  hudBar->SetValue(50);
  auto* track = Make<TzrTrack>(10, 82);
  track->SetBounds(10, 82, 200, 19);
  track->SetViewportSize(25);
  track->SetValue(40);
  auto* hudTrack = Make<TzrHudTrack>(10, 108);
  hudTrack->SetBounds(10, 108, 200, 19);
  hudTrack->SetViewportSize(25);
  hudTrack->SetValue(75);
  auto* scroll = Make<TzrScrollBar>(10, 140);
  scroll->SetBounds(10, 140, 240, 18);
  scroll->SetViewportSize(20);
  scroll->SetValue(30);
  auto* small = Make<TzrSmallScrollBar>(10, 168);
  small->SetBounds(10, 168, 240, 8);
  small->SetViewportSize(30);
  small->SetValue(60);
  auto* hudScroll = Make<TzrHudScrollBar>(10, 186);
  hudScroll->SetBounds(10, 186, 240, 18);
  hudScroll->SetViewportSize(40);
  auto* vbar = Make<TzrTrackBar>(280, 10);
  vbar->SetBounds(280, 10, 14, 200);
  vbar->SetOrientation(zrVertical);
  vbar->SetValue(25);
  auto* vscroll = Make<TzrScrollBar>(310, 10);
  vscroll->SetBounds(310, 10, 18, 200);
  vscroll->SetOrientation(zrVertical);
  vscroll->SetViewportSize(30);
  vscroll->SetValue(50);
  auto* vsmall = Make<TzrSmallScrollBar>(340, 10);
  vsmall->SetBounds(340, 10, 8, 200);
  vsmall->SetOrientation(zrVertical);
  vsmall->SetViewportSize(10);
  vsmall->SetValue(90);
  auto* vhud = Make<TzrHudScrollBar>(360, 10);
  vhud->SetBounds(360, 10, 18, 200);
  vhud->SetOrientation(zrVertical);
  vhud->SetViewportSize(50);
  vhud->SetValue(25);
  Scene.DrawAll();
  bar->GetThumb()->MouseEnter();  // the hovered thumb
  focused->SetFocus();
  Save("value_tracks");
  for (TzrControl* c :
       std::initializer_list<TzrControl*>{bar, focused, hudBar, track, hudTrack, scroll, small,
                                          hudScroll, vbar, vscroll, vsmall, vhud})
    EXPECT_TRUE(Drawn(c)) << c->ClassName();
}

}  // namespace
