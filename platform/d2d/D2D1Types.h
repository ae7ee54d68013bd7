#pragma once
// Values, enumerations and result codes of the Direct2D-, DirectWrite- and
// imaging-shaped layer (see D2D1Factory.h). Numbers keep the values the
// calling code passes.

#include <cstdint>

using HRESULT = int32_t;
using BOOL = int32_t;
using UINT32 = uint32_t;
using FLOAT = float;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = HRESULT(0x80004005);
inline constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057);
inline constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000E);
// The device behind the target is gone: make the target and its resources anew.
inline constexpr HRESULT D2DERR_RECREATE_TARGET = HRESULT(0x8899000C);
// A call that needs BeginDraw came outside it, or pushes and pops do not pair.
inline constexpr HRESULT D2DERR_WRONG_STATE = HRESULT(0x88990001);

inline bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline bool FAILED(HRESULT hr) { return hr < 0; }

struct D2D1_POINT_2F {
  FLOAT x = 0, y = 0;
};
struct D2D1_SIZE_F {
  FLOAT width = 0, height = 0;
};
struct D2D1_SIZE_U {
  UINT32 width = 0, height = 0;
};
struct D2D1_RECT_F {
  FLOAT left = 0, top = 0, right = 0, bottom = 0;
};
struct D2D1_RECT_U {
  UINT32 left = 0, top = 0, right = 0, bottom = 0;
};
struct D2D1_COLOR_F {
  FLOAT r = 0, g = 0, b = 0, a = 0;
};
struct D2D1_ELLIPSE {
  D2D1_POINT_2F point;
  FLOAT radiusX = 0, radiusY = 0;
};
struct D2D1_BEZIER_SEGMENT {
  D2D1_POINT_2F point1, point2, point3;
};
// Row vectors: x' = x * _11 + y * _21 + _31, y' = x * _12 + y * _22 + _32.
struct D2D1_MATRIX_3X2_F {
  FLOAT _11 = 1, _12 = 0, _21 = 0, _22 = 1, _31 = 0, _32 = 0;
};
inline D2D1_MATRIX_3X2_F D2D1IdentityMatrix() { return {}; }

enum D2D1_FACTORY_TYPE {
  D2D1_FACTORY_TYPE_SINGLE_THREADED = 0,
  D2D1_FACTORY_TYPE_MULTI_THREADED = 1
};
enum D2D1_FILL_MODE { D2D1_FILL_MODE_ALTERNATE = 0, D2D1_FILL_MODE_WINDING = 1 };
enum D2D1_FIGURE_BEGIN { D2D1_FIGURE_BEGIN_FILLED = 0, D2D1_FIGURE_BEGIN_HOLLOW = 1 };
enum D2D1_FIGURE_END { D2D1_FIGURE_END_OPEN = 0, D2D1_FIGURE_END_CLOSED = 1 };
enum D2D1_PATH_SEGMENT { D2D1_PATH_SEGMENT_NONE = 0 };
enum D2D1_GEOMETRY_SIMPLIFICATION_OPTION {
  D2D1_GEOMETRY_SIMPLIFICATION_OPTION_CUBICS_AND_LINES = 0,
  D2D1_GEOMETRY_SIMPLIFICATION_OPTION_LINES = 1
};
enum D2D1_CAP_STYLE {
  D2D1_CAP_STYLE_FLAT = 0,
  D2D1_CAP_STYLE_SQUARE = 1,
  D2D1_CAP_STYLE_ROUND = 2,
  D2D1_CAP_STYLE_TRIANGLE = 3
};
enum D2D1_LINE_JOIN {
  D2D1_LINE_JOIN_MITER = 0,
  D2D1_LINE_JOIN_BEVEL = 1,
  D2D1_LINE_JOIN_ROUND = 2,
  D2D1_LINE_JOIN_MITER_OR_BEVEL = 3
};
enum D2D1_DASH_STYLE {
  D2D1_DASH_STYLE_SOLID = 0,
  D2D1_DASH_STYLE_DASH = 1,
  D2D1_DASH_STYLE_DOT = 2,
  D2D1_DASH_STYLE_DASH_DOT = 3,
  D2D1_DASH_STYLE_DASH_DOT_DOT = 4,
  D2D1_DASH_STYLE_CUSTOM = 5
};
enum D2D1_ANTIALIAS_MODE { D2D1_ANTIALIAS_MODE_PER_PRIMITIVE = 0, D2D1_ANTIALIAS_MODE_ALIASED = 1 };
enum D2D1_TEXT_ANTIALIAS_MODE { D2D1_TEXT_ANTIALIAS_MODE_DEFAULT = 0 };
enum D2D1_GAMMA { D2D1_GAMMA_2_2 = 0, D2D1_GAMMA_1_0 = 1 };
enum D2D1_EXTEND_MODE {
  D2D1_EXTEND_MODE_CLAMP = 0,
  D2D1_EXTEND_MODE_WRAP = 1,
  D2D1_EXTEND_MODE_MIRROR = 2
};
enum D2D1_BITMAP_INTERPOLATION_MODE {
  D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR = 0,
  D2D1_BITMAP_INTERPOLATION_MODE_LINEAR = 1
};
enum D2D1_DRAW_TEXT_OPTIONS { D2D1_DRAW_TEXT_OPTIONS_NONE = 0, D2D1_DRAW_TEXT_OPTIONS_CLIP = 2 };
enum D2D1_WINDOW_STATE { D2D1_WINDOW_STATE_NONE = 0, D2D1_WINDOW_STATE_OCCLUDED = 1 };
enum D2D1_RENDER_TARGET_TYPE { D2D1_RENDER_TARGET_TYPE_DEFAULT = 0 };
enum D2D1_ALPHA_MODE { D2D1_ALPHA_MODE_UNKNOWN = 0, D2D1_ALPHA_MODE_PREMULTIPLIED = 1 };
enum D2D1_LAYER_OPTIONS { D2D1_LAYER_OPTIONS_NONE = 0 };
enum D2D1_PRESENT_OPTIONS { D2D1_PRESENT_OPTIONS_NONE = 0 };
inline constexpr UINT32 DXGI_FORMAT_B8G8R8A8_UNORM = 87;

