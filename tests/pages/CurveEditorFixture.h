#pragma once
// Drives a curve editor the way the user does: mouse events given to its
// scene at points of its plot grid, which the scene routes to the grid.

#include <cmath>

#include "controls/zr_plot_grid.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_scene.h"
#include "scene/zr_visual.h"

namespace pagetest {

class CurveMouse {
 public:
  template <class Editor>
  explicit CurveMouse(Editor& Form)
      : FScene(Form.ControlsScene), FOrigin(Form.PlotGrid1->LocalToAbsolute(TzrPoint{0, 0})) {}

  // X and Y are plot grid pixels. The pointer comes to the point before it
  // presses there, as a real one does.
  void Down(TMouseButton Button, float X, float Y) {
    FScene->MouseMove(0, SceneX(X), SceneY(Y));
    FScene->MouseDown(Button, Button == mbRight ? ssRight : ssLeft, SceneX(X), SceneY(Y));
  }
  void Move(float X, float Y) { FScene->MouseMove(ssLeft, SceneX(X), SceneY(Y)); }
  void Up(TMouseButton Button, float X, float Y) {
    FScene->MouseUp(Button, Button == mbRight ? ssRight : ssLeft, SceneX(X), SceneY(Y));
  }
  void Click(TMouseButton Button, float X, float Y) {
    Down(Button, X, Y);
    Up(Button, X, Y);
  }

 private:
  int SceneX(float X) const { return int(std::lround(FOrigin.X + X)); }
  int SceneY(float Y) const { return int(std::lround(FOrigin.Y + Y)); }
  TzrCustomScene* FScene;
  TzrPoint FOrigin;
};

}  // namespace pagetest
