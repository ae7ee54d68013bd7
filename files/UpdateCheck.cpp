// The software update check and what it shares with the database check: the
// update dialog's texts, the "up to date" dialog and the offer of a newer
// version.

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "controls/XwMemo.h"
#include "controls/zr_buttons.h"
#include "controls/zr_controls.h"
#include "files/UpdateRules.h"
#include "files/frmUpdate.h"
#include "platform/net/IdHTTP.h"
#include "scene/zr_scene.h"

TfrmUpdate* TfrmInterface::NewUpdateDialog(const std::string& captionKey,
                                           const std::string& textKey) {
  auto* dialog = new TfrmUpdate(this);
  dialog->ControlsScene->SetStyle(SceneStyle);
  dialog->SetCaption(LangText(captionKey));
  dialog->Label1->SetText(UTF8ToUTF16(LangText(textKey)));
  dialog->btnInstall->SetText(UTF8ToUTF16(LangText("UpdateInstall")));
  dialog->btnCancel->SetText(UTF8ToUTF16(LangText("UpdateCancel")));
  dialog->FailureText = LangText("download_fail");
  return dialog;
}

std::unique_ptr<TfrmUpdate> TfrmInterface::NewUpToDateDialog(const std::string& captionKey,
                                                             const std::string& textKey) {
  std::unique_ptr<TfrmUpdate> dialog(NewUpdateDialog(captionKey, textKey));
  dialog->btnInstall->SetVisible(false);
  dialog->XwMemo1->GetLines()->Clear();
  const std::string picture =
      FLangIni ? FLangIni->ReadString(LangCommonSection, "updateimage", "") : "";
  LoadPicture(dialog->Image1, picture);
  return dialog;
}

std::unique_ptr<TfrmUpdate> TfrmInterface::NewOfferDialog(const std::string& captionKey,
                                                          const std::string& textKey,
                                                          bool databaseMode) {
  const std::string readme = FetchReadme();
  std::unique_ptr<TfrmUpdate> dialog(NewUpdateDialog(captionKey, textKey));
  dialog->FDatabaseMode = databaseMode;
  dialog->XwMemo1->SetText(readme);
  SetDownloadSize(*dialog);
  dialog->FUrlList = FUpdateUrl;
  return dialog;
}

std::string TfrmInterface::FetchReadme() const {
  if (FUpdateReadme.empty()) return {};
  try {
    TIdHTTP http;
    http.SetReadTimeout(3000);
    return http.Get(FUpdateReadme);
  } catch (const Exception&) {
    return {};
  }
}

void TfrmInterface::SetDownloadSize(TfrmUpdate& dialog) {
  const std::vector<std::string> urls = SplitUrlList(FUpdateUrl);
  int64_t total = 0;
  bool known = !urls.empty();
  TIdHTTP http;
  http.SetReadTimeout(3000);
  for (const std::string& url : urls) {
    try {
      http.Head(url);
    } catch (const Exception&) {
      known = false;
      break;
    }
    if (http.Response().ContentLength < 0) known = false;
    if (!known) break;
    total += http.Response().ContentLength;
  }
  if (known)
    dialog.ProgressBar1->SetMax(static_cast<float>(total));
  else
    dialog.btnInstall->SetEnabled(false);
}

void TfrmInterface::Update1Click(TObject* Sender) {
  const bool quiet = Sender == this;
  try {
    std::string remote;
    if (!ReadRemoteVersion("Software", remote)) {
      if (!quiet) ShowMessageText(LangText("network_connect_fail"), 0);
      return;
    }
    FRemoteSoftwareVersion = remote;
    const int order = CompareVersions(FLocalSoftwareVersion, FRemoteSoftwareVersion);
    if (order == 0 && !quiet) NewUpToDateDialog("UpdateTitle", "UpdateAlready")->ShowModal();
    if (order >= 0) return;
    std::unique_ptr<TfrmUpdate> dialog = NewOfferDialog("UpdateTitle", "UpdateNew", false);
    dialog->ShowModal();
    const bool installerStarted = dialog->FSoftwareDownloaded;
    dialog.reset();
    // The installer replaces the program, which therefore ends.
    if (installerStarted) Close();
  } catch (const Exception&) {
    if (!quiet) ShowMessageText(LangText("network_connect_fail"), 0);
  }
}
