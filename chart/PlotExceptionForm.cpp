#include "chart/PlotExceptionForm.h"

#include <cxxabi.h>
#include <glib.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <typeinfo>

#include "chart/PlotConst.h"
#include "chart/PlotRoutines.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/UserSettings.h"
#include "platform/vcl/Dialogs.h"

const char* const PlotExceptionOptionsKey = "Software\\esctool\\Chart\\ExceptionReport";

std::function<int(TPlotExceptionForm&)> TPlotExceptionForm::ModalHandler;

namespace {

template <class T>
T* NewControl(TComponent* owner, TWinControl* parent, const char* name, int left, int top,
              int width, int height) {
  T* control = new T(owner);
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

TLabel* NewLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top,
                 int width, const std::string& caption, bool bold = false) {
  TLabel* label = NewControl<TLabel>(owner, parent, name, left, top, width, 17);
  label->SetCaption(caption);
  if (bold) label->GetFont()->SetStyle(FontStyleBit(fsBold));
  return label;
}

std::string ReadOption(const std::string& name) {
  return TUserSettings().ReadString(PlotExceptionOptionsKey, name, "");
}

// Failures to write leave the option as it was.
void SaveOption(const std::string& name, const std::string& value) {
  try {
    const std::string file = TUserSettings::DefaultFileName();
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    TMemIniFile ini(file);
    ini.WriteString(PlotExceptionOptionsKey, name, value);
    ini.UpdateFile();
  } catch (const std::exception&) {
  }
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Escape(const std::string& value) {
  gchar* escaped = g_uri_escape_string(value.c_str(), nullptr, FALSE);
  std::string text = escaped;
  g_free(escaped);
  return text;
}

std::string ExceptionClassName(const std::exception& e) {
  int status = 0;
  char* name = abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status);
  std::string text = status == 0 && name ? name : typeid(e).name();
  std::free(name);
  // The class's own name, as the framework's class names are.
  const auto scope = text.rfind("::");
  return scope == std::string::npos ? text : text.substr(scope + 2);
}

// Restores the default cursor however the block is left.
struct THourGlass {
  THourGlass() { Screen().SetCursor(crHourGlass); }
  ~THourGlass() { Screen().SetCursor(crDefault); }
};

}  // namespace

TPlotExceptionForm::TPlotExceptionForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("PlotExceptionForm");
  SetCaption("esctool chart exception");
  SetClientSize(439, 203);
  SetBorderStyle(bsDialog);
  OnShow = [this](TObject* s) { FormShow(s); };
  FClient = NewControl<TPanel>(this, Client(), "", 0, 0, 439, 203);
  PanelMain = NewControl<TPanel>(this, FClient, "PanelMain", 0, 0, 449, 137);
  Label1 = NewLabel(this, PanelMain, "Label1", 8, 8, 430,
                    "Our sincere apologies, an exception has happened in our software.", true);
  Label3 = NewLabel(this, PanelMain, "Label3", 8, 36, 36, "Error:", true);
  LabelError = NewControl<TLabel>(this, PanelMain, "LabelError", 46, 36, 378, 42);
  LabelError->SetWordWrap(true);
  Label2 = NewLabel(this, FClient, "Label2", 8, 144, 430,
                    "Please click the Submit button to add this incident to our online database. ");
  Label4 = NewLabel(this, FClient, "Label4", 8, 176, 150, "esctool support web site");
  Label4->GetFont()->SetColor(clBlue);
  Label4->GetFont()->SetStyle(FontStyleBit(fsUnderline));
  Label4->Cursor = crHandPoint;
  Label4->OnClick = [this](TObject* s) { Label4Click(s); };
  Label4->SetVisible(!ReadOption("SupportURL").empty());
  LabelServer = NewLabel(this, FClient, "LabelServer", 168, 176, 80, "");
  LabelServer->GetFont()->SetColor(clRed);
  Button1 = NewControl<TButton>(this, FClient, "Button1", 256, 168, 75, 25);
  Button1->SetCaption("&Submit");
  Button1->Default = true;
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
  Button2 = NewControl<TButton>(this, FClient, "Button2", 352, 168, 75, 25);
  Button2->SetCaption("&Close");
  Button2->Cancel = true;
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
  Panel1 = NewControl<TPanel>(this, FClient, "Panel1", 120, 24, 265, 105);
  Panel1->SetVisible(false);
  Label7 = NewLabel(this, Panel1, "Label7", 8, 5, 200, "Optional information:", true);
  Email = NewControl<TEdit>(this, Panel1, "Email", 43, 25, 214, 21);
  Label5 = NewLabel(this, Panel1, "Label5", 8, 28, 34, "&email:");
  Label5->FocusControl = Email;
  MemoComments = NewControl<TMemo>(this, Panel1, "MemoComments", 8, 72, 246, 30);
  Label6 = NewLabel(this, Panel1, "Label6", 8, 52, 100, "&Comments:");
  Label6->FocusControl = MemoComments;
}

TPlotExceptionForm::~TPlotExceptionForm() = default;

void TPlotExceptionForm::Send(const std::string& Code, const std::exception& E) {
  if (!PlotDownloadURLProc) return;
  TPlotExceptionForm dialog(nullptr);
  dialog.TheException = &E;
  dialog.TheCode = Code;
  dialog.LabelError->SetCaption(E.what());
  dialog.ShowModal();
}

