// Tools and animations on a chart: joining and leaving the chart's lists,
// the series and axis variants, and the lists themselves.

#include "chart/ChartTools.h"

#include <algorithm>

#include "chart/Chart.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

namespace {

TCustomChart* ChartOf(TChartSeriesPanel* Panel) { return dynamic_cast<TCustomChart*>(Panel); }

}  // namespace

// ---------------- type information ----------------

// The bases publish what the element publishes (ShowInEditor, Name, Tag).
const TClassInfo* TPlotCustomTool::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCustomTool>("TPlotCustomTool", TCustomChartElement::Class());
  return info;
}

const TClassInfo* TPlotCustomToolSeries::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCustomToolSeries>("TPlotCustomToolSeries", TPlotCustomTool::Class());
  return info;
}

const TClassInfo* TPlotCustomToolAxis::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCustomToolAxis>("TPlotCustomToolAxis", TPlotCustomTool::Class());
  return info;
}

const TClassInfo* TPlotCustomAnimation::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCustomAnimation>("TPlotCustomAnimation", TPlotCustomTool::Class());
  return info;
}

// ---------------- TPlotCustomTool ----------------

// The class is gone by the time the base destructor runs, so the tool
// leaves whichever list holds it.
TPlotCustomTool::~TPlotCustomTool() {
  TCustomChart* chart = ChartOf(FParent);
  if (!chart) return;
  chart->GetTools()->Remove(this);
  chart->GetAnimations()->Remove(this);
}

TChartTools* TPlotCustomTool::ListOf(TCustomChart* Chart) const { return Chart->GetTools(); }

void TPlotCustomTool::SetParentChart(TChartSeriesPanel* Value) {
  if (Value == FParent) return;
  if (TCustomChart* old = ChartOf(FParent)) {
    ListOf(old)->Remove(this);
    if (Value == nullptr) old->Invalidate();
  }
  TCustomChartElement::SetParentChart(Value);
  if (TCustomChart* chart = ChartOf(Value)) ListOf(chart)->InternalAdd(this);
}

void TPlotCustomTool::SetParentComponent(TComponent* Value) {
  if (auto* chart = dynamic_cast<TChartSeriesPanel*>(Value)) SetParentChart(chart);
}

TComponent* TPlotCustomTool::GetParentComponent() const {
  return dynamic_cast<TComponent*>(FParent);
}

bool TPlotCustomTool::SameClass(const TPlotCustomTool* Tool) const {
  if (!Tool) return false;
  return ClassType()->InheritsFrom(Tool->ClassType()) ||
         Tool->ClassType()->InheritsFrom(ClassType());
}

// ---------------- TPlotCustomToolSeries ----------------

void TPlotCustomToolSeries::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TPlotCustomToolSeries*>(Source)) FSeries = source->FSeries;
  TPlotCustomTool::Assign(Source);
}

void TPlotCustomToolSeries::Notification(TComponent* AComponent, TOperation Operation) {
  TPlotCustomTool::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent != nullptr && AComponent == FSeries) FSeries = nullptr;
}

void TPlotCustomToolSeries::SetSeries(TChartSeries* Value) {
  if (Value == FSeries) return;
  if (FSeries) FSeries->RemoveFreeNotification(this);
  FSeries = Value;
  if (FSeries) FSeries->FreeNotification(this);
}

namespace {

// The first of the side axes an active series uses, else the first custom
// axis of that orientation an active series uses, else the fallback.
TChartAxis* UsedAxis(TCustomAxisPanel* Chart, TChartAxis* First, TChartAxis* Second,
                     bool Horizontal) {
  if (Chart->HasActiveSeries(First, false)) return First;
  if (Chart->HasActiveSeries(Second, false)) return Second;
  TChartCustomAxes* custom = Chart->GetCustomAxes();
  for (int i = 0; i < custom->Count(); ++i) {
    TChartAxis* a = custom->Get(i);
    if (a->GetHorizontal() == Horizontal && Chart->HasActiveSeries(a, false)) return a;
  }
  return First;
}

}  // namespace

TChartAxis* TPlotCustomToolSeries::GetHorizAxis() const {
  if (FSeries)
    return FSeries->GetHorizAxis() == aCustomHorizAxis ? FSeries->GetCustomHorizAxis()
                                                       : FSeries->GetHorizAxisInUse();
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  if (!chart) return nullptr;
  return UsedAxis(chart, chart->GetBottomAxis(), chart->GetTopAxis(), true);
}

