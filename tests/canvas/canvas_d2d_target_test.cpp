// The Direct2D canvas's factories, buffer, scenes, window presenting, saved
// states, clips and device loss.
#include <gtest/gtest.h>

#include "canvas/zr_d2d_unit.h"
#include "canvas/zr_filter_wic.h"
#include "canvas_classes.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_filter.h"
#include "scene/zr_intf.h"

namespace {

using namespace canvas_test;

TEST(CanvasD2DTarget, FactoriesAreSharedAndMadeAnewAfterTheLastCanvas) {
  ASSERT_EQ(D2DFactoryUsers, 0);
  auto first = std::make_unique<TzrCanvasD2D>(4, 4);
  ID2D1Factory* shared = SharedD2DFactory.get();
  ASSERT_TRUE(shared && SharedDWriteFactory && SharedWICFactory);
  auto second = std::make_unique<TzrCanvasD2D>(4, 4);
  EXPECT_EQ(D2DFactoryUsers, 2);
  EXPECT_EQ(SharedD2DFactory.get(), shared);
  first.reset();
  EXPECT_EQ(SharedD2DFactory.get(), shared);
  second.reset();
  EXPECT_EQ(D2DFactoryUsers, 0);
  EXPECT_FALSE(SharedD2DFactory || SharedDWriteFactory || SharedWICFactory);
  TzrCanvasD2D third(4, 4);
  EXPECT_TRUE(SharedD2DFactory);
}

TEST(CanvasD2DTarget, WithoutTheLibraryNothingIsSelectedAndNoSceneBegins) {
  const TzrCanvasClass oldCanvas = DefaultCanvasClass;
  const TClassInfo* oldFilter = DefaultFilterClass;
  UnloadDirect2D();
  D2D1SetLibrariesAbsent(true);
  LoadDirect2D();
  EXPECT_EQ(D2D1Module(), 0u);
  UseDirect2DCanvas();
  EXPECT_EQ(DefaultCanvasClass, oldCanvas);
  EXPECT_EQ(DefaultFilterClass, oldFilter);
  {
    TzrCanvasD2D c(4, 4);
    EXPECT_FALSE(c.BeginScene());
    EXPECT_EQ(c.SaveCanvas(), zrNoState);
  }
  D2D1SetLibrariesAbsent(false);
  LoadDirect2D();
  EXPECT_NE(D2D1Module(), 0u);
}

TEST(CanvasD2DTarget, ResizeKeepsTheSizeMakesOnePixelAtLeastAndReportsBufferErrors) {
  TzrCanvasD2D c(8, 6);
  c.SetResized(false);
  c.ResizeBuffer(8, 6);
  EXPECT_FALSE(c.GetResized());
  c.ResizeBuffer(0, 0);
  EXPECT_EQ(c.GetWidth(), 1);
  EXPECT_EQ(c.GetHeight(), 1);
  EXPECT_TRUE(c.GetBufferHandle());
  EXPECT_EQ(cairo_image_surface_get_width(c.GetBufferHandle()), 1);
  const struct {
    int W, H;
    const char* Message;
  } failures[] = {{50000, 50000, "Can't allocate the DIB handle"},
                  {40000, 1, "Can't select an object into DC"}};
  for (const auto& f : failures) {
    try {
      c.ResizeBuffer(f.W, f.H);
      ADD_FAILURE() << "no error for " << f.W;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), f.Message);
    }
    EXPECT_EQ(c.GetWidth(), f.W);  // the size is taken, no half-made buffer stays
    EXPECT_FALSE(c.GetBufferHandle());
    EXPECT_FALSE(c.GetBufferBits());
    EXPECT_EQ(c.GetHandle(), 0u);
    EXPECT_FALSE(c.BeginScene());
  }
  c.ResizeBuffer(3, 3);
  EXPECT_TRUE(c.BeginScene());
  c.EndScene();
}

class TFakeWindow : public ID2D1WindowPresenter {
 public:
  bool Occluded = false;
  int Frames = 0;
  std::vector<uint32_t> Last;
  int Width = 0;
  void Present(cairo_surface_t* Frame) override {
    ++Frames;
    Width = cairo_image_surface_get_width(Frame);
    const int n = Width * cairo_image_surface_get_height(Frame);
    auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(Frame));
    Last.assign(px, px + n);
  }
  bool IsOccluded() override { return Occluded; }
};

