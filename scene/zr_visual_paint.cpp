// TzrVisualObject: the painting walk, effects, off-screen rendering, hit
// testing and the text caret.

#include <cmath>
#include <optional>

#include "platform/rtl/Rtti.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_effect.h"
#include "scene/zr_visual.h"

namespace {

// How visual brushes have their object paint itself (the canvas calls it).
void PaintVisualTo(TzrObject* AVisual, TzrCanvas* ACanvas, const TzrRect& ARect) {
  if (AVisual && AVisual->GetIsVisual()) AVisual->GetVisual()->PaintTo(ACanvas, ARect, nullptr);
}

const bool kPaintVisualHook = (zrPaintVisualTo = &PaintVisualTo, true);

bool TouchesPendingRects(IzoRurev* AScene, const TzrRect& R) {
  for (int i = 0; i < AScene->GetUpdateRectsCount(); ++i)
    if (zrIntersectRect(R, AScene->GetUpdateRect(i))) return true;
  return false;
}

// The outline of the drop-target frame.
void StrokeFrame(TzrCanvas* C, float AWidth, float AHeight) {
  TzrRect r = zrRect(0, 0, AWidth, AHeight);
  zrInflateRect(r, -1, -1);
  C->DrawRect(r, 1, 1, AllCorners, 1, zrCornerRound);
}

TzrRect ScaledRect(const TzrRect& R, float Sx, float Sy) {
  return zrRect(R.Left * Sx, R.Top * Sy, R.Right * Sx, R.Bottom * Sy);
}

}  // namespace

TzrCanvas* TzrVisualObject::GetCanvas() {
  if (FTempCanvas) return FTempCanvas;
  IzoRurev* scene = GetScene();
  return scene ? scene->GetCanvas() : nullptr;
}

// ---------------------------------------------------------------- painting walk

void TzrVisualObject::PaintChildren() {
  IzoRurev* scene = GetScene();
  if (!scene || GetChildrenCount() == 0) return;
  const bool designing = scene->GetDesignTime();
  for (int i = 0; i < GetChildrenCount(); ++i) PaintChild(GetChild(i), scene, designing);
}

void TzrVisualObject::PaintChild(TzrObject* AObject, IzoRurev* AScene, bool ADesigning) {
  (void)kPaintVisualHook;
  IzoRurev* scene = AScene;
  const bool designing = ADesigning;
  if (!AObject->GetIsVisual()) return;
  TzrVisualObject* child = AObject->GetVisual();
  if (!child->FVisible && !(designing && !child->FLocked)) return;
  if (designing && child->FDesignHide) return;
  // A node without area is not painted, nor is anything it holds.
  if (child->FWidth == 0 || child->FHeight == 0) return;
  const TzrRect u = child->GetUpdateRect();
  if (zrRectWidth(u) == 0 || zrRectHeight(u) == 0) return;
  child->FScene = scene;
  if (FClipChildren && !zrIntersectRect(u, GetUpdateRect())) return;
  const bool draw = designing || child->FInPaintTo ||
                    TouchesPendingRects(scene, zrUnionRect(u, child->GetChildrenRect()));
  TzrCanvas* canvas = child->GetCanvas();
  if (draw && canvas) {
    std::optional<TCanvasState> s1;
    if (FClipChildren && child->FCanClipped) {
      s1.emplace(canvas);
      canvas->SetMatrix(GetAbsoluteMatrix());
      canvas->IntersectClipRect(GetClipRect());
    }
    canvas->SetMatrix(child->GetAbsoluteMatrix());
    child->BeforePaint();
    if (child->FHasEffect && !child->HasAfterPaintEffect()) child->ApplyEffect();
    canvas->SetMatrix(child->GetAbsoluteMatrix());
    if (!child->HasDisablePaintEffect()) {
      std::optional<TCanvasState> s2;
      if (TzrObject* cut = child->FClipParentChildren > 0 ? child->HasClipParent() : nullptr) {
        s2.emplace(canvas);
        canvas->SetMatrix(cut->GetVisual()->GetAbsoluteMatrix());
        canvas->ExcludeClipRect(cut->GetVisual()->GetLocalRect());
        canvas->SetMatrix(child->GetAbsoluteMatrix());
      }
      {
        std::optional<TCanvasState> s3;
        if (child->FClipChildren) {
          s3.emplace(canvas);
          canvas->IntersectClipRect(child->GetClipRect());
        }
        if (child->OnBeforePaint) {
          child->OnBeforePaint(child, canvas, child->GetLocalRect());
          canvas->SetMatrix(child->GetAbsoluteMatrix());
        }
        child->Paint();
      }
      s2.reset();
      child->PaintChildren();
      if (child->OnPaint) {
        canvas->SetMatrix(child->GetAbsoluteMatrix());
        child->OnPaint(child, canvas, child->GetLocalRect());
      }
    }
    child->AfterPaint();
    if (child->FIsDragOver && !child->FDragDisableHighlight) {
      canvas->SetMatrix(child->GetAbsoluteMatrix());
      canvas->GetStroke()->SetStyle(zrBrushSolid);
      canvas->GetStroke()->SetSolidColor(0xB2005ACC);
      canvas->SetStrokeCap(zrCapFlat);
      canvas->SetStrokeJoin(zrJoinMiter);
      canvas->SetStrokeDash(zrDashSolid);
      canvas->SetStrokeThickness(3);
      StrokeFrame(canvas, child->FWidth, child->FHeight);
    }
  }
  if (canvas && child->HasAfterPaintEffect()) {
    canvas->SetMatrix(child->GetAbsoluteMatrix());
    child->ApplyEffect();
  }
}

