#pragma once
// TzrCalendarTextBox: a text box for a date with a drop-down calendar,
// opened by a press on the arrow area. Only digits, "." and "/" can be
// typed; typed text is not read back into the calendar. Choosing a date in
// the open calendar writes it, fires the box's change and closes it.

#include "controls/zr_calendar_popup.h"
#include "controls/zr_text_box.h"

class TzrCalendarTextBox : public TzrCustomTextBox {
 public:
  explicit TzrCalendarTextBox(TComponent* AOwner);
  ~TzrCalendarTextBox() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TDateTime GetDate() const { return FCalendar ? FCalendar->GetDate() : 0; }
  void SetDate(TDateTime Value);
  TzrPlacement GetPlacement() const { return FPlacement; }
  void SetPlacement(TzrPlacement Value) { FPlacement = Value; }
  TzrPopup* GetPopup() const { return FPopup; }
  TzrCalendar* GetCalendar() const { return FCalendar; }

  // Closes an open calendar, opens a closed one.
  void DropDown();
  void MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CalendarChanged();
  void DoClosePopup(TObject* Sender);
  void ShowDate();

  TzrPopup* FPopup = nullptr;
  TzrCalendar* FCalendar = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;
};
