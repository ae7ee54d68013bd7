#include <cmath>

#include "controls/zr_objects_decl.h"
#include "controls/zr_objects_text.h"
#include "scene/zr_classes.h"

const TEnumInfo& zrImageWrapInfo() {
  static const TEnumInfo info("TzrImageWrap",
                              {"zrImageOriginal", "zrImageFit", "zrImageStretch", "zrImageTile"});
  return info;
}

TzrImage::TzrImage(TComponent* AOwner)
    : TzrVisualObject(AOwner),
      FBitmap(std::make_unique<TzrBitmap>()),
      FBitmapMargins(std::make_unique<TzrBounds>()) {
  FBitmap->OnChange = [this](TObject* Sender) { DoBitmapChanged(Sender); };
  FBitmap->OnThreadLoaded = [this](TObject* Sender) { DoBitmapLoaded(Sender); };
  FBitmap->OnBitmapDestroy = [](TObject*) {};
}

TzrImage::~TzrImage() {
  FBitmap->OnChange = nullptr;
  FBitmap->OnThreadLoaded = nullptr;
  FBitmap->OnBitmapDestroy = nullptr;
}

const TClassInfo* TzrImage::Class() {
  using T = TzrImage;
  static const TClassInfo* info =
      TClassDecl<T>("TzrImage", TzrVisualObject::Class())
          .Prop("Bitmap", &T::GetBitmap, &T::SetBitmap)
          .Prop("BitmapMargins", &T::GetBitmapMargins, &T::SetBitmapMargins)
          .Enum("WrapMode", &T::GetWrapMode, &T::SetWrapMode, zrImageWrapInfo())
          .Prop("DisableInterpolation", &T::GetDisableInterpolation, &T::SetDisableInterpolation)
          .Default(0)
          .Event("OnBitmapLoaded", &T::OnBitmapLoaded);
  return info;
}

void TzrImage::SetBitmap(TzrBitmap* Value) {
  FBitmap->Assign(Value);
  Repaint();
}

void TzrImage::SetWrapMode(TzrImageWrap Value) {
  if (FWrapMode == Value) return;
  FWrapMode = Value;
  Repaint();
}

void TzrImage::DoBitmapChanged(TObject*) {
  UpdateEffects();
  Repaint();
}

void TzrImage::DoBitmapLoaded(TObject*) {
  if (OnBitmapLoaded) OnBitmapLoaded(this);
  if (!(GetComponentState() & csDestroying)) Repaint();
}

// Object variants name components (a handle dies with its component), so
// the image hands out itself as the holder of its bitmap.
Variant TzrImage::GetData() { return ObjectToVariant(this); }

void TzrImage::SetData(const Variant& Value) {
  if (!VarIsObject(Value)) return FBitmap->LoadFromFile(Value.ToString(), 0);
  TObject* object = VariantToObject(Value);
  if (auto* image = dynamic_cast<TzrImage*>(object)) return FBitmap->Assign(image->GetBitmap());
  if (auto* source = dynamic_cast<TPersistent*>(object)) FBitmap->Assign(source);
}

void TzrImage::Paint() {
  zrDrawDesignOutline(this);
  TzrBitmap* b = FBitmap->GetBitmap();
  if (!b) b = FBitmap.get();
  if (b->IsEmpty()) return;
  TzrCanvas* canvas = GetCanvas();
  const TzrRect m = FBitmapMargins->GetRect();
  if (m.Left == 0 && m.Top == 0 && m.Right == 0 && m.Bottom == 0)
    PaintWrapped(canvas, *b);
  else
    PaintNineSlices(canvas, *b);
}

void TzrImage::PaintWrapped(TzrCanvas* Canvas, TzrBitmap& B) {
  const float w = float(B.GetWidth()), h = float(B.GetHeight());
  const TzrRect p = zrRect(0, 0, w, h);
  const TzrRect l = GetLocalRect();
  const float opacity = GetAbsoluteOpacity();
  switch (FWrapMode) {
    case zrImageOriginal: {
      TCanvasState state(Canvas);
      Canvas->IntersectClipRect(l);
      Canvas->DrawBitmap(B, p, p, opacity, true);
      return;
    }
    case zrImageFit: {
      TzrRect d = p;
      zrFitRect(d, l);
      Canvas->DrawBitmap(B, p, d, opacity, FDisableInterpolation);
      return;
    }
    case zrImageStretch:
      Canvas->DrawBitmap(B, p, l, opacity, FDisableInterpolation);
      return;
    case zrImageTile: {
      TCanvasState state(Canvas);
      Canvas->IntersectClipRect(l);
      const int columns = int(std::nearbyint(GetWidth() / w));
      const int rows = int(std::nearbyint(GetHeight() / h));
      for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j)
          Canvas->DrawBitmap(B, p, zrRect(w * i, h * j, w * (i + 1), h * (j + 1)), opacity, true);
      return;
    }
  }
}

void TzrImage::PaintNineSlices(TzrCanvas* Canvas, TzrBitmap& B) {
  const float l = FBitmapMargins->GetLeft(), t = FBitmapMargins->GetTop();
  const float r = FBitmapMargins->GetRight(), b = FBitmapMargins->GetBottom();
  const float W = GetWidth(), H = GetHeight();
  const float w = float(B.GetWidth()), h = float(B.GetHeight());
  // Destination and source columns and rows: edges, middle band, edges.
  const float dx[] = {0, l, W - r, W}, dy[] = {0, t, H - b, H};
  const float sx[] = {0, l, w - r, w}, sy[] = {0, t, h - b, h};
  const float opacity = GetAbsoluteOpacity();
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      Canvas->DrawBitmap(B, zrRect(sx[col], sy[row], sx[col + 1], sy[row + 1]),
                         zrRect(dx[col], dy[row], dx[col + 1], dy[row + 1]), opacity, true);
}