TChartAxis* TPlotCustomToolSeries::GetVertAxis() const {
  if (FSeries)
    return FSeries->GetVertAxis() == aCustomVertAxis ? FSeries->GetCustomVertAxis()
                                                     : FSeries->GetVertAxisInUse();
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  if (!chart) return nullptr;
  return UsedAxis(chart, chart->GetLeftAxis(), chart->GetRightAxis(), false);
}

// ---------------- TPlotCustomToolAxis ----------------

void TPlotCustomToolAxis::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TPlotCustomToolAxis*>(Source)) FAxis = source->FAxis;
  TPlotCustomTool::Assign(Source);
}

void TPlotCustomToolAxis::SetAxis(TChartAxis* Value) {
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  if (Value == FAxis && (!FAxis || FAxis->GetParentChart() == chart)) return;
  FAxis = Value;
  TCustomAxisPanel* target = Value ? Value->GetParentChart() : nullptr;
  SetParentChart(target);
  Repaint();
}

void TPlotCustomToolAxis::DefineProperties(TFiler* Filer) {
  TPlotCustomTool::DefineProperties(Filer);
  Filer->DefineProperty(
      "AxisID", [this](TReader* r) { ReadAxisID(r); }, [this](TWriter* w) { WriteAxisID(w); },
      FAxis != nullptr && FAxis->GetParentChart() != nullptr);
}

// Without a chart (or with an index the chart has no axis for) the tool
// keeps no axis.
void TPlotCustomToolAxis::ReadAxisID(TReader* Reader) {
  const int index = Reader->ReadInteger();
  auto* chart = dynamic_cast<TCustomAxisPanel*>(FParent);
  if (!chart || index < 0 || index >= chart->GetAxes()->Count()) return;
  SetAxis(chart->GetAxes()->Get(index));
}

void TPlotCustomToolAxis::WriteAxisID(TWriter* Writer) {
  Writer->WriteInteger(FAxis->GetParentChart()->GetAxes()->IndexOf(FAxis));
}

// ---------------- TPlotCustomAnimation ----------------

TChartTools* TPlotCustomAnimation::ListOf(TCustomChart* Chart) const {
  return Chart->GetAnimations();
}

std::string TPlotCustomAnimation::Title() const {
  if (!GetName().empty()) return GetName();
  const std::string description = Description();
  return description.empty() ? ClassName() : description;
}

// ---------------- the lists ----------------

TPlotCustomTool* TChartTools::Add(TPlotCustomTool* Tool) {
  if (FOwner && Tool->GetParentChart() != static_cast<TChartSeriesPanel*>(FOwner))
    Tool->SetParentChart(FOwner);
  else if (IndexOf(Tool) < 0)
    InternalAdd(Tool);
  return Tool;
}

void TChartTools::InternalAdd(TPlotCustomTool* Tool) {
  if (FOwner && FOwner->GetTools()->IndexOf(Tool) < 0) FOwner->ApplyThemeTools(Tool);
  FItems.push_back(Tool);
}

void TChartTools::Remove(TPlotCustomTool* Tool) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), Tool), FItems.end());
}

int TChartTools::IndexOf(const TPlotCustomTool* Tool) const {
  auto it = std::find(FItems.begin(), FItems.end(), Tool);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

// A freed tool leaves the list itself; the pop covers a tool whose parent
// is another chart.
void TChartTools::Clear() {
  while (!FItems.empty()) {
    TPlotCustomTool* t = FItems.back();
    FItems.pop_back();
    delete t;
  }
}

void TChartTools::SetActive(bool Value) {
  for (TPlotCustomTool* t : FItems) t->SetActive(Value);
}

TComponent* TChartTools::ComponentOwner() const { return FOwner; }

TComponent* TChartAnimations::ComponentOwner() const {
  return Owner() ? Owner()->GetOwner() : nullptr;
}

// ---------------- themes ----------------

void TCustomChart::ApplyThemeTools(TPlotCustomTool* Tool) {
  auto* theme = dynamic_cast<TCustomChart*>(Theme);
  if (!theme) return;
  TPlotCustomTool* source = nullptr;
  for (TPlotCustomTool* t : theme->GetTools()->Items()) {
    if (t->SameClass(Tool)) {
      source = t;
      break;
    }
  }
  if (!source) {
    theme->GetTools()->Add(new TPlotCustomTool(theme));
    source = theme->GetTools()->Get(0);
  }
  Tool->Assign(source);
}
