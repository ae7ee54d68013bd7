#pragma once
// The framework's graphics objects: colours, pens, brushes, fonts, the
// canvas and the raster pictures (bitmap, icon, picture). A canvas draws
// through a device context of platform/gdi; pens, brushes and fonts make
// their device objects on first use and again after every change.
//
// Bitmaps are device-independent (24 or 32 bits a pixel, rows top to
// bottom). A 32-bit pixel is bytes B, G, R, A; loaded pictures keep the
// codec's premultiplied alpha, and drawing writes opaque pixels. Files and
// streams are read by the image codecs of the drawing layer (BMP, PNG,
// JPEG, GIF, icons); a bitmap is written as BMP, an icon as an icon file.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Types.h"

class TStream;
class TCanvas;

using TColor = int32_t;  // red in the low byte; negative values are system colours
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBtnFace = TColor(0xFF00000F);
constexpr TColor clWindow = TColor(0xFF000005);
constexpr TColor clWindowText = TColor(0xFF000008);
constexpr TColor clHighlight = TColor(0xFF00000D);
constexpr TColor clBtnShadow = TColor(0xFF000010);
constexpr TColor clGrayText = TColor(0xFF000011);
constexpr TColor clBtnHighlight = TColor(0xFF000014);
constexpr TColor clInfoBk = TColor(0xFF000018);
constexpr TColor clWindowFrame = TColor(0xFF000006);
constexpr TColor cl3DDkShadow = TColor(0xFF000015);
constexpr TColor cl3DLight = TColor(0xFF000016);

// The RGB value of a colour: system colours by the program's fixed scheme,
// clNone and clDefault as black; the top byte cleared.
gdi::COLORREF ColorToRGB(TColor Color);

class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

// Base of pens, brushes and fonts: one change event.
class TGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed();
};

enum TPenStyle {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
  psUserStyle,
  psAlternate
};
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
// The SetROP2 operation of a pen mode.
int PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
 public:
  TPen() = default;
  ~TPen() override;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another pen: colour, width, style and mode, one change.
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode Value);
  // The device pen, made on first use. A handle given to SetHandle is
  // owned by the pen from then on; the pen's fields stay as they were.
  gdi::HPEN GetHandle();
  void SetHandle(gdi::HPEN Value);

 private:
  void Release();
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
  gdi::HPEN FHandle = nullptr;
};

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TBrush : public TGraphicsObject {
 public:
  TBrush() = default;
  ~TBrush() override;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return FColor; }
  // A colour makes a clear brush solid, as the framework does.
  void SetColor(TColor Value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  gdi::HBRUSH GetHandle();
  void SetHandle(gdi::HBRUSH Value);

 private:
  void Release();
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  gdi::HBRUSH FHandle = nullptr;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint8_t;  // bit n for TFontStyle n
constexpr TFontStyles FontStyleBit(TFontStyle S) { return TFontStyles(1u << S); }
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType };

// Name, Height in pixels (negative: the em size, positive: the cell height),
// Size in points at PixelsPerInch (96), Style, Color, Orientation in tenths
// of a degree, Quality.
class TFont : public TGraphicsObject {
 public:
  TFont() = default;
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  const std::string& GetName() const { return FName; }
  void SetName(const std::string& Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  // Points: -Height x 72 / PixelsPerInch, rounded.
  int GetSize() const;
  void SetSize(int Value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetOrientation() const { return FOrientation; }
  void SetOrientation(int Value);
  TFontQuality GetQuality() const { return FQuality; }
  void SetQuality(TFontQuality Value);
  int GetPixelsPerInch() const { return 96; }
  gdi::HFONT GetHandle();
  void SetHandle(gdi::HFONT Value);

 private:
  void Release();
  void Change();
  std::string FName = "Tahoma";
  int FHeight = -11;
  TFontStyles FStyle = 0;
  TColor FColor = clWindowText;
  int FOrientation = 0;
  TFontQuality FQuality = fqDefault;
  gdi::HFONT FHandle = nullptr;
};

// A picture of any kind that a canvas can draw.
class TGraphic : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  virtual int GetWidth() const = 0;
  virtual int GetHeight() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  virtual bool GetEmpty() const { return GetWidth() == 0 || GetHeight() == 0; }
  bool GetTransparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);
  // Draws stretched into the rectangle of the canvas.
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) = 0;
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);
  TNotifyEvent OnChange;

 protected:
  virtual void Changed();
  bool FTransparent = false;
};

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The device context; a canvas made on one of the caller's does not free it.
  gdi::HDC GetHandle() { return RequiredHandle(); }
  void SetHandle(gdi::HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TPen* GetPen() { return &FPen; }
  void SetPen(TPen* Value) { FPen.Assign(Value); }
  TBrush* GetBrush() { return &FBrush; }
  void SetBrush(TBrush* Value) { FBrush.Assign(Value); }
  TFont* GetFont() { return &FFont; }
  void SetFont(TFont* Value) { FFont.Assign(Value); }
  gdi::DWORD GetCopyMode() const { return FCopyMode; }
  void SetCopyMode(gdi::DWORD Value) { FCopyMode = Value; }
  TPoint GetPenPos();
  void SetPenPos(const TPoint& Value) { MoveTo(Value.X, Value.Y); }

  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Polygon(const std::vector<TPoint>& Points);
  void Polyline(const std::vector<TPoint>& Points);
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);
  void TextOut(int X, int Y, const std::u16string& Text);
  void TextOut(int X, int Y, const std::string& Text) { TextOut(X, Y, UTF8ToUTF16(Text)); }
  TSize TextExtent(const std::u16string& Text);
  TSize TextExtent(const std::string& Text) { return TextExtent(UTF8ToUTF16(Text)); }
  int TextWidth(const std::u16string& Text) { return TextExtent(Text).cx; }
  int TextHeight(const std::u16string& Text) { return TextExtent(Text).cy; }
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  // Copies Source's rectangle into Dest with CopyMode.
  void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect);
  TColor GetPixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);

  TNotifyEvent OnChange;

 protected:
  // Gives a handle when the canvas has none; the bitmap canvas makes its own.
  virtual void CreateHandle() {}
  gdi::HDC RequiredHandle();
  void SelectTools();  // pen, brush and font into the context
  void Changed();

  gdi::HDC FHandle = nullptr;

 private:
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  gdi::DWORD FCopyMode = gdi::SRCCOPY;
};

