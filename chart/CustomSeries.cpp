// The line, point and area series' common class: settings, per-point
// pointers, stacking and origins, value ranges, margins, the visible range
// and the smoothed copy of the data.

#include "chart/CustomSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/PlotGradient.h"
#include "chart/PlotRoutines.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesRtti.h"
#include "chart/SeriesSources.h"
#include "chart/SmoothingFunction.h"
#include "platform/rtl/RttiDecl.h"

namespace {

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

// The margin a pen of Width asks for: the whole width for stairs, else
// nothing below 2 and half the width plus one from 2 on.
int PenMargin(int Width, bool Stairs) {
  if (Stairs) return Width;
  return Width < 2 ? 0 : int(std::nearbyint(Width * 0.5)) + 1;
}

}  // namespace

const TEnumInfo& DrawStyleInfo() {
  static const TEnumInfo info("TCustomSeriesDrawStyle", {"dsSegments", "dsAll", "dsCurve"});
  return info;
}

const TEnumInfo& SeriesStackInfo() {
  static const TEnumInfo info("TCustomSeriesStack",
                              {"cssNone", "cssOverlap", "cssStack", "cssStack100"});
  return info;
}

const TEnumInfo& MultiAreaInfo() {
  static const TEnumInfo info("TMultiArea", {"maNone", "maStacked", "maStacked100"});
  return info;
}

const TEnumInfo& LineBrushStyleInfo() {
  static const TEnumInfo info("TBrushStyle",
                              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                               "bsBDiagonal", "bsCross", "bsDiagCross"});
  return info;
}

TBrushStyle SeriesHatchStyle(int Pattern) {
  static const TBrushStyle styles[6] = {bsHorizontal, bsVertical, bsFDiagonal,
                                        bsBDiagonal,  bsCross,    bsDiagCross};
  return styles[std::max(0, Pattern) % 6];
}

// ---------------- per-point pointers ----------------

const TClassInfo* TSeriesPointerItems::Class() {
  static const TClassInfo* info =
      TClassDecl<TSeriesPointerItems>("TSeriesPointerItems", TSeriesPointer::Class());
  return info;
}

TSeriesPointerItems::~TSeriesPointerItems() { IList.reset(); }

TSeriesPointer* TSeriesPointerItems::Get(int Index) {
  if (!IList) IList = std::make_unique<std::vector<std::unique_ptr<TSeriesPointer>>>();
  if (Index >= int(IList->size())) IList->resize(size_t(Index) + 1);
  auto& entry = (*IList)[size_t(Index)];
  if (!entry) {
    entry = std::make_unique<TSeriesPointer>(FSeries);
    entry->Assign(this);
  }
  return entry.get();
}

void TSeriesPointerItems::Put(int Index, TSeriesPointer* Value) {
  if (Value) {
    if (!IList) IList = std::make_unique<std::vector<std::unique_ptr<TSeriesPointer>>>();
    if (Index >= int(IList->size())) IList->resize(size_t(Index) + 1);
    (*IList)[size_t(Index)].reset(Value);
  } else if (IList && Index < int(IList->size())) {
    (*IList)[size_t(Index)].reset();
  }
  Repaint();
}

void TSeriesPointerItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  IList->erase(IList->begin() + Index);
}

void TSeriesPointerItems::Clear() {
  IList.reset();
  Repaint();
}

TSeriesPointer* TSeriesPointerItems::InternalGet(int Index) {
  if (IList && Index >= 0 && Index < int(IList->size()) && (*IList)[size_t(Index)])
    return (*IList)[size_t(Index)].get();
  return this;
}

void TSeriesPointerItems::Swap(int A, int B) {
  if (std::max(A, B) < Count()) std::swap((*IList)[size_t(A)], (*IList)[size_t(B)]);
}

// ---------------- self stack ----------------

const TClassInfo* TSelfStack::Class() {
  using S = TSelfStack;
  static const TClassInfo* info = TClassDecl<S>("TSelfStack", TPersistent::Class())
                                      .Prop("Position", &S::GetPosition, &S::SetPosition)
                                      .Default(0)
                                      .Prop("UsePosition", &S::GetUsePosition, &S::SetUsePosition)
                                      .Default(0);
  return info;
}

void TSelfStack::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TSelfStack*>(Source)) {
    FPosition = s->FPosition;
    FUsePosition = s->FUsePosition;
    return;
  }
  TPersistent::Assign(Source);
}

