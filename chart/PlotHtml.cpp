#include "chart/PlotHtml.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "chart/PlotCanvas.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

std::vector<std::string> HtmlTagStack;
std::vector<std::string> HtmlFontStack;
TGraphic* (*GraphicFileExtension)(const std::string& Extension) = nullptr;
int (*GraphicDownload)(const std::string& Address, TStream* Stream) = nullptr;

namespace {

int Rounded(double V) { return int(std::nearbyint(V)); }

std::string Upper(std::string S) {
  for (char& c : S) c = char(std::toupper(static_cast<unsigned char>(c)));
  return S;
}

std::string Trimmed(const std::string& S) {
  size_t a = S.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  size_t b = S.find_last_not_of(" \t\r\n");
  return S.substr(a, b - a + 1);
}

bool StartsWith(const std::string& S, const std::string& Prefix) {
  return S.compare(0, Prefix.size(), Prefix) == 0;
}

void ReplaceAll(std::string& S, const std::string& From, const std::string& To) {
  for (size_t p = S.find(From); p != std::string::npos; p = S.find(From, p + To.size()))
    S.replace(p, From.size(), To);
}

// One surrounding pair of quotes (double or single) off.
std::string Unquoted(std::string S) {
  if (!S.empty() && (S.front() == '"' || S.front() == '\'')) S.erase(0, 1);
  if (!S.empty() && (S.back() == '"' || S.back() == '\'')) S.pop_back();
  return S;
}

struct TAttribute {
  std::string Name, Value;
};

// Name=value pairs: each value runs to the last blank before the next "=".
std::vector<TAttribute> Attributes(const std::string& S) {
  std::vector<size_t> equals;
  for (size_t i = 0; i < S.size(); i++)
    if (S[i] == '=') equals.push_back(i);
  std::vector<TAttribute> result;
  size_t nameStart = 0;
  for (size_t k = 0; k < equals.size(); k++) {
    size_t valueStart = equals[k] + 1, valueEnd = S.size();
    if (k + 1 < equals.size()) {
      size_t blank = S.rfind(' ', equals[k + 1]);
      valueEnd = blank != std::string::npos && blank >= valueStart ? blank : equals[k + 1];
    }
    result.push_back({Upper(Trimmed(S.substr(nameStart, equals[k] - nameStart))),
                      Trimmed(S.substr(valueStart, valueEnd - valueStart))});
    nameStart = valueEnd;
  }
  return result;
}

// A font size the canvas can draw (PlotMaxFontSize either way at most).
float DrawableSize(double Size) {
  return float(std::clamp(Size, -double(PlotMaxFontSize), double(PlotMaxFontSize)));
}

// A number with "." as its decimal separator, whatever the locale, or an
// infinity ("inf", "+INF", "-Infinity"); anything else, "nan" included,
// raises EConvertError.
double ToFloat(const std::string& S) {
  double v = 0;
  if (TryStrToFloat(S, v)) return v;
  const bool negative = !S.empty() && S[0] == '-';
  const std::string word = Upper(S.substr(!S.empty() && (S[0] == '-' || S[0] == '+') ? 1 : 0));
  if (word == "INF" || word == "INFINITY")
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  throw EConvertError("'" + S + "' is not a valid floating point value");
}

bool ToInteger(const std::string& S, int& Value) {
  try {
    size_t used = 0;
    Value = std::stoi(S, &used);
    return used == S.size() && !S.empty();
  } catch (const std::exception&) {
    return false;
  }
}

const std::pair<const char*, TColor> ColorIdents[] = {{"clBlack", clBlack},
                                                      {"clMaroon", clMaroon},
                                                      {"clGreen", clGreen},
                                                      {"clOlive", clOlive},
                                                      {"clNavy", clNavy},
                                                      {"clPurple", clPurple},
                                                      {"clTeal", clTeal},
                                                      {"clGray", clGray},
                                                      {"clSilver", clSilver},
                                                      {"clRed", clRed},
                                                      {"clLime", clLime},
                                                      {"clYellow", clYellow},
                                                      {"clBlue", clBlue},
                                                      {"clFuchsia", clFuchsia},
                                                      {"clAqua", clAqua},
                                                      {"clWhite", clWhite},
                                                      {"clNone", clNone},
                                                      {"clDefault", clDefault},
                                                      {"clBtnFace", clBtnFace},
                                                      {"clWindow", clWindow},
                                                      {"clWindowText", clWindowText},
                                                      {"clHighlight", clHighlight},
                                                      {"clBtnShadow", clBtnShadow},
                                                      {"clGrayText", clGrayText},
                                                      {"clBtnHighlight", clBtnHighlight},
                                                      {"clInfoBk", clInfoBk}};

std::string StyleWords(TFontStyles S) {
  std::string words;
  auto add = [&](TFontStyle Style, const char* Word) {
    if (!(S & FontStyleBit(Style))) return;
    if (!words.empty()) words += ", ";
    words += Word;
  };
  add(fsBold, "BOLD");
  add(fsItalic, "ITALIC");
  add(fsUnderline, "UNDERLINE");
  add(fsStrikeOut, "STRIKE");
  return words.empty() ? "NORMAL" : words;
}

}  // namespace

