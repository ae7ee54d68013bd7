#include "scene/zr_bitmap.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_colors.h"
#include "scene/zr_filter.h"
#include "scene/zr_pixels.h"
#include "scene/zr_resource_objects.h"
#include "scene/zr_stream.h"

const TClassInfo* TzrBitmap::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrBitmap>("TzrBitmap", TPersistent::Class())
          .Prop("Resource", &TzrBitmap::GetResource, &TzrBitmap::SetResource)
          .Prop("ResourceName", &TzrBitmap::GetResourceName, &TzrBitmap::SetResourceName)
          .Default(0);
  return info;
}

// ---------------------------------------------------------------- life

TzrBitmap::TzrBitmap() = default;

TzrBitmap::TzrBitmap(int AWidth, int AHeight, bool) {
  FWidth = std::max(0, AWidth);
  FHeight = std::max(0, AHeight);
  Recreate();
}

TzrBitmap::TzrBitmap(TStream* AStream) { LoadFromStream(AStream); }

TzrBitmap::TzrBitmap(const TzrBitmap& Bitmap, const TzrBitmap& Mask)
    : TzrBitmap(Bitmap.FWidth, Bitmap.FHeight) {
  if (Mask.FWidth != FWidth || Mask.FHeight != FHeight || FBits.empty()) return;
  for (size_t i = 0; i < FBits.size(); ++i) {
    const TzrColor red = (Mask.FBits[i] >> 16) & 0xFF;
    FBits[i] = (Bitmap.FBits[i] & 0x00FFFFFFu) | (red << 24);
  }
}

TzrBitmap::~TzrBitmap() {
  Fire(OnDestroyHandle, this);
  UnlinkResource();
  FCanvas.reset();
  FHandle = 0;
}

void TzrBitmap::Fire(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) Event(Sender);
}

void TzrBitmap::BitmapChanged() { Fire(OnChange, this); }

void TzrBitmap::DoLoaded(TObject*) { Fire(OnThreadLoaded, this); }

TzrCanvas* TzrBitmap::GetCanvas() {
  if (!FCanvas && DefaultCanvasClass) {
    FCanvas = DefaultCanvasClass->CreateFromBitmap(this);
    FCanvas->SetMatrix(IdentityMatrix);
  }
  return FCanvas.get();
}

// ---------------------------------------------------------------- size and content

void TzrBitmap::Recreate() {
  Fire(OnBitmapDestroy, this);
  Fire(OnDestroyHandle, this);
  FHandle = 0;
  FCanvas.reset();  // it draws into the block released next
  FBits.clear();
  FBits.shrink_to_fit();
  if (!IsEmpty()) {
    FBits.resize(size_t(FWidth) * size_t(FHeight));
    Clear(0);
  }
  FNeedUpdate = true;
  Fire(OnBitmapCreate, this);
}

void TzrBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  Recreate();
  BitmapChanged();
}

void TzrBitmap::SetWidth(int Value) {
  Value = std::max(0, Value);
  if (Value == FWidth) return;
  FWidth = Value;
  Recreate();
}

void TzrBitmap::SetHeight(int Value) {
  Value = std::max(0, Value);
  if (Value == FHeight) return;
  FHeight = Value;
  Recreate();
}

void TzrBitmap::Clear(TzrColor AColor) {
  if (FBits.empty()) return;
  std::fill(FBits.begin(), FBits.end(), zrPremultyAlpha(AColor));
  BitmapChanged();
  FNeedUpdate = true;
}

namespace {

// A pixel index from a coordinate, clamped to 0..Limit (NaN gives 0).
int ClampIndex(double Value, int Limit) {
  if (!(Value > 0)) return 0;
  if (Value >= Limit) return Limit;
  return int(Value);
}

}  // namespace

void TzrBitmap::ClearRect(const TzrRect& ARect, TzrColor AColor) {
  if (FBits.empty()) return;
  const int left = ClampIndex(std::trunc(ARect.Left), FWidth);
  const int top = ClampIndex(std::trunc(ARect.Top), FHeight);
  const int right = std::max(left, ClampIndex(std::nearbyint(ARect.Right), FWidth));
  const int bottom = std::max(top, ClampIndex(std::nearbyint(ARect.Bottom), FHeight));
  zrFillLongwordRect(FBits.data(), FWidth, FHeight, left, top, right, bottom,
                     zrPremultyAlpha(AColor));
  FNeedUpdate = true;
}

