// The design popup: the context menu of a designing scene, rebuilt at every
// right click, with the insert, delete, hide, order, clipboard and grid
// commands.

#include <algorithm>
#include <map>

#include "platform/vcl/Menus.h"
#include "scene/zr_classes.h"
#include "scene/zr_scene.h"

namespace {

TMenuItem* Item(TMenuItem* Parent, const std::string& Caption, std::function<void()> Action) {
  auto* item = new TMenuItem(Parent);
  item->SetCaption(Caption);
  if (Action) item->OnClick = [Action](TObject*) { Action(); };
  Parent->Add(item);
  return item;
}

std::string WithoutTzr(const std::string& Name) {
  return Name.rfind("Tzr", 0) == 0 ? Name.substr(3) : Name;
}

}  // namespace

void TzrCustomScene::OpenDesignPopup() {
  if (!FDesignPopupEnabled) return;
  delete FDesignPopup;
  FDesignPopup = new TPopupMenu(this);
  TMenuItem* root = FDesignPopup->Items();
  TzrVisualObject* s = FSelected;
  if (!ObjectList().empty()) {
    if (s && !s->ItemClass().empty()) {
      std::string list = s->ItemClass();
      for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        const std::string name = list.substr(start, end - start);
        if (!name.empty())
          Item(root, "Add " + WithoutTzr(name), [this, name] { InsertObject(name); });
        start = end + 1;
      }
    }
    TMenuItem* add = Item(root, "Add object", nullptr);
    std::map<std::string, std::vector<std::string>> categories;
    for (const auto& [category, info] : ObjectList()) categories[category].push_back(info->Name());
    for (auto& [category, names] : categories) {
      TMenuItem* group = Item(add, category, nullptr);
      std::sort(names.begin(), names.end());
      for (const std::string& name : names)
        Item(group, WithoutTzr(name), [this, name] { InsertObject(name); });
    }
    Item(root, "Delete object", [this] { doDesignPopupDel(); });
    Item(root, "Load From File...", [this] { doDesignPopupLoadFromFile(); });
  }
  if (s) {
    TMenuItem* hide = Item(root, "Hide in Design-time", [this] { doDesignPopupDesignHide(); });
    hide->SetChecked(s->GetDesignHide());
  }
  if (DesignStyleObject(s)) {
    Item(root, "Edit Default Style...", [this] { doDesignPopupEditStyle(false); });
    Item(root, "Edit Custom Style...", [this] { doDesignPopupEditStyle(true); });
  }
  if (s && s->GetCanFocused()) Item(root, "Tab Order...", [this] { doDesignPopupTabOrder(); });
  TMenuItem* order = Item(root, "Order", nullptr);
  Item(order, "Bring to front", [this] {
    if (FSelected) FSelected->BringToFront();
  });
  Item(order, "Send to back", [this] {
    if (FSelected) FSelected->SendToBack();
  });
  TMenuItem* edit = Item(root, "Edit", nullptr);
  Item(edit, "Copy to clipboard", [this] { doDesignPopupCopy(); });
  Item(edit, "Paste from clipboard", [this] { doDesignPopupPaste(); });
  TMenuItem* grid = Item(root, "Grid", nullptr);
  Item(grid, "Show snap grid", [this] {
    SetSnapGridShow(!FSnapGridShow);
  })->SetChecked(FSnapGridShow);
  const struct {
    const char* Caption;
    bool Grid, Lines;
  } modes[] = {{"Snap to grid", true, false},
               {"Snap to lines", false, true},
               {"Snap disabled", false, false}};
  for (const auto& m : modes) {
    TMenuItem* item = Item(grid, m.Caption, [this, m] {
      FSnapToGrid = m.Grid;
      FSnapToLines = m.Lines;
      AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
    });
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->SetChecked(FSnapToGrid == m.Grid && FSnapToLines == m.Lines);
  }
  FPopupPos = FMousePos;
  const TzrPoint screen = LocalToScreen(FMousePos);
  FDesignPopup->Popup(int(screen.X), int(screen.Y));
}

// A hidden node passes the selection to its visual parent; the root is
// never hidden.
void TzrCustomScene::doDesignPopupDesignHide() {
  TzrVisualObject* node = FSelected;
  if (!node || static_cast<TzrObject*>(node) == GetRoot()) return;
  node->SetDesignHide(!node->GetDesignHide());
  TzrObject* parent = node->GetParent();
  if (node->GetDesignHide() && parent && parent->GetIsVisual())
    Watch(FSelected, parent->GetVisual());
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}
