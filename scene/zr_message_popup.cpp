#include "scene/zr_message_popup.h"

#include <gtk/gtk.h>

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_position.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"

namespace {

constexpr int kButtonResults[] = {6, 7, 1, 2, 3, 4, 5, 12, 13, 14, 0};
constexpr const char* kIconResources[] = {"iconwarning", "iconerror", "iconinformation",
                                          "iconconfirmation"};

bool Has(TzrMessageButtons Buttons, TzrMessageButton B) { return (Buttons & zrButton(B)) != 0; }

// A node of the registered class ClassName, owned by Owner and placed under
// Parent; nil when the class is not registered.
TzrVisualObject* MakeNode(const char* ClassName, TComponent* Owner, TzrObject* Parent) {
  const TClassInfo* cls = GetClass(ClassName);
  auto* node = dynamic_cast<TzrVisualObject*>(cls ? cls->Create(Owner) : nullptr);
  if (node) node->SetParent(Parent);
  return node;
}

// Sets a published property when the node has it.
void SetProp(TObject* Node, const std::string& Path, const Variant& Value) {
  if (FindPropPath(Node, Path)) SetPropValue(Node, Path, Value);
}

TzrVisualObject* MakeIcon(TzrMessagePopup* P, TzrMessageType Type, TzrBitmap* Bitmap) {
  TzrVisualObject* icon = nullptr;
  if (Bitmap) {
    icon = MakeNode("TzrImage", P, P);
    if (TPropPath bitmap = FindPropPath(icon, "Bitmap")) bitmap.Prop->SetObj(icon, Bitmap);
  } else if (Type != zrMessageCustom) {
    icon = MakeNode("TzrControl", P, P);
    SetProp(icon, "Resource", Variant(std::string(kIconResources[Type])));
  }
  if (icon) icon->SetBounds(30, 10, 64, 64);
  return icon;
}

TzrVisualObject* MakeLabel(TzrMessagePopup* P, const std::u16string& Text, TzrAlign Align,
                           float Height, const TzrRect& Padding) {
  TzrVisualObject* label = MakeNode("TzrLabel", P, P);
  if (!label) return nullptr;
  label->SetAlign(Align);
  label->SetHeight(Height);
  label->GetPadding()->SetRect(Padding);
  SetProp(label, "TextAlign", Variant(std::string("zrTextAlignNear")));
  SetProp(label, "Text", Variant(Text));
  return label;
}

void MakeButtons(TzrMessagePopup* P, TzrMessageButtons Buttons) {
  TzrVisualObject* layout = MakeNode("TzrLayout", P, P);
  if (!layout) return;
  layout->SetAlign(vaBottom);
  layout->SetHeight(20);
  layout->GetPadding()->SetRect({30, 0, 30, 30});
  const int def = zrMessageDefaultButton(Buttons), cancel = zrMessageCancelButton(Buttons);
  for (int b = zrMbYes; b <= zrMbHelp; ++b) {
    if (!Has(Buttons, TzrMessageButton(b))) continue;
    TzrVisualObject* button = MakeNode("TzrButton", P, layout);
    if (!button) return;
    button->SetAlign(vaRight);
    button->GetPosition()->SetX(1000);
    button->GetPadding()->SetRect({7, 0, 0, 0});
    SetProp(button, "Text", Variant(ButtonCaptions[size_t(b)]));
    SetProp(button, "ModalResult", Variant(int64_t(kButtonResults[b])));
    SetProp(button, "Default", Variant(b == def));
    SetProp(button, "Cancel", Variant(b == cancel));
  }
}

// The form's client area's top-left on the screen.
TzrPoint ClientOriginOnScreen(TForm* Form) {
  int x = 0, y = 0;
  Form->ClientScreenOrigin(x, y);
  return {float(x), float(y)};
}

}  // namespace

int zrMessageButtonResult(TzrMessageButton B) { return kButtonResults[B]; }

int zrMessageDefaultButton(TzrMessageButtons Buttons) {
  const TzrMessageButton choice = Has(Buttons, zrMbOK)    ? zrMbOK
                                  : Has(Buttons, zrMbYes) ? zrMbYes
                                                          : zrMbRetry;
  return Has(Buttons, choice) ? int(choice) : -1;
}

int zrMessageCancelButton(TzrMessageButtons Buttons) {
  const TzrMessageButton choice = Has(Buttons, zrMbCancel) ? zrMbCancel
                                  : Has(Buttons, zrMbNo)   ? zrMbNo
                                                           : zrMbOK;
  return Has(Buttons, choice) ? int(choice) : -1;
}