TColor HtmlColorFromText(const std::string& Value) {
  std::string s = Trimmed(Upper(Value));
  if (!s.empty() && s.front() == '"') s.erase(0, 1);
  if (!s.empty() && s.back() == '"') s.pop_back();
  static const std::pair<const char*, TColor> names[] = {
      {"BLACK", 0x000000}, {"RED", 0x0000FF},   {"BLUE", 0xFF0000}, {"YELLOW", 0x00FFFF},
      {"WHITE", 0xFFFFFF}, {"GREEN", 0x008000}, {"LIME", 0x00FF00}};
  for (const auto& [name, color] : names)
    if (s == name) return color;
  if (StartsWith(s, "#")) {
    // A value shorter than "#RRGGBB" has no three pairs to read.
    if (s.size() < 7) throw EConvertError("'" + Value + "' is not a valid colour value");
    auto pair = [&](size_t At) {
      std::string hex = s.substr(At, 2);
      if (!std::isxdigit(static_cast<unsigned char>(hex[0])) ||
          !std::isxdigit(static_cast<unsigned char>(hex[1])))
        throw EConvertError("'" + hex + "' is not a valid integer value");
      return int(std::stoi(hex, nullptr, 16));
    };
    return TColor(pair(1) | (pair(3) << 8) | (pair(5) << 16));
  }
  for (const auto& [ident, color] : ColorIdents)
    if (Upper(ident) == s) return color;
  int number = 0;
  if (ToInteger(s, number)) return number;
  return clBlack;
}

namespace {

// The layout of one run over a text.
class THtmlRun {
 public:
  THtmlRun(TPlotCanvas* ACanvas, int AX, int AY, bool ADraw)
      : Canvas(ACanvas), Drawing(ADraw), X(AX), LineStartX(AX), Y(AY) {
    LineHeight = Canvas->GetFontHeight();
  }

  TSize Run(std::string Text) {
    for (std::string token = NextToken(Text); !token.empty(); token = NextToken(Text))
      ApplyToken(token);
    return Extent;
  }

 private:
  static std::string NextToken(std::string& S) {
    size_t p = S.find('<');
    std::string token;
    if (p == std::string::npos) {
      token.swap(S);
    } else if (p == 0) {
      S.erase(0, 1);
      size_t close = S.find('>');
      if (close != std::string::npos) {
        token = "<" + S.substr(0, close + 1);
        S.erase(0, close + 1);
      } else {
        token.swap(S);
      }
    } else {
      token = S.substr(0, p);
      S.erase(0, p);
    }
    return token;
  }

  TPlotFont* Font() { return Canvas->GetFont(); }
  int FontHeight() { return Canvas->GetFontHeight(); }
  void AddStyle(TFontStyle S) { Font()->SetStyle(Font()->GetStyle() | FontStyleBit(S)); }
  void RemoveStyle(TFontStyle S) {
    Font()->SetStyle(TFontStyles(Font()->GetStyle() & ~FontStyleBit(S)));
  }

