#include "app/frmHid.h"

#include <gtk/gtk.h>

#include "platform/rtl/SysUtils.h"
#include "platform/vcl/ListBox.h"

std::function<void(TfrmHid& picker)> TfrmHid::ModalHandler;

TfrmHid::TfrmHid(TComponent* AOwner, TListBox* adapters) : TForm(AOwner) {
  SetName("frmHid");
  SetClientSize(360, 160);
  HidList = new TListBox(this);
  HidList->SetName("HidList");
  for (int i = 0; adapters && i < adapters->Count(); ++i) {
    const std::u16string& line = adapters->Item(i);
    const bool dataLink = line.find(u"FS") != std::u16string::npos;
    HidList->AddItem(line + (dataLink ? u"    DATALINK" : u"    LCD Program Box"));
  }
}

void TfrmHid::HidListDblClick(TObject*) {
  const int index = HidList->GetItemIndex();
  if (index < 0) return;
  FPicked = index + 1;
  SetModalResult(FPicked);
  if (IsModal()) Close();
}

void TfrmHid::BuildWidgets() {
  GtkWidget* window = Handle();
  gtk_window_set_decorated(GTK_WINDOW(window), FALSE);
  SetPosition(poMainFormCenter);
  GtkWidget* box = ClientBox();
  GtkWidget* header = gtk_label_new("请选择连接设备");
  gtk_box_pack_start(GTK_BOX(box), header, FALSE, FALSE, 6);
  GtkWidget* list = gtk_list_box_new();
  for (int i = 0; i < HidList->Count(); ++i)
    gtk_list_box_insert(GTK_LIST_BOX(list), gtk_label_new(UTF16ToUTF8(HidList->Item(i)).c_str()),
                        -1);
  gtk_box_pack_start(GTK_BOX(box), list, TRUE, TRUE, 0);
  g_signal_connect(list, "row-activated",
                   G_CALLBACK(+[](GtkListBox*, GtkListBoxRow* row, TfrmHid* self) {
                     self->HidList->SetItemIndex(gtk_list_box_row_get_index(row));
                     self->HidListDblClick(self->HidList);
                   }),
                   this);
  g_signal_connect(window, "key-press-event",
                   G_CALLBACK(+[](GtkWidget*, GdkEventKey* event, TfrmHid* self) -> gboolean {
                     if (event->keyval != GDK_KEY_Escape) return FALSE;
                     self->Close();
                     return TRUE;
                   }),
                   this);
}

int TfrmHid::ShowModal() {
  FPicked = 0;
  if (ModalHandler) {
    ModalHandler(*this);
    return FPicked;
  }
  BuildWidgets();
  TForm::ShowModal();
  return FPicked;
}
