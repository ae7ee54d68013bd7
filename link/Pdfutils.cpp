#include "link/Pdfutils.h"

#include <tomcrypt.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/rtl/SysUtils.h"

// Key material of our own: the images this program reads are enciphered by
// the firmware tooling with the same blocks.
const uint8_t kFirmwareKeyBase[32] = {
    0x3c, 0x91, 0x5e, 0x07, 0xd2, 0x48, 0xaf, 0x16, 0x6b, 0xe3, 0x20, 0x9d, 0x74, 0x0f, 0xc8, 0x52,
    0x19, 0xb6, 0x83, 0x4a, 0xf1, 0x2e, 0x65, 0xd9, 0x0c, 0x77, 0xba, 0x31, 0x8e, 0x54, 0xe0, 0x2b};
const uint8_t kFirmwareNonceBase[32] = {
    0xa7, 0x12, 0x6e, 0xc5, 0x38, 0x9b, 0x04, 0xf6, 0x5d, 0x21, 0xe8, 0x7a, 0xb3, 0x40, 0x1f, 0x96,
    0x62, 0xcd, 0x0b, 0x57, 0x84, 0x3e, 0xf9, 0x15, 0xaa, 0x70, 0x2d, 0xc1, 0x49, 0x86, 0x1b, 0xe4};
const char kFirmwareNonceText[] = "quarvetin";

void OverlayKeyBlock(const uint8_t base[32], const std::string& text, uint8_t block[32]) {
  std::memcpy(block, base, 32);
  std::memcpy(block, text.data(), std::min<size_t>(text.size(), 32));
}

void DecipherImage(const ltc_cipher_descriptor& cipher, const std::string& keyText,
                   const std::string& nonceText, const uint8_t* data, uint8_t* out,
                   size_t length, uint8_t* tag) {
  const int index = register_cipher(&cipher);
  if (index == -1) throw Exception("wrong cipher");
  uint8_t key[32], nonce[32];
  OverlayKeyBlock(kFirmwareKeyBase, keyText, key);
  OverlayKeyBlock(kFirmwareNonceBase, nonceText, nonce);
  eax_state eax;
  if (eax_init(&eax, index, key, 32, nonce, 32, nullptr, 0) != CRYPT_OK)
    throw Exception("wrong cipher");
  if (length > 0 && eax_decrypt(&eax, data, out, length) != CRYPT_OK)
    throw Exception("wrong cipher");
  uint8_t ownTag[16];
  unsigned long tagLength = sizeof(ownTag);
  eax_done(&eax, ownTag, &tagLength);
  if (tag) std::memcpy(tag, ownTag, 16);
}

std::string DigestHex(const ltc_hash_descriptor& hash, const uint8_t* data, size_t length) {
  const int index = register_hash(&hash);
  if (index == -1) throw Exception("wrong hash");
  unsigned char digest[64];
  unsigned long digestLength = sizeof(digest);
  static const unsigned char kEmpty = 0;
  if (hash_memory(index, length ? data : &kEmpty, length, digest, &digestLength) != CRYPT_OK)
    throw Exception("wrong hash");
  std::string text;
  text.reserve(digestLength * 2);
  char pair[3];
  for (unsigned long i = 0; i < digestLength; ++i) {
    std::snprintf(pair, sizeof(pair), "%02x", digest[i]);
    text += pair;
  }
  return text;
}

void DecipherFirmwareBytes(const std::string& keyText, const uint8_t* data, uint8_t* out,
                           size_t length) {
  DecipherImage(aes_desc, keyText, kFirmwareNonceText, data, out, length);
}

std::string Md5Hex(const uint8_t* data, size_t length) { return DigestHex(md5_desc, data, length); }
