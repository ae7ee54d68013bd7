#pragma once
// TzrScrollBox: the scrolling container that lists, memo, grid and tree
// derive from.
//
// The box owns a clipping child, the scroll content (TzrScrollContent),
// which carries the scrolled children. Its style supplies the viewport (the
// part "content") and the scroll bars ("vscrollbar"/"hscrollbar", or the
// small "vsmallscrollbar"/"hsmallscrollbar"). Every realignment measures the
// content (GetContentBounds), places the scroll content, enables, shows and
// sizes the bars, and runs once more when a bar appearing or vanishing
// changed the viewport. A bar's value is the scroll offset: the content sits
// at the viewport's origin minus it. The wheel scrolls through an eased
// animation; with MouseTracking a left drag moves the content and a release
// flings it on.
//
// With ShowScrollBars off the bars keep their ranges and go on scrolling
// but are fully transparent, unaligned and parked outside the box, where
// they neither show nor cover the content. The scroll offset survives a
// style change (FScrollDesign) and is put back by the next realignment.
//
// TzrVertScrollBox scrolls only vertically (the content is as wide as the
// viewport); TzrFramedScrollBox and TzrFramedVertScrollBox take the framed
// style.

#include "scene/zr_control.h"

class TzrScrollBar;
class TzrFloatAnimation;
class TzrScrollBox;

class TzrScrollContent : public TzrContent {
 public:
  explicit TzrScrollContent(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void AddObject(TzrObject* AObject) override;
  void RemoveObject(TzrObject* AObject) override;
  // The viewport's update rectangle: scrolled children never repaint
  // outside the viewport.
  TzrRect GetUpdateRect() override;
  // The visible window in content coordinates.
  TzrRect GetClipRect() override;
  void Paint() override;
  // Visits only the children the box names as reaching the visible window.
  void PaintChildren() override;
  // Hits outside the visible window are discarded.
  TzrVisualObject* ObjectByPoint(float X, float Y) override;
  // Switches the alignment of the children by their Align off (a list
  // places its items itself).
  void SetDisableDefaultAlign(bool Value) { FDisableDefaultAlign = Value; }

 private:
  TzrScrollBox* Box() const;
};

class TzrScrollBox : public TzrControl {
 public:
  explicit TzrScrollBox(TComponent* AOwner);
  ~TzrScrollBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Children land in the scroll content, except the content itself, the
  // applied style, effects, animations and objects tagged "self".
  void AddObject(TzrObject* AObject) override;
  void Realign() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) override;
  // A hit inside a transparent (parked) bar is passed over.
  TzrVisualObject* ObjectByPoint(float X, float Y) override;

  // ---- hooks for derived controls
  virtual void ContentAddObject(TzrObject* AObject) { (void)AObject; }
  virtual void ContentBeforeRemoveObject(TzrObject* AObject) { (void)AObject; }
  virtual void ContentRemoveObject(TzrObject* AObject) { (void)AObject; }
  virtual void HScrollChange(TObject* Sender);
  virtual void VScrollChange(TObject* Sender);
  // The rectangle the scroll content must cover, never smaller than the
  // viewport.
  virtual TzrRect GetContentBounds();
  virtual void ContentPaint(TzrCanvas* Canvas, const TzrRect& ARect) {
    (void)Canvas;
    (void)ARect;
  }
  virtual void RealignContent(const TzrRect& R);
  // The indices of the first and last child of the scroll content that can
  // reach the visible window, when the box knows them from its layout (a
  // list places its items in order); false makes the painting walk visit
  // every child.
  virtual bool ContentPaintRange(int& First, int& Last) {
    (void)First;
    (void)Last;
    return false;
  }

  // ---- geometry and scrolling
  // The viewport in the box's coordinates (the local rectangle without one).
  TzrRect ContentRect();
  // A bar's Value while the bar exists and is visible, else 0.
  float VScrollBarValue() const;
  float HScrollBarValue() const;
  float ClientWidth();
  float ClientHeight();
  // Each visible bar's Value decreases by the delta (clamped by the bar).
  void ScrollTo(float Dx, float Dy);
  // Each visible bar shows the middle of its range.
  void Centre();
  void InViewRect(const TzrRect& R) { (void)R; }
  void CreateHScrollAni();
  void CreateVScrollAni();

