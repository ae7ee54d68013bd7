#include "platform/rtl/Debug.h"

#include <cstdio>

#include "platform/rtl/SysUtils.h"

void OutputDebugString(const std::string& text) {
  std::string line = text;
  if (line.empty() || line.back() != '\n') line += '\n';
  // One write, so that lines from several threads do not interleave.
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void OutputDebugString(const std::u16string& text) { OutputDebugString(UTF16ToUTF8(text)); }
