// The database update: a newer model database of the update service is
// fetched and unpacked into the program folder with the device off the link;
// the link then comes back and the next connection uses the new database.

#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "files/UpdateRules.h"
#include "files/frmUpdate.h"

namespace {

// FUpdateForm names the dialog for as long as this scope lives.
class TUpdateFormScope {
 public:
  TUpdateFormScope(TfrmUpdate*& field, TfrmUpdate* dialog) : FField(field) { FField = dialog; }
  ~TUpdateFormScope() { FField = nullptr; }
  TUpdateFormScope(const TUpdateFormScope&) = delete;
  TUpdateFormScope& operator=(const TUpdateFormScope&) = delete;

 private:
  TfrmUpdate*& FField;
};

}  // namespace

void TfrmInterface::DBUpdateClick(TObject* Sender) {
  const bool quiet = Sender == this;
  try {
    std::string remote;
    if (!ReadRemoteVersion("Database", remote)) {
      if (!quiet) ShowMessageText(LangText("network_connect_fail"), 0);
      return;
    }
    FRemoteDatabaseVersion = remote;
    const int order = CompareVersions(FLocalDatabaseVersion, FRemoteDatabaseVersion);
    if (order == 0 && !quiet) {
      std::unique_ptr<TfrmUpdate> dialog = NewUpToDateDialog("DBUpdateTitle", "DBUpdateAlready");
      TUpdateFormScope scope(FUpdateForm, dialog.get());
      dialog->ShowModal();
    }
    if (order >= 0) return;
    std::unique_ptr<TfrmUpdate> dialog = NewOfferDialog("DBUpdateTitle", "DBUpdateNew", true);
    bool started = false, downloaded = false;
    {
      TUpdateFormScope scope(FUpdateForm, dialog.get());
      dialog->ShowModal();
      started = dialog->FDownloadStarted;
      downloaded = dialog->FDatabaseDownloaded;
    }
    dialog.reset();
    // Closed without a download (Cancel or the close box): nothing happened.
    if (!started) return;
    // The device leaves the link while the database changes under it; the
    // link comes back whatever the outcome, so a failed run does not leave
    // the device off until the user finds the connect button.
    const bool switchedOff = FConnectSwitch;
    if (switchedOff) btnConnectClick(this);
    if (!downloaded) {
      ShowMessageText(LangText("Upgrade_fail"), 2);
      if (switchedOff) btnConnectClick(this);
      return;
    }
    ShowMessageText(LangText("upgrade_succ"), 2);
    if (switchedOff) btnConnectClick(this);
    ReadLocalVersionsAfterUpdate();
    ApplyWindowTitle();
  } catch (const Exception&) {
    if (!quiet) ShowMessageText(LangText("network_connect_fail"), 0);
  }
}

// The archive may have brought a new local version file; one that cannot be
// read keeps the versions known so far and is told.
void TfrmInterface::ReadLocalVersionsAfterUpdate() {
  try {
    GetXMLDBVersion();
  } catch (const Exception& e) {
    ShowMessageText(LangText("version_file_fail") + " (" + e.what() + ")", 0);
  }
}
