// Tree views in the scene on the virtual clock: global numbering of the
// visible items, indentation, hiding of collapsed subtrees, selection in code
// (expanding the ancestors), keys, ranges, expand and collapse of all, the
// empty tree, sorting, freeing the current item, check boxes and dragging an
// item under another one (never under its own descendants).

#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_tree_view.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr uint16_t VkEnd = 35, VkHome = 36, VkUp = 38, VkDown = 40, VkAdd = 107, VkSubtract = 109;

class TreeViewTest : public ControlsTest {
 protected:
  // The items go with the owner after this fixture's members.
  ~TreeViewTest() override {
    if (Tree) Tree->OnChange = nullptr;
  }
  TzrTreeView* MakeTree(float W = 200, float H = 200) {
    Tree = Make<TzrTreeView>(0, 0);
    Tree->SetBounds(0, 0, W, H);
    Tree->OnChange = [this](TObject*) { ++Changes; };
    return Tree;
  }
  TzrTreeViewItem* Add(TzrObject* Parent, const std::u16string& Text) {
    auto* item = new TzrTreeViewItem(&Owner);
    item->SetText(Text);
    item->SetParent(Parent);
    return item;
  }
  // A (expanded: A1, A2) and B (collapsed: B1).
  void BuildAB() {
    MakeTree();
    A = Add(Tree, u"A");
    A1 = Add(A, u"A1");
    A2 = Add(A, u"A2");
    B = Add(Tree, u"B");
    B1 = Add(B, u"B1");
    A->SetIsExpanded(true);
    Show();
  }
  std::vector<std::u16string> Visible() {
    std::vector<std::u16string> texts;
    for (int i = 0; i < Tree->GetGlobalCount(); ++i)
      texts.push_back(Tree->ItemByGlobalIndex(i)->GetText());
    return texts;
  }
  TzrPoint CentreOf(TzrTreeViewItem* Item) {
    return Item->LocalToAbsolute({Item->GetWidth() / 2, Item->GetHeight() / 2});
  }
  void PressOn(TzrTreeViewItem* Item, TShiftState Shift = 0) {
    const TzrPoint p = Tree->AbsoluteToLocal(CentreOf(Item));
    Tree->MouseDown(mbLeft, ssLeft | Shift, p.X, p.Y);
    Tree->MouseUp(mbLeft, Shift, p.X, p.Y);
  }

  TzrTreeView* Tree = nullptr;
  TzrTreeViewItem *A = nullptr, *A1 = nullptr, *A2 = nullptr, *B = nullptr, *B1 = nullptr;
  int Changes = 0;
};

TEST_F(TreeViewTest, VisibleItemsAreNumberedDepthFirst) {
  BuildAB();
  EXPECT_EQ(Tree->GetGlobalCount(), 4);
  EXPECT_EQ(Visible(), (std::vector<std::u16string>{u"A", u"A1", u"A2", u"B"}));
  for (auto [item, index] : {std::pair{A, 0}, {A1, 1}, {A2, 2}, {B, 3}})
    EXPECT_EQ(item->GetGlobalIndex(), index) << UTF16ToUTF8(item->GetText());
  EXPECT_FALSE(B1->GetVisible());
  EXPECT_FLOAT_EQ(B1->GetOpacity(), 0);
  EXPECT_EQ(Tree->Count(), 2);
  EXPECT_EQ(A->Count(), 2);
  EXPECT_EQ(A->ItemByIndex(1), A2);
  EXPECT_EQ(A->ItemByIndex(2), nullptr);
  EXPECT_EQ(A1->Level(), 1);
  EXPECT_EQ(A1->TreeView(), Tree);
  // The expanders show exactly where there are children.
  ASSERT_NE(A->GetButton(), nullptr);
  EXPECT_TRUE(A->GetButton()->GetVisible());
  ASSERT_NE(A1->GetButton(), nullptr);
  EXPECT_FALSE(A1->GetButton()->GetVisible());
}

