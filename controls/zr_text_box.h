#pragma once
// TzrCustomTextBox: the scene's single-line text editor. It keeps one line of
// UTF-16 text, a caret, a signed selection, a horizontal scroll position
// counted in characters (the first visible character), an optional password
// display, a filter of typed characters, a maximum length, the clipboard
// commands, a built-in context menu and three events: OnChangeTracking at
// every text change, OnTyping after the user typed or deleted, and OnChange
// at Enter and focus loss once the text changed since the box got focus.
//
// Positions are UTF-16 units: a caret position p (0 .. length) is the gap
// after p characters. The selection is FSelStart, its moving end (where the
// caret is), and a signed FSelLength reaching back to where the selection
// began. Code may store any values through SetSelStart and SetSelLength;
// everything that reads the selection (typing, deleting, copying, painting,
// GetSelStart/GetSelLength/GetSelText) clamps it to the text.
//
// The text is painted by the style's "content" part (its OnPaint is bound to
// the box); "foreground" and "selection" brushes give the text and highlight
// colours. TzrTextBox publishes Password and Text; the round and HUD boxes
// differ only by the style their class name picks.
//
// The first visible character (zr_text_box_paint.cpp with the measuring,
// hit testing, caret placement and painting) moves right just far enough to
// keep the caret at the right edge, and left only when the caret passes it:
// back to the first character when the text up to the caret fits.

#include <memory>
#include <string>

#include "controls/zr_text_editing.h"
#include "scene/zr_canvas.h"
#include "scene/zr_control.h"

class TzrBrush;
class TzrFont;
class TPopupMenu;

class TzrCustomTextBox : public TzrControl, public TzrEditKeyTarget {
 public:
  explicit TzrCustomTextBox(TComponent* AOwner);
  ~TzrCustomTextBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- text and events
  const std::u16string& GetText() const { return FText; }
  // An equal text does nothing; otherwise stores it, pulls the caret back
  // into it, fires OnChangeTracking (not while loading) and marks a change.
  virtual void SetText(const std::u16string& Value);
  // With a change since focus: pushes the value to bound controls, then
  // fires OnChange. Each call after one edit fires again.
  virtual void Change();
  bool GetNeedChange() const { return FNeedChange; }

  // ---- caret and selection
  int GetCaretPosition() const { return FCaretPosition; }
  // Clamps to the text (before a character it would split), scrolls it
  // into view, places the scene's caret.
  void SetCaretPosition(int Value);
  // The selection clamped to the text and widened to whole characters.
  int GetSelStart() const;
  int GetSelLength() const;
  std::u16string GetSelText() const;
  // Collapses the selection and puts the caret at Value.
  void SetSelStart(int Value);
  // Stores Value as given (0 collapses); readers clamp it.
  void SetSelLength(int Value);
  // Selects the whole text with the caret, the moving end, at its end.
  void SelectAll() override;
  // Deletes the selected characters (not when read-only).
  void ClearSelection() override;
  // Replaces the selection by Text (not when read-only); a result longer
  // than MaxLength only collapses the selection.
  void InsertText(const std::u16string& Text);
  // Copies the selected characters; an unpaired surrogate goes as U+FFFD.
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  // False in a read-only box and in boxes whose text only shows a value.
  bool AcceptsEdits() const override { return !FReadOnly; }

  // ---- measuring (zr_text_box_paint.cpp)
  // The style's "content" rectangle in box coordinates, else the local one.
  TzrRect ContentRect();
  // X of the caret gap Position in box coordinates.
  float GetCharX(int Position);
  // The caret gap nearest to X (box coordinates).
  int GetCoordinatePosition(float X);
  // Width of Text in the box's font (password: dots).
  float TextWidth(const std::u16string& Text);
  float GetPasswordCharWidth() const;
  int GetFirstVisibleChar() const { return FFirstVisibleChar; }