TzrColor TzrBitmap::GetPixels(int X, int Y) const {
  if (FBits.empty() || X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
  return FBits[size_t(X) + size_t(Y) * size_t(FWidth)];
}

TzrColor* TzrBitmap::GetScanline(int Y) {
  if (FBits.empty() || Y < 0 || Y >= FHeight) return nullptr;
  return FBits.data() + size_t(Y) * size_t(FWidth);
}

// ---------------------------------------------------------------- copies

void TzrBitmap::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrBitmap*>(Source);
  if (!source) {
    if (!AssignFromFramework(Source)) TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  if (source->GetBitmap()) {
    if (source->FResource != FResource) {
      UnlinkResource();
      LinkResource(source->FResource);
    }
    FResourceName = source->FResourceName;
    BitmapChanged();
    return;
  }
  UnlinkResource();
  FResourceName.clear();
  if (source->FWidth != FWidth || source->FHeight != FHeight) {
    FWidth = source->FWidth;
    FHeight = source->FHeight;
    Recreate();
  }
  std::copy(source->FBits.begin(), source->FBits.end(), FBits.begin());
  FNeedUpdate = true;
  BitmapChanged();
}

// ---------------------------------------------------------------- resource link

void TzrBitmap::LinkResource(TzrBitmapObject* Value) {
  FResource = Value;
  if (!FResource) return;
  FResourceName = FResource->GetResourceName();
  FResource->AddFreeNotify(this);
}

void TzrBitmap::UnlinkResource() {
  if (FResource) FResource->RemoveFreeNotify(this);
  FResource = nullptr;
}

void TzrBitmap::SetResource(TzrBitmapObject* Value) {
  if (Value == FResource) return;
  UnlinkResource();
  LinkResource(Value);
  if (!Value) FResourceName.clear();
  BitmapChanged();
}

void TzrBitmap::SetResourceName(const std::string& Value) {
  if (Value == FResourceName) return;
  FResourceName = Value;
  BitmapChanged();
}

TzrBitmap* TzrBitmap::GetBitmap() {
  if (!FResource && !FResourceName.empty()) {
    if (auto* found = dynamic_cast<TzrBitmapObject*>(zr_classes::FindResource(FResourceName)))
      LinkResource(found);
  }
  return FResource ? FResource->GetBitmap() : nullptr;
}

void TzrBitmap::FreeNotify(TzrObject* AObject) {
  if (AObject == FResource) FResource = nullptr;
}

// ---------------------------------------------------------------- files and streams

void TzrBitmap::LoadFromFile(const std::string& AFileName, float Rotate) {
  std::error_code error;
  if (!std::filesystem::exists(AFileName, error)) return;
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (filter && filter->LoadFromFile(AFileName, Rotate, *this)) BitmapChanged();
}

void TzrBitmap::LoadThumbnailFromFile(const std::string& AFileName, float AFitWidth,
                                      float AFitHeight, bool UseEmbedded) {
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (filter && filter->LoadThumbnailFromFile(AFileName, AFitWidth, AFitHeight, UseEmbedded, *this))
    BitmapChanged();
}

void TzrBitmap::SaveToFile(const std::string& AFileName, const std::string& Params) {
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (filter) filter->SaveToFile(AFileName, *this, Params);
}

void TzrBitmap::LoadFromStream(TStream* AStream) {
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (!filter || !AStream) return;
  bool loaded;
  const int64_t position = AStream->GetPosition();
  if (position == 0) {
    loaded = filter->LoadFromStream(AStream, *this);
  } else {
    // The codec reads from a stream's start: hand it the rest on its own.
    TMemoryStream rest;
    const int64_t count = AStream->GetSize() - position;
    if (count > 0) rest.CopyFrom(*AStream, count);
    rest.SetPosition(0);
    loaded = filter->LoadFromStream(&rest, *this);
  }
  if (loaded) BitmapChanged();
}

bool TzrBitmap::HasTranslucentPixel() const {
  return std::any_of(FBits.begin(), FBits.end(), [](TzrColor C) { return (C >> 24) != 0xFF; });
}

void TzrBitmap::SaveToStream(TStream* AStream) {
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (!filter || !AStream) return;
  if (HasTranslucentPixel())
    filter->SaveToStream(AStream, *this, "png", "");
  else
    filter->SaveToStream(AStream, *this, "jpeg", "quality=100");
}

void TzrBitmap::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "PNG", [this](TStream* Stream) { LoadFromStream(Stream); },
      [this](TStream* Stream) { SaveToStream(Stream); }, !IsEmpty());
}
