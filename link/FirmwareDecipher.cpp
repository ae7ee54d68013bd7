// The main window's wrappers of the firmware deciphering and digest routines.

#include "app/frmInterface.h"
#include "link/Pdfutils.h"

// Version texts are plain ASCII, so the key text goes to the cipher as its
// UTF-8 bytes.
void TfrmInterface::DecipherFirmware(const std::string& keyText, const uint8_t* data, size_t length,
                                     uint8_t* out) {
  DecipherFirmwareBytes(keyText, data, out, length);
}

std::string TfrmInterface::FirmwareDigest(const uint8_t* data, size_t length) {
  return Md5Hex(data, length);
}
