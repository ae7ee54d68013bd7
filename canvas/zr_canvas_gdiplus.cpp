#include "canvas/zr_canvas_gdiplus.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_pixels.h"

using namespace Gdiplus;

namespace {

std::unique_ptr<TzrCanvas> CreateBuffered(int AWidth, int AHeight) {
  return std::make_unique<TzrCanvasGdiPlus>(AWidth, AHeight);
}

std::unique_ptr<TzrCanvas> CreateOnBitmap(TzrBitmap* ABitmap) {
  return std::make_unique<TzrCanvasGdiPlus>(ABitmap);
}

const TzrCanvasClassRec kClass = {"TzrCanvasGdiPlus", &CreateBuffered, &CreateOnBitmap,
                                  &TzrCanvasGdiPlus::GetBitmapScanline};

// Left and top truncated, right and bottom one pixel further.
struct TPixelRect {
  int X0, Y0, X1, Y1;
};

}  // namespace

TzrCanvasClass TzrCanvasGdiPlus::ClassRef() { return &kClass; }

// ---------------------------------------------------------------- life

TzrCanvasGdiPlus::TzrCanvasGdiPlus(int AWidth, int AHeight) {
  FBuffered = true;
  ResizeBuffer(AWidth, AHeight);
  MakeGdiObjects();
  FFontScale = 1.0f;
}

TzrCanvasGdiPlus::TzrCanvasGdiPlus(TzrBitmap* ABitmap) : TzrCanvas(ABitmap) {
  FBitmap = ABitmap;
  UpdateBitmapHandle(ABitmap);
  if (Bitmap* image = BitmapHandle(ABitmap)) {
    FGraphics = std::make_unique<Graphics>(image);
    if (!FGraphics->Context()) FGraphics.reset();
  }
  if (FGraphics) ApplyGraphicsSettings(false);
  MakeGdiObjects();
  if (FGraphics) FFontScale = 96.0f / FGraphics->GetDpiX();
}

TzrCanvasGdiPlus::~TzrCanvasGdiPlus() {
  FFontCollection.reset();
  FGraphics.reset();
  FGPFamily.reset();
  FGPBrush.reset();
  FGPPenBrush.reset();
  FGPPen.reset();
  FreeBuffer();
}

void TzrCanvasGdiPlus::MakeGdiObjects() {
  FGPPen = std::make_unique<Pen>(Color(0xFF000000), 1.0f);
  FGPPenBrush = std::make_unique<SolidBrush>(Color(0xFF000000));
  FGPBrush = std::make_unique<SolidBrush>(Color(0xFFFFFFFF));
  FGPFamily = std::make_unique<FontFamily>(std::string("Tahoma"));
}

void TzrCanvasGdiPlus::ApplyGraphicsSettings(bool Buffered) {
  FGraphics->SetSmoothingMode(SmoothingModeHighQuality);
  if (Buffered) FGraphics->SetInterpolationMode(InterpolationModeHighQuality);
  FGraphics->SetPixelOffsetMode(PixelOffsetModeHalf);
  if (Buffered) FGraphics->SetCompositingMode(CompositingModeSourceOver);
  FGraphics->SetTextContrast(2);
  // the graphics shows the canvas's matrix from the start
  SetMatrix(FMatrix);
}

bool TzrCanvasGdiPlus::CanDraw() const {
  if (!FGraphics) return false;
  Matrix world;
  FGraphics->GetTransform(&world);
  return world.IsInvertible();
}

// ---------------------------------------------------------------- buffer

void TzrCanvasGdiPlus::FreeBuffer() {
  FGraphics.reset();
  if (!FBuffered) return;
  if (FMemoryDC) cairo_destroy(FMemoryDC);
  if (FBufferHandle) cairo_surface_destroy(FBufferHandle);
  FMemoryDC = nullptr;
  FBufferHandle = nullptr;
  FBufferBits = nullptr;
  FHandle = 0;
}

