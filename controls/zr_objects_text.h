#pragma once
// Content objects of windows and styles: TzrText (one text in a rectangle,
// coloured by the fill brush), TzrImage (a bitmap fitted, stretched, tiled,
// unscaled or nine-sliced into its rectangle) and TzrPaintBox (hands the
// canvas to an event).

#include <functional>
#include <memory>
#include <string>

#include "controls/zr_objects.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_font.h"

class TzrText : public TzrShape {
 public:
  explicit TzrText(TComponent* AOwner);
  ~TzrText() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  const std::u16string& GetText() const { return FText; }
  void SetText(const std::u16string& Value);
  TzrFont* GetFont() const { return FFont.get(); }
  void SetFont(TzrFont* Value);
  TzrTextAlign GetVertTextAlign() const { return FVertTextAlign; }
  void SetVertTextAlign(TzrTextAlign Value);
  TzrTextAlign GetHorzTextAlign() const { return FHorzTextAlign; }
  void SetHorzTextAlign(TzrTextAlign Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool GetStretch() const { return FStretch; }
  void SetStretch(bool Value);

  virtual void FontChanged(TObject* Sender);
  Variant GetData() override;
  void SetData(const Variant& Value) override;
  void Paint() override;
  void Realign() override;
  // Fits the object to its text while AutoSize is on (in a scene, with text).
  void AdjustSize();

 private:
  bool CanAdjust();

  std::u16string FText;
  std::unique_ptr<TzrFont> FFont;
  TzrTextAlign FVertTextAlign = zrTextAlignCenter;
  TzrTextAlign FHorzTextAlign = zrTextAlignCenter;
  bool FWordWrap = true;
  bool FAutoSize = false;
  bool FStretch = false;
};

enum TzrImageWrap { zrImageOriginal, zrImageFit, zrImageStretch, zrImageTile };
const TEnumInfo& zrImageWrapInfo();

class TzrImage : public TzrVisualObject {
 public:
  explicit TzrImage(TComponent* AOwner);
  ~TzrImage() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(TzrBitmap* Value);
  TzrBounds* GetBitmapMargins() const { return FBitmapMargins.get(); }
  void SetBitmapMargins(TzrBounds* Value) { FBitmapMargins->Assign(Value); }
  TzrImageWrap GetWrapMode() const { return FWrapMode; }
  void SetWrapMode(TzrImageWrap Value);
  bool GetDisableInterpolation() const { return FDisableInterpolation; }
  void SetDisableInterpolation(bool Value) { FDisableInterpolation = Value; }

  virtual void DoBitmapChanged(TObject* Sender);
  void DoBitmapLoaded(TObject* Sender);
  // The image itself, as the holder of its bitmap.
  Variant GetData() override;
  // An image's bitmap or another object is copied into the bitmap; anything
  // else is taken as the name of a picture file to load.
  void SetData(const Variant& Value) override;
  void Paint() override;

  TNotifyEvent OnBitmapLoaded;

 private:
  void PaintWrapped(TzrCanvas* Canvas, TzrBitmap& B);
  void PaintNineSlices(TzrCanvas* Canvas, TzrBitmap& B);

  std::unique_ptr<TzrBitmap> FBitmap;
  std::unique_ptr<TzrBounds> FBitmapMargins;
  TzrImageWrap FWrapMode = zrImageFit;
  bool FDisableInterpolation = false;
};

using TzrPaintEvent = std::function<void(TObject* Sender, TzrCanvas* Canvas)>;

class TzrPaintBox : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override;

  TzrPaintEvent OnPaint;
};
