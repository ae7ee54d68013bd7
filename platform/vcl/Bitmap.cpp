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
  if (Indexed()) throw EInvalidGraphicOperation("An indexed bitmap has no canvas");
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

int FormatBits(TPixelFormat format) {
  switch (format) {
    case pf1bit:
      return 1;
    case pf4bit:
      return 4;
    case pf8bit:
      return 8;
    case pf24bit:
      return 24;
    default:
      return 32;
  }
}

// Palette index x of a row of bpp-bit indices; the first pixel is in the high bits.
int IndexOf(const uint8_t* row, int x, int bpp) {
  const int perByte = 8 / bpp, shift = (perByte - 1 - x % perByte) * bpp;
  return (row[x / perByte] >> shift) & ((1 << bpp) - 1);
}

void PutIndex(uint8_t* row, int x, int bpp, int index) {
  const int perByte = 8 / bpp, shift = (perByte - 1 - x % perByte) * bpp;
  const int mask = ((1 << bpp) - 1) << shift;
  row[x / perByte] = uint8_t((row[x / perByte] & ~mask) | ((index << shift) & mask));
}

// Black and white; the 16 standard colours; those, a 6 x 6 x 6 colour cube
// and 24 greys.
std::vector<TColor> DefaultPalette(int bpp) {
  if (bpp == 1) return {clBlack, clWhite};
  std::vector<TColor> palette = {clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                 clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                 clBlue,  clFuchsia, clAqua,   clWhite};
  if (bpp == 4) return palette;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) palette.push_back(TColor(RGB(r * 51, g * 51, b * 51)));
  for (int i = 1; i <= 24; ++i) palette.push_back(TColor(RGB(i * 10, i * 10, i * 10)));
  return palette;
}

int NearestIndex(const std::vector<TColor>& palette, TColor color) {
  int best = 0, bestDistance = 1 << 30;
  for (size_t i = 0; i < palette.size(); ++i) {
    const int dr = GetRValue(palette[i]) - GetRValue(color);
    const int dg = GetGValue(palette[i]) - GetGValue(color);
    const int db = GetBValue(palette[i]) - GetBValue(color);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) best = int(i), bestDistance = distance;
  }
  return best;
}

}  // namespace

int TBitmap::BitsPerPixel() const { return FormatBits(FPixelFormat); }

void TBitmap::NewIndexedImage(int AWidth, int AHeight, int Bpp, bool KeepPixels) {
  if (AWidth <= 0 || AHeight <= 0) AWidth = AHeight = 0;
  const int stride = ((AWidth * Bpp + 31) / 32) * 4;
  std::vector<uint8_t> rows(size_t(stride) * size_t(AHeight), 0);
  if (KeepPixels && FBits)
    for (int y = 0; y < std::min(AHeight, FHeight); ++y)
      for (int x = 0; x < std::min(AWidth, FWidth); ++x)
        PutIndex(&rows[size_t(y) * size_t(stride)], x, Bpp,
                 IndexOf(FBits + size_t(y) * size_t(FStride), x, Bpp));
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
  FIndexed = std::move(rows);
  FBits = FIndexed.empty() ? nullptr : FIndexed.data();
  FStride = stride;
  FWidth = AWidth;
  FHeight = AHeight;
}

TColor TBitmap::PixelColor(int X, int Y) {
  const uint8_t* row = GetScanLine(Y);
  if (!Indexed()) {
    const uint8_t* p = row + X * (BitsPerPixel() / 8);
    return TColor(RGB(p[2], p[1], p[0]));
  }
  const int index = IndexOf(row, X, BitsPerPixel());
  return index < int(FPalette.size()) ? FPalette[size_t(index)] : clBlack;
}

