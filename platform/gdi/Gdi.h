#pragma once
// The device-context drawing layer: GDI's operation names and values over a
// pixel block of our own. Shapes are rasterised by Cairo without
// antialiasing into a coverage mask, which is then combined with the target
// pixels by the device context's raster operation, inside its clip region.
// Text is laid out by Pango. Coordinates are logical units, turned into
// device pixels by the mapping mode. Every call on a handle that is not a
// live object of the expected kind does nothing and reports failure.

#include <cstdint>
#include <string>

// The same truth values as GLib's.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef struct _cairo_surface cairo_surface_t;

namespace gdi {

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using LONG = int32_t;
using UINT = uint32_t;
using COLORREF = uint32_t;  // 0x00BBGGRR
using WCHAR = char16_t;

struct HGDIOBJ__;
using HGDIOBJ = HGDIOBJ__*;
using HDC = HGDIOBJ;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HRGN = HGDIOBJ;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr int GDI_ERROR_INT = -1;

constexpr COLORREF RGB(int r, int g, int b) {
  return COLORREF(uint8_t(r)) | (COLORREF(uint8_t(g)) << 8) | (COLORREF(uint8_t(b)) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

struct POINT {
  LONG x = 0;
  LONG y = 0;
};
struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};

// ---- object kinds (GetObjectType)
enum : DWORD {
  OBJ_PEN = 1,
  OBJ_BRUSH = 2,
  OBJ_DC = 3,
  OBJ_REGION = 8,
  OBJ_BITMAP = 7,
  OBJ_FONT = 6
};

// ---- stock objects
enum {
  WHITE_BRUSH = 0,
  LTGRAY_BRUSH = 1,
  GRAY_BRUSH = 2,
  DKGRAY_BRUSH = 3,
  BLACK_BRUSH = 4,
  NULL_BRUSH = 5,
  HOLLOW_BRUSH = NULL_BRUSH,
  WHITE_PEN = 6,
  BLACK_PEN = 7,
  NULL_PEN = 8,
  DEFAULT_GUI_FONT = 17,
  DC_BRUSH = 18,
  DC_PEN = 19
};

// ---- pens
enum : DWORD {
  PS_SOLID = 0,
  PS_DASH = 1,
  PS_DOT = 2,
  PS_DASHDOT = 3,
  PS_DASHDOTDOT = 4,
  PS_NULL = 5,
  PS_INSIDEFRAME = 6,
  PS_USERSTYLE = 7,
  PS_ALTERNATE = 8,
  PS_STYLE_MASK = 0xF,
  PS_ENDCAP_ROUND = 0,
  PS_ENDCAP_SQUARE = 0x100,
  PS_ENDCAP_FLAT = 0x200,
  PS_ENDCAP_MASK = 0xF00,
  PS_JOIN_ROUND = 0,
  PS_JOIN_BEVEL = 0x1000,
  PS_JOIN_MITER = 0x2000,
  PS_JOIN_MASK = 0xF000,
  PS_COSMETIC = 0,
  PS_GEOMETRIC = 0x10000,
  PS_TYPE_MASK = 0xF0000
};

// ---- brushes
enum : UINT { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2 };
enum {
  HS_HORIZONTAL = 0,
  HS_VERTICAL = 1,
  HS_FDIAGONAL = 2,
  HS_BDIAGONAL = 3,
  HS_CROSS = 4,
  HS_DIAGCROSS = 5
};

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  uintptr_t lbHatch = 0;
};
struct LOGPEN {
  UINT lopnStyle = PS_SOLID;
  POINT lopnWidth;
  COLORREF lopnColor = 0;
};

// ---- fonts
constexpr int LF_FACESIZE = 32;
enum { FW_NORMAL = 400, FW_BOLD = 700 };
enum : BYTE {
  DEFAULT_QUALITY = 0,
  DRAFT_QUALITY = 1,
  PROOF_QUALITY = 2,
  NONANTIALIASED_QUALITY = 3,
  ANTIALIASED_QUALITY = 4,
  CLEARTYPE_QUALITY = 5
};
struct LOGFONTW {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;   // tenths of a degree, counter-clockwise
  LONG lfOrientation = 0;  // tenths of a degree, counter-clockwise
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 1;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = DEFAULT_QUALITY;
  BYTE lfPitchAndFamily = 0;
  WCHAR lfFaceName[LF_FACESIZE] = {};
};
struct TEXTMETRICW {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
  LONG tmWeight = 0;
};

// ---- bitmaps
enum : DWORD { BI_RGB = 0 };
enum : UINT { DIB_RGB_COLORS = 0 };
struct BITMAPINFOHEADER {
  DWORD biSize = sizeof(BITMAPINFOHEADER);
  LONG biWidth = 0;
  LONG biHeight = 0;  // negative: rows top to bottom
  WORD biPlanes = 1;
  WORD biBitCount = 32;
  DWORD biCompression = BI_RGB;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
};
struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 0;
  void* bmBits = nullptr;
};

