#include <gtest/gtest.h>

#include <cstdio>

#include "scene/zr_colors.h"

namespace {

std::string Hex(TzrColor C) {
  char Text[16];
  std::snprintf(Text, sizeof Text, "$%08X", static_cast<unsigned>(C));
  return Text;
}

struct ColorCase {
  TzrColor In, Expected;
};

TEST(ColorTest, PremultiplyEdgesAndRounding) {
  const ColorCase Cases[] = {
      {0x80FE8000, 0x807F4000},                            // channels cut towards zero
      {0x00FFFFFF, 0x00000000},                            // alpha 0 clears every byte
      {0x00000000, 0x00000000}, {0xFF123456, 0xFF123456},  // opaque stays as it is
      {0x80FFFFFF, 0x80808080},                            // full channel becomes exactly alpha
      {0x01FFFFFF, 0x01010101},
  };
  for (const ColorCase& C : Cases) {
    EXPECT_EQ(Hex(C.Expected), Hex(zrPremultyAlpha(C.In))) << Hex(C.In);
  }
}

TEST(ColorTest, UnpremultiplyEdgesAndRounding) {
  const ColorCase Cases[] = {
      {0x807F4000, 0x80FD7F00}, {0x80808080, 0x80FFFFFF},
      {0x00FFFFFF, 0x00000000},  // alpha 0 clears every byte
      {0xFF123456, 0xFF123456},  // opaque stays as it is
      {0x10FF0000, 0x10E00000},  // a channel above alpha keeps its low 8 bits
  };
  for (const ColorCase& C : Cases) {
    EXPECT_EQ(Hex(C.Expected), Hex(zrUnpremultyAlpha(C.In))) << Hex(C.In);
  }
}

TEST(ColorTest, PremultiplyRoundTripLosesAtMostOneStep) {
  for (uint32_t A : {1u, 17u, 128u, 254u}) {
    for (uint32_t V = 0; V <= A; ++V) {
      TzrColor Premultiplied = (A << 24) | (V << 16) | (V << 8) | V;
      TzrColor Back = zrPremultyAlpha(zrUnpremultyAlpha(Premultiplied));
      EXPECT_LE(((Premultiplied >> 16) & 0xFF) - ((Back >> 16) & 0xFF), 1u) << Hex(Premultiplied);
      EXPECT_EQ(A, Back >> 24);
    }
  }
}

TEST(ColorTest, OpacityScalesAlphaOnly) {
  EXPECT_EQ(Hex(0x7F000000), Hex(zrOpacity(0xFF000000, 0.5f)));
  EXPECT_EQ(Hex(0x40123456), Hex(zrOpacity(0x80123456, 0.5f)));
  EXPECT_EQ(Hex(0x80123456), Hex(zrOpacity(0x80123456, 1)));
  EXPECT_EQ(Hex(0x80123456), Hex(zrOpacity(0x80123456, 2)));
  EXPECT_EQ(Hex(0x00123456), Hex(zrOpacity(0x80123456, 0)));
  // Below the expected range the colour becomes transparent, alpha never wraps.
  EXPECT_EQ(Hex(0x00123456), Hex(zrOpacity(0x80123456, -0.5f)));
}

TEST(ColorTest, PackingAndByteArithmetic) {
  EXPECT_EQ(Hex(0x80112233), Hex(zrColor(0x11, 0x22, 0x33, 0x80)));
  EXPECT_EQ(Hex(0x11443322), Hex(zrRGBtoBGR(0x11223344)));
  EXPECT_EQ(Hex(0xFFFF1324), Hex(zrAppendColor(0x80FF1020, 0x90020304)));
  EXPECT_EQ(Hex(0x000000FF), Hex(zrSubtractColor(0x00000001, 0x00000002)));
  EXPECT_EQ(Hex(0xFFFF0001), Hex(zrSubtractColor(0x00010002, 0x01020001)));  // no borrow
  EXPECT_EQ(Hex(0x12345678), Hex(zrCorrectColor(0x12345678)));

  TzrColorRec Rec{0x11223344};
  EXPECT_EQ(0x11, Rec.A());
  EXPECT_EQ(0x22, Rec.R());
  EXPECT_EQ(0x44, Rec.B());
  EXPECT_EQ(0x3344, Rec.HiWord());
  EXPECT_EQ(0x1122, Rec.LoWord());
  Rec.SetG(0xAB);
  EXPECT_EQ(Hex(0x1122AB44), Hex(Rec.Color));
}

TEST(ColorTest, PlatformColoursBecomeOpaqueARGB) {
  EXPECT_EQ(Hex(0xFFFF0000), Hex(zrColorFromVCL(0x000000FF)));  // $00BBGGRR red
  EXPECT_EQ(Hex(0xFF563412), Hex(zrColorFromVCL(0x00123456)));
  // System colour indices are resolved through the fixed table.
  EXPECT_EQ(Hex(0xFFF0F0F0), Hex(zrColorFromVCL(static_cast<int32_t>(0xFF00000F))));  // face
  EXPECT_EQ(Hex(0xFFFFFFFF), Hex(zrColorFromVCL(static_cast<int32_t>(0xFF000005))));  // window
  EXPECT_EQ(0xFF000000u, zrColorFromVCL(static_cast<int32_t>(0xFF0000C8)) & 0xFF000000u);
}

struct HslCase {
  TzrColor Color;
  float H, S, L;
};

TEST(HslTest, KnownColours) {
  const HslCase Cases[] = {
      {0xFFFF0000, 0, 1, 0.5f},
      {0xFF00FF00, 1.0f / 3, 1, 0.5f},
      {0xFF0000FF, 2.0f / 3, 1, 0.5f},
      {0xFFFF00FF, 5.0f / 6, 1, 0.5f},
      {0xFFFFFFFF, 0, 0, 1},
      {0xFF000000, 0, 0, 0},
      {0xFF808080, 0, 0, 128.0f / 255},
      {0x00FF0000, 0, 1, 0.5f},  // alpha ignored
      {0xFF800000, 0, 1, 128.0f / 510},
      {0xFFFF8080, 0, 1, 383.0f / 510},
  };
  for (const HslCase& C : Cases) {
    SCOPED_TRACE(Hex(C.Color));
    float H, S, L;
    zrRGBtoHSL(C.Color, H, S, L);
    EXPECT_NEAR(C.H, H, 1e-6);
    EXPECT_NEAR(C.S, S, 1e-6);
    EXPECT_NEAR(C.L, L, 1e-6);
    EXPECT_EQ(Hex(C.Color | 0xFF000000u), Hex(zrHSLtoRGB(C.H, C.S, C.L)));
  }
}

TEST(HslTest, EveryColourOfAGridRoundTrips) {
  for (uint32_t R = 0; R < 256; R += 15) {
    for (uint32_t G = 0; G < 256; G += 15) {
      for (uint32_t B = 0; B < 256; B += 5) {
        TzrColor C = 0xFF000000u | (R << 16) | (G << 8) | B;
        float H, S, L;
        zrRGBtoHSL(C, H, S, L);
        ASSERT_EQ(Hex(C), Hex(zrHSLtoRGB(H, S, L)));
      }
    }
  }
}

TEST(HslTest, ChangeClampsAndKeepsAlpha) {
  // The hue is clamped, not wrapped: red shifted below 0 stays red.
  EXPECT_EQ(Hex(0x80FF0000), Hex(zrChangeHSL(0x80FF0000, -0.1f, 0, 0)));
  EXPECT_EQ(Hex(0x80FFFFFF), Hex(zrChangeHSL(0x80FF0000, 0, 0, 1)));
  EXPECT_EQ(Hex(0x40808080), Hex(zrChangeHSL(0x40FF0000, 0, -1, 0)));
  EXPECT_EQ(Hex(0xFF00FF00), Hex(zrChangeHSL(0xFFFF0000, 1.0f / 3, 0, 0)));
}

}  // namespace
