// Pictures of the lists for looking at, in build/gallery/: lists.png (list
// boxes focused and unfocused with a selection, stripes and check boxes,
// English and Chinese entries, a horizontal list of vertical track bars)
// and scroll_boxes.png (scroll boxes with normal and small bars, framed and
// not). Each also checks that the controls drew over the backdrop.

#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_scroll_bar.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_tracks.h"
#include "scene/zr_brush.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class ListsGallery : public ControlsTest {
 protected:
  void Canvas(int W, int H) { GalleryCanvas(W, H, Backdrop); }
  void Save(const std::string& Name) { SaveGalleryPicture(Name); }
  bool Drawn(TzrVisualObject* C) { return DrawnOver(C, Backdrop); }
  template <class T>
  T* Box(float X, float Y, float W, float H) {
    T* box = Make<T>(X, Y);
    box->SetBounds(X, Y, W, H);
    return box;
  }
  TzrListBoxItem* Entry(TzrListBox* L, const std::u16string& Text) {
    auto* item = new TzrListBoxItem(&Owner);
    item->SetText(Text);
    item->SetHeight(22);
    item->SetParent(L);
    return item;
  }
  TzrListBox* Filled(float X, float Y) {
    auto* list = Box<TzrListBox>(X, Y, 150, 150);
    for (const char16_t* t : {u"Throttle range", u"刹车力度", u"Timing", u"电池类型",
                              u"Cut-off voltage", u"启动模式", u"Governor"})
      Entry(list, t);
    return list;
  }
};

TEST_F(ListsGallery, Lists) {
  Canvas(660, 360);
  TzrListBox* focused = Filled(10, 10);
  focused->SetItemIndex(1);
  TzrListBox* unfocused = Filled(170, 10);
  unfocused->SetHideSelectionUnfocused(false);
  unfocused->SetItemIndex(3);
  unfocused->SetAlternatingRowBackground(true);
  TzrListBox* checks = Filled(330, 10);
  checks->SetShowCheckboxes(true);
  checks->SetMultiSelect(true);
  checks->SetHideSelectionUnfocused(false);
  checks->ItemByIndex(0)->SetIsChecked(true);
  checks->ItemByIndex(4)->SetIsChecked(true);
  checks->SetItemIndex(2);
  checks->ItemByIndex(3)->SetIsSelected(true);
  auto* transparent = Filled(490, 10);
  transparent->SetResource("transparentlistboxstyle");
  transparent->SetAlternatingRowBackground(true);
  transparent->SetItemIndex(0);
  auto* horz = Box<TzrHorzListBox>(10, 170, 640, 180);
  horz->SetUseSmallScrollBars(true);
  for (int i = 0; i < 24; ++i) {
    TzrListBoxItem* item = Entry(horz, u"");
    item->SetWidth(34);
    auto* bar = new TzrTrackBar(&Owner);
    bar->SetOrientation(zrVertical);
    bar->SetBounds(10, 4, 14, 120);
    bar->SetValue(float(i * 4));
    bar->SetParent(item);
    auto* label = new TzrLabel(&Owner);
    label->SetText(UTF8ToUTF16(std::to_string(i + 1)));
    label->SetBounds(0, 130, 34, 16);
    label->SetParent(item);
  }
  Show();
  Scene.SetFocused(focused);
  Save("lists");
  for (TzrVisualObject* c :
       std::initializer_list<TzrVisualObject*>{focused, unfocused, checks, horz})
    EXPECT_TRUE(Drawn(c));
  EXPECT_TRUE(horz->GetHScrollBar()->GetVisible()) << "24 columns overflow the list";
}

TEST_F(ListsGallery, ScrollBoxes) {
  Canvas(520, 230);
  const char* classes[] = {"normal", "small", "framed", "framed small"};
  for (int i = 0; i < 4; ++i) {
    TzrScrollBox* box = i < 2 ? Box<TzrScrollBox>(10 + i * 127.f, 10, 117, 210)
                              : Box<TzrFramedScrollBox>(10 + i * 127.f, 10, 117, 210);
    box->SetUseSmallScrollBars(i % 2 == 1);
    for (int k = 0; k < 12; ++k) {
      auto* label = new TzrLabel(&Owner);
      label->SetText(k % 2 ? u"滚动内容 " + UTF8ToUTF16(std::to_string(k))
                           : UTF8ToUTF16(std::string(classes[i]) + " row " + std::to_string(k)));
      label->SetBounds(4, 4 + k * 24.f, 180, 20);
      label->SetTextAlign(zrTextAlignNear);
      label->SetParent(box);
    }
    Show();
    box->GetVScrollBar()->SetValue(40);
  }
  Save("scroll_boxes");
}

}  // namespace
