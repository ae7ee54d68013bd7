// List boxes: layout in rows and columns, stripes, the current item and its
// notifications, removal rules, keys, mouse selection with Ctrl and Shift,
// the highlight and the focus, check boxes, sorting, drag reordering, the
// horizontal list and the navigation list's entries.

#include "controls/zr_checks.h"
#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_scroll_bar.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr uint16_t VkEnd = 35, VkHome = 36, VkLeft = 37, VkUp = 38, VkRight = 39, VkDown = 40;

class ListBoxTest : public ControlsTest {
 protected:
  // The items go with the owner after this fixture's members: changes made
  // while they leave are not recorded.
  ~ListBoxTest() override {
    if (List) List->OnChange = nullptr;
  }
  TzrListBox* MakeList(float W = 150, float H = 190) {
    List = Make<TzrListBox>(0, 0);
    List->SetBounds(0, 0, W, H);
    List->OnChange = [this](TObject* Sender) { Changes.push_back(Sender); };
    return List;
  }
  TzrListBoxItem* Add(const std::u16string& Text, float H = 20, TzrListBox* L = nullptr) {
    auto* item = new TzrListBoxItem(&Owner);
    item->SetText(Text);
    item->SetHeight(H);
    item->SetParent(L ? L : List);
    return item;
  }
  void Type(char16_t C) {
    uint16_t key = 0;
    List->KeyDown(key, C, 0);
  }
  void KeyOn(uint16_t K) {
    char16_t ch = 0;
    List->KeyDown(K, ch, 0);
  }
  // Centre of item I in the list's coordinates.
  TzrPoint Centre(int I) {
    TzrListBoxItem* item = List->ItemByIndex(I);
    return List->AbsoluteToLocal(
        item->LocalToAbsolute({item->GetWidth() / 2, item->GetHeight() / 2}));
  }
  void PressItem(int I, TShiftState Shift = 0) {
    const TzrPoint p = Centre(I);
    List->MouseDown(mbLeft, ssLeft | Shift, p.X, p.Y);
    List->MouseUp(mbLeft, Shift, p.X, p.Y);
  }
  int VisibleHighlights() {
    int n = 0;
    for (TzrVisualObject* copy : List->GetSelections()) n += copy->GetVisible();
    return n;
  }
  std::vector<bool> Selected() {
    std::vector<bool> s;
    for (int i = 0; i < List->Count(); ++i) s.push_back(List->ItemByIndex(i)->GetIsSelected());
    return s;
  }

  TzrListBox* List = nullptr;
  std::vector<TObject*> Changes;
};

TEST_F(ListBoxTest, AnEmptyListIgnoresKeysAndKeepsTheViewport) {
  MakeList();
  Show();
  for (uint16_t k : {VkHome, VkEnd, VkDown, VkUp}) KeyOn(k);
  Type(u'a');
  EXPECT_EQ(List->GetItemIndex(), -1);
  EXPECT_TRUE(Changes.empty());
  EXPECT_EQ(List->GetData().ToWideString(), u"");
  EXPECT_EQ(List->GetContentBounds(), List->GetContentLayout()->GetLocalRect());
}

TEST_F(ListBoxTest, RowsOfThreeShareTheTallestHeight) {
  MakeList();
  List->SetColumns(3);
  const float heights[] = {20, 30, 20, 20, 20, 40, 25};
  for (float h : heights) Add(u"x", h);
  Show();
  const float column = List->GetContentLayout()->GetWidth() / 3;
  struct {
    int Index;
    float X, Y, H;
  } cases[] = {{0, 0, 0, 30}, {2, 2 * column, 0, 30}, {4, column, 30, 40}, {6, 0, 70, 25}};
  for (auto c : cases) {
    TzrListBoxItem* item = List->ItemByIndex(c.Index);
    EXPECT_FLOAT_EQ(item->GetPosition()->GetX(), c.X) << c.Index;
    EXPECT_FLOAT_EQ(item->GetPosition()->GetY(), c.Y) << c.Index;
    EXPECT_FLOAT_EQ(item->GetHeight(), c.H) << c.Index;
    EXPECT_FLOAT_EQ(item->GetWidth(), column) << c.Index;
  }
  EXPECT_FLOAT_EQ(zrRectHeight(List->GetContentBounds()), 95);
}

