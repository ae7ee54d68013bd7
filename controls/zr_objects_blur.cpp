#include "controls/zr_objects_blur.h"

#include <cmath>

#include "controls/zr_blur.h"
#include "controls/zr_objects_decl.h"

// ---------------------------------------------------------------- TzrBlurBuffer

bool TzrBlurBuffer::SetSoftness(float Value) {
  if (FSoftness == Value) return false;
  FSoftness = Value;
  FRecreate = true;
  return true;
}

void TzrBlurBuffer::Paint(TzrShape* Shape, TBody Body) {
  const int w = int(std::lround(Shape->GetWidth())), h = int(std::lround(Shape->GetHeight()));
  if (w <= 0 || h <= 0) return;
  if (!FBuffer) FBuffer = std::make_unique<TzrBitmap>(w, h);
  if (FBuffer->GetWidth() != w || FBuffer->GetHeight() != h) {
    FBuffer->SetSize(w, h);
    FRecreate = true;
  }
  if (FRecreate) Rebuild(Shape, Body);
  const TzrRect local = zrRect(0, 0, Shape->GetWidth(), Shape->GetHeight());
  Shape->GetCanvas()->DrawBitmap(*FBuffer, local, local, Shape->GetAbsoluteOpacity(), true);
}

void TzrBlurBuffer::Rebuild(TzrShape* Shape, TBody Body) {
  FRecreate = false;
  FBuffer->Clear(0);
  // Softness is not limited: a radius beyond half the size leaves no body
  // to draw, and the blur itself costs the same for any radius.
  const double radius = std::trunc(double(FSoftness) * 15);
  const int r = !(radius >= 1) ? 0 : radius > 1e9 ? 1000000000 : int(radius);
  const TzrRect inner = zrRect(float(r), float(r), Shape->GetWidth() - float(r),
                               Shape->GetHeight() - float(r));
  if (inner.Right > inner.Left && inner.Bottom > inner.Top) {
    TzrCanvas* canvas = FBuffer->GetCanvas();
    if (!canvas || !canvas->BeginScene()) return;
    canvas->SetMatrix(IdentityMatrix);
    canvas->GetFill()->Assign(Shape->GetFill());
    canvas->GetStroke()->Assign(Shape->GetStroke());
    canvas->SetStrokeThickness(Shape->GetStrokeThickness());
    Body(Shape, canvas, inner, Shape->GetAbsoluteOpacity());
    canvas->EndScene();
  }
  Blur(nullptr, FBuffer.get(), r);
  FBuffer->SetNeedUpdate(true);
}

// ---------------------------------------------------------------- TzrBlurRectangle

TzrBlurRectangle::TzrBlurRectangle(TComponent* AOwner) : TzrRectangle(AOwner) {
  FStroke->SetDefaultStyle(zrBrushNone);
  FStroke->SetStyle(zrBrushNone);
}

const TClassInfo* TzrBlurRectangle::Class() {
  using T = TzrBlurRectangle;
  static const TClassInfo* info =
      PublishRectangle(TClassDecl<T>("TzrBlurRectangle", TzrRectangle::Class()))
          .Prop("Softness", &T::GetSoftness, &T::SetSoftness);
  return info;
}

void TzrBlurRectangle::SetSoftness(float Value) {
  if (FBlur.SetSoftness(Value)) Repaint();
}

void TzrBlurRectangle::SetxRadius(float Value) {
  if (Value == FxRadius) return;
  FBlur.Invalidate();
  TzrRectangle::SetxRadius(Value);
}

void TzrBlurRectangle::SetyRadius(float Value) {
  if (Value == FyRadius) return;
  FBlur.Invalidate();
  TzrRectangle::SetyRadius(Value);
}

void TzrBlurRectangle::SetCorners(TzrCorners Value) {
  if (Value == FCorners) return;
  FBlur.Invalidate();
  TzrRectangle::SetCorners(Value);
}

void TzrBlurRectangle::SetCornerType(TzrCornerType Value) {
  if (Value == FCornerType) return;
  FBlur.Invalidate();
  TzrRectangle::SetCornerType(Value);
}

void TzrBlurRectangle::FillChanged(TObject* Sender) {
  FBlur.Invalidate();
  TzrRectangle::FillChanged(Sender);
}

// The buffer holds the outline too, so a stroke change must rebuild it.
void TzrBlurRectangle::StrokeChanged(TObject* Sender) {
  FBlur.Invalidate();
  TzrRectangle::StrokeChanged(Sender);
}

void TzrBlurRectangle::Paint() {
  FBlur.Paint(this, [](TzrShape* Shape, TzrCanvas* Canvas, const TzrRect& I, float Opacity) {
    auto* self = static_cast<TzrBlurRectangle*>(Shape);
    Canvas->FillRect(I, self->FxRadius, self->FyRadius, self->FCorners, Opacity,
                     self->FCornerType);
    Canvas->DrawRect(I, self->FxRadius, self->FyRadius, self->FCorners, Opacity,
                     self->FCornerType);
  });
}

// ---------------------------------------------------------------- TzrBlurRoundRect

TzrBlurRoundRect::TzrBlurRoundRect(TComponent* AOwner) : TzrRoundRect(AOwner) {
  FStroke->SetDefaultStyle(zrBrushNone);
  FStroke->SetStyle(zrBrushNone);
}

const TClassInfo* TzrBlurRoundRect::Class() {
  using T = TzrBlurRoundRect;
  static const TClassInfo* info =
      PublishShape(TClassDecl<T>("TzrBlurRoundRect", TzrRoundRect::Class()))
          .Set("Corners", &T::GetCorners, &T::SetCorners, zrCornerInfo())
          .Default(AllCorners)
          .Prop("Softness", &T::GetSoftness, &T::SetSoftness);
  return info;
}

void TzrBlurRoundRect::SetSoftness(float Value) {
  if (FBlur.SetSoftness(Value)) Repaint();
}

void TzrBlurRoundRect::SetCorners(TzrCorners Value) {
  if (Value == GetCorners()) return;
  FBlur.Invalidate();
  TzrRoundRect::SetCorners(Value);
}

void TzrBlurRoundRect::FillChanged(TObject* Sender) {
  FBlur.Invalidate();
  TzrRoundRect::FillChanged(Sender);
}

void TzrBlurRoundRect::StrokeChanged(TObject* Sender) {
  FBlur.Invalidate();
  TzrRoundRect::StrokeChanged(Sender);
}

void TzrBlurRoundRect::Paint() {
  FBlur.Paint(this, [](TzrShape* Shape, TzrCanvas* Canvas, const TzrRect& I, float Opacity) {
    const float r = zrRectHeight(I) / 2;
    const TzrCorners corners = static_cast<TzrBlurRoundRect*>(Shape)->GetCorners();
    Canvas->FillRect(I, r, r, corners, Opacity, zrCornerRound);
    Canvas->DrawRect(I, r, r, corners, Opacity, zrCornerRound);
  });
}
