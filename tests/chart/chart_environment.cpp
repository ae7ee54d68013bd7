// The chart library is started once for the whole test program, as the
// program's start does.

#include <gtest/gtest.h>

#include "chart/PlotStartup.h"

namespace {

class ChartEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InitializeChart(); }
  void TearDown() override { FinalizeChart(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ChartEnvironment);

}  // namespace