  void PushFont() {
    TPlotFont* f = Font();
    HtmlFontStack.push_back("<FONT size=" + std::to_string(f->GetSize()) + " name=" + f->GetName() +
                            " color=" + std::to_string(f->GetColor()) +
                            " weight=" + StyleWords(f->GetStyle()) + ">");
    SavedFont = true;
  }

  void PopFont() {
    if (HtmlFontStack.empty()) return;
    std::string tag = HtmlFontStack.back();
    HtmlFontStack.pop_back();
    ApplyFontTag(tag);
  }

  void ApplyFontTag(const std::string& Tag) {
    if (Tag.size() < 7) return;
    for (const TAttribute& a : Attributes(Tag.substr(6, Tag.size() - 7))) {
      if (a.Name == "NAME" || a.Name == "FAMILY") {
        Font()->SetName(Unquoted(a.Value));
      } else if (a.Name == "SIZE") {
        std::string v = Unquoted(a.Value);
        double size = ToFloat(v);
        if (!v.empty() && (v[0] == '+' || v[0] == '-'))
          Font()->SetSizeFloat(DrawableSize(Font()->GetSizeFloat() + size));
        else
          Font()->SetSizeFloat(DrawableSize(size));
      } else if (a.Name == "COLOR") {
        Font()->SetColor(HtmlColorFromText(a.Value));
      } else if (a.Name == "WEIGHT") {
        Font()->SetStyle(Weight(a.Value));
      } else {
        throw Exception("Unknown field in FONT: " + a.Name);
      }
    }
  }

