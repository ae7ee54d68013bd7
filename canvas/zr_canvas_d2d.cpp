// The Direct2D canvas: shared factories, construction, render target,
// buffer, scene, matrix, saved states and clipping.
#include "canvas/zr_canvas_d2d.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "canvas/zr_d2d_unit.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_intf.h"

std::shared_ptr<ID2D1Factory> SharedD2DFactory;
std::shared_ptr<IDWriteFactory> SharedDWriteFactory;
std::shared_ptr<IWICImagingFactory> SharedWICFactory;
int32_t D2DFactoryUsers = 0;

namespace {

std::unique_ptr<TzrCanvas> CreateBuffered(int AWidth, int AHeight) {
  return std::make_unique<TzrCanvasD2D>(AWidth, AHeight);
}

std::unique_ptr<TzrCanvas> CreateOnBitmap(TzrBitmap* ABitmap) {
  return std::make_unique<TzrCanvasD2D>(ABitmap);
}

const TzrCanvasClassRec kClass = {"TzrCanvasD2D", &CreateBuffered, &CreateOnBitmap,
                                  &TzrCanvasD2D::GetBitmapScanline};

D2D1_RENDER_TARGET_PROPERTIES TargetProperties() {
  D2D1_RENDER_TARGET_PROPERTIES p;  // default type, B8G8R8A8 premultiplied, DPI 0 x 0
  return p;
}

D2D1_RECT_F ToD2D(const TzrRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

D2D1_MATRIX_3X2_F MatrixToD2D(const TzrMatrix& M) {
  return {M.m11, M.m12, M.m21, M.m22, M.m31, M.m32};
}

}  // namespace

// ---------------------------------------------------------------- shared factories

void CreateD2DFactories() {
  if (!SharedD2DFactory) {
    if (D2D1CreateFactoryEntry)
      D2D1CreateFactoryEntry(D2D1_FACTORY_TYPE_MULTI_THREADED, &SharedD2DFactory);
    if (DWriteCreateFactoryEntry)
      DWriteCreateFactoryEntry(DWRITE_FACTORY_TYPE_SHARED, &SharedDWriteFactory);
    if (D2D1CreateFactoryEntry) SharedWICFactory = std::make_shared<IWICImagingFactory>();
  }
  ++D2DFactoryUsers;
}

void ReleaseD2DFactories() {
  if (--D2DFactoryUsers > 0) return;
  D2DFactoryUsers = 0;
  SharedWICFactory.reset();
  SharedDWriteFactory.reset();
  SharedD2DFactory.reset();
}

// ---------------------------------------------------------------- life

TzrCanvasClass TzrCanvasD2D::ClassRef() { return &kClass; }

TzrCanvasD2D::TzrCanvasD2D(int AWidth, int AHeight) {
  CreateD2DFactories();
  FBuffered = true;
  ResizeBuffer(AWidth, AHeight);
}

TzrCanvasD2D::TzrCanvasD2D(TzrBitmap* ABitmap) : TzrCanvas(ABitmap) {
  CreateD2DFactories();
  FBitmap = ABitmap;
  CreateRenderTarget();
}

TzrCanvasD2D::~TzrCanvasD2D() {
  Brush.reset();
  StrokeBrush.reset();
  StrokeStyle.reset();
  FreeSaveData();
  FStates.clear();
  FreeBuffer();
  ReleaseD2DFactories();
}

PzrColorArray TzrCanvasD2D::GetBitmapScanline(TzrBitmap* Bitmap, int Y) {
  if (!Bitmap || !Bitmap->GetStartLine() || Y < 0 || Y >= Bitmap->GetHeight()) return nullptr;
  return Bitmap->GetStartLine() + size_t(Y) * size_t(Bitmap->GetWidth());
}

// ---------------------------------------------------------------- render target

void TzrCanvasD2D::CreateRenderTarget() {
  if (RenderTarget || !SharedD2DFactory) return;
  const D2D1_RENDER_TARGET_PROPERTIES props = TargetProperties();
  if (FBitmap) {
    // after a discard the bitmap's pixels are copied again
    if (!WICBitmap && SharedWICFactory && !FBitmap->IsEmpty()) {
      const UINT32 w = UINT32(FBitmap->GetWidth()), h = UINT32(FBitmap->GetHeight());
      SharedWICFactory->CreateBitmapFromMemory(w, h, GUID_WICPixelFormat32bppPBGRA, w * 4,
                                               w * h * 4, FBitmap->GetStartLine(), &WICBitmap);
    }
    if (WICBitmap) RenderTarget = SharedD2DFactory->CreateWicBitmapRenderTarget(WICBitmap, props);
  } else if (!FBuffered) {
    D2D1_HWND_RENDER_TARGET_PROPERTIES hwnd;
    hwnd.hwnd = FParent;
    hwnd.pixelSize = {UINT32(FWidth), UINT32(FHeight)};
    RenderTarget = SharedD2DFactory->CreateHwndRenderTarget(props, hwnd);
  } else if (FHandle) {
    auto dc = SharedD2DFactory->CreateDCRenderTarget(props);
    if (dc) dc->BindDC(FHandle, {0, 0, UINT32(FWidth), UINT32(FHeight)});
    RenderTarget = dc;
  }
  if (!RenderTarget) return;
  RenderTarget->SetDpi(96, 96);
  RenderTarget->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_DEFAULT);
}

