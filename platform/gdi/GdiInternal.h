#pragma once
// What the device-context layer keeps behind its handles, shared by its files.

#include <cairo.h>

#include <memory>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace gdi::detail {

struct Object {
  explicit Object(DWORD k) : Kind(k) {}
  virtual ~Object() = default;
  DWORD Kind;
  bool Stock = false;
  HGDIOBJ Handle = nullptr;  // set when registered, kept after deletion
};

struct Pen : Object {
  Pen() : Object(OBJ_PEN) {}
  DWORD Style = PS_SOLID;  // style, cap, join and type bits
  int Width = 1;
  COLORREF Color = 0;
  std::vector<DWORD> User;
  bool FollowsDCColor = false;  // the stock DC_PEN
  DWORD Dash() const { return Style & PS_STYLE_MASK; }
  bool Geometric() const { return (Style & PS_TYPE_MASK) == PS_GEOMETRIC; }
};

struct Brush : Object {
  Brush() : Object(OBJ_BRUSH) {}
  UINT Style = BS_SOLID;
  COLORREF Color = 0;
  int Hatch = 0;
  bool FollowsDCColor = false;  // the stock DC_BRUSH
};

struct Font : Object {
  Font() : Object(OBJ_FONT) {}
  LOGFONTW Log;
};

struct Bitmap : Object {
  Bitmap() : Object(OBJ_BITMAP) {}
  int Width = 0;
  int Height = 0;
  int Bpp = 32;
  int Stride = 0;
  std::vector<uint8_t> Bits;
  uint8_t* Row(int y) { return Bits.data() + size_t(y) * size_t(Stride); }
};

// A set of device pixels: coverage 0 to 255 over a box (X, Y, W, H).
struct Mask {
  int X = 0, Y = 0, W = 0, H = 0;
  std::vector<uint8_t> A;
  bool Empty() const;
  uint8_t At(int x, int y) const {
    x -= X;
    y -= Y;
    if (x < 0 || y < 0 || x >= W || y >= H) return 0;
    return A[size_t(y) * size_t(W) + size_t(x)];
  }
  void Trim();  // shrinks the box to the covered pixels
};
Mask Combine(const Mask& a, const Mask& b, int mode);
Mask RectMask(int l, int t, int r, int b);

struct Region : Object {
  Region() : Object(OBJ_REGION) {}
  Mask Area;  // coverage is 0 or 255
};

// A figure list in device coordinates (pixel edges).
struct PathOp {
  enum Type { Move, Line, Curve, Close } T;
  double X[3], Y[3];
};
using Path = std::vector<PathOp>;
void EmitPath(cairo_t* cr, const Path& path);

struct State {
  std::shared_ptr<Pen> CurPen;
  std::shared_ptr<Brush> CurBrush;
  std::shared_ptr<Font> CurFont;
  std::shared_ptr<Bitmap> CurBitmap;
  COLORREF DCBrushColor = RGB(255, 255, 255);
  COLORREF DCPenColor = 0;
  COLORREF BkColor = RGB(255, 255, 255);
  COLORREF TextColor = 0;
  int BkMode = OPAQUE;
  int Rop2 = R2_COPYPEN;
  int FillMode = ALTERNATE;
  int ArcDirection = AD_COUNTERCLOCKWISE;
  int GraphicsMode = GM_COMPATIBLE;
  UINT TextAlign = TA_LEFT | TA_TOP;
  int CharExtra = 0;
  int MapMode = MM_TEXT;
  POINT WindowOrg, ViewportOrg;
  SIZE WindowExt{1, 1}, ViewportExt{1, 1};
  POINT BrushOrg;
  double CurX = 0, CurY = 0;  // logical current position
  bool HasClip = false;
  Mask Clip;
  // The clip's rectangles for a vector surface, made on first use and
  // dropped whenever the clip changes.
  mutable std::shared_ptr<const std::vector<RECT>> ClipRects;
};

// A device context that draws onto a Cairo surface as well (a recording,
// SVG or PDF surface). Its own bitmap stays the reference for every pixel
// rule; each change made there is handed on to the surface in drawing order.
struct VectorTarget {
  ~VectorTarget();
  cairo_t* Cr = nullptr;
  int Dpi = 96;
  bool Held = false;  // the surface's pixels are handed on by the caller
};

struct DC : Object {
  DC() : Object(OBJ_DC) {}
  std::unique_ptr<VectorTarget> Vector;
  State S;
  std::vector<State> Saved;
  bool InPath = false;
  bool PathDone = false;
  Path CurPath;
  std::shared_ptr<Pen> WidenedBy;  // set by WidenPath
  std::shared_ptr<Bitmap> DefaultBitmap;

