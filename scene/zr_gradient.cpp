#include "scene/zr_gradient.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_ani_interp.h"
#include "scene/zr_color_text.h"

// ---------------------------------------------------------------- stops

const TClassInfo* TzrGradientPoint::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrGradientPoint>("TzrGradientPoint", TCollectionItem::Class())
          .Prop("Color", &TzrGradientPoint::GetColor, &TzrGradientPoint::SetColor)
          .Prop("Offset", &TzrGradientPoint::GetOffset, &TzrGradientPoint::SetOffset)
          .Default(0);
  return info;
}

TzrGradientPoint::TzrGradientPoint(TCollection* ACollection) : TCollectionItem(ACollection) {}

std::string TzrGradientPoint::GetColor() const { return UTF16ToUTF8(zrColorToStr(FColor)); }

void TzrGradientPoint::SetColor(const std::string& Value) {
  FColor = zrStrToColor(UTF8ToUTF16(Value));
}

void TzrGradientPoint::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrGradientPoint*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  FColor = source->FColor;
  FOffset = source->FOffset;
}

const TClassInfo* TzrGradientPoints::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrGradientPoints>("TzrGradientPoints", TCollection::Class());
  return info;
}

TzrGradientPoints::TzrGradientPoints() : TCollection(TzrGradientPoint::Class()) {}

TzrGradientPoint* TzrGradientPoints::GetPoint(int Index) const {
  return static_cast<TzrGradientPoint*>(GetItem(Index));
}

TzrGradientPoint* TzrGradientPoints::AddPoint(TzrColor AColor, float AOffset) {
  auto* point = static_cast<TzrGradientPoint*>(Add());
  point->SetIntColor(AColor);
  point->SetOffset(AOffset);
  return point;
}

// ---------------------------------------------------------------- gradient

const TEnumInfo& zrGradientStyleInfo() {
  static const TEnumInfo info("TzrGradientStyle", {"zrLinearGradient", "zrRadialGradient"});
  return info;
}

const TClassInfo* TzrGradient::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrGradient>("TzrGradient", TPersistent::Class())
          .Prop("Points", &TzrGradient::GetPoints, &TzrGradient::SetPoints)
          .Enum("Style", &TzrGradient::GetStyle, &TzrGradient::SetStyle, zrGradientStyleInfo())
          .Prop("StartPosition", &TzrGradient::GetStartPosition, &TzrGradient::SetStartPosition)
          .Stored(&TzrGradient::IsLinear)
          .Prop("StopPosition", &TzrGradient::GetStopPosition, &TzrGradient::SetStopPosition)
          .Stored(&TzrGradient::IsLinear)
          .Prop("RadialTransform", &TzrGradient::GetRadialTransform,
                &TzrGradient::SetRadialTransform)
          .Stored(&TzrGradient::IsRadial);
  return info;
}

TzrGradient::TzrGradient()
    : FPoints(std::make_unique<TzrGradientPoints>()),
      FStartPosition(std::make_unique<TzrPosition>(TzrPoint{0, 0})),
      FStopPosition(std::make_unique<TzrPosition>(TzrPoint{0, 1})),
      FRadialTransform(std::make_unique<TzrTransform>()) {
  FPoints->AddPoint(0xFF000000, 0);
  FPoints->AddPoint(0xFFFFFFFF, 1);
  auto changed = [this](TObject* Sender) { PositionChanged(Sender); };
  FStartPosition->OnChange = changed;
  FStopPosition->OnChange = changed;
  FRadialTransform->OnChanged = changed;
}

TzrGradient::~TzrGradient() = default;

void TzrGradient::Change() {
  if (OnChanged) OnChanged(this);
}

void TzrGradient::PositionChanged(TObject*) { Change(); }

void TzrGradient::SetPoints(TzrGradientPoints* Value) { FPoints->Assign(Value); }
void TzrGradient::SetStartPosition(TzrPosition* Value) { FStartPosition->Assign(Value); }
void TzrGradient::SetStopPosition(TzrPosition* Value) { FStopPosition->Assign(Value); }
void TzrGradient::SetRadialTransform(TzrTransform* Value) { FRadialTransform->Assign(Value); }

void TzrGradient::SetStyle(TzrGradientStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Change();
}

void TzrGradient::SetColor(const std::string& Value) {
  if (FPoints->Count() > 0) FPoints->GetPoint(0)->SetColor(Value);
}

void TzrGradient::SetColor1(const std::string& Value) {
  if (FPoints->Count() > 1) FPoints->GetPoint(1)->SetColor(Value);
}

TzrColor TzrGradient::InterpolateColor(float Offset) const {
  const int count = FPoints->Count();
  if (count < 2) return 0;
  Offset = std::isnan(Offset) ? 0 : std::clamp(Offset, 0.0f, 1.0f);
  const TzrGradientPoint* first = FPoints->GetPoint(0);
  const TzrGradientPoint* last = FPoints->GetPoint(count - 1);
  if (first->GetOffset() > Offset) return first->GetIntColor();
  if (last->GetOffset() < Offset) return last->GetIntColor();
  // The last pair that starts at or before Offset decides.
  TzrColor result = 0;
  for (int i = 0; i + 1 < count; ++i) {
    const TzrGradientPoint* a = FPoints->GetPoint(i);
    const TzrGradientPoint* b = FPoints->GetPoint(i + 1);
    if (a->GetOffset() > Offset) continue;
    const float span = b->GetOffset() - a->GetOffset();
    if (span <= 0)
      result = a->GetIntColor();
    else
      result =
          zrInterpolateColor(a->GetIntColor(), b->GetIntColor(), (Offset - a->GetOffset()) / span);
  }
  return result;
}

void TzrGradient::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrGradient*>(Source);
  if (!source) return TPersistent::Assign(Source);
  TNotifyEvent saved = std::move(OnChanged);
  OnChanged = nullptr;
  FPoints->Assign(source->FPoints.get());
  FStyle = source->FStyle;
  if (FStyle == zrRadialGradient) {
    FRadialTransform->Assign(source->FRadialTransform.get());
  } else {
    FStopPosition->Assign(source->FStopPosition.get());
    FStartPosition->Assign(source->FStartPosition.get());
  }
  OnChanged = std::move(saved);
  Change();
}
