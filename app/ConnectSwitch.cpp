// The connect button: takes the device off the link and puts it back. The
// link timer's tick obeys the switch; the button's text names the next press.

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_objects.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

void TfrmInterface::btnConnectClick(TObject*) {
  FConnectSwitch = !FConnectSwitch;
  FDisconnectSent = 0;
  if (FConnectSwitch) {
    // The next tick handshakes anew.
    FBusy = false;
    FConnected = false;
    FPolling = false;
    // A demo model's page has no device to write to.
    const bool demo = Demo1 && Demo1->GetChecked();
    if (btnUpdate) btnUpdate->SetEnabled(!demo);
    if (btnDefault) btnDefault->SetEnabled(!demo);
    if (btnConnect) btnConnect->SetText(UTF8ToUTF16(LangText("DisConnect", "DisConnect")));
    return;
  }
  // Off: the next tick sends the disconnect command once; until then nothing
  // may be written, and the lamp already shows the link as down.
  if (btnConnect) btnConnect->SetText(UTF8ToUTF16(LangText("Connect", "Connect")));
  if (btnUpdate) btnUpdate->SetEnabled(false);
  if (btnDefault) btnDefault->SetEnabled(false);
  if (Circle1) Circle1->GetFill()->SetColor("#FF004A00");
}
