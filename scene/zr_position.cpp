#include "scene/zr_position.h"

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"
#include "scene/zr_text_forms.h"

// ---------------------------------------------------------------- TzrPosition

const TClassInfo* TzrPosition::Class() {
  static const TClassInfo* info = TClassDecl<TzrPosition>("TzrPosition", TPersistent::Class())
                                      .Prop("X", &TzrPosition::GetX, &TzrPosition::SetX)
                                      .Stored(false)
                                      .Prop("Y", &TzrPosition::GetY, &TzrPosition::SetY)
                                      .Stored(false);
  return info;
}

TzrPosition::TzrPosition(const TzrPoint& ADefaultValue)
    : FY(ADefaultValue.Y), FX(ADefaultValue.X), FDefaultValue(ADefaultValue) {}

void TzrPosition::DoChange() {
  if (OnChange) OnChange(this);
}

void TzrPosition::SetX(float Value) {
  if (Value == FX) return;
  FX = Value;
  DoChange();
}

void TzrPosition::SetY(float Value) {
  if (Value == FY) return;
  FY = Value;
  DoChange();
}

void TzrPosition::SetPoint(const TzrPoint& Value) {
  FX = Value.X;
  FY = Value.Y;
  DoChange();
}

TzrVector TzrPosition::GetVector() const { return zrVector(FX, FY, 1); }

void TzrPosition::SetVector(const TzrVector& Value) { SetPoint({Value.X, Value.Y}); }

void TzrPosition::Reflect(const TzrVector& Normal) {
  SetVector(zrVectorReflect(GetVector(), Normal));
}

void TzrPosition::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TzrPosition*>(Source)) return SetPoint(source->GetPoint());
  TPersistent::Assign(Source);
}

bool TzrPosition::HasPointData() const { return FX != FDefaultValue.X || FY != FDefaultValue.Y; }

void TzrPosition::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      "Point", [this](TReader* Reader) { SetPoint(zrStringToPoint(Reader->ReadString())); },
      [this](TWriter* Writer) { Writer->WriteString(zrPointToString(GetPoint())); },
      HasPointData());
}

// ---------------------------------------------------------------- TzrBounds

const TClassInfo* TzrBounds::Class() {
  static const TClassInfo* info = TClassDecl<TzrBounds>("TzrBounds", TPersistent::Class())
                                      .Prop("Left", &TzrBounds::GetLeft, &TzrBounds::SetLeft)
                                      .Stored(false)
                                      .Prop("Top", &TzrBounds::GetTop, &TzrBounds::SetTop)
                                      .Stored(false)
                                      .Prop("Right", &TzrBounds::GetRight, &TzrBounds::SetRight)
                                      .Stored(false)
                                      .Prop("Bottom", &TzrBounds::GetBottom, &TzrBounds::SetBottom)
                                      .Stored(false);
  return info;
}

TzrBounds::TzrBounds(const TzrRect& ADefaultValue) : FDefaultValue(ADefaultValue) {
  SetRect(ADefaultValue);
}

void TzrBounds::DoChange() {
  if (OnChange) OnChange(this);
}

void TzrBounds::SetEdge(float& Edge, float Value) {
  if (Value == Edge) return;
  Edge = Value;
  DoChange();
}

void TzrBounds::SetLeft(float Value) { SetEdge(FLeft, Value); }
void TzrBounds::SetTop(float Value) { SetEdge(FTop, Value); }
void TzrBounds::SetRight(float Value) { SetEdge(FRight, Value); }
void TzrBounds::SetBottom(float Value) { SetEdge(FBottom, Value); }

void TzrBounds::SetRect(const TzrRect& Value) {
  if (Value == GetRect()) return;
  FLeft = Value.Left;
  FTop = Value.Top;
  FRight = Value.Right;
  FBottom = Value.Bottom;
  DoChange();
}

TzrRect TzrBounds::MarginRect(const TzrRect& R) const {
  return {R.Left + FLeft, R.Top + FTop, R.Right - FRight, R.Bottom - FBottom};
}

TzrRect TzrBounds::PaddinRect(const TzrRect& R) const {
  return {R.Left - FLeft, R.Top - FTop, R.Right + FRight, R.Bottom + FBottom};
}

bool TzrBounds::Empty() const { return zrIsRectEmpty(GetRect()); }

void TzrBounds::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TzrBounds*>(Source)) return SetRect(source->GetRect());
  TPersistent::Assign(Source);
}

void TzrBounds::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      "Rect", [this](TReader* Reader) { SetRect(zrStringToRect(Reader->ReadString())); },
      [this](TWriter* Writer) { Writer->WriteString(zrRectToString(GetRect())); },
      GetRect() != FDefaultValue);
}
