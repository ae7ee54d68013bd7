#include "chart/PlotEditors.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "chart/PlotCanvas3D.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/StringList.h"

std::function<bool(TColor&, std::vector<TColor>&, TColorDialogOptions)> EditColorHook;

namespace {

std::unique_ptr<TStringList> CustomColors;

std::vector<TColor> ReadCustomColors() {
  std::vector<TColor> colors;
  TStringList* list = PlotCustomEditColors();
  for (int i = 0; i < list->Count(); i++) {
    std::string line = list->Get(i);
    size_t eq = line.find('=');
    unsigned v = 0;
    if (eq != std::string::npos && std::sscanf(line.c_str() + eq + 1, "%x", &v) == 1)
      colors.push_back(TColor(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16)));
  }
  return colors;
}

void WriteCustomColors(const std::vector<TColor>& Colors) {
  TStringList* list = PlotCustomEditColors();
  list->Clear();
  for (size_t i = 0; i < Colors.size() && i < 16; i++) {
    uint32_t c = uint32_t(Colors[i]);
    char line[32];
    std::snprintf(line, sizeof line, "Color%c=%02X%02X%02X", char('A' + i), c & 0xFF,
                  (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    list->Add(line);
  }
}

GdkRGBA ToRGBA(TColor C) {
  uint32_t c = uint32_t(ColorToRGB(C));
  return GdkRGBA{(c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0, 1};
}

TColor FromRGBA(const GdkRGBA& R) {
  auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  return TColor(byte(R.red) | (byte(R.green) << 8) | (byte(R.blue) << 16));
}

// The GTK colour chooser, modal; the custom colours show as its palette.
bool RunChooser(TColor& Color, std::vector<TColor>& Custom, TColorDialogOptions Options) {
  GtkWidget* dialog = gtk_color_chooser_dialog_new("Color", nullptr);
  GtkColorChooser* chooser = GTK_COLOR_CHOOSER(dialog);
  gtk_color_chooser_set_use_alpha(chooser, FALSE);
  if (!Custom.empty()) {
    std::vector<GdkRGBA> palette;
    for (TColor c : Custom) palette.push_back(ToRGBA(c));
    gtk_color_chooser_add_palette(chooser, GTK_ORIENTATION_HORIZONTAL, 8, int(palette.size()),
                                  palette.data());
  }
  GdkRGBA rgba = ToRGBA(Color);
  gtk_color_chooser_set_rgba(chooser, &rgba);
  g_object_set(dialog, "show-editor", (Options & cdFullOpen) != 0 ? TRUE : FALSE, nullptr);
  bool ok = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  if (ok) {
    gtk_color_chooser_get_rgba(chooser, &rgba);
    Color = FromRGBA(rgba);
    if (std::find(Custom.begin(), Custom.end(), Color) == Custom.end()) Custom.push_back(Color);
  }
  gtk_widget_destroy(dialog);
  return ok;
}

}  // namespace

TStringList* PlotCustomEditColors() {
  if (!CustomColors) CustomColors = std::make_unique<TStringList>();
  return CustomColors.get();
}

void PlotFreeCustomEditColors() { CustomColors.reset(); }

TColor EditColor(TComponent*, TColor AColor, TColorDialogOptions Options) {
  std::vector<TColor> custom = ReadCustomColors();
  TColor chosen = AColor;
  bool ok = EditColorHook ? EditColorHook(chosen, custom, Options)
                          : RunChooser(chosen, custom, Options);
  if (!ok) return AColor;
  WriteCustomColors(custom);
  return chosen;
}

bool EditColorDialog(TComponent* AOwner, TColor& AColor, TColorDialogOptions Options) {
  TColor c = EditColor(AOwner, AColor, Options);
  if (c == AColor) return false;
  AColor = c;
  return true;
}

// ---------------- the symbol button ----------------

const TClassInfo* TPlotButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotButton>("TPlotButton", TComponent::Class())
          .Prop("SymbolVisible", &TPlotButton::GetSymbolVisible, &TPlotButton::SetSymbolVisible)
          .Default(1)
          .Prop("SymbolWidth", &TPlotButton::GetSymbolWidth, &TPlotButton::SetSymbolWidth)
          .Default(0);
  return info;
}

TPlotButton::TPlotButton(TComponent* AOwner) : TWinControl(AOwner) {}

void TPlotButton::DrawSymbol(TPlotCanvas*) {}

void TPlotButton::Click() {
  if (OnClick) OnClick(this);
}

void TPlotButton::SetSymbolVisible(bool Value) {
  if (FSymbolVisible == Value) return;
  FSymbolVisible = Value;
  Invalidate();
}

void TPlotButton::SetSymbolWidth(int Value) {
  if (FSymbolWidth == Value) return;
  FSymbolWidth = Value;
  Invalidate();
}

void TPlotButton::SetText(const std::string& Value) {
  TWinControl::SetText(Value);
  if (HandleAllocated()) gtk_button_set_label(GTK_BUTTON(Handle()), Value.c_str());
  Invalidate();
}

void TPlotButton::LinkProperty(TObject* AInstance, const std::string& PropName) {
  Instance = AInstance;
  Info = nullptr;
  if (!Instance) return;
  if (!PropName.empty()) Info = GetPropInfo(Instance, PropName);
  Invalidate();
}

TRect TPlotButton::SymbolRectangle() const {
  int w = FSymbolWidth;
  if (w == 0) w = GetText().empty() ? 0 : 19;
  const int width = GetWidth(), height = GetHeight();
  int left, right;
  if (w != 0) {
    left = width - w;
    right = width - 6;
  } else {
    left = std::max(4, width / 8);
    right = width - left;
  }
  return TRect{left, height - 3 * (height / 4), right, height - height / 4};
}

void TPlotButton::PaintSymbol(TCanvas* Canvas) {
  TPlotCanvas3D canvas;
  canvas.SetUseBuffer(false);
  canvas.InitWindow(Canvas, nullptr, clBtnFace, false, ClientRect());
  canvas.SetBackMode(cbmTransparent);
  DrawSymbol(&canvas);
}

GtkWidget* TPlotButton::CreateWidget() {
  GtkWidget* button = gtk_button_new_with_label(GetText().c_str());
  g_signal_connect_after(button, "draw", G_CALLBACK(OnDrawAfter), this);
  g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), this);
  return button;
}