TEST_F(TreeViewTest, ChildrenAreIndentedBy19AndStackBelowTheirParent) {
  BuildAB();
  const TzrRect a = Tree->GetItemRect(A), a1 = Tree->GetItemRect(A1);
  const TzrRect a2 = Tree->GetItemRect(A2), b = Tree->GetItemRect(B);
  EXPECT_FLOAT_EQ(a1.Left - a.Left, 19);
  EXPECT_FLOAT_EQ(zrRectWidth(a) - zrRectWidth(a1), 19);
  EXPECT_FLOAT_EQ(a.Top, 0);
  EXPECT_FLOAT_EQ(a1.Top, 19);
  EXPECT_FLOAT_EQ(a2.Top, 38);
  EXPECT_FLOAT_EQ(b.Top, 57);
  EXPECT_FLOAT_EQ(zrRectHeight(Tree->GetContentBounds()), 76);
  Tree->SetItemHeight(25);
  EXPECT_FLOAT_EQ(Tree->GetItemRect(B).Top, 75);
}

TEST_F(TreeViewTest, KeysWalkTheVisibleItems) {
  BuildAB();
  Tree->SetFocus();
  Tree->SetSelected(A2);
  Key(VkDown);
  EXPECT_EQ(Tree->GetSelected(), B) << "Down from A2 goes to B";
  EXPECT_FALSE(A2->GetIsSelected()) << "single selection";
  Key(VkDown);
  EXPECT_EQ(Tree->GetSelected(), B) << "the last item stays";
  Key(VkAdd);
  EXPECT_TRUE(B->GetIsExpanded());
  EXPECT_EQ(Tree->GetGlobalCount(), 5);
  Key(VkEnd);
  EXPECT_EQ(Tree->GetSelected(), B1);
  Key(VkUp);
  EXPECT_EQ(Tree->GetSelected(), B);
  Key(VkSubtract);
  EXPECT_FALSE(B->GetIsExpanded());
  EXPECT_FALSE(B1->GetVisible());
  Key(VkHome);
  EXPECT_EQ(Tree->GetSelected(), A);
  Key(VkUp);
  EXPECT_EQ(Tree->GetSelected(), A);
}

TEST_F(TreeViewTest, SelectingAHiddenItemExpandsItsAncestors) {
  BuildAB();
  Changes = 0;
  Tree->SetSelected(B1);
  EXPECT_TRUE(B->GetIsExpanded());
  EXPECT_EQ(B1->GetGlobalIndex(), 4);
  EXPECT_TRUE(B1->GetVisible());
  EXPECT_FLOAT_EQ(B1->GetOpacity(), 1);
  EXPECT_TRUE(B1->GetIsSelected());
  EXPECT_EQ(Changes, 1);
  Tree->SetSelected(B1);
  EXPECT_EQ(Changes, 1) << "no change, no event";
  Tree->SetSelected(nullptr);
  EXPECT_EQ(Changes, 2) << "clearing the current item is a change too";
  EXPECT_FALSE(B1->GetIsSelected());
}

TEST_F(TreeViewTest, SelectingBelowTheViewportScrollsItIntoView) {
  MakeTree(200, 100);
  std::vector<TzrTreeViewItem*> items;
  for (int i = 0; i < 20; ++i) items.push_back(Add(Tree, u"item"));
  Show();
  Tree->SetSelected(items[15]);
  const TzrPoint p = Tree->GetContentLayout()->AbsoluteToLocal(items[15]->LocalToAbsolute({0, 0}));
  EXPECT_GE(p.Y, 0);
  EXPECT_LE(p.Y + 19, Tree->GetContentLayout()->GetHeight() + 0.01f);
  Tree->SetSelected(items[0]);
  EXPECT_FLOAT_EQ(Tree->GetContentLayout()->AbsoluteToLocal(items[0]->LocalToAbsolute({0, 0})).Y,
                  0);
}

TEST_F(TreeViewTest, CollapseAllKeepsNestedStates) {
  BuildAB();
  TzrTreeViewItem* deep = Add(A1, u"A1a");
  A1->SetIsExpanded(true);
  EXPECT_EQ(Tree->GetGlobalCount(), 5);
  Tree->CollapseAll();
  EXPECT_FALSE(A->GetIsExpanded());
  EXPECT_TRUE(A1->GetIsExpanded()) << "deeper items keep their state";
  EXPECT_EQ(Tree->GetGlobalCount(), 2);
  EXPECT_FALSE(deep->GetVisible());
  Tree->ExpandAll();
  EXPECT_EQ(Visible(), (std::vector<std::u16string>{u"A", u"A1", u"A1a", u"A2", u"B", u"B1"}));
  EXPECT_TRUE(deep->GetVisible());
  EXPECT_FLOAT_EQ(Tree->GetItemRect(deep).Left - Tree->GetItemRect(A).Left, 38);
}

