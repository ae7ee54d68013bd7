#pragma once
// Shared parts of the popup, frame and action tests: a node that fills its
// rectangle with one colour, a form holding a scene with such a root, and
// a gallery writer that lays scene buffers out as they sit on the screen.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Forms.h"
#include "scene/zr_scene.h"
#include "scene/zr_visual.h"
#include "tests/support/DisplayLocks.h"

// A visual node painting its local rectangle in Color.
class TBox : public TzrVisualObject {
 public:
  explicit TBox(TComponent* AOwner) : TzrVisualObject(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Paint() override;
  TzrColor Color = 0xFF808080;
};

// A form at (X, Y) with a client area of W x H that one scene fills; its
// root is a TBox in RootColor.
struct TSceneForm {
  TSceneForm(int X, int Y, int W, int H, TzrColor RootColor = 0xFF303848);
  ~TSceneForm();
  TSceneForm(const TSceneForm&) = delete;
  TSceneForm& operator=(const TSceneForm&) = delete;
  // Shows the form and waits until its scene has drawn.
  void Show();
  // A TBox child of the root (or of Parent) at the given place.
  TBox* Box(float X, float Y, float W, float H, TzrColor Color, TzrVisualObject* Parent = nullptr);

  TForm* Form = nullptr;
  TzoRurev* Scene = nullptr;
  TBox* Root = nullptr;
};

// Popups follow the pointer (hover, presses outside): each test holds the
// display's pointer.
class PopupTest : public ::testing::Test {
 public:
  static void SetUpTestSuite();

 protected:
  void TearDown() override;
  TPointerLock Pointer;
};

// A scene buffer and where its top-left lies on the screen.
struct TGalleryLayer {
  TzrCustomScene* Scene;
  int X, Y;
};
// Writes the layers (first at the bottom) onto a W x H picture with a
// light background at build/gallery/<Name>.png.
void SaveGallery(const std::string& Name, int W, int H, const std::vector<TGalleryLayer>& Layers);
// The straight ARGB colour of a scene buffer pixel.
TzrColor BufferPixel(TzrCustomScene* Scene, int X, int Y);
// The window's position on the screen as GTK knows it.
void WindowPosition(TForm* Form, int& X, int& Y);
// Runs Step from the main loop after Ms milliseconds, again every Ms
// milliseconds while it answers false.
void Later(int Ms, std::function<bool()> Step);
// Moves the pointer to (X, Y) on the screen and runs Step; when the pointer
// was moved meanwhile (tests of other programs share the display), runs it
// again, at most five times. Step only records what it finds (the checks
// come after), and must be able to run again from where it left off.
void WithPointerAt(int X, int Y, const std::function<void()>& Step);
