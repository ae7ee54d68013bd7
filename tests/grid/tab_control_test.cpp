// Tab control: header layout, pages, selection and hiding tabs.

#include <string>
#include <vector>

#include "controls/zr_tab_control.h"
#include "tests/controls/controls_fixture.h"

namespace {

class TabControlTest : public ControlsTest {
 protected:
  TabControlTest() {
    Root->SetBounds(0, 0, 200, 200);
    Tabs = Make<TzrTabControl>(0, 0);
    Tabs->SetBounds(0, 0, 200, 150);
    Tabs->OnChange = [this](TObject*) { ++Changes; };
  }
  TzrTabItem* AddTab(float Width, const std::u16string& Text = u"") {
    auto* tab = new TzrTabItem(&Owner);
    tab->SetWidth(Width);
    tab->SetText(Text);
    auto* page = new TzrVisualObject(&Owner);
    page->SetParent(Tabs);
    tab->SetLayout(page);
    tab->SetParent(Tabs);
    return tab;
  }
  void AddThree() {
    A = AddTab(80, u"One");
    B = AddTab(60, u"Two");
    C = AddTab(70, u"Three");
  }
  // The tabs whose pages are visible.
  std::vector<TzrTabItem*> Shown() const {
    std::vector<TzrTabItem*> shown;
    for (TzrTabItem* t : {A, B, C})
      if (t->GetLayout()->GetVisible()) shown.push_back(t);
    return shown;
  }

  TzrTabControl* Tabs = nullptr;
  TzrTabItem *A = nullptr, *B = nullptr, *C = nullptr;
  int Changes = 0;
};

TEST_F(TabControlTest, HeadersLineUpByWidthOrShareTheRowWithFullSize) {
  AddThree();
  EXPECT_FLOAT_EQ(A->GetPosition()->GetX(), 0);
  EXPECT_FLOAT_EQ(B->GetPosition()->GetX(), 80);
  EXPECT_FLOAT_EQ(C->GetPosition()->GetX(), 140);
  EXPECT_EQ(A->GetIndex(), 0);
  EXPECT_EQ(C->GetIndex(), 2);

  Tabs->SetWidth(300);
  Show();  // the style brings "background" with margins 2
  Tabs->SetFullSize(true);
  for (TzrTabItem* t : {A, B, C}) EXPECT_NEAR(t->GetWidth(), 98.667f, 0.001f);
  EXPECT_NEAR(B->GetPosition()->GetX(), 98.667f, 0.001f);
  EXPECT_NEAR(C->GetPosition()->GetX(), 197.333f, 0.001f);
}

TEST_F(TabControlTest, HeaderHeightIsItemHeightOrTheTallestTab) {
  AddThree();
  B->SetHeight(26);
  Tabs->Realign();
  EXPECT_FLOAT_EQ(A->GetHeight(), 26) << "the tallest header sets the row";
  C->GetPadding()->SetTop(4);
  Tabs->SetItemHeight(30);
  EXPECT_FLOAT_EQ(A->GetHeight(), 30);
  EXPECT_FLOAT_EQ(C->GetHeight(), 26) << "less its padding";
  EXPECT_FLOAT_EQ(C->GetPosition()->GetY(), 4);
}

TEST_F(TabControlTest, OnlyTheSelectedPageShowsBelowItsHeader) {
  AddThree();
  Tabs->SetItemIndex(1);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Shown(), std::vector<TzrTabItem*>{B});
  EXPECT_TRUE(B->GetIsSelected());
  TzrVisualObject* page = B->GetLayout();
  EXPECT_FLOAT_EQ(page->GetPosition()->GetY(), 20);
  EXPECT_FLOAT_EQ(page->GetHeight(), 130);
  EXPECT_FLOAT_EQ(page->GetWidth(), 200);

  Release(C, 5, 5);  // releasing the left button on a header selects it
  EXPECT_EQ(Tabs->GetItemIndex(), 2);
  EXPECT_FALSE(B->GetIsSelected());
  EXPECT_EQ(Shown(), std::vector<TzrTabItem*>{C});
}

TEST_F(TabControlTest, AnIndexWithoutTabShowsNoPageAndStillFiresOnChange) {
  AddThree();
  Tabs->SetItemIndex(0);
  Changes = 0;
  Tabs->SetItemIndex(5);
  EXPECT_EQ(Changes, 1);
  EXPECT_FALSE(A->GetIsSelected());
  EXPECT_TRUE(Shown().empty());
  Tabs->SetItemIndex(5);
  EXPECT_EQ(Changes, 1) << "an equal index does nothing";
}

