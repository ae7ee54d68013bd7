// Where a series' points land on its axes, which of them are visible and
// in which order they are drawn, the series' place in depth, and what the
// mouse finds on it.

#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartSeries.h"
#include "chart/PlotHover.h"
#include "chart/PlotView3D.h"
#include "chart/PlotVisualBlock.h"

namespace {

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

}  // namespace

// ---------------- positions ----------------

int TChartSeries::CalcXPos(int ValueIndex) const {
  return FGetHorizAxis->CalcXPosValue(GetxValue(ValueIndex));
}
int TChartSeries::CalcYPos(int ValueIndex) const {
  return FGetVertAxis->CalcYPosValue(GetyValue(ValueIndex));
}
int TChartSeries::CalcXPosValue(double Value) const { return FGetHorizAxis->CalcXPosValue(Value); }
int TChartSeries::CalcYPosValue(double Value) const { return FGetVertAxis->CalcYPosValue(Value); }
int TChartSeries::CalcPosValue(double Value) const {
  return YMandatory ? CalcYPosValue(Value) : CalcXPosValue(Value);
}
int TChartSeries::CalcXSizeValue(double Value) const { return FGetHorizAxis->CalcSizeValue(Value); }
int TChartSeries::CalcYSizeValue(double Value) const { return FGetVertAxis->CalcSizeValue(Value); }
double TChartSeries::XScreenToValue(int Pixel) const { return FGetHorizAxis->CalcPosPoint(Pixel); }
double TChartSeries::YScreenToValue(int Pixel) const { return FGetVertAxis->CalcPosPoint(Pixel); }
std::string TChartSeries::XValueToText(double Value) const {
  return FGetHorizAxis->LabelValue(Value);
}
std::string TChartSeries::YValueToText(double Value) const {
  return FGetVertAxis->LabelValue(Value);
}

void TChartSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) const {
  X = CalcXPos(ValueIndex);
  Y = CalcYPos(ValueIndex);
}

bool TChartSeries::IsPointInChartRect(int ValueIndex) const {
  const TRect& r = ChartOf(this)->ChartRect;
  const int x = CalcXPos(ValueIndex), y = CalcYPos(ValueIndex);
  return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void TChartSeries::GetCursorValues(double& X, double& Y) const {
  X = 0;
  Y = 0;
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return;
  const TPoint p = chart->GetCursorPos();
  X = FGetHorizAxis->CalcPosPoint(p.X);
  Y = FGetVertAxis->CalcPosPoint(p.Y);
}

int TChartSeries::GetCursorValueIndex() {
  TCustomAxisPanel* chart = ChartOf(this);
  return chart ? Clicked(chart->GetCursorPos()) : -1;
}

// ---------------- visible points ----------------

void TChartSeries::CalcFirstLastVisibleIndex() {
  FFirstVisibleIndex = -1;
  FLastVisibleIndex = -1;
  if (Count() == 0) return;
  const int L = Count() - 1;
  TChartValueList* list = NotMandatoryValueList;
  TCustomAxisPanel* chart = ChartOf(this);
  if (!CalcVisiblePoints || list->GetOrder() == loNone || !chart) {
    FFirstVisibleIndex = 0;
    FLastVisibleIndex = L;
    return;
  }
  const TRect& r = chart->ChartRect;
  double vMin, vMax;
  if (YMandatory) {
    TChartAxis* a = FGetHorizAxis;
    const bool inv = a->GetInverted();
    const int minOff = a->GetMinimumOffset(), maxOff = a->GetMaximumOffset();
    if (minOff == 0 && maxOff == 0) {
      vMin = a->CalcPosPoint(inv ? r.Right : r.Left);
      vMax = a->CalcPosPoint(inv ? r.Left : r.Right);
    } else {
      vMin = a->CalcPosPoint((inv ? r.Right : r.Left) + minOff - 1);
      vMax = a->CalcPosPoint((inv ? r.Left : r.Right) - maxOff + 1);
    }
  } else {
    TChartAxis* a = FGetVertAxis;
    const bool inv = a->GetInverted();
    const int minOff = a->GetMinimumOffset(), maxOff = a->GetMaximumOffset();
    if (minOff == 0 && maxOff == 0) {
      vMin = a->CalcPosPoint(inv ? r.Top : r.Bottom);
      vMax = a->CalcPosPoint(inv ? r.Bottom : r.Top);
    } else {
      vMin = a->CalcPosPoint((inv ? r.Top : r.Bottom) - maxOff);
      vMax = a->CalcPosPoint((inv ? r.Bottom : r.Top) + minOff);
    }
  }
  int first = 0;
  if (list->GetValue(0) <= vMin)
    while (list->GetValue(first) < vMin)
      if (++first > L) return;
  FFirstVisibleIndex = first;
  if (list->GetValue(L) > vMax) {
    // A point exactly at the edge is inside: the scan moves on to the first
    // point beyond it, which stays in the range with DrawBetweenPoints.
    int last = first;
    while (last < L && list->GetValue(last) <= vMax) ++last;
    if (!DrawBetweenPoints)
      while (last > 0 && list->GetValue(last) > vMax) --last;
    FLastVisibleIndex = last;
  } else {
    FLastVisibleIndex = L;
  }
}

int TChartSeries::VisibleCount() const {
  if (FFirstVisibleIndex == -1 || FLastVisibleIndex == -1) return 0;
  if (FFirstVisibleIndex == 0 && FLastVisibleIndex == Count() - 1) return Count();
  auto within = [](TChartAxis* a, double v) {
    return v >= a->GetMinimum() && v <= a->GetMaximum();
  };
  int result = 0;
  if (NotMandatoryValueList->GetOrder() != loNone) {
    TChartAxis* axis = MandatoryAxis();
    for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i)
      if (within(axis, MandatoryValueList->GetValue(i))) ++result;
    return result;
  }
  for (int i = 0; i < Count(); ++i)
    if (within(FGetHorizAxis, GetxValue(i)) && within(FGetVertAxis, GetyValue(i))) ++result;
  return result;
}

