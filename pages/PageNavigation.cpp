// The navigation column after a page build: which entries the product mode,
// the demo switch, the connection and the model key offer, and the four
// add-on read-outs of the device data.

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "app/frmInterface.h"
#include "controls/zr_listbox.h"
#include "controls/zr_text_box.h"
#include "pages/ModelFamily.h"
#include "pages/PageBuilder.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

namespace {

bool On(const TMenuItem* item) { return item && item->GetChecked(); }

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The read-out's raw text: the device data bytes First..Last up to the first zero.
std::string RawReadout(const uint8_t* data, int first, int last) {
  std::string text;
  for (int i = first; i <= last && data[i] != 0; ++i) text += static_cast<char>(data[i]);
  return text;
}

// Fixed decimals with ".", whatever the C library's locale says.
std::string Fixed(double value, int decimals) {
  char text[400];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return std::string(text, result.ptr);
}

}  // namespace

void TfrmInterface::PlaceNavigationEntries() {
  const bool esc = On(ESCSpeedController1);
  const bool shown = On(Demo1) || FConnected;
  const bool known = !FModel.empty();
  const bool card = Has(FModel, "PROGRAMECARD");
  // A demo model's section name stands in FModel: its model key decides.
  const std::string key = ModelKeyOf(FModel);
  const bool status =
      (esc && known && !card && !Has(FModel, "HUB") && !Has(FModel, "DATALINK")) ||
      On(MotorChecker1) || (On(LCDProgramCard1) && card) ||
      (On(DATALINK1) && known && !card && (Has(FModel, "DATALINK") || Has(FModel, "HUB"))) ||
      ((On(DATALINK2) || On(DATALINK3) || On(DATALINK4)) && known && !card);
  const bool offered[10] = {
      esc && FPageDef.tab > 0 && shown,
      esc && FPageDef.tab > 1 && shown,
      esc && FPageDef.tab > 2 && shown,
      esc && FPageDef.tab > 3 && shown,
      esc && FPageDef.tab > 4 && shown,
      esc && FPageDef.tab > 5 && shown,
      status,
      On(MotorChecker1),
      esc && shown && (key == "AIRPLANE_ESC" || key == "AIRPLANE_ESC_HV"),
      On(DATALINK5) && known && !card,
  };
  for (int k = 2; k <= 11; ++k) {
    auto* entry = dynamic_cast<TzrListBoxItem*>(FindComponent("ListBoxItem" + std::to_string(k)));
    TzrListBox* list = offered[k - 2] ? ListBox1 : ListBox2;
    if (entry && list) entry->SetParent(list);
  }
}

void TfrmInterface::ShowAddonReadouts() {
  if (FPageDef.addon != 1) return;
  const bool demo = On(Demo1);
  const bool chinese = IsChinese();
  struct TReadout {
    int First, Last;
  };
  const TReadout readouts[4] = {{1, 3}, {4, 6}, {7, 9}, {10, 15}};
  for (int r = 0; r < 4; ++r) {
    const int n = FPageDef.max + r;
    auto* box = dynamic_cast<TzrTextBox*>(FindComponent("eItem" + std::to_string(n)));
    if (!box || n < 0 || n >= VERSION::MaxItems) continue;
    const ITEM& item = FPageDef.items[n];
    const std::string raw =
        demo ? "0" : RawReadout(FDeviceData, readouts[r].First, readouts[r].Last);
    std::string text;
    if (r == 2) {
      const std::optional<double> value = ParseNumber(raw);
      if (!value) return;  // a device that left the bytes blank: the rest stay empty
      text = Fixed(*value / 10, 2) + " " + (chinese ? item.cunit : item.eunit);
    } else {
      const std::optional<int> value = ParseWholeNumber(raw);
      if (!value) return;
      if (r == 3) {
        text = std::to_string(*value) + " " + (chinese ? item.cunit : item.eunit);
      } else {
        text = std::to_string(*value) + " " + (chinese ? item.cunit1 : item.eunit1) + " / " +
               Fixed(*value * 1.8 + 32, 2) + " " + (chinese ? item.cunit2 : item.eunit2);
      }
    }
    box->SetText(UTF8ToUTF16(text));
  }
}
