// The labels of an axis: which values and points get a label and a tick in
// a drawing pass, how overlapping point labels are dropped or shortened,
// and the texts of value labels.

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartAxisTitle.h"
#include "chart/ChartLists.h"
#include "chart/ChartPointLists.h"
#include "chart/PlotGeometry.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/NumberText.h"

std::string TChartAxis::LabelValue(double Value) {
  std::string text;
  if (IAxisDateTime) {
    const std::string format =
        FDateTimeFormat.empty() ? DateTimeDefaultFormat(double(IRange)) : FDateTimeFormat;
    text = FormatDateTime(format, Value);
  } else if (IAxisGeo) {
    text = ToDegree(float(Value), !FHorizontal);
  } else {
    text = FormatFloat(FAxisValuesFormat, Value);
  }
  if (FParentChart && FParentChart->OnGetAxisLabel)
    FParentChart->OnGetAxisLabel(this, nullptr, -1, text);
  if (FLabels->GetMultiLine())
    for (char& c : text)
      if (c == ' ') c = PlotLineSeparator;
  return text;
}

std::string TChartAxis::ToDegree(float Value) {
  if (Value > FLT_MAX) return "+INF";
  if (Value < -FLT_MAX) return "-INF";
  const int d = int(std::trunc(Value));
  std::string text = std::to_string(d) + "\u00B0";
  const float r = (Value - float(d)) * 3600.0f;
  const int m = int(std::trunc(r / 60.0f));
  const int s = int(std::trunc(r - float(m) * 60.0f));
  if (m != 0 || s != 0) text += std::to_string(m) + "'";
  if (s != 0) text += std::to_string(s) + "\"";
  return text;
}

std::string TChartAxis::ToDegree(float Value, bool IsLat) {
  const std::string text = ToDegree(std::fabs(Value));
  if (IsLat) return text + (Value < 0 ? " S" : " N");
  return text + (Value < 0 ? " W" : " E");
}

bool TChartAxis::GetAxisSeriesLabel(TAxisLabelStyle Style, TChartSeries* Series, int ValueIndex,
                                    double& Value, std::string& Text, TPlotPicture*& Picture) {
  Text.clear();
  if (ValueIndex < Series->FFirstVisibleIndex || ValueIndex > Series->FLastVisibleIndex)
    return false;
  if (Style == talMark) {
    Text = Series->GetMarkLabel(ValueIndex);
  } else if (Style == talText) {
    Text = Series->GetXLabel(ValueIndex);
  } else if (Style == talPointValue) {
    TChartValueList* list = Series->MandatoryAxis() == this ? Series->MandatoryValueList
                                                            : Series->NotMandatoryValueList;
    Text = LabelValue(list->GetValue(ValueIndex));
  }
  if (FParentChart && FParentChart->OnGetAxisLabel)
    FParentChart->OnGetAxisLabel(this, Series, ValueIndex, Text);
  if (Text.empty()) return false;
  if (IDepthAxis)
    Value = Series->ValueListOfAxis(this)->GetValue(ValueIndex);
  else if (Series->HasPointLabels())
    Value = ValueIndex;
  else
    Value = FHorizontal ? Series->GetxValue(ValueIndex) : Series->GetyValue(ValueIndex);
  Picture = Series->HasPictures() ? Series->Pictures()->Get(ValueIndex) : nullptr;
  return true;
}

void TChartAxis::CalcAllSeries() {
  ISeriesList->Clear();
  if (!FParentChart) return;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    if (s->GetActive() && s->AssociatedToAxis(this)) ISeriesList->Add(s);
  }
}

// ---------------- the pass ----------------

TDateTimeStep TChartAxis::ExactDateTimeStep(double Increment) const {
  TDateTimeStep step = FindDateTimeStep(FDesiredIncrement);
  if (step == dtNone) return dtNone;
  while (step < dtOneYear && Increment > DateTimeStep[step]) step = TDateTimeStep(step + 1);
  return step;
}

