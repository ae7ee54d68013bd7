#include "chart/PieSeries.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "chart/AxisPanel.h"
#include "chart/Callout.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/CustomSeries.h"
#include "chart/Legend.h"
#include "chart/PlotConst.h"
#include "chart/PlotGradient.h"
#include "chart/PlotUnitRoutines.h"
#include "chart/PlotView3D.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/RttiDecl.h"

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

// A sample slice value from 1 to 1000.
int SampleSlice() {
  static std::mt19937 generator(std::random_device{}());
  return std::uniform_int_distribution<int>(1, 1000)(generator);
}

const TEnumInfo& MultiPieInfo() {
  static const TEnumInfo info("TMultiPie", {"mpAutomatic", "mpDisabled", "mpConcentric"});
  return info;
}

const TEnumInfo& EdgeStyleInfo() {
  static const TEnumInfo info("TEdgeStyle", {"edFlat", "edCurved", "edNone"});
  return info;
}

const TEnumInfo& OtherStyleInfo() {
  static const TEnumInfo info("TPieOtherStyle", {"poNone", "poBelowPercent", "poBelowValue"});
  return info;
}

}  // namespace

// ---------------- slice lists ----------------

void TSliceValueList::GrowTo(int Size) {
  if (Count() < Size) FItems.resize(size_t(Size), 0);
}

void TSliceValueList::Put(int Index, int Value) {
  if (Index < 0) return;
  GrowTo(Index + 1);
  if (FItems[Index] == Value) return;
  FItems[Index] = Value;
  if (OwnerSeries) OwnerSeries->Repaint();
}

void TSliceValueList::Delete(int Index) {
  if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

void TSliceValueList::Exchange(int A, int B) {
  if (A < 0 || B < 0 || A >= Count() || B >= Count()) return;
  std::swap(FItems[A], FItems[B]);
}

// ---------------- other slice ----------------

TPieOtherSlice::TPieOtherSlice(TPieSeries* AOwner) : FOwner(AOwner) {}

TPieOtherSlice::~TPieOtherSlice() = default;

TChartLegend* TPieOtherSlice::GetLegend() {
  if (FLegend) return FLegend.get();
  auto* chart = FOwner ? dynamic_cast<TCustomPlotPanel*>(FOwner->GetParentChart()) : nullptr;
  FLegend = std::make_unique<TChartLegend>(chart);
  FLegend->SetVisible(false);
  FLegend->SetSeries(FOwner);
  return FLegend.get();
}

void TPieOtherSlice::SetLegend(TChartLegend* Value) {
  if (Value == nullptr) {
    FLegend.reset();
    return;
  }
  GetLegend()->Assign(Value);
  FLegend->SetSeries(FOwner);
}

void TPieOtherSlice::ChartChanged() {
  if (!FLegend) return;
  FLegend->SetParent(FOwner ? dynamic_cast<TCustomPlotPanel*>(FOwner->GetParentChart()) : nullptr);
}

const TClassInfo* TPieOtherSlice::Class() {
  using O = TPieOtherSlice;
  static const TClassInfo* info = TClassDecl<O>("TPieOtherSlice", TPersistent::Class())
                                      .Prop("Color", &O::GetColor, &O::SetColor)
                                      .Default(clDefault)
                                      .Prop("Legend", &O::GetLegend, &O::SetLegend)
                                      .Stored(&O::HasLegend)
                                      .Enum("Style", &O::GetStyle, &O::SetStyle, OtherStyleInfo())
                                      .Default(poNone)
                                      .Prop("Text", &O::GetText, &O::SetText)
                                      .Stored(&O::IsTextStored)
                                      .Prop("Value", &O::GetValue, &O::SetValue);
  return info;
}

void TPieOtherSlice::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPieOtherSlice*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FColor = s->FColor;
  SetLegend(s->FLegend.get());
  FStyle = s->FStyle;
  FText = s->FText;
  FValue = s->FValue;
}

void TPieOtherSlice::Repaint() {
  if (FOwner) FOwner->Repaint();
}

void TPieOtherSlice::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Repaint();
}

void TPieOtherSlice::SetStyle(TPieOtherStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Repaint();
}

std::string TPieOtherSlice::GetText() const { return FText.empty() ? PlotMsg_PieOther : FText; }

void TPieOtherSlice::SetText(const std::string& Value) {
  if (FText == Value) return;
  FText = Value;
  Repaint();
}

