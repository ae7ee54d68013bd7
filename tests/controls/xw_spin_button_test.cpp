// The spin button: its halves, pressing and repeating with the mouse, the
// bitmap sets it shares, and a gallery of spin edits with each button kind
// and state, themed and classic (run under xvfb-run).

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>

#include "controls/XwSpinEdit.h"
#include "platform/vcl/Timers.h"
#include "tests/controls/xw_gtk_fixture.h"

using namespace xwtest;

namespace {

struct XwSpinButtonTest : TGtkTest {};

TEST(XwSpinButton, LowerHalf) {
  struct Case {
    TXwSpinButtonStyle Style;
    int Width, Height, X, Y;
    bool Lower;
  };
  const Case cases[] = {
      // A square splits exactly corner to corner: on the diagonal is upper.
      {sbsDefault, 20, 20, 10, 10, false},
      {sbsDefault, 20, 20, 10, 11, true},
      {sbsDefault, 20, 20, 0, 19, false},
      {sbsDefault, 20, 20, 1, 19, false},
      {sbsDefault, 20, 20, 2, 19, true},
      {sbsDefault, 20, 20, 19, 1, false},
      {sbsDefault, 20, 20, 19, 2, true},
      {sbsDefault, 20, 20, 0, 0, false},
      // A wide button: the line rises one pixel every two.
      {sbsDefault, 40, 20, 20, 10, false},
      {sbsDefault, 40, 20, 20, 11, true},
      {sbsDefault, 40, 20, 30, 6, true},
      // Split across the middle.
      {sbsClassic, 15, 21, 14, 10, false},
      {sbsClassic, 15, 21, 0, 11, true},
  };
  for (const Case& c : cases) {
    TXwSpinButton button(nullptr);
    button.SetButtonStyle(c.Style);
    button.SetBounds(0, 0, c.Width, c.Height);
    EXPECT_EQ(button.InLowerHalf(c.X, c.Y), c.Lower)
        << c.Width << "x" << c.Height << " at " << c.X << "," << c.Y;
  }
}

// A panel holding one spin button at (10, 10), 20 x 20.
struct TPressRig {
  TPressRig() {
    Panel.SetBounds(0, 0, 60, 60);
    Button = new TXwSpinButton(nullptr);
    Button->SetBounds(10, 10, 20, 20);
    Button->SetParent(&Panel);
    Button->OnTopClick = [this](TObject*) { ++Top; };
    Button->OnBottomClick = [this](TObject*) { ++Bottom; };
    Host = std::make_unique<THost>(&Panel);
  }
  ~TPressRig() { delete Button; }
  GtkWidget* Widget() { return Panel.Handle(); }

  TWinControl Panel{nullptr};
  TXwSpinButton* Button;
  std::unique_ptr<THost> Host;
  int Top = 0, Bottom = 0;
};

TEST_F(XwSpinButtonTest, HoldingTheLowerHalfRepeatsUntilTheMouseSlidesOff) {
  TPressRig rig;
  SendButton(rig.Widget(), GDK_BUTTON_PRESS, 25, 25);  // lower right of the diagonal
  EXPECT_EQ(rig.Bottom, 1);
  EXPECT_EQ(rig.Top, 0);
  EXPECT_EQ(rig.Button->GetDown(), sbBottomDown);
  EXPECT_TRUE(rig.Button->GetMouseCapture());
  TTimer* timer = rig.Button->RepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Running());
  EXPECT_EQ(timer->GetInterval(), 400u);  // the first repeat waits 400 ms
  rig.Button->TimerExpired();
  EXPECT_EQ(rig.Bottom, 2);
  EXPECT_EQ(timer->GetInterval(), 100u);  // then every 100 ms
  rig.Button->TimerExpired();
  EXPECT_EQ(rig.Bottom, 3);