  // Logical to device (pixel edges).
  double DX(double x) const;
  double DY(double y) const;
  double ScaleX() const;
  double ScaleY() const;
};

// ---- handle table
HGDIOBJ Register(std::shared_ptr<Object> object);
std::shared_ptr<Object> Lookup(HGDIOBJ h);
void Unregister(HGDIOBJ h);
template <class T>
std::shared_ptr<T> As(HGDIOBJ h, DWORD kind) {
  auto o = Lookup(h);
  if (!o || o->Kind != kind) return nullptr;
  return std::static_pointer_cast<T>(o);
}
inline std::shared_ptr<DC> DCOf(HDC h) { return As<DC>(h, OBJ_DC); }

// ---- rasterising and painting
// A Cairo context on an A8 surface covering the box, device pixels.
struct MaskCanvas {
  MaskCanvas(int x, int y, int w, int h);
  ~MaskCanvas();
  Mask Take();
  cairo_surface_t* Surface;
  cairo_t* Cr;
  int X, Y, W, H;
};
// The drawable box of the DC: its bitmap, cut by the clip region.
bool DrawBox(const DC& dc, int& x, int& y, int& w, int& h, bool clipped = true);
Mask FillMask(const DC& dc, const Path& path, int fillRule, bool clipped = true);
Mask StrokeMask(const DC& dc, const Path& path, const Pen& pen, bool clipped = true);

// What paints covered pixels: a colour, or a brush's hatch and colour.
struct Source {
  COLORREF Color = 0;
  int Hatch = -1;  // -1: solid
  bool None = false;
};
Source PenSource(const DC& dc);
Source BrushSource(const DC& dc, const Brush* brush);
void Paint(DC& dc, const Mask& mask, const Source& src);
// Hands the device pixels of a box (and, with a mask, only the covered and
// unclipped ones) from the DC's bitmap on to its vector surface.
void Forward(DC& dc, int x, int y, int w, int h, const Mask* mask = nullptr);
// The figure a painted mask stands for, so that a vector surface gets it as
// an outline: a path filled by a rule, a path stroked with a pen, or the
// rectangles of a pixel area.
struct Outline {
  const Path* P = nullptr;
  int FillRule = ALTERNATE;
  const Pen* Stroke = nullptr;
  bool Cosmetic = false;  // stroked one device pixel wide with the pen's dash cells
  const Mask* Area = nullptr;
};
// Paints the mask on the DC's bitmap. A vector surface gets the outline
// drawn with the source's colour or hatch under the clip region when the
// mix is a plain copy, else the painted pixels.
void PaintOutline(DC& dc, const Mask& mask, const Source& src, const Outline& outline);
// Clips a vector surface's context to the DC's page and clip region.
void ClipToDC(const DC& dc, cairo_t* cr);
// The rectangles (left, top, right, bottom) that make up a mask's covered pixels.
std::vector<RECT> MaskRects(const Mask& mask);
// Sets the width, caps, joins and dashes of a pen on a context whose path
// runs through pixel centres; a cosmetic pen is one device pixel wide.
void SetStrokeStyle(cairo_t* cr, const DC& dc, const Pen& pen, bool cosmetic);
// A cosmetic pen's figure as a stroke that covers what it walks: open ends
// drawn back by half a pixel, so the first pixel is whole and the last left out.
Path CosmeticOutline(const Path& path);
// Mixes a pen colour with a target colour by a binary raster operation.
uint32_t Rop2(int rop, uint32_t pen, uint32_t dst);
// Mixes by a ternary raster operation (pattern, source, destination).
uint32_t Rop3(DWORD rop, uint32_t pat, uint32_t src, uint32_t dst);
bool HatchBit(int hatch, int x, int y);
uint32_t ReadRGB(Bitmap& b, int x, int y);  // 0x00RRGGBB
void WriteRGB(Bitmap& b, int x, int y, uint32_t rgb);
uint32_t ToRGB(COLORREF c);  // 0x00BBGGRR to 0x00RRGGBB
bool InClip(const DC& dc, int x, int y);
COLORREF PenColor(const DC& dc);
bool PenIsNull(const DC& dc);

// ---- drawing with the current pen and brush
void StrokeFigure(DC& dc, const Path& path, bool closed);
void FillFigure(DC& dc, const Path& path);
// Draws a figure (fill under outline) or, inside a path bracket, records it.
bool Shape(DC& dc, const Path& fill, const Path& outline);

}  // namespace gdi::detail