// Changes to or from an indexed format (FPixelFormat is still the old one).
void TBitmap::ConvertIndexed(TPixelFormat Value) {
  const int oldBpp = BitsPerPixel(), bpp = FormatBits(Value);
  const int w = FWidth, h = FHeight;
  if (oldBpp < 24 && bpp < 24 && bpp >= oldBpp) {
    std::vector<int> indices;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) indices.push_back(IndexOf(GetScanLine(y), x, oldBpp));
    NewIndexedImage(w, h, bpp, false);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        PutIndex(FBits + size_t(y) * size_t(FStride), x, bpp, indices[size_t(y * w + x)]);
    return;
  }
  std::vector<TColor> colors;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) colors.push_back(PixelColor(x, y));
  if (bpp < 24) {
    FPalette = DefaultPalette(bpp);
    NewIndexedImage(w, h, bpp, false);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        PutIndex(FBits + size_t(y) * size_t(FStride), x, bpp,
                 NearestIndex(FPalette, colors[size_t(y * w + x)]));
    return;
  }
  FPalette.clear();
  NewImage(w, h, bpp, false);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      const TColor c = colors[size_t(y * w + x)];
      const uint8_t pixel[4] = {uint8_t(GetBValue(c)), uint8_t(GetGValue(c)), uint8_t(GetRValue(c)),
                                255};
      CopyPixel(pixel, 32, GetScanLine(y) + x * (bpp / 8), bpp);
    }
}

void TBitmap::SetPalette(const std::vector<TColor>& Value) {
  if (!Indexed() || Value.size() > (size_t(1) << BitsPerPixel()))
    throw EInvalidGraphicOperation("The palette does not fit the pixel format");
  FPalette = Value;
  Changed();
}

std::unique_ptr<TBitmap> TBitmap::ColorCopy() {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(this);
  copy->SetPixelFormat(pf32bit);
  return copy;
}

void TBitmap::NewImage(int AWidth, int AHeight, int Bpp, bool KeepPixels) {
  if (Bpp < 24) {
    NewIndexedImage(AWidth, AHeight, Bpp, KeepPixels);
    return;
  }
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
  FIndexed.clear();
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  NewImage(AWidth, AHeight, BitsPerPixel(), true);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pf15bit || Value == pf16bit || Value == pfCustom)
    throw EInvalidGraphicOperation("Unsupported pixel format");
  if (Value == FPixelFormat) return;
  int bpp = FormatBits(Value);
  if (bpp < 24 || Indexed()) {
    ConvertIndexed(Value);
  } else if (bpp != BitsPerPixel() && FHandle) {
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
  return PixelColor(0, FHeight - 1);
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
    FPalette = source->FPalette;
    FTransparent = source->FTransparent;
    FTransparentColor = source->FTransparentColor;
    FTransparentMode = source->FTransparentMode;
    Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source); graphic && Indexed()) {
    TBitmap colors;
    colors.Assign(graphic);
    colors.SetPixelFormat(FPixelFormat);
    Assign(&colors);
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
  if (Indexed() && FBits && ACanvas) {
    ColorCopy()->Draw(ACanvas, R);
    return;
  }
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
  FPalette.clear();
  NewImage(image.Width, image.Height, BitsPerPixel(), false);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      CopyPixel(&image.Bgra[(size_t(y) * size_t(FWidth) + size_t(x)) * 4], 32,
                GetScanLine(y) + x * (BitsPerPixel() / 8), BitsPerPixel());
  Changed();
}

void TBitmap::SaveToStream(TStream& Stream) {
  if (Indexed()) {
    ColorCopy()->SaveToStream(Stream);
    return;
  }
  std::vector<uint8_t> bgra(size_t(FWidth) * size_t(FHeight) * 4);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      CopyPixel(GetScanLine(y) + x * (BitsPerPixel() / 8), BitsPerPixel(),
                &bgra[(size_t(y) * size_t(FWidth) + size_t(x)) * 4], 32);
  std::vector<uint8_t> bytes = EncodeGraphic(bgra, FWidth, FHeight, u"image/bmp");
  Stream.WriteBuffer(bytes.data(), int32_t(bytes.size()));
}
