// The setup sheet: one large PDF page with pictures of the group pages, the
// curve editors of the page's curve items, the calculator page of the two
// airplane models and, for the other models with a header, a filled-in
// header form. Every picture is drawn off-screen from its scene, so windows
// may cover the main window while the sheet is made. The layout comes from
// keys of section "common" of the language file, with built-in defaults.
//
// The document is made in memory and written to a temporary file in the
// chosen folder, which is renamed over the chosen name only when complete:
// Cancel in the header or an error leaves no new file and an old one as it
// was.

#include "files/SetupSheet.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/SceneCapture.h"
#include "app/Utils.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_box.h"
#include "files/PdfCanvas.h"
#include "files/PdfDoc.h"
#include "files/PdfImages.h"
#include "files/frmInput.h"
#include "pages/frmGraph.h"
#include "pages/frmGraph2.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/JpegImage.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"

namespace {

constexpr const char* kCommon = "common";

// Models whose sheet has no header form, and those with a calculator picture.
bool HasHeader(const std::string& model) {
  for (const char* none : {"AIRPLANE_ESC", "AIRPLANE_ESC_HV", "BOAT_ESC", "Ardent_V3",
                           "Ardent_HV_V3", "Ardent_HV_V4", "Ardent_V4", "Ardent_V4_FL"})
    if (model == none) return false;
  return true;
}

bool HasCalculator(const std::string& model) {
  return model == "AIRPLANE_ESC" || model == "AIRPLANE_ESC_HV";
}

// Width, height and offset of one picture on the sheet, in points.
struct TPlacement {
  int X = 0, Y = 0, W = 0, H = 0;
};

// The run of one sheet: the document, the margins and the main window.
class TSheet {
 public:
  explicit TSheet(TfrmInterface& F) : F(F) {
    Doc.SetDefaultPageWidth(kSheetWidth);
    Doc.SetDefaultPageHeight(kSheetHeight);
    L = Int("export_left", 138);
    T = kSheetHeight - Int("export_top", 54);
    Doc.NewDoc();
    Doc.AddPage();
  }

  int Int(const std::string& key, int fallback) const {
    return F.FLangIni->ReadInteger(kCommon, key, fallback);
  }

  bool Chinese() const { return F.Chinese1 && F.Chinese1->GetChecked(); }

  void SelectLabelFont() {
    if (Chinese())
      Doc.Canvas()->SetFont("Chinese", 34);
    else
      Doc.Canvas()->SetFont("Arial-BoldItalic", 38);
  }

  // Adds the picture under Name and draws it with its lower left corner at
  // (Left, Bottom) of the page.
  void DrawPicture(TzrBitmap& Picture, const std::u16string& Name, int Left, int Bottom, int W,
                   int H) {
    std::unique_ptr<TJPEGImage> jpeg = JpegOfBitmap(Picture);
    AddImage(Name, *jpeg);
    Doc.Canvas()->DrawXObject(float(Left), float(Bottom), float(W), float(H), Name);
  }

  // Registers the JPEG under Name; the document owns the image from then on.
  void AddImage(const std::u16string& Name, TJPEGImage& Jpeg) {
    std::unique_ptr<TPdfImage> image(MakeImage(&Jpeg, "Pdf-Jpeg"));
    Doc.AddXObject(Name, image.get());
    image.release();
  }

  // A picture at its placement, labelled at (L + x + 60, T - y).
  void PlacePicture(TzrBitmap& Picture, const std::u16string& Name, const TPlacement& P,
                    const std::string& Label) {
    DrawPicture(Picture, Name, L + P.X, T - P.Y - P.H, P.W, P.H);
    SelectLabelFont();
    PdfTextOut(Doc, L + P.X + 60, T - P.Y, Label);
    LastHeight = P.H;
  }

