// What a series says in its marks and legend rows, and the loop that places
// and draws its marks; the series' naming routines.

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"
#include "chart/PlotBlend.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotConst.h"
#include "chart/PlotHover.h"
#include "chart/PlotPicture.h"
#include "chart/PlotRoutines.h"
#include "chart/SeriesLegend.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"

namespace {

TCustomAxisPanel* AxisPanelOf(TChartSeriesPanel* P) { return dynamic_cast<TCustomAxisPanel*>(P); }

std::string Joined(const std::string& A, const std::string& Sep, const std::string& B) {
  return A + Sep + B;
}

}  // namespace

// ---------------- the marks object ----------------

TSeriesMarks* TChartSeries::GetMarks() {
  if (!FMarks) {
    FMarks = std::make_unique<TSeriesMarks>(this);
    FMarks->SetParent(dynamic_cast<TCustomPlotPanel*>(FParent));
  }
  return FMarks.get();
}

void TChartSeries::SetMarks(TSeriesMarks* Value) { GetMarks()->Assign(Value); }

bool TChartSeries::HasMarksToDraw() const { return FMarks && FMarks->GetVisible(); }

bool TChartSeries::MarksOnTop() const { return FMarks && FMarks->GetOnTop(); }

bool TChartSeries::MarksClip() const { return FMarks && FMarks->GetClip(); }

// ---------------- mark texts ----------------

std::string TChartSeries::MarkPercent(int ValueIndex, bool AddTotal) const {
  const double total = MandatoryValueList->TotalABS();
  const double p = total != 0 ? std::fabs(GetMarkValue(ValueIndex)) * 100 / total : 100;
  std::string text = FormatFloat(FPercentFormat, p);
  if (!AddTotal) return text;
  const bool multi = FMarks && FMarks->GetMultiLine();
  return Format(multi ? PlotMsg_DefaultPercentOf2 : PlotMsg_DefaultPercentOf,
                {text, FormatFloat(FValueFormat, total)});
}

std::string TChartSeries::GetMarkTextStyle(bool MultiLine, int ValueIndex,
                                           TSeriesMarksStyle Style) const {
  const std::string sep = MultiLine ? std::string(1, PlotLineSeparator) : std::string(" ");
  const std::string value = FormatFloat(FValueFormat, GetMarkValue(ValueIndex));
  const std::string label = GetMarkLabel(ValueIndex);
  const std::string labelOrValue = label.empty() ? value : label;
  auto xText = [&] {
    const double x = NotMandatoryValueList->GetValue(ValueIndex);
    TChartAxis* axis = GetHorizAxisInUse();
    return axis ? axis->LabelValue(x) : FormatFloat(FValueFormat, x);
  };
  switch (Style) {
    case smsValue:
      return value;
    case smsPercent:
      return MarkPercent(ValueIndex, false);
    case smsLabel:
      return label;
    case smsLabelPercent:
      return Joined(labelOrValue, sep, MarkPercent(ValueIndex, false));
    case smsLabelValue:
      return label.empty() ? value : Joined(label, sep, value);
    case smsLegend: {
      TCustomAxisPanel* chart = AxisPanelOf(FParent);
      if (!chart) return {};
      std::string text = chart->FormattedValueLegend(const_cast<TChartSeries*>(this), ValueIndex);
      if (!MultiLine) std::replace(text.begin(), text.end(), PlotColumnSeparator, ' ');
      return text;
    }
    case smsPercentTotal:
      return MarkPercent(ValueIndex, true);
    case smsLabelPercentTotal:
      return Joined(labelOrValue, sep, MarkPercent(ValueIndex, true));
    case smsXValue:
      return xText();
    case smsXY:
      return Joined(xText(), sep, value);
    case smsSeriesTitle:
      return SeriesTitleOrName(this, false);
    case smsPointIndex:
      return std::to_string(ValueIndex);
    case smsPercentRelative: {
      double p = 100;
      if (ValueIndex != 0) {
        const double first = GetMarkValue(0);
        p = first != 0 ? GetMarkValue(ValueIndex) * 100 / first : 0;
      }
      return FormatFloat(FPercentFormat, p);
    }
    case smsLabelPercentValue:
      return Joined(Joined(labelOrValue, sep, MarkPercent(ValueIndex, false)), sep, value);
    case smsLabelOrValue:
      return labelOrValue;
  }
  return {};
}

std::string TChartSeries::GetMarkText(int ValueIndex) {
  TSeriesMarks* marks = GetMarks();
  std::string text;
  TMarksItem* item = marks->GetItems()->Find(ValueIndex);
  if (item && item->ICustomText) {
    text = item->GetText();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
      text.resize(text.size() - 2);
  } else {
    text = GetMarkTextStyle(marks->GetMultiLine(), ValueIndex, marks->GetStyle());
  }
  if (OnGetMarkText) OnGetMarkText(this, ValueIndex, text);
  return text;
}

// ---------------- placing and drawing marks ----------------

