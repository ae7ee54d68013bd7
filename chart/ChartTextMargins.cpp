#include "chart/ChartTextMargins.h"

#include <cmath>

#include "chart/PlotGeometry.h"
#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& MarginUnitsInfo() {
  static const TEnumInfo info("TMarginUnits", {"maPercentFont", "maPercentSize", "maPixels"});
  return info;
}

}  // namespace

// ---------------- TMargins ----------------

const TClassInfo* TMargins::Class() {
  using M = TMargins;
  static const TClassInfo* info = TClassDecl<M>("TMargins", TPersistent::Class())
                                      .Prop("Left", &M::GetLeft, &M::SetLeft)
                                      .Stored(&M::IsLeftStored)
                                      .Prop("Top", &M::GetTop, &M::SetTop)
                                      .Stored(&M::IsTopStored)
                                      .Prop("Right", &M::GetRight, &M::SetRight)
                                      .Stored(&M::IsRightStored)
                                      .Prop("Bottom", &M::GetBottom, &M::SetBottom)
                                      .Stored(&M::IsBottomStored)
                                      .Enum("Units", &M::GetUnits, &M::SetUnits, MarginUnitsInfo())
                                      .Default(maPercentFont);
  return info;
}

TMargins::TMargins(TNotifyEvent OnChange) : IOnChange(std::move(OnChange)) {}

void TMargins::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TMargins*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FLeft = source->FLeft;
  FTop = source->FTop;
  FRight = source->FRight;
  FBottom = source->FBottom;
  FUnits = source->FUnits;
}

void TMargins::Calculate(int Width, int Height, int FontSize) {
  switch (FUnits) {
    case maPercentFont: {
      const float f = static_cast<float>(FontSize / 100.0);
      ILast = TRect{PlotRound(FLeft * f), PlotRound(FTop * f), PlotRound(FRight * f),
                    PlotRound(FBottom * f)};
      break;
    }
    case maPercentSize:
      ILast = TRect{PlotRound(FLeft * Width / 100.0), PlotRound(FTop * Height / 100.0),
                    PlotRound(FRight * Width / 100.0), PlotRound(FBottom * Height / 100.0)};
      break;
    case maPixels:
      ILast = TRect{FLeft, FTop, FRight, FBottom};
      break;
  }
}

void TMargins::SetDefaultHoriz(int Value) { DefaultHoriz = FLeft = FRight = Value; }

void TMargins::SetDefaultVert(int Value) { DefaultVert = FTop = FBottom = Value; }

void TMargins::SetUnits(TMarginUnits Value) {
  if (FUnits == Value) return;
  FUnits = Value;
  Changed();
}

void TMargins::Store(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TMargins::Changed() {
  if (IOnChange) IOnChange(this);
}

// ---------------- TAutomaticText ----------------

const TClassInfo* TAutomaticText::Class() {
  using A = TAutomaticText;
  static const TClassInfo* info = TClassDecl<A>("TAutomaticText", TPersistent::Class())
                                      .Prop("Hide", &A::GetHide, &A::SetHide)
                                      .Default(1)
                                      .Prop("Move", &A::GetMove, &A::SetMove)
                                      .Default(1)
                                      .Prop("Resize", &A::GetResize, &A::SetResize)
                                      .Default(1)
                                      .Prop("Rotate", &A::GetRotate, &A::SetRotate)
                                      .Default(1)
                                      .Prop("Trim", &A::GetTrim, &A::SetTrim)
                                      .Default(1)
                                      .Prop("Wrap", &A::GetWrap, &A::SetWrap)
                                      .Default(1);
  return info;
}

void TAutomaticText::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TAutomaticText*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FHide = source->FHide;
  FMove = source->FMove;
  FResize = source->FResize;
  FRotate = source->FRotate;
  FTrim = source->FTrim;
  FWrap = source->FWrap;
}

void TAutomaticText::Store(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  if (IOnChange) IOnChange(this);
}
