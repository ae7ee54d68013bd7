#include "platform/d2d/D2D1RenderTarget.h"

#include <pango/pangocairo.h>

#include <map>

#include "platform/d2d/D2D1Module.h"
#include "platform/d2d/DWrite.h"
#include "platform/d2d/WIC.h"
#include "platform/gdiplus/GdiPlusTextLayout.h"

ID2D1RenderTarget::~ID2D1RenderTarget() { Bind(nullptr); }

void ID2D1RenderTarget::Bind(cairo_surface_t* surface) {
  if (FCr) cairo_destroy(FCr);
  FCr = nullptr;
  FPushed.clear();
  FSurface = surface;
  if (surface) FCr = cairo_create(surface);
}

D2D1_SIZE_U ID2D1RenderTarget::GetPixelSize() const {
  if (!FSurface) return {};
  return {UINT32(cairo_image_surface_get_width(FSurface)),
          UINT32(cairo_image_surface_get_height(FSurface))};
}

void ID2D1RenderTarget::SetDpi(FLOAT dpiX, FLOAT dpiY) {
  FDpiX = dpiX > 0 ? dpiX : 96;
  FDpiY = dpiY > 0 ? dpiY : 96;
}

void ID2D1RenderTarget::GetDpi(FLOAT* dpiX, FLOAT* dpiY) const {
  if (dpiX) *dpiX = FDpiX;
  if (dpiY) *dpiY = FDpiY;
}

// ---------------------------------------------------------------- drawing

void ID2D1RenderTarget::BeginDraw() {
  FDrawing = FCr != nullptr;
  FBadPairing = false;
  if (FSurface) cairo_surface_flush(FSurface);
}

HRESULT ID2D1RenderTarget::EndDraw() {
  if (!FDrawing) return D2DERR_WRONG_STATE;
  FDrawing = false;
  const bool unpaired = FBadPairing || !FPushed.empty();
  while (!FPushed.empty()) PopPushed(FPushed.back());
  if (FSurface) cairo_surface_flush(FSurface);
  if (D2D1TakeDeviceLoss()) return D2DERR_RECREATE_TARGET;
  return unpaired ? D2DERR_WRONG_STATE : S_OK;
}

bool ID2D1RenderTarget::Enter() {
  if (!FDrawing) return false;
  cairo_save(FCr);
  if (!SetUserSpace()) {
    cairo_restore(FCr);
    return false;
  }
  cairo_set_antialias(FCr, FAntialias == D2D1_ANTIALIAS_MODE_ALIASED ? CAIRO_ANTIALIAS_NONE
                                                                     : CAIRO_ANTIALIAS_DEFAULT);
  cairo_new_path(FCr);
  return true;
}

void ID2D1RenderTarget::Leave() { cairo_restore(FCr); }

void ID2D1RenderTarget::Clear(const D2D1_COLOR_F* clearColor) {
  if (!FDrawing) return;
  cairo_save(FCr);
  cairo_set_operator(FCr, CAIRO_OPERATOR_SOURCE);
  if (clearColor)
    cairo_set_source_rgba(FCr, clearColor->r, clearColor->g, clearColor->b, clearColor->a);
  else
    cairo_set_source_rgba(FCr, 0, 0, 0, 0);
  cairo_paint(FCr);
  cairo_restore(FCr);
}

void ID2D1RenderTarget::FillCurrentPath(ID2D1Brush* brush) {
  if (!brush) return cairo_new_path(FCr);
  const FLOAT alpha = brush->SetSource(FCr);
  if (alpha >= 1) return cairo_fill(FCr);
  cairo_clip(FCr);
  cairo_paint_with_alpha(FCr, alpha);
}

