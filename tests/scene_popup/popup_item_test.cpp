// Popup items: the entry's sub-items live in its popup and stream as its
// children; hovering opens the popup, leaving closes it unless the pointer
// went into it, and a closing popup closes the sub-menus the pointer left.

#include <gtk/gtk.h>

#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_popup_item.h"
#include "scene/zr_stream_text.h"
#include "tests/scene_popup/popup_fixture.h"
#include "tests/support/MainLoop.h"
#include "tests/support/WindowSystem.h"

namespace {

class PopupItemTest : public PopupTest {
 protected:
  void SetUp() override {
    Main.Show();
    Item = MakeItem(Main.Root, 20, 20);
  }
  TzrPopupItem* MakeItem(TzrObject* Parent, float X, float Y) {
    auto* item = new TzrPopupItem(Main.Form);
    item->SetBounds(X, Y, 100, 24);
    item->SetParent(Parent);
    item->GetPopup()->SetBounds(0, 0, 120, 80);
    return item;
  }
  TSceneForm Main{140, 140, 320, 240};
  TzrPopupItem* Item = nullptr;
};

TEST_F(PopupItemTest, SubItemsLiveInThePopupAndStreamAsTheItemsChildren) {
  TBox* entry = Main.Box(0, 0, 120, 20, 0xFFC0C0C0, Item);
  EXPECT_EQ(entry->GetParent(), Item->GetPopup());
  EXPECT_EQ(Item->GetPopup()->GetParent(), Item);
  EXPECT_EQ(entry->GetParentComponent(), Item);
  std::vector<TComponent*> streamed;
  Item->GetChildren([&](TComponent* C) { streamed.push_back(C); }, Main.Form);
  ASSERT_EQ(streamed.size(), 1u);
  EXPECT_EQ(streamed[0], entry);
}

// "PopupSize" carries the popup's size through a stream; the sub-items are
// read back into the copy's popup.
TEST_F(PopupItemTest, PopupSizeAndSubItemsSurviveAStream) {
  RegisterClass(TzrPopupItem::Class());
  Item->GetPopup()->SetBounds(0, 0, 140, 95);
  Main.Box(0, 0, 120, 20, 0xFFC0C0C0, Item);
  TMemoryStream binary;
  Item->SaveToBinStream(&binary);
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  const std::string written(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
  EXPECT_NE(written.find("PopupSize = '(0,0,140,95)'"), std::string::npos) << written;

  binary.SetPosition(0);
  TComponent owner(nullptr);
  auto* copy = dynamic_cast<TzrPopupItem*>(CreateObjectFromBinStream(&owner, &binary));
  ASSERT_NE(copy, nullptr);
  EXPECT_FLOAT_EQ(copy->GetPopup()->GetWidth(), 140);
  EXPECT_FLOAT_EQ(copy->GetPopup()->GetHeight(), 95);
  ASSERT_EQ(copy->GetPopup()->GetChildrenCount(), 1) << "the entry went into the popup";
  auto* read = dynamic_cast<TBox*>(copy->GetPopup()->GetChild(0));
  ASSERT_NE(read, nullptr);
  EXPECT_FLOAT_EQ(read->GetWidth(), 120);
  delete copy;
}

TEST_F(PopupItemTest, HoverOpensAndLeavingClosesUnlessThePointerIsInThePopup) {
  Item->SetHorizontalOffset(4);
  Item->MouseEnter();
  TzrPopup* popup = Item->GetPopup();
  ASSERT_TRUE(popup->GetIsOpen());
  EXPECT_EQ(popup->GetHorizontalOffset(), 4);
  TzrPopupForm* window = popup->GetPopupForm();
  ASSERT_NE(window, nullptr);
  SettleWindow(window->Handle());
  int x = 0, y = 0;
  ASSERT_TRUE(XScreenOrigin(window->Handle(), x, y));
  bool stays = false, closes = false;
  WithPointerAt(x + 30, y + 30, [&] {
    if (!popup->GetIsOpen()) Item->MouseEnter();
    Item->MouseLeave();
    stays = popup->GetIsOpen();
  });
  WithPointerAt(x + 300, y + 300, [&] {
    if (!popup->GetIsOpen()) Item->MouseEnter();
    Item->MouseLeave();
    closes = !popup->GetIsOpen();
  });
  EXPECT_TRUE(stays) << "the pointer went into the popup";
  EXPECT_TRUE(closes);
}

TEST_F(PopupItemTest, ClosingMenuClosesTheSubMenuThePointerLeft) {
  TzrPopupItem* sub = MakeItem(Item, 0, 0);
  ASSERT_EQ(sub->GetParent(), Item->GetPopup());
  sub->SetPlacement(zrPlacementRight);
  Item->MouseEnter();
  ASSERT_TRUE(Item->GetPopup()->GetIsOpen());
  SettleWindow(Item->GetPopup()->GetPopupForm()->Handle());
  sub->MouseEnter();
  ASSERT_TRUE(sub->GetPopup()->GetIsOpen());
  SettleWindow(sub->GetPopup()->GetPopupForm()->Handle());
  int itemX = 0, itemY = 0, subX = 0, subY = 0;
  ASSERT_TRUE(XScreenOrigin(Item->GetPopup()->GetPopupForm()->Handle(), itemX, itemY));
  ASSERT_TRUE(XScreenOrigin(sub->GetPopup()->GetPopupForm()->Handle(), subX, subY));
  EXPECT_EQ(subX, itemX + 100) << "to the right of its entry";
  bool subClosed = false;
  WithPointerAt(5, 5, [&] {
    if (!Item->GetPopup()->GetIsOpen()) Item->MouseEnter();
    if (!sub->GetPopup()->GetIsOpen()) sub->MouseEnter();
    Item->GetPopup()->SetIsOpen(false);
    subClosed = !sub->GetPopup()->GetIsOpen();
  });
  EXPECT_TRUE(subClosed);
  sub->GetPopup()->SetIsOpen(false);
}

}  // namespace