void TzrCanvasGdiPlus::ResizeBuffer(int AWidth, int AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  const int w = std::max(AWidth, 1), h = std::max(AHeight, 1);
  if (!FBuffered) {
    FreeBuffer();
    FWidth = w;
    FHeight = h;
    FResized = true;
    // an unbuffered canvas draws on the image surface of the context it was given
    auto* dc = reinterpret_cast<cairo_t*>(FHandle);
    if (!dc) return;
    FGraphics = std::make_unique<Graphics>(cairo_get_target(dc));
    if (!FGraphics->Context()) return FGraphics.reset();
    ApplyGraphicsSettings(true);
    FFontScale = 96.0f / FGraphics->GetDpiX();
    return;
  }
  // the new buffer is made before the old one goes, so a failure keeps the old
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
      cairo_image_surface_get_stride(surface) != 4 * w) {
    cairo_surface_destroy(surface);
    throw Exception("Can't allocate the DIB handle");
  }
  cairo_t* dc = cairo_create(surface);
  auto graphics = std::make_unique<Graphics>(surface);
  if (cairo_status(dc) != CAIRO_STATUS_SUCCESS || !graphics->Context()) {
    graphics.reset();
    cairo_destroy(dc);
    cairo_surface_destroy(surface);
    throw Exception("Can't create compatible DC");
  }
  FreeBuffer();
  FWidth = w;
  FHeight = h;
  FResized = true;
  FBufferHandle = surface;
  FMemoryDC = dc;
  FHandle = reinterpret_cast<TzrHandle>(dc);
  FBufferBits = reinterpret_cast<TzrColor*>(cairo_image_surface_get_data(surface));
  FGraphics = std::move(graphics);
  ApplyGraphicsSettings(true);
  FFontScale = 96.0f / FGraphics->GetDpiX();
}

void TzrCanvasGdiPlus::FlushBuffer(int X, int Y, TzrHandle DC) {
  if (!FBufferHandle || !DC) return;
  FlushBufferRect(X, Y, DC, zrRect(0, 0, float(FWidth - 1), float(FHeight - 1)));
}