void TPieOtherSlice::SetValue(double Value) {
  if (FValue == Value) return;
  FValue = Value;
  Repaint();
}

// ---------------- bevel ----------------

const TClassInfo* TPieBevel::Class() {
  using B = TPieBevel;
  static const TClassInfo* info = TClassDecl<B>("TPieBevel", TPersistent::Class())
                                      .Prop("Bright", &B::GetBright, &B::SetBright)
                                      .Default(32)
                                      .Prop("Percent", &B::GetPercent, &B::SetPercent)
                                      .Default(0)
                                      .Prop("UseBorder", &B::GetUseBorder, &B::SetUseBorder)
                                      .Default(1);
  return info;
}

void TPieBevel::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPieBevel*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FBright = s->FBright;
  FPercent = s->FPercent;
  FUseBorder = s->FUseBorder;
}

void TPieBevel::Repaint() {
  if (ISeries) ISeries->Repaint();
}

void TPieBevel::SetBright(int Value) {
  if (FBright == Value) return;
  FBright = Value;
  Repaint();
}

void TPieBevel::SetPercent(int Value) {
  if (FPercent == Value) return;
  FPercent = Value;
  Repaint();
}

void TPieBevel::SetUseBorder(bool Value) {
  if (FUseBorder == Value) return;
  FUseBorder = Value;
  Repaint();
}

// ---------------- the series ----------------

const TClassInfo* TPieSeries::Class() {
  using P = TPieSeries;
  static const TClassInfo* info =
      TClassDecl<P>("TPieSeries", TCircledSeries::Class())
          .Prop("AngleSize", &P::GetAngleSize, &P::SetAngleSize)
          .Default(360)
          .Prop("AutoMarkPosition", &P::GetAutoMarkPosition, &P::SetAutoMarkPosition)
          .Stored(false)
          .Prop("Bevel", &P::GetBevel, &P::SetBevel)
          .Prop("BevelPercent", &P::GetBevelPercent, &P::SetBevelPercent)
          .Default(0)
          .Prop("CircleBackColor", &P::GetCircleBackColor, &P::SetCircleBackColor)
          .Default(clDefault)
          .Prop("ColorEachPoint", &P::GetColorEachPoint, &P::SetColorEachPoint)
          .Default(1)
          .Prop("Dark3D", &P::GetDark3D, &P::SetDark3D)
          .Default(1)
          .Prop("DarkPen", &P::GetDarkPen, &P::SetDarkPen)
          .Default(0)
          .Enum("EdgeStyle", &P::GetEdgeStyle, &P::SetEdgeStyle, EdgeStyleInfo())
          .Default(edNone)
          .Prop("ExplodeBiggest", &P::GetExplodeBiggest, &P::SetExplodeBiggest)
          .Default(0)
          .Prop("Gradient", &P::GetCircleGradient, &P::SetCircleGradient)
          .Prop("GradientBright", &P::GetGradientBright, &P::SetGradientBright)
          .Default(0)
          .Enum("MultiPie", &P::GetMultiPie, &P::SetMultiPie, MultiPieInfo())
          .Default(mpAutomatic)
          .Prop("OtherSlice", &P::GetOtherSlice, &P::SetOtherSlice)
          .Prop("PieMarks", &P::GetPieMarks, &P::SetPieMarks)
          .Prop("PiePen", &P::GetPiePen, &P::SetPiePen)
          .Prop("PieValues", &P::GetPieValues, &P::SetPieValues)
          .Stored(false)
          .Prop("RotationAngle", &P::GetRotationAngle, &P::SetRotationAngle)
          .Default(0)
          .Prop("Transparency", &P::GetTransparency, &P::SetTransparency)
          .Default(0)
          .Prop("UsePatterns", &P::GetUsePatterns, &P::SetUsePatterns)
          .Default(0);
  return info;
}

