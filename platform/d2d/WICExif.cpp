// The EXIF thumbnail of a JPEG: APP1 "Exif" block, TIFF header, IFD0, then
// IFD1 with the thumbnail's offset (tag 0x0201) and length (tag 0x0202).
// Every offset is checked against the block; anything amiss means none.
#include "platform/d2d/WICCodec.h"

namespace {

struct TTiff {
  const uint8_t* Data;
  size_t Size;
  bool Little;
  bool U16(size_t At, uint32_t& V) const {
    if (At > Size || Size - At < 2) return false;
    V = Little ? Data[At] | Data[At + 1] << 8 : Data[At] << 8 | Data[At + 1];
    return true;
  }
  bool U32(size_t At, uint32_t& V) const {
    uint32_t a, b;
    if (!U16(At, a) || !U16(At + 2, b)) return false;
    V = Little ? a | b << 16 : a << 16 | b;
    return true;
  }
};

// The TIFF structure of the first Exif APP1 block, before the scan starts.
bool FindExifBlock(const std::vector<uint8_t>& j, size_t& Start, size_t& Size) {
  if (j.size() < 4 || j[0] != 0xFF || j[1] != 0xD8) return false;
  size_t at = 2;
  while (at + 4 <= j.size() && j[at] == 0xFF) {
    const uint8_t marker = j[at + 1];
    if (marker == 0xDA || marker == 0xD9) return false;  // the scan or the end: no block
    const size_t length = size_t(j[at + 2]) << 8 | j[at + 3];
    if (length < 2 || at + 2 + length > j.size()) return false;
    static const uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    if (marker == 0xE1 && length >= 8 && std::equal(kExif, kExif + 6, j.begin() + long(at + 4))) {
      Start = at + 10;
      Size = length - 8;
      return true;
    }
    at += 2 + length;
  }
  return false;
}

}  // namespace

std::vector<uint8_t> ExifThumbnail(const std::vector<uint8_t>& jpeg) {
  size_t start = 0, size = 0;
  if (!FindExifBlock(jpeg, start, size) || size < 8) return {};
  const uint8_t* d = jpeg.data() + start;
  if (!((d[0] == 'I' && d[1] == 'I') || (d[0] == 'M' && d[1] == 'M'))) return {};
  const TTiff t{d, size, d[0] == 'I'};
  uint32_t magic = 0, ifd0 = 0, count = 0, ifd1 = 0;
  if (!t.U16(2, magic) || magic != 42 || !t.U32(4, ifd0) || !t.U16(ifd0, count)) return {};
  if (!t.U32(size_t(ifd0) + 2 + size_t(count) * 12, ifd1) || ifd1 == 0) return {};
  if (!t.U16(ifd1, count)) return {};
  uint32_t offset = 0, length = 0;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t entry = size_t(ifd1) + 2 + size_t(i) * 12;
    uint32_t tag = 0, value = 0;
    if (!t.U16(entry, tag) || !t.U32(entry + 8, value)) return {};
    if (tag == 0x0201) offset = value;
    if (tag == 0x0202) length = value;
  }
  if (length == 0 || offset > size || size - offset < length) return {};
  return std::vector<uint8_t>(d + offset, d + offset + length);
}