int TChartSeries::FirstDisplayedIndex() const {
  return DrawValuesForward() ? FFirstVisibleIndex : FLastVisibleIndex;
}

int TChartSeries::LastDisplayedIndex() const {
  return DrawValuesForward() ? FLastVisibleIndex : FFirstVisibleIndex;
}

void TChartSeries::CalcFirstLastPage(int& First, int& Last) const {
  First = -1;
  Last = -1;
  const int count = Count();
  if (count == 0) return;
  TCustomAxisPanel* chart = ChartOf(this);
  const int P = chart ? chart->GetMaxPointsPerPage() : 0;
  const int n = chart ? chart->GetPage() : 1;
  if (P <= 0) {
    First = 0;
    Last = count - 1;
    return;
  }
  First = P == 1 ? n - 1 : P * (n - 1);
  if (First >= count) First = P * std::max(0, count / P - 1);
  Last = First + P - 1;
  if (Last >= count) Last = First + count % P - 1;
}

// ---------------- drawing order ----------------

bool TChartSeries::DrawValuesForward() const {
  if (!YMandatory) return !FGetVertAxis->GetInverted();
  const bool forward = !FGetHorizAxis->GetInverted();
  TCustomAxisPanel* chart = ChartOf(this);
  return chart && chart->InvertedRotation ? !forward : forward;
}

bool TChartSeries::DrawSeriesForward(int ValueIndex) const {
  (void)ValueIndex;
  TCustomAxisPanel* chart = ChartOf(this);
  return !(chart && chart->InvertedRotation);
}

bool TChartSeries::DrawSeriesAscending() const {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart || !chart->GetDepthAxis()) return true;
  const bool inverted = chart->GetDepthAxis()->GetInverted();
  TView3DOptions* view = chart->GetView3DOptions();
  const int rotation = view->GetRotation();
  if (chart->GetView3D() && !view->GetOrthogonal() && rotation >= 90 && rotation < 270)
    return inverted;
  return !inverted;
}

void TChartSeries::DrawAllValues() {
  TCustomAxisPanel* chart = ChartOf(this);
  TCanvas3D* canvas = chart ? chart->GetCanvas() : nullptr;
  // Each point is an entity with its visual block, unless the blocks come
  // from a template that cannot be copied for every point.
  TVisualsList* visuals = HasVisuals() ? Visuals() : nullptr;
  const bool entities =
      canvas && canvas->SupportsID &&
      !(visuals && visuals->GetTemplate() && !visuals->GetTemplate()->IsCloneable);
  const int first = FFirstVisibleIndex, last = FLastVisibleIndex;
  auto draw = [&](int index) {
    if (entities)
      canvas->BeginEntity(std::to_string(index), visuals ? visuals->GetVisual(index) : nullptr,
                          nullptr);
    if (chart && chart->OnDrawValue)
      chart->OnDrawValue(this, index);
    else
      DrawValue(index);
    if (entities) canvas->EndEntity();
  };
  if (first == -1) return;
  const std::vector<int> order = SortDrawPoints(first, last, true);
  const bool forward = DrawValuesForward();
  if (!order.empty()) {
    if (forward)
      for (int index : order) draw(index);
    else
      for (auto it = order.rbegin(); it != order.rend(); ++it) draw(*it);
    return;
  }
  if (forward)
    for (int i = first; i <= last; ++i) draw(i);
  else
    for (int i = last; i >= first; --i) draw(i);
}