  TfrmInterface& F;
  TPdfDoc Doc;
  int L = 0, T = 0;
  int LastHeight = 0;  // the last picture placed after the header
};

TzrVisualObject* Visual(TfrmInterface& F, const std::string& name) {
  return dynamic_cast<TzrVisualObject*>(F.FindComponent(name));
}

int WidthOf(TfrmInterface& F, const std::string& name) {
  TzrVisualObject* v = Visual(F, name);
  return v ? int(v->GetWidth()) : 0;
}

int HeightOf(TfrmInterface& F, const std::string& name) {
  TzrVisualObject* v = Visual(F, name);
  return v ? int(v->GetHeight()) : 0;
}

// Shows navigation entry Entry (ListBoxItem<Entry>) with the list's
// selection at Position.
void ShowNavigationPage(TfrmInterface& F, int Position, int Entry) {
  F.ListBox1->SetItemIndex(Position);
  F.ListBoxItemClick(F.FindComponent("ListBoxItem" + std::to_string(Entry)));
}

// The page area of the main window: right of the navigation column, as high
// as Panel3.
std::unique_ptr<TzrBitmap> CapturePageArea(TfrmInterface& F) {
  return RenderSceneArea(*F.ControlsScene, WidthOf(F, "Panel1"), 0, WidthOf(F, "Panel3"),
                         HeightOf(F, "Panel3"));
}

TPlacement PagePlacement(TSheet& S, const std::string& prefix, int defaultY) {
  TfrmInterface& F = S.F;
  return {S.Int(prefix + "_x", 5), S.Int(prefix + "_y", defaultY),
          S.Int(prefix + "_w", WidthOf(F, "Panel3")),
          S.Int(prefix + "_h", HeightOf(F, "Panel3") - HeightOf(F, "Panel4"))};
}

std::string ItemName(TSheet& S, const std::string& cname, const std::string& ename) {
  return S.Chinese() ? cname : ename;
}

void DrawGroupPages(TSheet& S) {
  TfrmInterface& F = S.F;
  for (int g = 0; g < F.FPageDef.tab; ++g) {
    const TPlacement p = PagePlacement(S, "export_tab" + std::to_string(g + 1), g * 500 + 1000);
    ShowNavigationPage(F, g + 1, g + 2);
    std::unique_ptr<TzrBitmap> shot = CapturePageArea(F);
    const TAB& tab = F.FPageDef.tabs[g];
    S.PlacePicture(*shot, UTF8ToUTF16("ListBoxItem" + std::to_string(g + 2)), p,
                   ItemName(S, tab.cname, tab.ename));
  }
}

// Frees the editor the report opened, shows the help column again and ends
// the capture mode, also when the capture failed.
struct TEditorCapture {
  TfrmInterface& F;
  explicit TEditorCapture(TfrmInterface& F) : F(F) { F.FReportCapture = true; }
  ~TEditorCapture() {
    delete F.FGraphForm;
    F.FGraphForm = nullptr;
    delete F.FGraph2Form;
    F.FGraph2Form = nullptr;
    if (F.Panel6) F.Panel6->SetVisible(true);
    F.FReportCapture = false;
  }
};

// The curve editor of item N in group G, when the item has one and its
// control exists.
void DrawCurveItem(TSheet& S, int G, int N) {
  TfrmInterface& F = S.F;
  const ITEM& item = F.FPageDef.items[N];
  if (item.mode != imCurve256 && item.mode != imLinkedCurve256 && item.mode != imCurve64) return;
  auto* box = dynamic_cast<TzrTextBox*>(F.FindComponent("eItem" + std::to_string(N)));
  if (!box) return;
  ShowNavigationPage(F, G + 1, G + 2);
  TEditorCapture capture(F);
  F.itemClick(box);
  TCurveForm* editor = item.mode == imCurve64 ? static_cast<TCurveForm*>(F.FGraph2Form)
                                              : static_cast<TCurveForm*>(F.FGraphForm);
  if (!editor) return;  // the editor refused to open (its message was shown)
  const int width = editor->GetClientWidth(), height = editor->GetClientHeight();
  const std::string prefix = "export_img" + std::to_string(G + 1);
  TPlacement p{S.Int(prefix + "_x", 5), S.Int(prefix + "_y", G * 500 + 2000),
               S.Int(prefix + "_w", width), S.Int(prefix + "_h", height)};
  std::unique_ptr<TzrBitmap> shot = RenderSceneArea(*editor->ControlsScene, 0, 0, width, height);
  const std::u16string name = UTF8ToUTF16("item" + std::to_string(N));
  const std::string label = ItemName(S, item.cname, item.ename);
  if (item.mode != imCurve64) return S.PlacePicture(*shot, name, p, label);
  // The sample editor's picture lies one picture height and 100 points lower.
  S.DrawPicture(*shot, name, S.L + p.X, S.T - p.Y - 2 * p.H - 100, p.W, p.H);
  S.SelectLabelFont();
  PdfTextOut(S.Doc, S.L + p.X + 60, S.T - p.Y - p.H - 100, label);
  S.LastHeight = p.H;
}

// Item numbers of a group's list: entries other than "-" that are numbers of
// items the definition holds; others are skipped.
std::vector<int> GroupItems(const TfrmInterface& F, const std::string& group) {
  std::vector<int> items;
  for (const std::u16string& part : SplitString(u",", UTF8ToUTF16(group), 0)) {
    std::string entry = UTF16ToUTF8(part);
    entry.erase(0, entry.find_first_not_of(' '));
    entry.erase(entry.find_last_not_of(' ') + 1);
    if (entry.empty() || entry == "-") continue;
    int n = -1;
    if (!TryStrToInt(entry, n) || n < 0 || n >= F.FPageDef.item) continue;
    items.push_back(n);
  }
  return items;
}

void DrawCurveItems(TSheet& S) {
  TfrmInterface& F = S.F;
  std::set<int> captured;  // an item listed in two groups is drawn once
  for (int g = 0; g < F.FPageDef.tab; ++g)
    for (int n : GroupItems(F, F.FPageDef.tabs[g].group))
      if (captured.insert(n).second) DrawCurveItem(S, g, n);
}

void DrawCalculator(TSheet& S) {
  TfrmInterface& F = S.F;
  const TPlacement p = PagePlacement(S, "export_calc", 5);
  ShowNavigationPage(F, F.FPageDef.tab + 2, 10);
  std::unique_ptr<TzrBitmap> shot = CapturePageArea(F);
  S.DrawPicture(*shot, u"ListBoxItem10", S.L + p.X, S.T - p.Y - p.H, p.W, p.H);
  PdfTextOut(S.Doc, S.L + p.X + 60, S.T - p.Y, F.LangText("TabCale", "速度计算"));
  S.LastHeight = p.H;
}

// The title and version lines: nothing when their text is empty.
void DrawTextLine(TSheet& S, const std::string& key, int extraDown) {
  TfrmInterface& F = S.F;
  const std::string text = F.LangText(key, "");
  if (text.empty()) return;
  const bool chinese = F.FLangIni->ReadBool(kCommon, key + "_lang", S.Chinese());
  S.Doc.Canvas()->SetFont(chinese ? "Chinese" : "Arial-BoldItalic",
                          float(S.Int(key + "_size", 12)));
  PdfTextOut(S.Doc, S.L + S.Int(key + "_x", 5), S.T - S.Int(key + "_y", 5) - extraDown, text);
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

std::u16string Text(const std::string& utf8) { return UTF8ToUTF16(utf8); }

// Puts the entries of a choice group on its radio buttons (buttons without an
// entry keep an empty text) and checks the one at the stored index.
void FillChoiceGroup(TfrmInput& D, int First, int Count, const std::vector<std::u16string>& Items,
                     int Index) {
  for (int k = 0; k < Count; ++k) {
    TzrRadioButton* button = D.RadioButtons[First + k];
    button->SetText(k < int(Items.size()) ? Items[size_t(k)] : std::u16string());
    if (k == Index)
      button->SetIsChecked(true);
    else
      button->Uncheck();
  }
}

// 0 for the first checked button of the group, 1 for the second, else the
// group's last position.
int CheckedPosition(const TfrmInput& D, int First, int Count) {
  for (int k = 0; k < Count - 1; ++k)
    if (D.RadioButtons[First + k]->GetIsChecked()) return k;
  return Count - 1;
}

void FillCombo(TfrmInterface& F, TzrComboTextBox& Combo, const std::string& key,
               const std::string& indexKey) {
  TzrWideStringList entries;
  for (const std::u16string& entry : ExpandValueList(Text(F.LangText(key, "A|B"))))
    entries.Add(entry);
  Combo.SetItems(&entries);
  Combo.SetItemIndex(F.FLangIni->ReadInteger(kCommon, indexKey, 0));
}

struct TChoiceGroup {
  const char* Label;
  const char* LabelDefault;
  const char* Items;
  const char* ItemsDefault;
  const char* IndexKey;
  int First, Count;
};

constexpr TChoiceGroup kChoiceGroups[] = {
    {"export_track", "TRACK:", "export_track_items", "INDOOR|DOTDOOR", "export_track_index", 0, 2},
    {"export_traction", "TRACTION:", "export_traction_items", "LOW|MED|HIGH",
     "export_traction_index", 2, 3},
    {"export_surface", "SURFACE:", "export_surface_items", "ASPHALT|CONCRETE|CARPET",
     "export_surface_index", 5, 3},
    {"export_type", "TYPE:", "export_type_items", "TECHNICAL|MIXED|FAST", "export_type_index", 8,
     3},
};

TzrLabel* ChoiceLabel(TfrmInput& D, int group) {
  TzrLabel* const labels[] = {D.lTrack, D.lTraction, D.lSurface, D.lType};
  return labels[group];
}

void FillHeaderDialog(TfrmInterface& F, TfrmInput& D, const std::string& fileName) {
  D.SetCaption(F.LangText("export_input", "Input"));
  D.ControlsScene->SetStyle(F.SceneStyle);
  F.LoadPicture(D.Image1, F.FLangIni->ReadString(kCommon, "export_logo", "pdflogo.jpg"));
  auto label = [&](TzrCompoundTextBox* box, const char* key, const char* fallback) {
    box->GetTextLabel()->SetText(Text(F.LangText(key, fallback)));
  };
  label(D.eEvent, "export_event", "EVENT:");
  label(D.eDriver, "export_driver", "DRIVER:");
  label(D.eDate, "export_date", "DATE:");
  label(D.eNation, "export_nation", "NATION:");
  label(D.eEndbell, "export_endbell", "ENDBELL TIMING:");
  label(D.eFinal, "export_final", "FINAL DRIVE RATIO:");
  D.eNote->GetTextLabel()->SetText(Text(F.LangText("export_note", "NOTE:")));
  D.lChassis->SetText(Text(F.LangText("export_chassis", "CHASSIS:")));
  D.lTyres->SetText(Text(F.LangText("export_tyres", "Tyres Used:")));
  D.lMotor->SetText(Text(F.LangText("export_motor", "MOTOR:")));
  D.lRotor->SetText(Text(F.LangText("export_rotor", "ROTOR:")));
  D.lBattery->SetText(Text(F.LangText("export_battery", "BATTERY:")));
  D.lEcs->SetText(Text(F.LangText("export_ecs", "ECS/Firmware Version:")));
  for (int g = 0; g < 4; ++g) {
    const TChoiceGroup& c = kChoiceGroups[g];
    ChoiceLabel(D, g)->SetText(Text(F.LangText(c.Label, c.LabelDefault)));
    FillChoiceGroup(D, c.First, c.Count, ExpandValueList(Text(F.LangText(c.Items, c.ItemsDefault))),
                    F.FLangIni->ReadInteger(kCommon, c.IndexKey, 0));
  }
  FillCombo(F, *D.eEcs, "export_ecs_items", "export_ecs_index");
  FillCombo(F, *D.eRotor, "export_rotor_items", "export_rotor_index");
  D.btnOk->SetText(Text(F.LangText("btn_Ok", "Ok")));
  D.btnCancel->SetText(Text(F.LangText("btn_Cancel", "Cancel")));
  D.eDriver->SetText(Text(std::filesystem::path(fileName).stem().string()));
  D.eDate->SetText(Text(Today()));
  D.eVersion->SetText(Text(F.FFirmware));
  D.eFinal->SetText(Text(F.LangText("export_final_value", "")));
}

// Writes the dialog's choices to section "common" and saves the language
// file once (through its temporary file, without byte-order mark). When the
// file cannot be written (a read-only program folder) the user is warned
// that the choices were not kept, and the sheet is made all the same.
void SaveHeaderChoices(TfrmInterface& F, const TfrmInput& D) {
  TMemIniFile& ini = *F.FLangIni;
  ini.WriteInteger(kCommon, "export_rotor_index", D.eRotor->GetItemIndex());
  ini.WriteInteger(kCommon, "export_ecs_index", D.eEcs->GetItemIndex());
  for (const TChoiceGroup& c : kChoiceGroups)
    ini.WriteInteger(kCommon, c.IndexKey, CheckedPosition(D, c.First, c.Count));
  try {
    ini.UpdateFile();
  } catch (const std::exception& e) {
    MessageDlg(std::string("The choices of the header were not kept: ") + e.what(), mtWarning,
               mbOK);
  }
}

// The header dialog and its picture; false when it was not confirmed.
bool DrawHeader(TSheet& S, const std::string& fileName) {
  TfrmInterface& F = S.F;
  std::unique_ptr<TfrmInput> dialog(new TfrmInput(&F));
  FillHeaderDialog(F, *dialog, fileName);
  if (dialog->ShowModal() != mrOk) return false;
  SaveHeaderChoices(F, *dialog);
  TJPEGImage* picture = dialog->HeaderImage();
  if (!picture) {  // confirmed without the OK button's picture
    dialog->CaptureHeaderImage();
    picture = dialog->HeaderImage();
  }
  const int panelW = int(dialog->Panel1->GetWidth()), panelH = int(dialog->Panel1->GetHeight());
  const int w = kSheetWidth - 2 * S.L;
  const int h = panelW > 0 ? int(double(w) * panelH / panelW - 80) : 0;
  S.AddImage(u"header", *picture);
  S.Doc.Canvas()->DrawXObject(float(S.L + S.Int("export_header_x", 0)),
                              float(S.T - S.Int("export_header_y", 0) - h), float(w), float(h),
                              u"header");
  return true;
}

// Creates a new file beside Target, named after it, with the mode a new file
// gets (0666 less the umask, as for any file the program saves); Temp gets
// its name. -1 when it cannot.
int CreateBeside(const std::string& Target, std::string& Temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    Temp = Target + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    const int fd = open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= size_t(n);
  }
  return true;
}

// Writes the bytes to a new file beside Target and renames it over Target.
void WriteFileWhole(const std::string& Target, TMemoryStream& Bytes) {
  std::string temp;
  const int fd = CreateBeside(Target, temp);
  if (fd < 0) throw EFCreateError("Cannot create file \"" + Target + "\"");
  const bool written =
      WriteAll(fd, static_cast<const char*>(Bytes.Memory()), size_t(Bytes.GetSize()));
  if (close(fd) != 0 || !written || std::rename(temp.c_str(), Target.c_str()) != 0) {
    std::remove(temp.c_str());
    throw EFCreateError("Cannot create file \"" + Target + "\"");
  }
}

// The sheet for fileName; nothing is written when the header is cancelled.
void WriteSetupSheet(TfrmInterface& F, const std::string& fileName) {
  TSheet sheet(F);
  if (HasHeader(F.FModel) && !DrawHeader(sheet, fileName)) return;
  sheet.SelectLabelFont();
  DrawGroupPages(sheet);
  DrawCurveItems(sheet);
  if (HasCalculator(F.FModel)) DrawCalculator(sheet);
  DrawTextLine(sheet, "export_title", 0);
  DrawTextLine(sheet, "export_version", sheet.LastHeight + 150);
  TMemoryStream bytes;
  sheet.Doc.SaveToStream(bytes);
  WriteFileWhole(fileName, bytes);
}

}  // namespace

void PdfTextOut(TPdfDoc& Doc, int X, int Y, const std::string& Text) {
  Doc.Canvas()->TextOut(float(X), float(Y), UTF8ToUTF16(Text));
}

void TfrmInterface::Print1Click(TObject*) {
  SaveDialog1->SetFileName("");
  SaveDialog1->SetFilter("PDF Config File|*.pdf");
  SaveDialog1->SetDefaultExt(".pdf");
  try {
    if (FPageDef.tab > 0 && SaveDialog1->Execute())
      WriteSetupSheet(*this, SaveDialog1->GetFileName());
  } catch (const std::exception& e) {
    ShowNavigationPage(*this, 0, 1);
    if (Application) Application->ShowException(e);
    return;
  }
  ShowNavigationPage(*this, 0, 1);
}
