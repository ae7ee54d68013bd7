// Handles, pens, brushes, fonts, bitmaps and the stock objects.

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/GdiInternal.h"

namespace gdi {
namespace detail {

namespace {

struct Table {
  std::mutex Lock;
  std::unordered_map<uintptr_t, std::shared_ptr<Object>> Live;
  uintptr_t Next = 0x10000;
};
Table& Handles() {
  static Table* table = new Table;  // outlives every static object that frees handles
  return *table;
}

}  // namespace

HGDIOBJ Register(std::shared_ptr<Object> object) {
  Table& t = Handles();
  std::lock_guard<std::mutex> lock(t.Lock);
  uintptr_t id = t.Next;
  t.Next += 4;
  object->Handle = reinterpret_cast<HGDIOBJ>(id);
  t.Live[id] = std::move(object);
  return reinterpret_cast<HGDIOBJ>(id);
}

std::shared_ptr<Object> Lookup(HGDIOBJ h) {
  Table& t = Handles();
  std::lock_guard<std::mutex> lock(t.Lock);
  auto it = t.Live.find(reinterpret_cast<uintptr_t>(h));
  return it == t.Live.end() ? nullptr : it->second;
}

void Unregister(HGDIOBJ h) {
  Table& t = Handles();
  std::lock_guard<std::mutex> lock(t.Lock);
  t.Live.erase(reinterpret_cast<uintptr_t>(h));
}

std::shared_ptr<Bitmap> NewBitmap(int w, int h, int bpp) {
  auto b = std::make_shared<Bitmap>();
  b->Width = w;
  b->Height = h;
  b->Bpp = bpp;
  b->Stride = ((w * bpp + 31) / 32) * 4;
  b->Bits.assign(size_t(b->Stride) * size_t(h), 0);
  return b;
}

namespace {

HGDIOBJ MakeStock(int i) {
  auto brush = [](UINT style, COLORREF c, bool dc = false) {
    auto b = std::make_shared<Brush>();
    b->Style = style;
    b->Color = c;
    b->FollowsDCColor = dc;
    b->Stock = true;
    return Register(b);
  };
  auto pen = [](DWORD style, COLORREF c, bool dc = false) {
    auto p = std::make_shared<Pen>();
    p->Style = style;
    p->Color = c;
    p->FollowsDCColor = dc;
    p->Stock = true;
    return Register(p);
  };
  switch (i) {
    case WHITE_BRUSH:
      return brush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
      return brush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
      return brush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
      return brush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
      return brush(BS_SOLID, 0);
    case NULL_BRUSH:
      return brush(BS_NULL, 0);
    case WHITE_PEN:
      return pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN:
      return pen(PS_SOLID, 0);
    case NULL_PEN:
      return pen(PS_NULL, 0);
    case DC_BRUSH:
      return brush(BS_SOLID, 0, true);
    case DC_PEN:
      return pen(PS_SOLID, 0, true);
    case DEFAULT_GUI_FONT: {
      auto f = std::make_shared<Font>();
      f->Log.lfHeight = -11;
      const char16_t name[] = u"Tahoma";
      std::memcpy(f->Log.lfFaceName, name, sizeof(name));
      f->Stock = true;
      return Register(f);
    }
    default:
      return nullptr;
  }
}

}  // namespace
}  // namespace detail

using namespace detail;

HGDIOBJ GetStockObject(int i) {
  static std::mutex lock;
  static HGDIOBJ stock[DC_PEN + 1] = {};
  if (i < 0 || i > DC_PEN) return nullptr;
  std::lock_guard<std::mutex> guard(lock);
  if (!stock[i]) stock[i] = MakeStock(i);
  return stock[i];
}

BOOL DeleteObject(HGDIOBJ h) {
  auto o = Lookup(h);
  if (!o || o->Kind == OBJ_DC) return FALSE;
  // A device context keeps what it has selected alive until it selects
  // something else, so deleting a selected object never leaves it dangling.
  if (!o->Stock) Unregister(h);
  return TRUE;
}

DWORD GetObjectType(HGDIOBJ h) {
  auto o = Lookup(h);
  return o ? o->Kind : 0;
}

namespace {

// The handle of a selected object; a deleted object's handle is no longer live.
HGDIOBJ HandleOf(const std::shared_ptr<Object>& o) { return o ? o->Handle : nullptr; }

template <class T>
HGDIOBJ Swap(std::shared_ptr<T>& slot, std::shared_ptr<Object> o) {
  HGDIOBJ old = HandleOf(slot);
  slot = std::static_pointer_cast<T>(o);
  return old;
}

}  // namespace

HGDIOBJ SelectObject(HDC h, HGDIOBJ obj) {
  auto dc = DCOf(h);
  auto o = Lookup(obj);
  if (!dc || !o) return nullptr;
  switch (o->Kind) {
    case OBJ_PEN:
      return Swap(dc->S.CurPen, o);
    case OBJ_BRUSH:
      return Swap(dc->S.CurBrush, o);
    case OBJ_FONT:
      return Swap(dc->S.CurFont, o);
    case OBJ_BITMAP:
      if (dc->Vector) return nullptr;  // a surface's page stays selected
      return Swap(dc->S.CurBitmap, o);
    case OBJ_REGION:
      return HGDIOBJ(uintptr_t(SelectClipRgn(h, obj)));
    default:
      return nullptr;
  }
}

HGDIOBJ GetCurrentObject(HDC h, UINT type) {
  auto dc = DCOf(h);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return HandleOf(dc->S.CurPen);
    case OBJ_BRUSH:
      return HandleOf(dc->S.CurBrush);
    case OBJ_FONT:
      return HandleOf(dc->S.CurFont);
    case OBJ_BITMAP:
      return HandleOf(dc->S.CurBitmap);
    default:
      return nullptr;
  }
}

