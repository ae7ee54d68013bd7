// The tab-order editor of the design popup: a modal borderless form whose
// transparent scene holds a HUD window with the selection's siblings in tab
// order and an Up and a Down button. The controls are made by class name
// with their properties set by name, so the scene needs no control unit.

#include <functional>
#include <vector>

#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_classes.h"
#include "scene/zr_scene.h"

std::function<int(TForm& Form)> DesignModalHook;

namespace {

TzrVisualObject* MakeNode(const char* ClassName, TComponent* Owner, TzrObject* Parent) {
  const TClassInfo* cls = GetClass(ClassName);
  auto* node = dynamic_cast<TzrVisualObject*>(cls ? cls->Create(Owner) : nullptr);
  if (node && Parent) node->SetParent(Parent);
  return node;
}

void SetProp(TObject* Node, const std::string& Path, const Variant& Value) {
  if (Node && FindPropPath(Node, Path)) SetPropValue(Node, Path, Value);
}

// The list's items lie in its scroll content, below the list itself.
void CollectItems(TzrObject* Node, std::vector<TzrObject*>& Items) {
  for (int i = 0; i < Node->GetChildrenCount(); ++i) {
    TzrObject* child = Node->GetChild(i);
    if (child->ClassType()->Name() == "TzrListBoxItem")
      Items.push_back(child);
    else
      CollectItems(child, Items);
  }
}

int ItemIndexOf(TObject* List) {
  if (!List || !FindPropPath(List, "ItemIndex")) return -1;
  return int(GetPropValue(List, "ItemIndex").ToInt64());
}

}  // namespace

void TzrCustomScene::FillTabOrderList(TzrVisualObject* List, int Index) {
  if (!List) return;
  std::vector<TzrObject*> items;
  CollectItems(List, items);
  for (TzrObject* item : items) delete item;
  for (const std::string& name : doDesignTabOrderRebuildList()) {
    TzrVisualObject* item = MakeNode("TzrListBoxItem", List->GetOwner(), List);
    SetProp(item, "Text", Variant(name));
  }
  SetProp(List, "ItemIndex", Variant(int64_t(Index)));
}

int TzrCustomScene::doDesignPopupTabOrder() {
  if (!FSelected || !FSelected->GetCanFocused()) return mrNone;
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetCentered(true);
  form.SetClientSize(400, 300);
  auto* scene = new TzoRurev(&form);
  scene->SetTransparency(true);
  scene->SetAlign(alClient);
  scene->SetParent(&form);
  scene->SetStyle(FStyle);
  TzrVisualObject* window = MakeNode("TzrHudWindow", &form, nullptr);
  if (!window) return mrNone;
  scene->AddObject(window);
  window->SetBounds(0, 0, 400, 300);
  window->SetAlign(vaClient);
  SetProp(window, "Text", Variant(std::string("TabOrder Editor")));
  SetProp(window, "ShowSizeGrip", Variant(false));
  TzrVisualObject* list = MakeNode("TzrHudListBox", &form, window);
  if (list) {
    list->SetAlign(vaClient);
    list->GetPadding()->SetRect({26, 45, 86, 33});
    SetProp(list, "ItemHeight", Variant(20.0));
    SetProp(list, "HideSelectionUnfocused", Variant(false));
    FillTabOrderList(list, FSelected->GetTabOrder());
  }
  const struct {
    const char* Caption;
    float Top;
    bool Up;
  } buttons[] = {{"Up", 50, true}, {"Down", 90, false}};
  for (const auto& b : buttons) {
    TzrVisualObject* button = MakeNode("TzrHudButton", &form, window);
    if (!button) continue;
    button->SetBounds(float(form.GetClientWidth()) - 70, b.Top, 50, 26);
    SetProp(button, "Text", Variant(std::string(b.Caption)));
    const bool up = b.Up;
    button->OnClick = [this, list, up](TObject*) {
      const int index = ItemIndexOf(list);
      if (index < 0) return;
      FillTabOrderList(list, doDesignTabOrderBtnClick(index, up));
    };
  }
  window->Realign();
  if (DesignModalHook) return DesignModalHook(form);
  return form.ShowModal();
}
