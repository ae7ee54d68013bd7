#include "controls/zr_calendar_popup.h"

TzrCalendarPopup zrMakeCalendarPopup(TzrControl* Box) {
  TzrCalendarPopup parts;
  parts.Popup = new TzrPopup(Box);
  parts.Popup->SetResource("combopopupstyle");
  parts.Popup->SetPlacementTarget(Box);
  parts.Popup->SetStaysOpen(false);
  parts.Popup->SetDesignHide(true);
  parts.Popup->SetBounds(0, 0, 186, 166);
  parts.Popup->SetStored(false);
  parts.Popup->SetLocked(true);
  parts.Popup->SetParent(Box);
  parts.Calendar = new TzrCalendar(Box);
  parts.Calendar->GetPadding()->SetRect(zrRect(3, 3, 3, 3));
  parts.Calendar->SetAlign(vaClient);
  parts.Calendar->SetStored(false);
  parts.Calendar->SetLocked(true);
  parts.Calendar->SetParent(parts.Popup);
  return parts;
}