void TChartAxis::CalcLabels() {
  Tick.clear();
  ILabelStyle = talNone;
  ILabelIncrement = 0;
  ILabelStep = dtNone;
  if (!FAxisItems->GetAuto()) {
    CalcItemLabels();
    return;
  }
  FAxisItems->Clear();
  ILabelStyle = CalcLabelStyle();
  const bool gridAlways = FGrid->GetVisible() && FGrid->GetDrawAlways();
  if (ILabelStyle == talNone && !gridAlways) return;
  if (FParentChart && FParentChart->GetCanvas()) FParentChart->PrepareFont3D(FLabels->GetFont());
  ILabelIncrement = CalcIncrement();
  if (IAxisDateTime && FExactDateTime && FDesiredIncrement != 0)
    ILabelStep = ExactDateTimeStep(ILabelIncrement);
  const bool monthly = ILabelStep >= dtHalfMonth && ILabelStep <= dtOneYear;
  if (!(ILabelIncrement > 0 || monthly) || IMaximum < IMinimum) return;
  if (ILabelStyle == talValue) {
    if (FParentChart && FParentChart->OnGetNextAxisLabel)
      CalcUserLabels();
    else if (FLogarithmic && FDesiredIncrement == 0)
      CalcLogLabels();
    else
      CalcValueLabels();
    return;
  }
  if (ILabelStyle == talText && IDepthAxis &&
      static_cast<TChartDepthAxis*>(this)->GetLabelsAsSeriesTitles()) {
    CalcTitleLabels();
    return;
  }
  if (ILabelStyle == talText || ILabelStyle == talMark || ILabelStyle == talPointValue)
    CalcPointLabels();
}

void TChartAxis::AddLabel(int P, const std::string& Text, TPlotPicture* Picture, double Value,
                          TAxisLabelsFormat* Format) {
  if (FTickOnLabelsOnly) AddTick(P);
  if (FLabels->GetPosition() != lpAtTick && FParentChart && FParentChart->GetCanvas()) {
    const int half = FParentChart->GetCanvas()->TextWidth(Text) / 2;
    P += FLabels->GetPosition() == lpAfterTick ? half : -half;
  }
  if (!FLabels->GetVisible() || Format) return;
  FAxisItems->InternalAdd(Value, Text, Picture)->FLabelPos = P;
}

bool TChartAxis::AddValueLabel(double& Value, bool Step) {
  const int p = CalcPosValue(Value);
  const bool inside = (p > IStartPos && p < IEndPos) || (p > IEndPos && p < IStartPos);
  if ((FLabels->GetOnAxis() && IGapSize < 1) || inside) {
    if (!FTickOnLabelsOnly) AddTick(p);
    if (FLabels->GetVisible() || (FGrid->GetVisible() && FGrid->GetDrawAlways()))
      AddLabel(p, LabelValue(Value), nullptr, Value, nullptr);
  }
  if (!Step) return true;
  const double old = Value;
  StepLabelDown(Value, ILabelIncrement);
  return Value != old;
}

// One increment down: by the calendar on an exact date-time axis with a step
// of half a month or more, else by the plain increment (the calendar step's
// relative tolerance would swallow small steps on large values).
void TChartAxis::StepLabelDown(double& Value, double Increment) const {
  if (CalcIsDateTime(ILabelStep))
    IncDec(false, Value, Increment, ILabelStep);
  else
    IncDec(false, Value, Increment);
}

