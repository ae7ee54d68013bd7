#include "platform/vcl/Cursors.h"

#include <gtk/gtk.h>

TScreen::TScreen() {
  FCursors = {{crDefault, "default"},  {crArrow, "default"},      {crIBeam, "text"},
              {crDrag, "grabbing"},    {crNoDrop, "no-drop"},     {crMultiDrag, "copy"},
              {crHandPoint, "pointer"}};
}

std::string TScreen::GetCursors(TCursor id) const {
  auto it = FCursors.find(id);
  return it == FCursors.end() ? FCursors.at(crDefault) : it->second;
}

void TScreen::SetCursors(TCursor id, const std::string& name) { FCursors[id] = name; }

GdkCursor* TScreen::MakeCursor(TCursor id, GdkDisplay* display) const {
  if (display == nullptr) return nullptr;
  return gdk_cursor_new_from_name(display, GetCursors(id).c_str());
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}
