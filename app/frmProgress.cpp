#include "app/frmProgress.h"

#include <gtk/gtk.h>

#include "controls/zr_controls.h"
#include "platform/rtl/SysUtils.h"

TfrmProgress::TfrmProgress(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmProgress");
  SetClientSize(350, 91);
  Label1 = new TzrLabel(this);
  Label1->SetName("Label1");
  Label1->SetText(u"Progress Status:Please Waiting");
  ProgressBar1 = new TzrProgressBar(this);
  ProgressBar1->SetName("ProgressBar1");
  ProgressBar1->SetMax(100);
  ProgressBar1->SetValue(33);
}

void TfrmProgress::BuildWidgets() {
  if (FLabelWidget) return;
  GtkWidget* window = Handle();
  gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
  CenterOnOwnerForm();
  GtkWidget* box = ClientBox();
  gtk_container_set_border_width(GTK_CONTAINER(box), 20);
  FLabelWidget = gtk_label_new("");
  FBarWidget = gtk_progress_bar_new();
  gtk_box_pack_start(GTK_BOX(box), FLabelWidget, FALSE, FALSE, 4);
  gtk_box_pack_start(GTK_BOX(box), FBarWidget, FALSE, FALSE, 4);
}

void TfrmProgress::Show() {
  FShowing = true;
  if (!Application || !Application->Initialized()) return;
  BuildWidgets();
  Repaint();
  TForm::Show();
}

void TfrmProgress::Repaint() {
  if (!FLabelWidget) return;
  gtk_label_set_text(GTK_LABEL(FLabelWidget), UTF16ToUTF8(Label1->GetText()).c_str());
  const float max = ProgressBar1->GetMax() - ProgressBar1->GetMin();
  const float fraction = max > 0 ? (ProgressBar1->GetValue() - ProgressBar1->GetMin()) / max : 0;
  gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(FBarWidget), fraction);
}