void TzrCanvasD2D::DiscardRenderTarget() {
  StrokeBrush.reset();
  Brush.reset();
  Layer.reset();
  RenderTarget.reset();
  WICBitmap.reset();
}

// ---------------------------------------------------------------- buffer

void TzrCanvasD2D::FreeBuffer() {
  DiscardRenderTarget();
  if (!FBuffered || !FBufferHandle) return;
  if (FHandle) cairo_destroy(reinterpret_cast<cairo_t*>(FHandle));
  FHandle = 0;
  cairo_surface_destroy(FBufferHandle);
  FBufferHandle = nullptr;
  FBufferMemory = {};
  FBufferBits = nullptr;
}

void TzrCanvasD2D::ResizeBuffer(int AWidth, int AHeight) {
  if (FScene && FScene->GetTransparency() && !FBuffered) FBuffered = true;
  if (AWidth == FWidth && AHeight == FHeight) return;
  auto* window = dynamic_cast<ID2D1HwndRenderTarget*>(RenderTarget.get());
  if (FParent && !FBuffered && window) {
    FWidth = std::max(AWidth, 1);
    FHeight = std::max(AHeight, 1);
    window->Resize({UINT32(std::max(AWidth, 0)), UINT32(std::max(AHeight, 0))});
    return;
  }
  FreeBuffer();
  FWidth = std::max(AWidth, 1);
  FHeight = std::max(AHeight, 1);
  FResized = true;
  if (!FBuffered) return;
  MakeBuffer(FWidth, FHeight);
}

// The pixel memory (the DIB section), the surface over it (selected into
// the device context) and the context; each failure undoes what was made.
void TzrCanvasD2D::MakeBuffer(int W, int H) {
  // a DIB section holds less than 2 GB
  const uint64_t bytes = uint64_t(W) * uint64_t(H) * 4;
  if (bytes > 0x7FFFFFFFu) throw Exception("Can't allocate the DIB handle");
  try {
    FBufferMemory.assign(size_t(W) * size_t(H), 0);
  } catch (const std::bad_alloc&) {
    FBufferMemory = {};
    throw Exception("Can't allocate the DIB handle");
  }
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(FBufferMemory.data()), CAIRO_FORMAT_ARGB32, W, H, W * 4);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    FBufferMemory = {};
    throw Exception("Can't select an object into DC");
  }
  cairo_t* dc = cairo_create(surface);
  if (cairo_status(dc) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(dc);
    cairo_surface_destroy(surface);
    FBufferMemory = {};
    throw Exception("Can't create compatible DC");
  }
  FBufferHandle = surface;
  FHandle = reinterpret_cast<TzrHandle>(dc);
  FBufferBits = reinterpret_cast<TzrColor*>(FBufferMemory.data());
}

void TzrCanvasD2D::FlushBuffer(int X, int Y, TzrHandle DC) {
  if (!FBufferHandle || !DC) return;
  FlushBufferRect(X, Y, DC, zrRect(0, 0, float(FWidth - 1), float(FHeight - 1)));
}

