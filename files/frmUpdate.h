#pragma once
// The update dialog of the program and database checks. The caller fills its
// texts, readme and address list and shows it modally; the install button
// downloads every address of the list into the program folder, unpacks
// database archives there or starts a program installer, and closes the
// dialog. The caller reads the flags afterwards and frees the dialog.
//
// A run fetches every address under a temporary name first; only when all
// have arrived are they unpacked, renamed and started, and the flags set.
// Database archives are unpacked beside their targets and checked whole
// before any file is replaced, so a damaged archive changes no file. A failed
// run removes what it fetched and unpacked, says why in the dialog and enables
// Cancel.
//
// Its scene and the readme memo are read from its form resource; the
// picture is the form's own unless the caller loads another into Image1.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/net/IdHTTP.h"
#include "platform/vcl/Forms.h"

class TzoRurev;
class TzrBackground;
class TzrImage;
class TzrLabel;
class TzrMemo;
class TzrProgressBar;
class TzrRoundButton;
class TXwMemo;

class TfrmUpdate : public TForm {
 public:
  explicit TfrmUpdate(TComponent* AOwner);
  ~TfrmUpdate() override;
  std::string ClassName() const override { return "TfrmUpdate"; }

  TzoRurev* ControlsScene = nullptr;  // the caller gives it the main window's style
  TzrBackground* Root1 = nullptr;
  TzrImage* Image1 = nullptr;              // the built-in picture unless the caller loads another
  TzrLabel* Label1 = nullptr;              // headline
  TzrMemo* mmoDetail = nullptr;            // hidden
  TzrProgressBar* ProgressBar1 = nullptr;  // hidden until a download starts
  TzrRoundButton* btnInstall = nullptr;
  TzrRoundButton* btnCancel = nullptr;
  TXwMemo* XwMemo1 = nullptr;  // the readme text
  TIdHTTP* IdHTTP1 = nullptr;  // database downloads
  TIdHTTP* IdHTTP2 = nullptr;  // program downloads

  void btnInstallClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  // Progress of a download: value := FProgressBase + bytes received so far in
  // it; then the window messages are pumped.
  void IdHTTP2Work(TObject* Sender, TWorkMode mode, int64_t count);
  void IdHTTP1Work(TObject* Sender, TWorkMode mode, int64_t count);

  int ShowModal() override;
  // True from the start of ShowModal until it returns.
  bool Showing() const { return FShowing; }
  // True while the install button's run fetches and unpacks.
  bool Running() const { return FRunning; }
  // When set, ShowModal hands the dialog to it instead of showing a window
  // (tests press the buttons there); its result is the dialog's result.
  static std::function<int(TfrmUpdate& dialog)> ModalHandler;

  // State the caller sets and reads.
  int FProgressBase = 0;
  std::string FUrlList;  // addresses separated by "|"
  bool FCancelled = false;
  bool FDatabaseMode = false;
  bool FDownloadStarted = false;
  bool FDatabaseDownloaded = false;
  bool FSoftwareDownloaded = false;
  // Headline of a failed run, followed by what failed.
  std::string FailureText = "Download failed";

 private:
  struct TDownload;
  void RunDownloads();
  void FetchAll(std::vector<TDownload>& downloads);
  void PutInPlace(const std::vector<TDownload>& downloads) const;
  void ShowFailure(const std::string& reason);
  bool FShowing = false;
  bool FRunning = false;
};