void TzrCanvasGdiPlus::FlushBufferRect(int X, int Y, TzrHandle DC, const TzrRect& ARect) {
  if (!FBufferHandle || !DC) return;
  auto* dc = reinterpret_cast<cairo_t*>(DC);
  const int x0 = int(std::trunc(ARect.Left)), y0 = int(std::trunc(ARect.Top));
  const int x1 = int(std::trunc(ARect.Right)) + 1, y1 = int(std::trunc(ARect.Bottom)) + 1;
  if (x1 <= x0 || y1 <= y0) return;
  cairo_surface_mark_dirty(FBufferHandle);  // pixels may have been written directly
  cairo_save(dc);
  cairo_set_operator(dc, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(dc, FBufferHandle, X, Y);
  cairo_rectangle(dc, X + x0, Y + y0, x1 - x0, y1 - y0);
  cairo_fill(dc);
  cairo_restore(dc);
}

void TzrCanvasGdiPlus::Clear(TzrColor Color) {
  if (!FGraphics) return;
  FGraphics->Clear(Gdiplus::Color(Color));
}

void TzrCanvasGdiPlus::ClearRect(const TzrRect& ARect, TzrColor AColor) {
  TzrColor* bits = FBufferBits;
  int width = FWidth, height = FHeight;
  cairo_surface_t* surface = FBufferHandle;
  if (!FBuffered) {
    // a bitmap canvas writes into the bitmap's own pixels
    if (!FBitmap || !FBitmap->GetStartLine()) return;
    bits = FBitmap->GetStartLine();
    width = FBitmap->GetWidth();
    height = FBitmap->GetHeight();
    Bitmap* image = BitmapHandle(FBitmap);
    surface = image ? image->Surface() : nullptr;
  }
  if (!bits) return;
  int x0 = std::max(0, int(std::trunc(ARect.Left)));
  int y0 = std::max(0, int(std::trunc(ARect.Top)));
  int x1 = std::min(width, int(std::nearbyint(ARect.Right)));
  int y1 = std::min(height, int(std::nearbyint(ARect.Bottom)));
  y1 = std::max(y1, y0);
  x1 = std::max(x1, x0);
  if (x1 < 0 || x0 > width || y0 > height) return;
  if (surface) cairo_surface_flush(surface);
  zrFillLongwordRect(bits, width, height, x0, y0, x1, y1, AColor);
  if (surface) cairo_surface_mark_dirty(surface);
}

PzrColorArray TzrCanvasGdiPlus::GetBitmapScanline(TzrBitmap* Bitmap, int Y) {
  if (!Bitmap || !Bitmap->GetStartLine() || Y < 0 || Y >= Bitmap->GetHeight()) return nullptr;
  return Bitmap->GetStartLine() + size_t(Y) * size_t(Bitmap->GetWidth());
}

// ---------------------------------------------------------------- matrix and state

namespace {

Matrix ToGdiMatrix(const TzrMatrix& M) {
  Matrix m(M.m11, M.m12, M.m21, M.m22, M.m31, M.m32);
  if (M.m13 != 0 || M.m23 != 0) m.Shear(M.m13, M.m23, MatrixOrderPrepend);
  return m;
}

}  // namespace

void TzrCanvasGdiPlus::SetMatrix(const TzrMatrix& M) {
  FMatrix = M;
  if (!FGraphics) return;
  Matrix m = ToGdiMatrix(M);
  FGraphics->SetTransform(&m);
}

void TzrCanvasGdiPlus::MultyMatrix(const TzrMatrix& M) {
  if (!FGraphics) return;
  Matrix m = ToGdiMatrix(M);
  FGraphics->MultiplyTransform(&m, MatrixOrderPrepend);
}

uint32_t TzrCanvasGdiPlus::SaveCanvas() {
  if (!FGraphics) return zrNoState;
  auto free = std::find_if(FSaveData.begin(), FSaveData.end(),
                           [](const TzrSaveData& d) { return d.Index == zrNoState; });
  if (free == FSaveData.end()) free = FSaveData.emplace(FSaveData.end());
  TzrSaveData& d = *free;
  d.Index = FGraphics->Save();
  StoreDrawingState(d);
  return uint32_t(free - FSaveData.begin());
}

void TzrCanvasGdiPlus::RestoreCanvas(uint32_t AState) {
  if (!FGraphics || AState >= FSaveData.size()) return;
  TzrSaveData& d = FSaveData[AState];
  if (d.Index == zrNoState) return;  // restored before: its copies are gone
  FGraphics->Restore(d.Index);
  d.Index = zrNoState;
  TakeBackDrawingState(d);
}

// ---------------------------------------------------------------- clip

namespace {

RectF ToRectF(const TzrRect& R) { return RectF(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

}  // namespace

void TzrCanvasGdiPlus::SetClipRects(const std::vector<TzrRect>& ARects) {
  if (!FGraphics) return;
  Region region;
  region.MakeEmpty();
  for (const TzrRect& r : ARects) region.Union(ToRectF(r));
  FGraphics->SetClip(&region, CombineModeReplace);
}

void TzrCanvasGdiPlus::IntersectClipRect(const TzrRect& ARect) {
  if (FGraphics) FGraphics->SetClip(ToRectF(ARect), CombineModeIntersect);
}

void TzrCanvasGdiPlus::ExcludeClipRect(const TzrRect& ARect) {
  if (FGraphics) FGraphics->SetClip(ToRectF(ARect), CombineModeExclude);
}

void TzrCanvasGdiPlus::ResetClipRect() {
  if (FGraphics) FGraphics->ResetClip();
}