constexpr TzrHandle kWindow = 0x5eed;

TEST(CanvasD2DTarget, WindowCanvasSkipsOccludedFramesAndPresentsVisibleOnes) {
  TFakeWindow window;
  D2D1SetWindowPresenter(kWindow, &window);
  TzrCanvasD2D c(0, 0);
  c.SetBuffered(false);
  c.SetParent(kWindow);
  c.ResizeBuffer(16, 8);
  EXPECT_FALSE(c.GetBufferHandle());  // presented, not buffered
  window.Occluded = true;
  EXPECT_FALSE(c.BeginScene());
  EXPECT_EQ(window.Frames, 0);
  window.Occluded = false;
  ASSERT_TRUE(c.BeginScene());
  c.SetMatrix(IdentityMatrix);
  c.Clear(0xFF00FF00);
  c.EndScene();
  ASSERT_EQ(window.Frames, 1);
  EXPECT_EQ(window.Last[5], 0xFF00FF00u);
  ID2D1RenderTarget* target = c.GetRenderTarget();
  c.ResizeBuffer(20, 8);  // the window target is resized in place
  EXPECT_EQ(c.GetRenderTarget(), target);
  c.FlushBuffer(0, 0, 1);  // nothing to copy for a window
  ASSERT_TRUE(c.BeginScene());
  c.EndScene();
  EXPECT_EQ(window.Width, 20);
  D2D1SetWindowPresenter(kWindow, nullptr);
}

// A scene that answers only whether it is transparent.
class TTransparentScene : public TComponent, public IzoRurev {
 public:
  TTransparentScene() : TComponent(nullptr) {}
  bool Transparent = false;
  bool GetTransparency() override { return Transparent; }
  void AddObject(TzrObject*) override {}
  void RemoveObject(TzrObject*) override {}
  void BeginDrag() override {}
  void BeginResize() override {}
  void AddUpdateRect(const TzrRect&) override {}
  void InsertObject(const std::string&) override {}
  TzrControl* GetActiveControl() override { return nullptr; }
  bool GetDisableUpdate() override { return false; }
  void SetDisableUpdate(bool) override {}
  bool GetDesignTime() override { return false; }
  TzrCanvas* GetCanvas() override { return nullptr; }
  TzrObject* GetRoot() override { return nullptr; }
  TComponent* GetOwner() override { return nullptr; }
  TComponent* GetComponent() override { return this; }
  TzrResources* GetStyle() override { return nullptr; }
  void SetStyle(TzrResources*) override {}
  void UpdateResource() override {}
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
  }
  TzrVisualObject* GetSelected() override { return nullptr; }
  TzrVisualObject* GetDesignPlaceObject() override { return nullptr; }
  int GetUpdateRectsCount() override { return 0; }
  TzrRect GetUpdateRect(int) override { return {}; }
  void SetCaptured(TzrVisualObject*) override {}
  TzrVisualObject* GetCaptured() override { return nullptr; }
  void SetFocused(TzrVisualObject*) override {}
  TzrVisualObject* GetFocused() override { return nullptr; }
  void SetDesignRoot(TzrVisualObject*) override {}
  TzrPoint GetMousePos() override { return {}; }
  TzrPoint LocalToScreen(const TzrPoint& P) override { return P; }
  void BeginVCLDrag(TObject*, TzrBitmap*) override {}
  void DoDesignSelect(TObject*) override {}
  bool GetAnimatedCaret() override { return false; }
  bool ShowKeyboardForControl(TzrObject*) override { return false; }
  bool HideKeyboardForControl(TzrObject*) override { return false; }
};

TEST(CanvasD2DTarget, WindowCanvasOfATransparentSceneTurnsBufferedForGood) {
  TTransparentScene scene;
  TzrCanvasD2D c(0, 0);
  c.SetBuffered(false);
  c.SetParent(kWindow);
  c.SetScene(&scene);
  c.ResizeBuffer(10, 10);
  EXPECT_FALSE(c.GetBuffered());
  scene.Transparent = true;
  c.ResizeBuffer(12, 10);
  EXPECT_TRUE(c.GetBuffered());
  EXPECT_TRUE(c.GetBufferHandle());  // drawn off-screen from now on
  scene.Transparent = false;
  c.ResizeBuffer(14, 10);
  EXPECT_TRUE(c.GetBuffered());
  EXPECT_EQ(cairo_image_surface_get_width(c.GetBufferHandle()), 14);
}