void TzrCanvasD2D::FlushBufferRect(int X, int Y, TzrHandle DC, const TzrRect& ARect) {
  if (!FBufferHandle || !DC) return;
  auto* dc = reinterpret_cast<cairo_t*>(DC);
  const int x0 = int(std::trunc(ARect.Left)), y0 = int(std::trunc(ARect.Top));
  const int x1 = int(std::trunc(ARect.Right)) + 1, y1 = int(std::trunc(ARect.Bottom)) + 1;
  if (x1 <= x0 || y1 <= y0) return;
  cairo_surface_mark_dirty(FBufferHandle);
  cairo_save(dc);
  cairo_set_operator(dc, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(dc, FBufferHandle, X, Y);
  cairo_rectangle(dc, X + x0, Y + y0, x1 - x0, y1 - y0);
  cairo_fill(dc);
  cairo_restore(dc);
}

void TzrCanvasD2D::Clear(TzrColor Color) {
  if (!RenderTarget) return;
  const D2D1_COLOR_F c = {float((Color >> 16) & 255) / 255, float((Color >> 8) & 255) / 255,
                          float(Color & 255) / 255, float(Color >> 24) / 255};
  RenderTarget->Clear(&c);
}

void TzrCanvasD2D::ClearRect(const TzrRect&, TzrColor) {}

// ---------------------------------------------------------------- scene

bool TzrCanvasD2D::BeginScene() {
  CreateRenderTarget();
  if (!TzrCanvas::BeginScene() || !RenderTarget) return false;
  FLastState = -1;
  if (FParent && !FBuffered) {
    auto* window = dynamic_cast<ID2D1HwndRenderTarget*>(RenderTarget.get());
    if (window && (window->CheckWindowState() & D2D1_WINDOW_STATE_OCCLUDED)) return false;
  }
  RenderTarget->BeginDraw();
  return true;
}

void TzrCanvasD2D::EndScene() {
  TzrCanvas::EndScene();
  if (!RenderTarget) return;
  if (Layer) {
    RenderTarget->PopLayer();
    Layer.reset();
  }
  if (RenderTarget->EndDraw() == D2DERR_RECREATE_TARGET) {
    DiscardRenderTarget();
    return;
  }
  if (!WICBitmap || !FBitmap || FBitmap->GetStartLine() == nullptr) return;
  // the bitmap may have changed size since the copy was made
  UINT32 w = 0, h = 0;
  WICBitmap->GetSize(&w, &h);
  if (int(w) != FBitmap->GetWidth() || int(h) != FBitmap->GetHeight()) return;
  WICBitmap->CopyPixels(nullptr, w * 4, w * h * 4, FBitmap->GetStartLine());
  FBitmap->SetNeedUpdate(true);
}

// ---------------------------------------------------------------- matrix and states

void TzrCanvasD2D::SetMatrix(const TzrMatrix& M) {
  FMatrix = M;
  if (RenderTarget) RenderTarget->SetTransform(MatrixToD2D(FMatrix));
}

uint32_t TzrCanvasD2D::SaveCanvas() {
  if (!RenderTarget || !SharedD2DFactory) return zrNoState;
  auto free = std::find_if(FSaveData.begin(), FSaveData.end(),
                           [](const TzrSaveData& d) { return d.Index == zrNoState; });
  if (free == FSaveData.end()) free = FSaveData.emplace(FSaveData.end());
  const size_t n = size_t(free - FSaveData.begin());
  if (FStates.size() <= n) FStates.resize(n + 1);
  FStates[n] = std::make_unique<TSaveState>();
  FStates[n]->Block = SharedD2DFactory->CreateDrawingStateBlock();
  RenderTarget->SaveDrawingState(FStates[n]->Block.get());
  TzrSaveData& d = *free;
  d.Index = uint32_t(n);
  d.Data = FStates[n].get();
  StoreDrawingState(d);
  FLastState = int(n);
  return uint32_t(n);
}

void TzrCanvasD2D::RestoreCanvas(uint32_t AState) {
  if (!RenderTarget || AState >= FSaveData.size()) return;
  TzrSaveData& d = FSaveData[AState];
  if (d.Index == zrNoState) return;  // restored before: its block is gone
  TSaveState& state = *FStates[AState];
  RenderTarget->RestoreDrawingState(state.Block.get());
  state.Block.reset();
  for (size_t i = state.Layers.size(); i-- > 0;) RenderTarget->PopLayer();
  state.Layers.clear();
  d.Index = zrNoState;
  d.Data = nullptr;
  TakeBackDrawingState(d);
}

// ---------------------------------------------------------------- clipping

namespace {

D2D1_LAYER_PARAMETERS LayerParameters(const D2D1_RECT_F& Bounds, ID2D1Geometry* Mask) {
  D2D1_LAYER_PARAMETERS p;
  p.contentBounds = Bounds;
  p.geometricMask = Mask;
  p.maskAntialiasMode = D2D1_ANTIALIAS_MODE_ALIASED;
  return p;  // identity mask transform, opacity 1, no opacity brush, no options
}

}  // namespace

void TzrCanvasD2D::SetClipRects(const std::vector<TzrRect>& ARects) {
  if (ARects.empty() || !RenderTarget || !SharedD2DFactory) return;
  RenderTarget->SetTransform(D2D1IdentityMatrix());
  const D2D1_COLOR_F transparent = {0, 0, 0, 0};
  std::vector<std::shared_ptr<ID2D1RectangleGeometry>> rects;
  std::vector<ID2D1Geometry*> parts;
  for (const TzrRect& r : ARects) {
    RenderTarget->PushAxisAlignedClip(ToD2D(r), D2D1_ANTIALIAS_MODE_ALIASED);
    RenderTarget->Clear(&transparent);
    RenderTarget->PopAxisAlignedClip();
    rects.push_back(SharedD2DFactory->CreateRectangleGeometry(ToD2D(r)));
    parts.push_back(rects.back().get());
  }
  auto group = SharedD2DFactory->CreateGeometryGroup(D2D1_FILL_MODE_WINDING, parts.data(),
                                                     UINT32(parts.size()));
  // a second call replaces the update region rather than stacking on it
  if (Layer) RenderTarget->PopLayer();
  Layer = RenderTarget->CreateLayer();
  RenderTarget->PushLayer(LayerParameters({0, 0, float(FWidth), float(FHeight)}, group.get()),
                          Layer.get());
}

void TzrCanvasD2D::PushStateLayer(const ID2D1Geometry* Mask, const D2D1_RECT_F& Bounds) {
  TSaveState* state = FStates[size_t(FLastState)].get();
  if (!state) return;
  auto layer = RenderTarget->CreateLayer();
  state->Layers.push_back(layer);
  RenderTarget->PushLayer(LayerParameters(Bounds, const_cast<ID2D1Geometry*>(Mask)), layer.get());
}

void TzrCanvasD2D::IntersectClipRect(const TzrRect& ARect) {
  if (FLastState < 0 || !RenderTarget || !SharedD2DFactory) return;
  if (FSaveData[size_t(FLastState)].Index == zrNoState) return;  // restored already
  auto rect = SharedD2DFactory->CreateRectangleGeometry(ToD2D(ARect));
  if (rect) PushStateLayer(rect.get(), {0, 0, 100000, 400000});
}

void TzrCanvasD2D::ExcludeClipRect(const TzrRect& ARect) {
  if (FLastState < 0 || !RenderTarget || !SharedD2DFactory) return;
  if (FSaveData[size_t(FLastState)].Index == zrNoState) return;
  // The strips around the rectangle lie in the matrix's space: they reach
  // over the whole target as seen from there (the target's corners taken
  // back through the matrix), so only the rectangle is cut away.
  TzrMatrix back = FMatrix;
  zrInvertMatrix(back);
  TzrRect all = ARect;
  for (const TzrPoint& corner :
       {TzrPoint{0, 0}, TzrPoint{float(FWidth), 0}, TzrPoint{0, float(FHeight)},
        TzrPoint{float(FWidth), float(FHeight)}}) {
    const TzrVector v = zrVectorTransform(zrVector(corner), back);
    all = zrUnionRect(all, zrRect(v.X, v.Y, v.X, v.Y));
  }
  const TzrRect& r = ARect;
  const D2D1_RECT_F strips[4] = {{all.Left, all.Top, r.Left, all.Bottom},
                                 {r.Right, all.Top, all.Right, all.Bottom},
                                 {r.Left, all.Top, r.Right, r.Top},
                                 {r.Left, r.Bottom, r.Right, all.Bottom}};
  std::vector<std::shared_ptr<ID2D1RectangleGeometry>> rects;
  std::vector<ID2D1Geometry*> parts;
  for (const D2D1_RECT_F& s : strips) {
    rects.push_back(SharedD2DFactory->CreateRectangleGeometry(s));
    parts.push_back(rects.back().get());
  }
  auto group = SharedD2DFactory->CreateGeometryGroup(D2D1_FILL_MODE_WINDING, parts.data(), 4);
  if (group) PushStateLayer(group.get(), {all.Left, all.Top, all.Right, all.Bottom});
}

void TzrCanvasD2D::ResetClipRect() {}
