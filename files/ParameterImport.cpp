// The import command: reads a parameter text file back into the current
// page's controls. Only the section named after the device identity counts.
//
// The import runs in two passes. The first reads every value and checks it
// against the control it goes to (the entries of a list, the limits and
// decimals of a spin box, the limits of a track bar, the length of the name,
// the block of a curve); a file with any value the page cannot hold is
// refused as a whole, naming the key and the allowed range, and no control
// changes. The second pass sets the controls through their setters, so their
// change events reach the page's handlers as a user's choice would, while the
// busy flag holds back the curve editors that a custom entry would open. A
// key that is missing or holds no number leaves its control as it is, so a
// partial file never clears a control that the next write would then send to
// the device.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/FlagHold.h"
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

// The settings name goes into a 15-byte field; the box keeps 14 characters
// when typed and shows up to 15 read from the device.
constexpr size_t kMaxNameLength = 15;

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

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole number written in decimal that is too large for an int.
bool IsLongDecimal(const std::string& text) {
  std::string digits = Trimmed(text);
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.erase(0, 1);
  if (digits.empty()) return false;
  return std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// A number written out in full that a double cannot hold, or infinity.
bool IsOverflowingNumber(const std::string& text) {
  std::string number = Trimmed(text);
  std::replace(number.begin(), number.end(), ',', '.');
  if (!number.empty() && number.front() == '+') number.erase(0, 1);
  if (number.empty()) return false;
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (end != number.data() + number.size()) return false;
  return error == std::errc::result_out_of_range || !std::isfinite(value);
}

// A limit as the shortest text that reads back as the same float.
std::string LimitText(float value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : "0";
}

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Bytes of a curve item's block: 256 for the point curves, 128 for the
// 16-bit rpm curves and the samples.
size_t CurveBlockBytes(int mode) {
  return mode == imCurve256Adjust || mode == imCurve256 ? 256 : 128;
}

bool IsCurveMode(int mode) {
  return mode == imLinkedCurve64 || mode == imCurve256Adjust || mode == imCurve256 ||
         mode == imLinkedCurve256 || mode == imCurve64;
}

// A value the page cannot hold: the key and the range its control allows.
struct TRefusal {
  std::string Key, Range;
};

class TImport {
 public:
  TImport(TfrmInterface& form, const TMemIniFile& file)
      : FForm(form), FFile(file), FSection(ImportSection(form)) {}

  // Reads and checks every value; the first one the page cannot hold ends
  // the reading.
  std::optional<TRefusal> Read() {
    Name();
    for (int n : ParameterFileItems(FForm.FPageDef)) {
      if (FRefusal) break;
      Item(n);
    }
    return FRefusal;
  }

  // Sets the controls to the values read.
  void Apply() const {
    for (const std::function<void()>& change : FChanges) change();
  }

 private:
  void Name() {
    if (!Find<TzrCustomTextBox>(FForm, "eName") || !FFile.ValueExists(FSection, "name")) return;
    const std::u16string name = UTF8ToUTF16(FFile.ReadString(FSection, "name", ""));
    if (name.size() > kMaxNameLength) {
      Refuse("name", "0 .. " + std::to_string(kMaxNameLength) + " " +
                         Text("import_characters", "characters", "个字符"));
      return;
    }
    Change<TzrCustomTextBox>("eName", [name](TzrCustomTextBox& box) { box.SetText(name); });
  }

  void Item(int n) {
    const int mode = FForm.FPageDef.items[n].mode;
    const std::string N = std::to_string(n + 1), name = "eItem" + std::to_string(n);
    if (mode == imHidden || mode == imReadOnly) return;
    if (mode == imTrackBar || mode == imTrackBar2) {
      Track(N, name);
      return;
    }
    Combo(N, "cbItem" + std::to_string(n));
    if (mode == imComboSpin || mode == imComboSpinTenths)
      Spin(N + "t", name);
    else if (IsCurveMode(mode))
      Curve(N + "t", name, CurveBlockBytes(mode));
  }

  // An entry number, 1 to Count, or 0 for no choice.
  void Combo(const std::string& key, const std::string& name) {
    auto* combo = Find<TzrComboBox>(FForm, name);
    if (!combo || !FFile.ValueExists(FSection, key)) return;
    const std::string text = FFile.ReadString(FSection, key, "");
    int value = 0;
    const bool number = TryIniTextToInt(text, value);
    if (!number && !IsLongDecimal(text)) return;
    const int count = combo->Count();
    if (!number || value < 0 || value > count) {
      Refuse(key, "0 .. " + std::to_string(count));
      return;
    }
    Change<TzrComboBox>(name, [value](TzrComboBox& box) { box.SetItemIndex(value - 1); });
  }

  // A value within Min .. Max at the box's decimals (none for whole numbers).
  void Spin(const std::string& key, const std::string& name) {
    auto* spin = Find<TzrSpinBox>(FForm, name);
    if (!spin) return;
    const bool whole = spin->GetValueType() == zrValueInteger;
    const int decimals = whole ? 0 : std::clamp(spin->GetDecimalDigits(), 0, 6);
    const double scale = std::pow(10.0, decimals);
    const float low = spin->GetMin(), high = spin->GetMax();
    const std::string range = LimitText(low) + " .. " + LimitText(high) + ", " +
                              (whole ? Text("import_whole", "whole numbers", "整数")
                                     : Text("import_decimals", "decimals:", "小数位数：") + " " +
                                           std::to_string(decimals));
    const std::optional<double> value = Number(key, range);
    if (!value) return;
    const double steps = *value * scale;
    if (!Within(*value, low, high) || std::abs(steps - std::round(steps)) > 1e-6 * scale) {
      Refuse(key, range);
      return;
    }
    const float shown = std::clamp(static_cast<float>(std::round(steps) / scale), low, high);
    Change<TzrSpinBox>(name, [shown](TzrSpinBox& box) { box.SetValue(shown); });
  }

  // A value within Min .. Max; the bar snaps it to its steps. The file holds
  // one decimal, so a limit finer than that is met within half a tenth.
  void Track(const std::string& key, const std::string& name) {
    auto* track = Find<TzrCustomTrack>(FForm, name);
    if (!track) return;
    const float low = track->GetMin(), high = track->GetMax();
    const std::string range = LimitText(low) + " .. " + LimitText(high);
    const std::optional<double> value = Number(key, range);
    if (!value) return;
    if (*value < low - 0.05 || *value > high + 0.05) {
      Refuse(key, range);
      return;
    }
    const float position = std::clamp(static_cast<float>(*value), low, high);
    Change<TzrCustomTrack>(name, [position](TzrCustomTrack& bar) { bar.SetValue(position); });
  }

  // Pairs of hexadecimal digits, no more than the curve's block.
  void Curve(const std::string& key, const std::string& name, size_t bytes) {
    if (!Find<TzrCustomTextBox>(FForm, name) || !FFile.ValueExists(FSection, key)) return;
    const std::string text = FFile.ReadString(FSection, key, "");
    if (text.size() % 2 != 0 || text.size() > 2 * bytes ||
        !std::all_of(text.begin(), text.end(), IsHexDigit)) {
      Refuse(key, "0 .. " + std::to_string(bytes) + " " +
                      Text("import_hex_bytes", "bytes in hexadecimal", "字节（十六进制）"));
      return;
    }
    const std::u16string curve = UTF8ToUTF16(text);
    Change<TzrCustomTextBox>(name, [curve](TzrCustomTextBox& box) { box.SetText(curve); });
  }

  // The key's number; nothing when the key is missing or holds no number. A
  // number too large to hold is refused with the given range.
  std::optional<double> Number(const std::string& key, const std::string& range) {
    if (!FFile.ValueExists(FSection, key)) return std::nullopt;
    const std::string text = FFile.ReadString(FSection, key, "");
    if (IsOverflowingNumber(text)) {
      Refuse(key, range);
      return std::nullopt;
    }
    return ParseParameterValue(text);
  }

  // Within the limits as the controls hold them (single precision).
  static bool Within(double value, float low, float high) {
    const double slack = 1e-5 * std::max({1.0, std::abs(double(low)), std::abs(double(high))});
    return value >= low - slack && value <= high + slack;
  }

  // A text of the language file, with the default of the language in force.
  std::string Text(const char* key, const char* english, const char* chinese) const {
    return FForm.LangText(key, FForm.IsChinese() ? chinese : english);
  }

  void Refuse(const std::string& key, const std::string& range) {
    if (!FRefusal) FRefusal = TRefusal{key, range};
  }

  // Queues a setter for the control of this name, found again when it runs.
  template <class T, class F>
  void Change(const std::string& name, F set) {
    FChanges.push_back([this, name, set] {
      if (auto* control = Find<T>(FForm, name)) set(*control);
    });
  }

  TfrmInterface& FForm;
  const TMemIniFile& FFile;
  std::string FSection;
  std::vector<std::function<void()>> FChanges;
  std::optional<TRefusal> FRefusal;
};

}  // namespace

bool TfrmInterface::ImportParameterFile(const std::string& fileName) {
  const TMemIniFile file(fileName);
  const std::string section = ImportSection(*this);
  if (!file.SectionExists(section) || !HoldsItemKey(file, section)) {
    ShowMessageText(LangText("importerror", "can't import differ version's setting"), 1);
    return false;
  }
  TImport import(*this, file);
  if (const std::optional<TRefusal> refusal = import.Read()) {
    const std::string head =
        LangText("import_out_of_range",
                 IsChinese() ? "未导入：文件中的数值超出了页面允许的范围。"
                             : "Nothing was imported: a value in the file is outside what the "
                               "page can hold.");
    ShowMessageText(head + " " + refusal->Key + ": " + refusal->Range, 1);
    return false;
  }
  // The values are the file's, not the user's picks: a curve item set to its
  // custom entry opens no editor while the page is filled.
  const TFlagHold busy(FBusy);
  import.Apply();
  return true;
}

void TfrmInterface::Import1Click(TObject*) {
  // A running link operation owns the page's values.
  if (FBusy) return;
  OpenDialog1->SetFileName("");
  if (!OpenDialog1->Execute()) return;
  ImportParameterFile(OpenDialog1->GetFileName());
}