  static TFontStyles Weight(const std::string& Value) {
    TFontStyles styles = 0;
    std::string rest = Upper(Value);
    size_t start = 0;
    while (start <= rest.size()) {
      size_t comma = rest.find(',', start);
      std::string word = Trimmed(
          rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
      if (word == "BOLD")
        styles |= FontStyleBit(fsBold);
      else if (word == "ITALIC")
        styles |= FontStyleBit(fsItalic);
      else if (word == "UNDERLINE")
        styles |= FontStyleBit(fsUnderline);
      else if (word == "STRIKE")
        styles |= FontStyleBit(fsStrikeOut);
      else if (word != "NORMAL")
        throw Exception("Unknown field in FONT WEIGHT=" + Value);
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    return styles;
  }

  void NewLine() {
    X = LineStartX;
    LineHeight = 0;
  }

  // The tags of the table; false for a token that is text.
  bool ApplyTag(const std::string& Token) {
    const std::string t = Upper(Token);
    if (t == "<BR>" || t == "<P>") {
      NewLine();
      int h = FontHeight();
      Y += h;
      Extent.cy += h + 2;
    } else if (t == "<BIG>") {
      PushFont();
      Font()->SetSize(Font()->GetSize() + 2);
      Y -= 4;
    } else if (t == "<SMALL>") {
      PushFont();
      Font()->SetSize(Font()->GetSize() - 2);
      Y -= 1;
    } else if (t == "</BIG>") {
      PopFont();
      Y += 2;
    } else if (t == "</SMALL>") {
      PopFont();
      Y -= 2;
    } else if (t == "</SUB>") {
      PopFont();
      Y -= FontHeight();
    } else if (t == "<SUB>") {
      PushFont();
      Font()->SetSize(Font()->GetSize() / 2);
      Y += FontHeight();
    } else if (t == "</SUPER>" || t == "</SUP>") {
      PopFont();
      Y += FontHeight() / 2;
    } else if (t == "<SUPER>" || t == "<SUP>") {
      PushFont();
      Font()->SetSize(Font()->GetSize() / 2);
      Y -= FontHeight() / 2;
    } else if (t.size() == 4 && StartsWith(t, "<H") && t[2] >= '1' && t[2] <= '6' && t[3] == '>') {
      static const int sizes[] = {48, 36, 24, 18, 12, 8};
      PushFont();
      Font()->SetSize(sizes[t[2] - '1']);
    } else if (t == "<PRE>") {
      PushFont();
      ApplyFontTag("<FONT NAME=\"COURIER NEW\">");
    } else if (t == "<CENTER>") {
      Centring = true;
    } else if (t == "<B>" || t == "<BOLD>" || t == "<STRONG>") {
      AddStyle(fsBold);
      HtmlTagStack.push_back(t);
    } else if (t == "<I>" || t == "<U>" || t == "<STRIKE>") {
      AddStyle(t == "<I>" ? fsItalic : t == "<U>" ? fsUnderline : fsStrikeOut);
      HtmlTagStack.push_back(t);
    } else if (StartsWith(t, "<IMG ")) {
      PlaceImage(Token);
    } else if (t == "</B>" || t == "</BOLD>" || t == "</STRONG>") {
      RemoveStyle(fsBold);
    } else if (t == "</I>" || t == "</U>" || t == "</STRIKE>") {
      RemoveStyle(t == "</I>" ? fsItalic : t == "</U>" ? fsUnderline : fsStrikeOut);
    } else if ((t.size() == 5 && StartsWith(t, "</H") && t[3] >= '1' && t[3] <= '6' &&
                t[4] == '>') ||
               StartsWith(t, "</FONT") || t == "</PRE>") {
      PopFont();
    } else if (t == "</CENTER>") {
      Centring = false;
    } else if (StartsWith(t, "<FONT ")) {
      PushFont();
      ApplyFontTag(t);
    } else if (t == "</>") {
      CloseLast();
    } else if (t == "<HR>") {
      Rule();
    } else {
      return false;
    }
    return true;
  }

  void CloseLast() {
    if (PreviousSavedFont) {
      PopFont();
      return;
    }
    std::string last;
    if (!HtmlTagStack.empty()) {
      last = HtmlTagStack.back();
      HtmlTagStack.pop_back();
    }
    if (!last.empty()) last.erase(0, 1);
    ApplyToken("</" + last);
  }

  void Rule() {
    X = LineStartX;
    TPlotPen* pen = Canvas->GetPen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetColor(clGray);
    pen->SetVisible(true);
    if (Drawing) Canvas->Line(X, Y, X + 100, Y);
    Y += FontHeight();
  }

  void ApplyToken(std::string Token) {
    SavedFont = false;
    if (StartsWith(Token, "\r\n")) {
      Y += FontHeight();
      NewLine();
      Token.erase(0, 2);
      if (Token.empty()) return;
    }
    if (!ApplyTag(Token)) {
      PlaceText(Token);
      return;
    }
    PreviousSavedFont = SavedFont;
  }

  void PlaceText(std::string Text) {
    ReplaceAll(Text, "&lt;", "<");
    ReplaceAll(Text, "&gt;", ">");
    ReplaceAll(Text, "&amp;", "&");
    ReplaceAll(Text, "&quot;", "\"");
    bool lineEnd = Text.size() >= 2 && Text.compare(Text.size() - 2, 2, "\r\n") == 0;
    if (lineEnd) Text.resize(Text.size() - 2);
    if (!Text.empty()) {
      TPointF size = Canvas->TextSize(Text);
      if (Centring) {
        const TRect& b = Canvas->GetBounds();
        X = (b.Left + b.Right) / 2 - Rounded(size.x) / 2;
      }
      if (LineHeight == 0)
        LineHeight = FontHeight();
      else if (LineHeight > size.y)
        Y += LineHeight - Rounded(size.y) - 1;
      if (Drawing) Canvas->TextOut(X, Y, Text);
      X += Rounded(size.x);
      Extent.cx = std::max(Extent.cx, X);
      if (LineHeight < size.y) LineHeight = Rounded(size.y) - 1;
      Extent.cy = std::max(Extent.cy, LineHeight);
    }
    if (lineEnd) NewLine();
  }

  void Placeholder(int Width, int Height) {
    if (!Drawing) return;
    TPlotPen* pen = Canvas->GetPen();
    pen->SetStyle(psSolid);
    pen->SetColor(clRed);
    pen->SetWidth(1);
    pen->SetVisible(true);
    TPlotBrush* brush = Canvas->GetBrush();
    brush->SetStyle(bsSolid);
    brush->SetColor(clWhite);
    int w = Width ? Width : 40, h = Height ? Height : 40;
    Canvas->Rectangle(X, Y, X + w, Y + h);
    Canvas->Line(X, Y, X + w - 1, Y + h - 1);
    Canvas->Line(X, Y + h - 1, X + w - 1, Y);
  }

  void PlaceImage(std::string Token) {
    Token.erase(0, std::min<size_t>(5, Token.size()));
    if (StartsWith(Token, "\r\n")) Token.erase(0, 2);
    if (!Token.empty() && Token.back() == '>') Token.pop_back();
    int width = 0, height = 0;
    std::string source;
    for (const TAttribute& a : Attributes(Token)) {
      if (a.Name == "WIDTH" && !ToInteger(Unquoted(a.Value), width)) width = 0;
      if (a.Name == "HEIGHT" && !ToInteger(Unquoted(a.Value), height)) height = 0;
      if (a.Name == "SRC") source = a.Value;
    }
    if (source.empty()) return;
    source = Trimmed(source);
    if (!source.empty() && source.front() == '"') source.erase(0, 1);
    if (!source.empty() && source.back() == '"') source.pop_back();
    std::unique_ptr<TGraphic> graphic(
        GraphicFileExtension ? GraphicFileExtension(Upper(ExtractFileExt(source))) : nullptr);
    TMemoryStream stream;
    bool loaded =
        graphic && GraphicDownload && GraphicDownload(source, &stream) == 0 && stream.GetSize() > 0;
    if (!loaded) {
      Placeholder(width, height);
      return;
    }
    try {
      stream.SetPosition(0);
      graphic->LoadFromStream(stream);
      if (width == 0) width = graphic->GetWidth();
      if (height == 0) height = graphic->GetHeight();
      if (Drawing) DrawImage(graphic.get(), width, height);
    } catch (const std::exception&) {
      Placeholder(width, height);
      return;
    }
    X += width;
    Y += height - 10;
    LineHeight = height;
    Extent.cx = std::max(Extent.cx, width);
    Extent.cy = std::max(Extent.cy, height);
  }

  void DrawImage(TGraphic* Graphic, int Width, int Height) {
    if (Graphic->GetWidth() == Width && Graphic->GetHeight() == Height) {
      Canvas->Draw(X, Y, Graphic);
      return;
    }
    if (X <= 0 || Y <= 0) return;
    TRect r = Centring ? TRect{X - Width / 2, Y, X + Width / 2, Y + Height}
                       : TRect{X, Y, X + Width, Y + Height};
    Canvas->StretchDraw(r, Graphic);
  }

  TPlotCanvas* Canvas;
  bool Drawing;
  int X, LineStartX, Y;
  int LineHeight = 0;
  bool Centring = false;
  bool SavedFont = false;
  bool PreviousSavedFont = false;
  TSize Extent;
};

}  // namespace

void HtmlTextOut(TPlotCanvas* ACanvas, int X, int Y, const std::string& Text) {
  unsigned align = ACanvas->GetTextAlign();
  if (align == gdi::TA_CENTER || align == gdi::TA_RIGHT) {
    TSize size = HtmlTextExtent(ACanvas, Text);
    ACanvas->SetTextAlign(0);
    int x = align == gdi::TA_CENTER ? X - size.cx / 2 : X - size.cx;
    struct Restore {
      TPlotCanvas* C;
      unsigned A;
      ~Restore() { C->SetTextAlign(A); }
    } restore{ACanvas, align};
    THtmlRun(ACanvas, x, Y, true).Run(Text);
    return;
  }
  THtmlRun(ACanvas, X, Y, true).Run(Text);
}

TSize HtmlTextExtent(TPlotCanvas* ACanvas, const std::string& Text) {
  return THtmlRun(ACanvas, 0, 0, false).Run(Text);
}

int HtmlMultiLineTextHeight(TPlotCanvas* ACanvas, const std::string& Text, int& NumLines) {
  NumLines = 0;
  int height = 0;
  size_t start = 0;
  for (size_t cr = Text.find('\r'); cr != std::string::npos; cr = Text.find('\r', start)) {
    height += HtmlTextExtent(ACanvas, Text.substr(start, cr - start)).cy;
    NumLines++;
    start = cr + 1;
  }
  if (start < Text.size()) {
    height += HtmlTextExtent(ACanvas, Text.substr(start)).cy;
    NumLines++;
  }
  return height;
}
