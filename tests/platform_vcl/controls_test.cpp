// Windowed controls in forms: alignment, placement of their drawing areas,
// visibility, cursors, freeing in either order, and the one control tree that
// framework controls and drawing-area controls share.

#include "platform/vcl/Controls.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "platform/vcl/Cursors.h"
#include "platform/vcl/Forms.h"

namespace {

// A control that paints one colour and counts its paints.
class TColorControl : public TCustomControl {
 public:
  TColorControl(TComponent* AOwner, double R, double G, double B)
      : TCustomControl(AOwner), FR(R), FG(G), FB(B) {}
  int Paints = 0;

 protected:
  void Paint(cairo_t* Cr) override {
    ++Paints;
    cairo_set_source_rgb(Cr, FR, FG, FB);
    cairo_paint(Cr);
  }

 private:
  double FR, FG, FB;
};

struct Bounds {
  int L, T, W, H;
  bool operator==(const Bounds&) const = default;
};
Bounds Of(const TCustomControl& C) {
  return {C.GetLeft(), C.GetTop(), C.GetWidth(), C.GetHeight()};
}

TEST(Controls, AlignmentSharesTheClientAreaInTopBottomLeftRightClientOrder) {
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  struct Case {
    TAlign Align;
    int W, H;
    Bounds Expected;
  } cases[] = {
      {alClient, 0, 0, {40, 30, 210, 150}},  // declared first, laid out last
      {alTop, 0, 30, {0, 0, 300, 30}},      {alBottom, 0, 20, {0, 180, 300, 20}},
      {alLeft, 40, 0, {0, 30, 40, 150}},    {alRight, 50, 0, {250, 30, 50, 150}},
      {alNone, 70, 60, {5, 6, 70, 60}},
  };
  std::vector<TCustomControl*> controls;
  for (const Case& c : cases) {
    auto* control = new TCustomControl(&form);
    control->SetBounds(5, 6, c.W, c.H);
    control->SetAlign(c.Align);
    control->SetParent(&form);
    controls.push_back(control);
  }
  for (size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(Of(*controls[i]), cases[i].Expected) << i;
  form.SetClientSize(400, 200);
  EXPECT_EQ(Of(*controls[0]), (Bounds{40, 30, 310, 150}));
  controls[1]->SetVisible(false);  // hidden controls take no room
  form.SetClientSize(400, 200);
  EXPECT_EQ(Of(*controls[0]), (Bounds{40, 0, 310, 180}));
}

TEST(Controls, DrawingAreasSitInTheFormAtTheirOffsetsAndPaint) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  TForm form(nullptr);
  form.SetClientSize(200, 120);
  auto* back = new TColorControl(&form, 1, 0, 0);
  back->SetAlign(alClient);
  back->SetParent(&form);
  EXPECT_FALSE(back->HandleAllocated());  // no window yet
  auto* inner = new TColorControl(&form, 0, 0, 1);
  inner->SetBounds(30, 20, 40, 30);
  inner->SetParent(back);
  auto* hidden = new TColorControl(&form, 0, 1, 0);
  hidden->SetVisible(false);
  hidden->SetParent(&form);
  form.Show();
  ASSERT_TRUE(back->HandleAllocated());
  ASSERT_TRUE(inner->HandleAllocated());
  for (int i = 0; i < 300 && inner->Paints == 0; ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  EXPECT_GT(back->Paints, 0);
  EXPECT_GT(inner->Paints, 0);
  EXPECT_FALSE(gtk_widget_get_visible(hidden->Handle()));
  GtkAllocation a;
  gtk_widget_get_allocation(inner->Handle(), &a);
  int x, y;
  inner->ClientOrigin(x, y);
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 20);
  EXPECT_EQ(a.width, 40);
  EXPECT_EQ(a.height, 30);
  EXPECT_EQ(Of(*back), (Bounds{0, 0, 200, 120}));
}

// Controls take their cursors from the screen's table, so a cursor a program
// registers there shows over controls as it does elsewhere. GDK hands out one
// cursor object per name and display, so the window's cursor can be compared
// with the named one.
TEST(Controls, CursorsComeFromTheScreensTable) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  constexpr TCursor crOwn = 4711;
  Screen().SetCursors(crOwn, "crosshair");
  TForm form(nullptr);
  auto* control = new TCustomControl(&form);
  control->SetBounds(0, 0, 40, 30);
  control->SetParent(&form);
  form.Show();
  ASSERT_TRUE(control->HandleAllocated());
  GdkWindow* window = gtk_widget_get_window(control->Handle());
  ASSERT_NE(window, nullptr);
  GdkDisplay* display = gdk_window_get_display(window);
  const struct {
    TCursor Id;
    const char* Name;
  } cases[] = {{crOwn, "crosshair"}, {crSizeWE, "ew-resize"}, {crHandPoint, "pointer"}};
  for (const auto& c : cases) {
    control->SetCursor(c.Id);
    GdkCursor* expected = gdk_cursor_new_from_name(display, c.Name);
    EXPECT_EQ(gdk_window_get_cursor(window), expected) << c.Name;
    g_object_unref(expected);
  }
  control->SetCursor(crDefault);  // the parent's cursor shows through
  EXPECT_EQ(gdk_window_get_cursor(window), nullptr);
}

