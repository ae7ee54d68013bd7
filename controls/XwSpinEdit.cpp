#include "controls/XwSpinEdit.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

#include "controls/XwUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"

int UpDownWidth() {
  const int scrollBarWidth = 17;
  return std::min(scrollBarWidth, 15);
}

// ---------------- TXwUpDown ----------------

TXwUpDown::TXwUpDown(TComponent* AOwner) : TXwSpinButton(AOwner) {
  SetButtonStyle(sbsClassic);
  FWidth = UpDownWidth();
}

// ---------------- TXwCustomSpinEdit ----------------

namespace {

const TEnumInfo& ValueTypeInfo() {
  static const TEnumInfo info("TValueType", {"vtInteger", "vtFloat", "vtHex", "vtString"});
  return info;
}
const TEnumInfo& CheckOptionInfo() {
  static const TEnumInfo info("TXwCheckOption",
                              {"coCheckOnChange", "coCheckOnExit", "coCropBeyondLimit"});
  return info;
}
const TEnumInfo& ButtonKindInfo() {
  static const TEnumInfo info("TSpinButtonKind", {"bkStandard", "bkDiagonal", "bkClassic"});
  return info;
}
const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return info;
}

// The room a 3-D border takes on each side of the edit.
constexpr int BorderWidth = 2;

std::u16string Wide(const std::string& s) { return UTF8ToUTF16(s); }

}  // namespace

const TClassInfo* TXwCustomSpinEdit::Class() {
  using T = TXwCustomSpinEdit;
  static const TClassInfo* info =
      TClassDecl<T>("TXwCustomSpinEdit", TControl::Class())
          .Enum("ValueType", &T::GetValueType, &T::SetValueType, ValueTypeInfo())
          .Default(vtInteger)
          .Prop("MinValue", &T::GetMinValue, &T::SetMinValue)
          .Default(0)
          .Prop("MaxValue", &T::GetMaxValue, &T::SetMaxValue)
          .Default(0)
          .Prop("CheckMinValue", &T::GetCheckMinValue, &T::SetCheckMinValue)
          .Stored(&T::IsCheckMinValueStored)
          .Prop("CheckMaxValue", &T::GetCheckMaxValue, &T::SetCheckMaxValue)
          .Stored(&T::IsCheckMaxValueStored)
          .Set("CheckOptions", &T::GetCheckOptions, &T::SetCheckOptions, CheckOptionInfo())
          .Default(AllCheckOptions)
          .Prop("Increment", &T::GetIncrement, &T::SetIncrement)
          .Stored(&T::IsIncrementStored)
          .Prop("Decimal", &T::GetDecimal, &T::SetDecimal)
          .Default(2)
          .Prop("DisplayFormat", &T::GetDisplayFormat, &T::SetDisplayFormat)
          .Stored(&T::IsDisplayFormatStored)
          .Prop("Thousands", &T::GetThousands, &T::SetThousands)
          .Default(0)
          .Prop("ArrowKeys", &T::GetArrowKeys, &T::SetArrowKeys)
          .Default(1)
          .Prop("EditorEnabled", &T::GetEditorEnabled, &T::SetEditorEnabled)
          .Default(1)
          .Prop("ShowButton", &T::GetShowButton, &T::SetShowButton)
          .Default(1)
          .Enum("ButtonKind", &T::GetButtonKind, &T::SetButtonKind, ButtonKindInfo())
          .Default(bkDiagonal)
          .Enum("Alignment", &T::GetAlignment, &T::SetAlignment, AlignmentInfo())
          .Default(taLeftJustify)
          .Event("OnChange", &T::OnChange)
          .Event("OnTopClick", &T::OnTopClick)
          .Event("OnBottomClick", &T::OnBottomClick);
  return info;
}

TXwCustomSpinEdit::TXwCustomSpinEdit(TComponent* AOwner)
    : TXwExCustomMaskEdit(AOwner), FItems(std::make_unique<TStringList>()) {
  RecreateButton();
}

TXwCustomSpinEdit::~TXwCustomSpinEdit() {
  Destroying();
  FDestroying = true;
  FChanging = true;
  delete FButton;
  delete FBtnWindow;
  delete FUpDown;
}

