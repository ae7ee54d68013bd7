#pragma once
// Debug texts for a developer watching the program: each goes to standard
// error as one line. Nothing else sees them; there is no log file.

#include <string>

void OutputDebugString(const std::string& text);
void OutputDebugString(const std::u16string& text);
