#include "controls/zr_objects_text.h"

#include "controls/zr_objects_decl.h"

// ---------------------------------------------------------------- TzrText

TzrText::TzrText(TComponent* AOwner) : TzrShape(AOwner), FFont(std::make_unique<TzrFont>()) {
  FFill->SetSolidColor(0xFF000000);
  FFill->SetDefaultColor(0xFF000000);
  FStroke->SetStyle(zrBrushNone);
  FStroke->SetDefaultStyle(zrBrushNone);
  FFont->OnChanged = [this](TObject* Sender) { FontChanged(Sender); };
}

TzrText::~TzrText() { FFont->OnChanged = nullptr; }

const TClassInfo* TzrText::Class() {
  using T = TzrText;
  static const TClassInfo* info =
      TClassDecl<T>("TzrText", TzrShape::Class())
          .Prop("AutoSize", &T::GetAutoSize, &T::SetAutoSize)
          .Default(0)
          .Prop("Fill", &TzrShape::GetFill, &TzrShape::SetFill)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("HorzTextAlign", &T::GetHorzTextAlign, &T::SetHorzTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Enum("VertTextAlign", &T::GetVertTextAlign, &T::SetVertTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignCenter)
          .Prop("Text", &T::GetText, &T::SetText)
          .Default(0)
          .Prop("Stretch", &T::GetStretch, &T::SetStretch)
          .Default(0)
          .Prop("WordWrap", &T::GetWordWrap, &T::SetWordWrap)
          .Default(1);
  return info;
}

void TzrText::SetText(const std::u16string& Value) {
  if (FText == Value) return;
  FText = Value;
  UpdateEffects();
  if (FAutoSize) AdjustSize();
  Repaint();
}

void TzrText::SetFont(TzrFont* Value) {
  FFont->Assign(Value);
  if (FAutoSize) AdjustSize();
}

void TzrText::FontChanged(TObject*) {
  UpdateEffects();
  if (FAutoSize) AdjustSize();
  Repaint();
}

void TzrText::SetHorzTextAlign(TzrTextAlign Value) {
  if (FHorzTextAlign == Value) return;
  FHorzTextAlign = Value;
  ChangedWithEffects();
}

void TzrText::SetVertTextAlign(TzrTextAlign Value) {
  if (FVertTextAlign == Value) return;
  FVertTextAlign = Value;
  ChangedWithEffects();
}

void TzrText::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Repaint();
}

void TzrText::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustSize();
}

void TzrText::SetStretch(bool Value) {
  if (FStretch == Value) return;
  UpdateEffects();
  FStretch = Value;
  if (Value) SetAutoSize(false);
  Repaint();
}

void TzrText::Realign() {
  TzrShape::Realign();
  if (FAutoSize) AdjustSize();
}

Variant TzrText::GetData() { return Variant(FText); }

void TzrText::SetData(const Variant& Value) { SetText(Value.ToWideString()); }

bool TzrText::CanAdjust() { return FAutoSize && GetCanvas() && !FText.empty(); }

void TzrText::AdjustSize() {
  if (FDisableAlign) return;
  FDisableAlign = true;
  if (CanAdjust()) {
    TzrCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(FFont.get());
    TzrRect m = zrRect(0, 0, FWordWrap ? GetWidth() : 1000, 1000);
    canvas->MeasureText(m, m, FText, FWordWrap, zrTextAlignNear, zrTextAlignNear);
    if (!FWordWrap) SetWidth(m.Right + FFont->GetSize() / 2);
    if (FVertTextAlign != zrTextAlignCenter) SetHeight(m.Bottom);
  }
  FDisableAlign = false;
  if (CanAdjust())
    if (TzrVisualObject* parent = VisualParent()) parent->Realign();
}

void TzrText::Paint() {
  TzrCanvas* canvas = GetCanvas();
  canvas->GetFont()->Assign(FFont.get());
  const TzrRect l = GetLocalRect();
  if (!FStretch) {
    canvas->FillText(l, l, FText, FWordWrap, GetAbsoluteOpacity(), FHorzTextAlign, FVertTextAlign);
    return;
  }
  // The text's ink, scaled to fill the rectangle in both directions.
  TzrRect m = zrRect(0, 0, 1000, 1000);
  canvas->MeasureText(m, m, FText, false, FHorzTextAlign, FVertTextAlign);
  zrOffsetRect(m, -m.Left, -m.Top);
  TzrMatrix scale = IdentityMatrix;
  if (!zrIsRectEmpty(m)) {
    scale.m11 = zrRectWidth(l) / zrRectWidth(m);
    scale.m22 = zrRectHeight(l) / zrRectHeight(m);
  }
  TCanvasState state(canvas);
  canvas->MultyMatrix(scale);
  zrInflateRect(m, FFont->GetSize() / 3, FFont->GetSize() / 3);
  canvas->FillText(m, m, FText, false, GetAbsoluteOpacity(), FHorzTextAlign, FVertTextAlign);
}

// ---------------------------------------------------------------- TzrPaintBox

const TClassInfo* TzrPaintBox::Class() {
  static const TClassInfo* info = TClassDecl<TzrPaintBox>("TzrPaintBox", TzrVisualObject::Class())
                                      .Event("OnPaint", &TzrPaintBox::OnPaint);
  return info;
}

void TzrPaintBox::Paint() {
  TzrVisualObject::Paint();
  if (OnPaint) OnPaint(this, GetCanvas());
}
