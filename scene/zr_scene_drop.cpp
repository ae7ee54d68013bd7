// TzrCustomScene: drag and drop. Files (text/uri-list) and text dropped from
// other programs go, as a TzrDragObject, to the node under the point that
// accepts them; a node dragged inside the program travels as a private
// target and meets the same nodes. DragTarget and DragSource are one set for
// the whole program: only one drag runs at a time.
//
// GTK asks for the dragged data before the drop only when someone requests
// it: the scene requests it at the first motion of a drag and keeps the
// record until the drag leaves or drops. GTK sends a leave just before a
// drop, so the leave is carried out from idle unless a drop follows.

#include <gtk/gtk.h>

#include <cstring>

#include "scene/zr_bitmap.h"
#include "scene/zr_scene.h"

TzrVisualObject* DragTarget = nullptr;
TzrVisualObject* DragSource = nullptr;

namespace {

// Clears the shared references when their node is freed.
class TDragWatch : public TObject, public IzrFreeNotify {
 public:
  void FreeNotify(TzrObject* AObject) override {
    if (AObject == DragTarget) DragTarget = nullptr;
    if (AObject == DragSource) DragSource = nullptr;
  }
};

TDragWatch& Watch() {
  static TDragWatch watch;
  return watch;
}

void SetWatched(TzrVisualObject*& Ref, TzrVisualObject* Value) {
  if (Ref == Value) return;
  if (Ref) Ref->RemoveFreeNotify(&Watch());
  Ref = Value;
  if (Value) Value->AddFreeNotify(&Watch());
}

enum TDropInfo : guint { diNode, diFiles, diText };

const GtkTargetEntry kDropTargets[] = {
    {const_cast<gchar*>(zrNodeDragTarget), GTK_TARGET_SAME_APP, diNode},
    {const_cast<gchar*>("text/uri-list"), 0, diFiles},
    {const_cast<gchar*>("UTF8_STRING"), 0, diText},
    {const_cast<gchar*>("text/plain;charset=utf-8"), 0, diText},
};

std::u16string Utf16(const char* Text, gssize Length = -1) {
  gunichar2* w = g_utf8_to_utf16(Text, glong(Length), nullptr, nullptr, nullptr);
  if (!w) return {};
  std::u16string s(reinterpret_cast<const char16_t*>(w));
  g_free(w);
  return s;
}

TzrCustomScene* Self(void* P) { return static_cast<TzrCustomScene*>(P); }

bool IsNodeDrag(GtkWidget* W, GdkDragContext* C) {
  GdkAtom target = gtk_drag_dest_find_target(W, C, nullptr);
  return target == gdk_atom_intern_static_string(zrNodeDragTarget);
}

}  // namespace

void zrSetDragTarget(TzrVisualObject* Value) { SetWatched(DragTarget, Value); }

void zrSetDragSource(TzrVisualObject* Value) { SetWatched(DragSource, Value); }

void zrReleaseDragState() {
  zrSetDragTarget(nullptr);
  zrSetDragSource(nullptr);
}

TzrDragObject zrReadDropData(const std::string& Target, const std::string& Bytes) {
  TzrDragObject data;
  if (Target != "text/uri-list") {
    data.Data = Utf16(Bytes.c_str(), gssize(Bytes.size()));
    return data;
  }
  gchar** uris = g_uri_list_extract_uris(Bytes.c_str());
  for (gchar** u = uris; u && *u; ++u) {
    gchar* path = g_filename_from_uri(*u, nullptr, nullptr);
    if (!path) continue;  // not a local file
    data.Files.push_back(Utf16(path));
    g_free(path);
  }
  g_strfreev(uris);
  if (!data.Files.empty()) data.Data = data.Files.front();
  return data;
}

// ---------------------------------------------------------------- drops from other programs

bool TzrCustomScene::DropOver(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrObject* root = GetRoot();
  if (!root || !root->GetIsVisual()) return false;
  TzrVisualObject* target = root->GetVisual()->FindTarget(Point, Data);
  if (target != DragTarget) {
    if (TzrVisualObject* old = DragTarget) {
      zrSetDragTarget(nullptr);
      old->DragLeave();
    }
    zrSetDragTarget(target);
    if (target) target->DragEnter(Data, Point);
  }
  return DragTarget != nullptr;
}

void TzrCustomScene::DropLeave() {
  TzrVisualObject* old = DragTarget;
  zrSetDragTarget(nullptr);
  if (old) old->DragLeave();
}

