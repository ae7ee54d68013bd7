#pragma once
// The dialog that reports a failure of a chart's drawing. Send shows it only
// while PlotDownloadURLProc is set (the program never sets it). The first
// click of Button1 asks for an optional e-mail address and comments, the
// second sends the report to the report address of the user's options
// through PlotDownloadURLProc or, without such an address, offers to save
// the report text to a file.
//
// The user's options (key PlotExceptionOptionsKey of the per-user settings
// file): "ReportURL", the address reports go to; "SupportURL", the support
// web site the link label opens (the label is hidden without it); "Email",
// the address given with the last report.

#include <exception>
#include <functional>
#include <string>

#include "platform/vcl/DialogControls.h"
#include "platform/vcl/Forms.h"

extern const char* const PlotExceptionOptionsKey;

class TPlotExceptionForm : public TForm {
 public:
  explicit TPlotExceptionForm(TComponent* AOwner);
  ~TPlotExceptionForm() override;
  std::string ClassName() const override { return "TPlotExceptionForm"; }

  TPanel* PanelMain;
  TLabel* Label1;
  TLabel* Label3;
  TLabel* LabelError;
  TLabel* Label2;
  TLabel* Label4;
  TLabel* LabelServer;
  TButton* Button1;
  TButton* Button2;
  TPanel* Panel1;
  TLabel* Label7;
  TLabel* Label5;
  TEdit* Email;
  TLabel* Label6;
  TMemo* MemoComments;

  std::string TheCode;
  const std::exception* TheException = nullptr;  // not owned

  // Shows the dialog for E, raised where Code says, when PlotDownloadURLProc
  // is set; otherwise does nothing.
  static void Send(const std::string& Code, const std::exception& E);

  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Label4Click(TObject* Sender);

  // Identifiers of the chart library's build sent with a report.
  static std::string IDE() { return "C20"; }
  static std::string Product() { return "1"; }
  static std::string SubProduct() { return "2"; }

  // The control that has (or gets, once the window exists) the focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  // The report's fields, percent-escaped after the report address.
  std::string ReportAddress(const std::string& Base) const;
  // The running system: Version: <major>.<minor> "<name>" Build: <build>.
  static std::string SystemDescription();

  int ShowModal() override;
  // When set, ShowModal hands the dialog to it instead of showing a window
  // (tests press the buttons there); its result is the dialog's result.
  static std::function<int(TPlotExceptionForm& Dialog)> ModalHandler;
  // Builds the window's widgets (done by ShowModal; pictures call it).
  void BuildWidgets();

 private:
  void ShowDetails();
  void SendReport();
  void SaveReport();
  void FocusOn(TWinControl* Control);
  TPanel* FClient;
  TWinControl* FActiveControl = nullptr;
};
