// The rows of the parameter pages. Each row is planned first (value list,
// limits, ranges), so that an item whose definition cannot be read is skipped
// whole, named in the message area, and the rest of the page is still built.

#include "pages/PageBuilder.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "app/SceneForms.h"
#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_font.h"
#include "scene/zr_position.h"
#include "scene/zr_strings.h"

namespace {

constexpr char16_t kMarker[] = u"(*)";
constexpr float kRowTop = 22;
constexpr float kRowStep = 40;
constexpr float kBoxTop = 8;
constexpr float kBoxGap = 20;
constexpr float kBoxX = 9;
constexpr float kBoxWidth = 390;
constexpr float kBoxStartHeight = 20;
// A value combo lists at most one entry per value of the byte the device keeps
// for it; each entry is a control of its own, so a longer list would only
// slow the build down with entries no value can select.
constexpr size_t kMaxComboEntries = 256;

// What a row needs besides its label; made before any control exists.
struct TRowPlan {
  bool Combo = false;
  float ComboWidth = 200;
  std::vector<std::u16string> Entries;
  size_t ListedEntries = 0;  // before the list was cut to kMaxComboEntries
  bool Spin = false;
  bool Tenths = false;
  float SpinMin = 0, SpinMax = 0;
  bool Track = false;
  float TrackMin = 0, TrackMax = 0, Frequency = 1, TrackValue = 0;
  bool ReadOnly = false;
  bool Curve = false;
};

bool HasCombo(int mode) {
  return mode <= imLinkedCurve64 || mode == imCurve256Adjust || mode == imCurve256 ||
         mode == imLinkedCurve256 || mode == imCurve64 || mode > imCurve64;
}

bool IsCurveMode(int mode) {
  return mode == imLinkedCurve64 || mode == imCurve256Adjust || mode == imCurve256 ||
         mode == imLinkedCurve256 || mode == imCurve64;
}

double RequireNumber(const std::string& text, const char* what) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) throw std::runtime_error(std::string(what) + " \"" + text + "\" is not a number");
  return *value;
}

// The number of a track bar's list entry; the default marker is no part of it.
double EntryNumber(std::u16string entry) {
  const size_t marker = entry.find(kMarker);
  if (marker != std::u16string::npos) entry.erase(marker, 3);
  return RequireNumber(UTF16ToUTF8(entry), "value list entry");
}

void PlanTrackBar(const ITEM& item, const std::string& values, TRowPlan& plan) {
  plan.Track = true;
  if (item.max != "0") {
    plan.TrackMin = static_cast<float>(RequireNumber(item.min, "minimum"));
    plan.TrackMax = static_cast<float>(RequireNumber(item.max, "maximum"));
    plan.TrackValue = plan.TrackMin;
    return;
  }
  const std::vector<std::u16string> entries = ExpandValueList(UTF8ToUTF16(values));
  if (entries.size() < 2) throw std::runtime_error("the value list has fewer than two entries");
  plan.TrackMin = static_cast<float>(EntryNumber(entries.front()));
  plan.TrackMax = static_cast<float>(EntryNumber(entries.back()));
  plan.Frequency = static_cast<float>(EntryNumber(entries[1])) - plan.TrackMin;
  const float value = static_cast<float>(IndexOfDefaultMarker(entries));
  plan.TrackValue = value < plan.TrackMin || value > plan.TrackMax ? plan.TrackMin : value;
}

TRowPlan PlanRow(const ITEM& item, bool chinese) {
  TRowPlan plan;
  const std::string& values = chinese ? item.cvalue : item.evalue;
  const int mode = item.mode;
  if (mode == imTrackBar || mode == imTrackBar2) {
    PlanTrackBar(item, values, plan);
    return plan;
  }
  if (mode == imReadOnly) {
    plan.ReadOnly = true;
    return plan;
  }
  plan.Combo = HasCombo(mode);
  plan.Entries = ExpandValueList(UTF8ToUTF16(values));
  plan.ListedEntries = plan.Entries.size();
  if (plan.Entries.size() > kMaxComboEntries) plan.Entries.resize(kMaxComboEntries);
  plan.Curve = IsCurveMode(mode);
  if (mode == imComboSpin || mode == imComboSpinTenths) {
    plan.ComboWidth = 120;
    plan.Spin = true;
    plan.Tenths = mode == imComboSpinTenths;
    if (plan.Tenths) {
      const std::optional<int> low = ParseWholeNumber(item.mincustom);
      const std::optional<int> high = ParseWholeNumber(item.maxcustom);
      if (!low || !high) throw std::runtime_error("the spin box limits are not whole numbers");
      plan.SpinMin = static_cast<float>(*low) / 10;
      plan.SpinMax = static_cast<float>(*high) / 10;
    } else {
      plan.SpinMin = static_cast<float>(RequireNumber(item.mincustom, "minimum"));
      plan.SpinMax = static_cast<float>(RequireNumber(item.maxcustom, "maximum"));
    }
  }
  return plan;
}