void TXwCustomSpinEdit::Loaded() {
  TXwExCustomMaskEdit::Loaded();
  FLCheckMinValue = true;
  FLCheckMaxValue = true;
  FOldValue = GetValue();
}

// ---- limits ----

long double TXwCustomSpinEdit::ClampValue(long double x) const {
  long double y = x;
  if (FCheckMinValue && x < FMinValue) y = FMinValue;
  if (FCheckMaxValue && x > FMaxValue) y = FMaxValue;
  return y;
}

long double TXwCustomSpinEdit::CheckRange(long double x, bool raise) const {
  const long double y = ClampValue(x);
  if ((FCheckMinValue || FCheckMaxValue) && raise && x != y)
    throw ERangeError(
        Format("Value must be between %0:g and %1:g", {double(FMinValue), double(FMaxValue)}));
  return y;
}

void TXwCustomSpinEdit::SetCheckMinValue(bool value) {
  FCheckMinValue = value || FMinValue != 0;
  if (IsLoading()) FLCheckMinValue = false;
  SetValue(GetValue());
}

void TXwCustomSpinEdit::SetCheckMaxValue(bool value) {
  FCheckMaxValue = value || FMaxValue != 0;
  if (IsLoading()) FLCheckMaxValue = false;
  SetValue(GetValue());
}

void TXwCustomSpinEdit::SetMinValue(long double value) {
  if (value == FMinValue) return;
  const bool derived = FMinValue == 0 && FCheckMinValue == (FMaxValue != 0);
  const bool wasZero = FMinValue == 0;
  FMinValue = value;
  if (wasZero != (value == 0) && FLCheckMinValue) {
    const bool check = FMinValue != 0 || FMaxValue != 0;
    SetCheckMinValue(check);
    if (!derived && FLCheckMaxValue) SetCheckMaxValue(check);
  }
  SetValue(GetValue());
}

void TXwCustomSpinEdit::SetMaxValue(long double value) {
  if (value == FMaxValue) return;
  const bool derived = FMaxValue == 0 && FCheckMaxValue == (FMinValue != 0);
  const bool wasZero = FMaxValue == 0;
  FMaxValue = value;
  if (wasZero != (value == 0) && FLCheckMaxValue) {
    const bool check = FMinValue != 0 || FMaxValue != 0;
    SetCheckMaxValue(check);
    if (!derived && FLCheckMinValue) SetCheckMinValue(check);
  }
  SetValue(GetValue());
}

// A check flag is derived while its limit is 0 and the flag says whether the
// other limit is set, which is what setting the limits makes of it.
bool TXwCustomSpinEdit::IsCheckMinValueStored() const {
  return !(FMinValue == 0 && FCheckMinValue == (FMaxValue != 0));
}

bool TXwCustomSpinEdit::IsCheckMaxValueStored() const {
  return !(FMaxValue == 0 && FCheckMaxValue == (FMinValue != 0));
}

// ---- value type and format ----

void TXwCustomSpinEdit::SetValueType(XwSpin::TValueType value) {
  FValueType = value;
  SetValue(GetValue());
  if (value == vtInteger || value == vtHex) {
    FIncrement = std::nearbyint(FIncrement);
    if (FIncrement == 0) FIncrement = 1;
  }
  if (value == vtHex) FThousands = false;
}

void TXwCustomSpinEdit::SetDecimal(int value) {
  if (value == FDecimal) return;
  FDecimal = value;
  SetValue(GetValue());
}

void TXwCustomSpinEdit::SetDisplayFormat(const std::string& value) {
  if (value == FDisplayFormat) return;
  FDisplayFormat = value;
  Invalidate();
}

void TXwCustomSpinEdit::SetThousands(bool value) {
  if (FValueType == vtHex) value = false;
  if (value == FThousands) return;
  FThousands = value;
  SetValue(GetValue());
}

void TXwCustomSpinEdit::SetItems(TStrings* value) {
  FItems->Assign(value);
  SetValue(0);
  // An empty list has no first item: the text is emptied.
  SetText(FItems->Count() > 0 ? FItems->Get(0) : std::string());
}

