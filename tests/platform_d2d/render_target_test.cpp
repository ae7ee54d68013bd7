// Render targets: drawing only between BeginDraw and EndDraw, transforms,
// clips and layers, brushes, bitmaps, device loss, DC and window targets.
#include <gtest/gtest.h>

#include "d2d_fixture.h"
#include "platform/d2d/D2D1Module.h"

namespace {

using namespace d2d_test;

TEST(D2DRenderTarget, DrawsOnlyBetweenBeginAndEndDraw) {
  TTarget t(8, 8);
  auto red = t.RT->CreateSolidColorBrush(Rgba(1, 0, 0));
  t.RT->FillRectangle({0, 0, 8, 8}, red.get());
  EXPECT_EQ(t.Pixel(4, 4), 0u);
  EXPECT_EQ(t.RT->EndDraw(), D2DERR_WRONG_STATE);
  t.RT->BeginDraw();
  t.RT->FillRectangle({0, 0, 8, 8}, red.get());
  EXPECT_EQ(t.RT->EndDraw(), S_OK);
  EXPECT_EQ(t.Pixel(4, 4), 0xFFFF0000u);
}

TEST(D2DRenderTarget, TransformMovesShapesAndClearIgnoresIt) {
  TTarget t(20, 10);
  auto blue = t.RT->CreateSolidColorBrush(Rgba(0, 0, 1));
  t.RT->BeginDraw();
  const D2D1_COLOR_F grey = Rgba(0.5f, 0.5f, 0.5f);
  D2D1_MATRIX_3X2_F m;
  m._31 = 10;
  t.RT->SetTransform(m);
  t.RT->Clear(&grey);
  t.RT->FillRectangle({0, 0, 5, 5}, blue.get());
  t.RT->EndDraw();
  EXPECT_TRUE(Near(t.Pixel(2, 2), 0xFF808080));
  EXPECT_EQ(t.Pixel(12, 2), 0xFF0000FFu);
}

TEST(D2DRenderTarget, ClipsAndLayersMaskUntilPoppedAndMustPair) {
  TTarget t(30, 10);
  auto green = t.RT->CreateSolidColorBrush(Rgba(0, 1, 0));
  ID2D1Factory& f = t.Factory;
  t.RT->BeginDraw();
  t.RT->PushAxisAlignedClip({0, 0, 10, 10}, D2D1_ANTIALIAS_MODE_ALIASED);
  auto mask = f.CreateRectangleGeometry({5, 0, 30, 10});
  auto layer = t.RT->CreateLayer();
  D2D1_LAYER_PARAMETERS p;
  p.contentBounds = {0, 0, 30, 10};
  p.geometricMask = mask.get();
  p.maskAntialiasMode = D2D1_ANTIALIAS_MODE_ALIASED;
  t.RT->PushLayer(p, layer.get());
  t.RT->FillRectangle({0, 0, 30, 10}, green.get());  // only 5..10 is inside both
  t.RT->PopLayer();
  t.RT->PopAxisAlignedClip();
  t.RT->FillRectangle({20, 0, 30, 10}, green.get());  // nothing pushed any more
  t.RT->PopLayer();                                   // nothing to pop
  EXPECT_EQ(t.RT->EndDraw(), D2DERR_WRONG_STATE);
  EXPECT_EQ(t.Pixel(2, 5), 0u);
  EXPECT_EQ(t.Pixel(7, 5), 0xFF00FF00u);
  EXPECT_EQ(t.Pixel(15, 5), 0u);
  EXPECT_EQ(t.Pixel(25, 5), 0xFF00FF00u);
}

TEST(D2DRenderTarget, ClearInsideAnAxisAlignedClipClearsOnlyThere) {
  TTarget t(10, 10);
  const D2D1_COLOR_F white = Rgba(1, 1, 1), none = Rgba(0, 0, 0, 0);
  t.RT->BeginDraw();
  t.RT->Clear(&white);
  t.RT->PushAxisAlignedClip({2, 2, 5, 5}, D2D1_ANTIALIAS_MODE_ALIASED);
  t.RT->Clear(&none);
  t.RT->PopAxisAlignedClip();
  EXPECT_EQ(t.RT->EndDraw(), S_OK);
  EXPECT_EQ(t.Pixel(3, 3), 0u);
  EXPECT_EQ(t.Pixel(5, 5), 0xFFFFFFFFu);
  EXPECT_EQ(t.Pixel(1, 3), 0xFFFFFFFFu);
}

TEST(D2DRenderTarget, GradientStopsRunFromStartToEndAndRadialFromTheCentre) {
  TTarget t(100, 100);
  const D2D1_GRADIENT_STOP stops[] = {{0, Rgba(1, 0, 0)}, {1, Rgba(0, 0, 1)}};
  auto collection =
      t.RT->CreateGradientStopCollection(stops, 2, D2D1_GAMMA_2_2, D2D1_EXTEND_MODE_CLAMP);
  D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES lp;
  lp.startPoint = {20, 0};
  lp.endPoint = {80, 0};
  auto linear = t.RT->CreateLinearGradientBrush(lp, nullptr, collection);
  D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES rp;
  rp.center = {50, 75};
  rp.radiusX = 50;
  rp.radiusY = 25;
  auto radial = t.RT->CreateRadialGradientBrush(rp, nullptr, collection);
  t.RT->BeginDraw();
  t.RT->FillRectangle({0, 0, 100, 50}, linear.get());
  t.RT->FillRectangle({0, 50, 100, 100}, radial.get());
  t.RT->EndDraw();
  EXPECT_EQ(t.Pixel(5, 10), 0xFFFF0000u);   // clamped before the start
  EXPECT_EQ(t.Pixel(95, 10), 0xFF0000FFu);  // and after the end
  EXPECT_TRUE(Near(t.Pixel(50, 10), 0xFF800080, 4));
  EXPECT_TRUE(Near(t.Pixel(50, 75), 0xFFFF0000, 6));  // centre: position 0
  EXPECT_TRUE(Near(t.Pixel(99, 75), 0xFF0000FF, 8));  // rim: position 1
}

TEST(D2DRenderTarget, BitmapsDrawTheirSourcePartAndBrushesTile) {
  TTarget t(20, 10);
  const uint32_t pixels[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};  // 2 x 2
  auto bitmap = t.RT->CreateBitmap({2, 2}, pixels, 8, D2D1_BITMAP_PROPERTIES());
  ASSERT_TRUE(bitmap);
  EXPECT_FALSE(t.RT->CreateBitmap({0, 2}, pixels, 8, D2D1_BITMAP_PROPERTIES()));
  EXPECT_FALSE(t.RT->CreateBitmap({2, 2}, pixels, 4, D2D1_BITMAP_PROPERTIES()));  // short rows
  D2D1_BITMAP_BRUSH_PROPERTIES bp;
  bp.extendModeX = bp.extendModeY = D2D1_EXTEND_MODE_WRAP;
  bp.interpolationMode = D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR;
  auto brush = t.RT->CreateBitmapBrush(bitmap, bp, nullptr);
  t.RT->BeginDraw();
  const D2D1_RECT_F src = {1, 0, 2, 1}, dst = {0, 0, 10, 10};  // the green pixel, stretched
  t.RT->DrawBitmap(bitmap.get(), &dst, 1, D2D1_BITMAP_INTERPOLATION_MODE_LINEAR, &src);
  t.RT->FillRectangle({10, 0, 20, 10}, brush.get());
  t.RT->EndDraw();
  EXPECT_EQ(t.Pixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(t.Pixel(9, 9), 0xFF00FF00u);
  EXPECT_EQ(t.Pixel(10, 0), 0xFFFF0000u);
  EXPECT_EQ(t.Pixel(13, 0), 0xFF00FF00u);  // 13 = 1 mod 2: the tile's second column
  EXPECT_EQ(t.Pixel(14, 3), 0xFF0000FFu);
}

TEST(D2DRenderTarget, StateBlocksKeepTheTransform) {
  TTarget t(4, 4);
  ID2D1DrawingStateBlock block;
  D2D1_MATRIX_3X2_F m;
  m._11 = 3;
  t.RT->SetTransform(m);
  t.RT->SaveDrawingState(&block);
  t.RT->SetTransform(D2D1IdentityMatrix());
  t.RT->RestoreDrawingState(&block);
  EXPECT_EQ(t.RT->GetTransform()._11, 3);
}

TEST(D2DRenderTarget, DeviceLossSwitchAnswersRecreateTargetOnce) {
  TTarget t(4, 4);
  D2D1SetDeviceLoss(1);
  t.RT->BeginDraw();
  EXPECT_EQ(t.RT->EndDraw(), D2DERR_RECREATE_TARGET);
  t.RT->BeginDraw();
  EXPECT_EQ(t.RT->EndDraw(), S_OK);
}

TEST(D2DRenderTarget, DCTargetDrawsIntoTheContextsSurfaceWithinItsRectangle) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 10, 10);
  cairo_t* dc = cairo_create(s);
  ID2D1Factory f;
  auto rt = f.CreateDCRenderTarget(D2D1_RENDER_TARGET_PROPERTIES());
  ASSERT_EQ(rt->BindDC(reinterpret_cast<uintptr_t>(dc), {0, 0, 5, 10}), S_OK);
  EXPECT_EQ(rt->BindDC(0, {0, 0, 5, 10}), E_INVALIDARG);
  auto red = rt->CreateSolidColorBrush(Rgba(1, 0, 0));
  rt->BeginDraw();
  rt->FillRectangle({0, 0, 10, 10}, red.get());
  rt->EndDraw();
  cairo_surface_flush(s);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
  EXPECT_EQ(px[5 * 10 + 2], 0xFFFF0000u);
  EXPECT_EQ(px[5 * 10 + 7], 0u);
  rt.reset();
  cairo_destroy(dc);
  cairo_surface_destroy(s);
}