  TzrScrollContent* GetContent() const { return FContent; }
  TzrVisualObject* GetContentLayout() const { return FContentLayout; }
  TzrScrollBar* GetVScrollBar() const { return FVScrollBar; }
  TzrScrollBar* GetHScrollBar() const { return FHScrollBar; }
  TzrFloatAnimation* GetVScrollAni() const { return FVScrollAni; }
  TzrFloatAnimation* GetHScrollAni() const { return FHScrollAni; }
  TzrPoint GetLastDelta() const { return FLastDelta; }

  // ---- published flags
  bool GetAutoHide() const { return FAutoHide; }
  void SetAutoHide(bool Value) { FAutoHide = Value; }
  bool GetAnimated() const { return FAnimated; }
  void SetAnimated(bool Value) { FAnimated = Value; }
  bool GetDisableMouseWheel() const { return FDisableMouseWheel; }
  void SetDisableMouseWheel(bool Value) { FDisableMouseWheel = Value; }
  bool GetMouseTracking() const { return FMouseTracking; }
  void SetMouseTracking(bool Value) { FMouseTracking = Value; }
  bool GetShowScrollBars() const { return FShowScrollBars; }
  void SetShowScrollBars(bool Value);
  bool GetShowSizeGrip() const { return FShowSizeGrip; }
  void SetShowSizeGrip(bool Value);
  bool GetUseSmallScrollBars() const { return FUseSmallScrollBars; }
  void SetUseSmallScrollBars(bool Value);

 protected:
  // Names the style without applying it now (constructors: the first paint
  // applies it, with the final class's overrides).
  void SetResourceLater(const std::string& AName);
  // One measuring and placing pass of Realign.
  void ContentPass();
  // Bar flags of one pass: enabled by the content's extent, shown or made
  // transparent and parked.
  void ShowBar(TzrScrollBar* Bar, bool AEnabled, bool AHitTest);
  void ParkBar(TzrScrollBar* Bar, bool Vertical);
  // Runs the bar's animation to Target, or sets the value at once.
  void ScrollBarTo(TzrScrollBar* Bar, float Target);
  void StopAnimations();
  bool BarShown(const TzrScrollBar* Bar) const;
  bool BarEnabled(const TzrScrollBar* Bar) const;
  // A style part as a scroll bar, nil when it is none.
  TzrScrollBar* FindBar(const char* AName);
  void TakeBar(TzrScrollBar* Bar, bool Vertical);
  void HideBar(const char* AName);

  bool FAutoHide = true;
  bool FDisableMouseWheel = false;
  bool FDown = false;
  TzrFloatAnimation* FHScrollAni = nullptr;
  TzrFloatAnimation* FVScrollAni = nullptr;
  bool FAnimated = true;
  bool FShowScrollBars = true;
  bool FShowSizeGrip = false;
  bool FMouseTracking = false;
  bool FUseSmallScrollBars = false;
  TzrPoint FScrollDesign{0, 0};
  TzrScrollContent* FContent = nullptr;
  TzrScrollBar* FHScrollBar = nullptr;
  TzrScrollBar* FVScrollBar = nullptr;
  TzrVisualObject* FContentLayout = nullptr;
  TzrPoint FDownPos{0, 0};
  TzrPoint FLastDelta{0, 0};
  TzrPoint FCurrentPos{0, 0};
};

class TzrVertScrollBox : public TzrScrollBox {
 public:
  explicit TzrVertScrollBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrRect GetContentBounds() override;
};

class TzrFramedScrollBox : public TzrScrollBox {
 public:
  using TzrScrollBox::TzrScrollBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrFramedVertScrollBox : public TzrVertScrollBox {
 public:
  explicit TzrFramedVertScrollBox(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
