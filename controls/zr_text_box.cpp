// The text box's state, editing, keys, mouse, clipboard and events.

#include "controls/zr_text_box.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_edit_menu.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"
#include "scene/zr_font.h"
#include "scene/zr_intf.h"
#include "scene/zr_resource_objects.h"
#include "scene/zr_stream.h"

namespace {

constexpr int IBeamCursor = -4;

}  // namespace

// ---------------------------------------------------------------- classes

const TClassInfo* TzrCustomTextBox::Class() {
  using T = TzrCustomTextBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCustomTextBox", TzrControl::Class())
          .Prop("Cursor", &T::GetCursor, &T::SetCursor)
          .Default(IBeamCursor)
          .Idents(CursorIdents())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear)
          .Prop("Resource", &T::GetResource, &T::SetResource)
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly)
          .Default(false)
          .Event("OnChange", &T::OnChange)
          .Event("OnChangeTracking", &T::OnChangeTracking)
          .Event("OnTyping", &T::OnTyping);
  return info;
}

const TClassInfo* TzrTextBox::Class() {
  using T = TzrTextBox;
  static const TClassInfo* info = TClassDecl<T>("TzrTextBox", TzrCustomTextBox::Class())
                                      .Prop("Password", &T::GetPassword, &T::SetPassword)
                                      .Default(false)
                                      .Prop("Text", &T::GetText, &T::SetText);
  return info;
}

const TClassInfo* TzrRoundTextBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrRoundTextBox>("TzrRoundTextBox", TzrTextBox::Class());
  return info;
}

const TClassInfo* TzrHudTextBox::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudTextBox>("TzrHudTextBox", TzrTextBox::Class());
  return info;
}

const TClassInfo* TzrHudRoundTextBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudRoundTextBox>("TzrHudRoundTextBox", TzrTextBox::Class());
  return info;
}

// ---------------------------------------------------------------- life

TzrCustomTextBox::TzrCustomTextBox(TComponent* AOwner)
    : TzrControl(AOwner),
      FFontFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000)),
      FFont(std::make_unique<TzrFont>()),
      FSelectionFill(std::make_unique<TzrBrush>(zrBrushSolid, 0x802A8ADF)) {
  FFont->OnChanged = [this](TObject* Sender) { FontChanged(Sender); };
  FCanFocused = true;
  FCursor = IBeamCursor;
  FAutoCapture = true;
  SetBounds(0, 0, 100, 22);
  BuildContextMenu();
}

TzrCustomTextBox::~TzrCustomTextBox() {
  Destroying();
  FFont->OnChanged = nullptr;
}

void TzrCustomTextBox::BuildContextMenu() {
  FContextMenu = zrCreateEditMenu(this, {{"Cut", [this] { CutToClipboard(); }},
                                         {"Copy", [this] { CopyToClipboard(); }},
                                         {"Paste", [this] { PasteFromClipboard(); }},
                                         {"Delete", [this] { ClearSelection(); }},
                                         {"Select All", [this] { SelectAll(); }}});
}

// ---------------------------------------------------------------- text and events

void TzrCustomTextBox::SetText(const std::u16string& Value) {
  if (Value == FText) return;
  FText = Value;
  if (FCaretPosition > int(FText.size())) SetCaretPosition(int(FText.size()));
  if (!IsLoading() && OnChangeTracking) OnChangeTracking(this);
  FNeedChange = true;
  Repaint();
}

void TzrCustomTextBox::Change() {
  if (!FNeedChange) return;
  if (!GetBindingObjects().empty()) ToBindingObjects();
  if (OnChange) OnChange(this);
}

void TzrCustomTextBox::DoTyping() {
  if (OnTyping) OnTyping(this);
}

Variant TzrCustomTextBox::GetData() { return Variant(FText); }

void TzrCustomTextBox::SetData(const Variant& Value) {
  if (Value.IsNull()) {
    SetText(u"");
  } else if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
  } else if (Value.VarType() == varDate) {
    SetText(UTF8ToUTF16(DateTimeToStr(Value.ToDouble())));
  } else {
    SetText(Value.ToWideString());
  }
}

void TzrCustomTextBox::SetPassword(bool Value) {
  if (FPassword == Value) return;
  FPassword = Value;
  Repaint();
}

void TzrCustomTextBox::SetTextAlign(TzrTextAlign Value) {
  if (FTextAlign == Value) return;
  FTextAlign = Value;
  Repaint();
}

void TzrCustomTextBox::SetFont(TzrFont* Value) { FFont->Assign(Value); }

void TzrCustomTextBox::FontChanged(TObject*) { Repaint(); }

// ---------------------------------------------------------------- selection