void TXwCustomSpinEdit::ReformatText() {
  if (FValueType != vtFloat || FDisplayFormat.empty() || !FFocused) return;
  const bool modified = GetModified();
  const std::string format = FDecimal == 0 ? "0" : "0." + std::string(size_t(FDecimal), '0');
  SetText(FormatFloat(format, GetValue()));
  SetModified(modified);
}

std::string TXwCustomSpinEdit::RemoveThousandSeparators(const std::string& text) const {
  if (ThousandSeparator() == DecimalSeparator()) return text;
  return StripChar(text, ThousandSeparator());
}

int TXwCustomSpinEdit::SeparatorPos() const {
  const std::u16string text = Wide(GetText());
  const size_t at = text.find(char16_t(DecimalSeparator()));
  return at == std::u16string::npos ? -1 : int(at);
}

// ---- stepping ----

void TXwCustomSpinEdit::UpClick(TObject*) {
  if (GetReadOnly()) {
    DoBeepOnError();
    return;
  }
  FChanging = true;
  const std::string old = GetText();
  try {
    SetValue(GetValue() + FIncrement);
  } catch (...) {
    FChanging = false;
    throw;
  }
  FChanging = false;
  if (LowerCase(GetText()) != LowerCase(old)) {
    SetModified(true);
    Change();
  }
  if (OnTopClick) OnTopClick(this);
}

void TXwCustomSpinEdit::DownClick(TObject*) {
  if (GetReadOnly()) {
    DoBeepOnError();
    return;
  }
  FChanging = true;
  const std::string old = GetText();
  try {
    SetValue(GetValue() - FIncrement);
  } catch (...) {
    FChanging = false;
    throw;
  }
  FChanging = false;
  if (LowerCase(GetText()) != LowerCase(old)) {
    SetModified(true);
    Change();
  }
  if (OnBottomClick) OnBottomClick(this);
}

void TXwCustomSpinEdit::Change() {
  if (FChanging || !HandleAllocated() || IsLoading()) return;
  FChanging = true;
  FIsNegative = false;
  const int position = GetSelStart();
  const std::u16string oldText = Wide(GetText());
  FIsNegative = !oldText.empty() && oldText[0] == u'-';
  if (!(GetComponentState() & csDesigning) && (FCheckOptions & CheckOptionBit(coCheckOnChange))) {
    try {
      CheckRange(GetValue(), !(FCheckOptions & CheckOptionBit(coCropBeyondLimit)));
      SetValue(ClampValue(GetValue()));
    } catch (...) {
      SetValue(ClampValue(GetValue()));
    }
  }
  FChanging = false;
  FIsNegative = false;
  SetSelStart(position);
  const long double value = GetValue();
  if (value == FOldValue) return;
  if (FThousands && GetSelStart() == position) {
    const char16_t sep = char16_t(ThousandSeparator());
    const std::u16string newText = Wide(GetText());
    auto before = [&](const std::u16string& t) {
      const size_t n = std::min(t.size(), size_t(std::max(0, position)));
      return int(std::count(t.begin(), t.begin() + long(n), sep));
    };
    SetSelStart(position + before(newText) - before(oldText));
  }
  TXwExCustomMaskEdit::Change();
  FOldValue = value;
}

// ---- keys, characters, wheel ----

void TXwCustomSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TXwExCustomMaskEdit::KeyDown(key, shift);
  if (FArrowKeys && (key == VK_UP || key == VK_DOWN)) {
    if (key == VK_UP) {
      UpClick(this);
    } else {
      DownClick(this);
    }
    key = 0;
    return;
  }
  const std::u16string text = Wide(GetText());
  const int pos = GetSelStart();
  const char16_t sep = char16_t(DecimalSeparator());
  if (key == VK_DELETE && pos >= 0 && pos < int(text.size()) && text[size_t(pos)] == sep)
    key = VK_RIGHT;
  if (key == VK_BACK && pos > 0 && pos <= int(text.size()) && text[size_t(pos - 1)] == sep)
    key = VK_LEFT;
}

