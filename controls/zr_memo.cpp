// The memo's class, text and events, clipboard, keys, mouse, focus and
// style.

#include "controls/zr_memo.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_edit_menu.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/RttiDecl.h"
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

const std::u16string CRLF{TzrMemoText::CR, TzrMemoText::LF};

const TEnumInfo& CharCaseInfo() {
  static const TEnumInfo info("TEditCharCase", {"zrecNormal", "zrecUpperCase", "zrecLowerCase"});
  return info;
}

}  // namespace

// ---------------------------------------------------------------- classes

const TClassInfo* TzrMemo::Class() {
  using T = TzrMemo;
  static const TClassInfo* info =
      TClassDecl<T>("TzrMemo", TzrScrollBox::Class())
          .Prop("Cursor", &T::GetCursor, &T::SetCursor)
          .Default(IBeamCursor)
          .Idents(CursorIdents())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1)
          .Prop("AutoSelect", &T::GetAutoSelect, &T::SetAutoSelect)
          .Default(true)
          .Enum("CharCase", &T::GetCharCaseProp, &T::SetCharCaseProp, CharCaseInfo())
          .Default(zrecNormal)
          .Prop("HideSelection", &T::GetHideSelection, &T::SetHideSelection)
          .Default(true)
          .Prop("MaxLength", &T::GetMaxLengthProp, &T::SetMaxLengthProp)
          .Default(0)
          .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly)
          .Default(false)
          .Event("OnChange", &T::OnChange)
          .Event("OnChangeTracking", &T::OnChangeTracking)
          .Prop("WordWrap", &T::GetWordWrapProp, &T::SetWordWrapProp)
          .Default(false)
          .Prop("Font", &T::GetFont, &T::SetFont)
          .Prop("Text", &T::GetTextProp, &T::SetTextProp)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear)
          .Prop("Resource", &T::GetResource, &T::SetResource);
  return info;
}

const TClassInfo* TzrHudMemo::Class() {
  static const TClassInfo* info = TClassDecl<TzrHudMemo>("TzrHudMemo", TzrMemo::Class());
  return info;
}

// ---------------------------------------------------------------- life

TzrMemo::TzrMemo(TComponent* AOwner)
    : TzrScrollBox(AOwner),
      FFont(std::make_unique<TzrFont>()),
      FFontFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000)),
      FSelectionFill(std::make_unique<TzrBrush>(zrBrushSolid, 0x802A8ADF)) {
  FFont->OnChanged = [this](TObject*) { FontChanged(); };
  FCanFocused = true;
  FCursor = IBeamCursor;
  FAutoCapture = true;
  SetWidth(100);
  CreatePopupMenu();
}

TzrMemo::~TzrMemo() {
  Destroying();
  FFont->OnChanged = nullptr;
}

void TzrMemo::CreatePopupMenu() {
  FContextMenu = zrCreateEditMenu(this, {{"Undo", [this] { UnDo(); }},
                                         {"Cut", [this] { CutToClipboard(); }},
                                         {"Copy", [this] { CopyToClipboard(); }},
                                         {"Paste", [this] { PasteFromClipboard(); }},
                                         {"Delete", [this] { ClearSelection(); }},
                                         {"Select All", [this] { SelectAll(); }}});
}

void TzrMemo::UpdatePopupMenuItems() {
  const std::u16string selected = GetSelText();
  TMenuItem* items = FContextMenu->Items();
  items->Items(0)->SetEnabled(FActionStack.Count() > 0 && !FReadOnly);
  items->Items(1)->SetEnabled(!selected.empty() && !FReadOnly);
  items->Items(2)->SetEnabled(!selected.empty());
  items->Items(3)->SetEnabled(!FReadOnly && !Clipboard()->GetAsText().empty());
  items->Items(4)->SetEnabled(!selected.empty() && !FReadOnly);
  items->Items(5)->SetEnabled(selected != FText);
}

// ---------------------------------------------------------------- text and events

void TzrMemo::SetText(const std::u16string& Value) {
  TzrMemoText::SetText(Value);
  Repaint();
}

void TzrMemo::Change() {
  if (!FNeedChange) return;
  if (!GetBindingObjects().empty()) ToBindingObjects();
  if (OnChange) OnChange(this);
}

void TzrMemo::ChangeTracking() {
  Repaint();
  if (OnChangeTracking) OnChangeTracking(this);
}

void TzrMemo::TextRealign() {
  Realign();
  Repaint();
}

Variant TzrMemo::GetData() { return Variant(FText); }

void TzrMemo::SetData(const Variant& Value) {
  if (Value.IsNull())
    SetText(u"");
  else if (VarIsEvent(Value))
    OnChange = VariantToEvent(Value);
  else
    SetText(Value.ToWideString());
}

void TzrMemo::SetTextAlign(TzrTextAlign Value) {
  if (FTextAlign == Value) return;
  FTextAlign = Value;
  Repaint();
}

