// The 64-sample curve editor driven through mouse events on its plot grid:
// presets, pointer mapping, inserting and dragging (the curve may fall),
// removing, the read-out and the reset.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CurveEditorFixture.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "pages/frmGraph2.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"

namespace {

using pagetest::CurveMouse;

// Plot grid pixels of a sample position (eight pixels each) and a value.
float XOf(int Position) { return 16.0f + 8 * Position; }
float YOf(int Value) { return 270.0f - Value; }

class SampleEditor : public ::testing::Test {
 protected:
  SampleEditor() {
    Form.FXScale = 8;
    Form.FSamples.fill(128);
  }
  std::vector<int> Nodes() const {
    return std::vector<int>(Form.FNodes.begin(), Form.FNodes.begin() + Form.FNodeCount);
  }
  std::vector<std::string> Presets() const {
    std::vector<std::string> texts;
    TzrWideStrings* items = Form.scbSelect->GetItems();
    for (int i = 0; i < items->GetCount(); ++i) texts.push_back(UTF16ToUTF8(items->Get(i)));
    return texts;
  }
  std::string ReadOut() const { return UTF16ToUTF8(Form.PointTips->GetText()); }

  TfrmGraph2 Form{nullptr};
  CurveMouse Mouse{Form};
};

TEST_F(SampleEditor, PresetsAndByteRangeFollowTheTopLabel) {
  Form.yLabels[0]->SetText(u"16k");
  Form.FormShow(nullptr);
  EXPECT_EQ(Presets(),
            (std::vector<std::string>{"2k", "4k", "6k", "8k", "10k", "12k", "14k", "16k"}));
  EXPECT_EQ(Form.FScaleMax, 32);
  EXPECT_EQ(Form.scbSelect->GetItemIndex(), -1);
  Form.yLabels[0]->SetText(u"32k");
  Form.FormShow(nullptr);
  EXPECT_EQ(Presets(),
            (std::vector<std::string>{"4k", "8k", "12k", "16k", "20k", "24k", "28k", "32k"}));
  EXPECT_EQ(Form.FScaleMax, 64);
  // Filling the presets leaves the samples alone.
  for (int s : Form.FSamples) ASSERT_EQ(s, 128);
}

TEST_F(SampleEditor, PresetFlattensTheCurve) {
  Form.yLabels[0]->SetText(u"32k");
  Form.FormShow(nullptr);
  Mouse.Click(mbLeft, XOf(20), YOf(40));
  ASSERT_EQ(Form.FNodeCount, 3);
  Form.scbSelect->SetItemIndex(1);  // "8k"
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 63}));
  for (int s : Form.FSamples) ASSERT_EQ(s, 64);
  Form.scbSelect->SetItemIndex(7);  // "32k": the full range
  for (int s : Form.FSamples) ASSERT_EQ(s, 256);
}

TEST_F(SampleEditor, PointerMapsToSampleAndValue) {
  struct Case {
    float X, Y;
    int Position, Value;
  };
  const Case cases[] = {
      {12, 170, 0, 100},   {19, 170, 0, 100},
      {11, 170, 1, 100},  // 1.5 rounds to 2; below 12
      {1, 170, 1, 100},    {36, 170, 2, 100} /* 4.5 rounds to 4 */,
      {523, 170, 63, 100}, {100, 285, 10, 8},
      {100, 263, 10, 8},  // the bottom gives 8
      {100, 262, 10, 8},   {100, 261, 10, 9},
      {100, 1, 10, 255},
  };
  for (const Case& c : cases) {
    TfrmGraph2 form(nullptr);
    form.FXScale = 8;
    CurveMouse mouse(form);
    mouse.Down(mbLeft, c.X, c.Y);
    ASSERT_TRUE(form.FDragging) << c.X << "," << c.Y;
    const int n = form.FNodes[form.FDragNode];
    EXPECT_EQ(n, c.Position) << c.X << "," << c.Y;
    EXPECT_EQ(form.FSamples[n], c.Value) << c.X << "," << c.Y;
  }
}