  // ---- settings
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool GetPassword() const { return FPassword; }
  void SetPassword(bool Value);
  TzrTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TzrTextAlign Value);
  TzrFont* GetFont() const { return FFont.get(); }
  // Copies the given font into the box's own.
  void SetFont(TzrFont* Value);
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { FMaxLength = Value; }
  bool GetShowCaret() const { return FShowCaret; }
  void SetShowCaret(bool Value) { FShowCaret = Value; }
  const std::u16string& GetFilterChar() const { return FFilterChar; }
  void SetFilterChar(const std::u16string& Value) { FFilterChar = Value; }
  TzrBrush* GetFontFill() const { return FFontFill.get(); }
  TzrBrush* GetSelectionFill() const { return FSelectionFill.get(); }
  // The built-in context menu: Cut, Copy, Paste, Delete, Select All.
  TPopupMenu* GetContextMenu() const { return FContextMenu; }
  uint16_t GetLastKey() const { return FLastKey; }
  char16_t GetLastChar() const { return FLastChar; }

  virtual void FontChanged(TObject* Sender);

  // ---- overrides
  // The text; SetData: Null empties it, a date-time shows its text, an event
  // handle becomes OnChange, anything else its text.
  Variant GetData() override;
  void SetData(const Variant& Value) override;
  void DblClick() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void ContextMenu(const TzrPoint& ScreenPosition) override;
  void EnterFocus() override;
  void KillFocus() override;
  void ApplyStyle() override;
  void FreeStyle() override;

  TNotifyEvent OnChange, OnChangeTracking, OnTyping;

 protected:
  // Caret to the end or the selection's start after a selection was
  // replaced, and the scene's caret placed again.
  void UpdateCaretPosition() { SetCaretPosition(FCaretPosition); }
  void DoTyping();
  // The shared keys' hooks.
  bool HasSelection() const override { return GetSelLength() > 0; }
  void DeleteCharacter(bool Forward) override;
  void MoveCaret(TzrCaretMove Move) override;
  void KeyPasted() override { DoTyping(); }
  void KeyDeleted() override { DoTyping(); }
  // Paints the text, dots and highlight into the "content" part.
  void PaintText(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);

  std::u16string FText;
  bool FNeedChange = false;
  std::u16string FFilterChar;

 private:
  // The selection as [Start, End) clamped to the text.
  void SelectionBounds(int& Start, int& End) const;
  // Scrolling and the caret node (zr_text_box_paint.cpp).
  void UpdateFirstVisibleChar();
  void PlaceSceneCaret();
  float VisibleWidth(int From, int To);
  float WholeTextWidth();
  // Width of the first K characters.
  float WidthUpTo(int K);
  TzrCanvas* MeasureCanvas();
  void BuildContextMenu();

  std::unique_ptr<TzrBrush> FFontFill;
  std::unique_ptr<TzrFont> FFont;
  TzrTextAlign FTextAlign = zrTextAlignNear;
  bool FReadOnly = false;
  int FSelStart = 0;
  int FSelLength = 0;
  int FCaretPosition = 0;
  int FMaxLength = 0;
  int FFirstVisibleChar = 1;
  bool FLMouseSelecting = false;
  bool FPassword = false;
  TPopupMenu* FContextMenu = nullptr;  // owned through the component tree
  std::unique_ptr<TzrBrush> FSelectionFill;
  bool FShowCaret = true;
  uint16_t FLastKey = 0;
  char16_t FLastChar = 0;
};

class TzrTextBox : public TzrCustomTextBox {
 public:
  using TzrCustomTextBox::TzrCustomTextBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrRoundTextBox : public TzrTextBox {
 public:
  using TzrTextBox::TzrTextBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudTextBox : public TzrTextBox {
 public:
  using TzrTextBox::TzrTextBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};

class TzrHudRoundTextBox : public TzrTextBox {
 public:
  using TzrTextBox::TzrTextBox;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