int TPlotButton::OnDrawAfter(GtkWidget*, cairo_t* Cr, void* Self) {
  auto* button = static_cast<TPlotButton*>(Self);
  // The symbol is drawn on a copy of the button's area and painted over it.
  TBitmap area;
  area.SetPixelFormat(pf32bit);
  area.SetSize(std::max(1, button->GetWidth()), std::max(1, button->GetHeight()));
  area.GetCanvas()->GetBrush()->SetColor(clBtnFace);
  area.GetCanvas()->FillRect(button->ClientRect());
  button->PaintSymbol(area.GetCanvas());
  TRect r = button->SymbolRectangle();
  cairo_save(Cr);
  cairo_rectangle(Cr, r.Left, r.Top, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
  cairo_clip(Cr);
  PaintBitmap(Cr, &area);
  cairo_restore(Cr);
  return FALSE;
}

void TPlotButton::OnClicked(GtkWidget*, void* Self) { static_cast<TPlotButton*>(Self)->Click(); }

// ---------------- the colour button ----------------

const TClassInfo* TButtonColor::Class() {
  static const TClassInfo* info =
      TClassDecl<TButtonColor>("TButtonColor", TPlotButton::Class())
          .Prop("FullOpen", &TButtonColor::GetFullOpen, &TButtonColor::SetFullOpen)
          .Default(1);
  return info;
}

TColor TButtonColor::GetSymbolColor() const {
  if (GetColorProc) return GetColorProc();
  if (Instance && Info) return TColor(Info->GetOrd(Instance));
  return FSymbolColor;
}

void TButtonColor::SetSymbolColor(TColor Value) {
  if (Value == FSymbolColor) return;
  if (Instance && Info)
    Info->SetOrd(Instance, Value);
  else
    FSymbolColor = Value;
  Invalidate();
}

void TButtonColor::Click() {
  TColor c = GetSymbolColor();
  if (!EditColorDialog(this, c, FFullOpen ? TColorDialogOptions(cdFullOpen) : 0u)) return;
  SetSymbolColor(c);
  Invalidate();
  TPlotButton::Click();
}

void TButtonColor::DrawSymbol(TPlotCanvas* ACanvas) {
  if (!GetEnabled() || !GetSymbolVisible()) return;
  TColor c = GetSymbolColor();
  FSymbolColor = c;
  if (c == clNone) return;
  ACanvas->GetBrush()->SetColor(TPlotCanvas::ColorFrom(c, 0));
  ACanvas->Rectangle(SymbolRectangle());
}

// ---------------- the flat combo box ----------------

namespace {
const TEnumInfo& ComboStyleInfo() {
  static const TEnumInfo info("TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList",
                                                 "csOwnerDrawFixed", "csOwnerDrawVariable"});
  return info;
}
}  // namespace

const TClassInfo* TComboFlat::Class() {
  static const TClassInfo* info =
      TClassDecl<TComboFlat>("TComboFlat", TComponent::Class())
          .Prop("DropDownWidth", &TComboFlat::GetDropDownWidth, &TComboFlat::SetDropDownWidth)
          .Stored(&TComboFlat::IsDropDownWidthStored)
          .Prop("ItemHeight", &TComboFlat::GetItemHeight, &TComboFlat::SetItemHeight)
          .Prop("ItemIndex", &TComboFlat::GetItemIndex, &TComboFlat::SetItemIndex)
          .Enum("Style", &TComboFlat::GetStyle, &TComboFlat::SetStyle, ComboStyleInfo());
  return info;
}