void TChartSeries::DoBeforeDrawValues() {
  BroadcastEvent(cteBeforeDrawSeries);
  if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
  BroadcastEvent(cteAfterDrawSeries);
  if (AfterDrawValues) AfterDrawValues(this);
}

void TChartSeries::BroadcastEvent(TChartToolEvent Event) {
  if (TCustomAxisPanel* chart = ChartOf(this)) chart->BroadcastSeriesToolEvent(Event, this);
}

// ---------------- depth ----------------

void TChartSeries::CalcZOrder() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return;
  if (FZOrder == -1) {
    if (chart->GetView3D()) {
      chart->SetMaxZOrder(chart->GetMaxZOrder() + 1);
      IZOrder = chart->GetMaxZOrder();
    } else {
      IZOrder = 0;
    }
    return;
  }
  chart->SetMaxZOrder(std::max(chart->GetMaxZOrder(), GetZOrder()));
}

void TChartSeries::CalcDepthPositions() {
  TCustomAxisPanel* chart = ChartOf(this);
  const int depth = chart ? chart->FSeriesWidth3D : 0;
  StartZ = IZOrder * depth;
  EndZ = StartZ + (FDepth == -1 ? depth : FDepth);
  MiddleZ = (StartZ + EndZ) / 2;
}

bool TChartSeries::MoreSameZOrder() const {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart || !chart->ApplyZOrder) return false;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s != this && s->GetActive() && !s->HasZValues && s->GetZOrder() == GetZOrder()) return true;
  }
  return false;
}

bool TChartSeries::FirstInZOrder() const {
  if (!GetActive()) return false;
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return true;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s == this) return true;
    if (s->GetActive() && s->GetZOrder() == GetZOrder()) return false;
  }
  return true;
}

// ---------------- mouse ----------------

bool TChartSeries::CheckMouse(int X, int Y) {
  IClickedPart = scpNone;
  const bool tracking = FCursor != 0 || OnMouseEnter || OnMouseLeave;
  if (!tracking && !HoverEnabled()) return false;
  const int index = Clicked(X, Y);
  bool result = false;
  if (index == -1) {
    if (IsMouseInside) {
      IsMouseInside = false;
      if (OnMouseLeave) OnMouseLeave(this);
    }
  } else {
    if (FCursor != 0 && IsPainted() && GetParentChart()) GetParentChart()->SetCursor(FCursor);
    if (!IsMouseInside) {
      IsMouseInside = true;
      if (OnMouseEnter) OnMouseEnter(this);
    }
    result = tracking;
  }
  if (HasSelected()) GetSelected()->SetHoverIndex(index);
  return result;
}

int TChartSeries::Clicked(TPoint P) {
  const int result = Clicked(P.X, P.Y);
  if (result != -1) IClickedPart = scpSegment;
  return result;
}

int TChartSeries::Clicked(float X, float Y) {
  return Clicked(TPoint{int(std::nearbyint(X)), int(std::nearbyint(Y))});
}

bool TChartSeries::ClickedPointer(int ValueIndex, int tmpX, int tmpY, TPoint P) {
  const bool result = ClickedPointer(ValueIndex, tmpX, tmpY, P.X, P.Y);
  if (result) IClickedPart = scpPointer;
  return result;
}

void TChartSeries::MouseDown(int ValueIndex, bool OnPointer, TMouseButton Button, TShiftState Shift,
                             int X, int Y) {
  (void)OnPointer;
  if (Shift & ssDouble) {
    if (OnDblClick) OnDblClick(this, ValueIndex, Button, Shift, X, Y);
  } else if (OnClick) {
    OnClick(this, ValueIndex, Button, Shift, X, Y);
  }
}