bool TXwCustomSpinEdit::IsValidChar(char16_t c) {
  std::u16string accepted = u"+-0123456789";
  const std::string text = GetText();
  if (FValueType == vtFloat) {
    if (text.find(DecimalSeparator()) == std::string::npos) {
      accepted += char16_t(DecimalSeparator());
      if (!(FThousands && ThousandSeparator() == '.')) accepted += u'.';
    }
    std::string upper = text;
    for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    if (upper.find('E') == std::string::npos) accepted += u"Ee";
  }
  if (FValueType == vtHex) accepted += u"ABCDEFabcdef";
  bool valid = c < 32 || accepted.find(c) != std::u16string::npos;
  if (!FEditorEnabled && valid) valid = c < 32 && c != 8;
  return valid;
}

void TXwCustomSpinEdit::KeyPress(char16_t& key) {
  const char16_t decimal = char16_t(DecimalSeparator());
  if (key == u'.' && !(FThousands && ThousandSeparator() == '.')) key = decimal;
  if (key == decimal && FValueType == vtFloat) {
    const int at = SeparatorPos();
    if (at >= 0) {
      key = 0;
      SetSelStart(at + 1);
      return;
    }
  }
  if (!IsValidChar(key)) {
    key = 0;
    DoBeepOnError();
    return;
  }
  TXwExCustomMaskEdit::KeyPress(key);
  // Enter belongs to the form (its default button); it types nothing here.
  if (key == 13) key = 0;
}

bool TXwCustomSpinEdit::DoMouseWheel(TShiftState shift, int delta) {
  (void)shift;
  if (delta > 0) {
    UpClick(this);
  } else {
    DownClick(this);
  }
  return true;
}

// ---- focus ----

void TXwCustomSpinEdit::FocusSet(intptr_t previous) {
  TXwExCustomMaskEdit::FocusSet(previous);
  FFocused = true;
  ReformatText();
  if (GetAutoSelect() && !LeftButtonHeld()) SelectAll();
}

void TXwCustomSpinEdit::FocusKilled(intptr_t next) {
  const TXwCheckOptions both = CheckOptionBit(coCheckOnExit) | CheckOptionBit(coCropBeyondLimit);
  if ((FCheckOptions & both) == both) SetValue(ClampValue(GetValue()));
  TXwExCustomMaskEdit::FocusKilled(next);
  FFocused = false;
  if (GetComponentState() & csDesigning) return;
  if (!(FCheckOptions & CheckOptionBit(coCheckOnExit))) return;
  try {
    CheckRange(GetValue(), !(FCheckOptions & CheckOptionBit(coCropBeyondLimit)));
    SetValue(ClampValue(GetValue()));
  } catch (...) {
    FFocused = true;
    SelectAll();
    if (CanFocus()) SetFocus();
    throw;
  }
}

// ---- messages ----

void TXwCustomSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
      if (!FEditorEnabled || GetReadOnly()) return;
      break;
    case CM_XW_UPDOWNCLICK:
      if (GetTabStop() && CanFocus() && !Focused()) SetFocus();
      if (message.WParam) {
        UpClick(this);
      } else {
        DownClick(this);
      }
      return;
    default:
      break;
  }
  TXwExCustomMaskEdit::WndProc(message);
}

void TXwCustomSpinEdit::EnabledChanged() {
  TXwExCustomMaskEdit::EnabledChanged();
  if (FUpDown != nullptr) {
    FUpDown->SetEnabled(GetEnabled());
    ResizeButton();
  }
  if (FButton != nullptr) FButton->SetEnabled(GetEnabled());
}

void TXwCustomSpinEdit::FontChanged() {
  TXwExCustomMaskEdit::FontChanged();
  ResizeButton();
  SetEditRect();
}

// ---- the button ----

void TXwCustomSpinEdit::SetShowButton(bool value) {
  if (value == FShowButton) return;
  FShowButton = value;
  RecreateButton();
}

void TXwCustomSpinEdit::SetButtonKind(TSpinButtonKind value) {
  if (value == FButtonKind) return;
  FButtonKind = value;
  RecreateButton();
}

void TXwCustomSpinEdit::SetArrowKeys(bool value) {
  FArrowKeys = value;
  ResizeButton();
}

