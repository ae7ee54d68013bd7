// Grid header: layout with the filler, resizing by the grips, reordering
// by drag and drop.

#include <vector>

#include "controls/zr_header.h"
#include "tests/controls/controls_fixture.h"

namespace {

class HeaderTest : public ControlsTest {
 protected:
  HeaderTest() {
    Header = Make<TzrHeader>(0, 0);
    Header->SetBounds(0, 0, 300, 21);
  }
  TzrHeaderItem* AddItem(float Width) {
    auto* item = new TzrHeaderItem(&Owner);
    item->SetWidth(Width);
    item->SetParent(Header);
    Header->Realign();
    return item;
  }
  // Presses a grip and moves it to X (grip coordinates) with the button held.
  static void DragGrip(TzrHeaderGrip* Grip, float X) {
    Press(Grip, 1, 5);
    Move(Grip, X, 5);
    Release(Grip, X, 5);
  }
  static TzrDragObject From(TzrHeaderItem* Source) {
    TzrDragObject data;
    data.Source = Source;
    return data;
  }
  static bool Accepts(TzrHeaderItem* Target, TzrHeaderItem* Source) {
    bool accept = true;
    Target->DragOver(From(Source), {5, 5}, accept);
    return accept;
  }

  TzrHeader* Header = nullptr;
};

TEST_F(HeaderTest, TheFillerTakesWhatTheItemsLeave) {
  TzrHeaderItem* a = AddItem(62);
  TzrHeaderItem* b = AddItem(148);
  EXPECT_FLOAT_EQ(Header->GetLastItem()->GetWidth(), 90);
  EXPECT_FLOAT_EQ(Header->GetLastItem()->GetPosition()->GetX(), 210);
  EXPECT_EQ(Header->GetItem(2), Header->GetLastItem()) << "the filler stays last";
  AddItem(148);
  EXPECT_FLOAT_EQ(Header->GetLastItem()->GetWidth(), 0);
  EXPECT_FLOAT_EQ(b->GetPosition()->GetX(), 62);
  Header->SetOffset(-20);
  Header->Realign();
  EXPECT_FLOAT_EQ(a->GetPosition()->GetX(), -20);
  EXPECT_FLOAT_EQ(b->GetPosition()->GetX(), 42);
  EXPECT_FLOAT_EQ(a->GetHeight(), 21);
}

TEST_F(HeaderTest, OnlyOuterCornersAreRoundAndInnerEdgesDrawOnce) {
  TzrHeaderItem* a = AddItem(62);
  TzrHeaderItem* b = AddItem(148);
  Header->SetSides(1u << zrSideBottom);
  Header->SetRadius(2);
  const TzrSides left = 1u << zrSideLeft, bottom = 1u << zrSideBottom;
  EXPECT_EQ(a->GetCorners(), 1u << zrCornerTopLeft);
  EXPECT_EQ(a->GetSides(), bottom);
  EXPECT_EQ(b->GetCorners(), 0);
  EXPECT_EQ(b->GetSides(), bottom | left);
  EXPECT_EQ(Header->GetLastItem()->GetCorners(), 1u << zrCornerTopRight);
  EXPECT_EQ(Header->GetLastItem()->GetSides(), bottom | left);
  EXPECT_FLOAT_EQ(b->GetxRadius(), 2);
}

TEST_F(HeaderTest, GripsResizeTheirItemOrThePreviousOne) {
  TzrHeaderItem* a = AddItem(62);
  TzrHeaderItem* b = AddItem(148);
  // The right grip of the first item: 3 wide at its right edge (59..62).
  DragGrip(a->GetSplitter(), 11);
  EXPECT_FLOAT_EQ(a->GetWidth(), 70);
  EXPECT_FLOAT_EQ(b->GetPosition()->GetX(), 70);
  // The second item's left grip resizes the first.
  DragGrip(b->GetLeftSplitter(), 20);
  EXPECT_FLOAT_EQ(a->GetWidth(), 90);
  EXPECT_FLOAT_EQ(b->GetWidth(), 148);
  EXPECT_FALSE(a->GetSplitter()->GetPressed()) << "the borrowed press mark is removed";
  // The first item's left grip has no item before it.
  DragGrip(a->GetLeftSplitter(), 40);
  EXPECT_FLOAT_EQ(a->GetWidth(), 90);
  // Moves without a press resize nothing; widths never go below 0.
  Move(a->GetSplitter(), 200, 5);
  EXPECT_FLOAT_EQ(a->GetWidth(), 90);
  DragGrip(a->GetSplitter(), -200);
  EXPECT_FLOAT_EQ(a->GetWidth(), 0);
}

TEST_F(HeaderTest, AResizeHandlerMayChangeTheSize) {
  TzrHeaderItem* a = AddItem(62);
  std::vector<TObject*> senders;
  Header->OnResizeItem = [&](TObject* Sender, float& NewSize) {
    senders.push_back(Sender);
    if (NewSize < 10) NewSize = 10;
  };
  DragGrip(a->GetSplitter(), -50);
  EXPECT_FLOAT_EQ(a->GetWidth(), 10);
  EXPECT_EQ(senders, std::vector<TObject*>{a});
}

TEST_F(HeaderTest, ItemsAcceptItemsOfTheirOwnHeaderButTheFillerNone) {
  TzrHeaderItem* a = AddItem(62);
  TzrHeaderItem* b = AddItem(148);
  TzrHeader* other = Make<TzrHeader>(0, 40);
  auto* stranger = new TzrHeaderItem(&Owner);
  stranger->SetParent(other);
  EXPECT_TRUE(Accepts(b, a));
  EXPECT_FALSE(Accepts(Header->GetLastItem(), a)) << "the filler refuses drops";
  EXPECT_FALSE(Accepts(b, stranger));
  bool accept = true;
  b->DragOver(TzrDragObject{}, {5, 5}, accept);
  EXPECT_FALSE(accept) << "no source";
}

TEST_F(HeaderTest, ADropMovesTheSourceAndReportsBothIndices) {
  TzrHeaderItem* a = AddItem(62);
  TzrHeaderItem* b = AddItem(148);
  TzrHeaderItem* c = AddItem(40);
  std::vector<int> moves;
  Header->OnRealignItem = [&](TObject* Sender, int OldIndex, int NewIndex) {
    EXPECT_EQ(Sender, a);
    moves = {OldIndex, NewIndex};
  };
  c->DragDrop(From(a), {5, 5});
  EXPECT_EQ(moves, (std::vector<int>{0, 2}));
  EXPECT_EQ(Header->GetItem(0), b);
  EXPECT_EQ(Header->GetItem(2), a);
  EXPECT_FLOAT_EQ(a->GetPosition()->GetX(), 188);
  EXPECT_EQ(Header->GetItem(3), Header->GetLastItem());
}

}  // namespace