template <class T>
T* MakeControl(TfrmInterface& form, TzrVisualObject* parent, const std::string& name, int tag,
               float x, float y, float width) {
  auto* control = new T(&form);
  control->SetName(name);
  control->SetTag(tag);
  control->SetParent(parent);
  control->GetPosition()->SetX(x);
  control->GetPosition()->SetY(y);
  control->SetWidth(width);
  return control;
}

TzrLabel* MakeRowLabel(TfrmInterface& form, TzrVisualObject* parent, const std::string& name,
                       int tag, float x, float y, float width, const std::string& text) {
  auto* label = MakeControl<TzrLabel>(form, parent, name, tag, x, y + 3, width);
  label->GetFont()->SetStyle(zrFontBold);
  label->GetFont()->SetSize(12);
  label->SetTextAlign(zrTextAlignNear);
  label->SetText(UTF8ToUTF16(text));
  return label;
}

// Fills a value combo and selects the default. The list is not opened and
// closed here: it sizes itself at every opening and its entries follow Items,
// while an opening would show a popup window per row at every build.
void FillCombo(TzrStringComboBox* combo, const std::vector<std::u16string>& entries) {
  TzrWideStrings* items = combo->GetItems();
  items->BeginUpdate();
  for (const std::u16string& entry : entries) items->Add(entry);
  items->EndUpdate();
  SelectDefaultEntry(combo);
}

void BindCombo(TfrmInterface& form, TzrStringComboBox* combo) {
  combo->OnChange = [&form](TObject* s) { form.itemChange(s); };
  combo->OnEnterFocus = [&form](TObject* s) { form.itemEnterFocus(s); };
}

std::string WholeNumberText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", value);
  return text;
}

}  // namespace

int IndexOfDefaultMarker(const std::vector<std::u16string>& List) {
  for (size_t i = 0; i < List.size(); ++i)
    if (List[i].find(kMarker) != std::u16string::npos) return static_cast<int>(i);
  return 0;
}

void SelectDefaultEntry(TzrStringComboBox* Combo) {
  TzrWideStrings* items = Combo->GetItems();
  int index = 0;
  for (int i = 0; i < items->GetCount(); ++i)
    if (items->Get(i).find(kMarker) != std::u16string::npos) {
      index = i;
      break;
    }
  Combo->SetItemIndex(index);
}

