// TzrVisualObject: life, published properties, tree hooks, appearance state
// (opacity, enabled, visible, clipping, design hiding).

#include "scene/zr_visual.h"

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_classes.h"
#include "scene/zr_effect.h"
#include "scene/zr_stream.h"

const TEnumInfo& zrAlignInfo() {
  static const TEnumInfo info(
      "TzrAlign",
      {"vaNone",       "vaTopLeft",  "vaTopRight", "vaBottomLeft", "vaBottomRight", "vaTop",
       "vaLeft",       "vaRight",    "vaBottom",   "vaMostTop",    "vaMostBottom",  "vaMostLeft",
       "vaMostRight",  "vaClient",   "vaContents", "vaCenter",     "vaVertCenter",  "vaHorzCenter",
       "vaHorizontal", "vaVertical", "vaScale",    "vaFit",        "vaFitLeft",     "vaFitRight"});
  return info;
}

const TEnumInfo& zrDragModeInfo() {
  static const TEnumInfo info("TzrDragMode", {"zrDragManual", "zrDragAutomatic"});
  return info;
}

using T = TzrVisualObject;

const TClassInfo* TzrVisualObject::Class() {
  static const TClassInfo* info =
      TClassDecl<T>("TzrVisualObject", TzrObject::Class())
          .Enum("Align", &T::GetAlign, &T::SetAlign, zrAlignInfo())
          .Default(vaNone)
          .Prop("Cursor", &T::GetCursor, &T::SetCursor)
          .Default(0)
          .Idents(CursorIdents())
          .Enum("DragMode", &T::GetDragMode, &T::SetDragMode, zrDragModeInfo())
          .Default(zrDragManual)
          .Prop("DragDisableHighlight", &T::GetDragDisableHighlight, &T::SetDragDisableHighlight)
          .Default(0)
          .Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
          .Default(1)
          .Prop("Position", &T::GetPosition, &T::SetPosition)
          .Prop("RotateAngle", &T::GetRotateAngle, &T::SetRotateAngle)
          .Default(0)
          .Prop("RotateCenter", &T::GetRotateCenter, &T::SetRotateCenter)
          .Prop("Locked", &T::GetLocked, &T::SetLocked)
          .Default(0)
          .Prop("Width", &T::GetWidth, &T::SetWidth)
          .Prop("Height", &T::GetHeight, &T::SetHeight)
          .Prop("Margins", &T::GetMargins, &T::SetMargins)
          .Prop("Padding", &T::GetPadding, &T::SetPadding)
          .Prop("Opacity", &T::GetOpacity, &T::SetOpacity)
          .Stored(&T::OpacityStored)
          .Prop("ClipChildren", &T::GetClipChildren, &T::SetClipChildren)
          .Default(0)
          .Prop("ClipParent", &T::GetClipParent, &T::SetClipParent)
          .Default(0)
          .Prop("HitTest", &T::GetHitTest, &T::SetHitTest)
          .Default(1)
          .Prop("Hint", &T::GetHint, &T::SetHint)
          .Default(0)
          .Prop("ShowHint", &T::GetShowHint, &T::SetShowHint)
          .Default(0)
          .Prop("CanClipped", &T::GetCanClipped, &T::SetCanClipped)
          .Default(1)
          .Prop("PopupMenu", &T::GetPopupMenu, &T::SetPopupMenu)
          .Prop("Popup", &T::GetPopup, &T::SetPopup)
          .Prop("Scale", &T::GetScale, &T::SetScale)
          .Prop("Visible", &T::GetVisible, &T::SetVisible)
          .Default(1)
          .Prop("DesignHide", &T::GetDesignHide, &T::SetDesignHide)
          .Default(0)
          .Prop("IsMouseOver", &T::GetIsMouseOver, nullptr)
          .Stored(false)
          .Prop("IsDragOver", &T::GetIsDragOver, nullptr)
          .Stored(false)
          .Prop("IsFocused", &T::GetIsFocused, nullptr)
          .Stored(false)
          .Prop("IsVisible", &T::GetIsVisible, nullptr)
          .Stored(false)
          .Event("OnDragEnter", &T::OnDragEnter)
          .Event("OnDragLeave", &T::OnDragLeave)
          .Event("OnDragOver", &T::OnDragOver)
          .Event("OnDragDrop", &T::OnDragDrop)
          .Event("OnDragEnd", &T::OnDragEnd)
          .Event("OnKeyDown", &T::OnKeyDown)
          .Event("OnKeyUp", &T::OnKeyUp)
          .Event("OnClick", &T::OnClick)
          .Event("OnDblClick", &T::OnDblClick)
          .Event("OnCanFocused", &T::OnCanFocused)
          .Event("OnEnterFocus", &T::OnEnterFocus)
          .Event("OnKillFocus", &T::OnKillFocus)
          .Event("OnMouseDown", &T::OnMouseDown)
          .Event("OnMouseMove", &T::OnMouseMove)
          .Event("OnMouseUp", &T::OnMouseUp)
          .Event("OnMouseWheel", &T::OnMouseWheel)
          .Event("OnMouseEnter", &T::OnMouseEnter)
          .Event("OnMouseLeave", &T::OnMouseLeave)
          .Event("OnBeforePaint", &T::OnBeforePaint)
          .Event("OnPaint", &T::OnPaint)
          .Event("OnApplyResource", &T::OnApplyResource);
  return info;
}

