// Pictures of the combo boxes for looking at, in build/gallery/:
// combo_boxes.png (closed boxes normal, hovered, focused and disabled, in
// the default and HUD looks, and two open lists with English and Chinese
// entries) and combo_text_boxes.png (a combo text box with its open list, an
// open combo track bar and a clear-button box). The lists open over the
// picture's own scene. Each also checks that the controls drew over the
// backdrop.

#include "controls/zr_combo_box.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_tracks.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

const char16_t* const Values[] = {u"Throttle range", u"刹车力度 (*)",    u"Timing 15°",
                                  u"电池类型",       u"Cut-off voltage", u"启动模式"};

class ComboGallery : public ControlsTest {
 protected:
  template <class T>
  T* Combo(float X, float Y, float W, int Index) {
    T* combo = Make<T>(X, Y);
    combo->SetWidth(W);
    combo->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
    for (const char16_t* s : Values) combo->GetItems()->Add(s);
    combo->SetItemIndex(Index);
    return combo;
  }
};

TEST_F(ComboGallery, ComboBoxes) {
  GalleryCanvas(560, 330, Backdrop);
  std::vector<TzrStringComboBox*> closed;
  for (int i = 0; i < 4; ++i) {
    closed.push_back(Combo<TzrStringComboBox>(10, 10 + i * 32.f, 130, i));
    closed.push_back(Combo<TzrHudStringComboBox>(150, 10 + i * 32.f, 130, i + 1));
  }
  auto* open = Combo<TzrStringComboBox>(300, 10, 120, 1);
  auto* hudOpen = Combo<TzrHudStringComboBox>(430, 10, 120, 3);
  Show();
  open->DropDown();
  hudOpen->DropDown();
  hudOpen->GetListBox()->SetItemIndex(4);
  // Rows: normal, hovered, focused (after the lists took the focus), disabled.
  closed[2]->MouseEnter();
  closed[3]->MouseEnter();
  Scene.SetFocused(closed[4]);
  closed[6]->SetEnabled(false);
  closed[7]->SetEnabled(false);
  Show();
  SaveGalleryPicture("combo_boxes");
  for (TzrStringComboBox* c : closed) EXPECT_TRUE(DrawnOver(c, Backdrop));
  EXPECT_TRUE(open->GetPopup()->GetIsOpen());
  EXPECT_TRUE(DrawnOver(open->GetPopup(), Backdrop));
  EXPECT_TRUE(DrawnOver(hudOpen->GetPopup(), Backdrop));
}

TEST_F(ComboGallery, ComboTextBoxes) {
  GalleryCanvas(520, 240, Backdrop);
  auto* box = Make<TzrComboTextBox>(10, 10);
  box->SetWidth(150);
  box->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
  for (const char16_t* s : Values) box->GetItems()->Add(s);
  box->SetItemIndex(1);
  auto* hud = Make<TzrHudComboTextBox>(10, 200);
  hud->SetWidth(150);
  for (const char16_t* s : Values) hud->GetItems()->Add(s);
  hud->SetItemIndex(3);
  auto* bar = Make<TzrComboTrackBar>(180, 10);
  bar->SetWidth(80);
  bar->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
  bar->SetValue(35.5f);
  auto* clear = Make<TzrTextBoxClearBtn>(350, 10);
  clear->SetWidth(160);
  clear->SetText(u"清除 me");
  Show();
  box->DropDown();
  bar->DropDown();
  Show();
  SaveGalleryPicture("combo_text_boxes");
  for (TzrVisualObject* c : std::initializer_list<TzrVisualObject*>{box, hud, bar, clear})
    EXPECT_TRUE(DrawnOver(c, Backdrop));
  EXPECT_TRUE(DrawnOver(box->GetPopup(), Backdrop));
  EXPECT_TRUE(DrawnOver(bar->GetPopup(), Backdrop));
  EXPECT_NE(clear->GetClearBtn(), nullptr);
}

}  // namespace
