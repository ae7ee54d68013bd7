// The thread timer that waits for a booting device behind the data link: once
// the device has told its model, the scan button is usable again.

#include "app/frmInterface.h"
#include "controls/XwThreadTimer.h"
#include "controls/zr_controls.h"

void TfrmInterface::ttMyThreadTimer(TObject*) {
  if (!btnScan || !btnScan->GetVisible()) return;
  if (FModel.empty() || FModel == "0") {
    btnScan->SetEnabled(false);
    return;
  }
  btnScan->SetEnabled(true);
  if (ttMyThread) ttMyThread->SetEnabled(false);
  FBootWait = false;
}
