// A scene window on a shown form, driven by synthesised GDK events that the
// scene routes to its controls. Needs a display (run under xvfb-run).
#pragma once

#include <gtk/gtk.h>

#include <memory>

#include "controls_fixture.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_scene.h"
#include "tests/support/GdkInput.h"

class RoutedSceneTest : public ControlsTest {
 protected:
  // Shows a Width x Height scene with a root to put controls on, and waits
  // until its window exists so that events reach it.
  void OpenScene(int Width, int Height) {
    ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
    Form.SetClientSize(Width, Height);
    View = new TzoRurev(&Form);
    View->SetAlign(alClient);
    View->SetParent(&Form);
    SceneRoot = new TzrVisualObject(&Form);
    View->AddObject(SceneRoot);
    SceneRoot->SetBounds(0, 0, Width, Height);
    Form.Show();
    for (int i = 0; i < 400 && !gtk_widget_get_realized(View->Handle()); ++i) {
      g_main_context_iteration(nullptr, FALSE);
      g_usleep(2000);
    }
    ASSERT_TRUE(gtk_widget_get_realized(View->Handle()));
    Input = std::make_unique<TGdkInput>(View->Handle());
  }

  TForm Form{nullptr};
  TzoRurev* View = nullptr;
  TzrVisualObject* SceneRoot = nullptr;
  std::unique_ptr<TGdkInput> Input;
};