TEST_F(ListBoxTest, ItemWidthFixesTheColumns) {
  MakeList(174, 190);
  Show();
  ASSERT_FLOAT_EQ(List->GetContentLayout()->GetWidth(), 170);
  for (int i = 0; i < 4; ++i) Add(u"x");
  List->SetItemWidth(50);
  EXPECT_EQ(List->GetColumns(), 3);
  EXPECT_FLOAT_EQ(zrRectWidth(List->GetContentBounds()), 150);
  EXPECT_FLOAT_EQ(List->ItemByIndex(3)->GetPosition()->GetY(), 20)
      << "the fourth item starts row 2";
}

TEST_F(ListBoxTest, ItemIndexFiresOnceAndOnlyOnAChange) {
  MakeList();
  TzrListBoxItem* a = Add(u"a");
  TzrListBoxItem* b = Add(u"b");
  List->SetItemIndex(0);
  ASSERT_EQ(Changes, std::vector<TObject*>{a});
  List->SetItemIndex(0);
  EXPECT_EQ(Changes.size(), 1u) << "the same index fires nothing";
  List->SetItemIndex(1);
  EXPECT_EQ(Changes.back(), b);
  EXPECT_FALSE(a->GetIsSelected());
  EXPECT_TRUE(b->GetIsSelected());
  List->SetItemIndex(-1);
  EXPECT_EQ(Changes.size(), 3u);
  EXPECT_EQ(Changes.back(), nullptr);
  List->BeginUpdate();
  List->SetItemIndex(0);
  List->EndUpdate();
  EXPECT_EQ(Changes.size(), 3u) << "silent inside an update";
  EXPECT_EQ(List->GetSelected(), a);
}

TEST_F(ListBoxTest, RemovalsMoveTheIndex) {
  MakeList();
  TzrListBoxItem* a = Add(u"a");
  Add(u"b");
  TzrListBoxItem* c = Add(u"c");
  List->SetItemIndex(2);
  Changes.clear();
  delete a;
  EXPECT_EQ(List->GetItemIndex(), 1) << "an item before the current one lowers the index";
  EXPECT_TRUE(Changes.empty()) << "silently";
  EXPECT_EQ(List->GetSelected(), c);
  delete c;
  EXPECT_EQ(List->GetItemIndex(), -1);
  EXPECT_EQ(Changes, std::vector<TObject*>{nullptr});
  List->Clear();
  EXPECT_EQ(List->Count(), 0);
}

TEST_F(ListBoxTest, TypingALetterChoosesTheFirstItemIgnoringCase) {
  MakeList();
  Add(u"Alpha");
  Add(u"beta");
  Add(u"Bravo");
  Type(u'b');
  EXPECT_EQ(List->GetItemIndex(), 1);
  Type(u'B');
  EXPECT_EQ(List->GetItemIndex(), 1) << "beta each time";
  Type(u'z');
  EXPECT_EQ(List->GetItemIndex(), 1);
}

TEST_F(ListBoxTest, NavigationKeysWithTwoColumns) {
  MakeList();
  List->SetColumns(2);
  for (int i = 0; i < 5; ++i) Add(u"x");
  List->SetItemIndex(0);
  struct {
    uint16_t Key;
    int Index;
  } steps[] = {{VkDown, 2}, {VkDown, 4}, {VkDown, 4}, {VkUp, 2}, {VkRight, 3},
               {VkEnd, 3},  {VkLeft, 2}, {VkHome, 0}, {VkUp, 0}};
  for (auto s : steps) {
    uint16_t key = s.Key;
    char16_t ch = 0;
    List->KeyDown(key, ch, 0);
    EXPECT_EQ(List->GetItemIndex(), s.Index) << s.Key;
    EXPECT_EQ(key, 0) << "consumed";
  }
}