void TXwCustomSpinEdit::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  if (!HandleAllocated()) return;
  const float x = value == taLeftJustify ? 0.0f : value == taRightJustify ? 1.0f : 0.5f;
  gtk_entry_set_alignment(GTK_ENTRY(Entry()), x);
}

void TXwCustomSpinEdit::RecreateButton() {
  if (FDestroying) return;
  delete FButton;
  delete FBtnWindow;
  delete FUpDown;
  FButton = nullptr, FBtnWindow = nullptr, FUpDown = nullptr;
  if (!FShowButton) {
    ResizeButton();
    SetEditRect();
    return;
  }
  if (FButtonKind == bkStandard) {
    FUpDown = new TXwUpDown(nullptr);
    FUpDown->OnTopClick = [this](TObject*) { Perform(CM_XW_UPDOWNCLICK, 1); };
    FUpDown->OnBottomClick = [this](TObject*) { Perform(CM_XW_UPDOWNCLICK, 0); };
    FUpDown->SetFocusControl(this);
    FBtnWindow = new TWinControl(nullptr);
    FBtnWindow->SetParent(this);
    FUpDown->SetParent(FBtnWindow);
  } else {
    FBtnWindow = new TWinControl(nullptr);
    FBtnWindow->SetParent(this);
    FButton = new TXwSpinButton(nullptr);
    FButton->SetButtonStyle(FButtonKind == bkClassic ? sbsClassic : sbsDefault);
    FButton->SetFocusControl(this);
    FButton->OnTopClick = [this](TObject* sender) { UpClick(sender); };
    FButton->OnBottomClick = [this](TObject* sender) { DownClick(sender); };
    FButton->SetParent(FBtnWindow);
  }
  ResizeButton();
  SetEditRect();
}

void TXwCustomSpinEdit::ResizeButton() {
  if (FBtnWindow == nullptr) return;
  const int w = FWidth - 2 * BorderWidth, h = FHeight - 2 * BorderWidth;
  const int u = UpDownWidth();
  if (FUpDown != nullptr) {
    FBtnWindow->SetBounds(BorderWidth + w - u, BorderWidth, u, h);
    FUpDown->SetBounds(0, 0, u, h);
    return;
  }
  // The 3-D single border: the button sits inside it with a pixel to spare.
  const bool classic = FButtonKind == bkClassic;
  const int width = classic ? u : h - 1;
  const int left = w - width;
  FBtnWindow->SetBounds(BorderWidth + left, BorderWidth, width, h);
  FButton->SetBounds(1, 1, width - 1, h - 1);
}

void TXwCustomSpinEdit::SetEditRect() {
  int buttonWidth = 0;
  if (FShowButton && FBtnWindow != nullptr)
    buttonWidth = FBtnWindow->GetWidth();
  else if (FShowButton)
    buttonWidth = UpDownWidth();
  const int clientWidth = FWidth - 2 * BorderWidth, clientHeight = FHeight - 2 * BorderWidth;
  FEditRect = TRect{0, 0, clientWidth - buttonWidth - 2, clientHeight + 1};
  if (HandleAllocated()) ApplyEditRect(Entry());
}

