#pragma once
// Text forms of the analyzer's numbers: "0.00" for voltage and current,
// always with "." as the decimal separator.

#include <string>

#include "platform/rtl/Format.h"
#include "platform/rtl/SysUtils.h"

inline std::u16string LogDecimalText(double value) { return UTF8ToUTF16(Format("%.2f", {value})); }
