#pragma once
// Debug texts of the link: to the debugger output (standard error).

#include <cstdio>

inline void LinkDebugText(const char* text) { std::fprintf(stderr, "%s\n", text); }
