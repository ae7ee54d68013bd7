// Putting section "common" of the language file onto the main window: the
// options that show menu entries and controls, the pictures, every caption in
// the language in force, the demo-model menu and the calculator fields.

#include <strings.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/Captions.h"
#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_compound.h"
#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_position.h"
#include "scene/zr_visual.h"

namespace {

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The window's component of that name, which must be a T.
template <class T>
T* Named(const TComponent* form, const std::string& name) {
  T* component = dynamic_cast<T*>(form->FindComponent(name));
  if (!component) throw Exception("Form frmInterface: " + name + " is missing or of another class");
  return component;
}

// The value of a model section's "demo" key: a number (non-zero is true) or
// the word true or false in any case. Anything else, the empty text of a
// missing key included, hides the item: one model section without the key
// must not cost the sections after it their items.
bool DemoValue(const std::string& text) {
  if (strcasecmp(text.c_str(), "true") == 0) return true;
  if (strcasecmp(text.c_str(), "false") == 0) return false;
  if (text.empty()) return false;
  double number = 0;
  if (!TryStrToFloat(text, number)) return false;
  return number != 0;
}

const char* const kProductItems[] = {"ESCSpeedController1", "MotorChecker1", "LCDProgramCard1",
                                     "DATALINK1",           "DATALINK2",     "DATALINK3",
                                     "DATALINK4",           "DATALINK5"};

}  // namespace

bool TfrmInterface::ReadCommonBool(const std::string& key) const {
  const TLangOption* option = FindLangOption(key.c_str());
  return FLangIni->ReadBool(LangCommonSection, key, option && option->Default);
}

std::string TfrmInterface::ReadCommonText(const std::string& key) const {
  const TLangText* row = FindLangPlainText(key.c_str());
  return FLangIni->ReadString(LangCommonSection, key, row ? row->Default : "");
}

int TfrmInterface::ReadCommonInteger(const std::string& key) const {
  const TLangInteger* row = FindLangInteger(key.c_str());
  return FLangIni->ReadInteger(LangCommonSection, key, row ? row->Default : 0);
}

void TfrmInterface::SetBoundCaption(const TCaptionBinding& binding, const std::string& text) {
  switch (binding.Property) {
    case TCaptionProperty::Text:
      Named<TzrTextControl>(this, binding.Component)->SetText(UTF8ToUTF16(text));
      return;
    case TCaptionProperty::Caption:
      Named<TMenuItem>(this, binding.Component)->SetCaption(text);
      return;
    case TCaptionProperty::TextLabel:
      Named<TzrCompoundControl>(this, binding.Component)
          ->GetTextLabel()
          ->SetText(UTF8ToUTF16(text));
      return;
  }
}

void TfrmInterface::ApplyCaptions(TCaptionGroup group) {
  for (const TCaptionBinding& binding : CaptionBindings()) {
    if (binding.Group != group) continue;
    const std::string text =
        group == TCaptionGroup::LanguagePairs ? LangPairText(binding.Base) : LangText(binding.Base);
    SetBoundCaption(binding, text);
  }
}

void TfrmInterface::ApplyLanguage() {
  if (!FLangIni) OpenLanguageFile();
  FSoftwareVersion = ReadCommonText("software_version");
  // Menu entries the options show or hide.
  const std::pair<const char*, TMenuItem*> menuOptions[] = {
      {"esc_option", ESCSpeedController1}, {"lcd_option", LCDProgramCard1},
      {"demo_option", Version1},           {"mc_option", MotorChecker1},
      {"datalink1_option", DATALINK1},     {"datalink2_option", DATALINK2},
      {"datalink3_option", DATALINK3},     {"datalink4_option", DATALINK4},
      {"datalink5_option", DATALINK5}};
  for (const auto& [key, item] : menuOptions) item->SetVisible(ReadCommonBool(key));
  // The starting language, on the first run only.
  if (!Chinese1->GetChecked() && !English1->GetChecked()) {
    const bool chinese = ReadCommonBool("lang");
    Chinese1->SetChecked(chinese);
    English1->SetChecked(!chinese);
  }
  ApplyCaptions(TCaptionGroup::DataLinkItems);
  const std::vector<std::string> sections = FLangIni->ReadSections();
  // The window's icon, the name taken as written.
  const std::string icon = ReadCommonText("icon");
  if (FileExists(icon)) LoadIconFromFile(icon);
  ApplyPictures();
  ApplyWindowTitle();
  ApplyCaptions(TCaptionGroup::LanguagePairs);
  ApplyCaptions(TCaptionGroup::KeyTexts);
  ApplyChannelPageOptions();
  btnConnect->SetText(UTF8ToUTF16(LangText(FConnectSwitch ? "DisConnect" : "Connect")));
  ApplyProductLabel();
  // What the first run builds: the demo-model items, the calculator fields
  // and the update option. A file without model sections adds no item, so
  // the later runs read the fields again.
  if (Version1->Count() < 3) {
    AddDemoModelItems(sections);
    ApplyCalculatorFields();
    if (FCheckUpdates) FCheckUpdates = ReadCommonBool("autoupdate");
  }
  ApplyNavigationLook();
  SelectModelDatabase();
}