void TzrCustomTextBox::SelectionBounds(int& Start, int& End) const {
  const int length = int(FText.size());
  int from = FCaretPosition;
  if (FSelLength > 0) from = FSelStart;
  if (FSelLength < 0) from = FSelStart + FSelLength;
  const int to = from + std::abs(FSelLength);
  Start = zrCharStart(FText, std::clamp(from, 0, length));
  End = zrCharEnd(FText, std::clamp(to, Start, length));
}

int TzrCustomTextBox::GetSelStart() const {
  int start, end;
  SelectionBounds(start, end);
  return start;
}

int TzrCustomTextBox::GetSelLength() const {
  int start, end;
  SelectionBounds(start, end);
  return end - start;
}

std::u16string TzrCustomTextBox::GetSelText() const {
  int start, end;
  SelectionBounds(start, end);
  return FText.substr(size_t(start), size_t(end - start));
}

void TzrCustomTextBox::SetSelStart(int Value) {
  if (Value == FSelStart) return;
  SetSelLength(0);
  SetCaretPosition(Value);
  // Kept as given, where the caret stands before a character it would split:
  // readers widen the selection to whole characters.
  FSelStart = Value;
  Repaint();
}

void TzrCustomTextBox::SetSelLength(int Value) {
  if (Value == FSelLength) return;
  FSelLength = Value;
  Repaint();
}

void TzrCustomTextBox::SelectAll() {
  // The moving end stays at the caret, so a following Shift+Left gives up
  // the last character rather than reaching past the text.
  const int length = int(FText.size());
  FSelLength = 0;
  SetCaretPosition(length);
  FSelStart = length;
  FSelLength = -length;
  Repaint();
}

void TzrCustomTextBox::ClearSelection() {
  if (!AcceptsEdits()) return;
  int start, end;
  SelectionBounds(start, end);
  std::u16string text = FText;
  text.erase(size_t(start), size_t(end - start));
  FSelLength = 0;
  FCaretPosition = start;
  SetText(text);
  SetCaretPosition(start);
}

void TzrCustomTextBox::InsertText(const std::u16string& Text) {
  if (!AcceptsEdits()) return;
  int start, end;
  SelectionBounds(start, end);
  std::u16string text = FText;
  text.replace(size_t(start), size_t(end - start), Text);
  if (FMaxLength > 0 && int(text.size()) > FMaxLength) {
    SetSelLength(0);
    return;
  }
  FSelLength = 0;
  SetText(text);
  SetCaretPosition(start + int(Text.size()));
  SetSelLength(0);
}

// ---------------------------------------------------------------- clipboard

void TzrCustomTextBox::CopyToClipboard() {
  const std::u16string text = GetSelText();
  if (text.empty()) return;
  Clipboard()->SetAsText(zrWholeCharacters(text));
}

void TzrCustomTextBox::CutToClipboard() {
  CopyToClipboard();
  ClearSelection();
}

void TzrCustomTextBox::PasteFromClipboard() {
  if (!AcceptsEdits()) return;
  InsertText(Clipboard()->GetAsText());
}

// ---------------------------------------------------------------- keys

void TzrCustomTextBox::DeleteCharacter(bool Forward) {
  std::u16string text = FText;
  const int caret = zrCharStart(text, FCaretPosition);
  if (Forward) {
    text.erase(size_t(caret), size_t(zrNextCharPos(text, caret) - caret));
  } else if (caret > 0) {
    const int start = zrPriorCharPos(text, caret);
    text.erase(size_t(start), size_t(caret - start));
    SetCaretPosition(start);
  }
  SetText(text);
}

// One line: its begin and end are the text's.
void TzrCustomTextBox::MoveCaret(TzrCaretMove Move) {
  switch (Move) {
    case cmCharLeft:
      SetCaretPosition(zrPriorCharPos(FText, FCaretPosition));
      return;
    case cmCharRight:
      SetCaretPosition(zrNextCharPos(FText, FCaretPosition));
      return;
    case cmWordLeft:
      SetCaretPosition(zrPriorWordStart(FText, FCaretPosition));
      return;
    case cmWordRight:
      SetCaretPosition(zrNextWordStart(FText, FCaretPosition));
      return;
    case cmLineBegin:
    case cmTextBegin:
      SetCaretPosition(0);
      return;
    case cmLineEnd:
    case cmTextEnd:
      SetCaretPosition(int(FText.size()));
      return;
  }
}

void TzrCustomTextBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);
  TzrControl::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed()) return;
  const int oldCaret = FCaretPosition;
  FLastChar = KeyChar;
  FLastKey = Key;
  if (Key == zrKeyEnter)
    Change();
  else
    zrEditKey(*this, Key, Shift);
  if (watch.Freed()) return;
  // Only typed characters are filtered, and before the Ctrl letters: a box
  // that admits no letters takes no Ctrl+A, C, V, X either.
  if (KeyChar != 0 && !FFilterChar.empty() && FFilterChar.find(KeyChar) == std::u16string::npos)
    KeyChar = 0;
  zrEditCtrlLetter(*this, KeyChar, Shift);
  if (zrCaretKey(Key)) {
    if (Shift & ssShift) {
      FSelStart = FCaretPosition;
      FSelLength -= FCaretPosition - oldCaret;
    } else {
      FSelLength = 0;
    }
    Repaint();
  }
  if (KeyChar >= 32 && AcceptsEdits()) {
    InsertText(std::u16string(1, KeyChar));
    DoTyping();
  }
  if (watch.Freed()) return;
  if (TzrObject* style = GetResourceLink(); style && style->GetIsVisual())
    style->GetVisual()->UpdateEffects();
  UpdateCaretPosition();
}

// ---------------------------------------------------------------- mouse

void TzrCustomTextBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  const bool wasFocused = FIsFocused;
  TzrFreeWatch watch(this);
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  FLMouseSelecting = true;
  if (!wasFocused || (Shift & ssDouble)) return;
  FSelLength = 0;
  SetCaretPosition(GetCoordinatePosition(X));
  SetSelLength(0);
}

void TzrCustomTextBox::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrControl::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed() || !FLMouseSelecting) return;
  const int oldCaret = FCaretPosition;
  int caret = GetCoordinatePosition(X);
  if (X > ContentRect().Right) caret = zrNextCharPos(FText, caret);
  SetCaretPosition(caret);
  FSelStart = FCaretPosition;
  FSelLength -= FCaretPosition - oldCaret;
  Repaint();
}

void TzrCustomTextBox::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  FLMouseSelecting = false;
  TzrControl::MouseUp(Button, Shift, X, Y);
}

void TzrCustomTextBox::DblClick() {
  TzrFreeWatch watch(this);
  TzrControl::DblClick();
  if (!watch.Freed()) SelectAll();
}

void TzrCustomTextBox::ContextMenu(const TzrPoint& ScreenPosition) {
  TzrFreeWatch watch(this);
  TzrControl::ContextMenu(ScreenPosition);
  if (watch.Freed() || Designing() || GetPopup()) return;
  const bool selected = !GetSelText().empty();
  TMenuItem* items = FContextMenu->Items();
  const bool editable = AcceptsEdits();
  items->Items(0)->SetEnabled(selected && editable);
  items->Items(1)->SetEnabled(selected);
  items->Items(2)->SetEnabled(editable && !Clipboard()->GetAsText().empty());
  items->Items(3)->SetEnabled(selected && editable);
  items->Items(4)->SetEnabled(GetSelText() != FText);
  FContextMenu->SetPopupComponent(this);
  FContextMenu->Popup(int(std::nearbyint(ScreenPosition.X)), int(std::nearbyint(ScreenPosition.Y)));
}

// ---------------------------------------------------------------- focus and style

void TzrCustomTextBox::EnterFocus() {
  TzrFreeWatch watch(this);
  TzrControl::EnterFocus();
  if (watch.Freed()) return;
  FNeedChange = false;
  if (FShowCaret) ShowCaretProc();
  IzoRurev* scene = GetScene();
  if (scene && scene->ShowKeyboardForControl(this))
    SetCaretPosition(int(FText.size()));
  else
    SelectAll();
}

void TzrCustomTextBox::KillFocus() {
  IzoRurev* scene = GetScene();
  if (!scene) {
    TzrControl::KillFocus();
    return;
  }
  scene->HideKeyboardForControl(this);
  if (FShowCaret) HideCaret();
  TzrFreeWatch watch(this);
  TzrControl::KillFocus();
  if (!watch.Freed()) Change();
}

void TzrCustomTextBox::ApplyStyle() {
  TzrControl::ApplyStyle();
  if (auto* content = dynamic_cast<TzrVisualObject*>(FindResource("content")))
    content->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas, const TzrRect& R) {
      PaintText(Sender, Canvas, R);
    };
  if (auto* selection = dynamic_cast<TzrBrushObject*>(FindResource("selection")))
    FSelectionFill->Assign(selection->GetBrush());
  if (auto* foreground = dynamic_cast<TzrBrushObject*>(FindResource("foreground")))
    FFontFill->Assign(foreground->GetBrush());
}

void TzrCustomTextBox::FreeStyle() {
  if (auto* content = dynamic_cast<TzrVisualObject*>(FindResource("content")))
    content->OnPaint = nullptr;
  TzrControl::FreeStyle();
}
