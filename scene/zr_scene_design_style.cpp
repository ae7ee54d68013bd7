// Style editing from the design popup: the selected control's style, and
// the styles of the controls inside it, become objects of the scene's own
// style sheet, which the designer's style editor then opens.

#include "platform/rtl/Rtti.h"
#include "scene/zr_control.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

void Unlock(TzrObject* Node) {
  if (Node->GetIsVisual()) Node->GetVisual()->SetLocked(false);
  for (int i = 0; i < Node->GetChildrenCount(); ++i) Unlock(Node->GetChild(i));
}

std::string DefaultStyleName(TzrControl* Control) {
  const std::string cls = Control->ClassType()->Name();
  return (cls.size() > 3 ? cls.substr(3) : std::string()) + "Style";
}

// A copy of the control's applied style goes into the sheet under Name,
// unless the sheet already has a style of that name; the control then
// applies it from the sheet, by that name when Link is set.
void MoveStyle(TzrResources* Sheet, TzrControl* Control, const std::string& Name, bool Link) {
  TzrObject* root = Sheet->GetRoot();
  TzrObject* link = Control->GetResourceLink();
  if (!root || !link) return;
  if (!root->FindResource(Name)) {
    TzrObject* copy = link->Clone(Sheet);
    if (!copy) return;
    Unlock(copy);
    copy->SetStored(true);
    copy->SetResourceName(Name);
    copy->SetParent(root);
  }
  if (Link) {
    Control->SetResource(Name);
    return;
  }
  Control->NeedResource();
  Control->ApplyResource();
}

// The controls inside Node that show a style, outside every applied style.
void InnerControls(TzrObject* Node, std::vector<TzrControl*>& List) {
  auto* control = dynamic_cast<TzrControl*>(Node);
  TzrObject* link = control ? control->GetResourceLink() : nullptr;
  for (int i = 0; i < Node->GetChildrenCount(); ++i) {
    TzrObject* child = Node->GetChild(i);
    if (child == link) continue;
    auto* inner = dynamic_cast<TzrControl*>(child);
    if (inner && inner->GetResourceLink()) List.push_back(inner);
    InnerControls(child, List);
  }
}

}  // namespace

TzrObject* TzrCustomScene::DesignStyleObject(TzrVisualObject* Node) {
  auto* control = dynamic_cast<TzrControl*>(Node);
  return control ? control->GetResourceLink() : nullptr;
}

// The scene's sheet; a scene without one gets a new sheet owned by the form,
// with a background root, named by the designer.
TzrResources* TzrCustomScene::DesignStyleSheet() {
  if (FStyle) return FStyle;
  TComponent* form = GetOwner();
  auto* sheet = new TzrResources(form);
  sheet->SetRoot(new TzrBackground(sheet));
  if (zrDesigner) sheet->SetName(zrDesigner->UniqueName(form, "TzrResources"));
  SetStyle(sheet);
  return sheet;
}

void TzrCustomScene::doDesignPopupEditStyle(bool Custom) {
  auto* control = dynamic_cast<TzrControl*>(FSelected);
  if (!control || !control->GetResourceLink()) return;
  TzrResources* sheet = DesignStyleSheet();
  std::vector<TzrControl*> inner;
  InnerControls(control, inner);
  std::string name = DefaultStyleName(control);
  if (Custom) {
    name = control->GetResource();
    if (name.empty()) {
      const std::string base = control->GetName() + "Style";
      name = base;
      for (int n = 2; sheet->GetRoot()->FindResource(name); ++n) name = base + std::to_string(n);
    }
  }
  MoveStyle(sheet, control, name, Custom);
  for (TzrControl* c : inner) {
    if (!Custom) {
      MoveStyle(sheet, c, DefaultStyleName(c), false);
      continue;
    }
    const std::string own = c->GetResource().empty() ? DefaultStyleName(c) : c->GetResource();
    MoveStyle(sheet, c, control->GetName() + own, true);
  }
  if (!zrDesigner) return;
  zrDesigner->EditStyle(sheet, name);
  zrDesigner->Modified(GetOwner());
}
