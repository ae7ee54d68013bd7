#pragma once
// Deciphering and digest routines for firmware images: AES in EAX mode and
// MD5, both from LibTomCrypt.

#include <cstddef>
#include <cstdint>
#include <string>

struct ltc_cipher_descriptor;
struct ltc_hash_descriptor;

// The fixed bases of the 32-byte key and nonce blocks. The key text and the
// nonce text are laid over their first bytes at run time.
extern const uint8_t kFirmwareKeyBase[32];
extern const uint8_t kFirmwareNonceBase[32];
// The nonce text laid over the nonce block.
extern const char kFirmwareNonceText[];

// Builds a 32-byte block: the base with the text's bytes (at most 32) over its start.
void OverlayKeyBlock(const uint8_t base[32], const std::string& text, uint8_t block[32]);

// Deciphers `length` bytes with the cipher in EAX mode (no header) into `out`.
// Raises "wrong cipher" when the cipher cannot be registered. When `tag` is
// given, the 16-byte authentication tag of the run is stored there.
void DecipherImage(const ltc_cipher_descriptor& cipher, const std::string& keyText,
                   const std::string& nonceText, const uint8_t* data, uint8_t* out,
                   size_t length, uint8_t* tag = nullptr);

// The digest of the bytes as lower-case hexadecimal text.
// Raises "wrong hash" when the hash cannot be registered.
std::string DigestHex(const ltc_hash_descriptor& hash, const uint8_t* data, size_t length);

// The same two routines with the descriptors the firmware uses ("aes", "md5").
void DecipherFirmwareBytes(const std::string& keyText, const uint8_t* data, uint8_t* out,
                           size_t length);
std::string Md5Hex(const uint8_t* data, size_t length);
