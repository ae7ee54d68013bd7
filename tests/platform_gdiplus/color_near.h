#pragma once
// Colour checks with a tolerance, for tests that compare pixels: colours are
// 32-bit ARGB words.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace color_test {

inline std::string Hex(uint32_t c) {
  char buf[12];
  std::snprintf(buf, sizeof buf, "#%08X", c);
  return buf;
}

// Every channel within Tol of the expected one.
inline ::testing::AssertionResult Near(uint32_t Actual, uint32_t Expected, int Tol = 3) {
  for (int shift = 0; shift < 32; shift += 8) {
    int a = int((Actual >> shift) & 255), e = int((Expected >> shift) & 255);
    if (std::abs(a - e) > Tol)
      return ::testing::AssertionFailure() << Hex(Actual) << " is not near " << Hex(Expected);
  }
  return ::testing::AssertionSuccess();
}

}  // namespace color_test