int GetObjectW(HGDIOBJ h, int size, void* out) {
  auto o = Lookup(h);
  if (!o || !out) return 0;
  auto copy = [&](const auto& value) {
    if (size < int(sizeof(value))) return 0;
    std::memcpy(out, &value, sizeof(value));
    return int(sizeof(value));
  };
  switch (o->Kind) {
    case OBJ_PEN: {
      auto& p = static_cast<Pen&>(*o);
      LOGPEN lp;
      lp.lopnStyle = p.Style;
      lp.lopnWidth.x = p.Width;
      lp.lopnColor = p.Color;
      return copy(lp);
    }
    case OBJ_BRUSH: {
      auto& b = static_cast<Brush&>(*o);
      LOGBRUSH lb;
      lb.lbStyle = b.Style;
      lb.lbColor = b.Color;
      lb.lbHatch = uintptr_t(b.Hatch);
      return copy(lb);
    }
    case OBJ_FONT:
      return copy(static_cast<Font&>(*o).Log);
    case OBJ_BITMAP: {
      auto& b = static_cast<Bitmap&>(*o);
      BITMAP bm;
      bm.bmWidth = b.Width;
      bm.bmHeight = b.Height;
      bm.bmWidthBytes = b.Stride;
      bm.bmBitsPixel = WORD(b.Bpp);
      bm.bmBits = b.Bits.data();
      return copy(bm);
    }
    default:
      return 0;
  }
}

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style < 0 || style > int(PS_INSIDEFRAME)) return nullptr;
  auto p = std::make_shared<Pen>();
  // A wide cosmetic pen is drawn as a solid geometric one, as the platform does.
  p->Width = width < 1 ? 1 : width;
  p->Style = DWORD(style);
  if (p->Width > 1)
    p->Style =
        PS_GEOMETRIC | PS_ENDCAP_ROUND | PS_JOIN_ROUND | (style == PS_NULL ? PS_NULL : PS_SOLID);
  p->Color = color;
  return Register(p);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount,
                  const DWORD* styleEntries) {
  if (!brush || brush->lbStyle != BS_SOLID) return nullptr;
  DWORD dash = style & PS_STYLE_MASK;
  bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
  if (dash > PS_ALTERNATE) return nullptr;
  if (dash == PS_USERSTYLE && (styleCount == 0 || styleCount > 16 || !styleEntries)) return nullptr;
  if (dash != PS_USERSTYLE && styleCount != 0) return nullptr;
  if (!geometric && (width != 1 || dash == DWORD(PS_INSIDEFRAME))) return nullptr;
  if (geometric && dash == PS_ALTERNATE) return nullptr;
  auto p = std::make_shared<Pen>();
  p->Style = style;
  p->Width = int(width);
  p->Color = brush->lbColor;
  if (dash == PS_USERSTYLE) p->User.assign(styleEntries, styleEntries + styleCount);
  return Register(p);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (!lb || lb->lbStyle > BS_HATCHED) return nullptr;
  if (lb->lbStyle == BS_HATCHED && lb->lbHatch > uintptr_t(HS_DIAGCROSS)) return nullptr;
  auto b = std::make_shared<Brush>();
  b->Style = lb->lbStyle;
  b->Color = lb->lbColor;
  b->Hatch = int(lb->lbHatch);
  return Register(b);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  LOGBRUSH lb{BS_SOLID, color, 0};
  return CreateBrushIndirect(&lb);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < 0) return nullptr;
  LOGBRUSH lb{BS_HATCHED, color, uintptr_t(hatch)};
  return CreateBrushIndirect(&lb);
}

HFONT CreateFontIndirectW(const LOGFONTW* log) {
  if (!log) return nullptr;
  auto f = std::make_shared<Font>();
  f->Log = *log;
  f->Log.lfFaceName[LF_FACESIZE - 1] = 0;
  return Register(f);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void*, DWORD) {
  if (bits) *bits = nullptr;
  if (!info || usage != DIB_RGB_COLORS) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biCompression != BI_RGB || (h.biBitCount != 24 && h.biBitCount != 32)) return nullptr;
  int64_t w = h.biWidth, ht = h.biHeight < 0 ? -int64_t(h.biHeight) : h.biHeight;
  if (w <= 0 || ht <= 0 || w * ht > 64LL * 1024 * 1024) return nullptr;
  auto b = NewBitmap(int(w), int(ht), h.biBitCount);
  if (bits) *bits = b->Bits.data();
  return Register(b);
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0 || int64_t(width) * height > 64LL * 1024 * 1024) return nullptr;
  return Register(NewBitmap(width, height, 32));
}

namespace detail {
std::shared_ptr<Bitmap> NewDefaultBitmap() { return NewBitmap(1, 1, 32); }
}  // namespace detail

}  // namespace gdi
