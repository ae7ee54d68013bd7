// The parameter pages: one layout per group of the page definition, made
// afresh at every build, with one row of controls per item.

#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects_text.h"
#include "pages/PageBuilder.h"
#include "platform/rtl/SysUtils.h"

namespace {

template <class T>
T* Find(const TfrmInterface& form, const std::string& name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

// The group list's entries, exactly as written between the commas.
std::vector<std::string> GroupEntries(const std::string& list) {
  std::vector<std::string> entries;
  for (const std::u16string& part : SplitString(u",", UTF8ToUTF16(list), 0))
    entries.push_back(UTF16ToUTF8(part));
  return entries;
}

}  // namespace

void TfrmInterface::BuildParameterPages() {
  LoadPicture(Find<TzrImage>(*this, "tabImage1"), FPageIcons.about);
  LoadPicture(Find<TzrImage>(*this, "tabImage8"), FPageIcons.firmware);
  LoadPicture(Find<TzrImage>(*this, "tabImage9"), FPageIcons.data);
  LoadPicture(Find<TzrImage>(*this, "tabImage10"), FPageIcons.calc);
  LoadPicture(Find<TzrImage>(*this, "tabImage11"), FPageIcons.bs);

  // Fresh group layouts: the old ones go with every control on them.
  auto* panel = Find<TzrLayout>(*this, "Panel3");
  for (int k = 2; k <= 7; ++k) {
    const std::string name = "tabLayout" + std::to_string(k);
    auto* old = Find<TzrLayout>(*this, name);
    if (!old) continue;
    delete old;
    auto* layout = new TzrLayout(this);
    layout->SetName(name);
    layout->SetParent(panel);
    layout->SetAlign(vaClient);
    layout->SetVisible(false);
    tabLayout[k - 1] = layout;
  }
  if (auto* status = Find<TzrLayout>(*this, "tabLayout8")) {
    status->SetParent(panel);
    status->SetAlign(vaClient);
    status->SetVisible(false);
  }

  TPageBuilder builder(*this);
  const int groups = std::min(FPageDef.tab, VERSION::MaxTabs);
  for (int j = 0; j < groups; ++j) {
    const TAB& group = FPageDef.tabs[j];
    const std::string number = std::to_string(j + 2);
    if (auto* caption = Find<TzrLabel>(*this, "tabLabel" + number))
      caption->SetText(UTF8ToUTF16(IsChinese() ? group.cname : group.ename));
    LoadPicture(Find<TzrImage>(*this, "tabImage" + number), group.icon);
    if (auto* layout = Find<TzrLayout>(*this, "tabLayout" + number))
      builder.BuildGroup(j, layout, GroupEntries(group.group));
  }

  // The link pass: items that govern others give them their state.
  for (const int n : builder.Rows()) {
    if (FPageDef.items[n].link.empty()) continue;
    auto* combo = Find<TzrStringComboBox>(*this, "cbItem" + std::to_string(n));
    if (combo && combo->GetEnabled()) itemChange(combo);
  }

  PlaceNavigationEntries();
  ShowAddonReadouts();
  if (FConnected && !FModel.empty() && !FHardware.empty() && !FFirmware.empty()) ShowParameters();
}
