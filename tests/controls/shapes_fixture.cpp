#include "shapes_fixture.h"

void TRecordingCanvas::DrawBitmap(TzrBitmap& ABitmap, const TzrRect& SrcRect,
                                  const TzrRect& DstRect, float AOpacity, bool HighSpeed) {
  Bitmaps.push_back({SrcRect, DstRect, HighSpeed});
  TzrCanvasGdiPlus::DrawBitmap(ABitmap, SrcRect, DstRect, AOpacity, HighSpeed);
}

void TRecordingCanvas::FillRect(const TzrRect& ARect, float XRadius, float YRadius,
                                TzrCorners ACorners, float AOpacity, TzrCornerType ACornerType) {
  Rects.push_back({ARect, XRadius, YRadius});
  TzrCanvasGdiPlus::FillRect(ARect, XRadius, YRadius, ACorners, AOpacity, ACornerType);
}

void TRecordingCanvas::FillEllipse(const TzrRect& ARect, float AOpacity) {
  Ellipses.push_back(ARect);
  TzrCanvasGdiPlus::FillEllipse(ARect, AOpacity);
}

void TRecordingCanvas::FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) {
  Paths.push_back(ARect);
  TzrCanvasGdiPlus::FillPath(APath, ARect, AOpacity);
}

void TRecordingCanvas::MultyMatrix(const TzrMatrix& M) {
  Matrices.push_back(M);
  TzrCanvasGdiPlus::MultyMatrix(M);
}

void TRecordingCanvas::Forget() {
  Bitmaps.clear();
  Rects.clear();
  Ellipses.clear();
  Paths.clear();
  Matrices.clear();
}

ShapesTest::ShapesTest() {
  auto recorder = std::make_unique<TRecordingCanvas>(200, 200);
  Recorder = recorder.get();
  Scene.Canvas = std::move(recorder);
  Scene.Canvas->SetMatrix(IdentityMatrix);
  Scene.Canvas->Clear(0xFFFFFFFF);
}

void ShapesTest::Paint(TzrShape* Shape, TzrColor Fill, TzrColor Stroke, float Thickness) {
  Shape->GetFill()->SetStyle(zrBrushSolid);
  Shape->GetFill()->SetSolidColor(Fill);
  Shape->GetStroke()->SetStyle(zrBrushSolid);
  Shape->GetStroke()->SetSolidColor(Stroke);
  Shape->SetStrokeThickness(Thickness);
}

std::unique_ptr<TzrBitmap> QuadrantBitmap(int W, int H, int SplitX, int SplitY) {
  auto bitmap = std::make_unique<TzrBitmap>(W, H);
  static constexpr TzrColor kColors[] = {0xFFE03030, 0xFF30A030, 0xFF3050E0, 0xFFE0C020};
  for (int y = 0; y < H; ++y) {
    TzrColor* row = bitmap->GetScanline(y);
    for (int x = 0; x < W; ++x) row[x] = kColors[(x >= SplitX ? 1 : 0) + (y >= SplitY ? 2 : 0)];
  }
  return bitmap;
}
