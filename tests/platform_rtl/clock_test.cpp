#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(VirtualClock, AdvanceListenersMayRemoveListenersWhileCalled) {
  TScopedVirtualClock clock(1000);
  std::vector<std::string> calls;
  int second = 0;
  const int first = clock->AddAdvanceListener([&](uint32_t now) {
    calls.push_back("first " + std::to_string(now));
    clock->RemoveAdvanceListener(second);  // not called in this advance
  });
  second = clock->AddAdvanceListener([&](uint32_t) { calls.push_back("second"); });
  const int third = clock->AddAdvanceListener([&](uint32_t now) {
    calls.push_back("third " + std::to_string(now));
    clock->RemoveAdvanceListener(first);
    clock->RemoveAdvanceListener(9999);  // unknown: ignored
  });
  clock->Advance(5);
  EXPECT_EQ(calls, (std::vector<std::string>{"first 1005", "third 1005"}));
  calls.clear();
  Sleep(3);
  EXPECT_EQ(calls, (std::vector<std::string>{"third 1008"}));
  clock->RemoveAdvanceListener(third);
  calls.clear();
  clock->Advance(1);
  EXPECT_TRUE(calls.empty());
}
