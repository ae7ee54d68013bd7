#include "controls/zr_image_viewer.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_scroll_bar.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Cursors.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_classes.h"

const TClassInfo* TzrImageViewer::Class() {
  using T = TzrImageViewer;
  static const TClassInfo* info =
      TClassDecl<T>("TzrImageViewer", TzrScrollBox::Class())
          .Prop("BackgroundFill", &T::GetBackgroundFill, &T::SetBackgroundFill)
          .Prop("Bitmap", &T::GetBitmap, &T::SetBitmap)
          .Prop("BitmapScale", &T::GetBitmapScale, &T::SetBitmapScale)
          .Prop("ShowBackground", &T::GetShowBackground, &T::SetShowBackground)
          .Default(false)
          .Prop("MouseScaling", &T::GetMouseScaling, &T::SetMouseScaling)
          .Default(true);
  return info;
}

TzrImageViewer::TzrImageViewer(TComponent* AOwner) : TzrScrollBox(AOwner) {
  SetResourceLater("framedscrollboxstyle");
  SetMouseTracking(true);
  SetCursor(crHandPoint);
  FBack = new TzrRectangle(this);
  FBack->GetStroke()->SetStyle(zrBrushNone);
  FBack->SetVisible(false);
  FImage = new TzrImage(this);
  FImage->SetWrapMode(zrImageStretch);
  for (TzrVisualObject* part :
       {static_cast<TzrVisualObject*>(FBack), static_cast<TzrVisualObject*>(FImage)}) {
    part->SetHitTest(false);
    part->SetLocked(true);
    part->SetStored(false);
    part->SetParent(this);
  }
  // The image keeps repainting itself on a new bitmap; the viewer re-lays
  // out its content at the current scale as well.
  TzrBitmap* bitmap = FImage->GetBitmap();
  bitmap->OnChange = [this, image = FImage](TObject* Sender) {
    image->DoBitmapChanged(Sender);
    Realign();
  };
}

TzrImageViewer::~TzrImageViewer() {
  if (FImage)
    FImage->GetBitmap()->OnChange = [image = FImage](TObject* Sender) {
      image->DoBitmapChanged(Sender);
    };
}

void TzrImageViewer::SetBitmapScale(float Value) {
  if (FScale == Value) return;
  FScale = std::clamp(Value, 0.01f, 10.0f);
  Realign();
  Centre();
}

void TzrImageViewer::SetShowBackground(bool Value) {
  if (FShowBackground == Value) return;
  FShowBackground = Value;
  FBack->SetVisible(Value);
}

TzrRect TzrImageViewer::GetContentBounds() {
  TzrBitmap* bitmap = FImage->GetBitmap();
  const float w = bitmap->GetWidth() * FScale;
  const float h = bitmap->GetHeight() * FScale;
  float x = 0;
  float y = 0;
  if (FContent && FContentLayout) {
    if (w < FContentLayout->GetWidth()) x = std::round((FContentLayout->GetWidth() - w) / 2);
    if (h < FContentLayout->GetHeight()) y = std::round((FContentLayout->GetHeight() - h) / 2);
  }
  FImage->SetBounds(x, y, w, h);
  FBack->SetBounds(x, y, w, h);
  return zrUnionRect(zrRect(0, 0, 0, 0), FImage->GetParentedRect());
}

void TzrImageViewer::MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) {
  if (FMouseScaling) {
    SetBitmapScale(FScale + (WheelDelta / 120.0f) * 0.04f);
    Handled = true;
  }
  TzrScrollBox::MouseWheel(Shift, WheelDelta, Handled);
}

// The scale at which the bitmap fits the view, 1 when it fits already.
float TzrImageViewer::FitScale() {
  TzrBitmap* bitmap = FImage->GetBitmap();
  TzrRect r = zrRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight());
  const float ratio = zrFitRect(r, FContentLayout->GetLocalRect());
  return ratio >= 1 ? 1 / ratio : 1;
}

void TzrImageViewer::BestFit() {
  if (!FContent || !FContentLayout) return;
  const bool barEnabled =
      (FVScrollBar && FVScrollBar->GetEnabled()) || (FHScrollBar && FHScrollBar->GetEnabled());
  SetBitmapScale(FitScale());
  // The bars may have gone, which gives the view its full size back.
  if (barEnabled) SetBitmapScale(FitScale());
}

// Variants carry components only: the bitmap travels as the image that
// holds it.
Variant TzrImageViewer::GetData() { return ObjectToVariant(FImage); }

void TzrImageViewer::SetData(const Variant& Value) {
  TzrBitmap* bitmap = FImage->GetBitmap();
  if (Value.IsNull()) return bitmap->SetSize(1, 1);
  if (VarIsObject(Value)) {
    TObject* object = VariantToObject(Value);
    if (auto* image = dynamic_cast<TzrImage*>(object)) return bitmap->Assign(image->GetBitmap());
    if (auto* source = dynamic_cast<TPersistent*>(object)) bitmap->Assign(source);
    return;
  }
  bitmap->LoadFromFile(Value.ToString());
}
