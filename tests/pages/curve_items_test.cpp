#include <glib.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmAdjust.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_memo.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/CurveNodes.h"
#include "pages/CurveSegment.h"
#include "pages/frmGraph.h"
#include "pages/frmGraph2.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/pages/PageFixtures.h"

// Curve items hand their curve to the editors and take it back.

namespace {

std::vector<int> Nodes(const std::vector<int>& Points) {
  int nodes[kMaxCurveSegments + 1] = {};
  const int count = ExtractCurveNodes(Points.data(), static_cast<int>(Points.size()) - 1, nodes);
  return std::vector<int>(nodes, nodes + count);
}

// A curve of straight pieces through the given (position, value) ends.
std::vector<int> Pieces(int Size, const std::vector<std::pair<int, int>>& Ends) {
  std::vector<int> points(Size, 0);
  for (const auto& [x, y] : Ends) points[x] = y;
  for (size_t k = 1; k < Ends.size(); ++k)
    FillSegment(points.data(), Ends[k - 1].first, Ends[k].first);
  return points;
}

TEST(CurveNodes, ExtractionFindsTheEndsOfStraightPieces) {
  std::vector<int> ramp(256);
  for (int i = 0; i < 256; ++i) ramp[i] = i;
  EXPECT_EQ(Nodes(ramp), (std::vector<int>{0, 255}));
  EXPECT_EQ(Nodes(Pieces(256, {{0, 0}, {50, 200}, {150, 200}, {255, 255}})),
            (std::vector<int>{0, 50, 150, 255}));
  // 1 at position 1 and 3 at 2 lie on no line from position 0: no node.
  std::vector<int> bent(256, 3);
  bent[0] = 0;
  bent[1] = 1;
  EXPECT_EQ(Nodes(bent), (std::vector<int>{0, 255}));
  // Seventeen pieces: the search stops after sixteen segments.
  std::vector<std::pair<int, int>> ends;
  for (int k = 0; k <= 17; ++k) ends.push_back({k * 15, (k + 1) / 2 * 15});
  const std::vector<int> nodes = Nodes(Pieces(256, ends));
  ASSERT_EQ(nodes.size(), 17u);
  EXPECT_EQ(nodes[15], 225);
  EXPECT_EQ(nodes[16], 255);
  // Equal ends with a bump between are no segment.
  EXPECT_EQ(Nodes(Pieces(64, {{0, 10}, {20, 40}, {40, 10}, {63, 10}})),
            (std::vector<int>{0, 20, 40, 63}));
}

TEST(CurveNodes, MissingOrBadDigitsDecodeAsZero) {
  EXPECT_EQ(DecodeCurveBlock("0a0B", 4), (std::vector<uint8_t>{10, 11, 0, 0}));
  EXPECT_EQ(DecodeCurveBlock("0102x30405", 4), (std::vector<uint8_t>{1, 2, 0, 0}));
  EXPECT_EQ(DecodeCurveBlock("010", 3), (std::vector<uint8_t>{1, 0, 0}));
  EXPECT_EQ(DecodeCurveBlock("01020304", 2), (std::vector<uint8_t>{1, 2}));
}

// Runs Action once the modal loop of the editor runs.
void WhenModal(std::function<void()> Action) {
  auto* held = new std::function<void()>(std::move(Action));
  g_timeout_add(
      30,
      [](gpointer p) -> gboolean {
        auto* action = static_cast<std::function<void()>*>(p);
        (*action)();
        delete action;
        return G_SOURCE_REMOVE;
      },
      held);
}

class CurveItems : public ::testing::Test {
 public:
  // Items 0 to 2 are combos (lock position, lower and upper speed), item 3
  // the curve item of the given mode.
  void Build(int Mode, const std::string& Name = "curve") {
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->FLangIni = std::move(Lang.Ini);
    Form->English1->SetChecked(true);
    VERSION& def = Form->FPageDef;
    def.tab = 1;
    def.item = def.max = 4;
    def.tabs[0].group = "0,1,2,3";
    def.items[0].evalue = "0-63/1";
    def.items[1].evalue = "1000rpm|3000rpm";
    def.items[2].evalue = "3000rpm|4000rpm";
    def.items[3].mode = Mode;
    def.items[3].evalue = "A|B|Custom";
    def.items[3].cname = Name;
    def.items[3].ename = "curve";
    def.items[3].edetail = "Shape the curve";
    def.items[3].maxnode = 16;
    Form->BuildParameterPages();
    Combo(0)->SetItemIndex(40);
    Combo(1)->SetItemIndex(0);
    Combo(2)->SetItemIndex(0);
  }
  TzrStringComboBox* Combo(int n) const {
    return dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem" + std::to_string(n)));
  }
  TzrTextBox* Box() const { return dynamic_cast<TzrTextBox*>(Form->FindComponent("eItem3")); }
  void SetBytes(const std::vector<uint8_t>& Bytes) {
    Box()->SetText(UTF8ToUTF16(BytesToHex(Bytes.data(), Bytes.size())));
  }
  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> bytes;
    HexToBytes(UTF16ToUTF8(Box()->GetText()), bytes);
    return bytes;
  }
  std::string MessageText() const {
    std::string text;
    const TzrMemoLines* lines = Form->MessageArea()->Lines();
    for (int i = 0; i < lines->GetCount(); ++i) text += UTF16ToUTF8(lines->Get(i)) + "\n";
    return text;
  }

