#include "chart/ChartElement.h"

#include "chart/SeriesLegend.h"
#include "platform/rtl/RttiDecl.h"

// ---------------- TCustomChartElement ----------------

const TClassInfo* TCustomChartElement::Class() {
  using E = TCustomChartElement;
  static const TClassInfo* info =
      TClassDecl<E>("TCustomChartElement", TComponent::Class())
          .Prop("ShowInEditor", &E::GetShowInEditor, &E::SetShowInEditor)
          .Default(1);
  return info;
}

TCustomChartElement::TCustomChartElement(TComponent* AOwner)
    : TComponent(AOwner),
      FBrush(std::make_unique<TPlotBrush>(ChangedCallback())),
      FPen(std::make_unique<TPlotPen>(ChangedCallback())) {}

TCustomChartElement::~TCustomChartElement() = default;

TNotifyEvent TCustomChartElement::ChangedCallback() {
  return [this](TObject* Sender) { CanvasChanged(Sender); };
}

void TCustomChartElement::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomChartElement*>(Source);
  if (!source) {
    TComponent::Assign(Source);
    return;
  }
  FBrush->Assign(source->FBrush.get());
  FPen->Assign(source->FPen.get());
  FActive = source->FActive;
  SetTag(source->GetTag());
  FTagObject = source->FTagObject;
}

void TCustomChartElement::CanvasChanged(TObject* Sender) {
  (void)Sender;
  Repaint();
}

void TCustomChartElement::SetActive(bool Value) { SetBooleanProperty(FActive, Value); }

void TCustomChartElement::SetParentChart(TChartSeriesPanel* Value) { FParent = Value; }

void TCustomChartElement::SetPen(TPlotPen* Value) { FPen->Assign(Value); }

void TCustomChartElement::Repaint() {
  if (FParent) FParent->Invalidate();
}

void TCustomChartElement::SetBooleanProperty(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TCustomChartElement::SetColorProperty(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TCustomChartElement::SetIntegerProperty(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TCustomChartElement::SetDoubleProperty(double& Field, double Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TCustomChartElement::SetStringProperty(std::string& Field, const std::string& Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

// ---------------- TCustomChartSeries ----------------

const TClassInfo* TCustomChartSeries::Class() {
  static const TClassInfo* info =
      TClassDecl<TCustomChartSeries>("TCustomChartSeries", TCustomChartElement::Class());
  return info;
}

TCustomChartSeries::TCustomChartSeries(TComponent* AOwner) : TCustomChartElement(AOwner) {}

TCustomChartSeries::~TCustomChartSeries() = default;

TSeriesLegend* TCustomChartSeries::GetLegend() {
  if (!FLegend) FLegend = std::make_unique<TSeriesLegend>(dynamic_cast<TCustomPlotPanel*>(FParent));
  return FLegend.get();
}

void TCustomChartSeries::SyncLegendChart() {
  if (FLegend) FLegend->SetParent(dynamic_cast<TCustomPlotPanel*>(FParent));
}

void TCustomChartSeries::SetLegend(TSeriesLegend* Value) {
  if (Value == nullptr)
    FLegend.reset();
  else
    GetLegend()->Assign(Value);
}

std::string TCustomChartSeries::GetLegendTitle() const {
  return FLegend ? FLegend->GetText() : std::string();
}

void TCustomChartSeries::SetLegendTitle(const std::string& Value) {
  if (!FLegend && Value.empty()) return;
  GetLegend()->SetText(Value);
}

bool TCustomChartSeries::GetShowInLegend() const { return FLegend ? FLegend->GetVisible() : true; }

void TCustomChartSeries::SetShowInLegend(bool Value) {
  if (!FLegend && Value) return;
  GetLegend()->SetVisible(Value);
}

TBackImage* TCustomChartSeries::GetImage() { return GetLegend()->GetPicture(); }

void TCustomChartSeries::SetImage(TBackImage* Value) { GetLegend()->SetPicture(Value); }

void TCustomChartSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
  LeftMargin = 0;
  RightMargin = 0;
}

void TCustomChartSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
  TopMargin = 0;
  BottomMargin = 0;
}

int TCustomChartSeries::SeriesIndex() const { return FParent ? FParent->SeriesIndexOf(this) : -1; }

void TCustomChartSeries::SetTitle(const std::string& Value) {
  if (FTitle == Value) return;
  FTitle = Value;
  Repaint();
  if (FParent) FParent->BroadcastSeriesEvent(this, seChangeTitle);
}
