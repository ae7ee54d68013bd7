// The scene's repaint cycle: gathering dirty rectangles, the paint pass and
// the copy to the window.

#include <gtk/gtk.h>

#include <cmath>

#include "platform/vcl/Forms.h"
#include "scene/zr_brush.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "scene/zr_visual.h"

namespace {

bool Touches(const TzrRect& A, const TzrRect& B) {
  return A.Left <= B.Right && B.Left <= A.Right && A.Top <= B.Bottom && B.Top <= A.Bottom;
}

constexpr size_t MaxSeparateRects = 20;

// Runs Fn and reports what it throws: callbacks of the main loop may not let
// exceptions through.
template <class F>
void Guarded(TObject* Sender, F&& Fn) {
  try {
    Fn();
  } catch (...) {
    if (Application) Application->HandleException(Sender);
  }
}

// The rectangles of Cr's clip: the area GTK asks to be drawn (the whole
// W x H window when the clip is no list of rectangles).
std::vector<TzrRect> ClipRects(cairo_t* Cr, int W, int H) {
  cairo_rectangle_list_t* clip = cairo_copy_clip_rectangle_list(Cr);
  std::vector<TzrRect> rects;
  if (clip->status == CAIRO_STATUS_SUCCESS)
    for (int i = 0; i < clip->num_rectangles; ++i) {
      const cairo_rectangle_t& c = clip->rectangles[i];
      rects.push_back(zrRect(float(c.x), float(c.y), float(c.x + c.width), float(c.y + c.height)));
    }
  else
    rects.push_back(zrRect(0, 0, float(W), float(H)));
  cairo_rectangle_list_destroy(clip);
  return rects;
}

}  // namespace

// ---------------------------------------------------------------- gathering

void TzrCustomScene::AddUpdateRect(const TzrRect& R) {
  if (FDisableUpdate || IsLoading() || IsDestroying()) return;
  if (!FOnFlush && !HandleAllocated()) return;
  if (!FCanvas || (FCanvas->GetBuffered() && !FCanvas->GetBufferBits())) return;
  if (R.Right - R.Left == 0 || R.Bottom - R.Top == 0) return;
  // Whole pixels: the left and top edges truncated, the others one beyond.
  const TzrRect r = zrRect(std::trunc(R.Left), std::trunc(R.Top), std::trunc(R.Right) + 1,
                           std::trunc(R.Bottom) + 1);
  if (r.Left > float(GetWidth()) || r.Right < 0 || r.Top > float(GetHeight()) || r.Bottom < 0)
    return;
  if (FDrawing) {
    // Asked for by the painting of this very pass: painted in the next frame.
    FLateRects.push_back(r);
    return;
  }
  if (FOnFlush || LayeredCase()) {
    FUpdateRects.push_back(r);
    ScheduleFlush();
    return;
  }
  // A window that is never drawn (hidden) must not grow the list forever.
  if (FInvalidRects.size() >= 256) FInvalidRects.clear();
  FInvalidRects.push_back(r);
  gtk_widget_queue_draw_area(Handle(), int(r.Left), int(r.Top), int(r.Right - r.Left),
                             int(r.Bottom - r.Top));
}

void TzrCustomScene::ScheduleFlush() {
  if (FFlushSource) return;
  FFlushSource = g_idle_add_full(
      G_PRIORITY_HIGH_IDLE + 20,
      [](gpointer self) -> gboolean {
        auto* scene = static_cast<TzrCustomScene*>(self);
        scene->FFlushSource = 0;
        Guarded(scene, [scene] { scene->Draw(); });
        return G_SOURCE_REMOVE;
      },
      this, nullptr);
}