// ---------------------------------------------------------------- effects

void TzrVisualObject::ApplyEffect() {
  if (GetChildrenCount() == 0 || !GetScene() || !FHasEffect || FDisableEffect) return;
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  TCanvasState state(canvas);
  const TzrRect local = zrRect(0, 0, FWidth, FHeight);
  const bool highSpeed = FRotateAngle == 0;
  const float opacity = GetAbsoluteOpacity();
  if (FEffectBitmap && !FUpdateEffects) {
    canvas->SetMatrix(GetAbsoluteMatrix());
    for (int i = 0; i < GetChildrenCount(); ++i) {
      auto* effect = dynamic_cast<TzrEffect*>(GetChild(i));
      if (!effect || !effect->GetEnabled()) continue;
      canvas->DrawBitmap(*FEffectBitmap,
                         zrRect(0, 0, FEffectBitmap->GetWidth(), FEffectBitmap->GetHeight()),
                         effect->GetRect(local), opacity, highSpeed);
    }
    return;
  }
  if (!DefaultCanvasClass) return;
  for (int i = 0; i < GetChildrenCount(); ++i) {
    auto* effect = dynamic_cast<TzrEffect*>(GetChild(i));
    if (!effect || !effect->GetEnabled()) continue;
    const TzrPoint s = GetAbsoluteScale();
    TzrRect r = ScaledRect(effect->GetRect(local), s.X, s.Y);
    const int bw = int(std::trunc(zrRectWidth(r))), bh = int(std::trunc(zrRectHeight(r)));
    if (!FEffectBitmap)
      FEffectBitmap = std::make_unique<TzrBitmap>(bw, bh);
    else if (FEffectBitmap->GetWidth() != bw || FEffectBitmap->GetHeight() != bh)
      FEffectBitmap->SetSize(bw, bh);
    if (FEffectBitmap->IsEmpty()) continue;
    {
      std::unique_ptr<TzrCanvas> bitmapCanvas =
          DefaultCanvasClass->CreateFromBitmap(FEffectBitmap.get());
      TCanvasState bitmapState(bitmapCanvas.get());
      bitmapCanvas->BeginScene();
      bitmapCanvas->Clear(0);
      bitmapCanvas->SetMatrix(IdentityMatrix);
      const TzrPoint o = effect->GetOffset();
      PaintTo(bitmapCanvas.get(),
              ScaledRect(zrRect(o.X, o.Y, o.X + FWidth, o.Y + FHeight), s.X, s.Y), nullptr);
      bitmapCanvas->EndScene();
      FEffectBitmap->SetNeedUpdate(true);
      effect->ProcessEffect(bitmapCanvas.get(), FEffectBitmap.get(), s.X);
    }
    FEffectBitmap->SetNeedUpdate(true);
    r = ScaledRect(r, 1 / s.X, 1 / s.Y);
    canvas->SetMatrix(GetAbsoluteMatrix());
    canvas->DrawBitmap(*FEffectBitmap, zrRect(0, 0, bw, bh), r, opacity, highSpeed);
  }
  FUpdateEffects = false;
}

// ---------------------------------------------------------------- off-screen rendering

void TzrVisualObject::SetInPaintTo(bool Value) {
  FInPaintTo = Value;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual())
      child->GetVisual()->SetInPaintTo(Value);
}