void TSelfStack::SetPosition(double Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  if (IParent) IParent->Repaint();
}

void TSelfStack::SetUsePosition(bool Value) {
  if (FUsePosition == Value) return;
  FUsePosition = Value;
  if (IParent) IParent->Repaint();
}

// ---------------- the series ----------------

const TClassInfo* TCustomLineSeries::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomLineSeries>("TCustomLineSeries", TChartSeries::Class());
  return info;
}

const TClassInfo* TCustomSeries::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomSeries>("TCustomSeries", TCustomLineSeries::Class());
  return info;
}

TCustomSeries::TCustomSeries(TComponent* AOwner) : TCustomLineSeries(AOwner) {
  FAreaBrush = std::make_unique<TPlotBrush>(ChangedCallback());
  FAreaBrush->SetColor(TColor(0x808080));
  FAreaBrush->SetBackColor(clDefault);
  FAreaLinesPen = std::make_unique<TPlotPen>(ChangedCallback());
  FEmboss = std::make_unique<TPlotEmboss>(ChangedCallback());
  FPointer = std::make_unique<TSeriesPointerItems>(this);
  FShadow = std::make_unique<TPlotShadow>(ChangedCallback());
  FHoverElement = 1u << heCurrent;
  FBrush->SetColor(clDefault);
  FBrush->SetBackColor(clDefault);
  FBrush->OnChange = [this](TObject* Sender) { ChangedBrush(Sender); };
}

TCustomSeries::~TCustomSeries() {
  IDestroying = true;
  FBrush->OnChange = nullptr;
  FAreaBrush.reset();
  FAreaLinesPen.reset();
  FEmboss.reset();
  FShadow.reset();
  FOutLine.reset();
  FPointer.reset();
  if (FSmoothSeries) {
    // The hidden series leaves this one's sources before it goes.
    if (HasDataSources()) RemoveDataSource(FSmoothSeries);
    FSmoothSeries->RemoveLinkedSeries(this);
    delete FSmoothSeries;
    FSmoothSeries = nullptr;
  }
}

void TCustomSeries::ChangedBrush(TObject* Sender) {
  if (dynamic_cast<TBrush*>(Sender) && !dynamic_cast<TPlotBrush*>(Sender))
    SetSeriesColor(FBrush->GetColor());
  CanvasChanged(Sender);
}

void TCustomSeries::QuietPenColor(TColor Color) {
  TNotifyEvent saved = FPen->OnChange;
  FPen->OnChange = nullptr;
  FPen->SetColor(Color);
  FPen->OnChange = saved;
}

void TCustomSeries::SetParentChart(TChartSeriesPanel* Value) {
  TChartSeries::SetParentChart(Value);
  if (FPointer) FPointer->SetParent(dynamic_cast<TCustomPlotPanel*>(Value));
}

void TCustomSeries::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TCustomSeries*>(Source)) {
    FClickableLine = s->FClickableLine;
    FClickTolerance = s->FClickTolerance;
    FDrawStyle = s->FDrawStyle;
    FStacked = s->FStacked;
  }
  TCustomLineSeries::Assign(Source);
}

void TCustomSeries::AssignFormatting(TChartSeries* Source) {
  auto* s = dynamic_cast<TCustomSeries*>(Source);
  if (s) {
    FAreaBrush->Assign(s->FAreaBrush.get());
    FAreaColor = s->FAreaColor;
    FAreaLinesPen->Assign(s->FAreaLinesPen.get());
    FColorEachLine = s->FColorEachLine;
    FDark3D = s->FDark3D;
    FDrawArea = s->FDrawArea;
    FDrawLine = s->FDrawLine;
    FInflateMargins = s->FInflateMargins;
    FInvertedStairs = s->FInvertedStairs;
    FLineHeight = s->FLineHeight;
    FPointer->Assign(s->FPointer.get());
    FPointerBehind = s->FPointerBehind;
    FStairs = s->FStairs;
    SetOutLine(s->FOutLine.get());
    FEmboss->Assign(s->FEmboss.get());
    FShadow->Assign(s->FShadow.get());
  }
  TChartSeries::AssignFormatting(Source);
}

