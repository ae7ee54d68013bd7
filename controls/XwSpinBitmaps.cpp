#include "controls/XwSpinBitmaps.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

#include "platform/vcl/WinControls.h"

TSpinButtonBitmapsManager* TSpinButtonBitmapsManager::FInstance = nullptr;

namespace {

enum TFaceState { fsNormal, fsHot, fsPressed, fsDisabled };

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

std::unique_ptr<TBitmap> NewFace(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(width, height);
  return bitmap;
}

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas->GetPen()->SetColor(color);
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

// A soft 3-D edge around r: light on the left and top, dark on the right and
// bottom when raised, the reverse when sunken.
void SoftEdge(TCanvas* canvas, const TRect& r, bool sunken) {
  const TColor outerLight = sunken ? cl3DDkShadow : clBtnHighlight;
  const TColor innerLight = sunken ? clBtnShadow : cl3DLight;
  const TColor outerDark = sunken ? clBtnHighlight : cl3DDkShadow;
  const TColor innerDark = sunken ? cl3DLight : clBtnShadow;
  Line(canvas, outerLight, r.Left, r.Bottom - 1, r.Left, r.Top);
  Line(canvas, outerLight, r.Left, r.Top, r.Right, r.Top);
  Line(canvas, outerDark, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
  Line(canvas, outerDark, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
  Line(canvas, innerLight, r.Left + 1, r.Bottom - 2, r.Left + 1, r.Top + 1);
  Line(canvas, innerLight, r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 1);
  Line(canvas, innerDark, r.Right - 2, r.Top + 1, r.Right - 2, r.Bottom - 2);
  Line(canvas, innerDark, r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 2);
}

// The three-pixel diagonal from the bottom-left to the top-right corner of
// the rectangle shrunk by one pixel.
void Diagonal(TCanvas* canvas, int width, int height, TColor first, TColor second, TColor third) {
  const int l = 1, t = 1, r = width - 1, b = height - 1;
  Line(canvas, first, l, b - 2, r - 1, t - 1);
  Line(canvas, third, r - 1, t, l, b - 1);
  Line(canvas, second, l + 1, b - 1, r, t);
}

void DrawGlyph(TCanvas* canvas, const char* name, int x, int y, bool enabled,
               const TRect* clip = nullptr) {
  std::unique_ptr<TBitmap> glyph(LoadSpinGlyph(name));
  if (!enabled) glyph.reset(MakeGreyedGlyph(glyph.get()));
  if (clip == nullptr) {
    canvas->Draw(x, y, glyph.get());
    return;
  }
  gdi::HDC dc = canvas->GetHandle();
  int saved = gdi::SaveDC(dc);
  gdi::IntersectClipRect(dc, clip->Left, clip->Top, clip->Right, clip->Bottom);
  canvas->Draw(x, y, glyph.get());
  gdi::RestoreDC(dc, saved);
}

// ---- themed faces from GTK's button style ----

GtkStateFlags FlagsOf(int state) {
  switch (state) {
    case fsHot:
      return GTK_STATE_FLAG_PRELIGHT;
    case fsPressed:
      return GtkStateFlags(GTK_STATE_FLAG_ACTIVE | GTK_STATE_FLAG_PRELIGHT);
    case fsDisabled:
      return GTK_STATE_FLAG_INSENSITIVE;
    default:
      return GTK_STATE_FLAG_NORMAL;
  }
}

GtkStyleContext* NewButtonContext(int state) {
  GtkWidgetPath* path = gtk_widget_path_new();
  gtk_widget_path_append_type(path, GTK_TYPE_BUTTON);
  gtk_widget_path_iter_set_object_name(path, -1, "button");
  GtkStyleContext* context = gtk_style_context_new();
  gtk_style_context_set_path(context, path);
  gtk_widget_path_unref(path);
  gtk_style_context_set_state(context, FlagsOf(state));
  return context;
}

TColor ColorOf(const GdkRGBA& c) {
  auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  return TColor(channel(c.red) | (channel(c.green) << 8) | (channel(c.blue) << 16));
}

TColor ThemeBorderColor(int state) {
  GtkStyleContext* context = NewButtonContext(state);
  GdkRGBA* color = nullptr;
  gtk_style_context_get(context, FlagsOf(state), "border-color", &color, nullptr);
  TColor result = color != nullptr ? ColorOf(*color) : TColor(clBtnShadow);
  if (color != nullptr) gdk_rgba_free(color);
  g_object_unref(context);
  return result;
}

// Paints the themed button face of a state over (x, y, w, h) into cr.
void RenderButtonFace(cairo_t* cr, int state, double x, double y, double w, double h) {
  GtkStyleContext* context = NewButtonContext(state);
  gtk_render_background(context, cr, x, y, w, h);
  gtk_render_frame(context, cr, x, y, w, h);
  g_object_unref(context);
}

// Copies a Cairo image into the bitmap's pixels.
void CopySurface(cairo_surface_t* surface, TBitmap* bitmap) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  // Cairo leaves the fourth byte of RGB24 pixels undefined; the bitmap's
  // pixels are opaque.
  for (int y = 0; y < bitmap->GetHeight(); ++y) {
    uint8_t* row = bitmap->GetScanLine(y);
    std::memcpy(row, data + size_t(y) * size_t(stride), size_t(bitmap->GetWidth()) * 4);
    for (int x = 0; x < bitmap->GetWidth(); ++x) row[x * 4 + 3] = 0xFF;
  }
}

}  // namespace

// ---------------- TSpinButtonBitmaps ----------------

TSpinButtonBitmaps::TSpinButtonBitmaps(TSpinButtonBitmapsManager* manager, int width, int height,
                                       TXwSpinButtonStyle style, bool customGlyphs)
    : FManager(manager),
      FWidth(width),
      FHeight(height),
      FStyle(style),
      FCustomGlyphs(customGlyphs) {}

TSpinButtonBitmaps::~TSpinButtonBitmaps() = default;

void TSpinButtonBitmaps::RemoveClient() {
  if (--FClientCount > 0) return;
  if (FManager != nullptr) FManager->Remove(this);
  delete this;
}

void TSpinButtonBitmaps::Draw(TCanvas* canvas, TSpinButtonState down, bool enabled, bool mouseInTop,
                              bool mouseInBottom) {
  if (FResetOnDraw) DrawAllBitmaps();
  TBitmap* face = FNotDownBtn.get();
  if (!enabled) {
    face = FDisabledBtn.get();
  } else if (down == sbTopDown) {
    face = FTopDownBtn.get();
  } else if (down == sbBottomDown) {
    face = FBottomDownBtn.get();
  } else if (FIsThemed && mouseInTop) {
    face = FTopHotBtn.get();
  } else if (FIsThemed && mouseInBottom) {
    face = FBottomHotBtn.get();
  }
  canvas->Draw(0, 0, face);
}

void TSpinButtonBitmaps::DrawAllBitmaps() {
  FResetOnDraw = false;
  FIsThemed = ThemeServicesEnabled();
  for (auto* b : {&FTopDownBtn, &FBottomDownBtn, &FNotDownBtn, &FDisabledBtn})
    *b = NewFace(FWidth, FHeight);
  FTopHotBtn.reset();
  FBottomHotBtn.reset();
  if (FWidth <= 0 || FHeight <= 0) return;
  if (FIsThemed) {
    FTopHotBtn = NewFace(FWidth, FHeight);
    FBottomHotBtn = NewFace(FWidth, FHeight);
    DrawThemed(FTopDownBtn.get(), fsPressed, fsNormal);
    DrawThemed(FBottomDownBtn.get(), fsNormal, fsPressed);
    DrawThemed(FNotDownBtn.get(), fsNormal, fsNormal);
    DrawThemed(FTopHotBtn.get(), fsHot, fsNormal);
    DrawThemed(FBottomHotBtn.get(), fsNormal, fsHot);
    DrawThemed(FDisabledBtn.get(), fsDisabled, fsDisabled);
    return;
  }
  const bool diagonal = FStyle == sbsDefault;
  const std::tuple<TBitmap*, TSpinButtonState, bool> states[] = {
      {FTopDownBtn.get(), sbTopDown, true},
      {FBottomDownBtn.get(), sbBottomDown, true},
      {FNotDownBtn.get(), sbNotDown, true},
      {FDisabledBtn.get(), sbNotDown, false},
  };
  for (const auto& [bitmap, state, enabled] : states) {
    if (diagonal) {
      DrawClassicDiagonal(bitmap, state, enabled);
    } else {
      DrawClassicHorizontal(bitmap, state, enabled);
    }
  }
}

void TSpinButtonBitmaps::DrawClassicDiagonal(TBitmap* bitmap, TSpinButtonState down, bool enabled) {
  TCanvas* canvas = bitmap->GetCanvas();
  const int w = FWidth, h = FHeight;
  canvas->GetBrush()->SetColor(clBtnFace);
  canvas->FillRect(TRect{0, 0, w, h});
  const bool topDown = down == sbTopDown, bottomDown = down == sbBottomDown;
  // The upper-left triangle's left and top edges, the lower-right's right
  // and bottom edges.
  const TColor topLight = topDown ? clBtnShadow : clBtnHighlight;
  Line(canvas, topLight, 0, h - 1, 0, 0);
  Line(canvas, topLight, 0, 0, w, 0);
  const TColor bottomDark = bottomDown ? clBtnHighlight : cl3DDkShadow;
  Line(canvas, bottomDark, w - 1, 0, w - 1, h - 1);
  Line(canvas, bottomDark, 0, h - 1, w, h - 1);
  TColor first = clBtnShadow, second = clBtnHighlight, third = cl3DDkShadow;
  if (topDown) first = clBtnFace, third = clBtnHighlight;
  if (bottomDown) second = clWindowFrame, third = clBtnShadow;
  Diagonal(canvas, w, h, first, second, third);
  if (!FCustomGlyphs) DrawDiagonalGlyphs(canvas, nullptr, nullptr, topDown ? 2 : 1, enabled);
}

void TSpinButtonBitmaps::DrawDiagonalGlyphs(TCanvas* canvas, TBitmap* up, TBitmap* down,
                                            int upShift, bool enabled) {
  std::unique_ptr<TBitmap> ownUp, ownDown;
  if (up == nullptr) ownUp.reset(LoadSpinGlyph("XwSpinUP")), up = ownUp.get();
  if (down == nullptr) ownDown.reset(LoadSpinGlyph("XwSpinDOWN")), down = ownDown.get();
  const int ux = RoundHalfEven(FWidth / 4.0 - up->GetWidth() / 2.0) + upShift;
  const int uy = RoundHalfEven(FHeight / 4.0 - up->GetHeight() / 2.0) + upShift;
  const int dx = RoundHalfEven(3.0 * FWidth / 4.0 - down->GetWidth() / 2.0) - 1;
  const int dy = RoundHalfEven(3.0 * FHeight / 4.0 - down->GetHeight() / 2.0) - 1;
  std::unique_ptr<TBitmap> greyUp, greyDown;
  if (!enabled) {
    greyUp.reset(MakeGreyedGlyph(up)), up = greyUp.get();
    greyDown.reset(MakeGreyedGlyph(down)), down = greyDown.get();
  }
  canvas->Draw(ux, uy, up);
  canvas->Draw(dx, dy, down);
}

void TSpinButtonBitmaps::DrawClassicHorizontal(TBitmap* bitmap, TSpinButtonState down,
                                               bool enabled) {
  TCanvas* canvas = bitmap->GetCanvas();
  const int w = FWidth, h = FHeight, half = FHeight / 2;
  const TRect upper{0, 0, w, half}, lower{0, half, w, h};
  canvas->GetBrush()->SetColor(clBtnFace);
  canvas->FillRect(TRect{0, 0, w, h});
  SoftEdge(canvas, upper, down == sbTopDown);
  SoftEdge(canvas, lower, down == sbBottomDown);
  if (FCustomGlyphs) return;
  const int gw = 7, gh = 4;
  const int shiftUp = down == sbTopDown ? 1 : 0, shiftDown = down == sbBottomDown ? 1 : 0;
  DrawGlyph(canvas, "XwSpinUPPOLE", (w - gw) / 2 + shiftUp, (half - gh) / 2 + shiftUp, enabled,
            &upper);
  DrawGlyph(canvas, "XwSpinDOWNPOLE", (w - gw) / 2 + shiftDown,
            half + (h - half - gh) / 2 + shiftDown, enabled, &lower);
}

void TSpinButtonBitmaps::DrawThemed(TBitmap* bitmap, int topState, int bottomState) {
  const int w = FWidth, h = FHeight, half = FHeight / 2;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(surface);
  gdi::COLORREF face = ColorToRGB(clBtnFace);
  cairo_set_source_rgb(cr, (face & 0xFF) / 255.0, ((face >> 8) & 0xFF) / 255.0,
                       ((face >> 16) & 0xFF) / 255.0);
  cairo_paint(cr);
  const bool diagonal = FStyle == sbsDefault;
  // The upper half (triangle or rectangle), then the lower.
  cairo_save(cr);
  if (diagonal) {
    cairo_move_to(cr, 0, 0), cairo_line_to(cr, w, 0), cairo_line_to(cr, 0, h);
  } else {
    cairo_rectangle(cr, 0, 0, w, topState == fsNormal ? half + 1 : half);
  }
  cairo_clip(cr);
  RenderButtonFace(cr, topState, -1, -1, w + 2, diagonal ? h + 2 : half + 2);
  cairo_restore(cr);
  cairo_save(cr);
  if (diagonal) {
    cairo_move_to(cr, w, 0), cairo_line_to(cr, w, h), cairo_line_to(cr, 0, h);
  } else {
    const int top = topState == fsNormal ? half + 1 : half;
    cairo_rectangle(cr, 0, top, w, h - top);
  }
  cairo_clip(cr);
  if (diagonal) {
    RenderButtonFace(cr, bottomState, -1, -1, w + 2, h + 2);
  } else {
    RenderButtonFace(cr, bottomState, -1, half - 1, w + 2, h - half + 2);
  }
  cairo_restore(cr);
  cairo_destroy(cr);
  CopySurface(surface, bitmap);
  cairo_surface_destroy(surface);

  TCanvas* canvas = bitmap->GetCanvas();
  const bool enabled = topState != fsDisabled;
  if (diagonal) {
    const TColor shadow = ThemeBorderColor(enabled ? fsNormal : fsDisabled);
    Diagonal(canvas, w, h, shadow, clBtnHighlight, shadow);
    if (!FCustomGlyphs) DrawDiagonalGlyphs(canvas, nullptr, nullptr, 1, enabled);
    return;
  }
  const TRect upper{0, 0, w, half}, lower{0, half, w, h};
  DrawGlyph(canvas, "XwSpinUPPOLE", (w - 7) / 2, (half - 4) / 2, enabled, &upper);
  DrawGlyph(canvas, "XwSpinDOWNPOLE", (w - 7) / 2, half + (h - half - 4) / 2, enabled, &lower);
}

void TSpinButtonBitmaps::DrawGlyphs(TCanvas* canvas, TSpinButtonState down, bool enabled,
                                    TBitmap* upArrow, TBitmap* downArrow) {
  const bool hasUp = upArrow != nullptr && upArrow->GetWidth() > 0;
  const bool hasDown = downArrow != nullptr && downArrow->GetWidth() > 0;
  if (FStyle == sbsDefault) {
    std::unique_ptr<TBitmap> ownUp, ownDown;
    if (!hasUp) ownUp.reset(LoadSpinGlyph("XwSpinUP")), upArrow = ownUp.get();
    if (!hasDown) ownDown.reset(LoadSpinGlyph("XwSpinDOWN")), downArrow = ownDown.get();
    const int shift = !FIsThemed && down == sbTopDown ? 2 : 1;
    DrawDiagonalGlyphs(canvas, upArrow, downArrow, shift, enabled);
    return;
  }
  if (FIsThemed) return;
  const int half = FHeight / 2;
  const TRect upper{0, 0, FWidth, half}, lower{0, half, FWidth, FHeight};
  auto place = [&](TBitmap* glyph, const TRect& r, bool pressed) {
    std::unique_ptr<TBitmap> grey;
    if (!enabled) grey.reset(MakeGreyedGlyph(glyph)), glyph = grey.get();
    const int s = pressed ? 1 : 0;
    gdi::HDC dc = canvas->GetHandle();
    int saved = gdi::SaveDC(dc);
    gdi::IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    canvas->Draw((r.Width() - glyph->GetWidth()) / 2 + s,
                 r.Top + (r.Height() - glyph->GetHeight()) / 2 + s, glyph);
    gdi::RestoreDC(dc, saved);
  };
  if (hasUp) place(upArrow, upper, down == sbTopDown);
  if (hasDown) place(downArrow, lower, down == sbBottomDown);
}

// ---------------- TSpinButtonBitmapsManager ----------------

namespace {

// A theme change redraws every set before its next use.
void OnThemeChanged(GObject*, GParamSpec*, void* manager) {
  static_cast<TSpinButtonBitmapsManager*>(manager)->ResetAll();
}

}  // namespace

TSpinButtonBitmapsManager* TSpinButtonBitmapsManager::Instance() {
  if (FInstance != nullptr) return FInstance;
  FInstance = new TSpinButtonBitmapsManager;
  if (GtkSettings* settings = gtk_settings_get_default())
    g_signal_connect(settings, "notify::gtk-theme-name", G_CALLBACK(OnThemeChanged), FInstance);
  return FInstance;
}

TSpinButtonBitmapsManager::~TSpinButtonBitmapsManager() {
  if (GtkSettings* settings = gtk_settings_get_default())
    g_signal_handlers_disconnect_by_data(settings, this);
  std::vector<TSpinButtonBitmaps*> sets;
  sets.swap(FList);
  for (TSpinButtonBitmaps* set : sets) delete set;
  if (FInstance == this) FInstance = nullptr;
}

namespace {

// The sort key of a set: width, height, style, custom glyphs.
std::tuple<int, int, int, bool> KeyOf(const TSpinButtonBitmaps* b) {
  return {b->Width(), b->Height(), int(b->Style()), b->CustomGlyphs()};
}

}  // namespace

TSpinButtonBitmaps* TSpinButtonBitmapsManager::WantButtons(int width, int height,
                                                           TXwSpinButtonStyle style,
                                                           bool customGlyphs) {
  const std::tuple<int, int, int, bool> key{width, height, int(style), customGlyphs};
  int low = 0, high = int(FList.size()) - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const auto found = KeyOf(FList[size_t(middle)]);
    if (found == key) return FList[size_t(middle)];
    if (found < key) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  auto* set = new TSpinButtonBitmaps(this, width, height, style, customGlyphs);
  FList.insert(FList.begin() + low, set);
  return set;
}

void TSpinButtonBitmapsManager::RemoveClient() {
  if (--FClientCount > 0) return;
  delete this;
}

void TSpinButtonBitmapsManager::Remove(TSpinButtonBitmaps* bitmaps) {
  FList.erase(std::remove(FList.begin(), FList.end(), bitmaps), FList.end());
}

void TSpinButtonBitmapsManager::ResetAll() {
  for (TSpinButtonBitmaps* set : FList) set->Reset();
}
