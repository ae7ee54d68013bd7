#pragma once
// The canvas tests that hold for both canvas classes run over each of them:
// a buffered canvas of the class with the identity matrix inside a scene,
// cleared to transparent; Finish ends the scene before pixels are read.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "canvas/zr_canvas_d2d.h"
#include "canvas/zr_canvas_gdiplus.h"
#include "canvas_fixture.h"

namespace canvas_test {

class CanvasClasses : public ::testing::TestWithParam<TzrCanvasClass> {
 protected:
  std::unique_ptr<TzrCanvas> Open(int W, int H) {
    auto c = GetParam()->Create(W, H);
    EXPECT_TRUE(c->BeginScene());
    c->SetMatrix(IdentityMatrix);
    c->Clear(0);
    return c;
  }
  // Ends the scene; the pixels are in the buffer afterwards.
  static void Finish(TzrCanvas& C) { C.EndScene(); }
  bool IsD2D() const { return GetParam() == TzrCanvasD2D::ClassRef(); }
};

inline std::string ClassName(const ::testing::TestParamInfo<TzrCanvasClass>& Info) {
  return Info.param->Name;
}

#define CANVAS_CLASSES \
  ::testing::Values(TzrCanvasGdiPlus::ClassRef(), TzrCanvasD2D::ClassRef()), canvas_test::ClassName

}  // namespace canvas_test
