// Message output: the message area of the current page and the information box.

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "platform/rtl/SysUtils.h"

TzrMemo* TfrmInterface::MessageArea() const {
  return IsDataLinkChecked(2, 4) ? zrmMessage : eMessage;
}

void TfrmInterface::ShowMessageText(const std::string& text, int kind) {
  if (kind != 1) {
    if (TzrMemo* area = MessageArea()) {
      area->Lines()->Insert(0, UTF8ToUTF16(text));
      area->GoToTextBegin();
    }
  }
  if (kind <= 0) return;
  if (!FInfoForm) FInfoForm = new TfrmInfo(this);
  FInfoForm->Label1->SetText(UTF8ToUTF16(text));
  FInfoForm->SetCaption(LangText("InfoTitle", "Information"));
  FInfoForm->btnOk->SetText(UTF8ToUTF16(LangText("btn_Ok", "Ok")));
  FInfoForm->ShowModal();
}
