// Model sections of the language file (lang.ini is edited by hand and
// replaced by downloads): the input is the body of one section, read into the
// page definition and built into the main window's parameter pages, in
// English and in Chinese. A row the builder cannot read is left out and named,
// never built half; however long its value lists, a page builds in bounded
// work.

#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"

namespace {

// One window for every input: making it is the slow part, and each build
// replaces the pages of the one before.
TfrmInterface& Window() {
  static TfrmInterface* form = [] {
    auto* f = new TfrmInterface(nullptr);
    f->ESCSpeedController1->SetChecked(true);
    f->Demo1->SetChecked(true);
    return f;
  }();
  return *form;
}

// Entries of the pages' drop-down lists: each is a control of its own.
int ListEntries(TfrmInterface& form) {
  int entries = 0;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* combo = dynamic_cast<TzrComboBox*>(form.Component(i));
    const std::string& name = combo ? combo->GetName() : std::string();
    if (name == "cbMode" || name.starts_with("cbItem")) entries += combo->Count();
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  std::string text = "[S]\n";
  text.append(reinterpret_cast<const char*>(Data), Size);
  const std::string path =
      WriteScratchFile(reinterpret_cast<const uint8_t*>(text.data()), text.size(), ".ini");
  TfrmInterface& form = Window();
  form.FLangIni = std::make_unique<TMemIniFile>(path);
  for (const bool chinese : {false, true}) {
    form.Chinese1->SetChecked(chinese);
    form.LoadModelDefinition("S");
    form.BuildParameterPages();
    // The mode combo and at most 40 item combos, at most 256 entries each.
    FuzzCheck(ListEntries(form) <= 41 * 256, "a page lists at most 256 entries per combo");
  }
  return 0;
}
