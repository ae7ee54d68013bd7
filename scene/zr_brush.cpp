#include "scene/zr_brush.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_classes.h"
#include "scene/zr_color_text.h"
#include "scene/zr_resource_objects.h"

namespace {

void Fire(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) Event(Sender);
}

}  // namespace

// ---------------------------------------------------------------- TzrVisual

const TClassInfo* TzrVisual::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrVisual>("TzrVisual", TPersistent::Class())
          .Prop("VisualObject", &TzrVisual::GetVisualNode, &TzrVisual::SetVisualObject);
  return info;
}

TzrVisual::~TzrVisual() {
  if (FVisualObject) FVisualObject->RemoveFreeNotify(this);
}

TzrVisualObject* TzrVisual::GetVisualObject() const {
  return FVisualObject ? FVisualObject->GetVisual() : nullptr;
}

void TzrVisual::SetVisualObject(TzrObject* Value) {
  if (Value && !Value->GetIsVisual()) Value = nullptr;
  if (Value == FVisualObject) return;
  if (FVisualObject) FVisualObject->RemoveFreeNotify(this);
  FVisualObject = Value;
  Fire(OnChanged, this);
  if (FVisualObject) FVisualObject->AddFreeNotify(this);
}

void TzrVisual::FreeNotify(TzrObject* AObject) {
  if (AObject == FVisualObject) FVisualObject = nullptr;
}

void TzrVisual::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrVisual*>(Source);
  if (!source) return TPersistent::Assign(Source);
  SetVisualObject(source->FVisualObject);
}

// ---------------------------------------------------------------- TzrBrushResource

const TClassInfo* TzrBrushResource::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBrushResource>("TzrBrushResource", TPersistent::Class())
          .Prop("Resource", &TzrBrushResource::GetResource, &TzrBrushResource::SetResource)
          .Stored(false)
          .Prop("ResourceName", &TzrBrushResource::GetResourceName,
                &TzrBrushResource::SetResourceName)
          .Default(0);
  return info;
}

TzrBrushResource::~TzrBrushResource() {
  if (FResource) FResource->RemoveFreeNotify(this);
}

void TzrBrushResource::SetResource(TzrBrushObject* Value) {
  if (Value == FResource) return;
  if (FResource) FResource->RemoveFreeNotify(this);
  FResource = Value;
  if (!FResource) return;
  FResourceName = FResource->GetResourceName();
  FResource->AddFreeNotify(this);
}

void TzrBrushResource::SetResourceName(const std::string& Value) { FResourceName = Value; }

TzrBrush* TzrBrushResource::GetBrush() {
  if (!FResource && !FResourceName.empty()) {
    if (auto* found = dynamic_cast<TzrBrushObject*>(zr_classes::FindResource(FResourceName)))
      SetResource(found);
  }
  return FResource ? FResource->GetBrush() : nullptr;
}

void TzrBrushResource::FreeNotify(TzrObject* AObject) {
  if (AObject == FResource) FResource = nullptr;
}

void TzrBrushResource::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrBrushResource*>(Source);
  if (!source) return TPersistent::Assign(Source);
  SetResource(source->FResource);
  FResourceName = source->FResourceName;
}

// ---------------------------------------------------------------- TzrBrushBitmap

const TEnumInfo& zrWrapModeInfo() {
  static const TEnumInfo info("TzrWrapMode",
                              {"zrWrapTile", "zrWrapTileOriginal", "zrWrapTileStretch"});
  return info;
}

const TClassInfo* TzrBrushBitmap::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBrushBitmap>("TzrBrushBitmap", TPersistent::Class())
          .Prop("Bitmap", &TzrBrushBitmap::GetBitmap, &TzrBrushBitmap::SetBitmap)
          .Enum("WrapMode", &TzrBrushBitmap::GetWrapMode, &TzrBrushBitmap::SetWrapMode,
                zrWrapModeInfo())
          .Default(zrWrapTile);
  return info;
}

TzrBrushBitmap::TzrBrushBitmap() : FBitmap(std::make_unique<TzrBitmap>()) {}

TzrBrushBitmap::~TzrBrushBitmap() = default;

void TzrBrushBitmap::SetBitmap(TzrBitmap* Value) {
  if (Value) FBitmap->Assign(Value);
}

void TzrBrushBitmap::SetWrapMode(TzrWrapMode Value) {
  if (Value == FWrapMode) return;
  FWrapMode = Value;
  Fire(OnChanged, this);
}

void TzrBrushBitmap::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrBrushBitmap*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FWrapMode = source->FWrapMode;
  FBitmap->Assign(source->FBitmap.get());
  Fire(OnChanged, this);
}