// The logo's place and size, and the pictures of the logo and of the
// navigation entries.
void TfrmInterface::ApplyPictures() {
  imgLogo->GetPosition()->SetX(static_cast<float>(ReadCommonInteger("aboutimage_x")));
  imgLogo->GetPosition()->SetY(static_cast<float>(ReadCommonInteger("aboutimage_y")));
  imgLogo->SetWidth(static_cast<float>(ReadCommonInteger("aboutimage_w")));
  imgLogo->SetHeight(static_cast<float>(ReadCommonInteger("aboutimage_h")));
  LoadPicture(imgLogo, ReadCommonText("aboutimage"));
  const std::pair<const char*, const char*> icons[] = {{"abouticon", "tabImage1"},
                                                       {"firmwareicon", "tabImage8"},
                                                       {"dataicon", "tabImage9"},
                                                       {"calcicon", "tabImage10"},
                                                       {"bsicon", "tabImage11"}};
  for (const auto& [key, image] : icons)
    LoadPicture(Named<TzrImage>(this, image), ReadCommonText(key));
}

// The colour and direction controls of the channel page.
void TfrmInterface::ApplyChannelPageOptions() {
  const bool colour = ReadCommonBool("datalink5_1_option");
  for (const char* name : {"lbColor", "cbRed", "cbGreen", "cbBlue"})
    Named<TzrVisualObject>(this, name)->SetVisible(colour);
  const bool rotation = ReadCommonBool("datalink5_2_option");
  for (const char* name : {"lbRotation", "rbCW", "rbCCW"})
    Named<TzrVisualObject>(this, name)->SetVisible(rotation);
}

// The label beside the link lamp names the product mode in force; in the
// program card's mode a model key shown in the controller box gives way to
// the mode's name.
void TfrmInterface::ApplyProductLabel() {
  for (const char* name : kProductItems) {
    TMenuItem* item = Named<TMenuItem>(this, name);
    if (!item->GetChecked()) continue;
    Label1->SetText(UTF8ToUTF16(item->GetCaption()));
    if (item == LCDProgramCard1 && !eController->GetText().empty())
      eController->SetText(UTF8ToUTF16(item->GetCaption()));
  }
}

// One item of the supported-versions menu per model section, in file order;
// each item's tag is its index in the menu plus one, behind the two fixed
// entries.
void TfrmInterface::AddDemoModelItems(const std::vector<std::string>& sections) {
  int made = 0;
  for (const std::string& section : sections) {
    if (section == LangCommonSection) continue;
    auto* item = new TMenuItem(Version1);
    item->SetCaption(FLangIni->ReadString(section, "name", section));
    item->SetHint(section);
    item->SetAutoCheck(true);
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->SetTag(3 + made++);
    item->OnClick = [this](TObject* sender) { VersionClick(sender); };
    item->SetVisible(DemoValue(FLangIni->ReadString(section, "demo", "")));
    Version1->Add(item);
  }
}

void TfrmInterface::ApplyCalculatorFields() {
  for (int k = 1; k <= 19; ++k) {
    const std::u16string text = UTF8ToUTF16(ReadCommonText("cacl" + std::to_string(k)));
    if (k == 16)
      calcTextBox16->SetText(text);
    else if (k == 17)
      calcTextBox17->SetText(text);
    else
      calcTextBox[k - 1]->SetText(text);
  }
}

// The navigation list's background picture and, when asked for, the white
// label style of its entries; the style is never taken back.
void TfrmInterface::ApplyNavigationLook() {
  const std::string image = ReadCommonText("styleimage");
  const std::string path = image.empty() ? "" : ExtractProgramFolder() + image;
  if (FileExists(path)) {
    ListBox1->AddBackgroundBitmap(path);
    ListBox1->SetBackground(true);
  }
  if (!ReadCommonBool("stylecolor")) return;
  for (int k = 1; k <= 10; ++k)
    Named<TzrControl>(this, "tabLabel" + std::to_string(k))->SetResource("labelstyle2");
}

void TfrmInterface::ApplyWindowTitle() {
  SetCaption(ComposeWindowTitle(LangPairText("Title"), FSoftwareVersion, FLocalDatabaseVersion,
                                Chinese1->GetChecked()));
}
