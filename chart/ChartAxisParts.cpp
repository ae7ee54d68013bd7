#include "chart/ChartAxisParts.h"

#include <cstring>
#include <utility>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/ChartException.h"
#include "chart/PlotConst.h"
#include "chart/PlotHover.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo& LineModeInfo() {
  static const TEnumInfo info("TPenLineMode", {"lmLine", "lmCylinder", "lmRectangle"});
  return info;
}
const TEnumInfo& PositionInfo() {
  static const TEnumInfo info("TAxisLabelsPosition",
                              {"lpAtTick", "lpBeforeTick", "lpAfterTick", "lpCenter"});
  return info;
}
const TEnumInfo& StyleInfo() {
  static const TEnumInfo info(
      "TAxisLabelStyle", {"talAuto", "talNone", "talValue", "talMark", "talText", "talPointValue"});
  return info;
}

void InvalidatePanelOf(TChartAxis* Axis) {
  if (Axis && Axis->GetParentChart()) Axis->GetParentChart()->Invalidate();
}

}  // namespace

const TEnumInfo& AxisLabelAlignInfo() {
  static const TEnumInfo info("TAxisLabelAlign", {"alDefault", "alOpposite", "alCenter"});
  return info;
}

// ---------------- axis pen ----------------

const TClassInfo* TChartAxisPen::Class() {
  static const TClassInfo* info = TClassDecl<TChartAxisPen>("TChartAxisPen", TPlotPen::Class())
                                      .Enum("LineMode", &TChartAxisPen::GetLineMode,
                                            &TChartAxisPen::SetLineMode, LineModeInfo())
                                      .Default(lmLine);
  return info;
}

TChartAxisPen::TChartAxisPen(TNotifyEvent OnChangeEvent) : TPlotPen(nullptr) {
  SetWidth(2);
  DefaultWidth = 2;
  InitEndStyle(esFlat);
  OnChange = std::move(OnChangeEvent);
}

void TChartAxisPen::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TChartAxisPen*>(Source)) FLineMode = p->FLineMode;
  TPlotPen::Assign(Source);
}

void TChartAxisPen::SetLineMode(TPenLineMode Value) {
  if (FLineMode == Value) return;
  FLineMode = Value;
  Changed();
}

// ---------------- grid pen ----------------

const TClassInfo* TAxisGridPen::Class() {
  static const TClassInfo* info =
      TClassDecl<TAxisGridPen>("TAxisGridPen", TPlotPen::Class())
          .Prop("Color", &TAxisGridPen::GetColor, &TAxisGridPen::SetColor)
          .Default(0xC0C0C0)
          .Prop("DrawAlways", &TAxisGridPen::GetDrawAlways, &TAxisGridPen::SetDrawAlways)
          .Default(0)
          .Prop("DrawEvery", &TAxisGridPen::GetDrawEvery, &TAxisGridPen::SetDrawEvery)
          .Default(1)
          .Prop("ZPosition", &TAxisGridPen::GetZPosition, &TAxisGridPen::SetZPosition)
          .Stored(&TAxisGridPen::IsZStored);
  return info;
}

TAxisGridPen::TAxisGridPen(TNotifyEvent OnChangeEvent) : TPlotPen(nullptr) {
  SetColor(0xC0C0C0);
  SetWidth(1);
  OnChange = std::move(OnChangeEvent);
}

void TAxisGridPen::Assign(TPersistent* Source) {
  if (auto* g = dynamic_cast<TAxisGridPen*>(Source)) {
    FCentered = g->FCentered;
    FDrawAlways = g->FDrawAlways;
    FDrawEvery = g->FDrawEvery;
    FZ = g->FZ;
  }
  TPlotPen::Assign(Source);
}

void TAxisGridPen::DefineProperties(TFiler* Filer) {
  TPlotPen::DefineProperties(Filer);
  Filer->DefineProperty(
      "ZZero",
      [this](TReader* R) {
        if (R->ReadBoolean()) FZ = 0;
      },
      [](TWriter* W) { W->WriteBoolean(true); }, IDefaultZ != 0 && FZ == 0);
}

