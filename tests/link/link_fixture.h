#pragma once
// A main window on the virtual clock with the simulated adapter, for tests of
// the device link.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Clock.h"
#include "tests/support/SimAdapter.h"
#include "tests/support/SimController.h"

class TfrmInterface;

class LinkFixture : public ::testing::Test {
 protected:
  LinkFixture();
  ~LinkFixture() override;

  // A main window whose link timer delivers no ticks of its own.
  static std::unique_ptr<TfrmInterface> NewForm();
  // Plugs a controller behind an adapter (vendor 0x10C4, product 0x82CD).
  TSimController& PlugController(const std::string& model = "CAR_ESC",
                                 const std::string& hardware = "VL46_SL01",
                                 const std::string& firmware = "V1.2.3");
  // Runs the arrival handling: enumerate, open, markers of the product mode.
  void Arrive();
  // Plugs a controller, runs the arrival and lets the link own the transfer.
  TSimController& Connect(const std::string& model = "CAR_ESC",
                          const std::string& hardware = "VL46_SL01",
                          const std::string& firmware = "V1.2.3");

  // Texts the information box showed, in order.
  std::vector<std::string> InfoTexts;

  TScopedVirtualClock Clock;
  TSimAdapter Adapter;
  std::unique_ptr<TfrmInterface> Form;
  TSimController* Controller = nullptr;
  TSimDevice* Device = nullptr;
};

// Bytes from hexadecimal text such as "A5 00 FF 5A".
std::vector<uint8_t> HexBytes(const std::string& text);
