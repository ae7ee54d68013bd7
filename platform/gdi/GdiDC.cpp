// Device contexts: creation, saved states, modes, mapping and capabilities.

#include <cmath>

#include "platform/gdi/GdiInternal.h"

namespace gdi {
namespace detail {

std::shared_ptr<Bitmap> NewDefaultBitmap();

double DC::ScaleX() const {
  if (S.MapMode != MM_ANISOTROPIC || S.WindowExt.cx == 0) return 1;
  return double(S.ViewportExt.cx) / double(S.WindowExt.cx);
}
double DC::ScaleY() const {
  if (S.MapMode != MM_ANISOTROPIC || S.WindowExt.cy == 0) return 1;
  return double(S.ViewportExt.cy) / double(S.WindowExt.cy);
}
double DC::DX(double x) const { return (x - S.WindowOrg.x) * ScaleX() + S.ViewportOrg.x; }
double DC::DY(double y) const { return (y - S.WindowOrg.y) * ScaleY() + S.ViewportOrg.y; }

}  // namespace detail

using namespace detail;

HDC CreateCompatibleDC(HDC) {
  auto dc = std::make_shared<DC>();
  dc->DefaultBitmap = NewDefaultBitmap();
  Register(dc->DefaultBitmap);  // SelectObject gives its handle back
  dc->S.CurBitmap = dc->DefaultBitmap;
  dc->S.CurPen = As<Pen>(GetStockObject(BLACK_PEN), OBJ_PEN);
  dc->S.CurBrush = As<Brush>(GetStockObject(WHITE_BRUSH), OBJ_BRUSH);
  dc->S.CurFont = As<Font>(GetStockObject(DEFAULT_GUI_FONT), OBJ_FONT);
  return Register(dc);
}

BOOL DeleteDC(HDC h) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  // Selected objects live on in their own handles.
  Unregister(dc->DefaultBitmap->Handle);
  Unregister(h);
  return TRUE;
}

int SaveDC(HDC h) {
  auto dc = DCOf(h);
  if (!dc) return 0;
  dc->Saved.push_back(dc->S);
  return int(dc->Saved.size());
}

BOOL RestoreDC(HDC h, int saved) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  int n = int(dc->Saved.size());
  int level = saved < 0 ? n + 1 + saved : saved;
  if (level < 1 || level > n) return FALSE;
  dc->S = dc->Saved[size_t(level - 1)];
  dc->Saved.resize(size_t(level - 1));
  return TRUE;
}

int GetDeviceCaps(HDC h, int index) {
  auto dc = DCOf(h);
  if (!dc) return 0;
  const Bitmap& b = *dc->S.CurBitmap;
  const int dpi = dc->Vector ? dc->Vector->Dpi : 96;
  switch (index) {
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case HORZRES:
      return b.Width;
    case VERTRES:
      return b.Height;
    case HORZSIZE:
      return int(std::lround(b.Width * 25.4 / dpi));
    case VERTSIZE:
      return int(std::lround(b.Height * 25.4 / dpi));
    case BITSPIXEL:
      return b.Bpp;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case RASTERCAPS:
      return RC_BITBLT | RC_STRETCHBLT;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return dpi;
    case SHADEBLENDCAPS:
      return SB_CONST_ALPHA | SB_PIXEL_ALPHA;
    default:
      return 0;
  }
}

namespace {

// Sets one state value and gives the old one; `fail` for a bad handle.
template <class T, class V>
T SetField(HDC h, T State::*field, V value, T fail) {
  auto dc = DCOf(h);
  if (!dc) return fail;
  T old = dc->S.*field;
  dc->S.*field = T(value);
  return old;
}
template <class T>
T GetField(HDC h, T State::*field, T fail) {
  auto dc = DCOf(h);
  return dc ? dc->S.*field : fail;
}

}  // namespace

COLORREF SetDCBrushColor(HDC h, COLORREF c) {
  return SetField(h, &State::DCBrushColor, c, CLR_INVALID);
}
COLORREF SetDCPenColor(HDC h, COLORREF c) {
  return SetField(h, &State::DCPenColor, c, CLR_INVALID);
}
COLORREF GetDCBrushColor(HDC h) { return GetField(h, &State::DCBrushColor, CLR_INVALID); }
COLORREF GetDCPenColor(HDC h) { return GetField(h, &State::DCPenColor, CLR_INVALID); }
COLORREF SetBkColor(HDC h, COLORREF c) { return SetField(h, &State::BkColor, c, CLR_INVALID); }
COLORREF GetBkColor(HDC h) { return GetField(h, &State::BkColor, CLR_INVALID); }
COLORREF SetTextColor(HDC h, COLORREF c) { return SetField(h, &State::TextColor, c, CLR_INVALID); }
COLORREF GetTextColor(HDC h) { return GetField(h, &State::TextColor, CLR_INVALID); }
int GetROP2(HDC h) { return GetField(h, &State::Rop2, 0); }
int GetBkMode(HDC h) { return GetField(h, &State::BkMode, 0); }
int GetArcDirection(HDC h) { return GetField(h, &State::ArcDirection, 0); }
int GetGraphicsMode(HDC h) { return GetField(h, &State::GraphicsMode, 0); }
int GetMapMode(HDC h) { return GetField(h, &State::MapMode, 0); }
UINT GetTextAlign(HDC h) { return GetField(h, &State::TextAlign, UINT(GDI_ERROR_INT)); }
int GetTextCharacterExtra(HDC h) { return GetField(h, &State::CharExtra, int(0x80000000)); }

