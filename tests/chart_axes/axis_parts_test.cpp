// What an axis owns: label settings, custom label items and their stream,
// the grid pen's depth, the depth axes, and the mark-position record.

#include <gtest/gtest.h>

#include <string>

#include "chart/ChartException.h"
#include "chart/ChartSeriesTypes.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

std::string AsText(TMemoryStream& Binary) {
  Binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&Binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

void Save(TCustomAxisPanel& Panel, TMemoryStream& Binary) {
  TWriter w(&Binary);
  w.WriteRootComponent(&Panel);
}

void Load(TMemoryStream& Binary, TCustomAxisPanel& Panel) {
  Binary.SetPosition(0);
  TReader r(&Binary);
  r.ReadRootComponent(&Panel);
}

TEST(AxisLabels, AngleWrapsAndSeparationRefusesNegatives) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetBottomAxis();
  axis->SetLabelsAngle(370);
  EXPECT_EQ(axis->GetLabelsAngle(), 10);
  axis->SetLabelsAngle(-90);
  EXPECT_EQ(axis->GetLabelsAngle(), -90);

  axis->SetLabelsSeparation(0);
  EXPECT_EQ(axis->GetLabelsSeparation(), 0);
  axis->SetLabelsSeparation(20);
  try {
    axis->SetLabelsSeparation(-1);
    ADD_FAILURE() << "no exception";
  } catch (const AxisException& e) {
    EXPECT_STREQ(e.what(), "Labels Separation % must be greater than 0");
  }
  EXPECT_EQ(axis->GetLabelsSeparation(), 20);
}

TEST(AxisItems, CustomItemStreamsAndReadsBack) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  TAxisItems* items = panel.GetLeftAxis()->GetItems();
  items->Add(5, "five");
  EXPECT_FALSE(items->GetAuto());

  TMemoryStream binary;
  Save(panel, binary);
  const std::string text = AsText(binary);
  EXPECT_NE(text.find("LeftAxis.Items"), std::string::npos) << text;
  EXPECT_EQ(text.find("BottomAxis.Items"), std::string::npos) << text;

  TTestAxisPanel loaded;
  Load(binary, loaded);
  TAxisItems* read = loaded.GetLeftAxis()->GetItems();
  ASSERT_EQ(read->Count(), 1);
  EXPECT_FALSE(read->GetAuto());
  EXPECT_EQ(read->Get(0)->GetValue(), 5);
  EXPECT_EQ(read->Get(0)->GetText(), "five");
  EXPECT_TRUE(loaded.GetBottomAxis()->GetItems()->GetAuto());
}

TEST(AxisItems, ItemsStreamWithANonPositiveCountChangesNothing) {
  TTestAxisPanel panel;
  TAxisItems* items = panel.GetLeftAxis()->GetItems();
  items->Add(1, "one");
  TMemoryStream stream;
  const int32_t zero = 0;
  stream.WriteBuffer(&zero, 4);
  stream.SetPosition(0);
  items->ReadItems(&stream);
  ASSERT_EQ(items->Count(), 1);
  EXPECT_EQ(items->Get(0)->GetText(), "one");
}

TEST(AxisItems, CopyFromAnAutomaticSourceKeepsCustomItems) {
  TTestAxisPanel panel;
  TAxisItems* mine = panel.GetLeftAxis()->GetItems();
  mine->Add(1, "a");
  mine->Add(2, "b");
  mine->CopyFrom(panel.GetRightAxis()->GetItems());
  EXPECT_EQ(mine->Count(), 2);
  EXPECT_FALSE(mine->GetAuto());

  TAxisItems* other = panel.GetBottomAxis()->GetItems();
  other->CopyFrom(mine);
  ASSERT_EQ(other->Count(), 2);
  EXPECT_EQ(other->Get(1)->GetText(), "b");
  EXPECT_FALSE(other->GetAuto());
  other->Delete(0);
  EXPECT_EQ(other->Count(), 1);
  EXPECT_EQ(mine->Count(), 2);
}

