// Controls and their messages: the order of the child-list notices, bounds
// messages, colour inheritance and windowless children painted by the parent.

#include "platform/vcl/WinControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the messages it receives, with the child count at that moment.
class TRecordingParent : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<std::string> Log;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_CONTROLLISTCHANGE || m.Msg == CM_CONTROLCHANGE) {
      Log.push_back(std::string(m.Msg == CM_CONTROLLISTCHANGE ? "list" : "change") +
                    (m.LParam ? "+" : "-") + std::to_string(ControlCount()));
    }
    if (m.Msg == WM_MOVE) Log.push_back("move");
    if (m.Msg == WM_SIZE) Log.push_back("size " + std::to_string(m.LParam & 0xFFFF) + "x" +
                                        std::to_string(m.LParam >> 16));
    TWinControl::WndProc(m);
  }
};

class TSquare : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    GetCanvas()->GetBrush()->SetColor(clRed);
    GetCanvas()->FillRect(TRect{0, 0, 100, 100});  // clipped to the control
  }
};

TEST(Controls, ChildListNoticesComeBeforeAndAfterTheChange) {
  TRecordingParent parent(nullptr);
  {
    TSquare child(nullptr);
    child.SetParent(&parent);
    EXPECT_EQ(child.GetParent(), &parent);
    child.SetParent(nullptr);
    child.SetParent(&parent);
  }  // freeing a child takes it out of its parent
  EXPECT_EQ(parent.ControlCount(), 0);
  std::vector<std::string> expected = {"list+0", "change+1", "change-1", "list-0",
                                       "list+0", "change+1", "change-1", "list-0"};
  EXPECT_EQ(parent.Log, expected);

  parent.Log.clear();
  parent.SetBounds(0, 0, 30, 20);
  parent.SetBounds(0, 0, 30, 20);  // no change, no message
  parent.SetBounds(5, 0, 30, 20);
  EXPECT_EQ(parent.Log, (std::vector<std::string>{"size 30x20", "move"}));
}

TEST(Controls, ParentColourAndWindowlessPainting) {
  TWinControl parent(nullptr);
  parent.SetBounds(0, 0, 40, 30);
  parent.SetColor(clYellow);
  TSquare square(nullptr);
  square.SetParentColor(true);
  square.SetBounds(10, 5, 10, 10);
  square.SetParent(&parent);
  EXPECT_EQ(square.GetColor(), clYellow);
  parent.SetColor(clBlue);
  square.Perform(CM_PARENTCOLORCHANGED);
  EXPECT_EQ(square.GetColor(), clBlue);

  TBitmap picture;
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(40, 30);
  parent.PaintTo(picture.GetCanvas());
  TCanvas* c = picture.GetCanvas();
  EXPECT_EQ(c->GetPixels(0, 0), clBlue);
  EXPECT_EQ(c->GetPixels(10, 5), clRed);
  EXPECT_EQ(c->GetPixels(19, 14), clRed);
  EXPECT_EQ(c->GetPixels(20, 14), clBlue);  // clipped at the control's edge
  EXPECT_EQ(c->GetPixels(9, 5), clBlue);
  square.SetVisible(false);
  parent.PaintTo(c);
  EXPECT_EQ(c->GetPixels(10, 5), clBlue);
  square.SetParent(nullptr);
}

}  // namespace
