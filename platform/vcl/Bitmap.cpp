// Graphics base, the device-independent bitmap and its canvas.

#include <cairo.h>

#include <algorithm>
#include <cstring>

#include "platform/gdiplus/GdiPlusCodec.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsCodec.h"

using namespace gdi;

// ---------------- graphic ----------------

const TClassInfo* TGraphic::Class() {
  static const TClassInfo* info = TClassDecl<TGraphic>("TGraphic", TPersistent::Class());
  return info;
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::LoadFromFile(const std::string& FileName) {
  TFileStream stream(FileName, fmOpenRead);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}

// ---------------- bitmap canvas ----------------

class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}

 protected:
  void CreateHandle() override { FHandle = FBitmap->BitmapDC(); }

 private:
  TBitmap* FBitmap;
};

// ---------------- bitmap ----------------

const TClassInfo* TBitmap::Class() {
  static const TClassInfo* info = TClassDecl<TBitmap>("TBitmap", TGraphic::Class());
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FCanvas.reset();
  FreeContext();
  if (FHandle) DeleteObject(FHandle);
}

void TBitmap::FreeContext() {
  if (FDC) DeleteDC(FDC);
  FDC = nullptr;
}

HDC TBitmap::BitmapDC() {
  if (!FDC) {
    FDC = CreateCompatibleDC(nullptr);
    if (FHandle) SelectObject(FDC, FHandle);
  }
  return FDC;
}

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TBitmapCanvas>(this);
    FCanvas->OnChange = [this](TObject*) { Changed(); };
  }
  return FCanvas.get();
}

HBITMAP TBitmap::GetHandle() { return FHandle; }

namespace {

void CopyPixel(const uint8_t* from, int fromBpp, uint8_t* to, int toBpp) {
  to[0] = from[0], to[1] = from[1], to[2] = from[2];
  if (toBpp == 32) to[3] = fromBpp == 32 ? from[3] : 255;
}

}  // namespace

void TBitmap::NewImage(int AWidth, int AHeight, int Bpp, bool KeepPixels) {
  AWidth = std::max(0, AWidth), AHeight = std::max(0, AHeight);
  HBITMAP handle = nullptr;
  uint8_t* bits = nullptr;
  int stride = 0;
  if (AWidth > 0 && AHeight > 0) {
    BITMAPINFO bi;
    bi.bmiHeader.biWidth = AWidth;
    bi.bmiHeader.biHeight = -AHeight;
    bi.bmiHeader.biBitCount = WORD(Bpp);
    void* p = nullptr;
    handle = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    if (!handle) throw EOutOfResources("Out of system resources");
    bits = static_cast<uint8_t*>(p);
    stride = ((AWidth * Bpp + 31) / 32) * 4;
    std::memset(bits, 0xFF, size_t(stride) * size_t(AHeight));  // white
    int oldBpp = BitsPerPixel();
    if (KeepPixels && FBits)
      for (int y = 0; y < std::min(AHeight, FHeight); ++y)
        for (int x = 0; x < std::min(AWidth, FWidth); ++x)
          CopyPixel(FBits + size_t(y) * size_t(FStride) + size_t(x) * size_t(oldBpp / 8), oldBpp,
                    bits + size_t(y) * size_t(stride) + size_t(x) * size_t(Bpp / 8), Bpp);
  }
  // An empty bitmap leaves its context drawing on the old pixels, which the
  // context keeps alive; nothing shows them any more.
  if (FDC && handle) SelectObject(FDC, handle);
  if (FHandle) DeleteObject(FHandle);
  FHandle = handle;
  FBits = bits;
  FStride = stride;
  FWidth = handle ? AWidth : 0;
  FHeight = handle ? AHeight : 0;
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  NewImage(AWidth, AHeight, BitsPerPixel(), true);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value != pf24bit && Value != pf32bit && Value != pfDevice)
    throw EInvalidGraphicOperation("Unsupported pixel format");
  if (Value == FPixelFormat) return;
  int bpp = Value == pf24bit ? 24 : 32;
  if (bpp != BitsPerPixel() && FHandle) {
    int oldBpp = BitsPerPixel();
    // Convert through a copy in the old format.
    std::vector<uint8_t> old(FBits, FBits + size_t(FStride) * size_t(FHeight));
    int oldStride = FStride;
    NewImage(FWidth, FHeight, bpp, false);
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        CopyPixel(&old[size_t(y) * size_t(oldStride) + size_t(x) * size_t(oldBpp / 8)], oldBpp,
                  FBits + size_t(y) * size_t(FStride) + size_t(x) * size_t(bpp / 8), bpp);
  }
  FPixelFormat = Value;
  Changed();
}

