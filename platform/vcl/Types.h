#pragma once
// Points, sizes and rectangles of the framework, in whole pixels.

#include <cstdint>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Horizontal placement of text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Bit set of the modifier keys and buttons held during an input event.
using TShiftState = uint16_t;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;
// The press is the second of a double click.
constexpr TShiftState ssDouble = 64;

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  bool operator==(const TSize&) const = default;
};

// Right and bottom are outside the rectangle.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

inline TPoint Point(int32_t X, int32_t Y) { return TPoint{X, Y}; }
inline TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
  return TRect{Left, Top, Right, Bottom};
}
