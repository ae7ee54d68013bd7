#pragma once
// Debug texts of the link go to the debugger output.

#include "platform/rtl/Debug.h"

inline void LinkDebugText(const char* text) { OutputDebugString(std::string(text)); }
