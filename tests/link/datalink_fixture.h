#pragma once
// A main window on the virtual clock with a simulated data link box behind
// the adapter.

#include <string>
#include <vector>

#include "tests/link/link_fixture.h"
#include "tests/support/SimDataLink.h"

class TObject;

class DataLinkFixture : public LinkFixture {
 protected:
  // Plugs a data link box (vendor 0x0483, product 0x5720, 49-byte reports),
  // unplugging the device plugged before.
  TSimDataLink& PlugDataLink();
  // Plugs a box and runs the arrival handling in the given mode.
  TSimDataLink& ArriveInMode(void (TfrmInterface::*mode)(TObject*));
  void Tick();
  // The memo's lines as UTF-8.
  static std::vector<std::string> Lines(const class TzrMemo* memo);
  static std::string Text(const class TzrTextControl* control);

  TSimDataLink* Link = nullptr;
};