void TzrVisualObject::SetTempCanvas(TzrCanvas* ACanvas) {
  FTempCanvas = ACanvas;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual())
      child->GetVisual()->SetTempCanvas(ACanvas);
}

void TzrVisualObject::PaintTo(TzrCanvas* ACanvas, const TzrRect& ARect, TzrObject* AParent) {
  IzoRurev* scene = GetScene();
  if (!scene || !ACanvas || FWidth * FHeight == 0) return;
  scene->SetDisableUpdate(true);
  const bool savedDisableAlign = FDisableAlign;
  FDisableAlign = true;
  SetInPaintTo(true);
  TzrCanvas* savedCanvas = FTempCanvas;
  SetTempCanvas(ACanvas);
  const uint32_t canvasState = ACanvas->SaveCanvas();
  const TzrPoint savedPosition = FPosition->GetPoint(), savedScale = FScale->GetPoint();
  TzrObject* savedParent = FParent;
  const float savedAngle = FRotateAngle;
  auto quiet = [](TzrPosition& P, const TzrPoint& V) {
    TNotifyEvent saved = std::move(P.OnChange);
    P.OnChange = nullptr;
    P.SetPoint(V);
    P.OnChange = std::move(saved);
  };
  auto putBack = [&] {
    FRotateAngle = savedAngle;
    quiet(*FPosition, savedPosition);
    quiet(*FScale, savedScale);
    FParent = savedParent;
    MatrixChanged(this);
    RecalcUpdateRect();
    RecalcAbsoluteNow();
    RecalcOpacity();
    RecalcEnabled();
  };
  auto restore = [&] {
    SetInPaintTo(false);
    FDisableAlign = savedDisableAlign;
    ACanvas->RestoreCanvas(canvasState);
    SetTempCanvas(savedCanvas);
    scene->SetDisableUpdate(false);
  };
  try {
    // Only the parent link stands in: the child lists stay as they are.
    FParent = AParent;
    quiet(*FPosition, ARect.TopLeft());
    quiet(*FScale, {zrRectWidth(ARect) / FWidth, zrRectHeight(ARect) / FHeight});
    FRotateAngle = 0;
    MatrixChanged(this);
    ACanvas->SetMatrix(GetAbsoluteMatrix());
    BeforePaint();
    Paint();
    AfterPaint();
    PaintChildren();
  } catch (...) {
    putBack();
    restore();
    throw;
  }
  putBack();
  restore();
}

std::unique_ptr<TzrBitmap> TzrVisualObject::MakeScreenshot() {
  auto bitmap =
      std::make_unique<TzrBitmap>(int(std::nearbyint(FWidth)), int(std::nearbyint(FHeight)));
  bitmap->Clear(0);
  if (!DefaultCanvasClass || bitmap->IsEmpty()) return bitmap;
  std::unique_ptr<TzrCanvas> canvas = DefaultCanvasClass->CreateFromBitmap(bitmap.get());
  if (canvas->BeginScene()) {
    PaintTo(canvas.get(), zrRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight()), nullptr);
    canvas->EndScene();
  }
  bitmap->SetNeedUpdate(true);
  return bitmap;
}

// ---------------------------------------------------------------- hit testing

bool TzrVisualObject::PointInObject(float X, float Y) {
  const TzrPoint p = AbsoluteToLocal({X, Y});
  return p.X > 0 && p.X < FWidth && p.Y > 0 && p.Y < FHeight;
}

bool TzrVisualObject::CheckHitTest() {
  if (!Designing()) return FHitTest;
  return !FLocked && !FDesignHide;
}

TzrVisualObject* TzrVisualObject::ObjectByPoint(float X, float Y) {
  const bool designing = Designing();
  if (!FVisible && !designing) return nullptr;
  if (!designing && zrClassIs(this, "TzrControl") && !GetAbsoluteEnabled()) return nullptr;
  if (FClipChildren && !PointInObject(X, Y)) return nullptr;
  if (!(designing && FDesignHide))
    for (int i = GetChildrenCount() - 1; i >= 0; --i) {
      TzrObject* object = GetChild(i);
      if (!object->GetIsVisual()) continue;
      TzrVisualObject* child = object->GetVisual();
      if (!child->FVisible && !designing) continue;
      if (TzrVisualObject* found = child->ObjectByPoint(X, Y)) return found;
    }
  return PointInObject(X, Y) && CheckHitTest() ? this : nullptr;
}