TEST_F(SampleEditor, PressBeyondTheLastSampleChangesNothing) {
  const auto before = Form.FSamples;
  for (const float x : {524.0f, 540.0f}) {
    Mouse.Click(mbLeft, x, YOf(30));
    EXPECT_EQ(Nodes(), (std::vector<int>{0, 63}));
    EXPECT_EQ(Form.FSamples, before);
    EXPECT_EQ(ReadOut().rfind("X: 100%", 0), 0u) << ReadOut();
  }
}

TEST_F(SampleEditor, CurveMayFallBetweenNodes) {
  Mouse.Click(mbLeft, XOf(20), YOf(200));
  Mouse.Down(mbLeft, XOf(40), YOf(200));
  Mouse.Move(XOf(40), YOf(50));
  Mouse.Up(mbLeft, XOf(40), YOf(50));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 20, 40, 63}));
  EXPECT_EQ(Form.FSamples[20], 200);
  EXPECT_EQ(Form.FSamples[40], 50);
  EXPECT_EQ(Form.FSamples[30], 125);  // halfway down
  EXPECT_EQ(Form.FSamples[10], 164);  // 128 + 10 * 3.6
  // An inner node moves sideways between its neighbours only.
  Mouse.Down(mbLeft, XOf(40), YOf(50));
  Mouse.Move(XOf(45), YOf(60));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 20, 45, 63}));
  Mouse.Move(XOf(10), YOf(60));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 20, 45, 63}));
}

TEST_F(SampleEditor, RightPressRemovesAnInnerNodeAtThePointer) {
  Mouse.Click(mbLeft, XOf(20), YOf(200));
  Mouse.Click(mbRight, XOf(21), YOf(200));  // no radius here
  Mouse.Click(mbRight, XOf(0), YOf(0));
  Mouse.Click(mbRight, XOf(63), YOf(0));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 20, 63}));
  Mouse.Click(mbRight, XOf(20), YOf(0));
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 63}));
  EXPECT_EQ(Form.FSamples[20], 128);
}

TEST_F(SampleEditor, SeventeenNodesMakeTheRightPressDoNothing) {
  Form.FMaxNodes = 20;
  for (int p = 3; p <= 45; p += 3) Mouse.Click(mbLeft, XOf(p), YOf(100));
  ASSERT_EQ(Form.FNodeCount, 17);
  Mouse.Click(mbRight, XOf(6), YOf(100));
  EXPECT_EQ(Form.FNodeCount, 17);
  Form.FMaxNodes = 16;  // a full list inserts nothing
  Form.FNodeCount = 16;
  Mouse.Click(mbLeft, XOf(50), YOf(10));
  EXPECT_EQ(Form.FNodeCount, 16);
}

TEST_F(SampleEditor, ReadOutCountsHalves) {
  Form.yLabels[0]->SetText(u"16k");
  Form.FormShow(nullptr);
  Mouse.Click(mbRight, XOf(1), YOf(255));
  EXPECT_EQ(ReadOut(), "X: 1.5%   Y: 16k");
  Form.yLabels[0]->SetText(u"32k");
  Form.FormShow(nullptr);
  Mouse.Move(XOf(32), YOf(127));
  EXPECT_EQ(ReadOut(), "X: 50%   Y: 16k");
  EXPECT_TRUE(Form.PointTips->GetVisible());
  Mouse.Move(-30, -30);
  EXPECT_FALSE(Form.PointTips->GetVisible());
}

// The reset draws a straight line over the whole curve between two nodes.
TEST_F(SampleEditor, ResetGivesAStraightLineBetweenTheEnds) {
  Mouse.Click(mbLeft, XOf(20), YOf(200));
  Form.btnInit->Click();
  EXPECT_EQ(Nodes(), (std::vector<int>{0, 63}));
  EXPECT_EQ(Form.FSamples[0], 0);
  EXPECT_EQ(Form.FSamples[63], 255);
  for (int j = 1; j < 64; ++j) EXPECT_LT(Form.FSamples[j - 1], Form.FSamples[j]) << j;
  EXPECT_EQ(Form.FSamples[21], 85);
}

}  // namespace
