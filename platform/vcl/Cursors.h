#pragma once
// The framework's screen object, as far as it keeps the table of mouse
// cursors: a cursor id names a GDK cursor (by its CSS name). The standard
// ids are negative; programs register their own under positive ids.

#include <map>
#include <string>

typedef struct _GdkCursor GdkCursor;
typedef struct _GdkDisplay GdkDisplay;

// Cursor numbers as form streams give them (crDefault, crArrow ...).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

class TScreen {
 public:
  TScreen();
  // The cursor name of an id; an unknown id answers the default cursor's.
  std::string GetCursors(TCursor id) const;
  void SetCursors(TCursor id, const std::string& name);
  // The GDK cursor of an id for a display (a new reference; nullptr without
  // a display).
  GdkCursor* MakeCursor(TCursor id, GdkDisplay* display) const;
  // The cursor shown over every window of the program while it is not
  // crDefault (an hourglass while the program works).
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor id);

 private:
  std::map<TCursor, std::string> FCursors;
  TCursor FCursor = crDefault;
};

// The one screen object; it exists from the first call on.
TScreen& Screen();