TEST(Controls, ControlsAndFormsMayBeFreedInEitherOrder) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  auto* form = new TForm(nullptr);
  auto* parent = new TCustomControl(form);
  parent->SetParent(form);
  auto* child = new TCustomControl(nullptr);
  child->SetParent(parent);
  form->Show();
  ASSERT_TRUE(child->HandleAllocated());
  delete parent;  // the child stays, without a parent or widget
  EXPECT_EQ(child->GetParent(), nullptr);
  EXPECT_FALSE(child->HandleAllocated());
  child->SetParent(form);
  EXPECT_TRUE(child->HandleAllocated());
  delete form;  // the form's window goes first; the child is left whole
  EXPECT_EQ(child->GetParent(), nullptr);
  EXPECT_FALSE(child->HandleAllocated());
  delete child;
}

// Where a widget sits in its GtkFixed.
TPoint FixedPosition(GtkWidget* Widget) {
  GValue x = G_VALUE_INIT, y = G_VALUE_INIT;
  g_value_init(&x, G_TYPE_INT);
  g_value_init(&y, G_TYPE_INT);
  GtkContainer* fixed = GTK_CONTAINER(gtk_widget_get_parent(Widget));
  gtk_container_child_get_property(fixed, Widget, "x", &x);
  gtk_container_child_get_property(fixed, Widget, "y", &y);
  return TPoint{g_value_get_int(&x), g_value_get_int(&y)};
}

// A framework control (with a GtkFixed of its own) on a form and on a
// drawing-area control: its widget lies in the form's control area at the
// drawing-area control's offset, moves with it, follows the form's
// alignment, and hides with Visible.
TEST(Controls, FrameworkControlsShareTheTreeWithDrawingAreaControls) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* panel = new TWinControl(&form);
  panel->SetAlign(alRight);
  panel->SetWidth(60);
  panel->SetParent(form.Client());
  EXPECT_EQ(panel->GetParentForm(), &form);
  EXPECT_EQ(panel->GetParentComponent(), &form);
  EXPECT_EQ(form.ControlCount(), 1);
  EXPECT_EQ(panel->BoundsRect(), (TRect{240, 0, 300, 200}));

  auto* scene = new TCustomControl(&form);
  scene->SetBounds(20, 10, 100, 80);
  scene->SetParent(&form);
  auto* inner = new TWinControl(&form);
  inner->SetBounds(5, 7, 30, 20);
  inner->SetParentComponent(scene);
  form.Show();
  ASSERT_TRUE(inner->HandleAllocated());
  EXPECT_EQ(gtk_widget_get_parent(inner->Handle()), form.ControlArea());
  EXPECT_EQ(gtk_widget_get_parent(panel->Handle()), form.ControlArea());
  EXPECT_EQ(FixedPosition(inner->Handle()), (TPoint{25, 17}));
  scene->SetLeft(50);
  EXPECT_EQ(FixedPosition(inner->Handle()), (TPoint{55, 17}));

  form.SetClientSize(400, 200);  // the control area's allocation realigns
  for (int i = 0; i < 300 && panel->GetLeft() != 340; ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  EXPECT_EQ(panel->BoundsRect(), (TRect{340, 0, 400, 200}));
  panel->SetVisible(false);
  EXPECT_FALSE(gtk_widget_get_visible(panel->Handle()));
  scene->SetVisible(false);  // the scene's children lie beside it
  EXPECT_FALSE(gtk_widget_get_visible(inner->Handle()));
  scene->SetVisible(true);
  EXPECT_TRUE(gtk_widget_get_visible(inner->Handle()));
}

