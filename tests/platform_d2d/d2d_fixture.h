#pragma once
// Shared by the Direct2D layer tests: a target over an imaging bitmap, its
// pixels, and a sink that records what a geometry writes.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/d2d/D2D1Factory.h"
#include "platform/d2d/WIC.h"
#include "tests/platform_gdiplus/color_near.h"

namespace d2d_test {

using color_test::Hex;
using color_test::Near;

struct TTarget {
  ID2D1Factory Factory;
  IWICImagingFactory Imaging;
  std::shared_ptr<IWICBitmap> Bitmap;
  std::shared_ptr<ID2D1WicBitmapRenderTarget> RT;

  TTarget(UINT32 W, UINT32 H) {
    std::vector<uint32_t> zero(size_t(W) * H, 0);
    Imaging.CreateBitmapFromMemory(W, H, GUID_WICPixelFormat32bppPBGRA, W * 4, W * H * 4,
                                   zero.data(), &Bitmap);
    RT = Factory.CreateWicBitmapRenderTarget(Bitmap, D2D1_RENDER_TARGET_PROPERTIES());
  }
  // The premultiplied pixel as stored.
  uint32_t Pixel(int X, int Y) const {
    uint32_t p = 0;
    WICRect r{X, Y, 1, 1};
    Bitmap->CopyPixels(&r, 4, 4, &p);
    return p;
  }
};

inline D2D1_COLOR_F Rgba(float R, float G, float B, float A = 1) { return {R, G, B, A}; }

// Records figures as text: "M x,y", "L x,y", "C x,y x,y x,y", "Z" or "E".
class TRecordingSink : public ID2D1SimplifiedGeometrySink {
 public:
  std::vector<std::string> Steps;
  int Closes = 0;
  void SetFillMode(D2D1_FILL_MODE) override {}
  void SetSegmentFlags(D2D1_PATH_SEGMENT) override {}
  void BeginFigure(D2D1_POINT_2F p, D2D1_FIGURE_BEGIN) override { Steps.push_back("M " + Pt(p)); }
  void AddLines(const D2D1_POINT_2F* p, UINT32 n) override {
    for (UINT32 i = 0; i < n; ++i) Steps.push_back("L " + Pt(p[i]));
  }
  void AddBeziers(const D2D1_BEZIER_SEGMENT* b, UINT32 n) override {
    for (UINT32 i = 0; i < n; ++i)
      Steps.push_back("C " + Pt(b[i].point1) + " " + Pt(b[i].point2) + " " + Pt(b[i].point3));
  }
  void EndFigure(D2D1_FIGURE_END e) override {
    Steps.push_back(e == D2D1_FIGURE_END_CLOSED ? "Z" : "E");
  }
  HRESULT Close() override {
    ++Closes;
    return S_OK;
  }
  static std::string Pt(D2D1_POINT_2F p) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%g,%g", p.x, p.y);
    return buf;
  }
};

}  // namespace d2d_test
