#include "platform/vcl/ComCtrls.h"

#include <gtk/gtk.h>

#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

}  // namespace

const TClassInfo* TStatusPanel::Class() {
  using T = TStatusPanel;
  static const TClassInfo* info =
      TClassDecl<T>("TStatusPanel", TCollectionItem::Class())
          .Enum("Alignment", &T::GetAlignment, &T::SetAlignment, AlignmentInfo())
          .Default(taLeftJustify)
          .Prop("Text", &T::GetText, &T::SetText)
          .Prop("Width", &T::GetWidth, &T::SetWidth);
  return info;
}

void TStatusPanel::SetWidth(int value) {
  if (value == FWidth) return;
  FWidth = value;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Changed();
}

void TStatusPanel::SetText(const std::string& value) {
  if (value == FText) return;
  FText = value;
  Changed();
}

const TClassInfo* TStatusBar::Class() {
  using T = TStatusBar;
  static const TClassInfo* info =
      TClassDecl<T>("TStatusBar", TControl::Class()).Prop("Panels", &T::GetPanels, &T::SetPanels);
  return info;
}

TStatusBar::TStatusBar(TComponent* AOwner)
    : TWinControl(AOwner), FPanels(std::make_unique<TStatusPanels>()) {
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
  FPanels->OnChange = [this](TObject*) { ShowPanels(); };
}

void TStatusBar::SetPanels(TStatusPanels* value) {
  if (value) FPanels->Assign(value);
}

GtkWidget* TStatusBar::CreateWidget() {
  GtkWidget* bar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 2);
  gtk_style_context_add_class(gtk_widget_get_style_context(bar), "statusbar");
  return bar;
}

void TStatusBar::CreateHandle() { ShowPanels(); }

void TStatusBar::ShowPanels() {
  if (!HandleAllocated()) return;
  GtkWidget* bar = Handle();
  GList* children = gtk_container_get_children(GTK_CONTAINER(bar));
  for (GList* c = children; c; c = c->next) gtk_widget_destroy(GTK_WIDGET(c->data));
  g_list_free(children);
  for (int i = 0; i < FPanels->Count(); ++i) {
    const TStatusPanel* panel = FPanels->Panel(i);
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
    GtkWidget* label = gtk_label_new(panel->GetText().c_str());
    const float x = panel->GetAlignment() == taRightJustify ? 1.0f
                    : panel->GetAlignment() == taCenter     ? 0.5f
                                                            : 0.0f;
    gtk_label_set_xalign(GTK_LABEL(label), x);
    gtk_container_add(GTK_CONTAINER(frame), label);
    const bool last = i == FPanels->Count() - 1;
    gtk_widget_set_size_request(frame, last ? -1 : panel->GetWidth(), -1);
    gtk_box_pack_start(GTK_BOX(bar), frame, last, last, 0);
  }
  gtk_widget_show_all(bar);
}
