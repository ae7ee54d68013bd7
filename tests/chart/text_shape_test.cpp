// Text shapes: bounds with margins, lines, alignment, clipping, drawing on
// the GDI chart canvas; user positions; hover and selection settings and the
// series' hover operations; the series' legend settings.

#include <gtest/gtest.h>

#include "chart/ChartSeries.h"
#include "chart/PlotHover.h"
#include "chart/SeriesLegend.h"
#include "chart/TextShape.h"
#include "platform/rtl/Rtti.h"
#include "chart_fake_panel.h"
#include "shape_fixture.h"

namespace {

// The panel's size of Text in the shape's font.
TPoint TextSize(TShapeFixture& F, TCustomTextShape& S, const std::string& Text) {
  F.Panel.PrepareFont3D(S.GetFont());
  int lines = 0;
  return F.Panel.MultiLineTextSize(Text, ttfNormal, lines);
}

TEST(TextShape, BoundsGrowByTextFrameAndMargins) {
  TShapeFixture f;
  TCustomTextShape s(&f.Panel);
  s.ShapeBounds = TRect{10, 20, 10, 20};
  s.SetText("Two\rlines");
  TPoint text = TextSize(f, s, "Two\rlines");
  s.CalcBounds(&f.Panel);
  EXPECT_EQ(s.INumLines, 2);
  const TRect m = s.GetMargins()->Last();
  EXPECT_GT(m.Left, 0);
  EXPECT_EQ(m.Top, int(std::nearbyint(float(text.Y) * 5 / 100)));
  // Frame: pen width 1 + 1 on each measure; horizontal margins count twice.
  EXPECT_EQ(s.GetWidth(), text.X + 2 + 2 * (m.Left + m.Right));
  EXPECT_EQ(s.GetHeight(), text.Y + 2 + m.Top + m.Bottom);

  s.SetTransparent(true);
  s.CalcBounds(&f.Panel);
  EXPECT_EQ(s.GetMargins()->Last(), TRect{});
  EXPECT_EQ(s.GetWidth(), text.X);
  EXPECT_EQ(s.GetHeight(), text.Y);

  s.SetLayout(slLeftRight);
  s.ShapeBounds = TRect{10, 20, 10, 20};
  s.CalcBounds(&f.Panel);
  EXPECT_EQ(s.GetWidth(), text.X);
  EXPECT_EQ(s.GetHeight(), text.Y);

  s.SetAutoSize(false);
  s.ShapeBounds = TRect{0, 0, 7, 7};
  s.CalcBounds(&f.Panel);
  EXPECT_EQ(s.ShapeBounds, (TRect{0, 0, 7, 7}));
  EXPECT_EQ(s.INumLines, 2);
}

TEST(TextShape, EmptyTextHasNoLinesAndDrawsNoText) {
  TShapeFixture f;
  TCustomTextShape s(&f.Panel);
  s.ShapeBounds = TRect{10, 10, 80, 40};
  s.CalcBounds(&f.Panel);
  EXPECT_EQ(s.INumLines, 0);
  EXPECT_EQ(s.ShapeBounds, (TRect{10, 10, 10, 10}));
  s.ShapeBounds = TRect{10, 10, 80, 40};
  s.Draw();
  EXPECT_EQ(f.Canvas->Count("TextOut"), 0u);
  EXPECT_EQ(f.Canvas->Count("Rectangle"), 1u);
}

TEST(TextShape, AlignmentPlacesEachLine) {
  struct TCase {
    TAlignment Align;
    int X;
  };
  const TCase cases[] = {{taLeftJustify, -1}, {taCenter, 60}, {taRightJustify, -2}};
  for (const TCase& k : cases) {
    TShapeFixture f;
    TCustomTextShape s(&f.Panel);
    s.SetText("ab\rcd");
    s.SetTextAlignment(k.Align);
    s.SetTransparent(true);
    s.CalcBounds(&f.Panel);
    s.GetMargins()->Calculate(100, 40, 20);  // 2 px left and right, 1 top
    s.Draw(TRect{10, 10, 110, 50}, 0, 0);
    std::vector<std::string> calls = f.Canvas->Calls("TextOut");
    ASSERT_EQ(calls.size(), 2u);
    int x = k.X == -1 ? 12 : k.X == -2 ? 108 : k.X;
    int h = f.Canvas->TextHeight(std::string("W"));
    EXPECT_EQ(calls[0], "TextOut(" + std::to_string(x) + ",11,ab)") << k.Align;
    EXPECT_EQ(calls[1], "TextOut(" + std::to_string(x) + "," + std::to_string(11 + h) + ",cd)");
  }
}

TEST(TextShape, ClipsOnlyFixedUnturnedBoxesOrOffsetText) {
  struct TCase {
    const char* Name;
    bool AutoSize;
    int Angle;
    int Offset;
    bool ClipText;
    bool Clipped;
  };
  const TCase cases[] = {
      {"fixed", false, 0, 0, true, true},         {"auto-sized", true, 0, 0, true, false},
      {"fixed turned", false, 30, 0, true, false}, {"offset", true, 0, 3, true, true},
      {"clip off", false, 0, 0, false, false},
  };
  for (const TCase& k : cases) {
    TShapeFixture f;
    TCustomTextShape s(&f.Panel);
    s.SetText("clip");
    s.CalcBounds(&f.Panel);
    s.SetAutoSize(k.AutoSize);
    s.SetClipText(k.ClipText);
    s.ITextOffset = k.Offset;
    size_t saved = ClipRegionHistory.size();
    s.Draw(TRect{20, 20, 60, 40}, k.Angle, 0);
    EXPECT_EQ(f.Canvas->Count("ClipRectangle(20,20,60,40)"), k.Clipped ? 1u : 0u) << k.Name;
    EXPECT_EQ(ClipRegionHistory.size(), saved) << k.Name;
  }
}

TEST(TextShape, FramedTwoLineBoxOnTheGdiCanvas) {
  TShapeFixture f;
  TCustomTextShape s(&f.Panel);
  s.GetShadow()->SetVisible(false);
  s.SetColor(clYellow);
  s.GetPen()->SetColor(clBlue);
  s.GetFont()->SetColor(clRed);
  s.GetFont()->SetSize(14);
  s.SetText("Hello\rWorld");
  s.ShapeBounds = TRect{20, 20, 20, 20};
  s.CalcBounds(&f.Panel);
  s.Draw();
  const TRect r = s.ShapeBounds;
  EXPECT_EQ(f.Canvas->Pixel(r.Left, (r.Top + r.Bottom) / 2), clBlue);
  EXPECT_EQ(f.Canvas->Pixel((r.Left + r.Right) / 2, r.Top), clBlue);
  EXPECT_EQ(f.Canvas->Pixel(r.Right - 2, r.Bottom - 2), clYellow);
  EXPECT_EQ(f.Canvas->Pixel(r.Right + 2, r.Bottom + 2), clWhite);
  // Red ink in each line's band.
  int mid = (r.Top + r.Bottom) / 2;
  auto inked = [&](int Top, int Bottom) {
    int n = 0;
    for (int y = Top; y < Bottom; ++y)
      for (int x = r.Left + 1; x < r.Right - 1; ++x) {
        TColor c = f.Canvas->Pixel(x, y);
        if (gdi::GetRValue(c) > 200 && gdi::GetGValue(c) < 80 && gdi::GetBValue(c) < 80) n++;
      }
    return n;
  };
  EXPECT_GT(inked(r.Top + 1, mid), 10);
  EXPECT_GT(inked(mid, r.Bottom - 1), 10);
}

TEST(TextShape, ChildrenStartBelowTheText) {
  TShapeFixture f;
  TCustomTextShape s(&f.Panel);
  s.SetTransparent(true);
  s.SetText("a\rb");
  s.ShapeBounds = TRect{10, 30, 10, 30};
  TPlotCustomShape* child = s.GetChildren()->Add()->GetShape();
  EXPECT_NE(dynamic_cast<TCustomTextShape*>(child), nullptr);
  child->SetAutoSize(false);
  child->ShapeBounds = TRect{0, 0, 20, 10};
  s.CalcBounds(&f.Panel);
  s.Draw();
  f.Panel.PrepareFont3D(s.GetFont());
  EXPECT_EQ(child->ShapeBounds.Top, 30 + 2 * f.Canvas->TextHeight(std::string("W")));
}

TEST(TextShapePosition, SettingAnEdgeTurnsCustomPositionOn) {
  TPlotCustomShapePosition s;
  EXPECT_FALSE(s.GetCustomPosition());
  s.SetLeft(40);
  EXPECT_TRUE(s.GetCustomPosition());
  EXPECT_EQ(s.GetLeft(), 40);
  s.SetTop(12);
  TPlotCustomShapePosition copy;
  copy.Assign(&s);
  EXPECT_TRUE(copy.GetCustomPosition());
  EXPECT_EQ(copy.GetLeft(), 40);
  EXPECT_EQ(copy.GetTop(), 12);

  const TClassInfo* info = TPlotCustomShapePosition::Class();
  TPlotCustomShapePosition plain;
  EXPECT_FALSE(info->FindProperty("Left")->IsStored(&plain));
  EXPECT_TRUE(info->FindProperty("Left")->IsStored(&s));
  EXPECT_TRUE(info->FindProperty("CustomPosition")->IsStored(&s));
}

// ---------------- hover and selection ----------------

TEST(PlotHover, DefaultsOfHoverAndSelection) {
  TPlotHover h;
  EXPECT_EQ(h.GetFont()->GetColor(), clRed);
  EXPECT_EQ(h.GetPen()->GetColor(), TPlotCanvas::ColorFrom(clRed, 128));
  EXPECT_EQ(h.GetPen()->GetWidth(), 3);
  EXPECT_TRUE(h.GetVisible());
  TPlotSelected s;
  EXPECT_FALSE(s.GetVisible());
  EXPECT_EQ(s.GetPen()->GetColor(), clRed);
  EXPECT_EQ(s.GetPen()->GetWidth(), 2);
  EXPECT_EQ(s.GetHoverIndex(), -1);
  EXPECT_EQ(s.GetItemIndex(), -1);

  s.GetHover()->SetVisible(false);
  s.SetText("x");
  TPlotSelected t;
  t.Assign(&s);
  EXPECT_FALSE(t.GetHover()->GetVisible());
  EXPECT_EQ(t.GetText(), "x");
}

TEST(PlotHover, IndexChangesRepaintOnlyWhatIsShown) {
  FakeSeriesPanel chart;
  TChartSeries series;
  series.SetParentChart(&chart);
  TPlotSelected* s = series.GetSelected();
  int before = chart.Repaints;
  s->SetHoverIndex(4);
  EXPECT_EQ(chart.Repaints, before + 1);
  s->SetHoverIndex(4);
  EXPECT_EQ(chart.Repaints, before + 1);
  s->GetHover()->SetVisible(false);
  s->SetHoverIndex(5);
  EXPECT_EQ(s->GetHoverIndex(), 5);
  EXPECT_EQ(chart.Repaints, before + 1);

  s->SetItemIndex(2);  // the selection itself is hidden
  EXPECT_EQ(chart.Repaints, before + 1);
  s->SetVisible(true);
  s->SetItemIndex(3);
  EXPECT_EQ(chart.Repaints, before + 2);

  // A shape as element repaints its chart.
  TShapeFixture f;
  TPlotShape shape(&f.Panel);
  TPlotSelected onShape(&shape);
  onShape.SetHoverIndex(1);
  EXPECT_EQ(onShape.GetElement(), &shape);
  series.SetParentChart(nullptr);
}

TEST(SeriesHover, EnabledMarksAndSegments) {
  FakeSeriesPanel chart;
  chart.Hover = true;
  TChartSeries series;
  series.SetParentChart(&chart);
  EXPECT_FALSE(series.HoverEnabled());  // no selection settings yet
  series.GetSelected()->SetHoverIndex(3);
  EXPECT_TRUE(series.HoverEnabled());
  series.IClickedPart = scpMark;
  EXPECT_EQ(series.HoverOverMark(), 3);
  EXPECT_EQ(series.HoverOverSegment(), -1);
  series.IClickedPart = scpSegment;
  EXPECT_EQ(series.HoverOverSegment(), 3);
  chart.Hover = false;
  EXPECT_FALSE(series.HoverEnabled());
  EXPECT_EQ(series.HoverOverSegment(), -1);
  series.SetParentChart(nullptr);
  EXPECT_TRUE(series.HoverEnabled());

  struct TCase {
    TSeriesClickedPartStyle Part;
    THoverElements Elements;
    int Index;
    bool Hovered;
  };
  auto set = [](std::initializer_list<THoverElement> E) {
    THoverElements s = 0;
    for (THoverElement e : E) s |= 1u << e;
    return s;
  };
  const TCase cases[] = {
      {scpMark, set({heCurrent}), 3, true},
      {scpMark, set({heJoin, hePrevious}), 3, false},
      {scpMark, set({heCurrent}), 4, false},
      {scpSegment, set({heJoin, hePrevious}), 3, true},
      {scpSegment, set({heJoin, heNext}), 4, true},
      {scpSegment, set({heJoin, heNext}), 3, false},
      {scpSegment, set({hePrevious, heNext}), 3, false},
      {scpSegment, set({heCurrent}), 3, false},
  };
  for (const TCase& k : cases) {
    series.IClickedPart = k.Part;
    series.SetHoverElement(k.Elements);
    EXPECT_EQ(series.ShouldHoverMark(k.Index), k.Hovered)
        << int(k.Part) << " " << k.Elements << " " << k.Index;
  }
}

TEST(SeriesLegend, SettingsMadeOnFirstUse) {
  TChartSeries series;
  EXPECT_FALSE(series.HasLegend());
  EXPECT_EQ(series.GetLegendTitle(), "");
  EXPECT_TRUE(series.GetShowInLegend());
  series.SetShowInLegend(true);
  EXPECT_FALSE(series.HasLegend());
  series.SetLegendTitle("Speed");
  ASSERT_TRUE(series.HasLegend());
  EXPECT_EQ(series.GetLegend()->GetText(), "Speed");
  series.GetLegend()->SetVisible(false);
  EXPECT_FALSE(series.GetShowInLegend());
  series.SetLegend(nullptr);
  EXPECT_TRUE(series.GetShowInLegend());
  EXPECT_EQ(series.GetLegendTitle(), "");
}

}  // namespace