TPieSeries::TPieSeries(TComponent* AOwner)
    : TCircledSeries(AOwner),
      FBevel(std::make_unique<TPieBevel>(this)),
      FExplodedSlice(this),
      FOtherSlice(std::make_unique<TPieOtherSlice>(this)),
      FPieMarks(std::make_unique<TPieMarks>(this)),
      FSliceHeights(this) {
  XValues()->SetName("");
  YValues()->SetName(PlotMsg_ValuesPie);
  TSeriesMarks* marks = GetMarks();
  marks->SetVisible(true);
  marks->DefaultVisible = true;
  marks->GetCallout()->SetLength(8);
  marks->GetCallout()->DefaultLength = 8;
  FColorEachPoint = true;
  IUseSeriesColor = false;
  IUseNotMandatory = false;
  TPlotGradient* g = GetCircleGradient();
  g->SetStartColor(clWhite);
  g->InitDirection(gdRadial);
  TMarksTail* tail = marks->GetTail();
  tail->SetAutoAlign(true);
  tail->SetCustomPoint(true);
  tail->SetMargin(2);
}

TPieSeries::~TPieSeries() = default;

void TPieSeries::SetParentChart(TChartSeriesPanel* Value) {
  TCircledSeries::SetParentChart(Value);
  if ((GetComponentState() & csDestroying) == 0) FOtherSlice->ChartChanged();
}

void TPieSeries::InitCustom3DOptions() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return;
  TView3DOptions* o = chart->GetView3DOptions();
  o->SetOrthogonal(false);
  o->SetRotation(360);
  o->SetElevation(315);
  o->SetPerspective(0);
  o->SetTilt(0);
}

void TPieSeries::DisableRotation() {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return;
  TView3DOptions* o = chart->GetView3DOptions();
  o->SetOrthogonal(false);
  o->SetRotation(0);
  o->SetElevation(305);
}

void TPieSeries::GalleryChanged3D(bool Is3D) {
  TCircledSeries::GalleryChanged3D(Is3D);
  DisableRotation();
}

// ---------------- properties ----------------

bool TPieSeries::GetAutoMarkPosition() { return GetMarks()->GetAutoPosition(); }
void TPieSeries::SetAutoMarkPosition(bool Value) { GetMarks()->SetAutoPosition(Value); }

void TPieSeries::SetEdgeStyle(TEdgeStyle Value) {
  if (FEdgeStyle == Value) return;
  FEdgeStyle = Value;
  Repaint();
}

void TPieSeries::SetExplodeBiggest(int Value) {
  SetIntegerProperty(FExplodeBiggest, Value);
  CalcExplodeBiggest();
}

void TPieSeries::SetGradientBright(int Value) {
  SetIntegerProperty(FGradientBright, Value);
  if (Value == 0) GetCircleGradient()->SetStartColor(clWhite);
}

void TPieSeries::SetMultiPie(TMultiPie Value) {
  if (FMultiPie == Value) return;
  FMultiPie = Value;
  Repaint();
}

// ---------------- data of one paint ----------------

int TPieSeries::AddPie(double AValue, const std::string& ALabel, TColor AColor) {
  return Add(AValue, ALabel, AColor);
}

void TPieSeries::RemoveOtherSlice() {
  for (int i = 0; i < Count(); ++i) {
    if (GetxValue(i) != PieOtherSliceX) continue;
    BeginUpdate();
    TChartSeries::Delete(i);
    EndUpdate();
    return;
  }
}

void TPieSeries::WriteData(TStream* Stream) {
  RemoveOtherSlice();
  TChartSeries::WriteData(Stream);
}

void TPieSeries::DoBeforeDrawChart() {
  TCircledSeries::DoBeforeDrawChart();
  IOtherMarkPosition.reset();
  if (HasMarks())
    for (int i = 0; i < Count(); ++i) {
      if (GetxValue(i) != PieOtherSliceX) continue;
      TSeriesMarkPosition* p = FMarks->GetPositions()->Get(i);
      if (p && p->Custom) IOtherMarkPosition = std::make_unique<TSeriesMarkPosition>(*p);
      break;
    }
  if (YValues()->GetOrder() != loNone) YValues()->Sort();
  RemoveOtherSlice();
  FAngles.clear();
  BeginUpdate();
  XValues()->FillSequence();
  EndUpdate();
  const double total = YValues()->TotalABS();
  if (FOtherSlice->GetStyle() == poNone || total <= 0) return;
  double sum = 0;
  bool grouped = false;
  for (int i = 0; i < Count(); ++i) {
    const double y = std::fabs(GetyValue(i));
    const double v = FOtherSlice->GetStyle() == poBelowPercent ? y * 100 / total : y;
    if (v >= FOtherSlice->GetValue()) continue;
    sum += y;
    XValues()->Value[i] = -1;
    grouped = true;
  }
  if (!grouped) return;
  BeginUpdate();
  XValues()->SetOrder(loNone);
  const int index = AddXY(PieOtherSliceX, sum, FOtherSlice->GetText(), FOtherSlice->GetColor());
  XValues()->SetOrder(loAscending);
  EndUpdate();
  YValues()->SetTotalABS(YValues()->TotalABS() - sum);
  if (IOtherMarkPosition && index >= 0 && HasMarks())
    FMarks->GetPositions()->Put(index, *IOtherMarkPosition);
}

