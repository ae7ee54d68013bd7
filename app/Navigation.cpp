// The navigation list: selecting the page of an item.

#include "app/frmInterface.h"
#include "controls/zr_listbox.h"

void TfrmInterface::ListBoxItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TzrListBoxItem*>(Sender);
  if (!item || !ListBox1) return;
  ListBox1->SetItemIndex(item->GetIndex());
}
