// The lists and trees units' registration tables.

#include "controls/zr_lists_register.h"

#include "controls/zr_combo_box.h"
#include "controls/zr_hud_lists.h"
#include "controls/zr_image_list_box.h"
#include "controls/zr_listbox.h"
#include "controls/zr_tree_view.h"

const std::vector<TzrControlRow>& ListControlRows() {
  static const std::vector<TzrControlRow> rows = {
      {"Lists",
       {TzrListBox::Class(), TzrComboBox::Class(), TzrStringListBox::Class(),
        TzrStringComboBox::Class(), TzrHorzListBox::Class()}},
      {"Lists", {TzrImageListBox::Class(), TzrHorzImageListBox::Class()}},
      {"Items", {TzrListBoxItem::Class()}},
      {"Items", {TzrImageListBoxItem::Class()}},
      {"HUD",
       {TzrHudListBox::Class(), TzrHudHorzListBox::Class(), TzrHudComboBox::Class(),
        TzrHudStringListBox::Class(), TzrHudStringComboBox::Class()}},
      {"HUD", {TzrHudImageListBox::Class(), TzrHudHorzImageListBox::Class()}},
  };
  return rows;
}

void RegisterListControls() {
  static const bool registered = [] {
    RegisterControlRows(ListControlRows());
    return true;
  }();
  (void)registered;
}

const std::vector<TzrControlRow>& TreeControlRows() {
  static const std::vector<TzrControlRow> rows = {
      {"Trees", {TzrTreeView::Class()}},
      {"Items", {TzrTreeViewItem::Class()}},
  };
  return rows;
}

void RegisterTreeControls() {
  static const bool registered = [] {
    RegisterControlRows(TreeControlRows());
    return true;
  }();
  (void)registered;
}
