#include "controls/XwUtils.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/rtl/Classes.h"
#include "platform/vcl/Cursors.h"
#include "platform/vcl/DrawText.h"

namespace {

// Destination where the source is white, brush where it is black.
constexpr gdi::DWORD RopPaintBrushOnBlack = 0x00B8074A;

bool RegisterDragCursors() {
  try {
    TScreen& screen = Screen();
    screen.SetCursors(crXwMultiDrag1, screen.GetCursors(crMultiDrag));
    screen.SetCursors(crXwDrag, screen.GetCursors(crDrag));
    screen.SetCursors(crXwMultiDrag2, screen.GetCursors(crMultiDrag));
    screen.SetCursors(crXwMultiDrag3, screen.GetCursors(crMultiDrag));
  } catch (...) {
  }
  return true;
}

const bool DragCursorsRegistered = RegisterDragCursors();

// A bitmap of the glyph's size, white where the glyph has maskColor and
// black elsewhere.
std::unique_ptr<TBitmap> MakeMask(TBitmap* glyph, TColor maskColor) {
  auto mask = std::make_unique<TBitmap>();
  mask->SetPixelFormat(pf32bit);
  mask->SetSize(glyph->GetWidth(), glyph->GetHeight());
  gdi::COLORREF key = ColorToRGB(maskColor);
  TCanvas* from = glyph->GetCanvas();
  TCanvas* to = mask->GetCanvas();
  for (int y = 0; y < glyph->GetHeight(); ++y)
    for (int x = 0; x < glyph->GetWidth(); ++x) {
      bool isMask = (ColorToRGB(from->GetPixels(x, y)) == key);
      to->SetPixels(x, y, isMask ? clWhite : clBlack);
    }
  return mask;
}

void PaintShape(TBitmap* target, TBitmap* mask, int offset, TColor color) {
  TCanvas* canvas = target->GetCanvas();
  canvas->GetBrush()->SetColor(color);
  gdi::HDC dc = canvas->GetHandle();
  gdi::HGDIOBJ old = gdi::SelectObject(dc, canvas->GetBrush()->GetHandle());
  gdi::BitBlt(dc, offset, offset, target->GetWidth() - offset, target->GetHeight() - offset,
              mask->GetCanvas()->GetHandle(), 0, 0, RopPaintBrushOnBlack);
  gdi::SelectObject(dc, old);
}

}  // namespace

std::string RepeatChar(char c, int n) { return n <= 0 ? std::string() : std::string(size_t(n), c); }

std::string StripChar(const std::string& s, char c) {
  std::string out;
  for (char ch : s)
    if (ch != c) out += ch;
  return out;
}

std::string TrimLeadingBlanks(const std::string& s) {
  size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

std::string TrimTrailingBlanks(const std::string& s) {
  size_t last = s.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

std::string TrimBlanks(const std::string& s) { return TrimLeadingBlanks(TrimTrailingBlanks(s)); }

std::string ReplaceAllText(const std::string& s, const std::string& find,
                           const std::string& replacement) {
  if (find.empty()) return s;
  std::string out;
  size_t from = 0;
  for (size_t at = s.find(find); at != std::string::npos; at = s.find(find, from)) {
    out.append(s, from, at - from);
    out += replacement;
    from = at + find.size();
  }
  out.append(s, from, std::string::npos);
  return out;
}

std::string NormalizeNumberText(const std::string& s, char decimalSeparator,
                                char thousandSeparator) {
  std::string text = TrimBlanks(s);
  if (thousandSeparator != decimalSeparator) text = StripChar(text, thousandSeparator);
  for (char other : {'.', ','}) {
    if (decimalSeparator == other || thousandSeparator == other) continue;
    for (char& c : text)
      if (c == other) c = decimalSeparator;
  }
  std::string kept;
  for (char c : text) {
    bool digit = c >= '0' && c <= '9';
    if (digit || c == '+' || c == '-' || c == decimalSeparator || c == thousandSeparator) kept += c;
  }
  if (kept.empty()) return "0";
  if (kept == "-") return "-0";
  return kept;
}

void CheckOSResult(bool ok) {
  if (ok) return;
  int code = errno;
  throw EOSError(code, "System Error.  Code: " + std::to_string(code) + ".\n" +
                           std::strerror(code));
}

int DrawTextNoModify(TCanvas* canvas, const std::u16string& text, int count, unsigned flags,
                     TRect& rect) {
  gdi::RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  gdi::HDC dc = canvas->GetHandle();
  gdi::SelectObject(dc, canvas->GetFont()->GetHandle());
  gdi::SetTextColor(dc, ColorToRGB(canvas->GetFont()->GetColor()));
  bool clear = canvas->GetBrush()->GetStyle() == bsClear;
  gdi::SetBkMode(dc, clear ? gdi::TRANSPARENT : gdi::OPAQUE);
  gdi::SetBkColor(dc, ColorToRGB(canvas->GetBrush()->GetColor()));
  int n = count < 0 || size_t(count) > text.size() ? int(text.size()) : count;
  int height = DrawTextW(dc, text.data(), n, &r, flags & ~unsigned(DT_MODIFYSTRING));
  rect = TRect{r.left, r.top, r.right, r.bottom};
  return height;
}

bool BlitCopy(TCanvas* dest, int x, int y, gdi::DWORD rop, int sourceX, int sourceY,
              TCanvas* source, int height, int width) {
  return gdi::BitBlt(dest->GetHandle(), x, y, width, height, source->GetHandle(), sourceX,
                     sourceY, rop);
}

TBitmap* MakeEmbossedBitmap(TBitmap* glyph, TColor maskColor, TColor faceColor,
                            bool withHighlight, TColor shadowColor, TColor highlightColor) {
  auto result = std::make_unique<TBitmap>();
  result->SetPixelFormat(pf32bit);
  result->SetSize(glyph->GetWidth(), glyph->GetHeight());
  TCanvas* canvas = result->GetCanvas();
  canvas->GetBrush()->SetColor(faceColor);
  canvas->FillRect(TRect{0, 0, result->GetWidth(), result->GetHeight()});
  std::unique_ptr<TBitmap> mask = MakeMask(glyph, maskColor);
  if (withHighlight) PaintShape(result.get(), mask.get(), 1, highlightColor);
  PaintShape(result.get(), mask.get(), 0, shadowColor);
  return result.release();
}

TBitmap* MakeDisabledBitmap(TBitmap* glyph, TColor maskColor) {
  return MakeEmbossedBitmap(glyph, maskColor, clBtnFace, true, clBtnShadow, clBtnHighlight);
}

bool SwapComponentLinkImpl(TComponent* owner, TComponent* newValue, TComponent*& reference) {
  if (newValue == reference || owner == nullptr) return false;
  if (reference != nullptr) reference->RemoveFreeNotification(owner);
  reference = newValue;
  if (newValue != nullptr) newValue->FreeNotification(owner);
  return true;
}
