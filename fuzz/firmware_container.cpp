// Deciphered firmware containers: stored lengths, hexadecimal image texts and
// their digests.

#include <vector>

#include "link/FirmwareContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TFirmwareImages images;
  UnpackFirmwareContainer(std::vector<uint8_t>(Data, Data + Size), images);
  return 0;
}
