#pragma once
// What the one-line text box and the memo share: stepping over whole
// characters of UTF-16 text, word starts, and the keys both editors have.
//
// A character outside the Basic Multilingual Plane (an emoji, a rare Chinese
// character) takes two UTF-16 units, a surrogate pair. A caret, a selection
// end or a deletion never lands between the two: every step moves over the
// pair as one character.
//
// The shared keys are Backspace, Delete, Home, End, Left, Right, Insert and
// the Ctrl letters A, C, V, X, Z. Each editor answers them through
// TzrEditKeyTarget; keys of its own (Enter, Up, Down, Page Up, Page Down),
// the character filter and typing stay with the editor.

#include <cstdint>
#include <string>

#include "platform/vcl/Types.h"

// ---- whole characters

inline bool zrIsHighSurrogate(char16_t C) { return C >= 0xD800 && C <= 0xDBFF; }
inline bool zrIsLowSurrogate(char16_t C) { return C >= 0xDC00 && C <= 0xDFFF; }
// True when the gap P (0 .. length) lies between the two halves of a pair.
bool zrInsidePair(const std::u16string& Text, int P);
// The gap one character right of P (the length at the end).
int zrNextCharPos(const std::u16string& Text, int P);
// The gap one character left of P (0 at the start).
int zrPriorCharPos(const std::u16string& Text, int P);
// P clamped to the text and moved back before a pair it would split.
int zrCharStart(const std::u16string& Text, int P);
// P clamped to the text and moved past a pair it would split.
int zrCharEnd(const std::u16string& Text, int P);
// Text with each unpaired surrogate replaced by U+FFFD, so that it can be
// handed over as UTF-8.
std::u16string zrWholeCharacters(const std::u16string& Text);

// ---- word starts (only the space separates words)

// The start of the next word right of P; the text end after the last word.
int zrNextWordStart(const std::u16string& Text, int P);
// The start of the word left of P; 0 before the first word.
int zrPriorWordStart(const std::u16string& Text, int P);

// ---- the shared keys

enum TzrCaretMove {
  cmCharLeft,
  cmCharRight,
  cmWordLeft,
  cmWordRight,
  cmLineBegin,
  cmLineEnd,
  cmTextBegin,
  cmTextEnd
};

class TzrEditKeyTarget {
 public:
  virtual ~TzrEditKeyTarget() = default;
  // False when the user may not change the text.
  virtual bool AcceptsEdits() const = 0;
  virtual bool HasSelection() const = 0;
  // Deletes the whole character after (Forward) or before the caret; the
  // selection is empty.
  virtual void DeleteCharacter(bool Forward) = 0;
  virtual void MoveCaret(TzrCaretMove Move) = 0;
  virtual void ClearSelection() = 0;
  virtual void CutToClipboard() = 0;
  virtual void CopyToClipboard() = 0;
  virtual void PasteFromClipboard() = 0;
  virtual void SelectAll() = 0;
  // After a paste from the keyboard.
  virtual void KeyPasted() {}
  // After Backspace or Delete removed a character (or found none).
  virtual void KeyDeleted() {}
};

inline constexpr uint16_t zrKeyBack = 8;
inline constexpr uint16_t zrKeyEnter = 13;
inline constexpr uint16_t zrKeyPageUp = 33;
inline constexpr uint16_t zrKeyPageDown = 34;
inline constexpr uint16_t zrKeyEnd = 35;
inline constexpr uint16_t zrKeyHome = 36;
inline constexpr uint16_t zrKeyLeft = 37;
inline constexpr uint16_t zrKeyUp = 38;
inline constexpr uint16_t zrKeyRight = 39;
inline constexpr uint16_t zrKeyDown = 40;
inline constexpr uint16_t zrKeyInsert = 45;
inline constexpr uint16_t zrKeyDelete = 46;

inline bool zrShiftAlone(TShiftState S) { return (S & (ssShift | ssAlt | ssCtrl)) == ssShift; }
inline bool zrCtrlAlone(TShiftState S) { return (S & (ssShift | ssAlt | ssCtrl)) == ssCtrl; }

// Backspace and Delete (with a selection: Shift alone cuts, otherwise the
// selection goes; without one, a whole character), Home and End (Ctrl: the
// whole text), Left and Right (Ctrl: word starts), Insert (Ctrl alone
// copies, Shift alone pastes). Other keys do nothing.
void zrEditKey(TzrEditKeyTarget& Target, uint16_t Key, TShiftState Shift);
// The Ctrl letters (the modifiers are Ctrl alone): A selects all, C copies,
// V pastes, X cuts, Z does nothing. A letter handled is cleared from KeyChar.
void zrEditCtrlLetter(TzrEditKeyTarget& Target, char16_t& KeyChar, TShiftState Shift);
// Home, End, Left and Right: the keys that extend a selection with Shift.
inline bool zrCaretKey(uint16_t Key) {
  return Key >= zrKeyEnd && Key <= zrKeyRight && Key != zrKeyUp;
}
