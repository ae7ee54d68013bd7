// The import command: reads a parameter text file back into the current
// page's controls. Only the section named after the device identity counts;
// values go through the controls' setters, so their change events reach the
// page's handlers as a user's choice would. A key that is missing or holds no
// number leaves its control as it is, so a partial file never clears a
// control that the next write would then send to the device.

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "files/ParameterFile.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"

namespace {

template <class T>
T* Find(const TfrmInterface& form, const std::string& name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

// An item key: the item number plus one, with or without "t".
bool IsItemKey(std::string key) {
  if (!key.empty() && (key.back() == 't' || key.back() == 'T')) key.pop_back();
  if (key.empty()) return false;
  for (char c : key)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// The ini reader trims section names, so a page without identity (a demo
// page, whose section line is "[  ]") is looked up trimmed as well.
std::string ImportSection(const TfrmInterface& form) {
  const std::string section = ParameterFileSection(form);
  const size_t first = section.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return section.substr(first, section.find_last_not_of(' ') - first + 1);
}

bool HoldsItemKey(const TMemIniFile& file, const std::string& section) {
  for (const std::string& key : file.ReadSection(section))
    if (IsItemKey(key)) return true;
  return false;
}

class TImport {
 public:
  TImport(TfrmInterface& form, const TMemIniFile& file)
      : FForm(form), FFile(file), FSection(ImportSection(form)) {}

  void Name() const {
    auto* box = Find<TzrCustomTextBox>(FForm, "eName");
    if (box && FFile.ValueExists(FSection, "name"))
      box->SetText(UTF8ToUTF16(FFile.ReadString(FSection, "name", "")));
  }

  void Item(int n) const {
    const int mode = FForm.FPageDef.items[n].mode;
    const std::string N = std::to_string(n + 1), suffix = std::to_string(n);
    if (mode == imHidden || mode == imReadOnly) return;
    if (mode == imTrackBar || mode == imTrackBar2) {
      auto* track = Find<TzrCustomTrack>(FForm, "eItem" + suffix);
      if (const std::optional<double> value = Number(N); track && value)
        track->SetValue(static_cast<float>(*value));
      return;
    }
    auto* combo = Find<TzrComboBox>(FForm, "cbItem" + suffix);
    if (const std::optional<int> value = Integer(N); combo && value)
      combo->SetItemIndex(*value - 1);
    if (mode == imComboSpin || mode == imComboSpinTenths) {
      auto* spin = Find<TzrSpinBox>(FForm, "eItem" + suffix);
      if (const std::optional<double> value = Number(N + "t"); spin && value)
        spin->SetValue(static_cast<float>(*value));
      return;
    }
    if (mode == imLinkedCurve64 || mode == imCurve256Adjust || mode == imCurve256 ||
        mode == imLinkedCurve256 || mode == imCurve64) {
      auto* curve = Find<TzrCustomTextBox>(FForm, "eItem" + suffix);
      if (curve && FFile.ValueExists(FSection, N + "t"))
        curve->SetText(UTF8ToUTF16(FFile.ReadString(FSection, N + "t", "")));
    }
  }

 private:
  std::optional<double> Number(const std::string& key) const {
    if (!FFile.ValueExists(FSection, key)) return std::nullopt;
    return ParseParameterValue(FFile.ReadString(FSection, key, ""));
  }

  std::optional<int> Integer(const std::string& key) const {
    if (!FFile.ValueExists(FSection, key)) return std::nullopt;
    int value = 0;
    if (!TryIniTextToInt(FFile.ReadString(FSection, key, ""), value)) return std::nullopt;
    return value;
  }

  TfrmInterface& FForm;
  const TMemIniFile& FFile;
  std::string FSection;
};

}  // namespace

bool TfrmInterface::ImportParameterFile(const std::string& fileName) {
  const TMemIniFile file(fileName);
  const std::string section = ImportSection(*this);
  if (!file.SectionExists(section) || !HoldsItemKey(file, section)) {
    ShowMessageText(LangText("importerror", "can't import differ version's setting"), 1);
    return false;
  }
  const TImport import(*this, file);
  import.Name();
  for (int n : ParameterFileItems(FPageDef)) import.Item(n);
  return true;
}

void TfrmInterface::Import1Click(TObject*) {
  // A running link operation owns the page's values.
  if (FBusy) return;
  OpenDialog1->SetFileName("");
  if (!OpenDialog1->Execute()) return;
  ImportParameterFile(OpenDialog1->GetFileName());
}
