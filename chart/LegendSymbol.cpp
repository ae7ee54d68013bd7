#include "chart/LegendSymbol.h"

#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/Legend.h"
#include "chart/PlotGradient.h"
#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& SymbolSizeInfo() {
  static const TEnumInfo info("TLegendSymbolSize", {"lcsPercent", "lcsPixels"});
  return info;
}

const TEnumInfo& SymbolPositionInfo() {
  static const TEnumInfo info("TLegendSymbolPosition", {"spLeft", "spRight"});
  return info;
}

bool PenIsClear(const TPlotPen* Pen) { return !Pen->GetVisible() || Pen->GetStyle() == psClear; }

}  // namespace

// ---------------- symbol ----------------

const TClassInfo* TLegendSymbol::Class() {
  using S = TLegendSymbol;
  static const TClassInfo* info =
      TClassDecl<S>("TLegendSymbol", TPersistent::Class())
          .Prop("Continuous", &S::GetContinuous, &S::SetContinuous)
          .Default(0)
          .Prop("DefaultPen", &S::GetDefaultPen, &S::SetDefaultPen)
          .Default(1)
          .Prop("Height", &S::GetHeight, &S::SetHeight)
          .Default(100)
          .Enum("HeightUnits", &S::GetHeightUnits, &S::SetHeightUnits, SymbolSizeInfo())
          .Default(lcsPercent)
          .Prop("Pen", &S::GetPen, &S::SetPen)
          .Enum("Position", &S::GetPosition, &S::SetPosition, SymbolPositionInfo())
          .Default(spLeft)
          .Prop("Squared", &S::GetSquared, &S::SetSquared)
          .Default(1)
          .Prop("UseImages", &S::GetUseImages, &S::SetUseImages)
          .Default(1)
          .Prop("Width", &S::GetWidth, &S::SetWidth)
          .Default(20)
          .Enum("WidthUnits", &S::GetWidthUnits, &S::SetWidthUnits, SymbolSizeInfo())
          .Default(lcsPercent)
          .Event("OnDraw", &S::OnDraw);
  return info;
}

TLegendSymbol::TLegendSymbol(TCustomChartLegend* Legend, TCustomPlotPanel* AParent)
    : Parent(AParent), ILegend(Legend) {
  TNotifyEvent changed = [this](TObject*) { Repaint(); };
  FEmboss = std::make_unique<TPlotEmboss>(changed);
  FEmboss->InitValues(FEmboss->GetVisible(), FEmboss->GetColor(), 1);
  FGradient = std::make_unique<TPlotGradient>(changed);
  FPen = std::make_unique<TPlotPen>(changed);
  FShadow = std::make_unique<TPlotShadow>(changed);
  FShadow->InitValues(FShadow->GetVisible(), FShadow->GetColor(), 1);
}

TLegendSymbol::~TLegendSymbol() = default;

void TLegendSymbol::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TLegendSymbol*>(Source);
  if (s == nullptr) return;
  FContinuous = s->FContinuous;
  FGradient->Assign(s->FGradient.get());
  FHeight = s->FHeight;
  FHeightUnits = s->FHeightUnits;
  FPen->Assign(s->FPen.get());
  FPosition = s->FPosition;
  FEmboss->Assign(s->FEmboss.get());
  FShadow->Assign(s->FShadow.get());
  FSquared = s->FSquared;
  FUseImages = s->FUseImages;
  FWidth = s->FWidth;
  FWidthUnits = s->FWidthUnits;
  FVisible = s->FVisible;
}

void TLegendSymbol::Repaint() {
  if (Parent) Parent->Invalidate();
}

void TLegendSymbol::StoreSize(int& Field, int Value) {
  if (Parent) {
    Parent->SetIntegerProperty(Field, Value);
    return;
  }
  Field = Value;
}

void TLegendSymbol::SetGradient(TPlotGradient* Value) { FGradient->Assign(Value); }

