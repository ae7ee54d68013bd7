#include "app/frmInfo.h"

#include <gtk/gtk.h>

#include "controls/zr_controls.h"
#include "platform/rtl/SysUtils.h"

std::function<int(TfrmInfo& box)> TfrmInfo::ModalHandler;

TfrmInfo::TfrmInfo(TComponent* AOwner) : TForm(AOwner) {
  SetName("frmInfo");
  SetClientSize(314, 152);
  SetCaption("提示信息");
  Label1 = new TzrLabel(this);
  Label1->SetName("Label1");
  Label1->SetText(u"信息");
  btnOk = new TzrButton(this);
  btnOk->SetName("btnOk");
  btnOk->SetText(u"确定");
  btnOk->OnClick = [this](TObject* sender) { btnOkClick(sender); };
}

void TfrmInfo::btnOkClick(TObject*) {
  SetModalResult(mrOk);
  Close();
}

void TfrmInfo::BuildWidgets() {
  GtkWidget* window = Handle();
  if (!FLabelWidget) {
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    GtkWidget* box = ClientBox();
    gtk_container_set_border_width(GTK_CONTAINER(box), 20);
    FLabelWidget = gtk_label_new("");
    gtk_label_set_line_wrap(GTK_LABEL(FLabelWidget), TRUE);
    gtk_label_set_justify(GTK_LABEL(FLabelWidget), GTK_JUSTIFY_CENTER);
    FButtonWidget = gtk_button_new_with_label("");
    gtk_box_pack_start(GTK_BOX(box), FLabelWidget, TRUE, TRUE, 8);
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
    gtk_box_set_center_widget(GTK_BOX(row), FButtonWidget);
    gtk_box_pack_start(GTK_BOX(box), row, FALSE, FALSE, 8);
    g_signal_connect_swapped(FButtonWidget, "clicked",
                             G_CALLBACK(+[](TfrmInfo* self) { self->btnOk->Click(); }), this);
  }
  CenterOnOwnerForm();
  gtk_label_set_text(GTK_LABEL(FLabelWidget), UTF16ToUTF8(Label1->GetText()).c_str());
  gtk_button_set_label(GTK_BUTTON(FButtonWidget), UTF16ToUTF8(btnOk->GetText()).c_str());
}

int TfrmInfo::ShowModal() {
  if (ModalHandler) return ModalHandler(*this);
  BuildWidgets();
  return TForm::ShowModal();
}