TEST(AxisGridPen, ZeroDepthOverADefaultOfOneHundredRoundTrips) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  EXPECT_EQ(panel.GetTopAxis()->GetGrid()->GetZPosition(), 100);
  panel.GetTopAxis()->GetGrid()->SetZPosition(0);
  TMemoryStream binary;
  Save(panel, binary);
  const std::string text = AsText(binary);
  EXPECT_NE(text.find("TopAxis.Grid.ZZero = True"), std::string::npos) << text;
  EXPECT_EQ(text.find("LeftAxis.Grid.ZZero"), std::string::npos) << text;

  TTestAxisPanel loaded;
  Load(binary, loaded);
  EXPECT_EQ(loaded.GetTopAxis()->GetGrid()->GetZPosition(), 0);
  EXPECT_EQ(loaded.GetRightAxis()->GetGrid()->GetZPosition(), 100);
}

TEST(AxisStream, FixedScaleAndIncrementRoundTrip) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  panel.GetBottomAxis()->SetMinMax(20, 80);
  panel.GetBottomAxis()->SetDesiredIncrement(10);
  panel.GetLeftAxis()->SetInverted(true);
  TMemoryStream binary;
  Save(panel, binary);
  const std::string text = AsText(binary);
  EXPECT_EQ(text.find("LeftAxis.Maximum"), std::string::npos) << text;

  TTestAxisPanel loaded;
  Load(binary, loaded);
  TChartAxis* bottom = loaded.GetBottomAxis();
  EXPECT_FALSE(bottom->GetAutomatic());
  EXPECT_EQ(bottom->GetMinimum(), 20);
  EXPECT_EQ(bottom->GetMaximum(), 80);
  EXPECT_EQ(bottom->GetIncrement(), 10);
  EXPECT_TRUE(loaded.GetLeftAxis()->GetInverted());
  EXPECT_TRUE(loaded.GetLeftAxis()->GetAutomatic());
}

TEST(AxisStream, FormEntriesInAnyOrderWhileLoading) {
  const std::string form =
      "object SpeedChart: TCustomAxisPanel\n"
      "  BottomAxis.Automatic = False\n"
      "  BottomAxis.AutomaticMaximum = False\n"
      "  BottomAxis.AutomaticMinimum = False\n"
      "  BottomAxis.Increment = 10.000000000000000000\n"
      "  BottomAxis.Maximum = -20.000000000000000000\n"
      "  BottomAxis.Minimum = -50.000000000000000000\n"
      "  DepthAxis.Automatic = False\n"
      "  DepthAxis.Maximum = 0.500000000000000000\n"
      "  DepthAxis.Minimum = -0.500000000000000000\n"
      "  LeftAxis.Automatic = False\n"
      "  LeftAxis.LabelsFormat.Font.Color = 255\n"
      "  LeftAxis.Title.Caption = 'RPM'\n"
      "  LeftAxis.Title.Font.Color = 255\n"
      "  TopAxis.Visible = False\n"
      "end\n";
  TMemoryStream text, binary;
  text.WriteBuffer(form.data(), int32_t(form.size()));
  text.SetPosition(0);
  ObjectTextToBinary(&text, &binary);
  TTestAxisPanel panel;
  Load(binary, panel);
  TChartAxis* bottom = panel.GetBottomAxis();
  EXPECT_EQ(bottom->GetMinimum(), -50);
  EXPECT_EQ(bottom->GetMaximum(), -20);
  EXPECT_EQ(bottom->GetIncrement(), 10);
  EXPECT_FALSE(bottom->GetAutomaticMinimum());
  EXPECT_EQ(panel.GetDepthAxis()->GetMinimum(), -0.5);
  // Automatic False while loading leaves the other two flags as streamed.
  EXPECT_FALSE(panel.GetLeftAxis()->GetAutomatic());
  EXPECT_TRUE(panel.GetLeftAxis()->GetAutomaticMaximum());
  EXPECT_EQ(panel.GetLeftAxis()->GetLabelsFont()->GetColor(), clRed);
  EXPECT_EQ(panel.GetLeftAxis()->GetAxisTitle()->GetCaption(), "RPM");
  EXPECT_FALSE(panel.GetTopAxis()->GetVisible());
}

