#pragma once
// The drop-down calendar the date boxes share: a popup under its box that
// closes when it loses the pointer, holding a calendar padded by 3.

#include "controls/zr_calendar.h"
#include "scene/zr_popup.h"

struct TzrCalendarPopup {
  TzrPopup* Popup = nullptr;
  TzrCalendar* Calendar = nullptr;
};

// Made with Box as owner and parent; both parts are locked and not stored.
TzrCalendarPopup zrMakeCalendarPopup(TzrControl* Box);