TEST_F(TabControlTest, ATabWithoutPageIsSelectableAndHidesTheOthers) {
  AddThree();
  auto* bare = new TzrTabItem(&Owner);
  bare->SetParent(Tabs);
  Tabs->SetItemIndex(0);
  Tabs->SetItem(bare);
  EXPECT_EQ(Tabs->GetItemIndex(), 3);
  EXPECT_TRUE(bare->GetIsSelected());
  EXPECT_TRUE(Shown().empty());
}

struct HideCase {
  const char* Name;
  int Selected;  // before
  int Hidden;
  int SelectedTab;  // 0 = A, 1 = B, 2 = C
  int Index;        // ItemIndex after
};

TEST_F(TabControlTest, HidingTabsSelectsAsTheRowChanges) {
  const HideCase cases[] = {
      {"selected middle: the follower takes its place", 1, 1, 2, 1},
      {"selected last: the new last tab", 2, 2, 1, 1},
      {"unselected earlier: the same tab, renumbered", 2, 0, 2, 1},
  };
  for (const HideCase& c : cases) {
    SCOPED_TRACE(c.Name);
    for (TzrTabItem* t : {A, B, C}) delete t;
    AddThree();
    TzrTabItem* tabs[] = {A, B, C};
    Tabs->SetItemIndex(c.Selected);
    Changes = 0;
    tabs[c.Hidden]->SetVisible(false);
    EXPECT_EQ(Tabs->GetItemIndex(), c.Index);
    EXPECT_EQ(Tabs->TabItem(c.Index), tabs[c.SelectedTab]);
    EXPECT_TRUE(tabs[c.SelectedTab]->GetIsSelected());
    EXPECT_FALSE(tabs[c.Hidden]->GetIsSelected());
    EXPECT_EQ(Shown(), std::vector<TzrTabItem*>{tabs[c.SelectedTab]});
    EXPECT_GE(Changes, 1);
  }
}

TEST_F(TabControlTest, ShowingATabAgainKeepsTheSelectedTab) {
  AddThree();
  A->SetVisible(false);
  Tabs->SetItemIndex(0);  // B
  A->SetVisible(true);
  EXPECT_EQ(Tabs->GetItemIndex(), 1);
  EXPECT_TRUE(B->GetIsSelected());
  EXPECT_FLOAT_EQ(B->GetPosition()->GetX(), 80);
}

TEST_F(TabControlTest, PagesPaintAfterTabsAndTheStyleRootSitsBelowTheHeaders) {
  AddThree();
  Show();
  const int last = Tabs->GetChildrenCount() - 1;
  for (int i = 0; i < 3; ++i) EXPECT_NE(dynamic_cast<TzrTabItem*>(Tabs->GetChild(i)), nullptr);
  for (int i = 3; i <= last; ++i) EXPECT_EQ(dynamic_cast<TzrTabItem*>(Tabs->GetChild(i)), nullptr);
  auto* root = Tabs->GetResourceLink()->GetVisual();
  EXPECT_FLOAT_EQ(root->GetPosition()->GetY(), 20);
  EXPECT_FLOAT_EQ(root->GetHeight(), 130);
}

// The third header is moved 10 to the left, under the selected second one:
// painted in child order it would cover the second; painting the selected
// header last keeps it on top.
TEST_F(TabControlTest, TheSelectedHeaderLiesOverItsNeighbours) {
  AddThree();
  C->GetPadding()->SetLeft(-10);
  Tabs->SetItemIndex(1);
  Show();
  Wait(300);  // the selection animations
  Show();
  ASSERT_FLOAT_EQ(C->GetPosition()->GetX(), 130);
  EXPECT_EQ(Scene.Pixel(136, 10), 0xFF606060u) << "the selected fill over the overlap";
  EXPECT_EQ(Scene.Pixel(90, 10), 0xFF606060u);
  EXPECT_EQ(Scene.Pixel(196, 10), 0xFF303030u) << "the neighbour's own fill";
}

TEST_F(TabControlTest, RemovedPageIsForgotten) {
  AddThree();
  delete B->GetLayout();
  EXPECT_EQ(B->GetLayout(), nullptr);
  Tabs->SetItemIndex(1);
  EXPECT_TRUE(B->GetIsSelected());
}

}  // namespace
