// Pixels: raster operations, hatches, painting a coverage mask, block copies.

#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiInternal.h"

namespace gdi {
namespace detail {

uint32_t ToRGB(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

uint32_t ReadRGB(Bitmap& b, int x, int y) {
  const uint8_t* p = b.Row(y) + x * (b.Bpp / 8);
  return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

void WriteRGB(Bitmap& b, int x, int y, uint32_t rgb) {
  uint8_t* p = b.Row(y) + x * (b.Bpp / 8);
  p[0] = uint8_t(rgb);
  p[1] = uint8_t(rgb >> 8);
  p[2] = uint8_t(rgb >> 16);
  if (b.Bpp == 32) p[3] = 255;
}

// The operation number less one is the truth table of pen bit P and target
// bit D: bit (2P + D) gives the result.
uint32_t Rop2(int rop, uint32_t pen, uint32_t dst) {
  unsigned t = unsigned(rop - 1);
  uint32_t r = 0;
  if (t & 1) r |= ~pen & ~dst;
  if (t & 2) r |= ~pen & dst;
  if (t & 4) r |= pen & ~dst;
  if (t & 8) r |= pen & dst;
  return r & 0xFFFFFF;
}

// Bits 16 to 23 of the code are the truth table of pattern, source and
// destination bits: bit (4P + 2S + D) gives the result.
uint32_t Rop3(DWORD rop, uint32_t pat, uint32_t src, uint32_t dst) {
  unsigned t = (rop >> 16) & 0xFF;
  uint32_t r = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(t & (1u << i))) continue;
    uint32_t term = (i & 4) ? pat : ~pat;
    term &= (i & 2) ? src : ~src;
    term &= (i & 1) ? dst : ~dst;
    r |= term;
  }
  return r & 0xFFFFFF;
}

// 8 x 8 hatch cells; x and y are taken relative to the brush origin.
bool HatchBit(int hatch, int x, int y) {
  x &= 7, y &= 7;
  switch (hatch) {
    case HS_HORIZONTAL:
      return y == 7;
    case HS_VERTICAL:
      return x == 7;
    case HS_FDIAGONAL:
      return x == y;
    case HS_BDIAGONAL:
      return x + y == 7;
    case HS_CROSS:
      return x == 7 || y == 7;
    case HS_DIAGCROSS:
      return x == y || x + y == 7;
    default:
      return true;
  }
}

COLORREF PenColor(const DC& dc) {
  return dc.S.CurPen->FollowsDCColor ? dc.S.DCPenColor : dc.S.CurPen->Color;
}

bool PenIsNull(const DC& dc) { return dc.S.CurPen->Dash() == PS_NULL; }

Source PenSource(const DC& dc) {
  Source s;
  s.Color = PenColor(dc);
  s.None = PenIsNull(dc);
  return s;
}

Source BrushSource(const DC& dc, const Brush* brush) {
  Source s;
  if (!brush) brush = dc.S.CurBrush.get();
  s.Color = brush->FollowsDCColor ? dc.S.DCBrushColor : brush->Color;
  s.None = brush->Style == BS_NULL;
  if (brush->Style == BS_HATCHED) s.Hatch = brush->Hatch;
  return s;
}

namespace {

uint32_t Blend(uint32_t a, uint32_t b, unsigned cover) {
  uint32_t r = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    unsigned ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    r |= ((ca * cover + cb * (255 - cover) + 127) / 255) << shift;
  }
  return r;
}

// The pattern colour of a brush source at a device pixel; false where a
// hatch leaves the pixel alone (transparent background).
bool PatternAt(const DC& dc, const Source& s, int x, int y, uint32_t& rgb) {
  if (s.Hatch < 0 || HatchBit(s.Hatch, x - dc.S.BrushOrg.x, y - dc.S.BrushOrg.y)) {
    rgb = ToRGB(s.Color);
    return true;
  }
  if (dc.S.BkMode != OPAQUE) return false;
  rgb = ToRGB(dc.S.BkColor);
  return true;
}

}  // namespace

namespace {

// The common case of Paint: one colour, the copy mix. Each row's cover,
// clip and pixels are walked by pointer instead of by coordinates.
void PaintSolid(DC& dc, const Mask& m, uint32_t rgb, int x0, int y0, int x1, int y1) {
  Bitmap& b = *dc.S.CurBitmap;
  const Mask* clip = dc.S.HasClip ? &dc.S.Clip : nullptr;
  const int bytes = b.Bpp / 8;
  const uint8_t r = uint8_t(rgb >> 16), g = uint8_t(rgb >> 8), bl = uint8_t(rgb);
  for (int y = y0; y < y1; ++y) {
    const uint8_t* cover = &m.A[size_t(y - m.Y) * size_t(m.W) + size_t(x0 - m.X)];
    uint8_t* p = b.Row(y) + x0 * bytes;
    for (int x = x0; x < x1; ++x, ++cover, p += bytes) {
      const unsigned c = *cover;
      if (!c || (clip && !clip->At(x, y))) continue;
      if (c == 255) {
        p[0] = bl, p[1] = g, p[2] = r;
      } else {
        const uint32_t mixed = Blend(rgb, (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0], c);
        p[0] = uint8_t(mixed), p[1] = uint8_t(mixed >> 8), p[2] = uint8_t(mixed >> 16);
      }
      if (bytes == 4) p[3] = 255;
    }
  }
}

}  // namespace

void Paint(DC& dc, const Mask& m, const Source& s) {
  if (s.None || m.W == 0) return;
  Bitmap& b = *dc.S.CurBitmap;
  int x0 = std::max(0, m.X), y0 = std::max(0, m.Y);
  int x1 = std::min(b.Width, m.X + m.W), y1 = std::min(b.Height, m.Y + m.H);
  if (x0 >= x1 || y0 >= y1) return Forward(dc, x0, y0, 0, 0, &m);
  if (s.Hatch < 0 && dc.S.Rop2 == R2_COPYPEN && (b.Bpp == 24 || b.Bpp == 32)) {
    PaintSolid(dc, m, ToRGB(s.Color), x0, y0, x1, y1);
    return Forward(dc, x0, y0, x1 - x0, y1 - y0, &m);
  }
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      unsigned cover = m.A[size_t(y - m.Y) * size_t(m.W) + size_t(x - m.X)];
      uint32_t rgb;
      if (!cover || !InClip(dc, x, y) || !PatternAt(dc, s, x, y, rgb)) continue;
      uint32_t dst = ReadRGB(b, x, y);
      if (dc.S.Rop2 != R2_COPYPEN) {
        // Other raster operations act on whole pixels only.
        if (cover >= 128) WriteRGB(b, x, y, Rop2(dc.S.Rop2, rgb, dst));
      } else {
        WriteRGB(b, x, y, cover == 255 ? rgb : Blend(rgb, dst, cover));
      }
    }
  Forward(dc, x0, y0, x1 - x0, y1 - y0, &m);
}

}  // namespace detail

