// The report header dialog (File > Print) as a user drives it: the input is a
// sequence of steps (focus a box, type, press a key, pick a choice, press OK
// or Cancel) run through the dialog's scene, and the dialog is freed at the
// end as the report frees it, with the focus wherever the steps left it.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_memo.h"
#include "controls/zr_text_box.h"
#include "files/frmInput.h"
#include "platform/vcl/WinControls.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"

namespace {

class TSteps {
 public:
  TSteps(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  bool More() const { return FPos < FSize; }
  uint8_t Next() { return FPos < FSize ? FData[FPos++] : 0; }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

// The boxes a user can type into, in the dialog's order.
TzrVisualObject* Box(TfrmInput& D, int Index) {
  TzrVisualObject* boxes[] = {
      D.eEvent->GetTextBox(),
      D.eDriver->GetTextBox(),
      D.eDate->GetTextBox(),
      D.eNation->GetTextBox(),
      D.eChassis,
      D.eFinal->GetTextBox(),
      D.eTyres,
      D.eMotor,
      D.eRotor,
      D.eBattery,
      D.eEcs,
      D.eEndbell->GetTextBox(),
      D.eVersion,
      D.eNote->GetMemo(),
  };
  return boxes[Index % (sizeof boxes / sizeof boxes[0])];
}

void Press(TfrmInput& D, uint16_t Key, char16_t Char) {
  D.ControlsScene->UnicodeKeyDown(Key, Char, TShiftState());
}

void Step(TfrmInput& D, TSteps& S) {
  static const uint16_t keys[] = {VK_RETURN, VK_TAB,  VK_BACK, VK_DELETE, VK_LEFT,
                                  VK_RIGHT,  VK_HOME, VK_END,  VK_UP,     VK_DOWN};
  switch (S.Next() % 7) {
    case 0:
      Box(D, S.Next())->SetFocus();
      break;
    case 1: {  // a character: one byte, or two for any UTF-16 unit
      const uint8_t low = S.Next();
      Press(D, 0, low < 0x80 ? char16_t(low) : char16_t(low << 8 | S.Next()));
      break;
    }
    case 2:
      Press(D, keys[S.Next() % (sizeof keys / sizeof keys[0])], 0);
      break;
    case 3:
      D.RadioButtons[S.Next() % 11]->SetIsChecked(true);
      break;
    case 4: {  // the choice lists as the language file gives them
      TzrWideStringList items;
      for (const char16_t* entry : {u"A", u"Other", u"其他"}) items.Add(entry);
      TzrComboTextBox* combo = S.Next() % 2 ? D.eRotor : D.eEcs;
      combo->SetItems(&items);
      combo->SetItemIndex(int(S.Next() % 4) - 1);
      break;
    }
    case 5:
      D.btnOkClick(D.btnOk);
      break;
    case 6:
      D.btnCancelClick(D.btnCancel);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TSteps steps(Data, Size);
  auto dialog = std::make_unique<TfrmInput>(nullptr);
  for (int n = 0; steps.More() && n < 256; ++n) Step(*dialog, steps);
  dialog.reset();
  return 0;
}