enum TPixelFormat {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another bitmap: a copy of its pixels, format and transparency;
  // nil empties; other graphics are drawn onto a bitmap of their size.
  void Assign(TPersistent* Source) override;

  int GetWidth() const override { return FWidth; }
  int GetHeight() const override { return FHeight; }
  void SetWidth(int Value) override { SetSize(Value, FHeight); }
  void SetHeight(int Value) override { SetSize(FWidth, Value); }
  // Keeps the pixels the sizes share; new pixels are white.
  void SetSize(int AWidth, int AHeight);
  // pfDevice is 32 bits here. pf1bit, pf4bit and pf8bit hold palette
  // indices (the first pixel in the high bits of a byte) with a palette of
  // at most 2, 16 or 256 colours: a colour bitmap turned indexed gets the
  // format's default palette and each pixel its nearest colour; a larger
  // indexed format keeps indices and palette. An indexed bitmap is drawn and
  // saved through its colours and has no canvas of its own. pf15bit,
  // pf16bit and pfCustom are refused.
  TPixelFormat GetPixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);
  int BitsPerPixel() const;
  // The palette of an indexed bitmap (empty for 24 and 32 bits). A palette
  // longer than the format holds raises EInvalidGraphicOperation.
  const std::vector<TColor>& GetPalette() const { return FPalette; }
  void SetPalette(const std::vector<TColor>& Value);
  // Row Y; raises EInvalidGraphicOperation outside the bitmap.
  uint8_t* GetScanLine(int Y);
  TCanvas* GetCanvas();
  gdi::HBITMAP GetHandle();
  // The transparent colour: the bottom left pixel (tmAuto) or the one set.
  TColor GetTransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

 private:
  friend class TBitmapCanvas;
  void NewImage(int AWidth, int AHeight, int Bpp, bool KeepPixels);
  void NewIndexedImage(int AWidth, int AHeight, int Bpp, bool KeepPixels);
  bool Indexed() const { return BitsPerPixel() < 24; }
  TColor PixelColor(int X, int Y);
  void ConvertIndexed(TPixelFormat Value);
  // A 32-bit copy, for drawing and saving an indexed bitmap.
  std::unique_ptr<TBitmap> ColorCopy();
  gdi::HDC BitmapDC();
  void FreeContext();

  int FWidth = 0, FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  gdi::HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;
  int FStride = 0;
  gdi::HDC FDC = nullptr;
  std::unique_ptr<TCanvas> FCanvas;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  std::vector<uint8_t> FIndexed;  // the rows of an indexed bitmap
  std::vector<TColor> FPalette;
};

// An icon: 32-bit pixels with straight alpha drawn blended.
class TIcon : public TGraphic {
 public:
  TIcon();
  ~TIcon() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  int GetWidth() const override;
  int GetHeight() const override;
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  void SetSize(int AWidth, int AHeight);
  // Premultiplied B, G, R, A rows.
  TBitmap* GetPixels() { return FImage.get(); }
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

 private:
  std::unique_ptr<TBitmap> FImage;
};

// Holds one graphic of any kind.
class TPicture : public TPersistent {
 public:
  TPicture() = default;
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From a picture: a copy of its graphic; from a graphic: a copy of it;
  // nil empties.
  void Assign(TPersistent* Source) override;

  TGraphic* GetGraphic() const { return FGraphic.get(); }
  // Takes a copy of Value (nil empties).
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap (a graphic of another kind is replaced by an
  // empty bitmap); the icon likewise.
  TBitmap* GetBitmap();
  TIcon* GetIcon();
  int GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
  int GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }
  // ".ico" files become icons, anything else a bitmap.
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);
  TNotifyEvent OnChange;

 protected:
  virtual void Changed(TObject* Sender);
  void TakeGraphic(std::unique_ptr<TGraphic> Value);

 private:
  std::unique_ptr<TGraphic> FGraphic;
};
