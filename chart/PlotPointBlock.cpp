#include "chart/PlotPointBlock.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

const TClassInfo* TPointBlock::Class() {
  static const TClassInfo* info = TClassDecl<TPointBlock>("TPointBlock", TPersistent::Class());
  return info;
}

void TPointBlock::DoChanged() {
  if (FOnChanged) FOnChanged(this);
  if (IOwnerRepaint) IOwnerRepaint();
}

namespace {
// A Boolean entry written as True only when the coordinate is exactly 0
// and the default is not; reading True sets the coordinate to 0.
void DefineZero(TFiler* Filer, const char* Name, float& Coordinate, double Default) {
  Filer->DefineProperty(
      Name,
      [&Coordinate](TReader* r) {
        if (r->ReadBoolean()) Coordinate = 0;
      },
      [](TWriter* w) { w->WriteBoolean(true); }, Default != 0 && Coordinate == 0);
}
}  // namespace

const TClassInfo* TPointXYFloat::Class() {
  using P = TPointXYFloat;
  static const TClassInfo* info = TClassDecl<P>("TPointXYFloat", TPointBlock::Class())
                                      .Prop("X", &P::GetX, &P::SetX)
                                      .Stored(&P::IsXStored)
                                      .Prop("Y", &P::GetY, &P::SetY)
                                      .Stored(&P::IsYStored);
  return info;
}

TPointXYFloat::TPointXYFloat(float AValue, TNotifyEvent ChangedEvent)
    : IDefault(AValue), Point{AValue, AValue} {
  FOnChanged = std::move(ChangedEvent);
}

void TPointXYFloat::InitDefault(double Value) {
  IDefault = Value;
  Point = TPointF{float(Value), float(Value)};
}

void TPointXYFloat::SetX(float Value) {
  if (Value == Point.x) return;
  Point.x = Value;
  DoChanged();
}

void TPointXYFloat::SetY(float Value) {
  if (Value == Point.y) return;
  Point.y = Value;
  DoChanged();
}

void TPointXYFloat::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPointXYFloat*>(Source);
  if (!s) return TPointBlock::Assign(Source);
  Point = s->Point;
  DoChanged();
}

void TPointXYFloat::DefineProperties(TFiler* Filer) {
  TPointBlock::DefineProperties(Filer);
  DefineZero(Filer, "XZero", Point.x, IDefault);
  DefineZero(Filer, "YZero", Point.y, IDefault);
}

const TClassInfo* TPointXYZFloat::Class() {
  using P = TPointXYZFloat;
  static const TClassInfo* info = TClassDecl<P>("TPointXYZFloat", TPointBlock::Class())
                                      .Prop("Value", &P::GetValue, &P::SetValue)
                                      .Stored(false)
                                      .Prop("X", &P::GetX, &P::SetX)
                                      .Stored(&P::IsXStored)
                                      .Prop("Y", &P::GetY, &P::SetY)
                                      .Stored(&P::IsYStored)
                                      .Prop("Z", &P::GetZ, &P::SetZ)
                                      .Stored(&P::IsZStored);
  return info;
}

TPointXYZFloat::TPointXYZFloat(double AValue, TNotifyEvent ChangedEvent)
    : IDefault(float(AValue)), Point{float(AValue), float(AValue), float(AValue)} {
  FOnChanged = std::move(ChangedEvent);
}

void TPointXYZFloat::InitDefault(float Value) {
  IDefault = Value;
  Point = TPoint3DSingle{Value, Value, Value};
}

void TPointXYZFloat::SetValue(float Value) { SetPoint(Value, Value, Value); }

void TPointXYZFloat::SetX(float Value) {
  if (Value == Point.x) return;
  Point.x = Value;
  DoChanged();
}

void TPointXYZFloat::SetY(float Value) {
  if (Value == Point.y) return;
  Point.y = Value;
  DoChanged();
}

void TPointXYZFloat::SetZ(float Value) {
  if (Value == Point.z) return;
  Point.z = Value;
  DoChanged();
}

void TPointXYZFloat::SetPoint(float X, float Y, float Z) {
  Point = TPoint3DSingle{X, Y, Z};
  DoChanged();
}

TPoint3DInt TPointXYZFloat::AsRound() const {
  return TPoint3DInt{int(std::lround(Point.x)), int(std::lround(Point.y)), int(std::lround(Point.z))};
}

void TPointXYZFloat::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TPointXYZFloat*>(Source);
  if (!s) return TPointBlock::Assign(Source);
  Point = s->Point;
  DoChanged();
}

void TPointXYZFloat::DefineProperties(TFiler* Filer) {
  TPointBlock::DefineProperties(Filer);
  DefineZero(Filer, "ZZero", Point.z, IDefault);
}