struct D2D1_PIXEL_FORMAT {
  UINT32 format = DXGI_FORMAT_B8G8R8A8_UNORM;
  D2D1_ALPHA_MODE alphaMode = D2D1_ALPHA_MODE_PREMULTIPLIED;
};
struct D2D1_RENDER_TARGET_PROPERTIES {
  D2D1_RENDER_TARGET_TYPE type = D2D1_RENDER_TARGET_TYPE_DEFAULT;
  D2D1_PIXEL_FORMAT pixelFormat;
  FLOAT dpiX = 0, dpiY = 0;  // 0: the system's 96
};
// The window is the handle of the drawing area it presents to.
struct D2D1_HWND_RENDER_TARGET_PROPERTIES {
  uintptr_t hwnd = 0;
  D2D1_SIZE_U pixelSize;
  D2D1_PRESENT_OPTIONS presentOptions = D2D1_PRESENT_OPTIONS_NONE;
};
struct D2D1_BITMAP_PROPERTIES {
  D2D1_PIXEL_FORMAT pixelFormat;
  FLOAT dpiX = 0, dpiY = 0;
};
struct D2D1_GRADIENT_STOP {
  FLOAT position = 0;
  D2D1_COLOR_F color;
};
struct D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES {
  D2D1_POINT_2F startPoint, endPoint;
};
struct D2D1_RADIAL_GRADIENT_BRUSH_PROPERTIES {
  D2D1_POINT_2F center, gradientOriginOffset;
  FLOAT radiusX = 0, radiusY = 0;
};
struct D2D1_BITMAP_BRUSH_PROPERTIES {
  D2D1_EXTEND_MODE extendModeX = D2D1_EXTEND_MODE_CLAMP;
  D2D1_EXTEND_MODE extendModeY = D2D1_EXTEND_MODE_CLAMP;
  D2D1_BITMAP_INTERPOLATION_MODE interpolationMode = D2D1_BITMAP_INTERPOLATION_MODE_LINEAR;
};
struct D2D1_BRUSH_PROPERTIES {
  FLOAT opacity = 1;
  D2D1_MATRIX_3X2_F transform;
};
struct D2D1_STROKE_STYLE_PROPERTIES {
  D2D1_CAP_STYLE startCap = D2D1_CAP_STYLE_FLAT, endCap = D2D1_CAP_STYLE_FLAT,
                 dashCap = D2D1_CAP_STYLE_FLAT;
  D2D1_LINE_JOIN lineJoin = D2D1_LINE_JOIN_MITER;
  FLOAT miterLimit = 10;
  D2D1_DASH_STYLE dashStyle = D2D1_DASH_STYLE_SOLID;
  FLOAT dashOffset = 0;
};

class ID2D1Geometry;
class ID2D1Brush;
struct D2D1_LAYER_PARAMETERS {
  D2D1_RECT_F contentBounds;
  ID2D1Geometry* geometricMask = nullptr;
  D2D1_ANTIALIAS_MODE maskAntialiasMode = D2D1_ANTIALIAS_MODE_PER_PRIMITIVE;
  D2D1_MATRIX_3X2_F maskTransform;
  FLOAT opacity = 1;
  ID2D1Brush* opacityBrush = nullptr;
  D2D1_LAYER_OPTIONS layerOptions = D2D1_LAYER_OPTIONS_NONE;
};
