// The context menu of the text controls: one entry per edit command, in order.
#pragma once

#include <functional>
#include <vector>

class TComponent;
class TPopupMenu;

struct TzrEditMenuEntry {
  const char* Caption;
  std::function<void()> Run;
};

TPopupMenu* zrCreateEditMenu(TComponent* Owner, const std::vector<TzrEditMenuEntry>& Entries);