uint8_t* TBitmap::GetScanLine(int Y) {
  if (Y < 0 || Y >= FHeight || !FBits)
    throw EInvalidGraphicOperation("Scan line index out of range");
  return FBits + size_t(Y) * size_t(FStride);
}

TColor TBitmap::GetTransparentColor() {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (!FBits) return clDefault;
  const uint8_t* p = GetScanLine(FHeight - 1);
  return TColor(RGB(p[2], p[1], p[0]));
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor && FTransparentMode == tmFixed) return;
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  if (Value == tmAuto) FTransparentColor = clDefault;
  FTransparentMode = Value;
  Changed();
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    NewImage(0, 0, BitsPerPixel(), false);
    Changed();
    return;
  }
  if (auto* source = dynamic_cast<TBitmap*>(Source)) {
    if (source == this) return;
    FPixelFormat = source->FPixelFormat;
    NewImage(source->FWidth, source->FHeight, source->BitsPerPixel(), false);
    if (FBits) std::memcpy(FBits, source->FBits, size_t(FStride) * size_t(FHeight));
    FTransparent = source->FTransparent;
    FTransparentColor = source->FTransparentColor;
    FTransparentMode = source->FTransparentMode;
    Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    NewImage(graphic->GetWidth(), graphic->GetHeight(), BitsPerPixel(), false);
    if (FHandle) GetCanvas()->Draw(0, 0, graphic);
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
  if (!FHandle || !ACanvas) return;
  HDC dst = ACanvas->GetHandle();
  if (!FTransparent) {
    StretchBlt(dst, R.Left, R.Top, R.Width(), R.Height(), BitmapDC(), 0, 0, FWidth, FHeight,
               ACanvas->GetCopyMode());
    return;
  }
  // Pixels of the transparent colour are left out.
  COLORREF key = ColorToRGB(GetTransparentColor());
  int w = R.Width(), h = R.Height();
  for (int y = 0; y < std::abs(h); ++y)
    for (int x = 0; x < std::abs(w); ++x) {
      int sx = std::min(FWidth - 1, int((x + 0.5) * FWidth / std::abs(w)));
      int sy = std::min(FHeight - 1, int((y + 0.5) * FHeight / std::abs(h)));
      const uint8_t* p = GetScanLine(sy) + sx * (BitsPerPixel() / 8);
      COLORREF c = RGB(p[2], p[1], p[0]);
      if (c != key) SetPixel(dst, R.Left + (w < 0 ? -x : x), R.Top + (h < 0 ? -y : y), c);
    }
}

void TBitmap::LoadFromStream(TStream& Stream) {
  DecodedPixels image = DecodeGraphic(Stream);
  FPixelFormat = image.Opaque ? pf24bit : pf32bit;
  NewImage(image.Width, image.Height, BitsPerPixel(), false);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      CopyPixel(&image.Bgra[(size_t(y) * size_t(FWidth) + size_t(x)) * 4], 32,
                GetScanLine(y) + x * (BitsPerPixel() / 8), BitsPerPixel());
  Changed();
}

void TBitmap::SaveToStream(TStream& Stream) {
  std::vector<uint8_t> bgra(size_t(FWidth) * size_t(FHeight) * 4);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      CopyPixel(GetScanLine(y) + x * (BitsPerPixel() / 8), BitsPerPixel(),
                &bgra[(size_t(y) * size_t(FWidth) + size_t(x)) * 4], 32);
  std::vector<uint8_t> bytes = EncodeGraphic(bgra, FWidth, FHeight, u"image/bmp");
  Stream.WriteBuffer(bytes.data(), int32_t(bytes.size()));
}
