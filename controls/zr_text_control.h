#pragma once
// TzrTextControl: the base of every styled control that shows one caption.
// It owns the caption, its font, its brush, the alignments and a word-wrap
// flag, and pushes them into the part named "text" of its applied style at
// every style application; the style's "foreground" brush, when it has one,
// gives the caption colour. The fields are the truth, the part is a view:
// a new style (first display, Resource change, scene style change) shows the
// same caption.

#include <memory>
#include <string>

#include "scene/zr_canvas.h"
#include "scene/zr_control.h"

class TzrFont;
class TzrBrush;
class TzrText;

class TzrTextControl : public TzrControl {
 public:
  explicit TzrTextControl(TComponent* AOwner);
  ~TzrTextControl() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  const std::u16string& GetText() const { return FText; }
  // An equal text does nothing; otherwise the "text" part (or a style root
  // that is a text) shows it, or the control repaints.
  virtual void SetText(const std::u16string& Value);
  TzrFont* GetFont() const { return FFont.get(); }
  void SetFont(TzrFont* Value);
  TzrBrush* GetFontFill() const { return FFontFill.get(); }
  void SetFontFill(TzrBrush* Value);
  TzrTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TzrTextAlign Value);
  TzrTextAlign GetVertTextAlign() const { return FVertTextAlign; }
  void SetVertTextAlign(TzrTextAlign Value);
  virtual bool GetWordWrap() const { return FWordWrap; }
  virtual void SetWordWrap(bool Value);

  void ApplyStyle() override;
  virtual void FontChanged(TObject* Sender);
  void FontFillChanged(TObject* Sender);

  // The caption as wide text.
  Variant GetData() override;
  // Null empties the caption, a date-time shows its default text, anything
  // else its text.
  void SetData(const Variant& Value) override;

 protected:
  // The style's "text" part when it is a text object.
  TzrText* TextPart();

  bool FWordWrap = false;

 private:
  std::unique_ptr<TzrFont> FFont;
  TzrTextAlign FTextAlign = zrTextAlignCenter;
  TzrTextAlign FVertTextAlign = zrTextAlignCenter;
  std::unique_ptr<TzrBrush> FFontFill;
  std::u16string FText;
};