void ID2D1RenderTarget::StrokeCurrentPath(ID2D1Brush* brush, FLOAT strokeWidth,
                                          const ID2D1StrokeStyle* style) {
  if (!brush || !(strokeWidth > 0)) return cairo_new_path(FCr);
  cairo_set_line_width(FCr, strokeWidth);
  if (style) {
    style->Apply(FCr, strokeWidth);
  } else {
    cairo_set_line_cap(FCr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(FCr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(FCr, 10);
  }
  const FLOAT alpha = brush->SetSource(FCr);
  if (alpha >= 1) return cairo_stroke(FCr);
  cairo_path_t* path = cairo_copy_path(FCr);
  cairo_new_path(FCr);
  cairo_push_group(FCr);
  cairo_append_path(FCr, path);
  brush->SetSource(FCr);
  cairo_stroke(FCr);
  cairo_pop_group_to_source(FCr);
  cairo_paint_with_alpha(FCr, alpha);
  cairo_path_destroy(path);
}

void ID2D1RenderTarget::DrawLine(D2D1_POINT_2F p0, D2D1_POINT_2F p1, ID2D1Brush* brush,
                                 FLOAT strokeWidth, const ID2D1StrokeStyle* strokeStyle) {
  if (!Enter()) return;
  cairo_move_to(FCr, p0.x, p0.y);
  cairo_line_to(FCr, p1.x, p1.y);
  StrokeCurrentPath(brush, strokeWidth, strokeStyle);
  Leave();
}

void ID2D1RenderTarget::DrawRectangle(const D2D1_RECT_F& r, ID2D1Brush* brush, FLOAT strokeWidth,
                                      const ID2D1StrokeStyle* strokeStyle) {
  const ID2D1RectangleGeometry g(r);
  DrawGeometry(&g, brush, strokeWidth, strokeStyle);
}

void ID2D1RenderTarget::FillRectangle(const D2D1_RECT_F& r, ID2D1Brush* brush) {
  if (!Enter()) return;
  cairo_rectangle(FCr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  FillCurrentPath(brush);
  Leave();
}

namespace {

void EllipsePath(cairo_t* cr, const D2D1_ELLIPSE& e) {
  if (e.radiusX <= 0 || e.radiusY <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, e.point.x, e.point.y);
  cairo_scale(cr, e.radiusX, e.radiusY);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * G_PI);
  cairo_close_path(cr);
  cairo_restore(cr);  // the path stays; the line width is taken unscaled
}

}  // namespace

void ID2D1RenderTarget::DrawEllipse(const D2D1_ELLIPSE& e, ID2D1Brush* brush, FLOAT strokeWidth,
                                    const ID2D1StrokeStyle* strokeStyle) {
  if (!Enter()) return;
  EllipsePath(FCr, e);
  StrokeCurrentPath(brush, strokeWidth, strokeStyle);
  Leave();
}

void ID2D1RenderTarget::FillEllipse(const D2D1_ELLIPSE& e, ID2D1Brush* brush) {
  if (!Enter()) return;
  EllipsePath(FCr, e);
  FillCurrentPath(brush);
  Leave();
}

void ID2D1RenderTarget::DrawGeometry(const ID2D1Geometry* geometry, ID2D1Brush* brush,
                                     FLOAT strokeWidth, const ID2D1StrokeStyle* strokeStyle) {
  if (!geometry || !Enter()) return;
  geometry->AppendTo(FCr);
  StrokeCurrentPath(brush, strokeWidth, strokeStyle);
  Leave();
}

void ID2D1RenderTarget::FillGeometry(const ID2D1Geometry* geometry, ID2D1Brush* brush,
                                     ID2D1Brush*) {
  if (!geometry || !Enter()) return;
  cairo_set_fill_rule(FCr, geometry->GetFillMode() == D2D1_FILL_MODE_WINDING
                               ? CAIRO_FILL_RULE_WINDING
                               : CAIRO_FILL_RULE_EVEN_ODD);
  geometry->AppendTo(FCr);
  FillCurrentPath(brush);
  Leave();
}

void ID2D1RenderTarget::DrawBitmap(const ID2D1Bitmap* bitmap, const D2D1_RECT_F* destinationRect,
                                   FLOAT opacity, D2D1_BITMAP_INTERPOLATION_MODE mode,
                                   const D2D1_RECT_F* sourceRect) {
  if (!bitmap || !Enter()) return;
  const D2D1_SIZE_F size = bitmap->GetSize();
  const D2D1_RECT_F src = sourceRect ? *sourceRect : D2D1_RECT_F{0, 0, size.width, size.height};
  const D2D1_RECT_F dst =
      destinationRect ? *destinationRect : D2D1_RECT_F{0, 0, size.width, size.height};
  const double sw = src.right - src.left, sh = src.bottom - src.top;
  if (sw > 0 && sh > 0 && dst.right > dst.left && dst.bottom > dst.top) {
    cairo_rectangle(FCr, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top);
    cairo_clip(FCr);
    cairo_translate(FCr, dst.left, dst.top);
    cairo_scale(FCr, (dst.right - dst.left) / sw, (dst.bottom - dst.top) / sh);
    cairo_translate(FCr, -src.left, -src.top);
    // the source rectangle alone is sampled, its edge pixels held beyond it
    cairo_surface_t* part =
        cairo_surface_create_for_rectangle(bitmap->Surface(), src.left, src.top, sw, sh);
    cairo_set_source_surface(FCr, part, src.left, src.top);
    cairo_pattern_set_extend(cairo_get_source(FCr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(FCr), mode == D2D1_BITMAP_INTERPOLATION_MODE_LINEAR
                                                        ? CAIRO_FILTER_BILINEAR
                                                        : CAIRO_FILTER_NEAREST);
    cairo_paint_with_alpha(FCr, opacity);
    cairo_surface_destroy(part);
  }
  Leave();
}

void ID2D1RenderTarget::DrawTextLayout(D2D1_POINT_2F origin, const IDWriteTextLayout* layout,
                                       ID2D1Brush* brush, D2D1_DRAW_TEXT_OPTIONS options) {
  if (!layout || !brush || !Enter()) return;
  if (options & D2D1_DRAW_TEXT_OPTIONS_CLIP) {
    cairo_rectangle(FCr, origin.x, origin.y, layout->GetMaxWidth(), layout->GetMaxHeight());
    cairo_clip(FCr);
  }
  std::unique_ptr<Gdiplus::TextLayout> text = layout->Lay(FCr, origin.x, origin.y);
  cairo_move_to(FCr, text->OriginX(), text->OriginY());
  pango_cairo_layout_path(FCr, text->Layout());
  cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
  FillCurrentPath(brush);
  text.reset();
  Leave();
}

// ---------------------------------------------------------------- clips

std::shared_ptr<ID2D1Layer> ID2D1RenderTarget::CreateLayer(const D2D1_SIZE_F*) {
  return std::make_shared<ID2D1Layer>();
}

bool ID2D1RenderTarget::SetUserSpace() {
  cairo_matrix_t m, world;
  cairo_matrix_init_scale(&m, FDpiX / 96.0, FDpiY / 96.0);
  D2D1ToCairoMatrix(FTransform, &world);
  cairo_matrix_multiply(&m, &world, &m);
  // a transform without an inverse would put the context in an error state
  // for good: such a transform shows nothing
  cairo_matrix_t inverse = m;
  if (cairo_matrix_invert(&inverse) != CAIRO_STATUS_SUCCESS) return false;
  cairo_set_matrix(FCr, &m);
  return true;
}

// Cairo keeps a clip in device space, so it is set in the target's user
// space and stays when the matrix returns to the identity.
void ID2D1RenderTarget::PushLayer(const D2D1_LAYER_PARAMETERS& params, ID2D1Layer*) {
  if (!FDrawing) return;
  cairo_save(FCr);
  FPushed.push_back(true);
  if (!SetUserSpace()) return ClipAll();
  cairo_new_path(FCr);
  cairo_set_antialias(FCr, params.maskAntialiasMode == D2D1_ANTIALIAS_MODE_ALIASED
                               ? CAIRO_ANTIALIAS_NONE
                               : CAIRO_ANTIALIAS_DEFAULT);
  const D2D1_RECT_F& b = params.contentBounds;
  cairo_rectangle(FCr, b.left, b.top, b.right - b.left, b.bottom - b.top);
  cairo_clip(FCr);
  if (const ID2D1Geometry* mask = params.geometricMask) {
    cairo_matrix_t m;
    D2D1ToCairoMatrix(params.maskTransform, &m);
    cairo_transform(FCr, &m);
    cairo_set_fill_rule(FCr, mask->GetFillMode() == D2D1_FILL_MODE_WINDING
                                 ? CAIRO_FILL_RULE_WINDING
                                 : CAIRO_FILL_RULE_EVEN_ODD);
    mask->AppendTo(FCr);
    cairo_clip(FCr);
  }
  cairo_identity_matrix(FCr);
}

void ID2D1RenderTarget::PushAxisAlignedClip(const D2D1_RECT_F& r, D2D1_ANTIALIAS_MODE mode) {
  if (!FDrawing) return;
  cairo_save(FCr);
  FPushed.push_back(false);
  if (!SetUserSpace()) return ClipAll();
  cairo_new_path(FCr);
  cairo_set_antialias(
      FCr, mode == D2D1_ANTIALIAS_MODE_ALIASED ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
  cairo_rectangle(FCr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_clip(FCr);
  cairo_identity_matrix(FCr);
}

// A clip under a transform without an inverse covers no area.
void ID2D1RenderTarget::ClipAll() {
  cairo_identity_matrix(FCr);
  cairo_new_path(FCr);
  cairo_rectangle(FCr, 0, 0, 0, 0);
  cairo_clip(FCr);
}

void ID2D1RenderTarget::PopPushed(bool layer) {
  (void)layer;
  cairo_restore(FCr);
  FPushed.pop_back();
}

void ID2D1RenderTarget::PopLayer() {
  if (!FDrawing) return;
  if (FPushed.empty() || !FPushed.back()) {
    FBadPairing = true;
    return;
  }
  PopPushed(true);
}

void ID2D1RenderTarget::PopAxisAlignedClip() {
  if (!FDrawing) return;
  if (FPushed.empty() || FPushed.back()) {
    FBadPairing = true;
    return;
  }
  PopPushed(false);
}

// ---------------------------------------------------------------- states and resources

void ID2D1RenderTarget::SaveDrawingState(ID2D1DrawingStateBlock* block) const {
  if (!block) return;
  block->Transform = FTransform;
  block->AntialiasMode = FAntialias;
  block->TextAntialiasMode = FTextAntialias;
}

void ID2D1RenderTarget::RestoreDrawingState(const ID2D1DrawingStateBlock* block) {
  if (!block) return;
  FTransform = block->Transform;
  FAntialias = block->AntialiasMode;
  FTextAntialias = block->TextAntialiasMode;
}

std::shared_ptr<ID2D1SolidColorBrush> ID2D1RenderTarget::CreateSolidColorBrush(
    const D2D1_COLOR_F& color, const D2D1_BRUSH_PROPERTIES* props) {
  auto brush = std::make_shared<ID2D1SolidColorBrush>(color);
  if (props) {
    brush->SetOpacity(props->opacity);
    brush->SetTransform(props->transform);
  }
  return brush;
}

std::shared_ptr<ID2D1GradientStopCollection> ID2D1RenderTarget::CreateGradientStopCollection(
    const D2D1_GRADIENT_STOP* stops, UINT32 count, D2D1_GAMMA gamma, D2D1_EXTEND_MODE extendMode) {
  if (!stops || count == 0) return nullptr;
  return std::make_shared<ID2D1GradientStopCollection>(stops, count, gamma, extendMode);
}

std::shared_ptr<ID2D1LinearGradientBrush> ID2D1RenderTarget::CreateLinearGradientBrush(
    const D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES& props, const D2D1_BRUSH_PROPERTIES* brushProps,
    std::shared_ptr<ID2D1GradientStopCollection> stops) {
  if (!stops) return nullptr;
  auto brush = std::make_shared<ID2D1LinearGradientBrush>(props, std::move(stops));
  if (brushProps) {
    brush->SetOpacity(brushProps->opacity);
    brush->SetTransform(brushProps->transform);
  }
  return brush;
}

std::shared_ptr<ID2D1RadialGradientBrush> ID2D1RenderTarget::CreateRadialGradientBrush(
    const D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES& props, const D2D1_BRUSH_PROPERTIES* brushProps,
    std::shared_ptr<ID2D1GradientStopCollection> stops) {
  if (!stops) return nullptr;
  auto brush = std::make_shared<ID2D1RadialGradientBrush>(props, std::move(stops));
  if (brushProps) {
    brush->SetOpacity(brushProps->opacity);
    brush->SetTransform(brushProps->transform);
  }
  return brush;
}

std::shared_ptr<ID2D1Bitmap> ID2D1RenderTarget::CreateBitmap(D2D1_SIZE_U size, const void* srcData,
                                                             UINT32 pitch,
                                                             const D2D1_BITMAP_PROPERTIES&) {
  if (size.width == 0 || size.height == 0 || size.width > 32767 || size.height > 32767)
    return nullptr;
  if (srcData && pitch < size.width * 4) return nullptr;
  return std::make_shared<ID2D1Bitmap>(size, srcData, pitch);
}

std::shared_ptr<ID2D1BitmapBrush> ID2D1RenderTarget::CreateBitmapBrush(
    std::shared_ptr<ID2D1Bitmap> bitmap, const D2D1_BITMAP_BRUSH_PROPERTIES& props,
    const D2D1_BRUSH_PROPERTIES* brushProps) {
  auto brush = std::make_shared<ID2D1BitmapBrush>(std::move(bitmap), props);
  if (brushProps) {
    brush->SetOpacity(brushProps->opacity);
    brush->SetTransform(brushProps->transform);
  }
  return brush;
}

// ---------------------------------------------------------------- kinds of target

ID2D1WicBitmapRenderTarget::ID2D1WicBitmapRenderTarget(std::shared_ptr<IWICBitmap> bitmap)
    : FBitmap(std::move(bitmap)) {
  if (FBitmap) Bind(FBitmap->Surface());
}

HRESULT ID2D1DCRenderTarget::BindDC(uintptr_t hDC, const D2D1_RECT_U& subRect) {
  auto* dc = reinterpret_cast<cairo_t*>(hDC);
  if (!dc) return E_INVALIDARG;
  cairo_surface_t* target = cairo_get_target(dc);
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return E_INVALIDARG;
  // the device context's pixels, limited to the rectangle
  cairo_surface_t* part = cairo_surface_create_for_rectangle(target, subRect.left, subRect.top,
                                                             double(subRect.right) - subRect.left,
                                                             double(subRect.bottom) - subRect.top);
  Bind(part);
  FPart.reset(part, cairo_surface_destroy);
  return S_OK;
}

namespace {

std::map<uintptr_t, ID2D1WindowPresenter*>& Presenters() {
  static std::map<uintptr_t, ID2D1WindowPresenter*> presenters;
  return presenters;
}

}  // namespace

void D2D1SetWindowPresenter(uintptr_t hwnd, ID2D1WindowPresenter* presenter) {
  if (presenter)
    Presenters()[hwnd] = presenter;
  else
    Presenters().erase(hwnd);
}

ID2D1WindowPresenter* D2D1WindowPresenter(uintptr_t hwnd) {
  auto it = Presenters().find(hwnd);
  return it == Presenters().end() ? nullptr : it->second;
}

ID2D1HwndRenderTarget::ID2D1HwndRenderTarget(uintptr_t hwnd, D2D1_SIZE_U pixelSize) : FHwnd(hwnd) {
  Resize(pixelSize);
}

ID2D1HwndRenderTarget::~ID2D1HwndRenderTarget() {
  Bind(nullptr);
  if (FBuffer) cairo_surface_destroy(FBuffer);
}

HRESULT ID2D1HwndRenderTarget::Resize(const D2D1_SIZE_U& pixelSize) {
  const int w = int(std::max<UINT32>(pixelSize.width, 1)),
            h = int(std::max<UINT32>(pixelSize.height, 1));
  cairo_surface_t* buffer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (cairo_surface_status(buffer) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(buffer);
    return E_OUTOFMEMORY;
  }
  const bool drawing = IsDrawing();
  Bind(buffer);
  if (FBuffer) cairo_surface_destroy(FBuffer);
  FBuffer = buffer;
  if (drawing) BeginDraw();
  return S_OK;
}

D2D1_WINDOW_STATE ID2D1HwndRenderTarget::CheckWindowState() const {
  ID2D1WindowPresenter* presenter = D2D1WindowPresenter(FHwnd);
  return !presenter || presenter->IsOccluded() ? D2D1_WINDOW_STATE_OCCLUDED
                                               : D2D1_WINDOW_STATE_NONE;
}

HRESULT ID2D1HwndRenderTarget::EndDraw() {
  const bool drawing = IsDrawing();
  const HRESULT hr = ID2D1RenderTarget::EndDraw();
  if (!drawing || hr == D2DERR_RECREATE_TARGET) return hr;
  if (ID2D1WindowPresenter* presenter = D2D1WindowPresenter(FHwnd)) presenter->Present(FBuffer);
  return hr;
}
