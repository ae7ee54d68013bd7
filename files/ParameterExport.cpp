// The export command: the current page's parameters as a text file that a
// person can read and the import reads back. The readable listing comes
// first, then the section named after the device identity with one machine
// line per value. The file is UTF-8 without byte-order mark, every line ends
// in CR LF, and it is written once through a temporary file renamed over the
// chosen name, so a failed save leaves an older file whole.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_text_control.h"
#include "controls/zr_tracks.h"
#include "files/ParameterFile.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_strings.h"

namespace {

struct TExportLists {
  std::vector<std::string> listing;
  std::vector<std::string> machine;
};

template <class T>
T* Find(const TfrmInterface& form, const std::string& name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

std::string ComboEntry(const TzrStringComboBox& combo, int index) {
  TzrWideStrings* items = combo.GetItems();
  if (!items || index < 0 || index >= items->GetCount()) return {};
  return UTF16ToUTF8(items->Get(index));
}

// Every entry of the combo in rows of cells: the chosen cell is marked
// "(+)", every cell but the last is padded with blanks to the column width
// (lengths in UTF-8 bytes), and a row closes after each "columns"-th entry or
// once it is longer than the room of all columns but one.
void AddEntryRows(std::vector<std::string>& lines, const TzrStringComboBox& combo, int width,
                  int columns) {
  TzrWideStrings* items = combo.GetItems();
  const int count = items ? items->GetCount() : 0;
  const int chosen = combo.GetItemIndex();
  const size_t room = static_cast<size_t>(columns - 1) * static_cast<size_t>(width);
  std::string row;
  for (int k = 0; k < count; ++k) {
    std::string cell = UTF16ToUTF8(items->Get(k));
    if (k == chosen) cell += "(+)";
    row += cell;
    if (k != count - 1 && static_cast<int>(cell.size()) < width)
      row.append(static_cast<size_t>(width) - cell.size(), ' ');
    if (k % columns == columns - 1 || row.size() > room) {
      lines.push_back(row);
      row.clear();
    }
  }
  if (!row.empty()) lines.push_back(row);
}

template <class T>
void AddRange(std::vector<std::string>& lines, const T& control) {
  lines.push_back("Min:" + FormatParameterValue(control.GetMin()));
  lines.push_back("Max:" + FormatParameterValue(control.GetMax()));
  lines.push_back("Val:" + FormatParameterValue(control.GetValue()));
}

bool IsCurveMode(int mode) {
  return mode == imLinkedCurve64 || mode == imCurve256Adjust || mode == imCurve256 ||
         mode == imLinkedCurve256 || mode == imCurve64;
}

// The readable block and the machine lines of item n; nothing at all when a
// control the block reads is missing.
void AddItem(TExportLists& out, const TfrmInterface& form, int n, int width, int columns) {
  const int mode = form.FPageDef.items[n].mode;
  if (mode == imHidden || mode == imReadOnly) {
    out.listing.emplace_back();
    return;
  }
  const std::string N = std::to_string(n + 1);
  const std::string suffix = std::to_string(n);
  auto* label = Find<TzrTextControl>(form, "lItem" + suffix);
  if (!label) return;
  const std::string heading = N + ".[" + UTF16ToUTF8(label->GetText()) + "]";
  if (mode == imTrackBar || mode == imTrackBar2) {
    auto* track = Find<TzrCustomTrack>(form, "eItem" + suffix);
    if (!track) return;
    out.listing.push_back(heading);
    AddRange(out.listing, *track);
    out.listing.emplace_back();
    out.machine.push_back(N + "=" + FormatParameterValue(track->GetValue()));
    return;
  }
  auto* combo = Find<TzrStringComboBox>(form, "cbItem" + suffix);
  if (!combo) return;
  const std::string choice = N + "=" + std::to_string(std::max(combo->GetItemIndex(), -1) + 1);
  if (mode == imComboSpin || mode == imComboSpinTenths) {
    auto* spin = Find<TzrSpinBox>(form, "eItem" + suffix);
    if (!spin) return;
    out.listing.push_back(heading);
    AddEntryRows(out.listing, *combo, width, columns);
    AddRange(out.listing, *spin);
    out.listing.emplace_back();
    out.machine.push_back(choice);
    out.machine.push_back(N + "t=" + FormatParameterValue(spin->GetValue()));
    return;
  }
  auto* curve = IsCurveMode(mode) ? Find<TzrCustomTextBox>(form, "eItem" + suffix) : nullptr;
  if (IsCurveMode(mode) && !curve) return;
  out.listing.push_back(heading);
  AddEntryRows(out.listing, *combo, width, columns);
  out.listing.emplace_back();
  out.machine.push_back(choice);
  if (curve) out.machine.push_back(N + "t=" + UTF16ToUTF8(curve->GetText()));
}

// A label read from the language file has lost its trailing blank (the file's
// values are trimmed), so a label ending in an ASCII colon gets it back.
std::string Labelled(const std::string& label, const std::string& value) {
  if (!label.empty() && label.back() == ':') return label + " " + value;
  return label + value;
}

void AddModeRow(TExportLists& out, const TfrmInterface& form) {
  auto* mode = Find<TzrStringComboBox>(form, "cbMode");
  auto* name = Find<TzrCustomTextBox>(form, "eName");
  out.listing.push_back("[" + form.LangText("lMode", "Mode: ") + "]");
  out.listing.push_back(mode ? ComboEntry(*mode, mode->GetItemIndex()) : std::string());
  out.listing.emplace_back();
  out.listing.push_back("[" + form.LangText("lName", "Name: ") + "]");
  const std::string text = name ? UTF16ToUTF8(name->GetText()) : std::string();
  out.listing.push_back(text);
  if (name) out.machine.push_back("name=" + text);
}

void SaveText(const std::string& fileName, const std::string& text) {
  const std::string temp = fileName + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      std::remove(temp.c_str());
      throw EFCreateError("Cannot create file \"" + fileName + "\"");
    }
  }
  if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
    std::remove(temp.c_str());
    throw EFCreateError("Cannot create file \"" + fileName + "\"");
  }
}

}  // namespace

