#pragma once
// What the curve items hand their editors: the curve block decoded from the
// item's hexadecimal text, and the nodes that reproduce a curve through
// straight segments.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Most segments the node extraction finds.
constexpr int kMaxCurveSegments = 16;

// Count bytes from the hexadecimal text (pairs of digits, either case). The
// text stops at its end, at an odd last digit or at the first pair that is
// not hexadecimal; the bytes it does not provide are 0.
std::vector<uint8_t> DecodeCurveBlock(const std::string& Text, size_t Count);

// Finds the fewest straight segments, at most kMaxCurveSegments, that
// reproduce Points[0..End] exactly under FillSegment: from each node the
// farthest position whose segment matches every point between is the next.
// Writes the node positions (0 first, End last; when the search stops short,
// End replaces the last node found) and returns their number. Nodes must
// hold kMaxCurveSegments + 1 entries. The points are not changed.
int ExtractCurveNodes(const int* Points, int End, int* Nodes);
