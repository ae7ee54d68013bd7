// Legend settings and the mouse: the first value check, clicks turned into
// item indexes, check boxes and radio buttons switching series, the cursor,
// and copying a legend.

#include <gtest/gtest.h>

#include "legend_fixture.h"
#include "platform/vcl/Cursors.h"

namespace {

TEST(LegendSettings, NegativeFirstValueIsRefused) {
  TChartLegend l;
  l.SetFirstValue(3);
  try {
    l.SetFirstValue(-1);
    FAIL() << "no exception";
  } catch (const LegendException& e) {
    EXPECT_STREQ(e.what(), "First Legend Value must be > 0");
  }
  EXPECT_EQ(l.GetFirstValue(), 3);
}

// The published properties a stored chart reads back, with the defaults
// that are not written.
TEST(LegendSettings, PublishedPropertiesAndTheirDefaults) {
  TChartLegend l;
  const TClassInfo* info = l.ClassType();
  struct TCase {
    const char* Name;
    const char* Value;
  };
  const TCase enums[] = {{"Alignment", "laRight"},        {"LegendStyle", "lsAuto"},
                         {"TextStyle", "ltsLeftValue"},   {"CheckBoxesStyle", "cbsCheck"},
                         {"HorizJustify", "ljAutomatic"}, {"PositionUnits", "muPixels"}};
  for (const TCase& c : enums) {
    const TPropInfo* p = info->FindProperty(c.Name);
    ASSERT_NE(p, nullptr) << c.Name;
    EXPECT_EQ(p->GetEnum(&l), c.Value) << c.Name;
    EXPECT_TRUE(p->HasDefault && p->GetOrd(&l) == p->Default) << c.Name;
  }
  for (const char* name : {"TopPos", "TextSymbolGap", "ColorWidth", "FirstValue", "MaxNumRows",
                           "VertSpacing", "GlobalTransparency", "ResizeChart", "CheckBoxes"}) {
    const TPropInfo* p = info->FindProperty(name);
    ASSERT_NE(p, nullptr) << name;
    EXPECT_TRUE(p->HasDefault && p->GetOrd(&l) == p->Default) << name;
  }
  info->FindProperty("TopPos")->SetOrd(&l, 0);
  EXPECT_EQ(l.GetTopPos(), 0);
  EXPECT_NE(info->FindProperty("TopPos")->Default, 0);
  EXPECT_THROW(info->FindProperty("FirstValue")->SetOrd(&l, -1), LegendException);
  info->FindProperty("Alignment")->SetEnum(&l, "laBottom");
  EXPECT_EQ(l.GetAlignment(), laBottom);
  EXPECT_NE(info->FindProperty("Symbol"), nullptr);
  EXPECT_FALSE(info->FindProperty("Title")->IsStored(&l));
}

TEST(LegendSettings, ConstructorDefaults) {
  TChartLegend l;
  EXPECT_EQ(l.GetAlignment(), laRight);
  EXPECT_EQ(l.GetLegendStyle(), lsAuto);
  EXPECT_EQ(l.GetTextStyle(), ltsLeftValue);
  EXPECT_EQ(l.GetTopPos(), 10);
  EXPECT_EQ(l.GetTextSymbolGap(), 2);
  EXPECT_EQ(l.GetColorWidth(), 20);
  EXPECT_TRUE(l.GetResizeChart());
  EXPECT_TRUE(l.GetCurrentPage());
  EXPECT_FALSE(l.GetDividingLines()->GetVisible());
  EXPECT_EQ(l.GetColor(), clWhite);
  EXPECT_FALSE(l.GetGradient()->GetVisible());
  EXPECT_EQ(l.GetGradient()->GetDirection(), gdRightLeft);
  EXPECT_FALSE(l.HasTitle());
  EXPECT_FALSE(l.HasSelected());
  EXPECT_EQ(l.ILastValue, -1);
}

// A side legend of the values 5 to 9 of a series of ten.
TEST(LegendClicks, SideLegendRowsFromTheFirstValue) {
  TLegendChart f;
  f.Area("S", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  f.Legend.SetFirstValue(5);
  f.Layout();
  TCustomChartLegend& l = f.Legend;
  ASSERT_EQ(l.NumRows, 5);
  const TRect r = l.RectLegend();
  const int x = (r.Left + r.Right) / 2;
  const int top = l.FirstItemTop() + 1;
  const int ih = l.ItemHeight;
  struct TCase {
    int X, Y, Expected;
  };
  const TCase cases[] = {
      {x, top + ih / 2, 5},           {x, top + ih + ih / 2, 6},
      {x, top + 4 * ih + ih / 2, 9},  {x, r.Bottom - 1, -1},  // below the last row, inside the box
      {r.Left - 5, top + ih / 2, -1}, {x, r.Bottom + 5, -1}};
  for (const TCase& c : cases) EXPECT_EQ(l.Clicked(c.X, c.Y), c.Expected) << c.X << "," << c.Y;
  // Inverted, the top row is the last value.
  l.SetInverted(true);
  f.Layout();
  EXPECT_EQ(l.Clicked(x, top + ih / 2), 9);
}

TEST(LegendClicks, BottomRowBandsFromTheLeft) {
  TLegendChart f;
  f.Area("A", {1});
  f.Area("B", {1});
  f.Area("C", {1});
  f.Legend.SetAlignment(laBottom);
  f.Layout();
  TCustomChartLegend& l = f.Legend;
  ASSERT_FALSE(l.IJustify);
  const int y = l.FirstItemTop() + 1 + l.ItemHeight / 2;
  int x = l.RectLegend().Left + 1;
  for (int n = 0; n < 3; ++n) {
    EXPECT_EQ(l.Clicked(x + l.ColumnWidth(n) / 2, y), n);
    x += l.ColumnWidth(n);
  }
}

TEST(LegendCheckBoxes, RadioMakesOneSeriesActiveAndCheckToggles) {
  TLegendChart f;
  TChartSeries* s[] = {&f.Area("A", {1}), &f.Area("B", {1}), &f.Area("C", {1})};
  TCustomChartLegend& l = f.Legend;
  EXPECT_FALSE(l.DoMouseDown(1));  // no check boxes: only the selection
  EXPECT_EQ(l.GetSelected()->GetItemIndex(), 1);
  l.SetCheckBoxes(true);
  EXPECT_FALSE(l.DoMouseDown(-1));
  EXPECT_TRUE(l.DoMouseDown(1));
  EXPECT_FALSE(s[1]->GetActive());
  EXPECT_TRUE(l.DoMouseDown(1));
  EXPECT_TRUE(s[1]->GetActive());
  // Switching to radio buttons leaves the first active series only.
  l.SetCheckBoxesStyle(cbsRadio);
  EXPECT_TRUE(s[0]->GetActive());
  EXPECT_FALSE(s[1]->GetActive());
  EXPECT_FALSE(s[2]->GetActive());
  EXPECT_TRUE(l.DoMouseDown(2));
  EXPECT_FALSE(s[0]->GetActive());
  EXPECT_FALSE(s[1]->GetActive());
  EXPECT_TRUE(s[2]->GetActive());
}

TEST(LegendCheckBoxes, ClickOnAnInactiveSeriesItemReachesItsSeries) {
  TLegendChart f;
  f.Area("A", {1});
  TChartSeries& b = f.Area("B", {1});
  f.Area("C", {1});
  f.Legend.SetCheckBoxes(true);
  b.SetActive(false);
  f.Layout();
  ASSERT_EQ(f.Legend.ITotalItems, 3);
  const TRect r = f.Legend.RectLegend();
  const int row1 = f.Legend.FirstItemTop() + 1 + f.Legend.ItemHeight * 3 / 2;
  const int index = f.Legend.Clicked((r.Left + r.Right) / 2, row1);
  EXPECT_EQ(index, 1);
  EXPECT_TRUE(f.Legend.DoMouseDown(index));
  EXPECT_TRUE(b.GetActive());
}

TEST(LegendCheckBoxes, ChangesAreToldToTheChartsListeners) {
  struct TCounter : IPlotEventListener {
    void HandlePlotEvent(TPlotEvent* E) override {
      if (dynamic_cast<TChartLegendEvent*>(E)) ++Count;
    }
    int Count = 0;
  };
  TLegendChart f;
  auto counter = std::make_shared<TCounter>();
  f.Panel.AddListener(counter);
  f.Legend.SetCheckBoxes(true);
  f.Legend.SetCheckBoxesStyle(cbsRadio);
  f.Legend.SetCheckBoxesStyle(cbsRadio);
  EXPECT_EQ(counter->Count, 2);
  f.Panel.RemoveListener(counter);
}

TEST(LegendSettings, CursorIsTheHandOverAVisibleSelection) {
  TChartLegend l;
  l.SetCursor(crCross);
  EXPECT_EQ(l.CalcCursor(), crCross);
  l.GetSelected()->SetVisible(false);
  EXPECT_EQ(l.CalcCursor(), crCross);
  l.GetSelected()->SetVisible(true);
  EXPECT_EQ(l.CalcCursor(), crHandPoint);
  l.SetSelected(nullptr);
  EXPECT_FALSE(l.HasSelected());
}

TEST(LegendSettings, AssignCopiesSettingsAndSubObjects) {
  TChartLegend a, b;
  a.SetAlignment(laBottom);
  a.SetCheckBoxes(true);
  a.SetFirstValue(2);
  a.SetLegendStyle(lsLastValues);
  a.SetTextStyle(ltsRightValue);
  a.SetMaxNumRows(4);
  a.SetVertSpacing(3);
  a.GetSymbol()->SetWidth(33);
  a.GetDividingLines()->SetVisible(true);
  a.GetTitle()->SetCaption("Title");
  a.SetColor(clYellow);
  b.GetSelected();
  b.Assign(&a);
  EXPECT_EQ(b.GetAlignment(), laBottom);
  EXPECT_TRUE(b.GetCheckBoxes());
  EXPECT_EQ(b.GetFirstValue(), 2);
  EXPECT_EQ(b.GetLegendStyle(), lsLastValues);
  EXPECT_EQ(b.GetTextStyle(), ltsRightValue);
  EXPECT_EQ(b.GetMaxNumRows(), 4);
  EXPECT_EQ(b.GetVertSpacing(), 3);
  EXPECT_EQ(b.GetColorWidth(), 33);
  EXPECT_TRUE(b.GetDividingLines()->GetVisible());
  ASSERT_TRUE(b.HasTitle());
  EXPECT_EQ(b.GetTitle()->GetCaption(), "Title");
  EXPECT_FALSE(b.HasSelected());  // the source has none
  EXPECT_EQ(b.GetColor(), clYellow);
}

TEST(LegendTexts, StylesAndTheLastValues) {
  TLegendChart f;
  auto& a = f.Area("Speed", {1, 2, 1500}, clRed, {"a", "b", "c"});
  f.Area("Current", {4}, clBlue, {"d"});
  TCustomChartLegend& l = f.Legend;
  l.SetLegendStyle(lsLastValues);
  l.SetTextStyle(ltsRightValue);
  f.Layout();
  EXPECT_EQ(l.IItems[0][0], "c");
  EXPECT_EQ(l.IItems[0][1], "1,500");
  EXPECT_EQ(l.IItems[1][1], "4");
  l.SetLegendStyle(lsSeries);
  f.Layout();
  EXPECT_EQ(l.IItems[0][0], "Speed");
  a.SetLegendTitle(std::string("Two\r\nlines"));
  f.Layout();
  EXPECT_EQ(l.IItems[0][0], "Two lines");
  EXPECT_EQ(l.FormattedValue(&a, -1), "");
  EXPECT_EQ(l.FormattedValue(nullptr, 0), "");
}

}  // namespace

namespace {

// A chart that answers the legend's hooks as the chart control's events do.
class THookPanel : public TTestAxisPanel {
 public:
  void DoGetLegendText(TCustomChartLegend*, TLegendStyle Style, int Index,
                       std::string& Text) override {
    if (Style == lsSeries) Text = "#" + std::to_string(Index) + " " + Text;
  }
  void DoGetLegendPos(TCustomChartLegend*, int Index, int& X, int& Y, int&) override {
    if (Index == 1) {
      X = 100;
      Y = 150;
    }
  }
  void DoGetLegendRect(TCustomChartLegend*, TRect& Rect) override {
    Rect = TRect{60, 50, 200, 170};
  }
};

TEST(LegendHooks, TheChartMayChangeTextsPlacesAndTheBox) {
  THookPanel panel;
  auto* canvas = new TRecordingCanvas(300, 200);
  panel.SetInternalCanvas(canvas);
  panel.SetBounds(0, 0, 300, 200);
  panel.SetView3D(false);
  panel.ChartBounds = TRect{0, 0, 300, 200};
  panel.ChartRect = TRect{20, 20, 280, 180};
  panel.ReCalcWidthHeight();
  TChartLegend legend(&panel);
  panel.Legend = &legend;
  std::vector<std::unique_ptr<TAreaSeries>> series;
  for (const char* title : {"A", "B"}) {
    series.push_back(std::make_unique<TAreaSeries>());
    series.back()->SetTitle(title);
    series.back()->AddY(1);
    panel.AddSeries(series.back().get());
  }
  panel.DrawTitlesAndLegend(true);
  EXPECT_EQ(legend.RectLegend(), (TRect{60, 50, 200, 170}));
  EXPECT_EQ(panel.ChartRect.Right, 60 - 260 * 3 / 100);
  canvas->ClearLog();
  panel.DrawTitlesAndLegend(false);
  const auto texts = canvas->Calls("TextOut(");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[0].find(",#0 A)"), std::string::npos) << texts[0];
  EXPECT_EQ(texts[1], "TextOut(98,150,#1 B)");  // two pixels left of the text left
  panel.Legend = nullptr;
  for (auto& s : series) s->SetParentChart(nullptr);
}

}  // namespace

