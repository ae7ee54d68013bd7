#include "tests/scene_popup/popup_fixture.h"

#include <cairo.h>
#include <gtk/gtk.h>

#include <filesystem>

#include "canvas/zr_gdiplus_unit.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_colors.h"
#include "scene/zr_popup.h"
#include "scene/zr_scene_unit.h"
#include "tests/support/MainLoop.h"
#include "tests/support/WindowSystem.h"

const TClassInfo* TBox::Class() {
  static const TClassInfo* info = TClassDecl<TBox>("TBox", TzrVisualObject::Class());
  return info;
}

void TBox::Paint() {
  TzrCanvas* canvas = GetCanvas();
  canvas->GetFill()->SetStyle(zrBrushSolid);
  canvas->GetFill()->SetSolidColor(Color);
  canvas->FillRect(GetLocalRect(), 0, 0, AllCorners, GetAbsoluteOpacity());
}

TSceneForm::TSceneForm(int X, int Y, int W, int H, TzrColor RootColor) {
  Form = new TForm(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(X, Y, W, H);
  Scene = new TzoRurev(Form);
  Scene->SetName("Scene1");
  Scene->SetAlign(alClient);
  Scene->SetParent(Form);
  Root = new TBox(Form);
  Root->Color = RootColor;
  Scene->AddObject(Root);
}

TSceneForm::~TSceneForm() { delete Form; }

void TSceneForm::Show() {
  Form->Show();
  PumpUntil([&] { return Scene->DrawCount() > 0 && Scene->InvalidRects().empty(); });
  WaitActive(Form->Handle());
  Settle(100, 2000);
}

TBox* TSceneForm::Box(float X, float Y, float W, float H, TzrColor Color, TzrVisualObject* Parent) {
  auto* box = new TBox(Form);
  box->Color = Color;
  box->SetBounds(X, Y, W, H);
  box->SetParent(Parent ? Parent : Root);
  return box;
}

void PopupTest::SetUpTestSuite() {
  Application->Initialize();
  InitializeCanvasGdiPlus();
  InitializeScene();
  RegisterClass(TBox::Class());
}

void PopupTest::TearDown() {
  // Released windows are freed from the loop.
  Settle(30, 1000);
  EXPECT_TRUE(!OpenPopups || OpenPopups->empty());
}

TzrColor BufferPixel(TzrCustomScene* Scene, int X, int Y) {
  TzrCanvas* c = Scene->GetCanvas();
  return zrUnpremultyAlpha(c->GetBufferBits()[X + Y * c->GetWidth()]);
}

void WindowPosition(TForm* Form, int& X, int& Y) {
  gtk_window_get_position(GTK_WINDOW(Form->Handle()), &X, &Y);
}

void SaveGallery(const std::string& Name, int W, int H, const std::vector<TGalleryLayer>& Layers) {
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.9);
  cairo_paint(cr);
  for (const TGalleryLayer& layer : Layers) {
    TzrCanvas* c = layer.Scene->GetCanvas();
    cairo_surface_t* src = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(c->GetBufferBits()), CAIRO_FORMAT_ARGB32, c->GetWidth(),
        c->GetHeight(), c->GetWidth() * 4);
    cairo_set_source_surface(cr, src, layer.X, layer.Y);
    cairo_paint(cr);
    cairo_surface_destroy(src);
  }
  cairo_destroy(cr);
  cairo_surface_write_to_png(out, (folder / (Name + ".png")).c_str());
  cairo_surface_destroy(out);
}

void Later(int Ms, std::function<bool()> Step) {
  auto* step = new std::function<bool()>(std::move(Step));
  g_timeout_add(
      guint(Ms),
      [](gpointer P) -> gboolean {
        auto* s = static_cast<std::function<bool()>*>(P);
        if (!(*s)()) return G_SOURCE_CONTINUE;
        delete s;
        return G_SOURCE_REMOVE;
      },
      step);
}

void WithPointerAt(int X, int Y, const std::function<void()>& Step) {
  GdkDisplay* display = gdk_display_get_default();
  GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
  for (int attempt = 0; attempt < 5; ++attempt) {
    gdk_device_warp(pointer, gdk_screen_get_default(), X, Y);
    gdk_display_sync(display);
    Step();
    int x = 0, y = 0;
    zrPointerPosition(x, y);
    if (x == X && y == Y) return;
  }
}
