// The click handler of the curve text boxes: opens the editor that suits the
// item's mode with the curve decoded from the box and, on OK, writes the
// edited curve back into the box as hexadecimal text.

#include <gtk/gtk.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "app/Utils.h"
#include "app/frmAdjust.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_plot_grid.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "pages/CurveNodes.h"
#include "pages/PageBuilder.h"
#include "pages/frmGraph.h"
#include "pages/frmGraph2.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"

namespace {

TzrStringComboBox* ItemCombo(const TfrmInterface& F, int N) {
  return dynamic_cast<TzrStringComboBox*>(F.FindComponent("cbItem" + std::to_string(N)));
}

// The item number a link names; an empty link gets its default (the item's
// own number plus Offset), which stays in the page definition.
std::optional<int> LinkNumber(std::string& Link, int N, int Offset) {
  if (Link.empty()) Link = std::to_string(N + Offset);
  return ParseWholeNumber(Link);
}

// Why a linked curve cannot be opened, or empty.
struct TLinkedCurve {
  int Lo = 0, Hi = 0, Lock = 0;
  std::string Why;
};

// The selected entry of the combo of item Link, or the reason there is none.
std::optional<int> LinkedEntry(const TfrmInterface& F, std::optional<int> Link, std::string& Why) {
  TzrStringComboBox* combo = Link ? ItemCombo(F, *Link) : nullptr;
  if (!combo) {
    Why = "the linked item has no entry list";
    return std::nullopt;
  }
  if (combo->GetItemIndex() < 0 || combo->GetItemIndex() >= combo->Count()) {
    Why = "the linked item has no entry selected";
    return std::nullopt;
  }
  return combo->GetItemIndex();
}

std::optional<int> LinkedRpm(const TfrmInterface& F, std::optional<int> Link, std::string& Why) {
  const std::optional<int> entry = LinkedEntry(F, Link, Why);
  if (!entry) return std::nullopt;
  const std::optional<int> rpm = RpmOfEntry(ItemCombo(F, *Link)->GetItems()->Get(*entry));
  if (!rpm) Why = "the linked entry gives no number before \"rpm\"";
  return rpm;
}

// The bounds (and for mode 9 the lock position) of a linked curve item.
TLinkedCurve ReadLinks(const TfrmInterface& F, ITEM& Item, int N, bool WithLock) {
  TLinkedCurve c;
  std::optional<int> lock;
  if (WithLock) lock = LinkNumber(Item.locklink, N, -3);
  const std::optional<int> min = LinkNumber(Item.minlink, N, -2);
  const std::optional<int> max = LinkNumber(Item.maxlink, N, -1);
  const std::optional<int> lo = LinkedRpm(F, min, c.Why);
  if (!lo) return c;
  const std::optional<int> hi = LinkedRpm(F, max, c.Why);
  if (!hi) return c;
  c.Lo = *lo;
  c.Hi = *hi;
  if (WithLock) {
    const std::optional<int> l = LinkedEntry(F, lock, c.Why);
    if (!l) return c;
    c.Lock = *l;
    // An rpm curve over no range has no Y scale.
    if (c.Hi == c.Lo) c.Why = "its lower and upper speed are equal";
  }
  return c;
}

void ReportNotOpened(TfrmInterface& F, const ITEM& Item, int N, const std::string& Why) {
  const std::string name = F.IsChinese() ? Item.cname : Item.ename;
  F.ShowMessageText(F.LangText("curve_not_opened", "The curve editor cannot open:") + " item " +
                        std::to_string(N + 1) + " (" + name + "): " + Why,
                    0);
}

// Height of the window's frame above its client area (the menu bar); 0
// while the window is not made.
int FrameHeight(TForm& Form) {
  if (!Form.HandleAllocated()) return 0;
  int width = 0, height = 0;
  gtk_window_get_size(GTK_WINDOW(Form.Handle()), &width, &height);
  return std::max(0, height - Form.GetClientHeight());
}

std::u16string Text(const std::string& Utf8) { return UTF8ToUTF16(Utf8); }

// What the two curve editors share: style, place over the page area,
// captions and the item's detail text.
template <class TEditor>
void PrepareEditor(TfrmInterface& F, TEditor& Editor, const ITEM& Item) {
  Editor.ControlsScene->SetStyle(F.SceneStyle);
  float navigation = 0;
  if (auto* panel = dynamic_cast<TzrControl*>(F.FindComponent("Panel1")))
    navigation = panel->GetWidth();
  Editor.SetCentered(false);
  Editor.SetBounds(F.GetLeft() + static_cast<int>(navigation), F.GetTop() + FrameHeight(F),
                   Editor.GetClientWidth(), Editor.GetClientHeight());
  Editor.btnInit->SetText(Text(F.LangText("btn_Init", "Init")));
  Editor.btnOk->SetText(Text(F.LangText("btn_Ok", "Ok")));
  Editor.btnCancel->SetText(Text(F.LangText("btn_Cancel", "Cancel")));
  const bool chinese = F.Chinese1 && F.Chinese1->GetChecked();
  Editor.Label3->SetText(Text(chinese ? Item.cdetail : Item.edetail));
}

void SetLabels(std::array<TzrLabel*, 9>& Labels, const std::vector<std::string>& Texts) {
  for (size_t k = 0; k < Labels.size() && k < Texts.size(); ++k)
    if (Labels[k]) Labels[k]->SetText(Text(Texts[k]));
}

const std::vector<std::string> kPercentLabels = {"0%",    "12.5%", "25%",   "37.5%", "50%",
                                                 "62.5%", "75%",   "87.5%", "100%"};

void FillPercentCurve(TfrmGraph& E, const ITEM& Item, const std::string& Hex) {
  E.FMaxNodes = Item.maxnode;
  E.FXScale = 2;
  E.FYScale = 1;
  E.FYOffset = 0;
  SetLabels(E.yLabels, {kPercentLabels.rbegin(), kPercentLabels.rend()});
  SetLabels(E.xLabels, kPercentLabels);
  const std::vector<uint8_t> bytes = DecodeCurveBlock(Hex, 256);
  for (int i = 0; i < 256; ++i) E.FCurve[i] = bytes[i];
  int nodes[kMaxCurveSegments + 1] = {};
  E.FNodeCount = ExtractCurveNodes(E.FCurve.data(), 255, nodes);
  for (int k = 0; k < E.FNodeCount; ++k) E.FNodes[k] = nodes[k];
}

void FillRpmCurve(TfrmGraph& E, const ITEM& Item, const TLinkedCurve& C, const std::string& Hex) {
  const float s = static_cast<float>(C.Hi - C.Lo) / 256.0f;
  E.FLockIndex = C.Lock;
  E.FMaxNodes = Item.maxnode;
  E.FXScale = 8;
  E.FYScale = s;
  E.FYOffset = static_cast<float>(C.Lo);
  const int k = (C.Hi - C.Lo) / 8;
  std::vector<std::string> y;
  for (int j = 0; j < 8; ++j) y.push_back(std::to_string(C.Hi - j * k));
  y.push_back(std::to_string(C.Lo));
  SetLabels(E.yLabels, y);
  SetLabels(E.xLabels, {"1", "8", "16", "24", "32", "40", "48", "56", "64"});
  const std::vector<uint8_t> bytes = DecodeCurveBlock(Hex, 128);
  for (int i = 0; i < 64; ++i) {
    const int v = bytes[2 * i] * 256 + bytes[2 * i + 1];
    int point = static_cast<int>(std::nearbyint(double(v - C.Lo) / double(s)));
    if (i >= C.Lock - 1) point = 255;
    if (point < 0 || i == 0) point = 0;
    E.FCurve[i] = point;
    E.FNodes[i] = i;
  }
  E.FNodeCount = 64;
}

std::string PercentCurveHex(const TfrmGraph& E) {
  uint8_t bytes[256];
  for (int i = 0; i < 256; ++i) bytes[i] = static_cast<uint8_t>(E.FCurve[i] & 0xFF);
  return BytesToHex(bytes, 256);
}

std::string RpmCurveHex(const TfrmGraph& E, const TLinkedCurve& C) {
  uint8_t bytes[128];
  for (int i = 0; i < 64; ++i) {
    const int v = static_cast<int>(std::trunc(double(E.FCurve[i]) * double(E.FYScale) + C.Lo));
    bytes[2 * i] = static_cast<uint8_t>((v >> 8) & 0xFF);
    bytes[2 * i + 1] = static_cast<uint8_t>(v & 0xFF);
  }
  bytes[126] = static_cast<uint8_t>((C.Hi >> 8) & 0xFF);
  bytes[127] = static_cast<uint8_t>(C.Hi & 0xFF);
  return BytesToHex(bytes, 128);
}

// The byte range of a 64-sample item: the brake frequency spans 16k.
int SampleRange(const ITEM& Item) { return Item.cname == "刹车频率" ? 32 : 64; }

void FillSamples(TfrmGraph2& E, const ITEM& Item, const std::string& Hex) {
  const int g = SampleRange(Item);
  E.FMaxNodes = Item.maxnode;
  E.FXScale = 8;
  E.FScaleMax = g;
  if (g == 32)
    SetLabels(E.yLabels, {"16k", "14k", "12k", "10k", "8k", "6k", "4k", "2k", "0k"});
  else
    SetLabels(E.yLabels, {"32k", "28k", "24k", "20k", "16k", "12k", "8k", "4k", "0k"});
  SetLabels(E.xLabels, kPercentLabels);
  const std::vector<uint8_t> bytes = DecodeCurveBlock(Hex, 64);
  for (int i = 0; i < 64; ++i) E.FSamples[i] = bytes[i] * 256 / g;
  int nodes[kMaxCurveSegments + 1] = {};
  E.FNodeCount = ExtractCurveNodes(E.FSamples.data(), 63, nodes);
  for (int k = 0; k < E.FNodeCount; ++k) E.FNodes[k] = nodes[k];
}

std::string SamplesHex(const TfrmGraph2& E, const ITEM& Item) {
  const int g = SampleRange(Item);
  uint8_t bytes[64];
  for (int i = 0; i < 64; ++i)
    bytes[i] = static_cast<uint8_t>(
        static_cast<int>(std::nearbyint(double(E.FSamples[i]) / 256.0 * g)) & 0xFF);
  return BytesToHex(bytes, 64);
}

void ShowHelpColumn(TfrmInterface& F, bool Visible) {
  if (F.Panel6) F.Panel6->SetVisible(Visible);
}

void OpenCurveEditor(TfrmInterface& F, TzrTextBox& Box, ITEM& Item, int N) {
  const std::string hex = UTF16ToUTF8(Box.GetText());
  TLinkedCurve linked;
  if (Item.mode == imLinkedCurve256) {
    linked = ReadLinks(F, Item, N, true);
    if (!linked.Why.empty()) return ReportNotOpened(F, Item, N, linked.Why);
  }
  ShowHelpColumn(F, false);
  auto* editor = new TfrmGraph(&F);
  F.FGraphForm = editor;
  PrepareEditor(F, *editor, Item);
  if (Item.mode == imLinkedCurve256)
    FillRpmCurve(*editor, Item, linked, hex);
  else
    FillPercentCurve(*editor, Item, hex);
  if (editor->PlotGrid1) editor->PlotGrid1->Repaint();
  if (F.FReportCapture) {
    editor->Show();
    return;
  }
  if (editor->ShowModal() == mrOk) {
    const std::string text =
        Item.mode == imLinkedCurve256 ? RpmCurveHex(*editor, linked) : PercentCurveHex(*editor);
    Box.SetText(Text(text));
  }
  delete editor;
  F.FGraphForm = nullptr;
  ShowHelpColumn(F, true);
}

void OpenSampleEditor(TfrmInterface& F, TzrTextBox& Box, const ITEM& Item) {
  ShowHelpColumn(F, false);
  auto* editor = new TfrmGraph2(&F);
  F.FGraph2Form = editor;
  PrepareEditor(F, *editor, Item);
  FillSamples(*editor, Item, UTF16ToUTF8(Box.GetText()));
  if (editor->PlotGrid1) editor->PlotGrid1->Repaint();
  if (F.FReportCapture) {
    editor->Show();
    return;
  }
  if (editor->ShowModal() == mrOk) Box.SetText(Text(SamplesHex(*editor, Item)));
  delete editor;
  F.FGraph2Form = nullptr;
  ShowHelpColumn(F, true);
}

void OpenAdjuster(TfrmInterface& F, TzrTextBox& Box, ITEM& Item, int N) {
  const bool linked = Item.mode == imLinkedCurve64;
  TLinkedCurve bounds;
  if (linked) {
    bounds = ReadLinks(F, Item, N, false);
    if (!bounds.Why.empty()) return ReportNotOpened(F, Item, N, bounds.Why);
  }
  auto* adjuster = new TfrmAdjust(&F);
  adjuster->ControlsScene->SetStyle(F.SceneStyle);
  const int height = F.GetClientHeight() + FrameHeight(F);
  adjuster->SetCentered(false);
  adjuster->SetBounds(F.GetLeft() + F.GetClientWidth() - adjuster->GetClientWidth() - 10,
                      F.GetTop() + (height - adjuster->GetClientHeight()) / 2,
                      adjuster->GetClientWidth(), adjuster->GetClientHeight());
  adjuster->CheckBox1->SetText(Text(F.LangText("btn_liner", "liner on two click")));
  adjuster->btnOk->SetText(Text(F.LangText("btn_Ok", "Ok")));
  adjuster->btnCancel->SetText(Text(F.LangText("btn_Cancel", "Cancel")));
  const std::string hex = UTF16ToUTF8(Box.GetText());
  const int count = linked ? 64 : 256;
  if (linked)
    adjuster->BuildTrackBars(64, bounds.Lo, bounds.Hi);
  else
    adjuster->BuildTrackBars(256, 0, 255);
  const std::vector<uint8_t> bytes = DecodeCurveBlock(hex, linked ? 128 : 256);
  for (int i = 0; i < count; ++i) {
    TzrTrackBar* bar = adjuster->TrackBar(i);
    if (!bar) continue;
    int v = bytes[i];
    if (linked) {
      v = bytes[2 * i] * 256 + bytes[2 * i + 1];
      if (v == 0) v = bounds.Lo;
      bar->SetFrequency(50);
    }
    bar->SetValue(static_cast<float>(v));
    bar->SetHint(Text(FloatToStr(bar->GetValue())));
  }
  if (adjuster->ShowModal() == mrOk) {
    std::vector<uint8_t> out(linked ? 128 : 256, 0);
    for (int i = 0; i < count; ++i) {
      TzrTrackBar* bar = adjuster->TrackBar(i);
      const int v = bar ? static_cast<int>(std::trunc(bar->GetValue())) : 0;
      if (linked) {
        out[2 * i] = static_cast<uint8_t>((v >> 8) & 0xFF);
        out[2 * i + 1] = static_cast<uint8_t>(v & 0xFF);
      } else {
        out[i] = static_cast<uint8_t>(v & 0xFF);
      }
    }
    Box.SetText(Text(BytesToHex(out.data(), out.size())));
  }
  delete adjuster;
}

}  // namespace

void TfrmInterface::itemClick(TObject* Sender) {
  auto* box = dynamic_cast<TzrTextBox*>(Sender);
  if (!box) return;
  const int n = box->GetTag();
  if (n < 0 || n >= VERSION::MaxItems) return;
  ITEM& item = FPageDef.items[n];
  if (item.mode == imCurve256 || item.mode == imLinkedCurve256)
    OpenCurveEditor(*this, *box, item, n);
  else if (item.mode == imCurve64)
    OpenSampleEditor(*this, *box, item);
  else
    OpenAdjuster(*this, *box, item, n);
}