void TPieSeries::CalcAngles() {
  const double A = FAngleSize * std::numbers::pi / 180;
  const bool whole = FOtherSlice->GetStyle() != poNone || FFirstVisibleIndex == -1;
  double T = 0;
  if (whole)
    T = YValues()->TotalABS();
  else
    for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i) T += std::fabs(GetyValue(i));
  const double k = T != 0 ? A / T : 0;
  FAngles.assign(size_t(Count()), TPieAngle{});
  const int first = FFirstVisibleIndex == -1 ? 0 : FFirstVisibleIndex;
  const int last = FFirstVisibleIndex == -1 ? Count() - 1 : FLastVisibleIndex;
  double s = 0;
  for (int i = first; i <= last; ++i) {
    TPieAngle& a = FAngles[i];
    a.StartAngle = i == first ? 0 : FAngles[i - 1].EndAngle;
    if (!BelongsToOtherSlice(i)) s += std::fabs(GetyValue(i));
    a.EndAngle = (T == 0 || s == T) ? A : s * k;
    if (a.EndAngle - a.StartAngle > A) a.EndAngle = a.StartAngle + A;
    a.MidAngle = (a.StartAngle + a.EndAngle) / 2;
  }
}

void TPieSeries::CheckAngles() {
  if (FAngles.empty() || int(FAngles.size()) != Count()) CalcAngles();
}

void TPieSeries::CalcExplodedRadius(int ValueIndex, int& AXRadius, int& AYRadius) const {
  const int e = FExplodedSlice.Get(ValueIndex);
  AXRadius = FXRadius;
  AYRadius = FYRadius;
  if (e == 0) return;
  AXRadius = Rounded(FXRadius * (1 + e / 100.0));
  AYRadius = Rounded(FYRadius * (1 + e / 100.0));
}

void TPieSeries::CalcExplodedOffset(int ValueIndex, int& OffsetX, int& OffsetY) const {
  OffsetX = OffsetY = 0;
  if (!IsExploded || FExplodedSlice.Count() == 0) return;
  const int e = FExplodedSlice.Get(ValueIndex);
  if (e <= 0 || ValueIndex >= int(FAngles.size())) return;
  const double t = FAngles[ValueIndex].MidAngle + IRotDegree;
  OffsetX = Rounded(FXRadius * e / 100.0 * std::cos(t));
  OffsetY = Rounded(FYRadius * e / 100.0 * std::sin(t));
}

void TPieSeries::CalcExplodeBiggest() {
  if (Count() < 2) return;
  TCustomAxisPanel* chart = ChartOf(this);
  int biggest = -1;
  if (chart && chart->GetMaxPointsPerPage() > 0) {
    if (FFirstVisibleIndex == -1 || FLastVisibleIndex - FFirstVisibleIndex < 1) return;
    for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i)
      if (biggest == -1 || GetyValue(i) > GetyValue(biggest)) biggest = i;
  } else {
    const double m = YValues()->MaxValue();
    for (int i = 0; i < Count() && biggest == -1; ++i)
      if (GetyValue(i) == m) biggest = i;
  }
  if (biggest != -1) FExplodedSlice.Put(biggest, FExplodeBiggest);
}

int TPieSeries::SliceEndZ(int ValueIndex) const {
  if (ValueIndex >= FSliceHeights.Count()) return EndZ;
  return StartZ + Rounded(FSliceHeights.Get(ValueIndex) * (EndZ - StartZ) / 100.0);
}

// ---------------- visible range and axes ----------------

void TPieSeries::CalcFirstLastVisibleIndex() {
  if (FOtherSlice->GetStyle() != poNone) {
    FFirstVisibleIndex = -1;
  } else {
    CalcFirstLastPage(FFirstVisibleIndex, FLastVisibleIndex);
  }
  if (FFirstVisibleIndex == -1) TCircledSeries::CalcFirstLastVisibleIndex();
}

