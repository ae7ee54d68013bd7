#pragma once
// A node that owns one value object of each kind under the property names
// visual objects use, so that tests can stream them as a form would.

#include <memory>

#include "scene/zr_brush.h"
#include "scene/zr_font.h"
#include "scene/zr_object.h"
#include "scene/zr_position.h"

class TTestValueHolder : public TzrObject {
 public:
  explicit TTestValueHolder(TComponent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrPosition* GetPosition() const { return Position.get(); }
  void SetPosition(TzrPosition* Value) { Position->Assign(Value); }
  TzrBounds* GetPadding() const { return Padding.get(); }
  void SetPadding(TzrBounds* Value) { Padding->Assign(Value); }
  TzrBrush* GetFill() const { return Fill.get(); }
  void SetFill(TzrBrush* Value) { Fill->Assign(Value); }
  TzrFont* GetFont() const { return Font.get(); }
  void SetFont(TzrFont* Value) { Font->Assign(Value); }

  // Position defaults to (0.5, 0.5), Padding to (1, 2, 3, 4), Fill to solid black.
  std::unique_ptr<TzrPosition> Position;
  std::unique_ptr<TzrBounds> Padding;
  std::unique_ptr<TzrBrush> Fill;
  std::unique_ptr<TzrFont> Font;
};

// The text form of the holder's stream, and a fresh holder read from it.
std::string HolderText(TzrObject& Holder);
void LoadHolderText(TzrObject& Holder, const std::string& Text);