TEST(DepthAxis, BothDepthAxesInvertTogether) {
  TTestAxisPanel panel;
  panel.GetDepthTopAxis()->SetInverted(true);
  EXPECT_TRUE(panel.GetDepthAxis()->GetInverted());
  panel.GetDepthAxis()->SetInverted(false);
  EXPECT_FALSE(panel.GetDepthTopAxis()->GetInverted());
  EXPECT_FALSE(panel.GetDepthAxis()->GetVisible());
  EXPECT_TRUE(panel.GetDepthAxis()->IsDepthAxis());
}

TEST(DepthAxis, SeriesTitlesSpanTheDepthOrders) {
  TTestAxisPanel panel;
  TChartSeries a, b;
  a.AddXY(0, 1);
  b.AddXY(0, 2);
  panel.AddSeries(&a);
  panel.AddSeries(&b);
  panel.SetMaxZOrder(1);
  EXPECT_EQ(panel.GetDepthAxis()->CalcLabelStyle(), talText);
  EXPECT_EQ(panel.MinXValue(panel.GetDepthAxis()), -0.5);
  EXPECT_EQ(panel.MaxXValue(panel.GetDepthAxis()), 1.5);
  a.SetParentChart(nullptr);
  b.SetParentChart(nullptr);
}

TEST(AxisTitle, CaptionIsTheFirstLine) {
  TTestAxisPanel panel;
  TChartAxisTitle* title = panel.GetLeftAxis()->GetAxisTitle();
  title->SetText(std::string("RPM") + PlotLineSeparator + "per minute");
  EXPECT_EQ(title->GetCaption(), "RPM");
  title->SetCaption("Prop_RPM");
  EXPECT_EQ(title->GetText(), "Prop_RPM");
  EXPECT_TRUE(title->GetTransparent());
  EXPECT_EQ(title->GetTextAlignment(), taCenter);
  TChartAxisTitle* bottom = panel.GetBottomAxis()->GetAxisTitle();
  bottom->SetCaption("Time");
  bottom->ShapeBounds = TRect{0, 0, 50, 20};
  EXPECT_TRUE(bottom->Clicked(10, 10));
  EXPECT_FALSE(bottom->Clicked(60, 10));
  bottom->SetVisible(false);
  EXPECT_FALSE(bottom->Clicked(10, 10));
  bottom->SetVisible(true);
  bottom->SetCaption("");
  EXPECT_FALSE(bottom->Clicked(10, 10));
}

TEST(AxisTitle, AngleFollowsTheSideAndStoresOnlyWhenChanged) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  EXPECT_EQ(panel.GetLeftAxis()->GetAxisTitle()->GetAngle(), 90);
  EXPECT_EQ(panel.GetRightAxis()->GetAxisTitle()->GetAngle(), 270);
  EXPECT_EQ(panel.GetBottomAxis()->GetAxisTitle()->GetAngle(), 0);
  panel.GetLeftAxis()->GetAxisTitle()->SetCaption("RPM");
  TMemoryStream first;
  Save(panel, first);
  std::string text = AsText(first);
  EXPECT_NE(text.find("LeftAxis.Title.Caption = 'RPM'"), std::string::npos) << text;
  EXPECT_EQ(text.find("LeftAxis.Title.Angle"), std::string::npos) << text;

  panel.GetLeftAxis()->GetAxisTitle()->SetAngle(0);
  TMemoryStream second;
  Save(panel, second);
  text = AsText(second);
  EXPECT_NE(text.find("LeftAxis.Title.Angle = 0"), std::string::npos) << text;
  TTestAxisPanel loaded;
  Load(second, loaded);
  EXPECT_EQ(loaded.GetLeftAxis()->GetAxisTitle()->GetAngle(), 0);
  EXPECT_EQ(loaded.GetLeftAxis()->GetAxisTitle()->GetCaption(), "RPM");
}