// A form read from a stream places its controls through the parent
// component, a framework control as a drawing-area control.
TEST(Controls, AFormIsTheParentComponentOfItsControls) {
  TForm form(nullptr);
  auto* panel = new TWinControl(&form);
  panel->SetParentComponent(&form);
  auto* scene = new TCustomControl(&form);
  scene->SetParentComponent(&form);
  std::vector<TComponent*> children;
  form.GetChildren([&](TComponent* c) { children.push_back(c); }, &form);
  EXPECT_EQ(children, (std::vector<TComponent*>{panel, scene}));
  EXPECT_EQ(scene->GetParentComponent(), &form);
  panel->SetParentComponent(nullptr);
  EXPECT_EQ(form.ControlCount(), 1);
}

}  // namespace

// A sizeable form resized as a window manager does: when the window is first
// drawn at its new size, the controls' widgets already have their new places
// and sizes (no frame shows the bare background in the new band).
TEST(Controls, AResizedFormLaysOutItsControlsInTheSameFrame) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  TForm form(nullptr);
  form.SetBorderStyle(bsSizeable);
  form.SetBounds(50, 50, 400, 300);
  auto* client = new TColorControl(&form, 0.2, 0.4, 0.6);
  client->SetAlign(alClient);
  client->SetParent(&form);
  auto* right = new TColorControl(&form, 0.8, 0.2, 0.2);
  right->SetBounds(0, 0, 50, 10);
  right->SetAlign(alRight);
  right->SetParent(&form);
  form.Show();
  for (int i = 0; i < 300 && client->Paints == 0; ++i) {
    while (gtk_events_pending()) gtk_main_iteration();
    g_usleep(2000);
  }
  ASSERT_GT(client->Paints, 0);

  struct TSeen {
    GtkWidget *Window, *Client, *Right;
    bool Done = false;
    GtkAllocation Client1{}, Right1{};
  } seen{form.Handle(), client->Handle(), right->Handle()};
  const gulong handler = g_signal_connect(
      form.Handle(), "draw", G_CALLBACK(+[](GtkWidget* w, cairo_t*, gpointer p) -> gboolean {
        auto* s = static_cast<TSeen*>(p);
        if (s->Done || gtk_widget_get_allocated_width(w) != 600) return FALSE;
        s->Done = true;
        gtk_widget_get_allocation(s->Client, &s->Client1);
        gtk_widget_get_allocation(s->Right, &s->Right1);
        return FALSE;
      }),
      &seen);
  gtk_window_resize(GTK_WINDOW(form.Handle()), 600, 420);
  for (int i = 0; i < 500 && !seen.Done; ++i) {
    while (gtk_events_pending()) gtk_main_iteration();
    g_usleep(2000);
  }
  g_signal_handler_disconnect(form.Handle(), handler);
  ASSERT_TRUE(seen.Done);
  EXPECT_EQ(seen.Client1.width, 550);
  EXPECT_EQ(seen.Client1.height, 420);
  EXPECT_EQ(seen.Right1.width, 50);
  EXPECT_EQ(seen.Right1.height, 420);
  EXPECT_EQ(seen.Right1.x - seen.Client1.x, 550) << "the right band follows the new edge";
  EXPECT_EQ((Bounds{client->GetLeft(), client->GetTop(), client->GetWidth(), client->GetHeight()}),
            (Bounds{0, 0, 550, 420}));
}
