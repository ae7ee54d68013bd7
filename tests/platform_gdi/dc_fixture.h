#pragma once
// A device context on a white 32-bit bitmap, with pixel probes.

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/Gdi.h"

namespace gdi_test {

using namespace gdi;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct Ink {
  int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;  // right, bottom inclusive
  bool Empty() const { return Right < 0; }
};

class Canvas {
 public:
  Canvas(int w, int h);
  ~Canvas();
  // The pixel in the bitmap, whatever the clip region and mapping.
  COLORREF At(int x, int y) const;
  bool Painted(int x, int y) const { return At(x, y) != kWhite; }
  // Whether any pixel within one of (x, y) is painted.
  bool Near(int x, int y) const;
  // The box of every pixel that is not white.
  Ink InkBox() const;
  int Count() const;
  void Clear(COLORREF c = kWhite);
  // Writes the bitmap to build/gallery/<name>.png.
  void SavePng(const std::string& name) const;
  void Select(HGDIOBJ o);  // selected and deleted at the end
  HDC Dc = nullptr;
  HBITMAP Bmp = nullptr;
  void* Bits = nullptr;
  int W, H;

 private:
  std::vector<HGDIOBJ> Owned;
};

}  // namespace gdi_test