int TLegendSymbol::CalcHeight() const {
  if (FHeightUnits == lcsPixels) return FHeight;
  if (FHeight > 100) {
    if (Parent && Parent->GetCanvas()) return Parent->GetCanvas()->TextHeight("W");
    return 0;
  }
  const int item = CalcItemHeight ? CalcItemHeight() : 0;
  return int(std::lround((item - 4) * FHeight / 100.0));
}

int TLegendSymbol::CalcWidth(int TextWidth) const {
  if (!FVisible) return 0;
  if (FSquared) return CalcHeight() - (ILegend ? ILegend->GetVertSpacing() : 0);
  if (FWidthUnits == lcsPixels) return FWidth;
  return int(std::lround(TextWidth * FWidth / 100.0));
}

void TLegendSymbol::DrawEffects(const TRect& R) {
  TCanvas3D* c = Parent->GetCanvas();
  TPlotBrush* brush = c->GetBrush();
  const TColor color = brush->GetColor();
  const TBrushStyle style = brush->GetStyle();
  const bool rotates = c->GetSupportsFullRotation();
  for (TPlotShadow* effect :
       {static_cast<TPlotShadow*>(FShadow.get()), static_cast<TPlotShadow*>(FEmboss.get())}) {
    if (!effect->ShouldDraw()) continue;
    if (rotates) effect->ZPosition = 0.5;
    effect->Draw(c, R);
  }
  brush->SetColor(color);
  brush->SetStyle(style);
}

void TLegendSymbol::Draw(TColor AColor, const TRect& R) {
  if (Parent == nullptr || Parent->GetCanvas() == nullptr) return;
  TCanvas3D* c = Parent->GetCanvas();
  if (FShadow->ShouldDraw() || FEmboss->ShouldDraw()) DrawEffects(R);
  if (!FDefaultPen) c->AssignVisiblePenColor(FPen.get(), FPen->GetColor());
  TPlotBrush* brush = c->GetBrush();
  if (c->IsGradientVisible() && c->GetGradient()->GetVisible()) {
    FGradient->Assign(c->GetGradient());
    FGradient->SetEndColor(AColor);
    c->GetGradient()->Assign(FGradient.get());
  } else {
    if (brush->HasGradient()) brush->GetGradient()->SetVisible(false);
    brush->SetColor(AColor);
  }
  if (PenIsClear(c->GetPen())) {
    if (brush->GetStyle() == bsClear) return;
    c->FillRect(TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1});
    return;
  }
  auto* chart = dynamic_cast<TCustomAxisPanel*>(Parent);
  if (FDefaultPen && brush->GetColor() == clBlack && chart && chart->LegendColor == clBlack)
    c->GetPen()->SetColor(clWhite);
  const int w = c->GetPen()->GetWidth();
  c->Rectangle(R.Left + w, R.Top + w, R.Right - w, R.Bottom - w);
}

// ---------------- items ----------------

const TClassInfo* TLegendItem::Class() {
  using I = TLegendItem;
  static const TClassInfo* info = TClassDecl<I>("TLegendItem", TPersistent::Class())
                                      .Prop("Align", &I::GetAlign, &I::SetAlign)
                                      .Prop("Left", &I::GetLeft, &I::SetLeft)
                                      .Prop("Text", &I::GetText, &I::SetText)
                                      .Prop("Text2", &I::GetText2, &I::SetText2)
                                      .Prop("Text3", &I::GetText3, &I::SetText3)
                                      .Prop("Top", &I::GetTop, &I::SetTop);
  return info;
}

TLegendItem::~TLegendItem() = default;

void TLegendItem::RepaintLegend() {
  if (ILegend) ILegend->Repaint();
}

void TLegendItem::MarkCustom(bool Positions) {
  if (ILegend == nullptr) return;
  TLegendItems* items = ILegend->GetItems();
  items->SetCustom(true);
  if (Positions) items->SetCustomPosition(true);
  RepaintLegend();
}

void TLegendItem::SetAlign(int Value) {
  FAlign = Value;
  MarkCustom(false);
}

void TLegendItem::SetLeft(int Value) {
  FLeft = Value;
  MarkCustom(true);
}

void TLegendItem::SetTop(int Value) {
  FTop = Value;
  MarkCustom(true);
}