  pagetest::LangFixture Lang{"[common]\n"};
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(CurveItems, PercentCurveOpensWithItsNodesAndWritesBack) {
  Build(imCurve256);
  std::vector<uint8_t> ramp(256);
  for (int i = 0; i < 256; ++i) ramp[i] = static_cast<uint8_t>(i);
  SetBytes(ramp);
  std::vector<int> nodes;
  std::string detail, xLabel;
  bool helpHidden = false;
  WhenModal([&] {
    TfrmGraph* e = Form->FGraphForm;
    ASSERT_NE(e, nullptr);
    nodes.assign(e->FNodes.begin(), e->FNodes.begin() + e->FNodeCount);
    detail = UTF16ToUTF8(e->Label3->GetText());
    xLabel = UTF16ToUTF8(e->xLabels[4]->GetText());
    helpHidden = !Form->Panel6->GetVisible();
    e->FCurve[10] = 200;
    e->btnOk->Click();
  });
  Form->itemClick(Box());
  EXPECT_EQ(nodes, (std::vector<int>{0, 255}));
  EXPECT_EQ(detail, "Shape the curve");
  EXPECT_EQ(xLabel, "50%");
  EXPECT_TRUE(helpHidden);
  EXPECT_TRUE(Form->Panel6->GetVisible());
  EXPECT_EQ(Form->FGraphForm, nullptr);
  ASSERT_EQ(Bytes().size(), 256u);
  EXPECT_EQ(Bytes()[10], 200);
  EXPECT_EQ(Bytes()[11], 11);
}

TEST_F(CurveItems, CancelLeavesTheTextByteForByte) {
  for (const int mode : {imCurve256, imLinkedCurve256, imCurve64, imCurve256Adjust}) {
    SCOPED_TRACE(mode);
    Build(mode);
    const std::u16string text = u"0a0b";  // short and lower case
    Box()->SetText(text);
    WhenModal([&] {
      if (Form->FGraphForm) return Form->FGraphForm->btnCancel->Click();
      if (Form->FGraph2Form) return Form->FGraph2Form->btnCancel->Click();
      if (auto* a = dynamic_cast<TfrmAdjust*>(Form->FindComponent("frmAdjust")))
        a->btnCancel->Click();
    });
    Form->itemClick(Box());
    EXPECT_EQ(Box()->GetText(), text);
  }
}

TEST_F(CurveItems, RpmCurveScalesLabelsAndLocksItsTail) {
  Build(imLinkedCurve256);
  std::vector<uint8_t> bytes(128, 0);
  for (int i = 0; i < 64; ++i) {
    bytes[2 * i] = 2000 >> 8;
    bytes[2 * i + 1] = 2000 & 0xFF;
  }
  SetBytes(bytes);
  float yScale = 0;
  std::vector<std::string> labels;
  std::vector<int> points;
  WhenModal([&] {
    TfrmGraph* e = Form->FGraphForm;
    ASSERT_NE(e, nullptr);
    yScale = e->FYScale;
    for (TzrLabel* l : e->yLabels) labels.push_back(UTF16ToUTF8(l->GetText()));
    points.assign(e->FCurve.begin(), e->FCurve.begin() + 64);
    e->btnOk->Click();
  });
  Form->itemClick(Box());
  EXPECT_FLOAT_EQ(yScale, 7.8125f);
  EXPECT_EQ(labels, (std::vector<std::string>{"3000", "2750", "2500", "2250", "2000", "1750",
                                              "1500", "1250", "1000"}));
  ASSERT_EQ(points.size(), 64u);
  EXPECT_EQ(points[0], 0);
  EXPECT_EQ(points[5], 128);
  EXPECT_EQ(points[38], 128);
  EXPECT_EQ(points[39], 255);  // lock position 40
  EXPECT_EQ(points[63], 255);
  const std::vector<uint8_t> back = Bytes();
  ASSERT_EQ(back.size(), 128u);
  EXPECT_EQ(back[10] * 256 + back[11], 2000);
  EXPECT_EQ(back[0] * 256 + back[1], 1000);
  EXPECT_EQ(back[126] * 256 + back[127], 3000);
  // The default links stay in the page definition.
  EXPECT_EQ(Form->FPageDef.items[3].locklink, "0");
  EXPECT_EQ(Form->FPageDef.items[3].minlink, "1");
  EXPECT_EQ(Form->FPageDef.items[3].maxlink, "2");
}

TEST_F(CurveItems, UnusableBoundsOpenNothing) {
  struct Case {
    const char* what;
    std::function<void(CurveItems&)> prepare;
  } cases[] = {
      {"equal bounds", [](CurveItems& t) { t.Combo(1)->SetItemIndex(1); }},
      {"no combo", [](CurveItems& t) { t.Form->FPageDef.items[3].minlink = "9"; }},
      {"nothing selected", [](CurveItems& t) { t.Combo(2)->SetItemIndex(-1); }},
      {"no rpm", [](CurveItems& t) { t.Form->FPageDef.items[3].minlink = "3"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Build(imLinkedCurve256);
    c.prepare(*this);
    const std::u16string text = Box()->GetText();
    bool opened = false, fired = false;
    WhenModal([&] {
      fired = true;
      if (!Form->FGraphForm) return;
      opened = true;
      Form->FGraphForm->btnCancel->Click();
    });
    Form->itemClick(Box());
    while (!fired) g_main_context_iteration(nullptr, TRUE);
    EXPECT_FALSE(opened);
    EXPECT_EQ(Form->FGraphForm, nullptr);
    EXPECT_TRUE(Form->Panel6->GetVisible());
    EXPECT_EQ(Box()->GetText(), text);
    EXPECT_NE(MessageText().find("cannot open"), std::string::npos) << MessageText();
  }
}

TEST_F(CurveItems, BrakeFrequencySamplesUseTheSmallRange) {
  Build(imCurve64, "刹车频率");
  std::vector<uint8_t> bytes(128, 0);
  bytes[5] = 16;
  bytes[6] = 32;
  bytes[100] = 7;  // beyond the samples
  SetBytes(bytes);
  int s5 = 0, s6 = 0;
  std::string top;
  WhenModal([&] {
    TfrmGraph2* e = Form->FGraph2Form;
    ASSERT_NE(e, nullptr);
    s5 = e->FSamples[5];
    s6 = e->FSamples[6];
    top = UTF16ToUTF8(e->yLabels[0]->GetText());
    e->btnOk->Click();
  });
  Form->itemClick(Box());
  EXPECT_EQ(s5, 128);
  EXPECT_EQ(s6, 256);
  EXPECT_EQ(top, "16k");
  const std::vector<uint8_t> back = Bytes();
  ASSERT_EQ(back.size(), 64u);
  EXPECT_EQ(back[5], 16);
  EXPECT_EQ(back[6], 32);
  EXPECT_EQ(Form->FGraph2Form, nullptr);
}

TEST_F(CurveItems, ReportCaptureLeavesTheEditorOpen) {
  Build(imCurve256);
  Form->FReportCapture = true;
  Form->itemClick(Box());
  ASSERT_NE(Form->FGraphForm, nullptr);
  EXPECT_TRUE(Form->FGraphForm->GetVisible());
  EXPECT_FALSE(Form->Panel6->GetVisible());
  delete Form->FGraphForm;
  Form->FGraphForm = nullptr;
}

TEST_F(CurveItems, AdjusterLoadsBarsAndWritesThemBack) {
  // A falling curve loads non-decreasing.
  Build(imCurve256Adjust);
  std::vector<uint8_t> bytes(256, 0);
  bytes[0] = 100;
  bytes[1] = 50;
  bytes[2] = 120;
  SetBytes(bytes);
  std::vector<float> values;
  WhenModal([&] {
    auto* a = dynamic_cast<TfrmAdjust*>(Form->FindComponent("frmAdjust"));
    ASSERT_NE(a, nullptr);
    for (int i = 0; i < 4; ++i) values.push_back(a->TrackBar(i)->GetValue());
    a->btnOk->Click();
  });
  Form->itemClick(Box());
  EXPECT_EQ(values, (std::vector<float>{100, 100, 120, 120}));
  const std::vector<uint8_t> back = Bytes();
  ASSERT_EQ(back.size(), 256u);
  EXPECT_EQ(back[1], 100);

  // Mode 3: 64 bars over the linked speed range; a 0 loads as the minimum.
  Build(imLinkedCurve64);
  std::vector<uint8_t> rpm(128, 0);
  rpm[2] = 2500 >> 8;
  rpm[3] = 2500 & 0xFF;
  SetBytes(rpm);
  int bars = 0;
  float first = 0, second = 0;
  WhenModal([&] {
    auto* a = dynamic_cast<TfrmAdjust*>(Form->FindComponent("frmAdjust"));
    ASSERT_NE(a, nullptr);
    bars = a->FBarCount;
    first = a->TrackBar(0)->GetValue();
    second = a->TrackBar(1)->GetValue();
    a->btnOk->Click();
  });
  Form->itemClick(Box());
  EXPECT_EQ(bars, 64);
  EXPECT_EQ(first, 1000);
  EXPECT_EQ(second, 2500);
  const std::vector<uint8_t> out = Bytes();
  ASSERT_EQ(out.size(), 128u);
  EXPECT_EQ(out[0] * 256 + out[1], 1000);
  EXPECT_EQ(out[4] * 256 + out[5], 2500);
}

}  // namespace
