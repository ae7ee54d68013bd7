#pragma once
// Pictures of shown scene forms for the gallery in the build folder, and
// the pixels of their scenes. Needs a display (run under xvfb-run).

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>
#include <string>

#include "platform/vcl/Forms.h"
#include "scene/zr_canvas.h"
#include "scene/zr_colors.h"
#include "scene/zr_scene.h"

namespace pagetest {

// Pumps until the scene has drawn and has nothing left to draw.
inline void WaitDrawn(TzrCustomScene* Scene) {
  for (int i = 0; i < 1000 && (Scene->DrawCount() == 0 || !Scene->InvalidRects().empty()); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  for (int i = 0; i < 50; ++i) g_main_context_iteration(nullptr, FALSE);
  ASSERT_GT(Scene->DrawCount(), 0);
}

// Pumps for Ms milliseconds, so that the styles' short animations (a check
// mark fading out, say) end before a picture is taken.
inline void Settle(TzrCustomScene* Scene, int Ms = 400) {
  const gint64 end = g_get_monotonic_time() + gint64(Ms) * 1000;
  while (g_get_monotonic_time() < end) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  WaitDrawn(Scene);
}

// The scene's own buffer, unpremultiplied, at scene pixel (X, Y).
inline TzrColor Pixel(TzrCustomScene* Scene, int X, int Y) {
  TzrCanvas* c = Scene->GetCanvas();
  return zrUnpremultyAlpha(c->GetBufferBits()[X + Y * c->GetWidth()]);
}

inline int Red(TzrColor C) { return (C >> 16) & 0xFF; }
inline int Green(TzrColor C) { return (C >> 8) & 0xFF; }
inline int Blue(TzrColor C) { return C & 0xFF; }

// Draws the whole window into the gallery as NAME.png.
inline void SaveWindow(TForm& Form, const std::string& Name) {
  GtkWidget* window = Form.Handle();
  const int w = gtk_widget_get_allocated_width(window);
  const int h = gtk_widget_get_allocated_height(window);
  cairo_surface_t* shot = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(shot);
  gtk_widget_draw(window, cr);
  cairo_destroy(cr);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(shot, (folder / (Name + ".png")).c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(shot);
}

}  // namespace pagetest