void TLegendItem::SetTextOf(std::string& Field, const std::string& Value) {
  if (Field == Value) return;
  Field = Value;
  MarkCustom(false);
}

TPlotFont* TLegendItem::GetFont() {
  if (FFont) return FFont.get();
  FFont = std::make_unique<TPlotFont>();
  FFont->OnChange = nullptr;
  if (ILegend) {
    TCustomPlotPanel* chart = ILegend->GetParentChart();
    const bool repaint = chart ? chart->AutoRepaint : false;
    if (chart) chart->AutoRepaint = false;
    FFont->Assign(ILegend->GetFont());
    if (chart) chart->AutoRepaint = repaint;
  }
  FFont->OnChange = [this](TObject*) { RepaintLegend(); };
  RepaintLegend();
  return FFont.get();
}

void TLegendItem::SetFont(TPlotFont* Value) {
  if (Value == nullptr)
    FFont.reset();
  else
    GetFont()->Assign(Value);
  RepaintLegend();
}

TLegendItem* TLegendItems::GetItem(int Index) {
  if (Index < 0) return nullptr;
  if (Index >= Count()) FItems.resize(size_t(Index) + 1);
  if (!FItems[size_t(Index)]) FItems[size_t(Index)] = std::make_unique<TLegendItem>(ILegend);
  return FItems[size_t(Index)].get();
}

TLegendItem* TLegendItems::Peek(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[size_t(Index)].get();
}

void TLegendItems::RepaintLegend() {
  if (ILegend) ILegend->Repaint();
}

void TLegendItems::Clear() {
  ClearItems();
  RepaintLegend();
}

void TLegendItems::SetCustom(bool Value) {
  if (FCustom == Value) return;
  FCustom = Value;
  RepaintLegend();
}

void TLegendItems::SetCustomPosition(bool Value) {
  if (FCustomPosition == Value) return;
  FCustomPosition = Value;
  RepaintLegend();
}

// ---------------- title ----------------

const TClassInfo* TLegendTitle::Class() {
  using T = TLegendTitle;
  static const TClassInfo* info =
      TClassDecl<T>("TLegendTitle", TStringsShape::Class())
          .Enum("Alignment", &T::GetAlignment, &T::SetAlignment, TextAlignmentInfo())
          .Default(taLeftJustify)
          .Prop("Brush", &T::GetBrush, &T::SetBrush)
          .Prop("Color", &T::GetColor, &T::SetColor)
          .Default(int64_t(clWhite))
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("Frame", &T::GetFrame, &T::SetFrame)
          .Prop("Shadow", &T::GetShadow, &T::SetShadow)
          .Enum("TextAlignment", &T::GetTextAlignment, &T::SetTextAlignment, TextAlignmentInfo())
          .Stored(&T::IsTextAlignStored)
          .Prop("Transparent", &T::GetTransparent, &T::SetTransparent)
          .Stored(&T::IsTransparentStored)
          .Prop("Visible", &T::GetVisible, &T::SetVisible)
          .Stored(&T::IsVisibleStored);
  return info;
}

TLegendTitle::TLegendTitle(TCustomPlotPanel* AOwner) : TStringsShape(AOwner) {
  IDraw2D = true;
  InitTransparent(true);
  GetFont()->SetStyle(GetFont()->GetStyle() | FontStyleBit(fsBold));
  // The base made the shadow before this class's defaults applied.
  InitShadow(GetShadow());
}

void TLegendTitle::InitShadow(TPlotShadow* Shadow) {
  Shadow->InitValues(Shadow->GetVisible(), TColor(0xC0C0C0), 2);
}

void TLegendTitle::InitEmboss(TPlotEmboss* Emboss) {
  Emboss->InitValues(Emboss->GetVisible(), TColor(0xC0C0C0), 2);
}

void TLegendTitle::Assign(TPersistent* Source) {
  if (auto* t = dynamic_cast<TLegendTitle*>(Source)) SetTextLines(t->GetTextLines());
  TStringsShape::Assign(Source);
}
