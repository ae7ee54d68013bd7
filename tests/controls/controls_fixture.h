#pragma once
// The styled controls' tests: the scene tests' small scene on a test's
// virtual clock, with the default style sheet, the shapes, effects,
// animations and controls registered, and the mouse and key input a scene
// hands a control (local coordinates, the left button held during moves).

#include <cstdint>
#include <vector>

#include "controls/zr_buttons.h"
#include "controls/zr_color_button.h"
#include "controls/zr_labels.h"
#include "controls/zr_panels.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_windows.h"
#include "platform/rtl/Clock.h"
#include "tests/scene/visual_scene.h"

class ControlsTest : public VisualTest {
 public:
  static void SetUpTestSuite();

 protected:
  ControlsTest();
  ~ControlsTest() override;

  // A new control of class T at (X, Y) under Parent (the root when nil),
  // with the size its class gives it.
  template <class T>
  T* Make(float X, float Y, TzrVisualObject* Parent = nullptr) {
    auto* control = new T(&Owner);
    control->GetPosition()->SetPoint({X, Y});
    control->SetParent(Parent ? Parent : Root);
    return control;
  }
  // Paints the whole scene once, which applies pending styles.
  void Show() { Scene.DrawAll(); }

  // The left button: down, moved with the button held, up (local
  // coordinates of C). Double: the press is the second of a double click.
  static void Press(TzrVisualObject* C, float X, float Y, bool Double = false);
  static void Move(TzrVisualObject* C, float X, float Y);
  static void Release(TzrVisualObject* C, float X, float Y);
  // Press and release at the centre.
  static void ClickOn(TzrVisualObject* C);
  // A key as the scene delivers it: first to the root's DialogKey, then,
  // unless consumed, to the focused node's KeyDown.
  void Key(uint16_t AKey);
  // Lets test time pass in 1 ms steps.
  void Wait(uint32_t Ms);
  uint32_t Now() { return Clock->TickCount(); }

  // Gallery pictures: a W x H canvas with a backdrop of one colour under the
  // root; the animations let settle, painted and written to build/gallery/;
  // whether some pixel inside C (its edge left out) differs from the backdrop.
  void GalleryCanvas(int W, int H, TzrColor Backdrop);
  void SaveGalleryPicture(const std::string& Name);
  bool DrawnOver(TzrVisualObject* C, TzrColor Backdrop);

  TScopedVirtualClock Clock{1000};
};
