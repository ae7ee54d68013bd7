// The settings block of the parameter buffer shown in the page's controls, by
// model family: trimmed value lists with the factory default marked, current
// entries, curve texts, track bar positions, spin box values, the mode row.

#include <string>
#include <vector>

#include "app/FlagHold.h"
#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/ModelFamily.h"
#include "pages/PageBuilder.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_strings.h"

namespace {

constexpr char16_t kMarker[] = u"(*)";
// The custom minimum, maximum and value tables hold items 0 to 15.
constexpr int kCustomItems = 16;

template <class T>
T* Find(const TfrmInterface& form, const std::string& name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

int Byte(const TfrmInterface& f, int offset) {
  return offset >= 0 && offset < TfrmInterface::kParamsSize ? f.FParams[offset] : 0;
}

int Word(const TfrmInterface& f, int offset) { return Byte(f, offset) << 8 | Byte(f, offset + 1); }

std::string Name(const char* kind, int n) { return kind + std::to_string(n); }

// The item's min as a number to subtract, or 0 when it is the text "0" (or no
// number at all, which leaves the values as the device gives them).
int MinOffset(const ITEM& item) {
  if (item.min == "0") return 0;
  return ParseWholeNumber(item.min).value_or(0);
}

void ShowCurve(TfrmInterface& f, int n, int offset, int length) {
  auto* box = Find<TzrTextBox>(f, Name("eItem", n));
  if (!box || offset + length > TfrmInterface::kParamsSize) return;
  box->SetText(UTF8ToUTF16(BytesToHex(f.FParams + offset, length)));
}

void ShowModeRow(TfrmInterface& f, bool enableName) {
  if (!f.FPageDef.site.enabled) return;
  const int modes = Byte(f, f.FModeInfoOffset);
  if (auto* mode = Find<TzrStringComboBox>(f, "cbMode")) {
    if (mode->Count() - 1 != modes) {
      TzrWideStrings* items = mode->GetItems();
      items->BeginUpdate();
      items->Clear();
      for (int k = 1; k <= modes + 1; ++k) items->Add(u"Mode " + UTF8ToUTF16(std::to_string(k)));
      items->EndUpdate();
    }
    const int selected = Byte(f, f.FSettingsOffset);
    if (selected < mode->Count()) mode->SetItemIndex(selected);
  }
  if (auto* name = Find<TzrTextBox>(f, "eName")) {
    name->SetText(UTF8ToUTF16(SettingsNameText(f.FParams + f.FSettingsOffset + 1, 15)));
    if (enableName) name->SetEnabled(true);
  }
}

// The device's item count against the page definition's.
void CheckItemCount(TfrmInterface& f) {
  if (f.FPageDef.max < Byte(f, f.FModeInfoOffset + 1)) f.FPageOutdated = true;
}

struct TFixedCombo {
  int Current, Default, LastValid;
};

void ShowAirplane(TfrmInterface& f) {
  static const TFixedCombo first[] = {{7, 0, 2},  {8, 0, 2},  {9, 0, 2}, {10, 2, 3},
                                      {11, 0, 2}, {12, 1, 3}, {13, 0, 2}};
  static const TFixedCombo second[] = {{7, 1, 3},  {8, 0, 2},  {9, 0, 3},  {10, 0, 3},
                                       {11, 0, 2}, {12, 1, 3}, {13, 1, 3}, {14, 1, 2}};
  const bool v2 = IsAirplaneV2(f.FModel);
  const TFixedCombo* table = v2 ? second : first;
  const int count = v2 ? 8 : 7;
  for (int i = 0; i < count; ++i)
    f.SetComboItem(Name("cbItem", i), table[i].Default, f.FParams[table[i].Current],
                   table[i].LastValid, true);
}

void ShowBlock(TfrmInterface& f, bool largeCar) {
  ShowModeRow(f, true);
  CheckItemCount(f);
  const int supported = Byte(f, f.FModeInfoOffset + 1);
  const int C = f.FValueOffset, E = f.FLimitOffset, F = f.FDefaultOffset;
  int curve128 = C + 544, curve256 = C + 32;
  for (int n = 0; n < f.FPageDef.item; ++n) {
    const ITEM& item = f.FPageDef.items[n];
    const bool enabled = n < supported;
    const std::string combo = Name("cbItem", n);
    switch (item.mode) {
      case imHidden:
      case imReadOnly:
        break;
      case imLinkedCurve64:
      case imLinkedCurve256:
      case imCurve64:
        f.SetComboItem(combo, Byte(f, F + n), Byte(f, C + n), Byte(f, E + n), enabled);
        ShowCurve(f, n, curve128, 128);
        curve128 += 128;
        break;
      case imCurve256Adjust:
      case imCurve256:
        f.SetComboItem(combo, Byte(f, F + n), Byte(f, C + n), Byte(f, E + n), enabled);
        ShowCurve(f, n, curve256, 256);
        curve256 += 256;
        break;
      case imTrackBar:
      case imTrackBar2:
        if (auto* track = Find<TzrTrackBar>(f, Name("eItem", n)))
          track->SetValue(static_cast<float>(Byte(f, C + n)));
        break;
      default: {
        // Modes 0, 1, 2 and above 11: the value list starts at min, so the
        // device's value less min is the entry (the collection adds it back).
        const int min = MinOffset(item);
        const int def = Byte(f, F + n) - (largeCar ? min : 0);
        f.SetComboItem(combo, def, Byte(f, C + n) - min, Byte(f, E + n), enabled);
        break;
      }
    }
  }
}

void ShowGeneral(TfrmInterface& f) {
  ShowModeRow(f, false);
  CheckItemCount(f);
  const int supported = Byte(f, f.FModeInfoOffset + 1);
  const int C = f.FValueOffset, E = f.FLimitOffset, F = f.FDefaultOffset;
  for (int n = 0; n < f.FPageDef.item; ++n) {
    const int mode = f.FPageDef.items[n].mode;
    if (mode == imHidden || mode == imReadOnly) continue;
    f.SetComboItem(Name("cbItem", n), Byte(f, F + n), Byte(f, C + n), Byte(f, E + n),
                   n < supported);
    if (mode != imComboSpin && mode != imComboSpinTenths) continue;
    auto* spin = Find<TzrSpinBox>(f, Name("eItem", n));
    if (!spin) continue;
    if (n >= kCustomItems) {
      spin->SetEnabled(false);  // beyond the custom tables: no custom value
      continue;
    }
    const float scale = mode == imComboSpinTenths ? 10.f : 1.f;
    spin->SetMin(static_cast<float>(Word(f, E + 16 + 2 * n)) / scale);
    spin->SetMax(static_cast<float>(Word(f, E + 48 + 2 * n)) / scale);
    spin->SetValue(static_cast<float>(Word(f, C + 16 + 2 * n)) / scale);
  }
}

// A track bar whose position no write would send (general and airplane
// families) takes no changes.
void LockUnwrittenTrackBars(TfrmInterface& f) {
  for (int n = 0; n < f.FPageDef.item && n < VERSION::MaxItems; ++n) {
    const int mode = f.FPageDef.items[n].mode;
    if (mode != imTrackBar && mode != imTrackBar2) continue;
    if (auto* track = Find<TzrTrackBar>(f, Name("eItem", n)))
      track->SetEnabled(f.ValueBoxEditable(n));
  }
}

void RunLinkPass(TfrmInterface& f) {
  for (int i = 0; i < f.FPageDef.tab && i < VERSION::MaxTabs; ++i)
    for (const std::u16string& entry :
         SplitString(u",", UTF8ToUTF16(f.FPageDef.tabs[i].group), 0)) {
      const std::optional<int> n = ParseWholeNumber(UTF16ToUTF8(entry));
      if (!n || *n < 0 || *n >= f.FPageDef.item || f.FPageDef.items[*n].link.empty()) continue;
      auto* combo = Find<TzrStringComboBox>(f, Name("cbItem", *n));
      if (combo && combo->GetEnabled()) f.itemChange(combo);
    }
}

bool OwnsGroupPage(const std::string& model) {
  for (const char* key : {"AIRPLANE_ESC", "Ardent_V3", "Ardent_V4", "Ardent_HV_V4", "BOAT_ESC",
                          "MOTOR_CHECKER", "CAR_ESC"})
    if (model.find(key) != std::string::npos) return true;
  return false;
}

void SelectNavigationPage(TfrmInterface& f) {
  if (f.FPageOutdated) {
    if (f.ListBox1) f.ListBox1->SetItemIndex(0);
    if (f.btnUpdate) f.btnUpdate->SetEnabled(false);
    f.ShowMessageText(f.LangText("please_upgrade_soft", "please_upgrade_soft"), 1);
    return;
  }
  if (f.ListBox1) f.ListBox1->SetItemIndex(1);
  const bool esc = f.ESCSpeedController1 && f.ESCSpeedController1->GetChecked();
  TObject* entry = nullptr;
  if (esc && f.FReadAttempts != 3 && OwnsGroupPage(f.FModel))
    entry = f.FindComponent("ListBoxItem2");
  else if (f.DATALINK5 && f.DATALINK5->GetChecked())
    entry = f.ListBoxItem11;
  else
    entry = f.ListBoxItem8;
  if (entry) f.ListBoxItemClick(entry);
}

}  // namespace

void TfrmInterface::SetComboItem(const std::string& name, int defaultIndex, int currentIndex,
                                 int lastValid, bool enabled) {
  auto* combo = Find<TzrStringComboBox>(*this, name);
  if (!combo) return;
  TzrWideStrings* items = combo->GetItems();
  if (lastValid >= 0) {
    items->BeginUpdate();
    while (items->GetCount() > lastValid + 1) items->Delete(items->GetCount() - 1);
    items->EndUpdate();
  }
  for (int i = 0; i < items->GetCount(); ++i) {
    const std::u16string entry = items->Get(i);
    const size_t marker = entry.find(kMarker);
    if (marker == std::u16string::npos) continue;
    items->Put(i, entry.substr(0, marker));
    break;
  }
  const int count = items->GetCount();
  const bool outdated = enabled && ((lastValid >= 0 && count <= lastValid) ||
                                    currentIndex >= count || currentIndex < 0);
  if (outdated)
    FPageOutdated = true;
  else if (defaultIndex >= 0 && defaultIndex < count)
    items->Put(defaultIndex, items->Get(defaultIndex) + kMarker);
  combo->SetEnabled(enabled && lastValid != 0);
  if (currentIndex >= 0 && currentIndex < count)
    combo->SetItemIndex(currentIndex);
  else if (defaultIndex >= 0 && defaultIndex < count)
    combo->SetItemIndex(defaultIndex);
  else if (count > 0)
    combo->SetItemIndex(count - 1);
}

void TfrmInterface::ShowParameters() {
  // Entries set from the device are not the user's pick: no curve editor
  // opens while they are shown.
  const TFlagHold busy(FBusy);
  FPageOutdated = false;
  switch (ModelFamilyOf(FModel, FHardware)) {
    case TModelFamily::Airplane:
      ShowAirplane(*this);
      break;
    case TModelFamily::LargeCar:
      ShowBlock(*this, true);
      break;
    case TModelFamily::Ardent:
      ShowBlock(*this, false);
      break;
    case TModelFamily::General:
      ShowGeneral(*this);
      break;
  }
  LockUnwrittenTrackBars(*this);
  RunLinkPass(*this);
  SelectNavigationPage(*this);
}

void TfrmInterface::SetParameterControlsEnabled(bool enabled) {
  // Curve items go to their last entry here; that is not the user's pick, so
  // no curve editor opens.
  const TFlagHold busy(FBusy);
  for (int i = 0; i < FPageDef.tab && i < VERSION::MaxTabs; ++i)
    for (const std::u16string& entry : SplitString(u",", UTF8ToUTF16(FPageDef.tabs[i].group), 0)) {
      const std::optional<int> n = ParseWholeNumber(UTF16ToUTF8(entry));
      if (!n || *n < 0 || *n >= FPageDef.item) continue;
      const int mode = FPageDef.items[*n].mode;
      if (mode == imTrackBar || mode == imTrackBar2 || mode == imHidden || mode == imReadOnly)
        continue;
      auto* combo = Find<TzrStringComboBox>(*this, Name("cbItem", *n));
      if (!combo) continue;
      const bool curveMode = mode == imLinkedCurve64 || mode == imCurve256Adjust ||
                             mode == imCurve256 || mode == imLinkedCurve256 || mode == imCurve64;
      // The entry first: its change handler shows the curve box, which must
      // still take the state given here.
      if (curveMode && combo->Count() > 0) combo->SetItemIndex(combo->Count() - 1);
      combo->SetEnabled(enabled);
      if (mode == imComboSpin || mode == imComboSpinTenths) {
        if (auto* spin = Find<TzrSpinBox>(*this, Name("eItem", *n))) spin->SetEnabled(enabled);
      } else if (curveMode) {
        if (auto* curve = Find<TzrTextBox>(*this, Name("eItem", *n))) curve->SetEnabled(enabled);
      }
    }
}