void TzrMemo::SetFont(TzrFont* Value) { FFont->Assign(Value); }

void TzrMemo::FontChanged() {
  StorePositions();
  UpdateLines();
  RestorePositions();
  TextRealign();
}

// ---------------------------------------------------------------- selection and clipboard

void TzrMemo::GoToTextBegin() {
  TzrMemoText::GoToTextBegin();
  UpdateCaretPosition(true);
}

void TzrMemo::SelectAll() {
  // The moving end stays with the caret, so a following Shift+Left gives up
  // the last character.
  GoToTextEnd();
  FSelStart = {0, 0};
  FSelEnd = FCaretPosition;
  FSelected = true;
  // The caret node moves along; the view stays where it is.
  UpdateCaretPosition(false);
}

void TzrMemo::SelectWord() {
  FSelStart = GetPrivWordBeging(FCaretPosition);
  FSelEnd = GetNextWordBeging(FCaretPosition);
  FSelected = true;
  PlaceCaretAt(FSelEnd, true);
}

void TzrMemo::ClearSelection() {
  if (!AcceptsEdits() || !FSelected) return;
  DeleteFrom(GetSelBeg(), GetSelLength(), doMoveCaret | doCanUndo);
}

void TzrMemo::CopyToClipboard() {
  const std::u16string text = GetSelText();
  if (text.empty()) return;
  Clipboard()->SetAsText(zrWholeCharacters(text));
}

void TzrMemo::CutToClipboard() {
  CopyToClipboard();
  ClearSelection();
}

void TzrMemo::PasteFromClipboard() {
  if (!AcceptsEdits()) return;
  const std::u16string text = Clipboard()->GetAsText();
  if (GetSelLength() > 0) {
    const TCaretPosition begin = GetSelBeg();
    const int start = PosToTextPos(begin);
    DeleteFrom(begin, GetSelLength(), doMoveCaret | doCanUndo);
    InsertAfter(TextPosToPos(start), text, ioMoveCaret | ioCanUndo | ioUnDoPairedWithPriv);
  } else {
    FSelected = false;
    InsertAfter(FCaretPosition, text, ioMoveCaret | ioCanUndo);
  }
  Change();
}

void TzrMemo::StorePositions() {
  FSavedCaret = PosToTextPos(FCaretPosition);
  FSavedSelStart = FSelected ? PosToTextPos(FSelStart) : -1;
  FSavedSelEnd = FSelected ? PosToTextPos(FSelEnd) : -1;
}

void TzrMemo::RestorePositions() {
  if (FSavedSelStart >= 0) {
    FSelStart = TextPosToPos(FSavedSelStart);
    FSelEnd = TextPosToPos(FSavedSelEnd);
  }
  if (FSavedCaret >= 0) PlaceCaretAt(TextPosToPos(FSavedCaret), true);
  FSavedSelStart = -1;
}

// ---------------------------------------------------------------- keys

void TzrMemo::TypeText(const std::u16string& S) {
  unsigned paired = 0;
  if (GetSelLength() > 0) {
    DeleteFrom(GetSelBeg(), GetSelLength(), doMoveCaret | doCanUndo);
    paired = ioUnDoPairedWithPriv;
  }
  FSelected = false;
  InsertAfter(FCaretPosition, S, ioMoveCaret | ioCanUndo | paired);
  FSelEnd = FSelStart;
}

void TzrMemo::DeleteCharacter(bool Forward) {
  FSelected = false;
  if (Forward) {
    DeleteFrom(FCaretPosition, 1, doMoveCaret | doCanUndo);
    return;
  }
  if (PosToTextPos(FCaretPosition) == 0) return;
  DeleteFrom(GetPositionShift(FCaretPosition, -1), 1, doMoveCaret | doCanUndo);
}

void TzrMemo::MoveCaret(TzrCaretMove Move) {
  switch (Move) {
    case cmCharLeft:
      MoveCaretLeft();
      return;
    case cmCharRight:
      MoveCaretRight();
      return;
    case cmWordLeft:
      SetCaretPosition(GetPrivWordBeging(FCaretPosition));
      return;
    case cmWordRight:
      SetCaretPosition(GetNextWordBeging(FCaretPosition));
      return;
    case cmLineBegin:
      GoToLineBegin();
      return;
    case cmLineEnd:
      GotoLineEnd();
      return;
    case cmTextBegin:
      TzrMemoText::GoToTextBegin();
      return;
    case cmTextEnd:
      GoToTextEnd();
      return;
  }
}

void TzrMemo::VerticalKey(uint16_t Key) {
  if (Key == zrKeyPageUp) MoveCaretPageUp();
  if (Key == zrKeyPageDown) MoveCaretPageDown();
  if (Key == zrKeyUp) MoveCaretUp();
  if (Key == zrKeyDown) MoveCaretDown();
}