TEST(AxisLabels, VisibilityAndFontLiveInTheCommonFormat) {
  TTestAxisPanel panel;
  TChartAxis* axis = panel.GetLeftAxis();
  axis->SetLabelsVisible(false);
  EXPECT_FALSE(axis->GetItems()->GetFormat()->GetVisible());
  axis->GetLabelsFont()->SetColor(clRed);
  EXPECT_EQ(axis->GetItems()->GetFormat()->GetFont()->GetColor(), clRed);
  panel.GetRightAxis()->GetItems()->CopyFrom(axis->GetItems());
  EXPECT_FALSE(panel.GetRightAxis()->GetLabelsVisible());
  EXPECT_EQ(panel.GetRightAxis()->GetLabelsFont()->GetColor(), clRed);

  TAxisItem* item = axis->GetItems()->Add(1, "one");
  EXPECT_EQ(item->ActiveFormat(), axis->GetItems()->GetFormat());
  TAxisLabelsFormat* own = item->GetFormat();
  EXPECT_EQ(item->ActiveFormat(), own);
  item->SetFormat(nullptr);
  EXPECT_FALSE(item->HasFormat());
}

TEST(AxisBackShape, MadeInvisibleOnFirstUse) {
  TTestAxisPanel panel;
  EXPECT_FALSE(panel.GetLeftAxis()->HasShape());
  TAxisBackShape* shape = panel.GetLeftAxis()->GetShape();
  EXPECT_FALSE(shape->GetVisible());
  EXPECT_FALSE(shape->GetShadow()->GetVisible());
  EXPECT_TRUE(shape->FDraw3D);
  panel.GetLeftAxis()->SetShape(nullptr);
  EXPECT_FALSE(panel.GetLeftAxis()->HasShape());
}

TEST(SeriesMarksSymbol, DrawnOnlyVisibleAndOpaqueWithoutRepainting) {
  TTestAxisPanel panel;
  const int repaints = panel.Repaints;
  TSeriesMarksSymbol symbol(&panel);
  EXPECT_EQ(panel.Repaints, repaints);
  EXPECT_TRUE(panel.AutoRepaint);
  EXPECT_FALSE(symbol.ShouldDraw());
  symbol.SetVisible(true);
  EXPECT_TRUE(symbol.ShouldDraw());
  symbol.SetTransparent(true);
  EXPECT_FALSE(symbol.ShouldDraw());
}

TEST(SeriesMarkPosition, OffsetMovesTheBoxButNotTheLineStart) {
  TSeriesMarkPosition p;
  p.ArrowFrom = {1, 2};
  p.ArrowTo = {10, 20};
  p.LeftTop = {5, 6};
  p.MidPoint = {7, 7};
  p.Width = 30;
  p.Height = 10;
  p.Offset({3, 4});
  EXPECT_EQ(p.ArrowFrom, (TPoint{1, 2}));
  EXPECT_EQ(p.ArrowTo, (TPoint{13, 24}));
  EXPECT_EQ(p.LeftTop, (TPoint{8, 10}));
  EXPECT_EQ(p.MidPoint, (TPoint{7, 7}));
  EXPECT_EQ(p.Bounds(), (TRect{8, 10, 38, 20}));
  p.HasMid = true;
  p.Offset({1, 1});
  EXPECT_EQ(p.MidPoint, (TPoint{8, 8}));
}

TEST(PlotSeriesType, CaptionIsOneLine) {
  const std::string description = "Fast\rLine";
  TPlotSeriesType type;
  type.Description = &description;
  EXPECT_EQ(type.Caption(), "Fast Line");
}

}  // namespace