TEST_F(ListBoxTest, StripesFallOnEverySecondRow) {
  MakeList();
  List->SetAlternatingRowBackground(true);
  Add(u"");
  Show();
  const TzrColor plain = Scene.Pixel(50, 12);
  EXPECT_EQ(Scene.Pixel(50, 32), plain) << "one item: no stripe";
  Add(u"");
  Add(u"");
  Show();
  EXPECT_EQ(Scene.Pixel(50, 12), plain);
  EXPECT_NE(Scene.Pixel(50, 32), plain) << "the second row is striped";
  EXPECT_EQ(Scene.Pixel(50, 52), plain);
  Scene.SaveGallery("listbox_stripes");
}

TEST_F(ListBoxTest, TheHighlightFollowsTheFocus) {
  MakeList();
  for (int i = 0; i < 3; ++i) Add(u"x");
  Show();
  List->SetItemIndex(1);
  EXPECT_EQ(VisibleHighlights(), 0) << "hidden while unfocused";
  Scene.SetFocused(List);
  ASSERT_EQ(VisibleHighlights(), 1);
  TzrVisualObject* copy = List->GetSelections()[0];
  EXPECT_FLOAT_EQ(copy->GetPosition()->GetY(), 20);
  EXPECT_FLOAT_EQ(copy->GetHeight(), 20);
  Scene.SetFocused(nullptr);
  EXPECT_EQ(VisibleHighlights(), 0);
  List->SetHideSelectionUnfocused(false);
  List->UpdateSelection();
  EXPECT_EQ(VisibleHighlights(), 1);
}

TEST_F(ListBoxTest, CtrlAndShiftSelectInMultipleSelection) {
  MakeList();
  List->SetMultiSelect(true);
  for (int i = 0; i < 5; ++i) Add(u"x");
  Show();
  Scene.SetFocused(List);
  PressItem(0);
  PressItem(2, ssCtrl);
  EXPECT_EQ(Selected(), (std::vector<bool>{true, false, true, false, false}));
  EXPECT_EQ(VisibleHighlights(), 2) << "two runs";
  PressItem(3, ssShift);
  EXPECT_EQ(Selected(), (std::vector<bool>{true, true, true, true, false}));
  EXPECT_EQ(List->GetItemIndex(), 3);
  EXPECT_EQ(VisibleHighlights(), 1) << "one run, one highlight";
  PressItem(4);
  EXPECT_EQ(Selected(), (std::vector<bool>{false, false, false, false, true}));
  List->SetMultiSelect(false);
  EXPECT_EQ(List->GetItemIndex(), -1) << "turning it off clears the selection";
}

TEST_F(ListBoxTest, ADropExchangesTwoItemsAndKeepsTheCurrentOne) {
  MakeList();
  TzrListBoxItem* a = Add(u"a");
  Add(u"b");
  TzrListBoxItem* c = Add(u"c");
  Show();
  List->SetAllowDrag(true);
  List->SetItemIndex(0);
  std::vector<std::pair<TzrListBoxItem*, TzrListBoxItem*>> told;
  List->OnDragChange = [&](TzrListBoxItem* S, TzrListBoxItem* D, bool) { told.push_back({S, D}); };
  TzrDragObject data;
  data.Source = a;
  const TzrPoint over = List->LocalToAbsolute(Centre(2));
  bool accept = false;
  List->DragOver(data, over, accept);
  EXPECT_TRUE(accept);
  EXPECT_EQ(List->GetDragItem(), c);
  List->DragDrop(data, over);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].first, a);
  EXPECT_EQ(told[0].second, c);
  EXPECT_EQ(List->ItemByIndex(0), c);
  EXPECT_EQ(List->ItemByIndex(2), a);
  EXPECT_EQ(List->GetSelected(), a) << "the current item stays current";
  EXPECT_EQ(List->GetDragItem(), nullptr);
}

