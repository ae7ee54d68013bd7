#pragma once
// Writes ZIP archives for tests: entries (name, content) stored as given,
// unsafe names included.

#include <string>
#include <utility>
#include <vector>

// Raises std::runtime_error when the archive cannot be written.
void WriteZip(const std::string& fileName,
              const std::vector<std::pair<std::string, std::string>>& entries);
// The same archive as bytes.
std::string ZipBytes(const std::vector<std::pair<std::string, std::string>>& entries);
