#pragma once
// Helpers shared by the fuzz targets.

#include <cstddef>
#include <cstdint>
#include <string>

// A scratch file holding the input, for parsers that read files; one per
// process, rewritten for every input.
std::string WriteScratchFile(const uint8_t* Data, size_t Size, const std::string& Extension);

// Stops the run when a property every accepted input must have is broken:
// a fault the sanitizers cannot see, reported as a crash.
void FuzzCheck(bool Condition, const char* What);
