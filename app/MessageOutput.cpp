// Message output: the message area of the current page, the information box,
// and pictures the language file names.

#include <sys/stat.h>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TzrMemo* TfrmInterface::MessageArea() const {
  return IsDataLinkChecked(2, 4) ? zrmMessage : eMessage;
}

// The box runs a nested message loop in which timer ticks and device messages
// may report again: their texts reach the area at once and wait for the box,
// which shows them one after the other once the open one has closed.
void TfrmInterface::ShowMessageText(const std::string& text, int kind) {
  if (kind != 1) {
    if (TzrMemo* area = MessageArea()) {
      area->Lines()->Insert(0, UTF8ToUTF16(text));
      area->GoToTextBegin();
    }
  }
  if (kind <= 0) return;
  FPendingInfo.push_back(text);
  if (FPendingInfo.size() > 1) return;  // the box is open; its loop shows this later
  while (!FPendingInfo.empty()) {
    try {
      ShowInfoBox(FPendingInfo.front());
    } catch (...) {
      FPendingInfo.clear();
      throw;
    }
    FPendingInfo.erase(FPendingInfo.begin());
  }
}

void TfrmInterface::ShowInfoBox(const std::string& text) {
  if (!FInfoForm) FInfoForm = new TfrmInfo(this);
  FInfoForm->ControlsScene->SetStyle(SceneStyle);
  // Centred on the main window, wherever it stands; on a narrower window the
  // box starts left of it.
  FInfoForm->SetPosition(poMainFormCenter);
  FInfoForm->Label1->SetText(UTF8ToUTF16(text));
  FInfoForm->SetCaption(LangText("InfoTitle", "Information"));
  FInfoForm->btnOk->SetText(UTF8ToUTF16(LangText("btn_Ok", "Ok")));
  FInfoForm->ShowModal();
}

void TfrmInterface::LoadPicture(TzrImage* image, const std::string& name) {
  if (!image || name.empty()) return;
  const std::string path = ExtractProgramFolder() + name;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  image->GetBitmap()->LoadFromFile(path, 0);
  image->Repaint();
}