// GTK has no formatting rectangle: the entry's right padding keeps the text
// clear of the button.
void TXwCustomSpinEdit::ApplyEditRect(GtkWidget* entry) {
  const int buttonWidth = FWidth - 2 * BorderWidth - 2 - FEditRect.Right;
  GtkStyleContext* style = gtk_widget_get_style_context(entry);
  auto* provider = static_cast<GtkCssProvider*>(g_object_get_data(G_OBJECT(entry), "xw-css"));
  if (provider == nullptr) {
    provider = gtk_css_provider_new();
    gtk_style_context_add_provider(style, GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_set_data_full(G_OBJECT(entry), "xw-css", provider, g_object_unref);
  }
  const std::string css =
      "entry { min-height: 0; padding-top: 0; padding-bottom: 0; "
      "padding-left: 4px; padding-right: " +
      std::to_string(buttonWidth + 4) + "px; }";
  gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
}

GtkWidget* TXwCustomSpinEdit::CreateWidget() {
  GtkWidget* entry = TXwExCustomMaskEdit::CreateWidget();
  GtkWidget* holder = gtk_fixed_new();
  gtk_widget_set_has_window(holder, TRUE);
  // The entry takes the control's size, however narrow.
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  gtk_widget_set_size_request(entry, FWidth, FHeight);
  gtk_fixed_put(GTK_FIXED(holder), entry, 0, 0);
  const float x = FAlignment == taLeftJustify ? 0.0f : FAlignment == taRightJustify ? 1.0f : 0.5f;
  gtk_entry_set_alignment(GTK_ENTRY(entry), x);
  ApplyEditRect(entry);
  return holder;
}

int TXwCustomSpinEdit::MinHeight() {
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.GetCanvas()->SetFont(GetFont());
  const int fontHeight = measure.GetCanvas()->TextHeight(u"0");
  const int borderHeight = 1;
  return fontHeight + 4 * borderHeight + 1;
}

void TXwCustomSpinEdit::SetBounds(int left, int top, int width, int height) {
  height = std::max(height, MinHeight());
  TXwExCustomMaskEdit::SetBounds(left, top, width, height);
}

void TXwCustomSpinEdit::BoundsChanged() {
  TXwExCustomMaskEdit::BoundsChanged();
  if (HandleAllocated()) gtk_widget_set_size_request(Entry(), FWidth, FHeight);
  ResizeButton();
  SetEditRect();
}

// ---------------- TXwSpinEdit ----------------

const TClassInfo* TXwSpinEdit::Class() {
  using T = TXwSpinEdit;
  static const TClassInfo* info = TClassDecl<T>("TXwSpinEdit", TXwCustomSpinEdit::Class())
                                      .Prop("Value", &T::GetValue, &T::SetValue)
                                      .Default(0);
  return info;
}

TXwSpinEdit::TXwSpinEdit(TComponent* AOwner) : TXwCustomSpinEdit(AOwner) { SetText("0"); }

long double TXwSpinEdit::GetValue() {
  const std::string text = GetText();
  switch (FValueType) {
    case vtInteger: {
      int64_t v = 0;
      if (TryStrToInt64(RemoveThousandSeparators(text), v)) return static_cast<long double>(v);
      return std::nearbyint(FMinValue);
    }
    case vtHex: {
      int64_t v = 0;
      if (TryStrToInt64("$" + text, v)) return static_cast<long double>(v);
      return std::nearbyint(FMinValue);
    }
    case vtFloat: {
      double v = 0;
      const std::string plain =
          FDisplayFormat.empty() ? RemoveThousandSeparators(text) : NormalizeNumberText(text);
      if (TryStrToFloat(plain, v, DecimalSeparator())) return v;
      return FMinValue;
    }
    case vtString: {
      const int index = FItems->IndexOf(text);
      return index < 0 ? 0 : index;
    }
  }
  return FMinValue;
}

void TXwSpinEdit::SetValue(long double value) {
  const bool modified = GetModified();
  const long double x = ClampValue(value);
  std::string text;
  switch (FValueType) {
    case vtFloat:
      if (!FDisplayFormat.empty()) {
        text = FormatFloat(FDisplayFormat, x);
      } else {
        text = FloatToStrF(x, FThousands ? TFloatFormat::ffNumber : TFloatFormat::ffFixed, 15,
                           FDecimal);
      }
      break;
    case vtInteger:
      text = FloatToStrF(x, FThousands ? TFloatFormat::ffNumber : TFloatFormat::ffFixed, 15, 0);
      break;
    case vtHex:
      text = IntToHex(Round(x), 1);
      break;
    case vtString: {
      const int count = FItems->Count();
      if (count == 0) break;  // no items: the text is empty
      const long double index = std::clamp(x, 0.0L, static_cast<long double>(count - 1));
      text = FItems->Get(int(std::trunc(index)));
      break;
    }
  }
  if (FIsNegative && !text.empty() && text[0] != '-' && FMinValue <= -value) text = "-" + text;
  SetText(text);
  SetModified(modified);
  ReformatText();
}

void RegisterXwSpinClasses() {
  RegisterClass(TXwSpinEdit::Class());
  RegisterClass(TXwSpinButton::Class());
}
