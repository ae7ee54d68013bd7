#pragma once
// A windowless caption heading a group of controls, with a bevel line
// running out to either side of the text (lowered or raised), or a drawn
// shape beside it.

#include <memory>

#include "controls/XwExControls.h"

class TXwGroupHeaderOptions : public TPersistent {
 public:
  TXwGroupHeaderOptions();
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwGroupHeaderOptions"; }
  // Copies brush, height, pen, shape and style with one change notice.
  void Assign(TPersistent* Source) override;

  TBrush* GetBrush() { return &FBrush; }
  void SetBrush(TBrush* value) { FBrush.Assign(value); }
  TPen* GetPen() { return &FPen; }
  void SetPen(TPen* value) { FPen.Assign(value); }
  int GetHeight() const { return FHeight; }
  void SetHeight(int value);
  TShapeType GetShape() const { return FShape; }
  void SetShape(TShapeType value);
  TXwBevelStyle GetStyle() const { return FStyle; }
  void SetStyle(TXwBevelStyle value);

  TNotifyEvent FOnChange;

 private:
  void Changed();
  TBrush FBrush;
  TPen FPen;
  int FHeight = 2;
  TShapeType FShape = stRectangle;
  TXwBevelStyle FStyle = bsLowered;
  bool FSilent = false;
};

class TXwGroupHeader : public TXwExGraphicControl {
 public:
  explicit TXwGroupHeader(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwGroupHeader"; }

  std::string GetCaption() const { return GetText(); }
  void SetCaption(const std::string& value) { SetText(value); }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TXwLayout GetLayout() const { return FLayout; }
  void SetLayout(TXwLayout value);
  TXwGroupHeaderOptions* GetBevelOptions() { return &FBevelOptions; }
  void SetBevelOptions(TXwGroupHeaderOptions* value) { FBevelOptions.Assign(value); }
  int GetBevelSpace() const { return FBevelSpace; }
  void SetBevelSpace(int value);
  int GetPositionOffset() const { return FPositionOffset; }
  void SetPositionOffset(int value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);

 protected:
  virtual void BevelOptionsChanged(TObject* Sender);
  virtual void BevelLine(TColor color, int x, int width, int y);
  virtual void DoDrawText(TRect& rect, unsigned flags);
  virtual std::string GetLabelText() const { return GetCaption(); }
  void TextChanged() override;
  void FontChanged() override;
  void Paint() override;

 private:
  void DrawShape(int left, int y);
  TAlignment FAlignment = taLeftJustify;
  TXwLayout FLayout = lTop;
  TXwGroupHeaderOptions FBevelOptions;
  int FBevelSpace = 12;
  int FPositionOffset = 0;
  bool FTransparent = false;
};

// Registers the group header for form streams.
void RegisterXwGroupHeaderClasses();