void RegisterVisualClasses() {
  static const bool done = [] {
    RegisterZRObjects("Layout", {TzrContent::Class()});
    RegisterClass(TzrVisualObject::Class());
    return true;
  }();
  (void)done;
}

// ---------------------------------------------------------------- life

TzrVisualObject::TzrVisualObject(TComponent* AOwner)
    : TzrObject(AOwner),
      FMargins(std::make_unique<TzrBounds>()),
      FPadding(std::make_unique<TzrBounds>()),
      FPosition(std::make_unique<TzrPosition>(TzrPoint{0, 0})),
      FScale(std::make_unique<TzrPosition>(TzrPoint{1, 1})),
      FSkew(std::make_unique<TzrPosition>(TzrPoint{0, 0})),
      FRotateCenter(std::make_unique<TzrPosition>(TzrPoint{0.5f, 0.5f})) {
  FIsVisual = true;
  FVisual = this;
  FScale->SetPoint({1, 1});
  FRotateCenter->SetPoint({0.5f, 0.5f});
  auto matrixChanged = [this](TObject* Sender) { MatrixChanged(Sender); };
  FPosition->OnChange = matrixChanged;
  FScale->OnChange = matrixChanged;
  FSkew->OnChange = matrixChanged;
  FRotateCenter->OnChange = matrixChanged;
  FMargins->OnChange = [this](TObject* Sender) { MarginsChanged(Sender); };
  FPadding->OnChange = [this](TObject* Sender) { PaddingChanged(Sender); };
}

TzrVisualObject::~TzrVisualObject() {
  Destroying();
  // The node leaves its parent and frees its children here, while its values
  // are whole: the parent's removal hooks repaint the node's old area, and
  // the children's read their parent.
  if (FParent) {
    if (FScene) FScene->Notification(this, opRemove);
    FParent->RemoveObject(this);
  }
  DeleteChildren();
  FEffectBitmap.reset();
  FPosition->OnChange = nullptr;
  FScale->OnChange = nullptr;
  FSkew->OnChange = nullptr;
  FRotateCenter->OnChange = nullptr;
  FMargins->OnChange = nullptr;
  FPadding->OnChange = nullptr;
}

void TzrVisualObject::Loaded() {
  TzrObject::Loaded();
  FLastHeight = FHeight;
  FLastWidth = FWidth;
  MatrixChanged(this);
  FixupTabList();
  if (GetChildrenCount() > 0) Realign();
}

void TzrVisualObject::Notification(TComponent* AComponent, TOperation Operation) {
  TzrObject::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (AComponent == FPopup) FPopup = nullptr;
}

void TzrVisualObject::SetPopupMenu(TComponent* Value) {
  if (Value == FPopupMenu) return;
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TzrVisualObject::SetPopup(TzrVisualObject* Value) {
  if (Value == FPopup) return;
  FPopup = Value;
  if (Value) Value->FreeNotification(this);
}

void TzrVisualObject::SetNewScene(IzoRurev* AScene) {
  if (!AScene && FScene && FIsFocused) {
    KillFocus();
    if (FScene->GetFocused() == this) FScene->SetFocused(nullptr);
  }
  TzrObject::SetNewScene(AScene);
}

void TzrVisualObject::DeleteChildren() {
  TzrObject::DeleteChildren();
  FCaret = nullptr;
}

// ---------------------------------------------------------------- tree hooks

void TzrVisualObject::SetClipParent(bool Value) {
  if (Value == FClipParent) return;
  FClipParent = Value;
  if (TzrVisualObject* parent = VisualParent()) parent->FClipParentChildren += Value ? 1 : -1;
}

TzrVisualObject* TzrVisualObject::VisualParent() const {
  return FParent && FParent->GetIsVisual() ? FParent->GetVisual() : nullptr;
}

bool TzrVisualObject::Designing() {
  IzoRurev* scene = GetScene();
  return scene && scene->GetDesignTime();
}

void TzrVisualObject::DoAddObject(TzrObject* AObject) {
  auto* child = AObject->GetIsVisual() ? AObject->GetVisual() : nullptr;
  if (!child) ++FNonVisualChildren;
  if (child && child->FClipParent) ++FClipParentChildren;
  if (child && child->FAlign != vaNone) FNeedAlign = true;
  if (auto* effect = dynamic_cast<TzrEffect*>(AObject); effect && effect->GetEnabled()) {
    FHasEffect = true;
    UpdateEffects();
    RecalcUpdateRect();  // the rectangle grows by the effect's margins
  }
  if (!child) return;
  FTabList.push_back(child);
  if (FTempCanvas) child->SetTempCanvas(FTempCanvas);
  child->FUpdating = FUpdating;
  child->RecalcOpacity();
  child->RecalcAbsolute();
  child->RecalcUpdateRect();
  if (FHasEffect) {
    UpdateEffects();
    Repaint();
  }
  if (child->FAlign != vaNone)
    Realign();
  else
    child->Repaint();
}

void TzrVisualObject::DoRemoveObject(TzrObject* AObject) {
  if (auto* effect = dynamic_cast<TzrEffect*>(AObject); effect && effect->GetEnabled()) {
    Repaint();  // the area with the leaving effect's margins
    RecalcUpdateRect();
  }
  auto* child = AObject->GetIsVisual() ? AObject->GetVisual() : nullptr;
  if (!child) return;
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), child), FTabList.end());
  child->FUpdating = 0;
  child->Repaint();
  // The parent's rectangle united the leaving child's.
  RecalcUpdateRect();
}

