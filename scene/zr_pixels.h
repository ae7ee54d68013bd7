#pragma once
// Bulk operations on buffers of 32-bit pixels; counts are numbers of words.

#include <cstdint>

void zrMoveLongword(const uint32_t* Src, uint32_t* Dst, int Count);
void zrFillLongword(uint32_t* Dst, int Count, uint32_t Value);
// Sets the alpha (top) byte of Count pixels, the other bytes kept.
void zrFillAlpha(uint32_t* Dst, int Count, uint8_t Alpha);
// Stores Value in rows Y1..Y2-1 and columns X1..X2-1 of a Width x Height
// buffer stored row after row. The rectangle is clipped to the buffer first;
// an empty one stores nothing.
void zrFillLongwordRect(uint32_t* Dst, int Width, int Height, int X1, int Y1, int X2, int Y2,
                        uint32_t Value);
// Reverses, in place, the order of Count 16-bit units starting at P.
void zrReverseBytes(uint16_t* P, int Count);
