// The help menu's about entry.

#include "app/frmAbout.h"
#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/SysUtils.h"

void TfrmInterface::About1Click(TObject*) {
  TfrmAbout box(this);
  box.SetCaption(LangPairText("About_title"));
  box.Text1->SetText(UTF8ToUTF16(LangPairText("About_label1")));
  box.Text2->SetText(UTF8ToUTF16(LangPairText("About_label2")));
  box.Text3->SetText(UTF8ToUTF16(LangPairText("About_label3")));
  box.Button1->SetText(UTF8ToUTF16(LangPairText("About_btncredits")));
  box.Button2->SetText(UTF8ToUTF16(LangPairText("About_btnok")));
  box.ShowModal();
}