std::string TfrmInterface::ParameterExportText() const {
  const int width = std::max(FLangIni ? FLangIni->ReadInteger("common", "colwidth", 30) : 30, 0);
  const int columns = std::max(FLangIni ? FLangIni->ReadInteger("common", "colnumber", 3) : 3, 1);
  TExportLists out;
  out.listing = {LangText("export_top", "------------ESC Info------------"),
                 Labelled(LangText("export_controller", "Controller: "), FModel),
                 Labelled(LangText("export_hardware", "Hardware version: "), FHardware),
                 Labelled(LangText("export_firmware", "Firmware version: "), FFirmware),
                 "",
                 LangText("export_bottom", "------------Setting------------")};
  if (FPageDef.site.enabled) AddModeRow(out, *this);
  out.listing.emplace_back();
  for (int n : ParameterFileItems(FPageDef)) AddItem(out, *this, n, width, columns);
  out.listing.push_back("[" + ParameterFileSection(*this) + "]");
  std::string text;
  for (const auto* lines : {&out.listing, &out.machine})
    for (const std::string& line : *lines) text += line + "\r\n";
  return text;
}

void TfrmInterface::Export1Click(TObject*) {
  SaveDialog1->SetFileName("");
  SaveDialog1->SetFilter("TXT Config File|*.txt");
  SaveDialog1->SetDefaultExt(".txt");
  if (FPageDef.tab < 1 || !SaveDialog1->Execute()) return;
  try {
    SaveText(SaveDialog1->GetFileName(), ParameterExportText());
  } catch (const std::exception& e) {
    if (Application) Application->ShowException(e);
  }
}
