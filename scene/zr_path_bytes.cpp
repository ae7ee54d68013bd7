// The binary "Path" form of object streams.
#include <climits>
#include <cstring>

#include "platform/rtl/SysUtils.h"
#include "scene/zr_path.h"
#include "scene/zr_stream.h"

namespace {

void PutInt32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

uint32_t GetUInt32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

float GetFloat(const uint8_t* p) {
  const uint32_t bits = GetUInt32(p);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

uint32_t FloatBits(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

[[noreturn]] void Refuse(const std::string& why) {
  throw EStreamError("Invalid path data: " + why);
}

}  // namespace

std::vector<uint8_t> TzrPathData::WritePathBytes() const {
  std::vector<uint8_t> out;
  out.reserve(4 + 12 * PathData.size());
  PutInt32(out, static_cast<uint32_t>(PathData.size()));
  for (const TzrPathPoint& p : PathData) {
    PutInt32(out, static_cast<uint32_t>(p.Kind));
    PutInt32(out, FloatBits(p.Point.X));
    PutInt32(out, FloatBits(p.Point.Y));
  }
  return out;
}

void TzrPathData::ReadPathBytes(const std::vector<uint8_t>& Data) {
  if (Data.size() < 4) Refuse("no entry count");
  const auto count = static_cast<int32_t>(GetUInt32(Data.data()));
  if (count <= 0) {
    PathData.clear();
    return;
  }
  const size_t n = static_cast<size_t>(count);
  const size_t body = Data.size() - 4;
  const size_t recordSize = body / n == 9 ? 9 : 12;
  if (body / recordSize < n) Refuse("the data holds fewer than " + std::to_string(n) + " entries");

  std::vector<TzrPathPoint> entries(n);
  const uint8_t* p = Data.data() + 4;
  for (size_t i = 0; i < n; ++i, p += recordSize) {
    const uint32_t kind = recordSize == 9 ? p[0] : GetUInt32(p);
    if (kind > zrPathPointClose) Refuse("unknown entry kind " + std::to_string(kind));
    const uint8_t* xy = p + (recordSize == 9 ? 1 : 4);
    entries[i] = {static_cast<TzrPathPointKind>(kind), {GetFloat(xy), GetFloat(xy + 4)}};
  }
  PathData = std::move(entries);
}

void TzrPathData::ReadPath(TStream& Stream) {
  const int64_t size = Stream.GetSize() - Stream.GetPosition();
  if (size < 0 || size > INT32_MAX) throw EReadError("Stream read error");
  std::vector<uint8_t> data(static_cast<size_t>(size));
  Stream.ReadBuffer(data.data(), static_cast<int32_t>(size));
  ReadPathBytes(data);
}

void TzrPathData::WritePath(TStream& Stream) const {
  const std::vector<uint8_t> data = WritePathBytes();
  Stream.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
}

void TzrPathData::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "Path", [this](TStream* Stream) { ReadPath(*Stream); },
      [this](TStream* Stream) { WritePath(*Stream); }, HasPathBytes());
}