using namespace detail;

int FillRect(HDC h, const RECT* rc, HBRUSH hb) {
  auto dc = DCOf(h);
  auto brush = As<Brush>(hb, OBJ_BRUSH);
  if (!dc || !rc || !brush) return 0;
  int l = int(std::lround(dc->DX(rc->left))), t = int(std::lround(dc->DY(rc->top)));
  int r = int(std::lround(dc->DX(rc->right))), b = int(std::lround(dc->DY(rc->bottom)));
  int saved = dc->S.Rop2;
  dc->S.Rop2 = R2_COPYPEN;  // FillRect ignores the mix mode
  Mask area = RectMask(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b));
  Outline o;
  o.Area = &area;
  PaintOutline(*dc, area, BrushSource(*dc, brush.get()), o);
  dc->S.Rop2 = saved;
  return 1;
}

BOOL FillRgn(HDC h, HRGN rgn, HBRUSH hb) {
  auto dc = DCOf(h);
  auto r = As<Region>(rgn, OBJ_REGION);
  auto brush = As<Brush>(hb, OBJ_BRUSH);
  if (!dc || !r || !brush) return FALSE;
  int saved = dc->S.Rop2;
  dc->S.Rop2 = R2_COPYPEN;
  Outline o;
  o.Area = &r->Area;
  PaintOutline(*dc, r->Area, BrushSource(*dc, brush.get()), o);
  dc->S.Rop2 = saved;
  return TRUE;
}

