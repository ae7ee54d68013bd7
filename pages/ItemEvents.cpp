// The shared handlers of the generated page controls: the settings name's
// length, the help callout beside the focused control, the link rules of an
// item's entry list, its value box, the mode combo's re-read and the track
// bars' value labels.

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_labels.h"
#include "controls/zr_panels.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "link/CarHardware.h"
#include "pages/PageBuilder.h"
#include "pages/PageDefinition.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"

namespace {

// The settings name fills a 15-byte field; the page keeps it to 14 characters.
constexpr size_t kMaxNameLength = 14;

template <class T>
T* Find(const TfrmInterface& F, const std::string& Name) {
  return dynamic_cast<T*>(F.FindComponent(Name));
}

bool IsCurveMode(int Mode) {
  return Mode == imLinkedCurve64 || Mode == imCurve256Adjust || Mode == imCurve256 ||
         Mode == imLinkedCurve256 || Mode == imCurve64;
}

bool LastEntrySelected(const TzrStringComboBox& Combo) {
  return Combo.Count() > 0 && Combo.GetItemIndex() == Combo.Count() - 1;
}

// The value box of item N: the spin box of modes 1 and 2, the curve text box
// of the curve modes; nil for other modes and unknown items.
TzrControl* ValueBox(const TfrmInterface& F, int N) {
  if (N < 0 || N >= VERSION::MaxItems) return nullptr;
  const int mode = F.FPageDef.items[N].mode;
  const std::string name = "eItem" + std::to_string(N);
  if (IsCurveMode(mode)) return Find<TzrTextBox>(F, name);
  if (mode == imComboSpin || mode == imComboSpinTenths) return Find<TzrSpinBox>(F, name);
  return nullptr;
}

void ApplyRule(TfrmInterface& F, const TLinkRule& Rule, int Selected) {
  auto* target = Find<TzrStringComboBox>(F, "cbItem" + std::to_string(Rule.Target));
  if (!target) return;
  TzrControl* box = ValueBox(F, Rule.Target);
  switch (Rule.Kind) {
    case 0:
      target->SetVisible(Rule.Value != Selected);
      if (box) box->SetVisible(target->GetVisible());
      return;
    case 1:
      target->SetEnabled(Rule.Value != Selected);
      break;
    case 2:
      if (Rule.Value == Selected) target->SetItemIndex(Rule.Argument);
      break;
    default:
      return;
  }
  if (box)
    box->SetEnabled(target->GetEnabled() && LastEntrySelected(*target) &&
                    F.ValueBoxEditable(Rule.Target));
}

// Items whose change is running; a link cycle comes back to one of them and
// ends there.
std::vector<int>& RunningItems() {
  static std::vector<int> running;
  return running;
}

class TRunningItem {
 public:
  explicit TRunningItem(int N) : FN(N) { RunningItems().push_back(N); }
  ~TRunningItem() { RunningItems().pop_back(); }
  static bool IsRunning(int N) {
    for (const int n : RunningItems())
      if (n == N) return true;
    return false;
  }

 private:
  int FN;
};

// Applies the item's rules; false when a short rule line ends the handler.
bool RunLinkRules(TfrmInterface& F, const ITEM& Item, int Selected) {
  bool complete = true;
  const std::vector<TLinkRule> rules = ReadLinkRules(Item.link, complete);
  for (const TLinkRule& rule : rules) ApplyRule(F, rule, Selected);
  if (!complete) return false;
  for (const TLinkRule& rule : rules) {
    auto* target = Find<TzrStringComboBox>(F, "cbItem" + std::to_string(rule.Target));
    if (!target || !target->GetEnabled()) continue;
    if (rule.Target < 0 || rule.Target >= VERSION::MaxItems) continue;
    if (!F.FPageDef.items[rule.Target].link.empty()) F.itemChange(target);
  }
  return true;
}

void ItemComboChange(TfrmInterface& F, TzrStringComboBox& Combo) {
  const int n = Combo.GetTag();
  if (n < 0 || n >= VERSION::MaxItems || TRunningItem::IsRunning(n)) return;
  TRunningItem running(n);
  const ITEM& item = F.FPageDef.items[n];
  if (item.mode != imLinkedCurve64 && !RunLinkRules(F, item, Combo.GetItemIndex())) return;

  // A value box whose value no write would send stays read-only.
  const bool last = LastEntrySelected(Combo) && F.ValueBoxEditable(n);
  const std::string name = "eItem" + std::to_string(n);
  if (item.mode == imComboSpin || item.mode == imComboSpinTenths) {
    auto* spin = Find<TzrSpinBox>(F, name);
    if (!spin) return;
    spin->SetEnabled(last);
    if (last) spin->SetFocus();
    return;
  }
  if (!IsCurveMode(item.mode)) return;
  auto* box = Find<TzrTextBox>(F, name);
  if (!box) return;
  box->SetEnabled(last);
  if (!last) return;
  box->SetFocus();
  if (!F.FBusy && !F.FVersionSwitching) F.itemClick(box);
}

// Holds the link for the mode re-read as the write and default buttons do:
// FBusy set and the window disabled, both given back however the read ends.
class TModeReadHold {
 public:
  explicit TModeReadHold(TfrmInterface& F) : FForm(F) {
    FForm.FBusy = true;
    FForm.SetEnabled(false);
  }
  ~TModeReadHold() {
    FForm.FreeProgressForm();
    FForm.FBusy = false;
    FForm.SetEnabled(true);
  }
  TModeReadHold(const TModeReadHold&) = delete;
  TModeReadHold& operator=(const TModeReadHold&) = delete;

