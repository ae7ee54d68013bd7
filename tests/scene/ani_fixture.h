#pragma once
// A node with one property of every kind the animations change (number,
// colour text through a brush, ARGB integer, bounds, position, angle,
// gradient, bitmap) and the Boolean and enumeration properties triggers read;
// a scene with it under the virtual clock; and helpers for stepping time.

#include <memory>

#include "platform/rtl/Clock.h"
#include "scene/zr_ani.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_gradient.h"
#include "scene/zr_position.h"
#include "tests/scene/object_fixture.h"

enum TAniMode { amFirst, amSecond };

class TAniShape : public TzrObject {
 public:
  // A visual shape reads as a visual node (its Visible counts).
  explicit TAniShape(TComponent* AOwner, bool AVisual = false);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  bool GetVisible() const { return Visible; }
  void SetVisible(bool V) { Visible = V; }
  float GetWidth() const { return Width; }
  void SetWidth(float V) { Width = V; }
  uint32_t GetColor() const { return Color; }
  void SetColor(uint32_t V) { Color = V; }
  float GetRotateAngle() const { return RotateAngle; }
  void SetRotateAngle(float V) { RotateAngle = V; }
  std::string GetCaption() const { return Caption; }
  void SetCaption(const std::string& V) { Caption = V; }
  bool GetIsMouseOver() const { return IsMouseOver; }
  void SetIsMouseOver(bool V) { IsMouseOver = V; }
  bool GetIsPressed() const { return IsPressed; }
  void SetIsPressed(bool V) { IsPressed = V; }
  TAniMode GetMode() const { return Mode; }
  void SetMode(TAniMode V) { Mode = V; }
  TzrBrush* GetFill() const { return Fill.get(); }
  TzrBounds* GetPadding() const { return Padding.get(); }
  TzrPosition* GetPosition() const { return Position.get(); }
  TzrGradient* GetGradient() const { return Gradient.get(); }
  TzrBitmap* GetBitmap() const { return Bitmap.get(); }

  bool Visible = true;
  float Width = 0;
  uint32_t Color = 0;
  float RotateAngle = 0;
  std::string Caption;
  bool IsMouseOver = false;
  bool IsPressed = false;
  TAniMode Mode = amFirst;
  std::unique_ptr<TzrBrush> Fill = std::make_unique<TzrBrush>();
  std::unique_ptr<TzrBounds> Padding = std::make_unique<TzrBounds>();
  std::unique_ptr<TzrPosition> Position = std::make_unique<TzrPosition>();
  std::unique_ptr<TzrGradient> Gradient = std::make_unique<TzrGradient>();
  std::unique_ptr<TzrBitmap> Bitmap = std::make_unique<TzrBitmap>();
};

// A shape in a scene under a virtual clock; animations made with Make are
// children of the shape, owned by the fixture's owner.
class TAniStage {
 public:
  explicit TAniStage(bool AVisual = false, uint32_t AStart = 1000);

  template <class T>
  T* Make(TzrObject* AParent = nullptr) {
    auto* a = new T(&Owner);
    (AParent ? AParent : Shape)->AddObject(a);
    return a;
  }
  // Moves the clock in steps of Step ms until Ms have passed.
  void Run(uint32_t Ms, uint32_t Step = TzrAniThread::Interval);
  // One step of exactly Ms.
  void Step(uint32_t Ms) { Clock->Advance(Ms); }

  // The owner goes first, so that every node leaves a living scene.
  TScopedVirtualClock Clock;
  TTestScene Scene{nullptr};
  TComponent Owner;
  TAniShape* Shape;
};

// The drawing layer's canvas as the default canvas class for the scope.
class TScopedCanvasClass {
 public:
  TScopedCanvasClass();
  ~TScopedCanvasClass();
  TScopedCanvasClass(const TScopedCanvasClass&) = delete;
  TScopedCanvasClass& operator=(const TScopedCanvasClass&) = delete;
  std::unique_ptr<TzrCanvas> Canvas;  // a small canvas for scenes that need one

 private:
  TzrCanvasClass FSaved;
};

std::string ColorText(TzrColor C);
