#include <gtest/gtest.h>

#include "platform/rtl/Clock.h"

// A wait loop in the program's style: poll the tick counter, pump messages.
static int WaitLoop(uint32_t ms) {
  int pumps = 0;
  const uint32_t start = GetTickCount();
  while (GetTickCount() - start < ms) {
    ProcessMessages();
    ++pumps;
  }
  return pumps;
}

TEST(VirtualClock, PumpingAdvancesTimeSoWaitsEnd) {
  TScopedVirtualClock clock(1000, 5);
  EXPECT_EQ(WaitLoop(150), 30);
  EXPECT_EQ(GetTickCount(), 1150u);
  Sleep(20);
  EXPECT_EQ(GetTickCount(), 1170u);
}

TEST(VirtualClock, WaitAcrossTheCounterWrap) {
  TScopedVirtualClock clock(0xFFFFFFF0u, 1);
  EXPECT_EQ(WaitLoop(40), 40);
  EXPECT_EQ(GetTickCount(), 0x18u);
}

TEST(VirtualClock, RestoresSystemClock) {
  { TScopedVirtualClock clock(5); EXPECT_EQ(GetTickCount(), 5u); }
  EXPECT_NE(dynamic_cast<TSystemClock*>(&Clock()), nullptr);
}
