// The expander (content, collapsing, header check box, "ContentSize") and the
// splitter (neighbour search, clamping, right and bottom sides, grip), driven
// by the mouse handlers with the pointer given in absolute coordinates.

#include "controls/zr_checks.h"
#include "controls/zr_expander.h"
#include "controls/zr_splitter.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_position.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "tests/controls/controls_fixture.h"

namespace {

std::string WriteText(TComponent* Root) {
  TMemoryStream binary;
  {
    TWriter writer(&binary);
    writer.WriteRootComponent(Root);
  }
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

void ReadText(const std::string& Text, TComponent* Root) {
  TResourceStream source(Text.data(), Text.size());
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  TReader reader(&binary);
  reader.ReadRootComponent(Root);
}

class ExpanderTest : public ControlsTest {
 protected:
  TzrExpander* Put() {
    auto* e = Make<TzrExpander>(10, 10);
    e->SetText(u"Motor 电机");
    Show();
    return e;
  }
};

TEST_F(ExpanderTest, ChildrenLandInTheContentAndHideWithIt) {
  TzrExpander* e = Put();
  auto* label = Make<TzrLabel>(5, 5, e);
  EXPECT_EQ(label->GetParent(), e->GetContent());
  EXPECT_EQ(e->GetContent()->GetPosition()->GetPoint(), (TzrPoint{0, 25}));
  EXPECT_EQ(e->GetContent()->GetHeight(), 105);
  e->SetIsExpanded(false);
  EXPECT_FALSE(e->GetContent()->GetVisible());
  e->SetIsExpanded(true);
  EXPECT_TRUE(e->GetContent()->GetVisible());
}

TEST_F(ExpanderTest, CollapsingAndExpandingRestoresTheHeight) {
  TzrExpander* e = Put();
  ASSERT_NE(e->GetButton(), nullptr);
  const float header = e->GetButton()->GetHeight();
  EXPECT_EQ(header, 25);
  e->SetHeight(200);
  e->SetIsExpanded(false);
  EXPECT_EQ(e->GetHeight(), header);
  EXPECT_EQ(e->GetContent()->GetHeight(), 175) << "the content keeps its height";
  ClickOn(e->GetButton());  // the style's toggle expands again
  EXPECT_TRUE(e->GetIsExpanded());
  EXPECT_EQ(e->GetHeight(), 200);
}

TEST_F(ExpanderTest, HeaderCheckBoxEnablesTheContent) {
  TzrExpander* e = Put();
  int changes = 0;
  e->OnCheckChange = [&](TObject*) { ++changes; };
  TzrCheckBox* check = e->GetCheck();
  ASSERT_NE(check, nullptr);
  EXPECT_FALSE(check->GetVisible());
  e->SetShowCheck(true);
  EXPECT_TRUE(check->GetVisible());
  ClickOn(check);
  EXPECT_FALSE(e->GetIsChecked());
  EXPECT_FALSE(e->GetContent()->GetEnabled());
  EXPECT_EQ(changes, 1);
  e->SetIsChecked(true);  // in code: no event
  EXPECT_TRUE(e->GetContent()->GetEnabled());
  EXPECT_TRUE(check->GetIsChecked());
  EXPECT_EQ(changes, 1);
}

TEST_F(ExpanderTest, ContentSizeKeepsACollapsedExpandersContentHeight) {
  TzrExpander* e = Put();
  e->SetName("Expander1");
  e->SetHeight(200);
  e->SetIsExpanded(false);
  const std::string text = WriteText(e);
  EXPECT_NE(text.find("ContentSize = '175'"), std::string::npos) << text;
  EXPECT_NE(text.find("IsExpanded = False"), std::string::npos) << text;
  EXPECT_EQ(text.find("IsChecked"), std::string::npos) << "defaults are not written";
  TzrExpander target(nullptr);
  ReadText(text, &target);
  EXPECT_FALSE(target.GetIsExpanded());
  EXPECT_EQ(target.GetContent()->GetHeight(), 175);
}

class SplitterTest : public ControlsTest {
 protected:
  SplitterTest() { Root->SetBounds(0, 0, 400, 200); }
  // An aligned panel of the given size.
  TzrPanel* Panel(TzrAlign Align, float X, float Y, float W, float H) {
    auto* p = Make<TzrPanel>(X, Y);
    p->SetBounds(X, Y, W, H);
    p->SetAlign(Align);
    return p;
  }
  TzrSplitter* Split(TzrAlign Align, float X, float Y) {
    auto* s = Make<TzrSplitter>(X, Y);
    s->SetAlign(Align);
    return s;
  }
  // Press on the splitter's middle, drag by (Dx, Dy) in steps, release.
  void Drag(TzrSplitter* S, float Dx, float Dy) {
    const TzrPoint start = S->LocalToAbsolute({S->GetWidth() / 2, S->GetHeight() / 2});
    Press(S, S->GetWidth() / 2, S->GetHeight() / 2);
    for (int step = 1; step <= 3; ++step) {
      const TzrPoint at = S->AbsoluteToLocal({start.X + Dx * step / 3, start.Y + Dy * step / 3});
      Move(S, at.X, at.Y);
    }
    const TzrPoint end = S->AbsoluteToLocal({start.X + Dx, start.Y + Dy});
    Release(S, end.X, end.Y);
  }
};

TEST_F(SplitterTest, LeftPanelGrowsWithTheDragAndStopsAtTheLimits) {
  TzrPanel* left = Panel(vaLeft, 0, 0, 100, 200);
  TzrSplitter* s = Split(vaLeft, 150, 0);
  Panel(vaClient, 200, 0, 10, 10);
  Root->Realign();
  ASSERT_EQ(s->GetPosition()->GetX(), 100);
  Drag(s, 30, 0);
  EXPECT_EQ(left->GetWidth(), 130);
  EXPECT_EQ(s->GetPosition()->GetX(), 130);
  Drag(s, -300, 0);
  EXPECT_EQ(left->GetWidth(), 20) << "MinSize";
  // The largest: 400 - MinSize - the aligned widths (20 + 5) + the panel's 20.
  Drag(s, 1000, 0);
  EXPECT_EQ(left->GetWidth(), 375);
}

TEST_F(SplitterTest, RightAndBottomSplittersMoveTheNeighboursNearEdge) {
  TzrPanel* right = Panel(vaRight, 300, 0, 100, 200);
  TzrSplitter* s = Split(vaRight, 250, 0);
  Root->Realign();
  Drag(s, -30, 0);
  EXPECT_EQ(right->GetWidth(), 130);
  EXPECT_EQ(right->GetPosition()->GetX(), 270);
  EXPECT_EQ(right->GetPosition()->GetX() + right->GetWidth(), 400) << "right edge kept";

  TzrPanel* bottom = Panel(vaBottom, 0, 150, 10, 50);
  TzrSplitter* b = Split(vaBottom, 0, 100);
  b->SetHeight(5);
  Root->Realign();
  EXPECT_EQ(b->GetCursor(), crVSplit);
  Drag(b, 0, -20);
  EXPECT_EQ(bottom->GetHeight(), 70);
  EXPECT_EQ(bottom->GetPosition()->GetY() + bottom->GetHeight(), 200);
}

TEST_F(SplitterTest, TopSplitterResizesTheHeightAndNoNeighbourDoesNothing) {
  TzrSplitter* lonely = Split(vaLeft, 0, 0);
  Root->Realign();
  Drag(lonely, 40, 0);
  EXPECT_EQ(lonely->GetResized(), nullptr);
  EXPECT_EQ(lonely->GetPosition()->GetX(), 0);

  TzrPanel* top = Panel(vaTop, 0, 0, 10, 60);
  TzrSplitter* s = Split(vaTop, 0, 100);
  s->SetHeight(5);
  Root->Realign();
  EXPECT_EQ(s->GetCursor(), crVSplit);
  Drag(s, 0, 25);
  EXPECT_EQ(top->GetHeight(), 85);
  s->SetAlign(vaLeft);
  EXPECT_EQ(s->GetCursor(), crHSplit);
}

TEST_F(SplitterTest, NeighbourFreedDuringADragIsForgotten) {
  TzrPanel* left = Panel(vaLeft, 0, 0, 100, 200);
  TzrSplitter* s = Split(vaLeft, 150, 0);
  Root->Realign();
  Press(s, 2, 10);
  ASSERT_EQ(s->GetResized(), left);
  delete left;
  EXPECT_EQ(s->GetResized(), nullptr);
  Move(s, 40, 10);  // nothing left to resize
  Release(s, 40, 10);
}

TEST_F(SplitterTest, GripFollowsShowGrip) {
  TzrSplitter* s = Split(vaLeft, 0, 0);
  Show();
  auto* grip = dynamic_cast<TzrVisualObject*>(s->FindResource("grip"));
  ASSERT_NE(grip, nullptr);
  EXPECT_TRUE(grip->GetVisible());
  s->SetShowGrip(false);
  EXPECT_FALSE(grip->GetVisible());
  s->SetShowGrip(true);
  EXPECT_TRUE(grip->GetVisible());
}

}  // namespace
