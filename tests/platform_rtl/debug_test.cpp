#include "platform/rtl/Debug.h"

#include <gtest/gtest.h>

TEST(DebugOutput, EachTextIsOneLineOnStandardError) {
  testing::internal::CaptureStderr();
  OutputDebugString("upgrade: Return Fail.");
  OutputDebugString(u"\u7535\u8C03\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "upgrade: Return Fail.\n\xE7\x94\xB5\xE8\xB0\x83\n");
}