// ---- raster operations
enum {
  R2_BLACK = 1,
  R2_NOTMERGEPEN = 2,
  R2_MASKNOTPEN = 3,
  R2_NOTCOPYPEN = 4,
  R2_MASKPENNOT = 5,
  R2_NOT = 6,
  R2_XORPEN = 7,
  R2_NOTMASKPEN = 8,
  R2_MASKPEN = 9,
  R2_NOTXORPEN = 10,
  R2_NOP = 11,
  R2_MERGENOTPEN = 12,
  R2_COPYPEN = 13,
  R2_MERGEPENNOT = 14,
  R2_MERGEPEN = 15,
  R2_WHITE = 16
};
enum : DWORD {
  SRCCOPY = 0x00CC0020,
  SRCPAINT = 0x00EE0086,
  SRCAND = 0x008800C6,
  SRCINVERT = 0x00660046,
  SRCERASE = 0x00440328,
  NOTSRCCOPY = 0x00330008,
  NOTSRCERASE = 0x001100A6,
  MERGECOPY = 0x00C000CA,
  MERGEPAINT = 0x00BB0226,
  PATCOPY = 0x00F00021,
  PATPAINT = 0x00FB0A09,
  PATINVERT = 0x005A0049,
  DSTINVERT = 0x00550009,
  BLACKNESS = 0x00000042,
  WHITENESS = 0x00FF0062
};
enum : BYTE { AC_SRC_OVER = 0, AC_SRC_ALPHA = 1 };
struct BLENDFUNCTION {
  BYTE BlendOp = AC_SRC_OVER;
  BYTE BlendFlags = 0;
  BYTE SourceConstantAlpha = 255;
  BYTE AlphaFormat = 0;
};

// ---- modes
enum { TRANSPARENT = 1, OPAQUE = 2 };
enum { ALTERNATE = 1, WINDING = 2 };
enum { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };
enum { GM_COMPATIBLE = 1, GM_ADVANCED = 2 };
enum { MM_TEXT = 1, MM_ANISOTROPIC = 8 };
enum : UINT {
  TA_NOUPDATECP = 0,
  TA_UPDATECP = 1,
  TA_LEFT = 0,
  TA_RIGHT = 2,
  TA_CENTER = 6,
  TA_TOP = 0,
  TA_BOTTOM = 8,
  TA_BASELINE = 24
};

