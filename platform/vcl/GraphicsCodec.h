#pragma once
// Reading and writing the pixels of the framework's pictures through the
// image codecs of the drawing layer.

#include <cstdint>
#include <string>
#include <vector>

class TStream;

struct DecodedPixels {
  int Width = 0;
  int Height = 0;
  bool Opaque = false;        // the file holds no alpha
  std::vector<uint8_t> Bgra;  // premultiplied B, G, R, A, rows top to bottom
};

// Reads the rest of the stream as one image file; raises EInvalidGraphic
// when no codec reads it.
DecodedPixels DecodeGraphic(TStream& Stream);
// Encodes premultiplied B, G, R, A rows with the encoder of the MIME type.
std::vector<uint8_t> EncodeGraphic(const std::vector<uint8_t>& Bgra, int Width, int Height,
                                   const std::u16string& MimeType);