namespace {

struct DeviceRect {
  int X, Y, W, H;
};

DeviceRect ToDevice(const DC& dc, int x, int y, int w, int h) {
  int l = int(std::lround(dc.DX(x))), t = int(std::lround(dc.DY(y)));
  int r = int(std::lround(dc.DX(x + w))), b = int(std::lround(dc.DY(y + h)));
  return {l, t, r - l, b - t};
}

bool UsesSource(DWORD rop) {
  unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 2) & 0x33) != (t & 0x33);
}

// Copies src (device rectangle s) into dst (device rectangle d) by a
// ternary raster operation, sampling the nearest source pixel; negative
// widths or heights mirror. Source pixels outside the bitmap are never read.
void Blit(DC& dst, DeviceRect d, DC* src, DeviceRect s, DWORD rop) {
  Bitmap& db = *dst.S.CurBitmap;
  Source pat = BrushSource(dst, nullptr);
  int dx0 = std::min(d.X, d.X + d.W), dx1 = std::max(d.X, d.X + d.W);
  int dy0 = std::min(d.Y, d.Y + d.H), dy1 = std::max(d.Y, d.Y + d.H);
  double fx = d.W ? double(s.W) / d.W : 0, fy = d.H ? double(s.H) / d.H : 0;
  for (int y = std::max(0, dy0); y < std::min(db.Height, dy1); ++y)
    for (int x = std::max(0, dx0); x < std::min(db.Width, dx1); ++x) {
      if (!InClip(dst, x, y)) continue;
      uint32_t srgb = 0;
      if (src) {
        int sx = int(std::floor(s.X + (x + 0.5 - d.X) * fx));
        int sy = int(std::floor(s.Y + (y + 0.5 - d.Y) * fy));
        Bitmap& sb = *src->S.CurBitmap;
        if (sx < 0 || sy < 0 || sx >= sb.Width || sy >= sb.Height) continue;
        srgb = ReadRGB(sb, sx, sy);
      }
      uint32_t prgb = ToRGB(pat.Color);
      if (pat.Hatch >= 0 && !HatchBit(pat.Hatch, x - dst.S.BrushOrg.x, y - dst.S.BrushOrg.y))
        prgb = ToRGB(dst.S.BkColor);
      WriteRGB(db, x, y, Rop3(rop, prgb, srgb, ReadRGB(db, x, y)));
    }
  Forward(dst, dx0, dy0, dx1 - dx0, dy1 - dy0);
}

}  // namespace

BOOL PatBlt(HDC h, int x, int y, int w, int hh, DWORD rop) {
  auto dc = DCOf(h);
  if (!dc || UsesSource(rop)) return FALSE;
  Blit(*dc, ToDevice(*dc, x, y, w, hh), nullptr, {}, rop);
  return TRUE;
}

BOOL StretchBlt(HDC hd, int x, int y, int w, int h, HDC hs, int sx, int sy, int sw, int sh,
                DWORD rop) {
  auto dst = DCOf(hd);
  if (!dst) return FALSE;
  auto src = DCOf(hs);
  if (UsesSource(rop) && !src) return FALSE;
  DeviceRect s = src ? ToDevice(*src, sx, sy, sw, sh) : DeviceRect{};
  Blit(*dst, ToDevice(*dst, x, y, w, h), src.get(), s, rop);
  return TRUE;
}

