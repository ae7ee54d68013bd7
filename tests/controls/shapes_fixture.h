#pragma once
// The controls' drawing tests run in the scene tests' bitmap-canvas scene
// (tests/scene/visual_scene.h). The canvas here also records the calls the
// tests look at: bitmap copies, rectangle and ellipse fills and matrices.

#include <vector>

#include "controls/zr_objects.h"
#include "controls/zr_objects_path.h"
#include "controls/zr_objects_text.h"
#include "tests/scene/visual_scene.h"

class TRecordingCanvas : public TzrCanvasGdiPlus {
 public:
  struct TBitmapCall {
    TzrRect Src, Dst;
    bool HighSpeed;
  };
  struct TRectCall {
    TzrRect R;
    float XRadius, YRadius;
  };
  using TzrCanvasGdiPlus::TzrCanvasGdiPlus;
  void DrawBitmap(TzrBitmap& ABitmap, const TzrRect& SrcRect, const TzrRect& DstRect,
                  float AOpacity, bool HighSpeed) override;
  void FillRect(const TzrRect& ARect, float XRadius, float YRadius, TzrCorners ACorners,
                float AOpacity, TzrCornerType ACornerType) override;
  void FillEllipse(const TzrRect& ARect, float AOpacity) override;
  void FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) override;
  void MultyMatrix(const TzrMatrix& M) override;
  void Forget();

  std::vector<TBitmapCall> Bitmaps;
  std::vector<TRectCall> Rects;
  std::vector<TzrRect> Ellipses;
  std::vector<TzrRect> Paths;  // destination rectangles of path fills
  std::vector<TzrMatrix> Matrices;
};

class ShapesTest : public VisualTest {
 public:
  ShapesTest();
  // A new object of class T at (X, Y) of size W x H under Parent (the root
  // when nil).
  template <class T>
  T* Make(float X, float Y, float W, float H, TzrVisualObject* Parent = nullptr) {
    auto* object = new T(&Owner);
    object->SetBounds(X, Y, W, H);
    object->SetParent(Parent ? Parent : Root);
    return object;
  }
  // Solid fill and stroke colours and the stroke thickness.
  static void Paint(TzrShape* Shape, TzrColor Fill, TzrColor Stroke, float Thickness);

 protected:
  TRecordingCanvas* Recorder = nullptr;
};

// A W x H bitmap in four coloured quadrants split at (SplitX, SplitY).
std::unique_ptr<TzrBitmap> QuadrantBitmap(int W, int H, int SplitX, int SplitY);
