#include "controls/zr_gradient_edit.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_color_quad.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_gradient.h"

const TClassInfo* TzrGradientEdit::Class() {
  using T = TzrGradientEdit;
  static const TClassInfo* info = TClassDecl<T>("TzrGradientEdit", TzrControl::Class())
                                      .Event("OnChange", &T::OnChange)
                                      .Event("OnSelectPoint", &T::OnSelectPoint)
                                      .Prop("ColorPicker", &T::GetColorPicker, &T::SetColorPicker);
  return info;
}

TzrGradientEdit::TzrGradientEdit(TComponent* AOwner)
    : TzrControl(AOwner), FGradient(std::make_unique<TzrGradient>()) {
  SetWidth(200);
  SetHeight(20);
  SetAutoCapture(true);
  FGradient->OnChanged = [this](TObject*) { DoChanged(); };
}

TzrGradientEdit::~TzrGradientEdit() { FGradient->OnChanged = nullptr; }

bool TzrGradientEdit::HasPoint(int Index) const {
  return Index >= 0 && Index < FGradient->GetPoints()->Count();
}

void TzrGradientEdit::SetGradient(TzrGradient* Value) { FGradient->Assign(Value); }

void TzrGradientEdit::PassColor() {
  if (FColorPicker && HasPoint(FCurrentPoint))
    FColorPicker->SetColor(FGradient->GetPoints()->GetPoint(FCurrentPoint)->GetIntColor());
}

void TzrGradientEdit::UpdateGradient() { PassColor(); }

void TzrGradientEdit::DoChanged() {
  if (OnChange) OnChange(this);
  UpdateGradient();
}

void TzrGradientEdit::SetCurrentPoint(int Value) {
  if (Value == FCurrentPoint) return;
  FCurrentPoint = Value;
  if (OnSelectPoint) OnSelectPoint(this);
  PassColor();
}

void TzrGradientEdit::SetColorPicker(TzrColorPicker* Value) {
  if (FColorPicker && FColorPicker != Value) FColorPicker->RemoveFreeNotification(this);
  FColorPicker = Value;
  if (!FColorPicker) return;
  FColorPicker->FreeNotification(this);
  PassColor();
}

void TzrGradientEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FColorPicker) FColorPicker = nullptr;
}

TzrRect TzrGradientEdit::GetPointRect(int Index) {
  if (!HasPoint(Index)) return zrRect(0, 0, 0, 0);
  const float x = (GetWidth() - 20) * FGradient->GetPoints()->GetPoint(Index)->GetOffset() + 10;
  return zrRect(x - 5, GetHeight() - 10, x + 5, GetHeight());
}

float TzrGradientEdit::OffsetAt(float X) const {
  const float span = GetWidth() - 20;
  if (span <= 0) return 0;
  return std::clamp((X - 10) / span, 0.0f, 1.0f);
}

// ---------------------------------------------------------------- pointer

// A stop inserted at the offset under X, after the first stop and before
// the first later stop with a greater offset; none right of the last.
void TzrGradientEdit::InsertPoint(float X) {
  TzrGradientPoints* points = FGradient->GetPoints();
  const float p = OffsetAt(X);
  int at = -1;
  for (int i = 1; i < points->Count(); ++i)
    if (points->GetPoint(i)->GetOffset() > p) {
      at = i;
      break;
    }
  if (at < 0) return;
  const TzrColor color = FGradient->InterpolateColor(p);
  TzrGradientPoint* point = points->AddPoint(color, p);
  point->SetIndex(at);
  FCurrentPoint = at;
  Repaint();
  DoChanged();
}

void TzrGradientEdit::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrControl::MouseDown(Button, Shift, X, Y);
  FMoving = false;
  if (Button != mbLeft) return;
  for (int i = 0; i < FGradient->GetPoints()->Count(); ++i) {
    const TzrRect r = GetPointRect(i);
    if (X < r.Left || X > r.Right || Y < r.Top || Y > r.Bottom) continue;
    FCurrentPoint = i;
    if (OnSelectPoint) OnSelectPoint(this);
    FMoving = true;
    Repaint();
    return;
  }
  if (Y > 0 && Y < GetHeight() - 10) InsertPoint(X);
}

