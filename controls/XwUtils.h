#pragma once
// String, rectangle and bitmap routines of the add-on widgets, and the
// component-reference routine.

#include <string>

#include "controls/XsBase.h"
#include "platform/vcl/Graphics.h"

class TComponent;

// The operating system's error, raised from errno.
class EOSError : public Exception {
 public:
  EOSError(int code, const std::string& message) : Exception(message), ErrorCode(code) {}
  int ErrorCode;
};

// Cursor ids the widgets use while dragging, registered at program start.
constexpr int crXwMultiDrag1 = 368;
constexpr int crXwDrag = 369;
constexpr int crXwMultiDrag2 = 370;
constexpr int crXwMultiDrag3 = 371;

// n copies of c; empty when n is 0 or less.
std::string RepeatChar(char c, int n);
// s without any c.
std::string StripChar(const std::string& s, char c);
// Remove spaces (code 32 only) at the start, the end, or both.
std::string TrimLeadingBlanks(const std::string& s);
std::string TrimTrailingBlanks(const std::string& s);
std::string TrimBlanks(const std::string& s);
// Replaces each occurrence of find, left to right; the inserted text is not
// scanned again. An empty find changes nothing.
std::string ReplaceAllText(const std::string& s, const std::string& find,
                           const std::string& replacement);
// Number text as typed, made readable as a number: blanks trimmed, thousand
// separators dropped (unless they equal the decimal separator), "." and ","
// that are no separator become the decimal separator, only signs, digits and
// separators kept; empty gives "0" and a lone "-" gives "-0".
std::string NormalizeNumberText(const std::string& s, char decimalSeparator = DecimalSeparator(),
                                char thousandSeparator = ThousandSeparator());

// Raises EOSError with errno when ok is false.
void CheckOSResult(bool ok);

inline int RectWidth(const TRect& r) { return r.Right > r.Left ? r.Right - r.Left : r.Left - r.Right; }
inline int RectHeight(const TRect& r) { return r.Bottom > r.Top ? r.Bottom - r.Top : r.Top - r.Bottom; }

// The framework's formatted text drawing (DrawText.h) with DT_MODIFYSTRING
// taken out of flags; count -1 draws the whole text.
int DrawTextNoModify(TCanvas* canvas, const std::u16string& text, int count, unsigned flags,
                     TRect& rect);
// A block transfer in the library's order of arguments.
bool BlitCopy(TCanvas* dest, int x, int y, gdi::DWORD rop, int sourceX, int sourceY,
              TCanvas* source, int height, int width);

// A new bitmap of the glyph's size in faceColor with the glyph's shape (its
// pixels other than maskColor) in shadowColor and, withHighlight, a copy of
// that shape one pixel right and down in highlightColor underneath. The caller
// owns the result.
TBitmap* MakeEmbossedBitmap(TBitmap* glyph, TColor maskColor, TColor faceColor,
                            bool withHighlight, TColor shadowColor, TColor highlightColor);
// The embossed glyph in the button face, shadow and highlight colours.
TBitmap* MakeDisabledBitmap(TBitmap* glyph, TColor maskColor);

// Points reference at newValue, moving owner's free notification from the
// old component to the new one, so that freeing the component clears the
// reference (the owner's Notification must do that). Answers whether
// anything changed; nothing changes without an owner.
template <class T>
bool SwapComponentLink(TComponent* owner, T* newValue, T*& reference);
bool SwapComponentLinkImpl(TComponent* owner, TComponent* newValue, TComponent*& reference);

template <class T>
bool SwapComponentLink(TComponent* owner, T* newValue, T*& reference) {
  TComponent* current = reference;
  if (!SwapComponentLinkImpl(owner, newValue, current)) return false;
  reference = newValue;
  return true;
}
