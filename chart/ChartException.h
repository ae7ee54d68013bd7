#pragma once
// The chart engine's exceptions; each carries one text of the chart message
// table.

#include "platform/rtl/SysUtils.h"

class ChartException : public Exception {
 public:
  using Exception::Exception;
};

class AxisException : public ChartException {
 public:
  using ChartException::ChartException;
};
