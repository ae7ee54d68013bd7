// Parameter text files chosen by the user, imported into a page that has a
// control of every kind. A file is either taken, and then every control holds
// a value it can hold, or refused, and then no control has changed.

#include <memory>
#include <string>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

namespace {

const char kLanguage[] =
    "[common]\n[S]\n"
    "tab=1\nitem=5\nsite_enabled=1\nsite_evalue=M1|M2(*)\ntab1_group=0,1,2,3,4\n"
    "item1_mode=0\nitem1_ename=Six\nitem1_evalue=A|B|C(*)|D|E|F\n"
    "item2_mode=1\nitem2_ename=Whole\nitem2_evalue=A|Custom(*)\n"
    "item2_mincustom=100\nitem2_maxcustom=1000\n"
    "item3_mode=2\nitem3_ename=Tenths\nitem3_evalue=A|Custom(*)\n"
    "item3_mincustom=10\nitem3_maxcustom=800\n"
    "item4_mode=5\nitem4_ename=Track\nitem4_evalue=0-10/1\n"
    "item5_mode=8\nitem5_ename=Curve\nitem5_evalue=Linear(*)|Custom\n";

template <class T>
T& Control(TfrmInterface& form, const std::string& name) {
  auto* control = dynamic_cast<T*>(form.FindComponent(name));
  FuzzCheck(control != nullptr, "the page has its controls");
  return *control;
}

std::unique_ptr<TfrmInterface> MakePage() {
  auto form = std::make_unique<TfrmInterface>(nullptr);
  TfrmInfo::ModalHandler = [](TfrmInfo&) { return static_cast<int>(mrOk); };
  const std::string lang =
      WriteScratchFile(reinterpret_cast<const uint8_t*>(kLanguage), sizeof kLanguage - 1, ".ini");
  form->FLangIni = std::make_unique<TMemIniFile>(lang);
  form->ESCSpeedController1->SetChecked(true);
  form->Demo1->SetChecked(true);
  form->LoadModelDefinition("S");
  form->FModel = "ESC_G";
  form->FHardware = "HW1";
  form->FFirmware = "F1";
  form->BuildParameterPages();
  return form;
}

// Every value on the page, checked against what its control can hold.
std::string Page(TfrmInterface& form) {
  std::string page = UTF16ToUTF8(Control<TzrCustomTextBox>(form, "eName").GetText());
  FuzzCheck(Control<TzrCustomTextBox>(form, "eName").GetText().size() <= 15, "name length");
  for (int n : {0, 1, 2, 4}) {
    auto& combo = Control<TzrComboBox>(form, "cbItem" + std::to_string(n));
    FuzzCheck(combo.GetItemIndex() >= -1 && combo.GetItemIndex() < combo.Count(), "list entry");
    page += " " + std::to_string(combo.GetItemIndex());
  }
  for (int n : {1, 2}) {
    auto& spin = Control<TzrSpinBox>(form, "eItem" + std::to_string(n));
    FuzzCheck(spin.GetValue() >= spin.GetMin() && spin.GetValue() <= spin.GetMax(), "spin value");
    page += " " + std::to_string(spin.GetValue());
  }
  auto& track = Control<TzrCustomTrack>(form, "eItem3");
  FuzzCheck(track.GetValue() >= track.GetMin() && track.GetValue() <= track.GetMax(), "track");
  page += " " + std::to_string(track.GetValue());
  const std::u16string curve = Control<TzrCustomTextBox>(form, "eItem4").GetText();
  FuzzCheck(curve.size() <= 512, "curve block");
  return page + " " + UTF16ToUTF8(curve);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  static TfrmInterface* form = MakePage().release();  // the window is costly to make
  const std::string before = Page(*form);
  const bool taken = form->ImportParameterFile(WriteScratchFile(Data, Size, ".txt"));
  const std::string after = Page(*form);
  FuzzCheck(taken || after == before, "a refused file changes nothing");
  FuzzCheck(!form->FBusy, "the import ends idle");
  return 0;
}