void TzrCustomScene::DropData(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrVisualObject* target = DragTarget;
  zrSetDragTarget(nullptr);
  if (target) target->DragDrop(Data, Point);
}

// ---------------------------------------------------------------- drags of a node

TzrDragObject TzrCustomScene::NodeDragRecord() {
  TzrDragObject data;
  data.Source = DragSource;
  return data;
}

bool TzrCustomScene::NodeDragOver(const TzrPoint& Point) {
  TzrObject* root = GetRoot();
  if (!root || !root->GetIsVisual()) return false;
  const TzrDragObject data = NodeDragRecord();
  TzrVisualObject* candidate = root->GetVisual()->FindTarget(Point, data);
  if (DragSource && candidate == DragSource) {
    DropLeave();
    return false;
  }
  bool accept = false;
  TzrFreeWatch watch(candidate);
  if (DragTarget) DragTarget->DragOver(data, Point, accept);
  if (candidate != DragTarget && !(candidate && watch.Freed())) {
    DropLeave();
    zrSetDragTarget(candidate);
    if (candidate) candidate->DragEnter(data, Point);
  }
  return DragTarget && accept;
}

void TzrCustomScene::NodeDragDrop(const TzrPoint& Point) { DropData(NodeDragRecord(), Point); }

void TzrCustomScene::EndDragEvent() {
  TzrVisualObject* node = DragSource;
  zrSetDragSource(nullptr);
  if (node) node->DragEnd();
}

void TzrCustomScene::BeginVCLDrag(TObject* Source, TzrBitmap* ABitmap) {
  auto* node = dynamic_cast<TzrVisualObject*>(Source);
  if (!node || !HandleAllocated()) return;
  zrSetDragSource(node);
  GtkTargetList* targets = gtk_target_list_new(kDropTargets, 1);
  GdkEvent* event = gtk_get_current_event();
  GdkDragContext* context = gtk_drag_begin_with_coordinates(
      Handle(), targets, GdkDragAction(GDK_ACTION_MOVE | GDK_ACTION_LINK), 1, event, -1, -1);
  gtk_target_list_unref(targets);
  if (event) gdk_event_free(event);
  if (!context) {
    // No drag could start (no pointer event under way): end it at once.
    EndDragEvent();
    return;
  }
  if (!ABitmap || ABitmap->IsEmpty()) return;
  // The drag image: the bitmap's premultiplied pixels are cairo's own format.
  cairo_surface_t* icon =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, ABitmap->GetWidth(), ABitmap->GetHeight());
  cairo_surface_flush(icon);
  unsigned char* rows = cairo_image_surface_get_data(icon);
  const int stride = cairo_image_surface_get_stride(icon);
  for (int y = 0; y < ABitmap->GetHeight(); ++y)
    std::memcpy(rows + y * stride, ABitmap->GetStartLine() + size_t(y) * size_t(ABitmap->GetWidth()),
                size_t(ABitmap->GetWidth()) * 4);
  cairo_surface_mark_dirty(icon);
  gtk_drag_set_icon_surface(context, icon);
  cairo_surface_destroy(icon);
}

// ---------------------------------------------------------------- GTK