TEST_F(ListBoxTest, CheckBoxesShowAndReportClicksOnly) {
  MakeList();
  TzrListBoxItem* a = Add(u"a");
  TzrListBoxItem* b = Add(u"b");
  Show();
  ASSERT_TRUE(b->GetCheck());
  EXPECT_FALSE(b->GetCheck()->GetVisible());
  List->SetShowCheckboxes(true);
  EXPECT_TRUE(a->GetCheck()->GetVisible());
  std::vector<TObject*> checks;
  List->OnChangeCheck = [&](TObject* Sender) { checks.push_back(Sender); };
  a->SetIsChecked(true);
  EXPECT_TRUE(a->GetCheck()->GetIsChecked());
  EXPECT_TRUE(checks.empty()) << "a state set by code is no click";
  b->GetCheck()->SetIsChecked(true);  // what a click on the box does
  EXPECT_TRUE(b->GetIsChecked());
  EXPECT_EQ(checks, std::vector<TObject*>{b});
  EXPECT_EQ(List->GetSelected(), b);
  EXPECT_EQ(Scene.Focused, List);
}

TEST_F(ListBoxTest, SortedListsIgnoreCase) {
  MakeList();
  Add(u"charlie");
  Add(u"Beta");
  Add(u"alpha");
  List->SetSorted(true);
  EXPECT_EQ(List->ItemByIndex(0)->GetText(), u"alpha");
  EXPECT_EQ(List->ItemByIndex(1)->GetText(), u"Beta");
  EXPECT_EQ(List->ItemByIndex(2)->GetText(), u"charlie");
  List->OnCompare = [](TzrListBoxItem* A, TzrListBoxItem* B) {
    return A->GetText() < B->GetText() ? 1 : A->GetText() == B->GetText() ? 0 : -1;
  };
  List->SetSorted(false);  // the next sort asks OnCompare
  List->SetSorted(true);
  EXPECT_EQ(List->ItemByIndex(0)->GetText(), u"charlie") << "OnCompare decides";
}

TEST_F(ListBoxTest, SelectingScrollsTheItemIntoView) {
  MakeList();
  for (int i = 0; i < 30; ++i) Add(u"x");
  Show();
  ASSERT_TRUE(List->GetVScrollBar()->GetVisible());
  List->SetItemIndex(29);
  const float bottom = List->ItemByIndex(29)->GetAbsoluteRect().Bottom;
  EXPECT_LE(bottom, List->GetContentLayout()->GetAbsoluteRect().Bottom + 0.01f);
  List->SetItemIndex(0);
  EXPECT_EQ(List->GetVScrollBar()->GetValue(), 0);
}

// A long list paints and re-places only what is near the view: rows far
// away keep their stale rectangles, while the rows in view, the stripes and
// the highlight follow the scroll position both ways.
TEST_F(ListBoxTest, ScrollingTouchesOnlyTheRowsInView) {
  MakeList();
  List->SetAlternatingRowBackground(true);
  for (int i = 0; i < 500; ++i) Add(u"x");
  Show();
  Scene.SetFocused(List);
  List->SetItemIndex(252);
  TzrScrollBar* bar = List->GetVScrollBar();
  ASSERT_TRUE(bar && bar->GetVisible());
  bar->SetValue(250 * 20);
  Show();
  EXPECT_TRUE(List->ItemByIndex(400)->GetRecalcUpdateRect()) << "a row far below is not visited";
  EXPECT_TRUE(List->ItemByIndex(0)->GetRecalcUpdateRect()) << "a row scrolled away is stale";
  const float top = List->GetContentLayout()->GetAbsoluteRect().Top;
  EXPECT_FLOAT_EQ(List->ItemByIndex(250)->GetUpdateRect().Top, top);
  const TzrColor even = Scene.Pixel(50, int(top) + 10), odd = Scene.Pixel(50, int(top) + 30);
  EXPECT_NE(even, odd) << "row 251 is striped";
  ASSERT_EQ(VisibleHighlights(), 1);
  TzrVisualObject* copy = List->GetSelections()[0];
  EXPECT_FLOAT_EQ(copy->GetAbsoluteRect().Top, top + 40) << "the highlight sits on row 252";
  bar->SetValue(0);
  Show();
  EXPECT_FLOAT_EQ(List->ItemByIndex(0)->GetAbsoluteRect().Top, top) << "row 0 moved back";
  EXPECT_FLOAT_EQ(List->ItemByIndex(0)->GetUpdateRect().Top, top);
  EXPECT_EQ(Scene.Pixel(50, int(top) + 10), even);
  EXPECT_EQ(Scene.Pixel(50, int(top) + 30), odd);
  EXPECT_EQ(zrRectHeight(List->ItemByIndex(252)->GetUpdateRect()), 0) << "row 252 is out of view";
}