TPlotHiddenPen* TCustomSeries::GetOutLine() const {
  if (!FOutLine)
    FOutLine =
        std::make_unique<TPlotHiddenPen>(const_cast<TCustomSeries*>(this)->ChangedCallback());
  return FOutLine.get();
}

void TCustomSeries::SetOutLine(TPlotHiddenPen* Value) {
  if (Value == nullptr)
    FOutLine.reset();
  else
    GetOutLine()->Assign(Value);
}

void TCustomSeries::SetDrawStyle(TCustomSeriesDrawStyle Value) {
  if (FDrawStyle == Value) return;
  FDrawStyle = Value;
  Repaint();
}

TCustomPlotGradient* TCustomSeries::GetGradient() const { return GetGradientProp(); }

TPlotGradient* TCustomSeries::GetGradientProp() const {
  return FDrawArea ? FAreaBrush->GetGradient() : FBrush->GetGradient();
}

void TCustomSeries::SetGradientProp(TPlotGradient* Value) {
  if (FDrawArea)
    FAreaBrush->SetGradient(Value);
  else
    FBrush->SetGradient(Value);
}

void TCustomSeries::ResetBrush() {
  FBrush->SetStyle(bsSolid);
  FBrush->SetColor(clDefault);
  FBrush->SetBackColor(clDefault);
  SetDefaultColor();
  Repaint();
}

TColor TCustomSeries::GetAreaBrushColor(TColor AColor) const {
  return GetColorEachPoint() || FAreaColor == clDefault ? AColor : FAreaColor;
}

TSeriesPointerStyle TCustomSeries::DoGetPointerStyle(int ValueIndex) {
  if (OnGetPointerStyle) return OnGetPointerStyle(this, ValueIndex);
  return FPointer->InternalGet(ValueIndex)->GetStyle();
}

// ---------------- points ----------------

void TCustomSeries::Clear() {
  TChartSeries::Clear();
  FDirty = true;
}

void TCustomSeries::Delete(int ValueIndex) {
  TChartSeries::Delete(ValueIndex);
  FPointer->Delete(ValueIndex);
}

void TCustomSeries::SwapValueIndex(int A, int B) {
  TChartSeries::SwapValueIndex(A, B);
  FPointer->Swap(A, B);
}

// ---------------- stacking and origins ----------------

void TCustomSeries::SetStacked(TCustomSeriesStack Value) {
  if (FStacked == Value) return;
  FStacked = Value;
  if (TCustomAxisPanel* chart = ChartOf(this))
    for (int i = 0; i < chart->SeriesCount(); ++i) {
      auto* s = dynamic_cast<TCustomSeries*>(chart->GetSeries(i));
      if (s && ClassType()->InheritsFrom(s->ClassType())) s->FStacked = Value;
    }
  Repaint();
}

bool TCustomSeries::SameClassOrigin(const TChartSeries* Series) const {
  return Series->ClassType() == ClassType();
}

double TCustomSeries::PointOrigin(int ValueIndex, bool SumAll) const {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return 0;
  double result = 0;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (!SumAll && s == this) break;
    if (!s->GetActive() || !SameClassOrigin(s) || s->Count() <= ValueIndex) continue;
    const double v = s->GetOriginValue(ValueIndex);
    result += SumAll && v < 0 ? -v : v;
  }
  return result;
}

int TCustomSeries::CalcStackedPos(int ValueIndex, double Value) const {
  TChartAxis* axis = MandatoryAxis();
  const double o = PointOrigin(ValueIndex, false);
  if (FStacked == cssStack) return std::min(axis->CalcPosValue(o + Value), axis->IEndPos);
  const double t = PointOrigin(ValueIndex, true);
  return t != 0 ? axis->CalcPosValue((o + Value) * 100 / t) : axis->IEndPos;
}

int TCustomSeries::CalcXPos(int ValueIndex) const {
  if (!YMandatory && (FStacked == cssStack || FStacked == cssStack100))
    return CalcStackedPos(ValueIndex, GetxValue(ValueIndex));
  return TChartSeries::CalcXPos(ValueIndex);
}

int TCustomSeries::CalcYPos(int ValueIndex) const {
  if (YMandatory && (FStacked == cssStack || FStacked == cssStack100))
    return CalcStackedPos(ValueIndex, GetyValue(ValueIndex));
  return TChartSeries::CalcYPos(ValueIndex);
}