  // Sliding onto the upper half stops the repeats without pressing it.
  SendMotion(rig.Widget(), 12, 12, GDK_BUTTON1_MASK);
  EXPECT_EQ(rig.Button->GetDown(), sbNotDown);
  rig.Button->TimerExpired();
  EXPECT_EQ(rig.Bottom, 3);
  EXPECT_EQ(rig.Top, 0);
  // Sliding back resumes them; leaving the button stops them again.
  SendMotion(rig.Widget(), 27, 27, GDK_BUTTON1_MASK);
  EXPECT_EQ(rig.Button->GetDown(), sbBottomDown);
  rig.Button->TimerExpired();
  EXPECT_EQ(rig.Bottom, 4);
  SendMotion(rig.Widget(), 45, 45, GDK_BUTTON1_MASK);
  rig.Button->TimerExpired();
  EXPECT_EQ(rig.Bottom, 4);

  SendMotion(rig.Widget(), 27, 27, GDK_BUTTON1_MASK);
  SendButton(rig.Widget(), GDK_BUTTON_RELEASE, 27, 27);
  EXPECT_EQ(rig.Button->GetDown(), sbNotDown);
  EXPECT_FALSE(rig.Button->GetMouseCapture());
  rig.Button->TimerExpired();  // a late tick after the release does nothing
  EXPECT_EQ(rig.Bottom, 4);
}

TEST_F(XwSpinButtonTest, TheRepeatTimerRunsOnTheMessageLoop) {
  TPressRig rig;
  const gint64 start = g_get_monotonic_time();
  SendButton(rig.Widget(), GDK_BUTTON_PRESS, 12, 12);
  gint64 firstRepeat = 0;
  while (rig.Top < 3 && g_get_monotonic_time() - start < 10'000'000) {
    g_main_context_iteration(nullptr, TRUE);
    if (rig.Top >= 2 && firstRepeat == 0) firstRepeat = g_get_monotonic_time();
  }
  SendButton(rig.Widget(), GDK_BUTTON_RELEASE, 12, 12);
  EXPECT_EQ(rig.Top, 3);
  EXPECT_GE(firstRepeat - start, 390'000);  // not before the initial pause
}

TEST_F(XwSpinButtonTest, TheUpperHalfClicksTopAndADisabledButtonNothing) {
  TPressRig rig;
  SendButton(rig.Widget(), GDK_BUTTON_PRESS, 12, 12);
  SendButton(rig.Widget(), GDK_BUTTON_RELEASE, 12, 12);
  EXPECT_EQ(rig.Top, 1);
  EXPECT_EQ(rig.Button->GetDown(), sbNotDown);

  rig.Button->SetEnabled(false);
  TPressRig fresh;
  fresh.Button->SetEnabled(false);
  SendButton(fresh.Widget(), GDK_BUTTON_PRESS, 25, 25);
  SendButton(fresh.Widget(), GDK_BUTTON_RELEASE, 25, 25);
  EXPECT_EQ(fresh.Top + fresh.Bottom, 0);
  EXPECT_EQ(fresh.Button->RepeatTimer(), nullptr);
  EXPECT_EQ(fresh.Button->GetDown(), sbNotDown);
}

TEST_F(XwSpinButtonTest, PressingTheButtonFocusesItsEdit) {
  TXwSpinEdit edit(nullptr);
  edit.SetBounds(0, 0, 100, 24);
  THost host(&edit);
  TWinControl* window = edit.ButtonWindow();
  ASSERT_NE(window, nullptr);
  SendButton(window->Handle(), GDK_BUTTON_PRESS, 3, 3);
  SendButton(window->Handle(), GDK_BUTTON_RELEASE, 3, 3);
  EXPECT_EQ(edit.GetText(), "1");
  EXPECT_TRUE(gtk_widget_is_focus(edit.Entry()));
}

// Paints a spin edit's button window so that the button takes its bitmaps.
void PaintButton(TXwCustomSpinEdit& edit) {
  TBitmap target;
  target.SetSize(edit.ButtonWindow()->GetWidth(), edit.ButtonWindow()->GetHeight());
  edit.ButtonWindow()->PaintTo(target.GetCanvas());
}

TEST_F(XwSpinButtonTest, EditsOfOneHeightShareOneBitmapSet) {
  auto* first = new TXwSpinEdit(nullptr);
  auto* second = new TXwSpinEdit(nullptr);
  TXwSpinEdit taller(nullptr);
  first->SetBounds(0, 0, 80, 24);
  second->SetBounds(0, 30, 120, 24);
  taller.SetBounds(0, 60, 80, 30);
  for (TXwCustomSpinEdit* e :
       {static_cast<TXwCustomSpinEdit*>(first), static_cast<TXwCustomSpinEdit*>(second),
        static_cast<TXwCustomSpinEdit*>(&taller)})
    PaintButton(*e);
  TSpinButtonBitmaps* shared = first->Button()->ButtonBitmaps();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(second->Button()->ButtonBitmaps(), shared);
  EXPECT_NE(taller.Button()->ButtonBitmaps(), shared);
  TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Existing();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->Count(), 2);
  EXPECT_EQ(shared->ClientCount(), 2);

  delete first;
  EXPECT_EQ(shared->ClientCount(), 1);
  EXPECT_EQ(second->Button()->ButtonBitmaps(), shared);
  delete second;
  EXPECT_EQ(manager->Count(), 1);  // the shared set went with its last button
  EXPECT_EQ(TSpinButtonBitmapsManager::Existing(), manager);
}