void TzrVisualObject::DoRemovedObject(TzrObject* AObject) {
  auto* child = AObject->GetIsVisual() ? AObject->GetVisual() : nullptr;
  if (!child) --FNonVisualChildren;
  if (child && child->FClipParent) --FClipParentChildren;
  RecalcHasEffect();
  if (!child) return;
  ForgetFreshChild(child);
  if (AObject == FCaret) FCaret = nullptr;
  RecalcNeedAlign();
  if (child->FTempCanvas) child->SetTempCanvas(nullptr);
}

void TzrVisualObject::AdoptDesignSize(TzrObject* ADesign) {
  auto* design = ADesign && ADesign->GetIsVisual() ? ADesign->GetVisual() : nullptr;
  if (!design) return;
  FLastWidth = design->FWidth;
  FLastHeight = design->FHeight;
  Realign();
}

// ---------------------------------------------------------------- opacity

void TzrVisualObject::SetOpacity(float Value) {
  if (Value == FOpacity) return;
  FOpacity = std::clamp(Value, 0.0f, 1.0f);
  RecalcOpacity();
  Repaint();
}

float TzrVisualObject::GetAbsoluteOpacity() {
  if (!FRecalcOpacity) return FAbsoluteOpacity;
  TzrVisualObject* parent = VisualParent();
  float opacity = parent ? parent->GetAbsoluteOpacity() * FOpacity : FOpacity;
  // A disabled subtree fades by 0.8 per level below the root's children.
  IzoRurev* scene = GetScene();
  if (!GetAbsoluteEnabled() && scene) {
    TzrObject* root = scene->GetRoot();
    if (this != root && FParent != root) opacity *= 0.8f;
  }
  FAbsoluteOpacity = opacity;
  FRecalcOpacity = false;
  return opacity;
}

void TzrVisualObject::RecalcOpacity() {
  FRecalcOpacity = true;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual()) child->GetVisual()->RecalcOpacity();
}

// ---------------------------------------------------------------- enabled

void TzrVisualObject::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  RecalcEnabled();
  RecalcOpacity();
  Repaint();
}

bool TzrVisualObject::GetAbsoluteEnabled() {
  if (!FRecalcEnabled) return FAbsoluteEnabled;
  TzrVisualObject* parent = VisualParent();
  FAbsoluteEnabled = parent && !parent->GetAbsoluteEnabled() ? false : FEnabled;
  FRecalcEnabled = false;
  if (!FAbsoluteEnabled && FIsFocused && GetScene()) GetScene()->SetFocused(nullptr);
  return FAbsoluteEnabled;
}

void TzrVisualObject::RecalcEnabled() {
  FRecalcEnabled = true;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual()) child->GetVisual()->RecalcEnabled();
}

// ---------------------------------------------------------------- visibility

void TzrVisualObject::SetVisible(bool Value) {
  if (Value == FVisible) return;
  IzoRurev* scene = GetScene();
  if (FVisible && scene) scene->AddUpdateRect(GetUpdateRect());
  FVisible = Value;
  GeometryChanged();
  TzrVisualObject* parent = VisualParent();
  if (!IsLoading() && FAlign != vaNone && parent) parent->Realign();
  if (FVisible) {
    RecalcUpdateRect();
    if (scene) scene->AddUpdateRect(GetUpdateRect());
    StartTriggerAnimation(this, "IsVisible");
  } else if (FIsFocused && scene) {
    scene->SetFocused(nullptr);
  }
}

bool TzrVisualObject::CheckParentVisible() {
  for (TzrVisualObject* v = this; v; v = v->VisualParent())
    if (!v->FVisible) return false;
  return true;
}

void TzrVisualObject::SetClipChildren(bool Value) {
  if (Value == FClipChildren) return;
  FClipChildren = Value;
  Repaint();
}

void TzrVisualObject::Lock() {
  FLocked = true;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual()) child->GetVisual()->Lock();
}

void TzrVisualObject::SetDesignHide(bool Value) {
  if (Value == FDesignHide) return;
  FDesignHide = Value;
  TzrVisualObject* parent = VisualParent();
  if (Designing() && parent) parent->Repaint();
}

void TzrVisualObject::UpdateDesignHide(bool Value) {
  FDesignHide = Value;
  for (int i = 0; i < GetChildrenCount(); ++i)
    if (TzrObject* child = GetChild(i); child->GetIsVisual())
      child->GetVisual()->UpdateDesignHide(Value);
}
