// Starts the drawing layer and selects the canvas and codec classes once for
// the whole test program; loads the Direct2D layer beside it.
#include <gtest/gtest.h>

#include "canvas/zr_d2d_unit.h"
#include "canvas/zr_gdiplus_unit.h"

namespace {

class TCanvasEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    InitializeCanvasGdiPlus();
    LoadDirect2D();
  }
  void TearDown() override {
    UnloadDirect2D();
    FinalizeCanvasGdiPlus();
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TCanvasEnvironment);

}  // namespace
