#include "tests/link/firmware_generator.h"

#include <tomcrypt.h>

#include <cctype>
#include <cstdio>
#include <stdexcept>

#include "link/Pdfutils.h"

std::string ImageHexText(const std::vector<uint8_t>& image, const TFirmwareBlobOptions& options) {
  std::string text;
  char pair[3];
  for (uint8_t b : image) {
    std::snprintf(pair, sizeof(pair), options.UpperCaseHex ? "%02X" : "%02x", b);
    text += pair;
    if (options.LineLength && text.size() % (options.LineLength + 2) == options.LineLength)
      text += "\r\n";
  }
  return text;
}

static void AppendLength(std::vector<uint8_t>& out, size_t length) {
  const uint32_t v = static_cast<uint32_t>(length + 32);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

static void AppendText(std::vector<uint8_t>& out, std::string text) {
  out.insert(out.end(), text.begin(), text.end());
}

std::vector<uint8_t> BuildContainer(const std::string& text1, const std::string& text2,
                                    bool upperCaseDigest) {
  auto digest = [&](const std::string& t) {
    std::string d = Md5Hex(reinterpret_cast<const uint8_t*>(t.data()), t.size());
    if (upperCaseDigest)
      for (char& c : d) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return d;
  };
  std::vector<uint8_t> out;
  AppendLength(out, text1.size());
  AppendLength(out, text2.size());
  AppendText(out, text1);
  AppendText(out, digest(text1));
  AppendText(out, text2);
  AppendText(out, digest(text2));
  return out;
}

std::vector<uint8_t> EncipherContainer(const std::vector<uint8_t>& container,
                                       const std::string& version) {
  const int index = register_cipher(&aes_desc);
  uint8_t key[32], nonce[32];
  OverlayKeyBlock(kFirmwareKeyBase, std::to_string(container.size()) + version, key);
  OverlayKeyBlock(kFirmwareNonceBase, kFirmwareNonceText, nonce);
  eax_state eax;
  std::vector<uint8_t> blob(container.size());
  if (eax_init(&eax, index, key, 32, nonce, 32, nullptr, 0) != CRYPT_OK ||
      eax_encrypt(&eax, container.data(), blob.data(), container.size()) != CRYPT_OK)
    throw std::runtime_error("cannot encipher");
  return blob;
}

std::vector<uint8_t> BuildFirmwareBlob(const std::vector<uint8_t>& first,
                                       const std::vector<uint8_t>& second,
                                       const std::string& version,
                                       const TFirmwareBlobOptions& options) {
  const auto container = BuildContainer(ImageHexText(first, options), ImageHexText(second, options),
                                        options.UpperCaseDigest);
  return EncipherContainer(container, version);
}
