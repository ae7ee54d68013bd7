#include "platform/vcl/DrawText.h"

#include <algorithm>
#include <vector>

using namespace gdi;

namespace {

std::u16string RemovePrefixes(const std::u16string& text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    else if (text[i] == u'&') continue;
    out += text[i];
  }
  return out;
}

std::vector<std::u16string> SplitLines(const std::u16string& text, bool singleLine) {
  if (singleLine) return {text};
  std::vector<std::u16string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

int TextWidth(HDC dc, const std::u16string& line) {
  SIZE size{};
  GetTextExtentPoint32W(dc, line.data(), int(line.size()), &size);
  return size.cx;
}

}  // namespace

int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, unsigned flags) {
  if (text == nullptr || rect == nullptr) return 0;
  std::u16string all = count < 0 ? std::u16string(text) : std::u16string(text, size_t(count));
  if (!(flags & DT_NOPREFIX)) all = RemovePrefixes(all);
  bool single = flags & DT_SINGLELINE;
  std::vector<std::u16string> lines = SplitLines(all, single);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int lineHeight = int(metrics.tmHeight);
  int height = lineHeight * int(lines.size());
  if (flags & DT_CALCRECT) {
    int width = 0;
    for (const auto& line : lines) width = std::max(width, TextWidth(dc, line));
    rect->right = rect->left + width;
    rect->bottom = rect->top + height;
    return height;
  }
  int saved = SaveDC(dc);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  if (!(flags & DT_NOCLIP)) IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
  int y = rect->top;
  if (single && (flags & DT_VCENTER)) y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
  if (single && (flags & DT_BOTTOM)) y = rect->bottom - lineHeight;
  for (const auto& line : lines) {
    int x = rect->left;
    int width = TextWidth(dc, line);
    if (flags & DT_CENTER) x = rect->left + (rect->right - rect->left - width) / 2;
    else if (flags & DT_RIGHT) x = rect->right - width;
    TextOutW(dc, x, y, line.data(), int(line.size()));
    y += lineHeight;
  }
  RestoreDC(dc, saved);
  return height;
}