bool TChartSeries::CanDrawMark(int ValueIndex) const {
  if (IsNull(ValueIndex)) return false;
  return !(FMarks && FMarks->GetSoftClip()) || IsPointInChartRect(ValueIndex);
}

void TChartSeries::DrawMarks() {
  TSeriesMarks* marks = GetMarks();
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (chart == nullptr) return;
  TCanvas3D* c = chart->GetCanvas();
  const bool blending = marks->GetUseSeriesTransparency() && FTransparency != 0;
  TPlotBlend* blend = blending ? c->BeginBlending(TRect{}, FTransparency) : nullptr;
  if (FFirstVisibleIndex >= 0) {
    const int every = std::max(1, marks->CalcEvery());
    TSeriesMarkPosition position;
    for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i) {
      if (i % every != 0 || !CanDrawMark(i)) continue;
      const std::string text = GetMarkText(i);
      if (text.empty()) continue;
      TCustomTextShape* shape = marks->MarkItem(i);
      if (!shape->GetVisible()) continue;
      TPlotShapes* children = marks->GetChildren();
      for (int k = 0; k < children->Count(); ++k)
        if (auto* child = dynamic_cast<TSeriesMarkShape*>(children->Get(k)->GetShape()))
          child->SetText(GetMarkTextStyle(marks->GetMultiLine(), i, child->GetStyle()));
      const TFontStyles style = shape->GetFont()->GetStyle();
      if (ShouldHoverMark(i))
        shape->GetFont()->SetStyle(GetSelected()->GetHover()->GetFont()->GetStyle());
      position = TSeriesMarkPosition{};
      CalculateMarkPosition(shape, text, CalcXPos(i), CalcYPos(i), position);
      shape->GetFont()->SetStyle(style);
      const bool entity = c->SupportsID;
      if (entity) c->BeginEntity(std::to_string(i), nullptr, nullptr);
      DrawMark(i, text, position);
      if (entity) c->EndEntity();
    }
  }
  if (blending) c->EndBlending(blend);
}

void TChartSeries::DrawMark(int ValueIndex, const std::string& Text,
                            TSeriesMarkPosition& Position) {
  TSeriesMarks* marks = GetMarks();
  if (!marks->GetAutoPosition() || marks->AntiOverlap(FFirstVisibleIndex, ValueIndex, Position))
    marks->InternalDraw(ValueIndex, GetValueColor(ValueIndex), Position, Text);
}

void TChartSeries::CalculateMarkPosition(TCustomTextShape* Shape, const std::string& Text, int X,
                                         int Y, TSeriesMarkPosition& Position) {
  TSeriesMarks* marks = GetMarks();
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  Shape->SetText(Text);
  if (chart) Shape->CalcBounds(chart);
  int w = Shape->GetWidth(), h = Shape->GetHeight();
  const int h0 = h;
  TSeriesMarksSymbol* symbol = marks->SymbolIfAny();
  if (symbol && symbol->ShouldDraw()) {
    w += h - 4;
    const int pen = symbol->GetPen()->GetWidth();
    if (symbol->GetPen()->GetVisible() && pen >= 2) {
      w += pen;
      h += pen;
    }
  }
  Position.Width = w;
  Position.Height = h;
  if (symbol) symbol->ShapeBounds = TRect{0, 0, h0, h0};
  marks->GetPositions()->MoveTo(Position, X, Y);
}

TPoint TChartSeries::MarkOverlap(int ValueIndex, const TRect& R, const TRect& Other) const {
  (void)ValueIndex;
  if (YMandatory) return TPoint{0, R.Top < Other.Top ? Other.Top - R.Bottom : Other.Bottom - R.Top};
  return TPoint{R.Left < Other.Left ? Other.Left - R.Right : Other.Right - R.Left, 0};
}

int TChartSeries::MaxMarkWidth() {
  int result = 0;
  TSeriesMarks* marks = GetMarks();
  for (int i = 0; i < Count(); ++i)
    if (marks->MarkItem(i)->GetVisible()) result = std::max(result, marks->TextWidth(i));
  return result;
}

// ---------------- legend ----------------

std::string TChartSeries::LegendString(int LegendIndex, TLegendTextStyle Style) const {
  const int j = CalcLegendIndex(LegendIndex);
  const std::string label = GetXLabel(j);
  if (Style == ltsPlain) return label;
  const double v = GetMarkValue(j);
  const std::string value = MandatoryValueList->GetDateTime()
                                ? FormatDateTime(DateTimeDefaultFormat(v), v)
                                : FormatFloat(FValueFormat, v);
  const double total = MandatoryValueList->TotalABS();
  const std::string percent = FormatFloat(FPercentFormat, total != 0 ? v * 100 / total : 100);
  auto xText = [&] {
    const double x = FX->GetValue(j);
    TChartAxis* axis = GetHorizAxisInUse();
    return axis ? axis->LabelValue(x) : FormatFloat(FValueFormat, x);
  };
  const std::string S(1, PlotColumnSeparator);
  switch (Style) {
    case ltsPlain:
      return label;
    case ltsLeftValue:
      return label.empty() ? value : value + S + label;
    case ltsRightValue:
      return label.empty() ? value : label + S + value;
    case ltsLeftPercent:
      return label.empty() ? percent : percent + S + label;
    case ltsRightPercent:
      return label.empty() ? percent : label + S + percent;
    case ltsXValue:
      return xText();
    case ltsValue:
      return value;
    case ltsPercent:
      return percent;
    case ltsXAndValue:
      return xText() + S + value;
    case ltsXAndPercent:
      return xText() + S + percent;
    case ltsXAndText:
      return xText() + S + label;
    case ltsXAndValueAndText:
      return xText() + S + value + S + label;
  }
  return label;
}