double TPieSeries::MaxXValue() {
  TChartAxis* a = GetHorizAxisInUse();
  return a ? a->GetMaximum() : 0;
}
double TPieSeries::MinXValue() {
  TChartAxis* a = GetHorizAxisInUse();
  return a ? a->GetMinimum() : 0;
}
double TPieSeries::MaxYValue() {
  TChartAxis* a = GetVertAxisInUse();
  return a ? a->GetMaximum() : 0;
}
double TPieSeries::MinYValue() {
  TChartAxis* a = GetVertAxisInUse();
  return a ? a->GetMinimum() : 0;
}

int TPieSeries::CalcXPos(int ValueIndex) const {
  if (GetxValue(ValueIndex) == PieOtherSliceX) return 0;
  return TCircledSeries::CalcXPos(ValueIndex);
}

// A pie takes no depth row of its own: it stands at the front of the chart
// whatever the other series do.
void TPieSeries::CalcZOrder() {
  IZOrder = 0;
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart && chart->GetMaxZOrder() < 0) chart->SetMaxZOrder(0);
}

// ---------------- legend ----------------

int TPieSeries::CountLegendItems() const {
  int grouped = 0;
  for (int i = 0; i < Count(); ++i)
    if (BelongsToOtherSlice(i)) ++grouped;
  return FOtherSlice->LegendDrawing ? grouped : Count() - grouped;
}

int TPieSeries::LegendToValueIndex(int LegendIndex) const {
  const bool other = FOtherSlice->LegendDrawing;
  int n = -1;
  for (int i = 0; i < Count(); ++i) {
    if (BelongsToOtherSlice(i) != other) continue;
    if (++n == LegendIndex) return i;
  }
  return LegendIndex;
}

void TPieSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
  BackColor = CalcCircleBackColor();
  PreparePiePen(ValueIndex);
  BrushStyle = SliceBrushStyle(ValueIndex);
}

void TPieSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart && chart->GetCanvas() && GetCircleGradient()->GetVisible()) {
    const TColor color = chart->GetMonochrome() ? clBlack : GetValueColor(ValueIndex);
    if (color != clNone) {
      TPlotGradient* g = chart->GetCanvas()->GetGradient();
      g->Assign(GetCircleGradient());
      g->SetVisible(true);
      SetGradientColor(g, color);
    }
  }
  TCircledSeries::DrawLegendShape(ValueIndex, Rect);
}

// ---------------- editing the points ----------------

void TPieSeries::Delete(int ValueIndex) {
  TCircledSeries::Delete(ValueIndex);
  FExplodedSlice.Delete(ValueIndex);
  FSliceHeights.Delete(ValueIndex);
  FAngles.clear();
}

void TPieSeries::SwapValueIndex(int A, int B) {
  TCircledSeries::SwapValueIndex(A, B);
  for (TSliceValueList* l : {&FExplodedSlice, &FSliceHeights}) {
    if (l->Count() == 0) continue;
    l->GrowTo(Count());
    l->Exchange(A, B);
  }
}

void TPieSeries::Clear() {
  TCircledSeries::Clear();
  FAngles.clear();
}

void TPieSeries::ClearLists() {
  TCircledSeries::ClearLists();
  FExplodedSlice.Clear();
  FSliceHeights.Clear();
}

void TPieSeries::CheckOrder() {
  XValues()->SetOrder(loAscending);
  Repaint();
}

void TPieSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) const {
  if (ValueIndex < 0 || ValueIndex >= int(FAngles.size())) {
    TCircledSeries::CalcSelectionPos(ValueIndex, X, Y);
    return;
  }
  int rx, ry;
  CalcExplodedRadius(ValueIndex, rx, ry);
  AngleToPos(FAngles[ValueIndex].MidAngle, rx, ry, X, Y);
}

// ---------------- copying ----------------

void TPieSeries::AssignFormatting(TChartSeries* Source) {
  if (auto* s = dynamic_cast<TPieSeries*>(Source)) {
    FAngleSize = s->FAngleSize;
    FBevel->Assign(s->FBevel.get());
    FDark3D = s->FDark3D;
    FDarkPen = s->FDarkPen;
    FDonutPercent = s->FDonutPercent;
    FExplodeBiggest = s->FExplodeBiggest;
    FExplodedSlice.Assign(s->FExplodedSlice);
    FMultiPie = s->FMultiPie;
    FSliceHeights.Assign(s->FSliceHeights);
    FUsePatterns = s->FUsePatterns;
    FOtherSlice->Assign(s->FOtherSlice.get());
    FPieMarks->Assign(s->FPieMarks.get());
  }
  TCircledSeries::AssignFormatting(Source);
  SetColorEachPoint(true);
}

