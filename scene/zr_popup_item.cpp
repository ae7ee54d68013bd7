#include "scene/zr_popup_item.h"

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_classes.h"
#include "scene/zr_scene.h"
#include "scene/zr_stream.h"
#include "scene/zr_text_forms.h"

const TClassInfo* TzrPopupItem::Class() {
  using T = TzrPopupItem;
  static const TClassInfo* info =
      TClassDecl<T>("TzrPopupItem", TzrControl::Class())
          .Enum("Placement", &T::GetPlacement, &T::SetPlacement, zrPlacementInfo())
          .Default(zrPlacementBottom)
          .Prop("HorizontalOffset", &T::GetHorizontalOffset, &T::SetHorizontalOffset)
          .Prop("VerticalOffset", &T::GetVerticalOffset, &T::SetVerticalOffset);
  return info;
}

TzrPopupItem::TzrPopupItem(TComponent* AOwner) : TzrControl(AOwner) {
  auto* popup = new TzrPopup(this);
  FPopup = popup;
  popup->SetParent(this);
  popup->SetPlacementTarget(this);
  popup->SetStaysOpen(false);
  popup->SetStored(false);
  popup->SetLocked(true);
  popup->SetDesignHide(true);
  popup->OnClosePopup = [this](TObject* Sender) { DoClosePopup(Sender); };
}

void TzrPopupItem::DefineProperties(TFiler* Filer) {
  TzrControl::DefineProperties(Filer);
  Filer->DefineProperty(
      "PopupSize",
      [this](TReader* Reader) {
        const TzrRect r = zrStringToRect(Reader->ReadString());
        TzrPosition* at = FPopup->GetPosition();
        FPopup->SetBounds(at->GetX(), at->GetY(), r.Right - r.Left, r.Bottom - r.Top);
      },
      [this](TWriter* Writer) { Writer->WriteString(zrRectToString(FPopup->GetLocalRect())); },
      true);
}

void TzrPopupItem::AddObject(TzrObject* AObject) {
  const bool own = !FPopup || AObject == FPopup || AObject == GetResourceLink() ||
                   dynamic_cast<IzrEffect*>(AObject) || dynamic_cast<IzrAnimation*>(AObject);
  if (own)
    TzrControl::AddObject(AObject);
  else
    FPopup->AddObject(AObject);
}

void TzrPopupItem::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TzrControl::GetChildren(Proc, Root);
  for (int i = 0; i < FPopup->GetChildrenCount(); ++i) {
    TzrObject* child = FPopup->GetChild(i);
    if (child->GetStored()) Proc(child);
  }
}

void TzrPopupItem::SetPlacement(TzrPlacement Value) {
  if (Value == FPlacement) return;
  FPlacement = Value;
  ApplyPlacement();
}

void TzrPopupItem::SetHorizontalOffset(float Value) {
  if (Value == FHorizontalOffset) return;
  FHorizontalOffset = Value;
  ApplyPlacement();
}

void TzrPopupItem::SetVerticalOffset(float Value) {
  if (Value == FVerticalOffset) return;
  FVerticalOffset = Value;
  ApplyPlacement();
}

void TzrPopupItem::ApplyPlacement() {
  if (!FPopup) return;
  FPopup->SetPlacement(FPlacement);
  FPopup->SetHorizontalOffset(FHorizontalOffset);
  FPopup->SetVerticalOffset(FVerticalOffset);
  if (!Designing() || FPopup->GetDesignHide()) return;
  const TzrPlacementScene own = FPopup->GetPlacementScene();
  FPopup->SetPlacementScene(zrPlacementSceneTarget);
  FPopup->ApplyPlacement();
  FPopup->SetPlacementScene(own);
}

void TzrPopupItem::Realign() {
  TzrControl::Realign();
  ApplyPlacement();
}

TzrVisualObject* TzrPopupItem::DesignClick() {
  TzrVisualObject* result = TzrControl::DesignClick();
  FPopup->SetDesignHide(!FPopup->GetDesignHide());
  ApplyPlacement();
  FPopup->SetLocked(FPopup->GetDesignHide());
  return result;
}

void TzrPopupItem::MouseEnter() {
  TzrControl::MouseEnter();
  if (FPopup->GetIsOpen()) return;
  ApplyPlacement();
  FPopup->SetIsOpen(true);
}

bool TzrPopupItem::PointerIn(IzoRurev* Scene, TzrVisualObject* Node, int X, int Y) {
  if (!Scene || !Node) return false;
  const TzrPoint origin = Scene->LocalToScreen({0, 0});
  const TzrPoint local = Node->AbsoluteToLocal({float(X) - origin.X, float(Y) - origin.Y});
  return local.X >= 0 && local.Y >= 0 && local.X <= Node->GetWidth() &&
         local.Y <= Node->GetHeight();
}

void TzrPopupItem::MouseLeave() {
  TzrFreeWatch watch(this);
  TzrControl::MouseLeave();
  if (watch.Freed() || !FPopup->GetIsOpen()) return;
  int x = 0, y = 0;
  if (zrPointerPosition(x, y)) {
    if (FPopup->GetPlacementScene() == zrPlacementSceneNew) {
      if (PointerIn(FPopup->GetPopupScene(), FPopup, x, y)) return;
    } else if (PointerIn(GetScene(), FPopup, x, y) || PointerIn(GetScene(), this, x, y)) {
      return;
    }
  }
  FPopup->SetIsOpen(false);
}

void TzrPopupItem::DoClosePopup(TObject*) {
  std::vector<TzrObject*> controls;
  AddControlsToList(controls);
  TzrFreeWatch watch(this);
  for (TzrObject* control : controls) {
    if (control == this || !zrClassIs(control, "TzrPopupItem")) continue;
    static_cast<TzrPopupItem*>(control)->MouseLeave();
    if (watch.Freed()) return;
  }
}