void TChartSeries::DrawLegend(int ValueIndex, const TRect& Rect) {
  TCustomAxisPanel* chart = AxisPanelOf(FParent);
  if (chart == nullptr) return;
  const bool repaint = chart->AutoRepaint;
  chart->AutoRepaint = false;
  const TColor color = ValueIndex == -1 ? GetSeriesColor() : LegendItemColor(ValueIndex);
  if (color == clNone) {
    chart->AutoRepaint = repaint;
    return;
  }
  TCanvas3D* c = chart->GetCanvas();
  TPlotBrush* brush = GetBrush();
  c->GetBrush()->SetColor(color);
  TColor back = chart->LegendColor;
  const TBrushStyle style = brush->GetStyle();
  TBrushStyle newStyle = style;
  c->AssignVisiblePenColor(GetPen(), GetPen()->GetColor());
  PrepareLegendCanvas(ValueIndex, back, newStyle);
  if (chart->LegendPen) c->AssignVisiblePen(chart->LegendPen);
  const int half = (Rect.Bottom - Rect.Top) / 2;
  if (c->GetPen()->GetWidth() > half) c->GetPen()->SetWidth(half);
  if (back == clDefault)
    back = chart->LegendColor == clDefault ? chart->GetColor() : chart->LegendColor;
  const bool restyle = newStyle != style && (!brush->HasImage() || !brush->GetImage()->Valid());
  if (restyle) brush->SetStyle(newStyle);
  chart->SetBrushCanvas(color, brush, back);
  DrawLegendShape(ValueIndex, Rect);
  if (restyle) brush->SetStyle(style);
  chart->AutoRepaint = repaint;
}

void TChartSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
  TCustomAxisPanel* chart = AxisPanelOf(FParent);
  if (chart == nullptr || chart->GetCanvas() == nullptr) return;
  TCanvas3D* c = chart->GetCanvas();
  TPlotBlend* blend = FTransparency != 0 ? c->BeginBlending(Rect, FTransparency) : nullptr;
  TGraphic* graphic = nullptr;
  if (ValueIndex == -1) {
    if (HasLegend() && GetImage()->Valid()) graphic = GetImage()->GetGraphic();
  } else {
    c->GetBrush()->SetColor(LegendItemColor(ValueIndex));
    if (HasPictures())
      if (TPlotPicture* p = Pictures()->Get(ValueIndex); p && p->Valid()) graphic = p->GetGraphic();
  }
  chart->DrawLegendShape(Rect, graphic);
  if (blend) c->EndBlending(blend);
}

// ---------------- names ----------------

std::string SeriesNameOrIndex(const TCustomChartSeries* Series) {
  if (!Series->GetName().empty()) return Series->GetName();
  TChartSeriesPanel* chart = Series->GetParentChart();
  if (chart == nullptr) return {};
  return PlotMsg_Series + std::to_string(chart->SeriesIndexOf(Series) + 1);
}

std::string SeriesTitleOrName(const TCustomChartSeries* Series, bool RemoveLineBreaks) {
  std::string title = Series->GetTitle();
  if (title.find_first_not_of(" \t\r\n") == std::string::npos) return SeriesNameOrIndex(Series);
  if (!RemoveLineBreaks) return title;
  std::replace(title.begin(), title.end(), PlotColumnSeparator, ' ');
  size_t pair = title.find("\n\r");
  if (pair == std::string::npos) pair = title.find("\r\n");
  if (pair != std::string::npos) title.erase(pair, 1);
  std::replace(title.begin(), title.end(), '\r', ' ');
  std::replace(title.begin(), title.end(), '\n', ' ');
  return title;
}

void FillSeriesItems(TStrings* Strings, const std::vector<TCustomChartSeries*>& List,
                     bool UseTitles) {
  Strings->BeginUpdate();
  for (TCustomChartSeries* s : List) {
    if (s->IInternalUse) continue;
    const bool designing = (s->GetComponentState() & csDesigning) != 0;
    if (!s->GetShowInEditor() && !(designing && !s->DontSerialize)) continue;
    Strings->AddObject(UseTitles ? SeriesTitleOrName(s, true) : s->GetName(), s);
  }
  Strings->EndUpdate();
}
