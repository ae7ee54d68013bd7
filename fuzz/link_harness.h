#pragma once
// The main window behind the simulated adapter on the virtual clock, for the
// fuzz targets of the device link: a device whose replies are the fuzz input.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/rtl/Clock.h"
#include "tests/support/SimAdapter.h"

class TfrmInterface;

class TLinkHarness {
 public:
  TLinkHarness();
  ~TLinkHarness();

  // Plugs an adapter (vendor 0x10C4, product 0x82CD, or the given ones) that
  // answers every frame with the next InputReportLength bytes of Data (as one
  // raw report, identifier first) until Data runs out.
  TSimDevice& PlugReplying(const uint8_t* Data, size_t Size, uint16_t Vendor = 0x10C4,
                           uint16_t Product = 0x82CD);
  // Runs the arrival handling (enumerate, open, markers).
  void Arrive();
  // Queues the rest of the input at once, one report per InputReportLength bytes.
  void QueueRest();

  TScopedVirtualClock Clock;
  TSimAdapter Adapter;
  std::unique_ptr<TfrmInterface> Form;
  TSimDevice* Device = nullptr;

 private:
  class TReplyModel;
  TReplyModel* FModel = nullptr;
};