void TChartAxis::CalcValueLabels() {
  const double inc = ILabelIncrement;
  if (std::fabs(double(IRange) / inc) >= 10000) return;
  double v;
  if (ILabelStep != dtNone && ILabelStep >= dtOneDay)
    v = PlotRoundDate(IMaximum, ILabelStep);
  else if (IMinimum == IMaximum || !FLabels->GetRoundFirst())
    v = IMaximum;
  else
    v = std::trunc(IMaximum / inc) * inc;
  while (v > IMaximum) {
    const double old = v;
    StepLabelDown(v, inc);
    if (v == old) break;
  }
  if (IRangeZero) {
    AddValueLabel(v, false);
    return;
  }
  if (OnCalcMaxLabel) {
    double value = v;
    bool stop = false;
    OnCalcMaxLabel(this, -1, value, stop);
    double second = v + value;
    OnCalcMaxLabel(this, -1, second, stop);
    v += second;
  }
  const double lo =
      IMinimum < 0 ? IMinimum : (IMinimum - MinAxisIncrement) / (1 + MinAxisIncrement);
  while (v >= lo) {
    if (OnNextLabelValue) {
      OnNextLabelValue(this, v);
      if (v < lo) break;
    }
    if (!AddValueLabel(v, true)) break;
  }
}

void TChartAxis::CalcLogLabels() {
  if (IMinimum == IMaximum) return;
  const double b = FLogarithmicBase;
  double v;
  if (IMinimum <= 0) {
    IMinimum = IMinimum < 0 ? RoundLogPower(MinAxisRange) : 0.1;
    v = IMinimum;
  } else {
    v = RoundLogPower(IMinimum);
  }
  const bool minor = FMinorGrid->GetVisible();
  if (minor) {
    const double w = v >= IMinimum ? std::pow(b, std::log(IMinimum) / std::log(b) - 1) : v;
    if (w < IMinimum) AddTick(CalcPosValue(w));
  }
  int made = 0;
  double next = v;
  if (b > 1) {
    for (double x = v; x <= IMaximum; x *= b) {
      double value = x;
      if (x >= IMinimum) {
        AddValueLabel(value, false);
        ++made;
      }
      next = x * b;
    }
  }
  if (made == 0) {
    // Each step from the same start, so 9 is not missed by a sum that
    // drifted just above it.
    const double addend = v / b;
    for (int k = 0; addend > 0 && v + k * addend <= IMaximum; ++k) {
      double value = v + k * addend;
      if (value >= IMinimum) AddValueLabel(value, false);
      next = v + (k + 1) * addend;
    }
  }
  v = next;
  if (minor && v > IMaximum) AddTick(CalcPosValue(v));
}

void TChartAxis::CalcUserLabels() {
  double v = IMinimum;
  bool stop = true;
  for (int index = 0; index <= 2000; ++index) {
    FParentChart->OnGetNextAxisLabel(this, index, v, stop);
    if (stop) {
      if (index > 0) return;
      if (FLogarithmic && FDesiredIncrement == 0)
        CalcLogLabels();
      else
        CalcValueLabels();
      return;
    }
    if (v < IMinimum - 1e-7 || v > IMaximum + 1e-7) return;
    double value = v;
    AddValueLabel(value, false);
  }
}

int TChartAxis::TextSize(const std::string& Text, bool Widths, int LineHeight) {
  // Line by line on the canvas: the panel's multi-line measure would also
  // measure a line height for every label.
  TCanvas3D* canvas = FParentChart->GetCanvas();
  int width = 0, lines = 0;
  size_t start = 0;
  while (start <= Text.size()) {
    size_t end = Text.find(PlotLineSeparator, start);
    if (end == std::string::npos) end = Text.size();
    if (Widths) width = std::max(width, canvas->TextWidth(Text.substr(start, end - start)));
    ++lines;
    start = end + 1;
  }
  return Widths ? width : lines * LineHeight;
}