namespace {

// Two groups of two series: their names are the items, and check boxes
// switch whole groups.
TEST(LegendCheckBoxes, GroupsAreListedAndSwitchedAsAWhole) {
  TLegendChart f;
  TChartSeries* s[] = {&f.Area("A", {1}), &f.Area("B", {1}), &f.Area("C", {1}), &f.Area("D", {1})};
  TSeriesGroups* groups = f.Panel.GetSeriesGroups();
  for (int g = 0; g < 2; ++g) {
    auto* group = static_cast<TSeriesGroup*>(groups->Add());
    group->SetName(g == 0 ? "Motor" : "Battery");
    group->Add(s[2 * g]);
    group->Add(s[2 * g + 1]);
  }
  f.Legend.SetLegendStyle(lsSeriesGroups);
  f.Legend.SetCheckBoxes(true);
  f.Draw();
  EXPECT_EQ(f.Texts(), (std::vector<std::string>{"Motor", "Battery"}));
  EXPECT_EQ(f.Legend.IColorWidth, 0);
  EXPECT_TRUE(f.Legend.DoMouseDown(1));
  EXPECT_EQ(groups->Get(1)->GetActive(), gaNo);
  EXPECT_FALSE(s[2]->GetActive());
  EXPECT_TRUE(s[0]->GetActive());
  EXPECT_TRUE(f.Legend.DoMouseDown(1));
  EXPECT_EQ(groups->Get(1)->GetActive(), gaYes);
  // Radio buttons: the first active group stays, then the clicked one only.
  f.Legend.SetCheckBoxesStyle(cbsRadio);
  EXPECT_EQ(groups->Get(0)->GetActive(), gaYes);
  EXPECT_EQ(groups->Get(1)->GetActive(), gaNo);
  EXPECT_TRUE(f.Legend.DoMouseDown(1));
  EXPECT_EQ(groups->Get(0)->GetActive(), gaNo);
  EXPECT_TRUE(s[3]->GetActive());
}

}  // namespace