class TFakePresenter : public ID2D1WindowPresenter {
 public:
  bool Occluded = false;
  int Frames = 0;
  uint32_t Centre = 0;
  int Width = 0;
  void Present(cairo_surface_t* Frame) override {
    ++Frames;
    Width = cairo_image_surface_get_width(Frame);
    auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(Frame));
    Centre = px[(cairo_image_surface_get_height(Frame) / 2) * Width + Width / 2];
  }
  bool IsOccluded() override { return Occluded; }
};

TEST(D2DRenderTarget, WindowTargetPresentsAtEndDrawAndAsksTheWindowState) {
  ID2D1Factory f;
  TFakePresenter presenter;
  const uintptr_t window = 0x1234;
  D2D1_HWND_RENDER_TARGET_PROPERTIES hp;
  hp.hwnd = window;
  hp.pixelSize = {8, 6};
  auto rt = f.CreateHwndRenderTarget(D2D1_RENDER_TARGET_PROPERTIES(), hp);
  ASSERT_TRUE(rt);
  EXPECT_EQ(rt->CheckWindowState(), D2D1_WINDOW_STATE_OCCLUDED);  // no presenter yet
  D2D1SetWindowPresenter(window, &presenter);
  EXPECT_EQ(rt->CheckWindowState(), D2D1_WINDOW_STATE_NONE);
  presenter.Occluded = true;
  EXPECT_EQ(rt->CheckWindowState(), D2D1_WINDOW_STATE_OCCLUDED);
  auto red = rt->CreateSolidColorBrush(Rgba(1, 0, 0));
  rt->BeginDraw();
  rt->FillRectangle({0, 0, 100, 100}, red.get());
  EXPECT_EQ(rt->EndDraw(), S_OK);
  EXPECT_EQ(presenter.Frames, 1);
  EXPECT_EQ(presenter.Centre, 0xFFFF0000u);
  rt->Resize({12, 0});
  EXPECT_EQ(rt->GetPixelSize().height, 1u);
  rt->BeginDraw();
  rt->EndDraw();
  EXPECT_EQ(presenter.Width, 12);
  D2D1SetWindowPresenter(window, nullptr);
}

