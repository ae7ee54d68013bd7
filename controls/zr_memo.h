#pragma once
// TzrMemo: the scene's multi-line text editor. A scroll box whose style part
// "content" paints the visible lines of the text model (TzrMemoText), with a
// caret that the scroll box follows, a selection between two (line,
// position) ends, keys, mouse, wheel, the clipboard and a context menu.
//
// The program's memos are read-only message areas: messages go on top
// through Lines()->Insert(0, ...) and GoToTextBegin. Outside a scene the
// memo has no canvas to measure with, so its whole text counts as one line
// until the next rebuild (SetText, font, width or word-wrap changes).
//
// Geometry (zr_memo_view.cpp): CR is the scroll box's content rectangle, LH
// the line height (font size x 1.25, whole units), V and H the bars' values.
// Line L lies at y = CR.Top + LH x L - V; its text starts at CR.Left - H,
// moved right by the alignment when it is narrower than CR. The scene's
// caret node lives in the scroll content and is placed at the caret's point
// in content coordinates, so it scrolls with the text.

#include <memory>
#include <string>
#include <vector>

#include "controls/zr_memo_lines.h"
#include "controls/zr_memo_text.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_text_editing.h"
#include "scene/zr_canvas.h"

class TzrBrush;
class TzrFont;
class TPopupMenu;

using TSelArea = std::vector<TzrRect>;

class TzrMemo : public TzrScrollBox, public TzrMemoText, public TzrEditKeyTarget {
 public:
  explicit TzrMemo(TComponent* AOwner);
  ~TzrMemo() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // ---- text and lines
  void SetText(const std::u16string& Value) override;
  TzrMemoLines* Lines() { return &FLines; }
  const TzrMemoLines* Lines() const { return &FLines; }
  // Fires OnChange (after the binding objects) while the text changed since
  // focus; the mark stays.
  void Change() override;

  // ---- geometry (zr_memo_view.cpp)
  float GetLineHeight() const;
  float GetPageSize();
  // Width of Text in the memo's font; 0 without a canvas.
  float TextWidth(const std::u16string& Text);
  TzrPoint GetPositionPoint(const TCaretPosition& P);
  TCaretPosition GetPointPosition(TzrPoint P);
  // Clamps P to the lines, then places the caret with scrolling.
  void SetCaretPosition(const TCaretPosition& P);
  // With Scroll, the bars follow the caret first; then the scene's caret is
  // placed at the caret's point.
  void UpdateCaretPosition(bool Scroll);
  int GetFirstVisibleChar() const { return FFirstVisibleChar; }
  virtual TSelArea GetSelArea();

  // ---- caret moves and selection
  void MoveCaretLeft() { SetCaretPosition(GetPositionShift(FCaretPosition, -1)); }
  void MoveCaretRight() { SetCaretPosition(GetPositionShift(FCaretPosition, 1)); }
  void MoveCaretUp() { MoveCaretVertical(-1); }
  void MoveCaretDown() { MoveCaretVertical(1); }
  void MoveCaretPageUp();
  void MoveCaretPageDown();
  void MoveCaretVertical(int Lines);
  TCaretPosition GetNextWordBeging(const TCaretPosition& P) const;
  TCaretPosition GetPrivWordBeging(const TCaretPosition& P) const;
  // The caret to (0, 0), and the view to the text's beginning: the message
  // areas show their newest message, which goes on top.
  void GoToTextBegin();
  // Selects the whole text; the caret, the selection's moving end, stands
  // at the text end.
  void SelectAll() override;
  // Selects the word around the caret (from the previous word start to the
  // next one) and puts the caret at its end.
  void SelectWord();
  bool GetShowSelection() const { return FIsFocused || !FHideSelection; }
  void ClearSelection() override;
  // Copies the selected characters; an unpaired surrogate goes as U+FFFD.
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  bool AcceptsEdits() const override { return !FReadOnly; }
  // Caret (and selection) as text positions around a rebuild of the lines.
  void StorePositions();
  void RestorePositions();

