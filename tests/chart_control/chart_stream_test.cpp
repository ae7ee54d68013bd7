// The chart's own stream entries ("BackColor", "ColorPaletteIndex",
// "ColorPalette") read from text forms and written back, and what tools
// hear of keys and drags.

#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_strict.h"
#include "scene/zr_stream_text.h"
#include "tests/support/CommaLocale.h"

namespace {

std::unique_ptr<TChart> Read(const std::string& Body) {
  const std::string form = "object C: TChart\n" + Body + "end\n";
  TMemoryStream text;
  text.WriteBuffer(form.data(), int32_t(form.size()));
  text.SetPosition(0);
  std::unique_ptr<TComponent> c = ReadObjectTextStrict(&text);
  return std::unique_ptr<TChart>(dynamic_cast<TChart*>(c.release()));
}

std::string Write(TChart& C) {
  TMemoryStream binary, text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&C);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

}  // namespace

TEST(ChartStream, BackColorByNameOrNumberColoursTheBackWall) {
  struct Case {
    const char* Entry;
    TColor Color;
  };
  const Case cases[] = {{"  BackColor = clRed\n", clRed},
                        {"  BackColor = 65280\n", clLime},
                        {"  BackColor = clNoSuchColour\n", clSilver}};
  for (const Case& c : cases) {
    std::unique_ptr<TChart> chart = Read(c.Entry);
    ASSERT_NE(chart, nullptr) << c.Entry;
    EXPECT_EQ(chart->GetBackWall()->GetColor(), c.Color) << c.Entry;
  }
  // Never written.
  std::unique_ptr<TChart> chart = Read("  BackColor = clRed\n");
  EXPECT_EQ(Write(*chart).find("BackColor"), std::string::npos);
}

TEST(ChartStream, PaletteEntriesReadAndWriteByTheIndex) {
  std::unique_ptr<TChart> own =
      Read("  ColorPaletteIndex = -2\n  ColorPalette = (\n    255\n    65280)\n");
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->GetColorPaletteIndex(), -2);
  EXPECT_EQ(own->ColorPalette, (std::vector<TColor>{clRed, clLime}));
  const std::string written = Write(*own);
  EXPECT_NE(written.find("ColorPaletteIndex = -2"), std::string::npos) << written;
  EXPECT_NE(written.find("ColorPalette = (\r\n    255\r\n    65280)"), std::string::npos)
      << written;
  std::unique_ptr<TChart> none = Read("  ColorPalette = (\n    )\n");
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->GetColorPaletteIndex(), -1);
  EXPECT_EQ(Write(*none).find("ColorPalette"), std::string::npos);
  std::unique_ptr<TChart> zero = Read("  ColorPaletteIndex = 0\n");
  ASSERT_NE(zero, nullptr);
  const std::string text = Write(*zero);
  EXPECT_NE(text.find("ColorPaletteIndex = 0"), std::string::npos) << text;
  EXPECT_EQ(text.find("ColorPalette = ("), std::string::npos);
}

TEST(ChartStream, WrittenChartReadsBackWithItsWallsAndTitle) {
  TChart chart;
  chart.SetName("C");
  chart.GetTitle()->SetCaption("RPM & Prop_RPM");
  chart.GetLeftWall()->SetSize(3);
  chart.GetRightWall()->SetVisible(true);
  chart.SetColor(cl3DLight);
  const std::string text = Write(chart);
  EXPECT_NE(text.find("Color = cl3DLight"), std::string::npos) << text;
  TMemoryStream in;
  in.WriteBuffer(text.data(), int32_t(text.size()));
  in.SetPosition(0);
  std::unique_ptr<TComponent> c = ReadObjectTextStrict(&in);
  auto* back = dynamic_cast<TChart*>(c.get());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetTitle()->GetCaption(), "RPM & Prop_RPM");
  EXPECT_EQ(back->GetLeftWall()->GetSize(), 3);
  EXPECT_TRUE(back->GetRightWall()->GetVisible());
  EXPECT_EQ(back->GetColor(), cl3DLight);
}