TEST(D2DImaging, CopyPixelsChecksRectangleStrideAndBuffer) {
  IWICImagingFactory f;
  const uint32_t pixels[6] = {1, 2, 3, 4, 5, 6};  // 3 x 2
  std::shared_ptr<IWICBitmap> b;
  ASSERT_EQ(f.CreateBitmapFromMemory(3, 2, GUID_WICPixelFormat32bppPBGRA, 12, 24, pixels, &b),
            S_OK);
  EXPECT_EQ(f.CreateBitmapFromMemory(3, 2, GUID_WICPixelFormat32bppPBGRA, 12, 20, pixels, &b),
            E_INVALIDARG);
  EXPECT_FALSE(b);
  f.CreateBitmapFromMemory(3, 2, GUID_WICPixelFormat32bppPBGRA, 12, 24, pixels, &b);
  uint32_t out[4] = {};
  WICRect part{1, 0, 2, 2};
  EXPECT_EQ(b->CopyPixels(&part, 8, 16, out), S_OK);
  EXPECT_EQ(std::vector<uint32_t>(out, out + 4), std::vector<uint32_t>({2, 3, 5, 6}));
  WICRect outside{2, 0, 2, 1};
  EXPECT_EQ(b->CopyPixels(&outside, 8, 16, out), E_INVALIDARG);
  EXPECT_EQ(b->CopyPixels(&part, 4, 16, out), E_INVALIDARG);  // stride below a row
  EXPECT_EQ(b->CopyPixels(&part, 8, 12, out), E_INVALIDARG);  // buffer too small
}

}  // namespace