  // ---- settings
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { FHideSelection = Value; }
  TzrTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TzrTextAlign Value);
  TzrFont* GetFont() const { return FFont.get(); }
  void SetFont(TzrFont* Value);
  TzrBrush* GetFontFill() const { return FFontFill.get(); }
  TzrBrush* GetSelectionFill() const { return FSelectionFill.get(); }
  TPopupMenu* GetContextMenu() const { return FContextMenu; }
  // Published through the class info (the model's own members belong to a
  // class outside the streamed tree).
  TEditCharCase GetCharCaseProp() const { return GetCharCase(); }
  void SetCharCaseProp(TEditCharCase Value) { SetCharCase(Value); }
  int GetMaxLengthProp() const { return GetMaxLength(); }
  void SetMaxLengthProp(int Value) { SetMaxLength(Value); }
  bool GetWordWrapProp() const { return GetWordWrap(); }
  void SetWordWrapProp(bool Value) { SetWordWrap(Value); }
  const std::u16string& GetTextProp() const { return GetText(); }
  void SetTextProp(const std::u16string& Value) { SetText(Value); }

  // ---- overrides
  Variant GetData() override;
  void SetData(const Variant& Value) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseMove(TShiftState Shift, float X, float Y, float Dx, float Dy) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) override;
  void KeyDown(uint16_t& Key, char16_t& KeyChar, TShiftState Shift) override;
  void ContextMenu(const TzrPoint& ScreenPosition) override;
  void EnterFocus() override;
  void KillFocus() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  TzrRect GetContentBounds() override;
  void VScrollChange(TObject* Sender) override;
  void HScrollChange(TObject* Sender) override;

  TNotifyEvent OnChange, OnChangeTracking;

 protected:
  // ---- the text model's hooks
  float MeasureText(const std::u16string& S) override { return TextWidth(S); }
  float TextContentWidth() override;
  bool CanMeasure() override { return GetCanvas() != nullptr; }
  bool TextLoading() override { return IsLoading(); }
  void TextRealign() override;
  void ChangeTracking() override;
  void PlaceCaret(const TCaretPosition& P, bool Scroll) override { PlaceCaretAt(P, Scroll); }

  virtual void CreatePopupMenu();
  virtual void UpdatePopupMenuItems();
  // The "content" part's painter: the visible lines and the highlight.
  void PaintLines(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);

 private:
  void PlaceCaretAt(const TCaretPosition& P, bool Scroll);
  void PlaceCaretNode();
  void FontChanged();
  void VerticalFollowUp();
  void HorizontalFollowUp();
  float AlignShift(float LineWidth);
  // The caret position under X (memo coordinates) on Line.
  int PositionUnder(int Line, float X);
  // Width of the first N characters of Line's visible text.
  float PrefixWidth(const std::u16string& Line, int N);
  int FirstVisibleLine();
  int LastVisibleLine();
  // The shared keys' hooks.
  bool HasSelection() const override { return GetSelLength() > 0; }
  void DeleteCharacter(bool Forward) override;
  void MoveCaret(TzrCaretMove Move) override;
  // Page Up, Page Down, Up and Down.
  void VerticalKey(uint16_t Key);
  // Deletes the selection (if any) and inserts S at the caret as one undo
  // step.
  void TypeText(const std::u16string& S);
  TzrCanvas* MeasureCanvas();

  TzrMemoLines FLines{this};
  std::unique_ptr<TzrFont> FFont;
  std::unique_ptr<TzrBrush> FFontFill;
  std::unique_ptr<TzrBrush> FSelectionFill;
  TzrTextAlign FTextAlign = zrTextAlignNear;
  TPopupMenu* FContextMenu = nullptr;  // owned through the component tree
  bool FReadOnly = false;
  bool FAutoSelect = true;
  bool FHideSelection = true;
  bool FLMouseSelecting = false;
  TzrPoint FOldMPt{0, 0};
  int FFirstVisibleChar = 1;
  int FSavedCaret = -1, FSavedSelStart = -1, FSavedSelEnd = -1;
};

// The memo under the HUD style ("hudmemostyle").
class TzrHudMemo : public TzrMemo {
 public:
  using TzrMemo::TzrMemo;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