TEST_F(XwSpinButtonTest, TheLastButtonFreesTheManager) {
  {
    TXwSpinEdit a(nullptr), b(nullptr);
    PaintButton(a);
    PaintButton(b);
    EXPECT_NE(TSpinButtonBitmapsManager::Existing(), nullptr);
  }
  EXPECT_EQ(TSpinButtonBitmapsManager::Existing(), nullptr);
  TXwSpinButton again(nullptr);  // the next button makes a new one
  EXPECT_NE(TSpinButtonBitmapsManager::Existing(), nullptr);
}

TEST_F(XwSpinButtonTest, ClassicFacesPressTheHalfThatIsDown) {
  SetThemeServicesEnabled(false);
  TXwSpinEdit edit(nullptr);
  edit.SetBounds(0, 0, 80, 24);
  PaintButton(edit);
  TXwSpinButton* button = edit.Button();
  const int w = button->GetWidth(), h = button->GetHeight();
  auto pixel = [&](TSpinButtonState state, int x, int y) {
    button->SetDown(state);
    TBitmap face;
    face.SetSize(w, h);
    button->PaintOn(face.GetCanvas());
    return face.GetCanvas()->GetPixels(x, y);
  };
  // The top-left edge is light when raised and shadowed when the top is down;
  // the bottom-right edge is dark until the bottom is down.
  EXPECT_EQ(pixel(sbNotDown, 0, h / 2), TColor(0xFFFFFF));
  EXPECT_EQ(pixel(sbTopDown, 0, h / 2), TColor(0xA0A0A0));
  EXPECT_EQ(pixel(sbNotDown, w - 1, h / 2), TColor(0x696969));
  EXPECT_EQ(pixel(sbBottomDown, w - 1, h / 2), TColor(0xFFFFFF));
  SetThemeServicesEnabled(true);
}

TEST_F(XwSpinButtonTest, ThemedHalvesLightUpUnderTheMouse) {
  TPressRig rig;
  auto face = [&]() {
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    rig.Button->PaintOn(bitmap.GetCanvas());
    return std::make_pair(bitmap.GetCanvas()->GetPixels(2, 8),
                          bitmap.GetCanvas()->GetPixels(17, 12));
  };
  const auto normal = face();
  SendMotion(rig.Widget(), 13, 13);  // over the upper half
  const auto top = face();
  SendMotion(rig.Widget(), 27, 27);
  const auto bottom = face();
  EXPECT_NE(top.first, normal.first);
  EXPECT_EQ(top.second, normal.second);
  EXPECT_EQ(bottom.first, normal.first);
  EXPECT_NE(bottom.second, normal.second);
  SendMotion(rig.Widget(), 50, 50);  // off the button: no half is hot
  EXPECT_EQ(face(), normal);
}

