#pragma once
// Controls that make a scene look and act like a window frame:
// - TzrCloseButton closes the hosting form when released after a press on
//   it, wherever the pointer is released, then fires its OnClick;
// - TzrSizeGrip is the handle by which the scene resizes its hosting window
//   (the scene recognises it by IzrSizeGrip);
// - TzrStatusBar (bottom, with a size grip from its style) and TzrToolBar
//   (top);
// - TzrWindow, a captioned frame whose style brings a close button and a
//   size grip; TzrHudWindow, a dark translucent frame whose fill, stroke and
//   caption row it controls; TzrLayerWindow, a HUD window under another name;
// - the HUD close button, size grip and status bar, which differ only by
//   their style names.

#include <memory>

#include "controls/zr_text_control.h"
#include "scene/zr_intf.h"

class TzrBrush;

class TzrCloseButton : public TzrControl {
 public:
  explicit TzrCloseButton(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetCloseForm() const { return FCloseForm; }
  void SetCloseForm(bool Value) { FCloseForm = Value; }

  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;

  // The close button's own click event, fired on every release that ends a
  // press on it (published as OnClick in its place).
  TNotifyEvent OnClick;

 private:
  bool FPressing = false;
  bool FCloseForm = true;
};

class TzrSizeGrip : public TzrControl, public IzrSizeGrip {
 public:
  using TzrControl::TzrControl;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrStatusBar : public TzrControl {
 public:
  explicit TzrStatusBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetShowSizeGrip() const { return FShowSizeGrip; }
  // A change re-applies the style, which shows or hides the grip.
  void SetShowSizeGrip(bool Value);
  void ApplyStyle() override;

 private:
  bool FShowSizeGrip = true;
};

class TzrToolBar : public TzrControl {
 public:
  explicit TzrToolBar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrWindow : public TzrTextControl {
 public:
  explicit TzrWindow(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetShowCloseButton() const { return FShowCloseButton; }
  void SetShowCloseButton(bool Value);
  bool GetShowSizeGrip() const { return FShowSizeGrip; }
  void SetShowSizeGrip(bool Value);
  // Shows or hides the "close" and "sizegrip" parts; with OnCloseClick
  // assigned the close button runs it instead of closing the form.
  void ApplyStyle() override;

  TNotifyEvent OnCloseClick;

 private:
  bool FShowCloseButton = true;
  bool FShowSizeGrip = true;
};

enum TzrCloseAlign { zrButtonAlignLeft, zrButtonAlignRight };
const TEnumInfo& zrCloseAlignInfo();

class TzrHudWindow : public TzrWindow {
 public:
  explicit TzrHudWindow(TComponent* AOwner);
  ~TzrHudWindow() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetDisableShadowOnOSX() const { return FDisableShadowOnOSX; }
  void SetDisableShadowOnOSX(bool Value);
  TzrBrush* GetFill() const { return FFill.get(); }
  void SetFill(TzrBrush* Value);
  TzrBrush* GetStroke() const { return FStroke.get(); }
  void SetStroke(TzrBrush* Value);
  float GetStrokeThickness() const { return FStrokeThickness; }
  void SetStrokeThickness(float Value);
  TzrStrokeCap GetStrokeCap() const { return FStrokeCap; }
  void SetStrokeCap(TzrStrokeCap Value);
  TzrStrokeDash GetStrokeDash() const { return FStrokeDash; }
  void SetStrokeDash(TzrStrokeDash Value);
  TzrStrokeJoin GetStrokeJoin() const { return FStrokeJoin; }
  void SetStrokeJoin(TzrStrokeJoin Value);
  TzrCloseAlign GetButtonAlign() const { return FCloseAlign; }
  void SetButtonAlign(TzrCloseAlign Value);
  bool GetShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);

  // Hands fill, stroke and caption settings to the style's "back",
  // "stroke", "caption", "text" and "close" parts.
  void ApplyStyle() override;

 private:
  void DoFillChanged(TObject* Sender);
  // Re-applies the style after a setting changed, unless loading.
  void Changed();
  bool StrokeThicknessStored() const { return FStrokeThickness != 1; }

  bool FDisableShadowOnOSX = true;
  std::unique_ptr<TzrBrush> FFill;
  float FStrokeThickness = 1;
  std::unique_ptr<TzrBrush> FStroke;
  TzrStrokeCap FStrokeCap = zrCapFlat;
  TzrStrokeDash FStrokeDash = zrDashSolid;
  TzrStrokeJoin FStrokeJoin = zrJoinMiter;
  TzrCloseAlign FCloseAlign = zrButtonAlignLeft;
  bool FShowCaption = true;
};

class TzrLayerWindow : public TzrHudWindow {
 public:
  using TzrHudWindow::TzrHudWindow;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudCloseButton : public TzrCloseButton {
 public:
  using TzrCloseButton::TzrCloseButton;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudSizeGrip : public TzrSizeGrip {
 public:
  using TzrSizeGrip::TzrSizeGrip;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudStatusBar : public TzrStatusBar {
 public:
  using TzrStatusBar::TzrStatusBar;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
