#pragma once
// TzrCalendarBox: a button-like box that shows a date as text and drops a
// calendar down when pressed. Choosing a day closes the calendar.

#include "controls/zr_calendar_popup.h"
#include "controls/zr_text_control.h"

class TzrCalendarBox : public TzrTextControl {
 public:
  explicit TzrCalendarBox(TComponent* AOwner);
  ~TzrCalendarBox() override;
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
  void ApplyStyle() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DoContentPaint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);
  void ShowDate();

  TzrPopup* FPopup = nullptr;
  TzrCalendar* FCalendar = nullptr;
  TzrPlacement FPlacement = zrPlacementBottom;
};
