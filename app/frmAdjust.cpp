#include "app/frmAdjust.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/SceneForms.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_font.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

std::u16string ValueText(float Value) { return UTF8ToUTF16(FloatToStr(Value)); }

}  // namespace

TfrmAdjust::TfrmAdjust(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmAdjust");
  SetBorderStyle(bsNone);
  ReadSceneForm(this, "frmAdjust");
  FindSceneComponent(this, "ControlsScene", ControlsScene);
  FindSceneComponent(this, "Root1", Root1);
  FindSceneComponent(this, "Panel1", Panel1);
  FindSceneComponent(this, "HorzListBox1", HorzListBox1);
  FindSceneComponent(this, "Label1", Label1);
  FindSceneComponent(this, "Label2", Label2);
  FindSceneComponent(this, "Label65", Label65);
  FindSceneComponent(this, "CheckBox1", CheckBox1);
  FindSceneComponent(this, "btnOk", btnOk);
  FindSceneComponent(this, "btnCancel", btnCancel);
  CheckBox1->OnClick = [this](TObject* s) { CheckBox1Click(s); };
}

TzrTrackBar* TfrmAdjust::TrackBar(int N) const {
  return dynamic_cast<TzrTrackBar*>(FindComponent("TrackBar" + std::to_string(N)));
}

TzrLabel* TfrmAdjust::ValueLabel(int N) const {
  return dynamic_cast<TzrLabel*>(FindComponent("lbl" + std::to_string(N)));
}

void TfrmAdjust::BuildTrackBars(int Count, int Minimum, int Maximum) {
  for (int n = 0; n < Count; ++n) {
    auto* item = new TzrListBoxItem(this);
    item->SetWidth(19);
    item->SetParent(HorzListBox1);

    auto* number = new TzrLabel(this);
    number->SetParent(item);
    number->SetText(UTF8ToUTF16(std::to_string(n + 1)));
    number->SetWordWrap(false);
    if (n >= 99) number->GetFont()->SetSize(8);
    number->SetAlign(vaBottom);

    auto* holder = new TzrLayout(this);
    holder->SetParent(item);
    holder->SetWidth(19);
    holder->SetHeight(32);
    holder->SetAlign(vaTop);
    auto* value = new TzrLabel(this);
    value->SetName("lbl" + std::to_string(n));
    value->SetParent(holder);
    value->GetFont()->SetSize(10);
    value->SetRotateAngle(270);
    value->SetText(u"15000");
    value->SetWordWrap(false);
    value->GetPosition()->SetPoint(TzrPoint{-50, 11});

    auto* bar = new TzrTrackBar(this);
    bar->SetName("Trackbar" + std::to_string(n));
    bar->SetParent(item);
    bar->SetAlign(vaClient);
    bar->SetMin(Minimum);
    bar->SetMax(Maximum);
    bar->SetFrequency(1);
    bar->SetDisableFocusEffect(true);
    bar->SetOrientation(zrVertical);
    bar->SetRotateAngle(180);
    bar->SetTracking(true);
    bar->SetValue(Minimum);
    bar->SetHint(ValueText(bar->GetValue()));
    bar->SetTag(n);
    bar->OnChange = [this](TObject* s) { TrackBarChange(s); };
  }
  FBarCount = Count;
  Label1->SetText(UTF8ToUTF16(std::to_string(Maximum)));
  Label2->SetText(UTF8ToUTF16(std::to_string(Minimum)));
}

void TfrmAdjust::SetBarValue(TzrTrackBar* Bar, float Value) {
  const TNotifyEvent handler = Bar->OnChange;
  Bar->OnChange = nullptr;
  Bar->SetValue(Value);
  Bar->OnChange = handler;
  Bar->SetHint(ValueText(Bar->GetValue()));
}

void TfrmAdjust::TrackBarChange(TObject* Sender) {
  auto* changed = dynamic_cast<TzrTrackBar*>(Sender);
  if (!changed) return;
  const int t = changed->GetTag();
  // Never below the bar on the left.
  if (t > 0) {
    TzrTrackBar* left = TrackBar(t - 1);
    if (left && changed->GetValue() < left->GetValue()) SetBarValue(changed, left->GetValue());
  }
  // The bars between this one and the one changed before it go on a
  // straight line.
  if (CheckBox1->GetIsChecked()) {
    if (FLastBar < 256 && t != FLastBar) {
      const int low = std::min(t, FLastBar), high = std::max(t, FLastBar);
      TzrTrackBar* lowBar = TrackBar(low);
      TzrTrackBar* highBar = TrackBar(high);
      if (lowBar && highBar) {
        const float step = (highBar->GetValue() - lowBar->GetValue()) / float(high - low);
        for (int k = low + 1; k < high; ++k)
          if (TzrTrackBar* bar = TrackBar(k))
            SetBarValue(bar, float(std::nearbyint(lowBar->GetValue() + (k - low) * step)));
      }
    }
    FLastBar = t;
  }
  // Bars on the right below this one come up to it, up to the first that
  // is already as high.
  for (int k = t + 1; k < FBarCount; ++k) {
    TzrTrackBar* bar = TrackBar(k);
    if (!bar || bar->GetValue() >= changed->GetValue()) break;
    SetBarValue(bar, changed->GetValue());
  }
  changed->SetHint(ValueText(changed->GetValue()));
  Label65->SetText(changed->GetHint());
  for (int n = 0; n < FBarCount; ++n) {
    TzrTrackBar* bar = TrackBar(n);
    TzrLabel* label = ValueLabel(n);
    if (bar && label) label->SetText(bar->GetHint());
  }
  HorzListBox1->Repaint();
}

void TfrmAdjust::CheckBox1Click(TObject*) { FLastBar = 256; }