 private:
  TfrmInterface& FForm;
};

// The settings of the mode now selected in the mode combo, read again from
// the device. A failed read puts the combo back on the mode whose settings
// the page holds, so that the next write does not send them under another
// mode, and says so in the message area. The read pumps messages, and a lost
// adapter rebuilds the page meanwhile: the combo is found again by name
// afterwards.
void ReReadMode(TfrmInterface& F) {
  if (F.FBusy || !F.FConnected) return;
  const TModeReadHold hold(F);
  F.ShowSettingsProgress(IsLargeCarHardware(F.FHardware) ? 736 : 240);
  std::vector<uint8_t> held(F.FParams, F.FParams + TfrmInterface::kParamsSize);
  const std::string result = F.ReadSettings();
  if (result.empty()) {
    F.ShowParameters();
    return;
  }
  std::memcpy(F.FParams, held.data(), held.size());
  const int offset = F.FSettingsOffset;
  auto* mode = Find<TzrStringComboBox>(F, "cbMode");
  if (mode && offset >= 0 && offset < TfrmInterface::kParamsSize && held[offset] < mode->Count())
    mode->SetItemIndex(held[offset]);  // FBusy is still set: no new read
  F.ShowMessageText(
      F.LangText("mode_read_failed", "The settings of the mode could not be read:") + " " + result,
      0);
}

}  // namespace

// The page builder names the lines left out here; the change handler skips
// them and applies the others in order.
std::vector<TLinkRule> ReadLinkRules(const std::string& Link, bool& Complete,
                                     std::vector<std::string>* Unreadable) {
  std::vector<TLinkRule> rules;
  Complete = true;
  std::vector<std::u16string> lines;
  try {
    lines = ExpandValueList(UTF8ToUTF16(Link));
  } catch (const std::exception&) {
    if (Unreadable) Unreadable->push_back(Link);
    return rules;
  }
  for (const std::u16string& line : lines) {
    const std::vector<std::u16string> fields = SplitString(u",", line, 0);
    if (fields.size() < 4) {
      Complete = false;
      break;
    }
    int32_t value[4] = {};
    bool read = true;
    for (int i = 0; i < 4 && read; ++i) read = TryStrToInt(UTF16ToUTF8(fields[i]), value[i]);
    if (!read) {
      if (Unreadable) Unreadable->push_back(UTF16ToUTF8(line));
      continue;
    }
    rules.push_back({value[0], value[1], value[2], value[3]});
  }
  return rules;
}

void TfrmInterface::itemChange(TObject* Sender) {
  if (auto* combo = dynamic_cast<TzrStringComboBox*>(Sender)) {
    if (combo->GetName() == "cbMode")
      ReReadMode(*this);
    else
      ItemComboChange(*this, *combo);
    return;
  }
  auto* track = dynamic_cast<TzrTrackBar*>(Sender);
  if (!track) return;
  if (auto* label = Find<TzrTextControl>(*this, "l" + track->GetName()))
    label->SetText(UTF8ToUTF16(FloatToStrF(track->GetValue(), TFloatFormat::ffFixed, 12, 0)));
}

namespace {

// The focused control's place (its parent's Y plus its own, less 5) and
// help code (its Tag), for the control kinds that carry help.
template <class T>
bool HelpPlace(TObject* Sender, int& Offset, int& Code) {
  auto* control = dynamic_cast<T*>(Sender);
  if (!control) return false;
  float parentY = 0;
  if (auto* parent = dynamic_cast<TzrControl*>(control->GetParent()))
    parentY = parent->GetPosition()->GetY();
  Offset = static_cast<int>(parentY + control->GetPosition()->GetY() - 5);
  Code = control->GetTag();
  return true;
}

}  // namespace

void TfrmInterface::itemEnterFocus(TObject* Sender) {
  int offset = 0, code = 0;
  HelpPlace<TzrStringComboBox>(Sender, offset, code) ||
      HelpPlace<TzrSpinBox>(Sender, offset, code) || HelpPlace<TzrTextBox>(Sender, offset, code) ||
      HelpPlace<TzrTrackBar>(Sender, offset, code) ||
      HelpPlace<TzrComboTextBox>(Sender, offset, code) ||
      HelpPlace<TzrCompoundTextBox>(Sender, offset, code) ||
      HelpPlace<TzrComboBox>(Sender, offset, code);  // the firmware list
  if (Panel2) {
    Panel2->SetCalloutOffset(static_cast<float>(offset));
    Panel2->SetCalloutLength(11);
    Panel2->GetPosition()->SetX(-7);
    Panel2->SetWidth(226);
  }
  ShowHelpPanel(code);
}

void TfrmInterface::itemKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar, uint16_t Shift) {
  (void)KeyChar;
  (void)Shift;
  auto* box = dynamic_cast<TzrTextBox*>(Sender);
  if (!box) return;
  const std::u16string text = box->GetText();
  if (text.size() <= kMaxNameLength) return;
  box->SetText(text.substr(0, kMaxNameLength));
  Key = 0;
}

void TfrmInterface::BindHelpFocus() {
  const auto bind = [this](TzrControl* Control, int Code) {
    if (!Control) return;
    Control->SetTag(Code);
    Control->OnEnterFocus = [this](TObject* s) { itemEnterFocus(s); };
  };
  bind(eController, 100);
  bind(eHardware, 101);
  bind(eFirmware, 102);
  bind(cbFirmware, 103);
  for (TzrCustomTextBox* box : calcTextBox) bind(box, 104);
  bind(calcTextBox16, 104);
  bind(calcTextBox17, 104);
}
