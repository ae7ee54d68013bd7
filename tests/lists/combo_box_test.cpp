// Combo boxes: the drop-down's size, rebuilds of the string lists, the
// change event, the wheel and keys of the closed box, commits from the open
// list (Enter, a release over an entry, keys), change handlers that close
// the popup or free the box, painting of the current entry, and the sorted
// string list box; streaming by class name.

#include "controls/zr_combo_box.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr uint16_t VkReturn = 13, VkEnd = 35, VkHome = 36, VkLeft = 37, VkUp = 38, VkRight = 39,
                   VkDown = 40;

class ComboBoxTest : public ControlsTest {
 protected:
  ~ComboBoxTest() override {
    if (Combo) Combo->OnChange = nullptr;
  }
  // A string combo box with N strings "entry 0" ... whose popup opens over
  // the test scene.
  TzrStringComboBox* MakeCombo(int N, float W = 100) {
    Combo = Make<TzrStringComboBox>(10, 10);
    Combo->SetWidth(W);
    Combo->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
    for (int i = 0; i < N; ++i) Combo->GetItems()->Add(u"entry " + UTF8ToUTF16(std::to_string(i)));
    Combo->OnChange = [this](TObject* Sender) {
      ASSERT_EQ(Sender, Combo);
      Changes.push_back(Combo->GetItemIndex());
    };
    return Combo;
  }
  void KeyOn(TzrVisualObject* Target, uint16_t K, TShiftState Shift = 0) {
    char16_t ch = 0;
    Target->KeyDown(K, ch, Shift);
  }
  void Type(TzrVisualObject* Target, char16_t C) {
    uint16_t key = 0;
    Target->KeyDown(key, C, 0);
  }
  bool IsOpen() { return Combo->GetPopup()->GetIsOpen(); }
  // The centre of entry I in the list's coordinates.
  TzrPoint EntryCentre(int I) {
    TzrComboListBox* list = Combo->GetListBox();
    TzrListBoxItem* entry = list->ItemByIndex(I);
    return list->AbsoluteToLocal(
        entry->LocalToAbsolute({entry->GetWidth() / 2, entry->GetHeight() / 2}));
  }
  void ReleaseInList(float X, float Y) {
    TzrComboListBox* list = Combo->GetListBox();
    list->MouseDown(mbLeft, ssLeft, X, Y);
    list->MouseUp(mbLeft, 0, X, Y);
  }

  TzrStringComboBox* Combo = nullptr;
  std::vector<int> Changes;
};

TEST_F(ComboBoxTest, DropDownSizesThePopupAndASecondCallClosesIt) {
  struct {
    int Strings;
    float ListItemHeight, Height;
  } cases[] = {
      {3, 0, 3 * 19 + 4}, {20, 0, 8 * 19 + 4}, {20, 25, 8 * 25 + 4}, {0, 0, 4}, {0, 19, 4}};
  for (auto c : cases) {
    MakeCombo(c.Strings, 130);
    Combo->GetListBox()->SetItemHeight(c.ListItemHeight);
    Show();
    Combo->DropDown();
    EXPECT_TRUE(IsOpen()) << c.Strings;
    EXPECT_FLOAT_EQ(Combo->GetPopup()->GetHeight(), c.Height)
        << c.Strings << " " << c.ListItemHeight;
    EXPECT_FLOAT_EQ(Combo->GetPopup()->GetWidth(), 130) << c.Strings;
    Combo->DropDown();
    EXPECT_FALSE(IsOpen()) << c.Strings;
    delete Combo;
    Combo = nullptr;
  }
  EXPECT_TRUE(Changes.empty());
}

