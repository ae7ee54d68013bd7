// Starts the drawing layer and selects the canvas and codec classes once for
// the whole test program.
#include <gtest/gtest.h>

#include "canvas/zr_gdiplus_unit.h"

namespace {

class TCanvasEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InitializeCanvasGdiPlus(); }
  void TearDown() override { FinalizeCanvasGdiPlus(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TCanvasEnvironment);

}  // namespace