TzrVisualObject* TzrVisualObject::FindTarget(const TzrPoint& APoint, const TzrDragObject& Data) {
  const bool designing = Designing();
  if (!FVisible && !designing) return nullptr;
  if (!designing && zrClassIs(this, "TzrControl") && !GetAbsoluteEnabled()) return nullptr;
  const bool askChildren =
      !(designing && FDesignHide) && !(FClipChildren && !PointInObject(APoint.X, APoint.Y));
  if (askChildren)
    for (int i = GetChildrenCount() - 1; i >= 0; --i) {
      TzrObject* object = GetChild(i);
      if (!object->GetIsVisual()) continue;
      TzrVisualObject* child = object->GetVisual();
      if (!child->FVisible && !designing) continue;
      if (TzrVisualObject* found = child->FindTarget(APoint, Data)) return found;
    }
  bool accept = false;
  DragOver(Data, APoint, accept);
  return PointInObject(APoint.X, APoint.Y) && CheckHitTest() && accept ? this : nullptr;
}

// ---------------------------------------------------------------- caret

namespace {

// Sets a published property by path when the class has it.
void SetPropIfAny(TObject* AObject, const std::string& APath, const Variant& AValue) {
  if (FindPropPath(AObject, APath)) SetPropValue(AObject, APath, AValue);
}

}  // namespace

void TzrVisualObject::CreateCaret() {
  if (FCaret) return;
  const TClassInfo* cls = GetClass("TzrRectangle");
  TObject* made = cls ? cls->Create(this) : nullptr;
  auto* caret = dynamic_cast<TzrVisualObject*>(made);
  if (!caret) {
    delete made;
    return;
  }
  caret->FVisible = false;
  caret->SetParent(this);
  caret->SetWidth(3);
  caret->SetHeight(20);
  caret->SetStored(false);
  caret->SetHitTest(false);
  caret->SetLocked(true);
  SetPropIfAny(caret, "Fill.Color", Variant(std::string("#FF0000FF")));
  SetPropIfAny(caret, "Stroke.Style", Variant(std::string("zrBrushNone")));
  FCaret = caret;
  IzoRurev* scene = GetScene();
  if (!scene || !scene->GetAnimatedCaret()) return;
  const TClassInfo* animationClass = GetClass("TzrFloatAnimation");
  TObject* animationMade = animationClass ? animationClass->Create(this) : nullptr;
  auto* animation = dynamic_cast<TzrObject*>(animationMade);
  if (!animation) {
    delete animationMade;
    return;
  }
  animation->SetParent(caret);
  animation->SetBindingName("caret");
  SetPropIfAny(animation, "StartValue", Variant(1.0));
  SetPropIfAny(animation, "StopValue", Variant(0.0));
  SetPropIfAny(animation, "Duration", Variant(0.1));
  SetPropIfAny(animation, "PropertyName", Variant(std::string("Opacity")));
  SetPropIfAny(animation, "AutoReverse", Variant(true));
  SetPropIfAny(animation, "Loop", Variant(true));
  SetPropIfAny(animation, "Enabled", Variant(false));
}

void TzrVisualObject::ShowCaretProc() {
  CreateCaret();
  if (!FCaret) return;
  FCaret->SetVisible(true);
  TzrObject* found = FCaret->FindBinding("caret");
  auto* animation = found && found != FCaret ? dynamic_cast<IzrAnimation*>(found) : nullptr;
  if (animation && !animation->GetRunning()) animation->Start();
}

void TzrVisualObject::HideCaret() {
  if (FCaret) FCaret->SetVisible(false);
}

void TzrVisualObject::SetCaretPos(const TzrPoint& APoint) {
  CreateCaret();
  if (FCaret) FCaret->FPosition->SetPoint({std::nearbyint(APoint.X), std::nearbyint(APoint.Y)});
}

void TzrVisualObject::SetCaretSize(const TzrPoint& ASize) {
  CreateCaret();
  if (!FCaret) return;
  FCaret->SetWidth(ASize.X);
  FCaret->SetHeight(ASize.Y);
}

void TzrVisualObject::SetCaretColor(TzrColor AColor) {
  CreateCaret();
  if (!FCaret) return;
  if (auto* fill = dynamic_cast<TzrBrush*>(
          FindPropPath(FCaret, "Fill") ? GetObjectProp(FCaret, "Fill") : nullptr))
    fill->SetSolidColor(AColor);
}