// ---- gallery ----

struct TGalleryState {
  const char* Name;
  void (*Apply)(TXwCustomSpinEdit&);
};

TXwSpinButton* StepButton(TXwCustomSpinEdit& e) {
  return e.Button() != nullptr ? e.Button() : e.UpDown();
}

void MoveOver(TXwCustomSpinEdit& e, bool top) {
  TXwSpinButton* b = StepButton(e);
  const int x = top ? 2 : b->GetWidth() - 3, y = top ? 2 : b->GetHeight() - 3;
  SendMotion(e.ButtonWindow()->Handle(), b->GetLeft() + x, b->GetTop() + y);
}

const TGalleryState GalleryStates[] = {
    {"normal", [](TXwCustomSpinEdit&) {}},
    {"hot top", [](TXwCustomSpinEdit& e) { MoveOver(e, true); }},
    {"hot bottom", [](TXwCustomSpinEdit& e) { MoveOver(e, false); }},
    {"pressed top", [](TXwCustomSpinEdit& e) { StepButton(e)->SetDown(sbTopDown); }},
    {"pressed bottom", [](TXwCustomSpinEdit& e) { StepButton(e)->SetDown(sbBottomDown); }},
    {"disabled", [](TXwCustomSpinEdit& e) { e.SetEnabled(false); }},
};

void PasteAt(cairo_t* cr, GtkWidget* widget, int x, int y) {
  cairo_surface_t* s = Render(widget);
  cairo_set_source_surface(cr, s, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(s);
}

TEST_F(XwSpinButtonTest, Gallery) {
  const TSpinButtonKind kinds[] = {bkStandard, bkDiagonal, bkClassic};
  const int cellW = 130, cellH = 40, rows = int(std::size(GalleryStates));
  cairo_surface_t* sheet =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cellW * 6 + 10, cellH * rows + 10);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.94, 0.94, 0.94);
  cairo_paint(cr);
  for (int themed = 0; themed < 2; ++themed) {
    SetThemeServicesEnabled(themed == 1);
    for (int k = 0; k < 3; ++k) {
      for (int s = 0; s < rows; ++s) {
        TXwSpinEdit edit(nullptr);
        edit.SetBounds(0, 0, 100, 26);
        edit.SetButtonKind(kinds[k]);
        edit.SetValueType(vtFloat);
        edit.SetValue(1234.5 + s);
        THost host(&edit);
        gtk_editable_select_region(GTK_EDITABLE(edit.Entry()), 0, 0);
        GalleryStates[s].Apply(edit);
        Pump();
        PasteAt(cr, edit.Handle(), 5 + (themed * 3 + k) * cellW, 5 + s * cellH);
      }
    }
  }
  SetThemeServicesEnabled(true);
  cairo_destroy(cr);
  SavePng(sheet, "xw_spin_edits");
  // The buttons three times as large, to see their pixels.
  cairo_surface_t* zoom =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 6 * 40 * 3, rows * cellH * 3);
  cairo_t* zc = cairo_create(zoom);
  cairo_scale(zc, 3, 3);
  for (int column = 0; column < 6; ++column) {
    cairo_save(zc);
    cairo_rectangle(zc, column * 40, 0, 40, rows * cellH);
    cairo_clip(zc);
    cairo_set_source_surface(zc, sheet, column * 40 - (5 + column * cellW + 65), -5);
    cairo_pattern_set_filter(cairo_get_source(zc), CAIRO_FILTER_NEAREST);
    cairo_paint(zc);
    cairo_restore(zc);
  }
  cairo_destroy(zc);
  SavePng(zoom, "xw_spin_buttons_zoomed");
  cairo_surface_destroy(zoom);
  EXPECT_EQ(cairo_surface_status(sheet), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(sheet);
}

}  // namespace