// ---------------- colours ----------------

TColor TPieSeries::ChangeColor(TColor AColor, int Amount) const {
  if (Amount == 0) return AColor;
  if (Amount < 0) return ApplyDark(AColor, uint8_t(std::min(255, -Amount)));
  return ApplyBright(AColor, uint8_t(std::min(255, Amount)));
}

void TPieSeries::SetGradientColor(TPlotGradient* AGradient, TColor AColor) const {
  AGradient->SetEndColor(AColor);
  AGradient->SetStartColor(ChangeColor(AColor, FGradientBright));
}

TBrushStyle TPieSeries::SliceBrushStyle(int ValueIndex) const {
  TCustomAxisPanel* chart = ChartOf(this);
  const bool mono = chart && chart->GetMonochrome();
  if ((FUsePatterns || mono) && ValueIndex != -1) return SeriesHatchStyle(ValueIndex % 6);
  return bsSolid;
}

int TPieSeries::PieCount() const {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart == nullptr) return 0;
  int n = 0;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (s->GetActive() && s->ClassType() == ClassType()) ++n;
  }
  return n;
}

// ---------------- gallery and samples ----------------

void TPieSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
  (void)OnlyMandatory;
  const std::string* labels[8] = {&PlotMsg_PieSample1, &PlotMsg_PieSample2, &PlotMsg_PieSample3,
                                  &PlotMsg_PieSample4, &PlotMsg_PieSample5, &PlotMsg_PieSample6,
                                  &PlotMsg_PieSample7, &PlotMsg_PieSample8};
  for (int i = 0; i < NumValues; ++i) Add(SampleSlice(), *labels[i % 8], clDefault);
}

void TPieSeries::PrepareForGallery() {
  TCustomAxisPanel* chart = ChartOf(this);
  FillSampleValues(8);
  if (chart) chart->SetChart3DPercent(75);
  GetMarks()->GetCallout()->SetLength(0);
  GetMarks()->SetDrawEvery(1);
  GetCircleGradient()->SetVisible(true);
  DisableRotation();
  SetColorEachPoint(true);
}

void TPieSeries::CreateSubGallery(const std::function<void(const std::string& Name)>& AddSubChart) {
  TCircledSeries::CreateSubGallery(AddSubChart);
  for (const std::string* name :
       {&PlotMsg_Patterns, &PlotMsg_Exploded, &PlotMsg_Shadow, &PlotMsg_Marks, &PlotMsg_SemiPie,
        &PlotMsg_NoBorder, &PlotMsg_DarkPen, &PlotMsg_Concentric})
    AddSubChart(*name);
}

void TPieSeries::SetSubGallery(TChartSeries* Series, int Index) {
  auto* pie = dynamic_cast<TPieSeries*>(Series);
  if (pie == nullptr) return;
  switch (Index) {
    case 1:
      pie->SetUsePatterns(true);
      pie->GetCircleGradient()->SetVisible(false);
      break;
    case 2:
      pie->SetExplodeBiggest(30);
      break;
    case 3:
      pie->GetShadow()->SetHorizSize(10);
      pie->GetShadow()->SetVertSize(10);
      break;
    case 4:
      pie->GetMarks()->SetVisible(true);
      pie->Clear();
      pie->Add(30, "A", clDefault);
      pie->Add(72, "B", clDefault);
      break;
    case 5:
      pie->SetAngleSize(180);
      break;
    case 6:
      pie->GetPen()->SetVisible(false);
      break;
    case 7:
      pie->SetDarkPen(32);
      break;
    case 8: {
      pie->SetMultiPie(mpConcentric);
      auto* chart = dynamic_cast<TCustomAxisPanel*>(pie->GetParentChart());
      if (chart == nullptr) break;
      auto* second = new TPieSeries(pie->GetOwner());
      second->SetMultiPie(mpConcentric);
      second->GetMarks()->SetVisible(false);
      chart->AddSeries(second);
      second->FillSampleValues(pie->Count());
      break;
    }
    default:
      break;
  }
}