// Up to DropDownCount entries every entry of the open list shows whole and
// no scroll bar shows, whatever the box's own height; past it the list
// scrolls.
TEST_F(ComboBoxTest, TheOpenListShowsItsRowsWhole) {
  struct {
    int Strings;
    float BoxHeight, EntryHeight;
  } cases[] = {{1, 22, 19}, {2, 22, 19}, {3, 22, 19}, {6, 22, 19},
               {8, 22, 19}, {4, 30, 19}, {3, 22, 25}, {12, 22, 19}};
  for (auto c : cases) {
    MakeCombo(c.Strings, 130);
    Combo->SetHeight(c.BoxHeight);
    Combo->SetItemHeight(c.EntryHeight);
    Show();
    Combo->DropDown();
    Show();
    ASSERT_TRUE(IsOpen());
    TzrComboListBox* list = Combo->GetListBox();
    const bool scrolls = c.Strings > Combo->GetDropDownCount();
    ASSERT_NE(list->GetVScrollBar(), nullptr);
    EXPECT_EQ(list->GetVScrollBar()->GetVisible(), scrolls) << c.Strings << " " << c.BoxHeight;
    const TzrRect view = list->GetContentLayout()->GetAbsoluteRect();
    const int shown = std::min(c.Strings, Combo->GetDropDownCount());
    for (int i = 0; i < shown; ++i) {
      const TzrRect r = list->ItemByIndex(i)->GetAbsoluteRect();
      EXPECT_GE(r.Top, view.Top - 0.01f) << c.Strings << " entry " << i;
      EXPECT_LE(r.Bottom, view.Bottom + 0.01f)
          << c.Strings << " " << c.BoxHeight << " " << c.EntryHeight << " entry " << i;
    }
    Combo->DropDown();
    delete Combo;
    Combo = nullptr;
  }
}

TEST_F(ComboBoxTest, RebuildKeepsOrClampsTheIndexWithoutOnChange) {
  MakeCombo(5);
  Combo->SetItemIndex(3);
  ASSERT_EQ(Changes, std::vector<int>{3});
  Combo->GetItems()->Add(u"more");
  EXPECT_EQ(Combo->GetItemIndex(), 3);
  EXPECT_EQ(Combo->GetCount(), 6);
  Combo->GetItems()->Delete(5);
  Combo->GetItems()->Delete(4);
  Combo->GetItems()->Delete(3);
  EXPECT_EQ(Combo->GetItemIndex(), 2) << "clamped to the last entry";
  EXPECT_EQ(zrComboText(Combo), u"entry 2");
  Combo->GetItems()->Clear();
  EXPECT_EQ(Combo->GetItemIndex(), -1);
  Combo->SetItemHeight(25);
  EXPECT_EQ(Changes, std::vector<int>{3}) << "no rebuild fires OnChange";
}

TEST_F(ComboBoxTest, SetItemIndexFiresOnEveryCall) {
  MakeCombo(3);
  Combo->SetItemIndex(1);
  Combo->SetItemIndex(1);
  Combo->SetItemIndex(7);
  EXPECT_EQ(Changes, (std::vector<int>{1, 1, 7}));
  EXPECT_EQ(Combo->GetSelected(), nullptr) << "an index without entry leaves none current";
  EXPECT_EQ(Combo->GetData().ToWideString(), u"");
  Combo->SetItemIndex(2);
  EXPECT_EQ(Combo->GetData().ToWideString(), u"entry 2");
  Combo->SetData(Variant(std::u16string(u"changed")));
  EXPECT_EQ(zrComboText(Combo), u"changed");
}