BOOL BitBlt(HDC hd, int x, int y, int w, int h, HDC hs, int sx, int sy, DWORD rop) {
  return StretchBlt(hd, x, y, w, h, hs, sx, sy, w, h, rop);
}

BOOL AlphaBlend(HDC hd, int x, int y, int w, int h, HDC hs, int sx, int sy, int sw, int sh,
                BLENDFUNCTION bf) {
  auto dst = DCOf(hd);
  auto src = DCOf(hs);
  if (!dst || !src || w < 0 || h < 0 || sw < 0 || sh < 0) return FALSE;
  Bitmap& sb = *src->S.CurBitmap;
  DeviceRect s = ToDevice(*src, sx, sy, sw, sh), d = ToDevice(*dst, x, y, w, h);
  if (s.X < 0 || s.Y < 0 || s.X + s.W > sb.Width || s.Y + s.H > sb.Height) return FALSE;
  if (d.W == 0 || d.H == 0) return TRUE;
  Bitmap& db = *dst->S.CurBitmap;
  bool perPixel = (bf.AlphaFormat & AC_SRC_ALPHA) && sb.Bpp == 32;
  unsigned k = bf.SourceConstantAlpha;
  for (int y1 = std::max(0, d.Y); y1 < std::min(db.Height, d.Y + d.H); ++y1)
    for (int x1 = std::max(0, d.X); x1 < std::min(db.Width, d.X + d.W); ++x1) {
      if (!InClip(*dst, x1, y1)) continue;
      int px = std::min(s.X + s.W - 1, int(s.X + (x1 - d.X + 0.5) * s.W / d.W));
      int py = std::min(s.Y + s.H - 1, int(s.Y + (y1 - d.Y + 0.5) * s.H / d.H));
      const uint8_t* sp = sb.Row(py) + px * (sb.Bpp / 8);
      uint8_t* dp = db.Row(y1) + x1 * (db.Bpp / 8);
      // Premultiplied source: out = src * k + dst * (1 - alpha * k).
      unsigned a = perPixel ? (sp[3] * k + 127) / 255 : k;
      for (int c = 0; c < 3; ++c) {
        unsigned sc = perPixel ? (sp[c] * k + 127) / 255 : (sp[c] * k + 127) / 255;
        dp[c] = uint8_t(std::min(255u, sc + (dp[c] * (255 - a) + 127) / 255));
      }
      if (db.Bpp == 32) dp[3] = uint8_t(std::min(255u, a + (dp[3] * (255 - a) + 127) / 255));
    }
  Forward(*dst, d.X, d.Y, d.W, d.H);
  return TRUE;
}

COLORREF SetPixel(HDC h, int x, int y, COLORREF color) {
  auto dc = DCOf(h);
  if (!dc) return CLR_INVALID;
  int dx = int(std::lround(dc->DX(x))), dy = int(std::lround(dc->DY(y)));
  Bitmap& b = *dc->S.CurBitmap;
  if (dx < 0 || dy < 0 || dx >= b.Width || dy >= b.Height || !InClip(*dc, dx, dy))
    return CLR_INVALID;
  WriteRGB(b, dx, dy, ToRGB(color));
  Forward(*dc, dx, dy, 1, 1);
  return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC h, int x, int y) {
  auto dc = DCOf(h);
  if (!dc) return CLR_INVALID;
  int dx = int(std::lround(dc->DX(x))), dy = int(std::lround(dc->DY(y)));
  Bitmap& b = *dc->S.CurBitmap;
  if (dx < 0 || dy < 0 || dx >= b.Width || dy >= b.Height || !InClip(*dc, dx, dy))
    return CLR_INVALID;
  return ToRGB(ReadRGB(b, dx, dy));  // the swap is its own inverse
}

}  // namespace gdi