// ---------------------------------------------------------------- TzrBrush

const TEnumInfo& zrBrushStyleInfo() {
  static const TEnumInfo info("TzrBrushStyle",
                              {"zrBrushNone", "zrBrushSolid", "zrBrushGradient", "zrBrushBitmap",
                               "zrBrushResource", "zrBrushVisual"});
  return info;
}

const TClassInfo* TzrBrush::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBrush>("TzrBrush", TPersistent::Class())
          .Prop("Color", &TzrBrush::GetColor, &TzrBrush::SetColor)
          .Stored(&TzrBrush::IsColorStored)
          .Prop("Bitmap", &TzrBrush::GetBitmap, &TzrBrush::SetBitmap)
          .Stored(&TzrBrush::IsBitmapStored)
          .Enum("Style", &TzrBrush::GetStyle, &TzrBrush::SetStyle, zrBrushStyleInfo())
          .Stored(&TzrBrush::IsStyleStored)
          .Prop("Gradient", &TzrBrush::GetGradient, &TzrBrush::SetGradient)
          .Stored(&TzrBrush::IsGradientStored)
          .Prop("Resource", &TzrBrush::GetResource, &TzrBrush::SetResource)
          .Stored(&TzrBrush::IsResourceStored)
          .Prop("Visual", &TzrBrush::GetVisual, &TzrBrush::SetVisual)
          .Stored(&TzrBrush::IsVisualStored);
  return info;
}

TzrBrush::TzrBrush(TzrBrushStyle ADefaultStyle, TzrColor ADefaultColor)
    : FColor(ADefaultColor),
      FStyle(ADefaultStyle),
      FGradient(std::make_unique<TzrGradient>()),
      FVisual(std::make_unique<TzrVisual>()),
      FDefaultStyle(ADefaultStyle),
      FDefaultColor(ADefaultColor),
      FResource(std::make_unique<TzrBrushResource>()),
      FBitmap(std::make_unique<TzrBrushBitmap>()) {
  auto changed = [this](TObject*) { Changed(); };
  FGradient->OnChanged = changed;
  FVisual->OnChanged = changed;
  FResource->OnChanged = changed;
  FBitmap->OnChanged = changed;
}

TzrBrush::~TzrBrush() = default;

void TzrBrush::Changed() { Fire(OnChanged, this); }

bool TzrBrush::IsColorStored() const { return FStyle == zrBrushSolid && FColor != FDefaultColor; }

std::string TzrBrush::GetColor() const { return UTF16ToUTF8(zrColorToStr(FColor)); }

void TzrBrush::SetColor(const std::string& Value) {
  SetSolidColor(zrStrToColor(UTF8ToUTF16(Value)));
  if (FStyle == zrBrushGradient) FGradient->SetColor(Value);
}

TzrColor TzrBrush::GetSolidColor() const {
  if (FStyle != zrBrushResource || FResolving) return FColor;
  FResolving = true;
  TzrColor result = FColor;
  if (const TzrBrush* shared = FResource->GetBrush()) result = shared->GetSolidColor();
  FResolving = false;
  return result;
}

void TzrBrush::SetSolidColor(TzrColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TzrBrush::SetStyle(TzrBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TzrBrush::SetGradient(TzrGradient* Value) { FGradient->Assign(Value); }
void TzrBrush::SetBitmap(TzrBrushBitmap* Value) { FBitmap->Assign(Value); }
void TzrBrush::SetResource(TzrBrushResource* Value) { FResource->Assign(Value); }
void TzrBrush::SetVisual(TzrVisual* Value) { FVisual->Assign(Value); }

void TzrBrush::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrBrush*>(Source);
  if (!source) return TPersistent::Assign(Source);
  if (source == this) return;
  TNotifyEvent saved = std::move(OnChanged);
  OnChanged = nullptr;
  FDefaultStyle = source->FDefaultStyle;
  FDefaultColor = source->FDefaultColor;
  FColor = source->GetSolidColor();
  FStyle = source->FStyle;
  switch (FStyle) {
    case zrBrushGradient:
      FGradient->Assign(source->FGradient.get());
      break;
    case zrBrushBitmap:
      FBitmap->Assign(source->FBitmap.get());
      break;
    case zrBrushResource:
      FResource->Assign(source->FResource.get());
      break;
    case zrBrushVisual:
      FVisual->Assign(source->FVisual.get());
      break;
    default:
      break;
  }
  OnChanged = std::move(saved);
  Changed();
}
