// The tab control's and header's classes stream by name once registered.

#include "controls/zr_header.h"
#include "controls/zr_tab_control.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "tests/controls/controls_fixture.h"

namespace {

TEST_F(ControlsTest, TabControlsAndHeadersAreRegistered) {
  for (const char* name : {"TzrTabControl", "TzrHudTabControl", "TzrTabItem", "TzrHudTabItem",
                           "TzrHeader", "TzrHeaderItem"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST_F(ControlsTest, ATabControlWithItsTabsStreamsThroughText) {
  auto* tabs = Make<TzrTabControl>(0, 0);
  tabs->SetFullSize(true);
  tabs->SetItemHeight(24);
  for (const char16_t* caption : {u"表格", u"Chart"}) {
    auto* tab = new TzrHudTabItem(&Owner);
    tab->SetText(caption);
    tab->SetParent(tabs);
  }
  tabs->SetItemIndex(1);
  TMemoryStream text;
  tabs->SaveToStream(&text);
  text.SetPosition(0);
  TzrTabControl copy(nullptr);
  copy.LoadFromStream(&text);
  ASSERT_EQ(copy.TabCount(), 2);
  EXPECT_EQ(copy.GetItemIndex(), 1);
  EXPECT_TRUE(copy.GetFullSize());
  EXPECT_FLOAT_EQ(copy.GetItemHeight(), 24);
  EXPECT_EQ(copy.TabItem(0)->GetText(), u"表格");
  EXPECT_EQ(copy.TabItem(1)->ClassName(), "TzrHudTabItem");
}

}  // namespace