void TAxisGridPen::Store(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TAxisGridPen::SetDrawEvery(int Value) {
  if (FDrawEvery == Value) return;
  FDrawEvery = Value;
  Changed();
}

void TAxisGridPen::SetZPosition(double Value) {
  if (FZ == Value) return;
  FZ = Value;
  Changed();
}

const TClassInfo* TTicks::Class() {
  static const TClassInfo* info = TClassDecl<TTicks>("TTicks", TDarkGrayPen::Class());
  return info;
}

// ---------------- label settings ----------------

const TClassInfo* TAxisLabels::Class() {
  using L = TAxisLabels;
  static const TClassInfo* info =
      TClassDecl<L>("TAxisLabels", TPersistent::Class())
          .Enum("Align", &L::GetAlign, &L::SetAlign, AxisLabelAlignInfo())
          .Default(alDefault)
          .Prop("Alternate", &L::GetAlternate, &L::SetAlternate)
          .Default(0)
          .Prop("Angle", &L::GetAngle, &L::SetAngle)
          .Default(0)
          .Prop("Behind", &L::GetBehind, &L::SetBehind)
          .Default(0)
          .Prop("GridIgnoresLabelSize", &L::GetGridIgnoresLabelSize, &L::SetGridIgnoresLabelSize)
          .Default(0)
          .Prop("MarginToAxis", &L::GetMarginToAxis, &L::SetMarginToAxis)
          .Default(10)
          .Prop("OnAxis", &L::GetOnAxis, &L::SetOnAxis)
          .Default(1)
          .Prop("Separation", &L::GetSeparation, &L::SetSeparation)
          .Default(10)
          .Prop("Size", &L::GetSize, &L::SetSize)
          .Default(0)
          .Enum("Style", &L::GetStyle, &L::SetStyle, StyleInfo())
          .Default(talAuto)
          .Prop("Exponent", &L::GetExponent, &L::SetExponent)
          .Default(0)
          .Prop("MultiLine", &L::GetMultiLine, &L::SetMultiLine)
          .Default(0)
          .Prop("RoundFirst", &L::GetRoundFirst, &L::SetRoundFirst)
          .Default(1)
          .Enum("Position", &L::GetPosition, &L::SetPosition, PositionInfo())
          .Default(lpAtTick)
          .Prop("UseImages", &L::GetUseImages, &L::SetUseImages)
          .Default(1)
          .Prop("Format", &L::GetFormat, &L::SetFormat)
          .Prop("Selected", &L::GetSelected, &L::SetSelected)
          .Stored(&L::IsSelectedStored)
          .Prop("Visible", &L::GetVisible, &L::SetVisible)
          .Default(1);
  return info;
}

TAxisLabels::TAxisLabels(TChartAxis* AAxis) : Axis(AAxis) {
  FAutomatic = std::make_unique<TAutomaticText>([this](TObject*) { Invalidate(); });
  FAutomatic->SetTrim(false);
}

TAxisLabels::~TAxisLabels() = default;

void TAxisLabels::Assign(TPersistent* Source) {
  auto* l = dynamic_cast<TAxisLabels*>(Source);
  if (!l) return TPersistent::Assign(Source);
  FAlign = l->FAlign;
  FAlternate = l->FAlternate;
  FAngle = l->FAngle;
  FAutomatic->Assign(l->FAutomatic.get());
  FBehind = l->FBehind;
  FGridIgnoresSize = l->FGridIgnoresSize;
  FMargin = l->FMargin;
  FOnAxis = l->FOnAxis;
  FSeparation = l->FSeparation;
  FSize = l->FSize;
  FStyle = l->FStyle;
  FExponent = l->FExponent;
  FMultiLine = l->FMultiLine;
  FRoundFirst = l->FRoundFirst;
  FPosition = l->FPosition;
  FUseImages = l->FUseImages;
}

TAxisLabelsFormat* TAxisLabels::GetFormat() const { return Axis->GetItems()->GetFormat(); }

TPlotSelected* TAxisLabels::GetSelected() const { return Axis->GetItems()->GetSelected(); }

void TAxisLabels::SetSelected(TPlotSelected* Value) { Axis->GetItems()->SetSelected(Value); }

bool TAxisLabels::IsSelectedStored() const { return Axis->GetItems()->HasSelected(); }

void TAxisLabels::Invalidate() { InvalidatePanelOf(Axis); }

void TAxisLabels::Repaint(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TAxisLabels::Repaint(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TAxisLabels::SetAlign(TAxisLabelAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  Invalidate();
}

void TAxisLabels::SetStyle(TAxisLabelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

void TAxisLabels::SetPosition(TAxisLabelsPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  Invalidate();
}

void TAxisLabels::SetAngle(int Value) { Repaint(FAngle, Value % 360); }

void TAxisLabels::SetSeparation(int Value) {
  if (Value < 0) throw AxisException(PlotMsg_AxisLabelSep);
  Repaint(FSeparation, Value);
}

// ---------------- label items ----------------

const TClassInfo* TAxisItem::Class() {
  static const TClassInfo* info = TClassDecl<TAxisItem>("TAxisItem", TPersistent::Class())
                                      .Prop("Format", &TAxisItem::GetFormat, &TAxisItem::SetFormat)
                                      .Stored(&TAxisItem::HasFormat)
                                      .Prop("Text", &TAxisItem::GetText, &TAxisItem::SetText)
                                      .Prop("Value", &TAxisItem::GetValue, &TAxisItem::SetValue);
  return info;
}

TAxisItem::~TAxisItem() = default;

TAxisLabelsFormat* TAxisItem::GetFormat() {
  if (!FFormat) {
    TChartAxis* axis = IAxisItems ? IAxisItems->Axis() : nullptr;
    FFormat = std::make_unique<TAxisLabelsFormat>(axis ? axis->GetParentChart() : nullptr);
  }
  return FFormat.get();
}

void TAxisItem::SetFormat(TAxisLabelsFormat* Value) {
  if (!Value) {
    FFormat.reset();
    return;
  }
  GetFormat()->Assign(Value);
}

TAxisLabelsFormat* TAxisItem::ActiveFormat() const {
  if (FFormat) return FFormat.get();
  return IAxisItems ? IAxisItems->GetFormat() : nullptr;
}

void TAxisItem::Repaint() {
  if (IAxisItems) InvalidatePanelOf(IAxisItems->Axis());
}

void TAxisItem::SetText(const std::string& Value) {
  if (FText == Value) return;
  FText = Value;
  Repaint();
}

void TAxisItem::SetValue(double Value) {
  if (FValue == Value) return;
  FValue = Value;
  Repaint();
}

TAxisItems::TAxisItems(TChartAxis* Axis)
    : FFormat(std::make_unique<TAxisLabelsFormat>(Axis ? Axis->GetParentChart() : nullptr)),
      IAxis(Axis) {}

TAxisItems::~TAxisItems() {
  IRemoving = true;
  FItems.clear();
}

TAxisItem* TAxisItems::InternalAdd(double Value, const std::string& Text, TPlotPicture* Picture) {
  auto item = std::make_unique<TAxisItem>(this);
  item->FValue = Value;
  item->FText = Text;
  item->FPicture = Picture;
  FItems.push_back(std::move(item));
  return FItems.back().get();
}

TAxisItem* TAxisItems::Add(double Value, const std::string& Text) {
  FAuto = false;
  return InternalAdd(Value, Text, nullptr);
}

void TAxisItems::Delete(int Index) {
  FItems.erase(FItems.begin() + Index);
  InvalidatePanelOf(IAxis);
}

void TAxisItems::Clear() { FItems.clear(); }

void TAxisItems::SetAuto(bool Value) {
  if (FAuto == Value) return;
  FAuto = Value;
  InvalidatePanelOf(IAxis);
}

void TAxisItems::CopyFrom(TAxisItems* Source) {
  if (!Source || Source == this) return;
  FFormat->Assign(Source->FFormat.get());
  if (Source->FSelected) GetSelected()->Assign(Source->FSelected.get());
  if (Source->FAuto) return;
  FItems.clear();
  for (const auto& item : Source->FItems) InternalAdd(item->FValue, item->FText, nullptr);
  FAuto = false;
}

TPlotSelected* TAxisItems::GetSelected() {
  if (FSelected) return FSelected.get();
  TCustomAxisPanel* panel = IAxis ? IAxis->GetParentChart() : nullptr;
  FSelected = std::make_unique<TPlotSelected>(panel);
  TPlotHover* hover = FSelected->GetHover();
  hover->SetParent(panel);
  hover->Assign(FFormat.get());
  hover->GetFont()->SetStyle(hover->GetFont()->GetStyle() | FontStyleBit(fsBold));
  return FSelected.get();
}

void TAxisItems::SetSelected(TPlotSelected* Value) {
  if (Value == nullptr)
    FSelected.reset();
  else
    GetSelected()->Assign(Value);
}

bool TAxisItems::HoverShown() const {
  TCustomAxisPanel* panel = IAxis ? IAxis->GetParentChart() : nullptr;
  return panel && panel->HoverVisible() && FSelected && FSelected->GetHover()->GetVisible();
}

void TAxisItems::InitCalcRect() {
  IRect = TRect{};
  IHeight = 0;
  TCustomAxisPanel* panel = IAxis ? IAxis->GetParentChart() : nullptr;
  if (!panel || !panel->GetCanvas()) return;
  panel->PrepareFont3D(IAxis->GetLabelsFont());
  IHeight = panel->GetCanvas()->TextHeight(std::string("W"));
  const int line = IAxis->FPosLabels;
  if (IAxis->GetHorizontal()) {
    IRect.Top = IAxis->GetOtherSide() ? line - IHeight : line;
    IRect.Bottom = IRect.Top + IHeight;
  } else if (IAxis->GetOtherSide()) {
    IRect.Left = line;
  } else {
    IRect.Right = line;
  }
}

TRect TAxisItems::RectOf(int Index) {
  TCustomAxisPanel* panel = IAxis ? IAxis->GetParentChart() : nullptr;
  if (!panel || !panel->GetCanvas()) return TRect{};
  TCanvas3D* c = panel->GetCanvas();
  const TAxisItem* item = Get(Index);
  int along = c->TextWidth(item->GetText()), across = IHeight;
  if (IAxis->GetLabelsAngle() % 180 != 0) std::swap(along, across);
  TRect r = IRect;
  const bool otherSide = IAxis->GetOtherSide();
  if (IAxis->GetHorizontal()) {
    r.Left = item->FLabelPos - along / 2;
    r.Right = r.Left + along;
    if (otherSide)
      r.Top = r.Bottom - across;
    else
      r.Bottom = r.Top + across;
  } else {
    r.Top = item->FLabelPos - across / 2;
    r.Bottom = r.Top + across;
    if (otherSide)
      r.Right = r.Left + along;
    else
      r.Left = r.Right - along;
  }
  if (!panel->GetView3D()) return r;
  const TPoint p = c->Calculate3DPosition(TPoint{r.Left, r.Top}, IAxis->IZPos);
  return TRect{p.X, p.Y, p.X + r.Width(), p.Y + r.Height()};
}

void TAxisItems::WriteItems(TStream* Stream) {
  const int32_t count = Count();
  Stream->WriteBuffer(&count, 4);
  TWriter writer(Stream);
  for (const auto& item : FItems) {
    writer.WriteListBegin();
    writer.WriteObjectProperties(item.get());
    writer.WriteListEnd();
  }
}

void TAxisItems::ReadItems(TStream* Stream) {
  int32_t count = 0;
  Stream->ReadBuffer(&count, 4);
  if (count < 1) return;
  FItems.clear();
  FAuto = false;
  TReader reader(Stream);
  for (int i = 0; i < count; ++i) {
    TAxisItem* item = InternalAdd(0, {}, nullptr);
    reader.ReadListBegin();
    reader.ReadObjectProperties(item);
  }
}
