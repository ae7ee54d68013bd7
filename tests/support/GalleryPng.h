#pragma once

// Writes a 24-bit sheet of a chart gallery test as a PNG into the build
// folder's gallery.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsCodec.h"

inline void WriteGalleryPng(TBitmap& Sheet, const std::string& Name) {
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < Sheet.GetHeight(); ++y) {
    const uint8_t* row = Sheet.GetScanLine(y);
    for (int x = 0; x < Sheet.GetWidth(); ++x) {
      bgra.insert(bgra.end(), row + 3 * x, row + 3 * x + 3);
      bgra.push_back(255);
    }
  }
  std::vector<uint8_t> png = EncodeGraphic(bgra, Sheet.GetWidth(), Sheet.GetHeight(), u"image/png");
  TFileStream out((dir / Name).string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
}
