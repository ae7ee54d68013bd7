// The page's controls back into the parameter buffer, at the places the
// display took them from, by model family. Only the bytes named here are
// written; the rest of the block keeps what the last read left.

#include <algorithm>
#include <cmath>
#include <string>

#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/ModelFamily.h"
#include "pages/PageBuilder.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr int kCustomItems = 16;
constexpr int kNameLength = 15;

template <class T>
T* Find(const TfrmInterface& form, const std::string& name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

std::string Name(const char* kind, int n) { return kind + std::to_string(n); }

void Put(TfrmInterface& f, int offset, int value) {
  if (offset >= 0 && offset < TfrmInterface::kParamsSize)
    f.FParams[offset] = static_cast<uint8_t>(value);
}

// The selected entry as one byte; 255 without a selection. Nothing when the
// combo does not exist.
std::optional<int> EntryIndex(const TfrmInterface& f, const std::string& name) {
  auto* combo = Find<TzrComboBox>(f, name);
  if (!combo) return std::nullopt;
  const int index = combo->GetItemIndex();
  return index < 0 ? 255 : index;
}

std::string TrimControls(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

void CollectModeRow(TfrmInterface& f, bool trim) {
  if (!f.FPageDef.site.enabled) return;
  const int A = f.FSettingsOffset;
  if (const std::optional<int> mode = EntryIndex(f, "cbMode")) Put(f, A, *mode);
  auto* box = Find<TzrTextBox>(f, "eName");
  if (!box) return;
  std::fill(f.FParams + A + 1, f.FParams + A + 1 + kNameLength, ' ');
  std::string text = UTF16ToUTF8(box->GetText());
  if (trim) text = TrimControls(text);
  const std::string bytes = SettingsNameBytes(text, kNameLength);
  std::copy(bytes.begin(), bytes.end(), f.FParams + A + 1);
}

bool IsCurveMode(int mode) {
  return mode == imLinkedCurve64 || mode == imCurve256Adjust || mode == imCurve256 ||
         mode == imLinkedCurve256 || mode == imCurve64;
}

bool Is256Curve(int mode) { return mode == imCurve256Adjust || mode == imCurve256; }

// Whether Length bytes from Offset lie in the block that a write sends.
bool InWrittenBlock(const TfrmInterface& f, int offset, int length) {
  const int end = f.FSettingsOffset + f.FSettingsLength;
  return offset >= f.FSettingsOffset && offset + length <= end &&
         offset + length <= TfrmInterface::kParamsSize;
}

// Where item n's value box keeps its value in FParams, by family: the custom
// value of modes 1 and 2 (general family, items 0 to 15), the curve block of
// the curve modes and the track bar's byte (large car and Ardent families).
// Length 0 when the family keeps no such value.
struct TRegion {
  int Offset = 0, Length = 0;
};

TRegion ValueBoxRegion(const TfrmInterface& f, int n) {
  const int mode = f.FPageDef.items[n].mode;
  const int C = f.FValueOffset;
  const TModelFamily family = ModelFamilyOf(f.FModel, f.FHardware);
  const bool block = family == TModelFamily::LargeCar || family == TModelFamily::Ardent;
  if (mode == imComboSpin || mode == imComboSpinTenths) {
    if (family == TModelFamily::General && n < kCustomItems) return {C + 16 + 2 * n, 2};
    return {};
  }
  if (mode == imTrackBar || mode == imTrackBar2) return block ? TRegion{C + n, 1} : TRegion{};
  if (!IsCurveMode(mode) || !block) return {};
  // The running offsets of the display and the collection: curves in item order.
  int curve128 = C + 544, curve256 = C + 32;
  for (int k = 0; k < n; ++k) {
    const int before = f.FPageDef.items[k].mode;
    if (Is256Curve(before))
      curve256 += 256;
    else if (IsCurveMode(before))
      curve128 += 128;
  }
  return Is256Curve(mode) ? TRegion{curve256, 256} : TRegion{curve128, 128};
}

// The curve box's hex text into its block: whole digit pairs from the start,
// never more than the block holds; bytes the text does not give keep theirs.
// A block outside what a write sends is not collected: in the Ardent family
// it would fall on the mode count and the limits, which the write does send.
void CollectCurve(TfrmInterface& f, int n, int offset, int length) {
  auto* box = Find<TzrTextBox>(f, Name("eItem", n));
  if (!box || !InWrittenBlock(f, offset, length)) return;
  std::string text = UTF16ToUTF8(box->GetText());
  if (text.size() > static_cast<size_t>(2 * length)) text.resize(2 * length);
  if (text.size() % 2) text.pop_back();
  HexToBytes(text, f.FParams + offset, static_cast<size_t>(length));
}

void CollectAirplane(TfrmInterface& f) {
  for (int n = 0; n < f.FPageDef.item; ++n)
    if (f.FPageDef.items[n].mode != imHidden)
      if (const std::optional<int> index = EntryIndex(f, Name("cbItem", n)))
        Put(f, f.FValueOffset + n, *index);
}

void CollectBlock(TfrmInterface& f) {
  CollectModeRow(f, true);
  const int C = f.FValueOffset;
  int curve128 = C + 544, curve256 = C + 32;
  for (int n = 0; n < f.FPageDef.item; ++n) {
    const ITEM& item = f.FPageDef.items[n];
    const std::optional<int> index = EntryIndex(f, Name("cbItem", n));
    switch (item.mode) {
      case imHidden:
      case imReadOnly:
        break;
      case imLinkedCurve64:
      case imLinkedCurve256:
      case imCurve64:
        if (index) Put(f, C + n, *index);
        CollectCurve(f, n, curve128, 128);
        curve128 += 128;
        break;
      case imCurve256Adjust:
      case imCurve256:
        if (index) Put(f, C + n, *index);
        CollectCurve(f, n, curve256, 256);
        curve256 += 256;
        break;
      case imTrackBar:
      case imTrackBar2:
        if (auto* track = Find<TzrTrackBar>(f, Name("eItem", n)))
          Put(f, C + n, static_cast<int>(std::trunc(track->GetValue())));
        break;
      default: {
        // Modes 0, 1, 2 and above 11: the entry plus the list's start min.
        if (!index) break;
        const int min = item.min == "0" ? 0 : ParseWholeNumber(item.min).value_or(0);
        Put(f, C + n, *index == 255 ? 255 : *index + min);
        break;
      }
    }
  }
}

void CollectGeneral(TfrmInterface& f) {
  CollectModeRow(f, false);
  const int C = f.FValueOffset;
  for (int n = 0; n < f.FPageDef.item; ++n) {
    const int mode = f.FPageDef.items[n].mode;
    if (mode == imHidden) continue;
    auto* combo = Find<TzrComboBox>(f, Name("cbItem", n));
    if (!combo) continue;
    Put(f, C + n, combo->GetItemIndex() < 0 ? 255 : combo->GetItemIndex());
    if (mode != imComboSpin && mode != imComboSpinTenths) continue;
    auto* spin = Find<TzrSpinBox>(f, Name("eItem", n));
    const bool custom = combo->Count() > 0 && combo->GetItemIndex() == combo->Count() - 1;
    if (!spin || !custom || n >= kCustomItems) continue;
    const float scale = mode == imComboSpinTenths ? 10.f : 1.f;
    const int value = static_cast<int>(std::lround(spin->GetValue() * scale));
    Put(f, C + 16 + 2 * n, (value >> 8) & 0xFF);
    Put(f, C + 17 + 2 * n, value & 0xFF);
  }
}

}  // namespace

bool TfrmInterface::ValueBoxEditable(int n) const {
  if (!FConnected) return true;
  if (n < 0 || n >= FPageDef.item || n >= VERSION::MaxItems) return false;
  const TRegion region = ValueBoxRegion(*this, n);
  return region.Length > 0 && InWrittenBlock(*this, region.Offset, region.Length);
}

void TfrmInterface::CollectParameters() {
  switch (ModelFamilyOf(FModel, FHardware)) {
    case TModelFamily::Airplane:
      CollectAirplane(*this);
      break;
    case TModelFamily::LargeCar:
    case TModelFamily::Ardent:
      CollectBlock(*this);
      break;
    case TModelFamily::General:
      CollectGeneral(*this);
      break;
  }
}