void TzrGradientEdit::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (!(Shift & ssLeft) || !FMoving || !HasPoint(FCurrentPoint)) return;
  TzrGradientPoints* points = FGradient->GetPoints();
  const int count = points->Count();
  FCurrentPointInvisible = (Y < -10 || Y > GetHeight() + 10) && count >= 2 && FCurrentPoint != 0 &&
                           FCurrentPoint != count - 1;
  TzrGradientPoint* point = points->GetPoint(FCurrentPoint);
  point->SetOffset(OffsetAt(X));
  if (FCurrentPoint + 1 < count &&
      points->GetPoint(FCurrentPoint + 1)->GetOffset() < point->GetOffset()) {
    point->SetIndex(++FCurrentPoint);
  }
  if (FCurrentPoint > 0 && points->GetPoint(FCurrentPoint - 1)->GetOffset() > point->GetOffset()) {
    point->SetIndex(--FCurrentPoint);
  }
  Repaint();
  DoChanged();
}

void TzrGradientEdit::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrControl::MouseUp(Button, Shift, X, Y);
  FCurrentPointInvisible = false;
  const bool moving = FMoving;
  FMoving = false;
  TzrGradientPoints* points = FGradient->GetPoints();
  if (!moving || Y <= GetHeight() + 10 || points->Count() < 2 || !HasPoint(FCurrentPoint)) {
    Repaint();
    return;
  }
  points->Delete(FCurrentPoint);
  FCurrentPoint = std::max(FCurrentPoint - 1, 0);
  Repaint();
  DoChanged();
}

// ---------------------------------------------------------------- paint

void TzrGradientEdit::Paint() {
  TzrCanvas* canvas = GetCanvas();
  const float opacity = GetAbsoluteOpacity();
  const int w = int(std::trunc(GetWidth())), h = int(std::trunc(GetHeight() - 10));
  if (!FBitmap) FBitmap = std::make_unique<TzrBitmap>(std::max(w, 0), std::max(h, 0));
  for (int y = 0; y < FBitmap->GetHeight(); ++y) {
    TzrColor* row = FBitmap->GetScanline(y);
    for (int x = 0; x < FBitmap->GetWidth(); ++x)
      row[x] = FGradient->InterpolateColor(float(x) / FBitmap->GetWidth());
  }
  FBitmap->BitmapChanged();
  const TzrRect ramp = zrRect(10, 0, GetWidth() - 10, GetHeight() - 10);
  const uint32_t state = canvas->SaveCanvas();
  canvas->IntersectClipRect(ramp);
  canvas->GetStroke()->SetStyle(zrBrushNone);
  zrPaintCheckerboard(canvas, GetLocalRect(), 10, opacity);
  canvas->RestoreCanvas(state);
  if (!FBitmap->IsEmpty())
    canvas->DrawBitmap(*FBitmap,
                       zrRect(0, 0, float(FBitmap->GetWidth()), float(FBitmap->GetHeight())), ramp,
                       opacity);
  canvas->SetStrokeThickness(1);
  for (int i = 0; i < FGradient->GetPoints()->Count(); ++i) {
    if (i == FCurrentPoint && FCurrentPointInvisible) continue;
    TzrRect r = GetPointRect(i);
    zrInflateRect(r, -1, -1);
    canvas->GetFill()->SetStyle(zrBrushSolid);
    canvas->GetFill()->SetSolidColor(FGradient->GetPoints()->GetPoint(i)->GetIntColor());
    canvas->FillRect(r, 0, 0, AllCorners, opacity);
    canvas->GetStroke()->SetStyle(zrBrushSolid);
    canvas->GetStroke()->SetSolidColor(0xFF757575);
    canvas->DrawRect(r, 0, 0, AllCorners, opacity);
  }
  if (!HasPoint(FCurrentPoint) || FCurrentPointInvisible) return;
  canvas->GetStroke()->SetSolidColor(0xFFFFFFFF);
  canvas->DrawRect(GetPointRect(FCurrentPoint), 0, 0, AllCorners, opacity);
}
