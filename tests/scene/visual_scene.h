#pragma once
// A small scene for the visual-object tests: an IzoRurev over a GDI+ canvas
// that collects pending update rectangles and paints them in one pass, a
// rectangle that counts its paints, and a glow effect
// that paints the node's silhouette in one colour around it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "canvas/zr_canvas_gdiplus.h"
#include "controls/zr_objects.h"
#include "scene/zr_brush.h"
#include "scene/zr_effect.h"
#include "scene/zr_visual.h"

class TTestRurev : public TComponent, public IzoRurev {
 public:
  TTestRurev(int AWidth, int AHeight);
  ~TTestRurev() override;

  // ---- what the tests drive
  std::vector<TzrRect> Rects;  // pending update rectangles
  bool DisableUpdate = false;
  bool DesignTime = false;
  bool AnimatedCaret = false;
  TzrVisualObject* Focused = nullptr;
  TzrVisualObject* Captured = nullptr;
  TzrVisualObject* Selected = nullptr;
  std::vector<TzrObject*> Objects;
  std::unique_ptr<TzrCanvasGdiPlus> Canvas;
  TzrResources* Style = nullptr;
  bool Transparency = false;
  int StyleUpdates = 0;

  // Paints the pending rectangles (cleared to white first) and empties them.
  void Draw();
  // Marks the whole canvas and draws it.
  void DrawAll();
  // Clears the whole canvas and runs the painting walk for the pending
  // rectangles without clipping to them, so that whatever the walk draws
  // shows.
  void DrawUnclipped();
  // The straight ARGB colour of a canvas pixel.
  TzrColor Pixel(int X, int Y) const;
  // Writes the canvas as build/gallery/<Name>.png.
  void SaveGallery(const std::string& Name) const;
  // True when a pending rectangle covers R.
  bool Covered(const TzrRect& R) const;

  // Paints the top-level nodes and their subtrees.
  void Walk();

  // ---- IzoRurev
  void AddObject(TzrObject* AObject) override;
  void RemoveObject(TzrObject* AObject) override;
  void BeginDrag() override {}
  void BeginResize() override {}
  void AddUpdateRect(const TzrRect& R) override;
  void InsertObject(const std::string&) override {}
  TzrControl* GetActiveControl() override { return nullptr; }
  bool GetDisableUpdate() override { return DisableUpdate; }
  void SetDisableUpdate(bool Value) override { DisableUpdate = Value; }
  bool GetDesignTime() override { return DesignTime; }
  TzrCanvas* GetCanvas() override { return Canvas.get(); }
  TzrObject* GetRoot() override { return Objects.empty() ? nullptr : Objects.front(); }
  TComponent* GetOwner() override { return TComponent::GetOwner(); }
  TComponent* GetComponent() override { return this; }
  TzrResources* GetStyle() override { return Style; }
  // Takes the sheet and registers with it for its changes.
  void SetStyle(TzrResources* Value) override;
  bool GetTransparency() override { return Transparency; }
  // Lets every top-level node re-apply its styles; counts the calls.
  void UpdateResource() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TzrVisualObject* GetSelected() override { return Selected; }
  TzrVisualObject* GetDesignPlaceObject() override { return nullptr; }
  int GetUpdateRectsCount() override { return int(Rects.size()); }
  TzrRect GetUpdateRect(int Index) override { return Rects[size_t(Index)]; }
  void SetCaptured(TzrVisualObject* Value) override { Captured = Value; }
  TzrVisualObject* GetCaptured() override { return Captured; }
  // Tells the old node it lost focus and the new one it has it.
  void SetFocused(TzrVisualObject* Value) override;
  TzrVisualObject* GetFocused() override { return Focused; }
  void SetDesignRoot(TzrVisualObject*) override {}
  TzrPoint GetMousePos() override { return {}; }
  TzrPoint LocalToScreen(const TzrPoint& Point) override { return Point; }
  void BeginVCLDrag(TObject*, TzrBitmap*) override {}
  void DoDesignSelect(TObject*) override {}
  bool GetAnimatedCaret() override { return AnimatedCaret; }
  bool ShowKeyboardForControl(TzrObject*) override { return false; }
  bool HideKeyboardForControl(TzrObject*) override { return false; }
};

// A rectangle without stroke (so it fills its whole local rectangle with
// Fill at its absolute opacity) that counts its paints.
class TTestShape : public TzrRectangle {
 public:
  explicit TTestShape(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override;

  int Paints = 0;
  // Names of painted shapes in paint order, shared by all shapes.
  static inline std::vector<std::string> PaintLog;
};

// The node's silhouette in Color, Margin wider on every side.
class TTestGlow : public TzrEffect {
 public:
  explicit TTestGlow(TComponent* AOwner) : TzrEffect(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TzrRect GetRect(const TzrRect& ARect) override;
  TzrPoint GetOffset() override { return {Margin, Margin}; }
  void ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) override;
  void SetAfterPaint(bool Value) { AfterPaint = Value; }
  void SetDisablePaint(bool Value) { DisablePaint = Value; }

  float Margin = 5;
  TzrColor Color = 0xFF00C000;
  int Processed = 0;
};

// Starts the drawing layer for the suite, registers the test classes, and
// gives each test a 200 x 200 scene with a root node filling it.
class VisualTest : public ::testing::Test {
 public:
  static void SetUpTestSuite();

 protected:
  VisualTest();
  // A shape of the given colour and geometry under Parent (the root when nil).
  TTestShape* Shape(const std::string& Name, TzrColor Color, float X, float Y, float W, float H,
                    TzrVisualObject* Parent = nullptr);
  TComponent Owner{nullptr};
  TTestRurev Scene{200, 200};
  TzrVisualObject* Root = nullptr;
};
