#pragma once
// The deciphered firmware container: two hexadecimal image texts, each
// followed by the MD5 digest of its text, behind their two stored lengths.

#include <cstdint>
#include <string>
#include <vector>

struct TFirmwareImages {
  std::vector<uint8_t> First;   // sent with command 12
  std::vector<uint8_t> Second;  // sent with command 4
};

// Unpacks a deciphered container into the two decoded images. Returns the
// empty text on success, otherwise "File Error." (lengths do not fit the
// blob), "Hash1 Error." / "Hash2 Error." (an image text does not match its
// digest) or "HtoD Error." (an image text is not whole hex pairs). Line breaks
// (CR LF) inside the image texts are dropped, pumping messages once per break.
std::string UnpackFirmwareContainer(const std::vector<uint8_t>& plain, TFirmwareImages& images);

// Whether the connected model and hardware take the per-block transform (a
// demo hardware version as the hardware it names).
bool NeedsImageTransform(const std::string& model, const std::string& hardware);

// The 16-byte transform key: two zero bytes, then device-data bytes 18 to 31.
void BuildTransformKey(const uint8_t deviceData[32], uint8_t key[16]);

// Combines every whole 16-byte block of the image with the key by exclusive-or;
// a shorter final block stays as it is.
void TransformImage(std::vector<uint8_t>& image, const uint8_t key[16]);
