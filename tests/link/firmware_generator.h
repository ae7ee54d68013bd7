#pragma once
// Builds enciphered firmware containers the way the firmware tooling does, so
// that tests can feed the upgrade with known images.

#include <cstdint>
#include <string>
#include <vector>

struct TFirmwareBlobOptions {
  size_t LineLength = 0;         // CR LF after every this many hex characters (0: none)
  bool UpperCaseHex = false;     // image texts in upper-case hex
  bool UpperCaseDigest = false;  // digests in upper case (the program must refuse them)
};

// The image as hex text, broken into lines as the options ask.
std::string ImageHexText(const std::vector<uint8_t>& image, const TFirmwareBlobOptions& options);

// The plain container around two image texts.
std::vector<uint8_t> BuildContainer(const std::string& text1, const std::string& text2,
                                    bool upperCaseDigest = false);

// Enciphers a container; the key text is the blob's byte count and the version.
std::vector<uint8_t> EncipherContainer(const std::vector<uint8_t>& container,
                                       const std::string& version);

// Both steps for two images.
std::vector<uint8_t> BuildFirmwareBlob(const std::vector<uint8_t>& first,
                                       const std::vector<uint8_t>& second,
                                       const std::string& version,
                                       const TFirmwareBlobOptions& options = {});