int SetROP2(HDC h, int rop) {
  if (rop < R2_BLACK || rop > R2_WHITE) return 0;
  return SetField(h, &State::Rop2, rop, 0);
}
int SetBkMode(HDC h, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return SetField(h, &State::BkMode, mode, 0);
}
int SetPolyFillMode(HDC h, int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return SetField(h, &State::FillMode, mode, 0);
}
int SetArcDirection(HDC h, int d) {
  if (d != AD_COUNTERCLOCKWISE && d != AD_CLOCKWISE) return 0;
  return SetField(h, &State::ArcDirection, d, 0);
}
int SetGraphicsMode(HDC h, int mode) {
  if (mode != GM_COMPATIBLE && mode != GM_ADVANCED) return 0;
  return SetField(h, &State::GraphicsMode, mode, 0);
}
UINT SetTextAlign(HDC h, UINT align) {
  return SetField(h, &State::TextAlign, align, UINT(GDI_ERROR_INT));
}
int SetTextCharacterExtra(HDC h, int extra) {
  return SetField(h, &State::CharExtra, extra, int(0x80000000));
}
int SetMapMode(HDC h, int mode) {
  if (mode != MM_TEXT && mode != MM_ANISOTROPIC) return 0;
  return SetField(h, &State::MapMode, mode, 0);
}

namespace {

BOOL SetPair(HDC h, SIZE State::*field, int x, int y, SIZE* old, bool extent) {
  auto dc = DCOf(h);
  if (!dc || (extent && (x == 0 || y == 0))) return FALSE;
  if (old) *old = dc->S.*field;
  // Extents change only in the anisotropic mode, as the platform has it.
  if (extent && dc->S.MapMode != MM_ANISOTROPIC) return TRUE;
  (dc->S.*field).cx = x;
  (dc->S.*field).cy = y;
  return TRUE;
}
BOOL SetOrg(HDC h, POINT State::*field, int x, int y, POINT* old) {
  auto dc = DCOf(h);
  if (!dc) return FALSE;
  if (old) *old = dc->S.*field;
  (dc->S.*field).x = x;
  (dc->S.*field).y = y;
  return TRUE;
}

}  // namespace

BOOL SetWindowExtEx(HDC h, int x, int y, SIZE* old) {
  return SetPair(h, &State::WindowExt, x, y, old, true);
}
BOOL SetViewportExtEx(HDC h, int x, int y, SIZE* old) {
  return SetPair(h, &State::ViewportExt, x, y, old, true);
}
BOOL SetWindowOrgEx(HDC h, int x, int y, POINT* old) {
  return SetOrg(h, &State::WindowOrg, x, y, old);
}
BOOL SetViewportOrgEx(HDC h, int x, int y, POINT* old) {
  return SetOrg(h, &State::ViewportOrg, x, y, old);
}
BOOL SetBrushOrgEx(HDC h, int x, int y, POINT* old) {
  return SetOrg(h, &State::BrushOrg, x, y, old);
}

BOOL LPtoDP(HDC h, POINT* p, int count) {
  auto dc = DCOf(h);
  if (!dc || !p || count < 0) return FALSE;
  for (int i = 0; i < count; ++i) {
    p[i].x = LONG(std::lround(dc->DX(p[i].x)));
    p[i].y = LONG(std::lround(dc->DY(p[i].y)));
  }
  return TRUE;
}

BOOL DPtoLP(HDC h, POINT* p, int count) {
  auto dc = DCOf(h);
  if (!dc || !p || count < 0) return FALSE;
  for (int i = 0; i < count; ++i) {
    double x = (p[i].x - dc->S.ViewportOrg.x) / dc->ScaleX() + dc->S.WindowOrg.x;
    double y = (p[i].y - dc->S.ViewportOrg.y) / dc->ScaleY() + dc->S.WindowOrg.y;
    p[i].x = LONG(std::lround(x));
    p[i].y = LONG(std::lround(y));
  }
  return TRUE;
}

}  // namespace gdi