// Rectangles asked for during a pass go into the next frame once the pass
// has ended.
void TzrCustomScene::RequeueLate() {
  if (FLateRects.empty() || FLateSource) return;
  FLateSource = g_idle_add_full(
      G_PRIORITY_HIGH_IDLE + 20,
      [](gpointer self) -> gboolean {
        auto* scene = static_cast<TzrCustomScene*>(self);
        scene->FLateSource = 0;
        std::vector<TzrRect> late;
        late.swap(scene->FLateRects);
        for (const TzrRect& r : late)
          scene->AddUpdateRect(zrRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
        return G_SOURCE_REMOVE;
      },
      this, nullptr);
}

// ---------------------------------------------------------------- the window's draw

void TzrCustomScene::CaptureBackdrop(int X, int Y) {
  if (FBackdrop) cairo_surface_destroy(FBackdrop);
  FBackdrop = nullptr;
  if (!LayeredCase() || zrScreenComposites()) return;
  GdkWindow* root = gdk_get_default_root_window();
  const int w = GetWidth(), h = GetHeight();
  if (!root || w <= 0 || h <= 0) return;
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(root, X, Y, w, h);
  if (!shot) return;
  FBackdrop = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(FBackdrop);
  gdk_cairo_set_source_pixbuf(cr, shot, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  g_object_unref(shot);
}

void TzrCustomScene::Paint(cairo_t* Cr) {
  if (FOnFlush || !FCanvas) return;
  if (FDrawing) {
    // An expose that arrives while a pass runs: its area is asked for again
    // once the pass has ended.
    for (const TzrRect& r : ClipRects(Cr, GetWidth(), GetHeight())) FLateRects.push_back(r);
    return;
  }
  FInvalidRects.clear();
  if (LayeredCase()) {
    // Painted by the idle pass; the window shows the whole buffer.
    cairo_save(Cr);
    cairo_set_operator(Cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(Cr, 0, 0, 0, 0);
    cairo_paint(Cr);
    cairo_restore(Cr);
    if (!FBackdrop) {
      FCanvas->FlushBuffer(0, 0, TzrHandle(Cr));
      return;
    }
    // A screen that does not composite shows no transparency: the buffer is
    // blended over what the window covers.
    cairo_save(Cr);
    cairo_set_source_surface(Cr, FBackdrop, 0, 0);
    cairo_paint(Cr);
    cairo_push_group(Cr);
    FCanvas->FlushBuffer(0, 0, TzrHandle(Cr));
    cairo_pop_group_to_source(Cr);
    cairo_set_operator(Cr, CAIRO_OPERATOR_OVER);
    cairo_paint(Cr);
    cairo_restore(Cr);
    return;
  }
  std::vector<TzrRect> rects = ClipRects(Cr, GetWidth(), GetHeight());
  // At most one pass per frame-clock tick; a second request in the same tick
  // shows the buffer, which holds everything painted so far.
  GdkFrameClock* clock = gtk_widget_get_frame_clock(Handle());
  const int64_t frame = clock ? gdk_frame_clock_get_frame_counter(clock) : -1;
  if (clock && frame == FLastFrame) {
    for (const TzrRect& r : rects) {
      cairo_save(Cr);
      cairo_rectangle(Cr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      cairo_clip(Cr);
      if (WantsOwnWindow())
        FCanvas->FlushBufferRect(0, 0, TzrHandle(Cr), r);
      else
        CopyOver(Cr, r);
      cairo_restore(Cr);
    }
    return;
  }
  FLastFrame = frame;
  FUpdateRects = std::move(rects);
  FDC = TzrHandle(Cr);
  try {
    Draw();
  } catch (...) {
    FDC = 0;
    throw;
  }
  FDC = 0;
}

// ---------------------------------------------------------------- the pass

void TzrCustomScene::UpdateBuffer() {
  FUpdateRects.assign(1, zrRect(0, 0, float(GetWidth()), float(GetHeight())));
  Draw();
}

void TzrCustomScene::Draw() {
  if ((!FDesignTime && FOpenInFrame) || FDrawing || FUpdateRects.empty() || !FCanvas) return;
  FDrawing = true;
  ++FDrawCount;
  struct TPassEnd {
    TzrCustomScene* Scene;
    ~TPassEnd() {
      Scene->FUpdateRects.clear();
      Scene->FDrawing = false;
      Scene->RequeueLate();
    }
  } passEnd{this};
  if (FUpdateRects.size() > MaxSeparateRects) {
    TzrRect all = FUpdateRects[0];
    for (const TzrRect& r : FUpdateRects) all = zrUnionRect(all, r);
    FUpdateRects.assign(1, all);
  }
  FLastPainted = FUpdateRects;
  if (FCanvas->BeginScene()) {
    FCanvas->ResetClipRect();
    FCanvas->SetMatrix(IdentityMatrix);
    FCanvas->SetClipRects(FUpdateRects);
    PaintBackground();
    FCanvas->SetStrokeThickness(1.0f);
    FCanvas->SetStrokeCap(zrCapFlat);
    FCanvas->SetStrokeJoin(zrJoinMiter);
    FCanvas->SetStrokeDash(zrDashSolid);
    FCanvas->GetStroke()->SetStyle(zrBrushSolid);
    FCanvas->GetFill()->SetStyle(zrBrushSolid);
    PaintObjects();
    PaintDesignOverlay();
    if (FShowUpdateRects) OutlineUpdateRects();
    FCanvas->EndScene();
  }
  Flush();
}

void TzrCustomScene::PaintBackground() {
  const TzrBrushStyle style = FFill->GetStyle();
  const bool none =
      style == zrBrushNone || (style == zrBrushSolid && (FFill->GetSolidColor() >> 24) == 0);
  // A transparent scene inside another control leaves its background clear:
  // GTK has drawn what lies beneath, and the buffer goes over it.
  const bool childTransparent = FTransparency && !ParentIsForm();
  if (none) {
    const TzrColor clear =
        FTransparency || childTransparent ? 0 : (FFill->GetSolidColor() & 0x00FFFFFF);
    for (const TzrRect& r : FUpdateRects) FCanvas->ClearRect(r, clear);
    return;
  }
  FCanvas->GetFill()->Assign(FFill.get());
  FCanvas->FillRect(zrRect(-1, -1, float(GetWidth() + 1), float(GetHeight() + 1)), 0, 0, AllCorners,
                    1.0f, zrCornerRound);
}

void TzrCustomScene::PaintObjects() {
  for (size_t i = 0; i < FChildren.size(); ++i) {
    TzrObject* object = FChildren[i];
    if (!object->GetIsVisual()) continue;
    TzrVisualObject* v = object->GetVisual();
    if (!v->GetVisible()) continue;
    const TzrRect area = v->GetUpdateRect();
    if (std::none_of(FUpdateRects.begin(), FUpdateRects.end(),
                     [&](const TzrRect& r) { return Touches(area, r); }))
      continue;
    FCanvas->SetMatrix(v->GetAbsoluteMatrix());
    v->BeforePaint();
    v->Paint();
    v->AfterPaint();
    v->PaintChildren();
    if (v->OnPaint) {
      FCanvas->SetMatrix(v->GetAbsoluteMatrix());
      v->OnPaint(v, FCanvas.get(), v->GetLocalRect());
    }
  }
}

void TzrCustomScene::OutlineUpdateRects() {
  FCanvas->ResetClipRect();
  FCanvas->SetMatrix(IdentityMatrix);
  FCanvas->GetStroke()->SetStyle(zrBrushSolid);
  FCanvas->GetStroke()->SetSolidColor(0x9000FF00);
  FCanvas->SetStrokeThickness(1);
  for (const TzrRect& r : FUpdateRects) FCanvas->DrawRect(r, 0, 0, AllCorners, 0.5f);
}

// ---------------------------------------------------------------- flush

void TzrCustomScene::Flush() {
  if (FOnFlush) {
    const TNotifyEvent flush = FOnFlush;
    flush(this);
    return;
  }
  if (!FTransparency || !ParentIsForm() || FDesignTime) {
    if (!FDC) return;
    auto* cr = reinterpret_cast<cairo_t*>(FDC);
    for (const TzrRect& r : FUpdateRects) {
      cairo_save(cr);
      cairo_rectangle(cr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      cairo_clip(cr);
      if (WantsOwnWindow())
        FCanvas->FlushBufferRect(0, 0, FDC, r);
      else
        CopyOver(cr, r);
      cairo_restore(cr);
    }
  }
  // The transparent scene on a form shows its whole buffer after each pass.
  if (LayeredCase() && HandleAllocated()) gtk_widget_queue_draw(Handle());
}

// Draws the buffer over what lies beneath (a transparent scene in a control).
void TzrCustomScene::CopyOver(cairo_t* Cr, const TzrRect& R) {
  const int w = FCanvas->GetWidth(), h = FCanvas->GetHeight();
  if (!FCanvas->GetBufferBits() || w <= 0 || h <= 0) return;
  cairo_surface_t* buffer = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(FCanvas->GetBufferBits()), CAIRO_FORMAT_ARGB32, w, h, w * 4);
  cairo_save(Cr);
  cairo_rectangle(Cr, R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
  cairo_clip(Cr);
  cairo_set_operator(Cr, CAIRO_OPERATOR_OVER);
  cairo_set_source_surface(Cr, buffer, 0, 0);
  cairo_paint(Cr);
  cairo_restore(Cr);
  cairo_surface_destroy(buffer);
}

// ---------------------------------------------------------------- actions

// Runs the action updates once whenever the loop turns idle after events of
// the scene's window; an idle loop without events runs nothing.
void TzrCustomScene::ConnectActionIdle() {
  TForm* form = GetParentForm();
  if (!form || FEventHandler) return;
  FEventWindow = form->Handle();
  FEventHandler = g_signal_connect(FEventWindow, "event-after",
                                   G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer self) {
                                     auto* scene = static_cast<TzrCustomScene*>(self);
                                     if (scene->FActionSource) return;
                                     scene->FActionSource = g_idle_add(
                                         [](gpointer s) -> gboolean {
                                           auto* sc = static_cast<TzrCustomScene*>(s);
                                           sc->FActionSource = 0;
                                           Guarded(sc, [sc] { sc->InitiateAction(); });
                                           return G_SOURCE_REMOVE;
                                         },
                                         scene);
                                   }),
                                   this);
}

void TzrCustomScene::InitiateAction() {
  TCustomControl::InitiateAction();
  ++FActionRuns;
  TzrObject* root = GetRoot();
  if (root && root->GetIsVisual()) WalkActions(root->GetVisual());
}

void TzrCustomScene::WalkActions(TzrVisualObject* Node) {
  if (!Node->CheckParentVisible()) return;
  for (int i = 0; i < Node->GetChildrenCount(); ++i) {
    TzrObject* child = Node->GetChild(i);
    if (!child->GetIsVisual()) continue;
    TzrVisualObject* v = child->GetVisual();
    if (v->GetVisible() && zrControlInitiateAction) zrControlInitiateAction(v);
    WalkActions(v);
  }
}