void TChartAxis::CalcPointLabels() {
  CalcAllSeries();
  int first = -1, last = -1;
  bool anyEmpty = false;
  for (TChartSeries* s : ISeriesList->Items()) {
    anyEmpty = anyEmpty || s->Labels()->IAnyEmpty;
    if (s->Labels()->Count() == 0 && FLabels->GetStyle() != talPointValue) continue;
    s->CalcFirstLastVisibleIndex();
    if (s->FFirstVisibleIndex == -1) continue;
    first = first == -1 ? s->FFirstVisibleIndex : std::min(first, s->FFirstVisibleIndex);
    last = std::max(last, s->FLastVisibleIndex);
  }
  if (first == -1 || !FParentChart->GetCanvas()) {
    ISeriesList->Clear();
    return;
  }
  const int angle = FLabels->GetAngle();
  const bool upright = angle == 90 || angle == 270;
  const bool widths = FHorizontal ? !upright : upright;
  int step = 1;
  if (!FParentChart->OnGetAxisLabel && !anyEmpty) {
    const int n = last - first + 1;
    const int L = FHorizontal ? FParentChart->ChartWidth : FParentChart->ChartHeight;
    if (L < n && L >= 1) step = std::max(PlotRound(2.0 * n / L), 1);
  }
  const int lineHeight = widths ? 0 : FParentChart->GetCanvas()->TextHeight(std::string("W"));
  const int separation = FLabels->GetSeparation();
  const bool trim = FLabels->GetAutomatic() && FLabels->GetAutomatic()->GetTrim();
  bool havePrevious = false;
  int q = 0, h = 0;
  for (TChartSeries* s : ISeriesList->Items()) {
    for (int i = first; i <= last; i += step) {
      double value = 0;
      std::string text;
      TPlotPicture* picture = nullptr;
      if (!GetAxisSeriesLabel(ILabelStyle, s, i, value, text, picture)) continue;
      if (value < IMinimum || value > IMaximum) continue;
      const int p = CalcPosValue(value);
      const bool onTick = std::find(Tick.begin(), Tick.end(), p) != Tick.end();
      if (!FTickOnLabelsOnly && !onTick) AddTick(p);
      if (!FLabels->GetVisible() || text.empty()) continue;
      int k = 0;
      bool fits = false;
      while (true) {
        int size = TextSize(text, widths, lineHeight);
        if (separation == 0 || !havePrevious) {
          k = size / 2;
          fits = true;
          break;
        }
        size += int(std::trunc(size * 0.02 * separation));
        k = size / 2;
        fits = p < q ? q - h >= p + k : p - k >= q + h;
        if (fits || !trim || text.empty()) break;
        text.pop_back();
      }
      if (!fits || text.empty() || onTick) continue;
      AddLabel(p, text, picture, value, nullptr);
      havePrevious = true;
      q = p;
      h = k;
    }
  }
  ISeriesList->Clear();
}

void TChartAxis::CalcTitleLabels() {
  if (FParentChart->CountActiveSeries() == 0) return;
  std::vector<TChartSeries*> active;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i)
    if (FParentChart->GetSeries(i)->GetActive()) active.push_back(FParentChart->GetSeries(i));
  for (int i = int(std::trunc(IMinimum)); i <= int(std::trunc(IMaximum)); ++i) {
    const double v = IMaximum - i - 0.5;
    const int p = CalcYPosValue(v);
    if (!FTickOnLabelsOnly) AddTick(p);
    if (!FLabels->GetVisible()) continue;
    std::string text;
    if (i >= 0 && i < int(active.size()))
      text = active[size_t(i)]->GetTitle().empty() ? active[size_t(i)]->GetName()
                                                   : active[size_t(i)]->GetTitle();
    if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, nullptr, i, text);
    AddLabel(p, text, nullptr, v, nullptr);
  }
}

void TChartAxis::CalcItemLabels() {
  for (int i = 0; i < FAxisItems->Count(); ++i) {
    TAxisItem* item = FAxisItems->Get(i);
    if (item->GetValue() < IMinimum || item->GetValue() > IMaximum) continue;
    item->FLabelPos = CalcPosValue(item->GetValue());
    if (!FTickOnLabelsOnly) AddTick(item->FLabelPos);
    TAxisLabelsFormat* format = item->ActiveFormat();
    if (!format->GetVisible()) continue;
    const std::string text =
        item->GetText().empty() ? LabelValue(item->GetValue()) : item->GetText();
    AddLabel(item->FLabelPos, text, item->GetPicture(), item->GetValue(), format);
  }
}