int TCustomSeries::GetOriginPos(int ValueIndex) const {
  if (FStacked == cssStack || FStacked == cssStack100) return CalcStackedPos(ValueIndex, 0);
  if (YMandatory) {
    TChartAxis* a = GetVertAxisInUse();
    return a->GetInverted() ? a->IStartPos : a->IEndPos;
  }
  TChartAxis* a = GetHorizAxisInUse();
  return a->GetInverted() ? a->IEndPos : a->IStartPos;
}

void TCustomSeries::CalcZOrder() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (FStacked == cssNone || !chart) {
    TChartSeries::CalcZOrder();
    return;
  }
  IZOrder = std::max(0, chart->GetMaxZOrder());
}

// ---------------- value ranges ----------------

double TCustomSeries::CalcMinMaxValue(bool IsMin) const {
  bool any = false;
  double result = 0;
  for (int i = 0; i < Count(); ++i) {
    if (!IsPainted(i)) continue;
    const double v = MandatoryValueList->GetValue(i);
    if (!any || (IsMin ? v < result : v > result)) result = v;
    any = true;
  }
  return result;
}

namespace {

// The value-direction maximum or minimum of a stacked or plain series.
double StackedExtreme(const TCustomSeries& S, bool IsMin) {
  const TCustomSeriesStack stacked = S.GetStacked();
  if (stacked == cssStack100) {
    if (!IsMin) return 100;
    double result = 0;
    for (int i = 0; i < S.Count(); ++i) {
      const double total = S.PointOrigin(i, true);
      if (total != 0)
        result = std::min(
            result, (S.PointOrigin(i, false) + S.MandatoryValueList->GetValue(i)) * 100 / total);
    }
    return result;
  }
  double result = S.CalcMinMaxValue(IsMin);
  if (stacked == cssStack)
    for (int i = 0; i < S.Count(); ++i) {
      const double v = S.PointOrigin(i, false) + S.MandatoryValueList->GetValue(i);
      result = IsMin ? std::min(result, v) : std::max(result, v);
    }
  return result;
}

}  // namespace

double TCustomSeries::MaxXValue() {
  return YMandatory ? TChartSeries::MaxXValue() : StackedExtreme(*this, false);
}
double TCustomSeries::MinXValue() {
  return YMandatory ? TChartSeries::MinXValue() : StackedExtreme(*this, true);
}
double TCustomSeries::MaxYValue() {
  return YMandatory ? StackedExtreme(*this, false) : TChartSeries::MaxYValue();
}
double TCustomSeries::MinYValue() {
  return YMandatory ? StackedExtreme(*this, true) : TChartSeries::MinYValue();
}

// ---------------- margins ----------------

void TCustomSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
  TCustomLineSeries::CalcHorizMargins(LeftMargin, RightMargin);
  if (Count() == 0 || FPointer->Count() == 0) {
    FPointer->CalcHorizMargins(LeftMargin, RightMargin);
  } else {
    int unused = 0;
    FPointer->InternalGet(0)->CalcHorizMargins(LeftMargin, unused);
    FPointer->InternalGet(Count() - 1)->CalcHorizMargins(unused, RightMargin);
  }
  auto grow = [&](int Value) {
    LeftMargin = std::max(LeftMargin, Value);
    RightMargin = std::max(RightMargin, Value);
  };
  if (FInflateMargins) {
    if (FDrawLine) {
      grow(PenMargin(FPen->GetWidth(), FStairs));
      if (FOutLine && FOutLine->GetVisible()) grow(FOutLine->GetWidth());
    }
    if (FDrawArea && FPen->GetVisible()) grow(PenMargin(FPen->GetWidth(), FStairs));
  }
  if (!YMandatory && HasMarks() && MarksIfAny()->GetVisible())
    RightMargin = std::max(LeftMargin, CalcMarkLength(0));
}

void TCustomSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
  TCustomLineSeries::CalcVerticalMargins(TopMargin, BottomMargin);
  FPointer->CalcVerticalMargins(TopMargin, BottomMargin);
  auto grow = [&](int Value) {
    TopMargin = std::max(TopMargin, Value);
    BottomMargin = std::max(BottomMargin, Value);
  };
  if (FInflateMargins) {
    if (FDrawLine) {
      grow(PenMargin(FPen->GetWidth(), FStairs));
      if (FOutLine && FOutLine->GetVisible()) grow(FOutLine->GetWidth());
    }
    if (FDrawArea && FPen->GetVisible()) grow(PenMargin(FPen->GetWidth(), FStairs));
  }
  if (YMandatory && HasMarks() && MarksIfAny()->GetVisible())
    TopMargin = std::max(BottomMargin, CalcMarkLength(0));
  TCustomAxisPanel* chart = ChartOf(this);
  if (FLineHeight > 0 && !FDrawArea && FInflateMargins && chart && chart->GetView3D())
    BottomMargin = std::max(BottomMargin, FLineHeight);
}

