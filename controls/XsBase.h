#pragma once
// Lowest layer under the add-on widgets: its exceptions, character and
// string routines, the number separators, the system-version test and a few
// module and memory routines.

#include <cstddef>
#include <string>

#include "platform/rtl/SysUtils.h"

class EXsError : public Exception {
 public:
  using Exception::Exception;
};
class EXsInternalError : public EXsError {
 public:
  using EXsError::EXsError;
};

// The separators of the run-time layer's number text, which always writes
// "." before the fraction and "," between digit groups.
inline char DecimalSeparator() { return '.'; }
inline char ThousandSeparator() { return ','; }

// How many times ch occurs in s.
size_t StrCharCount(const std::string& s, char ch);
// Carriage return or line feed.
inline bool CharIsReturn(char ch) { return ch == '\r' || ch == '\n'; }
// Whether the running system's version is at least major.minor.
bool IsSystemVersionAtLeast(int major, int minor);

// Zero-fills size bytes at p; nothing when size is 0 or less.
void ResetMemory(void* p, long size);
// Closes a library opened with dlopen, if any, and clears the handle.
void UnloadModule(void*& module);
// The full file name of a library opened with dlopen, or of the program for
// nullptr; at most 260 characters, empty when unknown.
std::string GetModulePath(void* module);
// Atomic compare-exchange of a pointer: stores newValue into target when it
// holds expected; answers what target held before.
void* LockedCompareExchange(void*& target, void* newValue, void* expected);
