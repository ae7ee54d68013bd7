// The navigation list: selecting the page of an item.

#include "app/frmInterface.h"
#include "controls/zr_listbox.h"

void TfrmInterface::ListBoxItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TzrListBoxItem*>(Sender);
  if (!item || !ListBox1 || item->ListBox() != ListBox1) return;
  // The entry's place among the list's items; the list fires its OnChange
  // only when the current entry really changes.
  ListBox1->SetItemIndex(item->GetIndex());
}