TEST(ChartStream, ForwardedLabelSettingsReadAndWriteByTheAxisNames) {
  const std::string settings =
      "  LeftAxis.LabelsAlign = alOpposite\n"
      "  LeftAxis.LabelsBehind = True\n"
      "  LeftAxis.LabelsExponent = True\n"
      "  LeftAxis.LabelsGridIgnoresLabelSize = True\n"
      "  LeftAxis.LabelsOnAxis = False\n"
      "  LeftAxis.LabelsSize = 24\n";
  std::unique_ptr<TChart> c = Read(settings);
  ASSERT_NE(c, nullptr);
  TAxisLabels* labels = c->GetLeftAxis()->GetLabels();
  EXPECT_EQ(labels->GetAlign(), alOpposite);
  EXPECT_TRUE(labels->GetBehind());
  EXPECT_TRUE(labels->GetExponent());
  EXPECT_TRUE(labels->GetGridIgnoresLabelSize());
  EXPECT_FALSE(labels->GetOnAxis());
  EXPECT_EQ(labels->GetSize(), 24);
  const std::string text = Write(*c);
  for (size_t at = 0, end; (end = settings.find('\n', at)) != std::string::npos; at = end + 1)
    EXPECT_NE(text.find(settings.substr(at, end - at)), std::string::npos) << text;
  // Defaults are not written.
  TChart plain;
  const std::string plainText = Write(plain);
  for (const char* name : {"LabelsAlign", "LabelsBehind", "LabelsOnAxis", "LabelsSize"})
    EXPECT_EQ(plainText.find(name), std::string::npos) << name;
}

TEST(ChartStream, NumbersKeepThePointUnderADecimalCommaLocale) {
  TCommaLocale comma;
  ASSERT_TRUE(comma.Active());
  TChart chart;
  chart.SetName("C");
  chart.GetBottomAxis()->SetDesiredIncrement(2.5);
  chart.GetLeftAxis()->SetMinMax(-0.125, 2400000);
  const std::string text = Write(chart);
  EXPECT_NE(text.find("BottomAxis.Increment = 2.500000000000000000"), std::string::npos) << text;
  TMemoryStream in;
  in.WriteBuffer(text.data(), int32_t(text.size()));
  in.SetPosition(0);
  std::unique_ptr<TComponent> c = ReadObjectTextStrict(&in);
  auto* back = dynamic_cast<TChart*>(c.get());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetBottomAxis()->GetIncrement(), 2.5);
  EXPECT_EQ(back->GetLeftAxis()->GetMinimum(), -0.125);
  EXPECT_EQ(back->GetLeftAxis()->GetMaximum(), 2400000);
  // The value labels keep the point and their own grouping.
  EXPECT_EQ(back->GetLeftAxis()->LabelValue(2400000), "2,400,000");
  EXPECT_EQ(back->GetLeftAxis()->LabelValue(-0.125), "-0.125");
}

namespace {

class TKeyTool : public TPlotCustomTool {
 public:
  void ChartKeyEvent(TChartKeyEvent AEvent, uint16_t& Key, char16_t& KeyChar,
                     TShiftState Shift) override {
    Log.push_back(std::to_string(AEvent) + ":" + std::to_string(Key) + ":" +
                  std::to_string(int(KeyChar)) + ":" + std::to_string(Shift));
  }
  void ChartDragDropEvent(TChartDragDropEvent AEvent, TObject* Source, int X, int Y, TDragState,
                          bool& Accept, TDragObject*&) override {
    Log.push_back("drag " + std::to_string(AEvent) + ":" + (Source ? "source" : "none") + ":" +
                  std::to_string(X) + "," + std::to_string(Y) + ":" + (Accept ? "1" : "0"));
  }
  std::vector<std::string> Log;
};

}  // namespace

TEST(ChartTools, KeysAndDragsReachActiveToolsOnly) {
  TChart chart;
  TKeyTool tool, idle;
  idle.SetActive(false);
  chart.GetTools()->Add(&tool);
  chart.GetTools()->Add(&idle);
  int handler = 0;
  chart.OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++handler; };
  uint16_t key = 65;
  chart.KeyDown(key, ssShift);
  chart.KeyUp(key, 0);
  char16_t ch = u'x';
  chart.KeyPress(ch);
  EXPECT_EQ(handler, 1);
  TObject source;
  bool accept = false;
  chart.DragOver(&source, 3, 4, dsDragMove, accept);
  chart.DragDrop(&source, 5, 6);
  TDragObject* dragged = nullptr;
  chart.DoStartDrag(dragged);
  chart.DoEndDrag(nullptr, 7, 8);
  EXPECT_EQ(tool.Log,
            (std::vector<std::string>{"0:65:0:" + std::to_string(ssShift), "1:65:0:0", "2:0:120:0",
                                      "drag 0:source:3,4:0", "drag 1:source:5,6:1",
                                      "drag 2:none:0,0:1", "drag 3:none:7,8:1"}));
  EXPECT_TRUE(idle.Log.empty());
  chart.GetTools()->Remove(&tool);
  chart.GetTools()->Remove(&idle);
}
