// The real link timer on the system clock: its worker thread hands every tick
// to the GUI thread, and the tick's handler switches that very timer off and
// on while a connection starts. The other link tests tick by hand on the
// virtual clock; this one lets the timer run the cycle by itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "platform/rtl/Clock.h"
#include "tests/support/SimAdapter.h"
#include "tests/support/SimController.h"

namespace {

// Far beyond what the cycle needs (well under a second): only a hang misses it.
constexpr uint32_t kDeadline = 30000;

TEST(LinkTimer, ConnectsReadsSettingsAndKeepsTheLinkAlive) {
  TSimAdapter adapter;
  auto model = std::make_unique<TSimController>("CAR_ESC", "VL46_SL01", "V1.2.3");
  TSimController& controller = *model;
  adapter.Plug(std::move(model));
  auto form = std::make_unique<TfrmInterface>(nullptr);
  // Without a page definition for the model the page asks for a newer
  // program once the settings are shown: the box is answered at once.
  TfrmInfo::ModalHandler = [](TfrmInfo&) { return static_cast<int>(mrOk); };
  form->HidCtlDeviceArrival();
  ASSERT_TRUE(form->LinkTimerEnabled());

  int handshakesAtConnect = -1;
  const uint32_t start = GetTickCount();
  while (GetTickCount() - start < kDeadline) {
    ProcessMessages();
    Sleep(1);
    if (handshakesAtConnect < 0 && form->FConnected && form->FSettingsRead)
      handshakesAtConnect = controller.Handshakes;
    // Three ticks of keep-alive after the connection start.
    if (handshakesAtConnect >= 0 && controller.Handshakes >= handshakesAtConnect + 3) break;
  }

  ASSERT_GE(handshakesAtConnect, 0) << "no connection within the deadline";
  EXPECT_GE(controller.Handshakes, handshakesAtConnect + 3) << "the link timer stopped";
  EXPECT_EQ(form->FModel, "CAR_ESC");
  EXPECT_EQ(form->FHardware, "VL46_SL01");
  EXPECT_EQ(controller.InfoRequests, 1);
  EXPECT_EQ(controller.SettingsRequests, 1);
  EXPECT_TRUE(form->FConnected);
  EXPECT_TRUE(form->LinkTimerEnabled());
  EXPECT_TRUE(std::equal(controller.Settings.begin(), controller.Settings.end(), form->FParams));
  form.reset();  // stops the timer's worker
  TfrmInfo::ModalHandler = nullptr;
}

}  // namespace