// ---------------------------------------------------------------- TzrMessagePopup

const TClassInfo* TzrMessagePopup::Class() {
  using T = TzrMessagePopup;
  static const TClassInfo* info =
      TClassDecl<T>("TzrMessagePopup", TzrPopup::Class())
          .Prop("StaysOpen", &T::GetStaysOpen, &T::SetStaysOpen)
          .Default(1)
          .Prop("DragWithParent", &T::GetDragWithParent, &T::SetDragWithParent)
          .Default(1)
          .Prop("DisableScene", &T::GetDisableScene, &T::SetDisableScene)
          .Default(1);
  return info;
}

TzrMessagePopup::TzrMessagePopup(TComponent* AOwner) : TzrPopup(AOwner) {
  SetDragWithParent(true);
  SetStaysOpen(true);
  FDisableScene = true;
}

void TzrMessagePopup::ApplyPlacement() {
  if (TzrVisualObject* target = PlacementTargetNode()) {
    SetHorizontalOffset((target->GetWidth() - GetWidth()) / 2);
  } else if (auto* form = dynamic_cast<TForm*>(GetOwner())) {
    const TzrPoint o = ClientOriginOnScreen(form);
    GetPlacementRectangle()->SetRect({o.X, o.Y, o.X + GetWidth(), o.Y});
    SetHorizontalOffset((float(form->GetClientWidth()) - GetWidth()) / 2);
  }
  TzrPopup::ApplyPlacement();
}

int TzrMessagePopup::PopupModal() {
  IzoRurev* scene = GetScene();
  TzrObject* root = FDisableScene && scene ? scene->GetRoot() : nullptr;
  TzrVisualObject* disabled = root && root->GetIsVisual() ? root->GetVisual() : nullptr;
  const bool was = disabled && disabled->GetEnabled();
  TzrFreeWatch watchRoot(disabled);
  if (disabled) disabled->SetEnabled(false);
  const int result = TzrPopup::PopupModal();
  if (disabled && !watchRoot.Freed()) disabled->SetEnabled(was);
  return result;
}

// ---------------------------------------------------------------- MessagePopup

int MessagePopup(const std::u16string& Title, const std::u16string& Message, TzrMessageType Type,
                 TzrMessageButtons Buttons, TzrCustomScene* Scene, TzrVisualObject* Target,
                 bool DisableScene, TzrBitmap* Bitmap, TzrResources* StyleSheet) {
  TComponent* owner = Scene && Scene->GetOwner() ? Scene->GetOwner() : Application;
  auto* p = new TzrMessagePopup(owner);
  p->SetStaysOpen(true);
  p->SetDragWithParent(true);
  p->SetPlacementScene(zrPlacementSceneNew);
  p->SetBounds(0, 0, 500, 150);
  p->SetStyle(StyleSheet ? StyleSheet : (Scene ? Scene->GetStyle() : nullptr));
  p->SetPlacementTarget(Target);
  if (Target) {
    const TzrMatrix m = Target->GetAbsoluteMatrix();
    p->GetScale()->SetPoint({m.m11, m.m22});
  }
  p->ApplyResource();
  TzrVisualObject* icon = MakeIcon(p, Type, Bitmap);
  const float indent = icon ? icon->GetWidth() + 10 : 0;
  if (TzrVisualObject* title = MakeLabel(p, Title, vaTop, 30, {30 + indent, 10, 30, 0})) {
    const TPropPath size = FindPropPath(title, "Font.Size");
    if (size) size.Prop->SetFloat(size.Instance, size.Prop->GetFloat(size.Instance) * 1.4L);
  }
  MakeLabel(p, Message, vaClient, 50, {30 + indent, 0, 30, 0});
  MakeButtons(p, Buttons);
  p->SetDisableScene(DisableScene && Scene);
  // The popup is no node of Scene: the scene's root is disabled here.
  TzrObject* root = DisableScene && Scene ? Scene->GetRoot() : nullptr;
  TzrVisualObject* disabled = root && root->GetIsVisual() ? root->GetVisual() : nullptr;
  const bool was = disabled && disabled->GetEnabled();
  TzrFreeWatch watchRoot(disabled);
  if (disabled) disabled->SetEnabled(false);
  TzrFreeWatch watch(p);
  const int result = p->PopupModal();
  if (!watch.Freed()) delete p;
  if (disabled && !watchRoot.Freed()) disabled->SetEnabled(was);
  return result;
}
