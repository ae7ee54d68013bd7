#pragma once
// Small checks shared by the scene tests.

#include <string>

#include "platform/rtl/Classes.h"

// Counts the events fired through the handler it gives out.
struct TEventCount {
  int Count = 0;
  TNotifyEvent Handler() {
    return [this](TObject*) { ++Count; };
  }
};

inline bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}