namespace {

gboolean OnDragMotion(GtkWidget* W, GdkDragContext* C, gint X, gint Y, guint Time, void* P) {
  TzrCustomScene* scene = Self(P);
  TzrCustomScene::TDropState& drop = scene->DropState();
  if (drop.LeaveSource) {
    g_source_remove(drop.LeaveSource);
    drop.LeaveSource = 0;
  }
  const TzrPoint at{float(X), float(Y)};
  if (IsNodeDrag(W, C)) {
    const bool accept = scene->NodeDragOver(at);
    gdk_drag_status(C, accept ? GDK_ACTION_MOVE : GdkDragAction(0), Time);
    return TRUE;
  }
  GdkAtom target = gtk_drag_dest_find_target(W, C, nullptr);
  if (target == GDK_NONE) {
    gdk_drag_status(C, GdkDragAction(0), Time);
    return TRUE;
  }
  if (drop.Context != C) {
    drop = {};
    drop.Context = C;
  }
  if (!drop.HaveData) {
    drop.Dropping = false;
    gtk_drag_get_data(W, C, target, Time);
    return TRUE;
  }
  gdk_drag_status(C, scene->DropOver(drop.Data, at) ? GDK_ACTION_LINK : GdkDragAction(0), Time);
  return TRUE;
}

void OnDragLeave(GtkWidget*, GdkDragContext*, guint, void* P) {
  TzrCustomScene::TDropState& drop = Self(P)->DropState();
  if (drop.LeaveSource) return;
  drop.LeaveSource = g_idle_add(
      +[](void* P) -> gboolean {
        TzrCustomScene* scene = Self(P);
        scene->DropState().LeaveSource = 0;
        scene->DropState() = {};
        scene->DropLeave();
        return G_SOURCE_REMOVE;
      },
      P);
}

gboolean OnDragDrop(GtkWidget* W, GdkDragContext* C, gint, gint, guint Time, void* P) {
  TzrCustomScene::TDropState& drop = Self(P)->DropState();
  if (drop.LeaveSource) {
    g_source_remove(drop.LeaveSource);
    drop.LeaveSource = 0;
  }
  GdkAtom target = gtk_drag_dest_find_target(W, C, nullptr);
  if (target == GDK_NONE) return FALSE;
  drop.Context = C;
  drop.Dropping = true;
  gtk_drag_get_data(W, C, target, Time);
  return TRUE;
}

void OnDragDataReceived(GtkWidget*, GdkDragContext* C, gint X, gint Y, GtkSelectionData* S,
                        guint Info, guint Time, void* P) {
  TzrCustomScene* scene = Self(P);
  TzrCustomScene::TDropState& drop = scene->DropState();
  const TzrPoint at{float(X), float(Y)};
  const bool dropping = drop.Dropping;
  if (Info == diNode) {
    if (dropping) scene->NodeDragDrop(at);
    if (dropping) gtk_drag_finish(C, TRUE, FALSE, Time);
    drop = {};
    return;
  }
  gchar* name = gdk_atom_name(gtk_selection_data_get_target(S));
  const guchar* bytes = gtk_selection_data_get_data(S);
  const gint length = gtk_selection_data_get_length(S);
  const std::string target(name ? name : "");
  g_free(name);
  TzrDragObject data = zrReadDropData(
      target, length > 0 ? std::string(reinterpret_cast<const char*>(bytes), size_t(length)) : "");
  scene->DropDataArrived(C, data, at, Time, dropping);
}

void OnSourceDragEnd(GtkWidget*, GdkDragContext*, void* P) { Self(P)->EndDragEvent(); }

void OnSourceDataGet(GtkWidget*, GdkDragContext*, GtkSelectionData* S, guint, guint, void*) {
  // The node itself travels in DragSource; the selection only names the target.
  gtk_selection_data_set(S, gdk_atom_intern_static_string(zrNodeDragTarget), 8,
                         reinterpret_cast<const guchar*>("node"), 4);
}

}  // namespace

void TzrCustomScene::DropDataArrived(GdkDragContext* Context, const TzrDragObject& Data,
                                     const TzrPoint& Point, unsigned Time, bool Dropping) {
  if (Dropping) {
    DropOver(Data, Point);
    DropData(Data, Point);
    if (Context) gtk_drag_finish(Context, TRUE, FALSE, Time);
    DropStop();
    return;
  }
  FDrop.Context = Context;
  FDrop.HaveData = true;
  FDrop.Data = Data;
  const bool accept = DropOver(Data, Point);
  if (Context) gdk_drag_status(Context, accept ? GDK_ACTION_LINK : GdkDragAction(0), Time);
}

void TzrCustomScene::ConnectDrop(GtkWidget* Widget) {
  gtk_drag_dest_set(Widget, GtkDestDefaults(0), kDropTargets, G_N_ELEMENTS(kDropTargets),
                    GdkDragAction(GDK_ACTION_COPY | GDK_ACTION_MOVE | GDK_ACTION_LINK));
  g_signal_connect(Widget, "drag-motion", G_CALLBACK(OnDragMotion), this);
  g_signal_connect(Widget, "drag-leave", G_CALLBACK(OnDragLeave), this);
  g_signal_connect(Widget, "drag-drop", G_CALLBACK(OnDragDrop), this);
  g_signal_connect(Widget, "drag-data-received", G_CALLBACK(OnDragDataReceived), this);
  g_signal_connect(Widget, "drag-end", G_CALLBACK(OnSourceDragEnd), this);
  g_signal_connect(Widget, "drag-data-get", G_CALLBACK(OnSourceDataGet), this);
}

void TzrCustomScene::DropStop() {
  if (FDrop.LeaveSource) g_source_remove(FDrop.LeaveSource);
  FDrop = {};
}
