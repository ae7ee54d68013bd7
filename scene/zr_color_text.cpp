#include "scene/zr_color_text.h"

#include <cstdio>

const std::array<TzrColorIdent, 147> zrColorIdents = {{
    {"Aliceblue", "#FFF0F8FF"},
    {"Antiquewhite", "#FFFAEBD7"},
    {"Aqua", "#FF00FFFF"},
    {"Aquamarine", "#FF7FFFD4"},
    {"Azure", "#FFF0FFFF"},
    {"Beige", "#FFF5F5DC"},
    {"Bisque", "#FFFFE4C4"},
    {"Black", "#FF000000"},
    {"Blanchedalmond", "#FFFFEBCD"},
    {"Blue", "#FF0000FF"},
    {"Blueviolet", "#FF8A2BE2"},
    {"Brown", "#FFA52A2A"},
    {"Burlywood", "#FFDEB887"},
    {"Cadetblue", "#FF5F9EA0"},
    {"Chartreuse", "#FF7FFF00"},
    {"Chocolate", "#FFD2691E"},
    {"Coral", "#FFFF7F50"},
    {"Cornflowerblue", "#FF6495ED"},
    {"Cornsilk", "#FFFFF8DC"},
    {"Crimson", "#FFDC143C"},
    {"Cyan", "#FF00FFFF"},
    {"Darkblue", "#FF00008B"},
    {"Darkcyan", "#FF008B8B"},
    {"Darkgoldenrod", "#FFB8860B"},
    {"Darkgray", "#FFA9A9A9"},
    {"Darkgreen", "#FF006400"},
    {"Darkgrey", "#FFA9A9A9"},
    {"Darkkhaki", "#FFBDB76B"},
    {"Darkmagenta", "#FF8B008B"},
    {"Darkolivegreen", "#FF556B2F"},
    {"Darkorange", "#FFFF8C00"},
    {"Darkorchid", "#FF9932CC"},
    {"Darkred", "#FF8B0000"},
    {"Darksalmon", "#FFE9967A"},
    {"Darkseagreen", "#FF8FBC8F"},
    {"Darkslateblue", "#FF483D8B"},
    {"Darkslategray", "#FF2F4F4F"},
    {"Darkslategrey", "#FF2F4F4F"},
    {"Darkturquoise", "#FF00CED1"},
    {"Darkviolet", "#FF9400D3"},
    {"Deeppink", "#FFFF1493"},
    {"Deepskyblue", "#FF00BFFF"},
    {"Dimgray", "#FF696969"},
    {"Dimgrey", "#FF696969"},
    {"Dodgerblue", "#FF1E90FF"},
    {"Firebrick", "#FFB22222"},
    {"Floralwhite", "#FFFFFAF0"},
    {"Forestgreen", "#FF228B22"},
    {"Fuchsia", "#FFFF00FF"},
    {"Gainsboro", "#FFDCDCDC"},
    {"Ghostwhite", "#FFF8F8FF"},
    {"Gold", "#FFFFD700"},
    {"Goldenrod", "#FFDAA520"},
    {"Gray", "#FF808080"},
    {"Green", "#FF008000"},
    {"Greenyellow", "#FFADFF2F"},
    {"Grey", "#FF808080"},
    {"Honeydew", "#FFF0FFF0"},
    {"Hotpink", "#FFFF69B4"},
    {"Indianred", "#FFCD5C5C"},
    {"Indigo", "#FF4B0082"},
    {"Ivory", "#FFFFFFF0"},
    {"Khaki", "#FFF0E68C"},
    {"Lavender", "#FFE6E6FA"},
    {"Lavenderblush", "#FFFFF0F5"},
    {"Lawngreen", "#FF7CFC00"},
    {"Lemonchiffon", "#FFFFFACD"},
    {"Lightblue", "#FFADD8E6"},
    {"Lightcoral", "#FFF08080"},
    {"Lightcyan", "#FFE0FFFF"},
    {"Lightgoldenrodyellow", "#FFFAFAD2"},
    {"Lightgray", "#FFD3D3D3"},
    {"Lightgreen", "#FF90EE90"},
    {"Lightgrey", "#FFD3D3D3"},
    {"Lightpink", "#FFFFB6C1"},
    {"Lightsalmon", "#FFFFA07A"},
    {"Lightseagreen", "#FF20B2AA"},
    {"Lightskyblue", "#FF87CEFA"},
    {"Lightslategray", "#FF778899"},
    {"Lightslategrey", "#FF778899"},
    {"Lightsteelblue", "#FFB0C4DE"},
    {"Lightyellow", "#FFFFFFE0"},
    {"Lime", "#FF00FF00"},
    {"Limegreen", "#FF32CD32"},
    {"Linen", "#FFFAF0E6"},
    {"Magenta", "#FFFF00FF"},
    {"Maroon", "#FF800000"},
    {"Mediumaquamarine", "#FF66CDAA"},
    {"Mediumblue", "#FF0000CD"},
    {"Mediumorchid", "#FFBA55D3"},
    {"Mediumpurple", "#FF9370DB"},
    {"Mediumseagreen", "#FF3CB371"},
    {"Mediumslateblue", "#FF7B68EE"},
    {"Mediumspringgreen", "#FF00FA9A"},
    {"Mediumturquoise", "#FF48D1CC"},
    {"Mediumvioletred", "#FFC71585"},
    {"Midnightblue", "#FF191970"},
    {"Mintcream", "#FFF5FFFA"},
    {"Mistyrose", "#FFFFE4E1"},
    {"Moccasin", "#FFFFE4B5"},
    {"Navajowhite", "#FFFFDEAD"},
    {"Navy", "#FF000080"},
    {"Oldlace", "#FFFDF5E6"},
    {"Olive", "#FF808000"},
    {"Olivedrab", "#FF6B8E23"},
    {"Orange", "#FFFFA500"},
    {"Orangered", "#FFFF4500"},
    {"Orchid", "#FFDA70D6"},
    {"Palegoldenrod", "#FFEEE8AA"},
    {"Palegreen", "#FF98FB98"},
    {"Paleturquoise", "#FFAFEEEE"},
    {"Palevioletred", "#FFDB7093"},
    {"Papayawhip", "#FFFFEFD5"},
    {"Peachpuff", "#FFFFDAB9"},
    {"Peru", "#FFCD853F"},
    {"Pink", "#FFFFC0CB"},
    {"Plum", "#FFDDA0DD"},
    {"Powderblue", "#FFB0E0E6"},
    {"Purple", "#FF800080"},
    {"Red", "#FFFF0000"},
    {"Rosybrown", "#FFBC8F8F"},
    {"Royalblue", "#FF4169E1"},
    {"Saddlebrown", "#FF8B4513"},
    {"Salmon", "#FFFA8072"},
    {"Sandybrown", "#FFF4A460"},
    {"Seagreen", "#FF2E8B57"},
    {"Seashell", "#FFFFF5EE"},
    {"Sienna", "#FFA0522D"},
    {"Silver", "#FFC0C0C0"},
    {"Skyblue", "#FF87CEEB"},
    {"Slateblue", "#FF6A5ACD"},
    {"Slategray", "#FF708090"},
    {"Slategrey", "#FF708090"},
    {"Snow", "#FFFFFAFA"},
    {"Springgreen", "#FF00FF7F"},
    {"Steelblue", "#FF4682B4"},
    {"Tan", "#FFD2B48C"},
    {"Teal", "#FF008080"},
    {"Thistle", "#FFD8BFD8"},
    {"Tomato", "#FFFF6347"},
    {"Turquoise", "#FF40E0D0"},
    {"Violet", "#FFEE82EE"},
    {"Wheat", "#FFF5DEB3"},
    {"White", "#FFFFFFFF"},
    {"Whitesmoke", "#FFF5F5F5"},
    {"Yellow", "#FFFFFF00"},
    {"Yellowgreen", "#FF9ACD32"},
}};

