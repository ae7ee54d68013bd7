#include "pages/CurveNodes.h"

#include <vector>

#include "app/Utils.h"
#include "pages/CurveSegment.h"

std::vector<uint8_t> DecodeCurveBlock(const std::string& Text, size_t Count) {
  std::vector<uint8_t> bytes(Count, 0);
  for (size_t i = 0; i < Count && 2 * i + 1 < Text.size(); ++i) {
    const int high = HexDigitValue(Text[2 * i]), low = HexDigitValue(Text[2 * i + 1]);
    if (high < 0 || low < 0) break;
    bytes[i] = static_cast<uint8_t>(high * 16 + low);
  }
  return bytes;
}

namespace {

// True when the straight segment from Cur to M gives every point between.
// Neighbours form a segment only when they are equal; ends of equal value
// still need the points between them to be level, so that a curve that
// falls and rises again keeps its shape.
bool SegmentMatches(const int* Points, int Cur, int M) {
  if (M == Cur + 1) return Points[M] == Points[Cur];
  std::vector<int> line(Points + Cur, Points + M + 1);
  FillSegment(line.data(), 0, M - Cur);
  for (int k = 1; k < M - Cur; ++k)
    if (line[k] != Points[Cur + k]) return false;
  return true;
}

}  // namespace

int ExtractCurveNodes(const int* Points, int End, int* Nodes) {
  int cur = 0, found = 0;
  for (int segment = 0; segment < kMaxCurveSegments && cur < End; ++segment) {
    int next = -1;
    for (int m = End; m > cur; --m) {
      if (SegmentMatches(Points, cur, m)) {
        next = m;
        break;
      }
    }
    if (next < 0) break;
    Nodes[segment + 1] = next;
    cur = next;
    ++found;
  }
  if (found == 0) found = 1;
  Nodes[0] = 0;
  Nodes[found] = End;
  return found + 1;
}
