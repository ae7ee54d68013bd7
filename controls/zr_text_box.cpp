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

constexpr uint16_t KeyBack = 8;
constexpr uint16_t KeyEnter = 13;
constexpr uint16_t KeyEnd = 35;
constexpr uint16_t KeyHome = 36;
constexpr uint16_t KeyLeft = 37;
constexpr uint16_t KeyRight = 39;
constexpr uint16_t KeyInsert = 45;
constexpr uint16_t KeyDelete = 46;
constexpr int IBeamCursor = -4;

constexpr TShiftState ModifierMask = ssShift | ssAlt | ssCtrl;

bool ShiftAlone(TShiftState S) { return (S & ModifierMask) == ssShift; }
bool CtrlAlone(TShiftState S) { return (S & ModifierMask) == ssCtrl; }

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
  Start = std::clamp(from, 0, length);
  End = std::clamp(to, Start, length);
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
  FSelStart = Value;
  SetCaretPosition(Value);
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
  if (FReadOnly) return;
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
  if (FReadOnly) return;
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
  Clipboard()->SetAsText(text);
}

void TzrCustomTextBox::CutToClipboard() {
  CopyToClipboard();
  ClearSelection();
}

void TzrCustomTextBox::PasteFromClipboard() {
  if (FReadOnly) return;
  InsertText(Clipboard()->GetAsText());
}

// ---------------------------------------------------------------- keys

int TzrCustomTextBox::NextWordStart(int P) const {
  const int length = int(FText.size());
  bool afterSpace = false, seenWord = false;
  while (P + 2 <= length) {
    const bool space = FText[size_t(P)] == u' ';
    if (!space && afterSpace && seenWord) break;
    if (space) {
      afterSpace = true;
    } else {
      seenWord = true;
      afterSpace = false;
    }
    ++P;
  }
  if (!afterSpace) ++P;
  return P;
}

int TzrCustomTextBox::PreviousWordStart(int P) const {
  bool seenWord = false;
  while (P > 0) {
    const bool space = FText[size_t(P - 1)] == u' ';
    if (space && seenWord) break;
    if (!space) seenWord = true;
    --P;
  }
  return P;
}

void TzrCustomTextBox::DeleteKey(uint16_t Key, TShiftState Shift) {
  if (FReadOnly) return;
  if (GetSelLength() > 0) {
    if (ShiftAlone(Shift))
      CutToClipboard();
    else
      ClearSelection();
    return;
  }
  std::u16string text = FText;
  const int caret = std::clamp(FCaretPosition, 0, int(text.size()));
  if (Key == KeyDelete && caret < int(text.size())) text.erase(size_t(caret), 1);
  if (Key == KeyBack && caret > 0) {
    text.erase(size_t(caret - 1), 1);
    SetCaretPosition(caret - 1);
  }
  SetText(text);
  DoTyping();
}

void TzrCustomTextBox::CtrlLetter(char16_t& KeyChar) {
  switch (KeyChar) {
    case u'a':
    case u'A':
      SelectAll();
      break;
    case u'c':
    case u'C':
      CopyToClipboard();
      break;
    case u'v':
    case u'V':
      PasteFromClipboard();
      DoTyping();
      break;
    case u'x':
    case u'X':
      CutToClipboard();
      break;
    case u'z':
    case u'Z':
      break;  // no undo in a one-line box
    default:
      return;
  }
  KeyChar = 0;
}

void TzrCustomTextBox::KeyCommand(uint16_t Key, TShiftState Shift) {
  switch (Key) {
    case KeyBack:
    case KeyDelete:
      DeleteKey(Key, Shift);
      break;
    case KeyEnter:
      Change();
      break;
    case KeyEnd:
      SetCaretPosition(int(FText.size()));
      break;
    case KeyHome:
      SetCaretPosition(0);
      break;
    case KeyLeft:
      SetCaretPosition((Shift & ssCtrl) ? PreviousWordStart(FCaretPosition) : FCaretPosition - 1);
      break;
    case KeyRight:
      SetCaretPosition((Shift & ssCtrl) ? NextWordStart(FCaretPosition) : FCaretPosition + 1);
      break;
    case KeyInsert:
      if (CtrlAlone(Shift)) CopyToClipboard();
      if (ShiftAlone(Shift)) {
        PasteFromClipboard();
        DoTyping();
      }
      break;
    default:
      break;
  }
}

void TzrCustomTextBox::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);
  TzrControl::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed()) return;
  const int oldCaret = FCaretPosition;
  FLastChar = KeyChar;
  FLastKey = Key;
  KeyCommand(Key, Shift);
  if (watch.Freed()) return;
  // Only typed characters are filtered, and before the Ctrl letters: a box
  // that admits no letters takes no Ctrl+A, C, V, X either.
  if (KeyChar != 0 && !FFilterChar.empty() && FFilterChar.find(KeyChar) == std::u16string::npos)
    KeyChar = 0;
  if (KeyChar != 0 && CtrlAlone(Shift)) CtrlLetter(KeyChar);
  if (Key == KeyEnd || Key == KeyHome || Key == KeyLeft || Key == KeyRight) {
    if (Shift & ssShift) {
      FSelStart = FCaretPosition;
      FSelLength -= FCaretPosition - oldCaret;
    } else {
      FSelLength = 0;
    }
    Repaint();
  }
  if (KeyChar >= 32 && !FReadOnly) {
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
  if (X > ContentRect().Right) ++caret;
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
  items->Items(0)->SetEnabled(selected && !FReadOnly);
  items->Items(1)->SetEnabled(selected);
  items->Items(2)->SetEnabled(!FReadOnly && !Clipboard()->GetAsText().empty());
  items->Items(3)->SetEnabled(selected && !FReadOnly);
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
