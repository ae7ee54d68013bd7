// Pictures of the styled controls for looking at:
// build/gallery/controls_buttons.png (every button kind normal, hovered,
// pressed, focused and disabled) and build/gallery/controls_frames.png
// (labels, value labels, panels, callout panels pointing each way, a HUD
// window, status and tool bars), with English and Chinese captions. Each
// also checks that a control drew over the background at its centre.

#include "controls_fixture.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_brush.h"
#include "scene/zr_strings.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class ControlsGallery : public ControlsTest {
 protected:
  void Canvas(int W, int H) { GalleryCanvas(W, H, Backdrop); }
  void Save(const std::string& Name) { SaveGalleryPicture(Name); }
  void ExpectDrawn(TzrVisualObject* C) {
    const TzrRect r = C->GetAbsoluteRect();
    const int x = int((r.Left + r.Right) / 2), y = int((r.Top + r.Bottom) / 2);
    EXPECT_NE(Scene.Pixel(x, y), Backdrop) << C->ClassName() << " at " << x << "," << y;
  }
};

enum TState { Normal, Hovered, Pressed, Focused, Disabled };

TEST_F(ControlsGallery, Buttons) {
  struct Kind {
    const char* Class;
    const char* Resource;
  } kinds[] = {{"TzrButton", ""},
               {"TzrRoundButton", ""},
               {"TzrCircleButton", ""},
               {"TzrSpeedButton", ""},
               {"TzrCornerButton", ""},
               {"TzrColorButton", ""},
               {"TzrPopupButton", ""},
               {"TzrPopupBox", ""},
               {"TzrButton", "transparentbuttonstyle"},
               {"TzrCircleButton", "transparentcirclebuttonstyle"},
               {"TzrHudButton", ""},
               {"TzrHudRoundButton", ""},
               {"TzrHudCircleButton", ""},
               {"TzrHudCornerButton", ""},
               {"TzrHudSpeedButton", ""},
               {"TzrHudPopupBox", ""},
               {"TzrCloseButton", ""},
               {"TzrHudCloseButton", ""}};
  const int rows = int(std::size(kinds));
  Canvas(5 * 100 + 20, rows * 30 + 20);
  std::vector<std::vector<TzrControl*>> grid;
  for (int row = 0; row < rows; ++row) {
    grid.emplace_back();
    for (int col = 0; col < 5; ++col) {
      auto* c = static_cast<TzrControl*>(GetClass(kinds[row].Class)->Create(&Owner));
      c->GetPosition()->SetPoint({10.0f + float(col) * 100, 10.0f + float(row) * 30});
      c->SetParent(Root);
      if (*kinds[row].Resource) c->SetResource(kinds[row].Resource);
      // Small buttons get a short caption.
      const bool small = c->GetWidth() < 30;
      if (auto* t = dynamic_cast<TzrTextControl*>(c))
        t->SetText(small ? (col % 2 ? u"中" : u"+") : (col % 2 ? u"确定" : u"Apply"));
      if (auto* box = dynamic_cast<TzrPopupBox*>(c)) {
        box->GetItems()->Add(u"Soft 软");
        box->SetItemIndex(0);
      }
      if (auto* colour = dynamic_cast<TzrColorButton*>(c)) colour->SetColor("#FF2E8BD8");
      grid.back().push_back(c);
    }
  }
  Scene.DrawAll();
  for (auto& row : grid) {
    row[Hovered]->MouseEnter();
    Press(row[Pressed], 3, 3);
    row[Disabled]->SetEnabled(false);
  }
  // One node holds the scene's focus (the last pressed one now): it lets go,
  // and for the picture every cell of the column is told it has it.
  Scene.SetFocused(nullptr);
  for (auto& row : grid) {
    row[Focused]->SetCanFocused(true);
    row[Focused]->EnterFocus();
  }
  Save("controls_buttons");
  for (auto& row : grid) ExpectDrawn(row[Normal]);
}

TEST_F(ControlsGallery, Frames) {
  Canvas(560, 430);
  auto* label = Make<TzrLabel>(10, 10);
  label->SetText(u"Motor timing / 电机进角 (word wrap)");
  label->SetBounds(10, 10, 130, 34);
  auto* fitted = Make<TzrLabel>(10, 50);
  fitted->SetText(u"Auto size 自动大小");
  auto* value = Make<TzrValueLabel>(10, 75);
  value->SetText(u"12.6 V");
  value->SetHeight(24);
  auto* hudLabel = Make<TzrHudLabel>(10, 105);
  hudLabel->SetText(u"HUD label 标签");
  auto* panel = Make<TzrPanel>(160, 10);
  panel->SetBounds(160, 10, 100, 60);
  auto* hudPanel = Make<TzrHudPanel>(270, 10);
  hudPanel->SetBounds(270, 10, 100, 60);
  std::vector<TzrCalloutPanel*> callouts;
  for (int i = 0; i < 4; ++i) {
    auto* c = Make<TzrCalloutPanel>(0, 0);
    c->SetBounds(20.0f + float(i) * 130, 150, 110, 70);
    c->SetCalloutPosition(TzrCalloutPosition(i));
    c->SetCalloutOffset(i == 2 ? 20.0f : 0.0f);
    c->SetCalloutLength(14);
    callouts.push_back(c);
    auto* tip = Make<TzrLabel>(5, 27, c);
    tip->SetWidth(100);
    tip->SetText(i % 2 ? u"提示" : u"Help tip");
  }
  auto* window = Make<TzrHudWindow>(0, 0);
  window->SetBounds(10, 240, 260, 180);
  window->SetText(u"Settings 设置");
  auto* inner = Make<TzrHudButton>(90, 90, window);
  inner->SetText(u"OK 确定");
  auto* frame = Make<TzrPanel>(0, 0);
  frame->SetBounds(290, 240, 260, 180);
  auto* tools = Make<TzrToolBar>(0, 0, frame);
  auto* toolButton = Make<TzrSpeedButton>(8, 8, tools);
  toolButton->SetText(u"+");
  auto* status = Make<TzrStatusBar>(0, 0, frame);
  auto* statusText = Make<TzrLabel>(4, 3, status);
  statusText->SetText(u"Connected 已连接");
  auto* hudStatus = Make<TzrHudStatusBar>(0, 0, frame);
  hudStatus->SetAlign(vaNone);
  hudStatus->SetBounds(0, 100, 260, 22);
  Scene.DrawAll();
  fitted->SetAutoSize(true);
  Save("controls_frames");
  for (TzrVisualObject* c : std::initializer_list<TzrVisualObject*>{
           panel, hudPanel, callouts[0], callouts[3], value, tools, status})
    ExpectDrawn(c);
  EXPECT_LT(fitted->GetWidth(), 120) << "sized to its text";
}

}  // namespace
