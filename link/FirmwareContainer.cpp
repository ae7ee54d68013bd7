#include "link/FirmwareContainer.h"

#include <cstring>

#include "app/Utils.h"
#include "link/DemoFirmware.h"
#include "link/Pdfutils.h"
#include "platform/rtl/Clock.h"

namespace {

constexpr size_t kDigestLength = 32;

uint32_t ReadLittleEndian32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The image text without its CR LF pairs; pumps messages once per pair removed.
std::string StripLineBreaks(const uint8_t* text, size_t length) {
  std::string out;
  out.reserve(length);
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == '\r' && i + 1 < length && text[i + 1] == '\n') {
      ++i;
      ProcessMessages();
      continue;
    }
    out += static_cast<char>(text[i]);
  }
  return out;
}

bool DecodeImage(const uint8_t* text, size_t length, std::vector<uint8_t>& image) {
  const std::string hex = StripLineBreaks(text, length);
  image.assign(hex.size() / 2, 0);
  return HexToBytes(hex, image) > 0;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// Characters counted from 1, as the hardware naming does.
bool CharsAt(const std::string& text, size_t from, const char* expected) {
  const size_t n = std::strlen(expected);
  return text.size() >= from - 1 + n && text.compare(from - 1, n, expected) == 0;
}

}  // namespace

std::string UnpackFirmwareContainer(const std::vector<uint8_t>& plain, TFirmwareImages& images) {
  const uint64_t n = plain.size();
  if (n < 8) return "File Error.";
  const uint32_t stored1 = ReadLittleEndian32(plain.data());
  const uint32_t stored2 = ReadLittleEndian32(plain.data() + 4);
  if (stored1 < kDigestLength || stored2 < kDigestLength) return "File Error.";
  const uint64_t l1 = stored1 - kDigestLength;
  const uint64_t l2 = stored2 - kDigestLength;
  // 64-bit sums: lengths read from the blob can never wrap past its end.
  if (n < 8 + l1 + kDigestLength + l2 + kDigestLength) return "File Error.";

  const uint8_t* text1 = plain.data() + 8;
  const uint8_t* digest1 = text1 + l1;
  const uint8_t* text2 = digest1 + kDigestLength;
  const uint8_t* digest2 = text2 + l2;
  if (Md5Hex(text1, l1) != std::string(reinterpret_cast<const char*>(digest1), kDigestLength))
    return "Hash1 Error.";
  // The second digest is checked as well, so a damaged second image is never flashed.
  if (Md5Hex(text2, l2) != std::string(reinterpret_cast<const char*>(digest2), kDigestLength))
    return "Hash2 Error.";

  if (!DecodeImage(text1, l1, images.First)) return "HtoD Error.";
  if (!DecodeImage(text2, l2, images.Second)) return "HtoD Error.";
  return {};
}

bool NeedsImageTransform(const std::string& model, const std::string& demoOrHardware) {
  const std::string hardware = FamilyHardware(demoOrHardware);
  if (model == "Ardent_V3" || model == "Ardent_HV_V3") return true;
  const bool vl4x = StartsWith(hardware, "VL46") || StartsWith(hardware, "VL47") ||
                    StartsWith(hardware, "VL48");
  if (model == "CAR_ESC") {
    if (vl4x && (CharsAt(hardware, 6, "SL") || CharsAt(hardware, 6, "SD"))) return true;
    if (StartsWith(hardware, "VL45") && (CharsAt(hardware, 6, "SD") || CharsAt(hardware, 6, "BSD")))
      return true;
    return false;
  }
  if (model == "BOAT_ESC") return StartsWith(hardware, "VL80") && CharsAt(hardware, 6, "_YT");
  return false;
}

void BuildTransformKey(const uint8_t deviceData[32], uint8_t key[16]) {
  key[0] = 0;
  key[1] = 0;
  std::memcpy(key + 2, deviceData + 18, 14);
}

void TransformImage(std::vector<uint8_t>& image, const uint8_t key[16]) {
  const size_t blocks = image.size() / 16;
  for (size_t b = 0; b < blocks; ++b)
    for (size_t j = 0; j < 16; ++j) image[b * 16 + j] ^= key[j];
}
