// Pictures of tab controls and grid headers for build/gallery/.

#include "canvas/zr_canvas_gdiplus.h"
#include "controls/zr_header.h"
#include "controls/zr_tab_control.h"
#include "tests/controls/controls_fixture.h"

namespace {

class TabsHeaderGallery : public ControlsTest {
 protected:
  TabsHeaderGallery() {
    Scene.Canvas = std::make_unique<TzrCanvasGdiPlus>(420, 300);
    Root->SetBounds(0, 0, 420, 300);
    Shape("backdrop", 0xFF2B2B2B, 0, 0, 420, 300);
  }
  template <class TControl, class TItem>
  TControl* Tabs(float X, float Y, std::initializer_list<const char16_t*> Captions) {
    auto* tabs = Make<TControl>(X, Y);
    tabs->SetBounds(X, Y, 200, 90);
    for (const char16_t* caption : Captions) {
      auto* tab = new TItem(&Owner);
      tab->SetWidth(64);
      tab->SetText(caption);
      auto* page = Shape("page", 0xFF8090A0, 0, 0, 10, 10, tabs);
      tab->SetLayout(page);
      tab->SetParent(tabs);
    }
    return tabs;
  }
  TzrHeader* Header(float X, float Y, std::initializer_list<const char16_t*> Captions) {
    auto* header = Make<TzrHeader>(X, Y);
    header->SetBounds(X, Y, 200, 21);
    header->SetRadius(2);
    for (const char16_t* caption : Captions) {
      auto* item = new TzrHeaderItem(&Owner);
      item->SetWidth(60);
      item->SetText(caption);
      item->SetParent(header);
    }
    header->Realign();
    return header;
  }
};

TEST_F(TabsHeaderGallery, TabsAndHeaders) {
  auto* en = Tabs<TzrTabControl, TzrTabItem>(10, 10, {u"Table", u"Chart", u"Log"});
  en->SetItemIndex(1);
  auto* zh = Tabs<TzrTabControl, TzrTabItem>(210, 10, {u"数据表", u"曲线图", u"隐藏"});
  zh->SetItemIndex(0);
  dynamic_cast<TzrTabItem*>(zh->GetChild(2))->SetVisible(false);
  auto* hud = Tabs<TzrHudTabControl, TzrHudTabItem>(10, 110, {u"Fill", u"Stroke", u"Hover"});
  hud->SetItemIndex(0);
  Header(210, 120, {u"No.", u"Speed", u"Voltage", u"Current"});
  Header(210, 160, {u"序号", u"转速", u"电压", u"电流"});
  Show();
  // Hover the third tab of each of the first and HUD controls.
  dynamic_cast<TzrTabItem*>(en->GetChild(2))->MouseEnter();
  dynamic_cast<TzrTabItem*>(hud->GetChild(2))->MouseEnter();
  Wait(400);
  Show();
  Scene.SaveGallery("grid_tabs_and_headers");
  EXPECT_EQ(zh->TabCount(), 2);
}

}  // namespace