TEST_F(TreeViewTest, AnEmptyTreeAnswersAContentHeightOf1) {
  MakeTree();
  Show();
  EXPECT_FLOAT_EQ(zrRectHeight(Tree->GetContentBounds()), 1);
  EXPECT_EQ(Tree->GetGlobalCount(), 0);
  Tree->SetFocus();
  Key(VkDown);
  Key(VkEnd);
  EXPECT_EQ(Tree->GetSelected(), nullptr);
  EXPECT_EQ(Changes, 0);
}

TEST_F(TreeViewTest, RangesAndCtrlWorkByGlobalIndex) {
  BuildAB();
  Tree->SetMultiSelect(true);
  PressOn(A1);
  PressOn(B, ssShift);
  std::vector<bool> selected;
  for (TzrTreeViewItem* item : {A, A1, A2, B}) selected.push_back(item->GetIsSelected());
  EXPECT_EQ(selected, (std::vector<bool>{false, true, true, true}));
  EXPECT_EQ(Tree->GetSelected(), B);
  PressOn(A2, ssCtrl);
  EXPECT_FALSE(A2->GetIsSelected());
  EXPECT_EQ(Tree->GetSelected(), B) << "Ctrl toggles without moving the current item";
  Tree->SelectAll();
  EXPECT_TRUE(A->GetIsSelected() && A2->GetIsSelected());
  EXPECT_FALSE(B1->GetIsSelected()) << "only visible items";
  Tree->ClearSelection();
  EXPECT_FALSE(A1->GetIsSelected() || B->GetIsSelected());
}

TEST_F(TreeViewTest, TheHighlightMergesAdjacentSelectedItems) {
  BuildAB();
  Tree->SetHideSelectionUnfocused(false);
  Tree->SetMultiSelect(true);
  Tree->SelectRange(A, A1);
  B->SetIsSelected(true);
  int shown = 0;
  for (TzrVisualObject* copy : Tree->GetSelections()) shown += copy->GetVisible();
  EXPECT_EQ(shown, 2);
  Tree->SetHideSelectionUnfocused(true);
  Tree->UpdateSelection();
  shown = 0;
  for (TzrVisualObject* copy : Tree->GetSelections()) shown += copy->GetVisible();
  EXPECT_EQ(shown, 0) << "hidden without the focus";
}

TEST_F(TreeViewTest, SortedTreesOrderTheTopLevelOnly) {
  MakeTree();
  TzrTreeViewItem* c = Add(Tree, u"charlie");
  Add(c, u"zulu");
  Add(c, u"alpha");
  c->SetIsExpanded(true);
  Add(Tree, u"Bravo");
  Add(Tree, u"alpha");
  Tree->SetSorted(true);
  Show();
  EXPECT_EQ(Visible(),
            (std::vector<std::u16string>{u"alpha", u"Bravo", u"charlie", u"zulu", u"alpha"}));
  Tree->OnCompare = [](TzrTreeViewItem* I1, TzrTreeViewItem* I2) {
    return -I1->GetText().compare(I2->GetText());
  };
  Tree->Realign();
  EXPECT_EQ(Tree->ItemByIndex(0)->GetText(), u"charlie");
}

TEST_F(TreeViewTest, FreeingTheCurrentItemOrItsParentForgetsIt) {
  BuildAB();
  Tree->SetSelected(A2);
  delete A2;
  EXPECT_EQ(Tree->GetSelected(), nullptr);
  EXPECT_EQ(Tree->GetGlobalCount(), 3);
  Tree->SetSelected(B1);
  delete B;
  EXPECT_EQ(Tree->GetSelected(), nullptr);
  EXPECT_EQ(Visible(), (std::vector<std::u16string>{u"A", u"A1"}));
  Tree->Clear();
  EXPECT_EQ(Tree->Count(), 0);
  EXPECT_EQ(Tree->GetGlobalCount(), 0);
}