// ---------------- marks ----------------

int TCustomSeries::CalcMarkLength(int ValueIndex) {
  (void)ValueIndex;
  TMarksCallout* callout = GetMarks()->GetCallout();
  return callout->GetLength() + callout->GetDistance();
}

void TCustomSeries::DrawMark(int ValueIndex, const std::string& Text,
                             TSeriesMarkPosition& Position) {
  TSeriesMarks* marks = GetMarks();
  marks->SetZPosition(StartZ);
  if (YMandatory) marks->ApplyArrowLength(&Position);
  TCustomLineSeries::DrawMark(ValueIndex, Text, Position);
}

// ---------------- visible range ----------------

bool TCustomSeries::IsPointInChartRect(int ValueIndex) const {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return false;
  const TRect r = RectFromCenter(CalcXPos(ValueIndex), CalcYPos(ValueIndex),
                                 FPointer->GetHorizSize(), FPointer->GetVertSize());
  const TRect& c = chart->ChartRect;
  return std::max(r.Left, c.Left) < std::min(r.Right, c.Right) &&
         std::max(r.Top, c.Top) < std::min(r.Bottom, c.Bottom);
}

void TCustomSeries::CalcFirstLastVisibleIndex() {
  TChartSeries::CalcFirstLastVisibleIndex();
  if (FFirstVisibleIndex == -1 || !ChartOf(this)) return;
  TChartValueList* list = NotMandatoryValueList;
  int& last = FLastVisibleIndex;
  while (last + 1 < Count() && IsPointInChartRect(last + 1)) ++last;
  while (last + 1 < Count() && list->GetValue(last + 1) == list->GetValue(last)) ++last;
  int& first = FFirstVisibleIndex;
  while (first > 0 && IsPointInChartRect(first - 1)) --first;
  while (first > 0 && list->GetValue(first - 1) == list->GetValue(first)) --first;
}

// ---------------- smoothing ----------------

void TCustomSeries::DoBeforeDrawChart() {
  TCustomLineSeries::DoBeforeDrawChart();
  if (!FDrawArea && !FDrawLine) return;
  if (FSmoothed && !FSmoothSeries)
    SmoothOn();
  else if (!FSmoothed && FSmoothSeries && FSmoothSeries->Count() < Count())
    SmoothOff();
}

void TCustomSeries::SmoothOn() {
  auto* hidden = new TCustomSeries();
  hidden->IInternalUse = true;
  hidden->SetShowInEditor(false);
  hidden->SetShowInLegend(false);
  if (!YMandatory) hidden->SetHorizontal();
  for (int i = 0; i < Count(); ++i) hidden->AddXY(GetxValue(i), GetyValue(i));
  FSmoothSeries = hidden;
  if (!(GetFunction() && !FDirty)) {
    FSmoothFunction = new TSmoothingFunction();
    FSmoothFunction->SetInterpolate(true);
    FSmoothFunction->SetFactor(8);
    SetFunction(FSmoothFunction);
  }
  OldDataSource = GetDataSource();
  SetDataSource(hidden);
  FDirty = false;
}

void TCustomSeries::SmoothOff() {
  TCustomSeries* hidden = FSmoothSeries;
  SetFunction(nullptr);
  FSmoothFunction = nullptr;
  if (OldDataSource) {
    SetDataSource(OldDataSource);
    CheckDataSource();
  } else {
    SetDataSource(nullptr);
    BeginUpdate();
    TChartSeries::Clear();
    for (int i = 0; i < hidden->Count(); ++i) AddXY(hidden->GetxValue(i), hidden->GetyValue(i));
    EndUpdate();
    XValues()->SetModified(true);
    YValues()->SetModified(true);
  }
  FSmoothSeries = nullptr;
  OldDataSource = nullptr;
  hidden->Clear();
  delete hidden;
  RefreshSeries();
}
