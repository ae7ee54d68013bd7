#include "scene/zr_frame.h"

#include <cmath>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_scene.h"

const TClassInfo* TzrFrame::Class() {
  using T = TzrFrame;
  static const TClassInfo* info =
      TClassDecl<T>("TzrFrame", TzrVisualObject::Class())
          .Prop("SceneObject", &T::GetSceneComponent, &T::SetSceneComponent);
  return info;
}

TzrFrame::TzrFrame(TComponent* AOwner) : TzrVisualObject(AOwner) {}

TzrFrame::~TzrFrame() {
  // Before the free notices: the shown scene forgets its frame on them.
  if (!Designing()) GiveBack();
  Destroying();
  WatchScene(nullptr);
  FBuffer.reset();
}

TComponent* TzrFrame::GetSceneComponent() const { return FSceneObject; }

void TzrFrame::SetSceneComponent(TComponent* Value) {
  SetSceneObject(dynamic_cast<TzrCustomScene*>(Value));
}

void TzrFrame::Notification(TComponent* AComponent, TOperation Operation) {
  TzrVisualObject::Notification(AComponent, Operation);
  if (Operation == opRemove && FSceneObject && AComponent == FSceneObject) SetSceneObject(nullptr);
}

void TzrFrame::GetChildren(const TGetChildProc&, TComponent*) {}

void TzrFrame::WatchScene(TzrCustomScene* Value) {
  if (FSceneObject) FSceneObject->RemoveFreeNotification(this);
  FSceneObject = Value;
  if (Value) Value->FreeNotification(this);
}

void TzrFrame::SetSceneObject(TzrCustomScene* Value) {
  if (Value == FSceneObject) return;
  IzoRurev* own = GetScene();
  if (Value && own && own->GetComponent() == Value) return;
  const bool designing = Designing();
  if (!designing) GiveBack();
  WatchScene(Value);
  if (designing) {
    Repaint();
    return;
  }
  if (!Value) return;
  if (Value->GetOpenInFrame()) {
    FNeedClone = true;
    return;
  }
  Borrow();
}

void TzrFrame::GiveBack() {
  TzrCustomScene* scene = FSceneObject;
  if (!scene || scene->GetOpenInFrame() != this || GetChildrenCount() == 0) return;
  scene->AddObject(GetChild(0));
  scene->SetOpenInFrame(nullptr);
  TComponent* clone = scene->GetCloneFrame();
  if (!clone || scene->IsDestroying()) return;
  scene->SetCloneFrame(nullptr);
  WatchScene(nullptr);
  delete clone;
}

void TzrFrame::Borrow() {
  TzrObject* root = FSceneObject ? FSceneObject->GetRoot() : nullptr;
  if (!root) return;
  FSceneObject->SetOpenInFrame(this);
  root->SetParent(this);
  if (!root->GetIsVisual()) return;
  root->GetVisual()->SetAlign(vaClient);
  Realign();
}

TzrCustomScene* TzrFrame::CloneScene() {
  auto* owner = dynamic_cast<TForm*>(FSceneObject->GetOwner());
  const TClassInfo* cls = owner ? owner->ClassType() : nullptr;
  auto* form = cls ? dynamic_cast<TForm*>(cls->Create(Application)) : nullptr;
  if (!form) return nullptr;
  auto* scene = dynamic_cast<TzrCustomScene*>(form->FindComponent(FSceneObject->GetName()));
  if (!scene) {
    delete form;
    return nullptr;
  }
  scene->SetCloneFrame(form);
  return scene;
}

void TzrFrame::Paint() {
  if (FNeedClone) {
    FNeedClone = false;
    if (!Designing() && FSceneObject) {
      if (FSceneObject->GetOpenInFrame() && FSceneObject->GetOpenInFrame() != this)
        WatchScene(CloneScene());
      if (FSceneObject && !FSceneObject->GetOpenInFrame()) Borrow();
    }
  }
  if (Designing()) PaintSnapshot();
}

void TzrFrame::PaintSnapshot() {
  TzrObject* root = FSceneObject ? FSceneObject->GetRoot() : nullptr;
  TzrCanvas* canvas = GetCanvas();
  if (!root || !root->GetIsVisual() || !canvas) return;
  TzrVisualObject* v = root->GetVisual();
  if (!FBuffer)
    FBuffer =
        std::make_unique<TzrBitmap>(int(std::nearbyint(FWidth)), int(std::nearbyint(FHeight)));
  const int w = int(std::trunc(FWidth)), h = int(std::trunc(FHeight));
  if (FBuffer->GetWidth() != w || FBuffer->GetHeight() != h) FBuffer->SetSize(w, h);
  FBuffer->Clear(0);
  const TzrRect saved = v->GetParentedRect();
  v->SetBounds(0, 0, FWidth, FHeight);
  v->PaintTo(FBuffer->GetCanvas(), GetLocalRect());
  const float bw = float(FBuffer->GetWidth()), bh = float(FBuffer->GetHeight());
  canvas->DrawBitmap(*FBuffer, {0, 0, bw, bh}, {0, 0, bw - 1, bh - 1}, 1);
  v->SetBounds(saved.Left, saved.Top, saved.Right - saved.Left, saved.Bottom - saved.Top);
}
