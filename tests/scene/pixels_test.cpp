#include <gtest/gtest.h>

#include <vector>

#include "scene/zr_pixels.h"

namespace {

constexpr uint32_t kGuard = 0xDEADBEEF;

// A Width x Height buffer with a guard word before and after it, to catch
// stores outside the buffer.
struct GuardedBuffer {
  GuardedBuffer(int Width, int Height) : Words(Width * Height + 2, 0), Width(Width) {
    Words.front() = kGuard;
    Words.back() = kGuard;
  }
  uint32_t* Pixels() { return Words.data() + 1; }
  uint32_t At(int X, int Y) const { return Words[1 + Y * Width + X]; }
  bool GuardsIntact() const { return Words.front() == kGuard && Words.back() == kGuard; }
  int Count(uint32_t Value) const {
    int N = 0;
    for (size_t I = 1; I + 1 < Words.size(); ++I) N += Words[I] == Value;
    return N;
  }

  std::vector<uint32_t> Words;
  int Width;
};

struct RectFillCase {
  const char* Name;
  int X1, Y1, X2, Y2;
  int Filled;
};

TEST(PixelTest, RectFillIsClippedToTheBuffer) {
  const RectFillCase Cases[] = {
      {"inside", 1, 1, 3, 2, 2},
      {"whole buffer", 0, 0, 4, 3, 12},
      {"right and bottom beyond the buffer", 2, 1, 10, 10, 4},
      {"left and top beyond the buffer", -2, -1, 2, 1, 2},
      {"no rows", 0, 2, 4, 2, 0},
      {"rows upside down", 0, 2, 4, 1, 0},
      {"no columns", 3, 0, 3, 3, 0},
      {"columns upside down", 3, 0, 1, 3, 0},
      {"entirely right of the buffer", 5, 0, 9, 3, 0},
  };
  for (const RectFillCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    GuardedBuffer B(4, 3);
    zrFillLongwordRect(B.Pixels(), 4, 3, C.X1, C.Y1, C.X2, C.Y2, 0x11223344);
    EXPECT_EQ(C.Filled, B.Count(0x11223344));
    EXPECT_TRUE(B.GuardsIntact());
  }
  GuardedBuffer B(4, 3);
  zrFillLongwordRect(B.Pixels(), 4, 3, 1, 1, 3, 2, 7);
  EXPECT_EQ(7u, B.At(1, 1));
  EXPECT_EQ(7u, B.At(2, 1));
  EXPECT_EQ(0u, B.At(3, 1));
  EXPECT_EQ(0u, B.At(1, 2));
}

TEST(PixelTest, FillsAndMoves) {
  std::vector<uint32_t> P = {0x11223344, 0x55667788, 0x99AABBCC, 0};
  zrFillAlpha(P.data(), 2, 0x80);
  EXPECT_EQ((std::vector<uint32_t>{0x80223344, 0x80667788, 0x99AABBCC, 0}), P);

  zrFillLongword(P.data() + 1, 2, 5);
  EXPECT_EQ((std::vector<uint32_t>{0x80223344, 5, 5, 0}), P);
  zrFillLongword(P.data(), 0, 9);
  EXPECT_EQ(0x80223344u, P[0]);

  std::vector<uint32_t> Dst(4, 0);
  zrMoveLongword(P.data(), Dst.data(), 3);
  EXPECT_EQ((std::vector<uint32_t>{0x80223344, 5, 5, 0}), Dst);

  std::vector<uint16_t> Units = {1, 2, 3, 4, 5};
  zrReverseBytes(Units.data(), 4);
  EXPECT_EQ((std::vector<uint16_t>{4, 3, 2, 1, 5}), Units);
}

}  // namespace