TEST_F(ComboBoxTest, TheWheelMovesOneEntryPerMessage) {
  MakeCombo(3);
  struct {
    int Delta, Index;
  } steps[] = {{-120, 0}, {-720, 1}, {-1, 2}, {-120, 2}, {360, 1}, {120, 0}, {120, 0}};
  Combo->SetItemIndex(-1);
  Changes.clear();
  int fired = 0;
  for (auto s : steps) {
    bool handled = false;
    const int before = Combo->GetItemIndex();
    Combo->MouseWheel(0, s.Delta, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(Combo->GetItemIndex(), s.Index) << s.Delta;
    fired += before != s.Index;
  }
  EXPECT_EQ(int(Changes.size()), fired) << "one OnChange per move, none at the ends";
}

TEST_F(ComboBoxTest, KeysOfTheClosedBox) {
  struct {
    int Start;
    uint16_t Key;
    TShiftState Shift;
    int Index;
    bool Fires;
  } cases[] = {
      {2, VkHome, 0, 0, true},  {0, VkEnd, 0, 4, true},   {2, VkLeft, 0, 1, true},
      {0, VkLeft, 0, 0, false}, {2, VkRight, 0, 3, true}, {4, VkRight, 0, 4, false},
      {2, VkUp, 0, 1, true},    {0, VkUp, 0, 0, false},   {2, VkDown, 0, 3, true},
      {4, VkDown, 0, 4, false}, {-1, VkDown, 0, 0, true},
  };
  MakeCombo(5);
  for (auto c : cases) {
    Combo->SetItemIndex(c.Start);
    Changes.clear();
    uint16_t key = c.Key;
    char16_t ch = 0;
    Combo->KeyDown(key, ch, c.Shift);
    EXPECT_EQ(key, 0) << "consumed: " << c.Key;
    EXPECT_EQ(Combo->GetItemIndex(), c.Index) << c.Key << " from " << c.Start;
    EXPECT_EQ(Changes.size(), c.Fires ? 1u : 0u) << c.Key << " from " << c.Start;
    EXPECT_FALSE(IsOpen());
  }
  Show();
  KeyOn(Combo, VkDown, ssAlt);
  EXPECT_TRUE(IsOpen()) << "Alt+Down opens the list";
  KeyOn(Combo, VkDown, ssAlt);
  EXPECT_FALSE(IsOpen());
}

TEST_F(ComboBoxTest, ALetterChoosesTheFirstEntryWithItIgnoringCase) {
  MakeCombo(0);
  for (const char16_t* s : {u"", u"Alpha", u"beta", u"Bravo"}) Combo->GetItems()->Add(s);
  Type(Combo, u'B');
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  Type(Combo, u'b');
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  Type(Combo, u'z');
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  EXPECT_EQ(Changes, (std::vector<int>{2, 2}));
}

TEST_F(ComboBoxTest, APressOpensTheListAndEnterCommitsAndCloses) {
  MakeCombo(4);
  Combo->SetItemIndex(1);
  Changes.clear();
  Show();
  ClickOn(Combo);
  ASSERT_TRUE(IsOpen());
  TzrComboListBox* list = Combo->GetListBox();
  EXPECT_TRUE(list->GetIsFocused());
  KeyOn(list, VkReturn);
  EXPECT_EQ(Changes, std::vector<int>{1});
  EXPECT_FALSE(IsOpen());
}

TEST_F(ComboBoxTest, KeysInTheOpenListFireOnChangePerChangeAndKeepItOpen) {
  MakeCombo(5);
  Combo->SetItemIndex(0);
  Changes.clear();
  Show();
  Combo->DropDown();
  TzrComboListBox* list = Combo->GetListBox();
  KeyOn(list, VkDown);
  KeyOn(list, VkDown);
  KeyOn(list, VkEnd);
  KeyOn(list, VkEnd);
  Type(list, u'e');
  EXPECT_EQ(Changes, (std::vector<int>{1, 2, 4, 0}));
  EXPECT_TRUE(IsOpen());
  // Closed by a click elsewhere, the box keeps the last value it reported.
  Combo->GetPopup()->ClosePopup();
  EXPECT_EQ(Combo->GetItemIndex(), Changes.back());
}

TEST_F(ComboBoxTest, AReleaseOverAnEntryCommitsAndBelowTheEntriesOnlyCloses) {
  MakeCombo(3);
  Show();
  Combo->DropDown();
  const TzrPoint centre = EntryCentre(2);
  ReleaseInList(centre.X, centre.Y);
  EXPECT_EQ(Changes, std::vector<int>{2});
  EXPECT_FALSE(IsOpen());

  Combo->DropDown();
  Combo->GetPopup()->SetHeight(150);
  Show();
  ReleaseInList(20, 140);
  EXPECT_EQ(Changes, std::vector<int>{2}) << "below the last entry nothing is chosen";
  EXPECT_FALSE(IsOpen());
}

TEST_F(ComboBoxTest, AChangeHandlerThatClosesOrFreesLeavesNothingBehind) {
  MakeCombo(3);
  Show();
  Combo->OnChange = [this](TObject*) {
    Changes.push_back(Combo->GetItemIndex());
    Combo->GetPopup()->ClosePopup();
  };
  Combo->DropDown();
  const TzrPoint centre = EntryCentre(1);
  ReleaseInList(centre.X, centre.Y);
  EXPECT_EQ(Changes, std::vector<int>{1});
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(!OpenPopups || OpenPopups->empty());

  Combo->OnChange = [this](TObject*) {
    delete Combo;
    Combo = nullptr;
  };
  Combo->DropDown();
  KeyOn(Combo->GetListBox(), VkReturn);
  EXPECT_EQ(Combo, nullptr);
  EXPECT_TRUE(!OpenPopups || OpenPopups->empty());
}

TEST_F(ComboBoxTest, TheCurrentEntryIsPaintedAndKeepsItsPlaceInTheList) {
  GalleryCanvas(200, 60, 0xFF000000);
  MakeCombo(3, 150);
  Show();
  TzrListBoxItem* entry = Combo->GetListBox()->ItemByIndex(1);
  const float w = entry->GetWidth(), h = entry->GetHeight();
  IzoRurev* scene = entry->GetScene();
  const auto textDrawn = [this] {
    Scene.DrawAll();
    for (int x = 14; x < 100; ++x)
      for (int y = 14; y < 28; ++y)
        if ((Scene.Pixel(x, y) & 0xFF) > 0xB0) return true;
    return false;
  };
  EXPECT_FALSE(textDrawn()) << "no current entry, nothing in the box";
  Combo->SetItemIndex(1);
  EXPECT_TRUE(textDrawn()) << "the entry's light text is drawn in the box";
  EXPECT_FLOAT_EQ(entry->GetWidth(), w);
  EXPECT_FLOAT_EQ(entry->GetHeight(), h);
  EXPECT_EQ(entry->GetScene(), scene);
}

TEST_F(ComboBoxTest, ASortedStringListBoxSortsItsStringsOnce) {
  auto* list = Make<TzrStringListBox>(0, 0);
  list->SetBounds(0, 0, 150, 150);
  int changes = 0;
  static_cast<TzrWideStringList*>(list->GetItems())->OnChanging = [&](TObject*) { ++changes; };
  for (const char16_t* s : {u"pear", u"Apple", u"fig"}) list->GetItems()->Add(s);
  list->SetItemIndex(0);
  changes = 0;
  list->SetSorted(true);
  Show();
  Show();
  ASSERT_EQ(list->GetCount(), 3);
  EXPECT_EQ(list->ItemByIndex(0)->GetText(), u"Apple");
  EXPECT_EQ(list->ItemByIndex(2)->GetText(), u"pear");
  EXPECT_EQ(changes, 1) << "sorted once, then found in order";
  EXPECT_EQ(list->GetItemIndex(), 0) << "the rebuild keeps the index";
  EXPECT_EQ(list->GetData().ToWideString(), u"Apple");
}

// Written by one combo box and read by a new one of the registered class.
template <class T>
T* RoundTrip(TzrObject* Source, TComponent* Owner) {
  TMemoryStream text;
  Source->SaveToStream(&text);
  text.SetPosition(0);
  const TClassInfo* info = GetClass(Source->ClassName());
  if (!info) return nullptr;
  auto* copy = dynamic_cast<T*>(info->Create(Owner));
  if (copy) copy->LoadFromStream(&text);
  return copy;
}

TEST_F(ComboBoxTest, CombosStreamTheirStringsAndDesignedEntries) {
  MakeCombo(3);
  Combo->SetItemIndex(2);
  Combo->SetDropDownCount(5);
  auto* strings = RoundTrip<TzrStringComboBox>(Combo, &Owner);
  ASSERT_NE(strings, nullptr);
  EXPECT_EQ(strings->GetCount(), 3);
  EXPECT_EQ(strings->GetItemIndex(), 2);
  EXPECT_EQ(zrComboText(strings), u"entry 2");
  EXPECT_EQ(strings->GetDropDownCount(), 5);

  auto* designed = Make<TzrComboBox>(10, 40);
  for (const char16_t* s : {u"first", u"second"}) zrComboAddText(designed, s);
  designed->SetItemIndex(1);
  EXPECT_EQ(designed->GetListBox()->GetCount(), 2) << "entries go into the list";
  auto* copy = RoundTrip<TzrComboBox>(designed, &Owner);
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->GetCount(), 2);
  EXPECT_EQ(zrComboText(copy), u"second");
}

}  // namespace
