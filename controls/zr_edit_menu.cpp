#include "controls/zr_edit_menu.h"

#include "platform/vcl/Menus.h"

TPopupMenu* zrCreateEditMenu(TComponent* Owner, const std::vector<TzrEditMenuEntry>& Entries) {
  auto* menu = new TPopupMenu(Owner);
  for (const TzrEditMenuEntry& entry : Entries) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(entry.Caption);
    item->OnClick = [run = entry.Run](TObject*) { run(); };
    menu->Items()->Add(item);
  }
  return menu;
}
