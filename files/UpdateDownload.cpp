// The download run of the update dialog.

#include <cmath>
#include <filesystem>

#include "controls/zr_buttons.h"
#include "controls/zr_controls.h"
#include "files/UpdateRules.h"
#include "files/frmUpdate.h"
#include "platform/vcl/ShellOpen.h"
#include "platform/zip/ZipFile.h"

namespace fs = std::filesystem;

// One address of a run: where it is fetched to and what it becomes.
struct TfrmUpdate::TDownload {
  std::string Url;
  std::string Target;  // the file's final name in the program folder
  std::string Temp;    // the name it is fetched under
  bool Kind = false;   // an archive (database mode) or an installer (program mode)
};

void TfrmUpdate::btnInstallClick(TObject*) {
  // The link may enable the button again while a run is on (the link
  // dropped): a second press then starts nothing.
  if (FRunning) return;
  FDownloadStarted = true;
  FRunning = true;
  try {
    RunDownloads();
  } catch (const std::exception& e) {
    FRunning = false;
    ShowFailure(e.what());
    return;
  }
  FRunning = false;
  SetModalResult(mrOk);
  Close();
}

void TfrmUpdate::ShowFailure(const std::string& reason) {
  Label1->SetText(UTF8ToUTF16(FailureText + "\n" + reason));
  btnInstall->SetEnabled(false);
  btnCancel->SetEnabled(true);
}

void TfrmUpdate::RunDownloads() {
  std::vector<TDownload> downloads;
  const std::string folder = ExtractProgramFolder();
  const std::vector<std::string> urls = SplitUrlList(FUrlList);
  if (urls.empty()) throw Exception("There is no address to download");
  for (size_t i = 0; i < urls.size(); ++i) {
    TDownload d;
    d.Url = urls[i];
    d.Kind = HasUpdateKind(d.Url, FDatabaseMode ? ".zip" : ".exe");
    const std::string kindName = FDatabaseMode ? "_dbupdate.zip" : "_setup.exe";
    d.Target = folder + (d.Kind ? kindName : DownloadFileName(d.Url));
    d.Temp = d.Target + "." + std::to_string(i + 1) + ".part";
    downloads.push_back(d);
  }
  try {
    FetchAll(downloads);
    PutInPlace(downloads);
  } catch (...) {
    std::error_code ec;
    for (const TDownload& d : downloads) fs::remove(d.Temp, ec);
    throw;
  }
  // Installers start once every address has arrived.
  if (!FDatabaseMode)
    for (const TDownload& d : downloads)
      if (d.Kind && !ShellOpen(d.Target)) throw Exception("The installer could not be started");
  (FDatabaseMode ? FDatabaseDownloaded : FSoftwareDownloaded) = true;
}

void TfrmUpdate::FetchAll(std::vector<TDownload>& downloads) {
  ProgressBar1->SetValue(0);
  TIdHTTP& http = FDatabaseMode ? *IdHTTP1 : *IdHTTP2;
  for (const TDownload& d : downloads) {
    FProgressBase = static_cast<int>(std::trunc(ProgressBar1->GetValue()));
    std::error_code ec;
    fs::remove(d.Temp, ec);
    ProgressBar1->SetVisible(true);
    btnInstall->SetEnabled(false);
    btnCancel->SetEnabled(false);
    http.SetReadTimeout(3000);
    http.Get(d.Url, d.Temp);
  }
}

// Every database archive is unpacked beside the files it replaces and checked
// before any file changes; then the archives' files and the other downloads
// are put in place together and the archives removed.
void TfrmUpdate::PutInPlace(const std::vector<TDownload>& downloads) const {
  TZipStaging staging;
  if (FDatabaseMode)
    for (const TDownload& d : downloads)
      if (d.Kind) StageDatabaseArchive(d.Temp, ExtractProgramFolder(), staging);
  staging.Commit();
  for (const TDownload& d : downloads) {
    if (FDatabaseMode && d.Kind)
      fs::remove(d.Temp);
    else
      fs::rename(d.Temp, d.Target);
  }
}
