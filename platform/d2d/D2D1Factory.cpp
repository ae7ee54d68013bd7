#include "platform/d2d/D2D1Factory.h"

#include "platform/d2d/WIC.h"

namespace {

template <class T>
std::shared_ptr<T> WithDpi(std::shared_ptr<T> target, const D2D1_RENDER_TARGET_PROPERTIES& props) {
  target->SetDpi(props.dpiX, props.dpiY);
  return target;
}

bool Supported(const D2D1_RENDER_TARGET_PROPERTIES& props) {
  return props.pixelFormat.format == DXGI_FORMAT_B8G8R8A8_UNORM &&
         props.pixelFormat.alphaMode == D2D1_ALPHA_MODE_PREMULTIPLIED;
}

}  // namespace

std::shared_ptr<ID2D1RectangleGeometry> ID2D1Factory::CreateRectangleGeometry(
    const D2D1_RECT_F& rect) {
  return std::make_shared<ID2D1RectangleGeometry>(rect);
}

std::shared_ptr<ID2D1PathGeometry> ID2D1Factory::CreatePathGeometry() {
  return std::make_shared<ID2D1PathGeometry>();
}

std::shared_ptr<ID2D1GeometryGroup> ID2D1Factory::CreateGeometryGroup(
    D2D1_FILL_MODE fillMode, ID2D1Geometry* const* geometries, UINT32 count) {
  return std::make_shared<ID2D1GeometryGroup>(fillMode, geometries, count);
}

std::shared_ptr<ID2D1StrokeStyle> ID2D1Factory::CreateStrokeStyle(
    const D2D1_STROKE_STYLE_PROPERTIES& props, const FLOAT* dashes, UINT32 dashesCount) {
  if (props.dashStyle == D2D1_DASH_STYLE_CUSTOM && (!dashes || dashesCount == 0)) return nullptr;
  for (UINT32 i = 0; dashes && i < dashesCount; ++i)
    if (!(dashes[i] >= 0)) return nullptr;
  return std::make_shared<ID2D1StrokeStyle>(props, dashes, dashesCount);
}

std::shared_ptr<ID2D1DrawingStateBlock> ID2D1Factory::CreateDrawingStateBlock() {
  return std::make_shared<ID2D1DrawingStateBlock>();
}

std::shared_ptr<ID2D1WicBitmapRenderTarget> ID2D1Factory::CreateWicBitmapRenderTarget(
    std::shared_ptr<IWICBitmap> target, const D2D1_RENDER_TARGET_PROPERTIES& props) {
  if (!target || !Supported(props)) return nullptr;
  return WithDpi(std::make_shared<ID2D1WicBitmapRenderTarget>(std::move(target)), props);
}

std::shared_ptr<ID2D1DCRenderTarget> ID2D1Factory::CreateDCRenderTarget(
    const D2D1_RENDER_TARGET_PROPERTIES& props) {
  if (!Supported(props)) return nullptr;
  return WithDpi(std::make_shared<ID2D1DCRenderTarget>(), props);
}

std::shared_ptr<ID2D1HwndRenderTarget> ID2D1Factory::CreateHwndRenderTarget(
    const D2D1_RENDER_TARGET_PROPERTIES& props, const D2D1_HWND_RENDER_TARGET_PROPERTIES& hwnd) {
  if (!hwnd.hwnd || !Supported(props)) return nullptr;
  return WithDpi(std::make_shared<ID2D1HwndRenderTarget>(hwnd.hwnd, hwnd.pixelSize), props);
}