TEST_F(ListBoxTest, HorizontalListPlacesItemsSideBySide) {
  auto* list = Make<TzrHorzListBox>(0, 0);
  list->SetBounds(0, 0, 190, 100);
  List = list;
  for (float w : {30.f, 50.f, 40.f}) Add(u"x", 20)->SetWidth(w);
  Show();
  EXPECT_EQ(list->GetListStyle(), zrListHorizontal);
  EXPECT_FLOAT_EQ(list->ItemByIndex(1)->GetPosition()->GetX(), 30);
  EXPECT_FLOAT_EQ(list->ItemByIndex(2)->GetPosition()->GetX(), 80);
  EXPECT_FLOAT_EQ(list->ItemByIndex(2)->GetHeight(), list->GetContentLayout()->GetHeight());
  list->SetItemIndex(0);
  KeyOn(VkDown);
  EXPECT_EQ(list->GetItemIndex(), 1) << "Down moves by a whole column";
}

// The main window's navigation list: entries 100 x 60 with an image and a
// label, not hit-testable, each bound to one click handler.
TEST_F(ListBoxTest, NavigationEntriesClickThroughTheList) {
  MakeList(104, 190);
  List->SetShowScrollBars(false);
  List->SetUseSmallScrollBars(true);
  List->SetDisableFocusEffect(true);
  List->SetHideSelectionUnfocused(false);
  std::vector<TObject*> clicks;
  for (int i = 0; i < 11; ++i) {
    TzrListBoxItem* entry = Add(u"", 60);
    entry->SetWidth(100);
    entry->GetPadding()->SetTop(2);
    entry->SetHitTest(false);
    auto* image = new TzrImage(&Owner);
    image->SetBounds(20, 4, 60, 38);  // under the entry's centre
    image->SetHitTest(false);
    image->SetParent(entry);
    auto* label = new TzrLabel(&Owner);
    label->SetText(u"entry");
    label->SetBounds(0, 42, 100, 16);
    label->SetHitTest(false);
    label->SetParent(entry);
    entry->OnClick = [&](TObject* Sender) { clicks.push_back(Sender); };
  }
  Show();
  EXPECT_FLOAT_EQ(List->ItemByIndex(1)->GetPosition()->GetY(), 62 + 2);
  const TzrPoint p = Centre(2);
  // Neither the entry nor its scroll content takes the hit: the scene hands
  // the press to the list.
  const TzrPoint onScreen = List->LocalToAbsolute(p);
  EXPECT_EQ(Root->ObjectByPoint(onScreen.X, onScreen.Y), List);
  List->MouseDown(mbLeft, ssLeft, p.X, p.Y);
  List->MouseUp(mbLeft, 0, p.X, p.Y);
  EXPECT_EQ(List->GetItemIndex(), 2);
  EXPECT_EQ(clicks, std::vector<TObject*>{List->ItemByIndex(2)}) << "once, with the entry";
  EXPECT_EQ(Changes.size(), 1u);
  // No bar shows, yet the wheel scrolls the list.
  List->SetAnimated(false);
  bool handled = false;
  List->MouseWheel(0, -120, handled);
  EXPECT_TRUE(handled);
  EXPECT_GT(List->GetVScrollBar()->GetValue(), 0);
  EXPECT_EQ(List->GetVScrollBar()->GetOpacity(), 0);
}

}  // namespace