int TPlotExceptionForm::ShowModal() {
  if (ModalHandler) {
    FormShow(this);
    return ModalHandler(*this);
  }
  BuildWidgets();
  return TForm::ShowModal();
}

void TPlotExceptionForm::BuildWidgets() {
  if (FClient->HandleAllocated()) return;
  ControlArea();
  CreateControlWidgets(FClient);
  WireDialogKeys(Handle(), Button1, Button2);
  gtk_entry_set_activates_default(GTK_ENTRY(Email->Handle()), TRUE);
  if (FActiveControl) FocusOn(FActiveControl);
}

void TPlotExceptionForm::FormShow(TObject*) { PlotTranslateControl(this); }

void TPlotExceptionForm::Button2Click(TObject*) { SetModalResult(mrCancel); }

void TPlotExceptionForm::Label4Click(TObject*) { PlotGotoURL(nullptr, ReadOption("SupportURL")); }

void TPlotExceptionForm::Button1Click(TObject*) {
  if (!Panel1->GetVisible()) {
    ShowDetails();
    return;
  }
  Button1->SetVisible(false);
  SaveOption("Email", Email->GetText());
  const std::string base = ReadOption("ReportURL");
  if (base.empty()) {
    SaveReport();
    return;
  }
  TMemoryStream reply;
  {
    THourGlass wait;
    PlotDownloadURLProc(ReportAddress(base), reply);
  }
  const std::string text(static_cast<const char*>(reply.Memory()), size_t(reply.GetSize()));
  LabelServer->SetCaption(text.rfind("OK", 0) == 0 ? PlotMsg_ServerCaption : PlotMsg_ServerError);
}

// First click: the optional e-mail address and comments take the dialog's upper part.
void TPlotExceptionForm::ShowDetails() {
  PanelMain->SetVisible(false);
  Panel1->SetBounds(0, 0, GetClientWidth(), Button1->GetTop() - 12);
  Panel1->SetVisible(true);
  MemoComments->SetBounds(MemoComments->GetLeft(), MemoComments->GetTop(), GetClientWidth() - 40,
                          Button1->GetTop() - 80);
  Button1->SetCaption(PlotMsg_ExceptionSend);
  Email->SetText(ReadOption("Email"));
  FocusOn(Email->GetText().empty() ? static_cast<TWinControl*>(Email) : MemoComments);
}

void TPlotExceptionForm::FocusOn(TWinControl* Control) {
  FActiveControl = Control;
  if (!FClient->HandleAllocated()) return;
  if (auto* edit = dynamic_cast<TCustomEdit*>(Control)) edit->SetFocus();
}

std::string TPlotExceptionForm::SystemDescription() {
  const TOSVersion os = GetOSVersion();
  if (os.Name.empty()) return "Unknown";
  // The system's name without its release ("Linux").
  const std::string name = os.Name.substr(0, os.Name.find(' '));
  return "Version: " + std::to_string(os.Major) + "." + std::to_string(os.Minor) + " \"" + name +
         "\" Build: " + std::to_string(os.Build);
}

std::string TPlotExceptionForm::ReportAddress(const std::string& Base) const {
  const std::string message = TheException ? TheException->what() : "";
  const std::string cls = TheException ? ExceptionClassName(*TheException) : "";
  std::string address = Base + "?ide=" + Escape(IDE()) + "&product=" + Escape(Product()) +
                        "&code=" + Escape(TheCode) + "&error=" + Escape(message) +
                        "&class=" + Escape(cls) +
                        "&build=1.0.0&lang=CPP&osversion=" + Escape(SystemDescription()) +
                        "&platform=" + std::to_string(sizeof(void*) * 8) + "bit";
  const std::string email = Trim(Email->GetText());
  const std::string comments = Trim(MemoComments->GetText());
  if (!email.empty()) address += "&email=" + Escape(email);
  if (!comments.empty()) address += "&comments=" + Escape(comments);
  return address;
}

// Without a report address the report is kept as text where the user chooses.
void TPlotExceptionForm::SaveReport() {
  TSaveDialog dialog(nullptr);
  dialog.SetTitle("Save the exception report");
  dialog.SetFilter("Text files|*.txt|All files|*");
  dialog.SetDefaultExt("txt");
  dialog.SetFileName("chart-exception.txt");
  if (!dialog.Execute()) {
    LabelServer->SetCaption("Report not saved");
    return;
  }
  TStringList report;
  report.Add("code=" + TheCode);
  report.Add(std::string("error=") + (TheException ? TheException->what() : ""));
  report.Add("class=" + (TheException ? ExceptionClassName(*TheException) : std::string()));
  report.Add("build=1.0.0");
  report.Add("osversion=" + SystemDescription());
  report.Add("platform=" + std::to_string(sizeof(void*) * 8) + "bit");
  report.Add("email=" + Trim(Email->GetText()));
  report.Add("comments=" + Trim(MemoComments->GetText()));
  try {
    report.SaveToFile(dialog.GetFileName());
    LabelServer->SetCaption("Report saved");
  } catch (const std::exception&) {
    LabelServer->SetCaption("Report not saved");
  }
}