// ---- regions
enum { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// ---- device capabilities
enum {
  TECHNOLOGY = 2,
  HORZSIZE = 4,
  VERTSIZE = 6,
  HORZRES = 8,
  VERTRES = 10,
  BITSPIXEL = 12,
  PLANES = 14,
  NUMCOLORS = 24,
  RASTERCAPS = 38,
  LOGPIXELSX = 88,
  LOGPIXELSY = 90,
  SHADEBLENDCAPS = 120
};
enum { DT_RASDISPLAY = 1 };
enum { RC_BITBLT = 1, RC_STRETCHBLT = 0x800 };
enum { SB_CONST_ALPHA = 1, SB_PIXEL_ALPHA = 2 };

// ---- vector device contexts
// A device context of Width x Height device pixels at Dpi dots per inch that
// draws onto Target (its own Cairo context takes a reference). Shapes, fills
// and blocks follow the raster rules of a bitmap DC of that size and reach
// the surface as pixel-exact pieces; text reaches it as glyphs. Units on the
// surface are Scale times device pixels (72 / Dpi for a PDF page).
HDC CreateVectorDC(cairo_surface_t* Target, int Width, int Height, int Dpi, double Scale);
// Ends the surface's page and starts a blank one.
BOOL VectorNewPage(HDC dc);

// ---- objects
HGDIOBJ GetStockObject(int i);
BOOL DeleteObject(HGDIOBJ h);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
DWORD GetObjectType(HGDIOBJ h);
// Fills a LOGPEN, LOGBRUSH, LOGFONTW or BITMAP; returns the bytes written.
int GetObjectW(HGDIOBJ h, int size, void* out);

HPEN CreatePen(int style, int width, COLORREF color);
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount,
                  const DWORD* styleEntries);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
HFONT CreateFontIndirectW(const LOGFONTW* font);

// Bitmaps are device-independent: 24 or 32 bits a pixel, rows top to
// bottom, each row padded to four bytes. A 32-bit pixel is bytes B, G, R, A
// (a Cairo ARGB32 pixel); drawing writes opaque pixels.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section,
                         DWORD offset);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// ---- device contexts
// A memory device context with a 1 x 1 bitmap selected.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved);  // negative: relative to the newest
int GetDeviceCaps(HDC dc, int index);

COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
COLORREF GetDCBrushColor(HDC dc);
COLORREF GetDCPenColor(HDC dc);
int SetROP2(HDC dc, int rop);
int GetROP2(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int SetArcDirection(HDC dc, int direction);
int GetArcDirection(HDC dc);
int SetGraphicsMode(HDC dc, int mode);
int GetGraphicsMode(HDC dc);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* old);

// ---- mapping
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* old);
BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* old);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* old);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);

// ---- lines and shapes
BOOL MoveToEx(HDC dc, int x, int y, POINT* old);
BOOL GetCurrentPositionEx(HDC dc, POINT* pos);
BOOL LineTo(HDC dc, int x, int y);  // leaves out the end pixel
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);
BOOL PolyBezier(HDC dc, const POINT* points, DWORD count);
BOOL PolyBezierTo(HDC dc, const POINT* points, DWORD count);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const int* counts, int polygons);
// Rectangles and ellipses leave out their right and bottom edge.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop);

// ---- pixels and blocks
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);
// Reads only inside the source bitmap; destination pixels whose source
// lies outside stay as they are.
BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                DWORD rop);
// Fails when the source rectangle reaches outside the source bitmap.
BOOL AlphaBlend(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend);

// ---- paths
BOOL BeginPath(HDC dc);
BOOL EndPath(HDC dc);
BOOL AbortPath(HDC dc);
BOOL CloseFigure(HDC dc);
BOOL StrokePath(HDC dc);
BOOL FillPath(HDC dc);
BOOL StrokeAndFillPath(HDC dc);
// Replaces the path by the area its stroke with the current pen covers.
BOOL WidenPath(HDC dc);
BOOL SelectClipPath(HDC dc, int mode);
HRGN PathToRegion(HDC dc);

// ---- regions (device pixels)
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
int GetRgnBox(HRGN rgn, RECT* box);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL EqualRgn(HRGN a, HRGN b);
int OffsetRgn(HRGN rgn, int x, int y);
BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
// 1 and a copy of the clip region in rgn, 0 without clip region, -1 on error.
int GetClipRgn(HDC dc, HRGN rgn);
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, RECT* box);

// ---- text
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
BOOL TextOutW(HDC dc, int x, int y, const WCHAR* text, int length);
BOOL GetTextExtentPoint32W(HDC dc, const WCHAR* text, int length, SIZE* size);
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
int GetTextFaceW(HDC dc, int count, WCHAR* name);

}  // namespace gdi
