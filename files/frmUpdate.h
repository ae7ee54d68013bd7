#pragma once
// The update dialog of the program and database checks. The caller fills its
// texts, readme and address list and shows it modally; the install button
// downloads every address of the list into the program folder, unpacks
// database archives there or starts a program installer, and closes the
// dialog. The caller reads the flags afterwards and frees the dialog.
//
// A run fetches every address under a temporary name first; only when all
// have arrived are they renamed, unpacked and started, and the flags set. A
// failed run removes what it fetched, says why in the dialog and enables
// Cancel.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/net/IdHTTP.h"
#include "platform/vcl/Forms.h"

class TzrControl;
class TzrLabel;
class TzrButton;
class TzrProgressBar;
class TzrMemo;

class TfrmUpdate : public TForm {
 public:
  explicit TfrmUpdate(TComponent* AOwner);
  ~TfrmUpdate() override;
  std::string ClassName() const override { return "TfrmUpdate"; }

  TzrControl* Image1;            // the picture: a built-in one unless LoadPicture names a file
  TzrLabel* Label1;              // headline
  TzrProgressBar* ProgressBar1;  // hidden until a download starts
  TzrButton* btnInstall;
  TzrButton* btnCancel;
  TzrMemo* XwMemo1;  // the readme text
  TIdHTTP* IdHTTP1;  // database downloads
  TIdHTTP* IdHTTP2;  // program downloads

  void btnInstallClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  // Progress of a download: value := FProgressBase + bytes received so far in
  // it; then the window messages are pumped.
  void IdHTTP2Work(TObject* Sender, TWorkMode mode, int64_t count);
  void IdHTTP1Work(TObject* Sender, TWorkMode mode, int64_t count);

  // Shows a picture file (scaled to fit) in place of the built-in picture.
  void LoadPicture(const std::string& fileName);
  const std::string& PictureFile() const { return FPictureFile; }

  int ShowModal() override;
  // When set, ShowModal hands the dialog to it instead of showing a window
  // (tests press the buttons there); its result is the dialog's result.
  static std::function<int(TfrmUpdate& dialog)> ModalHandler;
  // Brings the window's widgets up to date with the controls' state.
  void Repaint();
  // Builds the window's widgets (done by ShowModal; pictures of the dialog
  // call it directly).
  void BuildWidgets();

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
  void Complete(const TDownload& download) const;
  void ShowFailure(const std::string& reason);
  GtkWidget* FLabelWidget = nullptr;
  GtkWidget* FMemoWidget = nullptr;
  GtkWidget* FBarWidget = nullptr;
  GtkWidget* FInstallWidget = nullptr;
  GtkWidget* FCancelWidget = nullptr;
  GtkWidget* FImageWidget = nullptr;
  std::string FPictureFile;
  std::string FShownMemo;
};