TEST(CanvasD2DTarget, SaveEntriesAreReusedAndBadIndexesIgnored) {
  TzrCanvasD2D c(4, 4);
  EXPECT_EQ(c.SaveCanvas(), zrNoState);  // no target before the first scene
  ASSERT_TRUE(c.BeginScene());
  EXPECT_EQ(c.SaveCanvas(), 0u);
  EXPECT_EQ(c.SaveCanvas(), 1u);
  EXPECT_EQ(c.SaveCanvas(), 2u);
  c.GetFill()->SetSolidColor(0xFF123456);
  c.RestoreCanvas(7);
  EXPECT_EQ(c.GetFill()->GetSolidColor(), 0xFF123456u);
  c.RestoreCanvas(1);
  EXPECT_EQ(c.GetFill()->GetSolidColor(), 0xFFFFFFFFu);
  EXPECT_EQ(c.SaveCanvas(), 1u);
  EXPECT_EQ(c.SaveDataCount(), 3);
  c.EndScene();
}

TEST(CanvasD2DTarget, ClipsNeedASavedStateAndASecondClipNarrowsFurther) {
  auto c = std::make_unique<TzrCanvasD2D>(30, 10);
  ASSERT_TRUE(c->BeginScene());
  c->SetMatrix(IdentityMatrix);
  c->GetFill()->SetSolidColor(0xFFFF0000);
  c->IntersectClipRect(zrRect(0, 0, 1, 1));  // no state saved in this scene: nothing
  c->FillRect(zrRect(0, 0, 30, 5), 0, 0, 0, 1);
  const uint32_t s = c->SaveCanvas();
  c->IntersectClipRect(zrRect(0, 0, 20, 10));
  c->IntersectClipRect(zrRect(10, 0, 30, 10));
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->FillRect(zrRect(0, 5, 30, 10), 0, 0, 0, 1);
  c->RestoreCanvas(s);
  EXPECT_EQ(c->GetRenderTarget()->PushCount(), 0u);  // the restore undid both clips
  c->EndScene();
  EXPECT_EQ(Pixel(*c, 25, 2), 0xFFFF0000u);
  EXPECT_EQ(Raw(*c, 5, 7), 0u);
  EXPECT_EQ(Pixel(*c, 15, 7), 0xFF0000FFu);
  EXPECT_EQ(Raw(*c, 25, 7), 0u);
}

TEST(CanvasD2DTarget, UpdateRectanglesAreClearedAndMaskTheSceneUntilItsEnd) {
  auto c = std::make_unique<TzrCanvasD2D>(30, 10);
  ASSERT_TRUE(c->BeginScene());
  c->Clear(0xFFFFFFFF);
  c->EndScene();
  ASSERT_TRUE(c->BeginScene());
  c->SetClipRects({zrRect(0, 0, 5, 5), zrRect(10, 0, 15, 5), zrRect(20, 5, 25, 10)});
  EXPECT_EQ(Raw(*c, 2, 2), 0u);  // cleared to transparent at once
  c->SetMatrix(IdentityMatrix);
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->FillRect(zrRect(0, 5, 30, 10), 0, 0, 0, 1);
  c->EndScene();
  EXPECT_EQ(Raw(*c, 12, 2), 0u);
  EXPECT_EQ(Pixel(*c, 7, 2), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(*c, 22, 7), 0xFF0000FFu);
  EXPECT_EQ(Pixel(*c, 2, 7), 0xFFFFFFFFu);
  // the mask ended with the scene
  ASSERT_TRUE(c->BeginScene());
  c->FillRect(zrRect(0, 5, 30, 10), 0, 0, 0, 1);
  c->EndScene();
  EXPECT_EQ(Pixel(*c, 2, 7), 0xFF0000FFu);
}