std::optional<double> ParseNumber(const std::string& Text) {
  if (Text.empty()) return std::nullopt;
  double value = 0;
  const char* end = Text.data() + Text.size();
  const char* begin = Text.data() + (Text[0] == '+' ? 1 : 0);
  const auto [ptr, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> ParseWholeNumber(const std::string& Text) {
  int value = 0;
  const char* end = Text.data() + Text.size();
  const auto [ptr, error] = std::from_chars(Text.data(), end, value);
  if (Text.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<int> RpmOfEntry(const std::u16string& Entry) {
  const size_t rpm = Entry.find(u"rpm");
  if (rpm == std::u16string::npos) return std::nullopt;
  std::string number = UTF16ToUTF8(Entry.substr(0, rpm));
  while (!number.empty() && number.back() == ' ') number.pop_back();
  return ParseWholeNumber(number);
}

std::vector<uint8_t> LinkedCurveBytes(int Lo, int Hi) {
  std::vector<uint8_t> bytes;
  const float step = static_cast<float>(Hi - Lo) / 256;
  for (int k = 0; k < 64; ++k) {
    const int value = static_cast<int>(static_cast<float>(Lo) + 4 * static_cast<float>(k) * step);
    bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
  }
  return bytes;
}

std::vector<uint8_t> CountingCurveBytes(int Count) {
  std::vector<uint8_t> bytes(Count);
  for (int k = 0; k < Count; ++k) bytes[k] = static_cast<uint8_t>(k);
  return bytes;
}

// ---------------------------------------------------------------- builder

TPageBuilder::TPageBuilder(TfrmInterface& Form) : F(Form) {}

void TPageBuilder::Skip(const std::string& What, const std::string& Why) {
  F.ShowMessageText(F.LangText("page_row_skipped", "Row left out:") + " " + What + ": " + Why, 0);
}

void TPageBuilder::NoteShortened(const std::string& What, size_t Listed) {
  F.ShowMessageText(F.LangText("page_list_shortened", "List shortened:") + " " + What + ": " +
                        std::to_string(Listed) + " entries, the first " +
                        std::to_string(kMaxComboEntries) + " listed",
                    0);
}

void TPageBuilder::NameUnreadableRules(int N) {
  const ITEM& item = F.FPageDef.items[N];
  if (item.link.empty()) return;
  bool complete = true;
  std::vector<std::string> unreadable;
  ReadLinkRules(item.link, complete, &unreadable);
  const std::string& name = F.IsChinese() ? item.cname : item.ename;
  for (const std::string& line : unreadable)
    F.ShowMessageText(F.LangText("link_rule_skipped", "Link rule left out:") + " item " +
                          std::to_string(N + 1) + " (" + name + ") \"" + line +
                          "\": not four whole numbers",
                      0);
}

void TPageBuilder::BuildGroup(int Group, TzrLayout* Layout,
                              const std::vector<std::string>& Entries) {
  TContainer container;
  container.Parent = Layout;
  FLastBox = nullptr;
  for (size_t i = 0; i < Entries.size(); ++i) {
    if (Entries[i] == "-") {
      OpenBox(container, Layout, i == 0);
      continue;
    }
    AddEntry(Group, container, Entries[i]);
  }
}

// A box follows the latest box with a gap of 20; the first box of a group,
// and one that follows rows placed on the layout itself, starts below them.
void TPageBuilder::OpenBox(TContainer& C, TzrLayout* Layout, bool FirstEntry) {
  float top = kBoxTop;
  if (FLastBox)
    top = FLastBox->GetPosition()->GetY() + FLastBox->GetHeight() + kBoxGap;
  else if (!FirstEntry)
    top = kBoxTop + kRowStep * static_cast<float>(C.Row);
  auto* box = MakeControl<TzrGroupBox>(F, Layout, "", 0, kBoxX, top, kBoxWidth);
  box->SetHeight(kBoxStartHeight);
  box->SetHitTest(false);
  box->SetText(u"v");
  box->GetFont()->SetFamily("Wingdings");
  ShowSymbolFontCaption(box);
  FLastBox = box;
  C.Parent = box;
  C.Box = box;
  C.Left = 10;
  C.Row = 0;
}

void TPageBuilder::AddEntry(int Group, TContainer& C, const std::string& Entry) {
  const std::optional<int> number = ParseWholeNumber(Entry);
  if (!number) {
    Skip("group " + std::to_string(Group + 1) + " entry \"" + Entry + "\"", "not an item number");
    return;
  }
  const int n = *number;
  if (n < 0 || n >= F.FPageDef.item || n >= VERSION::MaxItems) return;
  if (!FUsed.insert(n).second) {
    Skip("item " + std::to_string(n + 1), "listed more than once");
    return;
  }
  if (Group == 0 && !FModeRowPlaced && F.FPageDef.site.enabled) AddModeRow(C);
  FModeRowPlaced = FModeRowPlaced || Group == 0;
  if (F.FPageDef.items[n].mode == imHidden) return;  // no row, no gap
  AddItemRow(C, n);
}

void TPageBuilder::AddModeRow(TContainer& C) {
  const SITE& site = F.FPageDef.site;
  std::vector<std::u16string> entries;
  try {
    entries = ExpandValueList(UTF8ToUTF16(F.IsChinese() ? site.cvalue : site.evalue));
  } catch (const std::exception& e) {
    Skip("mode row", e.what());
    return;
  }
  const size_t listed = entries.size();
  if (listed > kMaxComboEntries) {
    entries.resize(kMaxComboEntries);
    NoteShortened("mode row", listed);
  }
  const float top = kRowTop + kRowStep * static_cast<float>(C.Row);
  MakeRowLabel(F, C.Parent, "lMode", 0, C.Left, top, 90, F.LangText("Mode", ""));
  auto* mode = MakeControl<TzrStringComboBox>(F, C.Parent, "cbMode", 99, C.Left + 100, top, 120);
  FillCombo(mode, entries);
  BindCombo(F, mode);
  auto* name = MakeControl<TzrTextBox>(F, C.Parent, "eName", 99, C.Left + 230, top, 140);
  name->OnEnterFocus = [&form = F](TObject* s) { form.itemEnterFocus(s); };
  name->OnKeyDown = [&form = F](TObject* s, uint16_t& key, char16_t& ch, TShiftState shift) {
    form.itemKeyDown(s, key, ch, shift);
  };
  C.Row += 2;
  if (C.Box) C.Box->SetHeight(C.Box->GetHeight() + 2 * kRowStep);
}

void TPageBuilder::AddItemRow(TContainer& C, int N) {
  const ITEM& item = F.FPageDef.items[N];
  const bool chinese = F.IsChinese();
  const std::string what =
      "item " + std::to_string(N + 1) + " (" + (chinese ? item.cname : item.ename) + ")";
  TRowPlan plan;
  try {
    plan = PlanRow(item, chinese);
  } catch (const std::exception& e) {
    Skip(what, e.what());
    return;
  }
  const std::string number = std::to_string(N);
  const float top = kRowTop + kRowStep * static_cast<float>(C.Row);
  const float p = C.Left;
  MakeRowLabel(F, C.Parent, "lItem" + number, N, p, top, 170, chinese ? item.cname : item.ename);
  if (plan.Combo) {
    auto* combo = MakeControl<TzrStringComboBox>(F, C.Parent, "cbItem" + number, N, p + 170, top,
                                                 plan.ComboWidth);
    FillCombo(combo, plan.Entries);
    BindCombo(F, combo);
    if (plan.ListedEntries > plan.Entries.size()) NoteShortened(what, plan.ListedEntries);
  }
  if (plan.Spin) {
    auto* spin = MakeControl<TzrSpinBox>(F, C.Parent, "eItem" + number, N, p + 292, top, 78);
    const std::string& unit = chinese ? item.cunit : item.eunit;
    spin->GetFont()->SetSize(10);
    spin->SetPostfix(UTF8ToUTF16(unit));
    spin->SetDecimalDigits(1);
    spin->SetIncrement(plan.Tenths ? 0.1f : 1.f);
    spin->SetMin(plan.SpinMin);
    spin->SetMax(plan.SpinMax);
    spin->SetValueType(plan.Tenths ? zrValueFloat : zrValueInteger);
    spin->SetValue(plan.SpinMin);
    // The box shows its unit from the start, also when the value kept its text.
    const std::u16string postfix = UTF8ToUTF16(unit);
    const std::u16string text = spin->GetText();
    if (!plan.Tenths && (text.size() < postfix.size() ||
                         text.compare(text.size() - postfix.size(), postfix.size(), postfix) != 0))
      spin->SetText(text + postfix);
    spin->SetEnabled(false);
    spin->OnEnterFocus = [&form = F](TObject* s) { form.itemEnterFocus(s); };
  }
  if (plan.Track) {
    auto* track = MakeControl<TzrTrackBar>(F, C.Parent, "eItem" + number, N, p + 170, top, 150);
    track->SetMin(plan.TrackMin);
    track->SetMax(plan.TrackMax);
    track->SetFrequency(plan.Frequency);
    track->SetValue(plan.TrackValue);
    auto* value = MakeControl<TzrValueLabel>(F, C.Parent, "leItem" + number, N, p + 320, top, 50);
    value->SetTextAlign(zrTextAlignCenter);
    value->SetText(UTF8ToUTF16(WholeNumberText(track->GetValue())));
    track->OnChange = [&form = F](TObject* s) { form.itemChange(s); };
    track->OnEnterFocus = [&form = F](TObject* s) { form.itemEnterFocus(s); };
  }
  if (plan.ReadOnly) {
    auto* box = MakeControl<TzrTextBox>(F, C.Parent, "eItem" + number, N, p + 170, top, 200);
    box->SetReadOnly(true);
    box->OnEnterFocus = [&form = F](TObject* s) { form.itemEnterFocus(s); };
  }
  if (plan.Curve) {
    auto* curve = MakeControl<TzrTextBox>(F, C.Parent, "eItem" + number, N, p + 290, top, 80);
    curve->SetReadOnly(true);
    curve->SetVisible(false);
    std::vector<uint8_t> bytes;
    if (item.mode == imLinkedCurve64 || item.mode == imLinkedCurve256) {
      const int lo = ParseWholeNumber(item.minlink).value_or(N - 2);
      const int hi = ParseWholeNumber(item.maxlink).value_or(N - 1);
      auto rpm = [this](int link) -> std::optional<int> {
        auto* c =
            dynamic_cast<TzrStringComboBox*>(F.FindComponent("cbItem" + std::to_string(link)));
        if (!c || c->GetItemIndex() < 0) return std::nullopt;
        return RpmOfEntry(c->GetItems()->Get(c->GetItemIndex()));
      };
      const std::optional<int> low = rpm(lo), high = rpm(hi);
      bytes = low && high ? LinkedCurveBytes(*low, *high) : std::vector<uint8_t>(128, 0);
    } else {
      bytes = CountingCurveBytes(item.mode == imCurve64 ? 64 : 256);
    }
    curve->SetText(UTF8ToUTF16(BytesToHex(bytes.data(), bytes.size())));
    curve->OnEnterFocus = [&form = F](TObject* s) { form.itemEnterFocus(s); };
    curve->OnClick = [&form = F](TObject* s) { form.itemClick(s); };
  }
  NameUnreadableRules(N);
  FRows.push_back(N);
  C.Row += 1;
  if (C.Box) C.Box->SetHeight(C.Box->GetHeight() + kRowStep);
}
