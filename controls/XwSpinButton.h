#pragma once
// A windowless pair of step buttons, split along the diagonal (sbsDefault)
// or across the middle (sbsClassic), pressed with the mouse and repeating
// while held: the first repeat after InitRepeatPause, then every RepeatPause,
// on the framework's timer. The faces come from a bitmap set shared with
// every spin button of the same size, style and glyph use.

#include <memory>

#include "controls/XwExControls.h"
#include "controls/XwSpinBitmaps.h"

class TTimer;

class TXwSpinButton : public TXwExGraphicControl {
 public:
  explicit TXwSpinButton(TComponent* AOwner);
  ~TXwSpinButton() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  std::string ClassName() const override { return "TXwSpinButton"; }

  TXwSpinButtonStyle GetButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TXwSpinButtonStyle value);
  // Empty unless set; setting copies the bitmap (nullptr empties).
  TBitmap* GetUpGlyph() { return FUpGlyph.get(); }
  void SetUpGlyph(TBitmap* value);
  TBitmap* GetDownGlyph() { return FDownGlyph.get(); }
  void SetDownGlyph(TBitmap* value);
  // The windowed control that takes the focus when the button is pressed.
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  int GetInitRepeatPause() const { return FInitRepeatPause; }
  void SetInitRepeatPause(int value) { FInitRepeatPause = value; }
  int GetRepeatPause() const { return FRepeatPause; }
  void SetRepeatPause(int value) { FRepeatPause = value; }
  TSpinButtonState GetDown() const { return FDown; }
  void SetDown(TSpinButtonState value);

  // Whether the point lies in the lower half.
  bool InLowerHalf(int x, int y) const;
  // The bitmap set in use (after the first paint), and the repeat timer
  // (after the first press).
  TSpinButtonBitmaps* ButtonBitmaps() const { return FButtonBitmaps; }
  TTimer* RepeatTimer() const { return FRepeatTimer.get(); }
  // One tick of the repeat timer.
  void TimerExpired();

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TShiftState shift, int x, int y) override;
  void MouseLeave(TControl* control) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void TopClick();
  void BottomClick();
  void ReleaseBitmaps();
  bool CustomGlyphs() const;
  void SetHot(bool top, bool bottom);

  TXwSpinButtonStyle FButtonStyle = sbsDefault;
  std::unique_ptr<TBitmap> FUpGlyph, FDownGlyph;
  TWinControl* FFocusControl = nullptr;
  int FInitRepeatPause = 400;
  int FRepeatPause = 100;
  TSpinButtonState FDown = sbNotDown;
  TSpinButtonState FLastDown = sbNotDown;
  bool FDragging = false;
  bool FMouseInTopBtn = false;
  bool FMouseInBottomBtn = false;
  std::unique_ptr<TTimer> FRepeatTimer;
  TSpinButtonBitmaps* FButtonBitmaps = nullptr;
};