TEST(CanvasD2DTarget, FlushBufferRectCopiesTheWholePixelsAroundTheRectangle) {
  auto c = std::make_unique<TzrCanvasD2D>(20, 20);
  ASSERT_TRUE(c->BeginScene());
  c->Clear(0xFFFF0000);
  c->EndScene();
  cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 20, 20);
  cairo_t* dc = cairo_create(screen);
  c->FlushBufferRect(0, 0, reinterpret_cast<TzrHandle>(dc), zrRect(0.5f, 0.5f, 10.2f, 10.9f));
  cairo_surface_flush(screen);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(screen));
  EXPECT_EQ(px[0], 0xFFFF0000u);
  EXPECT_EQ(px[10 * 20 + 10], 0xFFFF0000u);  // (0, 0, 11, 11)
  EXPECT_EQ(px[11 * 20 + 5], 0u);
  EXPECT_EQ(px[5 * 20 + 11], 0u);
  cairo_destroy(dc);
  cairo_surface_destroy(screen);
}

TEST(CanvasD2DTarget, DeviceLossDiscardsTheTargetAndTheNextSceneMakesANewOne) {
  TzrBitmap bitmap(4, 4);
  TzrCanvasD2D c(&bitmap);
  ASSERT_TRUE(c.GetRenderTarget());
  ASSERT_TRUE(c.BeginScene());
  c.SetMatrix(IdentityMatrix);
  c.Clear(0xFF0000FF);
  D2D1SetDeviceLoss(1);
  c.EndScene();
  EXPECT_FALSE(c.GetRenderTarget());
  EXPECT_EQ(bitmap.GetStartLine()[0], 0u);  // the lost frame is not copied back
  // the bitmap canvas binds again to a copy of the bitmap's pixels
  ASSERT_TRUE(c.BeginScene());
  c.SetMatrix(IdentityMatrix);
  c.GetFill()->SetSolidColor(0xFF00FF00);
  c.FillRect(zrRect(0, 0, 2, 4), 0, 0, 0, 1);
  c.EndScene();
  EXPECT_EQ(bitmap.GetStartLine()[0], 0xFF00FF00u);
  EXPECT_EQ(bitmap.GetStartLine()[3], 0u);
}

TEST(CanvasD2DTarget, SceneWindowDrawsThroughThisCanvasAfterUseDirect2DCanvas) {
  const TzrCanvasClass old = DefaultCanvasClass;
  const TClassInfo* oldFilter = DefaultFilterClass;
  const TzrCanvasClass oldPrinter = DefaultPrinterCanvasClass;
  UseDirect2DCanvas();
  ASSERT_EQ(DefaultCanvasClass, TzrCanvasD2D::ClassRef());
  EXPECT_EQ(DefaultFilterClass, TzrFilterWIC::Class());
  EXPECT_EQ(DefaultPrinterCanvasClass, oldPrinter);
  TFakeWindow window;
  D2D1SetWindowPresenter(kWindow, &window);
  {
    // what the scene window does: a canvas of the default class on its
    // drawing area, one repaint of its dirty rectangle
    std::unique_ptr<TzrCanvas> canvas = DefaultCanvasClass->Create(0, 0);
    auto* d2d = dynamic_cast<TzrCanvasD2D*>(canvas.get());
    ASSERT_TRUE(d2d);
    d2d->SetBuffered(false);
    canvas->SetParent(kWindow);
    canvas->ResizeBuffer(40, 20);
    ASSERT_TRUE(canvas->BeginScene());
    canvas->SetClipRects({zrRect(0, 0, 20, 20)});
    canvas->SetMatrix(IdentityMatrix);
    canvas->GetFill()->SetSolidColor(0xFFFF8000);
    canvas->FillRect(zrRect(0, 0, 40, 20), 4, 4, AllCorners, 1);
    canvas->EndScene();
  }
  ASSERT_EQ(window.Frames, 1);
  EXPECT_EQ(window.Last[10 * 40 + 10], 0xFFFF8000u);
  EXPECT_EQ(window.Last[10 * 40 + 30], 0u);  // outside the dirty rectangle
  D2D1SetWindowPresenter(kWindow, nullptr);
  DefaultCanvasClass = old;
  DefaultFilterClass = oldFilter;
}

}  // namespace
