#pragma once
// Small stand-ins for the controls the message popup and the action links
// reach by class name: a text control with Text, TextAlign and Font, a
// label, a layout, a button with ModalResult, Default and Cancel (a click
// gives the result to the form hosting its scene) and an image with Bitmap.
// They carry only the published properties those callers set.

#include <memory>
#include <string>

#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_control.h"
#include "scene/zr_font.h"

class TzrTextControl : public TzrControl {
 public:
  explicit TzrTextControl(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  const std::u16string& GetText() const { return FText; }
  void SetText(const std::u16string& Value) { FText = Value; }
  TzrTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TzrTextAlign Value) { FTextAlign = Value; }
  TzrFont* GetFont() const { return FFont.get(); }
  void SetFont(TzrFont* Value) { FFont->Assign(Value); }
  void Paint() override;
  TzrColor Color = 0xFFFFFFFF;

 private:
  std::u16string FText;
  TzrTextAlign FTextAlign = zrTextAlignCenter;
  std::unique_ptr<TzrFont> FFont;
};

class TzrLabel : public TzrTextControl {
 public:
  using TzrTextControl::TzrTextControl;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrLayout : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrButton : public TzrTextControl {
 public:
  explicit TzrButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  int GetModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  void Click() override;
  void Paint() override;

 private:
  int FModalResult = 0;
  bool FDefault = false;
  bool FCancel = false;
};

class TzrImage : public TzrControl {
 public:
  explicit TzrImage(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(TzrBitmap* Value) { FBitmap->Assign(Value); }
  void Paint() override;

 private:
  std::unique_ptr<TzrBitmap> FBitmap;
};

// Registers the stand-ins with the class registry (once).
void RegisterStandIns();