void TzrMemo::KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) {
  TzrFreeWatch watch(this);
  TzrScrollBox::KeyDown(Key, KeyChar, Shift);
  if (watch.Freed()) return;
  const TCaretPosition oldCaret = FCaretPosition;
  if (Key == zrKeyEnter && AcceptsEdits()) {
    TypeText(CRLF);
    Key = 0;
  }
  zrEditKey(*this, Key, Shift);
  VerticalKey(Key);
  if (watch.Freed()) return;
  zrEditCtrlLetter(*this, KeyChar, Shift);
  if ((KeyChar >= 32 || KeyChar == zrKeyEnter) && AcceptsEdits()) {
    TypeText(KeyChar == zrKeyEnter ? CRLF : std::u16string(1, KeyChar));
    KeyChar = 0;
  }
  if (Key >= zrKeyPageUp && Key <= zrKeyDown) {
    if (Shift & ssShift) {
      if (!FSelected) SelectAtPos(oldCaret);
      SelectAtPos(FCaretPosition);
    } else {
      FSelected = false;
    }
    Repaint();
  }
  UpdateCaretPosition(true);
}

// ---------------------------------------------------------------- mouse

void TzrMemo::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrScrollBox::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  const TzrRect r = ContentRect();
  if (!zrPtInRect({X, Y}, r)) return;
  if (Shift & ssDouble) {
    // The first press put the caret in the word: the second selects it.
    FLMouseSelecting = false;
    SelectWord();
    return;
  }
  FLMouseSelecting = true;
  SetCaretPosition(GetPointPosition({X, Y}));
  FSelected = false;
  SelectAtPos(FCaretPosition);
  Repaint();
}

void TzrMemo::MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) {
  TzrFreeWatch watch(this);
  TzrScrollBox::MouseMove(Shift, X, Y, Dx, Dy);
  if (watch.Freed()) return;
  FOldMPt = {X, Y};
  if (!FLMouseSelecting) return;
  const TzrRect r = ContentRect();
  X = std::clamp(X, r.Left, r.Right);
  Y = std::clamp(Y, r.Top, r.Bottom);
  SetCaretPosition(GetPointPosition({X, Y}));
  SelectAtPos(FCaretPosition);
  Repaint();
}

void TzrMemo::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  FLMouseSelecting = false;
  if (GetSelLength() == 0) FSelected = false;
  TzrScrollBox::MouseUp(Button, Shift, X, Y);
}

void TzrMemo::MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) {
  TzrFreeWatch watch(this);
  TzrScrollBox::MouseWheel(Shift, WheelDelta, Handled);
  if (watch.Freed()) return;
  // Four pixels more per notch than the scroll box alone.
  if (BarShown(FVScrollBar))
    FVScrollBar->SetValue(FVScrollBar->GetValue() - float(WheelDelta) / 30);
}

void TzrMemo::ContextMenu(const TzrPoint& ScreenPosition) {
  TzrFreeWatch watch(this);
  TzrScrollBox::ContextMenu(ScreenPosition);
  if (watch.Freed() || Designing()) return;
  UpdatePopupMenuItems();
  FContextMenu->SetPopupComponent(this);
  FContextMenu->Popup(int(std::nearbyint(ScreenPosition.X)), int(std::nearbyint(ScreenPosition.Y)));
}

// ---------------------------------------------------------------- focus and style

void TzrMemo::EnterFocus() {
  TzrFreeWatch watch(this);
  TzrScrollBox::EnterFocus();
  if (watch.Freed()) return;
  FNeedChange = false;
  UpdateCaretPosition(false);
  ShowCaretProc();
  IzoRurev* scene = GetScene();
  if (scene && scene->ShowKeyboardForControl(this)) {
    GoToTextEnd();
  } else {
    TzrMemoText::GoToTextBegin();
    if (FAutoSelect) SelectAll();
  }
  UpdateCaretPosition(false);
}

void TzrMemo::KillFocus() {
  IzoRurev* scene = GetScene();
  if (scene) scene->HideKeyboardForControl(this);
  TzrFreeWatch watch(this);
  TzrScrollBox::KillFocus();
  if (watch.Freed()) return;
  HideCaret();
  Repaint();
  Change();
}

void TzrMemo::ApplyStyle() {
  TzrScrollBox::ApplyStyle();
  if (auto* content = dynamic_cast<TzrVisualObject*>(FindResource("content")))
    content->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas, const TzrRect& R) {
      PaintLines(Sender, Canvas, R);
    };
  if (auto* selection = dynamic_cast<TzrBrushObject*>(FindResource("selection")))
    FSelectionFill->Assign(selection->GetBrush());
  if (auto* foreground = dynamic_cast<TzrBrushObject*>(FindResource("foreground")))
    FFontFill->Assign(foreground->GetBrush());
  // The memo now has a canvas and a content width: break the text again.
  StorePositions();
  UpdateLines();
  RestorePositions();
  Realign();
}

void TzrMemo::FreeStyle() {
  if (auto* content = dynamic_cast<TzrVisualObject*>(FindResource("content")))
    content->OnPaint = nullptr;
  TzrScrollBox::FreeStyle();
}