TEST_F(TreeViewTest, CheckBoxesShowWithTheTreeAndReportClicks) {
  BuildAB();
  std::vector<TObject*> checked;
  Tree->OnChangeCheck = [&](TObject* Sender) { checked.push_back(Sender); };
  ASSERT_NE(A1->GetCheck(), nullptr);
  EXPECT_FALSE(A1->GetCheck()->GetVisible());
  Tree->SetShowCheckboxes(true);
  EXPECT_TRUE(A1->GetCheck()->GetVisible()) << "descendants follow";
  A1->SetIsChecked(true);
  EXPECT_TRUE(A1->GetCheck()->GetIsChecked());
  EXPECT_TRUE(checked.empty()) << "a change made in code is no click";
  A2->GetCheck()->SetIsChecked(true);
  EXPECT_EQ(checked, std::vector<TObject*>{A2});
  EXPECT_TRUE(A2->GetIsChecked());
  EXPECT_EQ(Tree->GetSelected(), A2);
  EXPECT_FALSE(A->GetIsChecked()) << "the parent keeps its state";
  Tree->OnChangeCheck = nullptr;
}

TEST_F(TreeViewTest, TheExpanderButtonToggles) {
  BuildAB();
  ASSERT_NE(B->GetButton(), nullptr);
  ClickOn(B->GetButton());
  EXPECT_TRUE(B->GetIsExpanded());
  EXPECT_TRUE(B1->GetVisible());
  ClickOn(B->GetButton());
  EXPECT_FALSE(B->GetIsExpanded());
}

TEST_F(TreeViewTest, DropReparentsUnderTheItemOrAtTheTopLevel) {
  BuildAB();
  std::vector<std::pair<TzrTreeViewItem*, TzrTreeViewItem*>> changes;
  Tree->OnDragChange = [&](TzrTreeViewItem* Source, TzrTreeViewItem* Dest, bool) {
    changes.push_back({Source, Dest});
  };
  TzrDragObject drag;
  drag.Source = A2;
  bool accept = false;
  Tree->DragOver(drag, CentreOf(B), accept);
  EXPECT_TRUE(accept);
  EXPECT_EQ(Tree->GetDragItem(), B);
  Tree->DragDrop(drag, CentreOf(B));
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], std::make_pair(A2, B));
  EXPECT_EQ(A2->GetParent(), B);
  EXPECT_TRUE(B->GetIsExpanded());
  EXPECT_EQ(Visible(), (std::vector<std::u16string>{u"A", u"A1", u"B", u"B1", u"A2"}));
  EXPECT_EQ(Tree->GetDragItem(), nullptr);

  // Below the last item: the top level.
  drag.Source = A1;
  const TzrPoint below = Tree->LocalToAbsolute({50, 180});
  Tree->DragDrop(drag, below);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[1], std::make_pair(A1, static_cast<TzrTreeViewItem*>(nullptr)));
  EXPECT_EQ(A1->Level(), 0);
  EXPECT_EQ(Tree->ItemByIndex(2), A1);
  Tree->OnDragChange = nullptr;
}

TEST_F(TreeViewTest, ADropOntoADescendantIsRefused) {
  BuildAB();
  TzrTreeViewItem* deep = Add(A1, u"A1a");
  A1->SetIsExpanded(true);
  int calls = 0;
  Tree->OnDragChange = [&](TzrTreeViewItem*, TzrTreeViewItem*, bool) { ++calls; };
  TzrDragObject drag;
  drag.Source = A;
  for (TzrTreeViewItem* target : {A, A1, deep}) {
    bool accept = true;
    Tree->DragOver(drag, CentreOf(target), accept);
    EXPECT_FALSE(accept) << UTF16ToUTF8(target->GetText());
    Tree->DragDrop(drag, CentreOf(target));
  }
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(A->GetParent(), Tree->GetContent());
  EXPECT_EQ(deep->GetParent(), A1);
  EXPECT_EQ(Tree->GetGlobalCount(), 5);
  Tree->OnDragChange = nullptr;
}

}  // namespace