namespace {

bool IsSpace(char16_t C) { return C == u' '; }

int HexDigit(char16_t C) {
  if (C >= u'0' && C <= u'9') return C - u'0';
  if (C >= u'a' && C <= u'f') return C - u'a' + 10;
  if (C >= u'A' && C <= u'F') return C - u'A' + 10;
  return -1;
}

char16_t AsciiLower(char16_t C) { return (C >= u'A' && C <= u'Z') ? C + (u'a' - u'A') : C; }

bool SameNameIgnoringCase(const std::u16string& S, const char* Name) {
  size_t I = 0;
  for (; Name[I] != 0; ++I) {
    if (I >= S.size() || AsciiLower(S[I]) != AsciiLower(static_cast<char16_t>(Name[I])))
      return false;
  }
  return I == S.size();
}

// Hexadecimal digits from Pos to the end: at least one, at most eight
// significant ones (leading zeros do not count).
bool ReadHex(const std::u16string& S, size_t Pos, uint32_t& Value) {
  if (Pos >= S.size()) return false;
  uint64_t V = 0;
  for (; Pos < S.size(); ++Pos) {
    int D = HexDigit(S[Pos]);
    if (D < 0) return false;
    V = V * 16 + D;
    if (V > 0xFFFFFFFFu) return false;
  }
  Value = static_cast<uint32_t>(V);
  return true;
}

// Decimal digits from Pos to the end; the signed value must fit 32 bits.
bool ReadDecimal(const std::u16string& S, size_t Pos, bool Negative, uint32_t& Value) {
  if (Pos >= S.size()) return false;
  uint64_t V = 0;
  uint64_t Limit = Negative ? 2147483648u : 2147483647u;
  for (; Pos < S.size(); ++Pos) {
    if (S[Pos] < u'0' || S[Pos] > u'9') return false;
    V = V * 10 + (S[Pos] - u'0');
    if (V > Limit) return false;
  }
  Value = static_cast<uint32_t>(Negative ? 0 - V : V);
  return true;
}

// A 32-bit integer: optional leading spaces, optional sign, then decimal
// digits or "$", "x", "0x" and hexadecimal digits.
bool ReadInteger(const std::u16string& S, uint32_t& Value) {
  size_t Pos = 0;
  while (Pos < S.size() && IsSpace(S[Pos])) ++Pos;
  bool Negative = false;
  if (Pos < S.size() && (S[Pos] == u'-' || S[Pos] == u'+')) {
    Negative = S[Pos] == u'-';
    ++Pos;
  }
  size_t HexStart = 0;
  if (Pos < S.size() && (S[Pos] == u'$' || S[Pos] == u'x' || S[Pos] == u'X'))
    HexStart = Pos + 1;
  else if (Pos + 1 < S.size() && S[Pos] == u'0' && (S[Pos + 1] == u'x' || S[Pos + 1] == u'X'))
    HexStart = Pos + 2;
  if (HexStart == 0) return ReadDecimal(S, Pos, Negative, Value);
  if (!ReadHex(S, HexStart, Value)) return false;
  if (Negative) Value = 0 - Value;
  return true;
}

}  // namespace

std::u16string zrColorToStr(TzrColor AColor) {
  char Text[10];
  std::snprintf(Text, sizeof Text, "#%08X", static_cast<unsigned>(AColor));
  return std::u16string(Text, Text + 9);
}

TzrColor zrStrToColor(const std::u16string& S) {
  uint32_t Value = 0;
  if (S.size() == 1 && S[0] == 0) return 0;
  if (!S.empty() && S[0] == u'#') return ReadHex(S, 1, Value) ? Value : 0;
  for (const TzrColorIdent& Ident : zrColorIdents) {
    if (SameNameIgnoringCase(S, Ident.Name)) {
      ReadHex(std::u16string(Ident.Value, Ident.Value + 9), 1, Value);
      return Value;
    }
  }
  return ReadInteger(S, Value) ? Value : 0;
}