TComboFlat::TComboFlat(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 145, 21); }

int TComboFlat::Add(const std::string& Text, TObject* AObject) {
  FItems.emplace_back(Text, AObject);
  if (HandleAllocated())
    gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(Handle()), Text.c_str());
  return int(FItems.size()) - 1;
}

void TComboFlat::Clear() {
  FItems.clear();
  FItemIndex = -1;
  if (HandleAllocated()) gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(Handle()));
}

std::string TComboFlat::CurrentItem() const {
  return FItemIndex >= 0 && FItemIndex < Count() ? FItems[size_t(FItemIndex)].first : "";
}

TObject* TComboFlat::SelectedObject() const {
  return FItemIndex >= 0 && FItemIndex < Count() ? FItems[size_t(FItemIndex)].second : nullptr;
}

void TComboFlat::SetItemIndex(int Value) {
  if (Value < -1 || Value >= Count()) Value = -1;
  FItemIndex = Value;
  if (HandleAllocated()) gtk_combo_box_set_active(GTK_COMBO_BOX(Handle()), Value);
}

void TComboFlat::SetDropDownWidth(int Value) {
  Handle();  // the window exists first, as the popup's width belongs to it
  FDropDownWidth = Value;
}

GtkWidget* TComboFlat::CreateWidget() {
  GtkWidget* box = gtk_combo_box_text_new();
  for (const auto& item : FItems)
    gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(box), item.first.c_str());
  gtk_combo_box_set_active(GTK_COMBO_BOX(box), FItemIndex);
  gtk_combo_box_set_popup_fixed_width(GTK_COMBO_BOX(box), FALSE);
  g_signal_connect(box, "changed", G_CALLBACK(OnChanged), this);
  g_signal_connect(box, "notify::popup-shown", G_CALLBACK(OnPopupShown), this);
  g_signal_connect_after(box, "draw", G_CALLBACK(OnDrawAfter), this);
  gtk_widget_add_events(box, GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);
  g_signal_connect(box, "enter-notify-event", G_CALLBACK(OnCrossing), this);
  g_signal_connect(box, "leave-notify-event", G_CALLBACK(OnCrossing), this);
  return box;
}

void TComboFlat::OnChanged(GtkWidget* Widget, void* Self) {
  auto* box = static_cast<TComboFlat*>(Self);
  box->FItemIndex = gtk_combo_box_get_active(GTK_COMBO_BOX(Widget));
  if (box->OnChange) box->OnChange(box);
}

void TComboFlat::OnPopupShown(GtkWidget* Widget, void*, void* Self) {
  auto* box = static_cast<TComboFlat*>(Self);
  AtkObject* accessible = gtk_combo_box_get_popup_accessible(GTK_COMBO_BOX(Widget));
  if (!accessible || !GTK_IS_ACCESSIBLE(accessible)) return;
  GtkWidget* popup = gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible));
  if (popup) gtk_widget_set_size_request(popup, box->GetDropDownWidth(), -1);
}

int TComboFlat::OnCrossing(GtkWidget* Widget, void* Event, void* Self) {
  auto* box = static_cast<TComboFlat*>(Self);
  box->Inside = static_cast<GdkEventCrossing*>(Event)->type == GDK_ENTER_NOTIFY;
  gtk_widget_queue_draw(Widget);
  return FALSE;
}

void TComboFlat::PaintFlatFrame(TCanvas* Canvas) {
  TRect r = ClientRect();
  Canvas->GetPen()->SetColor(clBtnFace);
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->Rectangle(r);
  Canvas->Rectangle(TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
  const int caption = 18;  // the window system's caption-button height
  TRect button{r.Right - caption + 2, r.Top + 1, r.Right - 1, r.Bottom - 1};
  Canvas->GetPen()->SetColor(clWindow);
  Canvas->Rectangle(button);
  Canvas->MoveTo(button.Right - 1, r.Top);
  Canvas->LineTo(button.Right - 1, r.Bottom);
}

int TComboFlat::OnDrawAfter(GtkWidget* Widget, cairo_t* Cr, void* Self) {
  auto* box = static_cast<TComboFlat*>(Self);
  if (box->Inside || gtk_widget_has_focus(Widget)) return FALSE;
  TBitmap frame;
  frame.SetPixelFormat(pf32bit);
  frame.SetSize(std::max(1, box->GetWidth()), std::max(1, box->GetHeight()));
  // Only the frame's pixels go over the box: the rest of the copy is transparent.
  for (int y = 0; y < frame.GetHeight(); y++) std::fill_n(frame.GetScanLine(y), frame.GetWidth() * 4, 0);
  box->PaintFlatFrame(frame.GetCanvas());
  PaintBitmap(Cr, &frame);
  return FALSE;
}
