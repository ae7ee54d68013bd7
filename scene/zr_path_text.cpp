// The SVG-like text form of paths: written with absolute M, L, C and Z
// commands, read with every SVG path command (Q and T are read and dropped).
#include <cstring>
#include <exception>

#include "scene/zr_path.h"
#include "scene/zr_text_forms.h"

namespace {

std::string NumberText(float F) {
  const std::u16string wide = zrFloatToStr(F);
  return std::string(wide.begin(), wide.end());
}

std::string PointText(const TzrPoint& P) { return NumberText(P.X) + "," + NumberText(P.Y); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads numbers and coordinate pairs of the text form from a position.
class TPathTextReader {
 public:
  explicit TPathTextReader(const std::string& Text) : FText(Text) {}

  size_t Pos = 0;

  bool AtEnd() const { return Pos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[Pos]; }
  void SkipSpaces() {
    while (!AtEnd() && FText[Pos] == ' ') ++Pos;
  }
  void SkipSpacesAndCommas() {
    while (!AtEnd() && (FText[Pos] == ' ' || FText[Pos] == ',')) ++Pos;
  }
  // A "-" starts a number or follows its "e"; "+" is never part of one.
  float Number() {
    SkipSpaces();
    const size_t start = Pos;
    while (!AtEnd()) {
      const char c = FText[Pos];
      const bool minus = c == '-' && (Pos == start || FText[Pos - 1] == 'e');
      if (!IsDigit(c) && c != '.' && c != 'e' && !minus) break;
      ++Pos;
    }
    const std::string run = FText.substr(start, Pos - start);
    return zrStrToFloat(std::u16string(run.begin(), run.end()));
  }
  // A pair that starts past the end of the text reads as (0, 0).
  TzrPoint Pair() {
    if (AtEnd()) return {};
    SkipSpacesAndCommas();
    TzrPoint p;
    p.X = Number();
    SkipSpacesAndCommas();
    p.Y = Number();
    SkipSpacesAndCommas();
    return p;
  }
  // Another set of coordinates follows the first one of a command.
  bool MoreFollow() const { return Peek() == '-' || IsDigit(Peek()); }

 private:
  const std::string& FText;
};

bool IsCommandLetter(char c) { return c != '\0' && std::strchr("zmlchvsqtaZMLCHVSQTA", c); }

void RunCommand(TzrPathData& path, TPathTextReader& r, char letter) {
  switch (letter) {
    case 'Z':
    case 'z':
      path.ClosePath();
      break;
    case 'M':
    case 'm': {
      const bool rel = letter == 'm';
      const TzrPoint p = r.Pair();
      rel ? path.MoveToRel(p) : path.MoveTo(p);
      while (r.MoreFollow()) {
        const TzrPoint q = r.Pair();
        rel ? path.LineToRel(q) : path.LineTo(q);
      }
      break;
    }
    case 'L':
    case 'l':
      do {
        const TzrPoint p = r.Pair();
        letter == 'l' ? path.LineToRel(p) : path.LineTo(p);
      } while (r.MoreFollow());
      break;
    case 'C':
    case 'c':
      do {
        const TzrPoint c1 = r.Pair(), c2 = r.Pair(), e = r.Pair();
        letter == 'c' ? path.CurveToRel(c1, c2, e) : path.CurveTo(c1, c2, e);
      } while (r.MoreFollow());
      break;
    case 'S':
    case 's':
      do {
        const TzrPoint c2 = r.Pair(), e = r.Pair();
        letter == 's' ? path.SmoothCurveToRel(c2, e) : path.SmoothCurveTo(c2, e);
      } while (r.MoreFollow());
      break;
    case 'H':
      path.HLineTo(r.Number());
      break;
    case 'h':
      path.HLineToRel(r.Number());
      break;
    case 'V':
      path.VLineTo(r.Number());
      break;
    case 'v':
      path.VLineToRel(r.Number());
      break;
    case 'Q':
    case 'q':
      r.Pair();
      r.Pair();
      break;
    case 'T':
    case 't':
      r.Pair();
      break;
    case 'A':
    case 'a': {
      const TzrPoint radius = r.Pair();
      const float angle = r.Number();
      const TzrPoint flags = r.Pair();
      TzrPoint end = r.Pair();
      const TzrPoint current = path.LastPoint();
      if (letter == 'a') end = {current.X + end.X, current.Y + end.Y};
      path.AddArcSvg(current, radius, angle, flags.X == 1, flags.Y == 1, end);
      break;
    }
  }
}

}  // namespace

std::string TzrPathData::GetPathString() const {
  std::string text;
  const size_t n = PathData.size();
  for (size_t i = 0; i < n; ++i) {
    const TzrPathPoint& p = PathData[i];
    switch (p.Kind) {
      case zrPathPointMoveTo:
        text += "M " + PointText(p.Point) + " ";
        break;
      case zrPathPointLineTo:
        text += "L " + PointText(p.Point) + " ";
        break;
      case zrPathPointCurveTo:
        if (i + 2 >= n) return text;  // an incomplete curve ends the path
        text += "C " + PointText(p.Point) + " " + PointText(PathData[i + 1].Point) + " " +
                PointText(PathData[i + 2].Point) + " ";
        i += 2;
        break;
      case zrPathPointClose:
        text += "Z ";
        break;
    }
  }
  return text;
}

void TzrPathData::SetPathString(const std::string& Text) {
  std::string clean;
  clean.reserve(Text.size());
  for (char c : Text) {
    if (c != '\t' && c != '\n' && c != '\r') clean += c;
  }
  PathData.clear();
  TPathTextReader r(clean);
  for (;;) {
    const size_t passStart = r.Pos;
    r.SkipSpaces();
    const size_t runStart = r.Pos;
    while (IsCommandLetter(r.Peek())) ++r.Pos;
    const std::string run = clean.substr(runStart, r.Pos - runStart);
    for (char letter : run) {
      try {
        RunCommand(*this, r, letter);
      } catch (const std::exception&) {
        // The faulty command is dropped; what it added before stays.
      }
    }
    if (r.Pos == passStart) break;
  }
  DoChanged();
}
