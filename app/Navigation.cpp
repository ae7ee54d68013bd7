// The navigation list: selecting the page of an entry.

#include <string>

#include "app/frmInterface.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_position.h"

namespace {

bool Ticked(const TMenuItem* item) { return item && item->GetChecked(); }

}  // namespace

// The page (1 .. 13) an entry's tag stands for; 0 for none.
int TfrmInterface::PageOfTag(int tag) const {
  switch (tag) {
    case 0:
      return 1;
    case 3:
      return FModel.find("Ardent_HV_V4") != std::string::npos ||
                     FModel.find("Ardent_V4") != std::string::npos
                 ? 11
                 : 4;
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
      return tag + 1;
    case 7:
      if (Ticked(DATALINK5)) return 0;
      return IsDataLinkChecked(2, 4) ? 12 : 8;
    case 8:
    case 9:
      return tag + 1;
    case 10:
      return Ticked(DATALINK5) && FModel.find("DATALINK") != std::string::npos ? 13 : 0;
    default:
      return 0;
  }
}

void TfrmInterface::ListBoxItemClick(TObject* Sender) {
  auto* component = dynamic_cast<TComponent*>(Sender);
  if (!component) return;
  const int tag = component->GetTag();
  if (web) web->SetLeft(1800);
  const int page = PageOfTag(tag);
  for (int k = 0; k < 13; ++k)
    if (tabLayout[k]) tabLayout[k]->SetVisible(k + 1 == page);
  if (Panel6) Panel6->SetVisible((tag >= 1 && tag <= 7) || tag == 9);
  if (Panel2) {
    Panel2->SetCalloutLength(0);
    Panel2->GetPosition()->SetX(4);
    Panel2->SetWidth(215);
  }
  if (page == 11) {
    ShowGovernorValues();
    ShowHelpPanel(105);
  } else {
    ShowHelpPanel(-1);
  }
  if (page == 10) RecalculateGearCalculator();
  // The entry's place among the list's items; the list fires its OnChange
  // only when the current entry really changes.
  auto* item = dynamic_cast<TzrListBoxItem*>(Sender);
  if (item && ListBox1 && item->ListBox() == ListBox1) ListBox1->SetItemIndex(item->GetIndex());
}
